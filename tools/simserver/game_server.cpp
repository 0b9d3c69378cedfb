#include "game_server.h"

#include "core/text/codepage.h"

#include "tab_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace sim {
namespace {

constexpr int kEngineSlots = 64;
const QByteArray kPbPrefix = QByteArrayLiteral("^3PunkBuster Server: ");

bool isSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(QByteArrayView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c); });
}

QByteArray join(const QList<QByteArray>& parts, qsizetype from) {
    QByteArray out;
    for (qsizetype i = from; i < parts.size(); ++i) {
        if (i > from)
            out += ' ';
        out += parts[i];
    }
    return out;
}

// What follows the command word, as typed (the engine hands "say" its arguments unsplit).
QByteArray restAfterFirstToken(QByteArrayView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isSeparator(text[i]))
        ++i;
    if (i < n && text[i] == '"') {
        ++i;
        while (i < n && text[i] != '"')
            ++i;
        if (i < n)
            ++i;
    } else {
        while (i < n && !isSeparator(text[i]) && text[i] != '"')
            ++i;
    }
    while (i < n && isSeparator(text[i]))
        ++i;
    qsizetype end = n;
    while (end > i && isSeparator(text[end - 1]))
        --end;
    return text.sliced(i, end - i).toByteArray();
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return withoutColourCodes(a).compare(withoutColourCodes(b), Qt::CaseInsensitive) == 0;
}

QByteArray stampNow() {
    return QDateTime::currentDateTime().toString(u"MM.dd.yyyy hh:mm:ss"_s).toLatin1();
}

// Checksums of the game's archives as a real server lists them: signed 32-bit decimals.
QByteArray archiveChecksums(int count, quint32 seed) {
    QByteArray out;
    quint32 x = seed;
    for (int i = 0; i < count; ++i) {
        x = x * 1664525u + 1013904223u;
        if (i > 0)
            out += ' ';
        out += QByteArray::number(static_cast<qint32>(x));
    }
    return out;
}

QList<QByteArray> archiveNames() {
    QList<QByteArray> names;
    for (int i = 0; i <= 17; ++i)
        names.append("main/iw_" + QByteArray::number(i).rightJustified(2, '0'));
    for (int i = 0; i <= 5; ++i)
        names.append("main/localized_english_iw" + QByteArray::number(i).rightJustified(2, '0'));
    return names;
}

} // namespace

QList<QByteArray> tokenize(QByteArrayView text) {
    QList<QByteArray> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    for (;;) {
        while (i < n && isSeparator(text[i]))
            ++i;
        if (i >= n)
            break;
        const qsizetype start = text[i] == '"' ? i + 1 : i;
        if (text[i] == '"') {
            i = start;
            while (i < n && text[i] != '"')
                ++i;
            out.append(text.sliced(start, i - start).toByteArray());
            if (i < n)
                ++i;
            continue;
        }
        while (i < n && !isSeparator(text[i]) && text[i] != '"')
            ++i;
        out.append(text.sliced(start, i - start).toByteArray());
    }
    return out;
}

bool loadPlayers(const QString& path, QList<StatusPlayer>& players, QString& error) {
    players.clear();
    return readTabFile(
        path, u"players file"_s,
        [&players](const QStringList& f) {
            if (f.size() < 9)
                return u"expected 9 TAB-separated fields: slot, score, ping, guid, name, address, qport, "
                       u"rate, "
                       u"lastmsg"_s;
            StatusPlayer p;
            bool ok[5] = {};
            p.slot = f[0].trimmed().toInt(&ok[0]);
            p.score = f[1].trimmed().toInt(&ok[1]);
            p.ping = tvx::toAnsi(f[2].trimmed());
            p.guid = tvx::toAnsi(f[3].trimmed());
            p.name = tvx::toAnsi(f[4]);
            p.address = tvx::toAnsi(f[5].trimmed());
            p.qport = f[6].trimmed().toInt(&ok[2]);
            p.rate = f[7].trimmed().toInt(&ok[3]);
            p.lastmsg = f[8].trimmed().toInt(&ok[4]);
            if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
                return u"slot, score, qport, rate and lastmsg must be whole numbers"_s;
            players.append(p);
            return QString();
        },
        error);
}

