#pragma once

#include "platform/helpviewer.h"
#include "platform/shell.h"
#include "platform/trayicon.h"
#include "platform/windowframes.h"

#include <QStringList>

namespace Quillet {

class FakeHelpViewer final : public HelpViewer {
public:
    QStringList topics;
    int closeAllCalls = 0;
    void displayTopic(QWidget*, const QString& topic) override { topics.append(topic); }
    void closeAll() override { ++closeAllCalls; }
};

class FakeShell final : public Shell {
public:
    QStringList urls;
    QStringList documents;
    QStringList programs;
    void openUrl(const QString& address) override { urls.append(address); }
    void openDocument(const QString& path) override { documents.append(path); }
    void startProgram(const QString& path) override { programs.append(path); }
};

// An icon that the test presses; shown only where the test says a notification area exists.
class FakeTrayIcon final : public TrayIcon {
public:
    bool areaExists = true;
    bool shown = false;
    QString toolTip;
    std::function<void(Button)> pressed;

    bool available() const override { return areaExists; }
    void show(const QString& tip, std::function<void(Button)> onPress) override
    {
        shown = true;
        toolTip = tip;
        pressed = std::move(onPress);
    }
    void hide() override { shown = false; }
};

// A desktop that moves frameless windows only where the test says so.
class FakeWindowFrames final : public WindowFrames {
public:
    bool moves = false;
    bool movesFramelessWindows() const override { return moves; }
};

} // namespace Quillet
