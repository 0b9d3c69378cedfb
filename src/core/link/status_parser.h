#pragma once
// Turning the collected "status" replies into player rows.
#include <QString>
#include <QStringList>

namespace tvx {

// One row of the players grid, cut from fixed character positions of a status line.
struct PlayerRow {
    QString name;  // characters 27..41
    QString score; // 5..9
    QString ping;  // 11..14
    QString guid;  // 16..25
    QString slot;  // 1..3
    // A player line: the third blank-separated field from the end (address, qport and rate close every
    // player line, and a coloured or padded name shifts the columns after it), at most 21 characters. Any
    // other line: 51..71, trimmed, every "0 " removed.
    QString ipPort;

    // Name, Score, Ping, Guid, Slot, IP:Port: the grid's six cells, each exactly as cut. They go to the
    // grid one by one, never joined into a tab-separated row text: a TAB in a name would move the cells
    // after it, and the name would choose the Slot cell the player actions read.
    QStringList cells() const;

    friend bool operator==(const PlayerRow&, const PlayerRow&) = default;
};

// Strips the header words, the known map names and the dash rules from the collected replies.
QString stripStatusWords(const QString& collected);
// stripStatusWords, then the empty lines collapsed: the text the grid is filled from.
QString cleanupStatus(const QString& collected);

PlayerRow cutPlayerRow(const QString& line);

// A Slot cell that, trimmed of blanks, is a whole number (decimal digits only): its line is a player's.
bool isPlayerSlot(QStringView slot);

// Widths of the grid's six columns (Name, Score, Ping, Guid, Slot, IP:Port), in twips.
inline constexpr int kGridColumnTwips[6] = {2000, 665, 545, 4040, 545, 2720};

inline const QString kGridHeader = QStringLiteral("Name\tScore\tPing\tGuid\tSlot\tIP:Port");

} // namespace tvx
