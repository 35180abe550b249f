#pragma once

namespace Quillet {

// How the credits strip climbs through its viewport, in twips of its top edge: it starts 170
// above the viewport's top, climbs 10 at each scroll tick, re-enters from below once it has
// left at the top, and rests for one pause each time it passes its starting place. Exactly one
// of the two timers runs: the scroll timer while it climbs, the pause timer while it rests.
class CreditsScroll {
public:
    static constexpr int kStartTop = -170;
    static constexpr int kReentryTop = 1560;
    static constexpr int kStep = 10;
    // How far the strip's bottom edge must be above the viewport before it re-enters.
    static constexpr int kExitMargin = 120;
    static constexpr int kScrollIntervalMs = 10;
    static constexpr int kPauseIntervalMs = 500;

    // Resting at the start, as right after the window opens.
    explicit CreditsScroll(int stripHeight) : m_stripHeight(stripHeight) {}

    int top() const { return m_top; }
    bool scrolling() const { return m_scrolling; }

    // The pause timer's tick.
    void pauseEnded() { m_scrolling = true; }
    // The scroll timer's tick.
    void step();

private:
    int m_stripHeight;
    int m_top = kStartTop;
    bool m_scrolling = false;
};

} // namespace Quillet
