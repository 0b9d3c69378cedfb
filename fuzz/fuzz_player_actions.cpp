// The player menu's commands over arbitrary cells: an entry that sends gives a command with no separator,
// a slot entry's command carries the slot in digits only (the game slot, or PunkBuster's one more), a name
// entry never sends a name the server reads as no one, as every player or only up to a comment ("//" or
// "/*"), and a look-up address holds its GUID encoded so that it decodes back to the GUID and nothing else.
#include "core/commands/command_table.h"
#include "core/commands/player_actions.h"
#include "core/text/codepage.h"
#include "core/tools/fixed_addresses.h"

#include <QUrl>

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool digitsOnly(QStringView s) {
    if (s.isEmpty())
        return false;
    for (const QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString withoutBlanks(const QString& s) {
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s[from] == u' ')
        ++from;
    while (to > from && s[to - 1] == u' ')
        --to;
    return s.mid(from, to - from);
}

// The number after the digits of `game`, for numbers that fit; empty past that.
QString nextSlot(const QString& game) {
    if (game.size() > 18)
        return {};
    return QString::number(game.toULongLong() + 1);
}

// The address is `site + before + encoded GUID + after`, and the encoded part decodes to the GUID.
void checkLookup(const QString& url, const QString& guid, const QString& before, const QString& after) {
    if (!url.startsWith(before) || !url.endsWith(after) || url.size() < before.size() + after.size())
        std::abort();
    const QString encoded = url.mid(before.size(), url.size() - before.size() - after.size());
    for (const QChar c : encoded) {
        const bool unreserved = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                                (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == u'_' || c == u'~';
        if (!unreserved && c != u'%')
            std::abort();
    }
    if (QUrl::fromPercentEncoding(encoded.toLatin1()) != guid)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const std::vector<tvx::CommandRow> rows = [] {
        std::vector<tvx::CommandRow> out;
        for (const tvx::CommandRow& r : tvx::commandTable()) {
            if (r.window == tvx::CommandWindow::Form3 && tvx::playerColumn(r.completion))
                out.push_back(r);
        }
        return out;
    }();
    if (rows.empty())
        std::abort();
    const tvx::CommandRow& row = rows[data[0] % rows.size()];
    const QString cell = tvx::fromAnsi(QByteArrayView(data + 1, static_cast<qsizetype>(size - 1)));

    const tvx::PlayerRefusal refusal = tvx::playerRefusal(row.completion, cell);
    if (tvx::refusalText(refusal).isEmpty() != (refusal == tvx::PlayerRefusal::None))
        std::abort();
    if (refusal == tvx::PlayerRefusal::None) {
        const tvx::Completing with{cell, u"Teamkill"_s, u"spawn kills"_s, u"stop"_s, {}};
        const QString command = tvx::commandText(row, with);
        for (const QChar c : command) {
            if (c == u';' || c == u'\r' || c == u'\n' || c == QChar(0))
                std::abort();
        }
        const QString prefix = row.command.toString();
        if (!command.startsWith(prefix))
            std::abort();
        const QString rest = command.mid(prefix.size());
        const QString game = withoutBlanks(cell);
        switch (row.completion) {
        case tvx::Completion::Name: {
            if (rest != cell)
                std::abort();
            // The word the server reads: blanks, control characters and quotes around it do not count.
            qsizetype from = 0;
            qsizetype to = cell.size();
            const auto aside = [](QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c == u'"'; };
            while (from < to && aside(cell[from]))
                ++from;
            while (to > from && aside(cell[to - 1]))
                --to;
            const QString word = cell.mid(from, to - from).toLower();
            if (word.isEmpty() || word == u"all" || word == u"allbots")
                std::abort();
            // The server ends the word at a comment; a single '/' is part of it.
            if (rest.contains(u"//") || rest.contains(u"/*"))
                std::abort();
            break;
        }
        case tvx::Completion::Slot:
            if (!digitsOnly(rest) || rest != game)
                std::abort();
            break;
        case tvx::Completion::SlotMessage:
            if (rest != game + u" stop"_s || !digitsOnly(game))
                std::abort();
            break;
        case tvx::Completion::PbSlot:
        case tvx::Completion::PbReasons: {
            const QString pb = row.completion == tvx::Completion::PbSlot
                                   ? rest
                                   : rest.chopped(qMin(rest.size(), qsizetype(23)));
            if (row.completion == tvx::Completion::PbReasons && !rest.endsWith(u" 0 Teamkill spawn kills"_s))
                std::abort();
            if (!digitsOnly(pb) || !digitsOnly(game) || pb.startsWith(u'0'))
                std::abort();
            if (const QString next = nextSlot(game); !next.isEmpty() && pb != next)
                std::abort();
            break;
        }
        default:
            std::abort();
        }
    }

    checkLookup(tvx::pbBansLookup(cell), cell, tvx::fixed::kPbBansSite + u"/mbi.php?guid="_s,
                u"&action=12&submit"_s);
    checkLookup(tvx::punksBustedLookup(cell), cell,
                tvx::fixed::kPunksBustedSite + u"/cgi-bin/membership/guidcheck.cgi?guid="_s, QString());
    return 0;
}
