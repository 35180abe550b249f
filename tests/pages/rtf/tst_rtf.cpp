#include "documentdescription.h"
#include "pages/rtf/rtfreader.h"
#include "pages/rtf/rtfwriter.h"
#include "testmain.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <functional>

using namespace Quillet;
using namespace DocumentDescription;

using Build = std::function<void(QTextCursor&)>;
Q_DECLARE_METATYPE(Build)

namespace {

// Builds character formats in one line each.
class Format {
public:
    Format& family(const QString& name)
    {
        m_format.setFontFamilies({name});
        return *this;
    }
    Format& size(qreal points)
    {
        m_format.setFontPointSize(points);
        return *this;
    }
    Format& color(const QColor& color)
    {
        m_format.setForeground(color);
        return *this;
    }
    Format& background(const QColor& color)
    {
        m_format.setBackground(color);
        return *this;
    }
    Format& bold()
    {
        m_format.setFontWeight(QFont::Bold);
        return *this;
    }
    Format& italic()
    {
        m_format.setFontItalic(true);
        return *this;
    }
    Format& underline()
    {
        m_format.setFontUnderline(true);
        return *this;
    }
    Format& strike()
    {
        m_format.setFontStrikeOut(true);
        return *this;
    }
    Format& vertical(QTextCharFormat::VerticalAlignment alignment)
    {
        m_format.setVerticalAlignment(alignment);
        return *this;
    }
    operator QTextCharFormat() const { return m_format; }

private:
    QTextCharFormat m_format;
};

QTextBlockFormat aligned(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// The text as a person reads it: paragraphs on lines, special characters as they are.
QString text(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks.join(u'\n');
}

QString read(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return describe(document);
}

QString readText(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return text(document);
}

QByteArray sample(const QString& name)
{
    QFile file(qEnvironmentVariable("QUILLET_TEST_DATA") + u"/rtf/"_qs + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", qPrintable(file.fileName()));
    return file.readAll();
}

QByteArray repeated(const QByteArray& part, int times)
{
    return part.repeated(times);
}

// What the writer gives after its tables: the paragraphs, without the closing brace.
QByteArray body(const QByteArray& written)
{
    const qsizetype tables = written.indexOf("{\\*\\defchp");
    const qsizetype start = written.indexOf('\n', tables) + 1;
    return written.mid(start, written.size() - start - 1);
}

// A 2 x 2 PNG made by hand: red, green / blue, white.
const QByteArray kPngHex = "89504e470d0a1a0a0000000d4948445200000002000000020802000000fdd49a73"
                           "000000124944415478da63f8cfc0c000c20cff8100001fee05fbf1abba77000000"
                           "0049454e44ae426082";

// Picture data as the writer lays it out: 64 bytes a line.
QByteArray hexLines(const QByteArray& hex)
{
    QByteArray lines;
    for (qsizetype i = 0; i < hex.size(); i += 128)
        lines += '\n' + hex.mid(i, 128);
    return lines + '\n';
}

QByteArray blackJpeg()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return file;
}

} // namespace

class RtfTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_givesTheSameDocument_data()
    {
        QTest::addColumn<Build>("build");
        QTest::newRow("empty") << Build([](QTextCursor&) {});
        QTest::newRow("plain text")
            << Build([](QTextCursor& c) { c.insertText(u"Dear diary, today was fine."_qs); });
        QTest::newRow("paragraphs, empty ones too") << Build([](QTextCursor& c) {
            c.insertBlock();
            c.insertText(u"One"_qs);
            c.insertBlock();
            c.insertBlock();
            c.insertText(u"Two"_qs);
            c.insertBlock();
        });
        QTest::newRow("mixed formats") << Build([](QTextCursor& c) {
            c.insertText(u"plain "_qs, QTextCharFormat());
            c.insertText(u"bold "_qs, Format().bold());
            c.insertText(u"italic "_qs, Format().italic());
            c.insertText(u"underlined "_qs, Format().underline());
            c.insertText(u"all three "_qs, Format().bold().italic().underline());
            c.insertText(u"red "_qs, Format().color(Qt::red));
            c.insertText(u"serif "_qs, Format().family(u"DejaVu Serif"_qs).size(14));
            c.insertText(u"half "_qs, Format().size(10.5));
            c.insertText(u"marked "_qs, Format().background(Qt::yellow).color(Qt::blue));
            c.insertText(u"struck "_qs, Format().strike());
            c.insertText(u"2"_qs, Format().vertical(QTextCharFormat::AlignSuperScript));
            c.insertText(u"i"_qs, Format().vertical(QTextCharFormat::AlignSubScript));
            // Named like the document's font, yet chosen: it must stay chosen.
            c.insertText(u" arial"_qs, Format().family(u"Arial"_qs));
            c.insertText(u" plain again"_qs, QTextCharFormat());
        });
        QTest::newRow("format across paragraphs") << Build([](QTextCursor& c) {
            c.insertText(u"bold"_qs, Format().bold().size(12));
            c.insertBlock();
            c.insertText(u"still bold"_qs, Format().bold().size(12));
            c.insertBlock(QTextBlockFormat(), Format().size(20));
            c.insertBlock(QTextBlockFormat(), QTextCharFormat());
            c.insertText(u"after an empty 20 pt line"_qs, QTextCharFormat());
        });
        QTest::newRow("alignments") << Build([](QTextCursor& c) {
            c.setBlockFormat(aligned(Qt::AlignLeft));
            c.insertText(u"left"_qs);
            c.insertBlock(aligned(Qt::AlignHCenter));
            c.insertText(u"center"_qs);
            c.insertBlock(aligned(Qt::AlignRight));
            c.insertText(u"right"_qs);
            c.insertBlock(aligned(Qt::AlignJustify));
            c.insertText(u"justify"_qs);
            c.insertBlock(QTextBlockFormat());
            c.insertText(u"unset"_qs);
            c.insertBlock(aligned(Qt::AlignHCenter));
        });
        QTest::newRow("tabs and line breaks") << Build([](QTextCursor& c) {
            c.insertText(u"a\tb"_qs + QChar(QChar::LineSeparator) + u"c\t"_qs);
            c.insertBlock();
            c.insertText(u"\td"_qs + QChar(QChar::LineSeparator));
        });
        QTest::newRow("non-ASCII") << Build([](QTextCursor& c) {
            c.insertText(u"Grüße — 日本 😀"_qs);
            c.insertText(u" €ł"_qs, Format().bold());
        });
        QTest::newRow("RTF syntax and special spaces") << Build([](QTextCursor& c) {
            c.insertText(u"{braces} back\\slash \\par; ?"_qs);
            c.insertText(u"no\u00A0break soft\u00ADhyphen hard\u2011hyphen"_qs);
        });
        QTest::newRow("font name outside ASCII and with a semicolon") << Build(
            [](QTextCursor& c) { c.insertText(u"x"_qs, Format().family(u"Noto; Serif 日本"_qs)); });
    }
    void roundTrip_givesTheSameDocument()
    {
        QFETCH(Build, build);
        QTextDocument original;
        original.setDefaultFont(QFont(u"Arial"_qs, 10));
        QTextCursor cursor(&original);
        build(cursor);

        const QByteArray rtf = RtfWriter::write(original);
        for (const char byte : rtf)
            QVERIFY2(uchar(byte) < 0x80, rtf.constData());
        QTextDocument copy;
        copy.setDefaultFont(original.defaultFont());
        RtfReader::read(rtf, copy);
        QCOMPARE(describe(copy), describe(original));
        QCOMPARE(RtfWriter::write(copy), rtf);
    }

