// The program's own platform services: the settings file, the sockets' delivery and states, ending
// processes by executable name, finding programs on the PATH and starting them with their arguments as given.
#include "core/platform/platform_qt.h"
#include "core/platform/private_file.h"
#include "core/platform/settings_store.h"

#include "support/fake_platform.h"
#include "support/files.h"
#include "support/processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

using namespace tvx;

namespace {

const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// The rights of the file at `path`, its owner's and everybody else's (the user's flags repeat the owner's).
QFile::Permissions rights(const QString& path) {
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

// Counts the writes of one file of a folder as they reach the disk: a new file put in place under its name,
// or the file written in place and closed. (Opening it for writing and closing it unwritten is no write.)
class FileWrites {
public:
    FileWrites(const QString& folder, const QString& name)
        : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(QFile::encodeName(name)) {
        ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                            IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~FileWrites() { ::close(fd_); }
    FileWrites(const FileWrites&) = delete;
    FileWrites& operator=(const FileWrites&) = delete;
    bool watching() const { return fd_ >= 0; }
    // The writes since the last call.
    int count() {
        int n = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < got;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
                if (e->len == 0 || QByteArray(e->name) != name_)
                    continue;
                if (e->mask & IN_MODIFY) {
                    modified_ = true;
                } else if (e->mask & IN_MOVED_TO || (e->mask & IN_CLOSE_WRITE && modified_)) {
                    ++n;
                    modified_ = false;
                }
            }
        }
        return n;
    }

private:
    int fd_;
    QByteArray name_;
    bool modified_ = false;
};

// Opens the write end of the FIFO at `path` when the test has not let it go within a few seconds: an open
// that waits for a writer then ends, and the test fails instead of hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& path)
        : path_(QFile::encodeName(path)), thread_([this] { watch(); }) {}
    ~FifoWatchdog() { letGo(); }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;
    // Ends the watch; whether the watchdog had to open the FIFO.
    bool letGo() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
        return opened_;
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::seconds(3), [this] { return done_; })) {
            // Succeeds only while a reader has it open, or waits in the open.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                opened_ = true;
                ::close(fd);
            }
        }
    }

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool opened_ = false;
    std::thread thread_;
};

// What stands at a path and where it leads: a save that put a new file in place shows here.
struct PathState {
    ino_t inode = 0;
    mode_t mode = 0;
    ino_t targetInode = 0;
    mode_t targetMode = 0;
    friend bool operator==(const PathState&, const PathState&) = default;
};

