// Daemon mode through fake sockets: "Login", the login timer, the daemon's messages, the hand-over that
// waits for the rcon password (and the one of RCON mode beside it), lost links and socket errors.
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"

#include "support/core_values.h"
#include "support/fake_platform.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

struct DaemonLogin {
    WindowsFixture fx;
    Form4& w = Forms::get<Form4>();
    FakeTcpClient* link = fx.fake.tcp();
    explicit DaemonLogin(const QString& level = u"poweradmin"_s) {
        w.Show();
        w.Option1->click();
        w.Text3->setText(u"127.0.0.1"_s);
        w.Text9->setText(u"28970"_s);
        w.Text1->setText(u"bob"_s);
        w.Text2->setText(u"pass"_s);
        w.Combo1->setEditText(level);
        w.Text4->setText(u"127.0.0.1"_s);
        w.Text5->setText(u"28960"_s);
    }
    void login() {
        w.Command3->click();
        w.Timer1_Timer();
    }
    Main& main() { return Forms::get<Main>(); }
    FakeUdpSocket* udp() { return fx.fake.udp(); }
};

} // namespace

class TstDaemon : public QObject {
    Q_OBJECT
private slots:
    void loginNeedsAddressAndWholePort_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("connects");
        QTest::newRow("good") << u"127.0.0.1"_s << u"28970"_s << true;
        QTest::newRow("no address") << QString() << u"28970"_s << false;
        QTest::newRow("no port") << u"127.0.0.1"_s << QString() << false;
        QTest::newRow("letters") << u"127.0.0.1"_s << u"abc"_s << false;
        QTest::newRow("fraction") << u"127.0.0.1"_s << u"12.5"_s << false;
        QTest::newRow("out of range") << u"127.0.0.1"_s << u"70000"_s << false;
        QTest::newRow("negative") << u"127.0.0.1"_s << u"-1"_s << false;
    }
    void loginNeedsAddressAndWholePort() {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(bool, connects);
        DaemonLogin d;
        d.w.Text3->setText(address);
        d.w.Text9->setText(port);
        d.w.Command3->click();
        QCOMPARE(d.w.Timer1->Enabled(), connects);
        QCOMPARE(d.link->state(), connects ? sock::Connected : sock::Closed);
        if (!connects) {
            QCOMPARE(d.fx.fake.dialogs.texts(),
                     QStringList{u"Please set your TORVANEX Daemon IP and Port"_s});
            QCOMPARE(d.fx.fake.dialogs.shown[0].title, u"TORVANEX"_s);
            QCOMPARE(d.fx.fake.dialogs.shown[0].style, mb::Information);
            QCOMPARE(d.fx.fake.system.endCalls, 0);
        } else {
            QCOMPARE(d.link->remotePort, 28970);
        }
    }

    void loginTimer() {
        DaemonLogin d(u"  admin "_s);
        d.link->connectsAtOnce = false;
        d.w.Command3->click();
        d.w.Timer1_Timer();
        QCOMPARE(d.w.Label3->Caption(), u"Not currently connected to host"_s);
        QVERIFY(d.w.Timer1->Enabled());
        QVERIFY(!d.w.Command1->isEnabled());
        d.link->currentState = sock::Connected;
        d.w.Timer1_Timer();
        QCOMPARE(d.link->sent, QList<QByteArray>{"bob:pass-admin"});
        QCOMPARE(d.w.Label3->Caption(), u"Sending Data"_s);
        QVERIFY(d.w.Command1->isEnabled());
        QVERIFY(!d.w.Timer1->Enabled());
        d.link->sendComplete();
        QCOMPARE(d.w.Label3->Caption(), u"Completed Data Transmission"_s);
    }

    void loginTimerWantsEveryField_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("level");
        QTest::newRow("blank level") << u"bob"_s << u"pass"_s << u" "_s;
        QTest::newRow("no level") << u"bob"_s << u"pass"_s << QString();
        QTest::newRow("no password") << u"bob"_s << QString() << u"mp"_s;
        QTest::newRow("no user") << QString() << u"pass"_s << u"mp"_s;
    }
    void loginTimerWantsEveryField() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, level);
        DaemonLogin d(level);
        d.w.Text1->setText(user);
        d.w.Text2->setText(password);
        // The 60 ms ticks go on while a box is open: the timer must be stopped before it.
        bool tickingWhileOpen = true;
        d.fx.fake.dialogs.whileOpen = [&] { tickingWhileOpen = d.w.Timer1->Enabled(); };
        d.login();
        QVERIFY(!tickingWhileOpen);
        QCOMPARE(d.fx.fake.dialogs.texts(),
                 QStringList{u"Please enter both username, password and select level!"_s});
        QCOMPARE(d.fx.fake.dialogs.shown[0].title, u"Login"_s);
        QCOMPARE(d.fx.fake.dialogs.shown[0].style, mb::Critical);
        QVERIFY(!d.w.Timer1->Enabled());
        QVERIFY(d.link->sent.isEmpty());
    }

    void passwordArrivingWhileTheGreetingIsOpen() {
        DaemonLogin d;
        d.login();
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
        d.link->deliver("mp"); // the word only signals acceptance
        QCOMPARE(d.fx.fake.dialogs.texts(), QStringList{u"Access Granted to bob as poweradmin"_s});
        QCOMPARE(d.fx.fake.dialogs.shown[0].title, QString());
        QCOMPARE(d.fx.fake.dialogs.shown[0].style, mb::OkOnly);
        QCOMPARE(d.w.statusz, u"poweradmin"_s);
        QCOMPARE(d.w.RconPassPending, u"0"_s);
        Main& m = d.main();
        QVERIFY(m.isVisible());
        QVERIFY(!d.w.isVisible());
        QVERIFY(Forms::isLoaded<Form4>());
        QCOMPARE(m.level, u"poweradmin"_s);
        QCOMPARE(m.DaemonMode, u"1"_s);
        QCOMPARE(d.udp()->sent, QList<QByteArray>{rconDatagram("secret", "status")});
        QCOMPARE(d.link->sent, (QList<QByteArray>{"bob:pass-poweradmin", "getrconpass", "bob - status"}));
        QCOMPARE(d.w.Label3->Caption(), u"Received Data!"_s);
    }

    void passwordArrivingAfterTheGreetingClosed() {
        DaemonLogin d;
        d.login();
        d.link->deliver("poweradmin");
        QVERIFY(d.w.awaitingRconPass());
        QVERIFY(!d.main().isVisible());
        QVERIFY(d.udp()->sent.isEmpty());
        d.link->deliver("late secret");
        QVERIFY(d.main().isVisible());
        QVERIFY(!d.w.awaitingRconPass());
        QCOMPARE(d.udp()->sent, QList<QByteArray>{rconDatagram("late secret", "status")});
    }

    // The console holds the whole session the login handed over and the UCON credentials it gave, in either
    // mode and whenever the daemon's password came; the password was in before the first datagram left.
    void consoleHoldsTheWholeHandOver_data() {
        QTest::addColumn<bool>("daemon");
        QTest::addColumn<bool>("passwordDuringGreeting");
        QTest::addColumn<SessionHandOver>("expected");
        QTest::newRow("RCON") << false << false
                              << SessionHandOver{u"127.0.0.1"_s, u"28960"_s, u"typed"_s, u"0"_s, {}};
        QTest::newRow("Daemon, password during the greeting")
            << true << true
            << SessionHandOver{u"127.0.0.1"_s, u"28960"_s, u"secret"_s, u"1"_s, u"poweradmin"_s};
        QTest::newRow("Daemon, password after the greeting")
            << true << false
            << SessionHandOver{u"127.0.0.1"_s, u"28960"_s, u"secret"_s, u"1"_s, u"poweradmin"_s};
    }
    void consoleHoldsTheWholeHandOver() {
        QFETCH(bool, daemon);
        QFETCH(bool, passwordDuringGreeting);
        QFETCH(SessionHandOver, expected);
        DaemonLogin d;
        if (daemon) {
            d.login();
            if (passwordDuringGreeting)
                d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
            d.link->deliver("poweradmin");
            if (!passwordDuringGreeting)
                d.link->deliver("secret");
        } else {
            d.w.Option2->click();
            d.w.Text6->setText(u"typed"_s);
            d.w.Command1->click();
        }
        Main& m = d.main();
        QVERIFY(m.isVisible());
        QCOMPARE(m.session(), expected);
        QCOMPARE((UconCredentials{m.Text40, m.Text41, m.Text42}), uconCredentials(u"192.168.1.20"_s));
        QCOMPARE(d.udp()->sent, QList<QByteArray>{rconDatagram(expected.password.toLatin1(), "status")});
    }

    void passwordThatNeverComes() {
        DaemonLogin d;
        d.w.rconPassTimeoutMs = 1;
        d.login();
        d.link->deliver("poweradmin");
        QTRY_VERIFY_WITH_TIMEOUT(!d.w.awaitingRconPass(), 2000);
        QCOMPARE(d.fx.fake.dialogs.shown.size(), 2);
        QCOMPARE(d.fx.fake.dialogs.shown[1].title, u"TORVANEX"_s);
        QCOMPARE(d.fx.fake.dialogs.shown[1].style, mb::Critical);
        QVERIFY(d.w.isVisible());
        QVERIFY(!d.main().isVisible());
        QCOMPARE(d.w.RconPassPending, u"0"_s);
    }

    void linkLostWhileWaitingForThePassword() {
        DaemonLogin d;
        d.login();
        d.link->deliver("poweradmin");
        d.link->fail(err::WrongState, u"lost"_s);
        QVERIFY(!d.w.awaitingRconPass());
        QCOMPARE(d.fx.fake.dialogs.shown.last().title, u"TORVANEX"_s);
        QVERIFY(d.w.isVisible());
        QVERIFY(!d.main().isVisible());
        QCOMPARE(d.link->state(), sock::Closed);
    }

    // The granted login hands over to Connect, whose socket cannot reach such an address: the error is
    // shown and the login window comes back instead of a console that waits for ever.
    void serverAddressThatCannotBeReached_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << u"  "_s;
        QTest::newRow("unknown name") << u"nowhere.example"_s;
    }
    void serverAddressThatCannotBeReached() {
        QFETCH(QString, address);
        DaemonLogin d;
        d.w.Text4->setText(address);
        d.login();
        d.main();
        QVERIFY(d.udp());
        d.udp()->unknownHosts << u"nowhere.example"_s;
        d.link->deliver("poweradmin");
        d.link->deliver("secret");
        QCOMPARE(d.fx.fake.dialogs.texts(), (QStringList{u"Access Granted to bob as poweradmin"_s,
                                                         u"An Error Has Occured!\r\nHost not found"_s}));
        QCOMPARE(d.fx.fake.dialogs.shown[1].title, u"Error nº: 11001"_s);
        QCOMPARE(d.fx.fake.dialogs.shown[1].style, mb::Critical);
        QVERIFY(d.w.isVisible());
        QVERIFY(!d.main().isVisible());
        QVERIFY(d.udp()->sent.isEmpty());
        QCOMPARE(d.link->sent, (QList<QByteArray>{"bob:pass-poweradmin", "getrconpass"}));
    }

    void refusedLoginIsReportedByConnect() {
        DaemonLogin d;
        d.login();
        d.link->deliver("Login refused");
        QCOMPARE(d.w.statusz, u"none"_s);
        QVERIFY(d.fx.fake.dialogs.shown.isEmpty());
        d.w.Command1->click();
        QCOMPARE(d.fx.fake.dialogs.texts(),
                 QStringList{u"Access Denied to bob : Check is password, username and level are correct!"_s});
        QVERIFY(!d.w.Command1->isEnabled());
    }

    // A notice answers a user request (the Tools menu's tests show the asked ones): one that nothing here
    // asked for opens no box, however often it comes.
    void unaskedNoticesShowNothing_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("adduser") << QByteArray("ADDUSER User x added");
        QTest::newRow("changercon") << QByteArray("CHANGERCON Rcon password changed");
        QTest::newRow("prefix alone") << QByteArray("ADDUSER");
    }
    void unaskedNoticesShowNothing() {
        QFETCH(QByteArray, message);
        DaemonLogin d;
        d.login();
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
        d.link->deliver("poweradmin");
        QVERIFY(d.main().isVisible());
        d.fx.fake.dialogs.shown.clear();
        for (int i = 0; i < 3; ++i)
            d.link->deliver(message);
        QVERIFY(d.fx.fake.dialogs.shown.isEmpty());
        QCOMPARE(d.w.Label3->Caption(), u"Received Data!"_s);
        QCOMPARE(d.w.statusz, u"poweradmin"_s);
    }

    void requestedLogOpensTheReader() {
        DaemonLogin d;
        d.w.islo(u"1"_s);
        d.link->deliver("line one\r\nline two");
        QVERIFY(Forms::get<tvx::log>().isVisible());
        QCOMPARE(Forms::get<tvx::log>().Text1->Text(), u"line one\r\nline two"_s);
        QCOMPARE(d.w.Label3->Caption(), u"Received Log"_s);
        QCOMPARE(d.w.LogRequested, u"0"_s);
    }

    void lostLinkOnceLoggedIn() {
        DaemonLogin d;
        d.login();
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
        d.link->deliver("poweradmin");
        QVERIFY(d.main().isVisible());
        d.link->fail(err::WrongState, u"lost"_s);
        QCOMPARE(
            d.fx.fake.dialogs.texts().last(),
            u"TORVANEX lost connection with the daemon!\r\nPlease wait a few seconds and reconnect again!"_s);
        QCOMPARE(d.fx.fake.dialogs.shown.last().title, u"TORVANEX"_s);
        QCOMPARE(d.link->state(), sock::Closed);
        QVERIFY(!d.main().isVisible());
        QCOMPARE(d.main().Label6->Caption(), u"loading..."_s);
        QVERIFY(d.w.isVisible()); // never left without a window
    }

    void otherSocketErrors() {
        DaemonLogin d;
        d.link->connectsAtOnce = false;
        d.w.Command3->click();
        d.link->fail(err::ConnectionRefused, u"Connection is forcefully rejected"_s);
        QCOMPARE(d.fx.fake.dialogs.texts(),
                 QStringList{u"An error has occured!\r\nConnection is forcefully rejected"_s});
        QCOMPARE(d.fx.fake.dialogs.shown[0].title, u"Error n:10061"_s);
        QCOMPARE(d.fx.fake.dialogs.shown[0].style, mb::Critical);
        QVERIFY(d.w.Timer1->Enabled());
        QCOMPARE(d.link->state(), sock::Connecting);
    }

    void levelWordAgainRepeatsTheAcceptance() {
        DaemonLogin d;
        d.login();
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
        d.link->deliver("poweradmin");
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret2"); };
        d.link->deliver("admin");
        QCOMPARE(d.link->sent.count("getrconpass"), 2);
        QCOMPARE(d.udp()->sent.last(), rconDatagram("secret2", "status"));
    }

    void levelWordsDuringTheAcceptanceOpenNoSecondBox() {
        DaemonLogin d;
        d.login();
        // A daemon that answers every message with a level word: each would open its box inside the last.
        int delivered = 0;
        std::function<void()> again = [&] {
            d.link->deliver(++delivered % 2 ? "secret" : "admin");
            if (delivered < 6)
                again();
        };
        d.fx.fake.dialogs.whileOpen = again;
        d.link->deliver("poweradmin");
        QCOMPARE(d.fx.fake.dialogs.texts(), QStringList{u"Access Granted to bob as poweradmin"_s});
        QCOMPARE(d.link->sent.count("getrconpass"), 1);
        QCOMPARE(d.udp()->sent.last(), rconDatagram("secret", "status"));
    }

    void everyCommandLeavesTwice() {
        DaemonLogin d;
        d.login();
        d.fx.fake.dialogs.whileOpen = [&] { d.link->deliver("secret"); };
        d.link->deliver("poweradmin");
        Main& m = d.main();
        d.link->sent.clear();
        m.Send(u"say hi"_s);
        m.WaitSend(u"mapname"_s);
        QCOMPARE(d.link->sent, (QList<QByteArray>{"bob - say hi", "bob - mapname"}));
        m.Timer2_Timer();
        m.Timer2_Timer();
        QCOMPARE(d.link->sent.last(), QByteArray("bob - mapname"));
        QCOMPARE(d.udp()->sent.last(), rconDatagram("secret", "mapname"));
    }
};

QTEST_MAIN(TstDaemon)
#include "tst_daemon.moc"
