#include "mainwindow/frmoptions.h"
#include "scrambledbyhand.h"
#include "testcontext.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace Quillet;

namespace {

// The settings database as the dialog sees it, keeping every write in the order it came.
class RecordingRegistry final : public RegistryBackend {
public:
    explicit RecordingRegistry(RegistryBackend& stored) : m_stored(stored) {}

    QList<QByteArray> writes;

    QString location() const override { return m_stored.location(); }
    QString failure() const override { return m_stored.failure(); }
    bool keyExists(RootKey root, const QString& keyPath) const override
    {
        return m_stored.keyExists(root, keyPath);
    }
    std::optional<QByteArray> queryValue(RootKey root, const QString& keyPath,
                                         const QString& valueName) const override
    {
        return m_stored.queryValue(root, keyPath, valueName);
    }
    bool setValue(RootKey root, const QString& keyPath, const QString& valueName,
                  const QByteArray& data) override
    {
        writes << (keyPath + '|' + valueName + '=').toUtf8() + data;
        return m_stored.setValue(root, keyPath, valueName, data);
    }

private:
    RegistryBackend& m_stored;
};

const QByteArray kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const QString kUninstalledFont = "Quillet Test Face";

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ann logged in, with the dialog's view of the settings recorded.
struct OptionsFixture {
    OptionsFixture() { t.state.currentUser = "ann"; }

    // What a first run and a new account leave, with a font this machine does not have.
    void storeDefaults() { store("no", "1", command(), {"1", "1", "0", "1", kUninstalledFont}); }
    void store(const QByteArray& switchText, const QString& splash, const QString& run,
               const QStringList& options)
    {
        t.settings.WriteRawValue(t.root("Global\\Autologin"), "Switch",
                                 scrambledByHand(switchText, "MIRSKO"));
        t.settings.WriteValue(t.root("Global"), "Show splash", splash);
        t.logOn.write(run);
        const QString key = t.root("ann\\Options");
        const char* const names[] = {"ShowWarnings", "SaveWarning", "CloseWarning", "LogWarning",
                                     "Font"};
        for (int i = 0; i < 5; ++i)
            t.settings.WriteValue(key, names[i], options.at(i));
    }
    QString command() const { return t.state.installFolder + "/quillet /d"; }