PathState pathState(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat at = {};
    struct stat target = {};
    ::lstat(native.constData(), &at);
    ::stat(native.constData(), &target);
    return {at.st_ino, at.st_mode, target.st_ino, target.st_mode};
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray procFile(qint64 pid, const char* name) {
    QFile f(u"/proc/"_s + QString::number(pid) + u'/' + QLatin1StringView(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Ending by name ends `ended` processes: none, or the one at `pid`, which is then gone; one left running is
// still ended by its pid.
void endsByName(QtShell& shell, qint64 pid, const QString& killName, int ended) {
    QCOMPARE(shell.killProcesses(killName), ended);
    if (ended) {
        QTRY_VERIFY(!shell.isRunning(pid));
        QCOMPARE(shell.killProcesses(killName), 0);
    } else {
        QVERIFY(shell.isRunning(pid));
        QVERIFY(shell.endProcess(pid));
        QTRY_VERIFY(!shell.isRunning(pid));
    }
}

} // namespace

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void settingsStoreKeepsBracketedSections() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_s);
        {
            IniSettingsStore s(path);
            QCOMPARE(s.get(u"[LOGIN1]"_s, u"Name"_s, u"Load Server 1"_s), u"Load Server 1"_s);
            s.set(u"[LOGIN1]"_s, u"Name"_s, QString());
            s.set(u"[LOGIN10]"_s, u"Pass"_s, u"p w=;#\"x"_s);
            s.set(u"[Configs]"_s, u"Path"_s, u"/games/CoDWaWmp.exe"_s);
        }
        IniSettingsStore again(path);
        // An existing key answers its value, even an empty one.
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Name"_s, u"Load Server 1"_s), QString());
        QCOMPARE(again.get(u"[LOGIN10]"_s, u"Pass"_s, {}), u"p w=;#\"x"_s);
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Pass"_s, u"d"_s), u"d"_s);
        QCOMPARE(again.get(u"[Configs]"_s, u"Path"_s, {}), u"/games/CoDWaWmp.exe"_s);
        QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    void settingsFileIsOwnerOnlyFromTheStart() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config/torvanex.ini"_s);
        // With no mask at all, a new file would be readable and writable by everybody.
        const mode_t mask = ::umask(0);
        {
            IniSettingsStore s(path);
            s.set(u"[LOGIN1]"_s, u"Pass"_s, u"secret"_s);
        }
        // The empty file the store makes before the first save: owner-only, and nothing is written
        // through a link that stands at the place.
        const QString made = dir.filePath(u"made.ini"_s);
        QVERIFY(createPrivateFile(made));
        const QString victim = dir.filePath(u"victim"_s);
        const QString link = dir.filePath(u"link.ini"_s);
        QVERIFY(QFile::link(victim, link));
        QVERIFY(!createPrivateFile(link));
        ::umask(mask);
        QCOMPARE(rights(path), kOwnerOnly);
        QCOMPARE(rights(made), kOwnerOnly);
        QVERIFY(!QFile::exists(victim));
        QVERIFY(!createPrivateFile(made)); // an existing file is left as it is
        IniSettingsStore again(path);
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"secret"_s);
    }

    void unwritableSettingsAreReportedOnce() {
        QTemporaryDir dir;
        // A folder that cannot be made, whoever runs the test: a file stands at its place.
        QFile blocker(dir.filePath(u"config"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = dir.filePath(u"config/torvanex.ini"_s);
        test::FakeDialogs dialogs;
        IniSettingsStore s(path, &dialogs);
        s.set(u"[LOGIN1]"_s, u"Name"_s, u"Home"_s);
        s.set(u"[LOGIN1]"_s, u"Pass"_s, u"secret"_s);
        s.set(u"[LOGIN2]"_s, u"Name"_s, u"Away"_s);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, IniSettingsStore::saveFailedText(path));
        QVERIFY(dialogs.shown[0].text.contains(path));
        QCOMPARE(dialogs.shown[0].style, mb::Exclamation);
        // What was saved lasts for this run.
        QCOMPARE(s.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"secret"_s);
        // A store that can write says nothing.
        test::FakeDialogs quiet;
        IniSettingsStore fine(dir.filePath(u"torvanex.ini"_s), &quiet);
        fine.set(u"[LOGIN1]"_s, u"Name"_s, u"Home"_s);
        QVERIFY(quiet.shown.isEmpty());
    }

    void readOnlySettingsFileStaysAsItIs() {
        // Made read-only by its owner: not written, its rights untouched, whoever runs the program (root
        // may write anything), and the box that says so is true.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_s);
        const QByteArray bytes = "[%5BLOGIN1%5D]\nName=Home\nPass=old\n";
        QVERIFY(test::writeFile(path, bytes));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        test::FakeDialogs dialogs;
        {
            IniSettingsStore s(path, &dialogs);
            QCOMPARE(s.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"old"_s);
            s.set(u"[LOGIN1]"_s, u"Pass"_s, u"new"_s);
            {
                const SettingsBatch batch(s);
                s.set(u"[LOGIN2]"_s, u"Name"_s, u"Away"_s);
                s.set(u"[LOGIN2]"_s, u"Pass"_s, u"secret"_s);
            }
            QCOMPARE(dialogs.texts(), QStringList{IniSettingsStore::saveFailedText(path)});
            QCOMPARE(rights(path), QFile::ReadOwner);
            // What was saved lasts for this run.
            QCOMPARE(s.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"new"_s);
            QCOMPARE(s.get(u"[LOGIN2]"_s, u"Name"_s, {}), u"Away"_s);
        }
        // Nor written when the store goes.
        QCOMPARE(test::readFile(path), bytes);
        QCOMPARE(rights(path), QFile::ReadOwner);
    }

    void unparsableSettingsFileIsSavedWithoutABox() {
        // A line that cannot be read says nothing about whether a save reaches the disk.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_s);
        QVERIFY(test::writeFile(path, "[%5BLOGIN1%5D]\nName=Home\n[no closing bracket\nPass=x\n"));
        QVERIFY(QFile::setPermissions(path, kOwnerOnly));
        test::FakeDialogs dialogs;
        IniSettingsStore s(path, &dialogs);
        s.set(u"[LOGIN1]"_s, u"Pass"_s, u"secret"_s);
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(IniSettingsStore(path).get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"secret"_s);
        QCOMPARE(IniSettingsStore(path).get(u"[LOGIN1]"_s, u"Name"_s, {}), u"Home"_s);
        QCOMPARE(rights(path), kOwnerOnly);
        // The one box of the run is still there for a save that does fail.
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        s.set(u"[LOGIN1]"_s, u"Name"_s, u"Away"_s);
        QCOMPARE(dialogs.texts(), QStringList{IniSettingsStore::saveFailedText(path)});
    }

    void settingsAreReadOnlyFromARegularFile_data() {
        QTest::addColumn<QString>("place"); // what stands at the settings file's path
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("read");
        const QByteArray ini = "[%5BLOGIN1%5D]\nName=Home\n";
        // Filled up to a size with a comment, which QSettings passes over.
        auto sized = [&ini](qint64 size) -> QByteArray {
            return ini + ';' + QByteArray(size - ini.size() - 2, 'x') + '\n';
        };
        QTest::newRow("a regular file") << u"file"_s << ini << true;
        QTest::newRow("a link to a regular file") << u"link to file"_s << ini << true;
        QTest::newRow("a file of the most that is read") << u"file"_s << sized(kMaxSettingsFileBytes) << true;
        QTest::newRow("a FIFO") << u"fifo"_s << QByteArray() << false;
        QTest::newRow("a link to a FIFO") << u"link to fifo"_s << QByteArray() << false;
        QTest::newRow("a folder") << u"folder"_s << QByteArray() << false;
        QTest::newRow("a link to a character device") << u"link to device"_s << QByteArray() << false;
        QTest::newRow("a file bigger than that") << u"file"_s << sized(kMaxSettingsFileBytes + 1) << false;
    }
    void settingsAreReadOnlyFromARegularFile() {
        QFETCH(QString, place);
        QFETCH(QByteArray, file);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_s);
        QVERIFY(test::makePlace(place, path, file));
        // Rights its owner chose, which a save keeps.
        const QFile::Permissions chosen = kOwnerOnly | QFile::ReadGroup;
        if (read)
            QVERIFY(QFile::setPermissions(path, chosen));
        const PathState before = pathState(path);
        const QStringList made = entries(dir.path());
        test::FakeDialogs dialogs;
        std::optional<FifoWatchdog> watchdog;
        if (place.endsWith(u"fifo"))
            watchdog.emplace(QFileInfo(path).canonicalFilePath());
        IniSettingsStore s(path, &dialogs);
        if (watchdog)
            QVERIFY2(!watchdog->letGo(), "the store waited for a writer");
        QCOMPARE(s.get(u"[LOGIN1]"_s, u"Name"_s, u"Load Server 1"_s), read ? u"Home"_s : u"Load Server 1"_s);
        const QStringList boxes = read ? QStringList() : QStringList{IniSettingsStore::readFailedText(path)};
        QCOMPARE(dialogs.texts(), boxes);
        s.set(u"[LOGIN1]"_s, u"Pass"_s, u"new"_s);
        {
            const SettingsBatch batch(s);
            s.set(u"[LOGIN2]"_s, u"Name"_s, u"Away"_s);
        }
        // What was saved lasts for this run, and no more box is shown.
        QCOMPARE(s.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"new"_s);
        QCOMPARE(s.get(u"[LOGIN2]"_s, u"Name"_s, {}), u"Away"_s);
        QCOMPARE(dialogs.texts(), boxes);
        // Nothing is left beside the file.
        QCOMPARE(entries(dir.path()), made);
        if (!read) {
            // Nothing was put in the place of what stands there.
            QCOMPARE(pathState(path), before);
            return;
        }
        // A link stays a link: the file it leads to was written.
        QCOMPARE(QFileInfo(path).isSymLink(), place.startsWith(u"link"));
        QCOMPARE(rights(path), chosen);
        IniSettingsStore again(path);
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Name"_s, {}), u"Home"_s);
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Pass"_s, {}), u"new"_s);
    }

    void oneSaveIsOneWrite() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_s);
        IniSettingsStore s(path);
        s.set(u"[LOGIN1]"_s, u"Name"_s, u"Home"_s);
        FileWrites writes(dir.path(), u"torvanex.ini"_s);
        QVERIFY(writes.watching());
        const QStringList keys{u"Name"_s,      u"DaemonIP"_s, u"DaemonPort"_s, u"Username"_s, u"Password"_s,
                               u"IPAddress"_s, u"Pass"_s,     u"Port"_s,       u"UPort"_s,    u"Levelz"_s};
        {
            const SettingsBatch batch(s);
            for (const QString& key : keys)
                s.set(u"[LOGIN2]"_s, key, key.toLower());
            {
                const SettingsBatch inner(s); // only the outermost batch writes
                s.set(u"[Configs]"_s, u"Path"_s, u"/games/CoDWaWmp.exe"_s);
            }
            QCOMPARE(writes.count(), 0);
            QCOMPARE(s.get(u"[LOGIN2]"_s, u"UPort"_s, {}), u"uport"_s);
        }
        QCOMPARE(writes.count(), 1);
        // Outside a batch, each value is a save of its own.
        s.set(u"[SERVER]"_s, u"Port"_s, u"28960"_s);
        s.set(u"[SERVER]"_s, u"Save"_s, u"1"_s);
        QCOMPARE(writes.count(), 2);
        IniSettingsStore again(path);
        for (const QString& key : keys)
            QCOMPARE(again.get(u"[LOGIN2]"_s, key, {}), key.toLower());
        QCOMPARE(again.get(u"[LOGIN1]"_s, u"Name"_s, {}), u"Home"_s);
        QCOMPARE(again.get(u"[Configs]"_s, u"Path"_s, {}), u"/games/CoDWaWmp.exe"_s);
        QCOMPARE(again.get(u"[SERVER]"_s, u"Save"_s, {}), u"1"_s);
    }

    void udpDeliversEachDatagramByAQueuedCall() {
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QtUdpSocket client;
        QVERIFY_THROWS_EXCEPTION(PlatformError, client.sendData("x"));
        client.setRemoteHost(u"127.0.0.1"_s);
        client.setRemotePort(server.localPort());
        client.connectSocket();
        QSignalSpy arrivals(&client, &UdpSocket::dataArrival);
        client.sendData("ping");
        QTRY_VERIFY(server.hasPendingDatagrams());
        const QNetworkDatagram d = server.receiveDatagram();
        QCOMPARE(d.data(), QByteArray("ping"));
        server.writeDatagram("one", d.senderAddress(), static_cast<quint16>(d.senderPort()));
        server.writeDatagram("two", d.senderAddress(), static_cast<quint16>(d.senderPort()));
        QTRY_COMPARE(arrivals.size(), 2);
        QCOMPARE(arrivals[0][0].toByteArray(), QByteArray("one"));
        QCOMPARE(arrivals[1][0].toByteArray(), QByteArray("two"));
        client.close();
        QCOMPARE(client.state(), sock::Closed);
        QVERIFY_THROWS_EXCEPTION(PlatformError, client.setRemotePort(70000));
    }

    void udpHostThatDoesNotResolve_data() {
        QTest::addColumn<QString>("host");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << u"   "_s;
        // Not a valid name at all: refused by the lookup itself, without asking the network.
        QTest::newRow("not a name") << u"no such host"_s;
    }
    void udpHostThatDoesNotResolve() {
        QFETCH(QString, host);
        QtUdpSocket client;
        client.setRemoteHost(host);
        client.setRemotePort(28960);
        try {
            client.connectSocket();
            QFAIL("connected to a host that does not resolve");
        } catch (const PlatformError& e) {
            QCOMPARE(e.number(), err::HostNotFound);
            QCOMPARE(e.description(), u"Host not found"_s);
        }
        QCOMPARE(client.state(), sock::Closed);
        QVERIFY_THROWS_EXCEPTION(PlatformError, client.sendData("x"));
        client.setRemoteHost(u"localhost"_s);
        client.connectSocket();
        QCOMPARE(client.state(), 1);
    }

    // Only the peer the socket is aimed at is heard: another port, or another address of this machine,
    // is dropped without a word.
    void udpHearsOnlyItsPeer() {
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QUdpSocket otherPort;
        QVERIFY(otherPort.bind(QHostAddress::LocalHost, 0));
        QUdpSocket otherAddress;
        const bool haveOtherAddress = otherAddress.bind(QHostAddress(u"127.0.0.2"_s), server.localPort());
        QtUdpSocket client;
        client.setRemoteHost(u"127.0.0.1"_s);
        client.setRemotePort(server.localPort());
        client.connectSocket();
        QSignalSpy arrivals(&client, &UdpSocket::dataArrival);
        QSignalSpy errors(&client, &UdpSocket::error);
        client.sendData("status");
        QTRY_VERIFY(server.hasPendingDatagrams());
        const QNetworkDatagram d = server.receiveDatagram();
        const auto to = [&](QUdpSocket& from, const QByteArray& bytes) {
            from.writeDatagram(bytes, QHostAddress::LocalHost, static_cast<quint16>(d.senderPort()));
        };
        to(otherPort, "spoofed by port");
        if (haveOtherAddress)
            to(otherAddress, "spoofed by address");
        to(server, "real");
        QTRY_COMPARE(arrivals.size(), 1);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(arrivals.size(), 1);
        QCOMPARE(arrivals[0][0].toByteArray(), QByteArray("real"));
        QCOMPARE(errors.size(), 0);
    }

    // However fast datagrams come, only a bounded number wait for delivery at a time; every one read is
    // delivered in order.
    void udpDeliveryWaitsBounded() {
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QtUdpSocket client;
        client.setRemoteHost(u"127.0.0.1"_s);
        client.setRemotePort(server.localPort());
        client.connectSocket();
        client.sendData("status");
        QTRY_VERIFY(server.hasPendingDatagrams());
        const QNetworkDatagram d = server.receiveDatagram();
        constexpr int total = 3 * QtUdpSocket::kMaxWaiting;
        for (int i = 0; i < total; ++i)
            server.writeDatagram(QByteArray::number(i), d.senderAddress(),
                                 static_cast<quint16>(d.senderPort()));
        QList<int> got;
        qsizetype mostWaiting = 0;
        connect(&client, &UdpSocket::dataArrival, this, [&](const QByteArray& data) {
            got << data.toInt();
            mostWaiting = qMax(mostWaiting, client.waiting());
        });
        QTRY_COMPARE(got.size(), total);
        for (int i = 0; i < total; ++i)
            QCOMPARE(got[i], i);
        QVERIFY(mostWaiting > 0);
        QVERIFY(mostWaiting < QtUdpSocket::kMaxWaiting);
    }

    // The pause lasts its time while timer ticks and datagrams are handled during it.
    void pauseHandlesTicksAndDatagrams() {
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QtUdpSocket client;
        client.setRemoteHost(u"127.0.0.1"_s);
        client.setRemotePort(server.localPort());
        client.connectSocket();
        client.sendData("status");
        QTRY_VERIFY(server.hasPendingDatagrams());
        const QNetworkDatagram d = server.receiveDatagram();
        QSignalSpy arrivals(&client, &UdpSocket::dataArrival);
        server.writeDatagram("reply", d.senderAddress(), static_cast<quint16>(d.senderPort()));
        bool ticked = false;
        QTimer::singleShot(0, this, [&] { ticked = true; });
        QtSystem system;
        QElapsedTimer clock;
        clock.start();
        system.sleep(20);
        QVERIFY(clock.elapsed() >= 20);
        QVERIFY(ticked);
        QCOMPARE(arrivals.size(), 1);
    }

    // A handler that pauses is not run again by its own timer during its pause, and keeps its order.
    void pausingHandlerIsNotReenteredByItsTimer() {
        QtSystem system;
        QTimer timer;
        timer.setInterval(1);
        int depth = 0;
        int deepest = 0;
        int runs = 0;
        connect(&timer, &QTimer::timeout, this, [&] {
            ++runs;
            deepest = qMax(deepest, ++depth);
            system.sleep(10);
            --depth;
        });
        timer.start();
        system.sleep(40);
        timer.stop();
        // Its tick was due all through each of its pauses.
        QVERIFY(runs >= 1);
        QCOMPARE(deepest, 1);
    }

    void tcpStatesAndErrors() {
        QtTcpClient c;
        QCOMPARE(c.state(), sock::Closed);
        try {
            c.sendData("x");
            QFAIL("sent on a closed link");
        } catch (const PlatformError& e) {
            QCOMPARE(e.number(), err::WrongState);
        }
        QTcpServer nobody;
        QVERIFY(nobody.listen(QHostAddress::LocalHost, 0));
        const quint16 port = nobody.serverPort();
        nobody.close();
        QSignalSpy errors(&c, &TcpClient::error);
        c.setRemoteHost(u"127.0.0.1"_s);
        c.setRemotePort(port);
        c.connectSocket();
        QTRY_COMPARE(errors.size(), 1);
        QCOMPARE(errors[0][0].toInt(), err::ConnectionRefused);
        QCOMPARE(c.state(), sock::Error);
        c.close();
        QCOMPARE(c.state(), sock::Closed);
        QVERIFY(!c.localIP().isEmpty());
    }

    void killsProcessesByExecutableName_data() {
        QTest::addColumn<QString>("executable"); // a copy of sleep under this name; empty: sleep itself
        QTest::addColumn<QString>("argv0");      // what the process calls itself; empty: its executable
        QTest::addColumn<QString>("killName");
        QTest::addColumn<int>("ended");
        // Names of this run's own: other tests may run their own "pbucon.exe" meanwhile.
        const QString pid = QString::number(QCoreApplication::applicationPid());
        const QString name = u"tvx"_s + pid + u".exe"_s;
        const QString longName = u"tvx"_s + pid + u"-ucon-client.exe"_s;
        QTest::newRow("the executable") << name << QString() << name << 1;
        QTest::newRow("argv[0] alone") << QString() << name << name << 0;
        QTest::newRow("a name longer than the kernel keeps") << longName << QString() << longName << 1;
        QTest::newRow("only its first 15 letters")
            << longName << QString() << longName.chopped(1) + u'x' << 0;
    }

    void killsProcessesByExecutableName() {
        QFETCH(QString, executable);
        QFETCH(QString, argv0);
        QFETCH(QString, killName);
        QFETCH(int, ended);
        QTemporaryDir dir;
        QtShell shell;
        qint64 pid = 0;
        if (!executable.isEmpty()) {
            const QString exe = dir.filePath(executable);
            QVERIFY(QFile::copy(u"/bin/sleep"_s, exe));
            pid = shell.execute(exe, {u"30"_s}, dir.path(), true);
        } else {
            pid = shell.execute(u"/bin/bash"_s, {u"-c"_s, u"exec -a "_s + argv0 + u" sleep 30"_s}, dir.path(),
                                true);
        }
        QVERIFY(pid > 0);
        // Until it runs its program, a new process bears its parent's name.
        const QByteArray comm = executable.isEmpty() ? QByteArray("sleep") : executable.toLatin1().left(15);
        QTRY_COMPARE(procFile(pid, "comm").trimmed(), comm);
        if (!argv0.isEmpty())
            QVERIFY(procFile(pid, "cmdline").startsWith(QByteArray(argv0.toLatin1() + '\0')));
        endsByName(shell, pid, killName, ended);
    }

    // Under wine the executable is wine's loader, the process name (comm) the Windows program's and argv[0]
    // a Windows path: the process name counts only under one of wine's loaders.
    void killsWindowsProgramsThatWineRuns_data() {
        QTest::addColumn<QString>("loader");  // the loader stand-in under this name; empty: a script
        QTest::addColumn<QString>("program"); // the Windows program the loader is given; the script's name
        QTest::addColumn<QString>("killName");
        QTest::addColumn<int>("ended");
        const QString pid = QString::number(QCoreApplication::applicationPid());
        const QString name = u"tvx"_s + pid + u".exe"_s;
        const QString windowsPath = u"C:\\games\\"_s + name;
        for (const char* loader : {"wine64-preloader", "wine-preloader", "wine64", "wine"})
            QTest::newRow(loader) << QString::fromLatin1(loader) << windowsPath << name << 1;
        QTest::newRow("another program under wine")
            << u"wine64-preloader"_s << u"C:\\games\\other.exe"_s << name << 0;
        QTest::newRow("renamed itself, not under wine")
            << u"tvx"_s + pid + u"-renamer"_s << windowsPath << name << 0;
        const QString longName = u"tvx"_s + pid + u"-ucon-client.exe"_s;
        QTest::newRow("a name longer than the kernel keeps, under wine")
            << u"wine64-preloader"_s << u"C:\\games\\"_s + longName << longName << 0;
        QTest::newRow("a script of that name") << QString() << name << name << 0;
    }

    void killsWindowsProgramsThatWineRuns() {
        QFETCH(QString, loader);
        QFETCH(QString, program);
        QFETCH(QString, killName);
        QFETCH(int, ended);
        const QString standIn = qEnvironmentVariable("TORVANEX_WINE_LOADER");
        QVERIFY2(QFile::exists(standIn), "TORVANEX_WINE_LOADER names no file");
        QTemporaryDir dir;
        QtShell shell;
        qint64 pid = 0;
        QByteArray comm;
        if (!loader.isEmpty()) {
            const QString exe = dir.filePath(loader);
            QVERIFY(QFile::copy(standIn, exe));
            pid = shell.execute(exe, {program, u"ini=codwaw.ini"_s}, dir.path(), true);
            comm = program.mid(program.lastIndexOf(u'\\') + 1).toLatin1().left(15);
        } else {
            const QString script = dir.filePath(program);
            QVERIFY(test::writeFile(script, "#!/bin/sh\nwhile :; do sleep 1; done\n"));
            QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            pid = shell.execute(script, {}, dir.path(), true);
            comm = program.toLatin1().left(15);
        }
        QVERIFY(pid > 0);
        QTRY_COMPARE(procFile(pid, "comm").trimmed(), comm);
        endsByName(shell, pid, killName, ended);
    }

    void startedProcessIsKnownByItsStartTime() {
        // Another process given the pid of the one the shell started is not taken for it. The kernel
        // hands out the pid after the one written to ns_last_pid; where that cannot be written (it takes
        // root), the reuse cannot be brought about at will.
        QFile lastPid(u"/proc/sys/kernel/ns_last_pid"_s);
        if (!lastPid.open(QIODevice::WriteOnly))
            QSKIP("ns_last_pid cannot be written here");
        lastPid.close();
        QtShell shell;
        const qint64 pid = shell.execute(u"/bin/sleep"_s, {u"30"_s}, {}, true);
        QVERIFY(pid > 0);
        QVERIFY(shell.isRunning(pid));
        QVERIFY(::kill(static_cast<pid_t>(pid), SIGKILL) == 0);
        // Gone, and reaped by whoever adopted it.
        QTRY_VERIFY(!QFile::exists(u"/proc/"_s + QString::number(pid)));
        QVERIFY(!shell.isRunning(pid));
        QProcess other;
        for (int attempt = 0; attempt < 20 && other.processId() != pid; ++attempt) {
            if (other.state() != QProcess::NotRunning) {
                other.kill();
                other.waitForFinished();
            }
            // Other programs may take the pid first: try again.
            QVERIFY(lastPid.open(QIODevice::WriteOnly));
            lastPid.write(QByteArray::number(pid - 1));
            lastPid.close();
            other.start(u"/bin/sleep"_s, {u"30"_s});
            QVERIFY(other.waitForStarted());
        }
        if (other.processId() != pid) {
            other.kill();
            other.waitForFinished();
            QSKIP("the pid went to another program every time");
        }
        QVERIFY(!shell.isRunning(pid));
        QVERIFY(!shell.endProcess(pid));
        QVERIFY(!other.waitForFinished(100)); // left running
        other.kill();
        QVERIFY(other.waitForFinished());
    }

    void endsWhatTheStartedProcessStarted_data() {
        QTest::addColumn<QByteArray>("script");
        // Hands its work to a process of its own, which goes to init, and ends: as wine does with a program
        // that is not a Windows one.
        QTest::newRow("handed off") << QByteArray("(sleep 300 & echo $! >worker.pid) >/dev/null 2>&1\n"
                                                  "while [ ! -s worker.pid ]; do sleep 0.01; done\n");
        // Keeps starting workers while it runs: none may start after the look that ends them.
        QTest::newRow("starts workers in a loop")
            << QByteArray("sleep 300 & echo $! >worker.pid\n"
                          "while :; do (sleep 300 &); sleep 0.01; done\n");
    }

    void endsWhatTheStartedProcessStarted() {
        QFETCH(QByteArray, script);
        QTemporaryDir dir;
        const QString program = dir.filePath(u"client.sh"_s);
        QVERIFY(test::writeFile(program, "#!/bin/sh\n" + script));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // A process this shell did not start, started the same way, is left alone.
        qint64 other = 0;
        QVERIFY(QProcess::startDetached(u"/bin/sleep"_s, {u"300"_s}, dir.path(), &other));
        const auto endOther = qScopeGuard([other] { ::kill(static_cast<pid_t>(other), SIGKILL); });
        QtShell shell;
        const qint64 pid = shell.execute(program, {}, dir.path(), true);
        QVERIFY(pid > 0);
        qint64 worker = 0;
        QTRY_VERIFY((worker = test::readFile(dir.filePath(u"worker.pid"_s)).trimmed().toLongLong()) > 0);
        QVERIFY(shell.isRunning(pid)); // while anything it started runs
        QVERIFY(shell.endProcess(pid));
        QTRY_VERIFY(!shell.isRunning(pid));
        QVERIFY(!test::processRuns(worker));
        QVERIFY(!shell.endProcess(pid));
        QVERIFY(shell.isRunning(other));
    }

    void findsProgramsOnThePath() {
        QtShell shell;
        const QString sh = shell.findProgram(u"sh"_s);
        QVERIFY2(sh.startsWith(u'/') && sh.endsWith(u"/sh"_s), qPrintable(sh));
        QCOMPARE(shell.findProgram(u"tvx-no-such-program-%1"_s.arg(QCoreApplication::applicationPid())),
                 QString());
    }

    void startsWithTheArgumentsAsGiven() {
        // Each argument reaches the program as it is: nothing splits, joins, quotes or interprets them.
        QTemporaryDir dir;
        const QString program = dir.filePath(u"args.sh"_s);
        {
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nprintf '[%s]\\n' \"$@\" > args.tmp && mv args.tmp args.txt\n");
        }
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QtShell shell;
        const QStringList arguments{u"+connect"_s, u"127.0.0.1:28960"_s, u"+password"_s, QString(),
                                    u"a b; $(echo x) \"q\""_s};
        QVERIFY(shell.execute(program, arguments, dir.path(), false) > 0);
        const QString out = dir.filePath(u"args.txt"_s);
        QTRY_VERIFY(QFile::exists(out));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[+connect]\n[127.0.0.1:28960]\n[+password]\n[]\n[a b; $(echo x) \"q\"]\n"));
    }
};

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
