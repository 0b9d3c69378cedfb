// The program's own platform services: the settings file, the sockets' delivery and states, ending
// processes by executable name, finding programs on the PATH and starting them with their arguments as given.
#include "core/platform/platform_qt.h"
#include "core/platform/settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

using namespace tvx;

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void settingsStoreKeepsBracketedSections() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"torvanex.ini"_qs);
        {
            IniSettingsStore s(path);
            QCOMPARE(s.get(u"[LOGIN1]"_qs, u"Name"_qs, u"Load Server 1"_qs), u"Load Server 1"_qs);
            s.set(u"[LOGIN1]"_qs, u"Name"_qs, QString());
            s.set(u"[LOGIN10]"_qs, u"Pass"_qs, u"p w=;#\"x"_qs);
            s.set(u"[Configs]"_qs, u"Path"_qs, u"/games/CoDWaWmp.exe"_qs);
        }
        IniSettingsStore again(path);
        // An existing key answers its value, even an empty one.
        QCOMPARE(again.get(u"[LOGIN1]"_qs, u"Name"_qs, u"Load Server 1"_qs), QString());
        QCOMPARE(again.get(u"[LOGIN10]"_qs, u"Pass"_qs, {}), u"p w=;#\"x"_qs);
        QCOMPARE(again.get(u"[LOGIN1]"_qs, u"Pass"_qs, u"d"_qs), u"d"_qs);
        QCOMPARE(again.get(u"[Configs]"_qs, u"Path"_qs, {}), u"/games/CoDWaWmp.exe"_qs);
        QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    void udpDeliversEachDatagramByAQueuedCall() {
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress::LocalHost, 0));
        QtUdpSocket client;
        QVERIFY_THROWS_EXCEPTION(PlatformError, client.sendData("x"));
        client.setRemoteHost(u"127.0.0.1"_qs);
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
        c.setRemoteHost(u"127.0.0.1"_qs);
        c.setRemotePort(port);
        c.connectSocket();
        QTRY_COMPARE(errors.size(), 1);
        QCOMPARE(errors[0][0].toInt(), err::ConnectionRefused);
        QCOMPARE(c.state(), sock::Error);
        c.close();
        QCOMPARE(c.state(), sock::Closed);
        QVERIFY(!c.localIP().isEmpty());
    }

    void killsProcessesByExecutableName() {
        // A name of this run's own: other tests may run their own "pbucon.exe" meanwhile.
        const QString name = QStringLiteral("tvx%1.exe").arg(QCoreApplication::applicationPid());
        QTemporaryDir dir;
        const QString exe = dir.filePath(name);
        QVERIFY(QFile::copy(u"/bin/sleep"_qs, exe));
        QtShell shell;
        const qint64 pid = shell.execute(exe, {u"30"_qs}, dir.path(), true);
        QVERIFY(pid > 0);
        QTRY_VERIFY(shell.isRunning(pid));
        QCOMPARE(shell.killProcesses(name), 1);
        QTRY_VERIFY(!shell.isRunning(pid));
        QCOMPARE(shell.killProcesses(name), 0);
    }

    void findsProgramsOnThePath() {
        QtShell shell;
        const QString sh = shell.findProgram(u"sh"_qs);
        QVERIFY2(sh.startsWith(u'/') && sh.endsWith(u"/sh"_qs), qPrintable(sh));
        QCOMPARE(shell.findProgram(
                     QStringLiteral("tvx-no-such-program-%1").arg(QCoreApplication::applicationPid())),
                 QString());
    }

    void startsWithTheArgumentsAsGiven() {
        // Each argument reaches the program as it is: nothing splits, joins, quotes or interprets them.
        QTemporaryDir dir;
        const QString program = dir.filePath(u"args.sh"_qs);
        {
            QFile f(program);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("#!/bin/sh\nprintf '[%s]\\n' \"$@\" > args.tmp && mv args.tmp args.txt\n");
        }
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QtShell shell;
        const QStringList arguments{u"+connect"_qs, u"127.0.0.1:28960"_qs, u"+password"_qs, QString(),
                                    u"a b; $(echo x) \"q\""_qs};
        QVERIFY(shell.execute(program, arguments, dir.path(), false) > 0);
        const QString out = dir.filePath(u"args.txt"_qs);
        QTRY_VERIFY(QFile::exists(out));
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[+connect]\n[127.0.0.1:28960]\n[+password]\n[]\n[a b; $(echo x) \"q\"]\n"));
    }
};

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
