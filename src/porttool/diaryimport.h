#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Quillet {

class Diary;
class JobProgress;

// Brings files written elsewhere (.rtf, .txt, .md, .html) into a user's pages, one file per
// day named after its date. A day that already has a page is never replaced silently: the
// choice, made once for the whole import, skips the file, appends it below the page's text or
// replaces the page.
class DiaryImport final {
public:
    enum class Existing { Skip, Append, Replace };
    enum class Action {
        Added,
        Skipped,
        Appended,
        Replaced,
        NoDate,         // the name holds no readable date
        NotSupported,   // not one of the kinds of file a page is made from
        OtherUsersPage, // the day's page belongs to another user
        Failed,         // unreadable file or unwritable page
    };
    struct Entry {
        QString file;
        QDate date;
        Action action;
        QString reason; // for Failed
    };

    DiaryImport(const Diary& diary, Existing existing) : m_diary(diary), m_existing(existing) {}

    // Files in the given folders (not below them) and the given files, in name order.
    static QStringList filesIn(const QStringList& filesOrFolders);

    // With dryRun nothing is written; the entries say what would happen. Cancelled, it stops
    // between two files: the entries say what was done.
    QList<Entry> run(const QStringList& files, bool dryRun, JobProgress& progress) const;

    static QString describe(const Entry& entry, bool dryRun);

    // Pages brought in (added, appended or replaced), files skipped, files not imported.
    struct Tally {
        qsizetype imported = 0;
        qsizetype skipped = 0;
        qsizetype notImported = 0;
    };
    static Tally tally(const QList<Entry>& entries);

private:
    Entry import(const QString& file, bool dryRun) const;

    const Diary& m_diary;
    Existing m_existing;
};

} // namespace Quillet