    // Each thing a page keeps, in a small hand-written RTF: what the document then holds and
    // the paragraphs the writer gives back for it.
    void feature_survivesARoundTrip_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("UTF-8 byte-order mark")
            << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << u"{}a"_qs << QByteArray("\\pard a\\par\n");
        QTest::newRow("indents") << QByteArray("{\\rtf1\\li720\\ri360\\fi-360 a\\par}")
                                 << u"li48 ri24 fi-24 {}a"_qs
                                 << QByteArray("\\pard\\li720\\ri360\\fi-360 a\\par\n");
        QTest::newRow("paragraph spacing")
            << QByteArray("{\\rtf1\\sb120\\sa200 a\\par}") << u"sb8 sa13.33 {}a"_qs
            << QByteArray("\\pard\\sb120\\sa200 a\\par\n");
        QTest::newRow("line spacing as a multiple")
            << QByteArray("{\\rtf1\\sl276\\slmult1 a}") << u"lh115% {}a"_qs
            << QByteArray("\\pard\\sl276\\slmult1 a\\par\n");
        QTest::newRow("line spacing at least")
            << QByteArray("{\\rtf1\\sl360\\slmult0 a}") << u"lh>=24 {}a"_qs
            << QByteArray("\\pard\\sl360\\slmult0 a\\par\n");
        QTest::newRow("line spacing exactly") << QByteArray("{\\rtf1\\sl-360 a}") << u"lh=24 {}a"_qs
                                              << QByteArray("\\pard\\sl-360\\slmult0 a\\par\n");
        QTest::newRow("\\sl0 is single spacing")
            << QByteArray("{\\rtf1\\sl0\\slmult1 a}") << u"{}a"_qs << QByteArray("\\pard a\\par\n");
        QTest::newRow("right-to-left paragraphs keep their side")
            << QByteArray("{\\rtf1\\rtlpar\\qr a\\par\\pard\\rtlpar b\\par\\pard\\rtlpar\\ql c\\par"
                          "\\pard\\ltrpar\\qr d}")
            << u"rtl =right {}a\nrtl {}b\nrtl =left {}c\nltr =right {}d"_qs
            << QByteArray("\\pard\\rtlpar\\qr a\\par\n\\pard\\rtlpar b\\par\n"
                          "\\pard\\rtlpar\\ql c\\par\n\\pard\\ltrpar\\qr d\\par\n");
        QTest::newRow("hyperlink")
            << QByteArray("{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}see {\\field{\\*\\fldinst"
                          "{HYPERLINK \"https://example.org/a?b=1\" }}{\\fldrslt{\\ul\\cf1 this "
                          "page}}} now}")
            << u"{}see {#0000ff u link:https://example.org/a?b=1}this page{} now"_qs
            << QByteArray("\\pard see {\\field{\\*\\fldinst HYPERLINK "
                          "\"https://example.org/a?b=1\"}{\\fldrslt\\plain\\cf1\\ul this page}} "
                          "now\\par\n");
        QTest::newRow("link to a place in the page")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\\\l \"top\"}{\\fldrslt up}}}")
            << u"{link:#top}up"_qs
            << QByteArray("\\pard{\\field{\\*\\fldinst HYPERLINK \\\\l \"top\"}{\\fldrslt up}}"
                          "\\par\n");
        QTest::newRow("link whose address holds backslashes, quotes and other letters")
            << QByteArray(
                   "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"C:\\\\\\\\d\\\\\"i\\\\\"\\'e4\\u8364?"
                   "\"}{\\fldrslt f}}}")
            << u"{link:C:\\d\"i\"ä€}f"_qs
            << QByteArray(
                   "\\pard{\\field{\\*\\fldinst HYPERLINK \"C:\\\\\\\\d\\\\\"i\\\\\"\\u228?\\u8364?"
                   "\"}{\\fldrslt f}}\\par\n");
        QTest::newRow("links side by side and over two paragraphs")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt x}}{\\field{\\*"
                          "\\fldinst HYPERLINK \"b\"}{\\fldrslt y\\par z}}}")
            << u"{link:a}x{link:b}y\n{link:b}z"_qs
            << QByteArray("\\pard{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt x}}{\\field{\\*"
                          "\\fldinst HYPERLINK \"b\"}{\\fldrslt y}}\\par\n"
                          "\\pard{\\field{\\*\\fldinst HYPERLINK \"b\"}{\\fldrslt z}}\\par\n");
        QTest::newRow("field that is no link shows its result")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}") << u"{}3"_qs
            << QByteArray("\\pard 3\\par\n");
        const QByteArray pngPicture =
            "{\\pict\\pngblip\\picw2\\pich2\\picwgoal600\\pichgoal300" + hexLines(kPngHex) + '}';
        QTest::newRow("PNG picture")
            << "{\\rtf1 a{\\pict\\pngblip\\picw2\\pich2\\picwgoal600\\pichgoal300 " + kPngHex +
                   "}b}"
            << u"{}a[png 2x2 #ff0000 40x20]b"_qs << "\\pard a" + pngPicture + "b\\par\n";
        QTest::newRow("PNG picture in capitals, over lines, at its own size")
            << "{\\rtf1{\\pict\\pngblip\r\n" + kPngHex.first(100).toUpper() + "\r\n" +
                   kPngHex.sliced(100).toUpper() + "}}"
            << u"{}[png 2x2 #ff0000 2x2]"_qs
            << "\\pard{\\pict\\pngblip\\picw2\\pich2\\picwgoal30\\pichgoal30" + hexLines(kPngHex) +
                   "}\\par\n";
        QTest::newRow("PNG picture scaled")
            << "{\\rtf1{\\pict\\picscalex50\\picscaley200\\pngblip\\picwgoal600\\pichgoal300 " +
                   kPngHex + "}}"
            << u"{}[png 2x2 #ff0000 20x40]"_qs
            << "\\pard{\\pict\\pngblip\\picw2\\pich2\\picwgoal300\\pichgoal600" +
                   hexLines(kPngHex) + "}\\par\n";
        const QByteArray jpegHex = blackJpeg().toHex();
        QTest::newRow("JPEG picture")
            << "{\\rtf1{\\pict\\jpegblip\\picw8\\pich8\\picwgoal120\\pichgoal120 " + jpegHex + "}}"
            << u"{}[jpeg 8x8 #000000 8x8]"_qs
            << "\\pard{\\pict\\jpegblip\\picw8\\pich8\\picwgoal120\\pichgoal120" +
                   hexLines(jpegHex) + "}\\par\n";
        QTest::newRow("picture of a word processor, beside a metafile for older readers")
            << "{\\rtf1{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv Picture 1}}}"
               "\\pngblip\\picwgoal600\\pichgoal300 " +
                   kPngHex + "}}{\\nonshppict{\\pict\\wmetafile8 0a0b}}}"
            << u"{}[png 2x2 #ff0000 40x20]"_qs << "\\pard" + pngPicture + "\\par\n";
        const QByteArray metafile = "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440"
                                    "\\pichgoal720 0100090000\r\n03aa0b}";
        QTest::newRow("metafile kept as it stood")
            << "{\\rtf1 a" + metafile + "b}" << u"{}a[kept 96x48]b"_qs
            << "\\pard a" + metafile + "b\\par\n";
        QTest::newRow("metafile sized in hundredths of a millimetre")
            << QByteArray("{\\rtf1{\\pict\\emfblip\\picw2540\\pich1270 01}}")
            << u"{}[kept 96x48]"_qs
            << QByteArray("\\pard{\\pict\\emfblip\\picw2540\\pich1270 01}\\par\n");
        QTest::newRow("bitmap of binary data")
            << QByteArray("{\\rtf1{\\pict\\dibitmap0\\picw3\\pich2\\bin4 {}\\\x01}}")
            << u"{}[kept 3x2]"_qs
            << QByteArray("\\pard{\\pict\\dibitmap0\\picw3\\pich2\\bin4 {}\\\x01}\\par\n");
        QTest::newRow("PNG that does not decode")
            << QByteArray("{\\rtf1{\\pict\\pngblip\\picwgoal300\\pichgoal300 89504e470d0a1a0a00}}")
            << u"{}[kept 20x20]"_qs
            << QByteArray("\\pard{\\pict\\pngblip\\picwgoal300\\pichgoal300 89504e470d0a1a0a00}"
                          "\\par\n");
        const QByteArray object =
            "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw1200\\objh600"
            "{\\*\\objdata 0102}{\\result{\\pict\\wmetafile8 0a}}}";
        QTest::newRow("embedded object")
            << "{\\rtf1 " + object + "}" << u"{}[kept 80x40]"_qs << "\\pard" + object + "\\par\n";
        const QByteArray shape =
            "{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright1440\\shpbottom720"
            "{\\sp{\\sn pib}{\\sv {\\pict\\pngblip 00}}}}}";
        QTest::newRow("floating shape")
            << "{\\rtf1 " + shape + "}" << u"{}[kept 96x48]"_qs << "\\pard" + shape + "\\par\n";
        QTest::newRow("picture in bold text, which goes on after it")
            << QByteArray("{\\rtf1{\\b a{\\pict\\dibitmap0 00}b}}") << u"{b}a[kept 32x32]b"_qs
            << QByteArray("\\pard\\plain\\b a{\\pict\\dibitmap0 00}b\\par\n");
        QTest::newRow("picture after text in its group")
            << QByteArray("{\\rtf1{a\\b\\pict\\dibitmap0 00}}") << u"{}a[kept 32x32]"_qs
            << QByteArray("\\pard a{\\pict\\dibitmap0 00}\\par\n");
        QTest::newRow("default font")
            << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Georgia;}}a\\f0 b\\plain c}")
            << u"{Georgia}a{Arial}b{Georgia}c"_qs
            << QByteArray("\\pard\\plain\\f1 a\\plain\\f2 b\\plain\\f1 c\\par\n");
        QTest::newRow("default font that is the document's")
            << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}}a}") << u"{}a"_qs
            << QByteArray("\\pard a\\par\n");
        QTest::newRow("\\pard resets the paragraph, \\par keeps it")
            << QByteArray("{\\rtf1\\li720\\sa200\\qc a\\par b\\par\\pard c}")
            << u"=center li48 sa13.33 {}a\n=center li48 sa13.33 {}b\n{}c"_qs
            << QByteArray("\\pard\\qc\\li720\\sa200 a\\par\n\\pard\\qc\\li720\\sa200 b\\par\n"
                          "\\pard c\\par\n");
    }
    void feature_survivesARoundTrip()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, document);
        QFETCH(QByteArray, written);
        QTextDocument read;
        read.setDefaultFont(QFont(u"Arial"_qs, 10));
        RtfReader::read(rtf, read);
        QCOMPARE(describe(read), document);

        const QByteArray rewritten = RtfWriter::write(read);
        QCOMPARE(body(rewritten), written);
        QTextDocument copy;
        copy.setDefaultFont(read.defaultFont());
        RtfReader::read(rewritten, copy);
        QCOMPARE(describe(copy), document);
        QCOMPARE(RtfWriter::write(copy), rewritten);
    }

    // Pages the editor made, with formats that no RTF read gives: written as they are shown.
    void write_keepsWhatThePageShows_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QByteArray>("written");
        const auto rightToLeft = [](Qt::Alignment alignment) {
            QTextBlockFormat format = aligned(alignment);
            format.setLayoutDirection(Qt::RightToLeft);
            return format;
        };
        QTest::newRow("right-to-left paragraph at its leading side") << Build([=](QTextCursor& c) {
            c.setBlockFormat(rightToLeft(Qt::AlignLeft));
            c.insertText(u"a"_qs);
        }) << u"rtl =right {}a"_qs << QByteArray("\\pard\\rtlpar\\qr a\\par\n");
        QTest::newRow("right-to-left paragraph at its trailing side") << Build([=](QTextCursor& c) {
            c.setBlockFormat(rightToLeft(Qt::AlignRight));
            c.insertText(u"a"_qs);
        }) << u"rtl =left {}a"_qs << QByteArray("\\pard\\rtlpar\\ql a\\par\n");
        QTest::newRow("right-to-left text in a paragraph without a direction")
            << Build([](QTextCursor& c) { c.insertText(u"שלום"_qs); }) << u"rtl {}שלום"_qs
            << QByteArray("\\pard\\rtlpar\\u1513?\\u1500?\\u1493?\\u1501?\\par\n");
        QTest::newRow("indent steps") << Build([](QTextCursor& c) {
            QTextBlockFormat format;
            format.setIndent(2);
            format.setLeftMargin(5);
            c.setBlockFormat(format);
            c.insertText(u"a"_qs);
        }) << u"li85 {}a"_qs << QByteArray("\\pard\\li1275 a\\par\n");
        QTest::newRow("font size in pixels, heading sizes") << Build([](QTextCursor& c) {
            QTextCharFormat pixels;
            pixels.setProperty(QTextFormat::FontPixelSize, 16);
            c.insertText(u"a"_qs, pixels);
            QTextCharFormat heading;
            heading.setProperty(QTextFormat::FontSizeAdjustment, 3);
            c.insertText(u"b"_qs, heading);
        }) << u"{12pt}a{20pt}b"_qs << QByteArray("\\pard\\plain\\fs24 a\\plain\\fs40 b\\par\n");
        QTest::newRow("a picture of which the page holds no file") << Build([](QTextCursor& c) {
            c.insertText(u"a"_qs);
            QTextImageFormat linked;
            linked.setName(u"https://example.org/x.png"_qs);
            c.insertImage(linked);
            c.insertText(u"b"_qs);
        }) << u"{}ab"_qs << QByteArray("\\pard ab\\par\n");
    }
    void write_keepsWhatThePageShows()
    {
        QFETCH(Build, build);
        QFETCH(QString, document);
        QFETCH(QByteArray, written);
        QTextDocument page;
        page.setDefaultFont(QFont(u"Arial"_qs, 10));
        QTextCursor cursor(&page);
        build(cursor);

        const QByteArray rtf = RtfWriter::write(page);
        QCOMPARE(body(rtf), written);
        QTextDocument copy;
        copy.setDefaultFont(page.defaultFont());
        RtfReader::read(rtf, copy);
        QCOMPARE(describe(copy), document);
    }

    void write_givesExactBytes()
    {
        QTextDocument document;
        document.setDefaultFont(QFont(u"Arial"_qs, 10));
        QTextCursor c(&document);
        c.insertText(u"Hi "_qs);
        c.insertText(u"{bold}"_qs, Format().bold().color(QColor(255, 0, 0)));
        c.insertText(u" 😀\\"_qs, QTextCharFormat());
        c.insertBlock(aligned(Qt::AlignHCenter));
        c.insertText(u"a\tb"_qs + QChar(QChar::LineSeparator) + u"é"_qs,
                     Format().family(u"Times New Roman"_qs).size(12));

        QCOMPARE(
            RtfWriter::write(document),
            QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 {\\fonttbl"
                       "{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Times New Roman;}}\n"
                       "{\\colortbl ;\\red255\\green0\\blue0;}\n"
                       "{\\*\\defchp\\fs20}\n"
                       "\\pard Hi \\plain\\cf1\\b\\{bold\\}\\plain  \\u-10179?\\u-8704?\\\\\\par\n"
                       "\\pard\\qc\\plain\\f1\\fs24 a\\tab b\\line\\u233?\\par\n"
                       "}"));
    }

    void isRtf_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("rtf");
        QTest::newRow("rtf") << QByteArray("{\\rtf1\\ansi x}") << true;
        QTest::newRow("after whitespace") << QByteArray(" \r\n\t{\\rtf1") << true;
        QTest::newRow("plain text") << QByteArray("Dear diary") << false;
        QTest::newRow("another group") << QByteArray("{\\par}") << false;
        QTest::newRow("cut short") << QByteArray("{\\rt") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void isRtf()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, rtf);
        QCOMPARE(RtfReader::isRtf(text), rtf);
    }

    void read_samplesOfOtherProgrammes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rich-edit control")
            << u"wordpad.rtf"_qs
            << u"sa13.33 lh115% {Arial 10pt}Dear diary,\n"
               "sa13.33 lh115% {Arial 10pt}We met at the café – {Arial 10pt b}Anna"
               "{Arial 10pt}, {Arial 10pt i}Jörg{Arial 10pt} and "
               "{Arial 10pt u}me{Arial 10pt}.\n"
               "=center sa13.33 lh115% {Times New Roman 14pt #ff0000}A red heading\n"
               "=right sa13.33 lh115% {Arial 10pt}Price:\\t12€\\nPaid\n"
               "sa13.33 lh115% {Courier New 10pt}Привет —{Arial 10pt} "
               "{Arial 10pt #0070c0}blue"_qs;
        QTest::newRow("LibreOffice Writer")
            << u"writer.rtf"_qs
            << u"ltr =center sb16 sa8 {Liberation Sans 14pt}A day at the lake\n"
               "ltr =justify sa9.333 lh115% {Liberation Serif 12pt}The water was "
               "{Liberation Serif 12pt b}cold"
               "{Liberation Serif 12pt}, the sky {Liberation Serif 12pt #0000ff}blue"
               "{Liberation Serif 12pt} and the „Straße“ empty.\n"
               "ltr =left sa9.333 lh115% {Liberation Serif 12pt #c9211e u "
               "link:https://example.org/lake}the lake's page"
               "{Liberation Serif 12pt} and a note."_qs;
        QTest::newRow("word processor with \\u and \\uc")
            << u"unicode.rtf"_qs
            << u"ltr =left sa10.67 lh107.9% {Times New Roman 11pt}Grüße — {宋体 11pt}日本"
               "{Times New Roman 11pt}😀\n"
               "ltr =center sa10.67 lh107.9% {宋体 11pt}日本{Times New Roman 11pt #0000ff b}☃"
               "{Times New Roman 11pt}łódź{Times New Roman CE 11pt}ą"_qs;
    }
    void read_samplesOfOtherProgrammes()
    {
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QCOMPARE(read(sample(file)), expected);
    }

    void read_formatting_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("groups restore, \\plain resets")
            << QByteArray("{\\rtf1 {\\b bold {\\i both} bold}\\ul under\\plain plain}")
            << u"{b}bold {b i}both{b} bold{u}under{}plain"_qs;
        QTest::newRow("switched off by parameter 0 and \\ulnone")
            << QByteArray(
                   "{\\rtf1\\b\\i\\ul\\strike x\\b0 y\\i0 z\\ul0 w\\ul v\\ulnone u\\strike0 t}")
            << u"{b i u s}x{i u s}y{u s}z{s}w{u s}v{s}u{}t"_qs;
        QTest::newRow("sizes in half points")
            << QByteArray("{\\rtf1\\fs21 a\\fs0 b\\fs c\\fs-4 d}") << u"{10.5pt}a{}b{12pt}c{}d"_qs;
        QTest::newRow("colours: \\cf0 automatic, unknown index ignored")
            << QByteArray(
                   "{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}\\cf1 green\\cf0  auto\\cf9  "
                   "none\\highlight1  marked}")
            << u"{#008000}green{} auto none{bg#008000} marked"_qs;
        QTest::newRow("text without \\f or with an unknown one takes the default font")
            << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Georgia;}}a\\f1 b\\f7 c\\f0 "
                          "d\\plain e}")
            << u"{Georgia}abc{Arial}d{Georgia}e"_qs;
        QTest::newRow("no default font without \\deff")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}a}") << u"{}a"_qs;
        QTest::newRow("font table without inner groups")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fnil Arial;\\f1\\froman Times;}\\f1 t}")
            << u"{Times}t"_qs;
        QTest::newRow("superscript and subscript")
            << QByteArray("{\\rtf1 x\\super 2\\nosupersub  H\\sub 2\\sub0 O}")
            << u"{}x{sup}2{} H{sub}2{}O"_qs;
        QTest::newRow("hidden text left out")
            << QByteArray("{\\rtf1 shown{\\v hidden}\\v also\\v0  shown}") << u"{}shown shown"_qs;
        QTest::newRow("alignment belongs to the paragraph, \\pard resets it")
            << QByteArray("{\\rtf1\\qc a\\par b\\qr\\par\\pard c\\par\\qj d}")
            << u"=center {}a\n=right {}b\n{}c\n=justify {}d"_qs;
        QTest::newRow("a last \\par ends the paragraph, a second opens one")
            << QByteArray("{\\rtf1 a\\par\\par}") << u"{}a\n{}"_qs;
        QTest::newRow("HYPERLINK without an address is no link")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\\\o \"tip\"}{\\fldrslt x}}}")
            << u"{}x"_qs;
        QTest::newRow("an instruction serves one result")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK a}{\\fldrslt x}}{\\fldrslt y}}")
            << u"{link:a}x{}y"_qs;
        QTest::newRow("empty paragraph keeps its mark's format")
            << QByteArray("{\\rtf1 a\\par\\fs40\\par\\plain b}") << u"{}a\n{20pt}\n{}b"_qs;
    }
    void read_formatting()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(read(rtf), expected);
    }

    void read_text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("escaped syntax") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << u"{a}\\"_qs;
        QTest::newRow("special characters")
            << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\emdash\\endash\\bullet\\lquote x\\rquote "
                          "\\ldblquote y\\rdblquote}")
            << u"a\u00A0b\u00ADc\u2011d—–•‘x’“y”"_qs;
        QTest::newRow("tabs, line breaks, line ends ignored")
            << QByteArray("{\\rtf1 a\\tab b\tc\\line d\r\ne\ncell\\cell f}")
            << u"a\tb\tc\u2028decell\tf"_qs;
        QTest::newRow("\\sect, \\page, \\row and backslash-newline break paragraphs")
            << QByteArray("{\\rtf1 a\\sect b\\page c\\row d\\\ne}") << u"a\nb\nc\nd\ne"_qs;
        QTest::newRow("\\ucN: fallback of N characters, escapes and words count one")
            << QByteArray("{\\rtf1 \\u8364?a\\uc2\\u8364\\'80\\'81b\\uc3\\u1047\\'c7\\tab\\'c7c"
                          "\\uc0\\u1046 d}")
            << u"€a€bЗcЖd"_qs;
        QTest::newRow("fallback cut short by a group")
            << QByteArray("{\\rtf1\\uc4{\\u1046 ab}cd}") << u"Жcd"_qs;
        QTest::newRow("\\u as a code point beyond 16 bits")
            << QByteArray("{\\rtf1\\u128512 ?}") << u"😀"_qs;
        QTest::newRow("\\binN data is never text")
            << QByteArray("{\\rtf1 a\\bin4 {\\}}b{\\*\\x\\bin2 }}}c}") << u"abc"_qs;
        QTest::newRow("\\*\\ destinations skipped")
            << QByteArray("{\\rtf1 a{\\*\\unknown {nested} text}b{\\*\\bkmkstart mark}c}")
            << u"abc"_qs;
        QTest::newRow("known destinations skipped")
            << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                          "{\\header H}{\\footer F}{\\footnote N}a}")
            << u"a"_qs;
        QTest::newRow("field shows its result, not its instruction")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}} "
                          "{\\field{\\fldinst PAGE}{\\fldrslt 3}}}")
            << u"link 3"_qs;
        QTest::newRow("old list numbers shown")
            << QByteArray("{\\rtf1{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}item}")
            << u"1.\titem"_qs;
    }
    void read_text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(readText(rtf), expected);
    }

    void read_codePages_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        const auto inFont = [](int charset, const char* bytes) {
            return "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset" +
                   QByteArray::number(charset) + " Other;}}\\f0\\'e9\\f1 " + bytes + "}";
        };
        QTest::newRow("1252") << inFont(0, "\\'80\\'e9") << u"é€é"_qs;
        QTest::newRow("1250") << inFont(238, "\\'b9") << u"éą"_qs;
        QTest::newRow("1251") << inFont(204, "\\'cf\\'f0") << u"éПр"_qs;
        QTest::newRow("1253") << inFont(161, "\\'e1") << u"éα"_qs;
        QTest::newRow("1254") << inFont(162, "\\'fd") << u"éı"_qs;
        QTest::newRow("1255") << inFont(177, "\\'f9") << u"éש"_qs;
        QTest::newRow("1256") << inFont(178, "\\'c7") << u"éا"_qs;
        QTest::newRow("1257") << inFont(186, "\\'e0") << u"éą"_qs;
        QTest::newRow("874") << inFont(222, "\\'a1") << u"éก"_qs;
        QTest::newRow("932") << inFont(128, "\\'93\\'fa\\'96\\'7b") << u"é日本"_qs;
        QTest::newRow("949") << inFont(129, "\\'c7\\'d1\\'b1\\'b9") << u"é한국"_qs;
        QTest::newRow("936") << inFont(134, "\\'c8\\'d5\\'b1\\'be") << u"é日本"_qs;
        QTest::newRow("950") << inFont(136, "\\'a4\\'e9\\'a5\\'bb") << u"é日本"_qs;
        QTest::newRow("932 with a raw trail byte") << inFont(128, "\\'83\\\\") << u"éソ"_qs;
        QTest::newRow("unknown charset takes the document's page")
            << QByteArray("{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset99 X;}}\\f0\\'cf}")
            << u"П"_qs;
        QTest::newRow("\\ansicpg without a font")
            << QByteArray("{\\rtf1\\ansicpg1253 \\'e1}") << u"α"_qs;
        QTest::newRow("unknown \\ansicpg falls back to 1252")
            << QByteArray("{\\rtf1\\ansicpg4242 \\'80}") << u"€"_qs;
        QTest::newRow("\\mac") << QByteArray("{\\rtf1\\mac \\'8e}") << u"é"_qs;
    }
    void read_codePages()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(readText(rtf), expected);
    }

    void read_fontNameInItsOwnCodePage()
    {
        QCOMPARE(read("{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0 x}"),
                 u"{宋体}x"_qs);
    }

    // Each of these once made a careless reader crash, hang or eat memory.
    void read_malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("not RTF") << QByteArray("Dear diary") << u"Dear diary"_qs;
        QTest::newRow("cut in a control word") << QByteArray("{\\rtf1 Hello \\b") << u"Hello "_qs;
        QTest::newRow("cut after a backslash") << QByteArray("{\\rtf1 a\\") << u"a"_qs;
        QTest::newRow("cut in a hex escape") << QByteArray("{\\rtf1 caf\\'e") << u"caf"_qs;
        QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 a\\'zzb}") << u"azzb"_qs;
        QTest::newRow("cut in the font table")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << QString();
        QTest::newRow("cut in a fallback") << QByteArray("{\\rtf1 a\\u8364") << u"a€"_qs;
        QTest::newRow("closing braces too many") << QByteArray("{\\rtf1 a}}} b}") << u"a b"_qs;
        QTest::newRow("closing braces missing")
            << QByteArray("{\\rtf1{\\b bold{\\i both") << u"boldboth"_qs;
        QTest::newRow("huge parameters")
            << QByteArray("{\\rtf1\\fs99999999999999999999999 a\\cf-99999999999999999999 "
                          "b\\f-2147483648 c\\uc99999999999 \\u65 xyz}")
            << u"abcA"_qs;
        QTest::newRow("\\u beyond Unicode still skips its fallback")
            << QByteArray("{\\rtf1\\u99999999999 ?a\\u-99999 ?b}") << u"ab"_qs;
        QTest::newRow("lone surrogates")
            << QByteArray("{\\rtf1\\u-10179?x\\u-8704?}") << u"\uFFFDx\uFFFD"_qs;
        QTest::newRow("\\bin longer than the text")
            << QByteArray("{\\rtf1 a\\bin999999999 bcd}") << u"a"_qs;
        QTest::newRow("negative \\bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << u"ab"_qs;
        QTest::newRow("control word of 1000 letters")
            << QByteArray("{\\rtf1 \\" + QByteArray(1000, 'b') + " text}") << u"text"_qs;
        QTest::newRow("100000 nested groups")
            << repeated("{", 100000) + "deep" + repeated("}", 100000) << u"deep"_qs;
        QTest::newRow("100000 nested skipped groups")
            << "{\\rtf1 a{\\*" + repeated("{", 100000) + "b" + repeated("}", 100000) + "}c}"
            << u"ac"_qs;
        QTest::newRow("control characters")
            << QByteArray("{\\rtf1 a\\'0d\\'0a\\'00b\x01\x7f\0c}", 26) << u"abc"_qs;
        QTest::newRow("separators decoded from UTF-8")
            << QByteArray("{\\rtf1\\ansicpg65001 a\xe2\x80\xa9\xef\xbf\xbc b}") << u"a b"_qs;
        QTest::newRow("bad hex in a picture")
            << QByteArray("{\\rtf1 a{\\pict\\pngblip 89zz50}b}") << u"a\uFFFCb"_qs;
        QTest::newRow("picture cut short")
            << QByteArray("{\\rtf1 a{\\pict\\pngblip 8950") << u"a"_qs;
        QTest::newRow("\\bin in a picture longer than the text")
            << QByteArray("{\\rtf1 a{\\pict\\bin999999999 xyz}b}") << u"a"_qs;
        QTest::newRow("hostile picture sizes")
            << QByteArray("{\\rtf1{\\pict\\dibitmap0\\picwgoal2000000000\\pichgoal-5"
                          "\\picscalex999999 00}}")
            << u"\uFFFC"_qs;
        QTest::newRow("object cut short")
            << QByteArray("{\\rtf1 a{\\object{\\*\\objdata 01") << u"a"_qs;
        QTest::newRow("picture outside a group of its own")
            << QByteArray("{\\rtf1 a\\pict 00 b}c") << u"ac"_qs;
        QTest::newRow("picture in the font table")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0{\\pict 00} Arial;}}\\f0 x}") << u"x"_qs;
        QTest::newRow("field instruction cut short")
            << QByteArray("{\\rtf1 a{\\field{\\*\\fldinst HYPERLINK \"x") << u"a"_qs;
        QTest::newRow("\\* outside any group") << QByteArray("a\\*b}c") << u"ac"_qs;
        QTest::newRow("text-producing words in the font table")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 A\\par\\tab\\line\\emdash\\~b;}}\\f0 x}")
            << u"x"_qs;
    }
    void read_malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(readText(rtf), expected);
    }

    // The text alone, for searching, is what the document read from the same RTF gives.
    void plainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("paragraphs and line breaks end lines")
            << QByteArray("{\\rtf1 one\\par two\\line three\\par\\par four\\par}")
            << u"one\ntwo\nthree\n\nfour"_qs;
        QTest::newRow("a second final \\par leaves an empty line")
            << QByteArray("{\\rtf1 a\\par\\par}") << u"a\n"_qs;
        QTest::newRow("last paragraph without \\par, text after the closing brace")
            << QByteArray("{\\rtf1 a\\par b} c") << u"a\nb c"_qs;
        QTest::newRow("tabs and cells")
            << QByteArray("{\\rtf1 a\\tab b\tc\\cell d}") << u"a\tb\tc\td"_qs;
        QTest::newRow("\\uN with its \\ucN fallback skipped")
            << QByteArray("{\\rtf1 caf\\u233?\\u-10179?\\u-8704?\\uc2\\u8364\\'80\\'81!"
                          "{\\uc0\\u1046 x}}")
            << u"café😀€!Жx"_qs;
        QTest::newRow("\\'hh in the document's code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}")
            << u"Привет"_qs;
        QTest::newRow("\\'hh in the code page of the font's charset")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset128 MS Mincho;}}"
                          "\\f0 caf\\'e9 \\f1\\'93\\'fa\\'96\\'7b}")
            << u"café 日本"_qs;
        QTest::newRow("tables, stylesheet, info and \\* destinations give no text")
            << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255"
                          "\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}"
                          "{\\author A}}{\\*\\generator Riched20;}{\\*\\unknown {nested} x}"
                          "\\f0\\cf1 text}")
            << u"text"_qs;
        QTest::newRow("pictures and objects stand as one character each")
            << QByteArray("{\\rtf1 a{\\pict\\pngblip\\picw2\\pich2 89504e47}b{\\object"
                          "\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result x}}c{"
                          "\\*\\shppict{\\pict\\jpegblip ffd8}}{\\nonshppict{\\pict 00}}d}")
            << u"a\uFFFCb\uFFFCc\uFFFCd"_qs;
        QTest::newRow("hidden text left out, field shows its result")
            << QByteArray("{\\rtf1 a{\\v secret}b {\\field{\\*\\fldinst HYPERLINK "
                          "\"https://example.org\"}{\\fldrslt link}}}")
            << u"ab link"_qs;
        QTest::newRow("non-breaking space as a blank, other specials as they are")
            << QByteArray("{\\rtf1 a\\~b\\emdash c\\-d\\_e\\bullet}") << u"a b—c\u00ADd\u2011e•"_qs;
        QTest::newRow("frame marks break the line as the document does")
            << QByteArray("{\\rtf1 a\\u64976?b\\u64977?c}") << u"a\nb\nc"_qs;
        QTest::newRow("byte-order mark and \\bin data")
            << QByteArray("\xEF\xBB\xBF{\\rtf1 a\\bin3 {x}b}") << u"ab"_qs;
        QTest::newRow("cut short")
            << QByteArray("{\\rtf1{\\b bold\\par{\\i both") << u"bold\nboth"_qs;
    }
    void plainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(RtfReader::plainText(rtf), expected);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QCOMPARE(document.toPlainText(), expected);
    }

    void plainText_ofSamplesIsTheDocumentsText_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file :
             {u"wordpad.rtf"_qs, u"wordpad-spacing.rtf"_qs, u"writer.rtf"_qs, u"unicode.rtf"_qs})
            QTest::newRow(qPrintable(file)) << file;
    }
    void plainText_ofSamplesIsTheDocumentsText()
    {
        QFETCH(QString, file);
        QTextDocument document;
        RtfReader::read(sample(file), document);
        QVERIFY(!document.toPlainText().isEmpty());
        QCOMPARE(RtfReader::plainText(sample(file)), document.toPlainText());
    }

    // Whatever the reader makes of a file, the writer writes so that it reads back the same.
    void rewrite_keepsWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("rich-edit control") << sample(u"wordpad.rtf"_qs);
        QTest::newRow("rich-edit control: spacing, a bullet list, a picture")
            << sample(u"wordpad-spacing.rtf"_qs);
        QTest::newRow("LibreOffice Writer") << sample(u"writer.rtf"_qs);
        QTest::newRow("word processor with \\u and \\uc") << sample(u"unicode.rtf"_qs);
        QTest::newRow("soft hyphen in a font name")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1 \\'ad;}}\\f1 x}");
        QTest::newRow("byte its font's code page leaves undefined")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset128 A\\'ffB;}}\\f1 x}");
    }
    void rewrite_keepsWhatWasRead()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        RtfReader::read(rtf, document);

        const QByteArray written = RtfWriter::write(document);
        QTextDocument copy;
        RtfReader::read(written, copy);
        QCOMPARE(describe(copy), describe(document));
        QCOMPARE(RtfWriter::write(copy), written);
    }

    void read_deepGroupsShareTheirParentsState()
    {
        const QByteArray rtf =
            "{\\rtf1 " + repeated("{", 5000) + "\\b a" + repeated("}", 5000) + "b}";
        QCOMPARE(read(rtf), u"{b}a{}b"_qs);
    }

    void read_replacesTheContent()
    {
        QTextDocument document;
        QTextCursor(&document).insertText(u"old text"_qs, Format().bold());
        document.setUndoRedoEnabled(true);
        RtfReader::read("{\\rtf1 new}", document);
        QCOMPARE(describe(document), u"{}new"_qs);
        QVERIFY(!document.isUndoAvailable());
        QVERIFY(document.isUndoRedoEnabled());
    }
};

QUILLET_GUI_TEST_MAIN(RtfTest)
#include "tst_rtf.moc"
