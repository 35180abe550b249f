#include "pages/rtf/rtfreader.h"

#include "pages/rtf/hyperlinkfield.h"
#include "pages/rtf/pagepicture.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace Quillet {
namespace {

// Deeper groups share their parent's state: enough for any real file, bounded for hostile ones.
constexpr qsizetype kMaxDepth = 3000;
// RTF limits control words to 32 letters; longer ones are junk and are ignored.
constexpr qsizetype kMaxWordLength = 32;
// Far above any meaningful RTF parameter, far below overflow when negated or scaled.
constexpr qint64 kParameterLimit = 1'000'000'000;
constexpr qsizetype kMaxFontNameLength = 256;
constexpr int kMaxFallbackLength = 16;
constexpr qsizetype kMaxInstructionLength = 8192;
constexpr int kMaxHalfPoints = 3276; // 1638 pt, as much as a word processor offers
constexpr int kDefaultCodePage = 1252;
constexpr size_t kMaxFormats = 64;
// 22 inches, the widest paper a word processor offers: indents and spacing beyond are junk.
constexpr int kMaxTwips = 31680;
constexpr double kTwipsPerPixel = PagePicture::kTwipsPerPixel;

enum class Keyword : quint8 {
    Skip,
    AnsiCodePage,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    FontTable,
    ColorTable,
    Font,
    Charset,
    CodePage,
    Red,
    Green,
    Blue,
    FontSize,
    Foreground,
    Background,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Superscript,
    Subscript,
    NoSuperSub,
    Hidden,
    Plain,
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    RightToLeft,
    LeftToRight,
    Field,
    FieldInstruction,
    FieldResult,
    Embedded,
    ShapePicture,
    Par,
    Line,
    Tab,
    Cell,
    Unicode,
    UnicodeSkip,
    Bin,
    Character,
};

// A control word the reader acts on.
struct KeywordEntry {
    std::string_view name;
    Keyword keyword;
    char16_t character = 0;
};

// Sorted by name for binary search; destinations whose text is no part of the page are skipped.
constexpr auto kKeywords = std::to_array<KeywordEntry>({
    {"aftncn", Keyword::Skip},
    {"aftnsep", Keyword::Skip},
    {"aftnsepc", Keyword::Skip},
    {"annotation", Keyword::Skip},
    {"ansicpg", Keyword::AnsiCodePage},
    {"atnauthor", Keyword::Skip},
    {"atndate", Keyword::Skip},
    {"atnid", Keyword::Skip},
    {"author", Keyword::Skip},
    {"b", Keyword::Bold},
    {"bin", Keyword::Bin},
    {"bkmkend", Keyword::Skip},
    {"bkmkstart", Keyword::Skip},
    {"blue", Keyword::Blue},
    {"bullet", Keyword::Character, 0x2022},
    {"buptim", Keyword::Skip},
    {"cb", Keyword::Background},
    {"cell", Keyword::Cell},
    {"cf", Keyword::Foreground},
    {"colortbl", Keyword::ColorTable},
    {"column", Keyword::Par},
    {"comment", Keyword::Skip},
    {"cpg", Keyword::CodePage},
    {"creatim", Keyword::Skip},
    {"datafield", Keyword::Skip},
    {"deff", Keyword::DefaultFont},
    {"do", Keyword::Skip},
    {"doccomm", Keyword::Skip},
    {"docvar", Keyword::Skip},
    {"emdash", Keyword::Character, 0x2014},
    {"emspace", Keyword::Character, 0x2003},
    {"endash", Keyword::Character, 0x2013},
    {"enspace", Keyword::Character, 0x2002},
    {"f", Keyword::Font},
    {"fcharset", Keyword::Charset},
    {"fi", Keyword::FirstIndent},
    {"field", Keyword::Field},
    {"fldinst", Keyword::FieldInstruction},
    {"fldrslt", Keyword::FieldResult},
    {"fonttbl", Keyword::FontTable},
    {"footer", Keyword::Skip},
    {"footerf", Keyword::Skip},
    {"footerl", Keyword::Skip},
    {"footerr", Keyword::Skip},
    {"footnote", Keyword::Skip},
    {"fs", Keyword::FontSize},
    {"ftncn", Keyword::Skip},
    {"ftnsep", Keyword::Skip},
    {"ftnsepc", Keyword::Skip},
    {"green", Keyword::Green},
    {"header", Keyword::Skip},
    {"headerf", Keyword::Skip},
    {"headerl", Keyword::Skip},
    {"headerr", Keyword::Skip},
    {"highlight", Keyword::Background},
    {"i", Keyword::Italic},
    {"info", Keyword::Skip},
    {"keywords", Keyword::Skip},
    {"ldblquote", Keyword::Character, 0x201C},
    {"levelnumbers", Keyword::Skip},
    {"leveltext", Keyword::Skip},
    {"li", Keyword::LeftIndent},
    {"line", Keyword::Line},
    {"listoverridetable", Keyword::Skip},
    {"listtable", Keyword::Skip},
    {"lquote", Keyword::Character, 0x2018},
    {"ltrmark", Keyword::Character, 0x200E},
    {"ltrpar", Keyword::LeftToRight},
    {"mac", Keyword::Mac},
    {"nestcell", Keyword::Cell},
    {"nestrow", Keyword::Par},
    {"nonshppict", Keyword::Skip},
    {"nosupersub", Keyword::NoSuperSub},
    {"objdata", Keyword::Skip},
    {"object", Keyword::Embedded},
    {"operator", Keyword::Skip},
    {"page", Keyword::Par},
    {"par", Keyword::Par},
    {"pard", Keyword::Pard},
    {"pc", Keyword::Pc},
    {"pca", Keyword::Pca},
    {"pict", Keyword::Embedded},
    {"plain", Keyword::Plain},
    {"pn", Keyword::Skip},
    {"pnseclvl", Keyword::Skip},
    {"pntxta", Keyword::Skip},
    {"pntxtb", Keyword::Skip},
    {"printim", Keyword::Skip},
    {"qc", Keyword::AlignCenter},
    {"qd", Keyword::AlignJustify},
    {"qj", Keyword::AlignJustify},
    {"ql", Keyword::AlignLeft},
    {"qmspace", Keyword::Character, 0x2005},
    {"qr", Keyword::AlignRight},
    {"rdblquote", Keyword::Character, 0x201D},
    {"red", Keyword::Red},
    {"revtbl", Keyword::Skip},
    {"revtim", Keyword::Skip},
    {"ri", Keyword::RightIndent},
    {"row", Keyword::Par},
    {"rquote", Keyword::Character, 0x2019},
    {"rsidtbl", Keyword::Skip},
    {"rtlmark", Keyword::Character, 0x200F},
    {"rtlpar", Keyword::RightToLeft},
    {"rxe", Keyword::Skip},
    {"sa", Keyword::SpaceAfter},
    {"sb", Keyword::SpaceBefore},
    {"sect", Keyword::Par},
    {"shp", Keyword::Embedded},
    {"shppict", Keyword::ShapePicture},
    {"sl", Keyword::LineSpacing},
    {"slmult", Keyword::LineMultiple},
    {"strike", Keyword::Strike},
    {"striked", Keyword::Strike},
    {"stylesheet", Keyword::Skip},
    {"sub", Keyword::Subscript},
    {"subject", Keyword::Skip},
    {"super", Keyword::Superscript},
    {"tab", Keyword::Tab},
    {"tc", Keyword::Skip},
    {"tcn", Keyword::Skip},
    {"template", Keyword::Skip},
    {"title", Keyword::Skip},
    {"txe", Keyword::Skip},
    {"u", Keyword::Unicode},
    {"uc", Keyword::UnicodeSkip},
    {"ul", Keyword::Underline},
    {"uld", Keyword::Underline},
    {"uldash", Keyword::Underline},
    {"uldashd", Keyword::Underline},
    {"uldashdd", Keyword::Underline},
    {"uldb", Keyword::Underline},
    {"ulhwave", Keyword::Underline},
    {"ulldash", Keyword::Underline},
    {"ulnone", Keyword::UnderlineNone},
    {"ulth", Keyword::Underline},
    {"ulthd", Keyword::Underline},
    {"ulthdash", Keyword::Underline},
    {"ulthdashd", Keyword::Underline},
    {"ulthdashdd", Keyword::Underline},
    {"ulthldash", Keyword::Underline},
    {"ululdbwave", Keyword::Underline},
    {"ulw", Keyword::Underline},
    {"ulwave", Keyword::Underline},
    {"v", Keyword::Hidden},
    {"xe", Keyword::Skip},
    {"xmlnstbl", Keyword::Skip},
    {"zwj", Keyword::Character, 0x200D},
    {"zwnj", Keyword::Character, 0x200C},
});
static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end(),
                             [](const KeywordEntry& a, const KeywordEntry& b) {
                                 return a.name < b.name;
                             }));

