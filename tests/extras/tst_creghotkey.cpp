#include "extras/creghotkey.h"
#include "fakehotkeys.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QSignalSpy>

using namespace Quillet;

namespace {

constexpr qint32 kCtrl = HotKeyPlatform::Control;
// The errors' numbers, as the object errors 1049 to 1052.
constexpr qint32 kNotRegistered = qint32(0x80040419);
constexpr qint32 kAtomFailed = qint32(0x8004041A);
constexpr qint32 kRegisterFailed = qint32(0x8004041B);
constexpr qint32 kNameTaken = qint32(0x8004041C);

// A hot-key object attached to a window of its own, over a desktop the test presses.
struct HotKeyFixture {
    HotKeyFixture() { hotkey.Attach(&window); }

    QStringList names() const
    {
        QStringList shown;
        for (const auto& record : hotkey.records())
            shown << record.name;
        return shown;
    }
    void registerKeys(const QStringList& keyNames)
    {
        for (qsizetype i = 0; i < keyNames.size(); ++i)
            QVERIFY(!hotkey.RegisterKey(keyNames[i], qint32('A' + i), kCtrl));
    }

    FakeHotKeys desktop;
    QObject window;
    cRegHotKey hotkey{desktop};
    QSignalSpy presses{&hotkey, &cRegHotKey::HotKeyPress};
};

void compareError(const std::optional<HotKeyError>& error, qint32 number,
                  const QString& description)
{
    QVERIFY(error);
    QCOMPARE(error->number, number);
    QCOMPARE(error->source, "quillet.cRegHotKey");
    QCOMPARE(error->description, description);
}

} // namespace

class RegHotKeyTest : public QObject {
    Q_OBJECT

private slots:
    void registerKey_recordsTheKeyWithTheDesktop()
    {
        HotKeyFixture f;
        QVERIFY(!f.hotkey.RegisterKey("Zorbo", HotKeyPlatform::F12, 7));
        QCOMPARE(f.hotkey.records().size(), 1);
        const cRegHotKey::KeyRecord& record = f.hotkey.records().first();
        QCOMPARE(record.name, "Zorbo");
        QVERIFY2(QRegularExpression("^Zorbo_quillet_\\d+$").match(record.atomName).hasMatch(),
                 qPrintable(record.atomName));
        QVERIFY(record.identifier >= -16384 && record.identifier <= -1);
        QCOMPARE(f.desktop.atoms().name(quint16(record.identifier)), record.atomName);
        QCOMPARE(record.key, 123);
        QCOMPARE(record.modifiers, 7);
        QCOMPARE(f.desktop.registrations.size(), 1);
        const FakeHotKeys::Registration& registration = f.desktop.registrations.first();
        QCOMPARE(registration.window, &f.window);
        QCOMPARE(registration.identifier, record.identifier);
        QCOMPARE(registration.modifiers, 7);
        QCOMPARE(registration.key, 123);

        QVERIFY(f.desktop.press(7, HotKeyPlatform::F12));
        QCOMPARE(f.presses.size(), 1);
        QCOMPARE(f.presses.first(), (QVariantList{"Zorbo", 7, 123}));
    }

