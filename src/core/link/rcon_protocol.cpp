#include "core/link/rcon_protocol.h"

#include "core/platform/errors.h"
#include "core/text/codepage.h"
#include "core/text/text_util.h"

#include <array>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

const QString kColourCodes[] = {u"^0"_s, u"^1"_s, u"^2"_s, u"^3"_s, u"^4"_s, u"^5"_s, u"^6"_s, u"^7"_s};

QString removeColourCodes(QString s) {
    for (const QString& c : kColourCodes)
        s = removeAll(std::move(s), c);
    return s;
}

struct OnOffRow {
    const char16_t* command;
    const char16_t* name;
    const char16_t* digit;
    const char16_t* first;
    const char16_t* second;
};

constexpr std::array<OnOffRow, 4> kOnOff = {{
    {u"g_allowvote", u"g_allowVote", u"1", u"Label80", u"Label81"},
    {u"sv_punkbuster", u"sv_punkbuster", u"1", u"Label83", u"Label84"},
    {u"sv_voice", u"sv_voice", u"0", u"Label86", u"Label87"},
    {u"scr_teambalance", u"scr_teambalance", u"1", u"Label89", u"Label90"},
}};

QString parseQuery(QString r, const QString& name, const QString& domain, const QString& quote,
                   const QString& extra = {}) {
    r = removeAll(std::move(r), name);
    r = removeAll(std::move(r), u" is: "_s);
    r = removeAll(std::move(r), u" default: "_s);
    if (!extra.isEmpty())
        r = removeAll(std::move(r), extra);
    r = removeAll(std::move(r), domain);
    r = removeColourCodes(std::move(r));
    r = removeAll(std::move(r), kCrLf);
    return removeAll(std::move(r), quote);
}

} // namespace

QByteArray buildRconDatagram(const QString& password, const QString& command) {
    QByteArray d("\xFF\xFF\xFF\xFFrcon ", 9);
    d += toAnsi(password);
    d += ' ';
    d += toAnsi(command);
    return d;
}

bool rconDatagramFits(const QString& password, const QString& command) {
    return buildRconDatagram(password, command).size() <= kMaxRconDatagram;
}

QString consoleEchoLine(const QDateTime& now, const QString& command) {
    return kCrLf + u'[' + timeOfDay(now) + u"] - /"_s + command + kCrLf;
}

int portFromText(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (t.isEmpty() || !ok || !std::isfinite(v))
        throw PlatformError(err::InvalidPort, u"Type mismatch"_s);
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        throw PlatformError(err::PortOutOfRange, u"Overflow"_s);
    return static_cast<int>(r);
}

QString cleanReply(const QByteArray& datagram) {
    QString r = fromAnsi(datagram);
    r = removeAll(std::move(r), QString(4, QChar(0xFF)) + u"print\n"_s);
    r = replaceAll(std::move(r), u"\n"_s, kCrLf);
    return replaceAll(std::move(r), u"^7 "_s, u"   "_s);
}

bool onOffValueIsOne(const QString& reply, const QString& name, const QString& defaultDigit,
                     const QString& quote) {
    QString r = removeAll(reply, name);
    r = removeAll(std::move(r), u" is: "_s);
    r = removeAll(std::move(r), u" default: "_s + quote + defaultDigit);
    r = removeAll(std::move(r), u"  Domain is 0 or 1"_s);
    r = removeColourCodes(std::move(r));
    r = removeAll(std::move(r), kCrLf);
    r = removeAll(std::move(r), quote);
    return r == u"1";
}

QString parseHostName(const QString& reply, const QString& quote) {
    return parseQuery(reply, u"sv_hostname"_s, u"  Domain is any text"_s, quote, u"CoDWaWHost"_s);
}

QString parseMapName(const QString& reply, const QString& quote) {
    return parseQuery(reply, u"mapname"_s, u"  Domain is any text"_s, quote);
}

QStringList onOffLabelNames() {
    QStringList names;
    for (const OnOffRow& row : kOnOff)
        names << QString::fromUtf16(row.first) << QString::fromUtf16(row.second);
    return names;
}

ReplyRoute routeReply(const QString& lastCommand, const QString& reply, const QString& quote) {
    ReplyRoute route;
    if (lastCommand == u"status") {
        route.kind = ReplyRoute::Kind::Status;
    } else if (lastCommand == u"pb_sv_banlist" || lastCommand == u"PB_SV_BadNameList") {
        route.kind = ReplyRoute::Kind::PbList;
    } else if (lastCommand == u"serverinfo" || lastCommand == u"systeminfo") {
        route.kind = ReplyRoute::Kind::Reader;
    } else if (lastCommand == u"sv_hostname") {
        route.kind = ReplyRoute::Kind::HostName;
        route.caption = parseHostName(reply, quote);
    } else if (lastCommand == u"mapname") {
        route.kind = ReplyRoute::Kind::MapName;
        route.caption = parseMapName(reply, quote);
        route.invalidPassword = route.caption == u"Invalid password.";
    } else {
        for (const OnOffRow& row : kOnOff) {
            if (lastCommand != QStringView(row.command))
                continue;
            route.kind = ReplyRoute::Kind::OnOff;
            route.firstLabel = QString::fromUtf16(row.first);
            route.secondLabel = QString::fromUtf16(row.second);
            route.firstBordered =
                onOffValueIsOne(reply, QString::fromUtf16(row.name), QString::fromUtf16(row.digit), quote);
            break;
        }
    }
    return route;
}

QString cleanPbList(QString text) {
    static const char16_t* const prefixes[] = {
        u"^3PunkBuster Server:", u"^1PunkBuster Server:", u"^2PunkBuster Server:", u"^4PunkBuster Server:",
        u"^6PunkBuster Server:", u"^7PunkBuster Server:", u"^5PunkBustr Server:",  u"^5PunkBuster Server:",
        u"^5PunkBuster Server",  u"^4PunkBuster Server",  u"^3PunkBuster Server",  u"^2PunkBuster Server",
        u"^1PunkBuster Server",  u"^6PunkBuster Server",  u"^7PunkBuster Server",  u"^3PunkBuster Serve:"};
    for (const char16_t* p : prefixes)
        text = removeAll(std::move(text), QString::fromUtf16(p));
    return text;
}

} // namespace tvx
