#pragma once

#include "startup/loadablewindow.h"

#include <QWidget>
#include <functional>

namespace Quillet {

// Stands in for a window that the program does not have yet, with a button that carries out
// the hand-over the real window will make. It shows itself when loaded, so that a window
// created hidden can still be reached.
class PlaceholderWindow final : public QWidget, public LoadableWindow {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& whatStandsHere, const QString& action,
                      std::function<void()> handOver);

    void Form_Load() override { show(); }
};

} // namespace Quillet
