#include "extras/frmcredits.h"
#include "mainfixture.h"
#include "mainwindow/commandmenu.h"
#include "testmain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace Quillet;

namespace {

// Every item of the menu as "caption | item data | key", submenu items behind their heading's
// caption and a slash; separators as "-" and their heading.
QStringList tree(const QMenu& menu, const QString& level = QString())
{
    QStringList items;
    for (const QAction* item : menu.actions()) {
        items << QString("%1%2 | %3 | %4")
                     .arg(level, CommandMenu::caption(item))
                     .arg(CommandMenu::itemData(item))
                     .arg(CommandMenu::key(item));
        if (item->menu())
            items << tree(*item->menu(), level + item->text() + "/");
    }
    return items;
}

QAction* find(const QMenu& menu, const QString& caption)
{
    for (QAction* item : menu.actions()) {
        if (item->text() == caption)
            return item;
        if (item->menu())
            if (QAction* inner = find(*item->menu(), caption))
                return inner;
    }
    return nullptr;
}

// A menu of user anna over a test context, with its commands recorded.
struct MenuFixture {
    MenuFixture()
    {
        t.state.currentUser = "anna";
        QDir().mkpath(t.state.installFile("skins"));
        for (const char* skin : {"gold.jss", "notes.txt"}) {
            QFile file(t.state.installFile("skins/") + skin);
            file.open(QIODevice::WriteOnly);
        }
        button.setCheckable(true);
    }
    void build(const QList<Bookmark>& bookmarks = {}) { menu.BuildCommandMenu(bookmarks); }
    void choose(const QString& caption) { menu.m_cMenu_Click(find(*menu.menu(), caption)); }

    TestContext t;
    QWidget window;
    QPushButton button{"Menu", &window};
    QLabel sideBar{&window};
    QStringList done;
    CommandMenu menu{
        t.context, button, sideBar,
        CommandMenu::Commands{
            [this] { done << "log off"; },
            [this] { done << "close"; },
            [this] { done << "add bookmark"; },
            [this] { done << "options"; },
            [this] { done << "credits"; },
            [this](const QDate& date) { done << "go to " + date.toString(Qt::ISODate); },
            [this](const QString& skin) { done << "skin " + skin; },
        }};
};

} // namespace

class CommandMenuTest : public QObject {
    Q_OBJECT

private slots:
    void tree_holdsTheFixedItems_bookmarksSkinsAndPrograms()
    {
        MenuFixture f;
        f.build({{"Trip to the lake", QDate(2001, 12, 5)},
                 {"-dash & ampersand", QDate(2002, 1, 31)},
                 {"Birthday", QDate(2002, 3, 2)}});
        const QString skins = f.t.state.installFile("skins");
        const QString blanks(36, ' ');
        QCOMPARE(tree(*f.menu.menu()),
                 (QStringList{
                     "&About Quillet... | 0 | credits",
                     "- | 0 | ",
                     "&Bookmarks | 0 | Bookmarks",
                     "&Bookmarks/Trip to the lake | 124 | 12/5/01",
                     "&Bookmarks/-dash && ampersand | 124 | 1/31/02",
                     "&Bookmarks/Birthday | 124 | 3/2/02",
                     "&Bookmarks/- | 0 | ",
                     "&Bookmarks/Add current as bookmark... | 0 | Add Bookmark",
                     "&Skins | 0 | Skins",
                     "&Skins/gold | 123 | " + skins + "/gold.jss",
                     "&Skins/- | 0 | ",
                     "&Skins/Get more skins... | 0 | Get Skins",
                     "-Tools | 0 | ",
                     "&Skin Editor | 299 | no",
                     "&File Export\\Import | 399 | no",
                     "-" + blanks + " | 0 | ",
                     "&Options... | 0 | options",
                     "-Help | 0 | ",
                     "&Help.. | 0 | Help",
                     "&Help../Contents | 0 | contents",
                     "&Help../Keyboard Shortcuts | 0 | keyb",
                     "&Help../Contacting the Author | 0 | contact",
                     "On the We&b | 0 | Web",
                     "On the We&b/Quillet Homepage | 122 | https://quillet.example.org/",
                     "On the We&b/Quillet User Community Forum | 122 | "
                     "https://quillet.example.org/forum",
                     "On the We&b/-other sites | 0 | ",
                     "On the We&b/My Homepage | 122 | https://quillet.example.org/author",
                     "- | 0 | ",
                     "&Log off 'anna' | 0 | logoff",
                     "&Close | 0 | Close",
                 }));
        const QMenu* marks = find(*f.menu.menu(), "&Bookmarks")->menu();
        QCOMPARE(find(*marks, "Add current as bookmark...")->statusTip(),
                 "Mark this page as favourite");
        QCOMPARE(find(*f.menu.menu(), "&Skins")->statusTip(), "Change my looks!");
    }

