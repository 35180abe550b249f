#include "startup/scrambler.h"
#include "startup/startupsequence.h"
#include "startup/windowhost.h"
#include "testcontext.h"
#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <system_error>

using namespace Quillet;

namespace {

// Records what the sequence does with the windows, as "show Login", "hidden Tray", ...
class RecordingHost final : public WindowHost {
public:
    QStringList calls;
    void showWindow(WindowId id) override { calls << "show " + name(id); }
    void createHidden(WindowId id) override { calls << "hidden " + name(id); }
    bool unloadWindow(WindowId id) override
    {
        calls << "unload " + name(id);
        return true;
    }
    void endProgram() override { calls << "end"; }

    static QString name(WindowId id)
    {
        switch (id) {
        case WindowId::Login:
            return "Login";
        case WindowId::Splash:
            return "Splash";
        case WindowId::Main:
            return "Main";
        case WindowId::Tray:
            return "Tray";
        }
        return {};
    }
};

// Every file and folder below a folder, with the bytes of each file.
QStringList everythingBelow(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        found << path + (file.open(QIODevice::ReadOnly) ? " " + file.readAll().toHex() : "/");
    }
    found.sort();
    return found;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct Fixture {
    TestContext t;
    RecordingHost host;
    StartupSequence sequence{t.state, t.settings, t.dialogs, host};

    void autologin(const QByteArray& switchText, const QString& user)
    {
        t.settings.WriteRawValue(t.root("Global\\Autologin"), "Switch", switchText);
        t.settings.WriteValue(t.root("Global\\Autologin"), "User", user);
    }
    void splash(const QString& value)
    {
        t.settings.WriteValue(t.root("Global"), "Show splash", value);
    }
};

} // namespace

class StartupSequenceTest : public QObject {
    Q_OBJECT

private slots:
    void noSettings_showsLoginWithSplashNext()
    {
        Fixture f;
        f.t.state.settingsRoot.clear();
        QVERIFY(f.sequence.run(""));
        QCOMPARE(f.t.state.settingsRoot, "Software\\Quillet\\");
        QCOMPARE(f.host.calls, QStringList{"show Login"});
        QVERIFY(f.t.state.loginRequired);
        QVERIFY(f.t.state.showSplash);
        QCOMPARE(f.t.state.nextWindow, WindowId::Splash);
        QCOMPARE(f.t.state.currentUser, QString());
    }

