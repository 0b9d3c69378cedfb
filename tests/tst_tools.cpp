// The Tools menu: its entries, the web links, the two PunkBuster set-up sequences (commands, progress
// captions, pauses, boxes, access, Cancel, failures), and the daemon users: the entries' checks, the
// add-user window with its permission string and ADDUSER request, and the rcon password change.
#include "core/link/daemon_protocol.h"
#include "core/tools/daemon_users.h"
#include "core/tools/fixed_addresses.h"

#include "gui/daemon_users_window.h"
#include "gui/loading_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"

#include "support/console_fixture.h"
#include "support/fake_platform.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

// A console handed over and connected in the given mode and level, with the daemon link up; its timers
// are ticked by hand.
struct Console : ConsoleFixture {
    Form3& tools = Forms::get<Form3>();
    // What the wait window showed at each pause.
    QStringList atPause;

    explicit Console(const QString& mode = u"0"_s, const QString& level = u"poweradmin"_s)
        : ConsoleFixture(mode, level, Timers::ByHand) {
        fx.fake.system.onSleep = [this](int) { atPause << waitWindow(); };
    }
    // The wait window as the user sees it: its progress line, or that it is not on screen.
    static QString waitWindow() {
        const Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>();
        if (!wait)
            return u"<none>"_s;
        return wait->isVisible() ? wait->Label3->text() : u"<hidden> "_s + wait->Label3->text();
    }
    // Runs each step while the next boxes are open, one step per box, in order.
    void whileBoxes(QList<std::function<void()>> steps) {
        if (steps.isEmpty())
            return;
        fx.fake.dialogs.whileOpen = [this, steps]() mutable {
            auto step = steps.takeFirst();
            whileBoxes(steps);
            step();
        };
    }
    QStringList boxTitles() const {
        QStringList out;
        for (const ShownBox& b : fx.fake.dialogs.shown)
            out << b.title;
        return out;
    }
};

QList<QByteArray> copies(const QList<QByteArray>& commands) {
    QList<QByteArray> out;
    for (const QByteArray& c : commands)
        out << "bob - " + c;
    return out;
}

const QString kPbbansConfirm =
    u"msg 65 [TORVANEX - PBBans Setup!] Please note this tool WILL overwrite the pbsv.cfg file on your "
    u"server "
    "(By issuing the command pb_sv_writecfg). If you are running any league configs we advise not using this "
    "tool.\r\nThis will take a few minutes to complete! Please wait for the Message Box with the OK "
    "information!\r\nPress OK to continue"_s;
const QString kPbbansClosing =
    u"msg 0 [TORVANEX - PBBans Setup] Server should be good for PBBans Streaming!\r\n"
    "Now if you dont have an account yet, go to "_s +
    fixed::kPbBansRegistrationPage + u" and register to setup your Server Account!"_s;
const QString kPsbConfirm = u"msg 65 [TORVANEX - PsB Setup!] Please note this tool will setup Punksbusted "
                            "Streaming into your server!\r\nIf are already registred on PsB and have your "
                            "ClanID ready then press OK to continue"_s;
const QString kPsbAsk = u"input [TORVANEX - PsB Server Setup] Please enter you ClanID (00000)"_s;
const QString kPsbClosing = u"msg 0 [] Server should be good for PsB Streaming!"_s;
const QString kCancelled = u"msg 0 [] Setup Cancelled!"_s;
const QString kSetupDenied = u"msg 16 [TORVANEX] Access Denied! Only Admins Can Setup the Server!"_s;
const QString kLinkError = u"msg 16 [Error 40006] Error: Wrong protocol or connection state"_s;

const QList<QByteArray> kPbbansCommands{"pb_sv_update",
                                        "pb_sv_writecfg pbucon.use",
                                        "pb_sv_restart",
                                        "pb_sv_usessionlimit 8",
                                        "pb_sv_uconadd 1 192.0.2.10 relaygate relaygate",
                                        "pb_sv_autoupdban 1",
                                        "pb_sv_task 0 3600 pb_sv_ver",
                                        "pb_sv_writecfg"};
const QStringList kPbbansCaptions{u"Updating PunkBuster..."_s,
                                  u"Checking pbucon.use..."_s,
                                  u"Restarting Punkbuster..."_s,
                                  u"Changing Session Limits..."_s,
                                  u"Adding PBBans HUD to UCON.."_s,
                                  u"Setting up auto ban..."_s,
                                  u"Setting up task for PB Version..."_s,
                                  u"Writing Config......"_s};
