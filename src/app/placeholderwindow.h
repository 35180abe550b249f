#pragma once

#include "startup/loadablewindow.h"

#include <QWidget>
#include <functional>

namespace Quillet {

// Stands in for the tray window: a button carries out the hand-over that the window makes. It shows
// itself when loaded, so that a window created hidden can be reached.
class PlaceholderWindow final : public QWidget, public LoadableWindow {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& whatStandsHere, const QString& action,
                      std::function<void()> handOver);

    void Form_Load() override { show(); }
};

} // namespace Quillet
