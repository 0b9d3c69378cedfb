#pragma once
// The game server's rcon service: connectionless "rcon" datagrams on UDP, answered with "print" datagrams.
#include <QElapsedTimer>
#include <QObject>
#include <QUdpSocket>

namespace sim {

class GameServer;

class RconService : public QObject {
public:
    // Text bytes in one reply datagram; a longer reply goes out in several.
    static constexpr qsizetype kMaxReplyText = 1294;
    // The engine answers one rcon packet per this many milliseconds, from all senders together.
    static constexpr qint64 kThrottleMs = 500;

    RconService(GameServer& server, bool throttle, QObject* parent = nullptr);

    bool listen(quint16 port, QString& error);
    quint16 port() const { return socket_.localPort(); }

private:
    void readPending();
    void handle(const QByteArray& datagram, const QHostAddress& from, quint16 fromPort);
    void reply(const QByteArray& text, const QHostAddress& to, quint16 toPort);

    GameServer& server_;
    QUdpSocket socket_;
    bool throttle_;
    QElapsedTimer lastAccepted_; // invalid until the first packet is accepted
};

} // namespace sim
