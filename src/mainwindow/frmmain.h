#pragma once

#include "mainwindow/maincontrols.h"
#include "mainwindow/mainwindowpreferences.h"
#include "mainwindow/skinframe.h"
#include "mainwindow/welcomepage.h"
#include "startup/loadablewindow.h"
#include "startup/preferences.h"

#include <QWidget>
#include <memory>

namespace Quillet {

struct AppContext;
class Bookmarks;
class CommandMenu;
class DayRequests;
class EditingCommands;
class HotKeyCommands;
class PageNavigation;
class PageStore;
class Quotes;
class WindowHost;

// The program's main window: the calendar, the page editor and everything around them. Its
// load restores the user's preferences and shows today's page; closing it asks what the
// warnings ask for and stores the window's metrics.
class frmMain final : public QWidget, public LoadableWindow {
    Q_OBJECT
public:
    static constexpr QSize kMinimumSize{608, 449};

    frmMain(AppContext& context, WindowHost& windows);
    ~frmMain() override;
    Q_DISABLE_COPY_MOVE(frmMain)

    void Form_Load() override;
    void InitMainWindow();
    // The unload: false when a question kept the window open.
    bool Form_Unload();
    void SaveWindowMetrics();
    void LogOff();
    void Form_Resize();

    PageStore& pageStore() { return *m_store; }
    PageNavigation& navigation() { return *m_navigation; }
    Bookmarks& bookmarks() { return *m_bookmarks; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectControls();
    void showCredits();
    void showOptions();

    AppContext& m_context;
    WindowHost& m_windows;
    // Holds every control, inside the skin's caption bar and borders.
    QWidget* m_client;
    SkinFrame m_frame;
    MainControls m_controls;
    std::unique_ptr<PageStore> m_store;
    std::unique_ptr<PageNavigation> m_navigation;
    std::unique_ptr<Quotes> m_quotes;
    std::unique_ptr<EditingCommands> m_commands;
    std::unique_ptr<Bookmarks> m_bookmarks;
    std::unique_ptr<CommandMenu> m_menu;
    std::unique_ptr<HotKeyCommands> m_hotKeys;
    std::unique_ptr<DayRequests> m_dayRequests;
    WelcomePage m_welcome;
    MainWindowPreferences m_windowPreferences;
    Preferences m_preferences;
};

} // namespace Quillet
