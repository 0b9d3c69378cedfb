// The simulated game server and daemon answer as the real ones do, over real sockets on 127.0.0.1.
#include "support/sim_server_process.h"

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kHeader = QByteArrayLiteral("\xff\xff\xff\xffprint\n");

QByteArray rconPacket(const QByteArray& password, const QByteArray& command) {
    return QByteArrayLiteral("\xff\xff\xff\xffrcon ") + password + ' ' + command;
}

// A client socket that gathers every datagram the server sends back.
class RconPeer {
public:
    explicit RconPeer(quint16 serverPort) : port_(serverPort) { socket_.bind(QHostAddress::LocalHost, 0); }

    void send(const QByteArray& datagram) { socket_.writeDatagram(datagram, QHostAddress::LocalHost, port_); }

    // Takes what has arrived and returns how many datagrams there are so far.
    qsizetype collect() {
        while (socket_.hasPendingDatagrams())
            replies_.append(socket_.receiveDatagram().data());
        return replies_.size();
    }

    const QList<QByteArray>& replies() const { return replies_; }

    QByteArray text() {
        collect();
        QByteArray all;
        for (const QByteArray& r : std::as_const(replies_))
            all += r.mid(kHeader.size());
        return all;
    }

private:
    quint16 port_;
    QUdpSocket socket_;
    QList<QByteArray> replies_;
};

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

} // namespace

class TstSimserver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void statusIsByteExact();
    void longReplyIsCutIntoPieces();
    void replies_data();
    void replies();
    void throttleDropsASecondPacket();
    void punkBusterListsComeOneLinePerDatagram();
    void playerCommands_data();
    void playerCommands();
    void daemonLogin_data();
    void daemonLogin();
    void daemonSession();
    void daemonNotices();
    void daemonUserRequests_data();
    void daemonUserRequests();

private:
    QByteArray exchange(QTcpSocket& socket, const QByteArray& message);

    QTemporaryDir dir_;
    SimServerProcess plain_; // --no-throttle, no players, no daemon
};

void TstSimserver::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY2(plain_.start({u"--no-throttle"_s}), qPrintable(plain_.errorString()));
}

void TstSimserver::statusIsByteExact() {
    const QString players =
        writeFile(dir_, u"two.txt"_s,
                  "# slot score ping guid name address qport rate lastmsg\n"
                  "3\t-2\t999\t87654321\t^1Red^7Baron\t198.51.100.42:28961\t501\t5000\t1150\n"
                  "\n"
                  "0\t15\t48\t1234567\tSniper\t203.0.113.17:28960\t12345\t25000\t0\n");
    SimServerProcess server;
    QVERIFY2(server.start({u"--no-throttle"_s, u"--players"_s, players}), qPrintable(server.errorString()));
    RconPeer peer(server.udpPort());
    peer.send(rconPacket("secret", "status"));
    QTRY_COMPARE(peer.collect(), 1);

    const QByteArray plainLine =
        "  0    15   48    1234567 Sniper^7                0 203.0.113.17:28960     12345 25000\n";
    QCOMPARE(
        peer.replies().first(),
        kHeader +
            "map: mp_airfield\n"
            "num score ping guid       name            lastmsg address               qport  rate\n"
            "--- ----- ---- ---------- --------------- ------- --------------------- ------ -----\n" +
            plainLine +
            "  3    -2  999   87654321 ^1Red^7Baron^7           1150 198.51.100.42:28961      501  5000\n"
            "\n");
    // 1-based columns: the name at 27, the address at 53 (the "^7" after the name takes two).
    QCOMPARE(plainLine.indexOf("Sniper") + 1, 27);
    QCOMPARE(plainLine.indexOf("203.0.113.17") + 1, 53);
}

