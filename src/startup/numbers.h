#pragma once

#include <QString>
#include <optional>

namespace Quillet {

// The number a setting's text starts with, 0 when it starts with none: " 1" and "1x" give 1,
// "" and "yes" give 0. Flags are on when this is not zero.
double LeadingNumber(const QString& text);

// The number the whole text (blanks around it aside) is; nullopt for anything else.
std::optional<double> WholeNumber(const QString& text);

} // namespace Quillet
