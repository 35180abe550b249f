#include "pagefixture.h"
#include "pages/pagefile.h"
#include "scrambledbyhand.h"
#include "startup/scrambler.h"
#include "testmain.h"

#include <QSet>
#include <algorithm>

using namespace Quillet;

namespace {

const QDate kAugust5(2001, 8, 5);

// A page of some 77,000 characters, every line different: its rich text is over 64 KB.
QStringList diaryLines()
{
    QStringList lines;
    for (int entry = 1; entry <= 1100; ++entry) {
        lines << QStringLiteral("Entry %1: we walked along the river and counted %2 herons.")
                     .arg(entry)
                     .arg(entry * 7 % 50);
    }
    return lines;
}

QByteArray byHand(const QByteArray& richText, const QByteArray& owner)
{
    return scrambledByHand(richText, "BELKA") + "$SACRM$" + scrambledByHand(owner, "DORN") +
           "$ENC$";
}

// The first run of 16 bytes of the page's own text that can be read in the file as it is, or
// backwards: a half reversed is as readable as it was.
QByteArray plainRunIn(const QByteArray& plain, const QByteArray& file)
{
    constexpr qsizetype kRun = 16;
    QSet<QByteArray> fileRuns;
    for (qsizetype i = 0; i + kRun <= file.size(); ++i)
        fileRuns.insert(file.mid(i, kRun));
    for (qsizetype i = 0; i + kRun <= plain.size(); ++i) {
        const QByteArray run = plain.mid(i, kRun);
        QByteArray backwards = run;
        std::reverse(backwards.begin(), backwards.end());
        if (fileRuns.contains(run) || fileRuns.contains(backwards))
            return run;
    }
    return QByteArray();
}

QByteArray currentForm(const QByteArray& richText, const QByteArray& owner)
{
    return Scramble(richText, BELKA) + "$SACRM$" + Scramble(owner, DORN) + "$ENC$";
}

} // namespace

class PageFileTest : public QObject {
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("no leading zeros") << QDate(2001, 8, 5) << "5_8_2001.DIARY";
        QTest::newRow("two digits") << QDate(2001, 12, 25) << "25_12_2001.DIARY";
        QTest::newRow("new year") << QDate(2010, 1, 1) << "1_1_2010.DIARY";
    }
    void names()
    {
        QFETCH(QDate, date);
        QFETCH(QString, name);
        QCOMPARE(PageFile::fileName(date), name);
        QCOMPARE(PageFile::path("/opt/quillet", "ann", date), "/opt/quillet/files/ann/" + name);
    }

    void encode_writesTheExactLayout()
    {
        const QByteArray rtf = "{\\rtf1\\ansi Hello}";
        const QByteArray content = *PageFile::encode(rtf, "ann");
        QCOMPARE(content, currentForm(rtf, "ann"));
        QCOMPARE(content.size(), rtf.size() + 3 + 12);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("richText");
        const QByteArray rtf = "{\\rtf1 Dear diary}";
        const QByteArray scrambled = Scramble(rtf, BELKA);
        QTest::newRow("own page") << currentForm(rtf, "ann") << int(PageFile::Kind::Owned) << rtf;
        QTest::newRow("marker in small letters")
            << scrambled + "$sacrm$" + Scramble("ann", DORN) + "$ENC$" << int(PageFile::Kind::Owned)
            << rtf;
        QTest::newRow("owner compared with case")
            << currentForm(rtf, "Ann") << int(PageFile::Kind::OtherUsers) << QByteArray();
        QTest::newRow("another user")
            << currentForm(rtf, "bob") << int(PageFile::Kind::OtherUsers) << QByteArray();
        QTest::newRow("older form, not scrambled")
            << QByteArray("{\\rtf1 plain old page}") << int(PageFile::Kind::Unscrambled)
            << QByteArray("{\\rtf1 plain old page}");
        QTest::newRow("older form, no owner")
            << scrambled + "$ENC$" << int(PageFile::Kind::NoOwner) << rtf;
        QTest::newRow("end marker in other case is no end marker")
            << scrambled + "$enc$" << int(PageFile::Kind::Unscrambled) << scrambled + "$enc$";
        QTest::newRow("only the first marker counts")
            << scrambled + "$SACRM$" + Scramble("bob", DORN) + "$sacrm$" + Scramble("ann", DORN) +
                   "$ENC$"
            << int(PageFile::Kind::OtherUsers) << QByteArray();
    }
    void decode()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(QByteArray, richText);
        const PageFile::Content decoded = PageFile::decode(content, "ann");
        QCOMPARE(int(decoded.kind), kind);
        QCOMPARE(decoded.richText, richText);
    }

    void encode_textThatScramblesToTheMarker_isWrittenSoItReadsBack()
    {
        // The scrambled rich text would hold "$SACRM$" and cut the page short when read.
        const QByteArray rtf = Unscramble("{\\r$SACRM$tf1 x}", BELKA);
        QVERIFY(Scramble(rtf, BELKA).contains("$SACRM$"));
        const QByteArray content = *PageFile::encode(rtf, "ann");
        const PageFile::Content readBack = PageFile::decode(content, "ann");
        QCOMPARE(readBack.kind, PageFile::Kind::Owned);
        QVERIFY(readBack.richText != rtf);
        QCOMPARE(QByteArray(readBack.richText).replace(' ', ""), QByteArray(rtf).replace(' ', ""));
        QVERIFY(readBack.richText.startsWith(rtf.left(rtf.lastIndexOf('}'))));
    }

    void longPage_isWrittenScrambledToItsLastByte()
    {
        PageFixture f;
        const QString plain = diaryLines().join('\n');
        f.page->setText(plain);
        const QByteArray rtf = f.page->TextRTF();
        QVERIFY(rtf.size() > 64 * 1024);
        f.calendar->setValue(kAugust5);

        QVERIFY(f.store.SavePage());

        const QByteArray file = f.readFile(kAugust5);
        const QByteArray expected = byHand(rtf, "ann");
        QCOMPARE(plainRunIn(plain.toUtf8(), file), QByteArray());
        QVERIFY2(file == expected, firstDifference(file, expected));
    }

    void longPageScrambledElsewhere_reads()
    {
        PageFixture f;
        const QStringList lines = diaryLines();
        const QByteArray rtf = "{\\rtf1\\ansi " + lines.join("\\par\n").toUtf8() + "}";
        QVERIFY(rtf.size() > 64 * 1024);
        QVERIFY(f.writeFile(kAugust5, byHand(rtf, "ann")));

        f.store.SetPageText(kAugust5);

        QVERIFY(f.t.dialogs.messages.isEmpty());
        const QByteArray shown = f.page->Text().toUtf8();
        const QByteArray written = lines.join('\n').toUtf8();
        QVERIFY2(shown == written, firstDifference(shown, written));
    }

    void everyByteValue_survives()
    {
        QByteArray rtf;
        for (int value = 0; value < 256; ++value)
            rtf.append(char(value));
        const QByteArray content = *PageFile::encode(rtf, "ann");
        QCOMPARE(PageFile::decode(content, "ann").richText, rtf);
    }
};

QUILLET_CORE_TEST_MAIN(PageFileTest)
#include "tst_pagefile.moc"
