// The console window: tabs and their access checks, the first chat visit, chat and terminal input, the
// colour buttons, reset and exit, the grid's right button, and captions that fit their places.
#include "core/chat/chat_input.h"
#include "core/link/access_rules.h"
#include "core/link/rcon_protocol.h"
#include "core/platform/errors.h"
#include "core/text/text_util.h"

#include "gui/base/dialogs_qt.h"
#include "gui/daemon_users_window.h"
#include "gui/join_server_window.h"
#include "gui/loading_window.h"
#include "gui/log_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/rcon_tool/rcon_tool.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include "support/console_fixture.h"
#include "support/fake_platform.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

// A console handed over and connected, in the given mode, on screen with the players page; its timers run.
struct Console : ConsoleFixture {
    explicit Console(const QString& mode = u"0"_s, const QString& level = {})
        : ConsoleFixture(mode, level, Timers::Running) {}
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    QWidget* tab(const QString& name) { return main.findChild<QWidget*>(name); }
    QStringList shownParts() const {
        QStringList out;
        for (QWidget* w : {static_cast<QWidget*>(main.Grid), static_cast<QWidget*>(main.Picture1),
                           static_cast<QWidget*>(main.SeeChatp), static_cast<QWidget*>(main.SeeSettings),
                           static_cast<QWidget*>(main.seeMaps), static_cast<QWidget*>(main.seeAdmin),
                           static_cast<QWidget*>(main.SeeTerminalp)}) {
            if (!w->isHidden())
                out << w->objectName();
        }
        return out;
    }
    QList<QByteArray> commands() const { return udp->sent; }
};

