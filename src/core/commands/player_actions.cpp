#include "core/commands/player_actions.h"

#include "core/text/text_util.h"
#include "core/tools/fixed_addresses.h"

#include <QUrl>

#include <cmath>

using namespace Qt::StringLiterals;

namespace tvx {

std::optional<PlayerColumn> playerColumn(Completion completion) {
    switch (completion) {
    case Completion::Name:
        return PlayerColumn::Name;
    case Completion::Slot:
    case Completion::PbSlot:
    case Completion::PbReasons:
    case Completion::SlotMessage:
        return PlayerColumn::Slot;
    case Completion::None:
    case Completion::Box:
    case Completion::BoxTrimmed:
    case Completion::Answer:
    case Completion::Caption:
    case Completion::Rotation:
        break;
    }
    return std::nullopt;
}

namespace {

// One more than a number written in decimal digits, in digits without leading zeros, exact at any length.
QString plusOne(const QString& digits) {
    QString next = digits;
    qsizetype i = next.size();
    while (i > 0 && next[i - 1] == u'9')
        next[--i] = u'0';
    if (i == 0)
        next.prepend(u'1');
    else
        next[i - 1] = QChar(next[i - 1].unicode() + 1);
    qsizetype zeros = 0;
    while (zeros + 1 < next.size() && next[zeros] == u'0')
        ++zeros;
    return next.mid(zeros);
}

} // namespace

QString pbSlot(const QString& slotCell) {
    const QString slot = trimBlanks(slotCell);
    if (slot == u"0")
        return u"1"_s;
    // A long run of digits would otherwise come back in exponent form: not a slot number.
    if (isGameSlot(slot))
        return plusOne(slot);
    const double next = leadingNumber(slot) + 1;
    if (std::floor(next) == next && std::fabs(next) < 1e15)
        return QString::number(static_cast<qint64>(next));
    return QString::number(next, 'g', 15);
}

bool isGameSlot(const QString& slotCell) {
    const QString slot = trimBlanks(slotCell);
    if (slot.isEmpty())
        return false;
    for (const QChar c : slot) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool breaksCommand(const QString& text) {
    for (const QChar c : text) {
        if (c == u';' || c == u'\r' || c == u'\n' || c == QChar(0))
            return true;
    }
    return false;
}

QString nameAsRead(const QString& nameCell) {
    const auto aside = [](QChar c) { return c <= u' ' || c.isSpace() || c == u'"'; };
    qsizetype from = 0;
    qsizetype to = nameCell.size();
    while (from < to && aside(nameCell[from]))
        ++from;
    while (to > from && aside(nameCell[to - 1]))
        --to;
    return nameCell.mid(from, to - from);
}

bool namesNoPlayer(const QString& nameCell) {
    return nameAsRead(nameCell).isEmpty();
}

bool namesEveryPlayer(const QString& nameCell) {
    const QString name = nameAsRead(nameCell);
    return name.compare(u"all", Qt::CaseInsensitive) == 0 ||
           name.compare(u"allbots", Qt::CaseInsensitive) == 0;
}

bool holdsComment(const QString& nameCell) {
    return nameCell.contains(u"//") || nameCell.contains(u"/*");
}

PlayerRefusal playerRefusal(Completion completion, const QString& cell) {
    const std::optional<PlayerColumn> column = playerColumn(completion);
    if (column == PlayerColumn::Slot && !isGameSlot(cell))
        return PlayerRefusal::NoSlot;
    if (column == PlayerColumn::Name && namesNoPlayer(cell))
        return PlayerRefusal::NoName;
    if (column == PlayerColumn::Name && namesEveryPlayer(cell))
        return PlayerRefusal::EveryPlayer;
    if (column && breaksCommand(cell))
        return PlayerRefusal::UnsafeCell;
    if (column == PlayerColumn::Name && holdsComment(cell))
        return PlayerRefusal::CutName;
    return PlayerRefusal::None;
}

QString refusalText(PlayerRefusal refusal) {
    switch (refusal) {
    case PlayerRefusal::None:
        break;
    case PlayerRefusal::NoSlot:
        return u"This row holds no player slot number, so nothing was sent."_s;
    case PlayerRefusal::NoName:
        return u"This row holds no player name, so nothing was sent."_s;
    case PlayerRefusal::EveryPlayer:
        return u"The server reads this player's name as every player (\"all\" or \"allbots\"), so nothing "
               u"was sent."_s;
    case PlayerRefusal::UnsafeCell:
        return u"This player's name holds a ';' or a line break, which would cut the command in two, so "
               u"nothing was sent."_s;
    case PlayerRefusal::CutName:
        return u"The server reads this player's name only up to its \"//\" or \"/*\" (the rest is a comment "
               u"to it), which could name another player or every player, so nothing was sent."_s;
    }
    return {};
}

std::optional<ReasonBoxes> reasonBoxes(QStringView entry) {
    const QString teamkill = u"Teamkill"_s;
    if (entry == u"pbkickwithreason")
        return ReasonBoxes{
            {u"Type here the public reason of this kick"_s, u"Kick - Public Reason"_s, teamkill},
            {u"Type here the private reason of this kick"_s, u"Kick - Private Reason"_s, teamkill}};
    if (entry == u"pbbancli")
        return ReasonBoxes{
            {u"Type here the public reason of this ban"_s, u"Ban - Public Reason"_s, teamkill},
            {u"Type here the private reason of this ban"_s, u"Ba - Private Reason"_s, teamkill}};
    return std::nullopt;
}

QString playerReport(const QDateTime& now, const PlayerReportCells& cells) {
    const QStringList lines{
        u"Player Report : Created on "_s + now.toString(u"MM-dd-yyyy"_s) + u" at "_s +
            now.toString(u"HH:mm:ss"_s),
        u"Slot:"_s + cells.slot,
        u"Player Name: "_s + cells.name,
        u"Hash: "_s + cells.guid,
        u"Current Score: "_s + trimLeadingBlanks(cells.score),
        u"IP Address : "_s + cells.ipPort,
    };
    return lines.join(kCrLf);
}

namespace {

QString encoded(const QString& guid) {
    return QString::fromLatin1(QUrl::toPercentEncoding(guid));
}

} // namespace

QString pbBansLookup(const QString& guid) {
    return fixed::kPbBansSite + u"/mbi.php?guid="_s + encoded(guid) + u"&action=12&submit"_s;
}

QString punksBustedLookup(const QString& guid) {
    return fixed::kPunksBustedSite + u"/cgi-bin/membership/guidcheck.cgi?guid="_s + encoded(guid);
}

} // namespace tvx
