#pragma once

#include <QString>

namespace Quillet {

// A count with its noun: "1 page", "2 pages".
inline QString Counted(qsizetype count, const QString& noun)
{
    return QString::number(count) + QLatin1Char(' ') + noun +
           (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace Quillet
