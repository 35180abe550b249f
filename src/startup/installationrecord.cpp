#include "startup/installationrecord.h"

#include "startup/appsettingsstore.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Quillet {

void RecordInstallation(SettingsStore& settings, AppSettingsStore& appSettings,
                        const ProgramState& state)
{
    const QString key = state.settingsRoot + QStringLiteral("Install");
    settings.WriteValue(key, QStringLiteral("Path"), state.installFolder);
    settings.WriteValue(key, QStringLiteral("File"),
                        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    settings.WriteValue(key, QStringLiteral("Version0"), QString::number(ProgramVersion::major));
    settings.WriteValue(key, QStringLiteral("Version1"), QString::number(ProgramVersion::minor));
    settings.WriteValue(key, QStringLiteral("Version2"), QString::number(ProgramVersion::revision));

    // Only a program that could be started counts: a stray file of that name would leave the
    // menu offering what does nothing.
    const QFileInfo exporter(state.installFile(QStringLiteral("porttool")));
    if (exporter.isFile() && exporter.isExecutable()) {
        const QString application = QStringLiteral("Quillet Exporter");
        appSettings.saveSetting(application, QStringLiteral("Install"), QStringLiteral("Path"),
                                state.installFolder);
        appSettings.saveSetting(application, QStringLiteral("Install"), QStringLiteral("Switch"),
                                QStringLiteral("yes"));
    }
}

} // namespace Quillet
