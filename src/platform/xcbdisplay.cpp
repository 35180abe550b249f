#include "platform/xcbdisplay.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstring>

namespace Quillet {

std::vector<std::uint32_t> propertyValues(const xcb_get_property_reply_t* reply)
{
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    return {values, values + reply->value_len};
}

std::optional<XcbDisplay> XcbDisplay::ofApplication()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    return XcbDisplay(connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root);
}

XcbDisplay::XcbDisplay(xcb_connection_t* connection, xcb_window_t root)
    : m_connection(connection), m_root(root)
{}

std::vector<xcb_atom_t> XcbDisplay::atoms(std::initializer_list<const char*> names) const
{
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : names)
        cookies.push_back(xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name));
    std::vector<xcb_atom_t> interned;
    for (const xcb_intern_atom_cookie_t& cookie : cookies) {
        const auto reply = takeReply(&xcb_intern_atom_reply, m_connection, cookie);
        interned.push_back(reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE));
    }
    return interned;
}

xcb_atom_t XcbDisplay::atom(const char* name) const
{
    return atoms({name}).front();
}

xcb_get_property_cookie_t XcbDisplay::requestProperty(xcb_window_t window, xcb_atom_t name,
                                                      xcb_atom_t type, std::uint32_t length) const
{
    return xcb_get_property(m_connection, 0, window, name, type, 0, length);
}

XcbReply<xcb_get_property_reply_t> XcbDisplay::property(xcb_window_t window, xcb_atom_t name,
                                                        xcb_atom_t type, std::uint32_t length) const
{
    return takeReply(&xcb_get_property_reply, m_connection,
                     requestProperty(window, name, type, length));
}

// The window a running window manager names on the root and on itself; a property left
// behind by one that has ended names a window that no longer says so.
bool XcbDisplay::windowManagerRuns() const
{
    const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
    const auto onRoot = propertyValues(property(m_root, check, XCB_ATOM_WINDOW, 1).get());
    if (onRoot.size() != 1)
        return false;
    const auto onManager = propertyValues(property(onRoot[0], check, XCB_ATOM_WINDOW, 1).get());
    return onManager.size() == 1 && onManager[0] == onRoot[0];
}

bool XcbDisplay::windowManagerSupports(const char* hint) const
{
    if (!windowManagerRuns())
        return false;
    const xcb_atom_t wanted = atom(hint);
    const auto supported =
        propertyValues(property(m_root, atom("_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096).get());
    return wanted != XCB_ATOM_NONE &&
           std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

} // namespace Quillet
