#pragma once

#include "mainwindow/skinframestyle.h"

#include <QWidget>

namespace Quillet {

// One border of a frameless window, drawn from the skin from its outer colour at the window's
// edge to its inner colour. Dragging it resizes the window through the desktop; near a
// corner, both ways.
class SkinBorder final : public QWidget {
public:
    SkinBorder(QWidget& window, Qt::Edge edge, const QString& name);

    void setStyle(const SkinFrameStyle& style);
    // The window's edges that a drag at this point moves.
    Qt::Edges edgesAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget& m_window;
    Qt::Edge m_edge;
    SkinFrameStyle m_style;
};

} // namespace Quillet
