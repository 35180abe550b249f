#include "pages/clockface.h"

#include "services/timesource.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace Quillet {
namespace {

const QColor kHandColor(154, 4, 4);
const QColor kSecondHandColor(0, 255, 0);

void drawHand(QPainter& painter, const QPointF& centre, const QPointF& end, qreal width,
              const QColor& color)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, end);
}

} // namespace

ClockFace::ClockFace(const TimeSource& time, QWidget* parent)
    : QWidget(parent), m_time(time), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("picClock"));
    m_timer->setObjectName(QStringLiteral("tmrClock"));
    m_timer->setInterval(kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &ClockFace::DrawClockHands);
}

void ClockFace::StartClock()
{
    // Show the time at once rather than an empty dial for the first tick.
    DrawClockHands();
    m_timer->start();
}

void ClockFace::DrawClockFace()
{
    const QRect inner = contentsRect();
    const qreal ratio = devicePixelRatioF();
    if (size().isEmpty()) {
        m_face = QPixmap();
        return;
    }
    m_face = QPixmap(size() * ratio);
    m_face.setDevicePixelRatio(ratio);
    m_face.fill(palette().color(backgroundRole()));

    QPainter painter(&m_face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(inner.topLeft());
    const QPen hourPen(palette().color(QPalette::Dark), 1);
    const QPen minutePen(palette().color(QPalette::Light), 1);
    for (const DialMark& mark : DialMarks(dialSize())) {
        painter.setPen(mark.hourMark ? hourPen : minutePen);
        painter.drawLine(mark.outer, mark.inner);
    }
    update();
}

void ClockFace::DrawClockHands()
{
    const QTime now = m_time.now().time();
    const QTime second(now.hour(), now.minute(), now.second());
    if (m_shownTime == second)
        return;
    m_shownTime = second;
    update();
    emit handsDrawn();
}

std::optional<ClockHands> ClockFace::hands() const
{
    if (!m_shownTime)
        return std::nullopt;
    return ClockHandsAt(*m_shownTime, dialSize());
}

QSize ClockFace::sizeHint() const
{
    return {80, 80};
}

QSize ClockFace::minimumSizeHint() const
{
    return {40, 40};
}

void ClockFace::paintEvent(QPaintEvent*)
{
    // Also catches a move to a screen of another pixel density.
    if (m_face.deviceIndependentSize() != QSizeF(size()) ||
        m_face.devicePixelRatio() != devicePixelRatioF())
        DrawClockFace();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_face);
    const std::optional<ClockHands> shown = hands();
    if (!shown)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(contentsRect().topLeft());
    drawHand(painter, shown->centre, shown->hour, 3, kHandColor);
    drawHand(painter, shown->centre, shown->minute, 2, kHandColor);
    drawHand(painter, shown->centre, shown->second, 1, kSecondHandColor);
}

void ClockFace::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    DrawClockFace();
}

void ClockFace::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The marks take their colours from the palette.
    if (event->type() == QEvent::PaletteChange)
        DrawClockFace();
}

QSizeF ClockFace::dialSize() const
{
    return contentsRect().size();
}

} // namespace Quillet