GameServer::GameServer(const Settings& settings) {
    const QList<QByteArray> archives = archiveNames();
    const QList<QByteArray> referenced = archives.mid(0, 14) + archives.mid(18, 3);

    registerDvar("gamename", DvarKind::Text, "Call of Duty: World at War", ServerInfo | ReadOnly);
    registerDvar("protocol", DvarKind::Int, "101", ServerInfo | ReadOnly, 0, 1000);
    registerDvar("shortversion", DvarKind::Text, "1.7", ServerInfo | ReadOnly);
    registerDvar("fs_game", DvarKind::Text, "", ServerInfo | SystemInfo | ReadOnly);
    registerDvar("sv_hostname", DvarKind::Text, "CoDWaWHost", ServerInfo);
    registerDvar("mapname", DvarKind::Text, "", ServerInfo | ReadOnly);
    registerDvar("g_gametype", DvarKind::Text, "tdm", ServerInfo);
    registerDvar("sv_maxclients", DvarKind::Int, "24", ServerInfo | Latched, 1, kEngineSlots);
    registerDvar("sv_privateClients", DvarKind::Int, "0", ServerInfo, 0, kEngineSlots);
    registerDvar("sv_privatePassword", DvarKind::Text, "");
    registerDvar("sv_maxRate", DvarKind::Int, "25000", ServerInfo, 0, 100000);
    registerDvar("sv_minPing", DvarKind::Int, "0", ServerInfo, 0, 999);
    registerDvar("sv_maxPing", DvarKind::Int, "0", ServerInfo, 0, 999);
    registerDvar("sv_floodprotect", DvarKind::Bool, "1", ServerInfo);
    registerDvar("sv_allowAnonymous", DvarKind::Bool, "0", ServerInfo);
    registerDvar("sv_disableClientConsole", DvarKind::Bool, "0", ServerInfo | SystemInfo);
    registerDvar("sv_pure", DvarKind::Bool, "1", ServerInfo | SystemInfo);
    registerDvar("sv_punkbuster", DvarKind::Bool, "1", ServerInfo);
    registerDvar("sv_voice", DvarKind::Bool, "0", ServerInfo | SystemInfo);
    registerDvar("g_allowVote", DvarKind::Bool, "1");
    registerDvar("g_antilag", DvarKind::Bool, "1", ServerInfo);
    registerDvar("g_password", DvarKind::Text, "");
    registerDvar("scr_teambalance", DvarKind::Bool, "1");
    registerDvar("scr_hardcore", DvarKind::Bool, "0", ServerInfo);
    registerDvar("scr_oldschool", DvarKind::Bool, "0", ServerInfo);
    registerDvar("scr_game_allowkillcam", DvarKind::Bool, "1");
    registerDvar("scr_team_fftype", DvarKind::Int, "0", ServerInfo, 0, 3);
    registerDvar("sv_mapRotation", DvarKind::Text, "");
    registerDvar("sv_mapRotationCurrent", DvarKind::Text, "");
    registerDvar("rcon_password", DvarKind::Text, "");
    registerDvar("sv_cheats", DvarKind::Bool, "0", SystemInfo | ReadOnly);
    registerDvar("g_synchronousClients", DvarKind::Bool, "0", SystemInfo);
    registerDvar("sv_serverid", DvarKind::Int, "2837415", SystemInfo | ReadOnly, 0, 0x7fffffff);
    registerDvar("sv_iwds", DvarKind::Text, archiveChecksums(archives.size(), 7), SystemInfo | ReadOnly);
    registerDvar("sv_iwdNames", DvarKind::Text, join(archives, 0), SystemInfo | ReadOnly);
    registerDvar("sv_referencedIwds", DvarKind::Text, archiveChecksums(referenced.size(), 7),
                 SystemInfo | ReadOnly);
    registerDvar("sv_referencedIwdNames", DvarKind::Text, join(referenced, 0), SystemInfo | ReadOnly);
    // Set by the server's configuration with "sets", so created with the value as their default.
    registerDvar("_Admin", DvarKind::Text, "Torvanex", ServerInfo);
    registerDvar("_Location", DvarKind::Text, "Localhost", ServerInfo);

    forceDvar("sv_hostname", settings.hostname);
    forceDvar("mapname", settings.map);
    forceDvar("rcon_password", settings.rconPassword);

    pbBans_ = {
        {"3c0f5e7a91d24b6c8e0a1f2b3c4d5e6f", "^1Hax0r", "198.51.100.23", "Aimbot", "11.02.2009 21:14:03"},
        {"9a8b7c6d5e4f30211203f4e5d6c7b8a9", "Wallh4ck", "203.0.113.77", "Wallhack", "12.24.2009 18:02:51"},
    };
}

