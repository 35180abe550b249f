#include "pages/pagefile.h"
#include "startup/scrambler.h"
#include "testmain.h"

using namespace Quillet;

namespace {

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
        QTest::newRow("dollars and a part of the marker before it")
            << QByteArray("$$SACR$sacr") + "$SACRM$" + Scramble("ann", DORN) + "$ENC$"
            << int(PageFile::Kind::Owned) << Unscramble("$$SACR$sacr", BELKA);
        QTest::newRow("marker cut short by the end marker")
            << scrambled + "$SACRM$ENC$" << int(PageFile::Kind::NoOwner)
            << Unscramble(scrambled + "$SACRM", BELKA);
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

    // A user has one name however it is spelled, as the settings compare it.
    void decode_ownerMarkOfTheSameName_isTheReadersPage_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("reader");
        QTest::addColumn<int>("kind");
        QTest::newRow("letter case") << "Ann"
                                     << "ann" << int(PageFile::Kind::Owned);
        QTest::newRow("final sigma") << QString::fromUtf8("νίκος") << QString::fromUtf8("νίκοσ")
                                     << int(PageFile::Kind::Owned);
        QTest::newRow("micro sign and Greek mu")
            << QString::fromUtf8("\u00b5ark") << QString::fromUtf8("\u03bcark")
            << int(PageFile::Kind::Owned);
        QTest::newRow("a longer name") << "anna"
                                       << "ann" << int(PageFile::Kind::OtherUsers);
        QTest::newRow("a blank more") << "ann "
                                      << "ann" << int(PageFile::Kind::OtherUsers);
    }
    void decode_ownerMarkOfTheSameName_isTheReadersPage()
    {
        QFETCH(QString, owner);
        QFETCH(QString, reader);
        QFETCH(int, kind);
        const QByteArray rtf = "{\\rtf1 Dear diary}";
        const PageFile::Content decoded =
            PageFile::decode(currentForm(rtf, owner.toUtf8()), reader);
        QCOMPARE(int(decoded.kind), kind);
        QCOMPARE(decoded.richText, kind == int(PageFile::Kind::Owned) ? rtf : QByteArray());
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
