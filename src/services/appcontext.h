#pragma once

namespace Quillet {

struct ProgramState;
class SettingsStore;
class AppSettingsStore;
class Dialogs;
class Shell;
class HelpViewer;
class Printer;
class LogOnEntry;
class TrayIcon;
class HotKeyPlatform;
class WindowFrames;
class MidiPlayer;
class TimeSource;
class RandomSource;
class WindowSystem;

// What every window of the program is handed at construction: the program-wide state, the
// settings, the platform services and the sources of time and chance.
struct AppContext {
    ProgramState& state;
    SettingsStore& settings;
    AppSettingsStore& appSettings;
    Dialogs& dialogs;
    Shell& shell;
    HelpViewer& help;
    Printer& printer;
    LogOnEntry& logOn;
    TrayIcon& tray;
    HotKeyPlatform& hotKeys;
    const WindowFrames& frames;
    MidiPlayer& midi;
    const TimeSource& time;
    RandomSource& random;
    WindowSystem& windowSystem;
};

} // namespace Quillet
