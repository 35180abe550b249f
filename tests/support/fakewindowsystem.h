#pragma once

#include "platform/windowsystem.h"

#include <QList>
#include <utility>

namespace Quillet {

// A desktop of the windows the test lists; a move is recorded and puts the window there.
class FakeWindowSystem final : public WindowSystem {
public:
    QList<TopLevelWindow> windows;
    QList<std::pair<DesktopWindowId, QPoint>> moves;

    QList<TopLevelWindow> topLevelWindows() const override { return windows; }
    void move(DesktopWindowId window, QPoint topLeft) override
    {
        moves.append({window, topLeft});
        for (TopLevelWindow& listed : windows)
            if (listed.id == window)
                listed.rect.moveTopLeft(topLeft);
    }
};

} // namespace Quillet
