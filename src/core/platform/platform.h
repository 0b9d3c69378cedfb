#pragma once
// The services the console needs from the operating system, behind small interfaces: a Qt implementation
// for the program and one shared fake for the tests. Windows reach them only through the registry.
#include "core/platform/errors.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace tvx {

// Message box styles and answers, with the values the console's texts were written against.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int DefaultButton3 = 512;
inline constexpr int DefaultButton4 = 768;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace mb

// A box a handler gives no title shows the application title, "TorvaNex"; the handlers' own boxes are titled
// "TORVANEX". Two texts, not one: each box keeps the title it has always shown.
inline const QString kAppTitle = QStringLiteral("TorvaNex");
inline const QString kBoxTitle = QStringLiteral("TORVANEX");

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message box; an empty title shows the application title. Returns one of the mb answers.
    virtual int msgBox(const QString& text, int style = mb::OkOnly, const QString& title = {}) = 0;
    // Modal input box; Cancel answers the empty text.
    virtual QString inputBox(const QString& prompt, const QString& title = {},
                             const QString& defaultText = {}) = 0;
    // Open-file dialog over the window the user is working in, as the boxes are; the empty text when
    // cancelled.
    virtual QString openFile(const QString& title, const QString& filter, const QString& initialFolder) = 0;
};

// What the UDP socket and the TCP client have in common: a peer, connect, close, send, and events that
// always arrive by a queued call, so a handler may open a modal box and the next event is still delivered.
class LinkSocket : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setRemoteHost(const QString& host) = 0;
    // Raises PlatformError outside 0..65535.
    virtual void setRemotePort(int port) = 0;
    virtual void connectSocket() = 0;
    virtual void close() = 0;
    // Raises PlatformError(err::WrongState) when the socket cannot send.
    virtual void sendData(const QByteArray& data) = 0;
    virtual int state() const = 0;
signals:
    void dataArrival(const QByteArray& data);
    void error(int number, const QString& description);
};

// One UDP socket: each datagram is one dataArrival. Connecting fixes the peer.
class UdpSocket : public LinkSocket {
    Q_OBJECT
public:
    using LinkSocket::LinkSocket;
};

// One TCP client: whatever is waiting when data arrives is one dataArrival.
class TcpClient : public LinkSocket {
    Q_OBJECT
public:
    using LinkSocket::LinkSocket;
    // This computer's address as the socket would report it, connected or not.
    virtual QString localIP() const = 0;
signals:
    void sendComplete();
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QString& url) = 0;
    // Starts a program detached with an argument list; returns its process id, 0 when it did not start.
    virtual qint64 execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                           bool hidden) = 0;
    // Ends every process of this user whose executable's own name is `name` (not what it calls itself in its
    // arguments), a Windows program of that name that wine runs included; returns how many.
    virtual int killProcesses(const QString& name) = 0;
    // Whether the process `pid` runs. For a process that execute() started: whether that very process (a pid
    // the system has since handed to another process does not count), or anything it started, still runs.
    virtual bool isRunning(qint64 pid) const = 0;
    // The full path of a program found on the PATH by its name, or the empty text when there is none.
    virtual QString findProgram(const QString& name) const = 0;
    // Ends the process that execute() started as `pid`, if that very process still runs, and everything it
    // started that still runs, also after the process itself has ended (wine hands a program that is not a
    // Windows one to a process of its own and ends); any other process is left alone. Returns whether
    // anything was asked to end.
    virtual bool endProcess(qint64 pid) = 0;
};

class System {
public:
    virtual ~System() = default;
    virtual QDateTime now() const = 0;
    // Pauses the handler that calls it for `ms`: the user cannot act meanwhile, but the windows stay
    // painted and answering, and timer ticks and socket events are handled during the pause.
    virtual void sleep(int ms) = 0;
    virtual QString programFolder() const = 0;
    virtual QString currentFolder() const = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
};

// Per-user string settings addressed by section and key (the application is fixed by the store).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    // Saved at once; within a batch, when the batch ends.
    virtual void set(const QString& section, const QString& key, const QString& value) = 0;
    // A batch gathers the values of one save into one write of the store; batches may nest, the outermost
    // one writes. Opened and closed by SettingsBatch.
    virtual void beginBatch() = 0;
    virtual void endBatch() = 0;
};

// Holds a batch of the store open for as long as it lives: the keys one save sets are written together.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store) : store_(store) { store_.beginBatch(); }
    ~SettingsBatch() { store_.endBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& store_;
};

// Everything the windows may reach of the platform.
struct Platform {
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    System* system = nullptr;
    SettingsStore* settings = nullptr;
    // Sockets are made per window.
    std::function<UdpSocket*(QObject* parent)> makeUdp;
    std::function<TcpClient*(QObject* parent)> makeTcp;
};

} // namespace tvx
