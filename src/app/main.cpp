#include "app/windows.h"
#include "platform/desktopshell.h"
#include "platform/helpbrowser.h"
#include "platform/nativewindowframes.h"
#include "platform/qtdialogs.h"
#include "platform/qtprinter.h"
#include "platform/sqliteregistry.h"
#include "platform/systemmidiplayer.h"
#include "platform/systemtrayicon.h"
#include "platform/xcbhotkeys.h"
#include "platform/xcbwindowsystem.h"
#include "services/appcontext.h"
#include "services/randomsource.h"
#include "services/timesource.h"
#include "startup/appsettingsstore.h"
#include "startup/datafolder.h"
#include "startup/installfolder.h"
#include "startup/logonentry.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>

using namespace Quillet;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    // The desktop matches the window to its launcher by this name, and by the window class,
    // which Qt takes from the application name above.
    QApplication::setDesktopFileName(QStringLiteral(QUILLET_DESKTOP_ID));
    // The program ends when its own windows say so, not when a hand-over hides the last one.
    QApplication::setQuitOnLastWindowClosed(false);

    ProgramState state;
    state.installFolder = InstallFolder();
    state.dataFolder = DataFolder(state.installFolder);
    QApplication::setWindowIcon(QIcon(state.installFile(QStringLiteral("quillet.png"))));

    SqliteRegistry registry(SqliteRegistry::defaultDatabasePath());
    SettingsStore settings(registry);
    AppSettingsStore appSettings(registry);
    QtDialogs dialogs;
    DesktopShell shell;
    HelpBrowser help(state.installFolder);
    QtPrinter printer;
    LogOnEntry logOn(settings, state.installFolder, LogOnEntry::defaultAutostartFile());
    SystemTrayIcon tray;
    XcbHotKeys hotKeys;
    NativeWindowFrames frames;
    const std::unique_ptr<MidiPlayer> midi = MakeSystemMidiPlayer();
    SystemTimeSource time;
    UnseededRandom random;
    XcbWindowSystem windowSystem;
    AppContext context{state, settings, appSettings, dialogs, shell, help,   printer,     logOn,
                       tray,  hotKeys,  frames,      *midi,   time,  random, windowSystem};

    Windows windows(context);
    QObject::connect(&windows, &Windows::programEndRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    const QStringList arguments = QApplication::arguments().mid(1);
    if (!windows.sequence().run(arguments.join(QLatin1Char(' '))))
        return 1;
    if (windows.programEnded())
        return 0;
    return QApplication::exec();
}
