#include "startup/installfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace Quillet {

QString InstallFolder()
{
    const QString home = qEnvironmentVariable("QUILLET_HOME");
    return folderPath(home.isEmpty() ? QCoreApplication::applicationDirPath() : home);
}

QString folderPath(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    // cleanPath keeps "/" for the root folder.
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace Quillet
