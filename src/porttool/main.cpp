#include "platform/sqliteregistry.h"
#include "platform/terminalpasswordprompt.h"
#include "porttool/porttoolcommand.h"
#include "startup/installfolder.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

using namespace Quillet;

int main(int argc, char* argv[])
{
    // The commands lay pages out but show nothing: they work without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("porttool"));

    SqliteRegistry registry(SqliteRegistry::defaultDatabasePath());
    SettingsStore settings(registry);
    TerminalPasswordPrompt passwords;
    QTextStream out(stdout);
    QTextStream err(stderr);
    PortToolEnvironment environment{settings, kSettingsRoot, InstallFolder(), passwords, out, err};
    return PortToolCommand(environment).run(QGuiApplication::arguments().mid(1));
}