bool GameServer::setPlayers(QList<StatusPlayer> players, QString& error) {
    std::sort(players.begin(), players.end(),
              [](const StatusPlayer& a, const StatusPlayer& b) { return a.slot < b.slot; });
    for (qsizetype i = 0; i < players.size(); ++i) {
        if (players[i].slot < 0 || players[i].slot >= kEngineSlots) {
            error = u"slot "_s + QString::number(players[i].slot) + u" is outside 0.."_s +
                    QString::number(kEngineSlots - 1);
            return false;
        }
        if (i > 0 && players[i].slot == players[i - 1].slot) {
            error = u"slot "_s + QString::number(players[i].slot) + u" is taken twice"_s;
            return false;
        }
    }
    // The server was started with room for everyone in the file.
    if (!players.isEmpty() && players.last().slot >= maxClients())
        findDvar("sv_maxclients")->value = QByteArray::number(players.last().slot + 1);
    players_ = std::move(players);
    return true;
}

QByteArray GameServer::rconPassword() const {
    return dvarValue("rcon_password");
}

void GameServer::setRconPassword(const QByteArray& password) {
    forceDvar("rcon_password", password);
}

void GameServer::registerDvar(const QByteArray& name, DvarKind kind, const QByteArray& value, int flags,
                              int min, int max) {
    dvarIndex_.insert(name.toLower(), dvars_.size());
    dvars_.append(Dvar{name, kind, value, value, min, max, flags});
}

GameServer::Dvar* GameServer::findDvar(QByteArrayView name) {
    const auto it = dvarIndex_.constFind(name.toByteArray().toLower());
    return it == dvarIndex_.constEnd() ? nullptr : &dvars_[*it];
}

QByteArray GameServer::dvarValue(QByteArrayView name) const {
    return dvars_.at(dvarIndex_.value(name.toByteArray().toLower())).value;
}

void GameServer::forceDvar(QByteArrayView name, const QByteArray& value) {
    findDvar(name)->value = value;
}

QByteArray GameServer::domainLine(const Dvar& dvar) {
    switch (dvar.kind) {
    case DvarKind::Bool:
        return "  Domain is 0 or 1\n";
    case DvarKind::Int:
        return "  Domain is any integer from " + QByteArray::number(dvar.min) + " to " +
               QByteArray::number(dvar.max) + '\n';
    case DvarKind::Text:
        break;
    }
    return "  Domain is any text\n";
}

void GameServer::printDvar(const Dvar& dvar) {
    print('"' + dvar.name + "\" is: \"" + dvar.value + "^7\" default: \"" + dvar.defaultValue + "^7\"\n");
    print(domainLine(dvar));
}

void GameServer::setDvarFromText(Dvar& dvar, const QByteArray& text) {
    if (dvar.flags & ReadOnly) {
        print(dvar.name + " is read only.\n");
        return;
    }
    QByteArray value = text;
    if (dvar.kind != DvarKind::Text) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (dvar.kind == DvarKind::Bool && ok)
            value = n != 0 ? "1" : "0";
        else if (dvar.kind == DvarKind::Int && ok && n >= dvar.min && n <= dvar.max)
            value = QByteArray::number(n);
        else {
            print('\'' + text + "' is not a valid value for dvar '" + dvar.name + "'\n");
            print(domainLine(dvar));
            return;
        }
    }
    if (dvar.flags & Latched) {
        if (value != dvar.value)
            print(dvar.name + " will be changed upon restarting.\n");
        return;
    }
    dvar.value = value;
}

void GameServer::printInfo(const char* title, int flag) {
    print(title);
    print("\n");
    for (const Dvar& d : std::as_const(dvars_)) {
        // An info string drops keys whose value is empty.
        if ((d.flags & flag) && !d.value.isEmpty())
            print(d.name.leftJustified(20, ' ') + d.value + '\n');
    }
}

