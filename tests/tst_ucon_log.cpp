// The UCON log stream in the windows: the hidden log window starts the outside client and every tick
// shows the filtered log in the chat page; the login keeps the log of a client that still runs.
#include "gui/log_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"

#include "support/fake_platform.h"

#include <QFile>
#include <QTest>

using namespace tvx;
using namespace tvx::test;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kLog = "session opened\n"
                        "12.09.2026 22:10:01\xFA"
                        "PB\xFAPlayer Ren\xE9 joined\n"
                        "12.09.2026 22:10:02\xFAPB\xFA"
                        "CVARS check\n"
                        "12.09.2026 22:10:03\xFA"
                        "CHAT\xFA"
                        "Bob: hi\n";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstUconLog : public QObject {
    Q_OBJECT
private slots:
    void loadStartsTheClientAndThePoll() {
        WindowsFixture fx;
        Form5& f = Forms::get<Form5>();
        QCOMPARE(fx.fake.shell.started.size(), 1);
        const FakeShell::Started s = fx.fake.shell.started[0];
        QCOMPARE(s.program, fx.fake.folder() + u"/pbucon.exe"_qs);
        QCOMPARE(s.arguments, QStringList{u"ini=codwaw.ini"_qs});
        QCOMPARE(s.workingFolder, fx.fake.system.currentFolder());
        QVERIFY(s.hidden);
        QVERIFY(f.Timer1->Enabled());
        QCOMPARE(f.Timer1->interval(), 5000);
        QVERIFY(!f.isVisible());
        QVERIFY(f.clientRunning());
    }

    void tickShowsTheFilteredLog() {
        WindowsFixture fx;
        Main& m = Forms::get<Main>();
        Form5& f = Forms::get<Form5>();
        m.txtsay2->setText(u"[12.08.2026 22:10:00]-> You Said: hi"_qs);
        f.Timer1_Timer(); // no log yet: nothing changes
        QCOMPARE(m.txtsay2->Text(), u"[12.08.2026 22:10:00]-> You Said: hi"_qs);
        writeFile(fx.fake.folder() + u"/pbucon.log"_qs, kLog);
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->Text(), u"\r\n12.09.2026 22:10:01 - PB - Player Ren\u00e9 joined\r\n"
                                    u"12.09.2026 22:10:03 - CHAT - Bob: hi\r\n"_qs);
        QCOMPARE(m.txtsay2->textCursor().position(), m.txtsay2->document()->characterCount() - 1);
        // A log without any separator leaves the chat box as it is.
        writeFile(fx.fake.folder() + u"/pbucon.log"_qs, "nothing for the chat\n");
        f.Timer1_Timer();
        QVERIFY(m.txtsay2->Text().endsWith(u"Bob: hi\r\n"_qs));
        // The caret goes back to the end on every tick, also when the text did not change.
        writeFile(fx.fake.folder() + u"/pbucon.log"_qs, kLog);
        f.Timer1_Timer();
        QTextCursor c = m.txtsay2->textCursor();
        c.setPosition(0);
        m.txtsay2->setTextCursor(c);
        f.Timer1_Timer();
        QCOMPARE(m.txtsay2->textCursor().position(), m.txtsay2->document()->characterCount() - 1);
    }

    void loginKeepsTheLogOfARunningClient() {
        WindowsFixture fx;
        const QString log = fx.fake.folder() + u"/pbucon.log"_qs;
        Forms::get<Form5>();
        writeFile(log, kLog);
        Form4& w = Forms::get<Form4>();
        w.Text4->setText(u"127.0.0.1"_qs);
        w.Text5->setText(u"28960"_qs);
        w.Text6->setText(u"pw"_qs);
        w.UCONLoad();
        QVERIFY(QFile::exists(log));
        fx.fake.shell.running.clear(); // the client has ended
        w.UCONLoad();
        QVERIFY(!QFile::exists(log));
    }

    void firstChatVisitRunsTheClient() {
        WindowsFixture fx(false, true);
        const QString client = fx.fake.folder() + u"/pbucon.exe"_qs;
        QVERIFY(QFile::copy(QFINDTESTDATA("support/pbucon_standin.sh"), client));
        QVERIFY(QFile::setPermissions(client, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        Main& m = Forms::get<Main>();
        m.Image6_Click();
        Form5& f = Forms::get<Form5>();
        QTRY_VERIFY(f.clientRunning());
        // The client writes its first lines, then a heartbeat.
        QTRY_VERIFY(readAll(fx.fake.folder() + u"/pbucon.log"_qs).contains("Heartbeat 1"));
        f.Timer1_Timer();
        QVERIFY(m.txtsay2->Text().contains(
            u"12.09.2026 22:10:01 - PB - Player Ren\u00e9 (slot #1) connected"_qs));
        QVERIFY(m.txtsay2->Text().contains(u" - CHAT - Bob: anyone up for sd?"_qs));
        QVERIFY(!m.txtsay2->Text().contains(u"cvars"_qs));
        m.Image11_Click();
        QTRY_VERIFY(!f.clientRunning());
        QCOMPARE(fx.fake.system.endCalls, 1);
    }
};

QTEST_MAIN(TstUconLog)
#include "tst_ucon_log.moc"
