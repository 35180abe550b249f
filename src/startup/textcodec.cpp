#include "startup/textcodec.h"

#include <QStringDecoder>

namespace Quillet {

QString DecodeText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace Quillet
