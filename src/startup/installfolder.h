#pragma once

#include <QString>

namespace Quillet {

// The folder the program is installed in: $QUILLET_HOME when set, else the executable's folder.
QString InstallFolder();

} // namespace Quillet
