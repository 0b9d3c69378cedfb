// End to end: the real windows over real sockets against the simulated game server and daemon, started
// as a separate process on 127.0.0.1.
#include "gui/daemon_users_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/reader_window.h"

#include "support/console_fixture.h"
#include "support/fake_platform.h"
#include "support/sim_server_process.h"
#include "support/wire.h"

#include <QTcpSocket>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

const QByteArray kPlayers = "0\t12\t48\t1234567890\tBob\t10.0.0.5:28960\t12345\t25000\t0\n"
                            "3\t7\t95\t55\t^1Al^2ice\t192.168.1.77:28961\t4321\t25000\t0\n";

// The simulator's two bans as the admin page shows them: prefixes gone, CR LF line ends, "^7 " opened up.
const QString kBanList =
    u" Ban List: 2 entries\r\n"
    " 1  3c0f5e7a91d24b6c8e0a1f2b3c4d5e6f(-) ^1Hax0r   [198.51.100.23] Aimbot (11.02.2009 21:14:03)\r\n"
    " 2  9a8b7c6d5e4f30211203f4e5d6c7b8a9(-) Wallh4ck   [203.0.113.77] Wallhack (12.24.2009 18:02:51)\r\n"
    " End of Ban List\r\n"_s;

int rowOfName(const FlexGrid& g, const QString& start) {
    for (int row = 0; row < g.Rows(); ++row) {
        if (g.TextMatrix(row, 0).startsWith(start))
            return row;
    }
    return -1;
}

// The console over real sockets, left at the login, and the simulated server with two players. The
// delayed-send timers are ticked by hand; their real interval must never fire during a test.
struct Rig : ConsoleFixture {
    SimServerProcess sim;
    QTemporaryFile players;

    Rig() : ConsoleFixture(u"0"_s, {}, Timers::ByHand, Connection::NotConnected, Sockets::Real) {}

    bool start(QStringList args, SimServices services = SimServices::Rcon) {
        if (!players.open())
            return false;
        players.write(kPlayers);
        players.flush();
        args << u"--no-throttle"_s << u"--rcon-password"_s << u"secret"_s << u"--map"_s << u"mp_castle"_s
             << u"--hostname"_s << u"^2Torvanex ^3Test"_s << u"--players"_s << players.fileName();
        if (services == SimServices::RconAndDaemon)
            args << u"--users"_s << SimServerProcess::demoFile(u"demo_users.txt"_s);
        return sim.start(args, services);
    }
    void tickDelayedSend() { ticks(2); }
    // Follows the connection chain to its end: the map, then the host name.
    bool settle() {
        tickDelayedSend();
        if (!QTest::qWaitFor([&] { return main.Label3->Caption() == u"mp_castle"; }, 5000))
            return false;
        tickDelayedSend();
        return QTest::qWaitFor([&] { return main.Label6->Caption() == u"Torvanex Test"; }, 5000);
    }
    // The ban list label, its delayed send, and the display once the whole list has arrived.
    void fetchBanList() {
        main.Image9_Click();
        QTest::mouseClick(main.Label36, Qt::LeftButton);
        tickDelayedSend();
        QTRY_VERIFY(main.PbListText.contains(u"End of Ban List"_s));
        main.Timer3_Timer();
        main.Timer3_Timer();
    }
    void fillServer(Form4& w, const QString& password) {
        w.Text4->setText(u"127.0.0.1"_s);
        w.Text5->setText(QString::number(sim.udpPort()));
        w.Text6->setText(password);
    }
    void fillDaemon(Form4& w, const QString& user, const QString& level) {
        w.Option1->click();
        w.Text3->setText(u"127.0.0.1"_s);
        w.Text9->setText(QString::number(sim.tcpPort()));
        w.Text1->setText(user);
        w.Text2->setText(u"pass"_s);
        w.Combo1->setEditText(level);
        fillServer(w, {});
    }
};

// One exchange with the daemon on a connection of its own: what it answers to each message, in order.
QList<QByteArray> askDaemon(quint16 port, const QList<QByteArray>& messages) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!s.waitForConnected(5000))
        return {};
    QList<QByteArray> answers;
    for (const QByteArray& m : messages) {
        s.write(m);
        if (!s.waitForReadyRead(5000))
            break;
        answers << s.readAll();
    }
    return answers;
}

} // namespace

