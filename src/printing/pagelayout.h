#pragma once

#include <QList>
#include <QPicture>
#include <QRect>
#include <QSize>
#include <memory>

class QPainter;
class QTextDocument;

namespace Quillet {

// Lays a page's document out onto physical pages: what fits into the drawing rectangle from a
// given character on, and the run of page pictures that the whole document fills. Pictures are
// drawn in the document's own unit, 96 to the inch; rectangles and sizes are given in twips.
class PageLayout final {
public:
    static constexpr int kMaxPages = 32767;

    PageLayout(const QTextDocument& document, const QRect& drawingRect);
    ~PageLayout();
    Q_DISABLE_COPY_MOVE(PageLayout)

    // The length of the document's plain text: the positions returned count characters alike.
    int textLength() const;

    // Draws the lines that fit from the line holding start on, and returns the first character
    // not drawn. A line is never cut; a line taller than the rectangle is drawn alone.
    int formatRange(QPainter& painter, int start) const;

    // One picture of pageSize per page, from the first character on.
    QList<QPicture> pages(const QSize& pageSize) const;

private:
    struct Line {
        int start;
        qreal top;
        qreal bottom;
    };

    std::unique_ptr<QTextDocument> m_document;
    QRectF m_rect;
    QList<Line> m_lines;
};

} // namespace Quillet
