#pragma once

#include "fakedialogs.h"
#include "fakehotkeys.h"
#include "fakemidiplayer.h"
#include "fakeprinter.h"
#include "fakeservices.h"
#include "fakewindowsystem.h"
#include "platform/sqliteregistry.h"
#include "services/appcontext.h"
#include "services/randomsource.h"
#include "services/timesource.h"
#include "startup/appsettingsstore.h"
#include "startup/logonentry.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"

#include <QFile>
#include <QTemporaryDir>

namespace Quillet {

// A clock that shows what the test sets.
class FakeTimeSource final : public TimeSource {
public:
    QDateTime current{QDate(2001, 8, 5), QTime(10, 0, 0)};
    QDateTime now() const override { return current; }
};

// A complete program context over a temporary installation folder and a temporary settings
// database, with fake platform services.
class TestContext {
public:
    TestContext()
        : registry(dir.filePath(QStringLiteral("registry.sqlite3"))), settings(registry),
          appSettings(registry)
    {
        state.installFolder = dir.path() + QStringLiteral("/install");
        state.dataFolder = state.installFolder;
        state.settingsRoot = kSettingsRoot;
    }

    QTemporaryDir dir;
    SqliteRegistry registry;
    SettingsStore settings;
    AppSettingsStore appSettings;
    ProgramState state;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeHelpViewer help;
    FakeTrayIcon tray;
    FakeHotKeys hotKeys;
    FakeWindowFrames frames;
    FakePrinter printer;
    FakeMidiPlayer midi;
    LogOnEntry logOn{settings, dir.path() + QStringLiteral("/install"),
                     dir.path() + QStringLiteral("/autostart/quillet.desktop")};
    FakeTimeSource time;
    UnseededRandom random;
    FakeWindowSystem windowSystem;
    AppContext context{state, settings, appSettings, dialogs, shell, help,   printer,     logOn,
                       tray,  hotKeys,  frames,      midi,    time,  random, windowSystem};

    QString root(const QString& below) const { return kSettingsRoot + below; }

    // The database file moved away under the open connection: SQLite then refuses every write
    // while reads go on, which no file permission could do for a test running as root.
    bool makeSettingsUnwritable()
    {
        return QFile::rename(dir.filePath(QStringLiteral("registry.sqlite3")),
                             dir.filePath(QStringLiteral("registry.moved")));
    }
};

} // namespace Quillet