const QStringList kPlayersPage{u"Grid"_s, u"Picture1"_s};

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void accessChecks_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("denied");
        QTest::addColumn<bool>("commandLineEnabled");
        QTest::addColumn<QString>("commandLine");
        const QString typed = u"status"_s;
        const QStringList settings{u"SeeSettings"_s}, admin{u"seeAdmin"_s}, terminal{u"SeeTerminalp"_s};
        QTest::newRow("rcon: settings, any level")
            << u"0"_s << u"mp"_s << u"Image7"_s << settings << false << true << typed;
        QTest::newRow("empty mode: admin")
            << QString() << QString() << u"Image9"_s << admin << false << true << typed;
        QTest::newRow("mode ' 1' is rcon")
            << u" 1"_s << u"mp"_s << u"Image7"_s << settings << false << true << typed;
        QTest::newRow("daemon admin: settings")
            << u"1"_s << u"admin"_s << u"Image7"_s << settings << false << true << typed;
        QTest::newRow("daemon poweradmin: admin")
            << u"1"_s << u"poweradmin"_s << u"Image9"_s << admin << false << true << typed;
        QTest::newRow("daemon 'Admin' refused")
            << u"1"_s << u"Admin"_s << u"Image7"_s << kPlayersPage << true << true << typed;
        QTest::newRow("daemon 'admin ' refused")
            << u"1"_s << u"admin "_s << u"Image9"_s << kPlayersPage << true << true << typed;
        QTest::newRow("daemon mp refused")
            << u"1"_s << u"mp"_s << u"Image9"_s << kPlayersPage << true << true << typed;
        QTest::newRow("daemon empty level refused")
            << u"1"_s << QString() << u"Image7"_s << kPlayersPage << true << true << typed;
        QTest::newRow("daemon mp: maps")
            << u"1"_s << u"mp"_s << u"Image8"_s << QStringList{u"seeMaps"_s} << false << true << typed;
        QTest::newRow("daemon mp: chat")
            << u"1"_s << u"mp"_s << u"Image6"_s << QStringList{u"SeeChatp"_s} << false << true << typed;
        QTest::newRow("daemon mp: terminal locked")
            << u"1"_s << u"mp"_s << u"Image10"_s << terminal << false << false << kTerminalDeniedText;
        QTest::newRow("daemon admin: terminal locked")
            << u"1"_s << u"admin"_s << u"Image10"_s << terminal << false << false << kTerminalDeniedText;
        QTest::newRow("daemon 'Poweradmin': terminal locked")
            << u"1"_s << u"Poweradmin"_s << u"Image10"_s << terminal << false << false << kTerminalDeniedText;
        QTest::newRow("daemon poweradmin: terminal")
            << u"1"_s << u"poweradmin"_s << u"Image10"_s << terminal << false << true << typed;
        QTest::newRow("rcon: terminal")
            << u"0"_s << u"mp"_s << u"Image10"_s << terminal << false << true << typed;
    }
    void accessChecks() {
        QFETCH(QString, mode);
        QFETCH(QString, level);
        QFETCH(QString, tab);
        QFETCH(QStringList, shown);
        QFETCH(bool, denied);
        QFETCH(bool, commandLineEnabled);
        QFETCH(QString, commandLine);
        Console c(mode, level);
        c.main.UconSetupDone = u"1"_s;
        c.main.Text7->setText(u"status"_s);
        QCOMPARE(c.shownParts(), kPlayersPage);
        c.click(c.tab(tab));
        QCOMPARE(c.shownParts(), shown);
        if (denied) {
            QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
            const ShownBox box = c.fx.fake.dialogs.shown[0];
            QCOMPARE(box.text, u"Sorry you dont have access to this area!"_s);
            QCOMPARE(box.style, mb::Critical);
            QCOMPARE(box.title, u"Access Denied"_s);
        } else {
            QVERIFY(c.fx.fake.dialogs.shown.isEmpty());
        }
        QCOMPARE(c.main.Text7->isEnabled(), commandLineEnabled);
        QCOMPARE(c.main.Text7->text(), commandLine);
    }

    void terminalUnlockedByPowerAdminKeepsItsText() {
        Console c(u"1"_s, u"mp"_s);
        c.click(c.main.Image10);
        QVERIFY(!c.main.Text7->isEnabled());
        c.handOver(u"1"_s, u"poweradmin"_s); // a new login
        c.click(c.main.Image10);
        QVERIFY(c.main.Text7->isEnabled());
        QCOMPARE(c.main.Text7->text(), u"Sorry but you dont have access to full console command..."_s);
    }

    void playersTabEmptiesTheRepliesAndAsksStatusEveryClick() {
        Console c;
        c.click(c.main.Image8);
        c.main.Text6 = u"old replies"_s;
        c.click(c.main.Image5);
        QCOMPARE(c.shownParts(), kPlayersPage);
        QCOMPARE(c.main.Text6, QString());
        c.click(c.main.Image5);
        QCOMPARE(c.commands(),
                 (QList<QByteArray>{rconDatagram("pw", "status"), rconDatagram("pw", "status")}));
    }

    void firstChatVisitRegistersOnce_data() {
        QTest::addColumn<QStringList>("credentials");
        QTest::addColumn<QByteArray>("first");
        QTest::newRow("credentials") << QStringList{u"192.168.1.20"_s, u"tvx1a2b"_s, u"p4ss"_s}
                                     << QByteArray("pb_sv_uconadd 2 192.168.1.20 tvx1a2b p4ss");
        QTest::newRow("empty boxes") << QStringList{QString(), QString(), QString()}
                                     << QByteArray("pb_sv_uconadd 2   ");
    }
    void firstChatVisitRegistersOnce() {
        QFETCH(QStringList, credentials);
        QFETCH(QByteArray, first);
        Console c;
        c.main.SetUconCredentials({credentials[0], credentials[1], credentials[2]});
        QStringList atSleep;
        c.fx.fake.system.onSleep = [&](int) {
            const Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>();
            atSleep << (wait && wait->isVisible() ? wait->Label3->text() : u"<no wait window>"_s) +
                           u" / sent "_s + QString::number(c.udp->sent.size());
        };
        c.click(c.main.Image6);
        QCOMPARE(c.commands(),
                 (QList<QByteArray>{rconDatagram("pw", first), rconDatagram("pw", "pb_sv_USessionLimit 16"),
                                    rconDatagram("pw", "pb_sv_writecfg"),
                                    rconDatagram("pw", "pb_sv_writecfg pbucon.use")}));
        QCOMPARE(c.fx.fake.system.sleeps, (QList<int>{1000, 1000, 1000}));
        QCOMPARE(atSleep,
                 (QStringList{u"Addin You to PBUCON User List / sent 1"_s,
                              u"Changing Session Limits / sent 2"_s, u"Writing Configs... / sent 3"_s}));
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
        QVERIFY(Forms::isLoaded<Form5>());
        QCOMPARE(c.main.UconSetupDone, u"1"_s);
        QCOMPARE(c.shownParts(), QStringList{u"SeeChatp"_s});

        // Not again: neither on the next visit nor after a reset and a new login.
        c.click(c.main.Image5);
        c.click(c.main.Image4);
        c.main.Connect();
        c.udp->sent.clear();
        c.click(c.main.Image6);
        QVERIFY(c.commands().isEmpty());
        QCOMPARE(c.fx.fake.system.sleeps.size(), 3);
        QCOMPARE(c.shownParts(), QStringList{u"SeeChatp"_s});
    }

    // With the program's own pause, the wait window is painted with each step's caption during its pause.
    void firstChatVisitPaintsEachStepDuringItsPause() {
        Console c;
        c.fx.fake.system.realPauseMs = 20;
        struct PaintedCaptions : QObject {
            QStringList captions;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Paint && o->objectName() == u"Label3") {
                    auto* label = static_cast<QLabel*>(o);
                    if (qobject_cast<Loadingfdf*>(label->window()) &&
                        (captions.isEmpty() || captions.last() != label->text()))
                        captions << label->text();
                }
                return false;
            }
        } painted;
        // It is kept above the console by the desktop: the console owns it.
        bool owned = true;
        c.fx.fake.system.onSleep = [&](int) {
            const Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>();
            owned = owned && wait && wait->windowHandle() &&
                    wait->windowHandle()->transientParent() == c.main.windowHandle();
        };
        qApp->installEventFilter(&painted);
        c.click(c.main.Image6);
        qApp->removeEventFilter(&painted);
        QVERIFY(owned);
        QCOMPARE(painted.captions, (QStringList{u"Addin You to PBUCON User List"_s,
                                                u"Changing Session Limits"_s, u"Writing Configs..."_s}));
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
    }

    void chatLineSendsAndEchoes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("echo");
        const QString stamp = u"[12.08.2026 22:10:00]-> You Said: "_s;
        QTest::newRow("blanks trimmed") << u"  hi  there  "_s << int(Qt::Key_Return) << false
                                        << QByteArray("say hi  there") << stamp + u"hi  there"_s;
        QTest::newRow("empty line") << QString() << int(Qt::Key_Enter) << false << QByteArray("say ")
                                    << stamp;
        QTest::newRow("shift enter, colours kept")
            << u"^1red ^7back"_s << int(Qt::Key_Return) << true << QByteArray("say ^1red ^7back")
            << stamp + u"^1red ^7back"_s;
    }
    void chatLineSendsAndEchoes() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(QByteArray, command);
        QFETCH(QString, echo);
        Console c;
        c.main.txtsay1->setText(typed);
        QTest::keyClick(c.main.txtsay1, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(c.commands(), QList<QByteArray>{rconDatagram("pw", command)});
        QCOMPARE(c.main.txtsay2->Text(), echo); // the first line: no CR LF before it
        QCOMPARE(c.main.txtsay1->text(), QString());
    }

    void laterEchoLinesFollowACrLf() {
        Console c;
        c.main.txtsay1->setText(u"one"_s);
        QTest::keyClick(c.main.txtsay1, Qt::Key_Return);
        c.fx.fake.system.clock = QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5));
        c.main.txtsay1->setText(u"two"_s);
        QTest::keyClick(c.main.txtsay1, Qt::Key_Return);
        QCOMPARE(c.main.txtsay2->Text(),
                 u"[12.08.2026 22:10:00]-> You Said: one\r\n[01.02.2027 03:04:05]-> You Said: two"_s);
        QCOMPARE(c.main.txtsay2->textCursor().position(), c.main.txtsay2->document()->characterCount() - 1);
    }

    void refusedChatLineStaysInTheInput() {
        Console c;
        c.main.udpClient->close();
        c.main.txtsay1->setText(u" hi "_s);
        QTest::keyClick(c.main.txtsay1, Qt::Key_Return);
        QCOMPARE(c.main.txtsay1->text(), u"hi"_s);
        QCOMPARE(c.main.txtsay2->Text(), QString());
    }

    void terminalLineSendsUnchanged() {
        Console c;
        c.main.Text7->setText(u" status"_s);
        QTest::keyClick(c.main.Text7, Qt::Key_Return);
        QTest::keyClick(c.main.Text7, Qt::Key_Enter, Qt::ShiftModifier);
        QTest::keyClick(c.main.Text7, Qt::Key_A); // other keys only type
        c.main.Text7->clear();
        QTest::keyClick(c.main.Text7, Qt::Key_Return);
        QCOMPARE(c.commands(), (QList<QByteArray>{rconDatagram("pw", " status"),
                                                  rconDatagram("pw", " status"), rconDatagram("pw", "")}));
    }

    void colourButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QColor>("face");
        QTest::newRow("red on empty") << u"Command6"_s << QString() << u" ^1"_s << QColor(255, 0, 0);
        QTest::newRow("red after a word")
            << u"Command6"_s << u"hello"_s << u"hello ^1"_s << QColor(255, 0, 0);
        QTest::newRow("green") << u"Command7"_s << QString() << u" ^2"_s << QColor(0, 192, 0);
        QTest::newRow("yellow") << u"Command8"_s << QString() << u" ^3"_s << QColor(255, 255, 0);
        QTest::newRow("blue") << u"Command9"_s << QString() << u" ^4"_s << QColor(0, 0, 255);
        QTest::newRow("cyan") << u"Command10"_s << QString() << u" ^5"_s << QColor(0, 255, 255);
        QTest::newRow("magenta") << u"Command11"_s << QString() << u" ^6"_s << QColor(255, 0, 255);
        QTest::newRow("white") << u"Command12"_s << QString() << u" ^7"_s << QColor(255, 255, 255);
        QTest::newRow("black after the design text")
            << u"Command13"_s << u"Type here what you want to say to the server"_s
            << u"Type here what you want to say to the server ^0"_s << QColor(0, 0, 0);
    }
    void colourButtons() {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QColor, face);
        Console c;
        c.click(c.main.Image6);
        auto* b = c.main.findChild<QPushButton*>(button);
        QVERIFY(b);
        const QImage shot = b->grab().toImage();
        QCOMPARE(shot.pixelColor(shot.rect().center()), face);
        c.main.txtsay1->setText(before);
        c.main.txtsay1->setCursorPosition(0);
        c.click(b);
        QCOMPARE(c.main.txtsay1->text(), after);
        QCOMPARE(c.main.txtsay1->cursorPosition(), after.size());
        QCOMPARE(c.main.focusWidget(), c.main.txtsay1);
    }

    void resetClearsTheSessionAndShowsTheLogin() {
        Console c;
        c.udp->deliver(replyDatagram(twoPlayerStatus()));
        const int rows = c.main.Grid->Rows();
        c.main.UconSetupDone = u"1"_s;
        const QString terminal = c.main.txtOutput->Text();
        c.login.hide();
        c.click(c.main.Image4);
        QCOMPARE(c.udp->state(), sock::Closed);
        QCOMPARE(c.main.Grid->Rows(), rows);
        for (int r = 0; r < rows; ++r) {
            for (int col = 0; col < c.main.Grid->Cols(); ++col)
                QCOMPARE(c.main.Grid->TextMatrix(r, col), QString());
        }
        QCOMPARE(c.main.Label6->Caption(), u"nohostname"_s);
        QCOMPARE(c.main.Label3->Caption(), u"nomap"_s);
        QCOMPARE(c.main.Label4->Caption(), u"0"_s);
        QVERIFY(c.login.isVisible());
        QVERIFY(c.main.isVisible());
        QCOMPARE(c.main.txtOutput->Text(), terminal);
        QCOMPARE(c.main.UconSetupDone, u"1"_s);
    }

    void exitOrder_data() {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("exit picture")
            << true << QStringList{u"kill pbucon.exe (udp closed)"_s, u"end (udp closed)"_s};
        QTest::newRow("window closed")
            << false << QStringList{u"kill pbucon.exe (udp open)"_s, u"end (udp closed)"_s};
    }
    void exitOrder() {
        QFETCH(bool, picture);
        QFETCH(QStringList, events);
        Console c;
        // Each exit step as it reaches the platform, with the rcon socket's state at that moment.
        QStringList seen;
        auto udpState = [&] {
            return c.udp->state() != sock::Closed ? u" (udp open)"_s : u" (udp closed)"_s;
        };
        c.fx.fake.shell.onKill = [&](const QString& name) { seen << u"kill "_s + name + udpState(); };
        c.fx.fake.system.onEnd = [&] { seen << u"end"_s + udpState(); };
        if (picture)
            c.click(c.main.Image11);
        else
            c.main.close();
        QCOMPARE(seen, events);
    }

    // A right press over a row makes it current before the menu opens, so the menu acts on the player
    // under the pointer; over the header or below the last row the current row stays.
    void gridRightButtonPopsTheMenuUp_data() {
        QTest::addColumn<bool>("players");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("where"); // "last" row, "header", or "below" every row
        QTest::addColumn<bool>("popsUp");
        QTest::addColumn<bool>("movesRow");
        QTest::newRow("right on a player") << true << int(Qt::RightButton) << u"last"_s << true << true;
        QTest::newRow("right on the header") << true << int(Qt::RightButton) << u"header"_s << true << false;
        QTest::newRow("right below the players")
            << true << int(Qt::RightButton) << u"below"_s << true << false;
        QTest::newRow("right on an empty grid") << false << int(Qt::RightButton) << u"last"_s << true << true;
        QTest::newRow("left") << true << int(Qt::LeftButton) << u"last"_s << false << true;
        QTest::newRow("middle") << true << int(Qt::MiddleButton) << u"last"_s << false << false;
    }
    void gridRightButtonPopsTheMenuUp() {
        QFETCH(bool, players);
        QFETCH(int, button);
        QFETCH(QString, where);
        QFETCH(bool, popsUp);
        QFETCH(bool, movesRow);
        Console c;
        if (players)
            c.udp->deliver(replyDatagram(twoPlayerStatus()));
        FlexGrid* g = c.main.Grid;
        const int current = g->Rows() - 2;
        g->setRow(current);
        const int last = g->Rows() - 1;
        QPoint at = g->visualRect(g->model()->index(where == u"header" ? 0 : last, 0)).center();
        if (where == u"below")
            at.ry() += g->rowHeight(last) * 2;
        QTest::mouseClick(g->viewport(), Qt::MouseButton(button), {}, at);
        QCOMPARE(g->Row(), movesRow ? last : current);
        QCOMPARE(Forms::isLoaded<Form3>(), popsUp);
        if (!popsUp)
            return;
        Form3& holder = Forms::get<Form3>();
        QCOMPARE(holder.popupCount, 1);
        QCOMPARE(holder.lastPopup.data(), holder.menuz);
        QCOMPARE(holder.windowTitle(), u"GEL"_s);
        QVERIFY(!holder.isVisible());
        holder.menuz->hide();
    }

    void playerMenuAsDesigned() {
        WindowsFixture fx;
        Form3& holder = Forms::get<Form3>();
        QStringList shown;
        for (QAction* a : holder.menuz->actions())
            shown << (a->isVisible() ? a->text() : u"("_s + a->text() + u")"_s);
        QCOMPARE(shown, (QStringList{u"Create Player Report"_s, u"Copy"_s, QString(), u"Warn Player"_s,
                                     u"(Check Player)"_s, u"Kick"_s, u"Ban Player"_s, QString(),
                                     u"Screenshot Player"_s, u"Screenshot Sequence"_s}));
        QCOMPARE(holder.entry(u"clientbanz"_s)->text(), u"Ban Player by Client "_s);
        QVERIFY(holder.entry(u"checkonpbbansz"_s));
    }

    // The core names the controls a result acts on; the window skips a name it does not have, so every
    // name the core can hand out must be one of the window's own.
    void controlNamesTheCoreHandsOutExist() {
        WindowsFixture fx;
        Main& main = Forms::get<Main>();
        for (const QString& name : onOffLabelNames())
            QVERIFY2(main.findChild<VbLabel*>(name), qPrintable(name));
        for (const ColourButton& b : tvx::colourButtons())
            QVERIFY2(main.findChild<QPushButton*>(QString::fromUtf16(b.name)),
                     qPrintable(QString::fromUtf16(b.name)));
    }

    // Each window's border as designed, in Qt's window flags (which the desktop reads as its hints): the
    // small windows are fixed tool windows and the input boxes fixed dialogs, each with a title and a close
    // button and no minimise or maximise button; the console may be minimised; every window keeps its size.
    void windowBordersAsDesigned_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("flags");
        const auto bits = [](Qt::WindowFlags f) { return static_cast<int>(f.toInt()); };
        const Qt::WindowFlags titleAndClose =
            Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        const int tool = bits(Qt::Tool | titleAndClose);
        QTest::newRow("Reader") << u"log"_s << tool;
        QTest::newRow("Wait...") << u"Loadingfdf"_s << tool;
        QTest::newRow("Join Server Configuration") << u"joinserverconfig"_s << tool;
        QTest::newRow("warning box") << u"Form2"_s << tool;
        QTest::newRow("Add New User to Daemon") << u"Form6"_s << tool;
        QTest::newRow("input box") << u"input box"_s << bits(Qt::Dialog | titleAndClose);
        QTest::newRow("login") << u"Form4"_s
                               << bits(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | titleAndClose);
        QTest::newRow("console") << u"Main"_s
                                 << bits(Qt::Window | titleAndClose | Qt::WindowMinimizeButtonHint);
        QTest::newRow("RCON Server Tool") << u"Form1"_s
                                          << bits(Qt::Window | Qt::MSWindowsFixedSizeDialogHint |
                                                  titleAndClose | Qt::WindowMinimizeButtonHint);
    }

    void windowBordersAsDesigned() {
        QFETCH(QString, window);
        QFETCH(int, flags);
        Console c;
        std::unique_ptr<QWidget> box;
        const QHash<QString, std::function<QWidget*()>> windows = {
            {u"log"_s, [] { return &Forms::get<tvx::log>(); }},
            {u"Loadingfdf"_s, [] { return &Forms::get<Loadingfdf>(); }},
            {u"joinserverconfig"_s, [] { return &Forms::get<joinserverconfig>(); }},
            {u"Form2"_s, [] { return &Forms::get<Form2>(); }},
            {u"Form6"_s, [] { return &Forms::get<Form6>(); }},
            {u"Form4"_s, [] { return &Forms::get<Form4>(); }},
            {u"Main"_s, [] { return &Forms::get<Main>(); }},
            {u"Form1"_s, [] { return &Forms::get<Form1>(); }},
            {u"input box"_s,
             [&box] {
                 box = makeInputBox(u"Please enter a name for the server"_s, u"TORVANEX - ADD SERVER"_s,
                                    u"New Server"_s);
                 return box.get();
             }},
        };
        QWidget* w = windows.value(window)();
        // The kind of window and its title bar; Qt adds hints of its own (the window menu) besides.
        const Qt::WindowFlags border = Qt::WindowType_Mask | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowMaximizeButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        QCOMPARE(static_cast<int>((w->windowFlags() & border).toInt()), flags);
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    // A window shown again while it is open comes back, each by the way the console shows it: restored when
    // it was minimised, and the active window.
    void windowShownAgainComesBack_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("way");
        QTest::newRow("Join Server Configuration, by (config)") << u"joinserverconfig"_s << u"config"_s;
        QTest::newRow("Reader, by a reply it shows") << u"log"_s << u"serverinfo"_s;
        QTest::newRow("warning box, by Warn Player") << u"Form2"_s << u"warn"_s;
        QTest::newRow("Wait...") << u"Loadingfdf"_s << u"registry"_s;
        QTest::newRow("Add New User to Daemon, by its menu entry") << u"Form6"_s << u"add user"_s;
        QTest::newRow("login, by reset") << u"Form4"_s << u"reset"_s;
        QTest::newRow("login, when the daemon link is lost") << u"Form4"_s << u"link lost"_s;
        QTest::newRow("console, by the RCON Server Tool") << u"Main"_s << u"rcon tool"_s;
    }
    void windowShownAgainComesBack() {
        QFETCH(QString, window);
        QFETCH(QString, way);
        Console c(u"1"_s, u"poweradmin"_s);
        c.udp->deliver(replyDatagram(twoPlayerStatus()));
        c.main.Grid->setRow(c.main.Grid->Rows() - 2); // the last player
        const QHash<QString, std::function<void()>> ways = {
            {u"config"_s, [&c] { c.main.Label92_Click(); }},
            {u"serverinfo"_s,
             [&c] {
                 c.main.Send(u"serverinfo"_s);
                 c.udp->deliver(replyDatagram("Server info settings:\nsv_hostname x"));
             }},
            {u"warn"_s, [] { Forms::get<Form3>().warnplayerz_Click(); }},
            {u"registry"_s, [] { Forms::show<Loadingfdf>(); }},
            {u"add user"_s, [] { Forms::get<Form3>().addnewusertodaemonz_Click(); }},
            {u"reset"_s, [&c] { c.main.Image4_Click(); }},
            {u"link lost"_s, [&c] { c.login.Winsock1_Error(err::WrongState, u"Wrong protocol or state"_s); }},
            {u"rcon tool"_s, [] { Forms::get<Form1>().Command5_Click(); }},
        };
        const std::function<void()> showAgain = ways.value(way);
        showAgain();
        QWidget* w = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == window && top->isVisible())
                w = top;
        }
        QVERIFY2(w, qPrintable(c.boxes().join(u'\n')));
        w->setWindowState(Qt::WindowMinimized);
        QVERIFY(w->isMinimized());
        showAgain();
        QVERIFY(w->isVisible());
        QVERIFY(!w->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), w);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), way == u"link lost" ? 2 : 0);
    }

    // Every single-line box of every window keeps one line, and every locked box stays out of the tab
    // order; a line pasted with a break into the chat box sends its first line only.
    void boxesKeepOneLineAndLockedOnesTakeNoTabFocus() {
        Console c;
        Forms::get<Form3>();
        Forms::get<Form5>();
        Forms::get<tvx::log>();
        Forms::get<Loadingfdf>();
        QStringList multiLine;
        QStringList tabbable;
        int boxes = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                ++boxes;
                const QString before = box->text();
                box->setText(u"bob\nadmin"_s);
                if (box->text() != u"bob")
                    multiLine << window->objectName() + u'.' + box->objectName();
                box->setText(before);
                if (box->isReadOnly() && (box->focusPolicy() & Qt::TabFocus))
                    tabbable << window->objectName() + u'.' + box->objectName();
            }
            for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
                if (box->isReadOnly() && (box->focusPolicy() & Qt::TabFocus))
                    tabbable << window->objectName() + u'.' + box->objectName();
            }
        }
        QVERIFY(boxes >= 15); // the console and the login window alone have more
        QCOMPARE(multiLine, QStringList());
        QCOMPARE(tabbable, QStringList());

        c.click(c.main.Image6);
        c.udp->sent.clear();
        c.main.txtsay1->clear();
        QGuiApplication::clipboard()->setText(u"say hi\nquit"_s);
        QTest::keyClick(c.main.txtsay1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c.main.txtsay1, Qt::Key_Return);
        QCOMPARE(c.commands(), QList<QByteArray>{rconDatagram("pw", "say say hi")});
    }

    // Switching pages moves the focus off the page that hides, never into the locked address boxes.
    void pageSwitchesLeaveTheLockedBoxesAlone_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("to");
        QTest::newRow("settings to maps") << u"Image7"_s << u"Text8"_s << u"Image8"_s;
        QTest::newRow("maps to admin") << u"Image8"_s << u"List1"_s << u"Image9"_s;
        QTest::newRow("admin to settings") << u"Image9"_s << u"Text11"_s << u"Image7"_s;
        QTest::newRow("chat to settings") << u"Image6"_s << u"txtsay1"_s << u"Image7"_s;
    }
    void pageSwitchesLeaveTheLockedBoxesAlone() {
        QFETCH(QString, from);
        QFETCH(QString, focused);
        QFETCH(QString, to);
        Console c;
        c.main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        c.click(c.tab(from));
        auto* box = c.main.findChild<QWidget*>(focused);
        QVERIFY(box && box->isVisible());
        box->setFocus(Qt::MouseFocusReason);
        c.click(c.tab(to));
        QVERIFY(!box->isVisible());
        QWidget* now = QApplication::focusWidget();
        QVERIFY2(now != c.main.Text3 && now != c.main.Text4, qPrintable(now ? now->objectName() : QString()));
        QVERIFY(!c.main.Text3->hasSelectedText());
        QVERIFY(!c.main.Text4->hasSelectedText());
    }

    void windowsAsDesigned() {
        Console c;
        QCOMPARE(c.main.size(), QSize(854, 588));
        for (int k = 0; k < 8; ++k) {
            auto* tab = c.main.findChild<QLabel*>(u"Image"_s + QString::number(4 + k));
            QCOMPARE(tab->geometry(), QRect(16 + 104 * k, 8, 100, 100));
            QCOMPARE(tab->cursor().shape(), Qt::BitmapCursor);
        }
        QCOMPARE(c.main.Image5->toolTip(), u"Click here to refresh player list"_s);
        QCOMPARE(c.main.txtsay1->toolTip(), u"To add color just press one of the colored "_s);
        QVERIFY(c.main.txtsay2->isReadOnly());

        tvx::log& reader = Forms::get<tvx::log>();
        QCOMPARE(reader.windowTitle(), u"Reader"_s);
        QCOMPARE(reader.size(), QSize(593, 457));
        QVERIFY(reader.windowFlags().testFlag(Qt::Tool));
        QVERIFY(!reader.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!reader.Text1->isReadOnly());
        QVERIFY(QFontInfo(reader.Text1->font()).fixedPitch());
        QCOMPARE(reader.Text1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(reader.Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    // Layouts were made for Tahoma; with the fallback font every design caption must still fit its label.
    void captionsFitTheirPlaces() {
        Console c;
        Loadingfdf& wait = Forms::get<Loadingfdf>();
        QStringList clipped;
        for (QWidget* window : {static_cast<QWidget*>(&c.main), static_cast<QWidget*>(&wait)}) {
            for (QLabel* l : window->findChildren<QLabel*>()) {
                if (l->text().isEmpty())
                    continue;
                const QFontMetrics fm(l->font());
                const QRect room = l->contentsRect();
                const bool fits =
                    l->wordWrap()
                        ? fm.boundingRect(room, Qt::TextWordWrap, l->text()).height() <= room.height()
                        : fm.horizontalAdvance(l->text()) <= room.width();
                if (!fits || fm.ascent() > room.height())
                    clipped << window->objectName() + u'.' + l->objectName();
            }
            for (QGroupBox* f : window->findChildren<QGroupBox*>()) {
                if (QFontMetrics(f->font()).horizontalAdvance(f->title()) + 12 > f->width())
                    clipped << window->objectName() + u'.' + f->objectName();
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", "_s)));
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_main_window.moc"
