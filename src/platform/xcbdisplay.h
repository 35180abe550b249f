#pragma once

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace Quillet {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The reply to a request, or none when the server answered with an error, such as for a window
// that has gone since it was named. The error is dropped here rather than reported by Qt, which
// would log it as a fault of the program.
template <typename Reply, typename Cookie>
XcbReply<Reply> takeReply(Reply* (*get)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                          xcb_connection_t* connection, Cookie cookie)
{
    xcb_generic_error_t* error = nullptr;
    XcbReply<Reply> reply(get(connection, cookie, &error), &std::free);
    std::free(error);
    return reply;
}

// The 32-bit values of a property (windows, atoms, cardinals); none for a missing property.
std::vector<std::uint32_t> propertyValues(const xcb_get_property_reply_t* reply);

// The X11 display that Qt has connected the program to, for the backends that speak to it
// directly.
class XcbDisplay final {
public:
    // None on Wayland and offscreen, where Qt has no X11 connection (offscreen even names an
    // X11 interface, without a connection behind it).
    static std::optional<XcbDisplay> ofApplication();

    xcb_connection_t* connection() const { return m_connection; }
    xcb_window_t root() const { return m_root; }

    // Interned in one round trip, in the order named; XCB_ATOM_NONE where one cannot be.
    std::vector<xcb_atom_t> atoms(std::initializer_list<const char*> names) const;
    xcb_atom_t atom(const char* name) const;

    xcb_get_property_cookie_t requestProperty(xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                                              std::uint32_t length) const;
    XcbReply<xcb_get_property_reply_t> property(xcb_window_t window, xcb_atom_t name,
                                                xcb_atom_t type, std::uint32_t length) const;

    // Whether a window manager that follows the desktop conventions runs now.
    bool windowManagerRuns() const;
    // Whether such a window manager runs and names the hint among those it supports.
    bool windowManagerSupports(const char* hint) const;

private:
    XcbDisplay(xcb_connection_t* connection, xcb_window_t root);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
};

} // namespace Quillet
