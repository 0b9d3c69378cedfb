// The RCON Server Tool: its window and design state, its saved connection data, connect and disconnect, its
// own echo line and reply cleaning, refused sends, every menu item and the chat, the test buttons that
// reach into the login and main windows, closing it, and one session against the simulated server.

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/rcon_tool/rcon_tool.h"
#include "gui/reader_window.h"

#include "support/console_fixture.h"
#include "support/fake_platform.h"
#include "support/rcon_tool_cases.h"
#include "support/sim_server_process.h"
#include "support/wire.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

const QString kStarted = u"[RCON SERVER TOOL CONSOLE] Session Started at: 22:10:00"_s;
const QString kTerminated = u"[RCON SERVER TOOL CONSOLE] Session Terminated at: 22:10:00"_s;

// The RCON Server Tool on the fake platform, with the login window's daemon link up.
struct Console {
    WindowsFixture fx;
    Form1& form = Forms::get<Form1>();
    FakeUdpSocket* udp = qobject_cast<FakeUdpSocket*>(form.udpClient);

    // Connects to 192.0.2.7 with the password "pw"; forgets what the connect sent.
    void connect() {
        form.txtHostIp->setText(u"192.0.2.7"_s);
        form.txtPort->setText(u"28961"_s);
        form.txtRcon->setText(u"pw"_s);
        form.Command1_Click();
        udp->sent.clear();
    }
    Form4& login() { return Forms::get<Form4>(); }
    FakeTcpClient* daemon() { return qobject_cast<FakeTcpClient*>(login().Winsock1); }
    QStringList inputBoxes() const {
        QStringList out;
        for (const ShownBox& b : fx.fake.dialogs.shown)
            out << u'[' + b.title + u"] "_s + b.text + u" ("_s + b.defaultText + u')';
        return out;
    }
    bool linkControlsEnabled() const {
        for (QMenu* m : form.topMenus()) {
            if (!m->menuAction()->isEnabled())
                return false;
        }
        return form.Image2->isEnabled() && form.Command2->isEnabled();
    }
    bool linkControlsDisabled() const {
        for (QMenu* m : form.topMenus()) {
            if (m->menuAction()->isEnabled())
                return false;
        }
        return !form.Image2->isEnabled() && !form.Command2->isEnabled();
    }
    // Chooses a menu item or clicks a button or picture of the window, by name.
    void choose(const QString& name) {
        if (auto* a = form.findChild<QAction*>(name)) {
            a->trigger();
        } else {
            auto* w = form.findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            QTest::mouseClick(w, Qt::LeftButton);
        }
    }
};

// The menu tree as "name caption" lines, indented by depth; a separator's caption is "-".
void listMenu(QMenu* menu, int depth, QStringList& out) {
    for (QAction* a : menu->actions()) {
        const QString indent(depth * 2, u' ');
        out << indent + a->objectName() + u' ' + (a->isSeparator() ? u"-"_s : u'"' + a->text() + u'"');
        if (a->menu())
            listMenu(a->menu(), depth + 1, out);
    }
}

} // namespace

class TstRconTool : public QObject {
    Q_OBJECT
private slots:
    void designState() {
        Console c;
        QCOMPARE(c.form.windowTitle(), u"RCON Server Tool"_s);
        QVERIFY(!Forms::isLoaded<Main>());
        QVERIFY(!Forms::isLoaded<Form4>());
        QVERIFY(!c.form.isVisible());
        QCOMPARE(c.form.txtOutput->Text(), u"[RCON SERVER TOOL CONSOLE]\r\n"_s);
        QCOMPARE(c.form.txtoutro, QString());
        QCOMPARE(c.udp->remotePort, 28960);
        QVERIFY(!c.udp->open);
        for (QMenu* m : c.form.topMenus())
            QVERIFY(m->menuAction()->isEnabled());
        QVERIFY(!c.form.Image2->isEnabled());
        QVERIFY(!c.form.Command2->isEnabled());
        QVERIFY(c.form.Command1->isEnabled());
        QVERIFY(!c.form.Command3->isVisibleTo(&c.form));
        QVERIFY(c.form.Command4->isVisibleTo(&c.form));
        QCOMPARE(c.form.txtRcon->echoMode(), QLineEdit::Password);
        QCOMPARE(c.form.Command1->toolTip(), u"Connect"_s);
        QCOMPARE(c.form.Image2->toolTip(), u"Disconnect Server"_s);
        QCOMPARE(c.form.Command2->toolTip(), u"Send Chat"_s);
        QCOMPARE(c.form.Label4->text(), u"Clickon color to add it  to a word,use this before word! ^1red"_s);
    }

