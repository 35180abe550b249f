#include "platform/helpbrowser.h"
#include "testmain.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

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

    // A click on a link between help pages shows the linked page, and a place on it.
    void linksBetweenPages_areFollowed()
    {
        QTemporaryDir install;
        QVERIFY(QDir(install.path()).mkdir("help"));
        const auto writePage = [&](const QString& name, const QByteArray& body) {
            QFile file(install.filePath("help/" + name));
            return file.open(QIODevice::WriteOnly) &&
                   file.write("<html><body>" + body + "</body></html>") > 0;
        };
        QVERIFY(writePage("index.html", "<p><a href=\"keyb.html#dialogs\">Keys</a></p>"));
        QVERIFY(writePage("keyb.html", "<p>Keyboard</p><p><a href=\"index.html\">Back</a></p>"));

        HelpBrowser help(install.path());
        help.displayTopic(nullptr, install.path() + "/Quillet.chm");
        QTextBrowser* window = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            window = window ? window : qobject_cast<QTextBrowser*>(widget);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto click = [&](const QString& text) {
            QTextCursor at = window->document()->find(text);
            at.setPosition(at.selectionStart() + 1);
            QTest::mouseClick(window->viewport(), Qt::LeftButton, {},
                              window->cursorRect(at).center());
        };
        click("Keys");
        QTRY_COMPARE(window->source().fileName(), "keyb.html");
        QCOMPARE(window->source().fragment(), "dialogs");
        QVERIFY(window->toPlainText().startsWith("Keyboard"));
        click("Back");
        QTRY_COMPARE(window->source().fileName(), "index.html");
    }
};

QUILLET_TEST_MAIN(HelpBrowserTest)
#include "tst_helpbrowser.moc"
