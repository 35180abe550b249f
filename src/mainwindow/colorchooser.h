#pragma once

#include "services/appcontext.h"

#include <QColor>
#include <optional>

class QWidget;

namespace Quillet {

// The colour chooser with the program's 16 custom colours, which are kept in the shared
// per-application settings and saved after every use, also a cancelled one. nullopt when the
// user cancels.
std::optional<QColor> ShowColor(AppContext& context, QWidget* owner, const QColor& colour,
                                bool fullOpen, bool loadCustom);

} // namespace Quillet