    void menuTree() {
        Console c;
        QStringList tree;
        for (QAction* top : c.form.menuBar->actions()) {
            tree << top->objectName() + u" \""_s + top->text() + u'"';
            listMenu(top->menu(), 1, tree);
        }
        const QStringList expected{
            u"coomands \"Server Commands\""_s,
            u"  statusz \"Status\""_s,
            u"  sep8z -"_s,
            u"  serverinfoz \"Server Info\""_s,
            u"  systeminfoz \"System Info \""_s,
            u"  sep2z -"_s,
            u"  restartserverz \"Restart Server\""_s,
            u"adminzz \"Admin Commands\""_s,
            u"  warnplayerz \"Warn Player\""_s,
            u"  sep5z -"_s,
            u"  kickzz \"Kick Options\""_s,
            u"    ckickz \"Player Kick\""_s,
            u"    onlyplayerkick \"Only Player Kick (dont need color codes)\""_s,
            u"    clientkickz \"Client Kick\""_s,
            u"    sep7z -"_s,
            u"    kickallz \"Kick All\""_s,
            u"  banzz \"Ban Options\""_s,
            u"    normalbanz \"Player Ban\""_s,
            u"    clientbanz \"Client Ban\""_s,
            u"    sep3z -"_s,
            u"    temporarilybanplayerz \"Temporarily Player Ban\""_s,
            u"    temporarilyclientbanz \"Temporarily Client Ban\""_s,
            u"    sep4z -"_s,
            u"    unbanuserz \"Unban User\""_s,
            u"  getlogzz \"Get Log\""_s,
            u"mapcontrolz \"Map Control\""_s,
            u"  loadthismapz \"Load Map\""_s,
            u"    Backlotz \"Backlot\""_s,
            u"    Blocz \"Bloc\""_s,
            u"    Bogz \"Bog\""_s,
            u"    Cargoshipz \"Cargoship\""_s,
            u"    CityStreetsz \"City Streets\""_s,
            u"    Convoyz \"Convoy\""_s,
            u"    Countdownz \"Countdown\""_s,
            u"    Crashz \"Crash\""_s,
            u"    Crossfirez \"Crossfire\""_s,
            u"    Farmz \"Farm\""_s,
            u"    Overgrownz \"Overgrown\""_s,
            u"    Pipelinez \"Pipeline\""_s,
            u"    Shipmentz \"Shipment\""_s,
            u"  sep1z -"_s,
            u"  nextmapz \"Next Map\""_s,
            u"  restartmapz \"Restart Map\""_s,
            u"  fastmaprestartz \"Fast Map Restart\""_s,
            u"punkbustercomdz \"Punkbuster Commands\""_s,
            u"  takescreenshottoplayer \"Take Screenshot to Player\""_s,
            u"  takescreenshottoall \"Take Screenshot to All\""_s,
            u"  takescreenshottaskz \"Take Screenshot Sequence \""_s,
            u"  sep9z -"_s,
            u"  kickplayerbypunkbusterz \"Kick Player By Punkbuster\""_s,
        };
        QCOMPARE(tree, expected);
    }

