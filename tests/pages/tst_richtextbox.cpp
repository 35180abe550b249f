#include "documentdescription.h"
#include "pages/richtextbox.h"
#include "pages/rtf/rtfreader.h"
#include "testmain.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextFrame>

#include <functional>

using namespace Quillet;
using namespace DocumentDescription;

using MakeMimeData = std::function<QMimeData*()>;
Q_DECLARE_METATYPE(MakeMimeData)

namespace {

QByteArray pngFile(const QImage& image)
{
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return file;
}

QImage filled(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

MakeMimeData html(const QString& text)
{
    return [text] {
        auto* data = new QMimeData;
        data->setHtml(text);
        data->setText(u"plain words"_qs);
        return data;
    };
}

// The page as a later reading of its saved RTF shows it.
QString reread(const RichTextBox& box)
{
    QTextDocument saved;
    saved.setDefaultFont(box.document()->defaultFont());
    RtfReader::read(box.TextRTF(), saved);
    return properties(saved);
}

void select(RichTextBox& box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT

private slots:
    void emptyPage_typesInTheDefaultFont_acrossParagraphs()
    {
        // Two Returns: the second paragraph begins after an empty one.
        RichTextBox box;
        box.show();
        box.clearTo("Comic Sans MS", 10);
        QTest::keyClicks(&box, "Dawn");
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, "Dusk");
        for (const int position : {1, 7}) {
            QTextCursor cursor(box.document());
            cursor.setPosition(position);
            QCOMPARE(cursor.charFormat().fontFamilies().toStringList(), {"Comic Sans MS"});
            QCOMPARE(cursor.charFormat().fontPointSize(), 10);
        }
    }

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
        connect(&box, &RichTextBox::Change, &box,
                [&] { box.setTag(RichTextBox::PageState::Dirty); });
        QSignalSpy changes(&box, &RichTextBox::Change);
        box.setTextRTF("{\\rtf1\\ansi Hello}");
        QVERIFY(changes.count() > 0);
        box.setTag(RichTextBox::PageState::Clean);
        box.setText("plain");
        box.setTag(RichTextBox::PageState::Clean);
        QCoreApplication::processEvents();
        QCOMPARE(box.Tag(), RichTextBox::PageState::Clean);
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

    // A page written in WordPad is shown with its spacing and indents and saved with them.
    void wordPadPage_isShownAndSavedWithItsSpacing()
    {
        RichTextBox box;
        const QString path =
            qEnvironmentVariable("QUILLET_TEST_DATA") + u"/rtf/wordpad-spacing.rtf"_qs;
        QVERIFY(box.setFileName(path));
        QStringList shown;
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            shown << describe(block) + block.text();
        QCOMPARE(shown, (QStringList{u"sa13.33 lh115% Monday, a long walk by the sea."_qs,
                                     u"li48 ri48 sa13.33 lh115% The water was grey and the wind "
                                     "came from the west."_qs,
                                     u"li48 fi-24 sa13.33 lh115% ·\tbread"_qs,
                                     u"li48 fi-24 sa13.33 lh115% ·\tapples"_qs,
                                     u"sb16 sa13.33 lh100% A sketch of the bay \uFFFC"_qs,
                                     u"=right sa13.33 lh115% Tuesday"_qs}));
        const QTextBlockFormat first = box.document()->begin().blockFormat();
        QCOMPARE(first.bottomMargin(), 200 / 15.0);
        QCOMPARE(first.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(first.lineHeight(), 115.0);
        const QTextBlockFormat bullet = box.document()->findBlockByNumber(2).blockFormat();
        QCOMPARE(bullet.leftMargin(), 720 / 15.0);
        QCOMPARE(bullet.textIndent(), -360 / 15.0);

        const QByteArray saved = box.TextRTF();
        QStringList paragraphs;
        const QRegularExpression paragraph(
            u"\\\\pard((?:\\\\(?:q[lrcj]|li|ri|fi|sb|sa|slmult|sl)-?\\d*)*)"_qs);
        for (const QRegularExpressionMatch& match :
             paragraph.globalMatch(QString::fromLatin1(saved)))
            paragraphs << match.captured(1);
        QCOMPARE(
            paragraphs,
            (QStringList{u"\\sa200\\sl276\\slmult1"_qs, u"\\li720\\ri720\\sa200\\sl276\\slmult1"_qs,
                         u"\\li720\\fi-360\\sa200\\sl276\\slmult1"_qs,
                         u"\\li720\\fi-360\\sa200\\sl276\\slmult1"_qs,
                         u"\\sb240\\sa200\\sl240\\slmult1"_qs, u"\\qr\\sa200\\sl276\\slmult1"_qs}));
        QFile fixture(path);
        QVERIFY(fixture.open(QIODevice::ReadOnly));
        const QByteArray original = fixture.readAll();
        const qsizetype picture = original.indexOf("{\\pict");
        const QByteArray metafile =
            original.mid(picture, original.indexOf("\r\n}", picture) + 3 - picture);
        QVERIFY(metafile.endsWith("0000\r\n}"));
        QVERIFY(saved.contains(metafile));
    }

    // A PNG picture is shown as an image, and a save writes back the bytes it was read from.
    void pngPicture_isShownAndSavedWithItsBytes()
    {
        const QColor green(0, 160, 0);
        const QByteArray file = pngFile(filled(4, 4, green));
        RichTextBox box;
        box.resize(300, 200);
        box.setTextRTF("{\\rtf1 Before {\\pict\\pngblip\\picwgoal900\\pichgoal900 " + file.toHex() +
                       "} after\\par}");
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(describe(*box.document()), u"{}Before [png 4x4 #00a000 60x60] after"_qs);
        const QImage shot = box.viewport()->grab().toImage();
        int greenPixels = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                greenPixels += shot.pixelColor(x, y) == green;
        }
        QCOMPARE(greenPixels, 60 * 60);

        const QByteArray saved = box.TextRTF();
        const qsizetype data = saved.indexOf('\n', saved.indexOf("\\pngblip"));
        QVERIFY(data > 0);
        QCOMPARE(QByteArray::fromHex(saved.mid(data, saved.indexOf('}', data) - data)), file);
    }

    // Pasted content is reduced to what a page keeps as it is inserted: what is shown then is
    // what a save keeps, format for format.
    void paste_showsWhatASaveKeeps_data()
    {
        QTest::addColumn<MakeMimeData>("source");
        QTest::addColumn<QString>("shown");
        QTest::newRow("HTML paragraph with indent and line height")
            << html(u"<p style='margin-left:40px; line-height:150%'>indented</p>"_qs)
            << u"li40 sb12 sa12 lh150% {}indented"_qs;
        QTest::newRow("HTML list")
            << html(u"<ul><li>one</li><li>two</li></ul><ol><li>first</li></ol>"_qs)
            << u"li40 sb12 {}• one\nli40 sa12 {}• two\nli40 sb12 sa12 {}1. first"_qs;
        QTest::newRow("HTML table") << html(u"<table><tr><td>a</td><td>b</td></tr></table>"_qs)
                                    << u"{}\n=left {}a\n=left {}b\n{}"_qs;
        QTest::newRow("HTML link") << html(u"see <a href='https://example.org/'>this</a>"_qs)
                                   << u"{}see {#0000ff u link:https://example.org/}this"_qs;
        QTest::newRow("HTML picture that the HTML carries")
            << html(u"<img src='data:image/png;base64,"_qs +
                    QString::fromLatin1(pngFile(filled(3, 2, Qt::red)).toBase64()) + u"'>"_qs)
            << u"{}[png 3x2 #ff0000 3x2]"_qs;
        QTest::newRow("HTML picture only linked")
            << html(u"a<img src='https://example.org/x.png' width=20 height=20>b"_qs) << u"{}ab"_qs;
        QTest::newRow("HTML formats a page does not keep")
            << html(u"<p style='background-color:#ffff00'><span style='letter-spacing:4px; "
                    "font-variant:small-caps; text-decoration:overline'>x</span></p>"_qs)
            << u"sb12 sa12 {}x"_qs;
        QTest::newRow("HTML sizes in pixels and headings")
            << html(u"<h1>T</h1><span style='font-size:16px'>p</span>"_qs)
            << u"sb18 sa12 {20pt b}T\n{12pt}p"_qs;
        QTest::newRow("RTF of a word processor") << MakeMimeData([] {
            auto* data = new QMimeData;
            data->setData(u"text/rtf"_qs, "{\\rtf1\\sa200\\sl276\\slmult1{\\b x}}");
            data->setHtml(u"<b>other</b>"_qs);
            return data;
        }) << u"sa13.33 lh115% {b}x"_qs;
        QTest::newRow("picture") << MakeMimeData([] {
            auto* data = new QMimeData;
            data->setImageData(filled(3, 3, Qt::blue));
            return data;
        }) << u"{}[png 3x3 #0000ff 3x3]"_qs;
        QTest::newRow("plain text with control characters") << MakeMimeData([] {
            auto* data = new QMimeData;
            data->setText(u"a\u0001b\tc\r\nd"_qs);
            return data;
        }) << u"{}ab\\tc\n{}d"_qs;
    }
    void paste_showsWhatASaveKeeps()
    {
        QFETCH(MakeMimeData, source);
        QFETCH(QString, shown);
        RichTextBox box;
        box.document()->setDefaultFont(QFont(u"Arial"_qs, 10));
        QApplication::clipboard()->setMimeData(source());
        QVERIFY(box.canPaste());
        box.paste();
        QCOMPARE(describe(*box.document()), shown);
        QCOMPARE(properties(*box.document()), reread(box));
        QVERIFY(box.document()->rootFrame()->childFrames().isEmpty());
    }

    void copyAndPaste_keepsAPicture()
    {
        const QByteArray file = pngFile(filled(4, 4, Qt::green));
        RichTextBox from;
        from.setTextRTF("{\\rtf1 a{\\pict\\pngblip\\picwgoal300\\pichgoal300 " + file.toHex() +
                        "}b}");
        select(from, 1, 1);
        from.copy();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->hasFormat(u"text/rtf"_qs));
        QVERIFY(copied->hasHtml());

        RichTextBox to;
        to.paste();
        QCOMPARE(describe(*to.document()), u"{}[png 4x4 #00ff00 20x20]"_qs);
        QVERIFY(to.TextRTF().contains(file.toHex().first(128)));
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
