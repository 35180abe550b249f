#pragma once

namespace Quillet {

struct ProgramState;
class SettingsStore;
class AppSettingsStore;
class Dialogs;
class Shell;
class HelpViewer;

// What every window of the program is handed at construction: the program-wide state,
// the settings and the platform services.
struct AppContext {
    ProgramState& state;
    SettingsStore& settings;
    AppSettingsStore& appSettings;
    Dialogs& dialogs;
    Shell& shell;
    HelpViewer& help;
};

} // namespace Quillet
