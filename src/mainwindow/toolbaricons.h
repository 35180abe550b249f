#pragma once

#include <QIcon>
#include <QString>

namespace Quillet {

// The pictures of the toolbar's commands, drawn for any screen density: a quiet grey look,
// and a coloured one while the pointer is over the button.
QIcon ToolbarIcon(const QString& key);

} // namespace Quillet
