#pragma once

#include "platform/trayicon.h"
#include "startup/loadablewindow.h"

#include <QWidget>

class QAction;
class QMenu;
class QTimer;

namespace Quillet {

struct AppContext;
class StartupSequence;
class WindowHost;

// The hidden window of a start at log-on: it keeps the program's icon in the notification area
// until the icon opens the program (the login or the main window) or ends it.
class frmTray final : public QWidget, public LoadableWindow {
    Q_OBJECT
public:
    static inline const QString kToolTip = QStringLiteral("Quillet V2.04");

    frmTray(AppContext& context, StartupSequence& sequence, WindowHost& windows);

    void Form_Load() override;
    void Trayicon1_Pressed(TrayIcon::Button button);
    void mnuOpen_Click();
    void mnuExit_Click();

    QMenu* popUpMenu() const { return mnuPop; }

protected:
    // Unloading takes the icon away at once, not when the window is deleted later.
    void closeEvent(QCloseEvent* event) override;

private:
    void showIcon();

    TrayIcon& m_tray;
    StartupSequence& m_sequence;
    WindowHost& m_windows;
    QMenu* mnuPop;
    QAction* mnuOpen;
    QAction* bar1;
    QAction* mnuExit;
    // Polls for a notification area where the desktop has none yet.
    QTimer* m_waitForArea;
};

} // namespace Quillet
