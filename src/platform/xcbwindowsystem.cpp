#include "platform/xcbwindowsystem.h"

#include "platform/xcbdisplay.h"

#include <algorithm>

namespace Quillet {
namespace {

// ICCCM's WM_STATE of a window the user has minimised.
constexpr std::uint32_t kIconicState = 3;
// _NET_MOVERESIZE_WINDOW: north-west gravity places the frame's corner, not the client's; x and y
// given; asked for on the user's behalf, as a pager does, which window managers follow most.
constexpr std::uint32_t kNorthWestGravity = 1;
constexpr std::uint32_t kXAndY = (1U << 8) | (1U << 9);
constexpr std::uint32_t kFromPager = 2U << 12;
// Longest title read, in 32-bit units.
constexpr std::uint32_t kTitleLength = 1024;

struct Atoms {
    xcb_atom_t clientList, netName, utf8, wmState, netState, hidden, windowType, dock, frameExtents;
};

Atoms internAtoms(const XcbDisplay& display)
{
    const auto a = display.atoms({"_NET_CLIENT_LIST", "_NET_WM_NAME", "UTF8_STRING", "WM_STATE",
                                  "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_WINDOW_TYPE",
                                  "_NET_WM_WINDOW_TYPE_DOCK", "_NET_FRAME_EXTENTS"});
    return {a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]};
}

// Everything asked about one window, sent together so that a whole listing waits for the
// server about once rather than once per question.
struct Questions {
    Questions(const XcbDisplay& display, const Atoms& atoms, xcb_window_t window)
        : window(window), attributes(xcb_get_window_attributes(display.connection(), window)),
          geometry(xcb_get_geometry(display.connection(), window)),
          origin(xcb_translate_coordinates(display.connection(), window, display.root(), 0, 0)),
          netName(display.requestProperty(window, atoms.netName, atoms.utf8, kTitleLength)),
          name(display.requestProperty(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY,
                                       kTitleLength)),
          wmState(display.requestProperty(window, atoms.wmState, atoms.wmState, 1)),
          netState(display.requestProperty(window, atoms.netState, XCB_ATOM_ATOM, 64)),
          type(display.requestProperty(window, atoms.windowType, XCB_ATOM_ATOM, 64)),
          extents(display.requestProperty(window, atoms.frameExtents, XCB_ATOM_CARDINAL, 4))
    {}
    xcb_window_t window;
    xcb_get_window_attributes_cookie_t attributes;
    xcb_get_geometry_cookie_t geometry;
    xcb_translate_coordinates_cookie_t origin;
    xcb_get_property_cookie_t netName, name, wmState, netState, type, extents;
};

bool contains(const std::vector<std::uint32_t>& values, std::uint32_t value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

QString text(const xcb_get_property_reply_t* reply, bool utf8)
{
    if (!reply || reply->format != 8)
        return {};
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply));
    const int length = xcb_get_property_value_length(reply);
    return utf8 ? QString::fromUtf8(bytes, length) : QString::fromLatin1(bytes, length);
}

// The title the desktop shows: the Unicode name of the desktop conventions, else the older
// WM_NAME, which is Latin-1 unless it says it is UTF-8.
QString GetWindowTitle(const xcb_get_property_reply_t* netName,
                       const xcb_get_property_reply_t* name, xcb_atom_t utf8)
{
    const QString title = text(netName, true);
    if (!title.isEmpty())
        return title;
    return text(name, name && name->type == utf8);
}

