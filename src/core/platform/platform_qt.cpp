#include "core/platform/platform_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <cerrno>
#include <csignal>
#include <limits>
#include <optional>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace tvx {
namespace {

const QString kWrongState =
    QStringLiteral("Wrong protocol or connection state for the requested transaction or request");

void checkPort(int port) {
    if (port < 0 || port > 65535)
        throw PlatformError(err::InvalidPropertyValue, QStringLiteral("Invalid property value"));
}

// Delivers a signal emission by a queued call, so a handler may open a modal box and the next event still
// arrives.
template <typename Fn> void later(QObject* obj, Fn fn) {
    QMetaObject::invokeMethod(obj, std::move(fn), Qt::QueuedConnection);
}

std::pair<int, QString> mapTcpError(QAbstractSocket::SocketError e, bool wasConnected, const QString& text) {
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError:
        return {err::ConnectionRefused, QStringLiteral("Connection is forcefully rejected")};
    case QAbstractSocket::HostNotFoundError:
        return {err::HostNotFound, QStringLiteral("Authoritative answer: Host not found")};
    case QAbstractSocket::SocketTimeoutError:
        return {err::TimedOut, QStringLiteral("Connection timed out")};
    case QAbstractSocket::RemoteHostClosedError:
        return {err::WrongState, kWrongState};
    case QAbstractSocket::NetworkError:
        if (wasConnected)
            return {err::WrongState, kWrongState};
        return {err::ConnectionReset, QStringLiteral("Connection reset by remote side")};
    default:
        return {10000 + static_cast<int>(e), text};
    }
}

} // namespace

// ---- UDP ----

namespace {

const QString kHostNotFound = QStringLiteral("Host not found");

// The address a host text names: a literal address as it is, a name by a lookup that blocks until answered
// (an IPv4 address preferred, as the server is reached over IPv4).
QHostAddress resolveHost(const QString& host) {
    QHostAddress literal;
    if (literal.setAddress(host))
        return literal;
    if (host.trimmed().isEmpty())
        throw PlatformError(err::HostNotFound, kHostNotFound);
    QHostAddress found;
    for (const QHostAddress& a : QHostInfo::fromName(host).addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a;
        if (found.isNull())
            found = a;
    }
    if (found.isNull())
        throw PlatformError(err::HostNotFound, kHostNotFound);
    return found;
}

} // namespace

QtUdpSocket::QtUdpSocket(QObject* parent) : UdpSocket(parent), resume_(new QTimer(this)) {
    resume_->setSingleShot(true);
    resume_->setInterval(0);
    connect(resume_, &QTimer::timeout, this, &QtUdpSocket::readPending);
}
QtUdpSocket::~QtUdpSocket() {
    close();
}

void QtUdpSocket::setRemoteHost(const QString& host) {
    host_ = host;
}

void QtUdpSocket::setRemotePort(int port) {
    checkPort(port);
    port_ = port;
}

void QtUdpSocket::connectSocket() {
    close();
    const QHostAddress peer = resolveHost(host_);
    socket_ = new QUdpSocket(this);
    if (!socket_->bind(QHostAddress::Any, 0)) {
        const QString why = socket_->errorString();
        close();
        throw PlatformError(err::AddressInUse, why);
    }
    peer_ = peer;
    // Reading waits for a timer turn, so a flood competes fairly with the window's own timers.
    connect(socket_, &QUdpSocket::readyRead, resume_, qOverload<>(&QTimer::start));
}

