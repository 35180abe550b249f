#include "fakedialogs.h"
#include "porttool/backgroundjob.h"
#include "porttool/porttoolwindow.h"
#include "porttoolfixture.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>

using namespace Quillet;

namespace {

QByteArray rtfPage(const char* text)
{
    return QByteArray("{\\rtf1\\ansi ") + text + "\\par}";
}

// The window over the fixture's installation, with the days a running Quillet was asked for.
struct WindowFixture : PortToolFixture {
    FakeDialogs dialogs;
    QList<std::pair<QString, QDate>> shown;
    QuilletLink::Result linkResult = QuilletLink::Result::Shown;
    bool quilletRunning = false;
    PortToolWindow window{{settings, kSettingsRoot, install, dialogs,
                           [this](const QString& user, const QDate& date) {
                               shown.append({user, date});
                               return linkResult;
                           },
                           [this] { return quilletRunning; }}};

    template <typename T>
    T* child(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s in the window", name);
        return found;
    }
    QString status() { return child<QLabel>("lblStatus")->text(); }

    void logIn(const QString& user, const QString& password)
    {
        child<QLineEdit>("txtUser")->setText(user);
        child<QLineEdit>("txtPassword")->setText(password);
        QTest::keyClick(child<QLineEdit>("txtPassword"), Qt::Key_Return);
    }
    bool finished()
    {
        // The job has returned once the window takes input again.
        return QTest::qWaitFor(
            [this] { return !window.isBusy() && child<QTabWidget>("tabJobs")->isEnabled(); },
            20000);
    }
};

} // namespace

