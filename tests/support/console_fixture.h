#pragma once
// The console as the window tests meet it: handed over by the login in a given mode and level, and
// connected, on screen, with the daemon link up and nothing sent yet; or left for the test to connect.
#include "gui/login_window.h"
#include "gui/main/main_window.h"

#include "support/fake_platform.h"
#include "support/wire.h"

#include <QList>
#include <QStringList>

namespace tvx::test {

using namespace Qt::StringLiterals;

// Whether the console's 1-second timers run on their own or only when a test calls their handlers.
enum class Timers { Running, ByHand };

// Whether the fixture connects the console, or leaves it handed over but not connected: the test then
// connects it itself, or logs in through the login window (which hands it over anew).
enum class Connection { Connected, NotConnected };

struct ConsoleFixture {
    WindowsFixture fx;
    Form4& login = Forms::get<Form4>();
    Main& main = Forms::get<Main>();
    // Null with real sockets.
    FakeUdpSocket* udp = fx.fake.udp();
    FakeTcpClient* tcp = fx.fake.tcp();

    // Server 127.0.0.1:28960, rcon password "pw", daemon user "bob".
    ConsoleFixture(const QString& mode, const QString& level, Timers timers,
                   Connection connection = Connection::Connected, Sockets sockets = Sockets::Fake)
        : fx(sockets) {
        login.Text1->setText(u"bob"_s);
        handOver(mode, level);
        if (timers == Timers::ByHand) {
            main.Timer2->setInterval(3600000);
            main.Timer3->setInterval(3600000);
        }
        if (connection == Connection::NotConnected)
            return;
        tcp->currentState = sock::Connected;
        main.Connect();
        main.Show();
        udp->sent.clear();
        tcp->sent.clear();
    }
    // Hands the console a session as the login does, through its entries: in Daemon mode the level, with
    // the rcon password the daemon sent; in RCON mode the typed password. A level given with RCON mode is
    // one an earlier Daemon-mode login left: the console keeps it from session to session.
    void handOver(const QString& mode, const QString& level) {
        const QString host = u"127.0.0.1"_s;
        const QString port = u"28960"_s;
        const bool daemon = mode == u"1";
        if (!daemon && !level.isEmpty())
            main.HandOver({host, port, {}, u"1"_s, level});
        if (daemon)
            main.SetRconPassword(u"pw"_s);
        main.HandOver({host, port, daemon ? QString() : u"pw"_s, mode, daemon ? level : QString()});
        main.IdentDaemon(mode);
    }
    // The shared 1-second tick, n times.
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            main.Timer2_Timer();
    }
    // Every box shown so far, one line each.
    QStringList boxes() const {
        QStringList out;
        for (const ShownBox& b : fx.fake.dialogs.shown) {
            if (b.kind == u"input")
                out << u"input ["_s + b.title + u"] "_s + b.text + u" ("_s + b.defaultText + u')';
            else
                out << b.kind + u' ' + QString::number(b.style) + u" ["_s + b.title + u"] "_s + b.text;
        }
        return out;
    }
};

// The datagrams of these commands under the console's rcon password.
inline QList<QByteArray> rcon(const QList<QByteArray>& commands) {
    QList<QByteArray> out;
    for (const QByteArray& c : commands)
        out << rconDatagram("pw", c);
    return out;
}

} // namespace tvx::test
