#pragma once

#include "startup/programstate.h"

#include <QString>

namespace Quillet {

class Dialogs;
class SettingsStore;
class WindowHost;

inline const QString kSettingsRoot = QStringLiteral("Software\\Quillet\\");

// True when the command line's last two characters are exactly "/d": a start at log-on.
bool IsLogOnStart(const QString& commandLine);

// The program's entry point and the hand-overs between its first windows.
class StartupSequence {
public:
    StartupSequence(ProgramState& state, SettingsStore& settings, Dialogs& dialogs,
                    WindowHost& windows)
        : m_state(state), m_settings(settings), m_dialogs(dialogs), m_windows(windows)
    {}

    // Decides automatic login, splash and log-on start, and opens the first window. False, with
    // the program ended, when the settings cannot be used.
    bool run(const QString& commandLine);

    // A login or a new account succeeded: the user becomes current and the next window shows.
    void loginSucceeded(const QString& userName);
    // The tray icon was opened: a log-on start never shows the splash.
    void trayOpened();
    // The splash gives way once the main window has loaded; false while it has not.
    bool splashFinished();

private:
    ProgramState& m_state;
    SettingsStore& m_settings;
    Dialogs& m_dialogs;
    WindowHost& m_windows;
};

} // namespace Quillet
