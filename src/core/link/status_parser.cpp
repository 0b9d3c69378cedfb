#include "core/link/status_parser.h"

#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tvx {

QStringList PlayerRow::cells() const {
    return {name, score, ping, guid, slot, ipPort};
}

QString stripStatusWords(const QString& collected) {
    static const char16_t* const removals[] = {u"map: ",
                                               u"map: ",
                                               u"num ",
                                               u"mp_airfield",
                                               u"mp_asylum",
                                               u"mp_castle",
                                               u"mp_cliffside",
                                               u"mp_courtyard",
                                               u"mp_dome",
                                               u"mp_downfall",
                                               u"mp_hangar",
                                               u"mp_makin",
                                               u"mp_outskirts",
                                               u"mp_roundhouse",
                                               u"mp_seelow",
                                               u"mp_upheaval",
                                               u"rate",
                                               u"score ",
                                               u"ping ",
                                               u"guid   ",
                                               u"name            ",
                                               u"lastmsg ",
                                               u"address               ",
                                               u"qport "};
    QString t = collected;
    for (const char16_t* r : removals)
        t = removeAll(std::move(t), QString::fromUtf16(r));
    static const int dashRuns[] = {32, 21, 15, 7, 5};
    for (int n : dashRuns)
        t = replaceAll(std::move(t), QString(n, u'-') + u' ', u" "_s);
    t = replaceAll(std::move(t), QString(5, u'-'), u" "_s);
    t = replaceAll(std::move(t), QString(4, u'-') + u' ', u" "_s);
    return replaceAll(std::move(t), QString(3, u'-') + u' ', u" "_s);
}

QString cleanupStatus(const QString& collected) {
    return collapseBlankLines(stripStatusWords(collected));
}

bool isPlayerSlot(QStringView slot) {
    while (!slot.isEmpty() && slot.front() == u' ')
        slot = slot.mid(1);
    while (!slot.isEmpty() && slot.back() == u' ')
        slot.chop(1);
    if (slot.isEmpty())
        return false;
    return std::all_of(slot.begin(), slot.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

namespace {

// The n-th field from the end (1 = the last) of the blank-separated fields of a line; empty when the line
// has fewer fields.
QString fieldFromEnd(QStringView line, int n) {
    qsizetype end = line.size();
    for (;;) {
        while (end > 0 && line[end - 1] == u' ')
            --end;
        if (end == 0)
            return {};
        qsizetype start = end;
        while (start > 0 && line[start - 1] != u' ')
            --start;
        if (--n == 0)
            return line.mid(start, end - start).toString();
        end = start;
    }
}

} // namespace

PlayerRow cutPlayerRow(const QString& line) {
    // 1-based inclusive character positions of the status table.
    const auto cut = [&line](int from, int count) { return line.mid(from - 1, count); };
    PlayerRow row;
    row.name = cut(27, 15);
    row.score = cut(5, 5);
    row.ping = cut(11, 4);
    row.guid = cut(16, 10);
    row.slot = cut(1, 3);
    // The address column is 21 characters wide; a longer field is cut to it.
    if (isPlayerSlot(row.slot))
        row.ipPort = fieldFromEnd(line, 3).left(21);
    else
        row.ipPort = removeAll(trimBlanks(cut(51, 21)), u"0 "_s);
    return row;
}

} // namespace tvx
