#include "pages/datetexts.h"

namespace Quillet {

QString DateTexts::caption(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("MMM dd, yyyy"));
}

QString DateTexts::history(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("MMMM dd, yyyy"));
}

QString DateTexts::bookmark(const QDate& date)
{
    return QLocale(QLocale::English).toString(date, QStringLiteral("MMM dd,yyyy"));
}

std::optional<QDate> DateTexts::parse(const QString& text, const QLocale& locale)
{
    const QString typed = text.simplified();
    if (typed.isEmpty())
        return std::nullopt;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QString shortWithCentury = shortFormat;
    if (!shortWithCentury.contains(QLatin1String("yyyy")))
        shortWithCentury.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QString formats[] = {
        QStringLiteral("MMMM d, yyyy"),
        QStringLiteral("MMM d, yyyy"),
        QStringLiteral("MMMM d,yyyy"),
        QStringLiteral("MMM d,yyyy"),
        QStringLiteral("d MMMM yyyy"),
        QStringLiteral("d MMM yyyy"),
        shortWithCentury,
        shortFormat,
        locale.dateFormat(QLocale::LongFormat),
    };
    for (const QString& format : formats) {
        QDate date = locale.toDate(typed, format);
        if (!date.isValid())
            continue;
        // Two-digit years read as the nearest century, as people mean them: 01 is 2001.
        if (!format.contains(QLatin1String("yyyy")) && date.year() < 1930)
            date = date.addYears(100);
        return date;
    }
    const QDate iso = QDate::fromString(typed, Qt::ISODate);
    if (iso.isValid())
        return iso;
    return std::nullopt;
}

} // namespace Quillet
