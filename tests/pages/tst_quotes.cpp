#include "pages/quotes.h"
#include "scriptedrandom.h"
#include "services/randomsource.h"
#include "testmain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Quillet;

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("quotes.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QStringList shown(const QSignalSpy& spy)
{
    QStringList quotes;
    for (const QList<QVariant>& emission : spy)
        quotes.append(emission.at(0).toString());
    return quotes;
}

} // namespace

class QuotesTest : public QObject {
    Q_OBJECT

private slots:
    void unseededRandom_isTheSameSequenceEveryRun()
    {
        UnseededRandom random;
        QCOMPARE(random.next(), 11837123 / 16777216.0);
        QCOMPARE(random.next(), 8949370 / 16777216.0);
        QCOMPARE(random.next(), 9722709 / 16777216.0);
        QCOMPARE(random.next(), 4858052 / 16777216.0);
    }

    void load_readsEveryLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("quotations");
        QTest::newRow("unix line ends") << QByteArray("One\nTwo\n") << QStringList{"One", "Two"};
        QTest::newRow("windows line ends")
            << QByteArray("One\r\nTwo\r\n") << QStringList{"One", "Two"};
        QTest::newRow("no final line end") << QByteArray("One\nTwo") << QStringList{"One", "Two"};
        QTest::newRow("empty lines count")
            << QByteArray("One\n\r\n\nTwo\n") << QStringList{"One", "", "", "Two"};
        QTest::newRow("only a line end") << QByteArray("\n") << QStringList{""};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9 \xe2\x80\x94 na\xc3\xafve\n")
                               << QStringList{QString::fromUtf8("café — naïve")};
        QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x93quoted\x94\r\n")
                                      << QStringList{QString::fromUtf8("café “quoted”")};
        QTest::newRow("each line decoded alone")
            << QByteArray("caf\xc3\xa9\ncaf\xe9\n")
            << QStringList{QString::fromUtf8("café"), QString::fromUtf8("café")};
    }
    void load_readsEveryLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, quotations);
        QTemporaryDir dir;
        ScriptedRandom random;
        random.values = {0.0};
        Quotes quotes(random);
        QSignalSpy spy(&quotes, &Quotes::quoteShown);

        QVERIFY(quotes.LoadQuotes(writeFile(dir, content)));
        QCOMPARE(quotes.quotations(), quotations);
        QCOMPARE(shown(spy), quotations.isEmpty() ? QStringList{} : quotations.mid(0, 1));
    }

    void load_appendsToTheList()
    {
        QTemporaryDir dir;
        ScriptedRandom random;
        random.values = {0.0, 0.99};
        Quotes quotes(random);
        QSignalSpy spy(&quotes, &Quotes::quoteShown);
        const QString path = writeFile(dir, "One\nTwo\n");
        QVERIFY(quotes.LoadQuotes(path));
        QVERIFY(quotes.LoadQuotes(path));
        QCOMPARE(quotes.quotations(), QStringList({"One", "Two", "One", "Two"}));
        QCOMPARE(quotes.lastPick(), 4);
    }

    // Three quotations, the middle one empty: r picks the integer part of 3r + 1.
    void pick_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("pick");
        QTest::addColumn<QString>("quote");
        QTest::newRow("zero") << 0.0 << 1 << "First";
        QTest::newRow("just under a third") << 0.3333 << 1 << "First";
        QTest::newRow("a third, the empty line") << 0.34 << 2 << "";
        QTest::newRow("a half") << 0.5 << 2 << "";
        QTest::newRow("just under one") << 16777215 / 16777216.0 << 3 << "Third";
    }
    void pick()
    {
        QFETCH(double, r);
        QFETCH(int, pick);
        QFETCH(QString, quote);
        QTemporaryDir dir;
        ScriptedRandom random;
        random.values = {0.0, r};
        Quotes quotes(random);
        QVERIFY(quotes.LoadQuotes(writeFile(dir, "First\n\nThird\n")));
        QSignalSpy spy(&quotes, &Quotes::quoteShown);

        quotes.ShowRandomQuote();
        QCOMPARE(quotes.lastPick(), pick);
        QCOMPARE(shown(spy), QStringList{quote});
    }

    void oneLine_isShownAtEveryPick()
    {
        QTemporaryDir dir;
        UnseededRandom random;
        Quotes quotes(random);
        QSignalSpy spy(&quotes, &Quotes::quoteShown);
        QVERIFY(quotes.LoadQuotes(writeFile(dir, "Only this\n")));
        for (int i = 0; i < 5; ++i)
            quotes.ShowRandomQuote();
        QCOMPARE(shown(spy), QStringList(6, "Only this"));
    }

    void freshGenerators_showTheSameQuotations()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "q1\nq2\nq3\nq4\nq5\nq6\nq7\nq8\nq9\nq10\n");
        QStringList runs[2];
        for (QStringList& run : runs) {
            UnseededRandom random;
            Quotes quotes(random);
            QSignalSpy spy(&quotes, &Quotes::quoteShown);
            QVERIFY(quotes.LoadQuotes(path));
            for (int i = 0; i < 3; ++i)
                quotes.ShowRandomQuote();
            run = shown(spy);
        }
        // 10 x 0.7055... + 1, 10 x 0.5334... + 1, ...
        QCOMPARE(runs[0], QStringList({"q8", "q6", "q6", "q3"}));
        QCOMPARE(runs[1], runs[0]);
    }

    void showRandomQuote_withoutQuotationsShowsNothing()
    {
        UnseededRandom random;
        Quotes quotes(random);
        QSignalSpy spy(&quotes, &Quotes::quoteShown);
        quotes.ShowRandomQuote();
        QCOMPARE(spy.count(), 0);
    }

    void load_refusesWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty path") << "";
        QTest::newRow("missing file") << "missing.txt";
        QTest::newRow("folder") << "folder";
    }
    void load_refusesWhatIsNoFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        UnseededRandom random;
        Quotes quotes(random);
        QSignalSpy spy(&quotes, &Quotes::quoteShown);
        QVERIFY(!quotes.LoadQuotes(name.isEmpty() ? name : dir.filePath(name)));
        QCOMPARE(spy.count(), 0);
        QVERIFY(quotes.quotations().isEmpty());
        QCOMPARE(quotes.lastPick(), 0);
    }

    void shippedQuotations_fitTheLabel()
    {
        UnseededRandom random;
        Quotes quotes(random);
        QVERIFY(quotes.LoadQuotes(QStringLiteral(QUILLET_RESOURCES_DIR "/quotes.txt")));
        QVERIFY2(quotes.quotations().size() >= 90,
                 qPrintable(QString::number(quotes.quotations().size())));
        for (const QString& quote : quotes.quotations()) {
            QVERIFY2(!quote.trimmed().isEmpty(), "an empty quotation");
            QVERIFY2(quote.size() <= 110, qPrintable(quote));
            QVERIFY2(!quote.contains(QChar::ReplacementCharacter), qPrintable(quote));
        }
    }
};

QUILLET_CORE_TEST_MAIN(QuotesTest)
#include "tst_quotes.moc"
