#include "widgets/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Quillet {

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Outside a dialog a button takes Enter only as an auto-default one; inside, the focused
    // auto-default button stands in for the default one while it has the focus.
    button->setAutoDefault(true);
    return button;
}

QLineEdit* MakePasswordBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1 }")
                           .arg(int(QLatin1Char('*').unicode())));
    return box;
}

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace Quillet
