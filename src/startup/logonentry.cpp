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

// A value of a desktop entry: backslashes and line breaks are escaped.
QString desktopValue(QString text)
{
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

// One argument of an Exec line, before the line is escaped as a value: quoted, with the
// characters that quoting reserves escaped and "%" doubled so it reads as no field code.
QString execArgument(QString argument)
{
    argument.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('`'), QLatin1String("\\`"))
        .replace(QLatin1Char('$'), QLatin1String("\\$"))
        .replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + argument + QLatin1Char('"');
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

bool LogOnEntry::write(const QString& value)
{
    const bool stored = m_settings.WriteValue(kRunKey, kValueName, value, kRoots);

    const bool starts = value == command();
    QDir().mkpath(QFileInfo(m_autostartFile).absolutePath());
    QSaveFile file(m_autostartFile);
    if (!file.open(QIODevice::WriteOnly))
        return stored;
    const QString entry =
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Quillet\n"
                       "Comment=Personal diary, waiting in the tray\nExec=%1\nIcon=%2\n"
                       "Terminal=false\nHidden=%3\nX-GNOME-Autostart-enabled=%4\n")
            .arg(desktopValue(execArgument(m_installFolder + QStringLiteral("/quillet")) +
                              QStringLiteral(" /d")),
                 desktopValue(m_installFolder + QStringLiteral("/quillet.png")),
                 starts ? QStringLiteral("false") : QStringLiteral("true"),
                 starts ? QStringLiteral("true") : QStringLiteral("false"));
    file.write(entry.toUtf8());
    file.commit();
    return stored;
}

} // namespace Quillet