const QList<int> kPbbansPauses{90000, 1000, 20000, 1000, 1000, 1000, 1000, 1000};

} // namespace

class TstTools : public QObject {
    Q_OBJECT
private slots:
    void toolsMenuEntries() {
        Console c;
        QStringList entries;
        // Qt also disables a hidden entry, so "disabled" is told only of the entries shown.
        for (QAction* a : c.tools.toolsz->actions()) {
            entries << a->objectName() + u" \""_s + (a->isSeparator() ? u"-"_s : a->text()) + u'"' +
                           (!a->isVisible()  ? u" hidden"_s
                            : a->isEnabled() ? u""_s
                                             : u" disabled"_s);
        }
        QCOMPARE(entries,
                 (QStringList{u"setupserverforpbbansz \"Setup Server for PBBans\" hidden"_s,
                              u"setupserverforpunksbustedz \"Setup Server for PunksBusted\" hidden"_s,
                              u"setofewfefz \"-\" hidden"_s,
                              u"addnewusertodaemonz \"Add New User to Daemon\" disabled"_s,
                              u"changerconpasswordindaemonz \"Change Rcon Password in Daemon\" disabled"_s,
                              u"setpfz \"-\""_s, u"websitez \"Visit TORVANEX Website\""_s,
                              u"aboutz \"Donate Here (to Quenlo)\""_s}));
        QCOMPARE(c.tools.toolsz->title(), u"Tools"_s);
        for (QAction* a : c.tools.toolsz->actions())
            QCOMPARE(c.tools.entry(a->objectName()), a);

        // The two links go to the shell; the disabled entries do nothing from the menu.
        c.tools.websitez->trigger();
        c.tools.aboutz->trigger();
        c.tools.addnewusertodaemonz->trigger();
        c.tools.changerconpasswordindaemonz->trigger();
        QCOMPARE(c.fx.fake.shell.openedUrls, (QStringList{fixed::kWebsiteUrl, fixed::kDonationUrl}));
        QVERIFY(c.fx.fake.dialogs.shown.isEmpty());
        QVERIFY(!Forms::isLoaded<Form6>());
    }

