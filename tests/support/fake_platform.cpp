#include "fake_platform.h"

#include "core/platform/platform_qt.h"

#include "gui/base/forms.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tvx::test {

void FakeDialogs::runWhileOpen() {
    if (auto step = std::exchange(whileOpen, {}))
        step();
}

int FakeDialogs::msgBox(const QString& text, int style, const QString& title) {
    shown.append({u"msg"_s, text, style, title, {}});
    runWhileOpen();
    if (!msgAnswers.isEmpty())
        return msgAnswers.takeFirst();
    switch (style & 0x7) {
    case mb::YesNo:
        return mb::Yes;
    default:
        return mb::Ok;
    }
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    shown.append({u"input"_s, prompt, 0, title, defaultText});
    runWhileOpen();
    return inputAnswers.isEmpty() ? defaultText : inputAnswers.takeFirst();
}

QString FakeDialogs::openFile(const QString& title, const QString& filter, const QString& initialFolder) {
    shown.append({u"file"_s, title, 0, title, filter, initialFolder});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QStringList FakeDialogs::texts() const {
    QStringList out;
    for (const ShownBox& b : shown)
        out << b.text;
    return out;
}

void FakeUdpSocket::setRemotePort(int port) {
    if (port < 0 || port > 65535)
        throw PlatformError(err::InvalidPropertyValue, u"Invalid property value"_s);
    remotePort = port;
}

void FakeUdpSocket::connectSocket() {
    open = false;
    if (remoteHost.trimmed().isEmpty() || unknownHosts.contains(remoteHost))
        throw PlatformError(err::HostNotFound, u"Host not found"_s);
    open = true;
}

void FakeUdpSocket::sendData(const QByteArray& data) {
    if (!open)
        throw PlatformError(err::WrongState, u"Wrong protocol or connection state"_s);
    sent << data;
}

void FakeUdpSocket::deliverBurst(const QList<QByteArray>& datagrams) {
    for (const QByteArray& d : datagrams)
        emit dataArrival(d);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void FakeTcpClient::sendData(const QByteArray& data) {
    if (currentState != sock::Connected)
        throw PlatformError(err::WrongState, u"Wrong protocol or connection state"_s);
    sent << data;
}

qint64 FakeShell::execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                          bool hidden) {
    started.append({program, arguments, workingFolder, hidden, nextPid});
    running << nextPid;
    return nextPid++;
}

int FakeShell::killProcesses(const QString& name) {
    killed << name;
    const int n = static_cast<int>(running.size());
    running.clear();
    if (onKill)
        onKill(name);
    return n;
}

bool FakeShell::endProcess(qint64 pid) {
    const bool ours =
        std::any_of(started.cbegin(), started.cend(), [pid](const Started& s) { return s.pid == pid; });
    if (!ours || !running.removeOne(pid))
        return false;
    endedPids << pid;
    return true;
}

void FakeSystem::sleep(int ms) {
    sleeps << ms;
    if (realPauseMs)
        QtSystem().sleep(*realPauseMs);
    if (onSleep)
        onSleep(ms);
}

void FakeSystem::endProgram() {
    ++endCalls;
    if (onEnd)
        onEnd();
}

QString FakeSettings::get(const QString& section, const QString& key, const QString& defaultValue) const {
    const auto it = values.constFind(section + u'/' + key);
    return it == values.constEnd() ? defaultValue : *it;
}

void FakeSettings::set(const QString& section, const QString& key, const QString& value) {
    values.insert(section + u'/' + key, value);
    writes << section + u'/' + key + u'=' + value;
    if (batchDepth_ == 0)
        ++saves;
    else
        unsaved_ = true;
}

void FakeSettings::endBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0 && std::exchange(unsaved_, false))
        ++saves;
}

FakePlatform::FakePlatform(Sockets sockets, Programs programs)
    : sockets_(sockets), programs_(programs), programShell_(std::make_unique<QtShell>()) {
    system.folder = dir_.path();
    system.current = dir_.path() + u"/started-from"_s;
    QDir().mkpath(system.current);
}
FakePlatform::~FakePlatform() = default;

Platform FakePlatform::platform() {
    Platform p;
    p.dialogs = &dialogs;
    p.shell = programs_ == Programs::Real ? programShell_.get() : &shell;
    p.system = &system;
    p.settings = &settings;
    p.makeUdp = [this](QObject* parent) -> UdpSocket* {
        UdpSocket* s = sockets_ == Sockets::Real ? static_cast<UdpSocket*>(new QtUdpSocket(parent))
                                                 : new FakeUdpSocket(parent);
        udpSockets << s;
        return s;
    };
    p.makeTcp = [this](QObject* parent) -> TcpClient* {
        TcpClient* s = sockets_ == Sockets::Real ? static_cast<TcpClient*>(new QtTcpClient(parent))
                                                 : new FakeTcpClient(parent);
        tcpClients << s;
        return s;
    };
    return p;
}

FakeUdpSocket* FakePlatform::udp() const {
    return udpSockets.isEmpty() ? nullptr : qobject_cast<FakeUdpSocket*>(udpSockets.last().data());
}

FakeTcpClient* FakePlatform::tcp() const {
    return tcpClients.isEmpty() ? nullptr : qobject_cast<FakeTcpClient*>(tcpClients.last().data());
}

WindowsFixture::WindowsFixture(Sockets sockets, Programs programs) : fake(sockets, programs) {
    Forms::unloadAll();
    Forms::install(fake.platform());
}

WindowsFixture::~WindowsFixture() {
    Forms::unloadAll();
}

} // namespace tvx::test
