#include "porttool/importdate.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace Quillet {

std::optional<QDate> ImportDate(const QString& fileName)
{
    static const QRegularExpression forms[] = {
        QRegularExpression(QStringLiteral("(?<!\\d)(?<y>\\d{4})-(?<m>\\d{2})-(?<d>\\d{2})(?!\\d)")),
        QRegularExpression(QStringLiteral("(?<!\\d)(?<y>\\d{4})(?<m>\\d{2})(?<d>\\d{2})(?!\\d)")),
        QRegularExpression(
            QStringLiteral("(?<![\\d.])(?<d>\\d{2})\\.(?<m>\\d{2})\\.(?<y>\\d{4})(?!\\d)")),
    };
    const QString name = QFileInfo(fileName).fileName();
    std::optional<QDate> found;
    for (const QRegularExpression& form : forms) {
        for (auto it = form.globalMatch(name); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QDate date(match.captured(u"y").toInt(), match.captured(u"m").toInt(),
                             match.captured(u"d").toInt());
            if (!date.isValid() || (found && *found != date))
                return std::nullopt;
            found = date;
        }
    }
    return found;
}

} // namespace Quillet
