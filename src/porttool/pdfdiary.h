#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <utility>

namespace Quillet {

// The days of a range in one PDF, laid out as the diary prints a page: each day begins a new
// sheet under its date as a heading.
class PdfDiary final {
public:
    PdfDiary() = delete;

    // False, with the reason, when the file could not be written.
    static bool write(const QString& path, const QList<std::pair<QDate, QByteArray>>& days,
                      QString* reason);
};

} // namespace Quillet
