#pragma once

#include "startup/programstate.h"

namespace Quillet {

// The single-instance windows as the start-up sequence sees them: each is created on first
// use and destroyed when unloaded; a later use creates a fresh one.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void showWindow(WindowId window) = 0;
    virtual void createHidden(WindowId window) = 0;
    // Runs the window's unload; false when the window refused to close.
    virtual bool unloadWindow(WindowId window) = 0;
    virtual void endProgram() = 0;
};

} // namespace Quillet
