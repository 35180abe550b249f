#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QTextStream;

namespace Quillet {

class PasswordPrompt;
class SettingsStore;

// What a command works with: the settings that hold the accounts, where the pages are, how the
// password is asked for, and where results and reasons go.
struct PortToolEnvironment {
    SettingsStore& settings;
    QString settingsRoot;
    QString dataFolder;
    PasswordPrompt& passwords;
    QTextStream& out;
    QTextStream& err;
    // Whether a Quillet of this OS user is running.
    std::function<bool()> quilletRunning = [] { return false; };
};

// The terminal commands export, import and find. Results go to the output, the count and the
// time taken and any failure (one line) to the error stream. Exit status: 0 done, 1 failed,
// 2 wrong usage.
class PortToolCommand final {
public:
    explicit PortToolCommand(PortToolEnvironment& environment) : m_env(environment) {}

    int run(const QStringList& arguments);

    static QString usage();

private:
    struct Options;
    int exportPages(const Options& options);
    int importFiles(const Options& options);
    int findWords(const Options& options);
    // The account granted, or empty after the reason was given.
    QString logIn(const QString& name);
    int fail(const QString& reason, int status = 1);

    PortToolEnvironment& m_env;
};

} // namespace Quillet
