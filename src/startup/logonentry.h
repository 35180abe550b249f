#pragma once

#include <QString>

namespace Quillet {

class SettingsStore;

// The entry that starts the program at log-on (in its tray). It is kept as the settings value
// the options read back, and mirrored to the desktop's autostart file so that it takes effect.
class LogOnEntry {
public:
    LogOnEntry(SettingsStore& settings, QString installFolder, QString autostartFile);

    // The default path of the desktop's autostart file for this program.
    static QString defaultAutostartFile();

    // The command that starts the program at log-on: "<install>/quillet /d".
    QString command() const;
    static QString runNothing() { return QStringLiteral("run nothing"); }

    QString read() const;
    // command() turns the start at log-on on; anything else, such as runNothing(), off. False
    // when the settings did not store the value.
    bool write(const QString& value);

    // On only for this installation's own command: an entry another folder wrote is not ours.
    bool isOn() const { return read() == command(); }
    bool setOn(bool on) { return write(on ? command() : runNothing()); }

private:
    SettingsStore& m_settings;
    QString m_installFolder;
    QString m_autostartFile;
};

} // namespace Quillet