const KeywordEntry* findKeyword(std::string_view word)
{
    const auto it = std::lower_bound(
        kKeywords.begin(), kKeywords.end(), word,
        [](const KeywordEntry& entry, std::string_view w) { return entry.name < w; });
    return it != kKeywords.end() && it->name == word ? &*it : nullptr;
}

// What a byte means outside control words; text bytes are gathered into runs.
enum ByteClass : quint8 { TextByte, Backslash, OpenBrace, CloseBrace, TabByte, IgnoredByte };

constexpr std::array<quint8, 256> kByteClasses = [] {
    std::array<quint8, 256> classes{};
    for (int c = 0; c < 256; ++c)
        classes[size_t(c)] = c < 0x20 || c == 0x7F ? IgnoredByte : TextByte;
    classes['\\'] = Backslash;
    classes['{'] = OpenBrace;
    classes['}'] = CloseBrace;
    classes['\t'] = TabByte;
    return classes;
}();

int twips(int parameter)
{
    return std::clamp(parameter, -kMaxTwips, kMaxTwips);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The upper half of Windows-1252, built in so that the commonest page never needs ICU.
constexpr std::array<char16_t, 32> kWindows1252Controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows code page that a font's \fcharset stands for.
struct CharsetCodePage {
    int charset;
    int codePage;
};

constexpr CharsetCodePage kCharsetCodePages[] = {{0, 1252},   {77, 10000}, {128, 932},  {129, 949},
                                                 {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
                                                 {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
                                                 {204, 1251}, {222, 874},  {238, 1250}, {255, 437}};

// 0 for the charsets that leave the choice to the document's code page.
int codePageOfCharset(int charset)
{
    for (const CharsetCodePage& entry : kCharsetCodePages) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}

// Only pages that RTF files carry in practice are looked up, so hostile input cannot make the
// reader open converters without end.
QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 1250:
    case 1251:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
        return "windows-" + QByteArray::number(codePage);
    case 437:
    case 850:
    case 852:
    case 866:
        return "IBM" + QByteArray::number(codePage);
    case 10000:
        return "macintosh";
    case 20866:
        return "KOI8-R";
    case 65001:
        return "UTF-8";
    default:
        return {};
    }
}

// Turns bytes of one code page into text: single-byte pages through a table, the others
// through a Qt decoder over whole runs, since their characters span bytes.
struct CodePage {
    std::array<char16_t, 128> upperHalf{};
    QByteArray decoderName;
    bool multiByte = false;
};

CodePage makeCodePage(int number)
{
    CodePage page;
    for (size_t i = 0; i < page.upperHalf.size(); ++i)
        page.upperHalf[i] = i < 32 ? kWindows1252Controls[i] : char16_t(0x80 + i);
    const QByteArray name = decoderName(number);
    if (name.isEmpty() || !QStringDecoder(name.constData()).isValid())
        return page;
    if (number == 932 || number == 936 || number == 949 || number == 950 || number == 65001) {
        page.multiByte = true;
        page.decoderName = name;
        return page;
    }
    for (size_t i = 0; i < page.upperHalf.size(); ++i) {
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        const char byte = char(0x80 + i);
        const QString decoded = decoder(QByteArrayView(&byte, 1));
        // Some decoders give a control character for bytes their page leaves undefined.
        page.upperHalf[i] = decoded.size() == 1 && decoded.at(0).unicode() >= 0x20
                                ? decoded.at(0).unicode()
                                : char16_t(QChar::ReplacementCharacter);
    }
    return page;
}

// Decoders may give characters that would make structure the reader did not read, or that
// the writer could not write back.
void removeControls(QString& text, bool keepTabs)
{
    text.removeIf([keepTabs](QChar c) {
        return c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter ||
               (c.unicode() < 0x20 && !(keepTabs && c == u'\t'));
    });
}

// One entry of the font table.
struct Font {
    QString family;
    int codePage = 0; // 0: the document's
};

// Character formatting in RTF terms; turned into a QTextCharFormat once per run.
struct CharState {
    int font = 0;
    int halfPoints = 0; // 0: the document's size
    int foreground = 0; // colour table index, 0: automatic
    int background = 0;
    quint8 vertical = 0; // 1 superscript, 2 subscript
    bool explicitFont = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int link = 0; // 1 + its index among the links read, 0: no link

    bool operator==(const CharState&) const = default;
};

// Paragraph formatting in RTF terms, lengths in twips; \pard resets it.
struct ParagraphState {
    Qt::Alignment alignment = {};
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // 0 single; > 0 at least, < 0 exactly; with lineMultiple 240 a line
    bool lineMultiple = false;
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;

    bool operator==(const ParagraphState&) const = default;
};

enum class Destination : quint8 { Text, FontTable, ColorTable, FieldInstruction, Skipped };

// What a group sets and its closing brace takes back.
struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    int fallbackLength = 1;
    Destination destination = Destination::Text;
};