class tst_PortToolWindow : public QObject {
    Q_OBJECT

private slots:
    void logIn_checksTheAccount_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("status");
        QTest::newRow("wrong password") << "ann"
                                        << "hunter2" << QStringList{"Wrong password"} << 0 << "";
        QTest::newRow("unknown user") << "zoë"
                                      << "secret" << QStringList{"Username not found."} << 0 << "";
        QTest::newRow("any case of the name")
            << "ANN"
            << "secret" << QStringList{} << 1
            << "The diary has 2 pages, from 2003-05-04 to 2004-06-07.";
        QTest::newRow("empty diary")
            << "bob"
            << "hunter2" << QStringList{} << 1 << "The diary has no pages yet.";
    }
    void logIn_checksTheAccount()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QStringList, messages);
        QFETCH(int, page);
        QFETCH(QString, status);
        WindowFixture fixture;
        fixture.writePage("ann", QDate(2003, 5, 4), rtfPage("one"));
        fixture.writePage("ann", QDate(2004, 6, 7), rtfPage("two"));
        fixture.window.show();

        fixture.logIn(user, password);

        QCOMPARE(texts(fixture.dialogs), messages);
        for (const auto& message : fixture.dialogs.messages)
            QCOMPARE(message.title, "Quillet Exporter");
        QCOMPARE(fixture.window.findChild<QStackedWidget*>()->currentIndex(), page);
        QCOMPARE(fixture.status(), status);
        // The password is not kept in the window once the diary is open.
        QCOMPARE(fixture.child<QLineEdit>("txtPassword")->text().isEmpty(), page == 1);
    }

    void export_html_writesEveryPageWithIndex_andShowsProgress()
    {
        WindowFixture fixture;
        const QList<QDate> days = {QDate(2010, 1, 1), QDate(2010, 1, 2), QDate(2011, 3, 4)};
        for (const QDate& day : days)
            fixture.writePage("ann", day, rtfPage("A day."));
        fixture.writePage("bob", QDate(2010, 1, 3), rtfPage("Not ann's."));
        fixture.window.show();
        fixture.logIn("ann", "secret");
        QCOMPARE(fixture.child<QLabel>("lblNotice")->text(),
                 "Exported files are plain, readable diaries: anyone who can open them can read "
                 "every word. They are made readable by you alone; keep them in a private place.");

        const QString out = fixture.path("exports/html");
        fixture.child<QLineEdit>("txtFolder")->setText(out);
        auto* format = fixture.child<QComboBox>("cmbFormat");
        format->setCurrentIndex(format->findText("Web pages with an index (.html)"));
        QTest::keyClick(fixture.child<QLineEdit>("txtFolder"), Qt::Key_Return);

        QVERIFY(fixture.finished());
        QVERIFY2(fixture.status().startsWith("3 pages exported to " +
                                             QDir::toNativeSeparators(out) + " in "),
                 qPrintable(fixture.status()));
        QCOMPARE(
            QDir(out).entryList(QDir::Files),
            QStringList({"2010-01-01.html", "2010-01-02.html", "2011-03-04.html", "index.html"}));
        const QByteArray index = fixture.fileBytes(out + "/index.html");
        for (const char* link : {"2010-01-01.html", "2010-01-02.html", "2011-03-04.html"})
            QVERIFY2(index.contains(QByteArray("<a href=\"") + link + "\">"), link);
        // Owner bits and those of group and others.
        QCOMPARE(int(QFileInfo(out).permissions() & 0x7077), 0x7000);
        QCOMPARE(int(QFileInfo(out + "/index.html").permissions() & 0x7077), 0x6000);
        auto* progress = fixture.child<QProgressBar>("prgJob");
        QCOMPARE(std::pair(progress->value(), progress->maximum()), std::pair(3, 3));
    }

    void export_rangeAndErrors_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QDate>("since");
        QTest::addColumn<QDate>("until");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        QTest::newRow("one day of two") << "out" << QDate(2020, 2, 2) << QDate(2020, 2, 29)
                                        << QStringList{} << "1 page exported to ";
        QTest::newRow("no days in range")
            << "out" << QDate(2021, 1, 1) << QDate(2021, 2, 1) << QStringList{}
            << "There are no pages to export in these days.";
        QTest::newRow("range backwards")
            << "out" << QDate(2020, 2, 2) << QDate(2020, 1, 1)
            << QStringList{"The first day comes after the last one."} << "The diary has 2 pages";
        QTest::newRow("no folder")
            << "  " << QDate() << QDate() << QStringList{"Choose the folder to export to."}
            << "The diary has 2 pages";
        QTest::newRow("folder is a file")
            << "file" << QDate() << QDate() << QStringList{"The export stopped: "}
            << "The export stopped after 0 pages.";
    }
    void export_rangeAndErrors()
    {
        QFETCH(QString, folder);
        QFETCH(QDate, since);
        QFETCH(QDate, until);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        WindowFixture fixture;
        fixture.writePage("ann", QDate(2020, 1, 1), rtfPage("New year."));
        fixture.writePage("ann", QDate(2020, 2, 2), rtfPage("Groundhog."));
        PortToolFixture::writeFile(fixture.path("file"), "in the way");
        fixture.window.show();
        fixture.logIn("ann", "secret");
        fixture.child<QLineEdit>("txtFolder")
            ->setText(folder.trimmed().isEmpty() ? folder : fixture.path(folder));
        auto* format = fixture.child<QComboBox>("cmbFormat");
        format->setCurrentIndex(format->findText("Plain text, a file a day (.txt)"));
        if (since.isValid()) {
            fixture.window.findChild<QCheckBox*>("chkAllDays")->setChecked(false);
            fixture.window.findChild<QDateEdit*>("dtpSince")->setDate(since);
            fixture.window.findChild<QDateEdit*>("dtpUntil")->setDate(until);
        }

        fixture.child<QPushButton>("cmdExport")->click();

        QVERIFY(fixture.finished());
        const QStringList shown = texts(fixture.dialogs);
        QCOMPARE(shown.size(), messages.size());
        for (qsizetype i = 0; i < shown.size(); ++i)
            QVERIFY2(shown[i].startsWith(messages[i]), qPrintable(shown[i]));
        QVERIFY2(fixture.status().startsWith(status), qPrintable(fixture.status()));
        if (QTest::currentDataTag() == QLatin1String("one day of two"))
            QCOMPARE(QDir(fixture.path("out")).entryList(QDir::Files), {"2020-02-02.txt"});
    }

    void import_checkFirst_thenImport()
    {
        WindowFixture fixture;
        fixture.writePage("ann", QDate(2015, 7, 1), rtfPage("Kept."));
        PortToolFixture::writeFile(fixture.path("in/2015-07-01.txt"), "Again.\n");
        PortToolFixture::writeFile(fixture.path("in/02.07.2015 walk.txt"), "A walk.\n");
        PortToolFixture::writeFile(fixture.path("in/notes.txt"), "No day.\n");
        fixture.window.show();
        fixture.logIn("ann", "secret");
        fixture.dialogs.folderAnswers.enqueue(fixture.path("in"));
        fixture.window.cmdAddFolder_Click();
        auto* files = fixture.child<QListWidget>("lstFiles");
        QCOMPARE(files->count(), 3);

        fixture.child<QPushButton>("cmdCheck")->click();
        QVERIFY(fixture.finished());
        auto* results = fixture.child<QListWidget>("lstImported");
        const QString in = fixture.path("in/");
        QStringList lines;
        for (int i = 0; i < results->count(); ++i)
            lines << results->item(i)->text();
        QCOMPARE(lines, QStringList({in + "02.07.2015 walk.txt: would add 2015-07-02",
                                     in + "2015-07-01.txt: would skip 2015-07-01, which has a page",
                                     in + "notes.txt: no date in the name, not imported"}));
        QCOMPARE(fixture.status(), "1 page would be imported, 1 skipped, 1 not imported.");
        QVERIFY(!fixture.diary("ann").hasPage(QDate(2015, 7, 2)));

        fixture.child<QPushButton>("cmdImport")->click();
        QVERIFY(fixture.finished());
        QCOMPARE(fixture.status(), "1 page imported, 1 skipped, 1 not imported.");
        QVERIFY(fixture.diary("ann").read(QDate(2015, 7, 2))->contains("A walk."));
        QVERIFY(fixture.diary("ann").read(QDate(2015, 7, 1))->contains("Kept."));
    }

    void import_whileQuilletRuns_asksFirst_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("imported");
        QTest::newRow("import anyway") << MessageAnswer::Ok << true;
        QTest::newRow("close Quillet first") << MessageAnswer::Cancel << false;
    }
    void import_whileQuilletRuns_asksFirst()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, imported);
        WindowFixture fixture;
        fixture.quilletRunning = true;
        PortToolFixture::writeFile(fixture.path("in/2015-07-02.txt"), "A walk.\n");
        fixture.window.show();
        fixture.logIn("ann", "secret");
        fixture.dialogs.fileAnswers.enqueue({fixture.path("in/2015-07-02.txt")});
        fixture.window.cmdAddFiles_Click();

        // Checking first writes nothing: no question.
        fixture.child<QPushButton>("cmdCheck")->click();
        QVERIFY(fixture.finished());
        QCOMPARE(fixture.dialogs.messages.size(), 0);

        fixture.dialogs.answers.enqueue(answer);
        fixture.child<QPushButton>("cmdImport")->click();
        QVERIFY(fixture.finished());
        QCOMPARE(texts(fixture.dialogs),
                 QStringList{"Quillet is running. A page it has open would be saved over what you "
                             "import into that day.\r\n\r\nClose Quillet first, or import "
                             "anyway?"});
        QCOMPARE(fixture.dialogs.messages.first().buttons, MessageButtons::OkCancel);
        QCOMPARE(fixture.diary("ann").hasPage(QDate(2015, 7, 2)), imported);
    }

    void import_withoutFiles_says_so()
    {
        WindowFixture fixture;
        PortToolFixture::writeFile(fixture.path("empty/readme.pdf"), "%PDF");
        fixture.window.show();
        fixture.logIn("ann", "secret");
        fixture.dialogs.folderAnswers.enqueue(fixture.path("empty"));
        fixture.window.cmdAddFolder_Click();
        fixture.child<QPushButton>("cmdImport")->click();
        QCOMPARE(texts(fixture.dialogs),
                 QStringList({QDir::toNativeSeparators(fixture.path("empty")) +
                                  " holds no .rtf, .txt, .md or .html files.",
                              "Add the files to import first."}));
    }

    void find_listsNewestFirst_andShowsTheDayInQuillet_data()
    {
        QTest::addColumn<QuilletLink::Result>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("status");
        QTest::newRow("shown") << QuilletLink::Result::Shown << ""
                               << "Quillet shows 2019-04-01.";
        QTest::newRow("not running")
            << QuilletLink::Result::NotRunning
            << "Quillet is not running. Start Quillet and log in as ann to see 2019-04-01."
            << "2 lines found on 2 days.";
        QTest::newRow("other user")
            << QuilletLink::Result::OtherUser
            << "Quillet is open for another user. Log in as ann to see 2019-04-01."
            << "2 lines found on 2 days.";
        QTest::newRow("busy") << QuilletLink::Result::Busy
                              << "Quillet is waiting for an answer in one of its windows. Answer "
                                 "it, then choose the day again."
                              << "2 lines found on 2 days.";
    }
    void find_listsNewestFirst_andShowsTheDayInQuillet()
    {
        QFETCH(QuilletLink::Result, result);
        QFETCH(QString, message);
        QFETCH(QString, status);
        WindowFixture fixture;
        fixture.writePage("ann", QDate(2018, 12, 24), rtfPage("Snow at the \\'e9t\\'e9 house."));
        fixture.writePage("ann", QDate(2019, 4, 1), rtfPage("Back at the ETE house."));
        fixture.writePage("ann", QDate(2019, 5, 1), rtfPage("Nothing here."));
        fixture.window.show();
        fixture.logIn("ann", "secret");
        auto* tabs = fixture.child<QTabWidget>("tabJobs");
        tabs->setCurrentIndex(2);
        fixture.child<QLineEdit>("txtWords")->setText("\"été house\"");
        QTest::keyClick(fixture.child<QLineEdit>("txtWords"), Qt::Key_Return);
        QVERIFY(fixture.finished());

        auto* hits = fixture.child<QTreeWidget>("lstHits");
        QCOMPARE(hits->topLevelItemCount(), 2);
        QCOMPARE(hits->topLevelItem(0)->text(0), "2019-04-01");
        QCOMPARE(hits->topLevelItem(0)->text(1), "Back at the ETE house.");
        QCOMPARE(hits->topLevelItem(1)->text(0), "2018-12-24");
        QCOMPARE(fixture.status(), "2 lines found on 2 days.");

        fixture.linkResult = result;
        QTest::keyClick(hits, Qt::Key_Return);
        QCOMPARE(fixture.shown, (QList<std::pair<QString, QDate>>{{"ann", QDate(2019, 4, 1)}}));
        QCOMPARE(texts(fixture.dialogs), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(fixture.status(), status);
        // Enter on a hit shows its day and starts no new search.
        QVERIFY(!fixture.window.isBusy());
    }

    void find_withNoWords_asksForThem()
    {
        WindowFixture fixture;
        fixture.window.show();
        fixture.logIn("ann", "secret");
        fixture.child<QTabWidget>("tabJobs")->setCurrentIndex(2);
        fixture.child<QLineEdit>("txtWords")->setText("  \"\" ");
        fixture.child<QPushButton>("cmdFind")->click();
        QCOMPARE(texts(fixture.dialogs), QStringList{"Type the words to find."});
        QVERIFY(!fixture.window.isBusy());
    }

    void backgroundJob_reportsProgress_cancels_andFinishesOnTheWindowThread()
    {
        BackgroundJob job;
        QSignalSpy progressed(&job, &BackgroundJob::progressed);
        QSemaphore started;
        QThread* doneOn = nullptr;
        bool sawCancel = false;
        job.start(
            [&](JobProgress& progress) {
                progress.start(4);
                progress.advance();
                started.release();
                while (!progress.cancelled())
                    QThread::msleep(1);
                sawCancel = true;
            },
            [&] { doneOn = QThread::currentThread(); });
        started.acquire();
        QVERIFY(QTest::qWaitFor([&] {
            return !progressed.isEmpty() && progressed.last() == QVariantList({1, 4});
        }));
        QVERIFY(job.isRunning());

        job.cancel();
        QVERIFY(QTest::qWaitFor([&] { return doneOn != nullptr; }));
        QVERIFY(sawCancel);
        QCOMPARE(doneOn, QThread::currentThread());
    }
};

QUILLET_TEST_MAIN(tst_PortToolWindow)
#include "tst_porttoolwindow.moc"
