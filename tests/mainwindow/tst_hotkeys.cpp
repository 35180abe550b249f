#include "mainfixture.h"
#include "mainwindow/frmoptions.h"
#include "mainwindow/pagetoolbar.h"
#include "testmain.h"

#include <QFileInfo>
#include <QTimer>
#include <cstdlib>

using namespace Quillet;

namespace {

using Combination = QPair<qint32, qint32>; // modifiers, virtual key
const QList<Combination> kKeysInOrder{{0, 112}, {0, 119}, {2, 83}, {2, 81}, {2, 80}, {2, 66},
                                      {2, 73},  {2, 85},  {2, 77}, {2, 82}, {7, 123}};
const QString kQuitQuestion = "Are you sure you want to quit Quillet?";

QList<Combination> registered(const FakeHotKeys& desktop, const QObject* window)
{
    QList<Combination> combinations;
    for (const auto& registration : desktop.registrations) {
        if (registration.window == window)
            combinations << Combination{registration.modifiers, registration.key};
    }
    return combinations;
}

// Notes the title of every modal window that opens and closes it again at once, so that a
// window opened by mistake shows in the list instead of waiting for an answer.
class ModalWatcher final : public QObject {
public:
    ModalWatcher() { qApp->installEventFilter(this); }
    ~ModalWatcher() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(ModalWatcher)

    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && window && window->isWindow() && window->isModal()) {
            shown << window->windowTitle();
            QTimer::singleShot(0, window, &QWidget::close);
        }
        return false;
    }
};

struct HotKeyFixture : MainFixture {
    explicit HotKeyFixture(const std::function<void(TestContext&)>& prepare = nullptr)
        : MainFixture(false, prepare)
    {}
    FakeHotKeys& desktop() { return t.hotKeys; }
    bool press(qint32 modifiers, qint32 key) { return t.hotKeys.press(modifiers, key); }
    PageToolbar* toolbar() const { return child<PageToolbar>("Toolbar"); }
};

} // namespace

class HotKeysTest : public QObject {
    Q_OBJECT

private slots:
    void load_registersEveryKeyInOrder_forTheMainWindow()
    {
        HotKeyFixture f;
        QCOMPARE(registered(f.desktop(), f.main()), kKeysInOrder);
        QCOMPARE(f.desktop().registrations.size(), kKeysInOrder.size());
        QVERIFY(f.desktop().routed(f.main()));
    }

    void load_keyHeldByAnotherProgram_isSkippedWithoutAMessage()
    {
        HotKeyFixture f([](TestContext& t) { t.hotKeys.heldElsewhere.insert({2, 'I'}); });
        QList<Combination> others = kKeysInOrder;
        others.removeOne({2, 'I'});
        QCOMPARE(registered(f.desktop(), f.main()), others);
        QVERIFY(f.t.dialogs.messages.isEmpty());
        QVERIFY(!f.press(2, 'I'));
        f.page()->setText("still bold");
        f.page()->selectAll();
        QVERIFY(f.press(2, 'B'));
        QCOMPARE(f.page()->SelBold(), std::optional<bool>(true));
    }

    void unload_givesTheKeysBack_unlessCalledOff_data()
    {
        QTest::addColumn<bool>("logOff");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("given");
        QTest::newRow("Ctrl+Q") << false << MessageAnswer::Yes << true;
        QTest::newRow("Ctrl+Q called off") << false << MessageAnswer::No << false;
        QTest::newRow("log off") << true << MessageAnswer::Yes << true;
    }
    void unload_givesTheKeysBack_unlessCalledOff()
    {
        QFETCH(bool, logOff);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, given);
        HotKeyFixture f;
        f.setWarnings(true, false, true, false);
        f.t.dialogs.answers.enqueue(answer);
        QObject* window = f.main();

        if (logOff)
            f.main()->LogOff();
        else
            QVERIFY(f.press(2, 'Q'));

