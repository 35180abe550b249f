#pragma once

#include "platform/windowsystem.h"

namespace Quillet {

// The windows of an X11 desktop. Under a window manager they are its clients, framed, and moved
// by asking it; without one they are the root's named children, moved directly.
class XcbWindowSystem final : public WindowSystem {
public:
    QList<TopLevelWindow> topLevelWindows() const override;
    void move(DesktopWindowId window, QPoint topLeft) override;
};

} // namespace Quillet
