#pragma once

#include "mainwindow/skinfile.h"

class QWidget;

namespace Quillet {

class MainControls;

// Paints the main window with a skin's three colours: the panel colour on the toolbar, the
// panel, the buttons and the calendar, the window colour behind them, the text colour on the
// labels. A colour the skin lacks is painted black.
class SkinPainter final {
public:
    SkinPainter(QWidget& window, const MainControls& controls);

    void paint(const SkinFile::Values& skin) const;

private:
    QWidget& m_window;
    const MainControls& m_controls;
};

} // namespace Quillet