    void unusableSettingsFile_isReported_andNothingStarts_data()
    {
        QTest::addColumn<QString>("inItsPlace");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << qt_error_string(int(std::errc::is_a_directory));
        QTest::newRow("a file in place of its folder")
            << "file above" << qt_error_string(int(std::errc::not_a_directory));
        QTest::newRow("not a database") << "text"
                                        << "file is not a database";
    }
    void unusableSettingsFile_isReported_andNothingStarts()
    {
        QFETCH(QString, inItsPlace);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("settings/registry.sqlite3");
        if (inItsPlace == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (inItsPlace == "file above")
            QVERIFY(writeFile(dir.filePath("settings"), "settings\n"));
        else
            QVERIFY(QDir().mkpath(dir.filePath("settings")) &&
                    writeFile(path, "Dear diary, this is no database.\n"));
        const QStringList before = everythingBelow(dir.path());

        SqliteRegistry registry(path);
        SettingsStore settings(registry);
        ProgramState state;
        FakeDialogs dialogs;
        RecordingHost host;
        StartupSequence sequence(state, settings, dialogs, host);
        QVERIFY(!sequence.run(""));

        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().text,
                 "The settings file cannot be opened, so Quillet cannot start.\r\n\r\n" +
                     QDir::toNativeSeparators(path) + "\r\n" + reason);
        QCOMPARE(dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(dialogs.messages.first().buttons, MessageButtons::Ok);
        QCOMPARE(dialogs.messages.first().title, "quillet");
        QCOMPARE(host.calls, QStringList{"end"});
        QCOMPARE(everythingBelow(dir.path()), before);
    }

    void normalStart_data()
    {
        QTest::addColumn<QByteArray>("switchText");
        QTest::addColumn<QString>("showSplash");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("user");
        const QByteArray yes = Scramble("yes", MIRSKO);
        QTest::newRow("autologin, splash on") << yes << "1"
                                              << "show Splash"
                                              << "Ann";
        QTest::newRow("autologin, splash off") << yes << "0"
                                               << "show Main"
                                               << "Ann";
        QTest::newRow("autologin, splash stored with a blank") << yes << " 0"
                                                               << "show Main"
                                                               << "Ann";
        QTest::newRow("autologin, splash missing") << yes << ""
                                                   << "show Splash"
                                                   << "Ann";
        QTest::newRow("switch says no") << Scramble("no", MIRSKO) << "0"
                                        << "show Login"
                                        << "";
        QTest::newRow("plain yes is not scrambled") << QByteArray("yes") << "0"
                                                    << "show Login"
                                                    << "";
        QTest::newRow("damaged switch") << QByteArray("\x01\x02") << "0"
                                        << "show Login"
                                        << "";
    }
    void normalStart()
    {
        QFETCH(QByteArray, switchText);
        QFETCH(QString, showSplash);
        QFETCH(QString, shown);
        QFETCH(QString, user);
        Fixture f;
        f.autologin(switchText, "Ann");
        f.splash(showSplash);
        f.sequence.run("quillet.exe");
        QCOMPARE(f.host.calls, QStringList{shown});
        // The remembered name is taken as stored, without a check that the user exists.
        QCOMPARE(f.t.state.currentUser, user);
    }

    void commandLine_logOnSwitch_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("logOn");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("/d") << "/d" << true;
        QTest::newRow("upper-case /D") << "/D" << false;
        QTest::newRow("x/d") << "x/d" << true;
        QTest::newRow("trailing blank") << "/d " << false;
        QTest::newRow("path then /d") << "/opt/quillet/quillet /d" << true;
    }
    void commandLine_logOnSwitch()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, logOn);
        QCOMPARE(IsLogOnStart(commandLine), logOn);
        Fixture f;
        f.sequence.run(commandLine);
        QCOMPARE(f.host.calls, QStringList{logOn ? "hidden Tray" : "show Login"});
    }

    void logOnStart_withAutologin_trayOpensMainWithoutSplash()
    {
        Fixture f;
        f.autologin(Scramble("yes", MIRSKO), "ann");
        f.splash("1");
        f.sequence.run("/d");
        QCOMPARE(f.host.calls, QStringList{"hidden Tray"});
        QCOMPARE(f.t.state.trayTarget, WindowId::Main);

        f.sequence.trayOpened();
        QCOMPARE(f.host.calls, (QStringList{"hidden Tray", "unload Tray", "show Main"}));
        QCOMPARE(f.t.state.nextWindow, WindowId::Main);
    }

    void logOnStart_withoutAutologin_trayOpensLogin_thenMain()
    {
        Fixture f;
        f.splash("1");
        f.sequence.run("/d");
        QCOMPARE(f.t.state.trayTarget, WindowId::Login);
        f.sequence.trayOpened();
        f.sequence.loginSucceeded("bob");
        QCOMPARE(f.host.calls, (QStringList{"hidden Tray", "unload Tray", "show Login",
                                            "unload Login", "show Main"}));
        QCOMPARE(f.t.state.currentUser, "bob");
    }

    void splash_givesWayOnlyOnceMainHasLoaded()
    {
        Fixture f;
        f.sequence.run("");
        f.sequence.loginSucceeded("bob");
        QVERIFY(!f.sequence.splashFinished());
        f.t.state.mainWindowLoaded = true;
        QVERIFY(f.sequence.splashFinished());
        QCOMPARE(f.host.calls, (QStringList{"show Login", "unload Login", "show Splash",
                                            "unload Splash", "show Main"}));
    }
};

QUILLET_CORE_TEST_MAIN(StartupSequenceTest)
#include "tst_startupsequence.moc"
