#include "skinsupport.h"
#include "testmain.h"

#include <QPushButton>
#include <QToolBar>

using namespace Quillet;

namespace {

// The colours a skinned main window shows, read from its controls.
struct Painted {
    QColor window, panel, text;
    bool operator==(const Painted&) const = default;
};

char* toString(const Painted& painted)
{
    return QTest::toString(
        QStringLiteral("window %1, panel %2, text %3")
            .arg(painted.window.name(), painted.panel.name(), painted.text.name()));
}

QColor colour(const MainFixture& f, const char* name, QPalette::ColorRole role)
{
    QWidget* widget = f.child<QWidget>(name);
    if (!widget)
        qFatal("no control %s", name);
    return widget->palette().color(role);
}

// Each skinned control must show its colour; one that differs from its fellows shows as none.
Painted painted(const MainFixture& f)
{
    const auto same = [](const QList<QColor>& colours) {
        return colours.count(colours.first()) == colours.size() ? colours.first() : QColor();
    };
    return {
        f.main()->palette().color(QPalette::Window),
        same({colour(f, "Toolbar", QPalette::Window), colour(f, "cmdMenu", QPalette::Button),
              colour(f, "picMain", QPalette::Window), colour(f, "cmdGo", QPalette::Button),
              colour(f, "cmdBookList", QPalette::Button), colour(f, "cmdBookAdd", QPalette::Button),
              colour(f, "Calender", QPalette::Base)}),
        same({colour(f, "Label2", QPalette::WindowText), colour(f, "Label1", QPalette::WindowText),
              colour(f, "Label5", QPalette::WindowText),
              colour(f, "Label4", QPalette::WindowText)}),
    };
}

void installSkins(TestContext& t)
{
    writeSkin(t, "gold", "BGCOLOR=0x3C9BC8\nBGCOLOR2=0xD6EEF7\nTEXTCOL=0x15155C\n");
    writeSkin(t, "ocean", "BGCOLOR=0xE4CBA9\nBGCOLOR2=0xFAF3EA\nTEXTCOL=0x5C3A12\n");
    writeSkin(t, "untitled", "BGCOLOR=0xE4CBA9\nTEXTCOL=0x5C3A12\n");
}

} // namespace

class SkinsTest : public QObject {
    Q_OBJECT

private slots:
    void newUser_seesTheGoldSkin()
    {
        MainFixture f(true, installSkins);
        QCOMPARE(painted(f), (Painted{QColor("#c89b3c"), QColor("#f7eed6"), QColor("#5c1515")}));
    }

    void choosingASkin_paintsExactlyItsControls_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<Painted>("expected");
        QTest::newRow("complete") << "ocean"
                                  << Painted{QColor("#a9cbe4"), QColor("#eaf3fa"),
                                             QColor("#123a5c")};
        QTest::newRow("panel colour missing, panel black")
            << "untitled" << Painted{QColor("#a9cbe4"), QColor(Qt::black), QColor("#123a5c")};
    }

    void choosingASkin_paintsExactlyItsControls()
    {
        QFETCH(QString, skin);
        QFETCH(Painted, expected);
        MainFixture f(true, installSkins);
        const QColor quoteSource = colour(f, "Label3", QPalette::WindowText);
        const QColor history = colour(f, "cmbHistory", QPalette::Button);

        chooseSkin(f, skin);

        QCOMPARE(painted(f), expected);
        // The face beside the caption shows the colour, not only the palette.
        QWidget* go = f.child<QWidget>("cmdGo");
        QCOMPARE(go->grab().toImage().pixelColor(4, go->height() / 2), expected.panel);
        QWidget* toolbar = f.child<QWidget>("Toolbar");
        QCOMPARE(toolbar->grab().toImage().pixelColor(toolbar->width() - 3, toolbar->height() / 2),
                 expected.panel);
        QCOMPARE(colour(f, "Label3", QPalette::WindowText), quoteSource);
        QCOMPARE(colour(f, "cmbHistory", QPalette::Button), history);
    }
};

QUILLET_TEST_MAIN(SkinsTest)
#include "tst_skins.moc"
