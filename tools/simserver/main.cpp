// simserver: a Call of Duty: World at War dedicated server's rcon service (UDP) and the TORVANEX Daemon
// (TCP), both on 127.0.0.1, for the demo and the end-to-end tests. See README.md beside this file.
#include "core/text/codepage.h"

#include "daemon_service.h"
#include "game_server.h"
#include "rcon_service.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const char kDefaultLog[] = "[2009-12-08 20:58:11] TORVANEX Daemon started\r\n"
                           "[2009-12-08 20:58:12] Game server started: CoDWaWmp.exe +set dedicated 2 "
                           "+exec server.cfg +map_rotate\r\n"
                           "[2009-12-08 21:03:40] admin1 logged in as admin\r\n"
                           "[2009-12-08 21:04:02] admin1 - kick Camper\r\n"
                           "[2009-12-08 21:15:27] power1 logged in as poweradmin\r\n";

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "simserver: %s\n", qPrintable(message));
    std::exit(1);
}

quint16 portValue(const QCommandLineParser& parser, const QString& name) {
    bool ok = false;
    const uint port = parser.value(name).toUInt(&ok);
    if (!ok || port > 65535)
        fail(u"--"_s + name + u" needs a port number from 0 to 65535"_s);
    return static_cast<quint16>(port);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"simserver"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Simulated World at War rcon service (UDP) and TORVANEX Daemon (TCP) on 127.0.0.1."_s);
    parser.addHelpOption();
    parser.addOptions({
        {u"port"_s, u"UDP rcon port (0: any free port)."_s, u"N"_s, u"0"_s},
        {u"rcon-password"_s, u"The rcon password."_s, u"TEXT"_s, u"secret"_s},
        {u"hostname"_s, u"sv_hostname."_s, u"TEXT"_s, u"^1Torvanex ^7Test Server"_s},
        {u"map"_s, u"The map being played."_s, u"NAME"_s, u"mp_airfield"_s},
        {u"players"_s,
         u"Players file (TAB-separated: slot score ping guid name address qport rate lastmsg)."_s, u"FILE"_s},
        {u"no-throttle"_s, u"Answer every rcon packet (the engine takes one per 500 ms)."_s},
        {u"daemon-port"_s, u"TCP daemon port (0: any free port); without it, no daemon."_s, u"N"_s},
        {u"users"_s, u"Daemon users file (TAB-separated: name password level)."_s, u"FILE"_s},
        {u"daemon-log"_s, u"The daemon's log text, or @FILE to send a file's bytes."_s, u"TEXT"_s},
        {u"no-rconpass"_s, u"The daemon never answers getrconpass."_s},
        {u"rconpass-delay-ms"_s, u"The daemon answers getrconpass after N ms."_s, u"N"_s, u"0"_s},
    });
    parser.process(app);

    sim::GameServer game({tvx::toAnsi(parser.value(u"hostname"_s)), tvx::toAnsi(parser.value(u"map"_s)),
                          tvx::toAnsi(parser.value(u"rcon-password"_s))});
    QString error;
    if (parser.isSet(u"players"_s)) {
        QList<sim::StatusPlayer> players;
        if (!sim::loadPlayers(parser.value(u"players"_s), players, error) || !game.setPlayers(players, error))
            fail(error);
    }

    sim::RconService rcon(game, !parser.isSet(u"no-throttle"_s));
    if (!rcon.listen(portValue(parser, u"port"_s), error))
        fail(error);

    std::unique_ptr<sim::DaemonService> daemon;
    if (parser.isSet(u"daemon-port"_s)) {
        sim::DaemonService::Settings settings;
        if (parser.isSet(u"users"_s) && !sim::loadUsers(parser.value(u"users"_s), settings.users, error))
            fail(error);
        settings.log = kDefaultLog;
        if (parser.isSet(u"daemon-log"_s)) {
            const QString log = parser.value(u"daemon-log"_s);
            if (log.startsWith(u'@')) {
                QFile file(log.mid(1));
                if (!file.open(QIODevice::ReadOnly))
                    fail(u"cannot read "_s + file.fileName() + u": "_s + file.errorString());
                settings.log = file.readAll();
            } else {
                settings.log = tvx::toAnsi(log);
            }
        }
        settings.answerRconPass = !parser.isSet(u"no-rconpass"_s);
        bool ok = false;
        settings.rconPassDelayMs = parser.value(u"rconpass-delay-ms"_s).toInt(&ok);
        if (!ok || settings.rconPassDelayMs < 0)
            fail(u"--rconpass-delay-ms needs a number of milliseconds"_s);
        daemon = std::make_unique<sim::DaemonService>(game, std::move(settings));
        if (!daemon->listen(portValue(parser, u"daemon-port"_s), error))
            fail(error);
    }

    std::printf("READY udp %u tcp %u\n", unsigned{rcon.port()}, daemon ? unsigned{daemon->port()} : 0u);
    std::fflush(stdout);
    return app.exec();
}
