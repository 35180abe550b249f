#include "porttool/diarysearch.h"

#include "porttool/diary.h"
#include "porttool/jobprogress.h"
#include "porttool/pagedocument.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>

namespace Quillet {

DiarySearch::DiarySearch(const QStringList& words)
{
    static const QRegularExpression term(QStringLiteral("\"([^\"]*)\"?|([^\\s\"]+)"));
    for (auto it = term.globalMatch(words.join(QLatin1Char(' '))); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString text = folded(match.captured(1) + match.captured(2)).simplified();
        if (!text.isEmpty())
            m_terms.append(text);
    }
}

QString DiarySearch::folded(const QString& text)
{
    // Most lines are plain ASCII: they have no accents to take off, and decomposing is slow;
    // so is toLower(), which looks every character up in the Unicode tables.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        QString lower(text.size(), Qt::Uninitialized);
        std::transform(text.cbegin(), text.cend(), lower.begin(), [](QChar c) {
            return c >= u'A' && c <= u'Z' ? QChar(c.unicode() - u'A' + u'a') : c;
        });
        return lower;
    }
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.toCaseFolded();
}

bool DiarySearch::matches(const QString& line) const
{
    if (m_terms.isEmpty())
        return false;
    // Blanks of any kind compare as one, so that a phrase finds its words however spaced.
    const QString text = folded(line).simplified();
    return std::all_of(m_terms.cbegin(), m_terms.cend(), [&](const QString& term) {
        for (qsizetype at = text.indexOf(term); at >= 0; at = text.indexOf(term, at + 1))
            if (at == 0 || !text.at(at - 1).isLetterOrNumber())
                return true;
        return false;
    });
}

QList<DiarySearch::Hit> DiarySearch::find(const Diary& diary, JobProgress& progress) const
{
    QList<QDate> dates = diary.dates();
    std::reverse(dates.begin(), dates.end());
    progress.start(int(dates.size()));
    // Each page is read and searched on its own: the cores share the pages.
    const QList<QList<Hit>> perDay =
        QtConcurrent::blockingMapped<QList<QList<Hit>>>(dates, [&](const QDate& date) {
            QList<Hit> hits;
            if (progress.cancelled())
                return hits;
            const std::optional<QByteArray> page = diary.read(date);
            progress.advance();
            if (!page)
                return hits;
            const QString text = PagePlainText(*page);
            static const QRegularExpression lineBreak(QStringLiteral("[\\n\\x{2028}\\x{2029}]"));
            for (const QString& line : text.split(lineBreak, Qt::SkipEmptyParts))
                if (matches(line))
                    hits.append({date, line.trimmed().remove(QChar::ObjectReplacementCharacter)});
            return hits;
        });
    QList<Hit> hits;
    for (const QList<Hit>& day : perDay)
        hits += day;
    return hits;
}

} // namespace Quillet
