#include "mainwindow/captionbar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace Quillet {

// A caption button, its glyph drawn in the skin's colours.
class CaptionButton final : public QAbstractButton {
public:
    enum class Glyph { Minimise, Maximise, Restore, Close };

    CaptionButton(QWidget* parent, const QString& name, Glyph glyph)
        : QAbstractButton(parent), m_glyph(glyph)
    {
        setObjectName(name);
        // The window's own keys reach these; they stay out of the page's tab order.
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setGlyph(glyph);
    }

    void setGlyph(Glyph glyph)
    {
        m_glyph = glyph;
        static const char* const names[] = {"Minimise", "Maximise", "Restore", "Close"};
        const QString name = QLatin1String(names[int(glyph)]);
        setToolTip(name);
        setAccessibleName(name);
        update();
    }
    Glyph glyph() const { return m_glyph; }

    void setColours(const QColor& glyph, const QColor& hover)
    {
        m_glyphColour = glyph;
        m_hoverColour = hover;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (underMouse() || isDown())
            painter.fillRect(rect(), m_hoverColour);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(m_glyphColour, std::max(1.0, height() / 12.0));
        painter.setPen(pen);
        const qreal side = height() * 0.4;
        const QRectF box(QPointF((width() - side) / 2, (height() - side) / 2), QSizeF(side, side));
        switch (m_glyph) {
        case Glyph::Minimise:
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            break;
        case Glyph::Maximise:
            painter.drawRect(box);
            break;
        case Glyph::Restore: {
            // A window in front of another, whose top and right edges show.
            const qreal step = side / 4;
            const QRectF front = box.adjusted(0, step, -step, 0);
            const QRectF back = box.adjusted(step, 0, 0, -step);
            painter.drawRect(front);
            painter.drawPolyline(QPolygonF{QPointF(back.left(), front.top()), back.topLeft(),
                                           back.topRight(), back.bottomRight(),
                                           QPointF(front.right(), back.bottom())});
            break;
        }
        case Glyph::Close:
            painter.drawLine(box.topLeft(), box.bottomRight());
            painter.drawLine(box.topRight(), box.bottomLeft());
            break;
        }
    }

private:
    Glyph m_glyph;
    QColor m_glyphColour = Qt::white;
    QColor m_hoverColour = Qt::gray;
};

CaptionBar::CaptionBar(QWidget& window)
    : QWidget(&window), m_window(window),
      m_minimise(new CaptionButton(this, QStringLiteral("captionMinimise"),
                                   CaptionButton::Glyph::Minimise)),
      m_maximise(new CaptionButton(this, QStringLiteral("captionMaximise"),
                                   CaptionButton::Glyph::Maximise)),
      m_close(new CaptionButton(this, QStringLiteral("captionClose"), CaptionButton::Glyph::Close))
{
    setObjectName(QStringLiteral("JSCAPTION1"));
    connect(m_minimise, &QAbstractButton::clicked, &m_window, &QWidget::showMinimized);
    connect(m_maximise, &QAbstractButton::clicked, this, &CaptionBar::toggleMaximised);
    connect(m_close, &QAbstractButton::clicked, &m_window, &QWidget::close);
}

void CaptionBar::setStyle(const SkinFrameStyle& style)
{
    m_style = style;
    for (CaptionButton* button : {m_minimise, m_maximise, m_close})
        button->setColours(style.buttonGlyph, style.buttonHover);
    update();
}

void CaptionBar::updateButtons()
{
    m_maximise->setGlyph(m_window.isMaximized() ? CaptionButton::Glyph::Restore
                                                : CaptionButton::Glyph::Maximise);
}

void CaptionBar::toggleMaximised()
{
    if (m_window.isMaximized())
        m_window.showNormal();
    else
        m_window.showMaximized();
}

void CaptionBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int side = std::max(12, height() - 4);
    int left = width() - 2;
    for (CaptionButton* button : {m_close, m_maximise, m_minimise}) {
        left -= side + 2;
        button->setGeometry(left, (height() - side) / 2, side, side);
    }
}

QRect CaptionBar::titleRect() const
{
    const int iconSide = std::min(16, height() - 4);
    const int left = 4 + iconSide + 4;
    return QRect(left, 0, m_minimise->x() - 4 - left, height());
}

void CaptionBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_style.captionTop);
    gradient.setColorAt(1, m_style.captionBottom);
    painter.fillRect(rect(), gradient);

    const int iconSide = std::min(16, height() - 4);
    m_window.windowIcon().paint(&painter, QRect(4, (height() - iconSide) / 2, iconSide, iconSide));

    const QRect title = titleRect();
    painter.setFont(m_style.titleFont);
    painter.setPen(m_style.captionText);
    painter.drawText(
        title, int(m_style.titleAlignment | Qt::AlignVCenter),
        painter.fontMetrics().elidedText(m_window.windowTitle(), Qt::ElideRight, title.width()));
}

void CaptionBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event)
{
    // Handed over only once the mouse moves: the desktop would take the second click of a
    // double click otherwise.
    if (m_pressedAt && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - *m_pressedAt).manhattanLength() >=
            QApplication::startDragDistance() &&
        m_window.windowHandle()) {
        m_pressedAt.reset();
        m_window.windowHandle()->startSystemMove();
    }
    QWidget::mouseMoveEvent(event);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressedAt.reset();
    QWidget::mouseReleaseEvent(event);
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        toggleMaximised();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace Quillet
