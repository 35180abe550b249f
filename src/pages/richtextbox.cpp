#include "pages/richtextbox.h"

#include "pages/rtf/mimecontent.h"
#include "pages/rtf/pagepicture.h"
#include "pages/rtf/rtfreader.h"
#include "pages/rtf/rtfwriter.h"
#include "startup/textcodec.h"

#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace Quillet {
namespace {

// The side the paragraph's lines keep to: Qt's left and right turn round in a right-to-left
// paragraph unless they are absolute.
int alignmentNumber(const QTextBlock& block)
{
    const Qt::Alignment alignment =
        QStyle::visualAlignment(block.textDirection(), block.blockFormat().alignment());
    if (alignment & Qt::AlignHCenter)
        return RichTextBox::AlignCenter;
    if (alignment & Qt::AlignRight)
        return RichTextBox::AlignRight;
    return RichTextBox::AlignLeft;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("page"));
    setAcceptRichText(true);
    setTabChangesFocus(false);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::SelChange);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::SelChange);
}

QByteArray RichTextBox::TextRTF() const
{
    return RtfWriter::write(*document());
}

void RichTextBox::setTextRTF(QByteArrayView richText)
{
    if (!RtfReader::isRtf(richText)) {
        setPlainText(DecodeText(richText));
        return;
    }
    // A large page is read into a document of its own and laid out once when shown: read in
    // place, the editor would lay it out again after every run of text. A small page reads
    // quicker in place than a new document is set up.
    constexpr qsizetype kReadApartFrom = 64 * 1024;
    if (richText.size() < kReadApartFrom) {
        RtfReader::read(richText, *document());
        return;
    }
    auto* read = new QTextDocument(this);
    read->setDefaultFont(document()->defaultFont());
    read->setDocumentMargin(document()->documentMargin());
    RtfReader::read(richText, *read);
    // The editor deletes the document it made itself; the ones made here are ours to delete.
    QTextDocument* previous = document();
    const bool previousIsOurs = previous->parent() == this;
    setDocument(read);
    if (previousIsOurs)
        delete previous;
    emit Change();
    emit SelChange();
}

QString RichTextBox::Text() const
{
    return toPlainText();
}

void RichTextBox::setText(const QString& text)
{
    setPlainText(text);
}

void RichTextBox::clearTo(const QString& fontFamily, qreal points)
{
    // Emptying keeps the caret's last format for what is typed next: start from none.
    setPlainText(QString());
    setCurrentCharFormat(QTextCharFormat());
    if (!fontFamily.isEmpty())
        setSelFontName(fontFamily);
    setSelFontSize(points);
}

void RichTextBox::keyPressEvent(QKeyEvent* event)
{
    // A paragraph begun after an empty one would lose the caret's format: the text typed next
    // would fall back to the plain default, unlike the paragraph above it.
    const bool newParagraph = event->matches(QKeySequence::InsertParagraphSeparator);
    const QTextCharFormat format = currentCharFormat();
    QTextEdit::keyPressEvent(event);
    if (newParagraph && event->isAccepted() && currentCharFormat() != format)
        setCurrentCharFormat(format);
}

bool RichTextBox::setFileName(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    setTextRTF(file.readAll());
    return true;
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return source && MimeContent::canRead(*source);
}

QMimeData* RichTextBox::createMimeDataFromSelection() const
{
    return MimeContent::write(textCursor().selection(), document()->defaultFont());
}

void RichTextBox::insertFromMimeData(const QMimeData* source)
{
    if (!source || isReadOnly())
        return;
    emit aboutToInsert();
    QTextDocument content;
    content.setDefaultFont(document()->defaultFont());
    content.setIndentWidth(document()->indentWidth());
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (MimeContent::read(*source, content)) {
        // A fragment carries the pictures' formats but not their images.
        PagePicture::shareImages(content, *document());
        cursor.insertFragment(QTextDocumentFragment(&content));
    } else {
        cursor.insertText(MimeContent::plainText(*source));
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

int RichTextBox::SelStart() const
{
    return textCursor().selectionStart();
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBox::setSelStart(int start)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, start, document()->characterCount() - 1));
    setTextCursor(cursor);
}

void RichTextBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + length, document()->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

template <typename Value, typename Read>
std::optional<Value> RichTextBox::uniformCharValue(Read read) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return read(currentCharFormat());

    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::optional<Value> value;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start || fragment.position() >= end)
                continue;
            const Value here = read(fragment.charFormat());
            if (value && *value != here)
                return std::nullopt;
            value = here;
        }
    }
    return value ? value : std::optional<Value>(read(cursor.charFormat()));
}

std::optional<QString> RichTextBox::SelFontName() const
{
    return uniformCharValue<QString>([this](const QTextCharFormat& format) {
        const QStringList families = format.fontFamilies().toStringList();
        return families.isEmpty() ? document()->defaultFont().family() : families.first();
    });
}

std::optional<qreal> RichTextBox::SelFontSize() const
{
    return uniformCharValue<qreal>([this](const QTextCharFormat& format) {
        const qreal size = format.fontPointSize();
        return size > 0 ? size : document()->defaultFont().pointSizeF();
    });
}

std::optional<QColor> RichTextBox::SelColor() const
{
    return uniformCharValue<QColor>([this](const QTextCharFormat& format) {
        return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                : palette().text().color();
    });
}

std::optional<bool> RichTextBox::SelBold() const
{
    return uniformCharValue<bool>(
        [](const QTextCharFormat& format) { return format.fontWeight() >= QFont::Bold; });
}

std::optional<bool> RichTextBox::SelItalic() const
{
    return uniformCharValue<bool>(
        [](const QTextCharFormat& format) { return format.fontItalic(); });
}

std::optional<bool> RichTextBox::SelUnderline() const
{
    return uniformCharValue<bool>(
        [](const QTextCharFormat& format) { return format.fontUnderline(); });
}

std::optional<int> RichTextBox::SelAlignment() const
{
    const QTextCursor cursor = textCursor();
    QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    const int first = alignmentNumber(block);
    while (block.isValid() && block != last) {
        block = block.next();
        if (alignmentNumber(block) != first)
            return std::nullopt;
    }
    return first;
}

void RichTextBox::mergeSelFormat(const QTextCharFormat& format)
{
    // Applies to the selection, or to what is typed next at the caret.
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelFontName(const QString& family)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeSelFormat(format);
}

void RichTextBox::setSelFontSize(qreal points)
{
    // A page stores sizes as whole half points below 32,768.
    constexpr qreal kLargest = 16383;
    if (!(points > 0 && points <= kLargest))
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeSelFormat(format);
}

void RichTextBox::setSelColor(const QColor& color)
{
    QTextCharFormat format;
    format.setForeground(color);
    mergeSelFormat(format);
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelFormat(format);
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeSelFormat(format);
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeSelFormat(format);
}

void RichTextBox::setSelAlignment(int alignment)
{
    Qt::Alignment qt = Qt::AlignLeft | Qt::AlignAbsolute;
    if (alignment == AlignRight)
        qt = Qt::AlignRight | Qt::AlignAbsolute;
    else if (alignment == AlignCenter)
        qt = Qt::AlignHCenter;
    setAlignment(qt);
}

} // namespace Quillet
