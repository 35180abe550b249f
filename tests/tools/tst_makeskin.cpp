#include "mainwindow/skinfile.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

using namespace Quillet;

namespace {

// Runs the skin maker on a description; its exit code.
int makeSkin(const QTemporaryDir& dir, const QByteArray& description)
{
    QFile file(dir.filePath(QStringLiteral("test.skin")));
    if (!file.open(QIODevice::WriteOnly) || file.write(description) < 0)
        qFatal("cannot write the description");
    file.close();
    QProcess tool;
    tool.start(QStringLiteral(QUILLET_MAKESKIN),
               {file.fileName(), dir.filePath(QStringLiteral("test.jss"))});
    if (!tool.waitForFinished())
        qFatal("makeskin did not finish");
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

// Relative luminance of a 0x00BBGGRR colour, as contrast guidelines measure it.
double luminance(quint32 bgr)
{
    double sum = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int channel = 0; channel < 3; ++channel) {
        const double value = double((bgr >> (8 * channel)) & 0xFF) / 255;
        sum += weights[channel] *
               (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
    }
    return sum;
}

double contrast(quint32 one, quint32 other)
{
    const auto [dark, light] = std::minmax({luminance(one), luminance(other)});
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class MakeSkinTest : public QObject {
    Q_OBJECT

private slots:
    void makeskin_writesASkinThatReadsBackItsColours()
    {
        QTemporaryDir dir;
        QCOMPARE(makeSkin(dir, "# a comment\r\nBGCOLOR=0x3C9BC8\r\n\r\nBGCOLOR2=15133439\n"
                               "TEXTCOL = 0x1F1F7A\nCAPTION=Gold\n"),
                 0);
        const SkinFile::Values values = SkinFile::read(dir.filePath(QStringLiteral("test.jss")));
        QCOMPARE(SkinFile::colour(values, SkinFile::kWindowColour), 0x3C9BC8u);
        QCOMPARE(SkinFile::colour(values, SkinFile::kPanelColour), 15133439u);
        QCOMPARE(SkinFile::colour(values, SkinFile::kTextColour), 0x1F1F7Au);
        QCOMPARE(values.value(QStringLiteral("CAPTION")), QStringLiteral("Gold"));
    }

    void makeskin_refusesADescriptionThatWouldPaintBlack_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::newRow("colour missing") << QByteArray("BGCOLOR=1\nBGCOLOR2=2\n");
        QTest::newRow("not a colour") << QByteArray("BGCOLOR=1\nBGCOLOR2=2\nTEXTCOL=brown\n");
        QTest::newRow("line without =") << QByteArray("BGCOLOR=1\nBGCOLOR2 2\nTEXTCOL=3\n");
    }

    void makeskin_refusesADescriptionThatWouldPaintBlack()
    {
        QFETCH(QByteArray, description);
        QTemporaryDir dir;
        QCOMPARE(makeSkin(dir, description), 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("test.jss"))));
    }

    void shippedSkins_areMadeAndReadable_data()
    {
        QTest::addColumn<QString>("skin");
        const QStringList descriptions =
            QDir(QStringLiteral(QUILLET_SOURCE_DIR "/resources/skins"))
                .entryList({QStringLiteral("*.skin")}, QDir::Files, QDir::Name);
        QVERIFY(descriptions.contains(QStringLiteral("gold.skin")));
        QVERIFY(descriptions.size() >= 4);
        for (const QString& description : descriptions)
            QTest::newRow(qPrintable(description)) << description.chopped(5);
    }

    void shippedSkins_areMadeAndReadable()
    {
        QFETCH(QString, skin);
        const SkinFile::Values values =
            SkinFile::read(QStringLiteral(QUILLET_RUNTIME_DIR "/skins/") + skin + ".jss");
        const auto window = SkinFile::colour(values, SkinFile::kWindowColour);
        const auto panel = SkinFile::colour(values, SkinFile::kPanelColour);
        const auto text = SkinFile::colour(values, SkinFile::kTextColour);
        QVERIFY(window && panel && text);
        // The skinned labels stand on the window and on the panel; the version caption keeps
        // its black text on the window, the buttons and the calendar theirs on the panel.
        QVERIFY2(contrast(*text, *window) >= 4.5, "labels on the window");
        QVERIFY2(contrast(*text, *panel) >= 4.5, "the date on the panel");
        QVERIFY2(contrast(0, *window) >= 4.5, "the version caption");
        QVERIFY2(contrast(0, *panel) >= 4.5, "buttons and calendar");
        // The title on both ends of the caption's gradient.
        const auto title = SkinFile::colour(values, QStringLiteral("CAPTIONTEXTCOL"));
        for (const char* end : {"CAPTIONCOLOR", "CAPTIONCOLOR2"}) {
            const auto caption = SkinFile::colour(values, QLatin1String(end));
            QVERIFY2(title && caption && contrast(*title, *caption) >= 4.5, end);
        }
    }
};

QUILLET_CORE_TEST_MAIN(MakeSkinTest)
#include "tst_makeskin.moc"
