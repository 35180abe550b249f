#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace Quillet {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The application title that a message box shows when it is given none.
inline const QString kApplicationTitle = QStringLiteral("quillet");

// Every modal message box, the input box and the colour chooser of the program. Texts are
// passed exactly as the program composes them, line breaks as CR or CR LF.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(QWidget* owner, const QString& text, MessageButtons buttons,
                                  MessageIcon icon, const QString& title = kApplicationTitle) = 0;
    // The typed text, or an empty text when the box is cancelled.
    virtual QString input(QWidget* owner, const QString& prompt, const QString& title,
                          const QString& proposed) = 0;
    // The chosen colour, or nullopt when cancelled. customColors (16 entries) are shown and
    // updated in place, also when the chooser is cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial, bool fullOpen,
                                              QList<QColor>& customColors) = 0;
};

} // namespace Quillet
