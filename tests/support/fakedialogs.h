#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>

namespace Quillet {

// Records every dialog the program shows and answers with what the test queued; a message
// without a queued answer is answered with its first button.
class FakeDialogs final : public Dialogs {
public:
    struct Message {
        QString title;
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    QList<Message> messages;
    QQueue<MessageAnswer> answers;
    QQueue<QString> inputAnswers;

    MessageAnswer message(QWidget*, const QString& text, MessageButtons buttons, MessageIcon icon,
                          const QString& title) override
    {
        messages.append({title, text, buttons, icon});
        if (!answers.isEmpty())
            return answers.dequeue();
        switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }

    QString input(QWidget*, const QString&, const QString&, const QString&) override
    {
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }

    std::optional<QColor> colorAnswer;
    QList<QColor> customColorsShown;
    QList<QColor> customColorsAfter;
    std::optional<QColor> chooseColor(QWidget*, const QColor&, bool,
                                      QList<QColor>& customColors) override
    {
        customColorsShown = customColors;
        if (!customColorsAfter.isEmpty())
            customColors = customColorsAfter;
        return colorAnswer;
    }
};

} // namespace Quillet
