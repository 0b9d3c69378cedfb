// The command rules behind the player menu, the maps page and the map rotation: the commands each entry
// builds from its cells, PunkBuster's slot number, the checks that refuse a command, the reason boxes, the
// player report, the look-up addresses and the rotation text.
#include "core/commands/command_table.h"
#include "core/commands/map_rotation.h"
#include "core/commands/player_actions.h"
#include "core/tools/fixed_addresses.h"

#include "support/core_values.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;

namespace {

QString only(CommandWindow window, QStringView control, const Completing& with) {
    const QList<CommandRow> rows = commandsOf(window, control);
    if (rows.size() != 1)
        return u"(rows: "_s + QString::number(rows.size()) + u')';
    return commandText(rows.first(), with);
}

} // namespace

class TstCommands : public QObject {
    Q_OBJECT
private slots:
    // Every entry of the player menu that sends, with the cell it reads (Name or Slot as the grid holds it)
    // and what the administrator typed.
    void playerEntryCommands_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("typed"); // public reason, private reason, or the warning message
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("column");
        const int name = int(PlayerColumn::Name);
        const int slot = int(PlayerColumn::Slot);
        QTest::newRow("kick by name, blanks and colour codes kept")
            << u"kickplay"_s << u"^1Big ^7Bob     "_s << QStringList() << u"kick ^1Big ^7Bob     "_s << name;
        QTest::newRow("kick by slot, trimmed")
            << u"clientkick"_s << u" 12"_s << QStringList() << u"clientkick 12"_s << slot;
        QTest::newRow("client kick uses the game slot")
            << u"clientkick"_s << u"  0"_s << QStringList() << u"clientkick 0"_s << slot;
        QTest::newRow("PunkBuster kick")
            << u"pbkickwithreason"_s << u"  4"_s << QStringList{u"Teamkill"_s, u"spawn kills"_s}
            << u"pb_sv_kick 5 0 Teamkill spawn kills"_s << slot;
        QTest::newRow("ban by name") << u"banplayerz"_s << u"Camper"_s << QStringList() << u"banuser Camper"_s
                                     << name;
        QTest::newRow("ban by slot") << u"clientbanz"_s << u"  7"_s << QStringList() << u"banclient 7"_s
                                     << slot;
        QTest::newRow("PunkBuster ban, empty reasons as given")
            << u"pbbancli"_s << u"  2"_s << QStringList{QString(), QString()} << u"pb_sv_ban 3 0  "_s << slot;
        QTest::newRow("temporary ban by name")
            << u"tempbanplayerz"_s << u"Camper "_s << QStringList() << u"tempbanUser Camper "_s << name;
        QTest::newRow("temporary ban by slot")
            << u"TemporarilyClientBanz"_s << u" 3 "_s << QStringList() << u"tempbanClient 3"_s << slot;
        QTest::newRow("unban by name")
            << u"unbanplayerz"_s << u"Camper"_s << QStringList() << u"unbanuser Camper"_s << name;
        QTest::newRow("screenshot: PunkBuster slot")
            << u"screenshotp"_s << u"  3"_s << QStringList() << u"pb_sv_getss 4"_s << slot;
        QTest::newRow("screenshot sequence") << u"screenshotdwuencez"_s << u"  3"_s << QStringList()
                                             << u"PB_SV_Task 10 180 PB_SV_GETSS 4"_s << slot;
        QTest::newRow("warning, slot trimmed")
            << u"warnplayerz"_s << u" 12 "_s << QStringList{u" Stop  camping "_s}
            << u"tell 12  Stop  camping "_s << slot;
        QTest::newRow("warning, empty message")
            << u"warnplayerz"_s << u"5"_s << QStringList{QString()} << u"tell 5 "_s << slot;
    }
    void playerEntryCommands() {
        QFETCH(QString, entry);
        QFETCH(QString, cell);
        QFETCH(QStringList, typed);
        QFETCH(QString, command);
        QFETCH(int, column);
        Completing with{cell, {}, {}, {}, {}};
        if (typed.size() == 2) {
            with.publicReason = typed[0];
            with.privateReason = typed[1];
        } else if (typed.size() == 1) {
            with.message = typed[0];
        }
        QCOMPARE(only(CommandWindow::Form3, entry, with), command);
        const CommandRow row = commandsOf(CommandWindow::Form3, entry).first();
        QCOMPARE(playerColumn(row.completion).value_or(PlayerColumn(-1)), PlayerColumn(column));
        QCOMPARE(row.delivery, Delivery::Now);
    }

    void pbSlot_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("pb");
        QTest::newRow("zero") << u"0"_s << u"1"_s;
        QTest::newRow("zero among blanks") << u"  0 "_s << u"1"_s;
        QTest::newRow("five") << u"5"_s << u"6"_s;
        QTest::newRow("twelve after a blank") << u" 12"_s << u"13"_s;
        QTest::newRow("leading zeros") << u"007"_s << u"8"_s;
        QTest::newRow("leading number") << u"12ab"_s << u"13"_s;
        QTest::newRow("empty") << QString() << u"1"_s;
        QTest::newRow("no digits") << u"abc"_s << u"1"_s;
        QTest::newRow("nines carry") << u"999"_s << u"1000"_s;
        QTest::newRow("more digits than a double holds")
            << u"123456789012345678901234567890"_s << u"123456789012345678901234567891"_s;
    }
    void pbSlot() {
        QFETCH(QString, slot);
        QFETCH(QString, pb);
        QCOMPARE(tvx::pbSlot(slot), pb);
    }

    // A slot-based entry on a Slot that is not a whole number would reach slot 0's player (PunkBuster slot
    // "1"); a name entry on no name would send the command word alone, and on a name the server reads as
    // "all" or "allbots" it would act on every player; a cell with a separator or a line break would run a
    // second command or cut this one.
    void refusals_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<PlayerRefusal>("refusal");
        const QStringList slotEntries{u"clientkick"_s,         u"clientbanz"_s, u"TemporarilyClientBanz"_s,
                                      u"pbkickwithreason"_s,   u"pbbancli"_s,   u"screenshotp"_s,
                                      u"screenshotdwuencez"_s, u"warnplayerz"_s};
        const struct {
            const char* name;
            QString cell;
            PlayerRefusal refusal;
        } slotCells[] = {
            {"digits", u"  3"_s, PlayerRefusal::None},
            {"zero", u"0"_s, PlayerRefusal::None},
            {"empty", QString(), PlayerRefusal::NoSlot},
            {"blanks", u"   "_s, PlayerRefusal::NoSlot},
            {"letters", u"abc"_s, PlayerRefusal::NoSlot},
            {"digits then letters", u"1a"_s, PlayerRefusal::NoSlot},
            {"negative", u"-1"_s, PlayerRefusal::NoSlot},
            {"decimal", u"1.5"_s, PlayerRefusal::NoSlot},
            {"tab", u"\t3"_s, PlayerRefusal::NoSlot},
            {"full-width digit", u"\uFF13"_s, PlayerRefusal::NoSlot},
        };
        for (const QString& entry : slotEntries) {
            for (const auto& s : slotCells)
                QTest::addRow("%s, %s", qPrintable(entry), s.name) << entry << s.cell << s.refusal;
        }
        const QStringList nameEntries{u"kickplay"_s, u"banplayerz"_s, u"tempbanplayerz"_s, u"unbanplayerz"_s};
        const struct {
            const char* name;
            QString cell;
            PlayerRefusal refusal;
        } names[] = {
            {"plain", u"Bob            "_s, PlayerRefusal::None},
            {"empty", QString(), PlayerRefusal::NoName},
            {"blanks", u"               "_s, PlayerRefusal::NoName},
            {"tab and blanks", u"\t              "_s, PlayerRefusal::NoName},
            {"quotes only", u"\"\"             "_s, PlayerRefusal::NoName},
            {"all", u"all            "_s, PlayerRefusal::EveryPlayer},
            {"all, upper case", u"ALL"_s, PlayerRefusal::EveryPlayer},
            {"all, mixed case among blanks", u"  aLl  "_s, PlayerRefusal::EveryPlayer},
            {"all before a tab", u"All\t          "_s, PlayerRefusal::EveryPlayer},
            {"all in quotes", u"\"all\"          "_s, PlayerRefusal::EveryPlayer},
            {"allbots", u"allbots        "_s, PlayerRefusal::EveryPlayer},
            {"allbots, mixed case", u"AllBots"_s, PlayerRefusal::EveryPlayer},
            {"starts with all", u"Allen          "_s, PlayerRefusal::None},
            {"ends with all", u"ball           "_s, PlayerRefusal::None},
            {"all and a separator", u"all;quit"_s, PlayerRefusal::UnsafeCell},
            {"semicolon", u"Bob;quit"_s, PlayerRefusal::UnsafeCell},
            {"CR", u"Bob\rquit"_s, PlayerRefusal::UnsafeCell},
            {"LF", u"Bob\nquit"_s, PlayerRefusal::UnsafeCell},
            {"NUL", QString::fromUtf16(u"Bob\0x", 5), PlayerRefusal::UnsafeCell},
            {"quote", u"Bob\""_s, PlayerRefusal::None},
            {"comment after a name", u"a//b"_s, PlayerRefusal::CutName},
            {"all before a comment", u"all//x"_s, PlayerRefusal::CutName},
            {"allbots before a comment", u"AllBots//"_s, PlayerRefusal::CutName},
            {"block comment", u"bob/*x"_s, PlayerRefusal::CutName},
            {"comment first", u"//Bob          "_s, PlayerRefusal::CutName},
            {"comment at the end, blanks after", u"Bob/*           "_s, PlayerRefusal::CutName},
            {"three slashes", u"a///b"_s, PlayerRefusal::CutName},
            {"one slash", u"x/y"_s, PlayerRefusal::None},
            {"slashes apart", u"/a/b/"_s, PlayerRefusal::None},
            {"star then slash", u"a*/b"_s, PlayerRefusal::None},
            {"slash, blank, slash", u"a/ /b"_s, PlayerRefusal::None},
        };
        for (const QString& entry : nameEntries) {
            for (const auto& n : names)
                QTest::addRow("%s, %s", qPrintable(entry), n.name) << entry << n.cell << n.refusal;
        }
    }
    void refusals() {
        QFETCH(QString, entry);
        QFETCH(QString, cell);
        QFETCH(PlayerRefusal, refusal);
        const CommandRow row = commandsOf(CommandWindow::Form3, entry).first();
        QCOMPARE(playerRefusal(row.completion, cell), refusal);
        QCOMPARE(refusalText(refusal).isEmpty(), refusal == PlayerRefusal::None);
    }

    void reasonBoxesAsDesigned() {
        QCOMPARE(reasonBoxes(u"pbkickwithreason").value(),
                 (ReasonBoxes{{u"Type here the public reason of this kick"_s, u"Kick - Public Reason"_s,
                               u"Teamkill"_s},
                              {u"Type here the private reason of this kick"_s, u"Kick - Private Reason"_s,
                               u"Teamkill"_s}}));
        QCOMPARE(
            reasonBoxes(u"pbbancli").value(),
            (ReasonBoxes{
                {u"Type here the public reason of this ban"_s, u"Ban - Public Reason"_s, u"Teamkill"_s},
                {u"Type here the private reason of this ban"_s, u"Ba - Private Reason"_s, u"Teamkill"_s}}));
        QVERIFY(!reasonBoxes(u"kickplay"));
        QVERIFY(reasonCancelled(QString()));
        QVERIFY(!reasonCancelled(u" "_s));
    }

    void playerReportHasFixedForms() {
        const QDateTime at(QDate(2009, 3, 7), QTime(9, 5, 2));
        const QString report = playerReport(
            at, {u"  3"_s, u"^1Sgt^7Hartley  "_s, u"0f3a9c2e7b"_s, u"   42"_s, u"10.0.0.5:28960"_s});
        QCOMPARE(report, u"Player Report : Created on 03-07-2009 at 09:05:02\r\n"
                         "Slot:  3\r\n"
                         "Player Name: ^1Sgt^7Hartley  \r\n"
                         "Hash: 0f3a9c2e7b\r\n"
                         "Current Score: 42\r\n"
                         "IP Address : 10.0.0.5:28960"_s);
        const QDateTime evening(QDate(2026, 12, 31), QTime(23, 59, 59));
        QVERIFY(
            playerReport(evening, {}).startsWith(u"Player Report : Created on 12-31-2026 at 23:59:59\r\n"_s));
        QVERIFY(!playerReport(evening, {}).endsWith(u'\n'));
    }

    void lookupsEncodeTheGuid_data() {
        QTest::addColumn<QString>("guid");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("plain") << u"0f3a9c2e7b"_s << u"0f3a9c2e7b"_s;
        QTest::newRow("blanks from the grid") << u"   1234567"_s << u"%20%20%201234567"_s;
        QTest::newRow("query characters") << u"1&action=0#x"_s << u"1%26action%3D0%23x"_s;
        QTest::newRow("path and plus") << u"a/b+c?d"_s << u"a%2Fb%2Bc%3Fd"_s;
    }
    void lookupsEncodeTheGuid() {
        QFETCH(QString, guid);
        QFETCH(QString, encoded);
        QCOMPARE(pbBansLookup(guid),
                 fixed::kPbBansSite + u"/mbi.php?guid="_s + encoded + u"&action=12&submit"_s);
        QCOMPARE(punksBustedLookup(guid),
                 fixed::kPunksBustedSite + u"/cgi-bin/membership/guidcheck.cgi?guid="_s + encoded);
    }

    void mapsPageCommands() {
        QCOMPARE(only(CommandWindow::Main, u"Label14", {u"mp_castle"_s, {}, {}, {}, {}}), u"map mp_castle"_s);
        QCOMPARE(only(CommandWindow::Main, u"Label14", {}), u"map "_s);
        QCOMPARE(only(CommandWindow::Main, u"Label10", {}), u"map_rotate"_s);
        QCOMPARE(only(CommandWindow::Main, u"Label11", {}), u"map_restart"_s);
        QCOMPARE(only(CommandWindow::Main, u"Label12", {}), u"fast_restart"_s);
    }

    void previews_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<PreviewChange>("change");
        for (const QString& map : mapNames())
            QTest::newRow(qPrintable(map)) << map << PreviewChange::ShowMap;
        QTest::newRow("custom") << u"Custom Map"_s << PreviewChange::Keep;
        QTest::newRow("no item") << QString() << PreviewChange::ShowDefault;
        QTest::newRow("a map the lists do not hold") << u"mp_cliffside"_s << PreviewChange::ShowDefault;
        QTest::newRow("case matters") << u"MP_CASTLE"_s << PreviewChange::ShowDefault;
    }
    void previews() {
        QFETCH(QString, item);
        QFETCH(PreviewChange, change);
        QCOMPARE(previewFor(item), change);
    }

    void rotationEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("first entry") << QString() << u"gametype tdm map mp_castle"_s;
        QTest::newRow("next entry") << u"gametype dom map mp_dome"_s
                                    << u"gametype dom map mp_dome gametype tdm map mp_castle"_s;
        QTest::newRow("after blanks only") << u"  "_s << u"   gametype tdm map mp_castle"_s;
    }
    void rotationEntries() {
        QFETCH(QString, text);
        QFETCH(QString, after);
        QCOMPARE(rotationWithEntry(text, u"mp_castle"_s, u"tdm"_s), after);
    }

    // The server reads a request up to its first line break: every break goes as one blank.
    void rotationSent_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("command");
        QTest::newRow("built")
            << u"gametype tdm map mp_castle gametype dom map mp_dome"_s
            << u"set sv_mapRotation \"gametype tdm map mp_castle gametype dom map mp_dome\""_s;
        QTest::newRow("blanks only") << u"   "_s << u"set sv_mapRotation \"   \""_s;
        QTest::newRow("CR LF") << u"gametype tdm\r\nmap mp_castle"_s
                               << u"set sv_mapRotation \"gametype tdm map mp_castle\""_s;
        QTest::newRow("LF and CR") << u"a\nb\rc"_s << u"set sv_mapRotation \"a b c\""_s;
        QTest::newRow("two breaks") << u"a\r\n\r\nb\n"_s << u"set sv_mapRotation \"a  b \""_s;
        QTest::newRow("CR before CR LF") << u"a\r\r\nb"_s << u"set sv_mapRotation \"a  b\""_s;
        QTest::newRow("quotes as typed") << u"map \"x\""_s << u"set sv_mapRotation \"map \"x\"\""_s;
    }
    void rotationSent() {
        QFETCH(QString, text);
        QFETCH(QString, command);
        QCOMPARE(only(CommandWindow::Main, u"Label41", {text, {}, {}, {}, u"\""_s}), command);
    }

    // A '"' would end the quoted value early; and the whole datagram (FF FF FF FF "rcon ", the password, a
    // blank, then "set sv_mapRotation " and the quoted text) must fit in one: with the password "pw" that
    // is 33 bytes besides the text, so 65474 characters of text at most.
    void rotationRefusal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("password");
        QTest::addColumn<RotationRefusal>("refusal");
        QTest::newRow("built") << u"gametype tdm map mp_castle"_s << u"pw"_s << RotationRefusal::None;
        QTest::newRow("blanks only") << u"   "_s << u"pw"_s << RotationRefusal::None;
        QTest::newRow("line breaks go as blanks") << u"a\r\nb\nc"_s << u"pw"_s << RotationRefusal::None;
        QTest::newRow("a quote") << u"gametype tdm map \"mp_castle"_s << u"pw"_s << RotationRefusal::Quote;
        QTest::newRow("the value ended and a command after it")
            << u"x\" rcon_password \"y"_s << u"pw"_s << RotationRefusal::Quote;
        QTest::newRow("longest that fits") << QString(65474, u'x') << u"pw"_s << RotationRefusal::None;
        QTest::newRow("one more") << QString(65475, u'x') << u"pw"_s << RotationRefusal::TooLong;
        QTest::newRow("the password counts") << QString(65474, u'x') << u"pw3"_s << RotationRefusal::TooLong;
        QTest::newRow("no password") << QString(65476, u'x') << QString() << RotationRefusal::None;
        QTest::newRow("a character outside the code page is one byte")
            << QString(65473, u'x') + u"\u4e16"_s << u"pw"_s << RotationRefusal::None;
        QTest::newRow("far too long") << QString(1 << 20, u'x') << u"pw"_s << RotationRefusal::TooLong;
        QTest::newRow("a quote in a long one")
            << QString(70000, u'x') + u'"' << u"pw"_s << RotationRefusal::Quote;
    }
    void rotationRefusal() {
        QFETCH(QString, text);
        QFETCH(QString, password);
        QFETCH(RotationRefusal, refusal);
        QCOMPARE(tvx::rotationRefusal(text, u"\""_s, password), refusal);
    }
};

QTEST_GUILESS_MAIN(TstCommands)
#include "tst_commands.moc"
