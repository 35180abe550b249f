#include "startup/privatefiles.h"

#include <QDir>
#include <QFileInfo>

namespace Quillet {

bool makePrivateFolder(const QString& path, QString* reason)
{
    QStringList missing;
    for (QString folder = path; !QFileInfo::exists(folder);
         folder = QFileInfo(folder).absolutePath()) {
        missing.prepend(folder);
        if (folder == QFileInfo(folder).absolutePath())
            break;
    }
    bool created = true;
    for (const QString& folder : missing) {
        if (!QDir().mkdir(folder)) {
            created = false;
            break;
        }
        QFile::setPermissions(folder, kPrivateFolder);
    }
    if (created && QFileInfo(path).isDir())
        return true;
    if (reason)
        *reason =
            QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(path));
    return false;
}

} // namespace Quillet