int GameServer::maxClients() const {
    return dvarValue("sv_maxclients").toInt();
}

qsizetype GameServer::playerIndexBySlot(int slot) const {
    for (qsizetype i = 0; i < players_.size(); ++i) {
        if (players_[i].slot == slot)
            return i;
    }
    return -1;
}

qsizetype GameServer::playerIndexByName(QByteArrayView name) const {
    for (qsizetype i = 0; i < players_.size(); ++i) {
        if (sameName(players_[i].name, name))
            return i;
    }
    return -1;
}

qsizetype GameServer::playerIndexForSlotText(const QByteArray& text) {
    if (!allDigits(text)) {
        print("Bad slot number: " + text + '\n');
        return -1;
    }
    const int slot = text.toInt();
    if (slot >= maxClients()) {
        print("Bad client slot: " + QByteArray::number(slot) + '\n');
        return -1;
    }
    const qsizetype index = playerIndexBySlot(slot);
    if (index < 0)
        print("Client " + QByteArray::number(slot) + " is not active\n");
    return index;
}

void GameServer::dropPlayer(qsizetype index, QByteArrayView why) {
    print(players_[index].name + "^7 " + why.toByteArray() + '\n');
    players_.removeAt(index);
}

QByteArray GameServer::pbGuid(const StatusPlayer& player) const {
    return QCryptographicHash::hash(QByteArray(player.guid + ':' + player.name), QCryptographicHash::Md5)
        .toHex();
}

QByteArray GameServer::execute(QByteArrayView commandLine) {
    out_.clear();
    const Args args = tokenize(commandLine);
    if (args.isEmpty())
        return {};
    const QByteArray word = args.first().toLower();
    // PunkBuster sees its commands before the engine does.
    if (word.startsWith("pb_sv_"))
        cmdPunkBuster(args, commandLine);
    else if (word == "status")
        cmdStatus();
    else if (word == "serverinfo")
        printInfo("Server info settings:", ServerInfo);
    else if (word == "systeminfo")
        printInfo("System info settings:", SystemInfo);
    else if (word == "say")
        cmdSay(commandLine);
    else if (word == "map" || word == "devmap")
        cmdMap(args);
    else if (word == "map_rotate")
        cmdMapRotate();
    else if (word == "map_restart" || word == "fast_restart") {
        // The map restarts and nothing is printed.
    } else if (word == "quit" || word == "killserver") {
        // The engine would go down without a word; the stand-in stays up so that a session goes on.
    } else if (word == "kick" || word == "onlykick")
        cmdKickByName(args, "was kicked", false);
    else if (word == "banuser")
        cmdKickByName(args, "was banned", true);
    else if (word == "tempbanuser")
        cmdKickByName(args, "was temporarily banned", false);
    else if (word == "clientkick")
        cmdKickBySlot(args, "was kicked", false);
    else if (word == "banclient")
        cmdKickBySlot(args, "was banned", true);
    else if (word == "tempbanclient")
        cmdKickBySlot(args, "was temporarily banned", false);
    else if (word == "unbanuser")
        cmdUnbanUser(args);
    else if (word == "tell")
        cmdTell(args);
    else if (word == "set" || word == "seta")
        cmdSet(args, 0);
    else if (word == "sets")
        cmdSet(args, ServerInfo);
    else if (Dvar* dvar = findDvar(word)) {
        if (args.size() == 1)
            printDvar(*dvar);
        else
            setDvarFromText(*dvar, join(args, 1));
    } else
        print("Unknown command \"" + args.first() + "\"\n");
    return std::exchange(out_, {});
}

bool GameServer::isPlayerCommand(QByteArrayView commandLine) {
    const Args args = tokenize(commandLine);
    if (args.isEmpty())
        return false;
    const QByteArray word = args.first().toLower();
    static const QByteArrayView engine[] = {"kick",          "onlykick",  "clientkick",
                                            "banuser",       "banclient", "tempbanuser",
                                            "tempbanclient", "unbanuser", "tell"};
    static const QByteArrayView punkBuster[] = {"pb_sv_kick", "pb_sv_ban", "pb_sv_task"};
    const auto among = [&word](const auto& words) {
        return std::any_of(std::begin(words), std::end(words),
                           [&word](QByteArrayView w) { return word == w; });
    };
    // A screenshot with no player named is of everybody.
    return among(engine) || among(punkBuster) || (word == "pb_sv_getss" && args.size() > 1);
}

