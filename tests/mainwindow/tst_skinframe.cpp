#include "mainwindow/captionbar.h"
#include "mainwindow/skinframestyle.h"
#include "skinsupport.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QToolBar>

using namespace Quillet;

namespace {

// One colour for each end of a gradient, so that every pixel of the bar and the borders
// shows it exactly.
const QByteArray kPlain = "BGCOLOR=0x3C9BC8\nBGCOLOR2=0xD6EEF7\nTEXTCOL=0x15155C\n"
                          "CAPTIONCOLOR=0x1A3A5C\nCAPTIONCOLOR2=0x1A3A5C\nCAPTIONTEXTCOL=0xFFFFFF\n"
                          "BORDERCOLOR=0x122E4A\nBORDERCOLOR2=0x122E4A\n"
                          "CAPTIONHEIGHT=26\nBORDERWIDTH=5\n";
const QByteArray kTall = "BGCOLOR=0\nBGCOLOR2=0\nTEXTCOL=0\nCAPTIONHEIGHT=40\nBORDERWIDTH=8\n";

// A desktop that moves frameless windows, with the gold skin and a tall one to choose.
void framedDesktop(TestContext& t)
{
    t.frames.moves = true;
    writeSkin(t, "gold", kPlain);
    writeSkin(t, "tall", kTall);
}

QAbstractButton* captionButton(const MainFixture& f, const char* name)
{
    return f.child<CaptionBar>("JSCAPTION1")->findChild<QAbstractButton*>(name);
}

SkinFile::Values values(const QByteArray& lines)
{
    return *SkinFile::parseLines(lines);
}

} // namespace

class SkinFrameTest : public QObject {
    Q_OBJECT

private slots:
    void style_takesTheSkinsValuesAndMendsWhatIsWrong_data()
    {
        QTest::addColumn<QByteArray>("skin");
        QTest::addColumn<QColor>("captionTop");
        QTest::addColumn<QColor>("captionBottom");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("glyph");
        QTest::addColumn<QColor>("borderInner");
        QTest::addColumn<int>("captionHeight");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<int>("alignment");

        QTest::newRow("complete")
            << QByteArray("CAPTIONCOLOR=0x2B5A8B\nCAPTIONCOLOR2=0x1A3A5C\nCAPTIONTEXTCOL=0xD6F4FF\n"
                          "BUTTONCOL=0x0000FF\nBORDERCOLOR=0x122E4A\nBORDERCOLOR2=0x3C9BC8\n"
                          "CAPTIONHEIGHT=30\nBORDERWIDTH=6\nCAPTIONALIGN=Center\n")
            << QColor("#8b5a2b") << QColor("#5c3a1a") << QColor("#fff4d6") << QColor("#ff0000")
            << QColor("#c89b3c") << 30 << 6 << int(Qt::AlignHCenter);
        QTest::newRow("nothing: black, white letters, usable sizes")
            << QByteArray() << QColor(Qt::black) << QColor(Qt::black) << QColor(Qt::white)
            << QColor(Qt::white) << QColor(Qt::black) << 24 << 4 << int(Qt::AlignLeft);
        QTest::newRow("a light caption without letters gets black ones")
            << QByteArray("CAPTIONCOLOR=0xF0F0F0\nBORDERCOLOR=0x0000FF\nCAPTIONALIGN=right\n")
            << QColor("#f0f0f0") << QColor("#f0f0f0") << QColor(Qt::black) << QColor(Qt::black)
            << QColor("#ff0000") << 24 << 4 << int(Qt::AlignRight);
        QTest::newRow("sizes out of reach")
            << QByteArray("CAPTIONHEIGHT=1000\nBORDERWIDTH=-3\nCAPTIONCOLOR=0x1000000\n")
            << QColor(Qt::black) << QColor(Qt::black) << QColor(Qt::white) << QColor(Qt::white)
            << QColor(Qt::black) << SkinFrameStyle::kMaximumCaptionHeight
            << SkinFrameStyle::kMinimumBorderWidth << int(Qt::AlignLeft);
        QTest::newRow("sizes that are no numbers")
            << QByteArray("CAPTIONHEIGHT=tall\nBORDERWIDTH=4.5\n") << QColor(Qt::black)
            << QColor(Qt::black) << QColor(Qt::white) << QColor(Qt::white) << QColor(Qt::black)
            << 24 << 4 << int(Qt::AlignLeft);
    }

    void style_takesTheSkinsValuesAndMendsWhatIsWrong()
    {
        QFETCH(QByteArray, skin);
        const SkinFrameStyle style = SkinFrameStyle::from(values(skin));
        QTEST(style.captionTop, "captionTop");
        QTEST(style.captionBottom, "captionBottom");
        QTEST(style.captionText, "text");
        QTEST(style.buttonGlyph, "glyph");
        QTEST(style.borderInner, "borderInner");
        QTEST(style.captionHeight, "captionHeight");
        QTEST(style.borderWidth, "borderWidth");
        QTEST(int(style.titleAlignment), "alignment");
    }

