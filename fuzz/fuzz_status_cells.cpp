// The cut of one status line into the players grid's cells, over arbitrary lines: always six cells in the
// grid's column order, each the line's characters at its place whatever they are (a TAB or any other
// character stays in its cell), so the Slot cell the player menu reads is the slot the line gave.
#include "core/commands/player_actions.h"
#include "core/link/status_parser.h"
#include "core/text/codepage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line = tvx::fromAnsi(QByteArrayView(data, static_cast<qsizetype>(size)));
    const QStringList cells = tvx::cutPlayerRow(line).cells();
    if (cells.size() != 6)
        std::abort();
    const auto cell = [&cells](tvx::PlayerColumn c) { return cells[static_cast<int>(c)]; };
    // Positions of the status table, 0-based: slot, score, ping, GUID, name.
    if (cell(tvx::PlayerColumn::Slot) != line.mid(0, 3) || cell(tvx::PlayerColumn::Score) != line.mid(4, 5) ||
        cell(tvx::PlayerColumn::Ping) != line.mid(10, 4) ||
        cell(tvx::PlayerColumn::Guid) != line.mid(15, 10) ||
        cell(tvx::PlayerColumn::Name) != line.mid(26, 15) || cell(tvx::PlayerColumn::IpPort).size() > 21)
        std::abort();
    // A Slot cell that names a game slot holds the line's own slot digits and nothing else.
    if (tvx::isGameSlot(cell(tvx::PlayerColumn::Slot))) {
        for (const QChar c : line.left(3)) {
            if (c != u' ' && (c < u'0' || c > u'9'))
                std::abort();
        }
    }
    return 0;
}
