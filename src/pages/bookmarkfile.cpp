#include "pages/bookmarkfile.h"

#include "pages/pagefile.h"
#include "startup/privatefiles.h"
#include "startup/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Quillet {
namespace {

const QString kDateForm = QStringLiteral("yyyy-MM-dd");

QString unquoted(QStringView field)
{
    field = field.trimmed();
    if (field.size() < 2 || !field.startsWith(u'"') || !field.endsWith(u'"'))
        return field.toString();
    return field.sliced(1, field.size() - 2)
        .toString()
        .replace(QLatin1String("\"\""), QLatin1String("\""));
}

QDate dateField(QStringView field)
{
    field = field.trimmed();
    if (field.size() < 2 || !field.startsWith(u'#') || !field.endsWith(u'#'))
        return {};
    // Dates written with a time of day keep only their day.
    const QStringView inner = field.sliced(1, field.size() - 2).trimmed();
    const qsizetype blank = inner.indexOf(u' ');
    return QDate::fromString(blank < 0 ? inner : inner.first(blank), kDateForm);
}

} // namespace

QString BookmarkFile::path(const QString& dataFolder, const QString& user)
{
    return PageFile::folder(dataFolder, user) + QStringLiteral("/bookmarks.txt");
}

QByteArray BookmarkFile::record(const Bookmark& bookmark)
{
    QString description = bookmark.description;
    description.replace(u'"', QLatin1String("\"\""));
    // A record is one line whatever was pasted into the description.
    description.replace(u'\r', u' ').replace(u'\n', u' ');
    return (u'"' + description + QStringLiteral("\",#") + bookmark.date.toString(kDateForm) +
            QStringLiteral("#\r\n"))
        .toUtf8();
}

QList<Bookmark> BookmarkFile::parse(QByteArrayView content)
{
    QList<Bookmark> bookmarks;
    const QString text = DecodeText(content);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        // The date holds no comma, so the last comma ends the description, commas and all.
        const qsizetype comma = line.lastIndexOf(u',');
        if (comma < 0)
            bookmarks.append({unquoted(line), QDate()});
        else
            bookmarks.append({unquoted(line.first(comma)), dateField(line.sliced(comma + 1))});
    }
    return bookmarks;
}

QList<Bookmark> BookmarkFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

bool BookmarkFile::append(const QString& path, const Bookmark& bookmark, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QString folderReason;
    if (!makePrivateFolder(QFileInfo(path).absolutePath(), &folderReason))
        return fail(folderReason);
    // The whole file is written beside the old one and renamed over it: a failed write keeps
    // every bookmark stored before.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return fail(existing.errorString());
        content = existing.readAll();
    }
    // A file last written by hand may lack its final line break.
    if (!content.isEmpty() && !content.endsWith('\n'))
        content += "\r\n";
    content += record(bookmark);
    file.setPermissions(kPrivateFile);
    if (file.write(content) != content.size() || !file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace Quillet
