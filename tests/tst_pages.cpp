// The settings and admin pages: every label's command from the command table, the boxes they read and
// show, the delayed list and ping commands, unban, bad names, the daemon requests and the Tools label.
#include "core/commands/command_table.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/reader_window.h"
#include "gui/test_console/test_console.h"

#include "support/fake_platform.h"
#include "support/test_console_cases.h"
#include "support/wire.h"

#include <QTest>

using namespace tvx;
using namespace tvx::test;

namespace {

// A console handed over and connected in the given mode, on screen, with the daemon link up.
struct Console {
    WindowsFixture fx;
    Form4& login = Forms::get<Form4>();
    Main& main = Forms::get<Main>();
    FakeUdpSocket* udp = fx.fake.udp();
    FakeTcpClient* tcp = fx.fake.tcp();
    explicit Console(const QString& mode = u"0"_qs) {
        tcp->currentState = sock::Connected;
        login.Text1->setText(u"bob"_qs);
        main.Text3->setText(u"127.0.0.1"_qs);
        main.Text4->setText(u"28960"_qs);
        main.txtRcon = u"pw"_qs;
        main.IdentDaemon(mode);
        main.level = u"poweradmin"_qs;
        // The timers are ticked by hand.
        main.Timer2->setInterval(3600000);
        main.Timer3->setInterval(3600000);
        main.Connect();
        main.Show();
        udp->sent.clear();
        tcp->sent.clear();
    }
    // Shows the page that holds `w`, then clicks it.
    void click(QWidget* w) {
        if (main.SeeSettings->isAncestorOf(w))
            main.Image7_Click();
        else if (main.seeAdmin->isAncestorOf(w))
            main.Image9_Click();
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void click(const QString& name) {
        auto* w = main.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        click(w);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            main.Timer2_Timer();
    }
    QList<QByteArray> sent() const { return udp->sent; }
    QStringList boxes() const {
        QStringList out;
        for (const ShownBox& b : fx.fake.dialogs.shown) {
            if (b.kind == u"input")
                out << u"input ["_qs + b.title + u"] "_qs + b.text + u" ("_qs + b.defaultText + u')';
            else
                out << b.kind + u' ' + QString::number(b.style) + u" ["_qs + b.title + u"] "_qs + b.text;
        }
        return out;
    }
};

QList<QByteArray> rcon(const QList<QByteArray>& commands) {
    QList<QByteArray> out;
    for (const QByteArray& c : commands)
        out << rconDatagram("pw", c);
    return out;
}

// One click: the label, the boxes it reads ("name=text"), the answer of its input box, the commands sent
// at once, those sent two ticks later, and the boxes shown.
struct LabelCase {
    const char* row;
    const char* label;
    QStringList boxes;
    QStringList answers;
    QList<QByteArray> now;
    QList<QByteArray> later;
    QStringList shown;
};

const QString kPing = u"msg 64 [TORVANEX] Min ping is now: "_qs;

QList<LabelCase> labelCases() {
    return {
        {"server name", "Label18", {u"Text8= My ^1Server "_qs}, {}, {"sv_hostname  My ^1Server "}, {}, {}},
        {"server name, empty box", "Label18", {u"Text8="_qs}, {}, {"sv_hostname "}, {}, {}},
        {"hardcore on", "Label19", {}, {}, {"scr_hardcore 1"}, {}, {}},
        {"hardcore off", "Label20", {}, {}, {"scr_hardcore 0"}, {}, {}},
        {"old school on", "Label21", {}, {}, {"scr_oldschool 1"}, {}, {}},
        {"old school off", "Label22", {}, {}, {"scr_oldschool 0"}, {}, {}},
        {"kill-cam on", "Label24", {}, {}, {"scr_game_allowkillcam 1"}, {}, {}},
        {"kill-cam off", "Label25", {}, {}, {"scr_game_allowkillcam 0"}, {}, {}},
        {"friendly fire on", "Label26", {}, {}, {"scr_team_fftype 1"}, {}, {}},
        {"friendly fire off", "Label27", {}, {}, {"scr_team_fftype 0"}, {}, {}},
        {"friendly fire reflect", "Label77", {}, {}, {"scr_team_fftype 2"}, {}, {}},
        {"friendly fire share", "Label78", {}, {}, {"scr_team_fftype 3"}, {}, {}},
        {"domination", "Label28", {}, {}, {"g_gametype dom"}, {}, {}},
        {"team death match", "Label29", {}, {}, {"g_gametype war"}, {}, {}},
        {"free for all", "Label30", {}, {}, {"g_gametype dm"}, {}, {}},
        {"headquarters", "Label31", {}, {}, {"g_gametype koth"}, {}, {}},
        {"sabotage", "Label32", {}, {}, {"g_gametype sab"}, {}, {}},
        {"search and destroy", "Label33", {}, {}, {"g_gametype sd"}, {}, {}},
        {"war", "Label42", {}, {}, {"g_gametype twar"}, {}, {}},
        {"ping, design values",
         "Label58",
         {},
         {},
         {"sv_minping 0"},
         {"sv_maxping 300"},
         {kPing + u"0 and Max ping is now: 300"_qs}},
        {"ping, as typed",
         "Label58",
         {u"Text27= 5x"_qs, u"Text26="_qs},
         {},
         {"sv_minping  5x"},
         {"sv_maxping "},
         {kPing + u" 5x and Max ping is now: "_qs}},
        {"vote tip", "Label43", {}, {}, {"g_allowvote"}, {}, {}},
        {"vote query", "Label79", {}, {}, {"g_allowvote"}, {}, {}},
        {"vote yes", "Label80", {}, {}, {"g_allowvote 1"}, {}, {}},
        {"vote no", "Label81", {}, {}, {"g_allowvote 0"}, {}, {}},
        {"punkbuster query", "Label82", {}, {}, {"sv_punkbuster"}, {}, {}},
        {"punkbuster on", "Label83", {}, {}, {"sv_punkbuster 1"}, {}, {}},
        {"punkbuster off", "Label84", {}, {}, {"sv_punkbuster 0"}, {}, {}},
        {"voice query", "Label85", {}, {}, {"sv_voice"}, {}, {}},
        {"voice yes", "Label86", {}, {}, {"sv_voice 1"}, {}, {}},
        {"voice no", "Label87", {}, {}, {"sv_voice 0"}, {}, {}},
        {"balance query", "Label88", {}, {}, {"scr_teambalance"}, {}, {}},
        {"balance on", "Label89", {}, {}, {"scr_teambalance 1"}, {}, {}},
        {"balance off", "Label90", {}, {}, {"scr_teambalance 0"}, {}, {}},
        {"host name", "Label6", {}, {}, {"sv_hostname"}, {}, {}},
        {"map name", "Label3", {}, {}, {"mapname"}, {}, {}},
        {"restart server",
         "Label15",
         {},
         {},
         {"Quit"},
         {},
         {u"msg 4 [Restart Server] Are you sure you want to restart server?"_qs}},
        {"stop server",
         "Label76",
         {},
         {},
         {"killserver"},
         {},
         {u"msg 4 [Close Server] Are you sure you want to CLOSE the server?"_qs}},
        {"server info", "Label16", {}, {}, {"serverinfo"}, {}, {}},
        {"system info", "Label17", {}, {}, {"systeminfo"}, {}, {}},
        {"screenshots",
         "Label23",
         {},
         {},
         {"pb_sv_getss"},
         {},
         {u"msg 0 [] Screenshots are being taken!"_qs}},
        {"ban list",
         "Label36",
         {},
         {},
         {},
         {"pb_sv_banlist"},
         {u"msg 64 [Ban list] This may take a few seconds!"_qs}},
        {"unban", "Label34", {u"Text11=12"_qs}, {}, {"pb_sv_unban 12"}, {}, {}},
        {"punkbuster restart",
         "Label94",
         {},
         {},
         {"pb_sv_restart"},
         {},
         {u"msg 768 [TORVANEX] Punkbuster should be restarting now!"_qs}},
        {"bad name",
         "Label95",
         {},
         {u"Camper"_qs},
         {"pb_sv_badname 30 Camper"},
         {},
         {u"input [TORVANEX] Please enter the name you want to block (NAZI)"_qs,
          u"msg 64 [TORVANEX] Camper added to bad name list!"_qs}},
        {"bad name, the proposed one",
         "Label95",
         {},
         {},
         {"pb_sv_badname 30 NAZI"},
         {},
         {u"input [TORVANEX] Please enter the name you want to block (NAZI)"_qs,
          u"msg 64 [TORVANEX] NAZI added to bad name list!"_qs}},
        {"bad-name list",
         "Label96",
         {},
         {},
         {},
         {"PB_SV_BadNameList"},
         {u"msg 512 [TORVANEX] Check the list on the \u00B4Banned Management\u00B4"_qs}},
        {"private slots",
         "Label99",
         {u"Text44= 8 "_qs},
         {},
         {"sv_privateclients 8"},
         {},
         {u"msg 0 [] Private Slots Defined to: 8"_qs}},
        {"private slots, empty",
         "Label99",
         {u"Text44=  "_qs},
         {},
         {"sv_privateclients "},
         {},
         {u"msg 0 [] Private Slots Defined to: "_qs}},
        {"slots password",
         "Label101",
         {u"Text45=  Se cret "_qs},
         {},
         {"set sv_privatePassword Se cret"},
         {},
         {u"msg 0 [] Private Slots Password Defined as Se cret"_qs}},
        {"slots password, design text",
         "Label101",
         {},
         {},
         {"set sv_privatePassword Password"},
         {},
         {u"msg 0 [] Private Slots Password Defined as Password"_qs}},
    };
}

// The window a command row's control lives on (loaded if needed).
QWidget* windowOf(CommandWindow window) {
    switch (window) {
    case CommandWindow::Main:
        break;
    case CommandWindow::Form1:
        return &Forms::get<Form1>();
    }
    return &Forms::get<Main>();
}

} // namespace

class TstPages : public QObject {
    Q_OBJECT
private slots:
    void everyTableNameExistsOnItsWindow() {
        WindowsFixture fx;
        QSet<QString> covered{u"Labelstart"_qs, u"Label93"_qs}; // the daemon requests, tested below
        for (const LabelCase& c : labelCases())
            covered << QString::fromLatin1(c.label);
        QSet<QString> coveredOnTestConsole;
        for (const TestConsoleCase& c : testConsoleCases())
            coveredOnTestConsole << QString::fromLatin1(c.control);
        for (const CommandRow& row : commandTable()) {
            const QString where = commandWindowName(row.window) + u'.' + row.control.toString();
            QWidget* window = windowOf(row.window);
            QVERIFY2(window->findChild<QObject*>(row.control.toString()), qPrintable(where));
            QVERIFY2(window->findChildren<QWidget*>(row.control.toString()).size() <= 1, qPrintable(where));
            const bool readsBox =
                row.completion == Completion::Box || row.completion == Completion::BoxTrimmed;
            QCOMPARE(row.box.isEmpty(), !readsBox);
            if (readsBox)
                QVERIFY2(window->findChild<QLineEdit*>(row.box.toString()), qPrintable(where));
            const QSet<QString>& cases = row.window == CommandWindow::Form1 ? coveredOnTestConsole : covered;
            QVERIFY2(cases.contains(row.control.toString()), qPrintable(where + u" has no case"_qs));
        }
    }

