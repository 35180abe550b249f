#include "linkasker.h"
#include "startup/linkprotocol.h"
#include "startup/linkserver.h"
#include "testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Quillet;

namespace {

const QDate kDay(2001, 8, 9);

// What a connection receives back for the bytes it sends.
QByteArray exchange(const QString& serverName, const QByteArray& bytes)
{
    auto pending = std::async(std::launch::async, [=] {
        QLocalSocket socket;
        socket.connectToServer(serverName);
        if (!socket.waitForConnected(1000))
            return QByteArray("no connection");
        socket.write(bytes);
        socket.waitForBytesWritten(1000);
        QByteArray answer;
        while (socket.waitForReadyRead(1000))
            answer += socket.readAll();
        return answer + socket.readAll();
    });
    while (pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        QTest::qWait(5);
    return pending.get();
}

} // namespace

class LinkTest : public QObject {
    Q_OBJECT

private slots:
    void request_isOneTabSeparatedLine_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "ann" << kDay << QByteArray("show\tann\t2001-08-09\n");
        QTest::newRow("blank and accent")
            << "Zoë Ann" << QDate(1999, 12, 31) << QByteArray("show\tZo\xc3\xab Ann\t1999-12-31\n");
        QTest::newRow("no date") << "ann" << QDate() << QByteArray();
        QTest::newRow("no user") << "" << kDay << QByteArray();
        QTest::newRow("tab in the name") << "a\tb" << kDay << QByteArray();
        QTest::newRow("line feed in the name") << "a\nb" << kDay << QByteArray();
    }
    void request_isOneTabSeparatedLine()
    {
        QFETCH(QString, user);
        QFETCH(QDate, date);
        QFETCH(QByteArray, bytes);
        QCOMPARE(LinkProtocol::encodeRequest({user, date}), bytes);
        if (!bytes.isEmpty()) {
            const LinkProtocol::Request request{user, date};
            QVERIFY(LinkProtocol::decodeRequest(bytes) == request);
            QVERIFY(LinkProtocol::decodeRequest(bytes.chopped(1)) == request);
        }
    }

    void request_otherwiseWritten_isNoRequest()
    {
        for (const QByteArray& line :
             {QByteArray(""), QByteArray("show\tann\n"), QByteArray("show\tann\t2001-8-9\n"),
              QByteArray("show\tann\t2001-02-30\n"), QByteArray("SHOW\tann\t2001-08-09\n"),
              QByteArray("show\t\t2001-08-09\n"), QByteArray("show\tann\t2001-08-09\textra\n"),
              QByteArray("show\tann\t09.08.2001\n"), QByteArray("show\ta\xff\t2001-08-09\n")})
            QVERIFY2(!LinkProtocol::decodeRequest(line), line.constData());
    }

    void answers_areFixedLines()
    {
        const QList<std::pair<LinkProtocol::Answer, QByteArray>> answers{
            {LinkProtocol::Answer::Shown, "shown\n"},
            {LinkProtocol::Answer::OtherUser, "other user\n"},
            {LinkProtocol::Answer::Busy, "busy\n"},
            {LinkProtocol::Answer::BadRequest, "bad request\n"}};
        for (const auto& [answer, bytes] : answers) {
            QCOMPARE(LinkProtocol::encodeAnswer(answer), bytes);
            QVERIFY(LinkProtocol::decodeAnswer(bytes) == answer);
        }
        QVERIFY(!LinkProtocol::decodeAnswer("Shown\n"));
        QVERIFY(!LinkProtocol::decodeAnswer(""));
    }

    void server_answersEachRequestWithItsHandler_andWhatIsNoRequestWithBadRequest()
    {
        QList<LinkProtocol::Request> handled;
        LinkServer server([&](const LinkProtocol::Request& request) {
            handled << request;
            return request.user == "ann" ? LinkProtocol::Answer::Shown
                                         : LinkProtocol::Answer::OtherUser;
        });
        const QString name = QuilletLink::serverNameForThisUser();
        QVERIFY(server.listen(name));
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
        QCOMPARE(askToShow("bob", kDay), QuilletLink::Result::OtherUser);
        QCOMPARE(exchange(name, "hello\n"), QByteArray("bad request\n"));
        // A line without end is not waited for once it is longer than any request.
        QCOMPARE(exchange(name, QByteArray(LinkProtocol::kMaxLine + 1, 'x')),
                 QByteArray("bad request\n"));
        QVERIFY(handled == (QList<LinkProtocol::Request>{{"ann", kDay}, {"bob", kDay}}));

        server.close();
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::NotRunning);
    }

    void server_leavesARunningOneAlone_butTakesOverAnAbandonedName_andIsSeenRunning()
    {
        const QString name = QuilletLink::serverNameForThisUser();
        const auto shown = [](const LinkProtocol::Request&) { return LinkProtocol::Answer::Shown; };
        {
            LinkServer first(shown);
            QVERIFY(first.listen(name));
            LinkServer second(shown);
            QVERIFY(!second.listen(name));
            QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
            QVERIFY(QuilletLink(name).isRunning());
        }
        // A program that ended abruptly leaves its socket file behind.
        QFile abandoned(name);
        QVERIFY(abandoned.open(QIODevice::WriteOnly));
        abandoned.close();
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::NotRunning);
        QVERIFY(!QuilletLink(name).isRunning());
        LinkServer next(shown);
        QVERIFY(next.listen(name));
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Shown);
    }

    void socket_isTheOsUsersAlone()
    {
        LinkServer server([](const LinkProtocol::Request&) { return LinkProtocol::Answer::Shown; });
        QVERIFY(server.listen(QuilletLink::serverNameForThisUser()));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QVERIFY(QFileInfo::exists(QuilletLink::serverNameForThisUser()));
        QVERIFY(!(QFile::permissions(QuilletLink::serverNameForThisUser()) & others));
    }

    void client_withoutAnAnswer_givesUpAsFailed()
    {
        // Accepts and never answers, as a program stuck in a long task would.
        QLocalServer silent;
        QVERIFY(silent.listen(QuilletLink::serverNameForThisUser()));
        QCOMPARE(askToShow("ann", kDay), QuilletLink::Result::Failed);
    }
};

QUILLET_CORE_TEST_MAIN(LinkTest)
#include "tst_link.moc"
