#include "startup/startupsequence.h"

#include "platform/dialogs.h"
#include "startup/globaloptions.h"
#include "startup/settingsstore.h"
#include "startup/windowhost.h"

namespace Quillet {

bool IsLogOnStart(const QString& commandLine)
{
    return commandLine.endsWith(QLatin1String("/d"), Qt::CaseSensitive);
}

bool StartupSequence::run(const QString& commandLine)
{
    // Without settings every start would be a first run whose users are never stored.
    if (const QString failure = m_settings.failure(); !failure.isEmpty()) {
        m_dialogs.message(nullptr,
                          QStringLiteral("The settings file cannot be opened, so Quillet cannot "
                                         "start.\r\n\r\n") +
                              m_settings.location() + QStringLiteral("\r\n") + failure,
                          MessageButtons::Ok, MessageIcon::Critical);
        m_windows.endProgram();
        return false;
    }
    m_state.settingsRoot = kSettingsRoot;

    const GlobalOptions global(m_settings, m_state.settingsRoot);
    m_state.loginRequired = !global.autoLogin();
    if (!m_state.loginRequired)
        m_state.currentUser = global.autoLoginUser();
    m_state.showSplash = global.showSplash();

    if (IsLogOnStart(commandLine)) {
        m_state.trayTarget = m_state.loginRequired ? WindowId::Login : WindowId::Main;
        m_windows.createHidden(WindowId::Tray);
        return true;
    }
    m_state.nextWindow = m_state.showSplash ? WindowId::Splash : WindowId::Main;
    m_windows.showWindow(m_state.loginRequired ? WindowId::Login : *m_state.nextWindow);
    return true;
}

void StartupSequence::loginSucceeded(const QString& userName)
{
    m_state.currentUser = userName;
    m_windows.unloadWindow(WindowId::Login);
    m_windows.showWindow(m_state.nextWindow.value_or(WindowId::Main));
}

void StartupSequence::trayOpened()
{
    m_state.nextWindow = WindowId::Main;
    m_windows.unloadWindow(WindowId::Tray);
    m_windows.showWindow(m_state.trayTarget.value_or(WindowId::Login));
}

bool StartupSequence::splashFinished()
{
    if (!m_state.mainWindowLoaded)
        return false;
    m_windows.unloadWindow(WindowId::Splash);
    m_windows.showWindow(WindowId::Main);
    return true;
}

} // namespace Quillet
