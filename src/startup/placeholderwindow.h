#pragma once

#include <QWidget>

namespace Quillet {

// Stands in for a window that the program does not have yet, so that the start-up
// hand-overs can be followed on screen.
class PlaceholderWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(const QString& whatStandsHere);
};

} // namespace Quillet
