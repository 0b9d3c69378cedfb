// The settings, admin and maps pages and the player menu: every label's and entry's command from the
// command table, the boxes they read and show, the delayed list and ping commands, unban, bad names, the
// daemon requests, the Tools label, the map list and previews, the map rotation, the player entries on
// the row under the right button, the warning box.
#include "core/commands/command_table.h"
#include "core/commands/map_rotation.h"
#include "core/commands/player_actions.h"
#include "core/tools/fixed_addresses.h"

#include "gui/base/twips.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/rcon_tool/rcon_tool.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include "support/console_fixture.h"
#include "support/core_values.h"
#include "support/fake_platform.h"
#include "support/rcon_tool_cases.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

// A console handed over and connected in the given mode, on screen, with the daemon link up; its timers
// are ticked by hand.
struct Console : ConsoleFixture {
    explicit Console(const QString& mode = u"0"_s) : ConsoleFixture(mode, u"poweradmin"_s, Timers::ByHand) {}
    // Shows the page that holds `w`, then clicks it.
    void click(QWidget* w) {
        if (main.SeeSettings->isAncestorOf(w))
            main.Image7_Click();
        else if (main.seeAdmin->isAncestorOf(w))
            main.Image9_Click();
        else if (main.seeMaps->isAncestorOf(w))
            main.Image8_Click();
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void click(const QString& name) {
        auto* w = main.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        click(w);
    }
    QList<QByteArray> sent() const { return udp->sent; }
};

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

const QString kPing = u"msg 64 [TORVANEX] Min ping is now: "_s;

QList<LabelCase> labelCases() {
    return {
        {"server name", "Label18", {u"Text8= My ^1Server "_s}, {}, {"sv_hostname  My ^1Server "}, {}, {}},
        {"server name, empty box", "Label18", {u"Text8="_s}, {}, {"sv_hostname "}, {}, {}},
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
         {kPing + u"0 and Max ping is now: 300"_s}},
        {"ping, as typed",
         "Label58",
         {u"Text27= 5x"_s, u"Text26="_s},
         {},
         {"sv_minping  5x"},
         {"sv_maxping "},
         {kPing + u" 5x and Max ping is now: "_s}},
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
        {"next map", "Label10", {}, {}, {"map_rotate"}, {}, {}},
        {"restart map", "Label11", {}, {}, {"map_restart"}, {}, {}},
        {"fast restart", "Label12", {}, {}, {"fast_restart"}, {}, {}},
        {"host name", "Label6", {}, {}, {"sv_hostname"}, {}, {}},
        {"map name", "Label3", {}, {}, {"mapname"}, {}, {}},
        {"restart server",
         "Label15",
         {},
         {},
         {"Quit"},
         {},
         {u"msg 4 [Restart Server] Are you sure you want to restart server?"_s}},
        {"stop server",
         "Label76",
         {},
         {},
         {"killserver"},
         {},
         {u"msg 4 [Close Server] Are you sure you want to CLOSE the server?"_s}},
        {"server info", "Label16", {}, {}, {"serverinfo"}, {}, {}},
        {"system info", "Label17", {}, {}, {"systeminfo"}, {}, {}},
        {"screenshots", "Label23", {}, {}, {"pb_sv_getss"}, {}, {u"msg 0 [] Screenshots are being taken!"_s}},
        {"ban list",
         "Label36",
         {},
         {},
         {},
         {"pb_sv_banlist"},
         {u"msg 64 [Ban list] This may take a few seconds!"_s}},
        {"unban", "Label34", {u"Text11=12"_s}, {}, {"pb_sv_unban 12"}, {}, {}},
        {"punkbuster restart",
         "Label94",
         {},
         {},
         {"pb_sv_restart"},
         {},
         {u"msg 768 [TORVANEX] Punkbuster should be restarting now!"_s}},
        {"bad name",
         "Label95",
         {},
         {u"Camper"_s},
         {"pb_sv_badname 30 Camper"},
         {},
         {u"input [TORVANEX] Please enter the name you want to block (NAZI)"_s,
          u"msg 64 [TORVANEX] Camper added to bad name list!"_s}},
        {"bad name, the proposed one",
         "Label95",
         {},
         {},
         {"pb_sv_badname 30 NAZI"},
         {},
         {u"input [TORVANEX] Please enter the name you want to block (NAZI)"_s,
          u"msg 64 [TORVANEX] NAZI added to bad name list!"_s}},
        {"bad-name list",
         "Label96",
         {},
         {},
         {},
         {"PB_SV_BadNameList"},
         {u"msg 512 [TORVANEX] Check the list on the \u00B4Banned Management\u00B4"_s}},
        {"private slots",
         "Label99",
         {u"Text44= 8 "_s},
         {},
         {"sv_privateclients 8"},
         {},
         {u"msg 0 [] Private Slots Defined to: 8"_s}},
        {"private slots, empty",
         "Label99",
         {u"Text44=  "_s},
         {},
         {"sv_privateclients "},
         {},
         {u"msg 0 [] Private Slots Defined to: "_s}},
        {"slots password",
         "Label101",
         {u"Text45=  Se cret "_s},
         {},
         {"set sv_privatePassword Se cret"},
         {},
         {u"msg 0 [] Private Slots Password Defined as Se cret"_s}},
        {"slots password, design text",
         "Label101",
         {},
         {},
         {"set sv_privatePassword Password"},
         {},
         {u"msg 0 [] Private Slots Password Defined as Password"_s}},
    };
}

// ---- The players grid and its menu ----

