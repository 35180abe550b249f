#include "pages/rtf/rtfwriter.h"

#include "pages/rtf/hyperlinkfield.h"
#include "pages/rtf/pagepicture.h"

#include <QBuffer>
#include <QColor>
#include <QImageReader>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

namespace Quillet {
namespace {

constexpr int kMaxHalfPoints = 32767;
constexpr int kMaxTwips = 31680;
constexpr double kTwipsPerPixel = PagePicture::kTwipsPerPixel;
constexpr int kMaxPictureTwips = 150000; // beyond the widest picture PagePicture shows
constexpr qsizetype kPictureBytesPerLine = 64;

// Character formatting in RTF terms: two runs that look alike here are written as one.
struct RunFormat {
    int font = 0;       // font table index, 0: the document's font
    int halfPoints = 0; // 0: the document's size
    int foreground = 0; // colour table index, 0: automatic
    int background = 0;
    quint8 vertical = 0; // 1 superscript, 2 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const RunFormat&) const = default;
};

QString familyOf(const QTextCharFormat& format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        return families.first();
    return format.stringProperty(QTextFormat::OldFontFamily);
}

// Writes the body first, gathering the fonts and colours it uses, then the tables before it.
class Writer final {
public:
    explicit Writer(const QTextDocument& document) : m_document(document) {}

    QByteArray write();

private:
    RunFormat runFormat(const QTextCharFormat& format);
    qreal pointSize(const QTextCharFormat& format) const;
    int fontIndex(const QString& family);
    int colorIndex(const QBrush& brush);

    void writeBlock(const QTextBlock& block);
    void writeParagraphFormat(const QTextBlock& block);
    void setFormat(const RunFormat& format);
    void setLink(const QString& target);
    void writeText(QStringView text);
    void writePicture(const QTextImageFormat& format);
    void writeFontName(QStringView name);

    void word(std::string_view name);
    void word(std::string_view name, int parameter);
    void symbol(std::string_view escaped);
    void literal(char c);
    void unicode(char16_t unit);

    const QTextDocument& m_document;
    QByteArray m_body;
    bool m_needsDelimiter = false;
    RunFormat m_format;
    QString m_link;
    RunFormat m_formatOutsideLink;
    QStringList m_fonts;
    QList<QRgb> m_colors;
};

QByteArray Writer::write()
{
    const QFont defaultFont = m_document.defaultFont();
    m_fonts.append(defaultFont.family());
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);

