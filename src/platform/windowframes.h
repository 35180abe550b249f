#pragma once

namespace Quillet {

// What the desktop does for a window that draws its own caption bar and borders.
class WindowFrames {
public:
    virtual ~WindowFrames() = default;
    // Whether the desktop moves and resizes a frameless window when asked to. Where it cannot,
    // a window keeps the desktop's own frame.
    virtual bool movesFramelessWindows() const = 0;
};

} // namespace Quillet
