#pragma once

#include "mainwindow/skinframestyle.h"

#include <QMargins>
#include <QSize>
#include <array>

class QWidget;

namespace Quillet {

class CaptionBar;
class SkinBorder;

// The caption bar and borders that a skin draws around a window in place of the desktop's
// frame, with the window's own controls in the client area inside them. Where the desktop
// cannot move and resize a frameless window, the window keeps the desktop's frame and the
// client area fills it.
class SkinFrame final {
public:
    SkinFrame(QWidget& window, QWidget& client, bool drawn);

    bool drawn() const { return m_drawn; }
    CaptionBar* caption() const { return m_caption; }

    // Draws the frame in the skin's style; the client area keeps its size.
    void apply(const SkinFile::Values& skin);
    // The smallest client area: the window's minimum size follows it.
    void setClientMinimumSize(QSize size);
    // Places the frame and the client area for the window's size and state.
    void place();

    // Around the client area: none with the desktop's frame, the caption alone when maximised.
    QMargins margins() const;
    QSize windowSizeFor(QSize clientSize) const;
    QSize clientSize() const;

private:
    QWidget& m_window;
    QWidget& m_client;
    const bool m_drawn;
    SkinFrameStyle m_style;
    QSize m_clientMinimum;
    CaptionBar* m_caption = nullptr;
    std::array<SkinBorder*, 4> m_borders{};
};

} // namespace Quillet
