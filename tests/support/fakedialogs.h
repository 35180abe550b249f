#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

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

    struct Input {
        QString prompt;
        QString title;
        QString proposed;
    };

    QList<Message> messages;
    QQueue<MessageAnswer> answers;
    QList<Input> inputs;
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

    QString input(QWidget*, const QString& prompt, const QString& title,
                  const QString& proposed) override
    {
        inputs.append({prompt, title, proposed});
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }

    // Colours as 0x00BBGGRR.
    std::optional<quint32> colorAnswer;
    std::array<quint32, 16> customColoursShown{};
    std::optional<std::array<quint32, 16>> customColoursAfter;
    std::optional<quint32> chooseColor(QWidget*, quint32, bool,
                                       std::array<quint32, 16>& customColours) override
    {
        customColoursShown = customColours;
        if (customColoursAfter)
            customColours = *customColoursAfter;
        return colorAnswer;
    }

    QStringList chooserTitles;
    QQueue<QString> folderAnswers;
    QQueue<QStringList> fileAnswers;
    QString chooseFolder(QWidget*, const QString& title, const QString&) override
    {
        chooserTitles.append(title);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }
    QStringList chooseFiles(QWidget*, const QString& title, const QString&, const QString&) override
    {
        chooserTitles.append(title);
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    }
};

// The texts of the messages shown, in order.
inline QStringList texts(const FakeDialogs& dialogs)
{
    QStringList shown;
    for (const auto& message : dialogs.messages)
        shown << message.text;
    return shown;
}

} // namespace Quillet
