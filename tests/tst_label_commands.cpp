// The labels of the settings, admin and maps pages, of the status row and the Tools label: every label's
// command from the command table (and a case for every row of the table), the boxes they read and show,
// the delayed list and ping commands, and a refused send that ends only its handler.
#include "core/commands/command_table.h"
#include "core/commands/player_actions.h"

#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/rcon_tool/rcon_tool.h"

#include "support/page_console.h"
#include "support/player_cases.h"
#include "support/rcon_tool_cases.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

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

class TstLabelCommands : public QObject {
    Q_OBJECT
private slots:
    void everyTableNameExistsOnItsWindow() {
        WindowsFixture fx;
        // Tested by the admin, maps, settings and player menu tests: the daemon requests, the map change, the
        // rotation's "Send" and the warning.
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
        PageConsole c;
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
        PageConsole c(mode);
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

    void toolsLabelPopsTheToolsMenuUp() {
        PageConsole c;
        QVERIFY(!Forms::isLoaded<Form3>());
        c.click(c.main.Label97);
        Form3& holder = Forms::get<Form3>();
        QCOMPARE(holder.popupCount, 1);
        QCOMPARE(holder.lastPopup.data(), holder.toolsz);
        QVERIFY(!holder.isVisible());
        holder.toolsz->hide();
    }
};

QTEST_MAIN(TstLabelCommands)
#include "tst_label_commands.moc"