// What a picture, object or shape group says of itself: its kind, its size and, for a
// picture, its data. Depth 1 is the group itself.
struct EmbeddedGroup {
    enum class Kind : quint8 { Other, Png, Jpeg, Metafile };

    Kind kind = Kind::Other;
    int width = 0; // \picw, \pich: pixels, or hundredths of a millimetre for metafiles
    int height = 0;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    int shapeLeft = 0; // twips
    int shapeTop = 0;
    int shapeRight = 0;
    int shapeBottom = 0;
    QByteArray data;
    int highNibble = -1;
    bool damaged = false;

    void word(std::string_view name, int parameter, qint64 depth);
    void text(char c, qint64 depth);
    void binary(const char* begin, qsizetype length, qint64 depth);
    void symbol(char c, qint64 depth);

    bool shownKind() const { return kind == Kind::Png || kind == Kind::Jpeg; }
    bool dataWhole() const { return !damaged && highNibble < 0; }
    QSizeF size() const;
};

void EmbeddedGroup::word(std::string_view name, int parameter, qint64 depth)
{
    // A shape's place is given inside its instructions.
    int* const shapeSide = name == "shpleft"     ? &shapeLeft
                           : name == "shptop"    ? &shapeTop
                           : name == "shpright"  ? &shapeRight
                           : name == "shpbottom" ? &shapeBottom
                                                 : nullptr;
    if (shapeSide) {
        *shapeSide = parameter;
        return;
    }
    if (depth != 1)
        return;
    if (name == "pngblip")
        kind = Kind::Png;
    else if (name == "jpegblip")
        kind = Kind::Jpeg;
    else if (name == "wmetafile" || name == "emfblip" || name == "pmmetafile")
        kind = Kind::Metafile;
    else if (name == "picw")
        width = parameter;
    else if (name == "pich")
        height = parameter;
    else if (name == "picwgoal" || name == "objw")
        goalWidth = parameter;
    else if (name == "pichgoal" || name == "objh")
        goalHeight = parameter;
    else if (name == "picscalex" || name == "objscalex")
        scaleX = parameter;
    else if (name == "picscaley" || name == "objscaley")
        scaleY = parameter;
}

void EmbeddedGroup::text(char c, qint64 depth)
{
    if (depth != 1 || c == ' ' || c == '\r' || c == '\n' || c == '\t')
        return;
    const int value = hexValue(c);
    if (value < 0) {
        damaged = true;
    } else if (highNibble < 0) {
        highNibble = value;
    } else {
        data.append(char(highNibble * 16 + value));
        highNibble = -1;
    }
}

void EmbeddedGroup::binary(const char* begin, qsizetype length, qint64 depth)
{
    if (depth != 1)
        return;
    damaged = damaged || highNibble >= 0;
    data.append(begin, length);
}

void EmbeddedGroup::symbol(char c, qint64 depth)
{
    if (depth == 1 && c != '\r' && c != '\n')
        damaged = true;
}

// In pixels; empty when the group does not say.
QSizeF EmbeddedGroup::size() const
{
    QSizeF size;
    if (goalWidth > 0 && goalHeight > 0)
        size = QSizeF(goalWidth, goalHeight) / kTwipsPerPixel;
    else if (shapeRight > shapeLeft && shapeBottom > shapeTop)
        size =
            QSizeF(qreal(shapeRight) - shapeLeft, qreal(shapeBottom) - shapeTop) / kTwipsPerPixel;
    else if (width > 0 && height > 0)
        size = kind == Kind::Metafile ? QSizeF(width, height) * 96 / 2540 : QSizeF(width, height);
    if (scaleX > 0 && scaleY > 0)
        size = QSizeF(size.width() * scaleX / 100, size.height() * scaleY / 100);
    return size;
}

// A walk over a group that looks at nothing in it.
struct SkippedGroup {
    void word(std::string_view, int, qint64) {}
    void text(char, qint64) {}
    void binary(const char*, qsizetype, qint64) {}
    void symbol(char, qint64) {}
};

// The tables a file declares before its text, which formats refer to by number.
struct DocumentTables {
    QHash<int, Font> fonts;
    QList<QColor> colors;
    QStringList links;
    int defaultFont = -1; // -1: none named, text without a font takes the document's
};

// Where a reading puts what it finds: a whole document for the editor, or only the text for
// a search, which must not pay for formats it never looks at.
class Sink {
public:
    virtual ~Sink() = default;
    // Text of one format; it may hold paragraph separators.
    virtual void insertText(const QString& text, const CharState& chars) = 0;
    virtual void setBlockFormat(const ParagraphState& paragraph) = 0;
    virtual void setBlockCharFormat(const CharState& chars) = 0;
    // A picture, object or shape; source is its whole group.
    virtual void insertEmbedded(const EmbeddedGroup& group, QByteArrayView source,
                                const CharState& chars) = 0;
    // A font or colour entry was added: formats made before may name the wrong one.
    virtual void tablesChanged() {}
};

// One reading of one RTF text into one sink.
class Parser final {
public:
    Parser(QByteArrayView rtf, DocumentTables& tables, Sink& sink)
        : m_pos(rtf.data()), m_end(rtf.data() + rtf.size()), m_tables(tables), m_sink(sink)
    {}