    void style_shrinksATitleFontTooTallForTheBar()
    {
        const SkinFrameStyle style =
            SkinFrameStyle::from(values("CAPTIONHEIGHT=18\nCAPTIONFONTSIZE=24\n"));
        QVERIFY(QFontMetrics(style.titleFont).height() <= 16);
    }

    void withoutADesktopThatMovesIt_theWindowKeepsItsFrame()
    {
        MainFixture f(true, [](TestContext& t) { writeSkin(t, "gold", kPlain); });
        QVERIFY(!(f.main()->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(!f.child<CaptionBar>("JSCAPTION1"));
        QCOMPARE(f.child<QToolBar>("Toolbar")->mapTo(f.main(), QPoint(0, 0)),
                 f.child<QToolBar>("Toolbar")->pos());
    }

    void theSkinDrawsTheCaptionAndBordersAroundTheControls()
    {
        MainFixture f(true, framedDesktop);
        frmMain* main = f.main();
        QVERIFY(main->windowFlags() & Qt::FramelessWindowHint);
        const QImage shot = main->grab().toImage();
        const QColor caption("#5c3a1a"), border("#4a2e12");
        QCOMPARE(shot.pixelColor(main->width() / 2, 5), caption);
        QCOMPARE(shot.pixelColor(main->width() / 2, 30), caption);
        QCOMPARE(shot.pixelColor(0, main->height() / 2), border);
        QCOMPARE(shot.pixelColor(main->width() - 1, main->height() / 2), border);
        QCOMPARE(shot.pixelColor(main->width() / 2, main->height() - 1), border);
        QCOMPARE(shot.pixelColor(main->width() / 2, 0), border);
        // The title is written on the bar in the caption's letter colour.
        const QImage title = shot.copy(5, 5, 150, 26);
        int white = 0;
        for (int y = 0; y < title.height(); ++y) {
            for (int x = 0; x < title.width(); ++x)
                white += title.pixelColor(x, y) == QColor(Qt::white);
        }
        QVERIFY2(white > 20, qPrintable(QString::number(white)));

        // Every control keeps its design place, inside the border and below the caption.
        QToolBar* toolbar = f.child<QToolBar>("Toolbar");
        QCOMPARE(toolbar->mapTo(main, QPoint(0, 0)), toolbar->pos() + QPoint(5, 5 + 26));
        QCOMPARE(main->size(), QSize(frmMain::kMinimumSize.width() + 10, 476 + 26 + 10));
        QCOMPARE(main->minimumSize(), frmMain::kMinimumSize + QSize(10, 26 + 10));
    }

    void theStoredMetricsAreOfTheClientArea()
    {
        MainFixture f(true, framedDesktop);
        f.main()->resize(700 + 10, 500 + 36);
        f.main()->SaveWindowMetrics();
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Metrics"), "Width"), "10500");
        QCOMPARE(f.t.settings.ReadValue(f.t.root("ann\\Metrics"), "Height"), "7500");

        f.windows.unloadWindow(WindowId::Main);
        f.t.state.newUser = false;
        f.windows.showWindow(WindowId::Main);
        QCOMPARE(f.main()->size(), QSize(710, 536));
    }

    void anotherSkinKeepsTheClientArea()
    {
        MainFixture f(true, framedDesktop);
        f.main()->resize(700 + 10, 500 + 36);
        chooseSkin(f, "tall");
        QCOMPARE(f.main()->size(), QSize(700 + 16, 500 + 40 + 16));
        QCOMPARE(f.child<CaptionBar>("JSCAPTION1")->geometry(), QRect(8, 8, 700, 40));
        QCOMPARE(f.child<QToolBar>("Toolbar")->mapTo(f.main(), QPoint(0, 0)),
                 f.child<QToolBar>("Toolbar")->pos() + QPoint(8, 48));
    }

    void theCaptionMaximisesRestoresMinimisesAndCloses()
    {
        MainFixture f(true, framedDesktop);
        f.setWarnings(true, true, true, true);
        CaptionBar* caption = f.child<CaptionBar>("JSCAPTION1");
        QAbstractButton* maximise = captionButton(f, "captionMaximise");
        QCOMPARE(maximise->accessibleName(), "Maximise");

        QTest::mouseDClick(caption, Qt::LeftButton, {}, QPoint(200, 10));
        QTRY_VERIFY(f.main()->isMaximized());
        QCOMPARE(maximise->accessibleName(), "Restore");
        // Maximised, the borders give way to the client area.
        QCOMPARE(caption->geometry().topLeft(), QPoint(0, 0));

        maximise->click();
        QTRY_VERIFY(!f.main()->isMaximized());
        QCOMPARE(maximise->accessibleName(), "Maximise");

        captionButton(f, "captionMinimise")->click();
        QTRY_VERIFY(f.main()->isMinimized());
        f.main()->showNormal();

        f.t.dialogs.answers.append(MessageAnswer::No);
        captionButton(f, "captionClose")->click();
        QCOMPARE(f.t.dialogs.messages.value(0).text, "Are you sure you want to quit Quillet?");
        QVERIFY(f.main()->isVisible());
    }
};

QUILLET_TEST_MAIN(SkinFrameTest)
#include "tst_skinframe.moc"
