#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QtGlobal>

namespace Quillet {

using DesktopWindowId = quint64;

// One top-level window of the desktop as it stands at the moment it is listed.
struct TopLevelWindow {
    DesktopWindowId id = 0;
    QString title;
    // Screen pixels, the desktop's frame around the window included.
    QRect rect;
    bool visible = false;
    bool minimised = false;
};

// The top-level windows of every program on the desktop, the program's own among them.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Panels and docks, which the desktop keeps in place, are not listed; without a desktop
    // whose windows can be listed (Wayland, offscreen) the list is empty.
    virtual QList<TopLevelWindow> topLevelWindows() const = 0;
    // Puts the top-left corner of the window's rectangle at topLeft, its size unchanged. A window
    // that has gone or that the desktop will not move stays where it is.
    virtual void move(DesktopWindowId window, QPoint topLeft) = 0;
};

} // namespace Quillet
