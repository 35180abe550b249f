#pragma once

namespace Quillet {

class PreferenceTarget;
class SettingsStore;
struct ProgramState;

// The current user's stored look and place of the main window: its skin, window state,
// position and size in twips, and the sixteen colour blocks. The key names live here alone.
class WindowMetrics {
public:
    static constexpr int kColourBlocks = 16;

    WindowMetrics(SettingsStore& settings, const ProgramState& state)
        : m_settings(settings), m_state(state)
    {}

    void load(PreferenceTarget& window) const;
    void save(const PreferenceTarget& window);

private:
    SettingsStore& m_settings;
    const ProgramState& m_state;
};

} // namespace Quillet
