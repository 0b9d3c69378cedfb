// The settings page: the ping label's two delayed commands, and the map rotation frame (its lists, "Add",
// "Clear", the rotation typed by hand, and "Send" with the rotations it refuses).
#include "gui/main/main_window.h"

#include "support/page_console.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

class TstSettingsPage : public QObject {
    Q_OBJECT
private slots:
    // The minimum leaves at once and the notice shows before the maximum, which follows on the second
    // tick; in Daemon mode both copies reach the daemon before the notice.
    void pingOrder_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<QByteArray>>("daemonAtNotice");
        QTest::newRow("rcon") << u"0"_s << QList<QByteArray>();
        QTest::newRow("daemon") << u"1"_s << QList<QByteArray>{"bob - sv_minping 0", "bob - sv_maxping 300"};
    }
    void pingOrder() {
        QFETCH(QString, mode);
        QFETCH(QList<QByteArray>, daemonAtNotice);
        PageConsole c(mode);
        QList<QByteArray> atNotice, daemon;
        c.fx.fake.dialogs.whileOpen = [&] {
            atNotice = c.sent();
            daemon = c.tcp->sent;
        };
        c.click(c.main.Label58);
        QCOMPARE(atNotice, rcon({"sv_minping 0"}));
        QCOMPARE(daemon, daemonAtNotice);
        QVERIFY(c.main.Timer2->Enabled());
        c.ticks(1);
        QCOMPARE(c.sent(), rcon({"sv_minping 0"}));
        c.ticks(1);
        QCOMPARE(c.sent(), rcon({"sv_minping 0", "sv_maxping 300"}));
        QVERIFY(!c.main.Timer2->Enabled());
        QCOMPARE(c.main.LastCommand, u"sv_maxping 300"_s);
    }

    // ---- The map rotation frame ----

    void rotationAdd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("gameType");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("shown");
        const QStringList missing{u"msg 64 [TORVANEX] Please select both map and gametype!"_s};
        QTest::newRow("first entry") << QString() << u"mp_castle"_s << u"tdm"_s
                                     << u"gametype tdm map mp_castle"_s << QStringList();
        QTest::newRow("next entry") << u"gametype tdm map mp_castle"_s << u"mp_dome"_s << u"dom"_s
                                    << u"gametype tdm map mp_castle gametype dom map mp_dome"_s
                                    << QStringList();
        QTest::newRow("only the map") << u"x"_s << u"mp_dome"_s << QString() << u"x"_s << missing;
        QTest::newRow("only the game type") << QString() << QString() << u"sd"_s << QString() << missing;
        QTest::newRow("nothing picked") << QString() << QString() << QString() << QString() << missing;
    }
    void rotationAdd() {
        QFETCH(QString, text);
        QFETCH(QString, map);
        QFETCH(QString, gameType);
        QFETCH(QString, after);
        QFETCH(QStringList, shown);
        PageConsole c;
        c.main.Text12->setText(text);
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(map));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(gameType));
        c.click(c.main.Label39);
        QCOMPARE(c.main.Text12->Text(), after);
        QCOMPARE(c.boxes(), shown);
        QCOMPARE(c.sent(), QList<QByteArray>());
    }

    // The lists keep their picks: "Add" again appends the same pair; "Clear" starts over.
    void rotationBuiltClearedAndSent() {
        PageConsole c;
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(u"mp_castle"_s));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(u"tdm"_s));
        c.click(c.main.Label39);
        c.click(c.main.Label39);
        QCOMPARE(c.main.Text12->Text(), u"gametype tdm map mp_castle gametype tdm map mp_castle"_s);
        c.click(c.main.Label40);
        QCOMPARE(c.main.Text12->Text(), QString());
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [Maps] Please add a map rotation first!"_s});
        QCOMPARE(c.sent(), QList<QByteArray>());
        c.click(c.main.Label39);
        c.main.Combo1->setCurrentIndex(c.main.Combo1->findText(u"mp_dome"_s));
        c.main.Combo2->setCurrentIndex(c.main.Combo2->findText(u"dom"_s));
        c.click(c.main.Label39);
        c.click(c.main.Label41);
        QCOMPARE(c.sent(),
                 rcon({"set sv_mapRotation \"gametype tdm map mp_castle gametype dom map mp_dome\""}));
        QCOMPARE(c.main.Text12->Text(), u"gametype tdm map mp_castle gametype dom map mp_dome"_s);
    }

    // Text12 is editable: what the administrator types goes between the quotes as typed, blanks included,
    // but each line break as one blank (the server would stop reading at the first one).
    void rotationTypedByHand_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::newRow("blanks only") << u"   "_s << rcon({"set sv_mapRotation \"   \""});
        QTest::newRow("two lines") << u"gametype sd\nmap mp_makin"_s
                                   << rcon({"set sv_mapRotation \"gametype sd map mp_makin\""});
    }
    void rotationTypedByHand() {
        QFETCH(QString, typed);
        QFETCH(QList<QByteArray>, sent);
        PageConsole c;
        c.main.Image7_Click();
        c.main.Text12->setFocus();
        const QStringList lines = typed.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(c.main.Text12, Qt::Key_Return);
            QTest::keyClicks(c.main.Text12, lines[i]);
        }
        c.click(c.main.Label41);
        QCOMPARE(c.sent(), sent);
    }

    // A rotation that would break out of its quotes, or that no datagram holds, is refused with a box:
    // nothing leaves, neither to the server nor as a copy to the daemon, and the terminal shows nothing.
    void rotationRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a quote") << u"gametype sd map mp_makin\"; quit; \""_s
                                 << u"msg 64 [TORVANEX] The map rotation holds a '\"', which would end the "
                                    u"quoted rotation early, so nothing was sent."_s;
        QTest::newRow("too long")
            << QString(65475, u'x')
            << u"msg 64 [TORVANEX] The map rotation is too long: with the command and the rcon password it "
               u"does not fit in one datagram of 65507 bytes, so nothing was sent."_s;
    }
    void rotationRefused() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        PageConsole c(u"1"_s);
        const QString terminal = c.main.txtOutput->Text();
        c.main.Text12->setText(text);
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList{shown});
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.tcp->sent, QList<QByteArray>());
        QCOMPARE(c.main.txtOutput->Text(), terminal);
        QCOMPARE(c.main.Text12->Text(), text);
    }

    // The longest rotation that fits leaves as one datagram of the largest size.
    void longestRotationIsSent() {
        PageConsole c;
        const QByteArray text(65474, 'x');
        c.main.Text12->setText(QString::fromLatin1(text));
        c.click(c.main.Label41);
        QCOMPARE(c.boxes(), QStringList());
        QCOMPARE(c.sent(), rcon({"set sv_mapRotation \"" + text + '"'}));
        QCOMPARE(c.sent()[0].size(), 65507);
    }
};

QTEST_MAIN(TstSettingsPage)
#include "tst_settings_page.moc"