    frmOptions& open()
    {
        dialog = std::make_unique<frmOptions>(context);
        return *dialog;
    }
    template <typename Widget = QCheckBox>
    Widget* control(const char* name) const
    {
        Widget* widget = dialog->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QCheckBox* box(const char* name) const { return control(name); }
    QComboBox* fonts() const { return control<QComboBox>("cmbFonts"); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QByteArray autostart() const
    {
        return fileContent(t.dir.path() + "/autostart/quillet.desktop");
    }
    // The boxes' ticks in the order auto login, launch, splash, show, save, close, log off.
    QString ticks() const
    {
        QString shown;
        for (const char* name : {"chkAutoLogin", "chkLaunch", "chkSplash", "chkShowWarn",
                                 "chkSaveWarn", "chkCloseWarn", "chkLogWarn"})
            shown += box(name)->isChecked() ? '1' : '0';
        return shown;
    }
    QString warningsInUse() const
    {
        const WarningFlags& w = t.state.warnings;
        return QString("%1%2%3%4")
            .arg(int(w.showWarnings))
            .arg(int(w.saveWarning))
            .arg(int(w.closeWarning))
            .arg(int(w.logWarning));
    }

    TestContext t;
    RecordingRegistry registry{t.registry};
    SettingsStore settings{registry};
    LogOnEntry logOn{settings, t.state.installFolder, t.dir.path() + "/autostart/quillet.desktop"};
    AppContext context{t.state,  settings,  t.appSettings, t.dialogs, t.shell,
                       t.help,   t.printer, logOn,         t.tray,    t.hotKeys,
                       t.frames, t.midi,    t.time,        t.random,  t.windowSystem};
    std::unique_ptr<frmOptions> dialog;
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void load_showsEverySetting_data()
    {
        QTest::addColumn<QByteArray>("switchText");
        QTest::addColumn<QString>("splash");
        QTest::addColumn<QString>("run");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("ticks");

        const QStringList allOn{"1", "1", "1", "1", "Arial"};
        QTest::newRow("all on") << QByteArray("yes") << " 1"
                                << "ours" << allOn << "1111111";
        QTest::newRow("all off") << QByteArray("no") << " 0"
                                 << "run nothing" << QStringList{"0", "0", "0", "0", "Arial"}
                                 << "0000000";
        QTest::newRow("numbers with blanks")
            << QByteArray("no") << "0"
            << "ours" << QStringList{" 1", " 0", " 1", "0.0", "Arial"} << "0101010";
        // An entry that another installation wrote does not start this one.
        QTest::newRow("another folder's entry") << QByteArray("yes") << "1"
                                                << "/elsewhere/quillet /d" << allOn << "1011111";
        QTest::newRow("switch not exactly yes") << QByteArray("Yes") << "1"
                                                << "ours" << allOn << "0111111";
    }
    void load_showsEverySetting()
    {
        QFETCH(QByteArray, switchText);
        QFETCH(QString, splash);
        QFETCH(QString, run);
        QFETCH(QStringList, options);
        QFETCH(QString, ticks);
        OptionsFixture f;
        f.store(switchText, splash, run == "ours" ? f.command() : run, options);
        f.t.state.warnings = {};
        f.registry.writes.clear();

        f.open();

        QCOMPARE(f.ticks(), ticks);
        // The running program takes what the settings hold.
        QCOMPARE(f.warningsInUse(), ticks.mid(3));
        QCOMPARE(f.t.state.defaultFont, "Arial");
        QCOMPARE(f.fonts()->currentText(), "Arial");
        QVERIFY(f.registry.writes.isEmpty());
    }

    void load_withNothingStored_showsTheNextStart()
    {
        OptionsFixture f;
        f.t.state.warnings = {true, true, true, true};
        f.t.state.defaultFont = "Arial";
        f.open();
        // Only the splash is on at the next start.
        QCOMPARE(f.ticks(), "0010000");
        QCOMPARE(f.warningsInUse(), "0000");
        QCOMPARE(f.fonts()->currentIndex(), -1);
        QCOMPARE(f.fonts()->currentText(), QString());
    }

    void fonts_listTheInstalledFamiliesInTheirOwnFace_andKeepTheUsersOwn()
    {
        OptionsFixture f;
        f.storeDefaults();
        f.open();
        QStringList listed;
        for (int i = 0; i < f.fonts()->count(); ++i) {
            listed << f.fonts()->itemText(i);
            QCOMPARE(f.fonts()->itemData(i, Qt::FontRole).value<QFont>().family(),
                     f.fonts()->itemText(i));
        }
        QStringList expected = QFontDatabase::families();
        QVERIFY(!expected.isEmpty());
        QVERIFY(!expected.contains(kUninstalledFont));
        expected << kUninstalledFont;
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()),
                 QSet<QString>(expected.begin(), expected.end()));
        QCOMPARE(listed.size(), expected.size());
        QCOMPARE(f.fonts()->currentText(), kUninstalledFont);
    }

    void ok_writesEveryOptionInItsOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QByteArray>("switchText");
        QTest::addColumn<QList<QByteArray>>("written");
        QTest::addColumn<QString>("warnings");
        QTest::addColumn<bool>("launches");