// The players most grid tests show, on mp_castle; the second with a coloured name.
const StatusPlayer kBob{0, 12, "48", "1234567890", "Bob", "10.0.0.5:28960", 12345};
const StatusPlayer kAl{3, 7, "95", "55", "^1Big ^2Al", "192.168.1.77:28961", 12345};
const StatusPlayer kCamper{12, -2, "999", "87654321", "Camper", "203.0.113.9:28960", 12345};

QByteArray playersReply(const QList<StatusPlayer>& players) {
    return statusReply("mp_castle", players);
}
const QByteArray kPlayers = playersReply({kBob, kAl, kCamper});

// Cells of the three players as the grid holds them.
const QByteArray kBobName = "Bob            ";
const QByteArray kAlName = "^1Big ^2Al     ";
const QByteArray kCamperName = "Camper         ";

// The row of the player whose name starts with `name`, or -1.
int rowOf(const FlexGrid& grid, const QString& name) {
    for (int r = grid.FixedRows(); r < grid.Rows(); ++r) {
        if (grid.TextMatrix(r, 0).startsWith(name))
            return r;
    }
    return -1;
}

// A right button over the player's row: the row becomes current and the player menu pops up.
void rightClick(FlexGrid& grid, int row) {
    const QPoint at = grid.visualRect(grid.model()->index(row, 0)).center();
    QTest::mouseClick(grid.viewport(), Qt::RightButton, {}, at);
}

// One entry chosen on one player: the answers of its input boxes, the commands sent and the boxes shown.
struct PlayerCase {
    const char* row;
    const char* entry;
    const char* player;
    QStringList answers;
    QList<QByteArray> sent;
    QStringList shown;
};

const QString kKickBoxes =
    u"input [Kick - Public Reason] Type here the public reason of this kick (Teamkill)"_s;
const QString kKickBoxes2 =
    u"input [Kick - Private Reason] Type here the private reason of this kick (Teamkill)"_s;
const QString kBanBoxes = u"input [Ban - Public Reason] Type here the public reason of this ban (Teamkill)"_s;
const QString kBanBoxes2 =
    u"input [Ba - Private Reason] Type here the private reason of this ban (Teamkill)"_s;

QList<PlayerCase> playerCases() {
    return {
        {"kick by name", "kickplay", "^1Big", {}, {"kick " + kAlName}, {}},
        {"client kick", "clientkick", "^1Big", {}, {"clientkick 3"}, {}},
        {"client kick, slot 0", "clientkick", "Bob", {}, {"clientkick 0"}, {}},
        {"client kick, two digits", "clientkick", "Camper", {}, {"clientkick 12"}, {}},
        {"PunkBuster kick, proposed reasons",
         "pbkickwithreason",
         "Bob",
         {},
         {"pb_sv_kick 1 0 Teamkill Teamkill"},
         {kKickBoxes, kKickBoxes2}},
        {"PunkBuster kick, typed reasons",
         "pbkickwithreason",
         "^1Big",
         {u"Cheating"_s, u"aimbot seen"_s},
         {"pb_sv_kick 4 0 Cheating aimbot seen"},
         {kKickBoxes, kKickBoxes2}},
        {"ban by name", "banplayerz", "Camper", {}, {"banuser " + kCamperName}, {}},
        {"ban by client", "clientbanz", "^1Big", {}, {"banclient 3"}, {}},
        {"PunkBuster ban",
         "pbbancli",
         "Camper",
         {u"Wallhack"_s, u"demo 12"_s},
         {"pb_sv_ban 13 0 Wallhack demo 12"},
         {kBanBoxes, kBanBoxes2}},
        {"temporary ban by name", "tempbanplayerz", "Bob", {}, {"tempbanUser " + kBobName}, {}},
        {"temporary ban by client", "TemporarilyClientBanz", "Camper", {}, {"tempbanClient 12"}, {}},
        {"unban", "unbanplayerz", "Bob", {}, {"unbanuser " + kBobName}, {}},
        {"screenshot", "screenshotp", "^1Big", {}, {"pb_sv_getss 4"}, {}},
        {"screenshot, slot 0", "screenshotp", "Bob", {}, {"pb_sv_getss 1"}, {}},
        {"screenshot sequence", "screenshotdwuencez", "^1Big", {}, {"PB_SV_Task 10 180 PB_SV_GETSS 4"}, {}},
        // Cancel answers the empty text: the action is called off, and after the first box the second
        // never opens.
        {"PunkBuster kick, public reason cancelled",
         "pbkickwithreason",
         "Bob",
         {QString()},
         {},
         {kKickBoxes}},
        {"PunkBuster kick, private reason cancelled",
         "pbkickwithreason",
         "Bob",
         {u"Teamkill"_s, QString()},
         {},
         {kKickBoxes, kKickBoxes2}},
        {"PunkBuster ban, public reason cancelled", "pbbancli", "Camper", {QString()}, {}, {kBanBoxes}},
        {"PunkBuster ban, private reason cancelled",
         "pbbancli",
         "Camper",
         {u"x"_s, QString()},
         {},
         {kBanBoxes, kBanBoxes2}},
        {"PunkBuster ban, blank reasons are reasons",
         "pbbancli",
         "Camper",
         {u" "_s, u" "_s},
         {"pb_sv_ban 13 0    "},
         {kBanBoxes, kBanBoxes2}},
    };
}

// ---- The maps page ----

// The preview pictures that show, by name.
QStringList shownPreviews(Main& m) {
    QStringList out;
    for (VbLabel* p : m.Frame1->findChildren<VbLabel*>()) {
        if (!p->isHidden())
            out << p->objectName();
    }
    return out;
}

QString previewOf(Main& m, const QString& map) {
    for (VbLabel* p : m.Frame1->findChildren<VbLabel*>()) {
        if (p->property("map").toString() == map)
            return p->objectName();
    }
    return {};
}

void clickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

const QString kCustomBox = u"input [Custom Map] Type the name of the map (example: mp_newmap) (mp_)"_s;

// The window a command row's control lives on (loaded if needed).
QWidget* windowOf(CommandWindow window) {
    switch (window) {
    case CommandWindow::Main:
        break;
    case CommandWindow::Form1:
        return &Forms::get<Form1>();
    case CommandWindow::Form3:
        return &Forms::get<Form3>();
    }
    return &Forms::get<Main>();
}

} // namespace

class TstPages : public QObject {
    Q_OBJECT
private slots:
    void everyTableNameExistsOnItsWindow() {
        WindowsFixture fx;
        // Tested below: the daemon requests, the map change, the rotation's "Send" and the warning.
        QSet<QString> covered{u"Labelstart"_s, u"Label93"_s, u"Label14"_s, u"Label41"_s, u"warnplayerz"_s};
        for (const LabelCase& c : labelCases())
            covered << QString::fromLatin1(c.label);
        QSet<QString> coveredOnRconTool;
        for (const RconToolCase& c : rconToolCases())
            coveredOnRconTool << QString::fromLatin1(c.control);
        for (const PlayerCase& c : playerCases())
            covered << QString::fromLatin1(c.entry);
        for (const CommandRow& row : commandTable()) {
            const QString where = commandWindowName(row.window) + u'.' + row.control.toString();
            QWidget* window = windowOf(row.window);
            QVERIFY2(window->findChild<QObject*>(row.control.toString()), qPrintable(where));
            QVERIFY2(window->findChildren<QWidget*>(row.control.toString()).size() <= 1, qPrintable(where));
            // The control that holds a row's completion, and what kind of control it must be.
            const QString box = row.box.toString();
            switch (row.completion) {
            case Completion::Box:
            case Completion::BoxTrimmed:
                QVERIFY2(window->findChild<QLineEdit*>(box), qPrintable(where));
                break;
            case Completion::Caption:
                QVERIFY2(window->findChild<QLabel*>(box), qPrintable(where));
                break;
            case Completion::Rotation:
                QVERIFY2(window->findChild<VbTextBox*>(box), qPrintable(where));
                break;
            default:
                QVERIFY2(box.isEmpty(), qPrintable(where));
                break;
            }
            // A row of the player menu reads a cell of the grid; every other row reads none.
            QCOMPARE(playerColumn(row.completion).has_value(), row.window == CommandWindow::Form3);
            const QSet<QString>& cases = row.window == CommandWindow::Form1 ? coveredOnRconTool : covered;
            QVERIFY2(cases.contains(row.control.toString()), qPrintable(where + u" has no case"_s));
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
        QTest::newRow("rcon") << u"0"_s << QList<QByteArray>();
        QTest::newRow("daemon") << u"1"_s << QList<QByteArray>{"bob - sv_minping 0", "bob - sv_maxping 300"};
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
        QCOMPARE(c.main.LastCommand, u"sv_maxping 300"_s);
    }

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
        QTest::newRow("blanks") << u"   "_s << QList<QByteArray>();
        QTest::newRow("tab and blank") << u"\t "_s << QList<QByteArray>();
        QTest::newRow("quotes") << u" \"\" "_s << QList<QByteArray>();
        QTest::newRow("a name among blanks") << u" x "_s << rcon({"pb_sv_badname 30  x "});
        QTest::newRow("a digit") << u"0"_s << rcon({"pb_sv_badname 30 0"});
    }
    void badNameThatMatchesEveryoneIsNotSent() {
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, sent);
        Console c;
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
        Console c;
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

