#include "platform/xcbhotkeys.h"

#include "platform/xcbdisplay.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <xcb/xcb_keysyms.h>

namespace Quillet {
namespace {

constexpr xcb_keysym_t kKeysymF1 = 0xFFBE;
constexpr xcb_keysym_t kKeysymNumLock = 0xFF7F;
constexpr xcb_keysym_t kKeysymPrint = 0xFF61;
// The eight modifiers of a key event's state; the bits above are mouse buttons and the group.
constexpr uint16_t kModifierBits = 0xFF;
// The source of an activation asked for on the user's behalf, as a task bar asks.
constexpr uint32_t kActivationByUser = 2;

// Letters name their key in lower case; digits and letters are the keysyms of their characters.
xcb_keysym_t keysymFor(qint32 virtualKey)
{
    if (virtualKey >= '0' && virtualKey <= '9')
        return xcb_keysym_t(virtualKey);
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return xcb_keysym_t(virtualKey - 'A' + 'a');
    if (virtualKey >= HotKeyPlatform::F1 && virtualKey < HotKeyPlatform::F1 + 24)
        return kKeysymF1 + xcb_keysym_t(virtualKey - HotKeyPlatform::F1);
    if (virtualKey == HotKeyPlatform::Snapshot)
        return kKeysymPrint;
    return XCB_NO_SYMBOL;
}

uint16_t stateFor(qint32 modifiers)
{
    uint16_t state = 0;
    if (modifiers & HotKeyPlatform::Alt)
        state |= XCB_MOD_MASK_1;
    if (modifiers & HotKeyPlatform::Control)
        state |= XCB_MOD_MASK_CONTROL;
    if (modifiers & HotKeyPlatform::Shift)
        state |= XCB_MOD_MASK_SHIFT;
    if (modifiers & HotKeyPlatform::Win)
        state |= XCB_MOD_MASK_4;
    return state;
}

} // namespace

XcbHotKeys::XcbHotKeys()
{
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    if (!display)
        return;
    m_connection = display->connection();
    m_root = display->root();
    m_symbols = xcb_key_symbols_alloc(m_connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbHotKeys::~XcbHotKeys()
{
    if (!m_connection)
        return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    for (const Grab& grab : m_grabs)
        ungrab(grab);
    xcb_flush(m_connection);
    xcb_key_symbols_free(m_symbols);
}

std::vector<uint8_t> XcbHotKeys::keycodesFor(qint32 virtualKey) const
{
    std::vector<uint8_t> keycodes;
    const xcb_keysym_t keysym = keysymFor(virtualKey);
    if (keysym == XCB_NO_SYMBOL)
        return keycodes;
    XcbReply<xcb_keycode_t> found(xcb_key_symbols_get_keycode(m_symbols, keysym), &std::free);
    for (const xcb_keycode_t* code = found.get(); code && *code != XCB_NO_SYMBOL; ++code)
        if (std::find(keycodes.begin(), keycodes.end(), *code) == keycodes.end())
            keycodes.push_back(*code);
    return keycodes;
}

// NumLock is whichever modifier the keyboard's mapping puts the Num_Lock key on.
uint16_t XcbHotKeys::numLockMask() const
{
    const XcbReply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection),
                                       nullptr),
        &std::free);
    XcbReply<xcb_keycode_t> numLock(xcb_key_symbols_get_keycode(m_symbols, kKeysymNumLock),
                                    &std::free);
    if (!mapping || !numLock)
        return 0;
    const xcb_keycode_t* modifierKeys = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier)
        for (int i = 0; i < perModifier; ++i)
            for (const xcb_keycode_t* code = numLock.get(); *code != XCB_NO_SYMBOL; ++code)
                if (modifierKeys[modifier * perModifier + i] == *code)
                    return uint16_t(1 << modifier);
    return 0;
}

int XcbHotKeys::registerKey(QObject* window, qint32 identifier, qint32 modifiers, qint32 virtualKey)
{
    if (!m_connection)
        return NoDisplay;
    Grab grab{window,     identifier,          modifiers,
              virtualKey, stateFor(modifiers), keycodesFor(virtualKey),
              {}};
    if (grab.keycodes.empty())
        return NoSuchKey;
    // One client grabbing a key twice is no error to X, but the key can only be one of ours.
    for (const Grab& other : m_grabs) {
        const bool sameKey =
            std::find_first_of(other.keycodes.begin(), other.keycodes.end(), grab.keycodes.begin(),
                               grab.keycodes.end()) != other.keycodes.end();
        if ((other.window == window && other.identifier == identifier) ||
            (sameKey && other.state == grab.state))
            return XCB_ACCESS;
    }

    const uint16_t numLock = numLockMask();
    m_lockMask = XCB_MOD_MASK_LOCK | numLock;
    grab.lockVariants = {0, XCB_MOD_MASK_LOCK};
    if (numLock)
        grab.lockVariants.insert(grab.lockVariants.end(),
                                 {numLock, uint16_t(numLock | XCB_MOD_MASK_LOCK)});
    std::vector<xcb_void_cookie_t> requests;
    for (const uint8_t keycode : grab.keycodes)
        for (const uint16_t locks : grab.lockVariants)
            requests.push_back(xcb_grab_key_checked(m_connection, 0, m_root, grab.state | locks,
                                                    keycode, XCB_GRAB_MODE_ASYNC,
                                                    XCB_GRAB_MODE_ASYNC));
    int failure = 0;
    for (const xcb_void_cookie_t request : requests) {
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, request),
                                                  &std::free);
        if (error && !failure)
            failure = error->error_code;
    }
    if (failure) {
        // Those of the variants that were taken would hold the key for nothing.
        ungrab(grab);
        xcb_flush(m_connection);
        return failure;
    }
    m_grabs.push_back(std::move(grab));
    return 0;
}