        const QByteArray yes = scrambledByHand("yes", "MIRSKO");
        const QByteArray no = scrambledByHand("no", "MIRSKO");
        // Between the switch and the user's options: splash, startup, log-on entry.
        const auto row = [](const char* name, const QString& change, const QByteArray& sw,
                            QList<QByteArray> global, QList<QByteArray> options,
                            const QString& warnings, bool launches) {
            QList<QByteArray> written{"Software\\Quillet\\Global\\Autologin|Switch=" + sw};
            if (sw == scrambledByHand("yes", "MIRSKO"))
                written << "Software\\Quillet\\Global\\Autologin|User=ann";
            written << "Software\\Quillet\\Global|Show splash=" + global.at(0)
                    << "Software\\Quillet\\Global|Startup=" + global.at(1)
                    << kRunKey + "|Quillet=" + global.at(2);
            const char* const names[] = {"ShowWarnings", "SaveWarning", "CloseWarning",
                                         "LogWarning", "Font"};
            for (int i = 0; i < 5; ++i)
                written << QByteArray("Software\\Quillet\\ann\\Options|") + names[i] + '=' +
                               options.at(i);
            QTest::newRow(name) << change << sw << written << warnings << launches;
        };
        const QByteArray ours = "@install/quillet /d";
        const QByteArray face = kUninstalledFont.toUtf8();
        row("nothing changed", "", no, {" 1", " 1", ours}, {"1", "1", "0", "1", face}, "1101",
            true);
        row("auto login ticked", "chkAutoLogin", yes, {" 1", " 1", ours},
            {"1", "1", "0", "1", face}, "1101", true);
        row("launch cleared", "chkLaunch", no, {" 1", " 0", "run nothing"},
            {"1", "1", "0", "1", face}, "1101", false);
        row("splash cleared", "chkSplash", no, {" 0", " 1", ours}, {"1", "1", "0", "1", face},
            "1101", true);
        // The three keep their ticks while disabled, and are saved with them.
        row("show warnings cleared", "chkShowWarn", no, {" 1", " 1", ours},
            {"0", "1", "0", "1", face}, "0101", true);
        row("save warning cleared", "chkSaveWarn", no, {" 1", " 1", ours},
            {"1", "0", "0", "1", face}, "1001", true);
        row("close warning ticked", "chkCloseWarn", no, {" 1", " 1", ours},
            {"1", "1", "1", "1", face}, "1111", true);
        row("log off warning cleared", "chkLogWarn", no, {" 1", " 1", ours},
            {"1", "1", "0", "0", face}, "1100", true);
        row("font chosen", "cmbFonts", no, {" 1", " 1", ours},
            {"1", "1", "0", "1", QFontDatabase::families().value(0).toUtf8()}, "1101", true);
    }
    void ok_writesEveryOptionInItsOrder()
    {
        QFETCH(QString, change);
        QFETCH(QList<QByteArray>, written);
        QFETCH(QString, warnings);
        QFETCH(bool, launches);
        OptionsFixture f;
        f.storeDefaults();
        f.open();
        f.registry.writes.clear();
        if (change == "cmbFonts")
            f.fonts()->setCurrentIndex(f.fonts()->findText(QFontDatabase::families().value(0)));
        else if (!change.isEmpty())
            f.box(change.toLatin1())->click();

        QTimer::singleShot(0, f.dialog.get(), [&] {
            // Enter on a box presses the default button.
            f.box("chkSplash")->setFocus();
            QTest::keyClick(f.box("chkSplash"), Qt::Key_Return);
        });
        QCOMPARE(f.dialog->exec(), int(QDialog::Accepted));

        for (QByteArray& write : written)
            write.replace("@install", f.t.state.installFolder.toUtf8());
        QCOMPARE(f.registry.writes, written);
        QCOMPARE(f.warningsInUse(), warnings);
        QCOMPARE(f.t.state.defaultFont, QString::fromUtf8(written.last().split('=').last()));
        QVERIFY(f.autostart().contains(launches ? "\nHidden=false\n" : "\nHidden=true\n"));
        QVERIFY(f.t.dialogs.messages.isEmpty());
        QCOMPARE(f.t.help.closeAllCalls, 1);
    }

    void autoLoginCleared_keepsTheStoredUser_andReopensClear()
    {
        OptionsFixture f;
        f.store("yes", "1", "run nothing", {"1", "1", "0", "1", "Arial"});
        f.t.settings.WriteValue(f.t.root("Global\\Autologin"), "User", "bob");
        f.open();
        f.box("chkAutoLogin")->click();
        f.button("cmdOk")->click();
        QCOMPARE(f.t.settings.ReadRawValue(f.t.root("Global\\Autologin"), "Switch"),
                 scrambledByHand("no", "MIRSKO"));
        QCOMPARE(f.t.settings.ReadValue(f.t.root("Global\\Autologin"), "User"), "bob");
        QCOMPARE(f.t.logOn.read(), "run nothing");
        f.open();
        QCOMPARE(f.ticks(), "0011101");
    }

