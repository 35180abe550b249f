#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace Quillet {

// A command button found by its control name, which does not become the default button by
// taking the focus.
QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent = nullptr);

// A label found by its control name.
QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent = nullptr);

} // namespace Quillet
