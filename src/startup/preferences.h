#pragma once

#include "startup/programstate.h"
#include "startup/windowmetrics.h"

namespace Quillet {

class LogOnEntry;
class PreferenceTarget;
class SettingsStore;

// Writes the defaults of a first run and of a new user, and reads the current user's
// preferences into the program-wide state and onto the main window.
class Preferences {
public:
    Preferences(SettingsStore& settings, ProgramState& state, LogOnEntry& logOn)
        : m_settings(settings), m_state(state), m_logOn(logOn), m_metrics(settings, state)
    {}

    void ApplyFirstRunDefaults(PreferenceTarget& window);
    void LoadPreferences(PreferenceTarget& window);
    void saveWindowMetrics(const PreferenceTarget& window) { m_metrics.save(window); }
    // The four warning flags and the default font, from the user's options and back.
    void readWarningsAndFont();
    bool saveWarningsAndFont();

private:
    bool writeOptions(const WarningFlags& warnings, const QString& font);

    SettingsStore& m_settings;
    ProgramState& m_state;
    LogOnEntry& m_logOn;
    WindowMetrics m_metrics;
};

} // namespace Quillet
