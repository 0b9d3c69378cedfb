// The daemon user requests over arbitrary fields: each is refused, or the daemon, which reads an ADDUSER
// request's name up to its first "+" and its level from its last "-", reads back exactly the fields typed.
#include "core/text/codepage.h"
#include "core/tools/daemon_users.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace {

// The fields of an ADDUSER request as the daemon reads them from the wire.
std::optional<std::array<QByteArray, 3>> daemonReadsAddUser(const QByteArray& message) {
    const QByteArray prefix("ADDUSER ");
    if (!message.startsWith(prefix))
        return std::nullopt;
    const QByteArray request = message.mid(prefix.size());
    const qsizetype plus = request.indexOf('+');
    const qsizetype dash = request.lastIndexOf('-');
    if (plus < 0 || dash < plus)
        return std::nullopt;
    return std::array{request.left(plus), request.mid(plus + 1, dash - plus - 1), request.mid(dash + 1)};
}

std::optional<QByteArray> daemonReadsChangeRcon(const QByteArray& message) {
    const QByteArray prefix("CHANGERCON ");
    if (!message.startsWith(prefix))
        return std::nullopt;
    return message.mid(prefix.size());
}

} // namespace

// Byte 0: bit 0 set, the rest is UTF-16 (any character a box takes); clear, Windows-1252. Bytes 1 and 2:
// the lengths of the name and the password; the level is what remains.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const std::uint8_t* rest = data + 3;
    const auto restSize = static_cast<qsizetype>(size - 3);
    QString text;
    if (data[0] & 1) {
        for (qsizetype i = 0; i + 1 < restSize; i += 2)
            text += QChar(static_cast<char16_t>(rest[i] | (rest[i + 1] << 8)));
    } else {
        text = tvx::fromAnsi(QByteArrayView(reinterpret_cast<const char*>(rest), restSize));
    }
    const qsizetype userSize = qMin<qsizetype>(data[1], text.size());
    const qsizetype passwordSize = qMin<qsizetype>(data[2], text.size() - userSize);
    const QString user = text.left(userSize);
    const QString password = text.mid(userSize, passwordSize);
    const QString level = text.mid(userSize + passwordSize);

    const tvx::AddUserRefusal refusal = tvx::addUserRefusal(user, password, level);
    const auto read = daemonReadsAddUser(tvx::toAnsi(tvx::addUserRequest(user, password, level)));
    const bool readBack =
        read && *read == std::array{tvx::toAnsi(user), tvx::toAnsi(password), tvx::toAnsi(level)};
    const bool filled = !user.isEmpty() && !password.isEmpty() && !level.isEmpty();
    // Refused exactly when a field is missing or the daemon would read other fields.
    if ((refusal == tvx::AddUserRefusal::None) != (filled && readBack))
        std::abort();
    if (tvx::addUserRefusalText(refusal).isEmpty() != (refusal == tvx::AddUserRefusal::None))
        std::abort();

    // The whole text as a new rcon password.
    const auto newPassword = daemonReadsChangeRcon(tvx::toAnsi(tvx::changeRconRequest(text)));
    const bool passwordReadBack = newPassword && *newPassword == tvx::toAnsi(text);
    if (tvx::changeRconRefused(text) != (text.isEmpty() || !passwordReadBack))
        std::abort();
    return 0;
}