    void run();

private:
    void text(const char* begin, qsizetype length);
    void controlSymbol();
    void controlWord();
    void keyword(const KeywordEntry& entry, bool hasParameter, int parameter);
    void openGroup();
    bool closeGroup();
    void skipGroup();
    template <typename Visitor>
    bool walkGroup(Visitor& visitor);
    void embeddedGroup();
    void skipBinary(int length);
    bool readParameter(int& parameter);
    bool readsDestinationAhead() const;

    void textByte(char byte);
    void appendBytes(const char* begin, qsizetype length);
    void appendCharacter(char32_t character);
    void startRun(const CharState& chars);
    bool prepareText();
    void settleSurrogate();
    void decodePending();
    void flushRun();
    void openPendingBlock();
    void endParagraph(const GroupState& state);
    static CharState markChars(const GroupState& state);
    void paragraphBreak();

    void commitFont();
    void commitColor();
    void fontNameCharacter(char32_t character);
    QString decodeFontBytes();
    void instructionCharacter(char32_t character);
    int linkNumber(const QString& target);

    const CodePage& codePage(int number);
    int codePageOfFont(int font) const;

    const char* m_pos;
    const char* m_end;
    const char* m_wordStart = nullptr; // the backslash of the control word being read
    DocumentTables& m_tables;
    Sink& m_sink;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    qsizetype m_overflowDepth = 0;
    int m_fallbackToSkip = 0;

    int m_documentCodePage = kDefaultCodePage;
    std::map<int, CodePage> m_codePages;

    // The font table entry being read.
    int m_fontEntry = -1;
    int m_fontEntryCodePage = 0;
    QByteArray m_fontNameBytes;
    QString m_fontName;

    // The colour table entry being read.
    std::array<int, 3> m_color{};
    bool m_colorGiven = false;

    // The text with one format not yet in the document; it may span paragraphs.
    QString m_run;
    QByteArray m_pendingBytes;
    CharState m_runChars;
    const CodePage* m_runCodePage = nullptr;
    char16_t m_highSurrogate = 0;

    // The state as the document's group closed: an unterminated last paragraph ends there.
    GroupState m_finalState;
    bool m_documentClosed = false;

    ParagraphState m_blockParagraph; // the format the last paragraph in the document has
    QString m_fieldInstruction;
    bool m_pendingBreak = false;
    bool m_blockHasText = false;
};

void Parser::run()
{
    while (m_pos < m_end) {
        switch (kByteClasses[uchar(*m_pos)]) {
        case TextByte: {
            if (m_fallbackToSkip > 0) {
                --m_fallbackToSkip;
                ++m_pos;
                break;
            }
            const char* begin = m_pos++;
            while (m_pos < m_end && kByteClasses[uchar(*m_pos)] == TextByte)
                ++m_pos;
            text(begin, m_pos - begin);
            break;
        }
        case Backslash:
            ++m_pos;
            if (m_pos == m_end)
                break;
            if (isLetter(*m_pos))
                controlWord();
            else
                controlSymbol();
            break;
        case OpenBrace:
            ++m_pos;
            openGroup();
            break;
        case CloseBrace:
            ++m_pos;
            closeGroup();
            break;
        case TabByte:
            ++m_pos;
            if (m_fallbackToSkip > 0)
                --m_fallbackToSkip;
            else if (m_state.destination == Destination::Text)
                appendCharacter(U'\t');
            break;
        default:
            ++m_pos;
            break;
        }
    }
    // A last paragraph without \par still counts; an empty one after the last \par does not.
    if (!m_pendingBreak) {
        const GroupState& state = m_documentClosed ? m_finalState : m_state;
        if (!m_blockHasText) {
            flushRun();
            m_sink.setBlockCharFormat(markChars(state));
        }
        endParagraph(state);
    }
    flushRun();
}

void Parser::text(const char* begin, qsizetype length)
{
    switch (m_state.destination) {
    case Destination::Text:
        appendBytes(begin, length);
        break;
    case Destination::FontTable:
        for (const char* p = begin; p < begin + length; ++p) {
            if (*p == ';')
                commitFont();
            else
                textByte(*p);
        }
        break;
    case Destination::ColorTable:
        for (const char* p = begin; p < begin + length; ++p) {
            if (*p == ';')
                commitColor();
        }
        break;
    case Destination::FieldInstruction:
        for (const char* p = begin; p < begin + length; ++p)
            textByte(*p);
        break;
    case Destination::Skipped:
        break;
    }
}

// One byte of text that came escaped, so it never ends a font name or a colour.
void Parser::textByte(char byte)
{
    if (uchar(byte) < 0x20 || byte == 0x7F)
        return;
    if (m_state.destination == Destination::Text) {
        appendBytes(&byte, 1);
    } else if (m_state.destination == Destination::FieldInstruction) {
        instructionCharacter(uchar(byte) < 0x80
                                 ? char32_t(byte)
                                 : codePage(m_documentCodePage).upperHalf[uchar(byte) - 0x80]);
    } else if (m_state.destination == Destination::FontTable && m_fontEntry >= 0 &&
               m_fontNameBytes.size() + m_fontName.size() < kMaxFontNameLength) {
        m_fontNameBytes.append(byte);
    }
}

void Parser::controlSymbol()
{
    const char symbol = *m_pos++;
    if (symbol == '*') {
        m_fallbackToSkip = 0;
        if (!readsDestinationAhead())
            skipGroup();
        return;
    }
    int byte = -1;
    if (symbol == '\'') {
        for (int digits = 0; digits < 2 && m_pos < m_end && hexValue(*m_pos) >= 0; ++digits)
            byte = (byte < 0 ? 0 : byte * 16) + hexValue(*m_pos++);
    }
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    switch (symbol) {
    case '\'':
        if (byte >= 0)
            textByte(char(byte));
        break;
    case '\\':
    case '{':
    case '}':
        textByte(symbol);
        break;
    case '~':
        appendCharacter(0x00A0);
        break;
    case '-':
        appendCharacter(0x00AD);
        break;
    case '_':
        appendCharacter(0x2011);
        break;
    case '\r':
    case '\n':
        paragraphBreak(); // a backslash before a line end stands for \par
        break;
    default:
        break;
    }
}

