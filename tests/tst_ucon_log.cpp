// The UCON log stream in the windows: the hidden log window starts the outside client and every tick
// shows the filtered log in the chat page; the login keeps the log of a client that still runs.
#include "core/platform/platform_qt.h"
#include "core/tools/windows_program.h"

#include "gui/log_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"

#include "support/fake_platform.h"
#include "support/files.h"
#include "support/processes.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

const QByteArray kLog = "session opened\n"
                        "12.09.2026 22:10:01\xFA"
                        "PB\xFAPlayer Ren\xE9 joined\n"
                        "12.09.2026 22:10:02\xFAPB\xFA"
                        "CVARS check\n"
                        "12.09.2026 22:10:03\xFA"
                        "CHAT\xFA"
                        "Bob: hi\n";

// Places the stand-in client as "pbucon.exe" in `folder`, with the codwaw.ini a login writes beside it.
bool placeClient(const QString& folder) {
    const QString client = folder + u"/pbucon.exe"_s;
    return QFile::copy(QFINDTESTDATA("support/pbucon_standin.sh"), client) &&
           QFile::setPermissions(client, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           writeFile(folder + u"/codwaw.ini"_s, "[ucon]\n");
}

// How the wine on the PATH runs the client, if there is one.
enum class Wine {
    None,
    // As a Windows program: in the process wine was started as.
    Loader,
    // As a program that is not a Windows one: handed to a process of its own, while wine ends at once.
    HandsOff,
};

// Places the wine stand-in as "wine" in `folder`, with the loader stand-in beside it as "wine64-preloader".
bool placeWine(const QString& folder, Wine wine = Wine::Loader) {
    const QString program = folder + u"/wine"_s;
    const QString loader = folder + u"/wine64-preloader"_s;
    return QFile::copy(QFINDTESTDATA("support/wine_standin.sh"), program) &&
           QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           QFile::copy(qEnvironmentVariable("TORVANEX_WINE_LOADER"), loader) &&
           (wine != Wine::HandsOff || writeFile(folder + u"/hands-off"_s, ""));
}

// The PATH without the folders that hold a wine, so the client runs as it is, whatever this machine has.
QByteArray pathWithoutWine(const QByteArray& path) {
    QByteArrayList kept;
    for (const QByteArray& folder : path.split(':')) {
        if (!QFileInfo(QFile::decodeName(folder) + u"/wine"_s).isExecutable())
            kept << folder;
    }
    return kept.join(':');
}

// The process id the stand-in client wrote in `folder`, once it is there (0 when it is not).
qint64 clientProcess(const QString& folder) {
    const QString file = folder + u"/pbucon.pid"_s;
    qint64 pid = 0;
    [[maybe_unused]] const bool written =
        QTest::qWaitFor([&] { return (pid = readFile(file).trimmed().toLongLong()) > 0; }, 5000);
    return pid;
}

// The program's shell, except that ending processes by name is only recorded.
struct ClientShell final : Shell {
    QtShell real;
    QStringList killed;
    void openUrl(const QString&) override {}
    qint64 execute(const QString& program, const QStringList& arguments, const QString& workingFolder,
                   bool hidden) override {
        return real.execute(program, arguments, workingFolder, hidden);
    }
    int killProcesses(const QString& name) override {
        killed << name;
        return 0;
    }
    bool isRunning(qint64 pid) const override { return real.isRunning(pid); }
    bool endProcess(qint64 pid) override { return real.endProcess(pid); }
    QString findProgram(const QString& name) const override { return real.findProgram(name); }
};

// Runs the program's event loop, with `step` as its first event, until the program ends it; false when it
// still runs after 5 s.
bool runUntilTheEnd(const std::function<void()>& step) {
    QTimer guard;
    guard.setSingleShot(true);
    bool stuck = false;
    QObject::connect(&guard, &QTimer::timeout, [&stuck] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    QTimer::singleShot(0, step);
    QCoreApplication::exec();
    return !stuck;
}

} // namespace

class TstUconLog : public QObject {
    Q_OBJECT
private slots:
    void windowsProgramsRunThroughWine_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("wine");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        const QStringList args{u"ini=codwaw.ini"_s, u"a b"_s};
        const QString wine = u"/usr/bin/wine"_s;
        QTest::newRow("wine") << u"/opt/t/pbucon.exe"_s << wine << wine
                              << QStringList{u"/opt/t/pbucon.exe"_s, u"ini=codwaw.ini"_s, u"a b"_s};
        QTest::newRow("upper-case extension")
            << u"/opt/t/PBUCON.EXE"_s << wine << wine
            << QStringList{u"/opt/t/PBUCON.EXE"_s, u"ini=codwaw.ini"_s, u"a b"_s};
        QTest::newRow("no wine") << u"/opt/t/pbucon.exe"_s << QString() << u"/opt/t/pbucon.exe"_s << args;
        QTest::newRow("not a Windows program") << u"/opt/t/pbucon"_s << wine << u"/opt/t/pbucon"_s << args;
        QTest::newRow("\".exe\" not at the end")
            << u"/opt/t.exe/pbucon"_s << wine << u"/opt/t.exe/pbucon"_s << args;
    }

    void windowsProgramsRunThroughWine() {
        QFETCH(QString, path);
        QFETCH(QString, wine);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QCOMPARE(throughWine(path, {u"ini=codwaw.ini"_s, u"a b"_s}, wine),
                 (ProgramStart{program, arguments}));
    }

    void loadStartsTheClientAndThePoll_data() {
        QTest::addColumn<bool>("wineOnPath");
        QTest::newRow("no wine") << false;
        // A Windows program: wine runs it, as it runs the game client.
        QTest::newRow("wine on the PATH") << true;
    }

    void loadStartsTheClientAndThePoll() {
        QFETCH(bool, wineOnPath);
        WindowsFixture fx;
        const QString wine = u"/usr/bin/wine"_s;
        if (wineOnPath)
            fx.fake.shell.onPath.insert(u"wine"_s, wine);
        fx.fake.system.folder = fx.fake.folder() + u"/program"_s;
        Form5& f = Forms::get<Form5>();
        QCOMPARE(fx.fake.shell.started.size(), 1);
        const FakeShell::Started s = fx.fake.shell.started[0];
        const QString client = fx.fake.system.programFolder() + u"/pbucon.exe"_s;
        QCOMPARE(s.program, wineOnPath ? wine : client);
        QCOMPARE(s.arguments,
                 wineOnPath ? (QStringList{client, u"ini=codwaw.ini"_s}) : QStringList{u"ini=codwaw.ini"_s});
        // It runs where its configuration and its log are, wherever the program was started from.
        QCOMPARE(s.workingFolder, fx.fake.system.programFolder());
        QVERIFY(s.workingFolder != fx.fake.system.currentFolder());
        QVERIFY(s.hidden);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(f.Timer1->interval(), 5000);
        QVERIFY(!f.isVisible());
        QVERIFY(f.ClientRunning());
    }

    void tickShowsTheFilteredLog() {
        WindowsFixture fx;
        Main& m = Forms::get<Main>();
        Form5& f = Forms::get<Form5>();
        m.txtsay2->setText(u"[12.08.2026 22:10:00]-> You Said: hi"_s);
        f.Timer1_Timer(); // no log yet: nothing changes
        QCOMPARE(m.txtsay2->Text(), u"[12.08.2026 22:10:00]-> You Said: hi"_s);
        QVERIFY(writeFile(fx.fake.folder() + u"/pbucon.log"_s, kLog));
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->Text(), u"\r\n12.09.2026 22:10:01 - PB - Player Ren\u00e9 joined\r\n"
                                    u"12.09.2026 22:10:03 - CHAT - Bob: hi\r\n"_s);
        QCOMPARE(m.txtsay2->textCursor().position(), m.txtsay2->document()->characterCount() - 1);
        // A log without any separator leaves the chat box as it is.
        QVERIFY(writeFile(fx.fake.folder() + u"/pbucon.log"_s, "nothing for the chat\n"));
        f.Timer1_Timer();
        QVERIFY(m.txtsay2->Text().endsWith(u"Bob: hi\r\n"_s));
        // The caret goes back to the end on every tick, also when the text did not change.
        QVERIFY(writeFile(fx.fake.folder() + u"/pbucon.log"_s, kLog));
        f.Timer1_Timer();
        QTextCursor c = m.txtsay2->textCursor();
        c.setPosition(0);
        m.txtsay2->setTextCursor(c);
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->textCursor().position(), m.txtsay2->document()->characterCount() - 1);
    }

    void extendedPassKeepsABoundedHistory() {
        WindowsFixture fx;
        Main& m = Forms::get<Main>();
        Form5& f = Forms::get<Form5>();
        const QString kept = u"Bob: gg all"_s;
        f.Text6 = QString(Form5::kHistoryLimit, u'x');
        f.Text2 = kept;
        f.MasterClean();
        QCOMPARE(m.txtsay2->Text(), kept);
        QVERIFY(f.Text2.isEmpty());
        QVERIFY(f.Text7.isEmpty());
        // The oldest part goes, cut at a line start: the newest result stays whole.
        QCOMPARE(f.Text6, kept);
    }

    void tickReadsNoPipeNorDevice() {
        WindowsFixture fx;
        Main& m = Forms::get<Main>();
        Form5& f = Forms::get<Form5>();
        const QString log = fx.fake.folder() + u"/pbucon.log"_s;
        QVERIFY(writeFile(log, kLog));
        f.Timer1_Timer();
        const QString shown = m.txtsay2->Text();
        QVERIFY(shown.contains(u"Bob: hi"_s));
        // A pipe without a writer would hold the window for good, a link to /dev/zero fill the memory.
        QVERIFY(QFile::remove(log));
        QCOMPARE(::mkfifo(QFile::encodeName(log).constData(), 0600), 0);
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->Text(), shown);
        QVERIFY(QFile::remove(log));
        QVERIFY(QFile::link(u"/dev/zero"_s, log));
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->Text(), shown);
    }

    void chatBoxTakesOnlyWhatChanged_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("mostAdded"); // characters the document may take in
        auto lines = [](int from, int to) {
            QString t;
            for (int i = from; i < to; ++i)
                t += u"12.09.2026 22:10:01 - CHAT - line "_s + QString::number(i) + u"\r\n"_s;
            return t;
        };
        const QString day = lines(0, 3000);
        QTest::newRow("lines added at the end") << day << day + lines(3000, 3003) << 200;
        QTest::newRow("the head cut off, lines added") << day << lines(5, 3004) << 200;
        QString changed = day;
        changed.replace(u"line 1500\r\n"_s, u"line fifteen hundred\r\n"_s);
        QTest::newRow("one line changed") << day << changed << 100;
        QTest::newRow("a CR LF split between the old end and the new text")
            << QString(day + u"tail\r"_s) << QString(day + u"tail\r\nnext\rline"_s) << 100;
        const QString other = lines(10000, 13000);
        QTest::newRow("another text: refilled") << day << other << int(other.size());
    }

    void chatBoxTakesOnlyWhatChanged() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, mostAdded);
        WindowsFixture fx;
        VbTextBox* box = Forms::get<Main>().txtsay2;
        box->setText(before);
        box->caretToEnd();
        int added = 0;
        connect(box->document(), &QTextDocument::contentsChange, this,
                [&added](int, int, int charsAdded) { added += charsAdded; });
        box->setText(after);
        QCOMPARE(box->Text(), after);
        QCOMPARE(box->toPlainText(), displayText(after));
        QVERIFY2(added <= mostAdded, QByteArray::number(added).constData());
        QCOMPARE(box->textCursor().position(), 0); // where a refill leaves it
    }

    void loginKeepsTheLogOfARunningClient() {
        WindowsFixture fx;
        const QString log = fx.fake.folder() + u"/pbucon.log"_s;
        Forms::get<Form5>();
        QVERIFY(writeFile(log, kLog));
        Form4& w = Forms::get<Form4>();
        w.Text4->setText(u"127.0.0.1"_s);
        w.Text5->setText(u"28960"_s);
        w.Text6->setText(u"pw"_s);
        w.UCONLoad();
        QVERIFY(QFile::exists(log));
        fx.fake.shell.running.clear(); // the client has ended
        w.UCONLoad();
        QVERIFY(!QFile::exists(log));
    }

    void firstChatVisitRunsTheClient() {
        // Through wine, as here, where wine is on the PATH: the stand-in records how it was started and runs
        // the client as wine would, in a process that bears the client's name under wine's loader.
        QTemporaryDir wineFolder;
        QVERIFY(placeWine(wineFolder.path()));
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(wineFolder.path()) + ':' + path);
        WindowsFixture fx(Sockets::Fake, Programs::Real);
        const QString client = fx.fake.folder() + u"/pbucon.exe"_s;
        QVERIFY(placeClient(fx.fake.folder()));
        Main& m = Forms::get<Main>();
        m.Image6_Click();
        Form5& f = Forms::get<Form5>();
        QTRY_VERIFY(f.ClientRunning());
        QTRY_COMPARE(readFile(wineFolder.filePath(u"wine-arguments.txt"_s)),
                     "[" + QFile::encodeName(client) + "]\n[ini=codwaw.ini]\n");
        QCOMPARE(readFile(wineFolder.filePath(u"wine-folder.txt"_s)).trimmed(),
                 QFile::encodeName(fx.fake.system.programFolder()));
        // The client writes its first lines, then a heartbeat.
        QTRY_VERIFY(readFile(fx.fake.folder() + u"/pbucon.log"_s).contains("Heartbeat 1"));
        f.Timer1_Timer();
        QVERIFY(
            m.txtsay2->Text().contains(u"12.09.2026 22:10:01 - PB - Player Ren\u00e9 (slot #1) connected"_s));
        QVERIFY(m.txtsay2->Text().contains(u" - CHAT - Bob: anyone up for sd?"_s));
        QVERIFY(!m.txtsay2->Text().contains(u"cvars"_s));
        m.Image11_Click();
        QTRY_VERIFY(!f.ClientRunning());
        QCOMPARE(fx.fake.system.endCalls, 1);
    }

    void theClientEndsWithTheProgram_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<Wine>("wine");
        const QList<std::pair<const char*, QString>> ways = {
            {"Quit on the login window after Reset", u"reset quit"_s},
            {"closing the login window", u"close login"_s},
            {"closing the main window", u"close main"_s},
            {"the exit picture", u"exit picture"_s},
            {"the application quits", u"quit"_s},
            {"a termination signal", u"signal"_s}};
        const QList<std::pair<const char*, Wine>> wines = {
            {"", Wine::None}, {", through wine", Wine::Loader}, {", handed off by wine", Wine::HandsOff}};
        for (const auto& [how, wine] : wines) {
            for (const auto& [row, way] : ways)
                QTest::addRow("%s%s", row, how) << way << wine;
        }
    }

    void theClientEndsWithTheProgram() {
        QFETCH(QString, way);
        QFETCH(Wine, wine);
        QTemporaryDir wineFolder;
        const QByteArray path = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&path] { qputenv("PATH", path); });
        if (wine == Wine::None) {
            qputenv("PATH", pathWithoutWine(path));
        } else {
            QVERIFY(placeWine(wineFolder.path(), wine));
            qputenv("PATH", QFile::encodeName(wineFolder.path()) + ':' + path);
        }
        // Real processes, but the exit steps' ending by name is only recorded: it would reach every
        // "pbucon.exe" of this user, those of other test runs too, and would hide whether the program ends
        // the client it started by itself. Made first, it outlives the windows.
        ClientShell shell;
        WindowsFixture fx;
        Platform p = fx.fake.platform();
        p.shell = &shell;
        Forms::install(p);
        fx.fake.system.onEnd = [] { QCoreApplication::exit(0); };
        QVERIFY(placeClient(fx.fake.folder()));
        // A client this program did not start, from a folder of its own.
        QTemporaryDir elsewhere;
        QVERIFY(placeClient(elsewhere.path()));
        qint64 other = 0;
        QVERIFY(QProcess::startDetached(elsewhere.filePath(u"pbucon.exe"_s), {u"ini=codwaw.ini"_s},
                                        elsewhere.path(), &other));
        const auto endOther = qScopeGuard([other] { ::kill(static_cast<pid_t>(other), SIGKILL); });
        QTRY_VERIFY(shell.isRunning(other));

        Main& m = Forms::get<Main>();
        Form4& login = Forms::get<Form4>();
        Form5& f = Forms::get<Form5>();
        QTRY_VERIFY(f.ClientRunning());
        // The client's own process: wine's, or one wine handed it to.
        const qint64 client = clientProcess(fx.fake.folder());
        QVERIFY(processRuns(client));
        std::function<void()> step;
        if (way == u"reset quit") {
            m.Show();
            step = [&m] {
                m.Image4_Click();
                Forms::get<Form4>().Command2->click();
            };
        } else if (way == u"close login") {
            login.Show();
            step = [&login] { login.close(); };
        } else if (way == u"close main") {
            m.Show();
            step = [&m] { m.close(); };
        } else if (way == u"exit picture") {
            m.Show();
            step = [&m] { m.Image11_Click(); };
        } else if (way == u"quit") {
            login.Show();
            step = [] { QCoreApplication::quit(); };
        } else {
            login.Show();
            quitOnTerminationSignals();
            step = [] { ::raise(SIGTERM); };
        }
        QVERIFY(runUntilTheEnd(step));
        QTRY_VERIFY(!processRuns(client));
        QTRY_VERIFY(!f.ClientRunning());
        // Our client has gone: a signal sent to the other at the same time would have ended it too.
        QVERIFY(shell.isRunning(other));
    }
};

Q_DECLARE_METATYPE(Wine)

QTEST_MAIN(TstUconLog)
#include "tst_ucon_log.moc"
