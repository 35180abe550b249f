#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace Quillet {

// Dates as the program shows them, with the month names of the locale (English for a
// bookmark's description).
struct DateTexts {
    // "Dec 12, 2001": the date caption above the page.
    static QString caption(const QDate& date, const QLocale& locale = QLocale());
    // "December 05, 2001": an entry of the history.
    static QString history(const QDate& date, const QLocale& locale = QLocale());
    // "Dec 05,2001": the description proposed for a bookmark, in English whatever the locale.
    static QString bookmark(const QDate& date);

    // A date typed by the user: the history's form and its relatives, ISO 8601 and the
    // locale's own short and long forms.
    static std::optional<QDate> parse(const QString& text, const QLocale& locale = QLocale());
};

} // namespace Quillet
