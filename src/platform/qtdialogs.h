#pragma once

#include "platform/dialogs.h"

namespace Quillet {

// Dialogs shown with Qt's standard message box, input dialog and colour dialog.
class QtDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget* owner, const QString& text, MessageButtons buttons,
                          MessageIcon icon, const QString& title) override;
    QString input(QWidget* owner, const QString& prompt, const QString& title,
                  const QString& proposed) override;
    std::optional<quint32> chooseColor(QWidget* owner, quint32 initial, bool fullOpen,
                                       std::array<quint32, 16>& customColours) override;
};

} // namespace Quillet
