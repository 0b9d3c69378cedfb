// "Join Server" over any address, port and saved password: either refused, naming the first field the game
// would read as commands, or started with every value argument free of ';', '+', '"' and control
// characters, and the same after the trip through code page 1252 the game's command line takes.
#include "core/text/codepage.h"
#include "core/tools/game_launch.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The characters the game's command line must not carry in a value: its separators and quote, and the C0
// and C1 control characters and DEL; and a value the code page would change on the way, which might
// arrive as one of them.
bool unsafe(QStringView value) {
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u == u';' || u == u'+' || u == u'"' || u < 0x20 || (u >= 0x7F && u <= 0x9F))
            return true;
    }
    return tvx::fromAnsi(tvx::toAnsi(value)) != value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // Bytes 0 and 1: the lengths of the address and the port; the rest is the password.
    const auto* bytes = reinterpret_cast<const char*>(data + 2);
    std::size_t rest = size - 2;
    const std::size_t addressSize = std::min<std::size_t>(data[0], rest);
    rest -= addressSize;
    const std::size_t portSize = std::min<std::size_t>(data[1], rest);
    rest -= portSize;
    const QString address = QString::fromUtf8(bytes, static_cast<qsizetype>(addressSize));
    const QString port = QString::fromUtf8(bytes + addressSize, static_cast<qsizetype>(portSize));
    const QString password = QString::fromUtf8(bytes + addressSize + portSize, static_cast<qsizetype>(rest));

    using R = tvx::LaunchRefusal;
    const R refusal = tvx::launchRefusal(address, port, password);
    const R expected = unsafe(address)    ? R::Address
                       : unsafe(port)     ? R::Port
                       : unsafe(password) ? R::Password
                                          : R::None;
    if (refusal != expected || tvx::launchRefusalText(refusal).isEmpty() != (refusal == R::None))
        std::abort();
    if (refusal != R::None)
        return 0;

    const QString client = u"/games/CoDWaWmp.exe"_s;
    const bool wine = (data[0] ^ data[1]) & 1;
    const tvx::GameLaunch launch =
        tvx::gameLaunch(client, address, port, password, wine ? u"/usr/bin/wine"_s : QString());
    QStringList arguments = launch.arguments;
    if (wine) {
        if (arguments.isEmpty() || arguments.takeFirst() != client)
            std::abort();
    }
    if (arguments.size() != 4 || arguments[0] != u"+connect" || arguments[2] != u"+password")
        std::abort();
    if (unsafe(arguments[1]) || unsafe(arguments[3]))
        std::abort();
    return 0;
}
