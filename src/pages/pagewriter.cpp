#include "pages/pagewriter.h"

#include "pages/pagefile.h"
#include "startup/privatefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Quillet {

PageWriter::Result PageWriter::write(const QString& path, const QByteArray& richText,
                                     const QString& owner)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) &&
        PageFile::decode(existing.readAll(), owner).kind == PageFile::Kind::OtherUsers)
        return {Outcome::OtherUsersPage, {}};
    existing.close();

    const std::optional<QByteArray> content = PageFile::encode(richText, owner);
    if (!content)
        return {Outcome::Failed,
                QStringLiteral("The page cannot be stored in a form that reads back.")};
    QString reason;
    if (!makePrivateFolder(QFileInfo(path).path(), &reason))
        return {Outcome::Failed, reason};
    // Written beside the old file and renamed over it: an interrupted save keeps the old page.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Outcome::Failed, file.errorString()};
    file.setPermissions(kPrivateFile);
    if (file.write(*content) != content->size() || !file.commit())
        return {Outcome::Failed, file.errorString()};
    return {Outcome::Written, {}};
}

} // namespace Quillet
