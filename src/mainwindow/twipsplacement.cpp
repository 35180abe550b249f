#include "mainwindow/twipsplacement.h"

#include <cmath>

namespace Quillet {

int TwipsPlacement::toPixels(double twips) const
{
    return int(std::lround(twips / m_twipsPerPixel));
}

void TwipsPlacement::placed(WindowMetric metric, double twips)
{
    m_placed[size_t(metric)] = {true, twips};
}

double TwipsPlacement::twipsFor(WindowMetric metric, int pixels) const
{
    const Placed& given = m_placed[size_t(metric)];
    if (given.known && toPixels(given.twips) == pixels)
        return given.twips;
    return pixels * m_twipsPerPixel;
}

} // namespace Quillet
