#include "mainwindow/frmtray.h"

#include "services/appcontext.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"

#include <QCursor>
#include <QMenu>
#include <QTimer>

namespace Quillet {

frmTray::frmTray(AppContext& context, StartupSequence& sequence, WindowHost& windows)
    : m_tray(context.tray), m_sequence(sequence), m_windows(windows)
{
    setObjectName(QStringLiteral("frmTray"));
    mnuPop = new QMenu(QStringLiteral("pop"), this);
    mnuPop->setObjectName(QStringLiteral("mnuPop"));
    mnuOpen = mnuPop->addAction(QStringLiteral("&Open Quillet"));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    bar1 = mnuPop->addSeparator();
    bar1->setObjectName(QStringLiteral("bar1"));
    mnuExit = mnuPop->addAction(QStringLiteral("&Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuOpen, &QAction::triggered, this, &frmTray::mnuOpen_Click);
    connect(mnuExit, &QAction::triggered, this, &frmTray::mnuExit_Click);

    m_waitForArea = new QTimer(this);
    m_waitForArea->setInterval(1000);
    connect(m_waitForArea, &QTimer::timeout, this, &frmTray::showIcon);
}

void frmTray::closeEvent(QCloseEvent* event)
{
    m_waitForArea->stop();
    m_tray.hide();
    QWidget::closeEvent(event);
}

void frmTray::Form_Load()
{
    showIcon();
}

void frmTray::showIcon()
{
    // Without a notification area the start at log-on waits for one rather than show a window.
    if (!m_tray.available()) {
        m_waitForArea->start();
        return;
    }
    m_waitForArea->stop();
    m_tray.show(kToolTip, [this](TrayIcon::Button button) { Trayicon1_Pressed(button); });
}

void frmTray::Trayicon1_Pressed(TrayIcon::Button button)
{
    if (button == TrayIcon::Button::Left) {
        // Unloads this window: nothing of it is touched afterwards.
        m_sequence.trayOpened();
        return;
    }
    mnuPop->popup(QCursor::pos());
}

void frmTray::mnuOpen_Click()
{
    Trayicon1_Pressed(TrayIcon::Button::Left);
}

void frmTray::mnuExit_Click()
{
    m_windows.endProgram();
}

} // namespace Quillet
