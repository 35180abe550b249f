#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QTime>

namespace Quillet {

// Where hands and marks of an analogue clock lie, on a dial of 60 steps with 0 at the top.
// Sizes scale with the dial's width W; the centre is (W/2, H/2).

// The angle of dial position v, in radians anticlockwise from the right.
float DialAngle(float v);

// Dial positions of the hands; the hour hand's is five steps an hour and moves on between
// hours, so it runs from 0 to 120 over a day.
struct HandPositions {
    float hour = 0;
    float minute = 0;
    float second = 0;
};
HandPositions HandPositionsAt(const QTime& time);

// End point of a hand of the given length, y growing downwards.
QPointF HandEnd(const QPointF& centre, float length, float angle);

struct ClockHands {
    HandPositions positions;
    QPointF centre;
    QPointF hour;
    QPointF minute;
    QPointF second;
};
ClockHands ClockHandsAt(const QTime& time, const QSizeF& dial);

struct DialMark {
    QPointF outer;
    QPointF inner;
    bool hourMark = false; // every fifth mark: longer, and drawn darker
};
QList<DialMark> DialMarks(const QSizeF& dial);

} // namespace Quillet
