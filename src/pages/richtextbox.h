#pragma once

#include <QByteArray>
#include <QColor>
#include <QTextEdit>
#include <optional>

namespace Quillet {

// The page editor: a rich-text box whose content is read and written as RTF. Selection
// properties read as nullopt ("no value") when the selection mixes values. Change and
// SelChange arrive before a program write returns.
class RichTextBox final : public QTextEdit {
    Q_OBJECT
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    // Whether the page holds changes that are not in its page file.
    enum class PageState { Clean, Dirty };
    Q_ENUM(PageState)

    explicit RichTextBox(QWidget* parent = nullptr);

    QByteArray TextRTF() const;
    // Text that is not RTF is shown as plain text.
    void setTextRTF(QByteArrayView richText);

    QString Text() const;
    void setText(const QString& text);
    // Empties the editor; what is typed next has this font and size and no other attribute.
    void clearTo(const QString& fontFamily, qreal points);

    // Loads a file, RTF or plain text; false when it cannot be read.
    bool setFileName(const QString& path);

    int SelStart() const;
    int SelLength() const;
    // Places the caret and drops the selection, as setting the start of a selection does.
    void setSelStart(int start);
    void setSelLength(int length);

    std::optional<QString> SelFontName() const;
    std::optional<qreal> SelFontSize() const;
    std::optional<QColor> SelColor() const;
    std::optional<bool> SelBold() const;
    std::optional<bool> SelItalic() const;
    std::optional<bool> SelUnderline() const;
    std::optional<int> SelAlignment() const;

    void setSelFontName(const QString& family);
    // Sizes that a page cannot store (not above 0, not finite, too large) are ignored.
    void setSelFontSize(qreal points);
    void setSelColor(const QColor& color);
    void setSelBold(bool on);
    void setSelItalic(bool on);
    void setSelUnderline(bool on);
    void setSelAlignment(int alignment);

    PageState Tag() const { return m_tag; }
    void setTag(PageState state) { m_tag = state; }

signals:
    void Change();
    void SelChange();
    // Pasted or dropped content is about to go in.
    void aboutToInsert();

protected:
    // The clipboard and drops go through a page's own reading and writing: what is pasted is
    // reduced to what a page keeps, and a copy carries the page's RTF.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    template <typename Value, typename Read>
    std::optional<Value> uniformCharValue(Read read) const;
    void mergeSelFormat(const QTextCharFormat& format);

    PageState m_tag = PageState::Clean;
};

} // namespace Quillet
