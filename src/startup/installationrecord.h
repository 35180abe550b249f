#pragma once

namespace Quillet {

class SettingsStore;
struct ProgramState;

// Records where the program is installed and which version it is, for the programs that
// work beside it.
void RecordInstallation(SettingsStore& settings, const ProgramState& state);

} // namespace Quillet
