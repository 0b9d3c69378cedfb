#include "core/commands/map_rotation.h"

namespace tvx {

const QStringList& mapNames() {
    static const QStringList names{
        u"mp_airfield"_qs, u"mp_asylum"_qs, u"mp_castle"_qs,  u"mp_courtyard"_qs, u"mp_dome"_qs,
        u"mp_downfall"_qs, u"mp_hangar"_qs, u"mp_makin"_qs,   u"mp_outskirts"_qs, u"mp_roundhouse"_qs,
        u"mp_seelow"_qs,   u"mp_shrine"_qs, u"mp_suburban"_qs};
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
    const QString entry = u"gametype "_qs + gameType + u" map "_qs + map;
    return text.isEmpty() ? entry : text + u' ' + entry;
}

QString rotationBetweenQuotes(const QString& quote, const QString& text) {
    QString oneLine = text;
    oneLine.replace(u"\r\n"_qs, u" "_qs);
    oneLine.replace(u'\r', u' ');
    oneLine.replace(u'\n', u' ');
    return quote + oneLine + quote;
}

} // namespace tvx
