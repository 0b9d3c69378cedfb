// Renders the console's windows into PNG pictures, driven on the fake platform: the login window, every
// page of the console in RCON mode with a few players (the settings page with a rotation built, the maps
// page before and after a map is chosen), the terminal as a Daemon-mode "mp" user, the Reader, the wait
// window (the first chat visit and a set-up step), the player menu open over the grid, the warning box, the
// Tools menu, the add-user window, the login window's two profile menus, the Join Server configuration and
// the RCON Server Tool with its menus. Also lists every design caption that does not fit its label.
#include "gui/base/artwork.h"
#include "gui/daemon_users_window.h"
#include "gui/join_server_window.h"
#include "gui/loading_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/rcon_tool/rcon_tool.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include "support/fake_platform.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

const QByteArray kStatus =
    statusReply("mp_castle", {{0, 42, "48", "0f3a9c2e7b", "^1Sgt^7Hartley", "10.0.0.5:28960", 12345},
                              {1, 17, "63", "9b2e4d6f8a", "Pvt.Okafor", "192.168.77.141:28960", 54321},
                              {2, 9, "112", "4c6e8a0b2d", "^2Lindqvist", "172.16.4.20:28960", 40404},
                              {3, 0, "999", "7d9f1b3d5f", "Kowalczyk", "10.0.0.77:28960", 33333}});

class Shots {
public:
    explicit Shots(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

    void save(QWidget& w, const QString& name) {
        QCoreApplication::processEvents();
        write(w.grab(), name);
        checkCaptions(w);
    }

    // A window with one of its menu bar's menus dropped down from its title, as one picture.
    void saveWithMenu(QWidget& window, QMenuBar& bar, QMenu& menu, const QString& name) {
        QCoreApplication::processEvents();
        const QRect title = bar.actionGeometry(menu.menuAction());
        const QPoint at = bar.mapTo(&window, title.bottomLeft());
        menu.popup(bar.mapToGlobal(title.bottomLeft()));
        QCoreApplication::processEvents();
        const QPixmap back = window.grab();
        const QPixmap drop = menu.grab();
        menu.hide();
        QPixmap all(qMax(back.width(), at.x() + drop.width()), qMax(back.height(), at.y() + drop.height()));
        all.fill(Qt::white);
        {
            QPainter p(&all);
            p.drawPixmap(0, 0, back);
            p.drawPixmap(at, drop);
        }
        write(all, name);
    }

    // The window with one of its menus open, and one of that menu's submenus: a window's picture holds no
    // pop-up, so they are drawn on it where the screen shows them.
    void saveWithMenu(QWidget& w, QMenuBar& bar, QMenu& menu, QMenu* sub, const QString& name) {
        menu.popup(bar.mapToGlobal(bar.actionGeometry(menu.menuAction()).bottomLeft()));
        if (sub) {
            menu.setActiveAction(sub->menuAction());
            if (!sub->isVisible())
                sub->popup(menu.mapToGlobal(menu.actionGeometry(sub->menuAction()).topRight()));
        }
        QCoreApplication::processEvents();
        QPixmap shot = w.grab();
        {
            QPainter p(&shot);
            for (QMenu* m : {&menu, sub}) {
                if (m && m->isVisible())
                    p.drawPixmap(w.mapFromGlobal(m->pos()), m->grab());
            }
        }
        write(shot, name);
        checkCaptions(w);
        if (sub)
            sub->hide();
        menu.hide();
    }

    // The window with pop-up menus drawn over it where they stand on the screen.
    void saveComposed(QWidget& w, const QList<QWidget*>& over, const QString& name) {
        QCoreApplication::processEvents();
        QPixmap shot = w.grab();
        {
            QPainter p(&shot);
            for (QWidget* o : over)
                p.drawPixmap(o->mapToGlobal(QPoint(0, 0)) - w.mapToGlobal(QPoint(0, 0)), o->grab());
        }
        write(shot, name);
        checkCaptions(w);
    }

    int clipped() const { return clipped_; }

private:
    // Every visible design caption must fit its label with the font the machine has.
    void checkCaptions(QWidget& window) {
        for (QLabel* l : window.findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->isVisibleTo(&window))
                continue;
            const QFontMetrics fm(l->font());
            const QRect room = l->contentsRect();
            const int need = l->wordWrap() ? fm.boundingRect(room, Qt::TextWordWrap, l->text()).height()
                                           : fm.horizontalAdvance(l->text());
            const int have = l->wordWrap() ? room.height() : room.width();
            if (need > have) {
                std::printf("  clipped: %s.%s needs %d px, has %d\n", qPrintable(window.objectName()),
                            qPrintable(l->objectName()), need, have);
                ++clipped_;
            }
        }
    }

    void write(const QPixmap& picture, const QString& name) {
        const QString path = folder_ + u'/' + name + u".png"_s;
        if (!picture.save(path))
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
    }

