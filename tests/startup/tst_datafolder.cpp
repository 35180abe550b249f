#include "startup/datafolder.h"
#include "startup/privatefiles.h"
#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Quillet;

namespace {

constexpr QFileDevice::Permissions kEveryone =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

} // namespace

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QString>("quilletHome");
        QTest::addColumn<bool>("installWritable");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("QUILLET_HOME, installation writable")
            << "/srv/diary/" << true << "/home/ann/.data"
            << "/srv/diary";
        QTest::newRow("QUILLET_HOME, installation read-only")
            << "/srv/diary" << false << "/home/ann/.data"
            << "/srv/diary";
        QTest::newRow("installation writable") << "" << true << "/home/ann/.data"
                                               << "/opt/quillet";
        QTest::newRow("installation read-only") << "" << false << "/home/ann/.data"
                                                << "/home/ann/.data/quillet";
        QTest::newRow("XDG_DATA_HOME with a trailing separator")
            << "" << false << "/home/ann/.data/"
            << "/home/ann/.data/quillet";
        QTest::newRow("XDG_DATA_HOME unset") << "" << false << ""
                                             << "/home/ann/.local/share/quillet";
        QTest::newRow("XDG_DATA_HOME relative") << "" << false << "data"
                                                << "/home/ann/.local/share/quillet";
    }
    void rule()
    {
        QFETCH(QString, quilletHome);
        QFETCH(bool, installWritable);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        QCOMPARE(
            dataFolderFor({quilletHome, "/opt/quillet", installWritable, xdgDataHome, "/home/ann"}),
            expected);
    }

    // A folder that does not exist cannot be written, not even by root: it stands for the
    // read-only installation here.
    void dataFolder_readsTheEnvironment_andCreatesAMissingFolderPrivate_data()
    {
        QTest::addColumn<QString>("quilletHome"); // below the temporary folder; empty: unset
        QTest::addColumn<bool>("installExists");
        QTest::addColumn<QString>("expected");
        QTest::newRow("QUILLET_HOME") << "diary" << true << "diary";
        QTest::newRow("installation writable") << "" << true << "install";
        QTest::newRow("installation read-only") << "" << false << "xdg/quillet";
    }
    void dataFolder_readsTheEnvironment_andCreatesAMissingFolderPrivate()
    {
        QFETCH(QString, quilletHome);
        QFETCH(bool, installExists);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString install = dir.filePath("install");
        if (installExists)
            QVERIFY(QDir().mkdir(install));
        const bool existed = QFileInfo::exists(dir.filePath(expected));
        if (quilletHome.isEmpty())
            qunsetenv("QUILLET_HOME");
        else
            qputenv("QUILLET_HOME", dir.filePath(quilletHome).toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath("xdg").toUtf8());
        qputenv("HOME", dir.filePath("home").toUtf8());

        QCOMPARE(DataFolder(install), dir.filePath(expected));

        QVERIFY(QFileInfo(dir.filePath(expected)).isDir());
        if (!existed) {
            QCOMPARE(QFileInfo(dir.filePath(expected)).permissions() & kEveryone, kPrivateFolder);
            QCOMPARE(QFileInfo(dir.filePath("xdg")).permissions() & kEveryone,
                     expected.startsWith("xdg") ? kPrivateFolder : QFileDevice::Permissions());
        }
        QCOMPARE(QFileInfo::exists(install), installExists);
        QVERIFY(!QFileInfo::exists(dir.filePath("home")));
    }
};

QUILLET_CORE_TEST_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