    // Every item, button and the chat picture: the boxes it shows, what it sends and its echo lines.
    void commandSendsWhatItShould_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QList<QByteArray>>("daemon");
        for (const RconToolCase& c : rconToolCases()) {
            QTest::newRow(c.row) << QString::fromLatin1(c.control) << c.boxes << c.answers << c.shown
                                 << c.sent << c.daemon;
        }
    }
    void commandSendsWhatItShould() {
        QFETCH(QString, control);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, shown);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QList<QByteArray>, daemon);
        Console c;
        c.daemon()->currentState = sock::Connected;
        c.connect();
        for (const QString& b : boxes) {
            auto* box = c.form.findChild<QLineEdit*>(b.section(u'=', 0, 0));
            QVERIFY2(box, qPrintable(b));
            box->setText(b.section(u'=', 1));
        }
        c.fx.fake.dialogs.inputAnswers = answers;
        c.choose(control);
        QCOMPARE(c.inputBoxes(), shown);
        QCOMPARE(c.udp->sent, rcon(sent));
        QCOMPARE(c.daemon()->sent, daemon);
        // One echo line per command, in the console's own form; a daemon request has none.
        QString echoes = kStarted;
        for (const QByteArray& cmd : sent)
            echoes += u"\r\n22:10:00\r\n/"_s + QString::fromLatin1(cmd);
        QCOMPARE(c.form.txtOutput->Text(), echoes);
        QCOMPARE(c.fx.fake.system.endCalls, 0);
    }

    // Replies keep arriving while a box is open; the command leaves only after the last box.
    void replyBetweenTheTwoWarningBoxes() {
        Console c;
        c.connect();
        c.fx.fake.dialogs.inputAnswers = {u"3"_s, u"last warning"_s};
        c.fx.fake.dialogs.whileOpen = [&] {
            QCOMPARE(c.udp->sent, QList<QByteArray>());
            c.udp->deliver(replyDatagram("Bob: camping\n"));
        };
        c.form.warnplayerz->trigger();
        QCOMPARE(c.form.txtOutput->Text(),
                 kStarted + u"\r\nBob: camping\r\n\r\n22:10:00\r\n/tell 3 last warning"_s);
        QCOMPARE(c.udp->sent, rcon({"tell 3 last warning"}));
    }

    void colourButtons() {
        Console c;
        c.form.Show();
        QTest::mouseClick(c.form.Command6, Qt::LeftButton);
        QCOMPARE(c.form.txtSay->text(), u" ^1"_s);
        c.form.txtSay->setText(u"Hi"_s);
        for (QPushButton* b : {c.form.Command7, c.form.Command12, c.form.Command13})
            QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(c.form.txtSay->text(), u"Hi ^2 ^7 ^0"_s);
        QCOMPARE(c.form.txtSay->cursorPosition(), c.form.txtSay->text().size());
        QTRY_VERIFY(c.form.txtSay->hasFocus());
        // Before any connect: the buttons only edit the line, nothing leaves.
        QCOMPARE(c.udp->sent, QList<QByteArray>());
        QCOMPARE(c.form.txtOutput->Text(), u"[RCON SERVER TOOL CONSOLE]\r\n"_s);
    }

    void sendChatEmptiesTheLine() {
        Console c;
        c.connect();
        c.form.txtSay->setText(u"gg"_s);
        c.form.Command2_Click();
        QCOMPARE(c.form.txtSay->text(), QString());
        QCOMPARE(c.form.txtSay->cursorPosition(), 0);
        // Enter in the chat line sends nothing.
        c.form.txtSay->setText(u"again"_s);
        QTest::keyClick(c.form.txtSay, Qt::Key_Return);
        QCOMPARE(c.udp->sent, rcon({"say gg"}));
    }

    // ---- Saved connection data ----

    void firstUse() {
        Console c;
        for (QLineEdit* box : {c.form.txtHostIp, c.form.txtPort, c.form.txtRcon, c.form.Text1})
            QCOMPARE(box->text(), QString());
        QVERIFY(!c.form.Check1->isChecked());
        QCOMPARE(c.fx.fake.settings.writes, QStringList());
    }

    // "Save" = "1" ticks the box at load, which writes the five keys again with the values just read.
    void loadWithSave_data() {
        QTest::addColumn<QString>("save");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("1") << u"1"_s << true;
        QTest::newRow("0") << u"0"_s << false;
        QTest::newRow("1 and a blank") << u"1 "_s << false;
        QTest::newRow("01") << u"01"_s << false;
    }
    void loadWithSave() {
        QFETCH(QString, save);
        QFETCH(bool, ticked);
        WindowsFixture fx;
        FakeSettings& s = fx.fake.settings;
        s.set(u"[SERVER]"_s, u"Hostip"_s, u"203.0.113.9"_s);
        s.set(u"[SERVER]"_s, u"Port"_s, u"28962"_s);
        s.set(u"[SERVER]"_s, u"Rcon"_s, u"se cret"_s);
        s.set(u"[SERVER]"_s, u"Admin"_s, u"Bob"_s);
        s.set(u"[SERVER]"_s, u"Save"_s, save);
        s.writes.clear();
        Form1& f = Forms::get<Form1>();
        QCOMPARE(f.txtHostIp->text(), u"203.0.113.9"_s);
        QCOMPARE(f.txtPort->text(), u"28962"_s);
        QCOMPARE(f.txtRcon->text(), u"se cret"_s);
        QCOMPARE(f.Text1->text(), u"Bob"_s);
        QCOMPARE(f.Check1->isChecked(), ticked);
        const QStringList rewritten{u"[SERVER]/Hostip=203.0.113.9"_s, u"[SERVER]/Port=28962"_s,
                                    u"[SERVER]/Rcon=se cret"_s, u"[SERVER]/Admin=Bob"_s,
                                    u"[SERVER]/Save=1"_s};
        QCOMPARE(s.writes, ticked ? rewritten : QStringList());
    }

    // Ticking keeps the boxes of that moment; later edits are not kept; unticking empties the keys.
    void tickAndUntick() {
        Console c;
        FakeSettings& s = c.fx.fake.settings;
        c.form.txtHostIp->setText(u"198.51.100.4"_s);
        c.form.txtRcon->setText(u"pw"_s);
        c.form.Check1->click();
        QCOMPARE(s.writes, (QStringList{u"[SERVER]/Hostip=198.51.100.4"_s, u"[SERVER]/Port="_s,
                                        u"[SERVER]/Rcon=pw"_s, u"[SERVER]/Admin="_s, u"[SERVER]/Save=1"_s}));
        QCOMPARE(s.saves, 1); // the five keys in one write
        s.writes.clear();
        c.form.txtHostIp->setText(u"changed"_s);
        QCOMPARE(s.writes, QStringList());
        QCOMPARE(s.get(u"[SERVER]"_s, u"Hostip"_s, {}), u"198.51.100.4"_s);
        c.form.Check1->click();
        QCOMPARE(s.writes, (QStringList{u"[SERVER]/Hostip="_s, u"[SERVER]/Port="_s, u"[SERVER]/Rcon="_s,
                                        u"[SERVER]/Admin="_s, u"[SERVER]/Save=0"_s}));
        QCOMPARE(s.values.size(), 5);
        // The next load finds the box unticked and the boxes empty.
        Forms::unloadAll();
        Form1& again = Forms::get<Form1>();
        QVERIFY(!again.Check1->isChecked());
        QCOMPARE(again.txtHostIp->text(), QString());
    }

    // ---- Connect and disconnect ----

    void connectAimsAndSendsStatus_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("remotePort");
        QTest::newRow("empty: the design port") << QString() << 28960;
        QTest::newRow("a port") << u"28965"_s << 28965;
        QTest::newRow("blanks around") << u" 28966 "_s << 28966;
        QTest::newRow("not a number") << u"abc"_s << 28960;
        QTest::newRow("beyond 32 bits") << u"99999999999"_s << 28960;
        QTest::newRow("refused by the socket") << u"70000"_s << 28960;
    }
    void connectAimsAndSendsStatus() {
        QFETCH(QString, port);
        QFETCH(int, remotePort);
        Console c;
        c.form.txtHostIp->setText(u"198.51.100.4"_s);
        c.form.txtPort->setText(port);
        c.form.Command1_Click();
        QCOMPARE(c.udp->remoteHost, u"198.51.100.4"_s);
        QCOMPARE(c.udp->remotePort, remotePort);
        QVERIFY(c.udp->open);
        // The first "status" has no echo line, and an empty password leaves two blanks.
        QCOMPARE(c.udp->sent, QList<QByteArray>{QByteArray("\xFF\xFF\xFF\xFFrcon  status")});
        QCOMPARE(c.form.txtOutput->Text(), kStarted);
        QVERIFY(c.linkControlsEnabled());
        QCOMPARE(c.form.ServerHost, u"198.51.100.4"_s);
        QCOMPARE(c.form.ServerPort, port);
        QCOMPARE(c.form.RconPassword, QString());
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 0);
    }

    // A bad port keeps the port of the last connect; the password is the one copied at the connect.
    void reconnectKeepsThePreviousPortOnABadText() {
        Console c;
        c.connect();
        c.form.txtPort->setText(u"x"_s);
        c.form.txtRcon->setText(u"new"_s);
        c.form.Command4_Click();
        QCOMPARE(c.udp->sent, rcon({"status"}));
        c.form.Command1_Click();
        QCOMPARE(c.udp->remotePort, 28961);
        QCOMPARE(c.udp->sent.last(), rconDatagram("new", "status"));
    }

    void disconnect() {
        Console c;
        tvx::log* reader = &Forms::get<tvx::log>();
        reader->Text1->setText(u"server info"_s);
        c.connect();
        c.udp->deliver(replyDatagram("hello\n"));
        c.form.Image2_Click();
        QVERIFY(!c.udp->open);
        QCOMPARE(c.form.txtOutput->Text(), kTerminated);
        QCOMPARE(reader->Text1->Text(), u"server info\r\n"_s + kTerminated);
        QVERIFY(!reader->isVisible());
        QVERIFY(c.linkControlsDisabled());
        QCOMPARE(c.form.ServerHost, u"192.0.2.7"_s);
        QCOMPARE(c.form.RconPassword, u"pw"_s);
        QCOMPARE(c.form.txtoutro, u"hello\r\n"_s);
    }

    void disconnectLoadsTheReaderHidden() {
        Console c;
        c.connect();
        QVERIFY(!Forms::isLoaded<tvx::log>());
        c.form.Image2_Click();
        QVERIFY(Forms::isLoaded<tvx::log>());
        QVERIFY(!Forms::get<tvx::log>().isVisible());
        QCOMPARE(Forms::get<tvx::log>().Text1->Text(), u"\r\n"_s + kTerminated);
    }

    // Before the first connect and after a disconnect the socket refuses the send: the echo line is
    // written, nothing leaves, the handler ends there and the program goes on.
    void refusedSends_data() {
        QTest::addColumn<bool>("connectFirst");
        QTest::addColumn<QString>("way");
        for (bool connectFirst : {false, true}) {
            const QString when = connectFirst ? u"after a disconnect, "_s : u"never connected, "_s;
            for (const char* way : {"statusz", "Command4", "txtcmd", "ckickz", "Backlotz"})
                QTest::newRow(qPrintable(when + QString::fromLatin1(way)))
                    << connectFirst << QString::fromLatin1(way);
        }
    }
    void refusedSends() {
        QFETCH(bool, connectFirst);
        QFETCH(QString, way);
        Console c;
        if (connectFirst) {
            c.connect();
            c.form.Image2_Click();
        }
        const QString before = c.form.txtOutput->Text();
        QString command;
        if (way == u"txtcmd") {
            c.form.txtcmd->setText(u"say hi"_s);
            QTest::keyClick(c.form.txtcmd, Qt::Key_Return);
            command = u"say hi"_s;
            // The handler ended at the refused send: the line stays to be sent again.
            QCOMPARE(c.form.txtcmd->text(), command);
        } else {
            c.fx.fake.dialogs.inputAnswers = {u"Bob"_s};
            c.choose(way);
            command = way == u"ckickz"     ? u"kick Bob"_s
                      : way == u"Backlotz" ? u"map mp_backlot"_s
                                           : u"status"_s;
        }
        QCOMPARE(c.form.txtOutput->Text(), before + u"\r\n22:10:00\r\n/"_s + command);
        QCOMPARE(c.udp->sent, QList<QByteArray>());
        QCOMPARE(c.fx.fake.system.endCalls, 0);
        QVERIFY(c.fx.fake.dialogs.shown.size() <= 1); // only the item's own prompt
        // Still usable: a connect brings the link back.
        c.connect();
        c.form.statusz->trigger();
        QCOMPARE(c.udp->sent, rcon({"status"}));
    }

    // ---- Terminal line and replies ----

    void terminalLine() {
        Console c;
        c.connect();
        c.fx.fake.system.clock = c.fx.fake.system.clock.addSecs(3725);
        QTest::keyClick(c.form.txtcmd, Qt::Key_Return);
        c.form.txtcmd->setText(u"say /hi "_s);
        c.form.txtcmd_KeyDown(kKeyReturn, 1);
        c.form.txtcmd_KeyDown(65, 0);
        QCOMPARE(c.udp->sent, rcon({"", "say /hi "}));
        QCOMPARE(c.form.txtOutput->Text(), kStarted + u"\r\n23:12:05\r\n/\r\n23:12:05\r\n/say /hi "_s);
        QCOMPARE(c.form.txtcmd->text(), QString());
    }

    void replyHandler_data() {
        QTest::addColumn<bool>("hide");
        QTest::addColumn<QList<QByteArray>>("datagrams");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("collected");
        const auto one = [](const QByteArray& text) { return QList<QByteArray>{replyDatagram(text)}; };
        QTest::newRow("plain") << false << one("map: mp_castle\n") << u"\r\nmap: mp_castle\r\n"_s
                               << u"map: mp_castle\r\n"_s;
        QTest::newRow("colours kept")
            << false << one("^1Sgt ^7Hartley\n") << u"\r\n^1Sgt ^7Hartley\r\n"_s << u"^1Sgt ^7Hartley\r\n"_s;
        QTest::newRow("colours hidden") << true << one("^1Sgt ^7Hartley ^0x^8\n")
                                        << u"\r\nSgt Hartley x^8\r\n"_s << u"Sgt Hartley x^8\r\n"_s;
        QTest::newRow("^1^2") << true << one("a^1^2b") << u"\r\nab"_s << u"ab"_s;
        QTest::newRow("^2^1") << true << one("a^2^1b") << u"\r\nab"_s << u"ab"_s;
        // The "^1" pass leaves "^2", which its later pass removes; "^2" formed after the "^1" pass stays.
        QTest::newRow("^^12") << true << one("a^^12b") << u"\r\nab"_s << u"ab"_s;
        QTest::newRow("^^21") << true << one("a^^21b") << u"\r\na^1b"_s << u"a^1b"_s;
        QTest::newRow("CR LF already there") << false << one("a\r\nb") << u"\r\na\r\r\nb"_s << u"a\r\r\nb"_s;
        QTest::newRow("header everywhere")
            << false << QList<QByteArray>{replyDatagram("one\n") + replyDatagram("two")}
            << u"\r\none\r\ntwo"_s << u"one\r\ntwo"_s;
        QTest::newRow("no header") << false << QList<QByteArray>{"bare"} << u"\r\nbare"_s << u"bare"_s;
        QTest::newRow("two replies") << false << QList<QByteArray>{replyDatagram("one"), replyDatagram("two")}
                                     << u"\r\none\r\ntwo"_s << u"onetwo"_s;
        QTest::newRow("every byte value survives")
            << false << QList<QByteArray>{QByteArray("\x01\x80\xFF", 3)} << u"\r\n\u0001\u20AC\u00FF"_s
            << u"\u0001\u20AC\u00FF"_s;
    }
    void replyHandler() {
        QFETCH(bool, hide);
        QFETCH(QList<QByteArray>, datagrams);
        QFETCH(QString, shown);
        QFETCH(QString, collected);
        Console c;
        c.connect();
        c.form.chHideFunnyNames->setChecked(hide);
        for (const QByteArray& d : datagrams)
            c.udp->deliver(d);
        QCOMPARE(c.form.txtOutput->Text(), kStarted + shown);
        QCOMPARE(c.form.txtoutro, collected);
        QCOMPARE(c.form.txtOutput->textCursor().position(),
                 c.form.txtOutput->document()->characterCount() - 1);
        // Nothing is routed: no command, no other window.
        QCOMPARE(c.udp->sent, QList<QByteArray>());
        QVERIFY(!Forms::isLoaded<Main>());
    }

    // The collector grows from the window's creation, across connects and disconnects.
    void collectorOutlivesSessions() {
        Console c;
        c.udp->deliver(replyDatagram("early "));
        c.connect();
        c.udp->deliver(replyDatagram("first "));
        c.form.Image2_Click();
        c.connect();
        c.udp->deliver(replyDatagram("second"));
        QCOMPARE(c.form.txtoutro, u"early first second"_s);
        QCOMPARE(c.form.txtOutput->Text(), kStarted + u"\r\nsecond"_s);
    }

    void unusedSocketFillsThePassword() {
        Console c;
        c.form.txtRcon->setText(u"old"_s);
        emit c.form.Winsock1->dataArrival(QByteArray("n\xE9w pass", 8));
        QCOMPARE(c.form.txtRcon->text(), u"n\u00E9w pass"_s);
    }

    // ---- Test buttons and "Get Log" ----

    // A server that floods replies: the collector and the terminal keep their newest text only.
    void floodKeepsTheNewestReplies() {
        Console c;
        c.connect();
        const QByteArray line = QByteArray(1398, 'x') + '\n';
        for (int i = 0; i < 1600; ++i)
            c.udp->deliver(replyDatagram(line));
        c.udp->deliver(replyDatagram("last\n"));
        QVERIFY(c.form.txtoutro.size() <= Main::kCollectedRepliesLimit);
        QVERIFY(c.form.txtoutro.endsWith(u"last\r\n"_s));
        QVERIFY(c.form.txtOutput->Text().size() <= Main::kTerminalScrollback);
        QVERIFY(c.form.txtOutput->Text().endsWith(u"last\r\n"_s));
    }

    void fillGridFromTheCollectedReplies() {
        Console c;
        c.connect();
        // As the server sends it, over two datagrams.
        c.udp->deliver(replyDatagram(
            "map: mp_castle\n"
            "num score ping guid       name            lastmsg address               qport  rate\n"
            "--- ----- ---- ---------- --------------- ------- --------------------- ------ -----\n"));
        c.udp->deliver(replyDatagram(
            "  0    42   48 0f3a9c2e7b ^1Sgt^7Hartley          0 10.0.0.5:28960         12345 25000\n"
            "  1    17   63 9b2e4d6f8a Pvt.Okafor^7            0 192.168.77.141:28960   54321 25000\n"));
        c.form.Command5_Click();
        Main& m = Forms::get<Main>();
        QCOMPARE(m.Text1, c.form.txtoutro);
        QVERIFY(m.isVisible());
        // Every line is cut as a player, the table's own heading lines included: no cleaning first.
        QCOMPARE(m.Grid->Rows(), 6);
        QCOMPARE(m.Grid->TextMatrix(1, 4), u"num"_s);
        QCOMPARE(m.Grid->TextMatrix(3, 0), u"^1Sgt^7Hartley "_s);
        QCOMPARE(m.Grid->TextMatrix(3, 4).trimmed(), u"0"_s);
        QCOMPARE(m.Grid->TextMatrix(3, 5), u"10.0.0.5:28960"_s);
        QCOMPARE(m.Grid->TextMatrix(4, 3), u"9b2e4d6f8a"_s);
        QCOMPARE(m.Label4->Caption(), u"2"_s); // the two players; the heading rows are no players
        // The main window asks for the map on its own link, not on this one.
        QVERIFY(m.Timer2->Enabled());
        QCOMPARE(m.PendingCommand, u"mapname"_s);
        QCOMPARE(c.udp->sent, QList<QByteArray>());
        // Nothing of the main window's parse has touched the collector.
        QVERIFY(c.form.txtoutro.startsWith(u"map: mp_castle\r\n"_s));
    }

    void getRconOnlyOnAConnectedDaemonLink() {
        Console c;
        c.daemon()->currentState = sock::Connecting;
        c.form.Command3_Click();
        QCOMPARE(c.daemon()->sent, QList<QByteArray>());
        c.daemon()->currentState = sock::Connected;
        c.form.Command3_Click();
        QCOMPARE(c.daemon()->sent, QList<QByteArray>{"getrconpass"});
        QCOMPARE(c.login().RconPassPending, QString());
        QCOMPARE(c.login().LogRequested, QString());
    }

    void getLog_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("link up") << sock::Connected << QList<QByteArray>{"getlog"};
        QTest::newRow("link down") << sock::Closed << QList<QByteArray>();
    }
    void getLog() {
        QFETCH(int, state);
        QFETCH(QList<QByteArray>, sent);
        Console c;
        c.daemon()->currentState = state;
        c.form.getlogzz->trigger();
        QCOMPARE(c.daemon()->sent, sent);
        // The flag is up before the request, and stays up when it could not leave.
        QCOMPARE(c.login().LogRequested, u"1"_s);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 0);
        QCOMPARE(c.udp->sent, QList<QByteArray>());
        QCOMPARE(c.form.txtOutput->Text(), u"[RCON SERVER TOOL CONSOLE]\r\n"_s);
    }

    // ---- Closing and the offered procedures ----

    void closingEndsTheProgram() {
        Console c;
        c.login();
        c.form.Show();
        c.form.close();
        QCOMPARE(c.fx.fake.system.endCalls, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Forms::isLoaded<Form4>());
        // The main window's exit steps do not run.
        QVERIFY(!Forms::isLoaded<Main>());
        QCOMPARE(c.fx.fake.shell.killed, QStringList());
    }

    void memoria() {
        Console c;
        c.form.Memoria(u"kept"_s);
        QCOMPARE(c.form.MemoriaText, u"kept"_s);
    }

    void saveTextToFile() {
        Console c;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"notes.txt"_s);
        QVERIFY(c.form.SaveTextToFile(path, u"first \u00E9"_s, false));
        QVERIFY(c.form.SaveTextToFile(path, u"second"_s, false));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("first \xE9\r\nsecond\r\n"));
        f.close();
        QVERIFY(c.form.SaveTextToFile(path, u"third"_s, true));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("third\r\n"));
        f.close();
        // Places that cannot be written, whoever runs the test, and a device that fills up.
        QVERIFY(!c.form.SaveTextToFile(u"/proc/torvanex-notes.txt"_s, u"x"_s, true));
        QVERIFY(!c.form.SaveTextToFile(path + u"/x.txt"_s, u"x"_s, false));
        QVERIFY(!c.form.SaveTextToFile(dir.path(), u"x"_s, false));
        QVERIFY(!c.form.SaveTextToFile(u"/dev/full"_s, u"x"_s, true));
    }

    // ---- End to end ----

    void sessionAgainstTheSimulatedServer() {
        WindowsFixture fx{Sockets::Real};
        SimServerProcess sim;
        QTemporaryFile players;
        QVERIFY(players.open());
        players.write("0\t12\t48\t1234567890\tBob\t10.0.0.5:28960\t12345\t25000\t0\n");
        players.flush();
        QVERIFY2(sim.start({u"--no-throttle"_s, u"--rcon-password"_s, u"secret"_s, u"--map"_s, u"mp_castle"_s,
                            u"--players"_s, players.fileName()}),
                 qPrintable(sim.errorString()));
        Form1& f = Forms::get<Form1>();
        f.txtHostIp->setText(u"127.0.0.1"_s);
        f.txtPort->setText(QString::number(sim.udpPort()));
        f.txtRcon->setText(u"secret"_s);
        f.Command1_Click();
        QVERIFY(sim.waitForUdp(1));
        QCOMPARE(sim.udpReceived().at(0), rconDatagram("secret", "status"));
        QTRY_VERIFY(f.txtoutro.contains(u"10.0.0.5:28960"_s));
        f.statusz->trigger();
        QVERIFY(sim.waitForUdp(2));
        QCOMPARE(sim.udpReceived().at(1), rconDatagram("secret", "status"));
        QTRY_COMPARE(f.txtoutro.count(u"10.0.0.5:28960"_s), 2);
        QVERIFY(f.txtOutput->Text().contains(u"/status\r\nmap: mp_castle\r\n"_s));
        QVERIFY(!f.txtOutput->Text().contains(QChar(0xFF)));
        QCOMPARE(fx.fake.system.endCalls, 0);
    }
};

QTEST_MAIN(TstRconTool)
#include "tst_rcon_tool.moc"