    // A refused send ends the handler that made it: no notice, nothing else sent, the program goes on.
    void refusedSendEndsOnlyTheHandler_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("screenshots, socket closed") << u"Label23"_s << u"0"_s << QStringList();
        QTest::newRow("host name, socket closed") << u"Label6"_s << u"0"_s << QStringList();
        QTest::newRow("map name, socket closed") << u"Label3"_s << u"0"_s << QStringList();
        QTest::newRow("ping, socket closed") << u"Label58"_s << u"0"_s << QStringList();
        QTest::newRow("bad name, socket closed")
            << u"Label95"_s << u"0"_s
            << QStringList{u"input [TORVANEX] Please enter the name you want to block (NAZI)"_s};
        QTest::newRow("ban list, daemon lost") << u"Label36"_s << u"1"_s << QStringList();
        QTest::newRow("restart, daemon lost")
            << u"Label15"_s << u"1"_s
            << QStringList{u"msg 4 [Restart Server] Are you sure you want to restart server?"_s};
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
        QCOMPARE(c.main.Label6->Caption(), u"loading..."_s);
        QCOMPARE(c.main.Label3->Caption(), u"loading..."_s);
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
        QCOMPARE(c.main.LastCommand, u"status"_s);
        QVERIFY(!c.main.Timer2->Enabled());
    }

    // The log label lies beneath the chat log, yet its handler runs; the daemon's answer opens the Reader.
    void daemonLogOpensTheReader() {
        Console c(u"1"_s);
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

    // ---- The player menu ----

    void playerEntrySendsItsCommand_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("player");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("shown");
        for (const PlayerCase& c : playerCases())
            QTest::newRow(c.row) << QString::fromLatin1(c.entry) << QString::fromLatin1(c.player) << c.answers
                                 << rcon(c.sent) << c.shown;
    }
    void playerEntrySendsItsCommand() {
        QFETCH(QString, entry);
        QFETCH(QString, player);
        QFETCH(QStringList, answers);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, shown);
        Console c(u"1"_s);
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        c.tcp->sent.clear(); // the map-name query's copy
        // Another player is selected first: the right button moves the menu to this one.
        c.main.Grid->setRow(rowOf(*c.main.Grid, u"Bob"_s) == rowOf(*c.main.Grid, player)
                                ? rowOf(*c.main.Grid, u"Camper"_s)
                                : rowOf(*c.main.Grid, u"Bob"_s));
        rightClick(*c.main.Grid, rowOf(*c.main.Grid, player));
        Form3& menu = Forms::get<Form3>();
        QCOMPARE(menu.lastPopup.data(), menu.menuz);
        menu.menuz->hide();
        c.fx.fake.dialogs.inputAnswers = answers;
        menu.entry(entry)->trigger();
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.boxes(), shown);
        // Daemon mode: each command also reaches the daemon, after the user's name.
        QList<QByteArray> daemon;
        for (const QByteArray& d : sent)
            daemon << "bob - " + d.mid(QByteArray("\xFF\xFF\xFF\xFFrcon pw ").size());
        QCOMPARE(c.tcp->sent, daemon);
    }

    // A value is read when the entry is chosen, from the row current then.
    void entryReadsTheRowCurrentWhenChosen() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        rightClick(g, rowOf(g, u"^1Big"_s));
        Form3& menu = Forms::get<Form3>();
        menu.menuz->hide();
        g.setRow(rowOf(g, u"Camper"_s));
        menu.kickplay->trigger();
        menu.screenshotp->trigger();
        QCOMPARE(c.sent(), rcon({"kick " + kCamperName, "pb_sv_getss 13"}));
    }

    // The reason boxes do not stop the socket: a new status may rebuild the grid while one is open. The
    // slot read before the first box is the one sent.
    void reasonBoxesKeepTheSlotReadBefore() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        rightClick(g, rowOf(g, u"^1Big"_s));
        Forms::get<Form3>().menuz->hide();
        c.fx.fake.dialogs.whileOpen = [&] {
            c.main.Image5_Click();
            c.udp->deliver(
                replyDatagram(playersReply({{5, 1, "50", "777", "Newcomer", "10.0.0.9:28960", 12345}})));
        };
        Forms::get<Form3>().pbbancli->trigger();
        QCOMPARE(rowOf(g, u"^1Big"_s), -1);
        QCOMPARE(c.sent(), rcon({"status", "pb_sv_ban 4 0 Teamkill Teamkill"}));
    }

    // Every slot-based entry on a row whose Slot is not a whole number sends nothing (PunkBuster's rule would
    // make it "1", slot 0's player) and says why, before any reason box or warning box opens.
    void slotThatIsNotAWholeNumberSendsNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("slot");
        const char* entries[] = {"clientkick", "clientbanz",  "TemporarilyClientBanz", "pbkickwithreason",
                                 "pbbancli",   "screenshotp", "screenshotdwuencez",    "warnplayerz"};
        const char* slotTexts[][2] = {
            {"empty", ""}, {"blanks", "   "}, {"letters", "abc"}, {"number and text", "3x"}};
        for (const char* e : entries) {
            for (const auto& st : slotTexts)
                QTest::addRow("%s, %s", e, st[0]) << QString::fromLatin1(e) << QString::fromLatin1(st[1]);
        }
    }
    void slotThatIsNotAWholeNumberSendsNothing() {
        QFETCH(QString, entry);
        QFETCH(QString, slot);
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        const int row = rowOf(g, u"Bob"_s);
        g.setTextMatrix(row, int(PlayerColumn::Slot), slot);
        rightClick(g, row);
        Forms::get<Form3>().menuz->hide();
        Forms::get<Form3>().entry(entry)->trigger();
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [TORVANEX] "_s + refusalText(PlayerRefusal::NoSlot)});
        QVERIFY(!Forms::isLoaded<Form2>());
    }

    // A name cell carrying a command separator or a line break would run a second command or cut this one.
    void unsafeNameSendsNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        for (const char* e : {"kickplay", "banplayerz", "tempbanplayerz", "unbanplayerz"}) {
            QTest::addRow("%s, semicolon", e) << QString::fromLatin1(e) << u"Bob;quit"_s;
            QTest::addRow("%s, line feed", e) << QString::fromLatin1(e) << u"Bob\nquit"_s;
            QTest::addRow("%s, carriage return", e) << QString::fromLatin1(e) << u"Bob\rquit"_s;
            QTest::addRow("%s, NUL", e) << QString::fromLatin1(e) << QString::fromUtf16(u"Bob\0quit", 8);
        }
    }
    void unsafeNameSendsNothing() {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        const int row = rowOf(g, u"Bob"_s);
        g.setTextMatrix(row, int(PlayerColumn::Name), name);
        rightClick(g, row);
        Forms::get<Form3>().menuz->hide();
        Forms::get<Form3>().entry(entry)->trigger();
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [TORVANEX] "_s + refusalText(PlayerRefusal::UnsafeCell)});
    }

    // A name the server reads as every player, or no name at all, never leaves by a name entry: "kick all"
    // would kick everyone, and the empty row below the players would send "kick " alone. The box says why.
    void nameForEveryoneOrNoOneSendsNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("name"); // the player's name in the status; empty: the empty row
        QTest::addColumn<PlayerRefusal>("refusal");
        for (const char* e : {"kickplay", "banplayerz", "tempbanplayerz", "unbanplayerz"}) {
            const QString entry = QString::fromLatin1(e);
            QTest::addRow("%s, all", e) << entry << QByteArray("all") << PlayerRefusal::EveryPlayer;
            QTest::addRow("%s, ALLBOTS", e) << entry << QByteArray("ALLBOTS") << PlayerRefusal::EveryPlayer;
            QTest::addRow("%s, the empty row", e) << entry << QByteArray() << PlayerRefusal::NoName;
        }
    }
    void nameForEveryoneOrNoOneSendsNothing() {
        QFETCH(QString, entry);
        QFETCH(QByteArray, name);
        QFETCH(PlayerRefusal, refusal);
        Console c;
        c.udp->deliver(replyDatagram(
            playersReply({kBob, {4, 0, "50", "44", name.isEmpty() ? "x" : name, "10.0.0.4:28960", 12345}})));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        const int row = name.isEmpty() ? g.Rows() - 1 : rowOf(g, QString::fromLatin1(name.left(3)));
        QVERIFY(row >= g.FixedRows());
        QCOMPARE(g.TextMatrix(row, int(PlayerColumn::Slot)), name.isEmpty() ? QString() : u"  4"_s);
        rightClick(g, row);
        Forms::get<Form3>().menuz->hide();
        Forms::get<Form3>().entry(entry)->trigger();
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [TORVANEX] "_s + refusalText(refusal)});
    }

    // A TAB in a name stays inside the Name cell: the row keeps the six cells its line was cut into, so the
    // slot entries and the warning box act on the slot the line gave, not on the slot the name spells.
    void tabInANameKeepsTheRowsSlot_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QList<QByteArray>>("sent");
        const QStringList reasons{u"Teamkill"_s, u"spawn kills"_s};
        QTest::newRow("client kick") << u"clientkick"_s << QStringList() << rcon({"clientkick 6"});
        QTest::newRow("client ban") << u"clientbanz"_s << QStringList() << rcon({"banclient 6"});
        QTest::newRow("temporary client ban")
            << u"TemporarilyClientBanz"_s << QStringList() << rcon({"tempbanClient 6"});
        QTest::newRow("PunkBuster kick")
            << u"pbkickwithreason"_s << reasons << rcon({"pb_sv_kick 7 0 Teamkill spawn kills"});
        QTest::newRow("PunkBuster ban")
            << u"pbbancli"_s << reasons << rcon({"pb_sv_ban 7 0 Teamkill spawn kills"});
        QTest::newRow("screenshot") << u"screenshotp"_s << QStringList() << rcon({"pb_sv_getss 7"});
        QTest::newRow("screenshot sequence")
            << u"screenshotdwuencez"_s << QStringList() << rcon({"PB_SV_Task 10 180 PB_SV_GETSS 7"});
        QTest::newRow("warning") << u"warnplayerz"_s << QStringList() << rcon({"tell 6 stop"});
    }
    void tabInANameKeepsTheRowsSlot() {
        QFETCH(QString, entry);
        QFETCH(QStringList, answers);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        // Slot 7 is another player's: the one the name would pick.
        c.udp->deliver(
            replyDatagram(playersReply({{6, 1, "50", "66", "tab\t\t\t\t7", "10.0.0.6:28960", 12345},
                                        {7, 2, "60", "77", "Bystander", "10.0.0.7:28960", 12345}})));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        const int row = rowOf(g, u"tab"_s);
        QVERIFY(row >= g.FixedRows());
        const QStringList cells{u"tab\t\t\t\t7"_s + QString(7, u' '),
                                u"    1"_s,
                                u"  50"_s,
                                u"        66"_s,
                                u"  6"_s,
                                u"10.0.0.6:28960"_s};
        for (int col = 0; col < 6; ++col)
            QCOMPARE(g.TextMatrix(row, col), cells[col]);
        QCOMPARE(c.main.Label4->Caption(), u"2"_s);
        rightClick(g, row);
        Forms::get<Form3>().menuz->hide();
        c.fx.fake.dialogs.inputAnswers = answers;
        Forms::get<Form3>().entry(entry)->trigger();
        if (Form2* box = Forms::ifLoaded<Form2>()) {
            QCOMPARE(box->lblusage->Caption(), u"  6"_s);
            box->Text1->setText(u"stop"_s);
            QTest::mouseClick(box->Command1, Qt::LeftButton);
        }
        QCOMPARE(c.sent(), sent);
    }

    void showActionsFillTheReader_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << u"copynamez"_s << QString::fromLatin1(kBobName);
        QTest::newRow("hash") << u"copyhash"_s << u"1234567890"_s;
        QTest::newRow("address with its port") << u"copyipz"_s << u"10.0.0.5:28960"_s;
        QTest::newRow("report") << u"createplayerreportz"_s
                                << u"Player Report : Created on 12-08-2026 at 22:10:00\r\n"
                                   "Slot:  0\r\n"
                                   "Player Name: Bob            \r\n"
                                   "Hash: 1234567890\r\n"
                                   "Current Score: 12\r\n"
                                   "IP Address : 10.0.0.5:28960"_s;
    }
    void showActionsFillTheReader() {
        QFETCH(QString, entry);
        QFETCH(QString, text);
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        rightClick(*c.main.Grid, rowOf(*c.main.Grid, u"Bob"_s));
        Forms::get<Form3>().menuz->hide();
        Forms::get<tvx::log>().Text1->setText(u"earlier text"_s);
        Forms::get<Form3>().entry(entry)->trigger();
        tvx::log& reader = Forms::get<tvx::log>();
        QCOMPARE(reader.Text1->Text(), text);
        QVERIFY(reader.isVisible());
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList());
    }

    // The look-ups sit in the invisible "Check Player" entry; their handlers still run. A GUID cell cannot
    // change the address's query.
    void guidLookups() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        FlexGrid& g = *c.main.Grid;
        rightClick(g, rowOf(g, u"^1Big"_s));
        Form3& menu = Forms::get<Form3>();
        menu.menuz->hide();
        QVERIFY(!menu.checkplayerz->menuAction()->isVisible());
        menu.checkonpbbansz->trigger();
        g.setTextMatrix(g.Row(), int(PlayerColumn::Guid), u"1&action=0"_s);
        menu.checkonpunksbusted->trigger();
        QCOMPARE(c.fx.fake.shell.openedUrls,
                 (QStringList{
                     fixed::kPbBansSite + u"/mbi.php?guid=%20%20%20%20%20%20%20%2055&action=12&submit"_s,
                     fixed::kPunksBustedSite + u"/cgi-bin/membership/guidcheck.cgi?guid=1%26action%3D0"_s}));
    }

    // A refused send ends the entry's handler; the program and the menu go on.
    void refusedSendEndsOnlyTheEntry() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        c.main.udpClient->close();
        rightClick(*c.main.Grid, rowOf(*c.main.Grid, u"Bob"_s));
        Form3& menu = Forms::get<Form3>();
        menu.menuz->hide();
        for (QAction* a : {menu.kickplay, menu.clientkick, menu.pbkickwithreason, menu.banplayerz,
                           menu.clientbanz, menu.pbbancli, menu.tempbanplayerz, menu.TemporarilyClientBanz,
                           menu.unbanplayerz, menu.screenshotp, menu.screenshotdwuencez})
            a->trigger();
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.fx.fake.system.endCalls, 0);
        c.main.udpClient->connectSocket();
        menu.clientkick->trigger();
        QCOMPARE(c.sent(), rcon({"clientkick 0"}));
    }

    // ---- The maps page ----

    void mapListsHoldTheirItemsInOrder() {
        Console c;
        const QStringList maps{u"mp_airfield"_s,  u"mp_asylum"_s,     u"mp_castle"_s, u"mp_courtyard"_s,
                               u"mp_dome"_s,      u"mp_downfall"_s,   u"mp_hangar"_s, u"mp_makin"_s,
                               u"mp_outskirts"_s, u"mp_roundhouse"_s, u"mp_seelow"_s, u"mp_shrine"_s,
                               u"mp_suburban"_s};
        auto items = [](const auto* list) {
            QStringList out;
            for (int i = 0; i < list->count(); ++i) {
                if constexpr (requires { list->itemText(i); })
                    out << list->itemText(i);
                else
                    out << list->item(i)->text();
            }
            return out;
        };
        QCOMPARE(items(c.main.List1), maps + QStringList{u"Custom Map"_s});
        QCOMPARE(items(c.main.Combo1), maps);
        QCOMPARE(items(c.main.Combo2),
                 (QStringList{u"twar"_s, u"dm"_s, u"tdm"_s, u"dom"_s, u"koth"_s, u"sab"_s, u"sd"_s}));
        QCOMPARE(c.main.Combo1->currentIndex(), -1);
        QCOMPARE(c.main.Combo2->currentIndex(), -1);
    }

    void mapChosenShowsItsPreviewAlone_data() {
        QTest::addColumn<QString>("map");
        for (const QString& map : mapNames())
            QTest::newRow(qPrintable(map)) << map;
    }
    void mapChosenShowsItsPreviewAlone() {
        QFETCH(QString, map);
        Console c;
        c.main.Image8_Click();
        QCOMPARE(shownPreviews(c.main), QStringList{u"Image27"_s});
        QCOMPARE(c.main.Label13->Caption(), u"Select a map"_s);
        clickItem(c.main.List1, u"mp_castle"_s);
        clickItem(c.main.List1, map);
        QCOMPARE(c.main.Label13->Caption(), map);
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, map)});
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), rcon({"map " + map.toLatin1()}));
        QCOMPARE(c.boxes(), QStringList());
    }

    // The arrow keys select each item in turn, each a choice; reaching "Custom Map" asks for a name and
    // keeps the last map's preview.
    void keyboardChoosesEachMapInTurn() {
        Console c;
        c.main.Image8_Click();
        c.main.List1->setFocus();
        QStringList captions;
        for (int i = 0; i < c.main.List1->count(); ++i) {
            if (i == 0)
                c.main.List1->setCurrentRow(0);
            else
                QTest::keyClick(c.main.List1, Qt::Key_Down);
            captions << c.main.Label13->Caption();
            const QStringList shown = shownPreviews(c.main);
            QCOMPARE(shown.size(), 1);
            if (i < mapNames().size())
                QCOMPARE(shown.first(), previewOf(c.main, mapNames()[i]));
        }
        QCOMPARE(captions, mapNames() + QStringList{u"mp_"_s});
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, u"mp_suburban"_s)});
        QCOMPARE(c.boxes(), QStringList{kCustomBox});
    }

    void customMap_data() {
        QTest::addColumn<QString>("before"); // the map chosen first, if any
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("a name") << u"mp_castle"_s << u"mp_newmap"_s << rcon({"map mp_newmap"})
                                << QStringList{kCustomBox};
        QTest::newRow("a name, nothing chosen before")
            << QString() << u"mp_newmap"_s << rcon({"map mp_newmap"}) << QStringList{kCustomBox};
        QTest::newRow("cancelled") << u"mp_dome"_s << QString() << rcon({"map "}) << QStringList{kCustomBox};
        QTest::newRow("the no-map caption typed")
            << u"mp_dome"_s << u"Select a map"_s << QList<QByteArray>()
            << QStringList{kCustomBox, u"msg 64 [Map] Please select a map first!"_s};
    }
    void customMap() {
        QFETCH(QString, before);
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, shown);
        Console c;
        c.main.Image8_Click();
        if (!before.isEmpty())
            clickItem(c.main.List1, before);
        const QStringList previews = shownPreviews(c.main);
        c.fx.fake.dialogs.inputAnswers = {answer};
        clickItem(c.main.List1, u"Custom Map"_s);
        QCOMPARE(c.main.Label13->Caption(), answer);
        QCOMPARE(shownPreviews(c.main), previews);
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.boxes(), shown);
    }

    // Clicking "Custom Map" while it is selected asks again.
    void customMapAgainAsksAgain() {
        Console c;
        c.main.Image8_Click();
        c.fx.fake.dialogs.inputAnswers = {u"mp_one"_s, u"mp_two"_s};
        clickItem(c.main.List1, u"Custom Map"_s);
        clickItem(c.main.List1, u"Custom Map"_s);
        QCOMPARE(c.boxes(), (QStringList{kCustomBox, kCustomBox}));
        QCOMPARE(c.main.Label13->Caption(), u"mp_two"_s);
        // A map clicked again is chosen again, with no box.
        clickItem(c.main.List1, u"mp_makin"_s);
        clickItem(c.main.List1, u"mp_makin"_s);
        QCOMPARE(c.boxes().size(), 2);
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, u"mp_makin"_s)});
    }

    void changeMapBeforeChoosingOne() {
        Console c;
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [Map] Please select a map first!"_s});
    }

    // ---- The map rotation frame ----

    void rotationAdd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("gameType");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("shown");
        const QStringList missing{u"msg 64 [TORVANEX] Please select both map and gametype!"_s};
        QTest::newRow("first entry") << QString() << u"mp_castle"_s << u"tdm"_s
                                     << u"gametype tdm map mp_castle"_s << QStringList();
        QTest::newRow("next entry") << u"gametype tdm map mp_castle"_s << u"mp_dome"_s << u"dom"_s
                                    << u"gametype tdm map mp_castle gametype dom map mp_dome"_s
                                    << QStringList();
        QTest::newRow("only the map") << u"x"_s << u"mp_dome"_s << QString() << u"x"_s << missing;
        QTest::newRow("only the game type") << QString() << QString() << u"sd"_s << QString() << missing;
        QTest::newRow("nothing picked") << QString() << QString() << QString() << QString() << missing;
    }
    void rotationAdd() {
        QFETCH(QString, text);
        QFETCH(QString, map);
        QFETCH(QString, gameType);
        QFETCH(QString, after);
        QFETCH(QStringList, shown);
        Console c;
        c.main.Text12->setText(text);
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(map));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(gameType));
        c.click(c.main.Label39);
        QCOMPARE(c.main.Text12->Text(), after);
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.sent(), QList<QByteArray>());
    }

    // The lists keep their picks: "Add" again appends the same pair; "Clear" starts over.
    void rotationBuiltClearedAndSent() {
        Console c;
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(u"mp_castle"_s));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(u"tdm"_s));
        c.click(c.main.Label39);
        c.click(c.main.Label39);
        QCOMPARE(c.main.Text12->Text(), u"gametype tdm map mp_castle gametype tdm map mp_castle"_s);
        c.click(c.main.Label40);
        QCOMPARE(c.main.Text12->Text(), QString());
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [Maps] Please add a map rotation first!"_s});
        QCOMPARE(c.sent(), QList<QByteArray>());
        c.click(c.main.Label39);
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(u"mp_dome"_s));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(u"dom"_s));
        c.click(c.main.Label39);
        c.click(c.main.Label41);
        QCOMPARE(c.sent(),
                 rcon({"set sv_mapRotation \"gametype tdm map mp_castle gametype dom map mp_dome\""}));
        QCOMPARE(c.main.Text12->Text(), u"gametype tdm map mp_castle gametype dom map mp_dome"_s);
    }

    // Text12 is editable: what the administrator types goes between the quotes as typed, blanks included,
    // but each line break as one blank (the server would stop reading at the first one).
    void rotationTypedByHand_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("blanks only") << u"   "_s << rcon({"set sv_mapRotation \"   \""});
        QTest::newRow("two lines") << u"gametype sd\nmap mp_makin"_s
                                   << rcon({"set sv_mapRotation \"gametype sd map mp_makin\""});
    }
    void rotationTypedByHand() {
        QFETCH(QString, typed);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        c.main.Image7_Click();
        c.main.Text12->setFocus();
        const QStringList lines = typed.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(c.main.Text12, Qt::Key_Return);
            QTest::keyClicks(c.main.Text12, lines[i]);
        }
        c.click(c.main.Label41);
        QCOMPARE(c.sent(), sent);
    }

    // A rotation that would break out of its quotes, or that no datagram holds, is refused with a box:
    // nothing leaves, neither to the server nor as a copy to the daemon, and the terminal shows nothing.
    void rotationRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a quote") << u"gametype sd map mp_makin\"; quit; \""_s
                                 << u"msg 64 [TORVANEX] The map rotation holds a '\"', which would end the "
                                    u"quoted rotation early, so nothing was sent."_s;
        QTest::newRow("too long")
            << QString(65475, u'x')
            << u"msg 64 [TORVANEX] The map rotation is too long: with the command and the rcon password it "
               u"does not fit in one datagram of 65507 bytes, so nothing was sent."_s;
    }
    void rotationRefused() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        Console c(u"1"_s);
        const QString terminal = c.main.txtOutput->Text();
        c.main.Text12->setText(text);
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList{shown});
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.tcp->sent, QList<QByteArray>());
        QCOMPARE(c.main.txtOutput->Text(), terminal);
        QCOMPARE(c.main.Text12->Text(), text);
    }

    // The longest rotation that fits leaves as one datagram of the largest size.
    void longestRotationIsSent() {
        Console c;
        const QByteArray text(65474, 'x');
        c.main.Text12->setText(QString::fromLatin1(text));
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList());
        QCOMPARE(c.sent(), rcon({"set sv_mapRotation \"" + text + '"'}));
        QCOMPARE(c.sent()[0].size(), 65507);
    }

    // ---- The warning box ----

    void warningBox_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("button"); // "ok", "cancel" or "close"
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("ok") << u"Stop camping"_s << u"ok"_s << rcon({"tell 3 Stop camping"});
        QTest::newRow("ok, message as typed")
            << u" two  blanks "_s << u"ok"_s << rcon({"tell 3  two  blanks "});
        QTest::newRow("ok, empty message") << QString() << u"ok"_s << rcon({"tell 3 "});
        QTest::newRow("cancel") << u"Stop camping"_s << u"cancel"_s << QList<QByteArray>();
        QTest::newRow("closed") << u"Stop camping"_s << u"close"_s << QList<QByteArray>();
    }
    void warningBox() {
        QFETCH(QString, message);
        QFETCH(QString, button);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        rightClick(*c.main.Grid, rowOf(*c.main.Grid, u"^1Big"_s));
        Forms::get<Form3>().menuz->hide();
        Forms::get<Form3>().warnplayerz->trigger();
        Form2* box = Forms::ifLoaded<Form2>();
        QVERIFY(box && box->isVisible());
        QVERIFY(!box->isModal());
        QCOMPARE(box->windowTitle(), u"Input box"_s);
        QCOMPARE(box->lbldesc->Caption(), kWarnDescription);
        QCOMPARE(box->lblusage->Caption(), u"  3"_s); // as the grid holds it
        QVERIFY(box->lblusage->isHidden());
        QTest::keyClicks(box->Text1, message);
        if (button == u"ok")
            QTest::mouseClick(box->Command1, Qt::LeftButton);
        else if (button == u"cancel")
            QTest::mouseClick(box->Command2, Qt::LeftButton);
        else
            box->close();
        QCOMPARE(c.sent(), sent);
        QVERIFY(!Forms::isLoaded<Form2>());
        // The next warning starts afresh.
        Forms::get<Form3>().warnplayerz->trigger();
        QCOMPARE(Forms::get<Form2>().Text1->text(), QString());
    }

    // While the box is open a second "Warn Player" reuses it: both labels are set again and the message
    // stays. The grid may change meanwhile; the slot kept is the one read when the box was (re)opened.
    void warningBoxReusedAndKeepsItsSlot() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        c.udp->sent.clear();
        FlexGrid& g = *c.main.Grid;
        Form3& menu = Forms::get<Form3>();
        rightClick(g, rowOf(g, u"Bob"_s));
        menu.menuz->hide();
        menu.warnplayerz->trigger();
        Form2* first = &Forms::get<Form2>();
        QTest::keyClicks(first->Text1, u"last warning"_s);
        rightClick(g, rowOf(g, u"Camper"_s));
        menu.menuz->hide();
        menu.warnplayerz->trigger();
        QCOMPARE(&Forms::get<Form2>(), first);
        QCOMPARE(first->Text1->text(), u"last warning"_s);
        QCOMPARE(first->lblusage->Caption(), u" 12"_s);
        // Camper leaves and the grid is rebuilt before "Ok".
        c.main.Image5_Click();
        c.udp->deliver(replyDatagram(playersReply({kBob, kAl})));
        QCOMPARE(rowOf(g, u"Camper"_s), -1);
        c.udp->sent.clear();
        QTest::mouseClick(first->Command1, Qt::LeftButton);
        QCOMPARE(c.sent(), rcon({"tell 12 last warning"}));
    }

    // "Ok" skips a step that fails: a refused send still closes the box.
    void warningOkClosesWhenTheSendIsRefused() {
        Console c;
        c.udp->deliver(replyDatagram(kPlayers));
        rightClick(*c.main.Grid, rowOf(*c.main.Grid, u"Bob"_s));
        Forms::get<Form3>().menuz->hide();
        Forms::get<Form3>().warnplayerz->trigger();
        c.main.udpClient->close();
        QTest::mouseClick(Forms::get<Form2>().Command1, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded<Form2>());
        QCOMPARE(c.fx.fake.system.endCalls, 0);
    }

    void warningBoxLayout() {
        WindowsFixture fx;
        Form2& box = Forms::get<Form2>();
        const struct {
            QWidget* w;
            QRect r;
        } layout[] = {
            {box.lbldesc, twipsRect(120, 120, 6015, 495)},
            {box.Image1, twipsRect(6240, 120, 480, 480)},
            {box.lblusage, twipsRect(120, 600, 6615, 255)},
            {box.Text1, twipsRect(120, 840, 6615, 285)},
            {box.Command1, twipsRect(4440, 1200, 1095, 375)},
            {box.Command2, twipsRect(5640, 1200, 1095, 375)},
        };
        for (const auto& l : layout)
            QCOMPARE(l.w->geometry(), l.r);
        QCOMPARE(box.size(), QSize(twips(6885), twips(1725)));
        QCOMPARE(box.Command1->text(), u"Ok"_s);
        QCOMPARE(box.Command2->text(), u"Cancel"_s);
        QVERIFY(!box.Image1->pixmap().isNull());
        QCOMPARE(box.Text1->nextInFocusChain(), box.Command1);
        QCOMPARE(box.Command1->nextInFocusChain(), box.Command2);
    }
};

QTEST_MAIN(TstPages)
#include "tst_pages.moc"
