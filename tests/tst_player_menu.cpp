// The player menu: its entries on the row under the right button, the cells they read and the ones they
// refuse, the Reader and look-up entries, and the warning box.
#include "core/commands/player_actions.h"
#include "core/tools/fixed_addresses.h"

#include "gui/base/twips.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include "support/core_values.h"
#include "support/page_console.h"
#include "support/player_cases.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

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

// Bob's row with one of its cells replaced, then `entry` chosen from the player menu on it.
void chooseWithBobsCell(PageConsole& c, PlayerColumn column, const QString& text, const QString& entry) {
    c.udp->deliver(replyDatagram(kPlayers));
    c.udp->sent.clear();
    FlexGrid& g = *c.main.Grid;
    const int row = rowOf(g, u"Bob"_s);
    g.setTextMatrix(row, int(column), text);
    rightClick(g, row);
    Forms::get<Form3>().menuz->hide();
    Forms::get<Form3>().entry(entry)->trigger();
}

} // namespace

class TstPlayerMenu : public QObject {
    Q_OBJECT
private slots:
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
        PageConsole c(u"1"_s);
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
        chooseWithBobsCell(c, PlayerColumn::Slot, slot, entry);
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
        PageConsole c;
        chooseWithBobsCell(c, PlayerColumn::Name, name, entry);
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [TORVANEX] "_s + refusalText(PlayerRefusal::UnsafeCell)});
    }

    // A name the server reads as every player, as another name, or no name at all, never leaves by a name
    // entry: "kick all" would kick everyone, "kick all//x" too (the rest is a comment to the server), and
    // the empty row below the players would send "kick " alone. The box says why.
    void nameTheServerReadsOtherwiseSendsNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("name"); // the player's name in the status; empty: the empty row
        QTest::addColumn<PlayerRefusal>("refusal");
        for (const char* e : {"kickplay", "banplayerz", "tempbanplayerz", "unbanplayerz"}) {
            const QString entry = QString::fromLatin1(e);
            QTest::addRow("%s, all", e) << entry << QByteArray("all") << PlayerRefusal::EveryPlayer;
            QTest::addRow("%s, ALLBOTS", e) << entry << QByteArray("ALLBOTS") << PlayerRefusal::EveryPlayer;
            QTest::addRow("%s, the empty row", e) << entry << QByteArray() << PlayerRefusal::NoName;
            QTest::addRow("%s, all//x", e) << entry << QByteArray("all//x") << PlayerRefusal::CutName;
            QTest::addRow("%s, bob/*x", e) << entry << QByteArray("bob/*x") << PlayerRefusal::CutName;
        }
    }
    void nameTheServerReadsOtherwiseSendsNothing() {
        QFETCH(QString, entry);
        QFETCH(QByteArray, name);
        QFETCH(PlayerRefusal, refusal);
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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
        PageConsole c;
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

QTEST_MAIN(TstPlayerMenu)
#include "tst_player_menu.moc"
