#pragma once

#include "startup/placement.h"

#include <array>

namespace Quillet {

// A window's position and size in twips (1/1440 inch), as they are stored. Remembers the
// values a window was placed from, so that a window that has not moved since stores exactly
// what it was given, fractions included.
class TwipsPlacement {
public:
    explicit TwipsPlacement(double twipsPerPixel) : m_twipsPerPixel(twipsPerPixel) {}

    int toPixels(double twips) const;
    // The window was placed at `twips`, which became `pixels`.
    void placed(WindowMetric metric, double twips);
    // The twips to store for a window that is now at `pixels`.
    double twipsFor(WindowMetric metric, int pixels) const;

private:
    struct Placed {
        bool known = false;
        double twips = 0;
    };

    double m_twipsPerPixel;
    std::array<Placed, 4> m_placed{};
};

} // namespace Quillet
