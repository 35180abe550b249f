#include "mainfixture.h"
#include "mainwindow/colourblock.h"
#include "mainwindow/mainlayout.h"
#include "testmain.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

using namespace Quillet;

namespace {

// Stores ann's window state and placement in twips (Left, Top, Width, Height).
QString storeMetrics(TestContext& t, const QString& state, const QStringList& placement)
{
    const QString metrics = t.root("ann\\Metrics");
    t.settings.WriteValue(metrics, "Window State", state);
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < placement.size(); ++i)
        t.settings.WriteValue(metrics, names[i], placement[i]);
    return metrics;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void resize_placesTheStretchingControls_data()
    {
        QTest::addColumn<QSize>("inner");
        QTest::addColumn<bool>("bookmarks");
        QTest::addColumn<int>("toolbarWidth");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QSize>("editor");
        QTest::addColumn<int>("spaceFillWidth"); // 0: hidden
        // The panel's frame is 1 pixel wide: its inner size is 2 pixels smaller.
        QTest::newRow("800 x 600")
            << QSize(800, 600) << false << 782 << QSize(600, 480) << QSize(592, 422) << 592;
        QTest::newRow("800 x 600, bookmarks")
            << QSize(800, 600) << true << 782 << QSize(600, 480) << QSize(502, 422) << 502;
        QTest::newRow("minimum") << QSize(608, 449) << false << 590 << QSize(408, 329)
                                 << QSize(400, 271) << 0;
        QTest::newRow("minimum, bookmarks")
            << QSize(608, 449) << true << 590 << QSize(408, 329) << QSize(310, 271) << 0;
        QTest::newRow("editor of 500")
            << QSize(708, 500) << false << 690 << QSize(508, 380) << QSize(500, 322) << 0;
        QTest::newRow("editor of 501")
            << QSize(709, 500) << false << 691 << QSize(509, 380) << QSize(501, 322) << 501;
    }
    void resize_placesTheStretchingControls()
    {
        QFETCH(QSize, inner);
        QFETCH(bool, bookmarks);
        QFETCH(int, toolbarWidth);
        QFETCH(QSize, panel);
        QFETCH(QSize, editor);
        QFETCH(int, spaceFillWidth);
        MainFixture f(false);
        f.child<QPushButton>("cmdBookList")->setChecked(bookmarks);
        f.main()->resize(inner);

        QCOMPARE(f.child<QToolBar>("Toolbar")->width(), toolbarWidth);
        QCOMPARE(f.child<QFrame>("picMain")->size(), panel);
        QCOMPARE(f.page()->size(), editor);
        auto* list = f.child<QListWidget>("lstBookMark");
        QCOMPARE(list->isVisible(), bookmarks);
        if (bookmarks) {
            QCOMPARE(list->x(), panel.width() - 2 - 96);
            QCOMPARE(list->height(), panel.height() - 60);
        }
        for (const ColourBlock* block : f.main()->findChildren<ColourBlock*>("colBlocks"))
            QCOMPARE(block->y(), panel.height() - 24);
        auto* spaceFill = f.child<QLabel>("lblSpaceFill");
        QCOMPARE(spaceFill->isVisible(), spaceFillWidth > 0);
        if (spaceFillWidth > 0)
            QCOMPARE(spaceFill->width(), spaceFillWidth);
        QCOMPARE(spaceFill->y(), panel.height() - 24);
        QCOMPARE(f.child<QPushButton>("cmdMenu")->y(), inner.height() - 41);
    }

    void minimised_laysNothingOut()
    {
        QVERIFY(!MainLayout::compute({QSize(0, 0), QSize(2, 2), false, 88}));
        QVERIFY(!MainLayout::compute({QSize(160, 28), QSize(2, 2), true, 88}));
    }

    void quitWhileMaximised_keepsTheLastNormalMetrics()
    {
        MainFixture f(false);
        const QString metrics = f.t.root("ann\\Metrics");
        f.t.settings.WriteValue(metrics, "Left", "450");
        f.t.settings.WriteValue(metrics, "Width", "10500");
        f.main()->showMaximized();
        QVERIFY(f.main()->close());
        QCOMPARE(f.t.settings.ReadValue(metrics, "Window State"), "2");
        QCOMPARE(f.t.settings.ReadValue(metrics, "Left"), "450");
        QCOMPARE(f.t.settings.ReadValue(metrics, "Width"), "10500");
    }

    void storedMetrics_areRestored_fractionsExactly()
    {
        TestContext t;
        t.settings.WriteValue(t.root("Switch"), "Value", "yes");
        const QString metrics = storeMetrics(t, "0", {"1234.5", "600", "10123.25", "7500"});
        t.settings.WriteValue(t.root("ann\\Custom Colors"), "COLOR3", "65280");
        t.settings.WriteValue(t.root("ann\\Custom Colors"), "COLOR4", "green");
        t.state.currentUser = "ann";
        Windows windows(t.context);
        windows.showWindow(WindowId::Main);
        auto* main = windows.window<frmMain>(WindowId::Main);
        QCOMPARE(main->pos(), QPoint(82, 40));
        QCOMPARE(main->size(), QSize(675, 500));
        QVERIFY(main->close());
        QCOMPARE(t.settings.ReadValue(metrics, "Left"), "1234.5");
        QCOMPARE(t.settings.ReadValue(metrics, "Top"), "600");
        QCOMPARE(t.settings.ReadValue(metrics, "Width"), "10123.25");
        QCOMPARE(t.settings.ReadValue(metrics, "Height"), "7500");
        QCOMPARE(t.settings.ReadValue(t.root("ann\\Custom Colors"), "COLOR3"), "65280");
        QCOMPARE(t.settings.ReadValue(t.root("ann\\Custom Colors"), "COLOR4"), "16776960");
    }

    void storedMaximised_opensMaximised_withoutApplyingThePlacement()
    {
        QRect designed; // where the window of a user without stored metrics stands
        {
            TestContext t;
            t.state.currentUser = "ann";
            Windows windows(t.context);
            windows.showWindow(WindowId::Main);
            designed = windows.window<frmMain>(WindowId::Main)->geometry();
        }
        TestContext t;
        // 100, 80, 700 x 520 pixels: a place and size the window could take.
        storeMetrics(t, "2", {"1500", "1200", "10500", "7800"});
        t.state.currentUser = "ann";
        Windows windows(t.context);
        windows.showWindow(WindowId::Main);
        auto* main = windows.window<frmMain>(WindowId::Main);
        QVERIFY(main->isMaximized());
        QVERIFY(designed != QRect(QPoint(100, 80), QSize(700, 520)));
        // Restored, the window comes back where it was designed, not where the metrics say.
        main->showNormal();
        QCOMPARE(main->geometry(), designed);
    }
};

QUILLET_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
