#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace Quillet {

// A command button found by its control name. Enter presses it while it has the focus, in a
// dialog as in any other window.
QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent = nullptr);

// A box that shows "*" for each character typed, whatever the style would show.
QLineEdit* MakePasswordBox(const char* name, QWidget* parent = nullptr);

// A label found by its control name.
QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent = nullptr);

} // namespace Quillet
