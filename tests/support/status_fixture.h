#pragma once
// "status" replies laid out exactly as the game server writes them, for the tests, benchmarks and
// screenshots: the simulator's own writer, and the players most tests show.
#include <QByteArray>
#include <QList>

#include "simserver/status_table.h"

namespace tvx::test {

using sim::statusLine;
using sim::StatusPlayer;
using sim::statusReply;

// Two players, the second with a coloured name.
inline QList<StatusPlayer> twoPlayers() {
    return {{0, 12, "48", "1234567890", "Bob", "10.0.0.5:28960", 12345, 25000, 0},
            {1, 3, "112", "987654321", "^1Al^2ice", "192.168.77.141:28960", 54321, 25000, 0}};
}

inline QByteArray twoPlayerStatus() {
    return statusReply("mp_airfield", twoPlayers());
}

} // namespace tvx::test
