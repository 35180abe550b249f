#include "mainfixture.h"
#include "mainwindow/colourblock.h"
#include "mainwindow/pagetoolbar.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTextCursor>
#include <QTimer>

using namespace Quillet;

namespace {

struct EditingFixture : MainFixture {
    EditingFixture() : MainFixture(false) {}

    PageToolbar* toolbar() const { return child<PageToolbar>("Toolbar"); }
    void click(const char* key) const { toolbar()->button(QLatin1String(key))->trigger(); }
    bool pressed(const char* key) const { return toolbar()->pressed(QLatin1String(key)); }
    void select(int start, int length) const
    {
        page()->setSelStart(start);
        page()->setSelLength(length);
    }
    QComboBox* sizes() const { return child<QComboBox>("cmbFntSize"); }
    QComboBox* names() const { return child<QFontComboBox>("cmbFntName"); }
    ColourBlock* block(int index) const
    {
        for (ColourBlock* found : main()->findChildren<ColourBlock*>("colBlocks"))
            if (found->index() == index)
                return found;
        return nullptr;
    }
};

} // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    void toolbar_hasItsEntriesInOrder()
    {
        EditingFixture f;
        const QStringList keys{"save",  "delete", "print", "",        "cut",       "copy",
                               "paste", "",       "bold",  "italics", "underline", "",
                               "left",  "center", "right", "",        "help"};
        for (int index = 1; index <= 17; ++index) {
            QAction* entry = f.toolbar()->button(index);
            QCOMPARE(entry->data().toString(), keys[index - 1]);
            QCOMPARE(entry->isSeparator(), keys[index - 1].isEmpty());
        }
        QCOMPARE(f.toolbar()->button(1)->toolTip(), "Save Current Page");
        QCOMPARE(f.toolbar()->button(10)->text(), "Italics");
        QCOMPARE(f.toolbar()->button(11)->toolTip(), "underline");
        QCOMPARE(f.toolbar()->button(17)->toolTip(), "S-O-S - Help!!");
        QCOMPARE(f.sizes()->toolTip(), "Font Size");
        QCOMPARE(f.sizes()->count(), 14);
        QCOMPARE(f.sizes()->itemText(13), "72");
    }

    void bold_onThenOff_onAPlainSelection()
    {
        EditingFixture f;
        f.page()->setText("one two");
        f.select(0, 3);
        f.click("bold");
        QVERIFY(f.pressed("bold"));
        QCOMPARE(f.page()->SelBold(), std::optional<bool>(true));
        f.click("bold");
        QVERIFY(!f.pressed("bold"));
        QCOMPARE(f.page()->SelBold(), std::optional<bool>(false));
    }

    void partlyBoldSelection_leavesTheBoldButtonAsItWas()
    {
        EditingFixture f;
        f.page()->setText("one two");
        f.select(0, 3);
        f.click("bold");
        for (const bool before : {true, false}) {
            f.toolbar()->setPressed("bold", before);
            // One move straight onto a selection that is bold only in part.
            QTextCursor cursor(f.page()->document());
            cursor.setPosition(before ? 1 : 2);
            cursor.setPosition(7, QTextCursor::KeepAnchor);
            f.page()->setTextCursor(cursor);
            QCOMPARE(f.page()->SelBold(), std::nullopt);
            QCOMPARE(f.pressed("bold"), before);
        }
    }

    void selectionInTwoSizes_emptiesTheSizeBox_keepsTheNameBox()
    {
        EditingFixture f;
        f.page()->setText("one two");
        f.select(0, 3);
        f.page()->setSelFontSize(14);
        f.select(4, 1);
        QCOMPARE(f.sizes()->currentText(), "10");
        const QString name = f.names()->currentText();
        f.select(0, 7);
        QCOMPARE(f.sizes()->currentText(), QString());
        QCOMPARE(f.names()->currentText(), name);
    }

    void caretInAnAlignedParagraph_pressesItsButtonOnly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("centre") << "center";
        QTest::newRow("right") << "right";
        QTest::newRow("left") << "left";
    }
    void caretInAnAlignedParagraph_pressesItsButtonOnly()
    {
        QFETCH(QString, key);
        EditingFixture f;
        f.page()->setText("first\nsecond");
        f.select(8, 0);
        f.toolbar()->button(key)->trigger();
        f.select(0, 0);
        QVERIFY(f.pressed("left"));
        f.select(9, 0);
        for (const QString alignment : {"left", "center", "right"})
            QCOMPARE(f.toolbar()->pressed(alignment), alignment == key);
    }

    void cutAndPaste_workWithTheFocusOnTheToolbar()
    {
        EditingFixture f;
        f.main()->activateWindow();
        f.page()->setText("keep this word");
        f.select(5, 5);
        f.toolbar()->setFocus();
        f.click("cut");
        QCOMPARE(f.page()->Text(), "keep word");
        QCOMPARE(QApplication::clipboard()->text(), "this ");
        f.select(9, 0);
        f.click("paste");
        QCOMPARE(f.page()->Text(), "keep wordthis ");
        f.select(0, 4);
        f.click("copy");
        QCOMPARE(QApplication::clipboard()->text(), "keep");
    }

    void colourBlockClick_coloursTheSelection()
    {
        EditingFixture f;
        f.page()->setText("red word");
        f.select(0, 3);
        QTest::mouseClick(f.block(3), Qt::LeftButton);
        QCOMPARE(f.page()->SelColor(), std::optional<QColor>(QColor(255, 0, 0)));
    }

    void colourChooser_cancelled_changesNoBlock_butSavesTheCustomColours()
    {
        EditingFixture f;
        f.t.dialogs.colorAnswer = std::nullopt;
        std::array<quint32, 16> after;
        after.fill(0xFF0000);
        after[2] = 0x030201;
        f.t.dialogs.customColoursAfter = after;
        QTest::mouseDClick(f.block(5), Qt::LeftButton);
        // First use ever: the chooser shows sixteen white custom colours.
        std::array<quint32, 16> white;
        white.fill(0xFFFFFF);
        QVERIFY(f.t.dialogs.customColoursShown == white);
        QCOMPARE(f.block(5)->colour(), QColor(255, 0, 255));
        QCOMPARE(f.t.appSettings.readSetting("Quillet 2", "Custom Colors", "0"), "16711680");
        QCOMPARE(f.t.appSettings.readSetting("Quillet 2", "Custom Colors", "2"), "197121");
        QCOMPARE(f.t.appSettings.readSetting("Quillet 2", "Custom Colors", "15"), "16711680");
    }

    void colourBlockDoubleClick_onlyOpensTheChooser()
    {
        EditingFixture f;
        f.page()->setText("plain word");
        f.select(0, 5);
        f.page()->setTag(RichTextBox::PageState::Clean);
        const std::optional<QColor> before = f.page()->SelColor();
        f.t.dialogs.colorAnswer = std::nullopt;
        // As a window system delivers a double click: a first click, then the double click.
        QTest::mouseClick(f.block(5), Qt::LeftButton);
        QTest::mouseDClick(f.block(5), Qt::LeftButton);
        QCOMPARE(f.page()->SelColor(), before);
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Clean);
        QCOMPARE(f.block(5)->colour(), QColor(255, 0, 255));
    }

    void colourChooser_chosen_changesOnlyTheBlock()
    {
        EditingFixture f;
        f.page()->setText("word");
        f.select(0, 4);
        f.t.dialogs.colorAnswer = 0x1E140A;
        QTest::mouseDClick(f.block(0), Qt::LeftButton);
        QCOMPARE(f.block(0)->colour(), QColor(10, 20, 30));
        QVERIFY(f.page()->SelColor() != std::optional<QColor>(QColor(10, 20, 30)));
    }

    void fontSize_chosenIsApplied_typedIsNot()
    {
        EditingFixture f;
        f.page()->setText("word");
        f.select(0, 4);
        f.sizes()->setEditText("30");
        QCOMPARE(f.page()->SelFontSize(), std::optional<qreal>(10));
        // Chosen from the list with the keyboard: the entry after 10.
        f.sizes()->setFocus();
        QTest::keyClick(f.sizes(), Qt::Key_Down);
        f.select(0, 4);
        QCOMPARE(f.page()->SelFontSize(), std::optional<qreal>(11));
    }

    void fontBoxes_tabbingThroughChangesNothing_typedSizesAreNotApplied_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        for (const char* typed : {"abc", "inf", "1e308", "99999", "-5", "30", "12"}) {
            QTest::addRow("%s, Tab", typed) << QString(typed) << int(Qt::Key_Tab);
            QTest::addRow("%s, Enter", typed) << QString(typed) << int(Qt::Key_Return);
        }
    }
    void fontBoxes_tabbingThroughChangesNothing_typedSizesAreNotApplied()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        EditingFixture f;
        f.main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main()));
        f.page()->setText("word");
        f.select(0, 4);
        const std::optional<QString> name = f.page()->SelFontName();
        // The box shows a name of its list that is not its chosen entry, as it does for a
        // selection in a font it holds under another entry.
        f.names()->setEditText(f.names()->itemText(f.names()->currentIndex() + 1));
        f.names()->setFocus();
        QTest::keyClick(f.names(), Qt::Key_Tab);
        QVERIFY(f.sizes()->hasFocus());
        QCOMPARE(f.page()->SelFontName(), name);

        f.sizes()->lineEdit()->selectAll();
        QTest::keyClicks(f.sizes(), typed);
        QTest::keyClick(f.sizes(), Qt::Key(key));
        f.select(0, 4);
        QCOMPARE(f.page()->SelFontSize(), std::optional<qreal>(10));
        QCOMPARE(f.sizes()->count(), 14);
        QVERIFY(f.page()->TextRTF().contains("\\fs20 "));
    }

    void saveDeleteAndHelp_doTheirCommands()
    {
        EditingFixture f;
        f.page()->setText("saved words");
        f.click("save");
        QVERIFY(QFileInfo::exists(f.main()->pageStore().pageFilePath(QDate(2001, 8, 5))));
        QCOMPARE(f.page()->Tag(), RichTextBox::PageState::Clean);
        f.click("delete");
        QVERIFY(!QFileInfo::exists(f.main()->pageStore().pageFilePath(QDate(2001, 8, 5))));
        QCOMPARE(f.page()->Text(), QString());
        f.click("help");
        QCOMPARE(f.t.help.topics, QStringList{f.t.state.installFolder + "/Quillet.chm"});
    }

    void print_fromTheToolbarOrCtrlP_opensThePreview_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("toolbar") << false;
        QTest::newRow("Ctrl+P") << true;
    }

    void print_fromTheToolbarOrCtrlP_opensThePreview()
    {
        QFETCH(bool, byKey);
        EditingFixture f;
        f.page()->setText("printed words");
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->windowTitle();
                modal->close();
            }
        });
        if (byKey) {
            QVERIFY(f.t.hotKeys.press(HotKeyPlatform::Control, 'P'));
        } else {
            f.click("print");
        }
        QCOMPARE(shown, QStringLiteral("Print Preview"));
        QCOMPARE(f.t.printer.pageSetting, 1);
        QCOMPARE(f.page()->Text(), QStringLiteral("printed words"));
    }
};

QUILLET_TEST_MAIN(EditingTest)
#include "tst_editing.moc"
