// quillet_makediary <settings database> <installation folder> <user> <pages> <page bytes>
//
// Prepares an installation for measuring the start-up: a user who logs in automatically
// without the splash screen, with the options a new user is given, and a diary of daily pages
// ending today, each holding a page of about <page bytes> of rich text.
#include "benchdata.h"
#include "pages/pagefile.h"
#include "platform/sqliteregistry.h"
#include "startup/scrambler.h"
#include "startup/settingsstore.h"
#include "startup/startupsequence.h"
#include "users/useraccounts.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

using namespace Quillet;

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: quillet_makediary <settings database> <installation folder> "
                             "<user> <pages> <page bytes>\n");
        return 2;
    }
    const QString database = QString::fromLocal8Bit(argv[1]);
    const QString installFolder = QString::fromLocal8Bit(argv[2]);
    const QString user = QString::fromLocal8Bit(argv[3]).toLower();
    const int pages = std::atoi(argv[4]);
    const qsizetype pageBytes = std::atoi(argv[5]);

    SqliteRegistry registry(database);
    if (!registry.isOpen()) {
        std::fprintf(stderr, "quillet_makediary: cannot open %s\n", argv[1]);
        return 1;
    }
    SettingsStore settings(registry);
    UserAccounts(settings, kSettingsRoot).createUser(user, QStringLiteral("secret1"));
    settings.WriteValue(kSettingsRoot + QStringLiteral("Switch"), QStringLiteral("Value"),
                        QStringLiteral("yes"));
    const QString global = kSettingsRoot + QStringLiteral("Global");
    settings.WriteRawValue(global + QStringLiteral("\\Autologin"), QStringLiteral("Switch"),
                           Scramble("yes", MIRSKO));
    settings.WriteValue(global + QStringLiteral("\\Autologin"), QStringLiteral("User"), user);
    settings.WriteValue(global, QStringLiteral("Show splash"), QStringLiteral("0"));
    const QString options = kSettingsRoot + user + QStringLiteral("\\Options");
    for (const char* flag : {"ShowWarnings", "SaveWarning", "LogWarning"})
        settings.WriteValue(options, QLatin1String(flag), QStringLiteral("1"));
    settings.WriteValue(options, QStringLiteral("CloseWarning"), QStringLiteral("0"));
    settings.WriteValue(options, QStringLiteral("Font"), QStringLiteral("Comic Sans MS"));

    const std::optional<QByteArray> content =
        PageFile::encode(Bench::textHeavyRtf(pageBytes), user);
    if (!content || !QDir().mkpath(PageFile::folder(installFolder, user))) {
        std::fprintf(stderr, "quillet_makediary: cannot prepare the page folder\n");
        return 1;
    }
    const QDate today = QDate::currentDate();
    for (int day = 0; day < pages; ++day) {
        QFile file(PageFile::path(installFolder, user, today.addDays(-day)));
        if (!file.open(QIODevice::WriteOnly) || file.write(*content) != content->size()) {
            std::fprintf(stderr, "quillet_makediary: cannot write %s\n",
                         qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
