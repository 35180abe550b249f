#include "mainfixture.h"
#include "mainwindow/bookmarks.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

using namespace Quillet;

namespace {

const QDate kToday(2001, 8, 5);
const QDate kDec5(2001, 12, 5);

QString bookmarkFile(const MainFixture& f)
{
    return f.t.state.installFolder + "/files/ann/bookmarks.txt";
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QStringList rows(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// The next login's main window, which reads the files as they are now.
void logInAgain(MainFixture& f)
{
    QVERIFY(f.windows.unloadWindow(WindowId::Main));
    f.windows.showWindow(WindowId::Main);
}

void clickRow(QListWidget* list, int row)
{
    const QRect place = list->visualItemRect(list->item(row));
    QVERIFY(!place.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

// The default locale for as long as it lives.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_before); }

private:
    QLocale m_before;
};

} // namespace

class BookmarksTest : public QObject {
    Q_OBJECT

private slots:
    void add_storesTheCalendarsDay_andAddsTheRow_data()
    {
        QTest::addColumn<QString>("answer"); // null: the box is cancelled
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("row");
        QTest::newRow("proposal accepted")
            << "Dec 05,2001" << QByteArray("\"Dec 05,2001\",#2001-12-05#\r\n") << "Dec 05,2001";
        QTest::newRow("commas") << "Trip to the lake, with Ann, and Bob"
                                << QByteArray(
                                       "\"Trip to the lake, with Ann, and Bob\",#2001-12-05#\r\n")
                                << "Trip to the lake, with Ann, and Bob";
        QTest::newRow("cancelled") << QString() << QByteArray("\"\",#2001-12-05#\r\n") << "";
        QTest::newRow("quotes") << "The \"big\" swim"
                                << QByteArray("\"The \"\"big\"\" swim\",#2001-12-05#\r\n")
                                << "The \"big\" swim";
    }
    void add_storesTheCalendarsDay_andAddsTheRow()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, file);
        QFETCH(QString, row);
        // The proposal is in English whatever the user's language.
        DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        MainFixture f(false);
        f.clickDay(kDec5);
        if (!answer.isNull())
            f.t.dialogs.inputAnswers.enqueue(answer);

        f.child<QPushButton>("cmdBookAdd")->click();

        QCOMPARE(f.t.dialogs.inputs.size(), 1);
        QCOMPARE(f.t.dialogs.inputs[0].prompt, "Please enter a description");
        QCOMPARE(f.t.dialogs.inputs[0].title, "Bookmark");
        QCOMPARE(f.t.dialogs.inputs[0].proposed, "Dec 05,2001");
        QCOMPARE(contentOf(bookmarkFile(f)), file);
        QCOMPARE(rows(f.child<QListWidget>("lstBookMark")), QStringList{row});
        QCOMPARE(f.main()->bookmarks().dateTable(), QList<QDate>{kDec5});
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void add_thatCannotBeStored_isReported_andAddsNoRow()
    {
        MainFixture f(false);
        QVERIFY(QDir().mkpath(bookmarkFile(f)));
        f.t.dialogs.inputAnswers.enqueue("Lake");

        f.child<QPushButton>("cmdBookAdd")->click();

        QCOMPARE(f.t.dialogs.messages.size(), 1);
        const FakeDialogs::Message& shown = f.t.dialogs.messages[0];
        QCOMPARE(shown.text, "The bookmark could not be stored.\r\nFilename refers to a directory");
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.title, "quillet");
        QCOMPARE(f.child<QListWidget>("lstBookMark")->count(), 0);
        QVERIFY(f.main()->bookmarks().dateTable().isEmpty());
    }

    void load_fillsTheListAndTheDateTable_andARowGoesToItsPage()
    {
        MainFixture f(false);
        f.setWarnings(false, false, false, false);
        f.clickDay(kDec5);
        f.page()->setText("Swam across the lake");
        QVERIFY(f.main()->pageStore().SavePage());
        QFile file(bookmarkFile(f));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\"Lake, with Ann\",#2001-12-05#\r\n\"Caf\xe9\",#2001-08-05#\r\n"
                   "\"Party\",#someday#\r\n");
        file.close();
        logInAgain(f);

        auto* list = f.child<QListWidget>("lstBookMark");
        QCOMPARE(rows(list), (QStringList{"Lake, with Ann", "Café", "Party"}));
        QCOMPARE(f.main()->bookmarks().dateTable(), (QList<QDate>{kDec5, kToday, QDate()}));
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);
        f.child<QPushButton>("cmdBookList")->click();
        QVERIFY(list->isVisible());

        clickRow(list, 2); // no date: nothing happens
        QCOMPARE(f.calendar()->Value(), kToday);
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);

        f.makeDirty("words not saved");
        clickRow(list, 1); // the shown day: nothing is loaded again
        QCOMPARE(f.page()->Text(), "words not saved");

        clickRow(list, 0);
        QCOMPARE(f.calendar()->Value(), kDec5);
        QCOMPARE(f.main()->pageStore().shownDate(), kDec5);
        QCOMPARE(f.page()->Text(), "Swam across the lake");
        QCOMPARE(f.child<QLabel>("Label5")->text(), "Dec 05, 2001");
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    // An installation that cannot be written keeps its users' files elsewhere.
    void pagesAndBookmarks_liveInTheDataFolder_andNothingIsWrittenUnderTheInstallation()
    {
        MainFixture f(false, [](TestContext& t) { t.state.dataFolder = t.dir.path() + "/data"; });
        f.setWarnings(false, false, false, false);
        f.clickDay(kDec5);
        f.page()->setText("Swam across the lake");
        QVERIFY(f.main()->pageStore().SavePage());
        f.t.dialogs.inputAnswers.enqueue("Lake");
        f.child<QPushButton>("cmdBookAdd")->click();

        const QString folder = f.t.dir.path() + "/data/files/ann";
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 (QStringList{"5_12_2001.DIARY", "bookmarks.txt"}));
        QCOMPARE(contentOf(folder + "/bookmarks.txt"), QByteArray("\"Lake\",#2001-12-05#\r\n"));
        QVERIFY(!QFileInfo::exists(f.t.state.installFolder));

        logInAgain(f);
        QCOMPARE(rows(f.child<QListWidget>("lstBookMark")), QStringList{"Lake"});
        f.clickDay(kDec5);
        QCOMPARE(f.page()->Text(), "Swam across the lake");
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void bookmarksButton_showsTheListBesideTheEditor_andHidesIt()
    {
        MainFixture f(false);
        f.main()->resize(800, 600);
        f.main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main()));
        auto* button = f.child<QPushButton>("cmdBookList");
        auto* list = f.child<QListWidget>("lstBookMark");
        // The panel is 600 x 480 with a frame of 1: 598 wide inside.
        QCOMPARE(f.child<QFrame>("picMain")->size(), QSize(600, 480));

        button->click();
        QVERIFY(list->isVisible());
        QTRY_VERIFY(list->hasFocus());
        QCOMPARE(list->x(), 598 - 96);
        QCOMPARE(list->height(), 480 - 60);
        QCOMPARE(f.page()->width(), 598 - (88 + 8));

        button->click();
        QVERIFY(!list->isVisible());
        QCOMPARE(f.page()->width(), 598 - 6);
    }
};

QUILLET_TEST_MAIN(BookmarksTest)
#include "tst_bookmarks.moc"