void QtUdpSocket::close() {
    ++generation_;
    resume_->stop();
    waiting_.clear();
    waitingBytes_ = 0;
    peer_.clear();
    if (socket_) {
        socket_->disconnect(this);
        socket_->close();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void QtUdpSocket::sendData(const QByteArray& data) {
    if (!socket_)
        throw PlatformError(err::WrongState, kWrongState);
    if (socket_->writeDatagram(data, peer_, static_cast<quint16>(port_)) < 0) {
        const QString why = socket_->errorString();
        later(this, [this, why] { emit error(err::HostUnreachable, why); });
    }
}

int QtUdpSocket::state() const {
    return socket_ ? sock::Open : sock::Closed;
}

void QtUdpSocket::readPending() {
    // Datagrams from elsewhere are read and dropped; a bounded number per call, so a flood of them cannot
    // hold the thread here (the socket reports the rest on the next pass of the event loop).
    int reads = 0;
    while (socket_ && reads < 4 * kMaxWaiting && waiting_.size() < kMaxWaiting &&
           waitingBytes_ < kMaxWaitingBytes && socket_->hasPendingDatagrams()) {
        ++reads;
        const qint64 size = socket_->pendingDatagramSize();
        QByteArray data(qMax<qint64>(size, 0), Qt::Uninitialized);
        QHostAddress from;
        quint16 fromPort = 0;
        const qint64 got = socket_->readDatagram(data.data(), data.size(), &from, &fromPort);
        if (got < 0)
            break;
        if (fromPort != port_ || !from.isEqual(peer_, QHostAddress::TolerantConversion))
            continue;
        data.truncate(got);
        waitingBytes_ += data.size();
        waiting_.append(std::move(data));
        later(this, [this, g = generation_] { deliverNext(g); });
    }
}

void QtUdpSocket::deliverNext(quint64 generation) {
    if (generation != generation_ || waiting_.isEmpty())
        return;
    const QByteArray data = waiting_.takeFirst();
    waitingBytes_ -= data.size();
    emit dataArrival(data);
    // Read more only once everything read before has been delivered, and on a timer turn: what the
    // handlers queued meanwhile (a rebuild of the players grid, say) runs first, and timers, painting and
    // input get their turn before the next datagrams.
    if (generation == generation_ && waiting_.isEmpty())
        resume_->start();
}

// ---- TCP ----

QtTcpClient::QtTcpClient(QObject* parent) : TcpClient(parent) {}
QtTcpClient::~QtTcpClient() {
    if (socket_)
        socket_->disconnect(this);
}

void QtTcpClient::setRemoteHost(const QString& host) {
    host_ = host;
}

void QtTcpClient::setRemotePort(int port) {
    checkPort(port);
    port_ = port;
}

void QtTcpClient::connectSocket() {
    if (state() != sock::Closed)
        throw PlatformError(err::InvalidOperation, QStringLiteral("Invalid operation at current state"));
    failed_ = false;
    wasConnected_ = false;
    socket_ = new QTcpSocket(this);
    QTcpSocket* s = socket_;
    connect(s, &QTcpSocket::connected, this, [this, s] {
        wasConnected_ = true;
        // Every send is one message of its own: do not hold small ones back to join them.
        s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    });
    connect(s, &QTcpSocket::readyRead, this, [this, s] {
        const QByteArray data = s->readAll();
        if (!data.isEmpty())
            later(this, [this, data] { emit dataArrival(data); });
    });
    connect(s, &QTcpSocket::bytesWritten, this, [this] { later(this, [this] { emit sendComplete(); }); });
    connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError e) {
        if (s != socket_)
            return;
        failed_ = true;
        const std::pair<int, QString> mapped = mapTcpError(e, wasConnected_, s->errorString());
        later(this, [this, mapped] { emit error(mapped.first, mapped.second); });
    });
    s->connectToHost(host_, static_cast<quint16>(port_));
}

