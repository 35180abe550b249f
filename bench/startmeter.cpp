// quillet_startmeter [--title T] [--settle MS] [--timeout MS] -- command [arguments...]
//
// Starts the command and prints, on one line, the milliseconds from its start to the first
// mapping of a top-level window titled exactly T (" Quillet", the main window, by default),
// and its resident memory in kB after a further settling time, so that the first paint is
// counted. The program is then ended. It prepares nothing: the environment is the caller's.
// The command's own output goes to standard error, keeping standard output for the figures.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

[[noreturn]] void die(const std::string& message)
{
    std::fprintf(stderr, "quillet_startmeter: %s\n", message.c_str());
    std::exit(1);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            size_t(xcb_get_property_value_length(reply.get()))};
}

// Qt sets both names; either one naming the window is enough.
bool titled(xcb_connection_t* connection, xcb_window_t window, const std::string& title,
            xcb_atom_t netWmName)
{
    return property(connection, window, netWmName) == title ||
           property(connection, window, XCB_ATOM_WM_NAME) == title;
}

std::optional<long> residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

void end(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    std::string title = " Quillet";
    int settleMs = 500;
    int timeoutMs = 20000;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; first += 2) {
        if (first + 1 >= argc)
            die("missing value for " + std::string(argv[first]));
        const std::string option = argv[first];
        if (option == "--title")
            title = argv[first + 1];
        else if (option == "--settle")
            settleMs = std::atoi(argv[first + 1]);
        else if (option == "--timeout")
            timeoutMs = std::atoi(argv[first + 1]);
        else
            die("unknown option " + option);
    }
    if (first + 1 >= argc)
        die("usage: quillet_startmeter [--title T] [--settle MS] [--timeout MS] -- command...");
    char** command = argv + first + 1;

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        die("cannot open the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int n = 0; n < screenNumber; ++n)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");

    // Every top-level window is a child of the root: without a window manager, its mapping
    // reaches the root's substructure listeners. Checked, so that listening has begun before
    // the program starts.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(
            connection,
            xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        die("cannot listen to the root window");
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, xcb_get_file_descriptor(connection));
    const Clock::time_point started = Clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawnp(&pid, command[0], &actions, nullptr, command, environ))
        die(std::string("cannot start ") + command[0] + ": " + std::strerror(error));
    posix_spawn_file_actions_destroy(&actions);

    std::optional<Clock::time_point> mapped;
    const Clock::time_point deadline = started + std::chrono::milliseconds(timeoutMs);
    while (!mapped) {
        pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&display, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (titled(connection, map->window, title, netWmName))
                    mapped = now;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection)) {
            end(pid);
            die("the display connection broke");
        }
        if (!mapped && waitpid(pid, nullptr, WNOHANG) == pid)
            die("the program ended before a window titled '" + title + "' was shown");
        if (!mapped && Clock::now() > deadline) {
            end(pid);
            die("no window titled '" + title + "' within the time limit");
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const std::optional<long> resident = residentKilobytes(pid);
    end(pid);
    xcb_disconnect(connection);
    if (!resident)
        die("the program ended before its memory was read");
    const double ms = std::chrono::duration<double, std::milli>(*mapped - started).count();
    std::printf("%.1f %ld\n", ms, *resident);
    return 0;
}
