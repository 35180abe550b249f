#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <utility>

namespace Quillet {

class JobProgress;

// The days of a range in one PDF, laid out as the diary prints a page: each day begins a new
// sheet under its date as a heading.
class PdfDiary final {
public:
    PdfDiary() = delete;

    enum class Outcome { Written, Cancelled, Failed };
    // Failed comes with the reason. A cancelled PDF is removed: half a range is no export.
    static Outcome write(const QString& path, const QList<std::pair<QDate, QByteArray>>& days,
                         JobProgress& progress, QString* reason);
};

} // namespace Quillet