QList<QByteArray> GameServer::executeForRcon(QByteArrayView commandLine) {
    const Args args = tokenize(commandLine);
    const bool punkBuster = !args.isEmpty() && args.first().toLower().startsWith("pb_sv_");
    const QByteArray out = execute(commandLine);
    if (!punkBuster || out.isEmpty())
        return {out};
    QList<QByteArray> lines;
    for (qsizetype at = 0; at < out.size();) {
        const qsizetype lf = out.indexOf('\n', at);
        const qsizetype end = lf < 0 ? out.size() : lf + 1;
        lines.append(out.mid(at, end - at));
        at = end;
    }
    return lines;
}

void GameServer::cmdStatus() {
    print(statusReply(dvarValue("mapname"), players_));
}

void GameServer::cmdSay(QByteArrayView commandLine) {
    QByteArray text = restAfterFirstToken(commandLine);
    if (text.isEmpty())
        return;
    // A quoted message loses its first and last character, whatever the last one is.
    if (text.startsWith('"')) {
        text.remove(0, 1);
        text.chop(1);
    }
    print("console: " + text + '\n');
}

void GameServer::cmdMap(const Args& args) {
    const QByteArray map = args.value(1);
    if (map.isEmpty()) {
        print("Can't find map maps/mp/.d3dbsp\n");
        return;
    }
    forceDvar("mapname", map);
    forceDvar("sv_serverid", QByteArray::number(dvarValue("sv_serverid").toInt() + 1));
}

void GameServer::cmdMapRotate() {
    QByteArray rotation = dvarValue("sv_mapRotationCurrent");
    if (tokenize(rotation).isEmpty())
        rotation = dvarValue("sv_mapRotation");
    const Args words = tokenize(rotation);
    qsizetype i = 0;
    QByteArray nextMap;
    while (i + 1 < words.size() && nextMap.isEmpty()) {
        const QByteArray key = words[i].toLower();
        if (key == "gametype")
            forceDvar("g_gametype", words[i + 1]);
        else if (key == "map")
            nextMap = words[i + 1];
        i += 2;
    }
    forceDvar("sv_mapRotationCurrent", join(words, i));
    if (!nextMap.isEmpty())
        cmdMap({"map", nextMap});
}

void GameServer::cmdKickByName(const Args& args, QByteArrayView why, bool ban) {
    if (args.size() < 2) {
        print("Usage: " + args.first() + " <player name>\n");
        return;
    }
    const QByteArray& name = args[1];
    if (!ban && name.compare("all", Qt::CaseInsensitive) == 0 &&
        args.first().compare("kick", Qt::CaseInsensitive) == 0) {
        while (!players_.isEmpty())
            dropPlayer(0, why);
        return;
    }
    const qsizetype index = playerIndexByName(name);
    if (index < 0) {
        print("Couldn't find " + name + ".\n");
        return;
    }
    if (ban)
        bannedNames_.append(withoutColourCodes(players_[index].name));
    dropPlayer(index, why);
}

void GameServer::cmdKickBySlot(const Args& args, QByteArrayView why, bool ban) {
    if (args.size() < 2) {
        print("Usage: " + args.first() + " <client number>\n");
        return;
    }
    const qsizetype index = playerIndexForSlotText(args[1]);
    if (index < 0)
        return;
    if (ban)
        bannedNames_.append(withoutColourCodes(players_[index].name));
    dropPlayer(index, why);
}

void GameServer::cmdUnbanUser(const Args& args) {
    if (args.size() < 2) {
        print("Usage: " + args.first() + " <player name>\n");
        return;
    }
    const QByteArray& name = args[1];
    for (qsizetype i = 0; i < bannedNames_.size(); ++i) {
        if (sameName(bannedNames_[i], name)) {
            print(bannedNames_.takeAt(i) + "^7 was unbanned.\n");
            return;
        }
    }
    print("Couldn't find " + name + " in the ban list.\n");
}

void GameServer::cmdTell(const Args& args) {
    if (args.size() < 3) {
        print("Usage: tell <client number> <text>\n");
        return;
    }
    if (playerIndexForSlotText(args[1]) < 0)
        return;
    // Only that player sees the message; the console shows what it told.
    print("console_tell: " + join(args, 2) + '\n');
}

