// key_client <title>|- [combination...]: another program on the display. It grabs each
// combination ("ctrl+i", "ctrl+lock+mod2+i": ctrl, shift, alt, lock and mod2, then a letter or
// F1 to F12) on the root window exactly as written, shows a window titled <title> unless the
// title is "-", prints "ready", and then one line "press <combination>" for every key it gets.
// A combination that another client holds ends it at once with "refused <combination>".
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr xcb_keysym_t kKeysymF1 = 0xFFBE;

struct Modifier {
    const char* name;
    uint16_t mask;
};
constexpr Modifier kModifiers[] = {{"ctrl", XCB_MOD_MASK_CONTROL},
                                   {"shift", XCB_MOD_MASK_SHIFT},
                                   {"alt", XCB_MOD_MASK_1},
                                   {"lock", XCB_MOD_MASK_LOCK},
                                   {"mod2", XCB_MOD_MASK_2}};

bool parse(std::string text, uint16_t& state, xcb_keysym_t& keysym)
{
    state = 0;
    for (std::size_t plus; (plus = text.find('+')) != std::string::npos;) {
        const std::string name = text.substr(0, plus);
        text.erase(0, plus + 1);
        bool known = false;
        for (const Modifier& modifier : kModifiers) {
            if (name == modifier.name) {
                state |= modifier.mask;
                known = true;
            }
        }
        if (!known)
            return false;
    }
    if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'z')
        keysym = xcb_keysym_t(text[0]);
    else if (text.size() > 1 && text[0] == 'F' && std::atoi(text.c_str() + 1) >= 1)
        keysym = kKeysymF1 + xcb_keysym_t(std::atoi(text.c_str() + 1) - 1);
    else
        return false;
    return true;
}

std::string describe(xcb_key_symbols_t* symbols, const xcb_key_press_event_t* press)
{
    std::string text;
    for (const Modifier& modifier : kModifiers)
        if (press->state & modifier.mask)
            text += std::string(modifier.name) + "+";
    const xcb_keysym_t keysym = xcb_key_symbols_get_keysym(symbols, press->detail, 0);
    if (keysym >= 0x20 && keysym < 0x7F) {
        text += char(keysym);
    } else {
        char code[16];
        std::snprintf(code, sizeof code, "0x%x", keysym);
        text += code;
    }
    return text;
}

void setTitle(xcb_connection_t* connection, xcb_window_t window, const char* title)
{
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, uint32_t(std::strlen(title)), title);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: key_client <title>|- [combination...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "key_client: cannot open the display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);

    for (int i = 2; i < argc; ++i) {
        uint16_t state = 0;
        xcb_keysym_t keysym = 0;
        xcb_keycode_t* keycodes = nullptr;
        if (!parse(argv[i], state, keysym) ||
            !(keycodes = xcb_key_symbols_get_keycode(symbols, keysym))) {
            std::fprintf(stderr, "key_client: no such combination %s\n", argv[i]);
            return 2;
        }
        xcb_generic_error_t* error = xcb_request_check(
            connection, xcb_grab_key_checked(connection, 0, screen->root, state, keycodes[0],
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(keycodes);
        if (error) {
            std::printf("refused %s\n", argv[i]);
            return 1;
        }
    }

    if (std::strcmp(argv[1], "-") != 0) {
        const xcb_window_t window = xcb_generate_id(connection);
        const uint32_t values[] = {screen->white_pixel,
                                   XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_FOCUS_CHANGE};
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 900, 50, 240, 120,
                          1, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                          XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
        setTitle(connection, window, argv[1]);
        xcb_map_window(connection, window);
    }
    xcb_flush(connection);
    std::printf("ready\n");
    std::fflush(stdout);

    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS) {
            std::printf("press %s\n",
                        describe(symbols, reinterpret_cast<xcb_key_press_event_t*>(event)).c_str());
            std::fflush(stdout);
        }
        std::free(event);
    }
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
    return 0;
}
