#include "startup/installationrecord.h"

#include "startup/programstate.h"
#include "startup/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Quillet {

void RecordInstallation(SettingsStore& settings, const ProgramState& state)
{
    const QString key = state.settingsRoot + QStringLiteral("Install");
    settings.WriteValue(key, QStringLiteral("Path"), state.installFolder);
    settings.WriteValue(key, QStringLiteral("File"),
                        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    settings.WriteValue(key, QStringLiteral("Version0"), QString::number(ProgramVersion::major));
    settings.WriteValue(key, QStringLiteral("Version1"), QString::number(ProgramVersion::minor));
    settings.WriteValue(key, QStringLiteral("Version2"), QString::number(ProgramVersion::revision));
}

} // namespace Quillet
