// The status cleanup and the cutting of player rows over arbitrary collected replies.
#include "core/link/rcon_protocol.h"
#include "core/link/status_parser.h"
#include "core/text/textbox_lines.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = tvx::cleanupStatus(tvx::cleanReply(bytes));
    if (text.contains(u"\r\n\r\n"_s))
        std::abort();
    const qsizetype lines = tvx::lineCount(text);
    if (static_cast<qsizetype>(tvx::lineStarts(text).size()) != lines)
        std::abort();
    for (qsizetype i = 1; i <= lines; ++i) {
        const tvx::PlayerRow row = tvx::cutPlayerRow(tvx::textboxLine(text, i));
        if (row.name.size() > 15 || row.score.size() > 5 || row.ping.size() > 4 || row.guid.size() > 10 ||
            row.slot.size() > 3 || row.ipPort.size() > 21 || row.cells().size() != 6)
            std::abort();
    }
    return 0;
}
