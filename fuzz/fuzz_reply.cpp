// Reply cleaning and the routing decision over arbitrary datagrams and last commands.
#include "core/link/rcon_protocol.h"
#include "core/text/codepage.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const QString commands[] = {u"status"_s,     u"pb_sv_banlist"_s, u"PB_SV_BadNameList"_s,
                                       u"serverinfo"_s, u"systeminfo"_s,    u"g_allowvote"_s,
                                       u"sv_voice"_s,   u"sv_punkbuster"_s, u"scr_teambalance"_s,
                                       u"mapname"_s,    u"sv_hostname"_s,   u"say hi"_s};
    const QString& last = commands[data[0] % std::size(commands)];
    const QByteArray datagram(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if (tvx::toAnsi(tvx::fromAnsi(datagram)) != datagram)
        std::abort();
    const QString reply = tvx::cleanReply(datagram);
    // Every line feed left is part of a CR LF.
    for (qsizetype i = 0; i < reply.size(); ++i) {
        if (reply[i] == u'\n' && (i == 0 || reply[i - 1] != u'\r'))
            std::abort();
    }
    const tvx::ReplyRoute r = tvx::routeReply(last, reply, u"\""_s);
    if (r.invalidPassword && r.caption != u"Invalid password.")
        std::abort();
    tvx::cleanPbList(reply);
    return 0;
}
