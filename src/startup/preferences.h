#pragma once

#include <QString>

namespace Quillet {

class SettingsStore;
class LogOnEntry;
struct ProgramState;

// What the preferences set on the main window.
class PreferenceTarget {
public:
    enum Metric { Left, Top, Width, Height };

    virtual ~PreferenceTarget() = default;
    virtual void loadWelcomePage(const QString& path) = 0;
    virtual void applySkin(const QString& path) = 0;
    // The window state as stored: 0 normal, 1 minimised, 2 maximised.
    virtual int placementState() const = 0;
    virtual void setPlacementState(int state) = 0;
    virtual void setWindowMetric(Metric metric, double twips) = 0;
    // A colour as 0x00BBGGRR.
    virtual void setColourBlock(int index, quint32 colour) = 0;
};

// Writes the defaults of a first run and of a new user, and reads the current user's
// preferences into the program-wide state and onto the main window.
class Preferences {
public:
    Preferences(SettingsStore& settings, ProgramState& state, LogOnEntry& logOn)
        : m_settings(settings), m_state(state), m_logOn(logOn)
    {}

    void ApplyFirstRunDefaults(PreferenceTarget& window);
    void LoadPreferences(PreferenceTarget& window);
    // The four warning flags and the default font, from the user's options.
    void readWarningsAndFont();

    QString userKey(const QString& below) const;

private:
    SettingsStore& m_settings;
    ProgramState& m_state;
    LogOnEntry& m_logOn;
};

} // namespace Quillet
