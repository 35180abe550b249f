#pragma once

#include <QtGlobal>

namespace Quillet {

class RandomSource;
class WindowSystem;
struct TopLevelWindow;

// The desktop shake: each step nudges every visible, titled window that is not minimised by a
// random whole offset of at most 8 pixels on each axis, from wherever it stands now.
class DesktopShake final {
public:
    DesktopShake(WindowSystem& windows, RandomSource& random);
    Q_DISABLE_COPY_MOVE(DesktopShake)

    // One step of the shake, as a tick of the shake timer runs it.
    void ShakeDesktop();

private:
    void ShakeWindowProc(const TopLevelWindow& window);

    WindowSystem& m_windows;
    RandomSource& m_random;
};

} // namespace Quillet
