#include "porttool/diaryimport.h"

#include "pages/rtf/pagepicture.h"
#include "pages/rtf/rtfreader.h"
#include "pages/rtf/rtfwriter.h"
#include "porttool/diary.h"
#include "porttool/importdate.h"
#include "porttool/jobprogress.h"
#include "porttool/pagedocument.h"
#include "startup/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>
#include <memory>

namespace Quillet {
namespace {

bool supported(const QString& file)
{
    static const QStringList suffixes = {QStringLiteral("rtf"), QStringLiteral("txt"),
                                         QStringLiteral("md"), QStringLiteral("html"),
                                         QStringLiteral("htm")};
    return suffixes.contains(QFileInfo(file).suffix().toLower());
}

std::unique_ptr<QTextDocument> fileDocument(const QString& file, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    auto document = std::make_unique<QTextDocument>();
    // A text file's last line ends in a line break; that is no empty paragraph of the page.
    const QString text = DecodeText(bytes).remove(QRegularExpression(QStringLiteral("[\\r\\n]+$")));
    if (suffix == QLatin1String("rtf") && RtfReader::isRtf(bytes))
        RtfReader::read(bytes, *document);
    else if (suffix == QLatin1String("md"))
        document->setMarkdown(text);
    else if (suffix.startsWith(QLatin1String("htm")))
        document->setHtml(text);
    else
        document->setPlainText(text);
    return document;
}

} // namespace

QStringList DiaryImport::filesIn(const QStringList& filesOrFolders)
{
    QStringList files;
    for (const QString& given : filesOrFolders) {
        if (!QFileInfo(given).isDir()) {
            files.append(given);
            continue;
        }
        const QDir folder(given);
        QStringList inFolder;
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
            if (supported(name))
                inFolder.append(folder.filePath(name));
        files += inFolder;
    }
    return files;
}

QList<DiaryImport::Entry> DiaryImport::run(const QStringList& files, bool dryRun,
                                           JobProgress& progress) const
{
    // One after the other: two files for one day meet as a page and its addition.
    QList<Entry> entries;
    progress.start(int(files.size()));
    for (const QString& file : files) {
        if (progress.cancelled())
            break;
        entries.append(import(file, dryRun));
        progress.advance();
    }
    return entries;
}

DiaryImport::Entry DiaryImport::import(const QString& file, bool dryRun) const
{
    if (!supported(file))
        return {file, {}, Action::NotSupported, {}};
    const std::optional<QDate> date = ImportDate(file);
    if (!date)
        return {file, {}, Action::NoDate, {}};
    Entry entry{file, *date, Action::Added, {}};

    std::optional<QByteArray> existing;
    if (m_diary.hasPage(*date)) {
        existing = m_diary.read(*date);
        if (!existing)
            return {file, *date, Action::OtherUsersPage, {}};
        static constexpr Action actions[] = {Action::Skipped, Action::Appended, Action::Replaced};
        entry.action = actions[int(m_existing)];
    }
    if (entry.action == Action::Skipped)
        return entry;

    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return {file, *date, Action::Failed, input.errorString()};
    const QByteArray bytes = input.readAll();
    if (dryRun)
        return entry;

    const std::unique_ptr<QTextDocument> imported = fileDocument(file, bytes);
    std::unique_ptr<QTextDocument> page;
    if (entry.action == Action::Appended) {
        page = PageDocument(*existing);
        QTextCursor cursor(page.get());
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertFragment(QTextDocumentFragment(imported.get()));
        PagePicture::shareImages(*imported, *page);
    }
    const PageWriter::Result written =
        m_diary.write(*date, RtfWriter::write(page ? *page : *imported));
    if (written.outcome == PageWriter::Outcome::OtherUsersPage)
        return {file, *date, Action::OtherUsersPage, {}};
    if (written.outcome == PageWriter::Outcome::Failed)
        return {file, *date, Action::Failed, written.reason};
    return entry;
}

DiaryImport::Tally DiaryImport::tally(const QList<Entry>& entries)
{
    Tally tally;
    for (const Entry& entry : entries) {
        switch (entry.action) {
        case Action::Added:
        case Action::Appended:
        case Action::Replaced:
            ++tally.imported;
            break;
        case Action::Skipped:
            ++tally.skipped;
            break;
        default:
            ++tally.notImported;
        }
    }
    return tally;
}

QString DiaryImport::describe(const Entry& entry, bool dryRun)
{
    const QString day = entry.date.isValid() ? entry.date.toString(Qt::ISODate) : QString();
    QString what;
    switch (entry.action) {
    case Action::Added:
        what = dryRun ? QStringLiteral("would add %1") : QStringLiteral("added %1");
        break;
    case Action::Skipped:
        what = dryRun ? QStringLiteral("would skip %1, which has a page")
                      : QStringLiteral("skipped %1, which has a page");
        break;
    case Action::Appended:
        what = dryRun ? QStringLiteral("would append to %1") : QStringLiteral("appended to %1");
        break;
    case Action::Replaced:
        what = dryRun ? QStringLiteral("would replace %1") : QStringLiteral("replaced %1");
        break;
    case Action::NoDate:
        return entry.file + QStringLiteral(": no date in the name, not imported");
    case Action::NotSupported:
        return entry.file + QStringLiteral(": not an .rtf, .txt, .md or .html file, not imported");
    case Action::OtherUsersPage:
        what = QStringLiteral("not imported: %1 belongs to another user");
        break;
    case Action::Failed:
        return entry.file + QStringLiteral(": not imported to ") + day + QStringLiteral(": ") +
               entry.reason;
    }
    return entry.file + QStringLiteral(": ") + what.arg(day);
}

} // namespace Quillet
