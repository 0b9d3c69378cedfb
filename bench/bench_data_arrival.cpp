// Feeds 100,000 replies through the main window's data-arrival handler with the terminal page on screen,
// and compares the cost of the last 1,000 with the first 1,000: appending must cost what is appended,
// not what is already there.
#include "gui/main/main_window.h"

#include "support/fake_platform.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

using namespace tvx;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::WindowsFixture fx;
    Main& m = Forms::get<Main>();
    m.Grid->hide();
    m.Picture1->hide();
    m.SeeTerminalp->show();
    m.Show();
    m.LastCommand = u"say hello"_s;
    test::FakeUdpSocket* udp = fx.fake.udp();
    m.udpClient->setRemoteHost(u"127.0.0.1"_s);
    m.udpClient->connectSocket();

    constexpr int total = 100000;
    constexpr int window = 1000;
    const QByteArray header("\xFF\xFF\xFF\xFFprint\n", 10);
    QElapsedTimer clock;
    qint64 first = 0;
    qint64 last = 0;
    for (int i = 0; i < total; ++i) {
        if (i == 0 || i == total - window)
            clock.restart();
        udp->deliver(header + "console: reply number " + QByteArray::number(i) +
                     " ^7 with a colour and a tail\n");
        if (i == window - 1)
            first = clock.nsecsElapsed();
        if (i == total - 1)
            last = clock.nsecsElapsed();
        if (i % 500 == 0)
            QCoreApplication::processEvents();
    }
    const double ratio = static_cast<double>(last) / static_cast<double>(first);
    std::printf("data arrival: %d replies, terminal text %lld characters\n", total,
                static_cast<long long>(m.txtOutput->Text().size()));
    std::printf("first %d: %.2f ms, last %d: %.2f ms, ratio %.2f (goal: at most 1.5) %s\n", window,
                first / 1e6, window, last / 1e6, ratio, ratio <= 1.5 ? "OK" : "OVER");
    return 0;
}
