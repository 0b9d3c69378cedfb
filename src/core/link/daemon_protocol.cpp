#include "core/link/daemon_protocol.h"

#include "core/text/text_util.h"

using namespace Qt::StringLiterals;

namespace tvx {

QString daemonLoginLine(const QString& user, const QString& password, const QString& level) {
    return user + u':' + password + u'-' + trimBlanks(level);
}

QString daemonCommandCopy(const QString& user, const QString& command) {
    return user + u" - "_s + command;
}

bool isLevelWord(const QString& text) {
    return text == u"admin" || text == u"poweradmin" || text == u"mp";
}

DaemonMessage classifyDaemonMessage(const QString& message, const QString& rconPassPending,
                                    const QString& logRequested) {
    if (rconPassPending == u"1")
        return {DaemonMessage::Kind::RconPassword, message};
    if (logRequested == u"1")
        return {DaemonMessage::Kind::Log, message};
    if (isLevelWord(message))
        return {DaemonMessage::Kind::LevelWord, message};
    if (message.left(7) == u"ADDUSER")
        return {DaemonMessage::Kind::AddUserNotice, removeAll(message, u"ADDUSER "_s).left(kNoticeTextLimit)};
    if (message.left(10) == u"CHANGERCON")
        return {DaemonMessage::Kind::ChangeRconNotice,
                removeAll(message, u"CHANGERCON "_s).left(kNoticeTextLimit)};
    return {DaemonMessage::Kind::Refusal, message};
}

void DaemonNotices::requestSent(DaemonRequest request) {
    ++(request == DaemonRequest::AddUser ? addUserWaiting_ : changeRconWaiting_);
}

bool DaemonNotices::opens(DaemonMessage::Kind notice) {
    int* waiting = notice == DaemonMessage::Kind::AddUserNotice      ? &addUserWaiting_
                   : notice == DaemonMessage::Kind::ChangeRconNotice ? &changeRconWaiting_
                                                                     : nullptr;
    if (!waiting || *waiting == 0)
        return false;
    --*waiting;
    if (boxOpen_)
        return false;
    boxOpen_ = true;
    return true;
}

void DaemonNotices::forgetRequests() {
    addUserWaiting_ = 0;
    changeRconWaiting_ = 0;
}

} // namespace tvx
