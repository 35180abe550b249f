#include "documentdescription.h"
#include "porttool/diaryexport.h"
#include "porttool/diaryimport.h"
#include "porttool/diarysearch.h"
#include "porttool/importdate.h"
#include "porttool/jobprogress.h"
#include "porttool/markdownwriter.h"
#include "porttool/pagedocument.h"
#include "porttoolfixture.h"
#include "testmain.h"

#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

using namespace Quillet;

namespace {

const QByteArray kPngHex = "89504e470d0a1a0a0000000d4948445200000002000000020802000000fdd49a73"
                           "000000124944415478da63f8cfc0c000c20cff8100001fee05fbf1abba77000000"
                           "0049454e44ae426082";

// Every kind of formatting a page keeps that a word processor shows.
const QByteArray kFormattedPage =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
    "\\pard\\qc\\f0\\fs24 {\\b Bold} {\\i italic} {\\ul under} {\\cf1 red}\\par"
    "\\pard\\qr right {\\pict\\pngblip\\picw2\\pich2\\picwgoal600\\pichgoal300 " +
    kPngHex + "}\\par}";

QByteArray rtf(const QByteArray& text)
{
    return "{\\rtf1\\ansi " + text + "\\par}";
}

QString plain(const QByteArray& richText)
{
    return PageDocument(richText)->toPlainText();
}

constexpr QFileDevice::Permissions kOwnerOnlyFile = QFileDevice::ReadOwner |
                                                    QFileDevice::WriteOwner |
                                                    QFileDevice::ReadUser | QFileDevice::WriteUser;
constexpr QFileDevice::Permissions kOwnerOnlyFolder =
    kOwnerOnlyFile | QFileDevice::ExeOwner | QFileDevice::ExeUser;

} // namespace

class tst_PortTool : public QObject {
    Q_OBJECT

private slots:
    void rtfExport_importedByAnotherUser_keepsTextAndFormatting()
    {
        PortToolFixture fixture;
        fixture.writePage(QStringLiteral("ann"), QDate(2001, 8, 5), kFormattedPage);
        const QString out = fixture.path(QStringLiteral("out"));

        QCOMPARE(fixture.run({"export", "--user", "ann", "--format", "rtf", "--to", out}), 0);
        QVERIFY2(fixture.err.startsWith(QStringLiteral("1 page exported in ")),
                 qPrintable(fixture.err));
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{"2001-08-05.rtf"});
        QCOMPARE(QFileInfo(out).permissions(), kOwnerOnlyFolder);
        QCOMPARE(QFileInfo(out + "/2001-08-05.rtf").permissions(), kOwnerOnlyFile);

        QCOMPARE(fixture.run({"import", "--user", "bob", out}, "hunter2"), 0);
        QCOMPARE(fixture.out, out + "/2001-08-05.rtf: added 2001-08-05\n");

