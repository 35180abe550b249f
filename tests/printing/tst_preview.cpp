#include "pages/richtextbox.h"
#include "platform/printererror.h"
#include "printing/frmpreview.h"
#include "printing/pageview.h"
#include "printing/printrichtext.h"
#include "testcontext.h"
#include "testmain.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

using namespace Quillet;

namespace {

// A letter page, in twips, and the same in screen pixels at 15 twips to the pixel.
constexpr QSize kPage{12240, 15840};
constexpr QSize kPagePixels{816, 1056};

QPicture pictureWithText(const QString& text)
{
    QPicture picture;
    QPainter painter(&picture);
    painter.drawText(10, 10, text);
    return picture;
}

QByteArray dataOf(const QPicture& picture)
{
    return {picture.data(), qsizetype(picture.size())};
}

// A preview of a letter page, its frame large enough for the page at 100 %.
struct PreviewFixture {
    PreviewFixture()
    {
        preview.SizePreview(kPage.width(), kPage.height());
        preview.setWindowState(Qt::WindowNoState);
        preview.resize(1400, 1400);
        preview.show();
    }
    QStringList tabCaptions() const
    {
        QStringList captions;
        for (const QRadioButton* tab : preview.Option1)
            captions.append(tab->text());
        return captions;
    }

    TestContext t;
    frmPreview preview{t.printer, t.dialogs};
};

// What the modal preview held while it was open; it is closed as soon as it has been seen.
struct SeenPreview {
    bool shown = false;
    QStringList tabs;
    int pageSetting = 0;
};

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void zoomList_afterLoading_runsFrom200To30With100Selected()
    {
        PreviewFixture f;
        QCOMPARE(f.preview.windowTitle(), QStringLiteral("Print Preview"));
        QCOMPARE(f.preview.cboPercent->count(), 18);
        QCOMPARE(f.preview.cboPercent->itemText(0), QStringLiteral("200%"));
        QCOMPARE(f.preview.cboPercent->itemText(17), QStringLiteral("30%"));
        QCOMPARE(f.preview.cboPercent->currentText(), QStringLiteral("100%"));
        QCOMPARE(f.preview.zoomPercent(), 100);
        QCOMPARE(f.tabCaptions(), QStringList{QStringLiteral("Page 1")});
    }

