#pragma once

#include <optional>

namespace Quillet {

// The stored measures of a window's place, in twips.
enum class WindowMetric { Left, Top, Width, Height };

// How a window is shown, with the number it is stored as.
enum class PlacementState { Normal = 0, Minimised = 1, Maximised = 2 };

// The state a stored number names; nullopt for any other number.
inline std::optional<PlacementState> PlacementStateFromNumber(long number)
{
    if (number < 0 || number > 2)
        return std::nullopt;
    return PlacementState(number);
}

} // namespace Quillet
