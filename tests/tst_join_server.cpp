// "Join Server": the game client's start (its arguments, wine or not, its working folder), the "Config!"
// path, and the configuration window (its load, "...", Save, Cancel, and its text file operations).
#include "core/text/text_file.h"
#include "core/text/text_util.h"
#include "core/tools/game_launch.h"

#include "gui/join_server_window.h"
#include "gui/main/main_window.h"

#include "support/console_fixture.h"
#include "support/core_values.h"
#include "support/fake_platform.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

const QString kWine = u"/usr/bin/wine"_s;

// The console as the login hands it over, not connected: server address and port in its boxes, the
// client's settings read at its load.
struct Console : ConsoleFixture {
    Console() : ConsoleFixture(u"0"_s, {}, Timers::Running, Connection::NotConnected) {
        main.Text3->setText(u"203.0.113.17"_s);
    }
    QString dir() const { return fx.fake.folder(); }
};

} // namespace

class TstJoinServer : public QObject {
    Q_OBJECT
private slots:
    // "<dir>" in a path stands for a folder that exists; "<dir>/bin" exists too.
    void launch_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("wineOnPath");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("workingFolder");

        const QStringList connect{u"+connect"_s, u"203.0.113.17:28960"_s, u"+password"_s};
        const QString client = u"<dir>/CoDWaWmp.exe"_s;
        QTest::newRow("usual client, wine")
            << client << u"s3cret"_s << true << kWine
            << QStringList{client} + connect + QStringList{u"s3cret"_s} << u"<dir>/"_s;
        QTest::newRow("usual client, no wine")
            << client << u"s3cret"_s << false << client << connect + QStringList{u"s3cret"_s} << u"<dir>/"_s;
        QTest::newRow("empty password stays an argument")
            << client << QString() << false << client << connect + QStringList{QString()} << u"<dir>/"_s;
        QTest::newRow("password with blanks is one argument")
            << client << u"a b  c"_s << false << client << connect + QStringList{u"a b  c"_s} << u"<dir>/"_s;
        QTest::newRow("upper-case extension, wine")
            << u"<dir>/bin/CODWAW.EXE"_s << u"pw"_s << true << kWine
            << QStringList{u"<dir>/bin/CODWAW.EXE"_s} + connect + QStringList{u"pw"_s} << u"<dir>/bin"_s;
        // Any other file name leaves a working folder that is not a folder: the executable's own folder.
        QTest::newRow("other file name")
            << u"<dir>/bin/iw3mp.exe"_s << u"pw"_s << false << u"<dir>/bin/iw3mp.exe"_s
            << connect + QStringList{u"pw"_s} << u"<dir>/bin"_s;
        QTest::newRow("usual name in other case")
            << u"<dir>/codwawmp.exe"_s << u"pw"_s << false << u"<dir>/codwawmp.exe"_s
            << connect + QStringList{u"pw"_s} << u"<dir>"_s;
        QTest::newRow("usual name also in the folder's name")
            << u"<dir>/CoDWaWmp.exe.d/CoDWaWmp.exe"_s << u"pw"_s << false
            << u"<dir>/CoDWaWmp.exe.d/CoDWaWmp.exe"_s << connect + QStringList{u"pw"_s}
            << u"<dir>/CoDWaWmp.exe.d"_s;
        QTest::newRow("not a Windows program, wine there")
            << u"<dir>/bin/codwaw.sh"_s << u"pw"_s << true << u"<dir>/bin/codwaw.sh"_s
            << connect + QStringList{u"pw"_s} << u"<dir>/bin"_s;
    }

    void launch() {
        QFETCH(QString, path);
        QFETCH(QString, password);
        QFETCH(bool, wineOnPath);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, workingFolder);
        Console c;
        QVERIFY(QDir(c.dir()).mkpath(u"bin"_s));
        auto here = [&](QString s) { return s.replace(u"<dir>"_s, c.dir()); };
        if (wineOnPath)
            c.fx.fake.shell.onPath.insert(u"wine"_s, kWine);
        c.main.txtiw3mp = here(path);
        c.main.txtserverpass = password;
        QTest::mouseClick(c.main.Label91, Qt::LeftButton);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 0);
        QCOMPARE(c.fx.fake.shell.started.size(), 1);
        const FakeShell::Started s = c.fx.fake.shell.started[0];
        QCOMPARE(s.program, here(program));
        for (QString& a : arguments)
            a = here(a);
        QCOMPARE(s.arguments, arguments);
        QCOMPARE(s.workingFolder, here(workingFolder));
        QVERIFY(!s.hidden);
    }

    // The game reads its command line as console commands: a value that would start one of its own is
    // refused, the first such field named.
    void launchRefusal_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("password");
        QTest::addColumn<LaunchRefusal>("refusal");
        const QString a = u"203.0.113.17"_s;
        const QString p = u"28960"_s;
        QTest::newRow("plain") << a << p << u"s3cret"_s << LaunchRefusal::None;
        QTest::newRow("empty password") << a << p << QString() << LaunchRefusal::None;
        QTest::newRow("blanks, colons and other marks")
            << u"game.example.org"_s << p << u" a:b-c/d\\e^1'f\u00e9 "_s << LaunchRefusal::None;
        QTest::newRow("everything empty") << QString() << QString() << QString() << LaunchRefusal::None;
        QTest::newRow("semicolon") << a << p << u"x;quit"_s << LaunchRefusal::Password;
        QTest::newRow("plus") << a << p << u"x+quit"_s << LaunchRefusal::Password;
        QTest::newRow("quote") << a << p << u"x\"quit"_s << LaunchRefusal::Password;
        QTest::newRow("CR") << a << p << u"x\rquit"_s << LaunchRefusal::Password;
        QTest::newRow("LF") << a << p << u"x\nquit"_s << LaunchRefusal::Password;
        QTest::newRow("tab") << a << p << u"x\tquit"_s << LaunchRefusal::Password;
        QTest::newRow("NUL") << a << p << QString(u"x\0quit"_s) << LaunchRefusal::Password;
        QTest::newRow("DEL") << a << p << u"x\x7fquit"_s << LaunchRefusal::Password;
        QTest::newRow("C1 control") << a << p << u"x\u0085quit"_s << LaunchRefusal::Password;
        QTest::newRow("address") << u"203.0.113.17;quit"_s << p << u"s3cret"_s << LaunchRefusal::Address;
        QTest::newRow("port") << a << u"28960 +quit"_s << u"s3cret"_s << LaunchRefusal::Port;
        QTest::newRow("every field: the address first")
            << u"a;b"_s << u"1+2"_s << u"x;quit"_s << LaunchRefusal::Address;
        QTest::newRow("port before password") << a << u"\n"_s << u"x;quit"_s << LaunchRefusal::Port;
        // Code page 1252's own characters reach the game as typed; any other would not, and a look-alike
        // would reach it as the character it resembles.
        QTest::newRow("code page letters") << a << p << u"p\u00e4ssw\u00f6rd"_s << LaunchRefusal::None;
        QTest::newRow("code page signs")
            << a << p << u"\u20ac\u00fa\u2122\u0178\u00ff"_s << LaunchRefusal::None;
        QTest::newRow("fullwidth plus") << a << p << u"x\uff0bquit"_s << LaunchRefusal::Password;
        QTest::newRow("fullwidth semicolon") << a << p << u"x\uff1bquit"_s << LaunchRefusal::Password;
        QTest::newRow("fullwidth quote") << a << p << u"x\uff02quit"_s << LaunchRefusal::Password;
        QTest::newRow("Greek question mark") << a << p << u"x\u037equit"_s << LaunchRefusal::Password;
        QTest::newRow("Chinese") << a << p << u"\u5bc6\u7801"_s << LaunchRefusal::Password;
        QTest::newRow("outside the plane") << a << p << u"x\U0001F600"_s << LaunchRefusal::Password;
        QTest::newRow("undefined byte's code: a control character")
            << a << p << u"x\u0081"_s << LaunchRefusal::Password;
        QTest::newRow("fullwidth in the address")
            << u"203.0.113.17\uff1bquit"_s << p << u"s3cret"_s << LaunchRefusal::Address;
        QTest::newRow("fullwidth digit in the port")
            << a << u"2896\uff10"_s << u"s3cret"_s << LaunchRefusal::Port;
    }
    void launchRefusal() {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, password);
        QFETCH(LaunchRefusal, refusal);
        QCOMPARE(tvx::launchRefusal(address, port, password), refusal);
    }

    // The box names the field, and nothing is started.
    void launchRefused_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("text");
        const QString rest =
            u" holds a ';', '+', '\"', line break, tab or other control character, which the "
            u"game would read as a command of its own, or a character outside code page 1252, which the game "
            u"would not get as typed, so the game was not started."_s;
        QTest::newRow("password") << u"203.0.113.17"_s << u"28960"_s << u"x;quit"_s
                                  << u"The server password"_s + rest;
        QTest::newRow("address") << u"203.0.113.17\tquit"_s << u"28960"_s << u"pw"_s
                                 << u"The server address"_s + rest;
        QTest::newRow("port") << u"203.0.113.17"_s << u"28960+quit"_s << u"pw"_s
                              << u"The server port"_s + rest;
        QTest::newRow("fullwidth plus in the password")
            << u"203.0.113.17"_s << u"28960"_s << u"x\uff0bquit"_s << u"The server password"_s + rest;
    }
    void launchRefused() {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, password);
        QFETCH(QString, text);
        Console c;
        c.fx.fake.shell.onPath.insert(u"wine"_s, kWine);
        c.main.txtiw3mp = c.dir() + u"/CoDWaWmp.exe"_s;
        c.main.Text3->setText(address);
        c.main.Text4->setText(port);
        c.main.txtserverpass = password;
        QTest::mouseClick(c.main.Label91, Qt::LeftButton);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
        const ShownBox box = c.fx.fake.dialogs.shown[0];
        QCOMPARE(box.text, text);
        QCOMPARE(box.style, mb::Information);
        QCOMPARE(box.title, u"TORVANEX"_s);
        QVERIFY(c.fx.fake.shell.started.isEmpty());
        QVERIFY(!Forms::isLoaded<joinserverconfig>());
    }

    void launchWithoutPathAsksForTheConfiguration() {
        Console c;
        // What the settings hold is read at the console's load only.
        c.fx.fake.settings.set(u"[Configs]"_s, u"Path"_s, u"/games/CoDWaWmp.exe"_s);
        QTest::mouseClick(c.main.Label91, Qt::LeftButton);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
        const ShownBox box = c.fx.fake.dialogs.shown[0];
        QCOMPARE(box.text, u"You need to config this first!"_s);
        QCOMPARE(box.style, mb::Critical);
        QCOMPARE(box.title, u"Config!"_s);
        QVERIFY(c.fx.fake.shell.started.isEmpty());
        const joinserverconfig* w = Forms::ifLoaded<joinserverconfig>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->Text1->text(), QString());

        // A path of blanks counts as set.
        Forms::unload<joinserverconfig>();
        c.main.txtiw3mp = u"  "_s;
        QTest::mouseClick(c.main.Label91, Qt::LeftButton);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
        QCOMPARE(c.fx.fake.shell.started.size(), 1);
        QCOMPARE(c.fx.fake.shell.started[0].program, u"  "_s);
    }

    void configWindowDesign() {
        Console c;
        QTest::mouseClick(c.main.Label92, Qt::LeftButton);
        joinserverconfig* w = Forms::ifLoaded<joinserverconfig>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), u"Join Server Configuration"_s);
        QCOMPARE(w->size(), QSize(303, 201)); // 4545 x 3015 twips
        struct Place {
            const char16_t* name;
            const char16_t* parent;
            const char16_t* caption;
            QRect rect;
        };
        const Place places[] = {
            {u"Frame1", u"joinserverconfig", u"", {8, 0, 289, 161}},
            {u"Frame2", u"Frame1", u"Call of Duty World at War Location", {8, 16, 273, 57}},
            {u"Label1", u"Frame2", u"Please select the CoDWaW.exe from COD Folder:", {8, 16, 257, 17}},
            {u"Text1", u"Frame2", u"", {8, 32, 225, 19}},
            {u"Command1", u"Frame2", u"...", {240, 32, 25, 17}},
            {u"Frame3", u"Frame1", u"Passworded Server (optional)", {8, 80, 273, 65}},
            {u"Label2", u"Frame3", u"Add here the password for the passworded server", {8, 16, 257, 17}},
            {u"Text2", u"Frame3", u"", {8, 32, 257, 19}},
            {u"Command2", u"joinserverconfig", u"Save", {104, 168, 105, 25}},
            {u"Command3", u"joinserverconfig", u"Cancel", {216, 168, 81, 25}},
        };
        for (const Place& p : places) {
            const QString name = QString::fromUtf16(p.name);
            QWidget* control = w->findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            QCOMPARE(control->parentWidget()->objectName(), QString::fromUtf16(p.parent));
            QCOMPARE(control->geometry(), p.rect);
            QString caption;
            if (auto* f = qobject_cast<QGroupBox*>(control))
                caption = f->title();
            else if (auto* b = qobject_cast<QPushButton*>(control))
                caption = b->text();
            else if (auto* l = qobject_cast<QLabel*>(control))
                caption = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(control))
                caption = e->text();
            QCOMPARE(caption, QString::fromUtf16(p.caption));
        }
        QCOMPARE(w->Text2->echoMode(), QLineEdit::Normal);
    }

    void configWindowShowsWhatTheConsoleHolds() {
        Console c;
        c.fx.fake.settings.set(u"[Configs]"_s, u"Path"_s, u"/stored/CoDWaWmp.exe"_s);
        c.main.txtiw3mp = u"/held/CoDWaWmp.exe"_s;
        c.main.txtserverpass = u"held"_s;
        c.main.Label92_Click();
        joinserverconfig& w = Forms::get<joinserverconfig>();
        QCOMPARE(w.Text1->text(), u"/held/CoDWaWmp.exe"_s);
        QCOMPARE(w.Text2->text(), u"held"_s);
    }

    void browseThenSave() {
        Console c;
        c.main.Label92_Click();
        joinserverconfig& w = Forms::get<joinserverconfig>();
        c.fx.fake.dialogs.fileAnswers << u"/games/cod/CoDWaWmp.exe"_s;
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
        const ShownBox box = c.fx.fake.dialogs.shown[0];
        QCOMPARE(box.kind, u"file"_s);
        QCOMPARE(box.title, u"Select the codwaw.exe"_s);
        QCOMPARE(box.defaultText, u"File Type (*.exe)"_s);
        QCOMPARE(box.folder, c.fx.fake.system.currentFolder());
        QCOMPARE(w.Text1->text(), u"/games/cod/CoDWaWmp.exe"_s);
        w.Text2->setText(u"clan"_s);
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded<joinserverconfig>());
        QCOMPARE(c.fx.fake.settings.get(u"[Configs]"_s, u"Path"_s, u"<none>"_s),
                 u"/games/cod/CoDWaWmp.exe"_s);
        QCOMPARE(c.fx.fake.settings.get(u"[Configs]"_s, u"ServerPass"_s, u"<none>"_s), u"clan"_s);
        QCOMPARE(c.fx.fake.settings.saves, 1); // both keys in one write
        QCOMPARE(c.main.txtiw3mp, u"/games/cod/CoDWaWmp.exe"_s);
        QCOMPARE(c.main.txtserverpass, u"clan"_s);
        // Opened again, it shows what was saved.
        c.main.Label92_Click();
        QCOMPARE(Forms::get<joinserverconfig>().Text2->text(), u"clan"_s);
    }

    void cancelledBrowseEmptiesThePath() {
        Console c;
        c.main.txtiw3mp = u"/games/cod/CoDWaWmp.exe"_s;
        c.main.Label92_Click();
        joinserverconfig& w = Forms::get<joinserverconfig>();
        w.Command1_Click(); // no answer: the dialog was cancelled
        QCOMPARE(w.Text1->text(), QString());
        w.Command2_Click();
        QCOMPARE(c.fx.fake.settings.get(u"[Configs]"_s, u"Path"_s, u"<none>"_s), QString());
        c.fx.fake.dialogs.shown.clear();
        c.main.Label91_Click();
        QCOMPARE(c.fx.fake.dialogs.texts(), QStringList{u"You need to config this first!"_s});
        QVERIFY(c.fx.fake.shell.started.isEmpty());
    }

    void cancelDiscardsEdits() {
        Console c;
        c.fx.fake.settings.set(u"[Configs]"_s, u"Path"_s, u"/games/CoDWaWmp.exe"_s);
        c.main.txtiw3mp = u"/games/CoDWaWmp.exe"_s;
        c.main.Label92_Click();
        joinserverconfig& w = Forms::get<joinserverconfig>();
        w.Text1->setText(u"/elsewhere/CoDWaWmp.exe"_s);
        w.Text2->setText(u"typed"_s);
        const QHash<QString, QString> stored = c.fx.fake.settings.values;
        QTest::mouseClick(w.Command3, Qt::LeftButton);
        QVERIFY(!Forms::isLoaded<joinserverconfig>());
        QCOMPARE(c.fx.fake.settings.values, stored);
        QCOMPARE(c.main.txtiw3mp, u"/games/CoDWaWmp.exe"_s);
        QCOMPARE(c.main.txtserverpass, QString());
    }

    void loadTextFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("CR LF lines") << QByteArray("one\r\ntwo\r\n") << u"one\r\ntwo"_s;
        QTest::newRow("no line end at the end") << QByteArray("one\r\ntwo") << u"one\r\ntwo"_s;
        QTest::newRow("a lone CR ends a line") << QByteArray("one\rtwo") << u"one\r\ntwo"_s;
        QTest::newRow("a lone LF stays in its line") << QByteArray("one\ntwo") << u"one\ntwo"_s;
        QTest::newRow("empty lines stay") << QByteArray("\r\none\r\n\r\ntwo") << u"\r\none\r\n\r\ntwo"_s;
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("Windows-1252") << QByteArray("C:\\Jeux\\\xe9t\xe9\\CoDWaWmp.exe\r\n")
                                      << u"C:\\Jeux\\\u00e9t\u00e9\\CoDWaWmp.exe"_s;
    }

    void loadTextFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Console c;
        joinserverconfig& w = Forms::get<joinserverconfig>();
        w.Text1->setText(u"before"_s);
        const QString path = c.dir() + u"/path.txt"_s;
        QVERIFY(writeFile(path, bytes));
        w.LoadTextFile(path);
        QCOMPARE(joinedFileLines(bytes), text);
        // The path box is a single-line box: it keeps the text's first line.
        QCOMPARE(w.Text1->text(), firstLine(text));
        QCOMPARE(w.TextFilePath, path);
    }

    void loadTextFileThatCannotBeReadChangesNothing() {
        Console c;
        joinserverconfig& w = Forms::get<joinserverconfig>();
        w.Text1->setText(u"before"_s);
        w.LoadTextFile(c.dir() + u"/missing.txt"_s);
        QCOMPARE(w.Text1->text(), u"before"_s);
        QCOMPARE(w.TextFilePath, QString());
        QVERIFY(c.fx.fake.dialogs.shown.isEmpty());
    }

    void loadTextFileReadsNoMoreThanTheBoxHolds() {
        Console c;
        joinserverconfig& w = Forms::get<joinserverconfig>();
        const QString path = c.dir() + u"/big.txt"_s;
        QVERIFY(writeFile(path, QByteArray(4 * 1024 * 1024, 'x')));
        w.LoadTextFile(path);
        QCOMPARE(w.Text1->text(), QString(w.Text1->maxLength(), u'x'));
    }

    void saveTextFile() {
        Console c;
        joinserverconfig& w = Forms::get<joinserverconfig>();
        const QString path = c.dir() + u"/out.txt"_s;
        QVERIFY(writeFile(path, QByteArray("a much longer text that is replaced\r\n")));
        w.Text1->setText(u"C:\\Jeux\\\u00e9t\u00e9\\CoDWaWmp.exe"_s);
        w.SaveTextFile(path);
        QCOMPARE(readFile(path), QByteArray("C:\\Jeux\\\xe9t\xe9\\CoDWaWmp.exe\r\n"));
        QVERIFY(c.fx.fake.dialogs.shown.isEmpty());
    }

    void saveTextFileFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("folder missing") << u"missing/out.txt"_s << u"Error 76"_s << u"Path not found"_s;
        QTest::newRow("a folder in the way") << u"sub"_s << u"Error 70"_s << u"Permission denied"_s;
        QTest::newRow("disk full") << u"/dev/full"_s << u"Error 61"_s << u"No space left on device"_s;
    }

    void saveTextFileFailures() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Console c;
        QVERIFY(QDir(c.dir()).mkpath(u"sub"_s));
        joinserverconfig& w = Forms::get<joinserverconfig>();
        w.Text1->setText(u"x"_s);
        w.SaveTextFile(name.startsWith(u'/') ? name : c.dir() + u'/' + name);
        QCOMPARE(c.fx.fake.dialogs.shown.size(), 1);
        const ShownBox box = c.fx.fake.dialogs.shown[0];
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, text);
        QCOMPARE(box.style, mb::Exclamation);
    }

    void pathOrFileAccessErrorIsSilent() {
        FakeDialogs dialogs;
        reportFileFailure(dialogs, {err::PathFileAccess, u"Path/File access error"_s});
        QVERIFY(dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TstJoinServer)
#include "tst_join_server.moc"
