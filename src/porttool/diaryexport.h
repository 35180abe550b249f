#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace Quillet {

class Diary;
class JobProgress;

enum class ExportFormat { Rtf, Html, Text, Markdown, Pdf };

std::optional<ExportFormat> ExportFormatNamed(const QString& name);

// Writes a user's pages, all or a range of days, into a folder as files other programs open.
// They are plain, readable diaries, so the folder and files are private to their owner.
class DiaryExport final {
public:
    DiaryExport(const Diary& diary, ExportFormat format) : m_diary(diary), m_format(format) {}

    struct Result {
        int pages = 0;
        QString error; // empty when every page was written
        bool cancelled = false;
    };
    // Cancelled, the pages already written stay, and an index lists them.
    Result run(const QString& folder, const QDate& since, const QDate& until,
               JobProgress& progress) const;

    // The one file of a format that holds the whole range.
    static QString pdfFileName(const QDate& first, const QDate& last);

private:
    const Diary& m_diary;
    ExportFormat m_format;
};

} // namespace Quillet