    void siblingPrograms_areAvailableOnlyWhenInstalled_andStartWhenPresent()
    {
        MenuFixture f;
        const QString folder = f.t.dir.path() + "/skined";
        QDir().mkpath(folder);
        QFile(folder + "/skintool").open(QIODevice::WriteOnly);
        f.t.appSettings.saveSetting("Quillet SkinEd", "Install", "Path", folder);
        f.t.appSettings.saveSetting("Quillet SkinEd", "Install", "Switch", "yes");
        f.t.appSettings.saveSetting("Quillet Exporter", "Install", "Path", folder);
        f.build();
        QVERIFY(find(*f.menu.menu(), "&Skin Editor")->isEnabled());
        QVERIFY(!find(*f.menu.menu(), "&File Export\\Import")->isEnabled());
        f.choose("&Skin Editor");
        QCOMPARE(f.t.shell.programs, QStringList{folder + "/skintool"});
        // Marked installed, but the program is not there: nothing starts.
        f.t.appSettings.saveSetting("Quillet Exporter", "Install", "Switch", "yes");
        f.build();
        f.choose("&File Export\\Import");
        QCOMPARE(f.t.shell.programs.size(), 1);
    }

    void choices_areCarriedOutByItemDataThenKey()
    {
        MenuFixture f;
        f.build({{"Trip", QDate(2001, 12, 5)}, {"Broken", QDate()}});
        const QString install = f.t.state.installFolder;
        for (const char* caption :
             {"Trip", "Broken", "gold", "&Log off 'anna'", "&Options...", "&About Quillet...",
              "Add current as bookmark...", "&Close", "Get more skins...", "Contents",
              "Keyboard Shortcuts", "Contacting the Author", "Quillet Homepage",
              "Quillet User Community Forum", "My Homepage", "&Bookmarks"})
            f.choose(caption);
        QCOMPARE(f.done, (QStringList{"go to 2001-12-05", "skin " + install + "/skins/gold.jss",
                                      "log off", "options", "credits", "add bookmark", "close"}));
        QCOMPARE(f.t.shell.urls,
                 (QStringList{"https://quillet.example.org/skins", "https://quillet.example.org/",
                              "https://quillet.example.org/forum",
                              "https://quillet.example.org/author"}));
        QCOMPARE(f.t.help.topics,
                 (QStringList{install + "/Quillet.chm", install + "/Quillet.chm::/keyb.html",
                              install + "/Quillet.chm::/contact.html"}));
    }

    void menuButton_comesUpAfterEveryUse_andNeverReopens_data()
    {
        QTest::addColumn<int>("key"); // what is pressed in the open menu
        QTest::addColumn<QStringList>("done");
        QTest::newRow("closed without a choice") << int(Qt::Key_Escape) << QStringList{};
        QTest::newRow("an item chosen") << int(Qt::Key_O) << QStringList{"options"};
    }
    void menuButton_comesUpAfterEveryUse_andNeverReopens()
    {
        QFETCH(int, key);
        QFETCH(QStringList, done);
        MenuFixture f;
        f.window.show();
        f.build();
        QSignalSpy shown(f.menu.menu(), &QMenu::aboutToShow);
        QTimer::singleShot(0, [key] {
            if (QWidget* popup = QApplication::activePopupWidget())
                QTest::keyClick(popup, Qt::Key(key));
        });
        f.button.click();
        QCOMPARE(shown.count(), 1);
        QVERIFY(!f.button.isChecked());
        QCOMPARE(f.done, done);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void about_opensTheCreditsWithTheirTune_whichStopsTheMomentTheyClose()
    {
        MainFixture f(false);
        QMenu* menu = f.main()->findChild<QMenu*>("m_cMenu");
        QVERIFY(menu);
        QString shown;
        QStringList whileOpen;
        QStringList rightAfterOk;
        QTimer::singleShot(0, [&] {
            auto* credits = qobject_cast<frmCredits*>(QApplication::activeModalWidget());
            if (!credits)
                return;
            shown = credits->windowTitle();
            whileOpen = f.t.midi.calls;
            credits->findChild<QPushButton*>("cmdOK")->click();
            rightAfterOk = f.t.midi.calls;
        });
        emit menu->triggered(find(*menu, "&About Quillet..."));
        QCOMPARE(shown, "Credits");
        const QString open = "open " + f.t.state.installFile("e1.mid");
        QCOMPARE(whileOpen, (QStringList{open, "play"}));
        QCOMPARE(rightAfterOk, (QStringList{open, "play", "stop", "close"}));
        QCOMPARE(f.t.midi.calls, rightAfterOk);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void close_withTheQuitQuestionAnsweredNo_asksASecondTime()
    {
        MainFixture f(false);
        f.setWarnings(true, true, true, true);
        f.t.dialogs.answers << MessageAnswer::No << MessageAnswer::No;
        QMenu* menu = f.main()->findChild<QMenu*>("m_cMenu");
        QVERIFY(menu);
        QAction* close = find(*menu, "&Close");
        emit menu->triggered(close);
        QTRY_COMPARE(f.t.dialogs.messages.size(), 2);
        for (const auto& message : f.t.dialogs.messages)
            QCOMPARE(message.text, "Are you sure you want to quit Quillet?");
        QVERIFY(f.main()->isVisible());
        QCOMPARE(f.child<QPushButton>("cmdMenu")->isChecked(), false);
    }
};

QUILLET_TEST_MAIN(CommandMenuTest)
#include "tst_commandmenu.moc"
