#include "pages/rtf/rtfreader.h"
#include "testmain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

using namespace Quillet;

namespace {

const QString kSource = QStringLiteral(QUILLET_SOURCE_DIR);
const QString kHelp = kSource + "/resources/help";

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList matches(const QString& text, const QString& pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

QStringList helpPages()
{
    return QDir(kHelp).entryList({"*.html"}, QDir::Files, QDir::Name);
}

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void helpLinks_nameExistingPagesAndPlaces_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : helpPages())
            QTest::newRow(qPrintable(page)) << page;
    }
    void helpLinks_nameExistingPagesAndPlaces()
    {
        QFETCH(QString, page);
        const QString html = QString::fromUtf8(fileContent(kHelp + '/' + page));
        QVERIFY(html.contains("<title>"));
        for (const QString& link : matches(html, "href=\"([^\"]*)\"")) {
            if (link.startsWith("https://"))
                continue;
            const QString file = link.section('#', 0, 0);
            const QString place = link.section('#', 1);
            QVERIFY2(!file.contains('/') && !link.contains(':'), qPrintable(link));
            const QString target = file.isEmpty() ? page : file;
            QVERIFY2(QFile::exists(kHelp + '/' + target), qPrintable(link));
            if (!place.isEmpty())
                QVERIFY2(
                    fileContent(kHelp + '/' + target).contains("name=\"" + place.toUtf8() + '"'),
                    qPrintable(link));
        }
    }

    void helpContents_linkEveryPage()
    {
        const QString index = QString::fromUtf8(fileContent(kHelp + "/index.html"));
        const QStringList linked = matches(index, "href=\"([^\"#]+)\"");
        for (const QString& page : helpPages()) {
            if (page != "index.html")
                QVERIFY2(linked.contains(page), qPrintable(page));
        }
        for (const char* page :
             {"gstart_thestart.html", "gstart_config.html", "keyb.html", "contact.html"})
            QVERIFY2(helpPages().contains(QLatin1String(page)), page);
    }

    // A topic the program opens without its page would show "Help page not found".
    void helpTopicsOfTheProgram_areShipped()
    {
        QStringList topics;
        QDirIterator sources(kSource + "/src", {"*.cpp", "*.h"}, QDir::Files,
                             QDirIterator::Subdirectories);
        while (sources.hasNext())
            topics << matches(QString::fromUtf8(fileContent(sources.next())),
                              "\"([A-Za-z0-9_]+\\.html)\"");
        QVERIFY(topics.contains("gstart_config.html"));
        QVERIFY(topics.contains("gstart_thestart.html"));
        for (const QString& topic : topics)
            QVERIFY2(QFile::exists(kHelp + '/' + topic), qPrintable(topic));
    }

    void readme_opensInTheProgramsOwnReader()
    {
        const QByteArray rtf = fileContent(kSource + "/resources/readme.rtf");
        QVERIFY(RtfReader::isRtf(rtf));
        QTextDocument document;
        RtfReader::read(rtf, document);
        const QString text = document.toPlainText();
        QVERIFY2(text.startsWith("Quillet 2.0\nA personal diary for your desktop\n"),
                 qPrintable(text.left(80)));
        QVERIFY(text.contains("files/<your user name>"));
        QVERIFY(text.contains("~/.config/quillet/registry.sqlite3"));
        QVERIFY(!text.contains('\\') && !text.contains('{'));
    }

    void history_startsAtThisVersion()
    {
        const QList<QByteArray> lines = fileContent(kSource + "/resources/history.txt").split('\n');
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.at(3), "Version 2.0.23");
    }
};

QUILLET_GUI_TEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