        const std::optional<QByteArray> imported = fixture.diary("bob").read(QDate(2001, 8, 5));
        QVERIFY(imported);
        const QString expected = DocumentDescription::describe(*PageDocument(kFormattedPage));
        QCOMPARE(DocumentDescription::describe(*PageDocument(*imported)), expected);
        QVERIFY2(expected.contains("=center {Arial 12pt b}Bold") &&
                     expected.contains("{Arial 12pt i}italic") &&
                     expected.contains("{Arial 12pt u}under") && expected.contains("#ff0000") &&
                     expected.contains("=right") && expected.contains("[png 2x2"),
                 qPrintable(expected));
        // Written as the diary writes a page: bob's mark on it, private.
        const QString page = PageFile::path(fixture.install, "bob", QDate(2001, 8, 5));
        QCOMPARE(PageFile::decode(fixture.fileBytes(page), "bob").kind, PageFile::Kind::Owned);
        QCOMPARE(QFileInfo(page).permissions(), kOwnerOnlyFile);
    }

    void import_ontoExistingPage_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("planned");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("page");
        QTest::newRow("skip") << "skip"
                              << "would skip 2001-08-05, which has a page"
                              << "skipped 2001-08-05, which has a page"
                              << "Old words";
        QTest::newRow("append") << "append"
                                << "would append to 2001-08-05"
                                << "appended to 2001-08-05"
                                << "Old words\nNew words";
        QTest::newRow("replace") << "replace"
                                 << "would replace 2001-08-05"
                                 << "replaced 2001-08-05"
                                 << "New words";
    }
    void import_ontoExistingPage()
    {
        QFETCH(QString, existing);
        QFETCH(QString, planned);
        QFETCH(QString, done);
        QFETCH(QString, page);
        PortToolFixture fixture;
        fixture.writePage("ann", QDate(2001, 8, 5), rtf("Old words"));
        const QString file = fixture.path("in/05.08.2001.txt");
        fixture.writeFile(file, "New words\n");

        QCOMPARE(
            fixture.run({"import", "--user", "ann", "--existing", existing, "--dry-run", file}), 0);
        QCOMPARE(fixture.out, file + ": " + planned + "\n");
        QCOMPARE(plain(*fixture.diary("ann").read(QDate(2001, 8, 5))), "Old words");

        QCOMPARE(fixture.run({"import", "--user", "ann", "--existing", existing, file}), 0);
        QCOMPARE(fixture.out, file + ": " + done + "\n");
        QCOMPARE(plain(*fixture.diary("ann").read(QDate(2001, 8, 5))), page);
    }

    void import_whileQuilletRuns_warnsAndGoesOn()
    {
        PortToolFixture fixture;
        fixture.quilletRunning = true;
        const QString file = fixture.path("in/2001-08-05.txt");
        fixture.writeFile(file, "New words\n");
        const QString warning = "porttool: Quillet is running: a page it has open would be saved "
                                "over what is imported into that day\n";

        QCOMPARE(fixture.run({"import", "--user", "ann", "--dry-run", file}), 0);
        QVERIFY2(!fixture.err.contains(warning), qPrintable(fixture.err));
        QCOMPARE(fixture.run({"import", "--user", "ann", file}), 0);
        QVERIFY2(fixture.err.startsWith(warning + "1 page imported in "), qPrintable(fixture.err));
        QVERIFY(fixture.diary("ann").hasPage(QDate(2001, 8, 5)));
    }

    void importDate_readsTheNamedForms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::newRow("iso") << "2001-08-05.rtf" << QDate(2001, 8, 5);
        QTest::newRow("compact") << "diary-20010805.md" << QDate(2001, 8, 5);
        QTest::newRow("dotted") << "05.08.2001.txt" << QDate(2001, 8, 5);
        QTest::newRow("within words") << "holiday 2001-08-05 evening.html" << QDate(2001, 8, 5);
        QTest::newRow("no date") << "notes.txt" << QDate();
        QTest::newRow("no such day") << "2001-02-30.txt" << QDate();
        QTest::newRow("two days") << "2001-08-05 to 2001-08-09.txt" << QDate();
        QTest::newRow("too many digits") << "123456789.txt" << QDate();
    }
    void importDate_readsTheNamedForms()
    {
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QCOMPARE(ImportDate("/some/where/" + name).value_or(QDate()), date);
    }

    void import_fileWithUnreadableDate_isListedNotImported()
    {
        PortToolFixture fixture;
        const QString folder = fixture.path("in");
        fixture.writeFile(folder + "/2001-02-30.txt", "Which day?");
        fixture.writeFile(folder + "/2001-08-05.md", "Sunny");

        QCOMPARE(fixture.run({"import", "--user", "ann", folder}), 1);
        QCOMPARE(fixture.out, folder + "/2001-02-30.txt: no date in the name, not imported\n" +
                                  folder + "/2001-08-05.md: added 2001-08-05\n");
        QVERIFY2(fixture.err.endsWith("porttool: 1 file not imported\n"), qPrintable(fixture.err));
        QCOMPARE(fixture.diary("ann").dates(), QList<QDate>{QDate(2001, 8, 5)});
    }

    void refusedLogin_writesNothing_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("reason");
        QTest::newRow("wrong password") << "ann"
                                        << "hunter2"
                                        << "porttool: Wrong password\n";
        QTest::newRow("unknown user") << "zoe"
                                      << "secret"
                                      << "porttool: Username not found.\n";
    }
    void refusedLogin_writesNothing()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, reason);
        PortToolFixture fixture;
        fixture.writePage("ann", QDate(2001, 8, 5), rtf("Secret words"));
        const QString out = fixture.path("out");
        const QString file = fixture.path("2001-08-06.txt");
        fixture.writeFile(file, "Intruder");

        QCOMPARE(fixture.run({"export", "--user", user, "--format", "txt", "--to", out}, password),
                 1);
        QCOMPARE(fixture.err, reason);
        QVERIFY(!QFileInfo::exists(out));
        QCOMPARE(fixture.run({"import", "--user", user, file}, password), 1);
        QCOMPARE(fixture.err, reason);
        QCOMPARE(fixture.run({"find", "--user", user, "Secret"}, password), 1);
        QCOMPARE(fixture.out, QString());
        QCOMPARE(fixture.diary("ann").dates(), QList<QDate>{QDate(2001, 8, 5)});
    }

    void otherUsersPage_isNeverExportedNorOverwritten()
    {
        PortToolFixture fixture;
        fixture.writePage("ann", QDate(2001, 8, 5), rtf("Ann's day"));
        // bob's page, copied into ann's folder.
        fixture.writePage("bob", QDate(2001, 8, 6), rtf("Bob's day"));
        const QString bobs = PageFile::path(fixture.install, "bob", QDate(2001, 8, 6));
        const QString inAnns = PageFile::path(fixture.install, "ann", QDate(2001, 8, 6));
        QVERIFY(QFile::copy(bobs, inAnns));
        const QByteArray before = fixture.fileBytes(inAnns);
        const QString out = fixture.path("out");

        QCOMPARE(fixture.run({"export", "--user", "ann", "--format", "txt", "--to", out}), 0);
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{"2001-08-05.txt"});
        QCOMPARE(fixture.fileBytes(out + "/2001-08-05.txt"), "Ann's day\n");
        QCOMPARE(fixture.run({"find", "--user", "ann", "day"}), 0);
        QCOMPARE(fixture.out, "2001-08-05\tAnn's day\n");

        const QString file = fixture.path("in/2001-08-06.txt");
        fixture.writeFile(file, "Taken over");
        QCOMPARE(fixture.run({"import", "--user", "ann", "--existing", "replace", file}), 1);
        QCOMPARE(fixture.out, file + ": not imported: 2001-08-06 belongs to another user\n");
        QCOMPARE(fixture.fileBytes(inAnns), before);
    }

    void find_ignoresCaseAndAccents_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("hits");
        QTest::newRow("accent typed, none written")
            << QStringList{"Cafe"} << "2002-01-02\tcafe CRÈME\n2001-08-05\tA Café with Zoë\n";
        QTest::newRow("capitals and accents in the page")
            << QStringList{"creme"} << "2002-01-02\tcafe CRÈME\n";
        QTest::newRow("every word on the line")
            << QStringList{"zoe", "CAFÉ"} << "2001-08-05\tA Café with Zoë\n";
        QTest::newRow("phrase") << QStringList{"\"with zoe\""} << "2001-08-05\tA Café with Zoë\n";
        QTest::newRow("phrase in another order") << QStringList{"\"zoe with\""} << "";
        QTest::newRow("inside a word") << QStringList{"afe"} << "";
        QTest::newRow("start of a word") << QStringList{"wal"} << "2001-08-05\twalked home\n";
    }
    void find_ignoresCaseAndAccents()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, hits);
        PortToolFixture fixture;
        fixture.writePage("ann", QDate(2001, 8, 5),
                          rtf("A Caf\\u233? with Zo\\u235?\\par walked home"));
        fixture.writePage("ann", QDate(2002, 1, 2), rtf("cafe CR\\u200?ME"));

        QCOMPARE(fixture.run(QStringList{"find", "--user", "ann"} + words), 0);
        QCOMPARE(fixture.out, hits);
        const qsizetype lines = hits.count('\n');
        QVERIFY2(fixture.err.startsWith(QString::number(lines) + (lines == 1 ? " line" : " lines") +
                                        " found in "),
                 qPrintable(fixture.err));
    }

    void markdown_ofHeadingEmphasisAndList()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat body;
        body.setFontPointSize(10);
        QTextCharFormat large = body;
        large.setFontPointSize(18);
        QTextCharFormat bold = body;
        bold.setFontWeight(QFont::Bold);
        QTextCharFormat italic = body;
        italic.setFontItalic(true);
        cursor.insertText("Summer", large);
        cursor.insertBlock();
        cursor.insertText("We went ", body);
        cursor.insertText("swimming ", bold);
        cursor.insertText("and", body);
        cursor.insertText(" read", italic);
        cursor.insertText(" a_book.", body);
        cursor.insertBlock();
        cursor.insertList(QTextListFormat::ListDisc);
        cursor.insertText("sea", body);
        cursor.insertBlock();
        cursor.insertText("sun", body);
        cursor.insertBlock(QTextBlockFormat());
        cursor.insertText("Home again.", body);

        QCOMPARE(MarkdownWriter::write(document), "# Summer\n\nWe went **swimming** and *read* "
                                                  "a\\_book.\n\n- sea\n- sun\n\nHome again.\n");
    }

    void htmlExport_indexLinksEveryDay_withPicturesInline()
    {
        PortToolFixture fixture;
        const QList<QDate> days = {QDate(2001, 8, 5), QDate(2001, 9, 1), QDate(2002, 1, 2)};
        for (const QDate& day : days)
            fixture.writePage("ann", day, kFormattedPage);
        const QString out = fixture.path("out");

        QCOMPARE(fixture.run({"export", "--user", "ann", "--format", "html", "--to", out, "--since",
                              "2001-08-05", "--until", "2002-01-02"}),
                 0);
        QCOMPARE(
            QDir(out).entryList(QDir::Files),
            QStringList({"2001-08-05.html", "2001-09-01.html", "2002-01-02.html", "index.html"}));
        const QString index = QString::fromUtf8(fixture.fileBytes(out + "/index.html"));
        QVERIFY2(index.contains(
                     "<h2>2001</h2>\n<h3>August</h3>\n<ul>\n<li><a href=\"2001-08-05.html\">") &&
                     index.contains("<h3>September</h3>\n<ul>\n<li><a href=\"2001-09-01.html\">") &&
                     index.contains(
                         "<h2>2002</h2>\n<h3>January</h3>\n<ul>\n<li><a href=\"2002-01-02.html\">"),
                 qPrintable(index));
        const QByteArray page = fixture.fileBytes(out + "/2001-09-01.html");
        QVERIFY(page.contains("<title>2001-09-01</title>"));
        QVERIFY(page.contains("src=\"data:image/png;base64," +
                              QByteArray::fromHex(kPngHex).toBase64() + "\""));

        QCOMPARE(fixture.run({"export", "--user", "ann", "--format", "html", "--to", out, "--since",
                              "2001-09-01", "--until", "2001-12-31"}),
                 0);
        QVERIFY2(fixture.err.startsWith("1 page exported in "), qPrintable(fixture.err));
    }

    void cancelledJobs_leaveNothingHalfDone()
    {
        PortToolFixture fixture;
        for (const QDate& day : {QDate(2001, 1, 1), QDate(2001, 1, 2)})
            fixture.writePage("ann", day, kFormattedPage);
        PortToolFixture::writeFile(fixture.path("in/2001-01-03.txt"), "New.\n");
        const Diary diary = fixture.diary("ann");
        JobProgress cancelled;
        cancelled.cancel();

        for (const ExportFormat format : {ExportFormat::Html, ExportFormat::Pdf}) {
            const QString out = fixture.path(QStringLiteral("out%1").arg(int(format)));
            const DiaryExport::Result result =
                DiaryExport(diary, format).run(out, {}, {}, cancelled);
            QVERIFY(result.cancelled);
            QCOMPARE(result.pages, 0);
            // No index of nothing, no PDF of half a range.
            QCOMPARE(QDir(out).entryList(QDir::Files), QStringList());
        }
        QCOMPARE(DiaryImport(diary, DiaryImport::Existing::Replace)
                     .run({fixture.path("in/2001-01-03.txt")}, false, cancelled)
                     .size(),
                 0);
        QVERIFY(!diary.hasPage(QDate(2001, 1, 3)));
        QCOMPARE(DiarySearch({"bold"}).find(diary, cancelled).size(), 0);
        QCOMPARE(cancelled.done(), 0);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("no format") << QStringList{"export", "--user", "ann", "--to", "x"} << 2
                                   << "porttool: --format must be rtf, html, txt, md or pdf\n";
        QTest::newRow("bad date") << QStringList{"export", "--user", "ann",     "--format", "md",
                                                 "--to",   "x",      "--since", "5.8.2001"}
                                  << 2 << "porttool: --since needs a date as yyyy-mm-dd\n";
        QTest::newRow("bad choice")
            << QStringList{"import", "--user", "ann", "--existing", "merge", "x"} << 2
            << "porttool: --existing must be skip, append or replace\n";
        QTest::newRow("no user") << QStringList{"find", "tea"} << 2
                                 << "porttool: --user NAME is missing\n";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << 2
            << "porttool: unknown command frobnicate (try porttool --help)\n";
        QTest::newRow("no arguments") << QStringList{} << 2 << PortToolCommand::usage();
    }
    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        PortToolFixture fixture;
        QCOMPARE(fixture.run(arguments), status);
        QCOMPARE(fixture.err, err);
    }
};

QUILLET_GUI_TEST_MAIN(tst_PortTool)
#include "tst_porttool.moc"
