#include "porttool/pictureurl.h"

namespace Quillet {

QString PictureUrl(const QByteArray& picture)
{
    const bool png = picture.startsWith("\x89PNG");
    return (png ? QStringLiteral("data:image/png;base64,")
                : QStringLiteral("data:image/jpeg;base64,")) +
           QString::fromLatin1(picture.toBase64());
}

} // namespace Quillet
