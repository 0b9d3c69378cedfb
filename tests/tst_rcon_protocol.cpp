// The wire formats and the text rules of the link: datagrams, echo, reply cleaning and routing, the
// status table, the daemon's messages and the UCON configuration text.
#include "core/link/access_rules.h"
#include "core/link/daemon_protocol.h"
#include "core/link/rcon_protocol.h"
#include "core/link/status_parser.h"
#include "core/platform/errors.h"
#include "core/ucon/ucon_config.h"

#include "support/core_values.h"
#include "support/status_fixture.h"
#include "support/wire.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using tvx::test::replyDatagram;

namespace {
const QString q = u"\""_s;
} // namespace

class TstRconProtocol : public QObject {
    Q_OBJECT
private slots:
    void datagram_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << u"secret"_s << u"status"_s
                               << QByteArray("\xFF\xFF\xFF\xFFrcon secret status");
        QTest::newRow("empty password")
            << QString() << u"status"_s << QByteArray("\xFF\xFF\xFF\xFFrcon  status");
        QTest::newRow("empty command") << u"pw"_s << QString() << QByteArray("\xFF\xFF\xFF\xFFrcon pw ");
        QTest::newRow("blanks unchanged")
            << u"a b"_s << u"say  hi "_s << QByteArray("\xFF\xFF\xFF\xFFrcon a b say  hi ");
        QTest::newRow("code page") << u"p\u00fa"_s << u"say \u20ac"_s
                                   << QByteArray("\xFF\xFF\xFF\xFFrcon p\xFA say \x80");
    }
    void datagram() {
        QFETCH(QString, password);
        QFETCH(QString, command);
        QFETCH(QByteArray, bytes);
        QCOMPARE(buildRconDatagram(password, command), bytes);
    }

    void echoLine() {
        const QDateTime t(QDate(2026, 12, 8), QTime(9, 5, 7));
        QCOMPARE(consoleEchoLine(t, u"status"_s), u"\r\n[09:05:07] - /status\r\n"_s);
        QCOMPARE(consoleEchoLine(t, QString()), u"\r\n[09:05:07] - /\r\n"_s);
    }

    void port_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("number") << u"28960"_s << 28960 << 0;
        QTest::newRow("blanks") << u" 28960 "_s << 28960 << 0;
        QTest::newRow("letters") << u"abc"_s << 0 << err::InvalidPort;
        QTest::newRow("empty") << QString() << 0 << err::InvalidPort;
        QTest::newRow("too large") << u"99999999999"_s << 0 << err::PortOutOfRange;
    }
    void port() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, error);
        try {
            QCOMPARE(portFromText(text), value);
            QCOMPARE(error, 0);
        } catch (const PlatformError& e) {
            QCOMPARE(e.number(), error);
        }
    }

    void cleaning_data() {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("text");
        QTest::newRow("header and LF") << replyDatagram("a\nb\n") << u"a\r\nb\r\n"_s;
        QTest::newRow("CR LF becomes CR CR LF") << replyDatagram("a\r\n") << u"a\r\r\n"_s;
        QTest::newRow("no header") << QByteArray("x\n") << u"x\r\n"_s;
        QTest::newRow("colour seven and blank") << replyDatagram("Bob^7 x^7") << u"Bob   x^7"_s;
        QTest::newRow("header anywhere") << replyDatagram("a") + replyDatagram("b") << u"ab"_s;
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("random bytes") << QByteArray("\x00\xFE\xFF\n", 4) << u"\u0000\u00fe\u00ff\r\n"_s;
    }
    void cleaning() {
        QFETCH(QByteArray, datagram);
        QFETCH(QString, text);
        QCOMPARE(cleanReply(datagram), text);
    }

    void routes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<ReplyRoute::Kind>("kind");
        QTest::newRow("status") << u"status"_s << ReplyRoute::Kind::Status;
        QTest::newRow("Status is not status") << u"Status"_s << ReplyRoute::Kind::None;
        QTest::newRow("ban list") << u"pb_sv_banlist"_s << ReplyRoute::Kind::PbList;
        QTest::newRow("bad names") << u"PB_SV_BadNameList"_s << ReplyRoute::Kind::PbList;
        QTest::newRow("bad names lower case") << u"pb_sv_badnamelist"_s << ReplyRoute::Kind::None;
        QTest::newRow("serverinfo") << u"serverinfo"_s << ReplyRoute::Kind::Reader;
        QTest::newRow("systeminfo") << u"systeminfo"_s << ReplyRoute::Kind::Reader;
        QTest::newRow("vote") << u"g_allowvote"_s << ReplyRoute::Kind::OnOff;
        QTest::newRow("hostname") << u"sv_hostname"_s << ReplyRoute::Kind::HostName;
        QTest::newRow("hostname with value") << u"sv_hostname x"_s << ReplyRoute::Kind::None;
        QTest::newRow("mapname") << u"mapname"_s << ReplyRoute::Kind::MapName;
        QTest::newRow("say") << u"say hi"_s << ReplyRoute::Kind::None;
    }
    void routes() {
        QFETCH(QString, command);
        QFETCH(ReplyRoute::Kind, kind);
        ReplyRoute expected;
        expected.kind = kind;
        if (kind == ReplyRoute::Kind::OnOff)
            expected = {kind, u"Label80"_s, u"Label81"_s, false, {}, false};
        if (kind == ReplyRoute::Kind::HostName || kind == ReplyRoute::Kind::MapName)
            expected.caption = u"x"_s;
        QCOMPARE(routeReply(command, u"x"_s, q), expected);
    }

    void onOff_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("first");
        QTest::addColumn<bool>("firstBordered");
        // The second label of each pair is the one after the first on the window.
        QTest::newRow("vote on") << u"g_allowvote"_s
                                 << QByteArray(
                                        "\"g_allowVote\" is: \"1^7\" default: \"1^7\"\n  Domain is 0 or 1\n")
                                 << u"Label80"_s << true;
        QTest::newRow("vote off") << u"g_allowvote"_s
                                  << QByteArray(
                                         "\"g_allowVote\" is: \"0^7\" default: \"1^7\"\n  Domain is 0 or 1\n")
                                  << u"Label80"_s << false;
        QTest::newRow("default differs from the table")
            << u"sv_voice"_s << QByteArray("\"sv_voice\" is: \"1^7\" default: \"1^7\"\n  Domain is 0 or 1\n")
            << u"Label86"_s << false;
        QTest::newRow("voice on, default 0")
            << u"sv_voice"_s << QByteArray("\"sv_voice\" is: \"1^7\" default: \"0^7\"\n  Domain is 0 or 1\n")
            << u"Label86"_s << true;
        QTest::newRow("punkbuster")
            << u"sv_punkbuster"_s
            << QByteArray("\"sv_punkbuster\" is: \"1^7\" default: \"1^7\"\n  Domain is 0 or 1\n")
            << u"Label83"_s << true;
        QTest::newRow("team balance")
            << u"scr_teambalance"_s
            << QByteArray("\"scr_teambalance\" is: \"1^7\" default: \"1^7\"\n  Domain is 0 or 1\n")
            << u"Label89"_s << true;
    }
    void onOff() {
        QFETCH(QString, command);
        QFETCH(QByteArray, answer);
        QFETCH(QString, first);
        QFETCH(bool, firstBordered);
        const QString second = u"Label"_s + QString::number(first.mid(5).toInt() + 1);
        QCOMPARE(routeReply(command, cleanReply(replyDatagram(answer)), q),
                 (ReplyRoute{ReplyRoute::Kind::OnOff, first, second, firstBordered, {}, false}));
    }

    void hostAndMap_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("invalid");
        QTest::newRow("host") << u"sv_hostname"_s
                              << QByteArray("\"sv_hostname\" is: \"^1My ^2Server^7\" default: "
                                            "\"CoDWaWHost^7\"\n  Domain is any text\n")
                              << u"My Server"_s << false;
        QTest::newRow("host with colour seven and blank")
            << u"sv_hostname"_s
            << QByteArray("\"sv_hostname\" is: \"A^7 B^7\" default: \"CoDWaWHost^7\"\n  Domain is any text\n")
            << u"A   B"_s << false;
        QTest::newRow("default host name is empty")
            << u"sv_hostname"_s
            << QByteArray(
                   "\"sv_hostname\" is: \"CoDWaWHost^7\" default: \"CoDWaWHost^7\"\n  Domain is any text\n")
            << QString() << false;
        QTest::newRow("map") << u"mapname"_s
                             << QByteArray(
                                    "\"mapname\" is: \"mp_castle^7\" default: \"^7\"\n  Domain is any text\n")
                             << u"mp_castle"_s << false;
        QTest::newRow("wrong password")
            << u"mapname"_s << QByteArray("Invalid password.\n") << u"Invalid password."_s << true;
    }
    void hostAndMap() {
        QFETCH(QString, command);
        QFETCH(QByteArray, answer);
        QFETCH(QString, caption);
        QFETCH(bool, invalid);
        const auto kind = command == u"mapname" ? ReplyRoute::Kind::MapName : ReplyRoute::Kind::HostName;
        QCOMPARE(routeReply(command, cleanReply(replyDatagram(answer)), q),
                 (ReplyRoute{kind, {}, {}, false, caption, invalid}));
    }

    void pbList() {
        QCOMPARE(
            cleanPbList(u"^3PunkBuster Server: 1 Bob\r\n^5PunkBustr Server: x\r\n^7PunkBuster Server y"_s),
            u" 1 Bob\r\n x\r\n y"_s);
    }

    void statusCleanup() {
        const QString text = cleanReply(replyDatagram(
            "map: mp_airfield\n"
            "num score ping guid       name            lastmsg address               qport  rate\n"
            "--- ----- ---- ---------- --------------- ------- --------------------- ------ -----\n"
            "  0    12   48 1234567890 Bob^7                   0 10.0.0.5:28960         12345 25000\n"
            "\n"));
        // The window collapses the empty lines itself (RemoveBlanks): the stripping leaves them.
        QVERIFY(stripStatusWords(text).endsWith(u"\r\n\r\n"_s));
        const QString cleaned = cleanupStatus(text);
        QVERIFY(cleaned.startsWith(u"\r\n     \r\n"_s));
        QVERIFY(cleaned.endsWith(u"\r\n"_s));
        QVERIFY(!cleaned.contains(u"\r\n\r\n"_s));
        const QString player = cleaned.split(u"\r\n"_s).at(3);
        // The last-message digit and its blank go from the address.
        QCOMPARE(cutPlayerRow(player), (PlayerRow{u"Bob            "_s, u"   12"_s, u"  48"_s,
                                                  u"1234567890"_s, u"  0"_s, u"10.0.0.5:28960"_s}));
    }

    void playerRows_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ipPort");
        QTest::newRow("short line") << u"  3   "_s << QString() << QString();
        QTest::newRow("name only") << QString(26, u' ') + u"Alice"_s << u"Alice"_s << QString();
        QTest::newRow("zero blank removed")
            << QString(50, u' ') + u"0 0 5:1"_s << QString(15, u' ') << u"5:1"_s;
        // Lines that are not a player's keep the positional cut, whatever fields they end with.
        QTest::newRow("not a player") << u"Inv"_s + QString(47, u' ') + u"0 10.0.0.5:1 2 3"_s
                                      << QString(15, u' ') << u"10.0.0.5:1 2 3"_s;
        QTest::newRow("player with too few fields") << u"  3 1"_s << QString() << QString();
        QTest::newRow("address wider than its column")
            << u"  3     0   48 1234567890 Bob               0 "_s + QString(30, u'9') + u" 1 2"_s
            << u"Bob            "_s << QString(21, u'9');
    }
    void playerRows() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, ipPort);
        const PlayerRow r = cutPlayerRow(line);
        QCOMPARE(r.name, name);
        QCOMPARE(r.ipPort, ipPort);
    }

    // Player lines as the server pads them: the address is found whatever the name and lastmsg hold.
    void playerLineAddress_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("lastmsg");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QString>("shownName");
        QTest::newRow("plain") << QByteArray("Bob") << 0 << QByteArray("10.0.0.5:28960")
                               << u"Bob            "_s;
        QTest::newRow("full-width address")
            << QByteArray("Bob") << 0 << QByteArray("203.0.113.17:28960") << u"Bob            "_s;
        QTest::newRow("two-digit lastmsg")
            << QByteArray("Bob") << 50 << QByteArray("192.0.2.8:28960") << u"Bob            "_s;
        QTest::newRow("coloured name")
            << QByteArray("^1Al^2ice") << 0 << QByteArray("192.168.177.141:28960") << u"^1Al^2ice      "_s;
        QTest::newRow("blank in the name")
            << QByteArray("Big Bob") << 3 << QByteArray("10.1.2.3:28960") << u"Big Bob        "_s;
        QTest::newRow("name past its column") << QByteArray("^3AVeryLongPlayerName") << 9999
                                              << QByteArray("10.0.0.9:1") << u"^3AVeryLongPlay"_s;
        QTest::newRow("loopback") << QByteArray("Host") << 0 << QByteArray("loopback")
                                  << u"Host           "_s;
    }
    void playerLineAddress() {
        QFETCH(QByteArray, name);
        QFETCH(int, lastmsg);
        QFETCH(QByteArray, address);
        QFETCH(QString, shownName);
        test::StatusPlayer p{17, 5, "CNCT", "12345678", name, address, 2412, 25000, lastmsg};
        QString line = cleanReply(replyDatagram(test::statusLine(p)));
        line.chop(2); // CR LF
        const PlayerRow row = cutPlayerRow(line);
        QCOMPARE(row.slot, u" 17"_s);
        QCOMPARE(row.score, u"    5"_s);
        QCOMPARE(row.ping, u"CNCT"_s);
        QCOMPARE(row.guid, u"  12345678"_s);
        QCOMPARE(row.name, shownName);
        QCOMPARE(row.ipPort, QString::fromLatin1(address));
    }

    void playerSlot_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<bool>("player");
        QTest::newRow("padded") << u"  0"_s << true;
        QTest::newRow("three digits") << u"101"_s << true;
        QTest::newRow("blank after") << u"7  "_s << true;
        QTest::newRow("blanks") << u"   "_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("minus") << u" -1"_s << false;
        QTest::newRow("word") << u"Inv"_s << false;
        QTest::newRow("digit and letter") << u" 1a"_s << false;
        QTest::newRow("tab") << u"\t1"_s << false;
        QTest::newRow("other script's digit") << u"\u0663"_s << false;
    }
    void playerSlot() {
        QFETCH(QString, slot);
        QFETCH(bool, player);
        QCOMPARE(isPlayerSlot(slot), player);
    }

    void daemonMessages_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QString>("log");
        QTest::addColumn<DaemonMessage::Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("level") << u"admin"_s << u"0"_s << u"0"_s << DaemonMessage::Kind::LevelWord
                               << u"admin"_s;
        QTest::newRow("other case") << u"Admin"_s << u"0"_s << u"0"_s << DaemonMessage::Kind::Refusal
                                    << u"Admin"_s;
        QTest::newRow("trailing blank")
            << u"admin "_s << QString() << QString() << DaemonMessage::Kind::Refusal << u"admin "_s;
        QTest::newRow("password first")
            << u"ADDUSER x"_s << u"1"_s << u"1"_s << DaemonMessage::Kind::RconPassword << u"ADDUSER x"_s;
        QTest::newRow("log") << u"mp"_s << u"0"_s << u"1"_s << DaemonMessage::Kind::Log << u"mp"_s;
        QTest::newRow("adduser") << u"ADDUSER done"_s << u"0"_s << u"0"_s
                                 << DaemonMessage::Kind::AddUserNotice << u"done"_s;
        QTest::newRow("adduser alone")
            << u"ADDUSER"_s << u"0"_s << u"0"_s << DaemonMessage::Kind::AddUserNotice << u"ADDUSER"_s;
        QTest::newRow("adduser twice")
            << u"ADDUSER a ADDUSER b"_s << u"0"_s << u"0"_s << DaemonMessage::Kind::AddUserNotice << u"a b"_s;
        QTest::newRow("changercon") << u"CHANGERCON ok"_s << u"0"_s << u"0"_s
                                    << DaemonMessage::Kind::ChangeRconNotice << u"ok"_s;
    }
    void daemonMessages() {
        QFETCH(QString, message);
        QFETCH(QString, pass);
        QFETCH(QString, log);
        QFETCH(DaemonMessage::Kind, kind);
        QFETCH(QString, text);
        QCOMPARE(classifyDaemonMessage(message, pass, log), (DaemonMessage{kind, text}));
    }

    void hugeNoticeIsCapped_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<DaemonMessage::Kind>("kind");
        QTest::newRow("adduser") << u"ADDUSER "_s << DaemonMessage::Kind::AddUserNotice;
        QTest::newRow("changercon") << u"CHANGERCON "_s << DaemonMessage::Kind::ChangeRconNotice;
    }
    void hugeNoticeIsCapped() {
        QFETCH(QString, prefix);
        QFETCH(DaemonMessage::Kind, kind);
        const QString body = QString(kNoticeTextLimit, u'a') + QString(1000000, u'b');
        QCOMPARE(classifyDaemonMessage(prefix + body, u"0"_s, u"0"_s),
                 (DaemonMessage{kind, body.left(kNoticeTextLimit)}));
    }

    // Events, in order: "ask adduser" / "ask changercon" (a request sent), "adduser" / "changercon" (its
    // notice arrives), "close" (the notice box closes), "forget" (the link is opened anew). `boxes` holds
    // one character per arriving notice: "1" when it opens a box.
    void noticesOnlyAnswerRequests_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("boxes");
        QTest::newRow("unasked adduser") << QStringList{u"adduser"_s} << u"0"_s;
        QTest::newRow("unasked changercon") << QStringList{u"changercon"_s} << u"0"_s;
        QTest::newRow("asked") << QStringList{u"ask adduser"_s, u"adduser"_s, u"close"_s} << u"1"_s;
        QTest::newRow("answered once")
            << QStringList{u"ask changercon"_s, u"changercon"_s, u"close"_s, u"changercon"_s} << u"10"_s;
        QTest::newRow("the other request's notice")
            << QStringList{u"ask changercon"_s, u"adduser"_s, u"changercon"_s} << u"01"_s;
        QTest::newRow("two requests, two boxes one after the other")
            << QStringList{u"ask adduser"_s, u"ask adduser"_s, u"adduser"_s,
                           u"close"_s,       u"adduser"_s,     u"close"_s}
            << u"11"_s;
        QTest::newRow("none while a box is open")
            << QStringList{u"ask adduser"_s, u"ask adduser"_s, u"ask changercon"_s,
                           u"adduser"_s,     u"adduser"_s,     u"changercon"_s,
                           u"close"_s,       u"adduser"_s,     u"changercon"_s}
            << u"10000"_s;
        QTest::newRow("forgotten with the link")
            << QStringList{u"ask adduser"_s, u"forget"_s, u"adduser"_s, u"ask adduser"_s, u"adduser"_s}
            << u"01"_s;
    }
    void noticesOnlyAnswerRequests() {
        QFETCH(QStringList, events);
        QFETCH(QString, boxes);
        DaemonNotices notices;
        QString opened;
        for (const QString& e : events) {
            if (e == u"ask adduser")
                notices.requestSent(DaemonRequest::AddUser);
            else if (e == u"ask changercon")
                notices.requestSent(DaemonRequest::ChangeRcon);
            else if (e == u"adduser")
                opened += notices.opens(DaemonMessage::Kind::AddUserNotice) ? u'1' : u'0';
            else if (e == u"changercon")
                opened += notices.opens(DaemonMessage::Kind::ChangeRconNotice) ? u'1' : u'0';
            else if (e == u"close")
                notices.boxClosed();
            else if (e == u"forget")
                notices.forgetRequests();
            else
                QFAIL(qPrintable(e));
        }
        QCOMPARE(opened, boxes);
    }

    void tabAccessByModeAndLevel_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<MainTab>("tab");
        QTest::addColumn<TabAccess>("access");
        const TabAccess open;
        const TabAccess denied{false, true, CommandLine::Untouched};
        const TabAccess lineOn{true, false, CommandLine::Enabled};
        const TabAccess lineOff{true, false, CommandLine::Disabled};
        QTest::newRow("rcon settings") << u"0"_s << QString() << MainTab::Settings << open;
        QTest::newRow("rcon terminal") << u"0"_s << QString() << MainTab::Terminal << lineOn;
        QTest::newRow("daemon admin, admin") << u"1"_s << u"admin"_s << MainTab::Admin << open;
        QTest::newRow("daemon admin, poweradmin") << u"1"_s << u"poweradmin"_s << MainTab::Admin << open;
        QTest::newRow("daemon settings, moderator")
            << u"1"_s << u"moderator"_s << MainTab::Settings << denied;
        QTest::newRow("daemon admin, Admin") << u"1"_s << u"Admin"_s << MainTab::Admin << denied;
        QTest::newRow("daemon terminal, admin") << u"1"_s << u"admin"_s << MainTab::Terminal << lineOff;
        QTest::newRow("daemon terminal, poweradmin")
            << u"1"_s << u"poweradmin"_s << MainTab::Terminal << lineOn;
        QTest::newRow("daemon chat, anyone") << u"1"_s << u"x"_s << MainTab::Chat << open;
        QTest::newRow("mode 1 with a blank is not daemon") << u"1 "_s << u"x"_s << MainTab::Admin << open;
    }
    void tabAccessByModeAndLevel() {
        QFETCH(QString, mode);
        QFETCH(QString, level);
        QFETCH(MainTab, tab);
        QFETCH(TabAccess, access);
        QCOMPARE(tabAccess(mode, level, tab), access);
    }

    void uconRegistrationSteps() {
        // Nothing is trimmed: the blanks of the address and the login reach the command as they are.
        const QList<UconStep> expected{
            {u"Addin You to PBUCON User List"_s, u"pb_sv_uconadd 2 10.0.0.9  TORVANEX-10.0.0.9 pw "_s, 1000},
            {u"Changing Session Limits"_s, u"pb_sv_USessionLimit 16"_s, 1000},
            {u"Writing Configs..."_s, u"pb_sv_writecfg"_s, 1000},
            {u"Setting up PBUCON.USE"_s, u"pb_sv_writecfg pbucon.use"_s, 0},
        };
        QCOMPARE(uconRegistration(u"10.0.0.9 "_s, u"TORVANEX-10.0.0.9"_s, u"pw "_s), expected);
    }

    void daemonLines() {
        QCOMPARE(daemonLoginLine(u"bob"_s, u"pw"_s, u"  admin "_s), u"bob:pw-admin"_s);
        QCOMPARE(daemonCommandCopy(u"bob"_s, u"status"_s), u"bob - status"_s);
    }

    void uconIni() {
        const UconCredentials c = uconCredentials(u"192.168.1.20"_s);
        QCOMPARE(c.login, u"TORVANEX-192.168.1.20"_s);
        QCOMPARE(c.password.size(), 9 + 12);
        QVERIFY(c.password.endsWith(u"-192.168.1.20"_s));
        QVERIFY(c.password.left(8) == c.password.left(8).toUpper());
        QVERIFY(c.password != c.login);
        QCOMPARE(
            uconIniText(u"1.2.3.4"_s, u"28960"_s, u"192.168.1.20"_s, u"55556"_s),
            u"server=1.2.3.4:28960\r\nmyaddr=192.168.1.20:55556\r\nlogin=TORVANEX-192.168.1.20\r\npassword="_s +
                c.password);
        QCOMPARE(uconIniText({}, {}, {}, {}).split(u"\r\n"_s).mid(0, 3),
                 (QStringList{u"server=:"_s, u"myaddr=:"_s, u"login=TORVANEX-"_s}));
    }
};

QTEST_GUILESS_MAIN(TstRconProtocol)
#include "tst_rcon_protocol.moc"
