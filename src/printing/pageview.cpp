#include "printing/pageview.h"

#include <QPainter>

namespace Quillet {

PageView::PageView(QWidget* parent) : QWidget(parent) {}

void PageView::setPicture(const QPicture& picture)
{
    m_picture = picture;
    update();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRect page = m_picture.boundingRect();
    if (page.isEmpty())
        return;
    painter.scale(double(width()) / page.width(), double(height()) / page.height());
    painter.drawPicture(0, 0, m_picture);
}

} // namespace Quillet
