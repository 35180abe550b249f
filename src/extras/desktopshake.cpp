#include "extras/desktopshake.h"

#include "platform/windowsystem.h"
#include "services/randomsource.h"

#include <cmath>

namespace Quillet {
namespace {

constexpr double kSpan = 16.0;
constexpr double kHalfSpan = 8.0;

// The sum is rounded, not the offset: a half lands on the even pixel, so whether a window
// moves by 0 or 1 for the same draw depends on where it stands. nearbyint rounds halves to
// even in the default rounding mode, which the program never changes.
int shaken(int position, double draw)
{
    return int(std::nearbyint(position + kSpan * draw - kHalfSpan));
}

} // namespace

DesktopShake::DesktopShake(WindowSystem& windows, RandomSource& random)
    : m_windows(windows), m_random(random)
{}

void DesktopShake::ShakeDesktop()
{
    for (const TopLevelWindow& window : m_windows.topLevelWindows())
        ShakeWindowProc(window);
}

void DesktopShake::ShakeWindowProc(const TopLevelWindow& window)
{
    if (!window.visible || window.minimised || window.title.isEmpty())
        return;
    // Two draws, horizontal first, and only for a window that moves.
    const double across = m_random.next();
    const double down = m_random.next();
    m_windows.move(window.id,
                   QPoint(shaken(window.rect.left(), across), shaken(window.rect.top(), down)));
}

} // namespace Quillet
