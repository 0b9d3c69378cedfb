#include "core/commands/map_rotation.h"

#include "core/commands/command_table.h"
#include "core/link/rcon_protocol.h"

using namespace Qt::StringLiterals;

namespace tvx {

const QStringList& mapNames() {
    static const QStringList names{u"mp_airfield"_s,  u"mp_asylum"_s,     u"mp_castle"_s, u"mp_courtyard"_s,
                                   u"mp_dome"_s,      u"mp_downfall"_s,   u"mp_hangar"_s, u"mp_makin"_s,
                                   u"mp_outskirts"_s, u"mp_roundhouse"_s, u"mp_seelow"_s, u"mp_shrine"_s,
                                   u"mp_suburban"_s};
    return names;
}

PreviewChange previewFor(const QString& item) {
    if (mapNames().contains(item))
        return PreviewChange::ShowMap;
    if (item == kCustomMap)
        return PreviewChange::Keep;
    return PreviewChange::ShowDefault;
}

QString rotationWithEntry(const QString& text, const QString& map, const QString& gameType) {
    const QString entry = u"gametype "_s + gameType + u" map "_s + map;
    return text.isEmpty() ? entry : text + u' ' + entry;
}

QString rotationBetweenQuotes(const QString& quote, const QString& text) {
    QString oneLine = text;
    oneLine.replace(u"\r\n"_s, u" "_s);
    oneLine.replace(u'\r', u' ');
    oneLine.replace(u'\n', u' ');
    return quote + oneLine + quote;
}

RotationRefusal rotationRefusal(const QString& text, const QString& quote, const QString& password) {
    if (text.contains(u'"') || (!quote.isEmpty() && text.contains(quote)))
        return RotationRefusal::Quote;
    // Measured on the command exactly as "Send" builds it.
    for (const CommandRow& row : commandsOf(CommandWindow::Main, u"Label41")) {
        Completing with;
        with.text = text;
        with.quote = quote;
        if (!rconDatagramFits(password, commandText(row, with)))
            return RotationRefusal::TooLong;
    }
    return RotationRefusal::None;
}

QString rotationRefusalText(RotationRefusal refusal) {
    switch (refusal) {
    case RotationRefusal::None:
        break;
    case RotationRefusal::Quote:
        return u"The map rotation holds a '\"', which would end the quoted rotation early, so nothing was "
               u"sent."_s;
    case RotationRefusal::TooLong:
        return u"The map rotation is too long: with the command and the rcon password it does not fit in one "
               u"datagram of "_s +
               QString::number(kMaxRconDatagram) + u" bytes, so nothing was sent."_s;
    }
    return {};
}

} // namespace tvx
