#pragma once
// The TORVANEX Daemon as the console meets it: TCP, one unframed text per message, logins against a
// users list, the rcon password handed out, command copies and a few services of its own.
#include <QByteArray>
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
    quint16 port() const { return m_server.serverPort(); }

private:
    void accept();
    void handle(QTcpSocket* socket, const QByteArray& message);
    QByteArray login(const QByteArray& message) const;
    QByteArray addUser(const QByteArray& request);
    static void send(QTcpSocket* socket, const QByteArray& reply);

    GameServer& m_game;
    Settings m_settings;
    QTcpServer m_server;
};

} // namespace sim