void TstSimserver::longReplyIsCutIntoPieces() {
    QByteArray file;
    for (int slot = 0; slot < 24; ++slot) {
        file += QByteArray::number(slot) + "\t" + QByteArray::number(slot * 3) + "\t50\t" +
                QByteArray::number(1000000 + slot) + "\t^" + QByteArray::number(slot % 10) + "Player" +
                QByteArray::number(slot) + "\t203.0.113." + QByteArray::number(slot + 1) + ":28960\t" +
                QByteArray::number(1000 + slot) + "\t25000\t0\n";
    }
    SimServerProcess server;
    QVERIFY2(server.start({u"--no-throttle"_s, u"--players"_s, writeFile(dir_, u"many.txt"_s, file)}),
             qPrintable(server.errorString()));
    RconPeer peer(server.udpPort());
    peer.send(rconPacket("secret", "status"));
    QTRY_VERIFY(peer.text().endsWith("\n\n"));

    const QList<QByteArray>& pieces = peer.replies();
    QVERIFY(pieces.size() >= 2);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QVERIFY(pieces[i].startsWith(kHeader));
        const qsizetype textSize = pieces[i].size() - kHeader.size();
        if (i + 1 < pieces.size())
            QCOMPARE(textSize, 1294);
        else
            QVERIFY(textSize > 0 && textSize <= 1294);
    }
    const QByteArray text = peer.text();
    QCOMPARE(text.count('\n'), 3 + 24 + 1);
    QVERIFY(text.contains("^3Player23^7"));
}

void TstSimserver::replies_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("wrong password") << rconPacket("Secret", "status") << QByteArray("Invalid password.\n");
    QTest::newRow("RCON in upper case")
        << QByteArray("\xff\xff\xff\xffRCON secret say hi") << QByteArray("console: hi\n");
    QTest::newRow("request ends at LF")
        << rconPacket("secret", "say hi\nsay bye") << QByteArray("console: hi\n");
    QTest::newRow("request ends at NUL")
        << rconPacket("secret", QByteArray("say hi\0say bye", 14)) << QByteArray("console: hi\n");
    QTest::newRow("empty command") << rconPacket("secret", "") << QByteArray();
    QTest::newRow("command without output")
        << rconPacket("secret", "set torvanex_note hello") << QByteArray();
    QTest::newRow("registered name of g_allowVote")
        << rconPacket("secret", "g_allowvote")
        << QByteArray("\"g_allowVote\" is: \"1^7\" default: \"1^7\"\n"
                      "  Domain is 0 or 1\n");
    QTest::newRow("host name") << rconPacket("secret", "sv_hostname")
                               << QByteArray("\"sv_hostname\" is: \"^1Torvanex ^7Test Server^7\" default: "
                                             "\"CoDWaWHost^7\"\n  Domain is any text\n");
    QTest::newRow("quit: the stand-in stays up") << rconPacket("secret", "Quit") << QByteArray();
    QTest::newRow("killserver") << rconPacket("secret", "killserver") << QByteArray();
    QTest::newRow("unknown command") << rconPacket("secret", "nosuchthing 1")
                                     << QByteArray("Unknown command \"nosuchthing\"\n");
}

void TstSimserver::replies() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    RconPeer peer(plain_.udpPort());
    peer.send(request);
    QTRY_COMPARE(peer.collect(), 1);
    QCOMPARE(peer.replies().first(), kHeader + reply);
}

void TstSimserver::throttleDropsASecondPacket() {
    SimServerProcess server;
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    RconPeer peer(server.udpPort());
    const QByteArray second = rconPacket("secret", "sv_hostname");
    peer.send(rconPacket("secret", "say first"));
    peer.send(second);
    QTRY_COMPARE(server.udpDropped().size(), 1);
    QCOMPARE(server.udpDropped().first(), second);
    QTRY_COMPARE(peer.collect(), 1);
    QCOMPARE(peer.replies().first(), kHeader + "console: first\n");
}