// \* marks a destination to skip unless it is known: true when the one ahead is read.
bool Parser::readsDestinationAhead() const
{
    const char* p = m_pos;
    if (p == m_end || *p++ != '\\')
        return false;
    const char* begin = p;
    while (p < m_end && isLetter(*p) && p - begin <= kMaxWordLength)
        ++p;
    const KeywordEntry* entry = findKeyword(std::string_view(begin, size_t(p - begin)));
    return entry &&
           (entry->keyword == Keyword::FieldInstruction || entry->keyword == Keyword::ShapePicture);
}

bool Parser::readParameter(int& parameter)
{
    const char* p = m_pos;
    const bool negative = p < m_end && *p == '-' && p + 1 < m_end && isDigit(p[1]);
    if (negative)
        ++p;
    if (p == m_end || !isDigit(*p))
        return false;
    qint64 value = 0;
    for (; p < m_end && isDigit(*p); ++p) {
        if (value < kParameterLimit)
            value = value * 10 + (*p - '0');
    }
    value = std::min(value, kParameterLimit);
    parameter = int(negative ? -value : value);
    m_pos = p;
    return true;
}

void Parser::controlWord()
{
    const char* begin = m_pos;
    m_wordStart = begin - 1;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const std::string_view word(begin, size_t(m_pos - begin));
    int parameter = 0;
    const bool hasParameter = readParameter(parameter);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;

    const KeywordEntry* entry =
        qsizetype(word.size()) <= kMaxWordLength ? findKeyword(word) : nullptr;
    if (entry && entry->keyword == Keyword::Bin) {
        // Binary data is never text, even where it stands for a fallback character.
        if (m_fallbackToSkip > 0)
            --m_fallbackToSkip;
        skipBinary(hasParameter ? parameter : 0);
        return;
    }
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    if (entry)
        keyword(*entry, hasParameter, parameter);
}

void Parser::skipBinary(int length)
{
    if (length > 0)
        m_pos += std::min<qint64>(length, m_end - m_pos);
}

void Parser::keyword(const KeywordEntry& entry, bool hasParameter, int parameter)
{
    CharState& chars = m_state.chars;
    const bool on = !hasParameter || parameter != 0;
    const bool inFontTable = m_state.destination == Destination::FontTable;
    const bool inColorTable = m_state.destination == Destination::ColorTable;

    switch (entry.keyword) {
    case Keyword::Skip:
        skipGroup();
        break;
    case Keyword::AnsiCodePage:
        if (hasParameter)
            m_documentCodePage = parameter;
        break;
    case Keyword::Mac:
        m_documentCodePage = 10000;
        break;
    case Keyword::Pc:
        m_documentCodePage = 437;
        break;
    case Keyword::Pca:
        m_documentCodePage = 850;
        break;
    case Keyword::DefaultFont:
        m_tables.defaultFont = std::max(parameter, 0);
        if (!chars.explicitFont)
            chars.font = parameter;
        break;
    case Keyword::FontTable:
        m_state.destination = Destination::FontTable;
        m_fontEntry = -1;
        break;
    case Keyword::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_colorGiven = false;
        m_color = {};
        break;
    case Keyword::Font:
        if (inFontTable) {
            commitFont();
            m_fontEntry = parameter;
            m_fontEntryCodePage = 0;
        } else if (hasParameter) {
            chars.font = parameter;
            chars.explicitFont = true;
        }
        break;
    case Keyword::Charset:
        if (inFontTable && m_fontEntryCodePage == 0)
            m_fontEntryCodePage = codePageOfCharset(parameter);
        break;
    case Keyword::CodePage:
        if (inFontTable && parameter > 0)
            m_fontEntryCodePage = parameter;
        break;
    case Keyword::Red:
    case Keyword::Green:
    case Keyword::Blue:
        if (inColorTable) {
            const size_t component = size_t(int(entry.keyword) - int(Keyword::Red));
            m_color[component] = std::clamp(parameter, 0, 255);
            m_colorGiven = true;
        }
        break;
    case Keyword::FontSize:
        chars.halfPoints = hasParameter ? std::clamp(parameter, 0, kMaxHalfPoints) : 24;
        break;
    case Keyword::Foreground:
        chars.foreground = std::max(parameter, 0);
        break;
    case Keyword::Background:
        chars.background = std::max(parameter, 0);
        break;
    case Keyword::Bold:
        chars.bold = on;
        break;
    case Keyword::Italic:
        chars.italic = on;
        break;
    case Keyword::Underline:
        chars.underline = on;
        break;
    case Keyword::UnderlineNone:
        chars.underline = false;
        break;
    case Keyword::Strike:
        chars.strike = on;
        break;
    case Keyword::Superscript:
        chars.vertical = on ? 1 : 0;
        break;
    case Keyword::Subscript:
        chars.vertical = on ? 2 : 0;
        break;
    case Keyword::NoSuperSub:
        chars.vertical = 0;
        break;
    case Keyword::Hidden:
        chars.hidden = on;
        break;
    case Keyword::Plain: {
        // A link belongs to the field around the text, not to its format.
        const int link = chars.link;
        chars = CharState{};
        chars.font = m_tables.defaultFont;
        chars.link = link;
        break;
    }
    case Keyword::Pard:
        m_state.paragraph = ParagraphState{};
        break;
    // Left and right name the side the lines keep to, whatever the paragraph's direction.
    case Keyword::AlignLeft:
        m_state.paragraph.alignment = Qt::AlignLeft | Qt::AlignAbsolute;
        break;
    case Keyword::AlignCenter:
        m_state.paragraph.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        m_state.paragraph.alignment = Qt::AlignRight | Qt::AlignAbsolute;
        break;
    case Keyword::AlignJustify:
        m_state.paragraph.alignment = Qt::AlignJustify;
        break;
    case Keyword::LeftIndent:
        m_state.paragraph.leftIndent = twips(parameter);
        break;
    case Keyword::RightIndent:
        m_state.paragraph.rightIndent = twips(parameter);
        break;
    case Keyword::FirstIndent:
        m_state.paragraph.firstIndent = twips(parameter);
        break;
    case Keyword::SpaceBefore:
        m_state.paragraph.spaceBefore = twips(parameter);
        break;
    case Keyword::SpaceAfter:
        m_state.paragraph.spaceAfter = twips(parameter);
        break;
    case Keyword::LineSpacing:
        m_state.paragraph.lineSpacing = twips(parameter);
        break;
    case Keyword::LineMultiple:
        m_state.paragraph.lineMultiple = on;
        break;
    case Keyword::RightToLeft:
        m_state.paragraph.direction = Qt::RightToLeft;
        break;
    case Keyword::LeftToRight:
        m_state.paragraph.direction = Qt::LeftToRight;
        break;
    case Keyword::Field:
        m_fieldInstruction.clear();
        break;
    case Keyword::FieldInstruction:
        if (m_state.destination != Destination::Text) {
            skipGroup();
            break;
        }
        m_state.destination = Destination::FieldInstruction;
        m_fieldInstruction.clear();
        break;
    case Keyword::FieldResult:
        if (m_state.destination == Destination::Text) {
            chars.link = linkNumber(HyperlinkField::target(m_fieldInstruction));
            m_fieldInstruction.clear();
        }
        break;
    case Keyword::Embedded:
        embeddedGroup();
        break;
    case Keyword::ShapePicture:
        break;
    case Keyword::Par:
        paragraphBreak();
        break;
    case Keyword::Line:
        appendCharacter(QChar::LineSeparator);
        break;
    case Keyword::Tab:
    case Keyword::Cell:
        appendCharacter(U'\t');
        break;
    case Keyword::Character:
        appendCharacter(entry.character);
        break;
    case Keyword::Unicode:
        if (hasParameter) {
            // Written as signed 16-bit; some writers give the code point itself.
            const int code = parameter < 0 ? parameter + 0x10000 : parameter;
            if (code >= 0 && code <= 0x10FFFF) {
                if (inFontTable)
                    fontNameCharacter(char32_t(code));
                else
                    appendCharacter(char32_t(code));
            }
            m_fallbackToSkip = m_state.fallbackLength;
        }
        break;
    case Keyword::UnicodeSkip:
        m_state.fallbackLength = std::clamp(parameter, 0, kMaxFallbackLength);
        break;
    case Keyword::Bin:
        break;
    }
}

