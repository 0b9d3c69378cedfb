// The main window's rcon link and reply routing, driven through fake sockets and a fixed clock.
#include "core/link/rcon_protocol.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"

#include "support/console_fixture.h"
#include "support/fake_platform.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QTest>
#include <QUdpSocket>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

// A console handed over in the given mode but not connected, with the daemon link down; its timers run.
struct Session : ConsoleFixture {
    explicit Session(const QString& mode = u"0"_s, Sockets sockets = Sockets::Fake)
        : ConsoleFixture(mode, {}, Timers::Running, Connection::NotConnected, sockets) {}
    // Runs the delayed-send timer until it sends (at most `ticks` ticks).
    void tick2(int ticks = 2) {
        for (int i = 0; i < ticks && main.Timer2->Enabled(); ++i)
            main.Timer2_Timer();
    }
};

} // namespace

class TstLink : public QObject {
    Q_OBJECT
private slots:
    void connectAimsTheSocketAndSendsStatus() {
        Session s;
        QVERIFY(s.main.Connect());
        QCOMPARE(s.udp->remoteHost, u"127.0.0.1"_s);
        QCOMPARE(s.udp->remotePort, 28960);
        QCOMPARE(s.udp->sent, QList<QByteArray>{rconDatagram("pw", "status")});
        QCOMPARE(s.main.LastCommand, u"status"_s);
        QCOMPARE(s.main.txtOutput->Text(), u"\r\n[22:10:00] - /status\r\n"_s);
        // The password box is copied once: later changes do not reach the datagram.
        s.main.SetRconPassword(u"other"_s);
        s.main.Send(u"say hi"_s);
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "say hi"));
    }

    void connectWithBadPortShowsTheErrorAndTheLoginWindow() {
        Session s;
        s.main.Text4->setText(u"abc"_s);
        QVERIFY(!s.main.Connect());
        const ShownBox box = s.fx.fake.dialogs.shown.value(0);
        QCOMPARE(box.title, u"Error nº: 13"_s);
        QCOMPARE(box.text, u"An Error Has Occured!\r\nType mismatch"_s);
        QCOMPARE(box.style, mb::Critical);
        QVERIFY(Forms::isLoaded<Form4>());
        QVERIFY(Forms::get<Form4>().isVisible());
        QCOMPARE(s.main.ServerPort, u"abc"_s);
        QCOMPARE(s.main.RconPassword, u"pw"_s);
        QCOMPARE(s.udp->state(), sock::Closed);
    }

    void connectToAHostThatCannotBeReached_data() {
        QTest::addColumn<QString>("host");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << u" "_s;
        QTest::newRow("unknown name") << u"nowhere.example"_s;
    }
    void connectToAHostThatCannotBeReached() {
        QFETCH(QString, host);
        Session s;
        s.udp->unknownHosts << u"nowhere.example"_s;
        s.main.Text3->setText(host);
        QVERIFY(!s.main.Connect());
        QCOMPARE(s.fx.fake.dialogs.texts(), QStringList{u"An Error Has Occured!\r\nHost not found"_s});
        QCOMPARE(s.fx.fake.dialogs.shown[0].title, u"Error nº: 11001"_s);
        QVERIFY(Forms::get<Form4>().isVisible());
        QCOMPARE(s.udp->state(), sock::Closed);
        QVERIFY(s.udp->sent.isEmpty());
        QCOMPARE(s.main.ServerHost, host);
    }

    // After a reset, a new login lists the new server's players only.
    void newSessionCountsOnlyItsOwnReplies() {
        Session s;
        s.main.Connect();
        s.udp->deliver(replyDatagram(twoPlayerStatus()));
        const int rows = s.main.Grid->Rows();
        s.main.Image4_Click();
        s.main.Connect();
        s.udp->deliver(replyDatagram(twoPlayerStatus()));
        QCOMPARE(s.main.Label4->Caption(), u"2"_s);
        QCOMPARE(s.main.Grid->Rows(), rows);
    }

    // A reply from anywhere but the server does not count: a spoofed "Invalid password." from another
    // port on the same machine does not end the session.
    void spoofedReplyIsIgnored() {
        Session s(u"0"_s, Sockets::Real);
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QUdpSocket spoofer;
        QVERIFY(spoofer.bind(QHostAddress::LocalHost, 0));
        Main& m = s.main;
        m.Text4->setText(QString::number(server.localPort()));
        m.Show();
        QVERIFY(m.Connect());
        m.Send(u"mapname"_s);
        QTRY_VERIFY(server.hasPendingDatagrams());
        const QNetworkDatagram asked = server.receiveDatagram();
        const QHostAddress console = asked.senderAddress();
        const auto consolePort = static_cast<quint16>(asked.senderPort());
        spoofer.writeDatagram(replyDatagram("Invalid password.\n"), console, consolePort);
        server.writeDatagram(replyDatagram("\"mapname\" is: \"mp_castle^7\" default: \"^7\"\n"), console,
                             consolePort);
        QTRY_COMPARE(m.Label3->Caption(), u"mp_castle"_s);
        QVERIFY(s.fx.fake.dialogs.shown.isEmpty());
        QVERIFY(m.isVisible());
        QVERIFY(!m.Text6.contains(u"Invalid password."_s));
    }

    void delayedSendLeavesOnTheSecondTick() {
        Session s;
        s.main.Connect();
        s.main.WaitSend(u"mapname"_s);
        s.main.Timer2_Timer();
        QCOMPARE(s.main.TickCount, u"2"_s);
        QCOMPARE(s.udp->sent.size(), 1);
        s.main.Timer2_Timer();
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "mapname"));
        QVERIFY(!s.main.Timer2->Enabled());
        QCOMPARE(s.main.TickCount, u"2"_s);
        QCOMPARE(s.main.PendingCommand, u"mapname"_s);
    }

    void secondDelayedSendReplacesTheFirst() {
        Session s(u"1"_s);
        FakeTcpClient* daemon = s.tcp;
        daemon->currentState = sock::Connected;
        s.main.Connect();
        s.main.WaitSend(u"first"_s);
        s.main.Timer2_Timer();
        s.main.WaitSend(u"second"_s);
        s.tick2();
        QCOMPARE(s.udp->sent,
                 (QList<QByteArray>{rconDatagram("pw", "status"), rconDatagram("pw", "second")}));
        QCOMPARE(daemon->sent,
                 (QList<QByteArray>{"bob - status", "bob - first", "bob - second", "bob - second"}));
    }

    void refusedDelayedSendIsNotRetried() {
        Session s;
        s.main.Connect();
        s.main.WaitSend(u"mapname"_s);
        s.main.Disconnect();
        s.tick2();
        QVERIFY(!s.main.Timer2->Enabled());
        QCOMPARE(s.udp->sent.size(), 1);
    }

    void daemonCopyFailureStopsTheSend() {
        Session s(u"1"_s);
        s.main.Connect(); // the copy fails: no datagram
        QCOMPARE(s.udp->sent.size(), 0);
        QCOMPARE(s.fx.fake.dialogs.shown.value(0).title, u"Error nº: 40006"_s);
    }

    void modeFlagMirror_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("mirror");
        QTest::newRow("daemon") << u"1"_s << u"1"_s;
        QTest::newRow("rcon") << u"0"_s << u"0"_s;
        QTest::newRow("empty") << QString() << u"0"_s;
        QTest::newRow("blank one") << u" 1"_s << u"0"_s;
    }
    void modeFlagMirror() {
        QFETCH(QString, mode);
        QFETCH(QString, mirror);
        Session s(mode);
        s.main.IsThisDaemon();
        QCOMPARE(s.main.Text43, mirror);
        s.main.Connect();
        QCOMPARE(s.tcp->sent.size(), 0);
    }

    void statusFillsTheGridAndAsksTheMap() {
        Session s;
        s.main.Connect();
        s.udp->deliver(replyDatagram(twoPlayerStatus()));
        FlexGrid* g = s.main.Grid;
        QCOMPARE(g->FixedRows(), 1);
        QCOMPARE(g->TextMatrix(0, 0), u"Name"_s);
        QCOMPARE(g->TextMatrix(0, 5), u"IP:Port"_s);
        // The header's leftovers and the dash rule stay as rows above the players.
        QCOMPARE(g->Rows(), 6);
        QCOMPARE(g->TextMatrix(3, 0), u"Bob            "_s);
        QCOMPARE(g->TextMatrix(3, 3), u"1234567890"_s);
        QCOMPARE(g->TextMatrix(3, 4), u"  0"_s);
        QCOMPARE(g->TextMatrix(3, 5), u"10.0.0.5:28960"_s);
        QCOMPARE(g->TextMatrix(4, 0), u"^1Al^2ice      "_s);
        QCOMPARE(g->TextMatrix(4, 4), u"  1"_s);
        QCOMPARE(g->TextMatrix(4, 5), u"192.168.77.141:28960"_s);
        QCOMPARE(s.main.Label4->Caption(), u"2"_s);
        QCOMPARE(g->ColWidth(3), 4040);
        s.tick2();
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "mapname"));
    }

    // A reply in several datagrams that waited together is parsed once, after the last of them, into the
    // grid the datagrams give one by one.
    void statusBurstRebuildsTheGridOnce() {
        const QByteArray reply = twoPlayerStatus();
        const QList<QByteArray> parts = {replyDatagram(reply.left(100)), replyDatagram(reply.mid(100, 150)),
                                         replyDatagram(reply.mid(250))};
        const auto cells = [](const FlexGrid* g) {
            QStringList out;
            for (int r = 0; r < g->Rows(); ++r) {
                for (int c = 0; c < g->Cols(); ++c)
                    out << g->TextMatrix(r, c);
            }
            return out;
        };
        QStringList oneByOne;
        {
            Session s;
            s.main.Connect();
            for (const QByteArray& p : parts)
                s.udp->deliver(p);
            oneByOne = cells(s.main.Grid);
        }
        Session s;
        s.main.Connect();
        QStringList parsedDuringTheBurst;
        connect(s.udp, &UdpSocket::dataArrival, this, [&] { parsedDuringTheBurst << s.main.Text1; });
        s.udp->deliverBurst(parts);
        QCOMPARE(parsedDuringTheBurst, QStringList(3, QString()));
        QCOMPARE(cells(s.main.Grid), oneByOne);
        QCOMPARE(s.main.Label4->Caption(), u"2"_s);
        QCOMPARE(s.main.Grid->TextMatrix(4, 5), u"192.168.77.141:28960"_s);
        s.tick2();
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "mapname"));
    }

    // Replies that never stop keep only the newest text, in whole lines, and a status reply still parses
    // from what is kept.
    void floodKeepsTheNewestReplies() {
        Session s;
        s.main.Connect();
        s.main.LastCommand = u"say"_s;
        QByteArray flood;
        for (int i = 0; flood.size() < 1350; ++i)
            flood += "console: " + QByteArray::number(i) + " some chatter of a busy server ^7 here\n";
        const qsizetype terminalLimit = Main::kTerminalScrollback;
        QList<QByteArray> burst;
        for (qsizetype sent = 0; sent < terminalLimit + terminalLimit / 2; sent += flood.size())
            burst << replyDatagram(flood);
        s.udp->deliverBurst(burst);
        QVERIFY(s.main.Text6.size() <= Main::kCollectedRepliesLimit);
        QVERIFY(s.main.Text6.size() >= Main::kCollectedRepliesLimit / 2);
        QVERIFY(s.main.Text6.startsWith(u"console: "_s));
        const QString& terminal = s.main.txtOutput->Text();
        QVERIFY(terminal.size() <= terminalLimit);
        QVERIFY(terminal.size() >= terminalLimit / 2);
        QVERIFY(terminal.startsWith(u"console: "_s));
        QVERIFY(terminal.endsWith(cleanReply(burst.last())));
        QCOMPARE(s.main.txtOutput->toPlainText(), displayText(terminal));

        s.main.LastCommand = u"status"_s;
        s.udp->deliver(replyDatagram(twoPlayerStatus()));
        QCOMPARE(s.main.Label4->Caption(), u"2"_s);
        QVERIFY(s.main.Text6.size() <= Main::kCollectedRepliesLimit);
    }

    // The terminal's display follows its text when the oldest lines go, whatever the line ends.
    void scrollbackKeepsTextAndDisplayTogether_data() {
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("whole lines") << QStringList(12, u"abc\r\n"_s);
        QTest::newRow("breaks split over appends")
            << QStringList{u"abcdef\r"_s, u"\nghij\r"_s, u"\nklmnop\r"_s, u"\nqrs"_s, u"tuv\r"_s, u"\n"_s};
        QTest::newRow("lone CRs and LFs") << QStringList(8, u"a\rb\nc\r\n"_s);
        QTest::newRow("one long line") << QStringList(9, u"xyz12"_s);
    }
    void scrollbackKeepsTextAndDisplayTogether() {
        QFETCH(QStringList, pieces);
        VbTextBox box(nullptr, u"box"_s);
        box.setScrollback(16);
        QString all;
        for (const QString& p : pieces) {
            box.append(p);
            all += p;
            QVERIFY(box.Text().size() <= 16);
            QVERIFY(all.endsWith(box.Text()));
            QCOMPARE(box.toPlainText(), displayText(box.Text()));
        }
    }

    void invalidPasswordChain() {
        Session s;
        s.main.Show();
        s.main.Connect();
        s.udp->deliver(replyDatagram("Invalid password.\n"));
        QCOMPARE(s.main.Label4->Caption(), u"0"_s);
        s.tick2();
        s.udp->deliver(replyDatagram("Invalid password.\n"));
        QCOMPARE(s.fx.fake.dialogs.texts(), QStringList{u"You have an Invalid password for RCON!"_s});
        QCOMPARE(s.fx.fake.dialogs.shown[0].title, u"TORVANEX"_s);
        QCOMPARE(s.fx.fake.dialogs.shown[0].style, mb::Critical);
        QVERIFY(Forms::get<Form4>().isVisible());
        QVERIFY(!s.main.isVisible());
        QCOMPARE(s.main.Label6->Caption(), u"loading..."_s);
        QCOMPARE(s.main.txtOutput->Text(), QString());
        // "sv_hostname" still leaves, into a closed socket: refused, not retried.
        QCOMPARE(s.main.PendingCommand, u"sv_hostname"_s);
        s.tick2();
        QVERIFY(!s.main.Timer2->Enabled());
    }

    void mapThenHostName() {
        Session s;
        s.main.Connect();
        s.main.Send(u"mapname"_s);
        s.udp->deliver(
            replyDatagram("\"mapname\" is: \"mp_castle^7\" default: \"^7\"\n  Domain is any text\n"));
        QCOMPARE(s.main.Label3->Caption(), u"mp_castle"_s);
        s.tick2();
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "sv_hostname"));
        s.udp->deliver(replyDatagram(
            "\"sv_hostname\" is: \"^2Home^7\" default: \"CoDWaWHost^7\"\n  Domain is any text\n"));
        QCOMPARE(s.main.Label6->Caption(), u"Home"_s);
        // Once the host name is known the map answer asks nothing more.
        s.main.Send(u"mapname"_s);
        s.udp->deliver(
            replyDatagram("\"mapname\" is: \"mp_dome^7\" default: \"^7\"\n  Domain is any text\n"));
        QVERIFY(!s.main.Timer2->Enabled());
    }

    void onOffMarksTheLabels() {
        Session s;
        s.main.Connect();
        s.main.Send(u"g_allowvote"_s);
        s.udp->deliver(replyDatagram("\"g_allowVote\" is: \"0^7\" default: \"1^7\"\n  Domain is 0 or 1\n"));
        QCOMPARE(s.main.Label80->BorderStyle(), 0);
        QCOMPARE(s.main.Label81->BorderStyle(), 1);
        s.udp->deliver(replyDatagram("\"g_allowVote\" is: \"1^7\" default: \"1^7\"\n  Domain is 0 or 1\n"));
        QCOMPARE(s.main.Label80->BorderStyle(), 1);
        QCOMPARE(s.main.Label81->BorderStyle(), 0);
    }

    void serverInfoShowsTheLastDatagramInTheReader() {
        Session s;
        s.main.Connect();
        s.main.Send(u"serverinfo"_s);
        s.udp->deliver(replyDatagram("part one\n"));
        s.udp->deliver(replyDatagram("part two\n"));
        QVERIFY(Forms::get<tvx::log>().isVisible());
        QCOMPARE(Forms::get<tvx::log>().Text1->Text(), u"part two\r\n"_s);
        QVERIFY(s.main.txtOutput->Text().endsWith(u"part one\r\npart two\r\n"_s));
    }

    void listShowsOnTheSecondTickAfterADelayedSend() {
        Session s;
        s.main.Connect();
        s.main.PbListText.clear();
        s.main.WaitSend(u"pb_sv_banlist"_s);
        s.tick2();
        s.udp->deliver(replyDatagram("^3PunkBuster Server: Ban List\n"));
        s.udp->deliver(replyDatagram("^3PunkBuster Server: End of Ban List\n"));
        s.main.Timer3_Timer();
        QCOMPARE(s.main.TickCount, u"3"_s);
        QCOMPARE(s.main.Text10->Text(), QString());
        s.main.Timer3_Timer();
        QVERIFY(!s.main.Timer3->Enabled());
        QCOMPARE(s.main.Text10->Text(), u" Ban List\r\n End of Ban List\r\n"_s);
    }

    // A server that keeps answering the list: the collector and the list box keep only the newest lines,
    // whole, up to the collector's limit.
    void listKeepsItsNewestLines() {
        Session s;
        s.main.Connect();
        s.main.Send(u"pb_sv_banlist"_s);
        const QByteArray filler(90, 'x');
        int n = 0;
        QByteArray lastLine;
        for (qsizetype sent = 0; sent < 2 * Main::kPbListLimit;) {
            QByteArray text;
            while (text.size() < 60000) {
                lastLine = QByteArray::number(1000000 + n++) + ' ' + filler;
                text += "^3PunkBuster Server: " + lastLine + '\n';
            }
            sent += text.size();
            s.udp->deliver(replyDatagram(text));
            QVERIFY(s.main.PbListText.size() <= Main::kPbListLimit);
        }
        for (int i = 0; i < 4 && s.main.Timer3->Enabled(); ++i)
            s.main.Timer3_Timer();
        QVERIFY(!s.main.Timer3->Enabled());
        const QString shown = s.main.Text10->Text();
        QVERIFY(shown.size() <= Main::kPbListLimit);
        QVERIFY(shown.size() > Main::kPbListLimit / 2);
        QVERIFY(shown.endsWith(u' ' + QString::fromLatin1(lastLine) + u"\r\n"_s));
        // Every kept line is whole: " ", the number, " ", the filler.
        const QStringList lines = shown.chopped(2).split(u"\r\n"_s);
        for (const QString& line : lines)
            QVERIFY2(line.size() == 1 + 7 + 1 + filler.size() && line.startsWith(u" 1"_s), qPrintable(line));
        QCOMPARE(s.main.PbListText, shown);
    }

    void timerPassedOverKeepsCounting() {
        Session s;
        s.main.Connect();
        s.main.WaitSend(u"mapname"_s); // "1"
        s.main.LastCommand = u"pb_sv_banlist"_s;
        s.udp->deliver(replyDatagram("x\n")); // Timer3 runs too
        s.main.Timer3_Timer();                // "2", reached on the other timer's tick
        s.main.Timer3_Timer();                // "3"
        s.main.Timer2_Timer();                // "4": Timer3's "3" passed over as well
        for (int i = 0; i < 3; ++i) {
            s.main.Timer3_Timer();
            s.main.Timer2_Timer();
        }
        QCOMPARE(s.main.TickCount, u"10"_s);
        QVERIFY(s.main.Timer2->Enabled());
        QVERIFY(s.main.Timer3->Enabled());
        QCOMPARE(s.udp->sent.size(), 1);
        QCOMPARE(s.main.Text10->Text(), QString());
        // A new delayed send sets the counter back: each timer fires again on its own value.
        s.main.WaitSend(u"mapname"_s);
        s.tick2();
        QCOMPARE(s.udp->sent.last(), rconDatagram("pw", "mapname"));
        s.main.Timer3_Timer();
        s.main.Timer3_Timer();
        QVERIFY(!s.main.Timer3->Enabled());
        QVERIFY(s.main.Text10->Text().contains(u"x"_s));
    }

    void strangeDatagramsAreHandled() {
        Session s;
        s.main.Connect();
        QRandomGenerator rng(7);
        QList<QByteArray> inputs = {QByteArray(), QByteArray(65507, 'x'), QByteArray("no header"),
                                    QByteArray("\xFF\xFF\xFF\xFF", 4)};
        for (int i = 0; i < 50; ++i) {
            QByteArray r(static_cast<int>(rng.bounded(600)), Qt::Uninitialized);
            for (char& c : r)
                c = static_cast<char>(rng.bounded(256));
            inputs << r;
        }
        const char* commands[] = {"status",      "mapname",    "sv_hostname",
                                  "g_allowvote", "serverinfo", "pb_sv_banlist"};
        for (const char* cmd : commands) {
            s.main.LastCommand = QString::fromLatin1(cmd);
            for (const QByteArray& in : inputs)
                s.udp->deliver(in);
        }
        // Everything was collected, up to the collector's own limit.
        QVERIFY(!s.main.Text6.isEmpty());
        QVERIFY(s.main.Text6.size() <= Main::kCollectedRepliesLimit);
        QVERIFY(s.main.txtOutput->Text().size() > 65507);
    }

    void disconnectResetsTheStatusRow() {
        Session s;
        s.main.Show();
        s.main.Connect();
        s.main.Label6->setCaption(u"x"_s);
        s.main.Label4->setCaption(u"5"_s);
        s.main.Disconnect();
        QCOMPARE(s.main.Label6->Caption(), u"loading..."_s);
        QCOMPARE(s.main.Label3->Caption(), u"loading..."_s);
        QCOMPARE(s.main.Label4->Caption(), u"0"_s);
        QCOMPARE(s.main.txtRcon, QString());
        QVERIFY(!s.main.isVisible());
        QCOMPARE(s.udp->state(), sock::Closed);
        QCOMPARE(s.main.RconPassword, u"pw"_s);
    }
};

QTEST_MAIN(TstLink)
#include "tst_link.moc"
