#include "daemon_service.h"

#include "core/text/codepage.h"

#include "game_server.h"
#include "report.h"
#include "tab_file.h"

#include <QDateTime>
#include <QFile>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <array>

using namespace Qt::StringLiterals;

namespace sim {
namespace {

const std::array<QByteArray, 3> kLevels = {QByteArrayLiteral("mp"), QByteArrayLiteral("admin"),
                                           QByteArrayLiteral("poweradmin")};

constexpr int kPowerAdmin = 2;

int levelIndex(QByteArrayView word) {
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        if (kLevels[i] == word)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool loadUsers(const QString& path, QList<DaemonUser>& users, QString& error) {
    users.clear();
    return readTabFile(
        path, u"users file"_s,
        [&users](const QStringList& f) {
            const int level = f.size() >= 3 ? levelIndex(tvx::toAnsi(f[2].trimmed())) : -1;
            if (level < 0)
                return u"expected name TAB password TAB level (mp, admin or poweradmin)"_s;
            users.append({tvx::toAnsi(f[0]), tvx::toAnsi(f[1]), level});
            return QString();
        },
        error);
}

DaemonService::DaemonService(GameServer& server, Settings settings, QObject* parent)
    : QObject(parent), game_(server), settings_(std::move(settings)) {
    connect(&server_, &QTcpServer::newConnection, this, &DaemonService::accept);
}

bool DaemonService::listen(quint16 port, QString& error) {
    if (server_.listen(QHostAddress::LocalHost, port))
        return true;
    error = u"cannot listen on TCP port "_s + QString::number(port) + u": "_s + server_.errorString();
    return false;
}

void DaemonService::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            sessions_.remove(socket);
            socket->deleteLater();
        });
        // The protocol has no framing: whatever one read brings is one message.
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray message = socket->readAll();
            reportLine("TCP", message);
            handle(socket, message);
        });
    }
}

void DaemonService::send(QTcpSocket* socket, const QByteArray& reply) {
    socket->write(reply);
    socket->flush();
}

void DaemonService::handle(QTcpSocket* socket, const QByteArray& message) {
    if (message == "getrconpass") {
        if (!settings_.answerRconPass)
            return;
        if (settings_.rconPassDelayMs <= 0) {
            send(socket, game_.rconPassword());
            return;
        }
        QTimer::singleShot(settings_.rconPassDelayMs, socket, [this, guard = QPointer<QTcpSocket>(socket)] {
            if (guard)
                send(guard, game_.rconPassword());
        });
        return;
    }
    if (message == "getlog") {
        send(socket, settings_.log);
        return;
    }
    const Session session = sessions_.value(socket);
    if (message == "startserver") {
        // The game server is already up: the request is only recorded, and not answered.
        record("Game server start requested by " +
               (session.level < 0 ? "a connection not logged in" : session.name));
        return;
    }
    if (message.startsWith("ADDUSER ")) {
        send(socket, session.level == kPowerAdmin ? addUser(message.mid(8), session.name)
                                                  : "ADDUSER Access denied: only a poweradmin may add users");
        return;
    }
    if (message.startsWith("CHANGERCON ")) {
        send(socket, session.level == kPowerAdmin
                         ? changeRcon(message.mid(11), session.name)
                         : "CHANGERCON Access denied: only a poweradmin may change the rcon password");
        return;
    }
    // "user - command" is a copy of an rcon command, kept for the daemon's records; it gets no answer.
    // A login line "user:password-level" has its colon before any " - ".
    const qsizetype colon = message.indexOf(':');
    const qsizetype copyMark = message.indexOf(" - ");
    if (colon < 0 || (copyMark >= 0 && copyMark < colon))
        return;
    int granted = -1;
    send(socket, login(message, granted));
    // A refused login ends what the connection was logged in as.
    if (granted >= 0)
        sessions_.insert(socket, {message.left(colon), granted});
    else
        sessions_.remove(socket);
}

QByteArray DaemonService::login(const QByteArray& message, int& granted) const {
    const qsizetype colon = message.indexOf(':');
    const qsizetype dash = message.lastIndexOf('-');
    if (dash < colon)
        return "Login refused: malformed login";
    const QByteArray name = message.left(colon);
    const QByteArray password = message.mid(colon + 1, dash - colon - 1);
    const QByteArray levelWord = message.mid(dash + 1);
    const int asked = levelIndex(levelWord);
    for (const DaemonUser& user : settings_.users) {
        if (user.name != name || user.password != password)
            continue;
        if (asked < 0)
            return "Login refused: unknown access level";
        if (asked > user.level)
            return "Login refused: access level not allowed for this user";
        granted = asked;
        return kLevels[static_cast<std::size_t>(asked)];
    }
    return "Login refused: wrong user name or password";
}

QByteArray DaemonService::addUser(const QByteArray& request, const QByteArray& by) {
    // name+password-level; the password may hold '+' and '-', the level is what follows the last '-'.
    const qsizetype plus = request.indexOf('+');
    const qsizetype dash = request.lastIndexOf('-');
    if (plus <= 0 || dash < plus)
        return "ADDUSER User not added: expected name+password-level";
    const QByteArray name = request.left(plus);
    const QByteArray password = request.mid(plus + 1, dash - plus - 1);
    const QByteArray levelWord = request.mid(dash + 1);
    const int level = levelIndex(levelWord);
    if (level < 0)
        return "ADDUSER User " + name + " not added: unknown level " + levelWord;
    // A login line ends its name at the first ':', so such a name could never log in.
    if (name.contains(':'))
        return "ADDUSER User " + name + " not added: a name may not hold ':'";
    if (password.isEmpty())
        return "ADDUSER User " + name + " not added: the password is empty";
    const DaemonUser added{name, password, level};
    bool replaced = false;
    for (DaemonUser& user : settings_.users) {
        if (user.name == name) {
            user = added;
            replaced = true;
        }
    }
    if (!replaced) {
        if (settings_.users.size() >= kMaxUsers)
            return "ADDUSER User " + name + " not added: the users list is full";
        settings_.users.append(added);
    }
    record("User " + name + " added as " + levelWord + " by " + by);
    return "ADDUSER User " + name + " added as " + levelWord;
}

QByteArray DaemonService::changeRcon(const QByteArray& password, const QByteArray& by) {
    if (password.isEmpty())
        return "CHANGERCON Rcon password not changed: the new password is empty";
    game_.setRconPassword(password);
    record("Rcon password changed by " + by);
    return "CHANGERCON Rcon password changed";
}

void DaemonService::record(const QByteArray& line) {
    QByteArray& log = settings_.log;
    // A log read from the users' file may lack its last line break.
    if (!log.isEmpty() && !log.endsWith('\n'))
        log += "\r\n";
    log += '[' + QDateTime::currentDateTime().toString(u"yyyy-MM-dd hh:mm:ss"_s).toLatin1() + "] " + line +
           "\r\n";
    if (log.size() <= kMaxLog)
        return;
    const qsizetype cut = log.indexOf('\n', log.size() - kMaxLog);
    log.remove(0, cut < 0 ? log.size() - kMaxLog : cut + 1);
}

} // namespace sim
