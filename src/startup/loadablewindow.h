#pragma once

namespace Quillet {

// A window with a load step, which the window host runs once, right after creating it.
class LoadableWindow {
public:
    virtual ~LoadableWindow() = default;
    virtual void Form_Load() = 0;
};

} // namespace Quillet
