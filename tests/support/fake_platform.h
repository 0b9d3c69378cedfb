#pragma once
// The one fake platform every test uses: scripted boxes, recorded sends, a settable clock, no real sleep.
#include "core/platform/platform.h"

#include <QDir>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

namespace tvx::test {

struct ShownBox {
    QString kind; // "msg", "input" or "file"
    QString text;
    int style = 0;
    QString title;       // as given (empty = the application title)
    QString defaultText; // the proposed text; for a file dialog, its filter
    QString folder = {}; // a file dialog's starting folder
};

class FakeDialogs final : public Dialogs {
public:
    QList<ShownBox> shown;
    // Answers for the next message boxes, in order; without one a box answers its first button.
    QList<int> msgAnswers;
    // Answers for the next input boxes; without one the proposed text is taken.
    QList<QString> inputAnswers;
    QList<QString> fileAnswers;
    // Runs while the next box is open (as the event loop would, while a modal box is up).
    std::function<void()> whileOpen;

    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter, const QString& initialFolder) override;
    QStringList texts() const;

private:
    void runWhileOpen();
};

class FakeUdpSocket final : public UdpSocket {
    Q_OBJECT
public:
    using UdpSocket::UdpSocket;
    QString remoteHost;
    int remotePort = 0;
    bool open = false;
    QList<QByteArray> sent;
    // Names that do not resolve; an empty or blank host never does.
    QStringList unknownHosts;
    void setRemoteHost(const QString& host) override { remoteHost = host; }
    void setRemotePort(int port) override;
    void connectSocket() override;
    void close() override { open = false; }
    void sendData(const QByteArray& data) override;
    int state() const override { return open ? sock::Open : sock::Closed; }
    // A datagram from the server, delivered at once; then what its handler queued runs, as the event loop
    // would run it before the next datagram comes.
    void deliver(const QByteArray& datagram) { deliverBurst({datagram}); }
    // Datagrams that were all waiting together: each is delivered, then what the handlers queued runs.
    void deliverBurst(const QList<QByteArray>& datagrams);
};

class FakeTcpClient final : public TcpClient {
    Q_OBJECT
public:
    using TcpClient::TcpClient;
    QString remoteHost;
    int remotePort = 0;
    int currentState = sock::Closed;
    // Connecting completes at once unless this is false.
    bool connectsAtOnce = true;
    QList<QByteArray> sent;
    QString address = QStringLiteral("192.168.1.20");
    void setRemoteHost(const QString& host) override { remoteHost = host; }
    void setRemotePort(int port) override { remotePort = port; }
    void connectSocket() override { currentState = connectsAtOnce ? sock::Connected : sock::Connecting; }
    void close() override { currentState = sock::Closed; }
    void sendData(const QByteArray& data) override;
    int state() const override { return currentState; }
    QString localIP() const override { return address; }
    void deliver(const QByteArray& message) { emit dataArrival(message); }
    void fail(int number, const QString& description) { emit error(number, description); }
};

class FakeShell final : public Shell {
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
        bool hidden = false;
        qint64 pid = 0;
    };
    QStringList openedUrls;
    QList<Started> started;
    QStringList killed;
    // Runs at each killProcesses, after it is recorded (to see the program's state at that moment).
    std::function<void(const QString&)> onKill;
    qint64 nextPid = 4242;
    QList<qint64> running;
    void openUrl(const QString& url) override { openedUrls << url; }
    qint64 execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                   bool hidden) override;
    int killProcesses(const QString& name) override;
    bool isRunning(qint64 pid) const override { return running.contains(pid); }
    // Programs on the PATH, by name: what findProgram answers (nothing is on the PATH unless set).
    QHash<QString, QString> onPath;
    QString findProgram(const QString& name) const override { return onPath.value(name); }
    // Ends only what execute() started.
    bool endProcess(qint64 pid) override;
    QList<qint64> endedPids;
};

class FakeSystem final : public System {
public:
    QDateTime clock = QDateTime(QDate(2026, 12, 8), QTime(22, 10, 0));
    QList<int> sleeps;
    // Runs before each sleep returns (to look at the screen during a pause).
    std::function<void(int)> onSleep;
    // When set, each sleep is the program's own pause (events handled, windows painted), this many ms long.
    std::optional<int> realPauseMs;
    QString folder;
    // The folder the program was started from: another than its own, as when started from a clone's root.
    QString current;
    int endCalls = 0;
    // Runs when the program is ended (to end the event loop for real).
    std::function<void()> onEnd;
    QDateTime now() const override { return clock; }
    void sleep(int ms) override;
    QString programFolder() const override { return folder; }
    QString currentFolder() const override { return current; }
    void endProgram() override;
};

class FakeSettings final : public SettingsStore {
public:
    QHash<QString, QString> values; // "section/key"
    QStringList writes;             // "section/key=value", in the order they were made
    // How often the store would be written: once per value set outside a batch, once per outermost batch
    // that set any.
    int saves = 0;
    QString get(const QString& section, const QString& key, const QString& defaultValue) const override;
    void set(const QString& section, const QString& key, const QString& value) override;
    void beginBatch() override { ++batchDepth_; }
    void endBatch() override;

private:
    int batchDepth_ = 0;
    bool unsaved_ = false;
};

// The windows' sockets: fakes the test drives, or real ones that talk to real peers on 127.0.0.1.
enum class Sockets { Fake, Real };
// The programs the windows start: recorded only, or really started and really ended (the UCON client's
// stand-in).
enum class Programs { Recorded, Real };

// A whole platform.
class FakePlatform {
public:
    explicit FakePlatform(Sockets sockets = Sockets::Fake, Programs programs = Programs::Recorded);
    ~FakePlatform();
    FakeDialogs dialogs;
    FakeShell shell;
    FakeSystem system;
    FakeSettings settings;
    QList<QPointer<UdpSocket>> udpSockets;
    QList<QPointer<TcpClient>> tcpClients;
    Platform platform();
    // The newest socket the windows made, as a fake (null with real sockets).
    FakeUdpSocket* udp() const;
    FakeTcpClient* tcp() const;
    QString folder() const { return dir_.path(); }

private:
    Sockets sockets_;
    Programs programs_;
    std::unique_ptr<Shell> programShell_;
    QTemporaryDir dir_;
};

// Installs a fresh platform and unloads every window when the test ends.
class WindowsFixture {
public:
    explicit WindowsFixture(Sockets sockets = Sockets::Fake, Programs programs = Programs::Recorded);
    ~WindowsFixture();
    FakePlatform fake;
};

} // namespace tvx::test
