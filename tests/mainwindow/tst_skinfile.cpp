#include "mainwindow/skinfile.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Quillet;

namespace {

// The header written out by hand: type 0x2011, one dimension, the block size, lower bound 0.
QByteArray header(quint8 blockSize)
{
    QByteArray bytes("\x11\x20\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00", 12);
    bytes[4] = char(blockSize);
    return bytes;
}

const QByteArray kBlock = "BGCOLOR=0x3C9BC8\nBGCOLOR2=15133439\r\nTEXTCOL=0x1F1F7A\n";

} // namespace

class SkinFileTest : public QObject {
    Q_OBJECT

private slots:
    void read_goodFile_givesItsThreeColours()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gold.jss"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(header(quint8(kBlock.size())) + kBlock + "trailing bytes");
        file.close();

        const SkinFile::Values values = SkinFile::read(path);
        QCOMPARE(SkinFile::colour(values, QStringLiteral("BGCOLOR")), 0x3C9BC8u);
        QCOMPARE(SkinFile::colour(values, QStringLiteral("BGCOLOR2")), 15133439u);
        QCOMPARE(SkinFile::colour(values, QStringLiteral("TEXTCOL")), 0x1F1F7Au);
    }

    void read_fileNotInForm_givesNoValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const auto size = quint8(kBlock.size());
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("header cut short") << header(size).left(11);
        QTest::newRow("block of zero bytes") << header(0) + kBlock;
        QTest::newRow("block cut short") << header(size) + kBlock.chopped(1);
        QTest::newRow("other type word") << header(size).replace(0, 1, "\x08") + kBlock;
        QTest::newRow("two dimensions") << header(size).replace(2, 1, "\x02") + kBlock;
        QTest::newRow("lower bound 1") << header(size).replace(8, 1, "\x01") + kBlock;
        const QByteArray noEquals = "BGCOLOR=1\nTEXTCOL 2\n";
        QTest::newRow("line without =") << header(quint8(noEquals.size())) + noEquals;
        const QByteArray noName = "BGCOLOR=1\n=2\n";
        QTest::newRow("line without name") << header(quint8(noName.size())) + noName;
        const QByteArray twice = "BGCOLOR=1\nBGCOLOR=2\n";
        QTest::newRow("name given twice") << header(quint8(twice.size())) + twice;
        const QByteArray latin1 = "BGCOLOR=1\nNAME=Caf\xe9\n";
        QTest::newRow("not UTF-8") << header(quint8(latin1.size())) + latin1;
    }

    void read_fileNotInForm_givesNoValues()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(SkinFile::decode(bytes), SkinFile::Values{});
    }

    void read_missingFile_givesNoValues()
    {
        QTemporaryDir dir;
        QCOMPARE(SkinFile::read(dir.filePath(QStringLiteral("none.jss"))), SkinFile::Values{});
    }

    void colour_onlyNumbersOfThreeBytesAreColours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<quint32>>("colour");
        QTest::newRow("decimal") << QStringLiteral("16777215") << std::optional<quint32>(0xFFFFFF);
        QTest::newRow("hex, either case")
            << QStringLiteral("0XaBcD") << std::optional<quint32>(0xABCD);
        QTest::newRow("black") << QStringLiteral("0") << std::optional<quint32>(0);
        QTest::newRow("fourth byte set") << QStringLiteral("0x1000000") << std::optional<quint32>();
        QTest::newRow("negative") << QStringLiteral("-1") << std::optional<quint32>();
        QTest::newRow("a word") << QStringLiteral("gold") << std::optional<quint32>();
        QTest::newRow("empty") << QString() << std::optional<quint32>();
    }

    void colour_onlyNumbersOfThreeBytesAreColours()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<quint32>, colour);
        const QByteArray block = "TEXTCOL=" + text.toUtf8() + "\n";
        const SkinFile::Values values = SkinFile::decode(header(quint8(block.size())) + block);
        QCOMPARE(SkinFile::colour(values, QStringLiteral("TEXTCOL")), colour);
    }

    void write_givesTheHeaderAndOneLineEachValue()
    {
        const SkinFile::Values values{{QStringLiteral("BGCOLOR"), QStringLiteral("0x3C9BC8")},
                                      {QStringLiteral("TITLE"), QStringLiteral("Café")}};
        const QByteArray block = "BGCOLOR=0x3C9BC8\nTITLE=Caf\xc3\xa9\n";
        QCOMPARE(SkinFile::encode(values), header(quint8(block.size())) + block);
    }
};

QUILLET_CORE_TEST_MAIN(SkinFileTest)
#include "tst_skinfile.moc"