    void cancel_writesNothing_andKeepsTheRunningFlags_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "cmdCancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close";
    }
    void cancel_writesNothing_andKeepsTheRunningFlags()
    {
        QFETCH(QString, how);
        OptionsFixture f;
        f.storeDefaults();
        f.open();
        const QByteArray autostart = f.autostart();
        QTimer::singleShot(0, f.dialog.get(), [&] {
            for (const char* name : {"chkAutoLogin", "chkLaunch", "chkSplash", "chkSaveWarn",
                                     "chkCloseWarn", "chkLogWarn", "chkShowWarn"})
                f.box(name)->click();
            f.fonts()->setCurrentIndex(0);
            if (how == "cmdCancel")
                f.button("cmdCancel")->click();
            else if (how == "Esc")
                QTest::keyClick(f.box("chkSplash"), Qt::Key_Escape);
            else
                f.dialog->close();
        });
        QCOMPARE(f.dialog->exec(), int(QDialog::Rejected));

        QVERIFY(f.registry.writes.isEmpty());
        QCOMPARE(f.autostart(), autostart);
        QCOMPARE(f.warningsInUse(), "1101");
        QCOMPARE(f.t.state.defaultFont, kUninstalledFont);
        QCOMPARE(f.t.help.closeAllCalls, 1);
    }

    void showWarningsCleared_disablesTheThree_keepingTheirTicks()
    {
        OptionsFixture f;
        f.store("no", "1", "ours", {"0", "1", "1", "0", "Arial"});
        f.open();
        const auto state = [&] {
            QString shown;
            for (const char* name : {"chkSaveWarn", "chkCloseWarn", "chkLogWarn"})
                shown += QString(f.box(name)->isEnabled() ? "on" : "off") +
                         (f.box(name)->isChecked() ? "+ " : "- ");
            return shown;
        };
        QCOMPARE(state(), "off+ off+ off- ");
        f.box("chkShowWarn")->click();
        QCOMPARE(state(), "on+ on+ on- ");
        f.box("chkShowWarn")->click();
        QCOMPARE(state(), "off+ off+ off- ");
    }

    void changePassword_opensThePasswordChange_overTheOptions()
    {
        OptionsFixture f;
        f.storeDefaults();
        f.open();
        QString opened;
        bool owned = true;
        bool optionsStayed = false;
        QTimer::singleShot(0, f.dialog.get(), [&] {
            QTimer::singleShot(0, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                opened = modal ? modal->objectName() : QString();
                owned = modal && modal->parentWidget();
                if (modal)
                    QTest::keyClick(modal, Qt::Key_Escape);
            });
            f.button("cmdCngPass")->click();
            optionsStayed = f.dialog->isVisible();
            f.dialog->reject();
        });
        f.dialog->exec();
        QCOMPARE(opened, "frmChPass");
        QVERIFY(!owned);
        QVERIFY(optionsStayed);
    }

    void infoButtons_openTheirTargets_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("documents");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QStringList>("topics");
        QTest::newRow("Readme File")
            << "cmdReadme" << QStringList{"@install/readme.rtf"} << QStringList() << QStringList();
        QTest::newRow("Development History") << "cmdHistory" << QStringList{"@install/history.txt"}
                                             << QStringList() << QStringList();
        QTest::newRow("web site") << "cmdWebsite" << QStringList()
                                  << QStringList{"https://quillet.example.org/"} << QStringList();
        QTest::newRow("Help") << "cmdHelp" << QStringList() << QStringList()
                              << QStringList{"@install/Quillet.chm::/gstart_config.html"};
    }
    void infoButtons_openTheirTargets()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, documents);
        QFETCH(QStringList, urls);
        QFETCH(QStringList, topics);
        OptionsFixture f;
        f.open();
        QSignalSpy finished(f.dialog.get(), &QDialog::finished);
        f.button(button.toLatin1())->click();
        QCOMPARE(f.t.shell.documents.replaceInStrings("@install", f.t.state.installFolder),
                 documents.replaceInStrings("@install", f.t.state.installFolder));
        QCOMPARE(f.t.shell.urls, urls);
        QCOMPARE(f.t.help.topics, topics.replaceInStrings("@install", f.t.state.installFolder));
        QCOMPARE(finished.count(), 0);
        QCOMPARE(f.button("cmdWebsite")->text(), "https://quillet.example.org/");
    }

    void settingsCannotBeWritten_isReported_andTheDialogStays()
    {
        OptionsFixture f;
        f.storeDefaults();
        f.open();
        QSignalSpy finished(f.dialog.get(), &QDialog::finished);
        QVERIFY(f.t.makeSettingsUnwritable());
        f.box("chkSplash")->click();
        f.button("cmdOk")->click();
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages.first().text,
                 "The options could not be saved: the settings file cannot be written.\r\n\r\n" +
                     f.t.registry.location());
        QCOMPARE(f.t.dialogs.messages.first().icon, MessageIcon::Critical);
        QCOMPARE(finished.count(), 0);
    }
};

QUILLET_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
