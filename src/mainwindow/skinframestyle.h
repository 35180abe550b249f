#pragma once

#include "mainwindow/skinfile.h"

#include <QColor>
#include <QFont>

namespace Quillet {

// How a skin draws the caption bar and the borders. A value the skin lacks or gets wrong is
// replaced by one that keeps the window usable: colours black, texts and glyphs in a colour
// that stands out from the caption, sizes within reach of the mouse.
struct SkinFrameStyle {
    static constexpr int kMinimumCaptionHeight = 18;
    static constexpr int kMaximumCaptionHeight = 48;
    static constexpr int kMinimumBorderWidth = 2;
    static constexpr int kMaximumBorderWidth = 12;

    QColor captionTop;
    QColor captionBottom;
    QColor captionText;
    QColor buttonGlyph;
    QColor buttonHover;
    QColor borderOuter;
    QColor borderInner;
    int captionHeight = 24;
    int borderWidth = 4;
    QFont titleFont;
    Qt::Alignment titleAlignment = Qt::AlignLeft;

    static SkinFrameStyle from(const SkinFile::Values& skin);
};

} // namespace Quillet
