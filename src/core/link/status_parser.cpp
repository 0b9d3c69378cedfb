#include "core/link/status_parser.h"

#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

namespace tvx {

QString PlayerRow::tabbed() const {
    return name + u'\t' + score + u'\t' + ping + u'\t' + guid + u'\t' + slot + u'\t' + ipPort;
}

QString cleanupStatus(const QString& collected) {
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
        t = replaceAll(std::move(t), QString(n, u'-') + u' ', u" "_qs);
    t = replaceAll(std::move(t), QString(5, u'-'), u" "_qs);
    t = replaceAll(std::move(t), QString(4, u'-') + u' ', u" "_qs);
    t = replaceAll(std::move(t), QString(3, u'-') + u' ', u" "_qs);
    return collapseBlankLines(std::move(t));
}

PlayerRow cutPlayerRow(const QString& line) {
    // 1-based inclusive character positions of the status table.
    const auto cut = [&line](int from, int count) { return line.mid(from - 1, count); };
    PlayerRow row;
    row.name = cut(27, 15);
    row.score = cut(5, 5);
    row.ping = cut(11, 4);
    row.guid = cut(16, 10);
    row.slot = cut(1, 3);
    row.ipPort = removeAll(trimBlanks(cut(51, 21)), u"0 "_qs);
    return row;
}

} // namespace tvx