class TstE2e : public QObject {
    Q_OBJECT
private slots:
    void rconSession() {
        Rig r;
        QVERIFY2(r.start({}), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        w.Show();
        r.fillServer(w, u"secret"_s);
        w.Command1->click();
        QVERIFY(r.main.isVisible());
        QVERIFY(r.sim.waitForUdp(1));
        QCOMPARE(r.sim.udpReceived().at(0), rconDatagram("secret", "status"));

        Main& m = r.main;
        QTRY_VERIFY(m.Grid->Rows() > 4);
        QCOMPARE(m.Grid->TextMatrix(3, 0), u"Bob            "_s);
        QCOMPARE(m.Grid->TextMatrix(3, 5), u"10.0.0.5:28960"_s);
        QCOMPARE(m.Grid->TextMatrix(4, 0).trimmed(), u"^1Al^2ice"_s);
        QCOMPARE(m.Grid->TextMatrix(4, 5), u"192.168.1.77:28961"_s);
        QCOMPARE(m.Label4->Caption(), u"2"_s);
        QVERIFY(m.txtOutput->Text().contains(u"/status"_s));

        r.tickDelayedSend();
        QVERIFY(r.sim.waitForUdp(2));
        QCOMPARE(r.sim.udpReceived().at(1), rconDatagram("secret", "mapname"));
        QTRY_COMPARE(m.Label3->Caption(), u"mp_castle"_s);
        r.tickDelayedSend();
        QVERIFY(r.sim.waitForUdp(3));
        QCOMPARE(r.sim.udpReceived().at(2), rconDatagram("secret", "sv_hostname"));
        QTRY_COMPARE(m.Label6->Caption(), u"Torvanex Test"_s);

        m.Send(u"g_allowvote"_s);
        QTRY_COMPARE(m.Label80->BorderStyle() + m.Label81->BorderStyle(), 1);
    }

    // The player menu end to end: a right press on the second player makes that row current, "Kick
    // Player" sends the name the grid holds, the server drops the player, and the next refresh shows it.
    void rightClickKickLeavesTheGrid() {
        Rig r;
        QVERIFY2(r.start({}), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillServer(w, u"secret"_s);
        w.Command1->click();
        Main& m = r.main;
        QTRY_VERIFY(m.Grid->Rows() > 4);
        QVERIFY(r.settle());
        FlexGrid& g = *m.Grid;
        QCOMPARE(g.TextMatrix(3, 0), u"Bob            "_s);
        QVERIFY(g.TextMatrix(4, 0).startsWith(u"^1Al^2ice"_s));
        const int rowsBefore = g.Rows();
        g.setRow(3);
        QTest::mouseClick(g.viewport(), Qt::RightButton, {}, g.visualRect(g.model()->index(4, 0)).center());
        Form3& menu = Forms::get<Form3>();
        QCOMPARE(menu.lastPopup.data(), menu.menuz);
        menu.menuz->hide();
        const int before = int(r.sim.udpReceived().size());
        menu.kickplay->trigger();
        QVERIFY(r.sim.waitForUdp(before + 1));
        const QByteArray kick = "kick " + g.TextMatrix(4, 0).toLatin1();
        QCOMPARE(r.sim.udpReceived().last(), rconDatagram("secret", kick));
        QTRY_COMPARE(r.sim.playerCommands(), QList<QByteArray>{kick});
        QTRY_VERIFY(m.txtOutput->Text().contains(u"^1Al^2ice   was kicked"_s));

        m.Image5_Click();
        QTRY_COMPARE(g.Rows(), rowsBefore - 1);
        QCOMPARE(rowOfName(g, u"^1Al"_s), -1);
        QCOMPARE(g.TextMatrix(3, 0), u"Bob            "_s);
        QCOMPARE(m.Label4->Caption(), u"1"_s); // Bob alone
    }

    void banListArrivesInText10() {
        Rig r;
        QVERIFY2(r.start({}), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillServer(w, u"secret"_s);
        w.Command1->click();
        QTRY_VERIFY(r.main.Grid->Rows() > 4);
        QVERIFY(r.settle());
        r.fetchBanList();
        QCOMPARE(r.sim.udpReceived().last(), rconDatagram("secret", "pb_sv_banlist"));
        QCOMPARE(r.main.Text10->Text(), kBanList);
        QCOMPARE(r.fx.fake.dialogs.texts(), QStringList{u"This may take a few seconds!"_s});
    }

    void wrongPassword() {
        Rig r;
        QVERIFY2(r.start({}), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        w.Show();
        r.fillServer(w, u"wrong"_s);
        w.Command1->click();
        Main& m = r.main;
        QTRY_VERIFY(m.Text6.contains(u"Invalid password."_s));
        QString mapCaption;
        r.fx.fake.dialogs.whileOpen = [&] { mapCaption = m.Label3->Caption(); };
        r.tickDelayedSend();
        QTRY_COMPARE(r.fx.fake.dialogs.texts(), QStringList{u"You have an Invalid password for RCON!"_s});
        QCOMPARE(mapCaption, u"Invalid password."_s);
        QCOMPARE(m.Label3->Caption(), u"loading..."_s); // reset by the disconnect
        QVERIFY(!m.isVisible());
        QVERIFY(Forms::get<Form4>().isVisible());
    }

    void silentServerNeverFreezes() {
        ConsoleFixture c(u"0"_s, {}, Timers::Running, Connection::NotConnected, Sockets::Real);
        Main& m = c.main;
        m.Text4->setText(u"9"_s); // nothing listens: the datagram is lost or refused
        QVERIFY(m.Connect());
        m.Send(u"status"_s);
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents(); // let a refusal arrive, if the system reports one
        QVERIFY(c.fx.fake.dialogs.shown.isEmpty());
        QCOMPARE(m.Label4->Caption(), u"0"_s);
    }

    void daemonLogin_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("level");
        QTest::newRow("mp") << u"mp1"_s << u"mp"_s;
        QTest::newRow("admin") << u"admin1"_s << u"admin"_s;
        QTest::newRow("poweradmin") << u"power1"_s << u"poweradmin"_s;
    }
    void daemonLogin() {
        QFETCH(QString, user);
        QFETCH(QString, level);
        Rig r;
        QVERIFY2(r.start({}, SimServices::RconAndDaemon), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        w.Show();
        r.fillDaemon(w, user, level);
        // The password reply is taken while the greeting is still open.
        r.fx.fake.dialogs.whileOpen = [&] { QTRY_COMPARE(w.RconPassPending, u"0"_s); };
        w.Command3->click();
        QTRY_VERIFY(r.main.isVisible());
        QCOMPARE(r.fx.fake.dialogs.texts(), QStringList{u"Access Granted to "_s + user + u" as "_s + level});
        QVERIFY(!w.isVisible());
        QCOMPARE(r.main.level, level);
        QVERIFY(r.sim.waitForUdp(1));
        QCOMPARE(r.sim.udpReceived().at(0), rconDatagram("secret", "status"));
        QTRY_VERIFY(r.main.Grid->Rows() > 4); // the grid asks "mapname" (copied at once)
        r.main.Send(u"say one"_s);
        r.main.Send(u"say two"_s);
        // TCP may hand the daemon two quick copies in one read; their bytes and order are what counts.
        const QByteArray who = user.toLatin1();
        const QByteArray expected = who + ":pass-" + level.toLatin1() + "getrconpass" + who + " - status" +
                                    who + " - mapname" + who + " - say one" + who + " - say two";
        QTRY_COMPARE(r.sim.tcpReceived().join(), expected);
    }

    void passwordAfterTheGreetingClosed() {
        Rig r;
        QVERIFY2(r.start({u"--rconpass-delay-ms"_s, u"300"_s}, SimServices::RconAndDaemon),
                 qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillDaemon(w, u"power1"_s, u"poweradmin"_s);
        w.Command3->click();
        QTRY_VERIFY(w.awaitingRconPass());
        QTRY_VERIFY(r.main.isVisible());
        QVERIFY(r.sim.waitForUdp(1));
        QCOMPARE(r.sim.udpReceived().at(0), rconDatagram("secret", "status"));
    }

    void refusedLogin() {
        Rig r;
        QVERIFY2(r.start({}, SimServices::RconAndDaemon), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillDaemon(w, u"mp1"_s, u"poweradmin"_s); // above the allowed level
        w.Command3->click();
        QTRY_COMPARE(w.Label3->Caption(), u"Received Data!"_s);
        QCOMPARE(w.statusz, u"none"_s);
        w.Command1->click();
        QCOMPARE(r.fx.fake.dialogs.texts(),
                 QStringList{u"Access Denied to mp1 : Check is password, username and level are correct!"_s});
    }

    // Daemon mode: the ban list as in RCON mode, the start request, and the daemon's log in the Reader.
    void daemonRequestsAndBanList() {
        Rig r;
        QVERIFY2(r.start({u"--daemon-log"_s, u"[2009-12-08 21:04:02] admin1 - kick Camper"_s},
                         SimServices::RconAndDaemon),
                 qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillDaemon(w, u"admin1"_s, u"admin"_s);
        w.Command3->click();
        QTRY_VERIFY(r.main.isVisible());
        QTRY_VERIFY(r.main.Grid->Rows() > 4);
        QVERIFY(r.settle());
        r.fetchBanList();
        QCOMPARE(r.main.Text10->Text(), kBanList);
        // Each request waits for the one before it: the daemon takes whatever one read brings as one message.
        QTRY_VERIFY(r.sim.tcpReceived().join().endsWith("admin1 - pb_sv_banlist"));
        QTest::mouseClick(r.main.Labelstart, Qt::LeftButton);
        QTRY_COMPARE(r.sim.tcpReceived().last(), QByteArray("startserver"));
        r.main.Label93_Click();
        QTRY_VERIFY(Forms::isLoaded<tvx::log>() && Forms::get<tvx::log>().isVisible());
        // The daemon's log, then the start request it recorded.
        const QStringList logLines = Forms::get<tvx::log>().Text1->Text().split(u"\r\n"_s);
        QCOMPARE(logLines.first(), u"[2009-12-08 21:04:02] admin1 - kick Camper"_s);
        QVERIFY(logLines.at(1).endsWith(u"] Game server start requested by admin1"_s));
        QCOMPARE(r.sim.tcpReceived().last(), QByteArray("getlog"));
        QCOMPARE(r.fx.fake.dialogs.texts().mid(1),
                 (QStringList{u"This may take a few seconds!"_s, u"Server should be starting up!"_s,
                              u"Getting Log"_s}));
        QCOMPARE(w.Label3->Caption(), u"Received Log"_s);
    }

    // A poweradmin adds a user through the add-user window and changes the daemon's rcon password; the new
    // user can log in, and the daemon hands out the new password.
    void daemonUsersAndRconPassword() {
        Rig r;
        QVERIFY2(r.start({}, SimServices::RconAndDaemon), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillDaemon(w, u"power1"_s, u"poweradmin"_s);
        w.Command3->click();
        QTRY_VERIFY(r.main.isVisible());
        QTRY_VERIFY(r.main.Grid->Rows() > 4);
        QVERIFY(r.settle());
        const qsizetype before = r.fx.fake.dialogs.shown.size();

        Forms::get<Form3>().addnewusertodaemonz_Click();
        Form6& add = Forms::get<Form6>();
        add.Text1->setText(u"amy"_s);
        add.Text2->setText(u"s3cret"_s);
        add.Combo1->setCurrentIndex(1);
        QCOMPARE(add.Combo1->currentText(), u"admin"_s);
        QTest::mouseClick(add.Command2, Qt::LeftButton);
        QTRY_COMPARE(r.sim.tcpReceived().last(), QByteArray("ADDUSER amy+s3cret-admin"));
        QTRY_VERIFY(r.fx.fake.dialogs.texts().contains(u"User amy added as admin"_s));
        QCOMPARE(askDaemon(r.sim.tcpPort(), {"amy:s3cret-admin"}), QList<QByteArray>{"admin"});

        r.fx.fake.dialogs.msgAnswers = {mb::Ok};
        r.fx.fake.dialogs.inputAnswers = {u"n3wpass"_s};
        Forms::get<Form3>().changerconpasswordindaemonz_Click();
        QTRY_COMPARE(r.sim.tcpReceived().last(), QByteArray("CHANGERCON n3wpass"));
        QTRY_VERIFY(r.fx.fake.dialogs.shown.size() > before + 3);
        QCOMPARE(askDaemon(r.sim.tcpPort(), {"power1:pass-poweradmin", "getrconpass"}),
                 (QList<QByteArray>{"poweradmin", "n3wpass"}));
    }

    void daemonKilledMidSession() {
        Rig r;
        QVERIFY2(r.start({}, SimServices::RconAndDaemon), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        r.fillDaemon(w, u"admin1"_s, u"admin"_s);
        w.Command3->click();
        QTRY_VERIFY(r.main.isVisible());
        r.sim.kill();
        QTRY_VERIFY(!r.main.isVisible());
        QVERIFY(r.fx.fake.dialogs.texts().contains(
            u"TORVANEX lost connection with the daemon!\r\nPlease wait a few seconds and reconnect again!"_s));
        QVERIFY(w.isVisible());
        QCOMPARE(w.Winsock1->state(), sock::Closed);
    }

    void daemonThatKeepsThePassword() {
        Rig r;
        QVERIFY2(r.start({u"--no-rconpass"_s}, SimServices::RconAndDaemon), qPrintable(r.sim.errorString()));
        Form4& w = r.login;
        w.rconPassTimeoutMs = 200;
        r.fillDaemon(w, u"power1"_s, u"poweradmin"_s);
        w.Command3->click();
        QTRY_VERIFY(w.awaitingRconPass());
        QTRY_VERIFY(!w.awaitingRconPass());
        QCOMPARE(r.fx.fake.dialogs.shown.last().title, u"TORVANEX"_s);
        QVERIFY(!r.main.isVisible());
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TstE2e)
#include "tst_e2e.moc"
