// A reply flood from the server's own address: a real UDP socket on 127.0.0.1, in a thread of its own,
// answers the console's "status" and then sends 1,400-byte datagrams at a fixed rate while the last command
// stays the same. Two cases, each in a process of its own (the peak memory is the process's): "status", the
// status table while the last command is "status"; "banlist", PunkBuster ban-list lines while the last
// command is "pb_sv_banlist", so the list is collected and shown every second. Prints the worst stall of the
// console's event loop (goal: under 100 ms) and the peak resident memory (goal: under 100 MB).
//
//     bench_flood [seconds (10)] [datagrams per second (10000)] [status|banlist (status)]
#include "gui/main/main_window.h"

#include "support/fake_platform.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <atomic>
#include <cstdio>

using namespace Qt::StringLiterals;

using namespace tvx;

namespace {

// "VmHWM" (peak) or "VmRSS" (now) of this process, in kB.
long memoryKb(const char* field) {
    QFile f(u"/proc/self/status"_s);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// One datagram of about 1,400 bytes: status lines as the server writes them, numbered so no two are alike.
QByteArray floodDatagram(int n) {
    QByteArray text;
    for (int i = 0; text.size() < 1380 - 90; ++i) {
        test::StatusPlayer p{i % 64,
                             n % 1000,
                             "48",
                             QByteArray::number(1000000 + n),
                             "^1Flood^7er" + QByteArray::number(i),
                             "203.0.113." + QByteArray::number(i % 250) + ":28960",
                             1000 + i,
                             25000,
                             i};
        text += test::statusLine(p);
    }
    QByteArray d = test::replyDatagram(text);
    d += QByteArray(qMax<qsizetype>(0, 1400 - d.size()), ' ');
    return d;
}

// One datagram of about 1,400 bytes of ban-list lines, numbered so no two are alike.
QByteArray banListDatagram(int n) {
    QByteArray text;
    for (int i = 0; text.size() < 1380 - 130; ++i) {
        const QByteArray number = QByteArray::number(n * 16 + i);
        text += "^3PunkBuster Server: " + number + "  " + QByteArray::number(0x10000000 + n, 16).repeated(4) +
                "(-) ^1Flood^7er" + number + "^7 [203.0.113." + QByteArray::number(i % 250) +
                "] Flooding (2009.12.08 21:04:02)\n";
    }
    QByteArray d = test::replyDatagram(text);
    d += QByteArray(qMax<qsizetype>(0, 1400 - d.size()), ' ');
    return d;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 10.0;
    const int rate = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;
    const QByteArray flood = argc > 3 ? QByteArray(argv[3]) : QByteArray("status");
    const bool banList = flood == "banlist";
    if (seconds <= 0 || rate <= 0 || (!banList && flood != "status")) {
        std::fprintf(stderr, "usage: bench_flood [seconds (10)] [datagrams per second (10000)] "
                             "[status|banlist (status)]\n");
        return 2;
    }

    test::WindowsFixture fx(test::Sockets::Real);
    Main& m = Forms::get<Main>();
    // The delayed "mapname" never leaves: the last command stays "status" for the whole flood.
    m.Timer2->setInterval(24 * 3600 * 1000);
    m.Show();

    std::atomic<int> serverPort{0};
    std::atomic<long> sent{0};
    std::atomic<bool> done{false};
    QThread* server = QThread::create([&] {
        QUdpSocket s;
        if (!s.bind(QHostAddress::LocalHost, 0)) {
            serverPort = -1;
            return;
        }
        serverPort = s.localPort();
        if (!s.waitForReadyRead(10000)) {
            done = true;
            return;
        }
        const QNetworkDatagram asked = s.receiveDatagram();
        QList<QByteArray> datagrams;
        for (int i = 0; i < 997; ++i)
            datagrams << (banList ? banListDatagram(i) : floodDatagram(i));
        QElapsedTimer clock;
        clock.start();
        const long total = static_cast<long>(seconds * rate);
        long n = 0;
        while (n < total) {
            const long due = qMin(total, static_cast<long>(clock.nsecsElapsed() / 1e9 * rate) + 1);
            for (; n < due; ++n)
                s.writeDatagram(datagrams[n % datagrams.size()], asked.senderAddress(),
                                static_cast<quint16>(asked.senderPort()));
            sent = n;
            QThread::usleep(200);
        }
        done = true;
    });
    server->start();
    while (serverPort == 0)
        QThread::msleep(1);
    if (serverPort < 0) {
        std::fprintf(stderr, "cannot bind 127.0.0.1\n");
        return 1;
    }

    long delivered = 0;
    QObject::connect(m.udpClient, &UdpSocket::dataArrival, &app, [&] { ++delivered; });
    m.HandOver({u"127.0.0.1"_s, QString::number(serverPort.load()), u"pw"_s, u"0"_s, {}});
    if (!m.Connect()) {
        std::fprintf(stderr, "connect failed\n");
        return 1;
    }
    // The flood starts once the server has the "status"; the list command is the last one before any of it
    // is handled. The list shows on the admin page, on screen.
    if (banList) {
        m.Image9_Click();
        m.PbListText.clear();
        m.Send(u"pb_sv_banlist"_s);
    }

    const long startKb = memoryKb("VmRSS");

    // A timer every millisecond: the longest time between two of its ticks is the worst stall.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 worstGap = 0;
    qint64 worstAt = 0;
    long over50 = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTick && now - lastTick > 50000000)
            ++over50;
        if (lastTick && now - lastTick > worstGap) {
            worstGap = now - lastTick;
            worstAt = now;
        }
        lastTick = now;
    });
    probe.start();
    QTimer finish;
    QObject::connect(&finish, &QTimer::timeout, &app, [&] {
        // Half a second after the last datagram, for the last ones and the last rebuild.
        static qint64 doneAt = 0;
        if (!done)
            return;
        if (!doneAt)
            doneAt = clock.elapsed();
        else if (clock.elapsed() - doneAt > 500)
            QCoreApplication::exit(0);
    });
    finish.start(50);
    app.exec();
    server->wait();
    delete server;

    const long total = sent.load();
    std::printf("flood: %.1f s at %d datagrams/s of 1,400 bytes, last command \"%s\"\n", seconds, rate,
                qPrintable(m.LastCommand));
    std::printf("sent %ld, handled %ld (%.1f %%); terminal %lld characters, collected replies %lld, grid %d "
                "rows, players %s\n",
                total, delivered,
                total ? 100.0 * static_cast<double>(delivered) / static_cast<double>(total) : 0.0,
                static_cast<long long>(m.txtOutput->Text().size()), static_cast<long long>(m.Text6.size()),
                m.Grid->Rows(), qPrintable(m.Label4->Caption()));
    if (banList)
        std::printf("ban list: collected %lld characters, list box %lld characters\n",
                    static_cast<long long>(m.PbListText.size()),
                    static_cast<long long>(m.Text10->Text().size()));
    const double gapMs = worstGap / 1e6;
    const double peakMb = memoryKb("VmHWM") / 1024.0;
    std::printf("worst event-loop gap %.1f ms at %.1f s, %ld gaps over 50 ms (goal: under 100 ms) %s\n",
                gapMs, worstAt / 1e9, over50, gapMs < 100 ? "OK" : "OVER");
    std::printf("peak RSS %.1f MB, %.1f MB before the flood, %.1f MB after (goal: under 100 MB) %s\n", peakMb,
                startKb / 1024.0, memoryKb("VmRSS") / 1024.0, peakMb < 100 ? "OK" : "OVER");
    return 0;
}
