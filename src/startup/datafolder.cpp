#include "startup/datafolder.h"

#include "startup/installfolder.h"
#include "startup/privatefiles.h"

#include <QDir>
#include <QFileInfo>

namespace Quillet {

QString dataFolderFor(const DataFolderInputs& inputs)
{
    if (!inputs.quilletHome.isEmpty())
        return folderPath(inputs.quilletHome);
    // A portable copy and the build folder keep their pages beside the program.
    if (inputs.installWritable)
        return inputs.installFolder;
    // A relative $XDG_DATA_HOME is invalid by the XDG base directory rules and is ignored.
    const QString dataHome = QDir::isAbsolutePath(inputs.xdgDataHome)
                                 ? inputs.xdgDataHome
                                 : inputs.homeFolder + QStringLiteral("/.local/share");
    return folderPath(dataHome + QStringLiteral("/quillet"));
}

QString DataFolder(const QString& installFolder)
{
    const QString folder = dataFolderFor({qEnvironmentVariable("QUILLET_HOME"), installFolder,
                                          QFileInfo(installFolder).isWritable(),
                                          qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()});
    // A failure shows when the first page is saved, with the reason.
    makePrivateFolder(folder);
    return folder;
}

} // namespace Quillet
