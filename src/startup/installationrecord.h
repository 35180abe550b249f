#pragma once

namespace Quillet {

class AppSettingsStore;
class SettingsStore;
struct ProgramState;

// Records where the program is installed and which version it is, for the programs that
// work beside it; a porttool standing beside the program is recorded as installed, so the
// command menu finds it.
void RecordInstallation(SettingsStore& settings, AppSettingsStore& appSettings,
                        const ProgramState& state);

} // namespace Quillet
