// The RCON Server Tool's reply cleaning over arbitrary datagrams, colour codes hidden or not. The rules take
// pieces out (the codes "^0" to "^7", one pass each, and the reply header) and then turn every LF into
// CR LF; one pass each, so they are not idempotent (a second run would put another CR before each LF).
#include "core/rcon_tool/rcon_tool_rules.h"
#include "core/text/codepage.h"

#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Whether `part` is `whole` with characters taken out.
bool isSubsequence(QStringView part, QStringView whole) {
    qsizetype j = 0;
    for (qsizetype i = 0; i < whole.size() && j < part.size(); ++i) {
        if (whole[i] == part[j])
            ++j;
    }
    return j == part.size();
}

bool holdsColourCode(QStringView text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'^' && text[i + 1] >= u'0' && text[i + 1] <= u'7')
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool hide = data[0] & 1;
    const QByteArray datagram(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QString in = tvx::fromAnsi(datagram);
    const QString out = tvx::rconToolReply(datagram, hide);

    // Bounded: nothing grows but the CR put before each LF.
    if (out.size() > 2 * in.size())
        std::abort();
    // Every LF is part of a CR LF, so no header (which ends in "print" LF) is left.
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] == u'\n' && (i == 0 || out[i - 1] != u'\r'))
            std::abort();
    }
    if (out.contains(QString(4, QChar(0xFF)) + u"print\n"_s))
        std::abort();

    // Undoing the CR LF turn gives what the removals left: the input with whole pieces taken out, each a
    // two-character code or the ten-character header.
    QString left = out;
    left.replace(u"\r\n"_s, u"\n"_s);
    if (!isSubsequence(left, in))
        std::abort();
    const qsizetype removed = in.size() - left.size();
    if (hide ? removed % 2 != 0 : removed % 10 != 0)
        std::abort();

    const bool noHeaderBytes = !in.contains(QChar(0xFF));
    // Without hiding and without a header, nothing but the line ends changes.
    if (!hide && noHeaderBytes && left != in)
        std::abort();
    // No code can form when no '^' follows another and no header is taken out: hidden, none is left.
    if (hide && noHeaderBytes && !in.contains(u"^^"_s) && holdsColourCode(left))
        std::abort();
    // A reply without '^' is the same whether codes are hidden or not.
    if (!in.contains(u'^') && tvx::rconToolReply(datagram, !hide) != out)
        std::abort();
    return 0;
}