bool XcbHotKeys::unregisterKey(QObject* window, qint32 identifier)
{
    const auto found = std::find_if(m_grabs.begin(), m_grabs.end(), [&](const Grab& grab) {
        return grab.window == window && grab.identifier == identifier;
    });
    if (found == m_grabs.end())
        return false;
    ungrab(*found);
    xcb_flush(m_connection);
    m_grabs.erase(found);
    return true;
}

void XcbHotKeys::ungrab(const Grab& grab) const
{
    for (const uint8_t keycode : grab.keycodes)
        for (const uint16_t locks : grab.lockVariants)
            xcb_ungrab_key(m_connection, keycode, m_root, grab.state | locks);
}

QString XcbHotKeys::errorText(int code) const
{
    switch (code) {
    case NoDisplay:
        return QStringLiteral("Keys of the whole desktop need an X11 display");
    case NoSuchKey:
        return QStringLiteral("No key of the keyboard has that code");
    case XCB_ACCESS:
        return QStringLiteral("BadAccess (attempt to access private resource denied)");
    case XCB_VALUE:
        return QStringLiteral("BadValue (integer parameter out of range for operation)");
    case XCB_WINDOW:
        return QStringLiteral("BadWindow (invalid Window parameter)");
    default:
        return code ? QStringLiteral("X error %1").arg(code) : QString();
    }
}

void XcbHotKeys::startRouting(QObject* window, QObject* receiver, Receiver deliver)
{
    m_routes.insert(window, {receiver, std::move(deliver)});
}

void XcbHotKeys::stopRouting(QObject* window, QObject* receiver)
{
    if (m_routes.value(window).receiver == receiver)
        m_routes.remove(window);
}

bool XcbHotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const uint8_t kind = event->response_type & 0x7F;
    if (kind == XCB_MAPPING_NOTIFY) {
        xcb_refresh_keyboard_mapping(m_symbols,
                                     reinterpret_cast<xcb_mapping_notify_event_t*>(event));
        return false;
    }
    if (kind != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (press->event != m_root)
        return false;
    const uint16_t state = press->state & kModifierBits & ~m_lockMask;
    for (const Grab& grab : m_grabs) {
        if (grab.state != state || std::find(grab.keycodes.begin(), grab.keycodes.end(),
                                             press->detail) == grab.keycodes.end())
            continue;
        m_lastPressTime = press->time;
        // Delivered from the event loop, as a posted message is: what the press does may
        // open a modal window, which must not run inside Qt's handling of X events.
        QMetaObject::invokeMethod(
            this,
            [this, window = grab.window, identifier = grab.identifier, modifiers = grab.modifiers,
             key = grab.virtualKey] { deliver(window, identifier, modifiers, key); },
            Qt::QueuedConnection);
        return true;
    }
    return false;
}

void XcbHotKeys::deliver(QObject* window, qint32 identifier, qint32 modifiers, qint32 key) const
{
    const auto route = m_routes.find(window);
    if (route == m_routes.end())
        return;
    // A copy: what the press does may end the routing.
    const Receiver receiver = route->deliver;
    receiver(identifier, modifiers, key);
}

void XcbHotKeys::restoreAndActivate(QObject* window)
{
    auto* widget = qobject_cast<QWidget*>(window);
    if (!widget)
        return;
    if (!widget->isVisible())
        widget->show();
    if (widget->isMinimized())
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    widget->raise();
    if (m_connection)
        activate(widget);
    else
        widget->activateWindow();
}

// The window manager decides who has the focus where one runs; asked with the time of the
// key press, as the user's own request. Without one the window takes it itself.
void XcbHotKeys::activate(QObject* window) const
{
    const auto id = xcb_window_t(static_cast<QWidget*>(window)->winId());
    const std::optional<XcbDisplay> display = XcbDisplay::ofApplication();
    if (display && display->windowManagerSupports("_NET_ACTIVE_WINDOW")) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = display->atom("_NET_ACTIVE_WINDOW");
        message.data.data32[0] = kActivationByUser;
        message.data.data32[1] = m_lastPressTime;
        xcb_send_event(m_connection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    } else {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_connection, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        // Checked and dropped: a window not yet mapped refuses the focus, which is no error.
        xcb_discard_reply(
            m_connection,
            xcb_set_input_focus_checked(m_connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME)
                .sequence);
    }
    xcb_flush(m_connection);
}

} // namespace Quillet
