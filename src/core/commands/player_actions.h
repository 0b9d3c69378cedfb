#pragma once
// The player menu's rules: which cell an entry reads, PunkBuster's slot number, the checks that keep a
// command from reaching the wrong player or splitting in two, the reason boxes, the player report and the
// GUID look-up addresses.
#include "core/commands/command_table.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace tvx {

// The players grid's columns, as the menu reads them.
enum class PlayerColumn { Name = 0, Score = 1, Ping = 2, Guid = 3, Slot = 4, IpPort = 5 };

// The column a player completion reads from the current row; none for the other completions.
std::optional<PlayerColumn> playerColumn(Completion completion);

// PunkBuster numbers the slots from 1: the Slot cell without blanks, "0" gives "1", a game slot (see
// isGameSlot) its number plus one in digits, however long, and anything else its leading number plus one
// (so an empty or non-numeric text would give "1": see isGameSlot).
QString pbSlot(const QString& slotCell);

// A Slot cell that names a game slot: once its blanks are gone, one or more ASCII digits.
bool isGameSlot(const QString& slotCell);

// A character that ends or splits a console command: ';', CR, LF or NUL.
bool breaksCommand(const QString& text);

// The name the server reads from a Name cell: the cell without the blanks, control characters and double
// quotes at either end, none of which its command line keeps around a word.
QString nameAsRead(const QString& nameCell);
// A Name cell that a name entry must not send: it names no one ("kick " alone), or the server reads it, in
// any letter case, as every player ("all") or every bot ("allbots").
bool namesNoPlayer(const QString& nameCell);
bool namesEveryPlayer(const QString& nameCell);
// A Name cell holding "//" or "/*": the server ends the word there and reads the rest of the line as a
// comment, so "kick bob//x" kicks "bob" and "kick all//x" every player. A single '/' is a letter to it.
bool holdsComment(const QString& nameCell);

// Why a player command is not sent.
enum class PlayerRefusal {
    None,   // it may leave
    NoSlot, // a slot-based entry on a row whose Slot is not a whole number (it would hit slot 0's player)
    NoName, // a name entry on a row whose Name is empty or blanks only
    EveryPlayer, // a name entry on a Name the server reads as every player or every bot
    UnsafeCell,  // the cell would carry a command separator or a line break into the command
    CutName,     // a name entry on a Name the server would read only up to a comment ("//" or "/*")
};
PlayerRefusal playerRefusal(Completion completion, const QString& cell);
// The information box shown for a refusal (empty for None), under kBoxTitle.
QString refusalText(PlayerRefusal refusal);

struct ReasonBox {
    QString prompt;
    QString title;
    QString defaultText;

    friend bool operator==(const ReasonBox&, const ReasonBox&) = default;
};
struct ReasonBoxes {
    ReasonBox publicReason;
    ReasonBox privateReason;

    friend bool operator==(const ReasonBoxes&, const ReasonBoxes&) = default;
};
// The two boxes of the PunkBuster kick ("pbkickwithreason") and ban ("pbbancli"); none for other entries.
std::optional<ReasonBoxes> reasonBoxes(QStringView entry);
// An answer that calls the action off: Cancel answers the empty text, and an empty reason is no reason.
inline bool reasonCancelled(const QString& answer) {
    return answer.isEmpty();
}

// The cells a player report shows, as the grid holds them.
struct PlayerReportCells {
    QString slot;
    QString name;
    QString guid;
    QString score;
    QString ipPort;
};
// Six lines joined by CR LF (none after the last); date and time in fixed forms, whatever the locale.
QString playerReport(const QDateTime& now, const PlayerReportCells& cells);

// The two GUID look-up pages (their sites are in core/tools/fixed_addresses.h); the GUID is percent-encoded,
// so a cell cannot change the query.
QString pbBansLookup(const QString& guid);
QString punksBustedLookup(const QString& guid);

// The warning box's description of what to type.
inline const QString kWarnDescription = QStringLiteral(
    "Just type in the warning message to this player. Only he can see this! (The slot is used for this!)");

} // namespace tvx
