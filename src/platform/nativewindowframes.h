#pragma once

#include "platform/windowframes.h"

namespace Quillet {

// Asks the running desktop: a Wayland compositor always moves frameless windows; on X11 a
// window manager does when it advertises _NET_WM_MOVERESIZE. Anything else (no window
// manager, offscreen) keeps the native frame.
class NativeWindowFrames final : public WindowFrames {
public:
    bool movesFramelessWindows() const override;
};

} // namespace Quillet
