#pragma once
// The "status" table as the game server prints it, byte for byte: the map line, the header, the dash
// rule, one padded line per player and an empty line. Header-only and Qt Core only, so that the tests,
// benchmarks and screenshots build their replies with the very writer the simulator prints with.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <algorithm>

namespace sim {

struct StatusPlayer {
    int slot = 0;
    int score = 0;
    QByteArray ping;    // a number, or "CNCT" / "ZMBI" as the engine shows a client that is not in game
    QByteArray guid;    // decimal
    QByteArray name;    // may hold colour codes ("^" and a digit)
    QByteArray address; // "ip:port"
    int qport = 0;
    int rate = 25000;
    int lastmsg = 0;
};

// The text without its colour codes (^0..^9), which draw nothing.
inline QByteArray withoutColourCodes(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Length as drawn on screen.
inline qsizetype visibleLength(QByteArrayView text) {
    return withoutColourCodes(text).size();
}

// One player line with its LF.
inline QByteArray statusLine(const StatusPlayer& p) {
    QByteArray line;
    line += QByteArray::number(p.slot).rightJustified(3, ' ') + ' ';
    line += QByteArray::number(p.score).rightJustified(5, ' ') + ' ';
    line += p.ping.rightJustified(4, ' ') + ' ';
    line += p.guid.rightJustified(10, ' ') + ' ';
    // The colour reset follows the name, and the padding counts only what is drawn.
    line += p.name + "^7" + QByteArray(std::max<qsizetype>(0, 16 - visibleLength(p.name)), ' ');
    line += QByteArray::number(p.lastmsg).rightJustified(7, ' ') + ' ';
    line += p.address.leftJustified(21, ' ') + ' ';
    line += QByteArray::number(p.qport).rightJustified(6, ' ') + ' ';
    line += QByteArray::number(p.rate).rightJustified(5, ' ') + '\n';
    return line;
}

// The whole text "status" prints (without a datagram header).
inline QByteArray statusReply(QByteArrayView map, const QList<StatusPlayer>& players) {
    QByteArray out = "map: " + map.toByteArray() + '\n';
    out += "num score ping guid       name            lastmsg address               qport  rate\n";
    out += "--- ----- ---- ---------- --------------- ------- --------------------- ------ -----\n";
    for (const StatusPlayer& p : players)
        out += statusLine(p);
    out += '\n';
    return out;
}

} // namespace sim
