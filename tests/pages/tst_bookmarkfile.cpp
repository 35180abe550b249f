#include "pages/bookmarkfile.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Quillet;

namespace {

const QDate kDec5(2001, 12, 5);

// A bookmark as one line to compare: the description, a bar and the date, empty when invalid.
QStringList described(const QList<Bookmark>& bookmarks)
{
    QStringList lines;
    for (const Bookmark& bookmark : bookmarks)
        lines << bookmark.description + " | " + bookmark.date.toString(Qt::ISODate);
    return lines;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

bool onlyOwnerMay(const QString& path)
{
    return (QFileInfo(path).permissions() & 0x0077) == QFileDevice::Permissions();
}

} // namespace

class BookmarkFileTest : public QObject {
    Q_OBJECT

private slots:
    // The stored line, and what a reader of that line gets back.
    void record_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("proposed text")
            << "Dec 05,2001" << QByteArray("\"Dec 05,2001\",#2001-12-05#\r\n") << "Dec 05,2001";
        QTest::newRow("commas") << "Trip to the lake, with Ann, and Bob"
                                << QByteArray(
                                       "\"Trip to the lake, with Ann, and Bob\",#2001-12-05#\r\n")
                                << "Trip to the lake, with Ann, and Bob";
        QTest::newRow("cancelled box") << "" << QByteArray("\"\",#2001-12-05#\r\n") << "";
        QTest::newRow("quotes doubled")
            << "Ann said \"yes\"" << QByteArray("\"Ann said \"\"yes\"\"\",#2001-12-05#\r\n")
            << "Ann said \"yes\"";
        QTest::newRow("a quote alone") << "\"" << QByteArray("\"\"\"\",#2001-12-05#\r\n") << "\"";
        QTest::newRow("UTF-8") << "Café" << QByteArray("\"Caf\xc3\xa9\",#2001-12-05#\r\n")
                               << "Café";
        QTest::newRow("line break pasted")
            << "two\nlines" << QByteArray("\"two lines\",#2001-12-05#\r\n") << "two lines";
    }
    void record()
    {
        QFETCH(QString, description);
        QFETCH(QByteArray, line);
        QFETCH(QString, readBack);
        QCOMPARE(BookmarkFile::record({description, kDec5}), line);
        QCOMPARE(described(BookmarkFile::parse(line)), QStringList{readBack + " | 2001-12-05"});
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("bookmarks");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("file order")
            << QByteArray("\"Lake\",#2001-12-05#\r\n\"Birthday\",#1999-02-28#\r\n\"New year\","
                          "#2002-01-01#\r\n")
            << QStringList{"Lake | 2001-12-05", "Birthday | 1999-02-28", "New year | 2002-01-01"};
        QTest::newRow("LF alone, blank line, no final line break")
            << QByteArray("\"Lake\",#2001-12-05#\n\n\"Hill\",#2001-12-06#")
            << QStringList{"Lake | 2001-12-05", "Hill | 2001-12-06"};
        QTest::newRow("blanks between the fields")
            << QByteArray("  \"Lake\" , #2001-12-05# \r\n") << QStringList{"Lake | 2001-12-05"};
        QTest::newRow("a date with a time of day")
            << QByteArray("\"Lake\",#2001-12-05 10:30:00#\r\n") << QStringList{"Lake | 2001-12-05"};
        QTest::newRow("keys that are no dates")
            << QByteArray("\"Party\",#someday#\r\n\"Bad day\",#2001-02-30#\r\n\"Plain\","
                          "2001-12-05\r\n\"No date\"\r\n\"Lake\",#2001-12-05#\r\n")
            << QStringList{"Party | ", "Bad day | ", "Plain | ", "No date | ", "Lake | 2001-12-05"};
        QTest::newRow("Windows-1252") << QByteArray("\"Caf\xe9 \x80 5\",#2001-12-05#\r\n")
                                      << QStringList{"Café € 5 | 2001-12-05"};
        QTest::newRow("unquoted description")
            << QByteArray("Lake,#2001-12-05#\r\n") << QStringList{"Lake | 2001-12-05"};
    }
    void parse()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, bookmarks);
        QCOMPARE(described(BookmarkFile::parse(content)), bookmarks);
    }

    void parse_manyRecords_keepTheirDates()
    {
        QByteArray content;
        QStringList expected;
        const QDate first(2001, 1, 1);
        for (int day = 0; day < 150; ++day) {
            const QDate date = first.addDays(day);
            content += QString::asprintf("\"Day %d\",#%04d-%02d-%02d#\r\n", day, date.year(),
                                         date.month(), date.day())
                           .toLatin1();
            expected << QStringLiteral("Day %1 | %2").arg(day).arg(date.toString(Qt::ISODate));
        }
        QCOMPARE(described(BookmarkFile::parse(content)), expected);
        QCOMPARE(expected.last(), "Day 149 | 2001-05-30");
    }

    void append_firstBookmark_createsThePrivateFolderAndOneLine()
    {
        QTemporaryDir dir;
        const QString install = dir.path() + "/install";
        const QString path = BookmarkFile::path(install, "ann");
        QCOMPARE(path, install + "/files/ann/bookmarks.txt");
        QVERIFY(BookmarkFile::read(path).isEmpty());

        QString reason;
        QVERIFY(BookmarkFile::append(path, {"Dec 05,2001", kDec5}, &reason));
        QCOMPARE(contentOf(path), "\"Dec 05,2001\",#2001-12-05#\r\n");
        QVERIFY(onlyOwnerMay(install + "/files"));
        QVERIFY(onlyOwnerMay(install + "/files/ann"));
        QCOMPARE(QFileInfo(path).permissions() & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QVERIFY(BookmarkFile::append(path, {"Hill", QDate(2002, 1, 31)}, &reason));
        QCOMPARE(contentOf(path), "\"Dec 05,2001\",#2001-12-05#\r\n\"Hill\",#2002-01-31#\r\n");
        QCOMPARE(reason, QString());
    }

    void append_toAFileWrittenByHand_keepsItsLinesAndMakesItPrivate()
    {
        QTemporaryDir dir;
        const QString path = BookmarkFile::path(dir.path(), "ann");
        writeFile(path, "\"Old\",#2001-01-01#");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QVERIFY(BookmarkFile::append(path, {"New", kDec5}, nullptr));
        QCOMPARE(contentOf(path), "\"Old\",#2001-01-01#\r\n\"New\",#2001-12-05#\r\n");
        QVERIFY(onlyOwnerMay(path));
    }

    void append_whereNothingCanBeWritten_saysWhy_data()
    {
        QTest::addColumn<QString>("inTheWay"); // below the installation folder
        QTest::addColumn<QString>("reason");   // %1: the installation folder
        QTest::newRow("a folder named like the file") << "files/ann/bookmarks.txt/"
                                                      << "Filename refers to a directory";
        QTest::newRow("a file named like the page folder")
            << "files/ann"
            << "The folder %1/files/ann cannot be created.";
    }
    void append_whereNothingCanBeWritten_saysWhy()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString blocker = dir.path() + '/' + inTheWay;
        if (blocker.endsWith('/'))
            QVERIFY(QDir().mkpath(blocker));
        else
            writeFile(blocker, "not a folder");

        QString given;
        QVERIFY(
            !BookmarkFile::append(BookmarkFile::path(dir.path(), "ann"), {"Lake", kDec5}, &given));
        QCOMPARE(given, reason.replace("%1", dir.path()));
    }
};

QUILLET_CORE_TEST_MAIN(BookmarkFileTest)
#include "tst_bookmarkfile.moc"
