#pragma once

#include "fakedialogs.h"
#include "fakeservices.h"
#include "platform/sqliteregistry.h"
#include "startup/appcontext.h"
#include "startup/appsettingsstore.h"
#include "startup/programstate.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"

#include <QTemporaryDir>

namespace Quillet {

// A complete program context over a temporary installation folder and a temporary settings
// database, with fake platform services.
class TestContext {
public:
    TestContext()
        : registry(dir.filePath(QStringLiteral("registry.sqlite3"))), settings(registry),
          appSettings(registry)
    {
        state.installFolder = dir.path() + QStringLiteral("/install");
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
    AppContext context{state, settings, appSettings, dialogs, shell, help};

    QString root(const QString& below) const { return kSettingsRoot + below; }
};

} // namespace Quillet
