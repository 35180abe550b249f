#pragma once

#include "pages/pagefile.h"
#include "platform/passwordprompt.h"
#include "platform/sqliteregistry.h"
#include "porttool/diary.h"
#include "porttool/porttoolcommand.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"
#include "users/useraccounts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace Quillet {

// Answers every password question with the same text, as a user at the terminal would.
class FixedPassword final : public PasswordPrompt {
public:
    explicit FixedPassword(QString text) : m_text(std::move(text)) {}
    std::optional<QString> password(const QString&) override { return m_text; }

private:
    QString m_text;
};

// An installation with two users, ann ("secret") and bob ("hunter2"), in a temporary folder
// with its own settings database.
class PortToolFixture {
public:
    PortToolFixture()
        : registry(dir.filePath(QStringLiteral("registry.sqlite3"))), settings(registry),
          install(dir.filePath(QStringLiteral("install")))
    {
        UserAccounts accounts(settings, kSettingsRoot);
        accounts.createUser(QStringLiteral("ann"), QStringLiteral("secret"));
        accounts.createUser(QStringLiteral("bob"), QStringLiteral("hunter2"));
    }

    Diary diary(const QString& user) const { return Diary(install, user); }

    void writePage(const QString& user, const QDate& date, const QByteArray& richText) const
    {
        QCOMPARE(diary(user).write(date, richText).outcome, PageWriter::Outcome::Written);
    }

    QString path(const QString& below) const { return dir.filePath(below); }

    // Runs porttool with the arguments and the password typed.
    int run(const QStringList& arguments, const QString& password = QStringLiteral("secret"))
    {
        out.clear();
        err.clear();
        FixedPassword passwords(password);
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        PortToolEnvironment environment{
            settings, kSettingsRoot, install, passwords, outStream, errStream, [this] {
                return quilletRunning;
            }};
        const int status = PortToolCommand(environment).run(arguments);
        outStream.flush();
        errStream.flush();
        return status;
    }

    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    SqliteRegistry registry;
    SettingsStore settings;
    QString install;
    QString out;
    QString err;
    bool quilletRunning = false;
};

} // namespace Quillet
