// The UCON log filters on a day's log: the fast filters against the plain whole-text reference, then one
// tick of the log window on a 200 MB log.
//
//   bench_log_filters [lines]      (default 32767)
//   bench_log_filters tick         the log window's tick alone (the plain filters take minutes)
//
// Prints the time of each step in milliseconds and the speed-up. The plain extended pass runs sixty
// filters over the whole text per removed line and would take many minutes on the full log: it runs
// on a slice of the log instead, together with the fast pass on the same slice.
#include "core/text/codepage.h"
#include "core/ucon/log_filters.h"

#include "gui/log_window.h"
#include "gui/main/main_window.h"

#include "support/fake_platform.h"
#include "support/naive_log_filters.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>
#include <functional>

using namespace tvx;

namespace {

const QDateTime kNow(QDate(2009, 4, 13), QTime(9, 30, 0));

// A day of UCON events as the outside client writes them: stamped event lines with 0xFA separators,
// mostly distinct, some repeated, some about cvars, some of the client's own lines without separator.
QByteArray makeLog(int lines) {
    QRandomGenerator rng(20090412);
    auto pick = [&rng](const QStringList& list) { return list[int(rng.bounded(int(list.size())))]; };
    const QStringList players = {
        QStringLiteral("Kilroy"),    QStringLiteral("Sgt.Rock"),     QStringLiteral("Raúl"),
        QStringLiteral("Jürgen"),    QStringLiteral("Søren"),        QStringLiteral("Zoë"),
        QStringLiteral("Ümit"),      QStringLiteral("ÚLTIMO"),       QStringLiteral("L’ami"),
        QStringLiteral("Heinrich"),  QStringLiteral("=TVX=Wolf"),    QStringLiteral("Tommy_Gun"),
        QStringLiteral("Dmitri"),    QStringLiteral("xX_Sniper_Xx"), QStringLiteral("Ça va"),
        QStringLiteral("€uroBoy"),   QStringLiteral("MadMax"),       QStringLiteral("Nakamura"),
        QStringLiteral("Pvt.Parts"), QStringLiteral("Oberst Klink"), QStringLiteral("GI Joe"),
    };
    const QStringList chat = {
        QStringLiteral("gg all"),
        QStringLiteral("nice shot"),
        QStringLiteral("who is camping the church?"),
        QStringLiteral("map vote pls"),
        QStringLiteral("anyone for a clan match on saturday?"),
        QStringLiteral("stop spawn killing"),
        QStringLiteral("admin pls kick the tk'er"),
        QStringLiteral("gl hf"),
        QStringLiteral("omg lag"),
        QStringLiteral("sry team"),
        QStringLiteral("rush the bunker, I cover the left"),
        QStringLiteral("that flamethrower is way too strong"),
    };
    const QString server = QStringLiteral("203.0.113.10:28960");
    const QStringList servers = {QStringLiteral("TORVANEX TDM #1"), QStringLiteral("TORVANEX Hardcore #2")};
    QStringList out;
    out.reserve(lines);
    QDateTime t(QDate(2009, 4, 12), QTime(0, 0, 1));
    quint32 seq = 1000;
    while (out.size() < lines) {
        t = t.addSecs(rng.bounded(4));
        // The UCON viewer watches two servers; each event names its server first.
        const QString stamp = bracketStamp(t) + QStringLiteral(" ú") + pick(servers);
        const QString p = pick(players);
        const int slot = 1 + int(rng.bounded(24));
        const QString ip = QStringLiteral("198.51.100.%1").arg(2 + rng.bounded(250));
        const QString guid = QStringLiteral("%1%2")
                                 .arg(rng.generate64(), 16, 16, QLatin1Char('0'))
                                 .arg(rng.generate64(), 16, 16, QLatin1Char('0'));
        const int kind = int(rng.bounded(100));
        QString l;
        if (kind < 36) {
            l = stamp + QStringLiteral("úCHATú") + p + QStringLiteral(": ") + pick(chat);
        } else if (kind < 48) {
            l = stamp + QStringLiteral("úPBSVúNew Connection (slot #%1) %2:28960 [OK] \"%3\" (seq %4)")
                            .arg(slot)
                            .arg(ip, p)
                            .arg(++seq);
        } else if (kind < 58) {
            l = stamp + QStringLiteral("úPBSVúPlayer GUID Computed %1(-) (slot #%2) %3:28960 %4")
                            .arg(guid)
                            .arg(slot)
                            .arg(ip, p);
        } else if (kind < 66) {
            l = stamp + QStringLiteral("úPBSVúLost Connection (slot #%1) %2:28960 %3(-) %4")
                            .arg(slot)
                            .arg(ip, guid.right(8), p);
        } else if (kind < 71) {
            l = stamp + QStringLiteral("úPBSVúScreenshot C:\\cod\\pb\\svss\\pb%1.png successfully received "
                                       "(MD5=%2) from %3 %4 [%5(-) %6:28960]")
                            .arg(seq++, 6, 10, QLatin1Char('0'))
                            .arg(guid.toUpper())
                            .arg(slot)
                            .arg(p, guid.right(8), ip);
        } else if (kind < 75) {
            l = stamp + QStringLiteral("úPBSVúReceived cvars from slot #%1 (%2)").arg(slot).arg(p);
        } else if (kind < 78) {
            l = stamp + QStringLiteral("úRCONúTORVANEX-192.0.2.44úkick ") + p;
        } else if (kind < 83) {
            l = stamp + QStringLiteral("úPBSVú%1 players, %2.%3% PB coverage, %4 kicks today")
                            .arg(2 + rng.bounded(22))
                            .arg(90 + rng.bounded(10))
                            .arg(rng.bounded(10))
                            .arg(rng.bounded(40));
        } else if (kind < 87) {
            l = stamp +
                QStringLiteral("úGAMEúInitGame: map mp_%1, %2 players")
                    .arg(pick({QStringLiteral("castle"), QStringLiteral("asylum"), QStringLiteral("dome"),
                               QStringLiteral("makin"), QStringLiteral("seelow")}))
                    .arg(2 + rng.bounded(22));
        } else if (kind < 90) {
            l = QStringLiteral("UCON: heartbeat");
        } else if (kind < 92) {
            l = bracketStamp(t) + QStringLiteral(" UCON: lost link to ") + server +
                QStringLiteral(", retrying");
        } else if (kind < 94) {
            l = stamp + QStringLiteral("úPBSVúKicked %1 (for 2 minutes) ... Temp Ban by admin").arg(p);
        } else if (kind < 97 && out.size() > 100) {
            l = out[int(rng.bounded(int(out.size())))]; // the client repeats itself now and then
        } else {
            l = stamp + QStringLiteral("úCHATú") + p + QStringLiteral(": ") + pick(chat) +
                QStringLiteral(" ") + pick(chat);
        }
        out.push_back(l);
    }
    return toAnsi(QString(out.join(u'\n') + u'\n'));
}

// Best of `runs` in milliseconds.
double timeIt(int runs, const std::function<void()>& f) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

// The first `lines` lines of a work buffer.
QString slice(const QString& work, int lines) {
    qsizetype at = 0;
    for (int i = 0; i < lines && at >= 0; ++i) {
        at = work.indexOf(kCrLf, at);
        if (at >= 0)
            at += 2;
    }
    return at < 0 ? work : work.left(at - 2);
}

bool check(const char* what, bool same) {
    if (!same)
        std::printf("MISMATCH: %s differs between fast and plain filters\n", what);
    return same;
}

// Resident memory in MB (Linux), for the tick's figures.
double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// One tick of the log window (read pbucon.log, filter it, fill the chat page's log box) on a log the
// client has let grow to 200 MB: only the log's end is read, so a tick costs what the filters handle.
bool tickOnAHugeLog(const QByteArray& day) {
    constexpr qint64 kTarget = 200LL * 1024 * 1024;
    test::WindowsFixture fx;
    const QString path = fx.fake.folder() + QStringLiteral("/pbucon.log");
    {
        QFile log(path);
        if (!log.open(QIODevice::WriteOnly))
            return false;
        while (log.size() < kTarget)
            log.write(day);
    }
    Form5& window = Forms::get<Form5>();
    VbTextBox* chat = Forms::get<Main>().txtsay2;
    const double before = residentMb();
    auto tick = [&window] {
        QElapsedTimer timer;
        timer.start();
        window.Timer1_Timer();
        return double(timer.nsecsElapsed()) / 1e6;
    };
    const double first = tick();
    const double steady = tick();
    // The client goes on writing: each tick finds a few lines more at the end, and as many fewer at the
    // head of what is read.
    double grown = 0;
    for (int round = 0; round < 10; ++round) {
        QFile log(path);
        if (!log.open(QIODevice::Append))
            return false;
        for (int i = 0; i < 20; ++i)
            log.write("12.04.2009 23:59:" + QByteArray::number(10 + i) + "\xFA" + "CHAT\xFAround " +
                      QByteArray::number(round) + " line " + QByteArray::number(i) + "\n");
        log.close();
        grown = std::max(grown, tick());
    }
    std::printf("one tick of the log window on a %.0f MB log:\n",
                double(QFile(path).size()) / (1024.0 * 1024.0));
    std::printf("  tick, 20 lines more (worst of 10) %8.2f ms   (goal < 50 ms)\n", grown);
    std::printf("  tick, log unchanged               %8.2f ms   (goal < 50 ms)\n", steady);
    std::printf("  first tick, chat box empty before %8.2f ms   (goal < 50 ms)\n", first);
    std::printf("  chat box: %lld characters; memory %.0f MB before the ticks, %.0f MB after\n",
                static_cast<long long>(chat->Text().size()), before, residentMb());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool tickOnly = argc > 1 && QByteArrayView(argv[1]) == "tick";
    const int lines = argc > 1 && !tickOnly ? std::max(1, std::atoi(argv[1])) : 32767;
    const QByteArray file = makeLog(lines);
    if (tickOnly)
        return tickOnAHugeLog(file) ? 0 : 1;
    const QString quote = QStringLiteral("\"");
    std::printf("UCON log: %d lines, %.2f MB (LF line ends, Windows-1252)\n", lines,
                double(file.size()) / (1024.0 * 1024.0));

    QString work;
    const double readMs = timeIt(5, [&] { work = logFileText(file); });
    std::printf("read (LoadTextFile's text)       %10.2f ms\n", readMs);

    QString fastLive;
    const double liveMs = timeIt(5, [&] { fastLive = liveChain(work); });
    std::printf("live chain, fast                 %10.2f ms   (goal < 50 ms)\n", liveMs);
    ExtendedPassResult fastExt;
    const double extMs = timeIt(3, [&] { fastExt = extendedPass(work, {}, kNow, quote); });
    std::printf("extended pass, fast              %10.2f ms   (goal < 300 ms)\n", extMs);

    // The same log as a client with CR LF line ends writes it: every line then ends in CR.
    QByteArray crlfFile = file;
    crlfFile.replace("\n", "\r\n");
    const QString crlfWork = logFileText(crlfFile);
    const double crlfLiveMs = timeIt(3, [&] { (void)liveChain(crlfWork); });
    const double crlfExtMs = timeIt(3, [&] { (void)extendedPass(crlfWork, {}, kNow, quote); });
    std::printf("same log with CR LF line ends:     live %.2f ms, extended %.2f ms\n", crlfLiveMs, crlfExtMs);

    std::printf("live chain, plain (whole log; on the full log this takes a minute or two) ...\n");
    std::fflush(stdout);
    QString naiveLive;
    const double naiveLiveMs = timeIt(1, [&] { naiveLive = naive::liveChain(work); });
    std::printf("live chain, plain                %10.2f ms\n", naiveLiveMs);
    std::printf("live chain speed-up              %10.1f x    (goal >= 100 x)\n", naiveLiveMs / liveMs);
    bool ok = check("live chain", naiveLive == fastLive);

    // The plain extended pass fetches every line from the start of the text and rescans the whole text for
    // each removal, sixty times over: on the whole log it would take hours. It runs on a slice.
    const int sliceLines = std::min(lines, 1024);
    const QString part = slice(work, sliceLines);
    ExtendedPassResult fastPart;
    const double partMs = timeIt(3, [&] { fastPart = extendedPass(part, {}, kNow, quote); });
    ExtendedPassResult naivePart;
    const double naivePartMs = timeIt(1, [&] { naivePart = naive::extendedPass(part, {}, kNow, quote); });
    std::printf("extended pass on the first %d lines only (the plain pass is too slow for the whole log):\n",
                sliceLines);
    std::printf("  fast                           %10.2f ms\n", partMs);
    std::printf("  plain                          %10.2f ms\n", naivePartMs);
    std::printf("  speed-up                       %10.1f x\n", naivePartMs / partMs);
    ok = check("extended pass", naivePart.history == fastPart.history) && ok;

    std::printf("left: %lld of %lld characters after the live chain, %lld after the extended pass\n",
                static_cast<long long>(fastLive.size()), static_cast<long long>(work.size()),
                static_cast<long long>(fastExt.chatText.size()));
    std::printf(ok ? "fast and plain results are identical\n" : "RESULTS DIFFER\n");
    std::fflush(stdout);
    ok = tickOnAHugeLog(file) && ok;
    return ok ? 0 : 1;
}