    QString folder_;
    int clipped_ = 0;
};

void enter(VbLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->keyDown(kKeyReturn, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Shots shots(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"build/screenshots"_s);
    WindowsFixture fx;

    // Two saved profiles, named in the "Load Server" menu.
    fx.fake.settings.set(u"[LOGIN1]"_s, u"Name"_s, u"Iron Brigade Realism"_s);
    fx.fake.settings.set(u"[LOGIN2]"_s, u"Name"_s, u"Clan Practice (daemon)"_s);

    // The login window, filled for RCON mode.
    Form4& login = Forms::get<Form4>();
    login.Text4->setText(u"203.0.113.17"_s);
    login.Text5->setText(u"28960"_s);
    login.Text6->setText(u"secret"_s);
    login.Show();
    shots.save(login, u"01-login"_s);
    shots.saveWithMenu(login, *login.menuBar, *login.loadz, u"01-login-load-menu"_s);
    shots.saveWithMenu(login, *login.menuBar, *login.save, u"01-login-save-menu"_s);

    // Hand-over, then the players from a "status" reply, the map and the host name.
    login.Command1_Click();
    Main& main = Forms::get<Main>();
    FakeUdpSocket* udp = fx.fake.udp();
    udp->deliver(replyDatagram(kStatus));
    main.Timer2_Timer();
    main.Timer2_Timer();
    udp->deliver(replyDatagram("\"mapname\" is: \"mp_castle^7\" default: \"^7\"\n"));
    main.Timer2_Timer();
    main.Timer2_Timer();
    udp->deliver(
        replyDatagram("\"sv_hostname\" is: \"^1Iron ^7Brigade ^3Realism^7\" default: \"CoDWaWHost^7\"\n"));
    main.Grid->setRow(4);
    shots.save(main, u"02-players"_s);

    // The player menu as it pops up over the grid, on the row under the right button, with the ban
    // entries open; then the warning box for that player.
    Form3& menus = Forms::get<Form3>();
    const int row = 5;
    main.Grid->setRow(row);
    const QPoint at =
        main.Grid->viewport()->mapToGlobal(main.Grid->visualRect(main.Grid->model()->index(row, 0)).center());
    menus.PopupMenu(menus.menuz, at);
    QCoreApplication::processEvents();
    const QRect banEntry = menus.menuz->actionGeometry(menus.banp->menuAction());
    menus.menuz->setActiveAction(menus.banp->menuAction());
    menus.banp->popup(menus.menuz->mapToGlobal(banEntry.topRight()));
    shots.saveComposed(main, {menus.menuz, menus.banp}, u"03-player-menu"_s);
    menus.banp->hide();
    menus.menuz->hide();
    menus.warnplayerz->trigger();
    Form2& warning = Forms::get<Form2>();
    warning.Text1->setText(u"Last warning: no spawn camping on this server"_s);
    shots.save(warning, u"03-warning-box"_s);
    warning.Command2_Click();

    // The first chat visit: the wait window is pictured during its first pause.
    bool waitShot = false;
    fx.fake.system.onSleep = [&](int) {
        if (Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>(); wait && !waitShot) {
            shots.save(*wait, u"04-wait"_s);
            waitShot = true;
        }
    };
    main.Image6_Click();
    enter(main.txtsay1, u"  Welcome to the server, no spawn killing  "_s);
    fx.fake.system.clock = fx.fake.system.clock.addSecs(75);
    main.txtsay1->setText(u"^1Round restarts"_s);
    main.Command12_Click();
    enter(main.txtsay1, main.txtsay1->text() + u" in one minute"_s);
    main.txtsay1->setText(u"Type here what you want to say to the server"_s);
    shots.save(main, u"05-chat"_s);

    main.Image7_Click();
    main.Send(u"g_allowvote"_s);
    udp->deliver(replyDatagram("\"g_allowVote\" is: \"1^7\" default: \"1^7\"\n"));
    main.Text8->setText(u"Iron Brigade Realism"_s);
    // A rotation built with "Add": two pairs.
    const std::pair<const char16_t*, const char16_t*> rotation[] = {{u"mp_castle", u"tdm"},
                                                                    {u"mp_dome", u"dom"}};
    for (const auto& [map, type] : rotation) {
        main.Combo1->setCurrentIndex(main.Combo1->findText(QString::fromUtf16(map)));
        main.Combo2->setCurrentIndex(main.Combo2->findText(QString::fromUtf16(type)));
        main.Label39_Click();
    }
    shots.save(main, u"06-settings"_s);

    main.Image8_Click();
    shots.save(main, u"07-maps"_s);
    // A map chosen in the list: its preview alone and its name ready for the change.
    main.List1->setCurrentRow(
        main.List1->row(main.List1->findItems(u"mp_castle"_s, Qt::MatchExactly).first()));
    shots.save(main, u"07-maps-chosen"_s);

    main.Image9_Click();
    main.Text10->setText(u" Ban List\r\n1 0f3a9c2e7b \"Cheater\" 10.0.0.9\r\n End of Ban List\r\n"_s);
    shots.save(main, u"08-admin"_s);

    main.Image10_Click();
    main.Text7->setText(u"serverinfo"_s);
    shots.save(main, u"09-terminal"_s);

    // The same terminal for a Daemon-mode user of level "mp".
    main.HandOver({u"203.0.113.17"_s, u"28960"_s, {}, u"1"_s, u"mp"_s});
    main.IdentDaemon(u"1"_s);
    main.Image10_Click();
    shots.save(main, u"10-terminal-daemon-mp"_s);

    tvx::log& reader = Forms::get<tvx::log>();
    reader.Text1->setText(u"Server Name: Iron Brigade Realism\r\nGUID: 0f3a9c2e7b\r\n"
                          "Map: mp_castle\r\nPlayers: 4/18\r\n"_s);
    reader.Show();
    shots.save(reader, u"11-reader"_s);

    // "(config)": the game client's path and the passworded server's password.
    main.txtiw3mp =
        u"/home/admin/.wine/drive_c/Program Files/Activision/Call of Duty - World at War/CoDWaWmp.exe"_s;
    main.txtserverpass = u"clanwar"_s;
    main.Label92_Click();
    shots.save(Forms::get<joinserverconfig>(), u"13-join-server"_s);

    // The hand pointer, four times enlarged, on white.
    QLabel pointer;
    pointer.setObjectName(u"pointer"_s);
    QPixmap big(128, 128);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.drawPixmap(big.rect(), art::handCursor().pixmap());
    }
    pointer.setPixmap(big);
    pointer.resize(big.size());
    shots.save(pointer, u"12-hand-pointer"_s);

    // The Tools menu over the console, a step of the PBBans set-up in the wait window, and the add-user
    // window of a Daemon-mode "poweradmin".
    main.IdentDaemon(u"0"_s);
    main.Image5_Click();
    menus.PopupMenu(menus.toolsz, main.mapToGlobal(QPoint(560, 600)));
    shots.save(*menus.toolsz, u"14-tools-menu"_s);
    menus.toolsz->hide();
    fx.fake.system.onSleep = [&](int) {
        Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>();
        if (wait && wait->Label3->text() == u"Adding PBBans HUD to UCON..")
            shots.save(*wait, u"15-wait-setup"_s);
    };
    menus.SetupPbbans();
    fx.fake.system.onSleep = {};

    main.HandOver({u"203.0.113.17"_s, u"28960"_s, {}, u"1"_s, u"poweradmin"_s});
    main.IdentDaemon(u"1"_s);
    menus.addnewusertodaemonz_Click();
    Form6& users = Forms::get<Form6>();
    users.Text1->setText(u"okafor"_s);
    users.Text2->setText(u"s3cret"_s);
    users.Combo1->setCurrentIndex(1);
    shots.save(users, u"16-daemon-users"_s);
    // Its permission frame, which lies beyond the window's right edge and is never seen there.
    users.Check1->setChecked(true);
    users.Check9->setChecked(true);
    shots.save(*users.Frame2, u"17-daemon-users-permissions"_s);
    // The RCON Server Tool: before its first connect, connected with a session under way, and disconnected.
    Form1& console = Forms::get<Form1>();
    console.txtHostIp->setText(u"203.0.113.17"_s);
    console.txtPort->setText(u"28960"_s);
    console.txtRcon->setText(u"secret"_s);
    console.Text1->setText(u"Hartley"_s);
    console.Check1->setChecked(true);
    console.Show();
    shots.saveWithMenu(console, *console.menuBar, *console.mapcontrolz, console.loadthismapz,
                       u"18-test-console"_s);
    console.Command1_Click();
    auto* consoleUdp = qobject_cast<FakeUdpSocket*>(console.udpClient);
    consoleUdp->deliver(replyDatagram(kStatus));
    fx.fake.system.clock = fx.fake.system.clock.addSecs(42);
    console.txtcmd->setText(u"sv_hostname"_s);
    emit console.txtcmd->keyDown(kKeyReturn, 0);
    consoleUdp->deliver(
        replyDatagram("\"sv_hostname\" is: \"^1Iron ^7Brigade ^3Realism^7\" default: \"CoDWaWHost^7\"\n"));
    console.txtSay->setText(u"^1Round restarts"_s);
    console.Command12_Click();
    console.txtSay->setText(console.txtSay->text() + u" in one minute"_s);
    shots.saveWithMenu(console, *console.menuBar, *console.adminzz, console.kickzz,
                       u"19-test-console-connected"_s);
    console.Image2_Click();
    shots.save(console, u"20-test-console-disconnected"_s);

    if (shots.clipped() > 0)
        std::printf("%d caption(s) do not fit their labels\n", shots.clipped());
    return 0;
}