void QtTcpClient::close() {
    failed_ = false;
    wasConnected_ = false;
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void QtTcpClient::sendData(const QByteArray& data) {
    if (state() != sock::Connected)
        throw PlatformError(err::WrongState, kWrongState);
    socket_->write(data);
    socket_->flush();
}

int QtTcpClient::state() const {
    if (!socket_)
        return sock::Closed;
    if (failed_)
        return sock::Error;
    switch (socket_->state()) {
    case QAbstractSocket::HostLookupState:
        return sock::ResolvingHost;
    case QAbstractSocket::ConnectingState:
        return sock::Connecting;
    case QAbstractSocket::ConnectedState:
        return sock::Connected;
    case QAbstractSocket::ClosingState:
        return sock::Closing;
    default:
        return wasConnected_ ? sock::Closing : sock::Closed;
    }
}

QString QtTcpClient::localIP() const {
    if (socket_ && socket_->state() == QAbstractSocket::ConnectedState) {
        QHostAddress a = socket_->localAddress();
        bool ok = false;
        const quint32 v4 = a.toIPv4Address(&ok);
        if (ok)
            return QHostAddress(v4).toString();
        return a.toString();
    }
    return primaryLocalAddress();
}

QString primaryLocalAddress() {
    for (const QNetworkInterface& nif : QNetworkInterface::allInterfaces()) {
        const auto flags = nif.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : nif.addressEntries()) {
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return e.ip().toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

// ---- Shell ----

void QtShell::openUrl(const QString& url) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {url});
}

namespace {

// What the shell reads of /proc/PID/stat.
struct ProcStat {
    QByteArray comm;       // the executable's name as the kernel keeps it (at most 15 bytes)
    char state = '?';      // 'Z' for a process that has ended and waits to be reaped
    qint64 session = 0;    // field 6
    quint64 startTime = 0; // field 22: clock ticks after boot; with the pid, it names one process for good
};

std::optional<ProcStat> procStat(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The name stands in parentheses and may itself hold blanks and parentheses: the last ')' closes it.
    const QByteArray s = file.read(4096);
    const qsizetype open = s.indexOf('(');
    const qsizetype close = s.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    const QList<QByteArray> fields = s.mid(close + 1).simplified().split(' ');
    // fields[0] is field 3 (the state), so field 6 is fields[3] and field 22 is fields[19].
    if (fields.size() < 20 || fields[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    ProcStat st;
    st.comm = s.mid(open + 1, close - open - 1);
    st.state = fields[0][0];
    st.session = fields[3].toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    st.startTime = fields[19].toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return st;
}

// The file name of the executable the process runs, as /proc/PID/exe names it (a file replaced since it was
// started is still the one the process runs).
QByteArray executableFileName(const QString& pidDir) {
    QByteArray exe =
        QFile::encodeName(QFileInfo(QFile::symLinkTarget(pidDir + QStringLiteral("/exe"))).fileName());
    const QByteArray deleted = " (deleted)";
    if (exe.endsWith(deleted))
        exe.chop(deleted.size());
    return exe;
}

// Wine's loaders: a Windows program that wine runs has one of these as its executable.
bool isWineLoader(const QByteArray& exe) {
    return exe == "wine64-preloader" || exe == "wine-preloader" || exe == "wine64" || exe == "wine";
}

// Whether the process runs the executable named `name`: either
// - its executable's file name (/proc/PID/exe) is `name`: a native program, or
// - its executable is one of wine's loaders and its process name (/proc/PID/comm) is `name`: wine names the
//   process after the Windows program it runs.
// Nothing else counts. Its arguments are not looked at: any program may call itself anything in argv[0],
// and wine rewrites it to a Windows path anyway. Nor does the process name alone: any process may rename
// itself (PR_SET_NAME), so it counts only under wine's loader. A script's executable is its interpreter,
// so a script is never taken for the program whose name it bears. The kernel keeps at most 15 bytes of a
// process name: a longer name cannot be told from another that begins alike, and is not matched under wine.
bool executableNamed(const QString& pidDir, const ProcStat& st, const QByteArray& name) {
    constexpr qsizetype kCommLength = 15;
    const QByteArray exe = executableFileName(pidDir);
    if (exe == name)
        return true;
    return isWineLoader(exe) && name.size() <= kCommLength && st.comm == name;
}

// A process of this user that runs (this program left out).
struct OwnProcess {
    qint64 pid = 0;
    QString dir; // its folder under /proc
    ProcStat stat;
};

QList<OwnProcess> ownProcesses() {
    QList<OwnProcess> found;
    const uint me = static_cast<uint>(::getuid());
    const qint64 self = QCoreApplication::applicationPid();
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QString dir = proc.filePath(entry);
        if (QFileInfo(dir).ownerId() != me)
            continue;
        const std::optional<ProcStat> st = procStat(pid);
        if (st && st->state != 'Z')
            found.append({pid, dir, *st});
    }
    return found;
}

} // namespace

qint64 QtShell::execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                        bool hidden) {
    Q_UNUSED(hidden); // a console program started detached has no window of its own here
    QProcess p;
    p.setProgram(program);
    p.setArguments(arguments);
    if (!workingFolder.isEmpty())
        p.setWorkingDirectory(workingFolder);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!p.startDetached(&pid))
        return 0;
    // Taken at once: the start time and the session are fixed when the process is made and do not change
    // when it runs its program. One that has ended already is recorded with a time no process has, so its
    // pid never counts as it.
    const std::optional<ProcStat> st = procStat(pid);
    Started started;
    started.startTime = st ? st->startTime : std::numeric_limits<quint64>::max();
    // Qt starts a detached program in a new session (the go-between it forks through calls setsid). A
    // session shared with this program tells nothing about what belongs to the one started.
    if (st && st->session > 0 && st->session != ::getsid(0))
        started.session = st->session;
    started_.insert(pid, started);
    return pid;
}

