#pragma once
// Messages of the link to the TORVANEX Daemon: one unframed text per send, no terminator.
#include <QString>

namespace tvx {

// user ":" password "-" level, the level without leading and trailing blanks.
QString daemonLoginLine(const QString& user, const QString& password, const QString& level);
// user " - " command: the copy of every rcon command in Daemon mode.
QString daemonCommandCopy(const QString& user, const QString& command);

bool isLevelWord(const QString& text);

// What one message from the daemon means, given the two flags of the login window.
struct DaemonMessage {
    enum class Kind { RconPassword, Log, LevelWord, AddUserNotice, ChangeRconNotice, Refusal };
    Kind kind = Kind::Refusal;
    // The text a notice box shows (the prefix removed), the password, or the log.
    QString text;

    friend bool operator==(const DaemonMessage&, const DaemonMessage&) = default;
};

DaemonMessage classifyDaemonMessage(const QString& message, const QString& rconPassPending,
                                    const QString& logRequested);

} // namespace tvx
