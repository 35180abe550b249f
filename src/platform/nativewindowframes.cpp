#include "platform/nativewindowframes.h"

#include "platform/x11desktop.h"

#include <QGuiApplication>

namespace Quillet {

bool NativeWindowFrames::movesFramelessWindows() const
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    return X11::windowManagerSupports(X11::desktop(), "_NET_WM_MOVERESIZE");
}

} // namespace Quillet
