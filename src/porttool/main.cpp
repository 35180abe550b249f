#include "platform/qtdialogs.h"
#include "platform/sqliteregistry.h"
#include "platform/terminalpasswordprompt.h"
#include "porttool/porttoolcommand.h"
#include "porttool/porttoolwindow.h"
#include "startup/datafolder.h"
#include "startup/installfolder.h"
#include "startup/quilletlink.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>

using namespace Quillet;

namespace {

int runCommand(int argc, char* argv[])
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
    const QuilletLink link;
    PortToolEnvironment environment{
        settings, kSettingsRoot, DataFolder(InstallFolder()),         passwords,
        out,      err,           [&link] { return link.isRunning(); }};
    return PortToolCommand(environment).run(QGuiApplication::arguments().mid(1));
}

int runWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("porttool"));
    const QString installFolder = InstallFolder();
    QApplication::setWindowIcon(QIcon(QDir(installFolder).filePath(QStringLiteral("quillet.png"))));

    SqliteRegistry registry(SqliteRegistry::defaultDatabasePath());
    SettingsStore settings(registry);
    QtDialogs dialogs;
    const QuilletLink link;
    PortToolWindow window(
        {settings, kSettingsRoot, DataFolder(installFolder), dialogs,
         [&link](const QString& user, const QDate& date) { return link.showDay(user, date); },
         [&link] { return link.isRunning(); }});
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    // Started without a command, as the diary's menu starts it, it is a window.
    return argc > 1 ? runCommand(argc, argv) : runWindow(argc, argv);
}