    void labelSendsItsCommand_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QList<QByteArray>>("now");
        QTest::addColumn<QList<QByteArray>>("later");
        QTest::addColumn<QStringList>("shown");
        for (const LabelCase& c : labelCases()) {
            QTest::newRow(c.row) << QString::fromLatin1(c.label) << c.boxes << c.answers << rcon(c.now)
                                 << rcon(c.later) << c.shown;
            QVERIFY(commandsOf(CommandWindow::Main, QString::fromLatin1(c.label)).size() > 0);
        }
    }
    void labelSendsItsCommand() {
        QFETCH(QString, label);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, answers);
        QFETCH(QList<QByteArray>, now);
        QFETCH(QList<QByteArray>, later);
        QFETCH(QStringList, shown);
        Console c;
        for (const QString& b : boxes) {
            auto* box = c.main.findChild<QLineEdit*>(b.section(u'=', 0, 0));
            QVERIFY2(box, qPrintable(b));
            box->setText(b.section(u'=', 1));
        }
        c.fx.fake.dialogs.inputAnswers = answers;
        c.click(label);
        QCOMPARE(c.sent(), now);
        c.ticks(2);
        QCOMPARE(c.sent().mid(now.size()), later);
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.tcp->sent, QList<QByteArray>()); // RCON mode: nothing for the daemon
        QCOMPARE(c.fx.fake.system.endCalls, 0);
    }

    // The minimum leaves at once and the notice shows before the maximum, which follows on the second
    // tick; in Daemon mode both copies reach the daemon before the notice.
    void pingOrder_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<QByteArray>>("daemonAtNotice");
        QTest::newRow("rcon") << u"0"_qs << QList<QByteArray>();
        QTest::newRow("daemon") << u"1"_qs << QList<QByteArray>{"bob - sv_minping 0", "bob - sv_maxping 300"};
    }
    void pingOrder() {
        QFETCH(QString, mode);
        QFETCH(QList<QByteArray>, daemonAtNotice);
        Console c(mode);
        QList<QByteArray> atNotice, daemon;
        c.fx.fake.dialogs.whileOpen = [&] {
            atNotice = c.sent();
            daemon = c.tcp->sent;
        };
        c.click(c.main.Label58);
        QCOMPARE(atNotice, rcon({"sv_minping 0"}));
        QCOMPARE(daemon, daemonAtNotice);
        QVERIFY(c.main.Timer2->Enabled());
        c.ticks(1);
        QCOMPARE(c.sent(), rcon({"sv_minping 0"}));
        c.ticks(1);
        QCOMPARE(c.sent(), rcon({"sv_minping 0", "sv_maxping 300"}));
        QVERIFY(!c.main.Timer2->Enabled());
        QCOMPARE(c.main.LastCommand, u"sv_maxping 300"_qs);
    }

    void confirmations_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("restart, yes") << u"Label15"_qs << int(mb::Yes) << rcon({"Quit"});
        QTest::newRow("restart, no") << u"Label15"_qs << int(mb::No) << QList<QByteArray>();
        QTest::newRow("stop, yes") << u"Label76"_qs << int(mb::Yes) << rcon({"killserver"});
        QTest::newRow("stop, no") << u"Label76"_qs << int(mb::No) << QList<QByteArray>();
    }
    void confirmations() {
        QFETCH(QString, label);
        QFETCH(int, answer);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        c.fx.fake.dialogs.msgAnswers = {answer};
        c.click(label);
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
    }

    void unban_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("shown");
        const QStringList refused{u"msg 64 [Remove Ban] Please fill the ban number!"_qs};
        QTest::newRow("zero") << u"0"_qs << QList<QByteArray>() << refused;
        QTest::newRow("empty") << QString() << QList<QByteArray>() << refused;
        QTest::newRow("blank and zero") << u" 0"_qs << rcon({"pb_sv_unban  0"}) << QStringList();
        QTest::newRow("zero and blank") << u"0 "_qs << rcon({"pb_sv_unban 0 "}) << QStringList();
        QTest::newRow("double zero") << u"00"_qs << rcon({"pb_sv_unban 00"}) << QStringList();
        QTest::newRow("not a number") << u"abc"_qs << rcon({"pb_sv_unban abc"}) << QStringList();
    }
    void unban() {
        QFETCH(QString, number);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, shown);
        Console c;
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
        QTest::newRow("blanks") << u"   "_qs << QList<QByteArray>();
        QTest::newRow("tab and blank") << u"\t "_qs << QList<QByteArray>();
        QTest::newRow("quotes") << u" \"\" "_qs << QList<QByteArray>();
        QTest::newRow("a name among blanks") << u" x "_qs << rcon({"pb_sv_badname 30  x "});
        QTest::newRow("a digit") << u"0"_qs << rcon({"pb_sv_badname 30 0"});
    }
    void badNameThatMatchesEveryoneIsNotSent() {
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        c.fx.fake.dialogs.inputAnswers = {answer};
        c.click(c.main.Label95);
        QCOMPARE(c.sent(), sent);
        QStringList shown{u"input [TORVANEX] Please enter the name you want to block (NAZI)"_qs};
        if (!sent.isEmpty())
            shown << u"msg 64 [TORVANEX] "_qs + answer + u" added to bad name list!"_qs;
        QCOMPARE(c.boxes(), shown);
    }

    // Each list label empties the collected list; a second click replaces the command still waiting, and
    // the list reply is routed only once its command has left.
    void listLabelsReplaceTheWaitingCommand() {
        Console c;
        c.main.PbListText = u"old list"_qs;
        c.click(c.main.Label36);
        QCOMPARE(c.main.PbListText, QString());
        c.ticks(1);
        c.main.PbListText = u"stale"_qs;
        c.click(c.main.Label96);
        QCOMPARE(c.main.PbListText, QString());
        QCOMPARE(c.main.LastCommand, u"status"_qs);
        c.ticks(2);
        QCOMPARE(c.sent(), rcon({"PB_SV_BadNameList"}));
        QCOMPARE(c.main.LastCommand, u"PB_SV_BadNameList"_qs);
        c.udp->deliver(replyDatagram("^3PunkBuster Server: Bad Name List: 1 entries\n"));
        c.udp->deliver(replyDatagram("^3PunkBuster Server: [1] (30) Camper\n"));
        c.main.Timer3_Timer();
        c.main.Timer3_Timer();
        QCOMPARE(c.main.Text10->Text(), u" Bad Name List: 1 entries\r\n [1] (30) Camper\r\n"_qs);
    }

    // A refused send ends the handler that made it: no notice, nothing else sent, the program goes on.
    void refusedSendEndsOnlyTheHandler_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("screenshots, socket closed") << u"Label23"_qs << u"0"_qs << QStringList();
        QTest::newRow("host name, socket closed") << u"Label6"_qs << u"0"_qs << QStringList();
        QTest::newRow("map name, socket closed") << u"Label3"_qs << u"0"_qs << QStringList();
        QTest::newRow("ping, socket closed") << u"Label58"_qs << u"0"_qs << QStringList();
        QTest::newRow("bad name, socket closed")
            << u"Label95"_qs << u"0"_qs
            << QStringList{u"input [TORVANEX] Please enter the name you want to block (NAZI)"_qs};
        QTest::newRow("ban list, daemon lost") << u"Label36"_qs << u"1"_qs << QStringList();
        QTest::newRow("restart, daemon lost")
            << u"Label15"_qs << u"1"_qs
            << QStringList{u"msg 4 [Restart Server] Are you sure you want to restart server?"_qs};
    }
    void refusedSendEndsOnlyTheHandler() {
        QFETCH(QString, label);
        QFETCH(QString, mode);
        QFETCH(QStringList, shown);
        Console c(mode);
        if (mode == u"1")
            c.tcp->currentState = sock::Closed;
        else
            c.main.udpClient->close();
        c.click(label);
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.tcp->sent, QList<QByteArray>());
        QVERIFY(!c.main.Timer2->Enabled());
        QCOMPARE(c.main.Label6->Caption(), u"loading..."_qs);
        QCOMPARE(c.main.Label3->Caption(), u"loading..."_qs);
        QCOMPARE(c.fx.fake.system.endCalls, 0);
        QVERIFY(c.main.isVisible());
    }

    void daemonRequests_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<QList<QByteArray>>("daemon");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("logFlag");
        const QString lost = u"msg 16 [Error nº 40006] Error: Wrong protocol or connection state"_qs;
        QTest::newRow("start, rcon")
            << u"Labelstart"_qs << u"0"_qs << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to start "
                           u"server!"_qs}
            << QString();
        QTest::newRow("start, mode ' 1'")
            << u"Labelstart"_qs << u" 1"_qs << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to start server!"_qs}
            << QString();
        QTest::newRow("start, daemon")
            << u"Labelstart"_qs << u"1"_qs << true << QList<QByteArray>{"startserver"}
            << QStringList{u"msg 0 [Start Server] Server should be starting up!"_qs} << QString();
        QTest::newRow("start, link down")
            << u"Labelstart"_qs << u"1"_qs << false << QList<QByteArray>() << QStringList{lost} << QString();
        QTest::newRow("log, rcon")
            << u"Label93"_qs << u"0"_qs << true << QList<QByteArray>()
            << QStringList{u"msg 64 [TORVANEX] You need to be on Daemon mode to get logs!"_qs} << QString();
        QTest::newRow("log, daemon") << u"Label93"_qs << u"1"_qs << true << QList<QByteArray>{"getlog"}
                                     << QStringList{u"msg 0 [Log] Getting Log"_qs} << u"1"_qs;
        QTest::newRow("log, link down")
            << u"Label93"_qs << u"1"_qs << false << QList<QByteArray>() << QStringList{lost} << u"1"_qs;
    }
    void daemonRequests() {
        QFETCH(QString, label);
        QFETCH(QString, mode);
        QFETCH(bool, linkUp);
        QFETCH(QList<QByteArray>, daemon);
        QFETCH(QStringList, shown);
        QFETCH(QString, logFlag);
        Console c(mode);
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
        QCOMPARE(c.main.LastCommand, u"status"_qs);
        QVERIFY(!c.main.Timer2->Enabled());
    }

    // The log label lies beneath the chat log, yet its handler runs; the daemon's answer opens the Reader.
    void daemonLogOpensTheReader() {
        Console c(u"1"_qs);
        c.main.UconSetupDone = u"1"_qs;
        c.main.Image6_Click();
        QVERIFY(c.main.txtsay2->geometry().contains(c.main.Label93->geometry()));
        c.fx.fake.dialogs.whileOpen = [&] {
            c.tcp->deliver("[2009-12-08 20:58:11] TORVANEX Daemon started\r\n");
        };
        QTest::mouseClick(c.main.Label93, Qt::LeftButton);
        QCOMPARE(c.tcp->sent, QList<QByteArray>{"getlog"});
        tvx::log* reader = Forms::ifLoaded<tvx::log>();
        QVERIFY(reader && reader->isVisible());
        QCOMPARE(reader->Text1->Text(), u"[2009-12-08 20:58:11] TORVANEX Daemon started\r\n"_qs);
        QCOMPARE(c.login.LogRequested, u"0"_qs);
    }

    void toolsLabelPopsTheToolsMenuUp() {
        Console c;
        QVERIFY(!Forms::isLoaded<Form3>());
        c.click(c.main.Label97);
        Form3& holder = Forms::get<Form3>();
        QCOMPARE(holder.popupCount, 1);
        QCOMPARE(holder.lastPopup.data(), holder.toolsz);
        QVERIFY(!holder.isVisible());
        holder.toolsz->hide();
    }
};

QTEST_MAIN(TstPages)
#include "tst_pages.moc"
