#pragma once

#include "platform/registrybackend.h"

#include <QByteArray>
#include <QFlags>
#include <QString>
#include <optional>

namespace Quillet {

// Selects the root key of a settings access; when several are set, the first in this order wins.
enum class RootFlag {
    ClassesRoot = 0x01,
    CurrentConfig = 0x02,
    CurrentUser = 0x04,
    DynData = 0x08,
    LocalMachine = 0x10,
    PerformanceData = 0x20,
    Users = 0x40,
};
Q_DECLARE_FLAGS(RootFlags, RootFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(RootFlags)

std::optional<RootKey> RootKeyFor(RootFlags flags);

// Reads and writes the program's own settings as string values by key path and value name.
// Reads never fail: anything missing or unreadable reads as an empty text.
class SettingsStore {
public:
    explicit SettingsStore(RegistryBackend& backend) : m_backend(backend) {}

    // Where the settings are kept, and why they cannot be used at all (empty when they can).
    QString location() const { return m_backend.location(); }
    QString failure() const { return m_backend.failure(); }

    // Trimmed of surrounding spaces; a value of 255 bytes or more reads as empty.
    QString ReadValue(const QString& keyPath, const QString& valueName,
                      RootFlags flags = RootFlag::CurrentUser) const;
    // False when nothing was stored: no root selected, or the database refused the write.
    bool WriteValue(const QString& keyPath, const QString& valueName, const QString& value,
                    RootFlags flags = RootFlag::CurrentUser);

    // Scrambled values hold arbitrary bytes, leading and trailing spaces included: they are
    // read exactly as stored, whatever their length.
    QByteArray ReadRawValue(const QString& keyPath, const QString& valueName,
                            RootFlags flags = RootFlag::CurrentUser) const;
    bool WriteRawValue(const QString& keyPath, const QString& valueName, const QByteArray& value,
                       RootFlags flags = RootFlag::CurrentUser);

private:
    RegistryBackend& m_backend;
};

} // namespace Quillet
