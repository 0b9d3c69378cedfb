#pragma once
// Runs tools/simserver (path in $TORVANEX_SIMSERVER) as a child process for end-to-end tests and collects
// what it reports receiving: every UDP datagram, every rcon packet its throttle dropped, every daemon
// message.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>

// What simserver listens for: the game server's rcon alone, or the daemon too.
enum class SimServices { Rcon, RconAndDaemon };

class SimServerProcess : public QObject {
    Q_OBJECT
public:
    explicit SimServerProcess(QObject* parent = nullptr);
    ~SimServerProcess() override;

    // Starts simserver with `extraArgs` plus "--port 0" (and "--daemon-port 0" with the daemon) and
    // waits up to about 5 s for it to listen. False, with errorString(), when it does not.
    bool start(const QStringList& extraArgs = {}, SimServices services = SimServices::Rcon);
    void kill();

    quint16 udpPort() const { return udpPort_; }
    quint16 tcpPort() const { return tcpPort_; }
    QString errorString() const { return error_; }

    QList<QByteArray> udpReceived() const { return udp_; }
    QList<QByteArray> udpDropped() const { return dropped_; }
    QList<QByteArray> tcpReceived() const { return tcp_; }
    // Every command that acted on one player, as the server ran it (password checked, not dropped).
    QList<QByteArray> playerCommands() const { return player_; }

    // Wait, running the event loop, until at least `count` datagrams / messages have been received.
    bool waitForUdp(int count, int ms = 5000);
    bool waitForTcp(int count, int ms = 5000);

    // A file shipped with simserver (demo_players.txt, demo_users.txt), found beside the program.
    static QString demoFile(const QString& fileName);

private:
    void readOutput();
    void handleLine(const QByteArray& line);

    QProcess process_;
    QByteArray pending_;
    bool ready_ = false;
    quint16 udpPort_ = 0;
    quint16 tcpPort_ = 0;
    QString error_;
    QList<QByteArray> udp_;
    QList<QByteArray> dropped_;
    QList<QByteArray> tcp_;
    QList<QByteArray> player_;
};
