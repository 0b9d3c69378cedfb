// The classification of the daemon's messages under every state of the two flags.
#include "core/link/daemon_protocol.h"
#include "core/text/codepage.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const QString flags[] = {QString(), u"0"_s, u"1"_s, u" 1"_s};
    const QString& pass = flags[data[0] & 3];
    const QString& log = flags[(data[0] >> 2) & 3];
    const QString message = tvx::fromAnsi(
        QByteArrayView(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    const tvx::DaemonMessage m = tvx::classifyDaemonMessage(message, pass, log);
    using K = tvx::DaemonMessage::Kind;
    const K expected = pass == u"1"                        ? K::RconPassword
                       : log == u"1"                       ? K::Log
                       : tvx::isLevelWord(message)         ? K::LevelWord
                       : message.startsWith(u"ADDUSER")    ? K::AddUserNotice
                       : message.startsWith(u"CHANGERCON") ? K::ChangeRconNotice
                                                           : K::Refusal;
    if (m.kind != expected)
        std::abort();
    // A notice loses its prefix words and is cut to what a box shows; everything else comes through whole.
    const bool notice = m.kind == K::AddUserNotice || m.kind == K::ChangeRconNotice;
    if (notice ? m.text.size() > qMin(message.size(), tvx::kNoticeTextLimit) : m.text != message)
        std::abort();
    return 0;
}
