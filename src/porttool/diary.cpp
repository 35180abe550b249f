#include "porttool/diary.h"

#include "pages/pagefile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace Quillet {

QList<QDate> Diary::dates(const QDate& since, const QDate& until) const
{
    static const QRegularExpression name(
        QStringLiteral("^(\\d{1,2})_(\\d{1,2})_(\\d{1,4})\\.DIARY$"),
        QRegularExpression::CaseInsensitiveOption);
    const QDir folder(PageFile::folder(m_dataFolder, m_user));
    QList<QDate> found;
    for (const QString& file : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                         match.captured(1).toInt());
        // Only the name the diary itself gives a day's page is that day's page.
        if (!date.isValid() || PageFile::fileName(date) != file)
            continue;
        if ((since.isValid() && date < since) || (until.isValid() && date > until))
            continue;
        found.append(date);
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool Diary::hasPage(const QDate& date) const
{
    return QFile::exists(PageFile::path(m_dataFolder, m_user, date));
}

std::optional<QByteArray> Diary::read(const QDate& date) const
{
    QFile file(PageFile::path(m_dataFolder, m_user, date));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    PageFile::Content content = PageFile::decode(file.readAll(), m_user);
    if (content.kind == PageFile::Kind::OtherUsers)
        return std::nullopt;
    return std::move(content.richText);
}

PageWriter::Result Diary::write(const QDate& date, const QByteArray& richText) const
{
    return PageWriter::write(PageFile::path(m_dataFolder, m_user, date), richText, m_user);
}

} // namespace Quillet
