#include "platform/xcbwindowsystem.h"
#include "testmain.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

// Offscreen, as ctest runs it, the desktop has no windows to list. On a real X display (the
// end-to-end test window_system runs it under Xvfb, once without a window manager and once
// under openbox with QUILLET_TEST_WINDOW_MANAGER set) it lists and moves the windows of
// another program and its own.

using namespace Quillet;

namespace {

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool underWindowManager()
{
    return !qEnvironmentVariableIsEmpty("QUILLET_TEST_WINDOW_MANAGER");
}

// Another program on the same display, with windows of its own that go when it does.
class OtherProgram {
public:
    OtherProgram() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            qFatal("cannot connect to the display");
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    }
    ~OtherProgram() { xcb_disconnect(m_connection); }
    Q_DISABLE_COPY_MOVE(OtherProgram)

    // A window asking to stand at rect, titled by the desktop conventions' Unicode name or,
    // where the title is Latin-1, by the older WM_NAME alone.
    xcb_window_t createWindow(QRect rect, const QString& title, bool latin1Only = false)
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        const std::uint32_t background = m_screen->white_pixel;
        xcb_create_window(
            m_connection, XCB_COPY_FROM_PARENT, window, m_screen->root, std::int16_t(rect.x()),
            std::int16_t(rect.y()), std::uint16_t(rect.width()), std::uint16_t(rect.height()), 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, XCB_CW_BACK_PIXEL, &background);
        // User-given place and size, which a window manager keeps.
        std::uint32_t hints[18] = {1 | 2, std::uint32_t(rect.x()), std::uint32_t(rect.y()),
                                   std::uint32_t(rect.width()), std::uint32_t(rect.height())};
        setProperty(window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
        const QByteArray bytes = latin1Only ? title.toLatin1() : title.toUtf8();
        if (latin1Only) {
            setProperty(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, bytes.size(), bytes.data());
        } else {
            setProperty(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, bytes.size(),
                        bytes.data());
        }
        xcb_flush(m_connection);
        return window;
    }
    void makeDock(xcb_window_t window)
    {
        const xcb_atom_t dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
        setProperty(window, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dock);
    }
    void map(xcb_window_t window)
    {
        xcb_map_window(m_connection, window);
        sync();
    }
    // As a program minimises itself: it asks the window manager.
    void minimise(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom("WM_CHANGE_STATE");
        message.data.data32[0] = 3; // IconicState
        xcb_send_event(m_connection, 0, m_screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
        sync();
    }
    // The window itself, frame aside: where its inside starts on the screen, and its size.
    QRect clientGeometry(xcb_window_t window)
    {
        auto* geometry =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        auto* origin = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, m_screen->root, 0, 0),
            nullptr);
        const QRect rect = geometry && origin ? QRect(origin->dst_x, origin->dst_y, geometry->width,
                                                      geometry->height)
                                              : QRect();
        std::free(geometry);
        std::free(origin);
        return rect;
    }

private:
    xcb_atom_t atom(const char* name)
    {
        auto* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }
    void setProperty(xcb_window_t window, xcb_atom_t name, xcb_atom_t type, std::uint8_t format,
                     std::uint32_t length, const void* data)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, name, type, format, length,
                            data);
    }
    // A round trip: the server has done everything asked before it.
    void sync()
    {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t* m_connection;
    xcb_screen_t* m_screen;
};

std::optional<TopLevelWindow> listed(const WindowSystem& desktop, DesktopWindowId id)
{
    for (const TopLevelWindow& window : desktop.topLevelWindows())
        if (window.id == id)
            return window;
    return std::nullopt;
}

bool shown(const WindowSystem& desktop, DesktopWindowId id)
{
    const auto window = listed(desktop, id);
    return window && window->visible && !window->minimised;
}

} // namespace

