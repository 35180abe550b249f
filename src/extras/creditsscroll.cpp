#include "extras/creditsscroll.h"

namespace Quillet {

void CreditsScroll::step()
{
    if (m_top < -(m_stripHeight + kExitMargin))
        m_top = kReentryTop;
    // The start is a multiple of the step below the re-entry, so each cycle meets it once.
    if (m_top == kStartTop)
        m_scrolling = false;
    // Also in the tick that begins a pause: the strip rests one step past its start.
    m_top -= kStep;
}

} // namespace Quillet
