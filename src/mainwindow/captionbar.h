#pragma once

#include "mainwindow/skinframestyle.h"

#include <QWidget>
#include <optional>

namespace Quillet {

class CaptionButton;

// The caption bar a skin draws over a frameless window: the window's icon and title and its
// minimise, maximise or restore, and close buttons. Dragging the bar moves the window; a
// double click maximises it or restores it.
class CaptionBar final : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(QWidget& window);

    void setStyle(const SkinFrameStyle& style);
    // Shows maximise or restore, as the window's state asks.
    void updateButtons();
    void toggleMaximised();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect titleRect() const;

    QWidget& m_window;
    SkinFrameStyle m_style;
    CaptionButton* m_minimise;
    CaptionButton* m_maximise;
    CaptionButton* m_close;
    std::optional<QPoint> m_pressedAt;
};

} // namespace Quillet
