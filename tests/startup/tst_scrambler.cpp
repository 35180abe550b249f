#include "scrambledbyhand.h"
#include "startup/scrambler.h"
#include "testmain.h"

using namespace Quillet;

namespace {

QByteArray mixed(const QByteArray& text, std::string_view key)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i)
        out.append(char(text.at(i) ^ key[size_t(i) % key.size()]));
    return out;
}

// Bytes of every value in an order with no period of its own, so that a key or a half put in
// the wrong place shows.
QByteArray varied(qsizetype length)
{
    QByteArray text(length, '\0');
    quint32 state = 1;
    for (char& byte : text) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 16);
    }
    return text;
}

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class ScramblerTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("key");
        for (const std::string_view key : {BELKA, DORN, TORVA, MIRSKO}) {
            const QByteArray k(key.data(), qsizetype(key.size()));
            QTest::addRow("%s empty", k.constData()) << QByteArray() << k;
            QTest::addRow("%s one", k.constData()) << QByteArray("a") << k;
            QTest::addRow("%s two", k.constData()) << QByteArray("ab") << k;
            QTest::addRow("%s three", k.constData()) << QByteArray("abc") << k;
            QTest::addRow("%s longer than key", k.constData()) << QByteArray("secret1") << k;
            QTest::addRow("%s multiple of key", k.constData())
                << QByteArray(k.size() * 3, 'q') << k;
            QTest::addRow("%s every byte", k.constData()) << allByteValues() << k;
            // Pages have no length limit.
            QTest::addRow("%s beyond 32767", k.constData()) << QByteArray(100001, '{') << k;
        }
    }
    void roundTrip()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, key);
        const std::string_view k(key.constData(), size_t(key.size()));
        const QByteArray scrambled = Scramble(text, k);
        QCOMPARE(scrambled.size(), text.size());
        QCOMPARE(Unscramble(scrambled, k), text);
        QCOMPARE(Scramble(text, k), scrambled);
    }

    void evenLengths_reverseEachHalf_oddLengthsKeepOrder_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expectedOrder"); // positions of the mixed text, from 0
        QTest::newRow("one") << QByteArray("a") << QByteArray("\x00", 1);
        QTest::newRow("two") << QByteArray("ab") << QByteArray("\x00\x01", 2);
        QTest::newRow("three") << QByteArray("abc") << QByteArray("\x00\x01\x02", 3);
        QTest::newRow("six") << QByteArray("abcdef") << QByteArray("\x02\x01\x00\x05\x04\x03", 6);
    }
    void evenLengths_reverseEachHalf_oddLengthsKeepOrder()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expectedOrder);
        const QByteArray m = mixed(text, DORN);
        QByteArray expected;
        for (const char position : expectedOrder)
            expected.append(m.at(position));
        QCOMPARE(Scramble(text, DORN), expected);
    }

    void longTexts_meetTheKeyByPosition_andHaveTheirHalvesReversed_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("length");
        // Around one, two and three times 4096 bytes (the scrambler works in blocks of about
        // that size), odd and even, and past the old 32,767-character limit.
        for (const std::string_view key : {BELKA, DORN, TORVA, MIRSKO}) {
            const QByteArray k(key.data(), qsizetype(key.size()));
            for (const int length : {4091, 4092, 4095, 4096, 4097, 4098, 8191, 8192, 8193,
                                     3 * 4096 + 5, 3 * 4096 + 6, 40000})
                QTest::addRow("%s %d", k.constData(), length) << k << length;
        }
    }
    void longTexts_meetTheKeyByPosition_andHaveTheirHalvesReversed()
    {
        QFETCH(QByteArray, key);
        QFETCH(int, length);
        const std::string_view k(key.constData(), size_t(key.size()));
        const QByteArray text = varied(length);
        const QByteArray expected = scrambledByHand(text, key);

        const QByteArray scrambled = Scramble(text, k);
        QVERIFY2(scrambled == expected, firstDifference(scrambled, expected));
        // Also a text scrambled elsewhere reads back.
        const QByteArray unscrambled = Unscramble(expected, k);
        QVERIFY2(unscrambled == text, firstDifference(unscrambled, text));
    }

    void knownValue_passwordOfBob()
    {
        // 's'^'T' 'e'^'O' 'c'^'R' 'r'^'V' 'e'^'A' 't'^'T' '1'^'O': odd length, order kept.
        QCOMPARE(Scramble("secret1", TORVA), QByteArray("\x27\x2a\x31\x24\x24\x20\x7e"));
    }
};

QUILLET_CORE_TEST_MAIN(ScramblerTest)
#include "tst_scrambler.moc"
