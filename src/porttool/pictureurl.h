#pragma once

#include <QByteArray>
#include <QString>

namespace Quillet {

// A picture file as a data: address, so that an exported page shows it without any other file.
QString PictureUrl(const QByteArray& picture);

} // namespace Quillet
