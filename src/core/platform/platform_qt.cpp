#include "core/platform/platform_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace tvx {
namespace {

const QString kWrongState =
    QStringLiteral("Wrong protocol or connection state for the requested transaction or request");

void checkPort(int port) {
    if (port < 0 || port > 65535)
        throw PlatformError(380, QStringLiteral("Invalid property value"));
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

QtUdpSocket::QtUdpSocket(QObject* parent) : UdpSocket(parent) {}
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
    socket_ = new QUdpSocket(this);
    if (!socket_->bind(QHostAddress::Any, 0)) {
        const QString why = socket_->errorString();
        close();
        throw PlatformError(10048, why);
    }
    connect(socket_, &QUdpSocket::readyRead, this, &QtUdpSocket::readPending);
    QHostAddress literal;
    if (literal.setAddress(host_)) {
        peer_ = literal;
        return;
    }
    if (host_.trimmed().isEmpty())
        return; // nothing to send to; datagrams are dropped like an unaddressed socket would
    resolving_ = true;
    lookupId_ = QHostInfo::lookupHost(host_, this, [this](const QHostInfo& info) {
        resolving_ = false;
        lookupId_ = -1;
        for (const QHostAddress& a : info.addresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol || peer_.isNull())
                peer_ = a;
            if (a.protocol() == QAbstractSocket::IPv4Protocol)
                break;
        }
        if (peer_.isNull()) {
            queued_.clear();
            later(this, [this] { emit error(err::HostNotFound, QStringLiteral("Host not found")); });
            return;
        }
        flushQueued();
    });
}

void QtUdpSocket::close() {
    if (lookupId_ >= 0)
        QHostInfo::abortHostLookup(lookupId_);
    lookupId_ = -1;
    resolving_ = false;
    queued_.clear();
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
    if (resolving_) {
        queued_.append(data);
        return;
    }
    if (peer_.isNull())
        return;
    if (socket_->writeDatagram(data, peer_, static_cast<quint16>(port_)) < 0) {
        const QString why = socket_->errorString();
        later(this, [this, why] { emit error(10065, why); });
    }
}

void QtUdpSocket::flushQueued() {
    const QList<QByteArray> pending = std::exchange(queued_, {});
    for (const QByteArray& d : pending)
        sendData(d);
}

int QtUdpSocket::state() const {
    return socket_ ? 1 : sock::Closed;
}

void QtUdpSocket::readPending() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const qint64 size = socket_->pendingDatagramSize();
        QByteArray data(qMax<qint64>(size, 0), Qt::Uninitialized);
        const qint64 got = socket_->readDatagram(data.data(), data.size());
        if (got < 0)
            break;
        data.truncate(got);
        later(this, [this, data] { emit dataArrival(data); });
    }
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
        throw PlatformError(40020, QStringLiteral("Invalid operation at current state"));
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
        return 4;
    case QAbstractSocket::ConnectingState:
        return sock::Connecting;
    case QAbstractSocket::ConnectedState:
        return sock::Connected;
    case QAbstractSocket::ClosingState:
        return 8;
    default:
        return wasConnected_ ? 8 : sock::Closed;
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
    return pid;
}

namespace {

QString procExecutableName(const QString& pidDir) {
    QFile comm(pidDir + QStringLiteral("/comm"));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.readAll()).trimmed();
    return {};
}

QString procArgv0Name(const QString& pidDir) {
    QFile cmd(pidDir + QStringLiteral("/cmdline"));
    if (!cmd.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = cmd.readAll();
    const QByteArray argv0 = all.left(all.indexOf('\0'));
    return QFileInfo(QString::fromLocal8Bit(argv0)).fileName();
}

bool isZombie(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = stat.readAll();
    const qsizetype close = s.lastIndexOf(')');
    return close > 0 && close + 2 < s.size() && s[close + 2] == 'Z';
}

} // namespace

int QtShell::killProcesses(const QString& name) {
    if (name.isEmpty())
        return 0;
    const uint me = static_cast<uint>(::getuid());
    const qint64 self = QCoreApplication::applicationPid();
    int ended = 0;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == self || isZombie(pid))
            continue;
        const QString dir = proc.filePath(entry);
        if (QFileInfo(dir).ownerId() != me)
            continue;
        // The kernel keeps only 15 characters of the executable name.
        const QString comm = procExecutableName(dir);
        const bool match = comm == name.left(15) ? (name.size() <= 15 || procArgv0Name(dir) == name)
                                                 : procArgv0Name(dir) == name;
        if (match && ::kill(static_cast<pid_t>(pid), SIGTERM) == 0)
            ++ended;
    }
    return ended;
}

bool QtShell::isRunning(qint64 pid) const {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0 && !isZombie(pid);
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

} // namespace tvx
