#pragma once

#include <QString>

namespace Quillet {

// What decides the folder that holds files/<user>/. Empty texts stand for unset variables.
struct DataFolderInputs {
    QString quilletHome; // $QUILLET_HOME
    QString installFolder;
    bool installWritable = false;
    QString xdgDataHome; // $XDG_DATA_HOME
    QString homeFolder;
};

// The folder that holds the users' pages and bookmarks: $QUILLET_HOME when set, else the
// installation folder when it can be written, else $XDG_DATA_HOME/quillet (~/.local/share/quillet
// when that variable is unset or not an absolute path). No trailing separator.
QString dataFolderFor(const DataFolderInputs& inputs);

// The data folder of this run, read from the environment; a missing one is created private.
QString DataFolder(const QString& installFolder);

} // namespace Quillet
