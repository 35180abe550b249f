#include "startup/logonentry.h"

#include "startup/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Quillet {
namespace {

const QString kRunKey = QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString kValueName = QStringLiteral("Quillet");
constexpr RootFlags kRoots = RootFlag::CurrentUser | RootFlag::LocalMachine;

// Exec= arguments are quoted when they hold anything but plain path characters.
QString desktopQuoted(const QString& path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('`'), QLatin1String("\\`"))
        .replace(QLatin1Char('$'), QLatin1String("\\$"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

LogOnEntry::LogOnEntry(SettingsStore& settings, QString installFolder, QString autostartFile)
    : m_settings(settings), m_installFolder(std::move(installFolder)),
      m_autostartFile(std::move(autostartFile))
{}

QString LogOnEntry::defaultAutostartFile()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/autostart/quillet.desktop");
}

QString LogOnEntry::command() const
{
    return m_installFolder + QStringLiteral("/quillet /d");
}

QString LogOnEntry::read() const
{
    return m_settings.ReadValue(kRunKey, kValueName, kRoots);
}

void LogOnEntry::write(const QString& value)
{
    m_settings.WriteValue(kRunKey, kValueName, value, kRoots);

    const bool starts = value == command();
    QDir().mkpath(QFileInfo(m_autostartFile).absolutePath());
    QSaveFile file(m_autostartFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QString entry =
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Quillet\n"
                       "Comment=Personal diary, waiting in the tray\nExec=%1 /d\nIcon=%2\n"
                       "Terminal=false\nHidden=%3\nX-GNOME-Autostart-enabled=%4\n")
            .arg(desktopQuoted(m_installFolder + QStringLiteral("/quillet")),
                 m_installFolder + QStringLiteral("/quillet.png"),
                 starts ? QStringLiteral("false") : QStringLiteral("true"),
                 starts ? QStringLiteral("true") : QStringLiteral("false"));
    file.write(entry.toUtf8());
    file.commit();
}

} // namespace Quillet
