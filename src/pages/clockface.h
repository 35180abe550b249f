#pragma once

#include "pages/clockgeometry.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

class QTimer;

namespace Quillet {

class TimeSource;

// The small analogue clock beside the calendar. The dial is drawn once into a cached
// background; the hands are drawn again only when the time shown has moved on a second.
class ClockFace final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 250;

    explicit ClockFace(const TimeSource& time, QWidget* parent = nullptr);

    void StartClock();
    void DrawClockFace();
    void DrawClockHands();

    // The time the hands show, to the second; nullopt until they are first drawn.
    std::optional<QTime> shownTime() const { return m_shownTime; }
    // Where the hands of the shown time lie at the present size.
    std::optional<ClockHands> hands() const;
    const QPixmap& face() const { return m_face; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Each time the hands are drawn for a new time.
    void handsDrawn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSizeF dialSize() const;

    const TimeSource& m_time;
    QTimer* m_timer;
    QPixmap m_face;
    std::optional<QTime> m_shownTime;
};

} // namespace Quillet
