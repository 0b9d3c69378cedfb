// The map rotation's "Send" over any typed text and rcon password: either a refusal, or a command whose
// quoted value holds no quote and no line break and whose whole datagram fits in one.
#include "core/commands/command_table.h"
#include "core/commands/map_rotation.h"
#include "core/link/rcon_protocol.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // Byte 0: with its high bit the text is repeated to a length around the datagram's limit (inputs that
    // long are out of the fuzzer's reach otherwise). Byte 1: the password's length.
    const auto* bytes = reinterpret_cast<const char*>(data + 2);
    const std::size_t rest = size - 2;
    const std::size_t passwordSize = std::min<std::size_t>(data[1], rest);
    const QString password = QString::fromUtf8(bytes, static_cast<qsizetype>(passwordSize));
    QString text = QString::fromUtf8(bytes + passwordSize, static_cast<qsizetype>(rest - passwordSize));
    if (data[0] & 0x80) {
        const qsizetype target = tvx::kMaxRconDatagram - 300 + 3 * (data[0] & 0x7F);
        const QString piece = text.isEmpty() ? u"x"_s : text;
        text = piece.repeated(target / piece.size() + 1).left(target);
    }

    const QString quote = u"\""_s;
    const QList<tvx::CommandRow> rows = tvx::commandsOf(tvx::CommandWindow::Main, u"Label41");
    if (rows.size() != 1)
        std::abort();
    tvx::Completing with;
    with.text = text;
    with.quote = quote;
    const QString command = tvx::commandText(rows[0], with);
    const bool holdsQuote = text.contains(u'"');
    const bool fits = tvx::buildRconDatagram(password, command).size() <= tvx::kMaxRconDatagram;

    const tvx::RotationRefusal refusal = tvx::rotationRefusal(text, quote, password);
    switch (refusal) {
    case tvx::RotationRefusal::None: {
        if (holdsQuote || !fits)
            std::abort();
        const QString prefix = u"set sv_mapRotation \""_s;
        if (!command.startsWith(prefix) || !command.endsWith(u'"') || command.size() < prefix.size() + 1)
            std::abort();
        const QStringView value =
            QStringView(command).sliced(prefix.size(), command.size() - prefix.size() - 1);
        if (value.contains(u'"') || value.contains(u'\r') || value.contains(u'\n'))
            std::abort();
        if (!tvx::rotationRefusalText(refusal).isEmpty())
            std::abort();
        break;
    }
    case tvx::RotationRefusal::Quote:
        if (!holdsQuote || tvx::rotationRefusalText(refusal).isEmpty())
            std::abort();
        break;
    case tvx::RotationRefusal::TooLong:
        // A text without a quote is refused for its length only when it really does not fit.
        if (holdsQuote || fits || tvx::rotationRefusalText(refusal).isEmpty())
            std::abort();
        break;
    }
    return 0;
}