void GameServer::cmdSet(const Args& args, int flags) {
    if (args.size() < 3) {
        print("USAGE: " + args.first() + " <variable> <value>\n");
        return;
    }
    const QByteArray value = join(args, 2);
    if (Dvar* dvar = findDvar(args[1])) {
        setDvarFromText(*dvar, value);
        dvar->flags |= flags;
    } else {
        registerDvar(args[1], DvarKind::Text, value, flags);
    }
}

qsizetype GameServer::pbFindPlayer(const QByteArray& text) const {
    // PunkBuster numbers its slots from 1.
    if (allDigits(text))
        return playerIndexBySlot(text.toInt() - 1);
    return playerIndexByName(text);
}

void GameServer::cmdPunkBuster(const Args& args, QByteArrayView commandLine) {
    const auto pb = [this](const QByteArray& text) { print(kPbPrefix + text + '\n'); };
    const QByteArray word = args.first().toLower();
    const QByteArray arg = args.value(1);
    const auto slotText = [this](qsizetype index) { return QByteArray::number(players_[index].slot + 1); };

    if (word == "pb_sv_banlist") {
        pb("Ban List: " + QByteArray::number(pbBans_.size()) + " entries");
        for (qsizetype i = 0; i < pbBans_.size(); ++i) {
            const PbBan& b = pbBans_[i];
            pb(QByteArray::number(i + 1) + "  " + b.guid + "(-) " + b.name + "^7 [" + b.address + "] " +
               b.reason + " (" + b.stamp + ")");
        }
        pb("End of Ban List");
    } else if (word == "pb_sv_badnamelist" || (word == "pb_sv_badname" && args.size() < 3)) {
        pb("Bad Name List: " + QByteArray::number(pbBadNames_.size()) + " entries");
        for (qsizetype i = 0; i < pbBadNames_.size(); ++i)
            pb('[' + QByteArray::number(i + 1) + "] (" + pbBadNames_[i].grace + ") " + pbBadNames_[i].text);
        pb("End of Bad Name List");
    } else if (word == "pb_sv_badname") {
        const QByteArray text = join(args, 2);
        pbBadNames_.append({arg, text});
        pb("Bad Name Added: [" + text + "] (grace " + arg + " seconds)");
    } else if (word == "pb_sv_unban") {
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n < 1 || n > pbBans_.size()) {
            pb("Ban #" + arg + " Not Found");
            return;
        }
        const PbBan b = pbBans_.takeAt(n - 1);
        pb("Guid=" + b.guid + " Removed from Ban List (" + b.name + "^7)");
    } else if (word == "pb_sv_kick" || word == "pb_sv_ban") {
        const qsizetype index = pbFindPlayer(arg);
        if (index < 0) {
            pb("Player Not Found: " + arg);
            return;
        }
        const StatusPlayer p = players_[index];
        const QByteArray reason = join(args, word == "pb_sv_kick" ? 3 : 2);
        if (word == "pb_sv_kick") {
            pb(p.name + "^7 (slot #" + slotText(index) + ") Kicked for " + args.value(2, "0") + " minutes [" +
               reason + ']');
        } else {
            const QByteArray ip = p.address.left(p.address.lastIndexOf(':'));
            pbBans_.append({pbGuid(p), p.name, ip, reason, stampNow()});
            pb(p.name + "^7 (slot #" + slotText(index) + ") Banned [" + reason + ']');
        }
        players_.removeAt(index);
    } else if (word == "pb_sv_getss") {
        if (arg.isEmpty()) {
            pb("Screenshot Requested from " + QByteArray::number(players_.size()) + " Player(s)");
            return;
        }
        const qsizetype index = pbFindPlayer(arg);
        if (index < 0)
            pb("Player Not Found: " + arg);
        else
            pb("Screenshot Requested from " + players_[index].name + "^7 (slot #" + slotText(index) + ')');
    } else if (word == "pb_sv_ver") {
        pb("PunkBuster Server v1.728 | A1386 C2.254");
    } else if (word == "pb_sv_restart") {
        pb("Restarting PunkBuster Server");
    } else {
        pb("Command Issued: " + commandLine.toByteArray().trimmed());
    }
}

} // namespace sim