void TstSimserver::punkBusterListsComeOneLinePerDatagram() {
    RconPeer peer(plain_.udpPort());
    peer.send(rconPacket("secret", "pb_sv_badname 30 Camper"));
    QTRY_COMPARE(peer.collect(), 1);
    peer.send(rconPacket("secret", "pb_sv_banlist"));
    QTRY_VERIFY(peer.text().endsWith("End of Ban List\n"));
    peer.send(rconPacket("secret", "PB_SV_BadNameList"));
    QTRY_VERIFY(peer.text().endsWith("End of Bad Name List\n"));
    const QList<QByteArray> lists = peer.replies().mid(1);
    QCOMPARE(lists.size(), 4 + 3);
    for (const QByteArray& d : lists) {
        QVERIFY(d.startsWith(QByteArray(kHeader + "^3PunkBuster Server: ")));
        QCOMPARE(d.count('\n'), 2); // the header's and the line's own
    }
    QCOMPARE(lists[5], QByteArray(kHeader + "^3PunkBuster Server: [1] (30) Camper\n"));
}

// What the player menu sends, for a slot or name the server knows and one it does not: the reply, the
// player gone from the next "status", and the command in the record of player commands.
void TstSimserver::playerCommands_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("gone"); // the player missing from the next status, if any
    QTest::addColumn<bool>("recorded");
    const QByteArray pb = "^3PunkBuster Server: ";
    QTest::newRow("kick") << QByteArray("kick Sniper") << QByteArray("Sniper^7 was kicked\n")
                          << QByteArray("Sniper") << true;
    QTest::newRow("kick, the name as the grid cuts it")
        << QByteArray("kick ^1Red^7Baron   ") << QByteArray("^1Red^7Baron^7 was kicked\n")
        << QByteArray("Baron") << true;
    QTest::newRow("kick, unknown name")
        << QByteArray("kick Nobody") << QByteArray("Couldn't find Nobody.\n") << QByteArray() << true;
    QTest::newRow("client kick") << QByteArray("clientkick 3") << QByteArray("^1Red^7Baron^7 was kicked\n")
                                 << QByteArray("Baron") << true;
    QTest::newRow("client kick, empty slot")
        << QByteArray("clientkick 5") << QByteArray("Client 5 is not active\n") << QByteArray() << true;
    QTest::newRow("client kick, beyond the slots")
        << QByteArray("clientkick 30") << QByteArray("Bad client slot: 30\n") << QByteArray() << true;
    QTest::newRow("client kick, not a number")
        << QByteArray("clientkick x1") << QByteArray("Bad slot number: x1\n") << QByteArray() << true;
    QTest::newRow("ban") << QByteArray("banuser Sniper") << QByteArray("Sniper^7 was banned\n")
                         << QByteArray("Sniper") << true;
    QTest::newRow("ban by client") << QByteArray("banclient 0") << QByteArray("Sniper^7 was banned\n")
                                   << QByteArray("Sniper") << true;
    QTest::newRow("temporary ban") << QByteArray("tempbanUser Sniper")
                                   << QByteArray("Sniper^7 was temporarily banned\n") << QByteArray("Sniper")
                                   << true;
    QTest::newRow("temporary ban by client")
        << QByteArray("tempbanClient 3") << QByteArray("^1Red^7Baron^7 was temporarily banned\n")
        << QByteArray("Baron") << true;
    QTest::newRow("unban, not banned")
        << QByteArray("unbanuser Sniper") << QByteArray("Couldn't find Sniper in the ban list.\n")
        << QByteArray() << true;
    QTest::newRow("tell") << QByteArray("tell 0 Stop  camping") << QByteArray("console_tell: Stop camping\n")
                          << QByteArray() << true;
    QTest::newRow("tell, empty slot")
        << QByteArray("tell 7 hi") << QByteArray("Client 7 is not active\n") << QByteArray() << true;
    QTest::newRow("PunkBuster kick")
        << QByteArray("pb_sv_kick 1 0 Teamkill Teamkill")
        << QByteArray(pb + "Sniper^7 (slot #1) Kicked for 0 minutes [Teamkill Teamkill]\n")
        << QByteArray("Sniper") << true;
    QTest::newRow("PunkBuster kick, unknown slot")
        << QByteArray("pb_sv_kick 9 0 a b") << QByteArray(pb + "Player Not Found: 9\n") << QByteArray()
        << true;
    QTest::newRow("PunkBuster ban") << QByteArray("pb_sv_ban 4 0 Wallhack demo")
                                    << QByteArray(pb + "^1Red^7Baron^7 (slot #4) Banned [0 Wallhack demo]\n")
                                    << QByteArray("Baron") << true;
    QTest::newRow("PunkBuster screenshot")
        << QByteArray("pb_sv_getss 4")
        << QByteArray(pb + "Screenshot Requested from ^1Red^7Baron^7 (slot #4)\n") << QByteArray() << true;
    QTest::newRow("PunkBuster screenshot, unknown slot")
        << QByteArray("pb_sv_getss 2") << QByteArray(pb + "Player Not Found: 2\n") << QByteArray() << true;
    QTest::newRow("screenshot sequence")
        << QByteArray("PB_SV_Task 10 180 PB_SV_GETSS 4")
        << QByteArray(pb + "Command Issued: PB_SV_Task 10 180 PB_SV_GETSS 4\n") << QByteArray() << true;
    QTest::newRow("screenshot of everybody: not one player")
        << QByteArray("pb_sv_getss") << QByteArray(pb + "Screenshot Requested from 2 Player(s)\n")
        << QByteArray() << false;
    QTest::newRow("not a player command")
        << QByteArray("say hi") << QByteArray("console: hi\n") << QByteArray() << false;
}

