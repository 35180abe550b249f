#include "testmain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The tune as the generator writes it into a fresh folder.
QByteArray makeTune(const QTemporaryDir& dir)
{
    QProcess tool;
    tool.start(QStringLiteral(QUILLET_MAKEMIDI), {dir.filePath("e1.mid")});
    if (!tool.waitForFinished() || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        qFatal("makemidi failed");
    return fileContent(dir.filePath("e1.mid"));
}

} // namespace

class MakeMidiTest : public QObject {
    Q_OBJECT

private slots:
    void tune_isOneTrackOfMidi_openingOnFluteOverPiano()
    {
        QTemporaryDir dir;
        const QByteArray tune = makeTune(dir);
        // Format 0, one track, 480 ticks to the quarter note.
        QCOMPARE(tune.left(14).toHex(' '), "4d 54 68 64 00 00 00 06 00 00 00 01 01 e0");
        QCOMPARE(tune.mid(14, 4), "MTrk");
        const QByteArray length = tune.mid(18, 4);
        QCOMPARE(qFromBigEndian<quint32>(length.constData()), quint32(tune.size() - 22));
        QCOMPARE(tune.mid(22, 67).toHex(' '),
                 QByteArray("00 ff 51 03 07 a1 20 "                   // 500,000 us a quarter
                            "00 ff 58 04 04 02 18 08 "                // 4/4
                            "00 c0 49 00 c1 00 "                      // flute, piano
                            "00 90 4c 60 "                            // E5 on the flute
                            "00 91 30 40 00 91 37 40 "                // C3 and G3 on the piano
                            "83 60 80 4c 40 00 90 4c 60 "             // a quarter later, E5 again
                            "83 60 80 4c 40 00 81 30 40 00 81 37 40 " // the half bar ends
                            "00 90 4d 60 00 91 30 40 00 91 37 40"));  // F5 over C again
        QCOMPARE(tune.right(4).toHex(' '), "00 ff 2f 00");
    }

    void installation_shipsTheTuneBesideTheProgram()
    {
        QTemporaryDir dir;
        QCOMPARE(fileContent(QStringLiteral(QUILLET_RUNTIME_DIR "/e1.mid")), makeTune(dir));
    }
};

QUILLET_CORE_TEST_MAIN(MakeMidiTest)
#include "tst_makemidi.moc"
