#pragma once

#include <QWidget>
#include <functional>

namespace Quillet {

// Stands in for a window that the program does not have yet, so that the start-up
// hand-overs can be followed on screen.
class PlaceholderWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(const QString& whatStandsHere);
    // With a button that carries out the hand-over the real window will make.
    PlaceholderWindow(const QString& whatStandsHere, const QString& action,
                      std::function<void()> handOver);
};

} // namespace Quillet