void TstSimserver::playerCommands() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, gone);
    QFETCH(bool, recorded);
    const QString players =
        writeFile(dir_, u"pair.txt"_s,
                  "0\t15\t48\t1234567\tSniper\t203.0.113.17:28960\t12345\t25000\t0\n"
                  "3\t-2\t99\t87654321\t^1Red^7Baron\t198.51.100.42:28961\t501\t5000\t0\n");
    SimServerProcess server;
    QVERIFY2(server.start({u"--no-throttle"_s, u"--players"_s, players}), qPrintable(server.errorString()));
    RconPeer peer(server.udpPort());
    peer.send(rconPacket("secret", command));
    QTRY_VERIFY(peer.text().endsWith('\n'));
    QCOMPARE(peer.text(), reply);
    const qsizetype before = peer.collect();
    peer.send(rconPacket("secret", "status"));
    QTRY_VERIFY(peer.collect() > before);
    const QByteArray status = peer.replies().last();
    for (const QByteArray& name : {QByteArray("Sniper"), QByteArray("Baron")})
        QCOMPARE(status.contains(name), name != gone);
    // The report lines come in order: once the status request is reported, the record before it is in.
    QVERIFY(server.waitForUdp(2));
    QCOMPARE(server.playerCommands(), recorded ? QList<QByteArray>{command} : QList<QByteArray>());
    // A wrong password runs nothing and records nothing.
    peer.send(rconPacket("wrong", command));
    QTRY_COMPARE(peer.collect(), before + 2);
    peer.send(rconPacket("secret", "status"));
    QVERIFY(server.waitForUdp(4));
    QCOMPARE(server.playerCommands().size(), recorded ? 1 : 0);
}

QByteArray TstSimserver::exchange(QTcpSocket& socket, const QByteArray& message) {
    socket.write(message);
    if (!QTest::qWaitFor([&] { return socket.bytesAvailable() > 0; }, 5000))
        return "(no answer)";
    return socket.readAll();
}

