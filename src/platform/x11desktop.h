#pragma once

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

// What the backends ask the X server about the desktop they run on.
namespace Quillet::X11 {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The program's connection and the root window of its screen; a null connection where the
// program does not run on X11 (Wayland, offscreen).
struct Desktop {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
};
Desktop desktop();

xcb_atom_t atom(xcb_connection_t* connection, const char* name);
ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t name, xcb_atom_t type, uint32_t length);
// Whether a window manager runs and names the hint among those it supports.
bool windowManagerSupports(const Desktop& desktop, const char* hint);

} // namespace Quillet::X11
