#include "pages/richtextbox.h"
#include "testmain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>

using namespace Quillet;

namespace {

void select(RichTextBox& box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void mixedSelection_readsNoValue()
    {
        RichTextBox box;
        box.setText("one two");
        select(box, 0, 3);
        box.setSelBold(true);
        box.setSelFontSize(14);
        select(box, 0, 7);
        QCOMPARE(box.SelBold(), std::nullopt);
        QCOMPARE(box.SelFontSize(), std::nullopt);
        QCOMPARE(box.SelItalic(), std::optional<bool>(false));
        select(box, 4, 3);
        QCOMPARE(box.SelBold(), std::optional<bool>(false));
        QCOMPARE(box.SelFontSize(), box.document()->defaultFont().pointSizeF());
        select(box, 1, 0);
        QCOMPARE(box.SelBold(), std::optional<bool>(true));
    }

    void alignment_followsTheParagraphs()
    {
        RichTextBox box;
        box.setText("left\ncentre\nright");
        select(box, 6, 0);
        box.setSelAlignment(RichTextBox::AlignCenter);
        select(box, 13, 0);
        box.setSelAlignment(RichTextBox::AlignRight);
        select(box, 7, 0);
        QCOMPARE(box.SelAlignment(), std::optional<int>(2));
        select(box, 14, 0);
        QCOMPARE(box.SelAlignment(), std::optional<int>(1));
        select(box, 0, 8);
        QCOMPARE(box.SelAlignment(), std::nullopt);
    }

    // The buttons show the side the lines keep to, which a right-to-left paragraph turns round.
    void alignment_ofRightToLeftParagraphs_isTheSideShown()
    {
        RichTextBox box;
        box.setTextRTF("{\\rtf1\\rtlpar a\\par\\rtlpar\\ql b\\par\\pard\\rtlpar\\qr c}");
        select(box, 0, 0);
        QCOMPARE(box.SelAlignment(), std::optional<int>(RichTextBox::AlignRight));
        select(box, 2, 0);
        QCOMPARE(box.SelAlignment(), std::optional<int>(RichTextBox::AlignLeft));
        select(box, 4, 0);
        QCOMPARE(box.SelAlignment(), std::optional<int>(RichTextBox::AlignRight));
        box.setSelAlignment(RichTextBox::AlignLeft);
        QVERIFY(box.TextRTF().contains("\\pard\\rtlpar\\ql c\\par"));
    }

    void programWrites_notifyBeforeTheyReturn()
    {
        RichTextBox box;
        connect(&box, &RichTextBox::Change, &box, [&] { box.setTag("DIRTY"); });
        QSignalSpy changes(&box, &RichTextBox::Change);
        box.setTextRTF("{\\rtf1\\ansi Hello}");
        QVERIFY(changes.count() > 0);
        box.setTag("CLEAN");
        box.setText("plain");
        box.setTag("CLEAN");
        QCoreApplication::processEvents();
        QCOMPARE(box.Tag(), "CLEAN");
    }

    void largeAndSmallPages_readAlike()
    {
        RichTextBox box;
        QSignalSpy changes(&box, &RichTextBox::Change);
        const QByteArray words = QByteArray("Dear diary, ").repeated(8000);
        for (const QByteArray& body : {words, QByteArray("short"), words}) {
            changes.clear();
            box.setTextRTF("{\\rtf1\\ansi {\\b " + body + "}\\par}");
            QCOMPARE(box.Text(), QString::fromLatin1(body));
            QVERIFY(changes.count() > 0);
            box.setSelStart(1);
            QCOMPARE(box.SelBold(), std::optional<bool>(true));
        }
    }

    void selection_isRestoredInOrder()
    {
        RichTextBox box;
        box.setText("Dear diary, today");
        QSignalSpy moves(&box, &RichTextBox::SelChange);
        select(box, 5, 5);
        QVERIFY(moves.count() > 0);
        QCOMPARE(box.SelStart(), 5);
        QCOMPARE(box.SelLength(), 5);
        QCOMPARE(box.textCursor().selectedText(), "diary");
    }

    void textThatIsNotRtf_isShownAsPlainText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                             "e")
                               << QString::fromUtf8("Grüße");
        QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80") << QString::fromUtf8("café €");
        QTest::newRow("braces only later") << QByteArray("x {\\rtf1 y}") << "x {\\rtf1 y}";
    }
    void textThatIsNotRtf_isShownAsPlainText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        RichTextBox box;
        box.setTextRTF(bytes);
        QCOMPARE(box.Text(), text);
    }

    void fileName_loadsRtfOrPlainText_missingFails()
    {
        QTemporaryDir dir;
        QFile rtf(dir.filePath("a.rtf"));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1\\ansi {\\b Bold} text\\par}");
        rtf.close();
        RichTextBox box;
        QVERIFY(box.setFileName(rtf.fileName()));
        QCOMPARE(box.Text(), "Bold text");
        QVERIFY(!box.setFileName(dir.filePath("missing.rtf")));
    }

    // The welcome text names its font only as the document's default.
    void welcomePage_isShownInItsDefaultFont()
    {
        RichTextBox box;
        QVERIFY(box.setFileName(QUILLET_RESOURCES_DIR "/welcome.rtf"));
        box.setSelStart(1);
        QCOMPARE(box.SelFontName(), u"Arial"_qs);
        QCOMPARE(box.SelFontSize(), 16.0);
        QVERIFY(box.TextRTF().contains("Arial;}"));
    }

    void clipboard_actsOnTheSelection_whereverTheFocusIs()
    {
        QWidget window;
        auto* box = new RichTextBox(&window);
        auto* elsewhere = new QLineEdit(&window);
        box->move(0, 30);
        window.show();
        elsewhere->setFocus();
        box->setText("cut this word");
        select(*box, 4, 5);
        box->cut();
        QCOMPARE(box->Text(), "cut word");
        QCOMPARE(QApplication::clipboard()->text(), "this ");
        select(*box, 0, 0);
        box->paste();
        QCOMPARE(box->Text(), "this cut word");
    }
};

QUILLET_TEST_MAIN(RichTextBoxTest)
#include "tst_richtextbox.moc"
