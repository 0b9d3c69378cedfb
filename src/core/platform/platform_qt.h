#pragma once
// The program's own platform services, over Qt.
#include "core/platform/platform.h"

#include <QHash>
#include <QHostAddress>
#include <QPointer>

class QTimer;
class QUdpSocket;
class QTcpSocket;

namespace tvx {

// Connecting resolves the host at once (a name lookup may block briefly) and fixes the peer: only datagrams
// from the peer's address and port are delivered, the rest are dropped unseen. Datagrams read and not yet
// delivered are bounded: while that many wait, the rest stay with the system, which drops what it cannot
// hold.
class QtUdpSocket final : public UdpSocket {
    Q_OBJECT
public:
    explicit QtUdpSocket(QObject* parent = nullptr);
    ~QtUdpSocket() override;
    void setRemoteHost(const QString& host) override;
    void setRemotePort(int port) override;
    // Raises PlatformError(err::HostNotFound) for an empty host or a name that does not resolve.
    void connectSocket() override;
    void close() override;
    void sendData(const QByteArray& data) override;
    int state() const override;

    // At most this many datagrams, and about this many bytes, wait for delivery at a time.
    static constexpr qsizetype kMaxWaiting = 32;
    static constexpr qsizetype kMaxWaitingBytes = 1 << 20;
    // Datagrams read and not yet delivered.
    qsizetype waiting() const { return waiting_.size(); }

private:
    void readPending();
    void deliverNext(quint64 generation);

    QString host_;
    int port_ = 0;
    QUdpSocket* socket_ = nullptr;
    QHostAddress peer_;
    QTimer* resume_ = nullptr;
    QList<QByteArray> waiting_;
    qsizetype waitingBytes_ = 0;
    // Deliveries queued before a close belong to an earlier generation and deliver nothing.
    quint64 generation_ = 0;
};

class QtTcpClient final : public TcpClient {
    Q_OBJECT
public:
    explicit QtTcpClient(QObject* parent = nullptr);
    ~QtTcpClient() override;
    void setRemoteHost(const QString& host) override;
    void setRemotePort(int port) override;
    void connectSocket() override;
    void close() override;
    void sendData(const QByteArray& data) override;
    int state() const override;
    QString localIP() const override;

private:
    QString host_;
    int port_ = 0;
    QTcpSocket* socket_ = nullptr;
    bool failed_ = false;
    bool wasConnected_ = false;
};

class QtShell final : public Shell {
public:
    void openUrl(const QString& url) override;
    qint64 execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                   bool hidden) override;
    int killProcesses(const QString& name) override;
    bool isRunning(qint64 pid) const override;
    QString findProgram(const QString& name) const override;
    bool endProcess(qint64 pid) override;

private:
    // What execute() started as one process.
    struct Started {
        // The start time the system gave the process: a pid alone may be handed to another process once
        // ours has ended.
        quint64 startTime = 0;
        // The session it was started in, made for it alone (0 when it is not known to be its own): what
        // the process starts in turn stays in it, also when it is handed to init, as wine does with a
        // program that is not a Windows one.
        qint64 session = 0;
    };

    QList<qint64> startedProcesses(qint64 pid, const Started& started) const;

    QHash<qint64, Started> started_;
};

class QtSystem final : public System {
public:
    QDateTime now() const override;
    void sleep(int ms) override;
    QString programFolder() const override;
    QString currentFolder() const override;
    void endProgram() override;
};

// SIGTERM, SIGINT and SIGHUP end the event loop as the program's own "Quit" does, so that what is tied to
// the program's end (QCoreApplication::aboutToQuit) still runs; a second such signal ends it at once.
void quitOnTerminationSignals();

// This computer's address in dotted decimal: the first IPv4 address of an interface that is up and not the
// loopback, else 127.0.0.1.
QString primaryLocalAddress();

} // namespace tvx
