#pragma once
// What the login window hands the console for one session, as plain values. The UCON credentials are not
// part of it: the login gives them at every login, before its checks (Main::SetUconCredentials).
#include <QString>

namespace tvx {

struct SessionHandOver {
    QString host;     // the game server's address, as typed
    QString port;     // its port, as typed
    QString password; // the rcon password: typed in RCON mode, sent by the daemon in Daemon mode
    QString mode;     // the mode flag: "1" Daemon, "0" RCON
    QString level;    // the access level the daemon accepted; RCON mode hands none over

    friend bool operator==(const SessionHandOver&, const SessionHandOver&) = default;
};

} // namespace tvx
