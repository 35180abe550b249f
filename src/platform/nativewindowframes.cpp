#include "platform/nativewindowframes.h"

#include "platform/xcbdisplay.h"

#include <QGuiApplication>

namespace Quillet {

bool NativeWindowFrames::movesFramelessWindows() const
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    return display && display->windowManagerSupports("_NET_WM_MOVERESIZE");
}

} // namespace Quillet
