// Renders the console's windows into PNG pictures, driven on the fake platform: the login window, every
// page of the console in RCON mode with a few players, the terminal as a Daemon-mode "mp" user, the Reader,
// the wait window and the player menu. Also lists every design caption that does not fit its label.
#include "gui/base/artwork.h"
#include "gui/loading_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"
#include "gui/reader_window.h"

#include "support/fake_platform.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

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
        const QString path = folder_ + u'/' + name + u".png"_qs;
        if (!w.grab().save(path))
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
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
    Shots shots(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"build/screenshots"_qs);
    WindowsFixture fx;

    // The login window, filled for RCON mode.
    Form4& login = Forms::get<Form4>();
    login.Text4->setText(u"203.0.113.17"_qs);
    login.Text5->setText(u"28960"_qs);
    login.Text6->setText(u"secret"_qs);
    login.Show();
    shots.save(login, u"01-login"_qs);

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
    shots.save(main, u"02-players"_qs);

    // The player menu as it pops up over the grid.
    Form3& menus = Forms::get<Form3>();
    menus.PopupMenu(menus.menuz, main.mapToGlobal(QPoint(200, 220)));
    shots.save(*menus.menuz, u"03-player-menu"_qs);
    menus.menuz->hide();

    // The first chat visit: the wait window is pictured during its first pause.
    bool waitShot = false;
    fx.fake.system.onSleep = [&](int) {
        if (Loadingfdf* wait = Forms::ifLoaded<Loadingfdf>(); wait && !waitShot) {
            shots.save(*wait, u"04-wait"_qs);
            waitShot = true;
        }
    };
    main.Image6_Click();
    enter(main.txtsay1, u"  Welcome to the server, no spawn killing  "_qs);
    fx.fake.system.clock = fx.fake.system.clock.addSecs(75);
    main.txtsay1->setText(u"^1Round restarts"_qs);
    main.Command12_Click();
    enter(main.txtsay1, main.txtsay1->text() + u" in one minute"_qs);
    main.txtsay1->setText(u"Type here what you want to say to the server"_qs);
    shots.save(main, u"05-chat"_qs);

    main.Image7_Click();
    main.Send(u"g_allowvote"_qs);
    udp->deliver(replyDatagram("\"g_allowVote\" is: \"1^7\" default: \"1^7\"\n"));
    main.Text8->setText(u"Iron Brigade Realism"_qs);
    main.Text12->setText(u"gametype tdm map mp_castle gametype dom map mp_dome"_qs);
    shots.save(main, u"06-settings"_qs);

    main.Image8_Click();
    shots.save(main, u"07-maps"_qs);
    // One map's preview in place of the default one (as choosing it in the list shows it).
    main.Image27->hide();
    main.Image14->show();
    main.Label13->setCaption(u"mp_castle"_qs);
    shots.save(*main.seeMaps, u"07-maps-preview"_qs);
    main.Image14->hide();
    main.Image27->show();
    main.Label13->setCaption(u"Select a map"_qs);

    main.Image9_Click();
    main.Text10->setText(u" Ban List\r\n1 0f3a9c2e7b \"Cheater\" 10.0.0.9\r\n End of Ban List\r\n"_qs);
    shots.save(main, u"08-admin"_qs);

    main.Image10_Click();
    main.Text7->setText(u"serverinfo"_qs);
    shots.save(main, u"09-terminal"_qs);

    // The same terminal for a Daemon-mode user of level "mp".
    main.IdentDaemon(u"1"_qs);
    main.level = u"mp"_qs;
    main.Image10_Click();
    shots.save(main, u"10-terminal-daemon-mp"_qs);

    tvx::log& reader = Forms::get<tvx::log>();
    reader.Text1->setText(u"Server Name: Iron Brigade Realism\r\nGUID: 0f3a9c2e7b\r\n"
                          "Map: mp_castle\r\nPlayers: 4/18\r\n"_qs);
    reader.Show();
    shots.save(reader, u"11-reader"_qs);

    // The hand pointer, four times enlarged, on white.
    QLabel pointer;
    pointer.setObjectName(u"pointer"_qs);
    QPixmap big(128, 128);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.drawPixmap(big.rect(), art::handCursor().pixmap());
    }
    pointer.setPixmap(big);
    pointer.resize(big.size());
    shots.save(pointer, u"12-hand-pointer"_qs);

    if (shots.clipped() > 0)
        std::printf("%d caption(s) do not fit their labels\n", shots.clipped());
    return 0;
}
