#pragma once
// The game server's console as its rcon service reaches it: the command buffer, the dvars, the client
// slots and the PunkBuster server commands. Every text is Windows-1252 bytes.
#include "status_table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

namespace sim {

// One player per line, TAB-separated: slot, score, ping, guid, name, address, qport, rate, lastmsg.
// Empty lines and lines starting with '#' are skipped.
bool loadPlayers(const QString& path, QList<StatusPlayer>& players, QString& error);

// The console's tokenizer: blanks and control characters separate arguments, double quotes group them.
QList<QByteArray> tokenize(QByteArrayView text);

class GameServer {
public:
    struct Settings {
        QByteArray hostname;
        QByteArray map;
        QByteArray rconPassword;
    };

    explicit GameServer(const Settings& settings);

    // Fails when a slot is taken twice or lies beyond what the engine can hold.
    bool setPlayers(QList<StatusPlayer> players, QString& error);

    QByteArray rconPassword() const;
    void setRconPassword(const QByteArray& password);

    // Runs one command line as the console does and returns everything it printed (LF line ends).
    QByteArray execute(QByteArrayView commandLine);
    // A command that acts on one player (kick, ban, unban, tell, PunkBuster kick, ban, screenshot, task):
    // the ones the console's player menu sends, recorded by the rcon service.
    static bool isPlayerCommand(QByteArrayView commandLine);
    // The same, as the rcon replies carry it: PunkBuster answers each of its lines in a datagram of its
    // own, the engine's console in one text (which the service cuts by size). Never empty.
    QList<QByteArray> executeForRcon(QByteArrayView commandLine);

private:
    enum class DvarKind { Text, Bool, Int };
    // Latched: the engine keeps a new value for the next restart and goes on with the old one.
    enum DvarFlag { ServerInfo = 1, SystemInfo = 2, ReadOnly = 4, Latched = 8 };

    struct Dvar {
        QByteArray name;
        DvarKind kind = DvarKind::Text;
        QByteArray value;
        QByteArray defaultValue;
        int min = 0;
        int max = 0;
        int flags = 0;
    };

    struct PbBan {
        QByteArray guid;
        QByteArray name;
        QByteArray address;
        QByteArray reason;
        QByteArray stamp;
    };

    struct PbBadName {
        QByteArray grace;
        QByteArray text;
    };

    using Args = QList<QByteArray>;

    void registerDvar(const QByteArray& name, DvarKind kind, const QByteArray& value, int flags = 0,
                      int min = 0, int max = 0);
    Dvar* findDvar(QByteArrayView name);
    QByteArray dvarValue(QByteArrayView name) const;
    // Sets from text as typed by the administrator; prints the engine's complaint when refused.
    void setDvarFromText(Dvar& dvar, const QByteArray& text);
    void forceDvar(QByteArrayView name, const QByteArray& value);
    static QByteArray domainLine(const Dvar& dvar);
    void printDvar(const Dvar& dvar);
    void printInfo(const char* title, int flag);

    int maxClients() const;
    qsizetype playerIndexBySlot(int slot) const;
    qsizetype playerIndexByName(QByteArrayView name) const;
    // Finds the player for "clientkick"-style commands, printing the engine's complaint when there is none.
    qsizetype playerIndexForSlotText(const QByteArray& text);
    void dropPlayer(qsizetype index, QByteArrayView why);
    QByteArray pbGuid(const StatusPlayer& player) const;

    void cmdStatus();
    void cmdSay(QByteArrayView commandLine);
    void cmdMap(const Args& args);
    void cmdMapRotate();
    void cmdKickByName(const Args& args, QByteArrayView why, bool ban);
    void cmdKickBySlot(const Args& args, QByteArrayView why, bool ban);
    void cmdUnbanUser(const Args& args);
    void cmdTell(const Args& args);
    void cmdSet(const Args& args, int flags);
    void cmdPunkBuster(const Args& args, QByteArrayView commandLine);
    qsizetype pbFindPlayer(const QByteArray& text) const;

    void print(const QByteArray& text) { out_ += text; }

    QList<Dvar> dvars_;
    QHash<QByteArray, qsizetype> dvarIndex_; // lower-case name -> index
    QList<StatusPlayer> players_;
    QList<QByteArray> bannedNames_; // the engine's own ban list (banUser / banClient)
    QList<PbBan> pbBans_;
    QList<PbBadName> pbBadNames_;
    QByteArray out_;
};

} // namespace sim