    QByteArray body = std::move(m_body);
    m_body = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 {\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_body += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        m_needsDelimiter = false;
        writeFontName(m_fonts.at(i));
        m_body += ";}";
    }
    m_body += "}\n{\\colortbl ;";
    for (const QRgb rgb : std::as_const(m_colors)) {
        m_body += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                  QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    m_body += "}\n";
    // Other word processors take the document's size from here; RtfReader skips it, since a
    // run without \fs already has the document's size there.
    const int defaultHalfPoints = qRound(defaultFont.pointSizeF() * 2);
    if (defaultHalfPoints > 0)
        m_body += "{\\*\\defchp\\fs" +
                  QByteArray::number(std::min(defaultHalfPoints, kMaxHalfPoints)) + "}\n";
    m_body += body;
    m_body += '}';
    return m_body;
}

// The size a run is shown in, in points; 0 for the document's. Sizes in pixels and the size
// steps of HTML headings become points, as RTF knows only those.
qreal Writer::pointSize(const QTextCharFormat& format) const
{
    if (format.hasProperty(QTextFormat::FontPointSize))
        return format.fontPointSize();
    if (format.hasProperty(QTextFormat::FontPixelSize))
        return format.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96;
    if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
        // The factors QTextDocument scales the document's size by.
        static constexpr qreal kFactors[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4};
        const int step = std::clamp(format.intProperty(QTextFormat::FontSizeAdjustment) + 2, 0, 6);
        return step == 2 ? 0 : m_document.defaultFont().pointSizeF() * kFactors[step];
    }
    return 0;
}

RunFormat Writer::runFormat(const QTextCharFormat& format)
{
    RunFormat run;
    const QString family = familyOf(format);
    if (!family.isEmpty())
        run.font = fontIndex(family);
    if (const qreal points = pointSize(format); points > 0)
        run.halfPoints = std::clamp(qRound(points * 2), 1, kMaxHalfPoints);
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        run.foreground = colorIndex(format.foreground());
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        run.background = colorIndex(format.background());
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        run.vertical = 1;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        run.vertical = 2;
    run.bold = format.fontWeight() >= QFont::DemiBold;
    run.italic = format.fontItalic();
    run.underline = format.fontUnderline();
    run.strike = format.fontStrikeOut();
    return run;
}

// Index 0 stays the document's font even when a run names the same family: a run without a
// family must read back without one.
int Writer::fontIndex(const QString& family)
{
    const qsizetype found = m_fonts.indexOf(family, 1);
    if (found > 0)
        return int(found);
    m_fonts.append(family);
    return int(m_fonts.size() - 1);
}

int Writer::colorIndex(const QBrush& brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = brush.color().rgb();
    const qsizetype found = m_colors.indexOf(rgb);
    if (found >= 0)
        return int(found + 1);
    m_colors.append(rgb);
    return int(m_colors.size());
}

int twipsOf(qreal pixels)
{
    return std::clamp(int(std::lround(pixels * kTwipsPerPixel)), -kMaxTwips, kMaxTwips);
}

void Writer::writeBlock(const QTextBlock& block)
{
    word("pard");
    writeParagraphFormat(block);
    // An empty paragraph keeps its mark's format, which sets its height.
    if (block.length() <= 1)
        setFormat(runFormat(block.charFormat()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        setLink(format.isAnchor() ? format.anchorHref() : QString());
        setFormat(runFormat(format));
        if (format.isImageFormat()) {
            for (int i = 0; i < fragment.length(); ++i)
                writePicture(format.toImageFormat());
        } else {
            writeText(fragment.text());
        }
    }
    setLink({});
    word("par");
    m_body += '\n';
    m_needsDelimiter = false;
}

// The side a paragraph's lines keep to: Qt's left and right without AlignAbsolute turn round
// in a right-to-left paragraph, RTF's never do.
Qt::Alignment visualAlignment(Qt::Alignment alignment, Qt::LayoutDirection direction)
{
    if (direction != Qt::RightToLeft || (alignment & Qt::AlignAbsolute) ||
        (alignment & (Qt::AlignHCenter | Qt::AlignJustify)))
        return alignment;
    if (alignment & Qt::AlignLeft)
        return Qt::AlignRight;
    if (alignment & Qt::AlignRight)
        return Qt::AlignLeft;
    return alignment;
}

void Writer::writeParagraphFormat(const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    // A paragraph whose direction follows its text is written with the direction it is shown in.
    const Qt::LayoutDirection direction = block.textDirection();
    if (direction == Qt::RightToLeft)
        word("rtlpar");
    else if (format.layoutDirection() == Qt::LeftToRight)
        word("ltrpar");
    if (format.hasProperty(QTextFormat::BlockAlignment)) {
        const Qt::Alignment alignment = visualAlignment(format.alignment(), direction);
        if (alignment & Qt::AlignHCenter)
            word("qc");
        else if (alignment & Qt::AlignJustify)
            word("qj");
        else if (alignment & Qt::AlignRight)
            word("qr");
        else if (alignment & Qt::AlignLeft)
            word("ql");
    }
    // Indent steps and the left margin together make the left indent shown.
    const qreal left = format.leftMargin() + format.indent() * m_document.indentWidth();
    if (const int twips = twipsOf(left); twips != 0)
        word("li", twips);
    const std::pair<int, std::string_view> margins[] = {{QTextFormat::BlockRightMargin, "ri"},
                                                        {QTextFormat::TextIndent, "fi"},
                                                        {QTextFormat::BlockTopMargin, "sb"},
                                                        {QTextFormat::BlockBottomMargin, "sa"}};
    for (const auto& [property, name] : margins) {
        if (const int twips = twipsOf(format.doubleProperty(property)); twips != 0)
            word(name, twips);
    }
    // Heights RTF cannot state (a distance between lines) are left out: single spacing.
    const qreal height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (const int spacing = std::clamp(int(std::lround(height * 2.4)), 0, kMaxTwips)) {
            word("sl", spacing);
            word("slmult", 1);
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        if (const int spacing = std::max(twipsOf(height), 0)) {
            word("sl", spacing);
            word("slmult", 0);
        }
        break;
    case QTextBlockFormat::FixedHeight:
        if (const int spacing = std::max(twipsOf(height), 0)) {
            word("sl", -spacing);
            word("slmult", 0);
        }
        break;
    default:
        break;
    }
}

// A link is a HYPERLINK field around its text; the field's group keeps the text's formats to
// itself, so the format outside is the one before it.
void Writer::setLink(const QString& target)
{
    if (target == m_link)
        return;
    if (!m_link.isEmpty()) {
        m_body += "}}";
        m_needsDelimiter = false;
        m_format = m_formatOutsideLink;
    }
    m_link = target;
    if (target.isEmpty())
        return;
    m_formatOutsideLink = m_format;
    m_body += "{\\field{\\*\\fldinst ";
    m_needsDelimiter = false;
    writeText(HyperlinkField::instruction(target));
    m_body += "}{";
    word("fldrslt");
}

// Character properties outlast paragraphs in RTF, so they are written only where they change;
// \plain first, so that no property of the run before leaks into the next.
void Writer::setFormat(const RunFormat& format)
{
    if (format == m_format)
        return;
    m_format = format;
    word("plain");
    if (format.font > 0)
        word("f", format.font);
    if (format.halfPoints > 0)
        word("fs", format.halfPoints);
    if (format.foreground > 0)
        word("cf", format.foreground);
    if (format.background > 0)
        word("highlight", format.background);
    if (format.bold)
        word("b");
    if (format.italic)
        word("i");
    if (format.underline)
        word("ul");
    if (format.strike)
        word("strike");
    if (format.vertical == 1)
        word("super");
    else if (format.vertical == 2)
        word("sub");
}

void Writer::writeText(QStringView text)
{
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        switch (unit) {
        case u'\\':
            symbol("\\");
            break;
        case u'{':
            symbol("{");
            break;
        case u'}':
            symbol("}");
            break;
        case u'\t':
            word("tab");
            break;
        case QChar::LineSeparator:
            word("line");
            break;
        case QChar::Nbsp:
            symbol("~");
            break;
        case QChar::SoftHyphen:
            symbol("-");
            break;
        case 0x2011: // non-breaking hyphen
            symbol("_");
            break;
        case QChar::ObjectReplacementCharacter: // pictures are written from their format
        case QChar::ParagraphSeparator:
            break;
        default:
            if (unit >= 0x20 && unit < 0x7F)
                literal(char(unit));
            else if (unit >= 0x80)
                unicode(unit);
            break;
        }
    }
}

// What cannot be shown goes back as it came; a shown picture goes as its file. An image the
// page holds no picture of (one linked from pasted HTML) is not written.
void Writer::writePicture(const QTextImageFormat& format)
{
    if (const QByteArray kept = PagePicture::keptRtf(format); !kept.isEmpty()) {
        m_body += kept;
        m_needsDelimiter = false;
        return;
    }
    const QByteArray file = PagePicture::file(format);
    if (file.isEmpty())
        return;
    m_body += '{';
    word("pict");
    word(file.startsWith("\x89PNG") ? "pngblip" : "jpegblip");
    QBuffer buffer;
    buffer.setData(file);
    if (const QSize pixels = QImageReader(&buffer).size(); pixels.isValid()) {
        word("picw", pixels.width());
        word("pich", pixels.height());
    }
    const auto goal = [](qreal pixels) {
        return std::clamp(int(std::lround(pixels * kTwipsPerPixel)), 0, kMaxPictureTwips);
    };
    if (goal(format.width()) > 0 && goal(format.height()) > 0) {
        word("picwgoal", goal(format.width()));
        word("pichgoal", goal(format.height()));
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    m_body.reserve(m_body.size() + file.size() * 2 + file.size() / kPictureBytesPerLine + 3);
    for (qsizetype i = 0; i < file.size(); ++i) {
        if (i % kPictureBytesPerLine == 0)
            m_body += '\n';
        m_body += kDigits[uchar(file[i]) >> 4];
        m_body += kDigits[uchar(file[i]) & 0xF];
    }
    m_body += "\n}";
    m_needsDelimiter = false;
}

// Names take no special characters: whatever is not plain ASCII goes as \u.
void Writer::writeFontName(QStringView name)
{
    for (const QChar c : name) {
        const char16_t unit = c.unicode();
        if (unit == u';')
            symbol("'3b"); // a semicolon would end the name
        else if (unit == u'\\')
            symbol("\\");
        else if (unit == u'{')
            symbol("{");
        else if (unit == u'}')
            symbol("}");
        else if (unit >= 0x20 && unit < 0x7F)
            literal(char(unit));
        else if (unit >= 0x80)
            unicode(unit);
    }
}

void Writer::word(std::string_view name)
{
    m_body += '\\';
    m_body.append(name.data(), qsizetype(name.size()));
    m_needsDelimiter = true;
}

void Writer::word(std::string_view name, int parameter)
{
    word(name);
    m_body += QByteArray::number(parameter);
}

void Writer::symbol(std::string_view escaped)
{
    m_body += '\\';
    m_body.append(escaped.data(), qsizetype(escaped.size()));
    m_needsDelimiter = false;
}

void Writer::literal(char c)
{
    if (m_needsDelimiter)
        m_body += ' ';
    m_needsDelimiter = false;
    m_body += c;
}

// \u takes a signed 16-bit number; characters beyond it go as their two surrogates.
void Writer::unicode(char16_t unit)
{
    const int value = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
    m_body += "\\u" + QByteArray::number(value) + '?';
    m_needsDelimiter = false;
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument& document)
{
    return Writer(document).write();
}

} // namespace Quillet
