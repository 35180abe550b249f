#include "mainwindow/mainlayout.h"

namespace Quillet {

std::optional<MainLayout> MainLayout::compute(const Input& input)
{
    const int width = input.inner.width();
    const int height = input.inner.height();
    MainLayout layout;
    layout.toolbarWidth = width - 18;
    layout.panelOuter = QSize(width - 200, height - 120);
    const int panelWidth = layout.panelOuter.width() - input.panelFrame.width();
    const int panelHeight = layout.panelOuter.height() - input.panelFrame.height();
    layout.editor = QSize(panelWidth - 6, panelHeight - 56);
    if (input.bookmarksVisible) {
        layout.bookmarkListLeft = panelWidth - 96;
        layout.bookmarkListHeight = layout.panelOuter.height() - 60;
        layout.editor.setWidth(panelWidth - (input.bookmarkListWidth + 8));
    }
    layout.colourBlocksTop = layout.panelOuter.height() - 24;
    layout.spaceFillVisible = layout.editor.width() > 500;
    if (layout.spaceFillVisible)
        layout.spaceFillWidth = layout.editor.width();
    layout.spaceFillTop = layout.panelOuter.height() - 24;
    layout.menuButtonTop = height - 41;

    if (layout.toolbarWidth <= 0 || layout.editor.width() <= 0 || layout.editor.height() <= 0 ||
        (input.bookmarksVisible && layout.bookmarkListHeight <= 0))
        return std::nullopt;
    return layout;
}

} // namespace Quillet
