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
    // The text a notice box shows (the prefix removed, at most kNoticeTextLimit characters), the password,
    // or the log.
    QString text;

    friend bool operator==(const DaemonMessage&, const DaemonMessage&) = default;
};

// A notice box shows at most this much of a notice: far more than any answer needs, and a box that fits on
// a screen whatever the daemon sends.
inline constexpr qsizetype kNoticeTextLimit = 4 * 1024;

DaemonMessage classifyDaemonMessage(const QString& message, const QString& rconPassPending,
                                    const QString& logRequested);

// The two requests whose answers are notices.
enum class DaemonRequest { AddUser, ChangeRcon };

// Which notices open a box. A notice is the answer to a request this program sent: it gets a box only while
// such a request still waits for its answer, one box per request, and never while another notice box is
// open. A modal box lets the next message in, so notices the daemon sends on its own would otherwise open
// boxes inside boxes without end.
class DaemonNotices {
public:
    void requestSent(DaemonRequest request);
    // Whether this notice (AddUserNotice or ChangeRconNotice) opens its box now. A notice answers one waiting
    // request of its kind, also when it gets no box because another one is open.
    bool opens(DaemonMessage::Kind notice);
    void boxClosed() { boxOpen_ = false; }
    // The link was closed or opened anew: nothing asked on it waits for an answer any more.
    void forgetRequests();

private:
    int addUserWaiting_ = 0;
    int changeRconWaiting_ = 0;
    bool boxOpen_ = false;
};

} // namespace tvx