void TstSimserver::daemonLogin_data() {
    QTest::addColumn<QByteArray>("login");
    QTest::addColumn<bool>("granted");

    QTest::newRow("mp") << QByteArray("mp1:pass-mp") << true;
    QTest::newRow("poweradmin") << QByteArray("power1:pass-poweradmin") << true;
    QTest::newRow("below the allowed level") << QByteArray("admin1:pass-mp") << true;
    QTest::newRow("above the allowed level") << QByteArray("mp1:pass-admin") << false;
    QTest::newRow("wrong password") << QByteArray("admin1:Pass-admin") << false;
    QTest::newRow("unknown user") << QByteArray("nobody:pass-mp") << false;
    QTest::newRow("level word in another case") << QByteArray("admin1:pass-Admin") << false;
}

void TstSimserver::daemonLogin() {
    QFETCH(QByteArray, login);
    QFETCH(bool, granted);
    SimServerProcess server;
    QVERIFY2(server.start({u"--users"_s, SimServerProcess::demoFile(u"demo_users.txt"_s)},
                          SimServices::RconAndDaemon),
             qPrintable(server.errorString()));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    QVERIFY(socket.waitForConnected(5000));

    const QByteArray reply = exchange(socket, login);
    if (granted) {
        QCOMPARE(reply, login.mid(login.lastIndexOf('-') + 1));
    } else {
        QVERIFY2(reply.startsWith("Login refused"), reply.constData());
    }
}

void TstSimserver::daemonSession() {
    SimServerProcess server;
    QVERIFY2(server.start({u"--users"_s, SimServerProcess::demoFile(u"demo_users.txt"_s), u"--daemon-log"_s,
                           u"line one\r\nline two\r\n"_s},
                          SimServices::RconAndDaemon),
             qPrintable(server.errorString()));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    QVERIFY(socket.waitForConnected(5000));

    QCOMPARE(exchange(socket, "admin1:pass-admin"), QByteArray("admin"));
    QCOMPARE(exchange(socket, "getrconpass"), QByteArray("secret"));

    // Neither a command copy nor "startserver" is answered: the next reply is the log alone, where the
    // start request is recorded.
    socket.write("admin1 - kick Sniper");
    QVERIFY(server.waitForTcp(3));
    socket.write("startserver");
    QVERIFY(server.waitForTcp(4));
    const QByteArray log = exchange(socket, "getlog");
    QVERIFY2(log.startsWith("line one\r\nline two\r\n["), log.constData());
    QVERIFY2(log.endsWith("] Game server start requested by admin1\r\n"), log.constData());
    QCOMPARE(log.count('\n'), 3);
    QCOMPARE(server.tcpReceived(), (QList<QByteArray>{"admin1:pass-admin", "getrconpass",
                                                      "admin1 - kick Sniper", "startserver", "getlog"}));
}

void TstSimserver::daemonNotices() {
    SimServerProcess server;
    QVERIFY2(server.start({u"--no-throttle"_s, u"--users"_s, SimServerProcess::demoFile(u"demo_users.txt"_s)},
                          SimServices::RconAndDaemon),
             qPrintable(server.errorString()));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    QVERIFY(socket.waitForConnected(5000));
    QCOMPARE(exchange(socket, "power1:pass-poweradmin"), QByteArray("poweradmin"));

    QCOMPARE(exchange(socket, "ADDUSER newbie+s3-cret-admin"),
             QByteArray("ADDUSER User newbie added as admin"));
    QTcpSocket second;
    second.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    QVERIFY(second.waitForConnected(5000));
    QCOMPARE(exchange(second, "newbie:s3-cret-admin"), QByteArray("admin"));

    QCOMPARE(exchange(socket, "CHANGERCON n3wpass"), QByteArray("CHANGERCON Rcon password changed"));
    QCOMPARE(exchange(socket, "getrconpass"), QByteArray("n3wpass"));
    // The game server takes the new password and refuses the old one.
    RconPeer peer(server.udpPort());
    peer.send(rconPacket("secret", "say old"));
    QTRY_COMPARE(peer.collect(), 1);
    peer.send(rconPacket("n3wpass", "say new"));
    QTRY_COMPARE(peer.collect(), 2);
    QCOMPARE(peer.replies(),
             (QList<QByteArray>{kHeader + "Invalid password.\n", kHeader + "console: new\n"}));
    // The daemon's log records both.
    const QByteArray log = exchange(socket, "getlog");
    QVERIFY2(log.contains("] User newbie added as admin by power1\r\n["), log.constData());
    QVERIFY2(log.endsWith("] Rcon password changed by power1\r\n"), log.constData());
}

