#pragma once

#include <QString>
#include <array>
#include <optional>

namespace Quillet {

// The windows that the start-up sequence hands over between.
enum class WindowId { Login, Splash, Main, Tray };

struct ProgramVersion {
    static constexpr int major = QUILLET_VERSION_MAJOR;
    static constexpr int minor = QUILLET_VERSION_MINOR;
    static constexpr int revision = QUILLET_VERSION_REVISION;
};

struct WarningFlags {
    bool showWarnings = false;
    bool saveWarning = false;
    bool closeWarning = false;
    bool logWarning = false;
};

// The program-wide state, one instance for the whole run, passed by reference.
// It never holds a password.
struct ProgramState {
    QString settingsRoot;
    QString installFolder; // no trailing separator
    // Holds files/<user>/; the installation folder unless that is read-only. No trailing separator.
    QString dataFolder;
    QString currentUser;

    bool loginRequired = false;
    bool showSplash = false;
    bool firstRun = false;
    bool newUser = false;
    bool mainWindowLoaded = false;

    std::optional<WindowId> nextWindow;
    std::optional<WindowId> trayTarget;

    WarningFlags warnings;
    QString defaultFont;
    // The colour chooser's custom colours, 0x00BBGGRR, one table for the whole run.
    std::array<quint32, 16> customColours{};

    // A file of the installation folder: installFile("quotes.txt").
    QString installFile(const QString& name) const
    {
        return installFolder + QLatin1Char('/') + name;
    }

    // A settings key of the current user: userKey("Options").
    QString userKey(const QString& below) const
    {
        return settingsRoot + currentUser + QLatin1Char('\\') + below;
    }
};

} // namespace Quillet
