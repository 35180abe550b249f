#include "startup/installfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace Quillet {

QString InstallFolder()
{
    QString folder = qEnvironmentVariable("QUILLET_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    // cleanPath keeps "/" for the root folder; file names are appended with their own "/".
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace Quillet
