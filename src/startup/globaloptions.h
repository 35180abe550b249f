#pragma once

#include <QString>

namespace Quillet {

class SettingsStore;

// The settings every user of the installation shares (automatic login and the splash screen),
// read by the start and written by the first run and the options.
class GlobalOptions {
public:
    GlobalOptions(SettingsStore& settings, const QString& settingsRoot);

    // On when the stored switch unscrambles to exactly "yes".
    bool autoLogin() const;
    QString autoLoginUser() const;
    // The splash shows unless the setting is exactly "0"; a missing one shows it.
    bool showSplash() const;

    // The user is stored only when automatic login is turned on; turning it off keeps the last.
    bool setAutoLogin(bool on, const QString& user = QString());
    bool setShowSplash(const QString& text);
    bool setStartup(const QString& text);

private:
    SettingsStore& m_settings;
    QString m_global;
    QString m_autoLogin;
};

} // namespace Quillet
