#pragma once

#include <QFileDevice>
#include <QString>

namespace Quillet {

// A diary is nobody else's business: the folders and files that hold it are readable and
// writable by their owner alone, from the moment they are created.
inline constexpr QFileDevice::Permissions kPrivateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
inline constexpr QFileDevice::Permissions kPrivateFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the folder and any missing parents, each private. False, with the reason when one is
// asked for, when the folder does not exist afterwards.
bool makePrivateFolder(const QString& path, QString* reason = nullptr);

} // namespace Quillet
