#include "extras/frmcredits.h"
#include "testcontext.h"
#include "testmain.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Quillet;

namespace {

// The credits of a test installation, opened as the command menu opens them.
struct CreditsFixture {
    CreditsFixture() : credits(std::make_unique<frmCredits>(t.context)) {}

    template <typename Widget = QLabel>
    Widget* control(const char* name) const
    {
        Widget* widget = credits->findChild<Widget*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString text(const char* name) const { return control(name)->text(); }
    QStringList texts(const char* arrayName) const
    {
        QStringList shown;
        for (const QLabel* label : credits->findChildren<QLabel*>(arrayName))
            shown << label->text();
        return shown;
    }
    int stripTop() const { return control<QWidget>("picScroll")->y(); }
    // Which timer runs: "pause" or "scroll", never both.
    QString runningTimer() const
    {
        const bool pause = control<QTimer>("firstTimer")->isActive();
        const bool scroll = control<QTimer>("Timer")->isActive();
        return pause == scroll ? QString("pause %1, scroll %2").arg(pause).arg(scroll)
               : pause         ? QString("pause")
                               : QString("scroll");
    }
    QStringList tuneStarted() const { return {"open " + t.state.installFile("e1.mid"), "play"}; }

    TestContext t;
    std::unique_ptr<frmCredits> credits;
};

} // namespace

class CreditsTest : public QObject {
    Q_OBJECT

private slots:
    void window_showsTheVersionTheCreditsAndTwoButtons()
    {
        CreditsFixture f;
        QCOMPARE(f.credits->windowTitle(), "Credits");
        QCOMPARE(f.text("lblVersion"), "Version : 2.0.23");
        QCOMPARE(f.texts("lblName"), (QStringList{"Programmed by ", "Now playing", "Special Thanks",
                                                  "Outside Components", "Chief Beta Testers",
                                                  "Contact the author at"}));
        const QStringList credits = f.texts("lblBold");
        QCOMPARE(credits.size(), 6);
        QVERIFY2(credits[1].startsWith("Ode to Joy"), qPrintable(credits[1]));
        QVERIFY2(credits[5].contains("https://quillet.example.org/author"), qPrintable(credits[5]));
        QCOMPARE(f.text("Label1"), "Made In India");
        QCOMPARE(f.text("lblWink"), ";-)");
        QCOMPARE(f.text("lblTradeMarks"),
                 "All product names mentioned above are trade marks of their respective "
                 "companies.");
        QCOMPARE(f.text("Label3"), "No trees were cut and no animals where harmed during the "
                                   "creation of this product <grin>");
        QCOMPARE(f.control("lblFinal")->font().family(), "Comic Sans MS");
        QVERIFY(!f.text("lblFinal").isEmpty());
        // Every line stands in the strip, which climbs inside the viewport.
        auto* strip = f.control<QWidget>("picScroll");
        QCOMPARE(strip->parentWidget(), f.control<QFrame>("picContainer"));
        for (const char* name : {"lblVersion", "Label1", "lblWink", "lblTradeMarks", "Label3",
                                 "lblFinal", "lneFinal", "Image1", "Image2"})
            QVERIFY2(f.control<QWidget>(name)->parentWidget() == strip, name);
        QCOMPARE(f.control<QPushButton>("cmdWeb")->text(), "Website");
        QCOMPARE(f.control<QPushButton>("cmdOK")->text(), "OK");
        QVERIFY(f.control<QPushButton>("cmdOK")->isDefault());
    }

    void website_opensTheProductsHomePage_andLeavesTheCreditsOpen()
    {
        CreditsFixture f;
        f.credits->show();
        f.control<QPushButton>("cmdWeb")->click();
        QCOMPARE(f.t.shell.urls, QStringList{"https://quillet.example.org/"});
        QVERIFY(f.credits->isVisible());
        QCOMPARE(f.t.midi.calls, f.tuneStarted());
    }

    void strip_restsThenClimbsTenTwipsATick_underItsTwoTimers()
    {
        CreditsFixture f;
        // 15 twips to the pixel at the test screen's 96 dots per inch.
        QCOMPARE(f.control<QFrame>("picContainer")->size(), QSize(305, 137));
        QCOMPARE(f.control<QTimer>("firstTimer")->interval(), 500);
        QCOMPARE(f.control<QTimer>("Timer")->interval(), 10);
        QCOMPARE(f.stripTop(), -11); // -170 twips
        QCOMPARE(f.runningTimer(), "pause");

        f.credits->firstTimer_Timer();
        QCOMPARE(f.runningTimer(), "scroll");
        QCOMPARE(f.stripTop(), -11);
        f.credits->Timer_Timer();
        QCOMPARE(f.runningTimer(), "pause");
        QCOMPARE(f.stripTop(), -12); // -180
        f.credits->firstTimer_Timer();
        for (int tick = 0; tick < 3; ++tick)
            f.credits->Timer_Timer();
        QCOMPARE(f.runningTimer(), "scroll");
        QCOMPARE(f.stripTop(), -14); // -210
    }

    void opening_playsTheInstallationsTune_andReportsNothing()
    {
        CreditsFixture f;
        // The test installation has no e1.mid: the player is still asked, and stays silent.
        QCOMPARE(f.t.midi.calls, f.tuneStarted());
        QVERIFY(f.t.midi.sounding);
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void closing_stopsAndReleasesTheTuneAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close box";
    }
    void closing_stopsAndReleasesTheTuneAtOnce()
    {
        QFETCH(QString, how);
        CreditsFixture f;
        f.credits->show();
        f.credits->firstTimer_Timer();
        if (how == "OK")
            f.control<QPushButton>("cmdOK")->click();
        else if (how == "Esc")
            QTest::keyClick(f.credits.get(), Qt::Key_Escape);
        else
            f.credits->close();
        QVERIFY(!f.credits->isVisible());
        QCOMPARE(f.t.midi.calls, f.tuneStarted() + QStringList({"stop", "close"}));
        QVERIFY(!f.t.midi.sounding);
        QCOMPARE(f.runningTimer(), "pause 0, scroll 0");
        f.credits.reset();
        QCOMPARE(f.t.midi.calls.size(), 4);
    }

    void destroyedWithoutClosing_stillSilencesTheTune()
    {
        CreditsFixture f;
        f.credits.reset();
        QCOMPARE(f.t.midi.calls, f.tuneStarted() + QStringList({"stop", "close"}));
    }
};

QUILLET_TEST_MAIN(CreditsTest)
#include "tst_credits.moc"
