#pragma once
// "status" replies laid out exactly as the game server writes them, for the tests, benchmarks and
// screenshots: the name ends in "^7" and is padded to 16 characters as drawn, colour codes not counted.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <algorithm>

namespace tvx::test {

struct StatusPlayer {
    int slot = 0;
    int score = 0;
    QByteArray ping; // a number, or "CNCT" / "ZMBI" as the server writes them
    QByteArray guid;
    QByteArray name; // may hold colour codes ("^" and a digit)
    QByteArray address;
    int qport = 0;
    int rate = 25000;
    int lastmsg = 0;
};

// Characters drawn on screen: a colour code ("^" and a digit) draws nothing.
inline qsizetype visibleLength(QByteArrayView text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
            ++i;
        else
            ++n;
    }
    return n;
}

// One player line with its LF.
inline QByteArray statusLine(const StatusPlayer& p) {
    QByteArray line;
    line += QByteArray::number(p.slot).rightJustified(3, ' ') + ' ';
    line += QByteArray::number(p.score).rightJustified(5, ' ') + ' ';
    line += p.ping.rightJustified(4, ' ') + ' ';
    line += p.guid.rightJustified(10, ' ') + ' ';
    line += p.name + "^7" + QByteArray(std::max<qsizetype>(0, 16 - visibleLength(p.name)), ' ');
    line += QByteArray::number(p.lastmsg).rightJustified(7, ' ') + ' ';
    line += p.address.leftJustified(21, ' ') + ' ';
    line += QByteArray::number(p.qport).rightJustified(6, ' ') + ' ';
    line += QByteArray::number(p.rate).rightJustified(5, ' ') + '\n';
    return line;
}

// The whole reply text (without the datagram header): map line, header, dash rule, players, empty line.
inline QByteArray statusReply(const QByteArray& map, const QList<StatusPlayer>& players) {
    QByteArray out = "map: " + map + '\n';
    out += "num score ping guid       name            lastmsg address               qport  rate\n";
    out += "--- ----- ---- ---------- --------------- ------- --------------------- ------ -----\n";
    for (const StatusPlayer& p : players)
        out += statusLine(p);
    out += '\n';
    return out;
}

// Two players, the second with a coloured name.
inline QList<StatusPlayer> twoPlayers() {
    return {{0, 12, "48", "1234567890", "Bob", "10.0.0.5:28960", 12345, 25000, 0},
            {1, 3, "112", "987654321", "^1Al^2ice", "192.168.77.141:28960", 54321, 25000, 0}};
}

inline QByteArray twoPlayerStatus() {
    return statusReply("mp_airfield", twoPlayers());
}

} // namespace tvx::test