    // Who may start a set-up; a refused confirmation (OK/Cancel answered Cancel) starts nothing.
    void setupAccessAndCancel_data() {
        QTest::addColumn<bool>("pbbans");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("shown");
        for (const bool pbbans : {true, false}) {
            const QString confirm = pbbans ? kPbbansConfirm : kPsbConfirm;
            const QByteArray name = pbbans ? "PBBans, " : "PunksBusted, ";
            const auto row = [&](const char* tag) -> QTestData& {
                return QTest::newRow(QByteArray(name + tag).constData());
            };
            row("RCON mode, no level needed")
                << pbbans << u"0"_s << u"mp"_s << QStringList{confirm, kCancelled};
            row("RCON mode, empty level")
                << pbbans << u"0"_s << QString() << QStringList{confirm, kCancelled};
            row("Daemon mode, mp") << pbbans << u"1"_s << u"mp"_s << QStringList{kSetupDenied};
            row("Daemon mode, admin") << pbbans << u"1"_s << u"admin"_s << QStringList{confirm, kCancelled};
            row("Daemon mode, poweradmin")
                << pbbans << u"1"_s << u"poweradmin"_s << QStringList{confirm, kCancelled};
            row("Daemon mode, other case") << pbbans << u"1"_s << u"Admin"_s << QStringList{kSetupDenied};
            row("Daemon mode, trailing blank")
                << pbbans << u"1"_s << u"admin "_s << QStringList{kSetupDenied};
        }
    }
    void setupAccessAndCancel() {
        QFETCH(bool, pbbans);
        QFETCH(QString, mode);
        QFETCH(QString, level);
        QFETCH(QStringList, shown);
        Console c(mode, level);
        c.fx.fake.dialogs.msgAnswers = {mb::Cancel};
        bool waitShown = false;
        c.fx.fake.dialogs.whileOpen = [&] { waitShown = Forms::isLoaded<Loadingfdf>(); };
        if (pbbans)
            c.tools.setupserverforpbbansz_Click();
        else
            c.tools.setupserverforpunksbustedz_Click();
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.main.Text43, mode);
        QVERIFY(c.udp->sent.isEmpty());
        QVERIFY(c.tcp->sent.isEmpty());
        QVERIFY(c.fx.fake.system.sleeps.isEmpty());
        QVERIFY(!waitShown);
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
        QVERIFY(!c.main.Timer2->Enabled());
    }

    void pbbansSequence_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("level");
        QTest::newRow("RCON mode") << u"0"_s << u"mp"_s;
        QTest::newRow("Daemon mode, admin") << u"1"_s << u"admin"_s;
    }
    void pbbansSequence() {
        QFETCH(QString, mode);
        QFETCH(QString, level);
        Console c(mode, level);
        QString atClosing;
        c.whileBoxes({[] {}, [&] { atClosing = Console::waitWindow(); }});
        c.tools.setupserverforpbbansz_Click();
        QCOMPARE(c.udp->sent, rcon(kPbbansCommands));
        QCOMPARE(c.tcp->sent, mode == u"1" ? copies(kPbbansCommands) : QList<QByteArray>{});
        QCOMPARE(c.fx.fake.system.sleeps, kPbbansPauses);
        QCOMPARE(c.atPause, kPbbansCaptions);
        QCOMPARE(c.boxes(), (QStringList{kPbbansConfirm, kPbbansClosing}));
        // The last caption is "Done!", and the window is off screen before the closing box opens.
        QCOMPARE(atClosing, u"<hidden> Done!"_s);
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
        QCOMPARE(c.main.LastCommand, u"pb_sv_writecfg"_s);
    }

    void punksBustedSequence_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QByteArray>("loguser");
        QTest::newRow("default ClanID") << QStringList{} << QByteArray("pb_sv_loguser 00000");
        QTest::newRow("typed ClanID, unchecked")
            << QStringList{u" 42 ab;quit"_s} << QByteArray("pb_sv_loguser  42 ab;quit");
        QTest::newRow("Cancel in the ClanID box") << QStringList{QString()} << QByteArray("pb_sv_loguser ");
    }
    void punksBustedSequence() {
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, loguser);
        Console c;
        c.fx.fake.dialogs.inputAnswers = answers;
        QString atAsk, atClosing;
        qsizetype sentAtClosing = -1;
        c.whileBoxes({[] {}, [&] { atAsk = Console::waitWindow(); },
                      [&] {
                          atClosing = Console::waitWindow();
                          sentAtClosing = c.udp->sent.size();
                      }});
        c.tools.setupserverforpunksbustedz_Click();
        QCOMPARE(c.boxes(), (QStringList{kPsbConfirm, kPsbAsk, kPsbClosing}));
        QCOMPARE(c.fx.fake.system.sleeps, (QList<int>{1000, 1000, 1000, 1000}));
        QCOMPARE(c.atPause, (QStringList{u"Loading pbsvlog.cfg..."_s, u"Adding Log Address..."_s,
                                         u"Adding Log Port..."_s, u"Setting up CLANID Address..."_s}));
        QCOMPARE(atAsk, u"Asking You For CLANID.."_s);
        // The last step's caption stays; the window is hidden before the closing box, which comes before
        // the delayed "pb_sv_writecfg" leaves.
        QCOMPARE(atClosing, u"<hidden> Writing Config..."_s);
        QCOMPARE(sentAtClosing, 4);
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
        const QList<QByteArray> direct =
            rcon({"pb_sv_load pbsvlog.cfg", "pb_sv_logaddr " + fixed::kPunksBustedLogHost.toLatin1(),
                  "pb_sv_logport 24425", loguser});
        QCOMPARE(c.udp->sent, direct);
        c.ticks(1);
        QCOMPARE(c.udp->sent, direct);
        c.ticks(1);
        QCOMPARE(c.udp->sent, direct + rcon({"pb_sv_writecfg"}));
    }

    // A refused send in the PBBans set-up: one error box for each failing step, and every step still runs.
    void pbbansReportsEachFailureAndGoesOn() {
        Console c;
        c.fx.fake.system.onSleep = [&](int ms) {
            c.atPause << Console::waitWindow();
            if (ms == 20000)
                c.udp->close(); // the socket is gone after the restart
        };
        c.tools.setupserverforpbbansz_Click();
        QCOMPARE(c.udp->sent, rcon(kPbbansCommands.mid(0, 3)));
        QCOMPARE(c.fx.fake.system.sleeps, kPbbansPauses);
        QCOMPARE(c.atPause, kPbbansCaptions);
        QCOMPARE(c.boxes(), (QStringList{kPbbansConfirm, kLinkError, kLinkError, kLinkError, kLinkError,
                                         kLinkError, kPbbansClosing}));
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
    }

    // A refused send in the PunksBusted set-up ends it silently where it failed; the wait window stays
    // until another sequence unloads it.
    void punksBustedStopsAtTheFirstFailure_data() {
        QTest::addColumn<bool>("deadFromStart");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("sent");
        QTest::newRow("first step") << true << QList<int>{} << u"Loading pbsvlog.cfg..."_s << 0;
        QTest::newRow("second step") << false << QList<int>{1000} << u"Adding Log Address..."_s << 1;
    }
    void punksBustedStopsAtTheFirstFailure() {
        QFETCH(bool, deadFromStart);
        QFETCH(QList<int>, pauses);
        QFETCH(QString, caption);
        QFETCH(int, sent);
        Console c;
        if (deadFromStart)
            c.udp->close();
        else
            c.fx.fake.system.onSleep = [&](int) { c.udp->close(); };
        c.tools.setupserverforpunksbustedz_Click();
        QCOMPARE(c.boxes(), QStringList{kPsbConfirm});
        QCOMPARE(c.fx.fake.system.sleeps, pauses);
        QCOMPARE(c.udp->sent.size(), sent);
        QVERIFY(!c.main.Timer2->Enabled());
        QCOMPARE(Console::waitWindow(), caption);

        c.fx.fake.dialogs.msgAnswers = {mb::Cancel};
        c.tools.setupserverforpbbansz_Click();
        QVERIFY(!Forms::isLoaded<Loadingfdf>());
    }

    // ---- Daemon users ----

    void daemonUserChecks_data() {
        QTest::addColumn<bool>("addUser");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("shown");
        const QString needDaemon = u"msg 64 [TORVANEX] You need to be in Daemon Mode to do this!"_s;
        const QString addDenied = u"msg 16 [TORVANEX] Access Denied! Only PowerAdmins Can Add Users!"_s;
        const QString changeDenied =
            u"msg 16 [TORVANEX] Access Denied! Only PowerAdmins Can Change The Rcon Password!"_s;
        QTest::newRow("add, RCON mode, poweradmin")
            << true << u"0"_s << u"poweradmin"_s << QStringList{needDaemon};
        QTest::newRow("add, RCON mode, mp") << true << u"0"_s << u"mp"_s << QStringList{needDaemon};
        QTest::newRow("add, Daemon mode, admin") << true << u"1"_s << u"admin"_s << QStringList{addDenied};
        QTest::newRow("add, Daemon mode, other case")
            << true << u"1"_s << u"PowerAdmin"_s << QStringList{addDenied};
        QTest::newRow("add, Daemon mode, poweradmin") << true << u"1"_s << u"poweradmin"_s << QStringList{};
        QTest::newRow("change, RCON mode, poweradmin")
            << false << u"0"_s << u"poweradmin"_s << QStringList{needDaemon};
        QTest::newRow("change, Daemon mode, mp") << false << u"1"_s << u"mp"_s << QStringList{changeDenied};
        QTest::newRow("change, Daemon mode, admin")
            << false << u"1"_s << u"admin"_s << QStringList{changeDenied};
    }
    void daemonUserChecks() {
        QFETCH(bool, addUser);
        QFETCH(QString, mode);
        QFETCH(QString, level);
        QFETCH(QStringList, shown);
        Console c(mode, level);
        if (addUser)
            c.tools.addnewusertodaemonz_Click();
        else
            c.tools.changerconpasswordindaemonz_Click();
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.main.Text43, mode);
        QVERIFY(c.tcp->sent.isEmpty());
        const Form6* window = Forms::ifLoaded<Form6>();
        QCOMPARE(window && window->isVisible(), addUser && shown.isEmpty());
    }

    void addUserWindowLayout() {
        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6& w = Forms::get<Form6>();
        QCOMPARE(w.windowTitle(), u"Add New User to Daemon"_s);
        QCOMPARE(w.size(), QSize(240, 204));
        QVERIFY(w.windowFlags().testFlag(Qt::Tool));
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // Name, parent, text, position in twips.
        const struct {
            const char16_t* name;
            const char16_t* parent;
            const char16_t* text;
            QRect twipsPlace;
        } places[] = {
            {u"Frame1", u"Form6", u"", {120, 0, 3375, 2415}},
            {u"Label1", u"Frame1", u"Username:", {120, 240, 2655, 255}},
            {u"Text1", u"Frame1", u"", {120, 480, 3015, 315}},
            {u"Label2", u"Frame1", u"Password:", {120, 960, 2895, 255}},
            {u"Text2", u"Frame1", u"", {120, 1200, 3015, 315}},
            {u"Label3", u"Frame1", u"Level:", {120, 1680, 1695, 255}},
            {u"Combo1", u"Frame1", u"", {120, 1920, 3015, 330}},
            {u"Command2", u"Form6", u"Add New User", {120, 2520, 1695, 375}},
            {u"Command1", u"Form6", u"Cancel", {2160, 2520, 1335, 375}},
            {u"Frame2", u"Form6", u"Permitions", {4320, 0, 4095, 1935}},
            {u"Check1", u"Frame2", u"Players List", {240, 360, 1335, 255}},
            {u"Check2", u"Frame2", u"Chat", {240, 600, 1335, 255}},
            {u"Check3", u"Frame2", u"Configs", {240, 840, 1335, 255}},
            {u"Check4", u"Frame2", u"Maps", {240, 1080, 1335, 255}},
            {u"Check5", u"Frame2", u"Admin", {240, 1320, 855, 255}},
            {u"Check6", u"Frame2", u"Console", {240, 1560, 1335, 255}},
            {u"Text3", u"Frame2", u"", {2160, 1560, 2655, 315}},
            {u"Command3", u"Frame2", u"Set Permitions", {1680, 1200, 2295, 375}},
            {u"Check7", u"Frame2", u"Add Users", {1680, 360, 1335, 255}},
            {u"Check8", u"Frame2", u"Change RCON Password", {1680, 600, 2295, 255}},
            {u"Check9", u"Frame2", u"Ban Players", {1680, 840, 2295, 255}},
        };
        for (const auto& p : places) {
            const QString name = QString::fromUtf16(p.name);
            auto* widget = w.findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromUtf16(p.parent));
            const QRect r = p.twipsPlace;
            QCOMPARE(widget->geometry(), QRect(qRound(r.x() / 15.0), qRound(r.y() / 15.0),
                                               qRound(r.width() / 15.0), qRound(r.height() / 15.0)));
            QString text;
            if (auto* l = qobject_cast<QLabel*>(widget))
                text = l->text();
            else if (auto* b = qobject_cast<QAbstractButton*>(widget))
                text = b->text();
            else if (auto* g = qobject_cast<QGroupBox*>(widget))
                text = g->title();
            else if (auto* e = qobject_cast<QLineEdit*>(widget))
                text = e->text();
            QCOMPARE(text, QString::fromUtf16(p.text));
        }
        // The permission frame lies beyond the right edge: nothing of it can be seen.
        QVERIFY(w.Frame2->geometry().left() >= w.width());
        QVERIFY(!w.Text3->isVisibleTo(&w));
        QCOMPARE(w.Text2->echoMode(), QLineEdit::Normal);
        QVERIFY(w.Combo1->isEditable());
        QCOMPARE(w.Combo1->count(), 3);
        QCOMPARE(w.Combo1->itemText(0), u"mp"_s);
        QCOMPARE(w.Combo1->itemText(1), u"admin"_s);
        QCOMPARE(w.Combo1->itemText(2), u"poweradmin"_s);
        QCOMPARE(w.Combo1->currentIndex(), -1);
        QCOMPARE(w.Combo1->currentText(), QString());
        for (QCheckBox* box : w.checks())
            QVERIFY(!box->isChecked());
        for (const QString* member : w.permissions())
            QCOMPARE(*member, u"0"_s);
        QCOMPARE(QFontInfo(w.Label1->font()).bold(), true);

        // The design's tab order: Cancel, Add New User, the fields, then the permission frame.
        QStringList chain;
        QWidget* at = w.Command1;
        for (int i = 0; i < 16; ++i, at = at->nextInFocusChain()) {
            while ((at->focusPolicy() == Qt::NoFocus && at != w.Text3) || at->objectName().isEmpty())
                at = at->nextInFocusChain();
            chain << at->objectName();
        }
        QCOMPARE(chain,
                 (QStringList{u"Command1"_s, u"Command2"_s, u"Text1"_s, u"Text2"_s, u"Combo1"_s, u"Check1"_s,
                              u"Check2"_s, u"Check3"_s, u"Check4"_s, u"Check5"_s, u"Check6"_s, u"Text3"_s,
                              u"Command3"_s, u"Check7"_s, u"Check8"_s, u"Check9"_s}));
    }

    // Each permission's row: its check box, caption, member and place in the permission string.
    void permissionRows_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("caption");
        const char* const members[] = {"PermPlayersList", "PermChat",       "PermConfigs",
                                       "PermMaps",        "PermAdmin",      "PermConsole",
                                       "PermAddUsers",    "PermChangeRcon", "PermBanPlayers"};
        const char* const captions[] = {"Players List", "Chat",    "Configs",   "Maps",
                                        "Admin",        "Console", "Add Users", "Change RCON Password",
                                        "Ban Players"};
        QCOMPARE(permissionTable().size(), std::size_t{9});
        for (int i = 0; i < 9; ++i) {
            QTest::newRow(members[i])
                << i + 1 << QString::fromLatin1(members[i]) << u"Check"_s + QString::number(i + 1)
                << QString::fromLatin1(captions[i]);
        }
    }
    void permissionRows() {
        QFETCH(int, position);
        QFETCH(QString, member);
        QFETCH(QString, check);
        QFETCH(QString, caption);
        const PermissionRow& row = permissionTable()[std::size_t(position - 1)];
        QCOMPARE(row.position, position);
        QCOMPARE(row.member.toString(), member);
        QCOMPARE(row.checkBox.toString(), check);
        QCOMPARE(row.caption.toString(), caption);

        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6& w = Forms::get<Form6>();
        auto* box = w.findChild<QCheckBox*>(check);
        QVERIFY(box);
        QCOMPARE(box->text(), caption);
        box->setChecked(true);
        w.Command3_Click();
        QString expected(9, u'0');
        expected[position - 1] = u'1';
        QCOMPARE(w.Text3->text(), expected);
        QCOMPARE(*w.permissions()[std::size_t(position - 1)], u"1"_s);
    }

    void permissionString_data() {
        QTest::addColumn<QStringList>("clicks"); // check boxes clicked, in order; each click flips it
        QTest::addColumn<QString>("permissions");
        QTest::newRow("no click") << QStringList{} << u"000000000"_s;
        QTest::newRow("1, 3 and 9") << QStringList{u"Check1"_s, u"Check3"_s, u"Check9"_s} << u"101000001"_s;
        QTest::newRow("1 cleared again")
            << QStringList{u"Check1"_s, u"Check3"_s, u"Check9"_s, u"Check1"_s} << u"001000001"_s;
        QTest::newRow("all") << QStringList{u"Check1"_s, u"Check2"_s, u"Check3"_s, u"Check4"_s, u"Check5"_s,
                                            u"Check6"_s, u"Check7"_s, u"Check8"_s, u"Check9"_s}
                             << u"111111111"_s;
    }
    void permissionString() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, permissions);
        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6& w = Forms::get<Form6>();
        for (const QString& name : clicks)
            w.findChild<QCheckBox*>(name)->click();
        QCOMPARE(w.Text3->text(), QString());
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QCOMPARE(w.Text3->text(), permissions);
        // Nothing of it goes into the request.
        w.Text1->setText(u"amy"_s);
        w.Text2->setText(u"pw"_s);
        w.Combo1->setCurrentIndex(0);
        w.Command2_Click();
        QCOMPARE(c.tcp->sent, (QList<QByteArray>{"ADDUSER amy+pw-mp"}));
    }

    void addUser_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QByteArray>("request"); // empty: refused with `box`, the window stays
        QTest::addColumn<QString>("box");
        const QString fillIn = u"msg 16 [TORVANEX] Please fill Username, Password and Level!"_s;
        QTest::newRow("complete") << u"amy"_s << u"s3cret"_s << u"admin"_s
                                  << QByteArray("ADDUSER amy+s3cret-admin") << QString();
        // The daemon splits at the first "+" and the last "-": both may stand in the password, and a "-"
        // in the name.
        QTest::newRow("separators where the daemon reads them right")
            << u"a-b"_s << u"p+q-r"_s << u"poweradmin"_s << QByteArray("ADDUSER a-b+p+q-r-poweradmin")
            << QString();
        QTest::newRow("a plus in the name would add another user")
            << u"a+b"_s << u"pw"_s << u"admin"_s << QByteArray()
            << u"msg 16 [TORVANEX] The username may not contain \"+\"!"_s;
        QTest::newRow("a dash in the level would give another password and level")
            << u"amy"_s << u"pw"_s << u"x-mp"_s << QByteArray()
            << u"msg 16 [TORVANEX] The level may not contain \"-\"!"_s;
        QTest::newRow("blanks kept, typed level")
            << u" amy "_s << u" "_s << u"owner"_s << QByteArray("ADDUSER  amy + -owner") << QString();
        QTest::newRow("no level") << u"amy"_s << u"s3cret"_s << QString() << QByteArray() << fillIn;
        QTest::newRow("no user") << QString() << u"s3cret"_s << u"mp"_s << QByteArray() << fillIn;
        QTest::newRow("no password") << u"amy"_s << QString() << u"mp"_s << QByteArray() << fillIn;
    }
    void addUser() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, level);
        QFETCH(QByteArray, request);
        QFETCH(QString, box);
        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6& w = Forms::get<Form6>();
        w.Text1->setText(user);
        w.Text2->setText(password);
        w.Combo1->setEditText(level);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        if (request.isEmpty()) {
            QCOMPARE(c.boxes(), QStringList{box});
            QVERIFY(c.tcp->sent.isEmpty());
            QVERIFY(Forms::isLoaded<Form6>() && w.isVisible());
            QCOMPARE(w.Text1->text(), user);
            QCOMPARE(w.Text2->text(), password);
            QCOMPARE(w.Combo1->currentText(), level);
        } else {
            QVERIFY(c.boxes().isEmpty());
            QCOMPARE(c.tcp->sent, QList<QByteArray>{request});
            QVERIFY(!Forms::isLoaded<Form6>());
            QVERIFY(c.udp->sent.isEmpty());
        }
    }

    // The daemon link is gone: the failure is shown and everything typed stays for another try.
    void addUserRefusedSend() {
        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6& w = Forms::get<Form6>();
        w.Text1->setText(u"amy"_s);
        w.Text2->setText(u"s3cret"_s);
        w.Combo1->setCurrentIndex(2);
        w.Check2->click();
        c.tcp->currentState = sock::Closed;
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(c.boxes(),
                 QStringList{u"msg 16 [Error nº 40006] Error: Wrong protocol or connection state"_s});
        QVERIFY(Forms::isLoaded<Form6>() && w.isVisible());
        QCOMPARE(w.Text1->text(), u"amy"_s);
        QCOMPARE(w.Text2->text(), u"s3cret"_s);
        QCOMPARE(w.Combo1->currentText(), u"poweradmin"_s);
        QCOMPARE(w.PermChat, u"1"_s);

        c.tcp->currentState = sock::Connected;
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(c.tcp->sent, QList<QByteArray>{"ADDUSER amy+s3cret-poweradmin"});
        QVERIFY(!Forms::isLoaded<Form6>());
    }

    void cancelAndReopen() {
        Console c(u"1"_s);
        c.tools.addnewusertodaemonz_Click();
        Form6* w = &Forms::get<Form6>();
        w->Text1->setText(u"amy"_s);
        w->Combo1->setCurrentIndex(1);
        w->Check5->click();
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded<Form6>());
        QVERIFY(c.tcp->sent.isEmpty());
        QVERIFY(c.boxes().isEmpty());

        c.tools.addnewusertodaemonz_Click();
        w = &Forms::get<Form6>();
        QVERIFY(w->isVisible());
        QCOMPARE(w->Text1->text(), QString());
        QCOMPARE(w->Combo1->currentText(), QString());
        QVERIFY(!w->Check5->isChecked());
        QCOMPARE(w->PermAdmin, u"0"_s);
    }

    // The daemon's notices: a box only as the answer to a request sent from here, one per request, never
    // a second while one is open, and never more than a few KiB of text.
    static void askDaemon(Console& c, const QString& request) {
        if (request == u"adduser") {
            c.tools.addnewusertodaemonz_Click();
            Form6& w = Forms::get<Form6>();
            w.Text1->setText(u"amy"_s);
            w.Text2->setText(u"s3cret"_s);
            w.Combo1->setCurrentIndex(1);
            QTest::mouseClick(w.Command2, Qt::LeftButton);
        } else {
            c.fx.fake.dialogs.msgAnswers = {mb::Ok};
            c.fx.fake.dialogs.inputAnswers = {u"n3w"_s};
            c.tools.changerconpasswordindaemonz_Click();
        }
        c.fx.fake.dialogs.shown.clear();
    }

    void noticeAnswersItsRequest_data() {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QByteArray>("notice");
        QTest::addColumn<QByteArray>("otherNotice");
        QTest::addColumn<QString>("box");
        QTest::newRow("add user") << u"adduser"_s << QByteArray("ADDUSER User amy added as admin")
                                  << QByteArray("CHANGERCON Rcon password changed")
                                  << u"msg 64 [TORVANEX Daemon] User amy added as admin"_s;
        QTest::newRow("change rcon password")
            << u"changercon"_s << QByteArray("CHANGERCON Rcon password changed")
            << QByteArray("ADDUSER User amy added as admin")
            << u"msg 64 [TORVANEX Daemon] Rcon password changed"_s;
    }
    void noticeAnswersItsRequest() {
        QFETCH(QString, request);
        QFETCH(QByteArray, notice);
        QFETCH(QByteArray, otherNotice);
        QFETCH(QString, box);
        Console c(u"1"_s);
        c.tcp->deliver(notice); // before it was asked
        QVERIFY(c.boxes().isEmpty());
        askDaemon(c, request);
        c.tcp->deliver(otherNotice); // the other request's answer
        QVERIFY(c.boxes().isEmpty());
        c.tcp->deliver(notice);
        QCOMPARE(c.boxes(), QStringList{box});
        c.tcp->deliver(notice); // answered already
        QCOMPARE(c.boxes(), QStringList{box});
    }

    void noSecondNoticeWhileTheBoxIsOpen() {
        Console c(u"1"_s);
        askDaemon(c, u"adduser"_s);
        askDaemon(c, u"adduser"_s);
        askDaemon(c, u"changercon"_s);
        int nested = 0;
        c.fx.fake.dialogs.whileOpen = [&] {
            c.tcp->deliver("ADDUSER User bob added as mp");
            c.tcp->deliver("CHANGERCON Rcon password changed");
            nested = int(c.fx.fake.dialogs.shown.size());
        };
        c.tcp->deliver("ADDUSER User amy added as admin");
        QCOMPARE(nested, 1);
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [TORVANEX Daemon] User amy added as admin"_s});
    }

    void hugeNoticeIsCapped() {
        Console c(u"1"_s);
        askDaemon(c, u"changercon"_s);
        c.tcp->deliver("CHANGERCON " + QByteArray(kNoticeTextLimit, 'a') + QByteArray(1 << 20, 'b'));
        QCOMPARE(c.fx.fake.dialogs.texts(), QStringList{QString(kNoticeTextLimit, u'a')});
    }

    void changeRconPassword_data() {
        QTest::addColumn<int>("confirm");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("linkUp");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<QByteArray>>("sent");
        const QString confirm =
            u"msg 65 [TORVANEX] Please do this before changing it on the actual server "
            "configuration!\r\nAre you sure you want to change RCON password on daemon?"_s;
        const QString ask =
            u"input [Change RCON Password on Daemon] Please type here the new RCON password! ()"_s;
        QTest::newRow("Cancel on the confirmation")
            << int(mb::Cancel) << QStringList{} << true
            << QStringList{confirm, u"msg 64 [TORVANEX] Change RCON Cancelled!"_s} << QList<QByteArray>{};
        QTest::newRow("Cancel in the input box")
            << int(mb::Ok) << QStringList{QString()} << true
            << QStringList{confirm, ask, u"msg 0 [] Cancelled - You need a password, blank wont work!"_s}
            << QList<QByteArray>{};
        QTest::newRow("new password")
            << int(mb::Ok) << QStringList{u"n3w pass-"_s} << true << QStringList{confirm, ask}
            << QList<QByteArray>{"CHANGERCON n3w pass-"};
        QTest::newRow("link gone: nothing shown") << int(mb::Ok) << QStringList{u"n3w"_s} << false
                                                  << QStringList{confirm, ask} << QList<QByteArray>{};
    }
    void changeRconPassword() {
        QFETCH(int, confirm);
        QFETCH(QStringList, typed);
        QFETCH(bool, linkUp);
        QFETCH(QStringList, shown);
        QFETCH(QList<QByteArray>, sent);
        Console c(u"1"_s);
        c.main.RconPassword = u"pw"_s;
        c.fx.fake.dialogs.msgAnswers = {confirm};
        c.fx.fake.dialogs.inputAnswers = typed;
        if (!linkUp)
            c.tcp->currentState = sock::Closed;
        c.tools.changerconpasswordindaemonz_Click();
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.tcp->sent, sent);
        QVERIFY(c.udp->sent.isEmpty());
        QCOMPARE(c.main.txtRcon, u"pw"_s);
        QCOMPARE(c.main.RconPassword, u"pw"_s);
    }
};

QTEST_MAIN(TstTools)
#include "tst_tools.moc"
