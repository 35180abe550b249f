#include "mainfixture.h"
#include "mainwindow/pagetoolbar.h"
#include "testmain.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace Quillet;

namespace {

const QDate kToday(2001, 8, 5);
const QString kSaveQuestion = "Current page is not saved, Do you want to save it now?";
const QString kQuitQuestion = "Are you sure you want to quit Quillet?";
const QString kLogOffQuestion = "Are you sure, you want to logoff?";

// Puts a file of the program's own into the installation folder.
[[nodiscard]] bool writeInstallFile(const TestContext& t, const QString& name,
                                    const QByteArray& content)
{
    QDir().mkpath(t.state.installFolder);
    QFile file(t.state.installFile(name));
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void load_showsTodaysPage_andRecordsTheInstallation()
    {
        MainFixture f;
        QVERIFY(f.main()->isVisible());
        QVERIFY(f.t.state.mainWindowLoaded);
        QCOMPARE(f.calendar()->Value(), kToday);
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);
        QCOMPARE(f.child<QLabel>("Label5")->text(), "Aug 05, 2001");
        QCOMPARE(f.history()->count(), 1);
        QCOMPARE(f.history()->currentText(), "August 05, 2001");
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Clean);
        QCOMPARE(f.child<QLabel>("Label3")->text(), "Version [2.0]");
        QCOMPARE(f.child<QLabel>("lblSpaceFill")->text(), "Version 2.0.23 [August 28,2001]");
        QCOMPARE(f.main()->minimumSize(), QSize(608, 449));
        QCOMPARE(f.main()->windowTitle(), " Quillet");
        for (const char* name :
             {"Calender",   "page",          "Toolbar",      "cmbFntName", "cmbFntSize",
              "cmbHistory", "cmdGo",         "cmdBookList",  "cmdBookAdd", "lstBookMark",
              "cmdMenu",    "picMain",       "picSideBar",   "File1",      "picClock",
              "tmrClock",   "tmrEarthquake", "Label1",       "Label2",     "Label3",
              "Label4",     "Label5",        "lblSpaceFill", "Image1"})
            QVERIFY2(f.main()->findChild<QObject*>(name), name);
        QCOMPARE(f.main()->findChildren<QWidget*>("colBlocks").size(), 16);
        QCOMPARE(f.main()->findChildren<QWidget*>("Line1").size(), 3);
        QCOMPARE(f.child<QPushButton>("cmdGo")->text(), "Go!");
        QCOMPARE(f.child<QPushButton>("cmdBookList")->text(), "Bookmarks");
        QCOMPARE(f.child<QLabel>("Label1")->text(), "Quote:");
        QCOMPARE(f.child<QLabel>("Label4")->text(), "Quick Nav :");
        QCOMPARE(f.history()->toolTip(), "Enter date and press Go!");