void Parser::openGroup()
{
    m_fallbackToSkip = 0;
    if (qsizetype(m_stack.size()) >= kMaxDepth)
        ++m_overflowDepth;
    else
        m_stack.push_back(m_state);
}

// False for a closing brace too many, which closes nothing.
bool Parser::closeGroup()
{
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.empty())
        return false;
    if (m_state.destination == Destination::FontTable)
        commitFont();
    else if (m_state.destination == Destination::ColorTable && m_colorGiven)
        commitColor();
    if (m_stack.size() == 1 && m_state.destination == Destination::Text) {
        m_finalState = m_state;
        m_documentClosed = true;
    }
    m_state = m_stack.back();
    m_stack.pop_back();
    return true;
}

// Skips the rest of the current group, nested groups and all, without keeping any state.
void Parser::skipGroup()
{
    const Destination destination = m_state.destination;
    m_state.destination = Destination::Skipped;
    SkippedGroup nothing;
    if (walkGroup(nothing) && !closeGroup())
        m_state.destination = destination;
}

// Walks to the end of the current group, nested groups and \bin data included, showing the
// visitor what it passes and at what depth. False when the input ends first.
template <typename Visitor>
bool Parser::walkGroup(Visitor& visitor)
{
    qint64 depth = 1;
    while (m_pos < m_end) {
        const char c = *m_pos++;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return true;
        } else if (c == '\\') {
            if (m_pos == m_end)
                break;
            if (!isLetter(*m_pos)) {
                visitor.symbol(*m_pos++, depth);
                continue;
            }
            const char* begin = m_pos;
            while (m_pos < m_end && isLetter(*m_pos))
                ++m_pos;
            const std::string_view word(begin, size_t(m_pos - begin));
            int parameter = 0;
            const bool hasParameter = readParameter(parameter);
            if (m_pos < m_end && *m_pos == ' ')
                ++m_pos;
            if (word == "bin" && hasParameter) {
                const char* data = m_pos;
                skipBinary(parameter);
                visitor.binary(data, m_pos - data, depth);
            } else {
                visitor.word(word, parameter, depth);
            }
        } else {
            visitor.text(c, depth);
        }
    }
    return false;
}

// A picture, object or shape: shown when it is a PNG or JPEG picture that decodes, otherwise
// kept as the group's text behind a placeholder, so that a save writes back what was read.
void Parser::embeddedGroup()
{
    // Outside the text, or not in a group of its own, there is nothing to keep it by.
    if (m_state.destination != Destination::Text || m_overflowDepth > 0 || m_stack.size() < 2) {
        skipGroup();
        return;
    }
    // Kept from its own word on: what came before it in the group was read already.
    const char* start = m_wordStart;
    EmbeddedGroup group;
    // A group cut short cannot be written back: the rest of the page would fall into it.
    if (!walkGroup(group))
        return;
    const QByteArrayView source(start, m_pos - start);
    closeGroup();
    // Pictures keep the format of the text they stand in, even hidden text: nothing is lost.
    CharState chars = m_state.chars;
    chars.hidden = false;
    startRun(chars);
    openPendingBlock();
    m_blockHasText = true;
    flushRun();
    m_sink.insertEmbedded(group, source, chars);
}

const CodePage& Parser::codePage(int number)
{
    if (decoderName(number).isEmpty())
        number = kDefaultCodePage; // keeps the cache small whatever numbers a file names
    auto it = m_codePages.find(number);
    if (it == m_codePages.end())
        it = m_codePages.emplace(number, makeCodePage(number)).first;
    return it->second;
}

int Parser::codePageOfFont(int font) const
{
    const auto it = m_tables.fonts.constFind(font);
    return it != m_tables.fonts.cend() && it->codePage != 0 ? it->codePage : m_documentCodePage;
}

void Parser::startRun(const CharState& chars)
{
    if (m_runCodePage && chars == m_runChars)
        return;
    flushRun();
    m_runChars = chars;
    m_runCodePage = &codePage(codePageOfFont(chars.font));
}

// Readies the run for text in the current format; false when that text is hidden.
bool Parser::prepareText()
{
    if (m_state.chars.hidden)
        return false;
    startRun(m_state.chars);
    openPendingBlock();
    m_blockHasText = true;
    return true;
}

