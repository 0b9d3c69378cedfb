#pragma once
// Runs tools/simserver (path in $TORVANEX_SIMSERVER) as a child process for end-to-end tests and collects
// what it reports receiving: every UDP datagram, every rcon packet its throttle dropped, every daemon
// message.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>

class SimServerProcess : public QObject {
    Q_OBJECT
public:
    explicit SimServerProcess(QObject* parent = nullptr);
    ~SimServerProcess() override;

    // Starts simserver with `extraArgs` plus "--port 0" (and "--daemon-port 0" with `withDaemon`) and
    // waits up to about 5 s for it to listen. False, with errorString(), when it does not.
    bool start(const QStringList& extraArgs = {}, bool withDaemon = false);
    void kill();

    quint16 udpPort() const { return m_udpPort; }
    quint16 tcpPort() const { return m_tcpPort; }
    QString errorString() const { return m_error; }

    QList<QByteArray> udpReceived() const { return m_udp; }
    QList<QByteArray> udpDropped() const { return m_dropped; }
    QList<QByteArray> tcpReceived() const { return m_tcp; }
    // Every command that acted on one player, as the server ran it (password checked, not dropped).
    QList<QByteArray> playerCommands() const { return m_player; }

    // Wait, running the event loop, until at least `count` datagrams / messages have been received.
    bool waitForUdp(int count, int ms = 5000);
    bool waitForTcp(int count, int ms = 5000);

    // A file shipped with simserver (demo_players.txt, demo_users.txt), found beside the program.
    static QString demoFile(const QString& fileName);

private:
    void readOutput();
    void handleLine(const QByteArray& line);

    QProcess m_process;
    QByteArray m_pending;
    bool m_ready = false;
    quint16 m_udpPort = 0;
    quint16 m_tcpPort = 0;
    QString m_error;
    QList<QByteArray> m_udp;
    QList<QByteArray> m_dropped;
    QList<QByteArray> m_tcp;
    QList<QByteArray> m_player;
};
