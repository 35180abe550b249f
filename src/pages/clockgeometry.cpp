#include "pages/clockgeometry.h"

#include <cmath>

namespace Quillet {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kDialSteps = 60;
constexpr float kHourHand = 0.27f;
constexpr float kMinuteHand = 0.4f;
constexpr float kSecondHand = 0.4f;
constexpr float kMarkOuter = 0.45f;
constexpr float kHourMarkInner = 0.35f;
constexpr float kMinuteMarkInner = 0.40f;

QPointF centreOf(const QSizeF& dial)
{
    return {dial.width() / 2, dial.height() / 2};
}

// Marks are laid out with y growing along sin a; the dial is symmetric, so they fall where
// the hands' convention would put them.
QPointF markPoint(const QPointF& centre, float radius, float angle)
{
    return {centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle)};
}

} // namespace

float DialAngle(float v)
{
    return 2 * (15 - v) * kPi / kDialSteps;
}

HandPositions HandPositionsAt(const QTime& time)
{
    const float hours = time.hour() + time.minute() / 60.0f + time.second() / 3600.0f;
    return {hours * 5, float(time.minute()), float(time.second())};
}

QPointF HandEnd(const QPointF& centre, float length, float angle)
{
    return {centre.x() + length * std::cos(angle), centre.y() - length * std::sin(angle)};
}

ClockHands ClockHandsAt(const QTime& time, const QSizeF& dial)
{
    const HandPositions positions = HandPositionsAt(time);
    const QPointF centre = centreOf(dial);
    const float width = dial.width();
    return {positions, centre, HandEnd(centre, kHourHand * width, DialAngle(positions.hour)),
            HandEnd(centre, kMinuteHand * width, DialAngle(positions.minute)),
            HandEnd(centre, kSecondHand * width, DialAngle(positions.second))};
}

QList<DialMark> DialMarks(const QSizeF& dial)
{
    const QPointF centre = centreOf(dial);
    const float width = dial.width();
    QList<DialMark> marks;
    marks.reserve(kDialSteps);
    for (int i = 1; i <= kDialSteps; ++i) {
        const float angle = DialAngle(i);
        const bool hourMark = i % 5 == 0;
        const float inner = (hourMark ? kHourMarkInner : kMinuteMarkInner) * width;
        marks.append({markPoint(centre, kMarkOuter * width, angle), markPoint(centre, inner, angle),
                      hourMark});
    }
    return marks;
}

} // namespace Quillet
