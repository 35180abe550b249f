#pragma once

#include "platform/dialogs.h"

namespace Quillet {

// Dialogs shown with Qt's standard message box, input, colour and file dialogs.
class QtDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget* owner, const QString& text, MessageButtons buttons,
                          MessageIcon icon, const QString& title) override;
    QString input(QWidget* owner, const QString& prompt, const QString& title,
                  const QString& proposed) override;
    std::optional<quint32> chooseColor(QWidget* owner, quint32 initial, bool fullOpen,
                                       std::array<quint32, 16>& customColours) override;
    QString chooseFolder(QWidget* owner, const QString& title, const QString& start) override;
    QStringList chooseFiles(QWidget* owner, const QString& title, const QString& start,
                            const QString& filter) override;
};

} // namespace Quillet