        const QString install = f.t.root("Install");
        QCOMPARE(f.t.settings.ReadValue(install, "Path"), f.t.state.installFolder);
        QCOMPARE(f.t.settings.ReadValue(install, "File"), "tst_mainwindow");
        QCOMPARE(f.t.settings.ReadValue(install, "Version0"), "2");
        QCOMPARE(f.t.settings.ReadValue(install, "Version1"), "0");
        QCOMPARE(f.t.settings.ReadValue(install, "Version2"), "23");
    }

    void porttoolBesideTheProgram_isRecordedForTheMenu_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("executable");
        QTest::newRow("executable porttool") << true << true;
        QTest::newRow("porttool that cannot run") << true << false;
        QTest::newRow("no porttool") << false << false;
    }

    void porttoolBesideTheProgram_isRecordedForTheMenu()
    {
        QFETCH(bool, present);
        QFETCH(bool, executable);
        const bool installed = present && executable;
        MainFixture f(true, [&](TestContext& t) {
            if (!present)
                return;
            QVERIFY(writeInstallFile(t, "porttool", "#!/bin/sh\n"));
            if (executable)
                QFile::setPermissions(t.state.installFile("porttool"),
                                      QFile::permissions(t.state.installFile("porttool")) |
                                          QFileDevice::ExeOwner);
        });
        const QString install = f.t.state.installFolder;
        QCOMPARE(f.t.appSettings.readSetting("Quillet Exporter", "Install", "Path", "no"),
                 installed ? install : "no");
        QCOMPARE(f.t.appSettings.readSetting("Quillet Exporter", "Install", "Switch", "no"),
                 installed ? "yes" : "no");

        QAction* item = nullptr;
        for (QAction* action : f.main()->findChild<QMenu*>("m_cMenu")->actions())
            if (action->text() == "&File Export\\Import")
                item = action;
        QVERIFY(item);
        QCOMPARE(item->isEnabled(), installed);
        if (installed) {
            item->trigger();
            QCOMPARE(f.t.shell.programs, QStringList{install + "/porttool"});
        }
    }

    void quotation_isTheSameFirstOnEveryStart_andLabel1PicksAnother()
    {
        QStringList firstShown;
        for (int start = 0; start < 2; ++start) {
            TestContext seed;
            QVERIFY(writeInstallFile(
                seed, "quotes.txt", "one\ntwo\nthree\nfour\nfive\nsix\nseven\neight\nnine\nten\n"));
            seed.state.currentUser = "ann";
            Windows windows(seed.context);
            windows.showWindow(WindowId::Main);
            auto* quote = windows.window(WindowId::Main)->findChild<QLabel*>("Label2");
            firstShown << quote->text();
            QStringList picks{quote->text()};
            for (int click = 0; click < 5; ++click) {
                QTest::mouseClick(windows.window(WindowId::Main)->findChild<QLabel*>("Label1"),
                                  Qt::LeftButton);
                picks << quote->text();
            }
            QVERIFY(picks.removeDuplicates() < 5);
        }
        QCOMPARE(firstShown.first(), firstShown.last());
        QVERIFY(!firstShown.first().startsWith('"'));
    }

    void quotation_isShownAsPlainText()
    {
        TestContext t;
        QVERIFY(writeInstallFile(t, "quotes.txt", "<b>Bold</b> &amp; <i>brave</i>\n"));
        t.state.currentUser = "ann";
        Windows windows(t.context);
        windows.showWindow(WindowId::Main);
        auto* quote = windows.window(WindowId::Main)->findChild<QLabel*>("Label2");
        QCOMPARE(quote->text(), "<b>Bold</b> &amp; <i>brave</i>");
        QLabel plain;
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(quote->font());
        // The quotation stands on the window's colour, which it inherits; set on the loose label
        // explicitly, or that label would take the application's default instead.
        QPalette colours = quote->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Window));
        plain.setPalette(colours);
        plain.setWordWrap(true);
        plain.setAlignment(quote->alignment());
        plain.setText(quote->text());
        plain.resize(quote->size());
        QCOMPARE(quote->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void welcomePage_isNeverSaved_theFirstKeyStartsAnEmptyPage()
    {
        TestContext t;
        QVERIFY(writeInstallFile(
            t, "welcome.rtf",
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs40\\b Welcome to your diary\\par}"));
        t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        UserAccounts(t.settings, t.state.settingsRoot).createUser("ann", "secret");
        t.state.currentUser = "ann";
        t.state.firstRun = true;
        t.state.newUser = true;
        Windows windows(t.context);
        windows.showWindow(WindowId::Main);
        auto* main = windows.window<frmMain>(WindowId::Main);
        auto* page = main->findChild<RichTextBox*>("page");
        QCOMPARE(page->Text(), "Welcome to your diary");

        // Looked at, clicked into and left: nothing of it is the user's.
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        main->navigation().GoToDate(QDate(2001, 8, 6));
        QVERIFY(t.dialogs.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(main->pageStore().pageFilePath(kToday)));
        main->navigation().GoToDate(kToday);
        QCOMPARE(page->Text(), QString());

        windows.unloadWindow(WindowId::Main);
        t.state.firstRun = true;
        windows.showWindow(WindowId::Main);
        main = windows.window<frmMain>(WindowId::Main);
        page = main->findChild<RichTextBox*>("page");
        QCOMPARE(page->Text(), "Welcome to your diary");
        page->setFocus();
        QApplication::clipboard()->setText("Dear");
        page->paste();
        QTest::keyClicks(page, " diary");
        QCOMPARE(page->Text(), "Dear diary");
        page->selectAll();
        QCOMPARE(page->SelBold(), std::optional<bool>(false));
        QCOMPARE(page->SelFontSize(), std::optional<qreal>(10));
        QCOMPARE(page->SelFontName(), std::optional<QString>("Comic Sans MS"));
    }

    void keysInTheCalendar_leaveSaveAndDeleteOnTheShownPage()
    {
        MainFixture f(false);
        f.makeDirty("today's words");
        auto* grid = f.calendar()->findChild<QWidget*>("qt_calendar_calendarview");
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Right);
        f.child<PageToolbar>("Toolbar")->button(QStringLiteral("save"))->trigger();
        QVERIFY(QFileInfo::exists(f.main()->pageStore().pageFilePath(kToday)));
        QVERIFY(!QFileInfo::exists(f.main()->pageStore().pageFilePath(QDate(2001, 8, 7))));

        f.makeDirty("more words");
        f.child<PageToolbar>("Toolbar")->button(QStringLiteral("delete"))->trigger();
        QVERIFY(!QFileInfo::exists(f.main()->pageStore().pageFilePath(kToday)));
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);
    }

    void newUser_defaultsAreWrittenBeforeThePreferencesAreRead()
    {
        MainFixture f;
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Options"), "CloseWarning"), "0");
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Options"), "Font"), "Comic Sans MS");
        QVERIFY(f.t.state.warnings.showWarnings);
        QVERIFY(f.t.state.warnings.saveWarning);
        QVERIFY(!f.t.state.warnings.closeWarning);
        QVERIFY(f.t.state.warnings.logWarning);
        QCOMPARE(f.t.state.defaultFont, "Comic Sans MS");
        QCOMPARE(f.page()->SelFontName(), std::optional<QString>("Comic Sans MS"));
    }

    void quit_asksWhatTheWarningsAskFor_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("close");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        const QList<MessageAnswer> yes{MessageAnswer::Yes, MessageAnswer::Yes};
        for (int flags = 0; flags < 8; ++flags) {
            const bool show = flags & 1, save = flags & 2, close = flags & 4;
            QStringList asked;
            if (show && close)
                asked << kQuitQuestion;
            if (show && save)
                asked << kSaveQuestion;
            QTest::addRow("show %d save %d close %d, all yes", show, save, close)
                << show << save << close << yes << asked << true << (show && save);
        }
        QTest::newRow("no at the quit question")
            << true << true << true << QList<MessageAnswer>{MessageAnswer::No}
            << QStringList{kQuitQuestion} << false << false;
        QTest::newRow("cancel at the save question")
            << true << true << false << QList<MessageAnswer>{MessageAnswer::Cancel}
            << QStringList{kSaveQuestion} << false << false;
        QTest::newRow("no at the save question")
            << true << true << false << QList<MessageAnswer>{MessageAnswer::No}
            << QStringList{kSaveQuestion} << true << false;
    }
    void quit_asksWhatTheWarningsAskFor()
    {
        QFETCH(bool, show);
        QFETCH(bool, save);
        QFETCH(bool, close);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        MainFixture f;
        f.setWarnings(show, save, close, true);
        f.makeDirty();
        f.calendar()->setValue(QDate(2001, 8, 20)); // the save goes to the shown date all the same
        f.main()->move(30, 40);
        f.t.dialogs.answers.append(answers);

        QCOMPARE(f.main()->close(), closed);

        QCOMPARE(texts(f.t.dialogs), asked);
        for (const auto& message : f.t.dialogs.messages) {
            QCOMPARE(message.title, "quillet");
            QCOMPARE(message.icon, MessageIcon::None);
            QCOMPARE(message.buttons, message.text == kSaveQuestion ? MessageButtons::YesNoCancel
                                                                    : MessageButtons::YesNo);
        }
        QCOMPARE(QFileInfo::exists(f.main()->pageStore().pageFilePath(kToday)), saved);
        // The metrics are stored before any question, also when the quit is called off.
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Metrics"), "Left"), "450");
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Metrics"), "Window State"), "0");
        QCOMPARE(f.t.help.closeAllCalls, closed ? 1 : 0);
        if (closed)
            QTRY_VERIFY(f.windows.programEnded());
        else
            QVERIFY(f.main()->isVisible());
    }

    void logOff_asksOnlyTheLogOffAndSaveQuestions_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("logOff");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("loggedOff");
        const QList<MessageAnswer> yes{MessageAnswer::Yes, MessageAnswer::Yes};
        for (int flags = 0; flags < 8; ++flags) {
            const bool show = flags & 1, save = flags & 2, logOff = flags & 4;
            QStringList asked;
            if (show && logOff)
                asked << kLogOffQuestion;
            if (show && save)
                asked << kSaveQuestion;
            QTest::addRow("show %d save %d logoff %d, all yes", show, save, logOff)
                << show << save << logOff << yes << asked << true;
        }
        QTest::newRow("no at the log-off question")
            << true << true << true << QList<MessageAnswer>{MessageAnswer::No}
            << QStringList{kLogOffQuestion} << false;
        QTest::newRow("cancel at the save question")
            << true << true << true
            << QList<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::Cancel}
            << QStringList{kLogOffQuestion, kSaveQuestion} << false;
    }
    void logOff_asksOnlyTheLogOffAndSaveQuestions()
    {
        QFETCH(bool, show);
        QFETCH(bool, save);
        QFETCH(bool, logOff);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, asked);
        QFETCH(bool, loggedOff);
        MainFixture f;
        f.setWarnings(show, save, /*close*/ true, logOff);
        f.makeDirty();
        f.t.dialogs.answers.append(answers);

        f.main()->LogOff();

        QCOMPARE(texts(f.t.dialogs), asked);
        if (!asked.isEmpty() && asked.first() == kLogOffQuestion)
            QCOMPARE(f.t.dialogs.messages.first().title, "Log off?");
        QCOMPARE(f.windows.isLoaded(WindowId::Main), !loggedOff);
        QCOMPARE(f.windows.isLoaded(WindowId::Login), loggedOff);
        QVERIFY(!f.windows.programEnded());
        QCOMPARE(f.t.state.currentUser, "ann");
        // A log off that did not happen leaves the quit question as it was.
        QCOMPARE(f.t.state.warnings.closeWarning, !loggedOff);
    }

    void goToDate_dirtyPage_asksOnce_yesSavesTheShownDate()
    {
        MainFixture f(false);
        f.setWarnings(true, true, false, false);
        f.makeDirty("written on the fifth");
        f.clickDay(QDate(2001, 8, 9));
        QCOMPARE(texts(f.t.dialogs), QStringList{kSaveQuestion});
        QCOMPARE(f.t.dialogs.messages.first().buttons, MessageButtons::YesNo);
        QVERIFY(QFileInfo::exists(f.main()->pageStore().pageFilePath(kToday)));
        QCOMPARE(f.main()->pageStore().shownDate(), QDate(2001, 8, 9));
        QCOMPARE(f.page()->Text(), QString());
        f.clickDay(kToday);
        QCOMPARE(f.page()->Text(), "written on the fifth");
    }

    void go_dirtyPageAnsweredNo_asksTwice()
    {
        MainFixture f(false);
        f.setWarnings(true, true, false, false);
        f.makeDirty();
        f.t.dialogs.answers << MessageAnswer::No << MessageAnswer::No;
        f.history()->setCurrentText("August 20, 2001");
        QTest::keyClick(f.history()->lineEdit(), Qt::Key_Return);
        QCOMPARE(texts(f.t.dialogs), (QStringList{kSaveQuestion, kSaveQuestion}));
        QCOMPARE(f.main()->pageStore().shownDate(), QDate(2001, 8, 20));
        QCOMPARE(f.page()->Text(), QString());
    }

    void go_readsTheUsualDateForms_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::newRow("history form") << "December 05, 2001" << QDate(2001, 12, 5);
        QTest::newRow("caption form") << "Dec 5, 2001" << QDate(2001, 12, 5);
        QTest::newRow("ISO") << "2001-12-05" << QDate(2001, 12, 5);
        QTest::newRow("short date") << "12/5/01" << QDate(2001, 12, 5);
        QTest::newRow("not a date") << "next tuesday" << kToday;
        QTest::newRow("empty") << "" << kToday;
    }
    void go_readsTheUsualDateForms()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        MainFixture f(false);
        f.history()->setCurrentText(typed);
        f.child<QPushButton>("cmdGo")->click();
        QCOMPARE(f.main()->pageStore().shownDate(), date);
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void history_keepsTheSixteenNewest()
    {
        MainFixture f(false);
        for (int day = 1; day <= 17; ++day)
            f.clickDay(QDate(2002, 1, day));
        QCOMPARE(f.history()->count(), 16);
        QCOMPARE(f.history()->itemText(0), "January 17, 2002");
        QCOMPARE(f.history()->itemText(15), "January 02, 2002");
        f.clickDay(QDate(2002, 1, 9));
        QCOMPARE(f.history()->itemText(0), "January 17, 2002");
        QCOMPARE(f.history()->currentText(), "January 09, 2002");
    }

    void refusedPage_changesTheShownDateOnly()
    {
        MainFixture f(false);
        const QDate theirs(2001, 8, 7);
        const QString path = f.main()->pageStore().pageFilePath(theirs);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(PageFileBytesOfBob());
        file.close();

        f.clickDay(theirs);
        QCOMPARE(texts(f.t.dialogs), QStringList{"Sorry! This page belongs to another user!"});
        QCOMPARE(f.main()->pageStore().shownDate(), theirs);
        QCOMPARE(f.history()->count(), 1);
        QCOMPARE(f.child<QLabel>("Label5")->text(), "Aug 05, 2001");

        // The emptied editor is no page of ours: leaving it asks nothing and saves nothing.
        f.setWarnings(true, true, false, false);
        f.clickDay(kToday);
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QVERIFY(!f.main()->pageStore().shownPageRefused());
    }

private:
    static QByteArray PageFileBytesOfBob();
};

#include "startup/scrambler.h"

QByteArray MainWindowTest::PageFileBytesOfBob()
{
    return Scramble("{\\rtf1 bob's day}", BELKA) + "$SACRM$" + Scramble("bob", DORN) + "$ENC$";
}

QUILLET_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