class XcbWindowSystemTest : public QObject {
    Q_OBJECT

private slots:
    void offscreen_listsNoWindowAndMovesNone()
    {
        if (onX11())
            QSKIP("runs offscreen");
        QWidget own;
        own.setWindowTitle("Notes");
        own.show();
        XcbWindowSystem desktop;

        QCOMPARE(desktop.topLevelWindows().size(), 0);
        desktop.move(own.winId(), QPoint(50, 60));
    }

    void move_shiftsByTheOffset_keepingTheSize_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("latin1Only");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("another program's window") << "other"
                                                  << "Notizen – Zürich" << false << QPoint(-6, 5);
        QTest::newRow("an older program's Latin-1 title") << "other"
                                                          << "Café" << true << QPoint(8, -8);
        QTest::newRow("the program's own window") << "own"
                                                  << " Quillet" << false << QPoint(7, 3);
    }
    void move_shiftsByTheOffset_keepingTheSize()
    {
        if (!onX11())
            QSKIP("needs an X display");
        QFETCH(QString, owner);
        QFETCH(QString, title);
        QFETCH(bool, latin1Only);
        QFETCH(QPoint, offset);
        OtherProgram other;
        QWidget own;
        DesktopWindowId id = 0;
        if (owner == "own") {
            own.setWindowTitle(title);
            own.setGeometry(300, 250, 320, 240);
            own.show();
            id = own.winId();
        } else {
            id = other.createWindow(QRect(300, 250, 320, 240), title, latin1Only);
            other.map(xcb_window_t(id));
        }
        XcbWindowSystem desktop;
        QTRY_VERIFY(shown(desktop, id));
        const TopLevelWindow before = *listed(desktop, id);
        const QRect client = other.clientGeometry(xcb_window_t(id));
        QCOMPARE(before.title, title);
        QVERIFY(before.rect.contains(client));
        // The frame a window manager draws is part of the window's rectangle.
        QCOMPARE(before.rect != client, underWindowManager());

        desktop.move(id, before.rect.topLeft() + offset);

        QTRY_COMPARE(listed(desktop, id)->rect, before.rect.translated(offset));
        QCOMPARE(other.clientGeometry(xcb_window_t(id)), client.translated(offset));
    }

    void dockWindow_isNotListed()
    {
        if (!onX11())
            QSKIP("needs an X display");
        OtherProgram other;
        const xcb_window_t dock = other.createWindow(QRect(0, 0, 1280, 24), "Panel");
        other.makeDock(dock);
        other.map(dock);
        // Mapped after the dock: once it is listed, the dock has had its chance.
        const xcb_window_t marker = other.createWindow(QRect(300, 250, 100, 100), "Marker");
        other.map(marker);
        XcbWindowSystem desktop;

        QTRY_VERIFY(shown(desktop, marker));
        QVERIFY(!listed(desktop, dock));
    }

    void hiddenOrMinimisedWindow_isNotListedAsShown_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("never shown") << false;
        QTest::newRow("minimised") << true;
    }
    void hiddenOrMinimisedWindow_isNotListedAsShown()
    {
        if (!onX11())
            QSKIP("needs an X display");
        QFETCH(bool, minimised);
        if (minimised && !underWindowManager())
            QSKIP("only a window manager minimises");
        OtherProgram other;
        const xcb_window_t window = other.createWindow(QRect(300, 250, 100, 100), "Away");
        const xcb_window_t marker = other.createWindow(QRect(500, 250, 100, 100), "Marker");
        XcbWindowSystem desktop;
        if (minimised) {
            other.map(window);
            QTRY_VERIFY(shown(desktop, window));
            other.minimise(window);
            QTRY_VERIFY(listed(desktop, window) && listed(desktop, window)->minimised);
        }
        other.map(marker);

        QTRY_VERIFY(shown(desktop, marker));
        QVERIFY(!shown(desktop, window));
    }
};

QUILLET_TEST_MAIN(XcbWindowSystemTest)
#include "tst_xcbwindowsystem.moc"
