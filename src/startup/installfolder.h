#pragma once

#include <QString>

namespace Quillet {

// The folder the program is installed in: $QUILLET_HOME when set, else the executable's folder.
QString InstallFolder();

// The folder as an absolute, clean path without a trailing separator, so that file names can be
// appended with their own "/".
QString folderPath(const QString& folder);

} // namespace Quillet