void TstSimserver::daemonUserRequests_data() {
    QTest::addColumn<QList<QByteArray>>("logins");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");

    const QList<QByteArray> power{"power1:pass-poweradmin"};
    QTest::newRow("add, not logged in")
        << QList<QByteArray>{} << QByteArray("ADDUSER bob+pw-mp")
        << QByteArray("ADDUSER Access denied: only a poweradmin may add users");
    QTest::newRow("add, as admin") << QList<QByteArray>{"admin1:pass-admin"}
                                   << QByteArray("ADDUSER bob+pw-mp")
                                   << QByteArray("ADDUSER Access denied: only a poweradmin may add users");
    QTest::newRow("add, poweradmin user logged in as mp")
        << QList<QByteArray>{"power1:pass-mp"} << QByteArray("ADDUSER bob+pw-mp")
        << QByteArray("ADDUSER Access denied: only a poweradmin may add users");
    QTest::newRow("add, after a refused login")
        << QList<QByteArray>{"power1:pass-poweradmin", "power1:wrong-poweradmin"}
        << QByteArray("ADDUSER bob+pw-mp")
        << QByteArray("ADDUSER Access denied: only a poweradmin may add users");
    QTest::newRow("change, as admin")
        << QList<QByteArray>{"admin1:pass-admin"} << QByteArray("CHANGERCON n3w")
        << QByteArray("CHANGERCON Access denied: only a poweradmin may change the rcon password");
    QTest::newRow("no plus") << power << QByteArray("ADDUSER bob-mp")
                             << QByteArray("ADDUSER User not added: expected name+password-level");
    QTest::newRow("empty name") << power << QByteArray("ADDUSER +pw-mp")
                                << QByteArray("ADDUSER User not added: expected name+password-level");
    QTest::newRow("unknown level") << power << QByteArray("ADDUSER bob+pw-root")
                                   << QByteArray("ADDUSER User bob not added: unknown level root");
    QTest::newRow("level in another case") << power << QByteArray("ADDUSER bob+pw-Admin")
                                           << QByteArray("ADDUSER User bob not added: unknown level Admin");
    QTest::newRow("colon in the name") << power << QByteArray("ADDUSER a:b+pw-mp")
                                       << QByteArray("ADDUSER User a:b not added: a name may not hold ':'");
    QTest::newRow("empty password") << power << QByteArray("ADDUSER bob+-mp")
                                    << QByteArray("ADDUSER User bob not added: the password is empty");
    QTest::newRow("empty rcon password")
        << power << QByteArray("CHANGERCON ")
        << QByteArray("CHANGERCON Rcon password not changed: the new password is empty");
}

void TstSimserver::daemonUserRequests() {
    QFETCH(QList<QByteArray>, logins);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);
    SimServerProcess server;
    QVERIFY2(server.start({u"--users"_s, SimServerProcess::demoFile(u"demo_users.txt"_s)},
                          SimServices::RconAndDaemon),
             qPrintable(server.errorString()));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    QVERIFY(socket.waitForConnected(5000));
    for (const QByteArray& login : logins)
        exchange(socket, login);
    QCOMPARE(exchange(socket, request), answer);
    // Nothing was changed: the rcon password stands and no user "bob" can log in.
    QCOMPARE(exchange(socket, "getrconpass"), QByteArray("secret"));
    QVERIFY(exchange(socket, "bob:pw-mp").startsWith("Login refused"));
}

QTEST_GUILESS_MAIN(TstSimserver)
#include "tst_simserver.moc"