    void registerKey_names_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("32 characters") << QStringList{} << QString(32, 'k') << 0 << QString();
        QTest::newRow("33 characters") << QStringList{} << QString(33, 'k') << kRegisterFailed
                                       << "Key Name too long (max 32 characters).";
        QTest::newRow("the same name twice")
            << QStringList{"Bold", "Italics"} << "Italics" << kNameTaken
            << "The Key Name 'Italics' is already registered.";
        QTest::newRow("a name differing in case")
            << QStringList{"Bold"} << "bold" << 0 << QString();
    }
    void registerKey_names()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(qint32, number);
        QFETCH(QString, description);
        HotKeyFixture f;
        f.registerKeys(before);

        const std::optional<HotKeyError> error = f.hotkey.RegisterKey(name, 'Z', kCtrl);

        if (number == 0) {
            QVERIFY(!error);
            QCOMPARE(f.names(), before + QStringList{name});
            QVERIFY(f.desktop.press(kCtrl, 'Z'));
            QCOMPARE(f.presses.last().first().toString(), name);
        } else {
            compareError(error, number, description);
            QCOMPARE(f.names(), before);
            QCOMPARE(f.desktop.registrations.size(), before.size());
            QCOMPARE(f.desktop.atoms().size(), before.size());
        }
    }

    void registerKey_refusedByTheDesktop_leavesNoAtom_data()
    {
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("description");
        QTest::newRow("with the system's words")
            << FakeHotKeys::kKeyTaken
            << "Failed to Register Hot Key [Hot key is already registered.]";
        QTest::newRow("without") << 5 << "Failed to Register Hot Key";
    }
    void registerKey_refusedByTheDesktop_leavesNoAtom()
    {
        QFETCH(int, refusal);
        QFETCH(QString, description);
        HotKeyFixture f;
        f.registerKeys({"Bold"});
        f.desktop.heldElsewhere.insert({kCtrl, 'P'});
        f.desktop.refusal = refusal;

        compareError(f.hotkey.RegisterKey("Print", 'P', kCtrl), kRegisterFailed, description);
        QCOMPARE(f.names(), QStringList{"Bold"});
        QCOMPARE(f.desktop.atoms().size(), 1);
        QVERIFY(!f.desktop.press(kCtrl, 'P'));
    }

    void registerKey_noAtomLeft_failsToAddTheAtom()
    {
        HotKeyFixture f;
        for (int i = 0; i < AtomTable::kCapacity; ++i)
            QVERIFY(f.desktop.atoms().add("taken"));
        compareError(f.hotkey.RegisterKey("Bold", 'B', kCtrl), kAtomFailed,
                     "Failed to add GlobalAtom");
        QVERIFY(f.hotkey.records().isEmpty());
        QVERIFY(f.desktop.registrations.isEmpty());

        QVERIFY(f.desktop.atoms().remove(0xC123));
        QVERIFY(!f.hotkey.RegisterKey("Bold", 'B', kCtrl));
        QCOMPARE(f.hotkey.records().first().identifier, qint32(qint16(0xC123)));
    }

    void unregisterKey_unknownName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("never registered") << "Nothing";
        QTest::newRow("differing in case") << "bold";
        QTest::newRow("given back already") << "Italics";
    }
    void unregisterKey_unknownName()
    {
        QFETCH(QString, name);
        HotKeyFixture f;
        f.registerKeys({"Bold", "Italics"});
        QVERIFY(!f.hotkey.UnregisterKey("Italics"));

        compareError(f.hotkey.UnregisterKey(name), kNotRegistered,
                     QString("No hot key registered under the name '%1'").arg(name));
        QCOMPARE(f.names(), QStringList{"Bold"});
        QCOMPARE(f.desktop.registrations.size(), 1);
    }

    void unregisterKey_middleOfThree_laterRecordsMoveDown()
    {
        HotKeyFixture f;
        f.registerKeys({"A", "B", "C"});
        const qint32 identifierB = f.hotkey.records().at(1).identifier;

        QVERIFY(!f.hotkey.UnregisterKey("B"));

        QCOMPARE(f.names(), (QStringList{"A", "C"}));
        QCOMPARE(f.desktop.atoms().size(), 2);
        QCOMPARE(f.desktop.atoms().name(quint16(identifierB)), QString());
        QVERIFY(!f.desktop.press(kCtrl, 'B'));
        QVERIFY(f.desktop.press(kCtrl, 'C'));
        QCOMPARE(f.presses.size(), 1);
        QCOMPARE(f.presses.first(), (QVariantList{"C", kCtrl, qint32('C')}));
        // The name is free again, under an identifier of its own.
        QVERIFY(!f.hotkey.RegisterKey("B", 'B', kCtrl));
        QVERIFY(f.hotkey.records().last().identifier != identifierB);
    }

    void clear_withThreeKeys_givesEveryKeyBack()
    {
        HotKeyFixture f;
        f.registerKeys({"A", "B", "C"});

        f.hotkey.Clear();

        QVERIFY(f.hotkey.records().isEmpty());
        QVERIFY(f.desktop.registrations.isEmpty());
        QCOMPARE(f.desktop.atoms().size(), 0);
        QCOMPARE(f.hotkey.attachedWindow(), nullptr);
        QVERIFY(!f.desktop.routed(&f.window));
        // Free for another program's keys, which this object then never hears of.
        cRegHotKey other(f.desktop);
        QObject otherWindow;
        other.Attach(&otherWindow);
        for (const char key : {'A', 'B', 'C'})
            QVERIFY(!other.RegisterKey(QString(key), key, kCtrl));
        QVERIFY(f.desktop.press(kCtrl, 'B'));
        QCOMPARE(f.presses.size(), 0);
    }

    void end_givesEveryKeyBack()
    {
        FakeHotKeys desktop;
        QObject window;
        {
            cRegHotKey hotkey(desktop);
            hotkey.Attach(&window);
            QVERIFY(!hotkey.RegisterKey("Bold", 'B', kCtrl));
            QVERIFY(!hotkey.RegisterKey("Help", HotKeyPlatform::F1, 0));
        }
        QVERIFY(desktop.registrations.isEmpty());
        QCOMPARE(desktop.atoms().size(), 0);
        QVERIFY(!desktop.routed(&window));
    }

    void attach_anotherWindow_givesTheKeysOfTheFirstBack()
    {
        HotKeyFixture f;
        f.registerKeys({"A"});
        QObject second;

        f.hotkey.Attach(&second);

        QVERIFY(f.hotkey.records().isEmpty());
        QVERIFY(!f.desktop.routed(&f.window));
        QVERIFY(!f.hotkey.RegisterKey("A", 'A', kCtrl));
        QCOMPARE(f.desktop.registrations.first().window, &second);
        QVERIFY(f.desktop.press(kCtrl, 'A'));
        QCOMPARE(f.presses.size(), 1);
    }

    void press_identifierOfNoRecord_data()
    {
        QTest::addColumn<qint32>("identifier");
        QTest::addColumn<QVariantList>("raised");
        QTest::newRow("desktop snapshot") << -2 << QVariantList{"Desktop Snapshot", 0, 44};
        QTest::newRow("window snapshot") << -1 << QVariantList{"Window Snapshot", 4, 44};
        QTest::newRow("unknown") << -300 << QVariantList{"Unknown HotKey", 3, 0x42};
    }
    void press_identifierOfNoRecord()
    {
        QFETCH(qint32, identifier);
        QFETCH(QVariantList, raised);
        HotKeyFixture f;
        f.registerKeys({"A"});

        QVERIFY(f.desktop.send(&f.window, identifier, 3, 0x42));

        QCOMPARE(f.presses.size(), 1);
        QCOMPARE(f.presses.first(), raised);
    }
};

QUILLET_CORE_TEST_MAIN(RegHotKeyTest)
#include "tst_creghotkey.moc"
