#include "startup/numbers.h"
#include "startup/preferences.h"
#include "startup/preferencetarget.h"
#include "startup/scrambler.h"
#include "testcontext.h"
#include "testmain.h"

#include <QDir>
#include <QFile>

using namespace Quillet;

namespace {

// Records what the preferences do to the main window.
class RecordingWindow final : public PreferenceTarget {
public:
    QStringList calls;
    PlacementState state = PlacementState::Normal;

    void loadWelcomePage(const QString& path) override { calls << "welcome " + path; }
    QString skin() const override { return "/skins/red.jss"; }
    void applySkin(const QString& path) override { calls << "skin " + path; }
    PlacementState placementState() const override { return state; }
    void setPlacementState(PlacementState newState) override
    {
        state = newState;
        calls << QString("state %1").arg(int(newState));
    }
    double windowMetric(WindowMetric metric) const override { return 100.5 + int(metric); }
    void setWindowMetric(WindowMetric metric, double twips) override
    {
        calls << QString("metric %1 %2").arg(int(metric)).arg(twips, 0, 'g', 15);
    }
    quint32 colourBlock(int index) const override { return index == 1 ? 0xFFFFFFFF : index; }
    void setColourBlock(int index, quint32 colour) override
    {
        calls << QString("colour %1 %2").arg(index).arg(colour);
    }
};

struct Fixture {
    Fixture()
    {
        t.state.currentUser = "ann";
        QDir().mkpath(t.state.installFolder);
    }
    QString global(const QString& value) const
    {
        return t.settings.ReadValue(t.root("Global"), value);
    }
    QString option(const QString& value) const
    {
        return t.settings.ReadValue(t.root("ann\\Options"), value);
    }

    TestContext t;
    Preferences preferences{t.settings, t.state, t.logOn};
    RecordingWindow window;
};

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunWithANewAccount_writesEveryDefault()
    {
        Fixture f;
        QFile welcome(f.t.state.installFile("welcome.rtf"));
        QVERIFY(welcome.open(QIODevice::WriteOnly));
        welcome.close();
        f.t.state.firstRun = true;
        f.t.state.newUser = true;

        f.preferences.ApplyFirstRunDefaults(f.window);

        QCOMPARE(f.window.calls, QStringList{"welcome " + welcome.fileName()});
        QCOMPARE(f.t.settings.ReadRawValue(f.t.root("Global\\Autologin"), "Switch"),
                 Scramble("no", MIRSKO));
        QCOMPARE(f.global("Show splash"), "1");
        QCOMPARE(f.global("Startup"), "1");
        const QString command = f.t.state.installFolder + "/quillet /d";
        QCOMPARE(
            f.t.settings.ReadValue("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillet"),
            command);
        const QByteArray autostart = fileContent(f.t.dir.path() + "/autostart/quillet.desktop");
        QVERIFY(autostart.contains("Exec=\"" + f.t.state.installFolder.toUtf8() + "/quillet\" /d"));
        QVERIFY(autostart.contains("Hidden=false"));
        QCOMPARE(f.option("ShowWarnings"), "1");
        QCOMPARE(f.option("SaveWarning"), "1");
        QCOMPARE(f.option("CloseWarning"), "0");
        QCOMPARE(f.option("LogWarning"), "1");
        QCOMPARE(f.option("Font"), "Comic Sans MS");
    }

    void laterNewUser_writesOnlyTheirOptions()
    {
        Fixture f;
        f.t.settings.WriteValue(f.t.root("Global"), "Show splash", " 0");
        f.t.state.newUser = true;
        f.preferences.ApplyFirstRunDefaults(f.window);
        QCOMPARE(f.global("Show splash"), "0");
        QCOMPARE(f.global("Startup"), QString());
        QCOMPARE(f.option("ShowWarnings"), "1");
        QVERIFY(f.window.calls.isEmpty());
    }

    void logOnSwitchedOff_hidesTheAutostartEntry()
    {
        Fixture f;
        f.t.logOn.write(LogOnEntry::runNothing());
        QCOMPARE(f.t.logOn.read(), "run nothing");
        QVERIFY(fileContent(f.t.dir.path() + "/autostart/quillet.desktop").contains("Hidden=true"));
    }

    void logOnEntry_quotesItsExecLine_forAnyFolder()
    {
        Fixture f;
        const QString folder = "/opt/My Diary 100% \"new\"\\x";
        LogOnEntry entry(f.t.settings, folder, f.t.dir.path() + "/autostart/odd.desktop");
        entry.write(entry.command());
        const QList<QByteArray> lines =
            fileContent(f.t.dir.path() + "/autostart/odd.desktop").split('\n');
        // Quoted for the command line, then escaped as a value: each backslash twice over.
        QVERIFY(lines.contains(R"(Exec="/opt/My Diary 100%% \\"new\\"\\\\x/quillet" /d)"));
        QVERIFY(lines.contains(R"(Icon=/opt/My Diary 100% "new"\\x/quillet.png)"));
    }

