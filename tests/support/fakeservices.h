#pragma once

#include "platform/helpviewer.h"
#include "platform/shell.h"

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

} // namespace Quillet
