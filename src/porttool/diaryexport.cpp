#include "porttool/diaryexport.h"

#include "pages/rtf/rtfwriter.h"
#include "porttool/diary.h"
#include "porttool/htmlexport.h"
#include "porttool/jobprogress.h"
#include "porttool/markdownwriter.h"
#include "porttool/pagedocument.h"
#include "porttool/pdfdiary.h"
#include "startup/privatefiles.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <QtConcurrent/QtConcurrentMap>

namespace Quillet {
namespace {

QString extension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Rtf:
        return QStringLiteral(".rtf");
    case ExportFormat::Html:
        return QStringLiteral(".html");
    case ExportFormat::Text:
        return QStringLiteral(".txt");
    case ExportFormat::Markdown:
        return QStringLiteral(".md");
    case ExportFormat::Pdf:
        return QStringLiteral(".pdf");
    }
    return {};
}

// Empty when written, else why not.
QString writePrivateFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, kPrivateFile))
        return path + QStringLiteral(": ") + file.errorString();
    // An older export of the same day may have been readable by others.
    file.setPermissions(kPrivateFile);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return path + QStringLiteral(": ") + file.errorString();
    return {};
}

QByteArray converted(ExportFormat format, const QByteArray& richText, const QDate& date)
{
    // A page's RTF goes out as the diary keeps it: it is already what word processors open.
    if (format == ExportFormat::Rtf && !richText.isEmpty() && richText.trimmed().startsWith('{'))
        return richText;
    if (format == ExportFormat::Text)
        return PagePlainText(richText).remove(QChar::ObjectReplacementCharacter).toUtf8() + '\n';
    const std::unique_ptr<QTextDocument> document = PageDocument(richText);
    switch (format) {
    case ExportFormat::Html:
        return HtmlExport::page(*document, date);
    case ExportFormat::Markdown:
        return MarkdownWriter::write(*document).toUtf8();
    case ExportFormat::Rtf:
        return RtfWriter::write(*document);
    default:
        return {};
    }
}

} // namespace

std::optional<ExportFormat> ExportFormatNamed(const QString& name)
{
    static const std::pair<const char*, ExportFormat> names[] = {{"rtf", ExportFormat::Rtf},
                                                                 {"html", ExportFormat::Html},
                                                                 {"txt", ExportFormat::Text},
                                                                 {"md", ExportFormat::Markdown},
                                                                 {"pdf", ExportFormat::Pdf}};
    for (const auto& [text, format] : names)
        if (name == QLatin1String(text))
            return format;
    return std::nullopt;
}

QString DiaryExport::pdfFileName(const QDate& first, const QDate& last)
{
    return first.toString(Qt::ISODate) + QStringLiteral("_") + last.toString(Qt::ISODate) +
           extension(ExportFormat::Pdf);
}

DiaryExport::Result DiaryExport::run(const QString& to, const QDate& since, const QDate& until,
                                     JobProgress& progress) const
{
    // "out/" and "out" are one folder.
    const QString folder = QDir(to).absolutePath();
    QString reason;
    if (!makePrivateFolder(folder, &reason))
        return {0, folder + QStringLiteral(": ") + reason};
    const QList<QDate> dates = m_diary.dates(since, until);
    progress.start(int(dates.size()));
    if (dates.isEmpty())
        return {};

    if (m_format == ExportFormat::Pdf) {
        QList<std::pair<QDate, QByteArray>> days;
        for (const QDate& date : dates)
            if (std::optional<QByteArray> page = m_diary.read(date))
                days.append({date, std::move(*page)});
        if (days.isEmpty())
            return {};
        const QString path =
            folder + QLatin1Char('/') + pdfFileName(days.first().first, days.last().first);
        switch (PdfDiary::write(path, days, progress, &reason)) {
        case PdfDiary::Outcome::Written:
            return {int(days.size()), {}};
        case PdfDiary::Outcome::Cancelled:
            return {0, {}, true};
        case PdfDiary::Outcome::Failed:
            break;
        }
        return {0, path + QStringLiteral(": ") + reason};
    }

    struct PageOutcome {
        bool written = false;
        QString error;
    };
    // Each page is read, converted and written on its own: the cores share the pages.
    const ExportFormat format = m_format;
    const QList<PageOutcome> outcomes =
        QtConcurrent::blockingMapped<QList<PageOutcome>>(dates, [&](const QDate& date) {
            if (progress.cancelled())
                return PageOutcome{};
            const std::optional<QByteArray> page = m_diary.read(date);
            PageOutcome outcome;
            if (page) {
                const QString path =
                    folder + QLatin1Char('/') + date.toString(Qt::ISODate) + extension(format);
                outcome.error = writePrivateFile(path, converted(format, *page, date));
                outcome.written = outcome.error.isEmpty();
            }
            progress.advance();
            return outcome;
        });
    Result result;
    result.cancelled = progress.cancelled();
    QList<QDate> written;
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        if (outcomes[i].written) {
            ++result.pages;
            written.append(dates[i]);
        } else if (result.error.isEmpty()) {
            result.error = outcomes[i].error;
        }
    }
    if (m_format == ExportFormat::Html && result.error.isEmpty() && !written.isEmpty()) {
        result.error = writePrivateFile(folder + QStringLiteral("/index.html"),
                                        HtmlExport::index(written, m_diary.user()));
    }
    return result;
}

} // namespace Quillet