        QCOMPARE(f.t.dialogs.messages.size(), logOff ? 0 : 1);
        if (!logOff)
            QCOMPARE(f.t.dialogs.messages.first().text, kQuitQuestion);
        QTRY_COMPARE(f.windows.isLoaded(WindowId::Main), !given);
        QCOMPARE(f.desktop().registrations.size(), given ? 0 : kKeysInOrder.size());
        QCOMPARE(f.desktop().atoms().size(), given ? 0 : kKeysInOrder.size());
        QCOMPARE(f.desktop().routed(window), !given);
    }

    void logOff_thenLogin_theNewMainWindowHasTheKeys()
    {
        HotKeyFixture f;
        const QObject* first = f.main();
        f.main()->LogOff();
        QVERIFY(f.windows.isLoaded(WindowId::Login));
        QVERIFY(f.desktop().registrations.isEmpty());

        UserAccounts(f.t.settings, f.t.state.settingsRoot).createUser("bob", "secret");
        f.t.state.currentUser = "bob";
        f.windows.showWindow(WindowId::Main);

        QVERIFY(f.main() != first);
        QCOMPARE(registered(f.desktop(), f.main()), kKeysInOrder);
        f.page()->setText("bob's words");
        f.page()->selectAll();
        QVERIFY(f.press(2, 'B'));
        QCOMPARE(f.page()->SelBold(), std::optional<bool>(true));
    }

    void help_opensTheHelpFile()
    {
        HotKeyFixture f;
        QVERIFY(f.press(0, 112));
        QCOMPARE(f.t.help.topics, QStringList{f.t.state.installFolder + "/Quillet.chm"});
    }

    void press_opensItsModalWindow_data()
    {
        QTest::addColumn<qint32>("modifiers");
        QTest::addColumn<qint32>("key");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("title");
        QTest::newRow("F8") << 0 << 119 << QKeyCombination(Qt::Key_F8).toCombined() << "Options";
        QTest::newRow("Ctrl+P") << 2 << 80 << (Qt::CTRL | Qt::Key_P).toCombined()
                                << "Print Preview";
    }
    void press_opensItsModalWindow()
    {
        QFETCH(qint32, modifiers);
        QFETCH(qint32, key);
        QFETCH(int, typed);
        QFETCH(QString, title);
        HotKeyFixture f;
        f.page()->setText("printed words");
        ModalWatcher watcher;
        QVERIFY(f.press(modifiers, key));
        QCOMPARE(watcher.shown, QStringList{title});
        // Typed into the window itself the key does nothing more: a press acts once.
        QApplication::setActiveWindow(f.main());
        const auto combination = QKeyCombination::fromCombined(typed);
        QTest::keyClick(f.page(), combination.key(), combination.keyboardModifiers());
        QCoreApplication::processEvents();
        QCOMPARE(watcher.shown, QStringList{title});
    }

    void save_writesThePageWithoutAQuestion()
    {
        HotKeyFixture f;
        f.setWarnings(true, true, true, true);
        f.makeDirty();
        QVERIFY(f.press(2, 'S'));
        QVERIFY(QFileInfo::exists(f.main()->pageStore().pageFilePath(QDate(2001, 8, 5))));
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Clean);
        QVERIFY(f.t.dialogs.messages.isEmpty());
    }

    void styleKeys_turnTheSelectionOver_aMixedOneTakesTheStyle_data()
    {
        QTest::addColumn<qint32>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Ctrl+B") << qint32('B') << "bold";
        QTest::newRow("Ctrl+I") << qint32('I') << "italics";
        QTest::newRow("Ctrl+U") << qint32('U') << "underline";
    }
    void styleKeys_turnTheSelectionOver_aMixedOneTakesTheStyle()
    {
        QFETCH(qint32, key);
        QFETCH(QString, button);
        HotKeyFixture f;
        RichTextBox* page = f.page();
        const auto style = [&] {
            return button == "bold"      ? page->SelBold()
                   : button == "italics" ? page->SelItalic()
                                         : page->SelUnderline();
        };
        page->setText("plain and styled");
        page->setSelStart(10);
        page->setSelLength(6);
        f.toolbar()->button(button)->trigger();
        QCOMPARE(style(), std::optional<bool>(true));
        page->selectAll();
        QCOMPARE(style(), std::optional<bool>());

        QVERIFY(f.press(2, key));
        QCOMPARE(style(), std::optional<bool>(true));
        QVERIFY(f.toolbar()->pressed(button));
        QVERIFY(f.press(2, key));
        QCOMPARE(style(), std::optional<bool>(false));
        QVERIFY(!f.toolbar()->pressed(button));
        QCOMPARE(page->Text(), "plain and styled");
    }

    void minimThenRestore_bringsTheWindowBackToTheFront()
    {
        HotKeyFixture f;
        QVERIFY(f.press(2, 'M'));
        QVERIFY(f.main()->isMinimized());
        QVERIFY(f.desktop().restored.isEmpty());
        QVERIFY(f.press(2, 'R'));
        QCOMPARE(f.main()->windowState(), Qt::WindowNoState);
        QCOMPARE(f.desktop().restored, QList<QObject*>{f.main()});
    }

    void zorbo_warnsTwiceAndStartsTheShake_pressedAgainStopsIt()
    {
        HotKeyFixture f;
        auto* shake = f.child<QTimer>("tmrEarthquake");
        QVERIFY(!shake->isActive());

        QVERIFY(f.press(7, 123));

        QCOMPARE(f.t.dialogs.messages.size(), 2);
        const QStringList texts{"Be Ready For A Desktop EarthQuake!!",
                                "Press [CTRL+SHIFT+ALT+F12] to stop"};
        for (int i = 0; i < 2; ++i) {
            const FakeDialogs::Message& message = f.t.dialogs.messages.at(i);
            QCOMPARE(message.text, texts.at(i));
            QCOMPARE(message.title, "Easter Egg");
            QCOMPARE(message.buttons, MessageButtons::Ok);
            QCOMPARE(message.icon, MessageIcon::None);
        }
        QVERIFY(shake->isActive());
        QCOMPARE(shake->interval(), 250);

        // Each tick nudges the other windows of the desktop.
        const QRect notes(100, 100, 300, 200);
        f.t.windowSystem.windows = {{7, "Notes", notes, true, false}};
        QTRY_VERIFY_WITH_TIMEOUT(f.t.windowSystem.moves.size() >= 2, 2000);
        for (const auto& [window, topLeft] : f.t.windowSystem.moves) {
            QCOMPARE(window, DesktopWindowId(7));
            QVERIFY(std::abs(topLeft.x() - 100) <= 16 && std::abs(topLeft.y() - 100) <= 16);
        }
        QCOMPARE(f.t.windowSystem.windows.first().rect.size(), notes.size());

        QVERIFY(f.press(7, 123));
        QVERIFY(!shake->isActive());
        QCOMPARE(f.t.dialogs.messages.size(), 2);
    }

    void pressesWhileAModalWindowWaits_openNothingAndEndNothing()
    {
        HotKeyFixture f;
        QStringList openedInside;
        bool mainStayed = false;
        bool minimised = false;
        QTimer::singleShot(0, [&] {
            auto* options = f.main()->findChild<frmOptions*>();
            QVERIFY(options && options->isVisible());
            ModalWatcher watcher;
            f.press(0, 119);
            f.press(2, 'P');
            f.press(2, 'Q');
            openedInside = watcher.shown;
            mainStayed = f.windows.isLoaded(WindowId::Main) && f.main()->isVisible();
            // Minimising and restoring open nothing: they still work.
            f.press(2, 'M');
            minimised = f.main()->isMinimized();
            options->reject();
        });

        QVERIFY(f.press(0, 119));

        QCOMPARE(openedInside, QStringList());
        QVERIFY(mainStayed);
        QVERIFY(minimised);
    }
};

QUILLET_TEST_MAIN(HotKeysTest)
#include "tst_hotkeys.moc"
