#include "mainwindow/skinborder.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace Quillet {
namespace {

// How far from a corner a border still resizes both ways.
constexpr int kCornerReach = 16;

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

SkinBorder::SkinBorder(QWidget& window, Qt::Edge edge, const QString& name)
    : QWidget(&window), m_window(window), m_edge(edge)
{
    setObjectName(name);
    setMouseTracking(true);
}

void SkinBorder::setStyle(const SkinFrameStyle& style)
{
    m_style = style;
    update();
}

Qt::Edges SkinBorder::edgesAt(QPoint point) const
{
    // The window's corners, in this border's coordinates.
    const QPoint origin = mapTo(&m_window, QPoint(0, 0));
    const QPoint inWindow = origin + point;
    Qt::Edges edges = m_edge;
    if (m_edge == Qt::TopEdge || m_edge == Qt::BottomEdge) {
        if (inWindow.x() < kCornerReach)
            edges |= Qt::LeftEdge;
        else if (inWindow.x() >= m_window.width() - kCornerReach)
            edges |= Qt::RightEdge;
    } else {
        if (inWindow.y() < kCornerReach)
            edges |= Qt::TopEdge;
        else if (inWindow.y() >= m_window.height() - kCornerReach)
            edges |= Qt::BottomEdge;
    }
    return edges;
}

void SkinBorder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient;
    switch (m_edge) {
    case Qt::TopEdge:
        gradient = QLinearGradient(0, 0, 0, height());
        break;
    case Qt::BottomEdge:
        gradient = QLinearGradient(0, height(), 0, 0);
        break;
    case Qt::LeftEdge:
        gradient = QLinearGradient(0, 0, width(), 0);
        break;
    case Qt::RightEdge:
        gradient = QLinearGradient(width(), 0, 0, 0);
        break;
    }
    gradient.setColorAt(0, m_style.borderOuter);
    gradient.setColorAt(1, m_style.borderInner);
    painter.fillRect(rect(), gradient);
}

void SkinBorder::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(cursorFor(edgesAt(event->position().toPoint())));
    QWidget::mouseMoveEvent(event);
}

void SkinBorder::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_window.windowHandle())
        m_window.windowHandle()->startSystemResize(edgesAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

} // namespace Quillet
