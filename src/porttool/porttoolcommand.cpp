#include "porttool/porttoolcommand.h"

#include "platform/passwordprompt.h"
#include "porttool/counted.h"
#include "porttool/diary.h"
#include "porttool/diaryaccess.h"
#include "porttool/diaryexport.h"
#include "porttool/diaryimport.h"
#include "porttool/diarysearch.h"
#include "porttool/jobprogress.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTextStream>

namespace Quillet {

struct PortToolCommand::Options {
    QString command;
    QMap<QString, QString> values; // --name value
    QStringList flags;             // --name alone
    QStringList rest;
};

namespace {

const QStringList kValueOptions = {QStringLiteral("user"),  QStringLiteral("format"),
                                   QStringLiteral("to"),    QStringLiteral("since"),
                                   QStringLiteral("until"), QStringLiteral("existing")};

QString elapsed(const QElapsedTimer& timer)
{
    return QString::number(double(timer.nsecsElapsed()) / 1e9, 'f', 2) + QStringLiteral(" s");
}

} // namespace

QString PortToolCommand::usage()
{
    return QStringLiteral(
        "usage: porttool export --user NAME --format rtf|html|txt|md|pdf --to FOLDER"
        " [--since yyyy-mm-dd] [--until yyyy-mm-dd]\n"
        "       porttool import --user NAME [--existing skip|append|replace] [--dry-run]"
        " FILE_OR_FOLDER...\n"
        "       porttool find --user NAME WORDS...\n"
        "The password is asked for on the terminal, or taken from QUILLET_PASSWORD.\n"
        "Exported files are plain, readable diaries: they are made readable by you alone.\n");
}

int PortToolCommand::fail(const QString& reason, int status)
{
    m_env.err << "porttool: " << reason << Qt::endl;
    return status;
}

int PortToolCommand::run(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        m_env.err << usage() << Qt::flush;
        return 2;
    }
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        m_env.out << usage() << Qt::flush;
        return 0;
    }
    Options options;
    options.command = arguments.first();
    static const QStringList commands = {QStringLiteral("export"), QStringLiteral("import"),
                                         QStringLiteral("find")};
    if (!commands.contains(options.command))
        return fail(QStringLiteral("unknown command %1 (try porttool --help)").arg(options.command),
                    2);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QStringLiteral("--")) || argument == QStringLiteral("--")) {
            options.rest +=
                argument == QStringLiteral("--") ? arguments.mid(i + 1) : QStringList{argument};
            if (argument == QStringLiteral("--"))
                break;
            continue;
        }
        QString name = argument.mid(2);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            options.values[name.left(equals)] = name.mid(equals + 1);
            name.truncate(equals);
        } else if (kValueOptions.contains(name)) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("--%1 needs a value").arg(name), 2);
            options.values[name] = arguments[++i];
        } else {
            options.flags.append(name);
        }
        if (!kValueOptions.contains(name) && name != QLatin1String("dry-run"))
            return fail(QStringLiteral("unknown option --%1").arg(name), 2);
    }
    if (!options.values.contains(QStringLiteral("user")))
        return fail(QStringLiteral("--user NAME is missing"), 2);
    if (options.command == QLatin1String("export"))
        return exportPages(options);
    if (options.command == QLatin1String("import"))
        return importFiles(options);
    return findWords(options);
}

QString PortToolCommand::logIn(const QString& name)
{
    const std::optional<QString> password =
        m_env.passwords.password(QStringLiteral("Password for %1: ").arg(name));
    if (!password) {
        fail(QStringLiteral("no password given (type it on a terminal or set QUILLET_PASSWORD)"));
        return {};
    }
    const auto access = DiaryAccess::check(m_env.settings, m_env.settingsRoot, name, *password);
    if (const auto* refused = std::get_if<DiaryAccess::Refused>(&access)) {
        fail(refused->reason);
        return {};
    }
    return std::get<DiaryAccess::Granted>(access).user;
}

