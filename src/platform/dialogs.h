#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class QWidget;

namespace Quillet {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The application title that a message box shows when it is given none.
inline const QString kApplicationTitle = QStringLiteral("quillet");

// Every modal message box, the input box, the colour chooser and the file choosers of the
// program. Texts are
// passed exactly as the program composes them, line breaks as CR or CR LF.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(QWidget* owner, const QString& text, MessageButtons buttons,
                                  MessageIcon icon, const QString& title = kApplicationTitle) = 0;
    // The typed text, or an empty text when the box is cancelled.
    virtual QString input(QWidget* owner, const QString& prompt, const QString& title,
                          const QString& proposed) = 0;
    // The chosen colour, or nullopt when cancelled. Colours are 0x00BBGGRR; the custom colours
    // are shown and updated in place, also when the chooser is cancelled.
    virtual std::optional<quint32> chooseColor(QWidget* owner, quint32 initial, bool fullOpen,
                                               std::array<quint32, 16>& customColours) = 0;
    // The chosen folder, or an empty text when cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& title, const QString& start) = 0;
    // The chosen files, none when cancelled. The filter is as "Pages (*.rtf *.txt)".
    virtual QStringList chooseFiles(QWidget* owner, const QString& title, const QString& start,
                                    const QString& filter) = 0;
};

} // namespace Quillet
