// The admin page: the restart and stop confirmations, unban, bad names, the list labels, and the daemon
// requests (the start label here, the log label beneath the chat log) with the Reader the log opens.
#include "gui/main/main_window.h"
#include "gui/reader_window.h"

#include "support/page_console.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

class TstAdminPage : public QObject {
    Q_OBJECT
private slots:
    void confirmations_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("restart, yes") << u"Label15"_s << int(mb::Yes) << rcon({"Quit"});
        QTest::newRow("restart, no") << u"Label15"_s << int(mb::No) << QList<QByteArray>();
        QTest::newRow("stop, yes") << u"Label76"_s << int(mb::Yes) << rcon({"killserver"});
        QTest::newRow("stop, no") << u"Label76"_s << int(mb::No) << QList<QByteArray>();
    }
    void confirmations() {
        QFETCH(QString, label);
        QFETCH(int, answer);
        QFETCH(QList<QByteArray>, sent);
        PageConsole c;
        c.fx.fake.dialogs.msgAnswers = {answer};
        c.click(label);
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
    }

    void unban_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("shown");
        const QStringList refused{u"msg 64 [Remove Ban] Please fill the ban number!"_s};
        QTest::newRow("zero") << u"0"_s << QList<QByteArray>() << refused;
        QTest::newRow("empty") << QString() << QList<QByteArray>() << refused;
        QTest::newRow("blank and zero") << u" 0"_s << rcon({"pb_sv_unban  0"}) << QStringList();
        QTest::newRow("zero and blank") << u"0 "_s << rcon({"pb_sv_unban 0 "}) << QStringList();
        QTest::newRow("double zero") << u"00"_s << rcon({"pb_sv_unban 00"}) << QStringList();
        QTest::newRow("not a number") << u"abc"_s << rcon({"pb_sv_unban abc"}) << QStringList();
    }
    void unban() {
        QFETCH(QString, number);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, shown);
        PageConsole c;
        c.main.Text11->setText(number);
        c.click(c.main.Label34);
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.boxes(), shown);
    }

    // A cancelled box, an empty name or one with nothing but blanks, control characters and quotes would
    // make PunkBuster kick every player who joins: nothing is sent and nothing more is shown.
    void badNameThatMatchesEveryoneIsNotSent_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("cancelled") << QString() << QList<QByteArray>();
        QTest::newRow("blanks") << u"   "_s << QList<QByteArray>();
        QTest::newRow("tab and blank") << u"\t "_s << QList<QByteArray>();
        QTest::newRow("quotes") << u" \"\" "_s << QList<QByteArray>();
        QTest::newRow("a name among blanks") << u" x "_s << rcon({"pb_sv_badname 30  x "});
        QTest::newRow("a digit") << u"0"_s << rcon({"pb_sv_badname 30 0"});
    }
    void badNameThatMatchesEveryoneIsNotSent() {
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, sent);
        PageConsole c;
        c.fx.fake.dialogs.inputAnswers = {answer};
        c.click(c.main.Label95);
        QCOMPARE(c.sent(), sent);
        QStringList shown{u"input [TORVANEX] Please enter the name you want to block (NAZI)"_s};
        if (!sent.isEmpty())
            shown << u"msg 64 [TORVANEX] "_s + answer + u" added to bad name list!"_s;
        QCOMPARE(c.boxes(), shown);
    }

    // Each list label empties the collected list; a second click replaces the command still waiting, and
    // the list reply is routed only once its command has left.
    void listLabelsReplaceTheWaitingCommand() {
        PageConsole c;
        c.main.PbListText = u"old list"_s;
        c.click(c.main.Label36);
        QCOMPARE(c.main.PbListText, QString());
        c.ticks(1);
        c.main.PbListText = u"stale"_s;
        c.click(c.main.Label96);
        QCOMPARE(c.main.PbListText, QString());
        QCOMPARE(c.main.LastCommand, u"status"_s);
        c.ticks(2);
        QCOMPARE(c.sent(), rcon({"PB_SV_BadNameList"}));
        QCOMPARE(c.main.LastCommand, u"PB_SV_BadNameList"_s);
        c.udp->deliver(replyDatagram("^3PunkBuster Server: Bad Name List: 1 entries\n"));
        c.udp->deliver(replyDatagram("^3PunkBuster Server: [1] (30) Camper\n"));
        c.main.Timer3_Timer();
        c.main.Timer3_Timer();
        QCOMPARE(c.main.Text10->Text(), u" Bad Name List: 1 entries\r\n [1] (30) Camper\r\n"_s);
    }

    void daemonRequests_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<QList<QByteArray>>("daemon");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("logFlag");
        const QString lost = u"msg 16 [Error nº 40006] Error: Wrong protocol or connection state"_s;
        QTest::newRow("start, rcon")
            << u"Labelstart"_s << u"0"_s << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to start "
                           u"server!"_s}
            << QString();
        QTest::newRow("start, mode ' 1'")
            << u"Labelstart"_s << u" 1"_s << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to start server!"_s}
            << QString();
        QTest::newRow("start, daemon")
            << u"Labelstart"_s << u"1"_s << true << QList<QByteArray>{"startserver"}
            << QStringList{u"msg 0 [Start Server] Server should be starting up!"_s} << QString();
        QTest::newRow("start, link down")
            << u"Labelstart"_s << u"1"_s << false << QList<QByteArray>() << QStringList{lost} << QString();
        QTest::newRow("log, rcon")
            << u"Label93"_s << u"0"_s << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to get logs!"_s} << QString();
        QTest::newRow("log, daemon") << u"Label93"_s << u"1"_s << true << QList<QByteArray>{"getlog"}
                                     << QStringList{u"msg 0 [Log] Getting Log"_s} << u"1"_s;
        QTest::newRow("log, link down")
            << u"Label93"_s << u"1"_s << false << QList<QByteArray>() << QStringList{lost} << u"1"_s;
    }
    void daemonRequests() {
        QFETCH(QString, label);
        QFETCH(QString, mode);
        QFETCH(bool, linkUp);
        QFETCH(QList<QByteArray>, daemon);
        QFETCH(QStringList, shown);
        QFETCH(QString, logFlag);
        PageConsole c(mode);
        if (!linkUp)
            c.tcp->currentState = sock::Closed;
        const QString terminal = c.main.txtOutput->Text();
        c.click(label);
        QCOMPARE(c.tcp->sent, daemon);
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.login.LogRequested, logFlag);
        // Not an rcon command: no datagram, no echo, the last command unchanged.
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.main.txtOutput->Text(), terminal);
        QCOMPARE(c.main.LastCommand, u"status"_s);
        QVERIFY(!c.main.Timer2->Enabled());
    }

    // The log label lies beneath the chat log, yet its handler runs; the daemon's answer opens the Reader.
    void daemonLogOpensTheReader() {
        PageConsole c(u"1"_s);
        c.main.UconSetupDone = u"1"_s;
        c.main.Image6_Click();
        QVERIFY(c.main.txtsay2->geometry().contains(c.main.Label93->geometry()));
        c.fx.fake.dialogs.whileOpen = [&] {
            c.tcp->deliver("[2009-12-08 20:58:11] TORVANEX Daemon started\r\n");
        };
        QTest::mouseClick(c.main.Label93, Qt::LeftButton);
        QCOMPARE(c.tcp->sent, QList<QByteArray>{"getlog"});
        tvx::log* reader = Forms::ifLoaded<tvx::log>();
        QVERIFY(reader && reader->isVisible());
        QCOMPARE(reader->Text1->Text(), u"[2009-12-08 20:58:11] TORVANEX Daemon started\r\n"_s);
        QCOMPARE(c.login.LogRequested, u"0"_s);
    }
};

QTEST_MAIN(TstAdminPage)
#include "tst_admin_page.moc"
