#pragma once
// The TORVANEX Daemon as the console meets it: TCP, one unframed text per message, logins against a
// users list, the rcon password handed out, command copies and a few services of its own.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

namespace sim {

class GameServer;

struct DaemonUser {
    QByteArray name;
    QByteArray password;
    int level = 0; // index in the level words, mp < admin < poweradmin
};

// One user per line: name TAB password TAB allowed level. Empty lines and lines starting with '#' are
// skipped.
bool loadUsers(const QString& path, QList<DaemonUser>& users, QString& error);

class DaemonService : public QObject {
public:
    struct Settings {
        QList<DaemonUser> users;
        QByteArray log;
        bool answerRconPass = true;
        int rconPassDelayMs = 0;
    };

    DaemonService(GameServer& server, Settings settings, QObject* parent = nullptr);

    bool listen(quint16 port, QString& error);
    quint16 port() const { return server_.serverPort(); }

    // How many users the daemon keeps at most, and how much of its log.
    static constexpr qsizetype kMaxUsers = 1000;
    static constexpr qsizetype kMaxLog = 64 * 1024;

private:
    void accept();
    void handle(QTcpSocket* socket, const QByteArray& message);
    // The reply to a login line; a granted login sets `granted` to the level index it was granted at.
    QByteArray login(const QByteArray& message, int& granted) const;
    QByteArray addUser(const QByteArray& request, const QByteArray& by);
    QByteArray changeRcon(const QByteArray& password, const QByteArray& by);
    // Adds a stamped line to the daemon's log, which keeps only its last kMaxLog bytes of whole lines.
    void record(const QByteArray& line);
    static void send(QTcpSocket* socket, const QByteArray& reply);

    GameServer& game_;
    Settings settings_;
    QTcpServer server_;
    // Who each connection logged in as, and at which level; ADDUSER and CHANGERCON are for a poweradmin.
    struct Session {
        QByteArray name;
        int level = -1;
    };
    QHash<QTcpSocket*, Session> sessions_;
};

} // namespace sim
