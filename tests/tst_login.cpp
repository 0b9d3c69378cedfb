// The login window: design state, the mode switch, "Connect" in RCON mode with the UCON configuration,
// the saved server profiles and "Quit".
#include "gui/login_window.h"
#include "gui/main/main_window.h"

#include "support/fake_platform.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

void fillRcon(Form4& w) {
    w.Text4->setText(u"127.0.0.1"_s);
    w.Text5->setText(u"28960"_s);
    w.Text6->setText(u"pw"_s);
}

} // namespace

class TstLogin : public QObject {
    Q_OBJECT
private slots:
    void freshStartIsRconMode() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        QCOMPARE(w.windowTitle(), u"     Torvanex"_s);
        QVERIFY(w.Option2->isChecked());
        QVERIFY(w.Text6->isEnabled());
        QVERIFY(!w.Text3->isEnabled() && !w.Text9->isEnabled() && !w.Text1->isEnabled() &&
                !w.Text2->isEnabled());
        QVERIFY(!w.Combo1->isEnabled());
        QVERIFY(!w.Command3->isEnabled());
        QVERIFY(w.Command1->isEnabled());
        QCOMPARE(w.Text7->text(), u"55556"_s);
        QCOMPARE(w.statusz, u"none"_s);
        QCOMPARE(w.Text6->echoMode(), QLineEdit::Password);
        QCOMPARE(w.Combo1->count(), 3);
        QCOMPARE(w.Combo1->itemText(2), u"poweradmin"_s);
        QCOMPARE(w.loadItems.size(), 10);
        QCOMPARE(w.loadItems[0]->objectName(), u"LoadServer1"_s);
        QCOMPARE(w.loadItems[3]->objectName(), u"ls4"_s);
        QCOMPARE(w.saveItems[9]->text(), u"Save Server 10"_s);
        QCOMPARE(w.loadItems[9]->text(), u"Load Server 10"_s);
    }

    void modeSwitchBothWays() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        w.Text4->setText(u"kept"_s);
        for (int round = 0; round < 2; ++round) {
            w.Option1->click();
            QVERIFY(w.Text3->isEnabled() && w.Text9->isEnabled() && w.Text1->isEnabled() &&
                    w.Text2->isEnabled());
            QVERIFY(w.Combo1->isEnabled());
            QVERIFY(!w.Text6->isEnabled());
            QVERIFY(w.Command3->isEnabled());
            QVERIFY(!w.Command1->isEnabled());
            QCOMPARE(w.Text3->palette().color(QPalette::Base), QColor(255, 255, 255));
            w.Option2->click();
            QVERIFY(!w.Text3->isEnabled());
            QVERIFY(w.Text6->isEnabled());
            QVERIFY(!w.Command3->isEnabled());
            QVERIFY(w.Command1->isEnabled());
            QVERIFY(w.Text4->isEnabled() && w.Text5->isEnabled() && w.Text7->isEnabled());
            QCOMPARE(w.Text6->palette().color(QPalette::Base), QColor(255, 255, 255));
        }
        QCOMPARE(w.Text4->text(), u"kept"_s);
    }

    void connectHandsOverAndWritesTheUconFiles() {
        WindowsFixture fx;
        const QString folder = fx.fake.folder();
        QVERIFY(writeFile(folder + u"/pbucon.log"_s, "old log"));
        QVERIFY(writeFile(folder + u"/codwaw.ini"_s,
                          "a much longer old configuration that must not survive\r\n"));
        Form4& w = Forms::get<Form4>();
        w.Show();
        fillRcon(w);
        w.Command1->click();
        QVERIFY(fx.fake.dialogs.shown.isEmpty());
        Main& m = Forms::get<Main>();
        QVERIFY(m.isVisible());
        QVERIFY(!Forms::isLoaded<Form4>());
        QCOMPARE(m.Text3->text(), u"127.0.0.1"_s);
        QCOMPARE(m.Text4->text(), u"28960"_s);
        QCOMPARE(m.RconPassword, u"pw"_s);
        QCOMPARE(m.DaemonMode, u"0"_s);
        QCOMPARE(m.Text40, u"192.168.1.20"_s);
        QCOMPARE(m.Text41, u"TORVANEX-192.168.1.20"_s);
        QCOMPARE(fx.fake.udp()->sent.size(), 1);
        QVERIFY(!QFile::exists(folder + u"/pbucon.log"_s));
        QCOMPARE(readFile(folder + u"/codwaw.ini"_s),
                 QByteArray(
                     "server=127.0.0.1:28960\r\nmyaddr=192.168.1.20:55556\r\nlogin=TORVANEX-192.168.1.20\r\n"
                     "password=") +
                     m.Text42.toLatin1() + "\r\n");
    }

    void missingFieldsAreReportedAfterTheUconFileIsWritten() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        fillRcon(w);
        w.Text7->clear();
        w.Command1->click();
        QCOMPARE(fx.fake.dialogs.texts(),
                 QStringList{u"Please type Server IP , Port , UCON Port and Rcon password"_s});
        QCOMPARE(fx.fake.dialogs.shown[0].style, mb::Information);
        QCOMPARE(fx.fake.dialogs.shown[0].title, QString());
        QVERIFY(Forms::isLoaded<Form4>());
        QVERIFY(!Forms::get<Main>().isVisible());
        QVERIFY(readFile(fx.fake.folder() + u"/codwaw.ini"_s)
                    .startsWith("server=127.0.0.1:28960\r\nmyaddr=192.168.1.20:\r\n"));
    }

    void failedConnectKeepsTheLoginWindow() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        w.Show();
        fillRcon(w);
        w.Text5->setText(u"port"_s);
        w.Command1->click();
        QCOMPARE(fx.fake.dialogs.shown.value(0).title, u"Error nº: 13"_s);
        QVERIFY(Forms::isLoaded<Form4>());
        QVERIFY(Forms::get<Form4>().isVisible());
        QVERIFY(!Forms::get<Main>().isVisible());
    }

    void unwritableFolderIsReported() {
        WindowsFixture fx;
        fx.fake.system.folder = fx.fake.folder() + u"/missing"_s;
        Form4& w = Forms::get<Form4>();
        fillRcon(w);
        w.Command1->click();
        QCOMPARE(fx.fake.dialogs.shown.value(0).title, u"Error 76"_s);
        QCOMPARE(fx.fake.dialogs.shown.value(0).style, mb::Exclamation);
        QVERIFY(Forms::get<Main>().isVisible()); // the login goes on
    }

    void uconIniIsPrivateAndNeverWrittenThroughALink_data() {
        QTest::addColumn<QString>("before"); // what stands at the path
        QTest::newRow("nothing") << u"nothing"_s;
        QTest::newRow("a file readable by all") << u"file"_s;
        QTest::newRow("a link to another file") << u"link"_s;
    }

    void uconIniIsPrivateAndNeverWrittenThroughALink() {
        QFETCH(QString, before);
        WindowsFixture fx;
        const QString ini = fx.fake.folder() + u"/codwaw.ini"_s;
        const QString other = fx.fake.folder() + u"/other.cfg"_s;
        QVERIFY(writeFile(other, "somebody else's file\n"));
        if (before == u"file") {
            QVERIFY(writeFile(ini, "old\r\n"));
            QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                   QFile::ReadOther));
        } else if (before == u"link") {
            QVERIFY(QFile::link(other, ini));
        }
        const mode_t mask = ::umask(022); // the usual mask, which leaves new files readable by all
        Form4& w = Forms::get<Form4>();
        w.Text8 = u"server=127.0.0.1:28960\r\npassword=secret"_s;
        w.SaveUCONIni(ini);
        ::umask(mask);
        QVERIFY(fx.fake.dialogs.shown.isEmpty());
        QCOMPARE(readFile(other), QByteArray("somebody else's file\n"));
        const QFileInfo written(ini);
        QVERIFY(!written.isSymLink());
        QCOMPARE(readFile(ini), QByteArray("server=127.0.0.1:28960\r\npassword=secret\r\n"));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(written.permissions() & (others | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
                 QFile::ReadOwner | QFile::WriteOwner);
        // Nothing is left beside it.
        QCOMPARE(QDir(fx.fake.folder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void daemonConnectBeforeAnyLevelIsDenied() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        w.Option1->click();
        w.Text1->setText(u"bob"_s);
        w.Command1->setEnabled(true);
        w.Command1->click();
        QCOMPARE(fx.fake.dialogs.texts(),
                 QStringList{u"Access Denied to bob : Check is password, username and level are correct!"_s});
        QVERIFY(!w.Command1->isEnabled());
    }

    void profiles() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        // A profile never saved loads empty fields and the UCON port 55555.
        w.Text4->setText(u"x"_s);
        w.LoadServer(3);
        QCOMPARE(w.Text4->text(), QString());
        QCOMPARE(w.Text7->text(), u"55555"_s);
        w.Text1->setText(u"bob"_s);
        w.Text4->setText(u"10.0.0.1"_s);
        w.Combo1->setEditText(u"admin"_s);
        fx.fake.dialogs.inputAnswers << u"Home"_s;
        w.SaveServer(3);
        QCOMPARE(fx.fake.dialogs.shown[0].text, u"Please enter a name for the server"_s);
        QCOMPARE(fx.fake.dialogs.shown[0].title, u"TORVANEX - ADD SERVER"_s);
        QCOMPARE(fx.fake.dialogs.shown[0].defaultText, u"New Server"_s);
        QCOMPARE(fx.fake.settings.get(u"[LOGIN3]"_s, u"Levelz"_s, {}), u"admin"_s);
        // Ten keys, one write of the file.
        QCOMPARE(fx.fake.settings.writes.size(), 10);
        QCOMPARE(fx.fake.settings.saves, 1);
        // Captions are read again only when the window loads again.
        QCOMPARE(w.loadItems[2]->text(), u"Load Server 3"_s);
        fx.fake.dialogs.inputAnswers << QString(); // Cancel saves nothing
        w.SaveServer(4);
        QCOMPARE(fx.fake.settings.saves, 1);
        Forms::unload<Form4>();
        Form4& again = Forms::get<Form4>();
        QCOMPARE(again.loadItems[2]->text(), u"Home"_s);
        QCOMPARE(again.loadItems[3]->text(), u"Load Server 4"_s);
        QCOMPARE(again.loadItems[4]->text(), u"Load Server 5"_s);
        again.LoadServer(3);
        QCOMPARE(again.Text1->text(), u"bob"_s);
        QCOMPARE(again.Text4->text(), u"10.0.0.1"_s);
        QCOMPARE(again.Combo1->currentText(), u"admin"_s);
        QVERIFY(again.Option2->isChecked()); // loading switches no mode
    }

    void saveServerWithoutNameSavesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Cancel") << QString();
        QTest::newRow("blanks only") << u"   "_s;
        QTest::newRow("tab and blank") << u"\t "_s;
    }

    void saveServerWithoutNameSavesNothing() {
        QFETCH(QString, name);
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        w.Text4->setText(u"10.0.0.1"_s);
        fx.fake.dialogs.inputAnswers << u"Home"_s;
        w.SaveServer(2);
        const QHash<QString, QString> saved = fx.fake.settings.values;
        w.Text4->setText(u"10.0.0.99"_s);
        w.Text1->setText(u"someone"_s);
        fx.fake.dialogs.inputAnswers << name;
        w.SaveServer(2);
        QCOMPARE(fx.fake.dialogs.shown.size(), 2);
        // The saved profile keeps its name and every field.
        QCOMPARE(fx.fake.settings.values, saved);
        QCOMPARE(fx.fake.settings.get(u"[LOGIN2]"_s, u"Name"_s, {}), u"Home"_s);
        QCOMPARE(fx.fake.settings.get(u"[LOGIN2]"_s, u"IPAddress"_s, {}), u"10.0.0.1"_s);
    }

    void quitEndsTheProgram() {
        WindowsFixture fx;
        Form4& w = Forms::get<Form4>();
        fx.fake.tcp()->currentState = sock::Connected;
        w.Command2->click();
        QCOMPARE(fx.fake.system.endCalls, 1);
        QCOMPARE(fx.fake.tcp()->state(), sock::Closed);
    }
};

QTEST_MAIN(TstLogin)
#include "tst_login.moc"
