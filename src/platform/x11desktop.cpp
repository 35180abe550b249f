#include "platform/x11desktop.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstring>

namespace Quillet::X11 {
namespace {

// The window a running window manager names on the root and on itself; a property left
// behind by one that has ended names a window that no longer says so.
bool windowManagerRuns(xcb_connection_t* connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto onRoot = property(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (!onRoot || xcb_get_property_value_length(onRoot.get()) != sizeof(xcb_window_t))
        return false;
    const xcb_window_t manager =
        *static_cast<const xcb_window_t*>(xcb_get_property_value(onRoot.get()));
    const auto onManager = property(connection, manager, check, XCB_ATOM_WINDOW, 1);
    return onManager && xcb_get_property_value_length(onManager.get()) == sizeof(xcb_window_t) &&
           *static_cast<const xcb_window_t*>(xcb_get_property_value(onManager.get())) == manager;
}

bool advertises(xcb_connection_t* connection, xcb_window_t root, const char* hint)
{
    const xcb_atom_t wanted = atom(connection, hint);
    const auto supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported || wanted == XCB_ATOM_NONE)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

} // namespace

Desktop desktop()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // Offscreen answers with the interface but without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection())
        return {};
    xcb_connection_t* connection = x11->connection();
    return {connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root};
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, uint16_t(strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t name, xcb_atom_t type, uint32_t length)
{
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, name, type, 0, length),
                                   nullptr),
            &std::free};
}

bool windowManagerSupports(const Desktop& desktop, const char* hint)
{
    return desktop.connection && windowManagerRuns(desktop.connection, desktop.root) &&
           advertises(desktop.connection, desktop.root, hint);
}

} // namespace Quillet::X11
