#pragma once

#include <QSize>
#include <optional>

namespace Quillet {

// Where the main window's stretching controls go for a given inner size, in pixels: the
// toolbar, the panel with the editor, the bookmark list and the colour blocks, the version
// label under the editor and the Menu button. Everything else keeps its design place.
struct MainLayout {
    struct Input {
        QSize inner;      // the window's inner size
        QSize panelFrame; // the panel's outer size minus its inner size
        bool bookmarksVisible = false;
        int bookmarkListWidth = 0;
    };

    int toolbarWidth = 0;
    QSize panelOuter;
    QSize editor;
    int bookmarkListLeft = 0;
    int bookmarkListHeight = 0;
    int colourBlocksTop = 0;
    bool spaceFillVisible = false;
    int spaceFillWidth = 0;
    int spaceFillTop = 0;
    int menuButtonTop = 0;

    // nullopt while the window is minimised or too small to lay out: nothing moves then.
    static std::optional<MainLayout> compute(const Input& input);
};

} // namespace Quillet
