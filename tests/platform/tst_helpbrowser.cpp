#include "platform/helpbrowser.h"
#include "testmain.h"

using namespace Quillet;

class HelpBrowserTest : public QObject {
    Q_OBJECT

private slots:
    void topic_namesAPageOfTheHelpFolder_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("page");
        QTest::newRow("topic") << "/opt/q/Quillet.chm::/gstart_thestart.html"
                               << "gstart_thestart.html";
        QTest::newRow("lower-case file") << "/opt/q/quillet.chm::/gstart_config.html"
                                         << "gstart_config.html";
        QTest::newRow("file alone") << "/opt/q/Quillet.chm"
                                    << "index.html";
        QTest::newRow("climbing out") << "/opt/q/Quillet.chm::/../../etc/passwd"
                                      << "index.html";
    }
    void topic_namesAPageOfTheHelpFolder()
    {
        QFETCH(QString, topic);
        QFETCH(QString, page);
        QCOMPARE(HelpBrowser::pageForTopic(topic), page);
    }
};

QUILLET_TEST_MAIN(HelpBrowserTest)
#include "tst_helpbrowser.moc"
