#include "linkasker.h"
#include "mainfixture.h"
#include "testmain.h"

#include <QDialog>
#include <QFileInfo>

using namespace Quillet;

namespace {

const QDate kToday(2001, 8, 5);
const QDate kDay(2001, 8, 9);
const QString kSaveQuestion = "Current page is not saved, Do you want to save it now?";

} // namespace

// A companion program asks the running main window to show a day.
class DayLinkTest : public QObject {
    Q_OBJECT

private slots:
    void dayOfTheLoggedInUser_isShown()
    {
        MainFixture f;
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
        QTRY_COMPARE(f.main()->pageStore().shownDate(), kDay);
        QCOMPARE(f.calendar()->Value(), kDay);
        QCOMPARE(f.child<QLabel>("Label5")->text(), "Aug 09, 2001");
        QCOMPARE(f.history()->currentText(), "August 09, 2001");
        QVERIFY(f.main()->isVisible());
        // One user, one name, however the asking program spells it.
        QCOMPARE(askToShow("ANN", kToday), QuilletLink::Result::Shown);
        QTRY_COMPARE(f.main()->pageStore().shownDate(), kToday);
        QCOMPARE(texts(f.t.dialogs), QStringList());
    }

    void dirtyPage_isAskedAbout_first_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << MessageAnswer::Yes << true;
        QTest::newRow("no") << MessageAnswer::No << false;
    }
    void dirtyPage_isAskedAbout_first()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, saved);
        MainFixture f;
        f.setWarnings(true, true, true, true);
        f.makeDirty();
        f.t.dialogs.answers.enqueue(answer);
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
        QTRY_COMPARE(f.main()->pageStore().shownDate(), kDay);
        QCOMPARE(texts(f.t.dialogs), QStringList{kSaveQuestion});
        QCOMPARE(QFileInfo::exists(f.main()->pageStore().pageFilePath(kToday)), saved);
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Clean);
    }

    void anotherUser_isRefused_andThePageStays()
    {
        MainFixture f;
        f.makeDirty();
        QCOMPARE(askToShow("bob", kDay), QuilletLink::Result::OtherUser);
        QCoreApplication::processEvents();
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Dirty);
        QCOMPARE(texts(f.t.dialogs), QStringList());
    }

    void openDialog_answersBusy_andThePageStays()
    {
        MainFixture f;
        QDialog options(f.main());
        options.setModal(true);
        options.show();
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Busy);
        QCoreApplication::processEvents();
        QCOMPARE(f.main()->pageStore().shownDate(), kToday);
        options.close();
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
        QTRY_COMPARE(f.main()->pageStore().shownDate(), kDay);
    }

    void withoutALoggedInMainWindow_nothingRuns()
    {
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::NotRunning);
        {
            MainFixture f;
            f.setWarnings(false, false, false, false);
            QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
            f.main()->LogOff();
            QVERIFY(!f.windows.window(WindowId::Main));
            QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::NotRunning);
        }
        MainFixture f;
        f.setWarnings(false, false, false, false);
        QVERIFY(f.main()->close());
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::NotRunning);
    }
};

QUILLET_TEST_MAIN(DayLinkTest)
#include "tst_daylink.moc"
