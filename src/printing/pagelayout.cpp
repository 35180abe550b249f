#include "printing/pagelayout.h"

#include "pages/rtf/pagepicture.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace Quillet {

namespace {

QRectF inPixels(const QRect& twips)
{
    const qreal scale = 1.0 / PagePicture::kTwipsPerPixel;
    return {twips.left() * scale, twips.top() * scale, twips.width() * scale,
            twips.height() * scale};
}

} // namespace

PageLayout::PageLayout(const QTextDocument& document, const QRect& drawingRect)
    : m_document(document.clone()), m_rect(inPixels(drawingRect))
{
    // The rectangle carries the margins; the editor's own frame margin would add to them.
    m_document->setDocumentMargin(0);
    m_document->setTextWidth(m_rect.width());
    QAbstractTextDocumentLayout* layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const qreal blockTop = layout->blockBoundingRect(block).top();
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            m_lines.append({block.position() + line.textStart(), blockTop + line.y(),
                            blockTop + line.y() + line.height()});
        }
    }
}

PageLayout::~PageLayout() = default;

int PageLayout::textLength() const
{
    return m_document->characterCount() - 1;
}

int PageLayout::formatRange(QPainter& painter, int start) const
{
    const auto after =
        std::upper_bound(m_lines.cbegin(), m_lines.cend(), start,
                         [](int position, const Line& line) { return position < line.start; });
    if (after == m_lines.cbegin())
        return textLength();
    const auto first = after - 1;
    const qreal top = first->top;
    auto next = first + 1;
    while (next != m_lines.cend() && next->bottom - top <= m_rect.height())
        ++next;
    const qreal bottom = next == m_lines.cend() ? top + m_rect.height() : next->top;

    painter.save();
    painter.translate(m_rect.left(), m_rect.top() - top);
    const QRectF shown(0, top, m_rect.width(), std::min(bottom - top, m_rect.height()));
    painter.setClipRect(shown);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    // Paper is white whatever the window's colours are.
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();

    return next == m_lines.cend() ? textLength() : next->start;
}

QList<QPicture> PageLayout::pages(const QSize& pageSize) const
{
    const QRect page(QPoint(), inPixels(QRect(QPoint(), pageSize)).size().toSize());
    const int length = textLength();
    QList<QPicture> pictures;
    int start = 0;
    forever
    {
        QPicture picture;
        QPainter painter(&picture);
        const int next = formatRange(painter, start);
        painter.end();
        picture.setBoundingRect(page);
        pictures.append(picture);
        // A page that does not advance would be followed by itself for ever.
        if (next >= length || next <= start || pictures.size() >= kMaxPages)
            break;
        start = next;
    }
    return pictures;
}

} // namespace Quillet
