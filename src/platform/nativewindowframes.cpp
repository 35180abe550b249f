#include "platform/nativewindowframes.h"

#include "platform/xcbdisplay.h"

#include <QGuiApplication>
#include <algorithm>

namespace Quillet {

bool NativeWindowFrames::movesFramelessWindows() const
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    if (!display || !display->windowManagerRuns())
        return false;
    const xcb_atom_t wanted = display->atom("_NET_WM_MOVERESIZE");
    const auto supported = propertyValues(
        display->property(display->root(), display->atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096)
            .get());
    return wanted != XCB_ATOM_NONE &&
           std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

} // namespace Quillet