int PortToolCommand::exportPages(const Options& options)
{
    const std::optional<ExportFormat> format =
        ExportFormatNamed(options.values.value(QStringLiteral("format")));
    if (!format)
        return fail(QStringLiteral("--format must be rtf, html, txt, md or pdf"), 2);
    const QString folder = options.values.value(QStringLiteral("to"));
    if (folder.isEmpty())
        return fail(QStringLiteral("--to FOLDER is missing"), 2);
    QDate bounds[2];
    const QString boundNames[2] = {QStringLiteral("since"), QStringLiteral("until")};
    for (int i = 0; i < 2; ++i) {
        if (!options.values.contains(boundNames[i]))
            continue;
        bounds[i] = QDate::fromString(options.values.value(boundNames[i]), Qt::ISODate);
        if (!bounds[i].isValid())
            return fail(QStringLiteral("--%1 needs a date as yyyy-mm-dd").arg(boundNames[i]), 2);
    }
    if (!options.rest.isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(options.rest.first()), 2);

    const QString user = logIn(options.values.value(QStringLiteral("user")));
    if (user.isEmpty())
        return 1;
    QElapsedTimer timer;
    timer.start();
    const Diary diary(m_env.dataFolder, user);
    JobProgress progress;
    const DiaryExport::Result result =
        DiaryExport(diary, *format).run(folder, bounds[0], bounds[1], progress);
    if (!result.error.isEmpty())
        return fail(result.error);
    m_env.err << Counted(result.pages, QStringLiteral("page")) << " exported in " << elapsed(timer)
              << Qt::endl;
    return 0;
}

int PortToolCommand::importFiles(const Options& options)
{
    static const QStringList choices = {QStringLiteral("skip"), QStringLiteral("append"),
                                        QStringLiteral("replace")};
    const qsizetype choice =
        choices.indexOf(options.values.value(QStringLiteral("existing"), QStringLiteral("skip")));
    if (choice < 0)
        return fail(QStringLiteral("--existing must be skip, append or replace"), 2);
    if (options.rest.isEmpty())
        return fail(QStringLiteral("no FILE_OR_FOLDER to import"), 2);
    const bool dryRun = options.flags.contains(QStringLiteral("dry-run"));

    const QString user = logIn(options.values.value(QStringLiteral("user")));
    if (user.isEmpty())
        return 1;
    if (!dryRun && m_env.quilletRunning())
        m_env.err << "porttool: Quillet is running: a page it has open would be saved over what "
                     "is imported into that day"
                  << Qt::endl;
    QElapsedTimer timer;
    timer.start();
    const Diary diary(m_env.dataFolder, user);
    JobProgress progress;
    const QList<DiaryImport::Entry> entries =
        DiaryImport(diary, DiaryImport::Existing(choice))
            .run(DiaryImport::filesIn(options.rest), dryRun, progress);
    for (const DiaryImport::Entry& entry : entries)
        m_env.out << DiaryImport::describe(entry, dryRun) << '\n';
    m_env.out.flush();
    const DiaryImport::Tally tally = DiaryImport::tally(entries);
    m_env.err << Counted(tally.imported, QStringLiteral("page"))
              << (dryRun ? " would be imported in " : " imported in ") << elapsed(timer)
              << Qt::endl;
    if (tally.notImported > 0)
        return fail(Counted(tally.notImported, QStringLiteral("file")) +
                    QStringLiteral(" not imported"));
    return 0;
}

int PortToolCommand::findWords(const Options& options)
{
    const DiarySearch search(options.rest);
    if (search.isEmpty())
        return fail(QStringLiteral("no WORDS to find"), 2);
    const QString user = logIn(options.values.value(QStringLiteral("user")));
    if (user.isEmpty())
        return 1;
    QElapsedTimer timer;
    timer.start();
    JobProgress progress;
    const QList<DiarySearch::Hit> hits = search.find(Diary(m_env.dataFolder, user), progress);
    for (const DiarySearch::Hit& hit : hits)
        m_env.out << hit.date.toString(Qt::ISODate) << '\t' << hit.line << '\n';
    m_env.out.flush();
    m_env.err << Counted(hits.size(), QStringLiteral("line")) << " found in " << elapsed(timer)
              << Qt::endl;
    return 0;
}

} // namespace Quillet
