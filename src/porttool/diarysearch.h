#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Quillet {

class Diary;
class JobProgress;

// Finds the lines of a user's pages that hold every word and "quoted phrase" of a query,
// whatever their case and accents. A word matches where a word of the page begins.
class DiarySearch final {
public:
    struct Hit {
        QDate date;
        QString line;
        bool operator==(const Hit&) const = default;
    };

    // The words and phrases of the words given, joined by blanks.
    explicit DiarySearch(const QStringList& words);

    bool isEmpty() const { return m_terms.isEmpty(); }
    bool matches(const QString& line) const;
    // Newest day first; a day's lines in the page's order. Cancelled, the days not yet read
    // give no hits.
    QList<Hit> find(const Diary& diary, JobProgress& progress) const;

    // Case and accents folded away: "Éte" and "ete" compare equal.
    static QString folded(const QString& text);

private:
    QStringList m_terms; // folded
};

} // namespace Quillet