// The processes of what execute() started as `pid` that still run: the process itself while it is that very
// process, and every process of this user in its session that started no earlier. A session's number is
// not handed out again while anything in it runs, and ours has no process of that number (its leader, the
// go-between, ended at the start): once one has it, the number is another's and the session has ended.
QList<qint64> QtShell::startedProcesses(qint64 pid, const Started& started) const {
    QList<qint64> found;
    const std::optional<ProcStat> own = procStat(pid);
    if (own && own->state != 'Z' && own->startTime == started.startTime)
        found << pid;
    if (started.session <= 0 || QFileInfo::exists(QStringLiteral("/proc/%1").arg(started.session)))
        return found;
    for (const OwnProcess& p : ownProcesses()) {
        if (p.pid != pid && p.stat.session == started.session && p.stat.startTime >= started.startTime)
            found << p.pid;
    }
    return found;
}

int QtShell::killProcesses(const QString& name) {
    if (name.isEmpty())
        return 0;
    const QByteArray wanted = QFile::encodeName(name);
    int ended = 0;
    for (const OwnProcess& p : ownProcesses()) {
        if (executableNamed(p.dir, p.stat, wanted) && ::kill(static_cast<pid_t>(p.pid), SIGTERM) == 0)
            ++ended;
    }
    return ended;
}

bool QtShell::isRunning(qint64 pid) const {
    if (pid <= 0)
        return false;
    const auto ours = started_.constFind(pid);
    if (ours != started_.constEnd())
        return !startedProcesses(pid, *ours).isEmpty();
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return false;
    const std::optional<ProcStat> st = procStat(pid);
    return st && st->state != 'Z';
}

bool QtShell::endProcess(qint64 pid) {
    const auto ours = started_.constFind(pid);
    if (ours == started_.constEnd())
        return false;
    // Each is stopped first, so that none starts another meanwhile, until a look finds no new one (a
    // bounded number of looks); then all are asked to end and let go on, to do so.
    QList<qint64> stopped;
    for (int look = 0; look < 8; ++look) {
        bool more = false;
        for (const qint64 p : startedProcesses(pid, *ours)) {
            if (!stopped.contains(p) && ::kill(static_cast<pid_t>(p), SIGSTOP) == 0) {
                stopped << p;
                more = true;
            }
        }
        if (!more)
            break;
    }
    for (const qint64 p : std::as_const(stopped)) {
        ::kill(static_cast<pid_t>(p), SIGTERM);
        ::kill(static_cast<pid_t>(p), SIGCONT);
    }
    if (stopped.isEmpty())
        started_.remove(pid); // all of it has ended; the pid may belong to another process by now
    return !stopped.isEmpty();
}

QString QtShell::findProgram(const QString& name) const {
    return QStandardPaths::findExecutable(name);
}

// ---- System ----

QDateTime QtSystem::now() const {
    return QDateTime::currentDateTime();
}
void QtSystem::sleep(int ms) {
    if (ms <= 0)
        return;
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // The user cannot act during a pause, yet the windows keep painting and answering the desktop: a
    // local loop that holds user input back until the pause is over, when it is handled in order. Timer
    // ticks and socket events are handled meanwhile. Qt never delivers a timer's tick while that timer's
    // own handler runs, so a handler that pauses is not re-entered by its own timer.
    QEventLoop loop;
    QTimer over;
    over.setSingleShot(true);
    over.setTimerType(Qt::PreciseTimer);
    QObject::connect(&over, &QTimer::timeout, &loop, &QEventLoop::quit);
    over.start(ms);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
QString QtSystem::programFolder() const {
    return QCoreApplication::applicationDirPath();
}
QString QtSystem::currentFolder() const {
    return QDir::currentPath();
}
void QtSystem::endProgram() {
    QCoreApplication::exit(0);
}

namespace {

// The handler may only write to a descriptor: [0] is written by the handler, [1] read by the event loop.
int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const char byte = 1;
    const int saved = errno;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

} // namespace

void quitOnTerminationSignals() {
    if (signalPipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
            return;
        auto* notifier =
            new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
            char bytes[16];
            while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
            }
            QCoreApplication::exit(0);
        });
    }
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    // The first signal asks for the orderly end; the handler then steps aside for the next one.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace tvx