    void zoomButtons_stopAt200And30_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("limit");
        QTest::newRow("+") << 1 << 200;
        QTest::newRow("-") << 2 << 30;
    }

    void zoomButtons_stopAt200And30()
    {
        QFETCH(int, button);
        QFETCH(int, limit);
        PreviewFixture f;
        for (int click = 0; click < 20; ++click)
            f.preview.btnPreview[size_t(button)]->click();
        QCOMPARE(f.preview.zoomPercent(), limit);
        QCOMPARE(f.preview.cboPercent->currentText(), QStringLiteral("%1%").arg(limit));
        QCOMPARE(f.preview.picChild->size(), kPagePixels * limit / 100);
    }

    void zoom50_halvesThePage_andNeedsNoScrollBar_zoom200_scrollsToTheBottomEdge()
    {
        PreviewFixture f;
        f.preview.cboPercent->setCurrentText(QStringLiteral("50%"));
        QCOMPARE(f.preview.picChild->size(), kPagePixels / 2);
        QVERIFY(f.preview.vscPreview->isHidden());
        QVERIFY(f.preview.hscPreview->isHidden());
        QVERIFY(f.preview.imgCorner->isHidden());

        f.preview.cboPercent->setCurrentText(QStringLiteral("200%"));
        QCOMPARE(f.preview.picChild->size(), kPagePixels * 2);
        const int frameHeight = f.preview.picParent->contentsRect().height();
        QVERIFY(frameHeight < kPagePixels.height() * 2);
        QVERIFY(f.preview.vscPreview->isVisible());
        QCOMPARE(f.preview.vscPreview->minimum(), 0);
        QCOMPARE(f.preview.vscPreview->maximum(), kPagePixels.height() * 2 - frameHeight);
        f.preview.vscPreview->setValue(f.preview.vscPreview->maximum());
        QCOMPARE(f.preview.picChild->geometry().bottom() + 1,
                 f.preview.picParent->contentsRect().bottom() + 1);
    }

    void pageTabs_stand765TwipsApart()
    {
        PreviewFixture f;
        f.preview.AddPage(1);
        f.preview.AddPage(2);
        f.preview.AddPage(3);
        QCOMPARE(f.tabCaptions(), (QStringList{"Page 1", "Page 2", "Page 3"}));
        QCOMPARE(f.preview.Option1[1]->x() - f.preview.Option1[0]->x(), 765 / 15);
        QCOMPARE(f.preview.Option1[2]->x() - f.preview.Option1[0]->x(), 1530 / 15);
    }

    void pageTab_showsItsPage_activationShowsTheFirstAgain()
    {
        PreviewFixture f;
        f.preview.AddPage(2);
        f.preview.setPagePicture(0, pictureWithText("first"));
        f.preview.setPagePicture(1, pictureWithText("second"));
        f.preview.Option1[1]->click();
        QCOMPARE(dataOf(f.preview.picChild->picture()), dataOf(f.preview.pagePicture(1)));
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&f.preview, &activation);
        QCOMPARE(dataOf(f.preview.picChild->picture()), dataOf(f.preview.pagePicture(0)));
    }

    void print_twoCopies_areTwoJobsOfEveryPageInOrder()
    {
        PreviewFixture f;
        f.t.printer.copyCount = 2;
        f.preview.AddPage(2);
        f.preview.AddPage(3);
        QList<QByteArray> pages;
        for (int index = 0; index < 3; ++index) {
            f.preview.setPagePicture(index, pictureWithText(QString::number(index)));
            pages.append(dataOf(f.preview.pagePicture(index)));
        }
        f.preview.btnPreview[0]->click();
        QCOMPARE(f.t.printer.jobs, (QList<QList<QByteArray>>{pages, pages}));
        QVERIFY(f.preview.isHidden());
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void print_withoutPrinter_showsThePrinterError_andCloses_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<bool>("refusesJobs");
        QTest::newRow("no printer") << false << false;
        QTest::newRow("job refused") << true << true;
    }

    void print_withoutPrinter_showsThePrinterError_andCloses()
    {
        QFETCH(bool, available);
        QFETCH(bool, refusesJobs);
        PreviewFixture f;
        f.t.printer.available = available;
        f.t.printer.refusesJobs = refusesJobs;
        f.t.printer.copyCount = 2;
        f.preview.btnPreview[0]->click();
        QCOMPARE(f.t.dialogs.messages.size(), 1);
        QCOMPARE(f.t.dialogs.messages[0].title, QStringLiteral("Printer Error"));
        QCOMPARE(f.t.dialogs.messages[0].text, PrinterError::kText);
        QCOMPARE(f.t.dialogs.messages[0].buttons, MessageButtons::Ok);
        QVERIFY(f.t.printer.jobs.isEmpty());
        QVERIFY(f.preview.isHidden());
    }

    void printRichText_withoutPrinter_showsThePrinterError_andNoPreview()
    {
        TestContext t;
        t.printer.available = false;
        RichTextBox editor;
        editor.setText(QStringLiteral("words"));
        bool previewShown = false;
        QTimer guard;
        connect(&guard, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                previewShown = true;
                modal->close();
            }
        });
        guard.start(0);
        PrintRichText(t.context, editor, QMarginsF(5, 5, 5, 5), 1);
        guard.stop();
        QVERIFY(!previewShown);
        QCOMPARE(t.dialogs.messages.size(), 1);
        QCOMPARE(t.dialogs.messages[0].title, QStringLiteral("Printer Error"));
        QCOMPARE(t.dialogs.messages[0].text,
                 QStringLiteral("Make sure that you have a printer installed.  If a printer is "
                                "installed, go into your printer properties look under the Setup "
                                "tab, and make sure the ICM checkbox is checked and try printing "
                                "again."));
    }

    void printRichText_showsOneTabPerPage_data()
    {
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<bool>("severalPages");
        QTest::newRow("empty page") << 0 << false;
        QTest::newRow("one line") << 1 << false;
        QTest::newRow("many lines") << 400 << true;
    }

    void printRichText_showsOneTabPerPage()
    {
        QFETCH(int, paragraphs);
        QFETCH(bool, severalPages);
        TestContext t;
        RichTextBox editor;
        QStringList lines;
        for (int n = 1; n <= paragraphs; ++n)
            lines.append(QStringLiteral("Line %1").arg(n));
        editor.setText(lines.join(QLatin1Char('\n')));

        SeenPreview seen;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<frmPreview*>(QApplication::activeModalWidget());
            QVERIFY(preview);
            seen.shown = true;
            for (const QRadioButton* tab : preview->Option1)
                seen.tabs.append(tab->text());
            seen.pageSetting = t.printer.pageSetting;
            preview->close();
        });
        PrintRichText(t.context, editor, QMarginsF(5, 5, 5, 5), 1);

        QVERIFY(seen.shown);
        QCOMPARE(seen.pageSetting, 1);
        QCOMPARE(seen.tabs.first(), QStringLiteral("Page 1"));
        QCOMPARE(seen.tabs.size() > 1, severalPages);
        for (int index = 0; index < seen.tabs.size(); ++index)
            QCOMPARE(seen.tabs[index], QStringLiteral("Page %1").arg(index + 1));
        QVERIFY(t.printer.jobs.isEmpty());
    }
};

QUILLET_TEST_MAIN(PreviewTest)
#include "tst_preview.moc"