std::vector<xcb_window_t> candidates(const XcbDisplay& display, const Atoms& atoms, bool managed)
{
    if (managed)
        return propertyValues(
            display.property(display.root(), atoms.clientList, XCB_ATOM_WINDOW, 65536).get());
    const auto tree = takeReply(&xcb_query_tree_reply, display.connection(),
                                xcb_query_tree(display.connection(), display.root()));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

// The window as listed, or none: it has gone, it is a dock, or, without a window manager, it
// is no ordinary window (input only, a menu or tool tip placing itself, or nameless).
std::optional<TopLevelWindow> answer(const XcbDisplay& display, const Atoms& atoms,
                                     const Questions& q, bool managed)
{
    xcb_connection_t* c = display.connection();
    const auto attributes = takeReply(&xcb_get_window_attributes_reply, c, q.attributes);
    const auto geometry = takeReply(&xcb_get_geometry_reply, c, q.geometry);
    const auto origin = takeReply(&xcb_translate_coordinates_reply, c, q.origin);
    const auto netName = takeReply(&xcb_get_property_reply, c, q.netName);
    const auto name = takeReply(&xcb_get_property_reply, c, q.name);
    const auto wmState = propertyValues(takeReply(&xcb_get_property_reply, c, q.wmState).get());
    const auto netState = propertyValues(takeReply(&xcb_get_property_reply, c, q.netState).get());
    const auto type = propertyValues(takeReply(&xcb_get_property_reply, c, q.type).get());
    const auto extents = propertyValues(takeReply(&xcb_get_property_reply, c, q.extents).get());
    if (!attributes || !geometry || !origin || contains(type, atoms.dock))
        return std::nullopt;

    TopLevelWindow window;
    window.id = q.window;
    window.title = GetWindowTitle(netName.get(), name.get(), atoms.utf8);
    if (!managed && (attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT ||
                     attributes->override_redirect || window.title.isEmpty()))
        return std::nullopt;
    window.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    window.minimised =
        (!wmState.empty() && wmState[0] == kIconicState) || contains(netState, atoms.hidden);
    // The rectangle takes in the window's border and the frame the window manager drew.
    const int border = geometry->border_width;
    const int left = extents.size() == 4 ? int(extents[0]) : 0;
    const int right = extents.size() == 4 ? int(extents[1]) : 0;
    const int top = extents.size() == 4 ? int(extents[2]) : 0;
    const int bottom = extents.size() == 4 ? int(extents[3]) : 0;
    window.rect = QRect(origin->dst_x - border - left, origin->dst_y - border - top,
                        geometry->width + 2 * border + left + right,
                        geometry->height + 2 * border + top + bottom);
    return window;
}

} // namespace

QList<TopLevelWindow> XcbWindowSystem::topLevelWindows() const
{
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    if (!display)
        return {};
    const Atoms atoms = internAtoms(*display);
    // A window manager's clients sit inside its frames, which are the root's children then.
    const bool managed = display->windowManagerRuns();
    std::vector<Questions> questions;
    for (const xcb_window_t window : candidates(*display, atoms, managed))
        questions.emplace_back(*display, atoms, window);
    QList<TopLevelWindow> windows;
    for (const Questions& q : questions)
        if (const auto window = answer(*display, atoms, q, managed))
            windows.append(*window);
    return windows;
}

void XcbWindowSystem::move(DesktopWindowId window, QPoint topLeft)
{
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    if (!display)
        return;
    xcb_connection_t* c = display->connection();
    const auto id = xcb_window_t(window);
    if (display->windowManagerRuns()) {
        // A client moved directly would move inside its frame: the window manager places it.
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = display->atom("_NET_MOVERESIZE_WINDOW");
        message.data.data32[0] = kNorthWestGravity | kXAndY | kFromPager;
        message.data.data32[1] = std::uint32_t(topLeft.x());
        message.data.data32[2] = std::uint32_t(topLeft.y());
        xcb_send_event(c, 0, display->root(),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(c);
        return;
    }
    const std::uint32_t place[] = {std::uint32_t(topLeft.x()), std::uint32_t(topLeft.y())};
    // Checked, so that a window that has gone since it was listed is no error Qt reports.
    std::free(xcb_request_check(
        c, xcb_configure_window_checked(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place)));
}

} // namespace Quillet