void Parser::appendBytes(const char* begin, qsizetype length)
{
    if (!prepareText())
        return;
    settleSurrogate();
    if (m_runCodePage->multiByte) {
        m_pendingBytes.append(begin, length);
        return;
    }
    const char* end = begin + length;
    const char* p = begin;
    while (p < end) {
        const char* ascii = p;
        while (p < end && uchar(*p) < 0x80)
            ++p;
        if (p > ascii)
            m_run.append(QLatin1StringView(ascii, p - ascii));
        for (; p < end && uchar(*p) >= 0x80; ++p)
            m_run.append(QChar(m_runCodePage->upperHalf[uchar(*p) - 0x80]));
    }
}

void Parser::appendCharacter(char32_t character)
{
    if (m_state.destination == Destination::FieldInstruction)
        instructionCharacter(character);
    if (m_state.destination != Destination::Text)
        return;
    // Block and object separators would make structure the reader did not read.
    if ((character < 0x20 && character != U'\t') || character == 0x7F ||
        character == QChar::ParagraphSeparator || character == QChar::ObjectReplacementCharacter)
        return;
    if (!prepareText())
        return;
    if (QChar::isLowSurrogate(character) && m_highSurrogate) {
        m_run.append(QChar(m_highSurrogate));
        m_run.append(QChar(char16_t(character)));
        m_highSurrogate = 0;
        return;
    }
    settleSurrogate();
    decodePending();
    if (QChar::isHighSurrogate(character)) {
        m_highSurrogate = char16_t(character);
    } else if (QChar::isLowSurrogate(character)) {
        m_run.append(QChar::ReplacementCharacter);
    } else if (character > 0xFFFF) {
        m_run.append(QChar(QChar::highSurrogate(character)));
        m_run.append(QChar(QChar::lowSurrogate(character)));
    } else {
        m_run.append(QChar(char16_t(character)));
    }
}

// A high surrogate that no low one followed stands for a character that is lost.
void Parser::settleSurrogate()
{
    if (m_highSurrogate) {
        m_run.append(QChar::ReplacementCharacter);
        m_highSurrogate = 0;
    }
}

void Parser::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    QStringDecoder decoder(m_runCodePage->decoderName.constData(),
                           QStringConverter::Flag::Stateless);
    QString decoded = decoder(m_pendingBytes);
    removeControls(decoded, true);
    m_run.append(decoded);
    m_pendingBytes.clear();
}

// One insertion per run, paragraph separators and all: QTextDocument spends far more on each
// insertion than on each character.
void Parser::flushRun()
{
    settleSurrogate();
    decodePending();
    if (m_run.isEmpty())
        return;
    m_sink.insertText(m_run, m_runChars);
    m_run.resize(0);
}

// Paragraph breaks wait for what follows, so that a final \par opens no empty paragraph.
void Parser::openPendingBlock()
{
    if (!m_pendingBreak)
        return;
    settleSurrogate();
    decodePending();
    m_run.append(QChar::ParagraphSeparator);
    m_pendingBreak = false;
    m_blockHasText = false;
}

// New paragraphs take the format of the one before, so only a change costs an insertion.
void Parser::endParagraph(const GroupState& state)
{
    if (state.paragraph == m_blockParagraph)
        return;
    flushRun();
    m_sink.setBlockFormat(state.paragraph);
    m_blockParagraph = state.paragraph;
}

// An empty paragraph keeps the format of its mark, so that its height survives; a mark is
// never part of a link.
CharState Parser::markChars(const GroupState& state)
{
    if (state.chars.hidden)
        return CharState{};
    CharState chars = state.chars;
    chars.link = 0;
    return chars;
}

void Parser::paragraphBreak()
{
    if (m_state.destination != Destination::Text)
        return;
    if (m_pendingBreak) {
        startRun(markChars(m_state));
        openPendingBlock();
    } else if (!m_blockHasText) {
        // The first paragraph, which no separator opened.
        flushRun();
        m_sink.setBlockCharFormat(markChars(m_state));
    }
    endParagraph(m_state);
    m_documentClosed = false;
    m_pendingBreak = true;
}

void Parser::instructionCharacter(char32_t character)
{
    if (character < 0x20 || character > 0xFFFF || QChar::isSurrogate(character) ||
        m_fieldInstruction.size() >= kMaxInstructionLength)
        return;
    m_fieldInstruction.append(QChar(char16_t(character)));
}

int Parser::linkNumber(const QString& target)
{
    if (target.isEmpty())
        return 0;
    QStringList& links = m_tables.links;
    if (links.isEmpty() || links.constLast() != target)
        links.append(target);
    return int(links.size());
}

QString Parser::decodeFontBytes()
{
    if (m_fontNameBytes.isEmpty())
        return {};
    const int number = m_fontEntryCodePage != 0 ? m_fontEntryCodePage : m_documentCodePage;
    const CodePage& page = codePage(number);
    QString decoded;
    if (page.multiByte) {
        decoded = QStringDecoder(page.decoderName.constData(),
                                 QStringConverter::Flag::Stateless)(m_fontNameBytes);
        removeControls(decoded, false);
    } else {
        for (const char byte : std::as_const(m_fontNameBytes))
            decoded.append(uchar(byte) < 0x80 ? QChar(char16_t(byte))
                                              : QChar(page.upperHalf[uchar(byte) - 0x80]));
    }
    m_fontNameBytes.clear();
    return decoded;
}

void Parser::fontNameCharacter(char32_t character)
{
    if (m_fontEntry < 0 || m_fontName.size() + m_fontNameBytes.size() >= kMaxFontNameLength)
        return;
    m_fontName.append(decodeFontBytes());
    if (character >= 0x20 && character <= 0xFFFF && !QChar::isSurrogate(character))
        m_fontName.append(QChar(char16_t(character)));
}

void Parser::commitFont()
{
    if (m_fontEntry < 0)
        return;
    m_fontName.append(decodeFontBytes());
    m_tables.fonts.insert(m_fontEntry, Font{m_fontName.trimmed(), m_fontEntryCodePage});
    m_fontName.clear();
    m_fontEntry = -1;
    m_fontEntryCodePage = 0;
    // Text already gathered keeps the code page it was read with.
    m_sink.tablesChanged();
}

void Parser::commitColor()
{
    m_tables.colors.append(m_colorGiven ? QColor(m_color[0], m_color[1], m_color[2]) : QColor());
    m_color = {};
    m_colorGiven = false;
    m_sink.tablesChanged();
}

