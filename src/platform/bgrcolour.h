#pragma once

#include <QColor>

namespace Quillet {

// Colours are stored and exchanged with the dialogs as 0x00BBGGRR numbers.
inline QColor FromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 ToBgr(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

} // namespace Quillet