    void userWithoutOptions_getsWarningsOffAndNoFont()
    {
        Fixture f;
        f.t.state.warnings = {true, true, true, true};
        f.t.state.defaultFont = "Arial";
        f.preferences.LoadPreferences(f.window);
        QVERIFY(!f.t.state.warnings.showWarnings);
        QVERIFY(!f.t.state.warnings.saveWarning);
        QVERIFY(!f.t.state.warnings.closeWarning);
        QVERIFY(!f.t.state.warnings.logWarning);
        QCOMPARE(f.t.state.defaultFont, QString());
        QCOMPARE(f.window.calls,
                 QStringList{"skin " + f.t.state.installFolder + "/skins/gold.jss"});
    }

    void flags_readTheNumberTheTextStartsWith_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("blank 1") << " 1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("minus one") << "-1" << true;
        QTest::newRow("word") << "yes" << false;
        QTest::newRow("number then word") << "2x" << true;
        QTest::newRow("empty") << "" << false;
    }
    void flags_readTheNumberTheTextStartsWith()
    {
        QFETCH(QString, stored);
        QFETCH(bool, on);
        Fixture f;
        f.t.settings.WriteValue(f.t.root("ann\\Options"), "CloseWarning", stored);
        f.preferences.readWarningsAndFont();
        QCOMPARE(f.t.state.warnings.closeWarning, on);
    }

    void placementAndColours_areRestoredInOrder()
    {
        Fixture f;
        const QString metrics = f.t.root("ann\\Metrics");
        f.t.settings.WriteValue(f.t.root("ann\\Skin"), "Name", "/skins/blue.jss");
        f.t.settings.WriteValue(metrics, "Window State", "0");
        f.t.settings.WriteValue(metrics, "Left", "1234.5");
        f.t.settings.WriteValue(metrics, "Height", "7140");
        f.t.settings.WriteValue(metrics, "Top", "not a number");
        const QString colours = f.t.root("ann\\Custom Colors");
        f.t.settings.WriteValue(colours, "COLOR0", "255");
        f.t.settings.WriteValue(colours, "COLOR1", "green");
        f.t.settings.WriteValue(colours, "COLOR2", "65280.6");
        f.t.settings.WriteValue(colours, "COLOR15", "-1");
        f.preferences.LoadPreferences(f.window);
        QCOMPARE(f.window.calls,
                 (QStringList{"skin /skins/blue.jss", "state 0", "metric 0 1234.5", "metric 3 7140",
                              "colour 0 255", "colour 2 65281", "colour 15 4294967295"}));
    }

    void metrics_saved_underTheUsersKeys_data()
    {
        QTest::addColumn<PlacementState>("state");
        QTest::addColumn<QString>("left");
        QTest::newRow("normal") << PlacementState::Normal << "100.5";
        // A maximised window keeps the place it will come back to.
        QTest::newRow("maximised") << PlacementState::Maximised << "450";
    }
    void metrics_saved_underTheUsersKeys()
    {
        QFETCH(PlacementState, state);
        QFETCH(QString, left);
        Fixture f;
        const QString metrics = f.t.root("ann\\Metrics");
        f.t.settings.WriteValue(metrics, "Left", "450");
        f.window.state = state;
        f.preferences.saveWindowMetrics(f.window);
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Skin"), "Name"), "/skins/red.jss");
        QCOMPARE(f.t.settings.ReadValue(metrics, "Window State"), QString::number(int(state)));
        QCOMPARE(f.t.settings.ReadValue(metrics, "Left"), left);
        const QString colours = f.t.root("ann\\Custom Colors");
        QCOMPARE(f.t.settings.ReadValue(colours, "COLOR0"), "0");
        QCOMPARE(f.t.settings.ReadValue(colours, "COLOR1"), "-1");
        QCOMPARE(f.t.settings.ReadValue(colours, "COLOR15"), "15");
    }

    void maximised_skipsThePlacement()
    {
        Fixture f;
        const QString metrics = f.t.root("ann\\Metrics");
        f.t.settings.WriteValue(metrics, "Window State", "2");
        f.t.settings.WriteValue(metrics, "Width", "9105");
        f.preferences.LoadPreferences(f.window);
        QCOMPARE(f.window.calls.mid(1), QStringList{"state 2"});
    }
};

QUILLET_CORE_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