// Builds the page's document, with every format the reading found.
class DocumentSink final : public Sink {
public:
    DocumentSink(QTextCursor& cursor, const DocumentTables& tables)
        : m_cursor(cursor), m_tables(tables),
          m_documentFamily(cursor.document()->defaultFont().family())
    {}

    void insertText(const QString& text, const CharState& chars) override
    {
        m_cursor.insertText(text, charFormat(chars));
    }
    void setBlockFormat(const ParagraphState& paragraph) override
    {
        m_cursor.setBlockFormat(blockFormat(paragraph));
    }
    void setBlockCharFormat(const CharState& chars) override
    {
        m_cursor.setBlockCharFormat(charFormat(chars));
    }
    void insertEmbedded(const EmbeddedGroup& group, QByteArrayView source,
                        const CharState& chars) override;
    void tablesChanged() override { m_formats.clear(); }

private:
    QTextCharFormat charFormat(const CharState& chars);
    static QTextBlockFormat blockFormat(const ParagraphState& paragraph);
    QString familyOf(int font) const;

    QTextCursor& m_cursor;
    const DocumentTables& m_tables;
    const QString m_documentFamily;
    // Formats made so far: a page uses few, and building one costs more than finding it.
    std::vector<std::pair<CharState, QTextCharFormat>> m_formats;
};

void DocumentSink::insertEmbedded(const EmbeddedGroup& group, QByteArrayView source,
                                  const CharState& chars)
{
    QTextDocument& document = *m_cursor.document();
    std::optional<QTextImageFormat> format;
    if (group.shownKind() && group.dataWhole())
        format = PagePicture::shown(document, group.data, group.size());
    if (!format)
        format = PagePicture::kept(document, '{' + source.toByteArray(), group.size());
    format->merge(charFormat(chars));
    m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), *format);
}

QTextCharFormat DocumentSink::charFormat(const CharState& chars)
{
    for (const auto& [made, format] : m_formats) {
        if (made == chars)
            return format;
    }
    if (m_formats.size() >= kMaxFormats)
        m_formats.clear();
    QTextCharFormat format;
    QString family = chars.explicitFont ? familyOf(chars.font) : QString();
    // Text in the default font follows the document's font where the two are the same, so that
    // a page keeps following it.
    if (family.isEmpty() && (family = familyOf(m_tables.defaultFont)) == m_documentFamily)
        family.clear();
    if (!family.isEmpty())
        format.setFontFamilies({family});
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.foreground > 0 && chars.foreground < m_tables.colors.size() &&
        m_tables.colors.at(chars.foreground).isValid())
        format.setForeground(m_tables.colors.at(chars.foreground));
    if (chars.background > 0 && chars.background < m_tables.colors.size() &&
        m_tables.colors.at(chars.background).isValid())
        format.setBackground(m_tables.colors.at(chars.background));
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.vertical != 0)
        format.setVerticalAlignment(chars.vertical == 1 ? QTextCharFormat::AlignSuperScript
                                                        : QTextCharFormat::AlignSubScript);
    if (chars.link > 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_tables.links.at(chars.link - 1));
    }
    m_formats.emplace_back(chars, format);
    return format;
}

// Only what the paragraph sets becomes a property, so that a page written back holds no more.
QTextBlockFormat DocumentSink::blockFormat(const ParagraphState& paragraph)
{
    QTextBlockFormat format;
    if (paragraph.alignment)
        format.setAlignment(paragraph.alignment);
    if (paragraph.direction != Qt::LayoutDirectionAuto)
        format.setLayoutDirection(paragraph.direction);
    const std::pair<int, int> margins[] = {{QTextFormat::BlockLeftMargin, paragraph.leftIndent},
                                           {QTextFormat::BlockRightMargin, paragraph.rightIndent},
                                           {QTextFormat::TextIndent, paragraph.firstIndent},
                                           {QTextFormat::BlockTopMargin, paragraph.spaceBefore},
                                           {QTextFormat::BlockBottomMargin, paragraph.spaceAfter}};
    for (const auto& [property, value] : margins) {
        if (value != 0)
            format.setProperty(property, value / kTwipsPerPixel);
    }
    const int spacing = paragraph.lineSpacing;
    if (paragraph.lineMultiple && spacing > 0)
        format.setLineHeight(spacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (spacing > 0)
        format.setLineHeight(spacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (spacing < 0)
        format.setLineHeight(-spacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    return format;
}

QString DocumentSink::familyOf(int font) const
{
    const auto found = m_tables.fonts.constFind(font);
    return found != m_tables.fonts.cend() ? found->family : QString();
}

// Gathers only the text, as the document would hold it, for readers that want nothing else.
class TextSink final : public Sink {
public:
    void insertText(const QString& text, const CharState&) override { m_text += text; }
    void setBlockFormat(const ParagraphState&) override {}
    void setBlockCharFormat(const CharState&) override {}
    void insertEmbedded(const EmbeddedGroup&, QByteArrayView, const CharState&) override
    {
        m_text += QChar::ObjectReplacementCharacter;
    }

    QString& text() { return m_text; }

private:
    QString m_text;
};

} // namespace

namespace {

// Some programs put a UTF-8 byte-order mark before the RTF, which is no part of it.
QByteArrayView withoutByteOrderMark(QByteArrayView text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text;
}

} // namespace

bool RtfReader::isRtf(QByteArrayView text)
{
    return withoutByteOrderMark(text).trimmed().startsWith("{\\rtf");
}

void RtfReader::read(QByteArrayView rtf, QTextDocument& document)
{
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    DocumentTables tables;
    DocumentSink sink(cursor, tables);
    Parser(withoutByteOrderMark(rtf), tables, sink).run();
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoRedo);
}

QString RtfReader::plainText(QByteArrayView rtf)
{
    DocumentTables tables;
    TextSink sink;
    Parser(withoutByteOrderMark(rtf), tables, sink).run();
    // The characters that QTextDocument::toPlainText() gives otherwise than it holds them.
    QString& text = sink.text();
    for (QChar& c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // frame boundaries, which a document takes for paragraph breaks
        case 0xFDD1:
            c = u'\n';
            break;
        case QChar::Nbsp:
            c = u' ';
            break;
        default:
            break;
        }
    }
    return std::move(text);
}

} // namespace Quillet
