#include "testcontext.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace Quillet;

namespace {

// A mode such as 0640 as Qt reports it to the file's owner.
QFileDevice::Permissions permissionsOf(int mode)
{
    const int owner = (mode >> 6) & 7;
    const int group = (mode >> 3) & 7;
    const int others = mode & 7;
    return QFileDevice::Permissions::fromInt(owner << 12 | owner << 8 | group << 4 | others);
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void read_storedValue_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("surrounding spaces are trimmed") << QByteArray("  yes  ") << "yes";
        QTest::newRow("tabs are not spaces") << QByteArray("\tyes") << "\tyes";
        QTest::newRow("254 characters read whole") << QByteArray(254, 'a') << QString(254, 'a');
        QTest::newRow("255 characters read empty") << QByteArray(255, 'a') << QString();
        QTest::newRow("empty value reads empty") << QByteArray("") << QString();
        QTest::newRow("UTF-8 text") << QByteArray("J\xc3\xb6rg") << QString::fromUtf8("Jörg");
    }
    void read_storedValue()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        TestContext t;
        t.registry.setValue(RootKey::CurrentUser, t.root("Global"), "Value", stored);
        QCOMPARE(t.settings.ReadValue(t.root("Global"), "Value"), expected);
    }

    void read_missingKey_isEmptyAndCreatesNothing()
    {
        TestContext t;
        QCOMPARE(t.settings.ReadValue(t.root("No\\Such\\Key"), "Value"), QString());
        QVERIFY(!t.registry.keyExists(RootKey::CurrentUser, t.root("No")));
    }

    void write_createsWholePath_andStoresTextExactly()
    {
        TestContext t;
        t.settings.WriteValue(t.root("A\\B\\C"), "Name", "value");
        QVERIFY(t.registry.keyExists(RootKey::CurrentUser, t.root("A")));
        QVERIFY(t.registry.keyExists(RootKey::CurrentUser, t.root("A\\B")));
        QCOMPARE(t.registry.queryValue(RootKey::CurrentUser, t.root("A\\B\\C"), "Name"),
                 std::optional<QByteArray>("value"));

        t.settings.WriteValue(t.root("A"), "Empty", "");
        QCOMPARE(t.registry.queryValue(RootKey::CurrentUser, t.root("A"), "Empty"),
                 std::optional<QByteArray>(QByteArray("")));
    }

    void keysAndValueNames_ignoreCase()
    {
        TestContext t;
        t.settings.WriteValue("Software\\Quillet\\Users\\Bob", "UserName", "bob");
        QCOMPARE(t.settings.ReadValue("SOFTWARE\\quillet\\Users\\bob", "USERNAME"), "bob");
        t.settings.WriteValue("Software\\Quillet\\Users\\BOB", "username", "robert");
        QCOMPARE(t.settings.ReadValue("Software\\Quillet\\Users\\Bob", "UserName"), "robert");
        t.settings.WriteValue("Software\\Quillet\\Users\\Jörg", "UserName", "x");
        QCOMPARE(t.settings.ReadValue("Software\\Quillet\\Users\\JÖRG", "UserName"), "x");
    }

    void rootKeyFor_firstSetFlagWins_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("root");
        QTest::newRow("none") << 0 << -1;
        QTest::newRow("classes root") << int(RootFlag::ClassesRoot) << int(RootKey::ClassesRoot);
        QTest::newRow("current user and local machine")
            << int(RootFlag::CurrentUser | RootFlag::LocalMachine) << int(RootKey::CurrentUser);
        QTest::newRow("all") << 0x7f << int(RootKey::ClassesRoot);
        QTest::newRow("users") << int(RootFlag::Users) << int(RootKey::Users);
        QTest::newRow("config before user")
            << int(RootFlag::Users | RootFlag::CurrentConfig) << int(RootKey::CurrentConfig);
    }
    void rootKeyFor_firstSetFlagWins()
    {
        QFETCH(int, flags);
        QFETCH(int, root);
        const auto selected = RootKeyFor(RootFlags::fromInt(flags));
        QCOMPARE(selected ? int(*selected) : -1, root);
    }

    void noRootFlag_readsEmptyAndWritesNothing()
    {
        TestContext t;
        QVERIFY(!t.settings.WriteValue(t.root("Global"), "Value", "x", RootFlags()));
        QVERIFY(!t.registry.keyExists(RootKey::CurrentUser, t.root("Global")));
        t.settings.WriteValue(t.root("Global"), "Value", "x");
        QCOMPARE(t.settings.ReadValue(t.root("Global"), "Value", RootFlags()), QString());
    }

    void logOnEntryWriters_reachCurrentUser()
    {
        TestContext t;
        t.settings.WriteValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillet", "q",
                              RootFlag::CurrentUser | RootFlag::LocalMachine);
        QVERIFY(t.registry.queryValue(
            RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillet"));
        QVERIFY(!t.registry.keyExists(RootKey::LocalMachine, "SOFTWARE"));
    }

    void rawRead_keepsSpacesAndLength()
    {
        TestContext t;
        const QByteArray scrambled = QByteArray(" \x01 ab ") + QByteArray(300, 'x');
        t.settings.WriteRawValue(t.root("Global"), "Switch", scrambled);
        QCOMPARE(t.settings.ReadRawValue(t.root("Global"), "Switch"), scrambled);
    }

    void appSettings_readWithDefault_andSave()
    {
        TestContext t;
        QCOMPARE(t.appSettings.readSetting("Quillet 2", "Custom Colors", "3", "16777215"),
                 "16777215");
        t.appSettings.saveSetting("Quillet 2", "Custom Colors", "3", "255");
        QCOMPARE(t.appSettings.readSetting("Quillet 2", "Custom Colors", "3", "16777215"), "255");
        QCOMPARE(t.settings.ReadValue("Software\\VB and VBA Program Settings\\Quillet 2\\Custom "
                                      "Colors",
                                      "3"),
                 "255");
    }

    // Settings hold scrambled passwords: no moment where others may read them.
    void databaseFile_isPrivateToItsOwner_data()
    {
        QTest::addColumn<int>("existingMode");
        QTest::newRow("created") << -1;
        QTest::newRow("existing, readable by all") << 0644;
        QTest::newRow("existing, writable by all") << 0666;
        QTest::newRow("existing, private") << 0600;
    }
    void databaseFile_isPrivateToItsOwner()
    {
        QFETCH(int, existingMode);
        QTemporaryDir dir;
        const QString path = dir.filePath("settings/registry.sqlite3");
        if (existingMode >= 0) {
            QVERIFY(QDir().mkpath(dir.filePath("settings")));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(file.setPermissions(permissionsOf(existingMode)));
        }
        SqliteRegistry registry(path);
        QVERIFY(registry.setValue(RootKey::CurrentUser, "Software\\Quillet", "Value", "x"));
        QCOMPARE(QFileInfo(path).permissions(), permissionsOf(0600));
    }

    void write_thatCannotBeStored_reportsFailure()
    {
        TestContext t;
        QVERIFY(t.settings.WriteValue(t.root("Global"), "Value", "one"));
        QVERIFY(t.makeSettingsUnwritable());
        QVERIFY(!t.settings.WriteValue(t.root("Global"), "Value", "two"));
        QVERIFY(!t.settings.WriteRawValue(t.root("Global"), "Raw", "two"));
        QCOMPARE(t.settings.ReadValue(t.root("Global"), "Value"), "one");
        QVERIFY(!t.registry.queryValue(RootKey::CurrentUser, t.root("Global"), "Raw"));
    }

    void twoProcessesWritingAtOnce_loseNothing()
    {
        TestContext t;
        const QString database = t.dir.filePath("registry.sqlite3");
        constexpr int kCount = 150;
        QProcess first;
        QProcess second;
        first.start(REGISTRY_WRITER, {database, "first", QString::number(kCount)});
        second.start(REGISTRY_WRITER, {database, "second", QString::number(kCount)});
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        for (int n = 0; n < kCount; ++n) {
            for (const QString prefix : {"first", "second"}) {
                QCOMPARE(t.settings.ReadValue(t.root("Race"), prefix + QString::number(n)),
                         QString::number(n));
            }
        }
    }
};

QUILLET_CORE_TEST_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
