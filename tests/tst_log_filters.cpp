// The UCON log filters: the rules' edge cases as tables, and the fast filters against the plain
// whole-text reference over generated logs and over a recorded-style sample log. The read of the log file:
// only a regular file, never waiting, only its end.
#include "core/text/codepage.h"
#include "core/text/textbox_lines.h"
#include "core/ucon/log_file.h"
#include "core/ucon/log_filters.h"

#include "support/core_values.h"
#include "support/files.h"
#include "support/naive_log_filters.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;

namespace {

const QDateTime kNow(QDate(2009, 4, 12), QTime(21, 15, 3));
const QString kStamp = QStringLiteral("[04.12.2009 21:15:03]");
const QString kQuote = QStringLiteral("\"");

QString crlf(const QString& s) {
    QString out = s;
    return out.replace(u'|', kCrLf);
}

// Where two texts first differ, for a readable failure.
QByteArray firstDifference(const QString& fast, const QString& naive) {
    qsizetype i = 0;
    while (i < fast.size() && i < naive.size() && fast[i] == naive[i])
        ++i;
    auto show = [i](const QString& s) {
        QString part = s.mid(std::max<qsizetype>(0, i - 30), 70);
        part.replace(u'\r', QStringLiteral("<CR>")).replace(u'\n', QStringLiteral("<LF>"));
        return part;
    };
    return (QStringLiteral("at %1 of %2/%3: fast \"%4\" vs naive \"%5\"")
                .arg(i)
                .arg(fast.size())
                .arg(naive.size())
                .arg(show(fast), show(naive)))
        .toUtf8();
}

// Random logs mixing every kind of line the filters treat specially.
class LogGenerator {
public:
    explicit LogGenerator(quint32 seed) : rng_(seed) {}

    // A work buffer as the text box may hold it, with CR LF, CR CR LF, lone CR and lone LF breaks.
    QString workText(int lines) {
        QString text;
        for (int i = 0; i < lines; ++i) {
            if (i > 0)
                text += pick({{14, QStringLiteral("\r\n")},
                              {3, QStringLiteral("\r\r\n")},
                              {1, QStringLiteral("\n")},
                              {1, QStringLiteral("\r")},
                              {1, QStringLiteral("\r\n\r\n")}});
            text += line();
        }
        if (chance(20))
            text += kCrLf;
        return text;
    }

    // The bytes of a log file: LF line ends mostly, some CR LF, lone CR, empty lines.
    QByteArray fileBytes(int lines) {
        QString text;
        if (chance(10))
            text += QStringLiteral("\n\r\n");
        for (int i = 0; i < lines; ++i) {
            text += line();
            text += pick({{12, QStringLiteral("\n")},
                          {2, QStringLiteral("\r\n")},
                          {1, QStringLiteral("\r")},
                          {1, QStringLiteral("\n\n")}});
        }
        return toAnsi(text);
    }

private:
    struct Choice {
        int weight;
        QString text;
    };

    bool chance(int percent) { return int(rng_.bounded(100)) < percent; }
    int number(int below) { return int(rng_.bounded(below)); }

    QString pick(std::initializer_list<Choice> choices) {
        int total = 0;
        for (const Choice& c : choices)
            total += c.weight;
        int r = number(total);
        for (const Choice& c : choices) {
            if (r < c.weight)
                return c.text;
            r -= c.weight;
        }
        return {};
    }

    QString stamp() {
        if (chance(15))
            return kStamp;
        return QStringLiteral("[%1.%2.2009 %3:%4:%5]")
            .arg(1 + number(12), 2, 10, QLatin1Char('0'))
            .arg(1 + number(28), 2, 10, QLatin1Char('0'))
            .arg(number(24), 2, 10, QLatin1Char('0'))
            .arg(number(3) * 20, 2, 10, QLatin1Char('0'))
            .arg(number(4), 2, 10, QLatin1Char('0'));
    }

    QString word() {
        static const QStringList words = {
            QStringLiteral("say"),         QStringLiteral("Kilroy"),     QStringLiteral("PBSV:"),
            QStringLiteral("cvars"),       QStringLiteral("CVARS"),      QStringLiteral("dvar"),
            QStringLiteral("Punkbuster"),  QStringLiteral("mp_castle"),  QStringLiteral("g_speed"),
            QStringLiteral("sv_hostname"), QStringLiteral(":28960"),     QStringLiteral("map_rotate"),
            QStringLiteral("warning:"),    QStringLiteral("\"Sgt\""),    QStringLiteral("_shared"),
            QStringLiteral("->"),          QStringLiteral(" ->"),        QStringLiteral("25000"),
            QStringLiteral("555"),         QStringLiteral("Raúl"),       QStringLiteral("ÚMIT"),
            QStringLiteral("status"),      QStringLiteral("12 - 34"),    QStringLiteral("a"),
            QStringLiteral("ab"),          QStringLiteral("aab"),        QStringLiteral("Challenge"),
            QStringLiteral("c\u212Avars"), QStringLiteral("cvar\u017F"), QStringLiteral("slot #3"),
            QStringLiteral("\r"),          QStringLiteral("\n"),         QStringLiteral("x\ry"),
            QStringLiteral(".log"),        QStringLiteral("default:"),   QStringLiteral("198.51.100.7"),
            QStringLiteral("\r_\n"),       QStringLiteral("\rsay\n"),    QStringLiteral("\r a\n"),
            QStringLiteral("q\r"),         QStringLiteral("\nq"),        QStringLiteral("😀𐐀"),
        };
        return words[number(int(words.size()))];
    }

    QString eventLine() {
        QString l;
        if (chance(80))
            l += stamp() + u' ';
        const int fields = 1 + number(4);
        for (int f = 0; f < fields; ++f) {
            if (chance(85))
                l += pick({{6, QStringLiteral("ú")}, {1, QStringLiteral("Ú")}, {1, QStringLiteral(" ")}});
            const int words = 1 + number(3);
            for (int w = 0; w < words; ++w) {
                if (w > 0)
                    l += u' ';
                l += word();
            }
        }
        return l;
    }

    QString noise() {
        static const QString alphabet =
            QStringLiteral("ab ú-_[]\r\n\r\n>:0123456789ÚsayCVARSK\u212A\"") + QChar(0xD801) + QChar(0xDC00);
        QString l;
        const int n = number(12);
        for (int i = 0; i < n; ++i)
            l += alphabet[number(int(alphabet.size()))];
        return l;
    }

    QString line() {
        QString l;
        const int kind = number(100);
        if (kind < 35) {
            l = eventLine();
        } else if (kind < 45 && !earlier_.isEmpty()) {
            l = earlier_[number(int(earlier_.size()))]; // a duplicate
        } else if (kind < 55 && !earlier_.isEmpty()) {
            const QString& e = earlier_[number(int(earlier_.size()))]; // a piece of another line
            const int from = number(int(e.size()) + 1);
            l = e.mid(from, 1 + number(int(e.size()) - from + 1));
        } else if (kind < 62) {
            l = pick({{3, QStringLiteral("a")},
                      {3, QStringLiteral("say")},
                      {3, QStringLiteral(" ->")},
                      {2, QStringLiteral("status")},
                      {2, QString()},
                      {1, QStringLiteral(" ")},
                      {1, QStringLiteral("[")},
                      {1, QStringLiteral("ú")},
                      {1, QStringLiteral("Ú")},
                      {1, QStringLiteral("\r")},
                      {1, QStringLiteral("\n")},
                      {1, QStringLiteral("\ra\n")},
                      {1, QStringLiteral("q")}});
        } else if (kind < 70) {
            l = pick({{3, stamp()},
                      {2, stamp() + u' '},
                      {2, kStamp + u' '},
                      {2, kStamp + QStringLiteral(" -> ")},
                      {2, stamp() + QStringLiteral(" ->")},
                      {1, QStringLiteral("[x] ")},
                      {1, QStringLiteral("[ ]")}});
        } else if (kind < 76) {
            l = pick({{2, QStringLiteral("12 - 34")},
                      {2, QStringLiteral("1-800-555")},
                      {1, QStringLiteral("+3.5")},
                      {1, QStringLiteral("- 7 -")},
                      {1, QStringLiteral("1.2.3")},
                      {1, QStringLiteral(" - ")}});
        } else if (kind < 82) {
            l = eventLine() + pick({{2, QStringLiteral("25000")},
                                    {1, QStringLiteral("] ")},
                                    {1, QStringLiteral("->")},
                                    {1, QStringLiteral("\r")}});
        } else if (kind < 87) {
            l = pick({{1, QStringLiteral("Received cvars from slot #2")},
                      {1, QStringLiteral("úCVARS CHECK úfailed")},
                      {1, QStringLiteral("\nsay hi")},
                      {1, QStringLiteral("_")},
                      {1, QStringLiteral("\"")}});
        } else if (kind < 88) {
            // Long lines (Qt searches them differently).
            for (int i = 0; i < 14; ++i)
                l += eventLine() + u' ';
        } else {
            l = noise();
        }
        if (!l.isEmpty() && earlier_.size() < 64)
            earlier_.push_back(l);
        else if (!l.isEmpty())
            earlier_[number(64)] = l;
        return l;
    }

    QRandomGenerator rng_;
    QStringList earlier_;
};

} // namespace

class TstLogFilters : public QObject {
    Q_OBJECT

private slots:
    void logFileText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("LF lines become CR LF") << QByteArray("a\nb\n") << crlf(QStringLiteral("a|b|"));
        QTest::newRow("CR LF lines join as CR CR LF")
            << QByteArray("a\r\nb\r\n") << QStringLiteral("a\r\r\nb");
        QTest::newRow("a lone CR ends a line") << QByteArray("a\rb") << QStringLiteral("a\r\r\nb");
        QTest::newRow("CR CR LF reads an empty line")
            << QByteArray("a\r\r\nb") << QStringLiteral("a\r\r\n\r\r\nb");
        QTest::newRow("leading empty lines dropped")
            << QByteArray("\r\n\r\r\nx\r\n\r\ny") << QStringLiteral("x\r\r\n\r\r\ny");
        QTest::newRow("leading LF kept") << QByteArray("\nx") << QStringLiteral("\r\nx");
        QTest::newRow("only line ends") << QByteArray("\r\n\r\r") << QString();
        QTest::newRow("Windows-1252") << QByteArray("a\xFA"
                                                    "b\x80\xDA\xFF")
                                      << QStringLiteral("aúb€Úÿ");
    }
    void logFileText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(tvx::logFileText(bytes), text);
        QCOMPARE(naive::logFileText(bytes), text);
    }

    void readLogTail_data() {
        QTest::addColumn<QString>("place"); // what stands at the log's path
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("tail");
        const QByteArray small("session opened\n12.09\xFAPB\xFAhi\r\nold\rlast without end");
        QTest::newRow("a file within the limits, whole") << u"file"_s << small << true << small;
        QTest::newRow("an empty file") << u"file"_s << QByteArray() << true << QByteArray();
        QTest::newRow("a link to a regular file") << u"link to file"_s << small << true << small;
        QTest::newRow("a link to /dev/zero") << u"/dev/zero"_s << QByteArray() << false << QByteArray();
        QTest::newRow("a FIFO, never waited for") << u"fifo"_s << QByteArray() << false << QByteArray();
        QTest::newRow("a folder") << u"folder"_s << QByteArray() << false << QByteArray();
        QTest::newRow("nothing") << u"nothing"_s << QByteArray() << false << QByteArray();

        // Short lines: the work buffer's 32,767 lines (the last, after the final break, is empty).
        QByteArray manyLines;
        QByteArray lastLines;
        for (int i = 0; i < 40000; ++i) {
            const QByteArray line = "line " + QByteArray::number(i) + (i % 3 ? "\n" : "\r\n");
            manyLines += line;
            if (i >= 40000 - 32766)
                lastLines += line;
        }
        QTest::newRow("many lines: the last 32,767") << u"file"_s << manyLines << true << lastLines;
        // Long lines: the whole lines within the last 4 MiB.
        QByteArray longLines;
        QByteArray lastLong;
        const int count = 30000;
        const int fit = int(kLogTailBytes / 200);
        for (int i = 0; i < count; ++i) {
            const QByteArray line = QByteArray::number(i).rightJustified(199, '.') + '\n';
            longLines += line;
            if (i >= count - fit)
                lastLong += line;
        }
        QTest::newRow("a big file: the whole lines of its last 4 MiB")
            << u"file"_s << longLines << true << lastLong;
        // A cut that falls between the CR and the LF of a line end.
        const QByteArray rest = QByteArray(kLogTailBytes - 2, 'x') + '\n';
        QTest::newRow("the cut within CR LF")
            << u"file"_s << QByteArray("first old\r\n" + rest) << true << rest;
        QTest::newRow("one line longer than the limit gives nothing of it")
            << u"file"_s << QByteArray(kLogTailBytes + 10, 'z') << true << QByteArray();
    }
    void readLogTail() {
        QFETCH(QString, place);
        QFETCH(QByteArray, file);
        QFETCH(bool, read);
        QFETCH(QByteArray, tail);
        QTemporaryDir dir;
        const QString log = dir.filePath(u"pbucon.log"_s);
        QVERIFY(tvx::test::makePlace(place, log, file));
        const std::optional<QByteArray> got = tvx::readLogTail(log);
        QCOMPARE(got.has_value(), read);
        if (!read)
            return;
        QCOMPARE(got->size(), tail.size());
        QVERIFY(*got == tail);
        QVERIFY(got->size() <= kLogTailBytes);
        QVERIFY(lineCount(tvx::logFileText(*got)) <= kLogTailLines);
    }

    void liveChain_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("display");
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("no separator anywhere") << crlf(QStringLiteral("a|b|c")) << kCrLf << kCrLf;
        QTest::newRow("separators shown as dashes")
            << crlf(QStringLiteral("xúyúz")) << QStringLiteral("xúyúz") << QStringLiteral("x - y - z");
        QTest::newRow("first lines dropped, later kept")
            << crlf(QStringLiteral("head|more|aúb")) << crlf(QStringLiteral("|aúb"))
            << crlf(QStringLiteral("|a - b"));
        QTest::newRow("a dropped line cuts its text out of kept lines")
            << crlf(QStringLiteral("abc|xxúabcyy|abc")) << crlf(QStringLiteral("|xxúyy|"))
            << crlf(QStringLiteral("|xx - yy|"));
        QTest::newRow("upper-case U acute keeps a line and stays")
            << crlf(QStringLiteral("aÚb|c")) << crlf(QStringLiteral("aÚb|")) << crlf(QStringLiteral("aÚb|"));
        QTest::newRow("cvars in any case")
            << crlf(QStringLiteral("úCVARS|úcVaRs x|úkeep")) << crlf(QStringLiteral("|úkeep"))
            << crlf(QStringLiteral("| - keep"));
        QTest::newRow("empty lines merged")
            << crlf(QStringLiteral("aúb|||cúd||")) << crlf(QStringLiteral("aúb|cúd|"))
            << crlf(QStringLiteral("a - b|c - d|"));
        // Lines read from a CR LF file end with CR: the CR CR LF breaks are not merged.
        QTest::newRow("CR CR LF breaks")
            << QStringLiteral("aúb\r\r\nc\r\r\ndúe") << QStringLiteral("aúb\r\r\ndúe")
            << QStringLiteral("a - b\r\r\nd - e");
    }
    void liveChain() {
        QFETCH(QString, work);
        QFETCH(QString, result);
        QFETCH(QString, display);
        QCOMPARE(tvx::liveChain(work), result);
        QCOMPARE(naive::liveChain(work), result);
        QCOMPARE(liveDisplay(result), display);
    }

    void shouldReplaceChat_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("replace");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("one CR LF") << kCrLf << false;
        QTest::newRow("two CR LF") << crlf(QStringLiteral("||")) << true;
        QTest::newRow("text") << QStringLiteral("a - b") << true;
    }
    void shouldReplaceChat() {
        QFETCH(QString, display);
        QFETCH(bool, replace);
        QCOMPARE(tvx::shouldReplaceChat(display), replace);
    }

    void cleanMember_data() {
        QTest::addColumn<int>("member");
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("result");
        QTest::newRow("contains ignores case")
            << 1 << crlf(QStringLiteral("a DVAR b|keep")) << crlf(QStringLiteral("|keep"));
        QTest::newRow("contains: the whole line goes from other lines")
            << 4 << crlf(QStringLiteral("x555|ax555b|555")) << crlf(QStringLiteral("|ab|"));
        QTest::newRow("Clean7 never removes")
            << 7 << crlf(QStringLiteral("a|b")) << crlf(QStringLiteral("a|b"));
        QTest::newRow("stamp alone") << 13 << crlf(QStringLiteral("[04.12.2009 21:15:03]|[x|]"))
                                     << crlf(QStringLiteral("|[x|]"));
        QTest::newRow("bracket alone is no stamp") << 13 << QStringLiteral("[") << QStringLiteral("[");
        QTest::newRow("ends with bracket and blank")
            << 14 << crlf(QStringLiteral("[a] |[a]")) << crlf(QStringLiteral("|[a]"));
        QTest::newRow("ends with arrow")
            << 36 << crlf(QStringLiteral("[a ->|[b -")) << crlf(QStringLiteral("|[b -"));
        QTest::newRow("arrow line takes arrows from others")
            << 37 << crlf(QStringLiteral(" ->|A -> B| ->x")) << crlf(QStringLiteral("|A B|x"));
        QTest::newRow("say line takes say from others")
            << 38 << crlf(QStringLiteral("essays|say|Say")) << crlf(QStringLiteral("ess||Say"));
        QTest::newRow("Clean39 changes nothing")
            << 39 << crlf(QStringLiteral("||a")) << crlf(QStringLiteral("||a"));
        QTest::newRow("status line") << 48 << crlf(QStringLiteral("status|statusbar"))
                                     << crlf(QStringLiteral("|bar"));
        QTest::newRow("stamp and blank, now")
            << 50 << crlf(kStamp + QStringLiteral(" |x") + kStamp + QStringLiteral(" y"))
            << crlf(QStringLiteral("|xy"));
        QTest::newRow("stamp and blank, another time")
            << 50 << QStringLiteral("[04.12.2009 21:15:04] ") << QStringLiteral("[04.12.2009 21:15:04] ");
        QTest::newRow("stamp and arrow, now") << 52 << crlf(kStamp + QStringLiteral(" -> ")) << QString();
        QTest::newRow("ends 25000") << 53 << crlf(QStringLiteral("x25000|2500|25000 "))
                                    << crlf(QStringLiteral("|2500|25000 "));
        QTest::newRow("underscore anywhere")
            << 55 << crlf(QStringLiteral("a_b|ab")) << crlf(QStringLiteral("|ab"));
        QTest::newRow("quote") << 56 << crlf(QStringLiteral("say \"hi\"|ok")) << crlf(QStringLiteral("|ok"));
        QTest::newRow("stamp cut off") << 57 << crlf(QStringLiteral("[04.12.2009 21:15:03] hello|x"))
                                       << crlf(QStringLiteral(" hello|x"));
        QTest::newRow("short bracket line goes, also inside others")
            << 57 << crlf(QStringLiteral("[ab|x[ab|[ab")) << crlf(QStringLiteral("|x|"));
        QTest::newRow("numbers") << 58
                                 << crlf(QStringLiteral("12 - 34|1-800-555|+3.5|5.|.5|- -|1.2.3|1e5|12a"))
                                 << crlf(QStringLiteral("|||||- -|1.2.3|1e5|12a"));
        QTest::newRow("a number then a lone LF is no number")
            << 58 << QStringLiteral("5\n") << QStringLiteral("5\n");
        QTest::newRow("a removed number leaves pieces")
            << 58 << crlf(QStringLiteral("7|a7b")) << crlf(QStringLiteral("|ab"));
        QTest::newRow("fewer than two words") << 59 << crlf(QStringLiteral("one|two words|a\tb|  |x  y z"))
                                              << crlf(QStringLiteral("|two words|||xy z"));
        QTest::newRow("Clean60 changes nothing")
            << 60 << crlf(QStringLiteral("a||b")) << crlf(QStringLiteral("a||b"));
        // A line that ends with CR (a CR LF log) takes the CR of a line break where its text ends a line.
        QTest::newRow("a removal eats half a line break")
            << 4 << QStringLiteral("555\r\r\nx555\r\nz words") << QStringLiteral("\r\nx\nz words");
        QTest::newRow("a removal makes a new line break")
            << 55 << QStringLiteral("_\r\nx\r_\nwords here") << QStringLiteral("\r\nx\r\nwords here");
    }
    void cleanMember() {
        QFETCH(int, member);
        QFETCH(QString, work);
        QFETCH(QString, result);
        QCOMPARE(tvx::cleanMember(member, work, kNow, kQuote), result);
        QCOMPARE(naive::cleanMember(member, work, kNow, kQuote), result);
    }

    void extendedPass_data() {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("chat");
        QTest::addColumn<QString>("historyAfter");
        QTest::addColumn<QString>("workAfter");
        // Clean57 cuts the stamps; the blanks at both ends of the whole result go, those inside stay.
        QTest::newRow("result used")
            << crlf(QStringLiteral("[04.12.2009 21:15:03]  Kilroy says hi |[04.12.2009 21:15:04] x y z  "))
            << QStringLiteral("old") << crlf(QStringLiteral("Kilroy says hi | x y z"))
            << crlf(QStringLiteral("old|  Kilroy says hi | x y z  ")) << QString();
        QTest::newRow("nothing left")
            << QStringLiteral("dvar") << QString() << QString() << kCrLf << QString();
        QTest::newRow("one line break left: kept, not shown")
            << crlf(QStringLiteral("dvar|PBSV: x")) << QString() << QString() << crlf(QStringLiteral("||"))
            << kCrLf;
        // Clean59 removes "hi" (one word) after Clean57 ran: its turn has passed, it loses the word all the
        // same.
        QTest::newRow("later removal reaches passed lines")
            << crlf(QStringLiteral("[04.12.2009 21:15:03] hi there|hi")) << QString()
            << crlf(QStringLiteral("there|")) << crlf(QStringLiteral("|  there|")) << QString();
    }
    void extendedPass() {
        QFETCH(QString, work);
        QFETCH(QString, history);
        QFETCH(QString, chat);
        QFETCH(QString, historyAfter);
        QFETCH(QString, workAfter);
        for (const ExtendedPassResult& r : {tvx::extendedPass(work, history, kNow, kQuote),
                                            naive::extendedPass(work, history, kNow, kQuote)}) {
            QCOMPARE(r.replaceChat, !chat.isEmpty());
            QCOMPARE(r.chatText, chat);
            QCOMPARE(r.history, historyAfter);
            QCOMPARE(r.work, workAfter);
            QCOMPARE(r.result, workAfter);
        }
    }

    void replaceDelimString_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("result");
        QTest::newRow("no start delimiter")
            << QStringLiteral("abc") << QStringLiteral("x") << QStringLiteral("c") << QStringLiteral("Z")
            << QStringLiteral("abc");
        QTest::newRow("between delimiters, case ignored")
            << QStringLiteral("a<B>old</b>z") << QStringLiteral("<b>") << QStringLiteral("</B>")
            << QStringLiteral("new") << QStringLiteral("a<B>new</b>z");
        QTest::newRow("no end delimiter behind the start")
            << QStringLiteral("]x[y") << QStringLiteral("[") << QStringLiteral("]") << QStringLiteral("Z")
            << QStringLiteral("]x[Z");
        QTest::newRow("empty end delimiter") << QStringLiteral("k=v;w") << QStringLiteral("=") << QString()
                                             << QStringLiteral("1") << QStringLiteral("k=1");
        QTest::newRow("empty start delimiter") << QStringLiteral("abc") << QString() << QStringLiteral("c")
                                               << QStringLiteral("Z") << QStringLiteral("Zc");
        QTest::newRow("empty text") << QString() << QString() << QString() << QStringLiteral("Z")
                                    << QString();
        QTest::newRow("start delimiter at the end")
            << QStringLiteral("ab=") << QStringLiteral("=") << QStringLiteral(";") << QStringLiteral("1")
            << QStringLiteral("ab=1");
    }
    void replaceDelimString() {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, with);
        QFETCH(QString, result);
        QCOMPARE(ReplaceDelimString(text, start, end, with), result);
    }

    // The fast filters against the plain reference over many generated logs.
    void differential_data() {
        QTest::addColumn<int>("seeds");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("everyMember");
        QTest::newRow("small") << 300 << 24 << false;
        QTest::newRow("small, each member alone") << 40 << 24 << true;
        QTest::newRow("large") << 8 << 400 << false;
    }
    void differential() {
        QFETCH(int, seeds);
        QFETCH(int, lines);
        QFETCH(bool, everyMember);
        for (int seed = 1; seed <= seeds; ++seed) {
            LogGenerator gen(quint32(seed * 7919 + lines));
            const int n = 1 + int(QRandomGenerator(quint32(seed)).bounded(lines));
            const QByteArray file = gen.fileBytes(n);
            const QString read = tvx::logFileText(file);
            QVERIFY2(read == naive::logFileText(file), qPrintable(QStringLiteral("seed %1").arg(seed)));
            const QString work = gen.workText(n);
            const QString quote = seed % 7 == 0 ? QString() : kQuote;
            for (const QString& input : {read, work}) {
                if (everyMember) {
                    for (int m = 1; m <= 60; ++m) {
                        const QString fast = tvx::cleanMember(m, input, kNow, quote);
                        const QString slow = naive::cleanMember(m, input, kNow, quote);
                        QVERIFY2(fast == slow,
                                 QByteArray("seed " + QByteArray::number(seed) + " Clean" +
                                            QByteArray::number(m) + ' ' + firstDifference(fast, slow))
                                     .constData());
                    }
                    continue;
                }
                compareChains(input, quote, QByteArray("seed ") + QByteArray::number(seed));
            }
        }
    }

    void sampleLog() {
        QFile file(QFINDTESTDATA("data/pbucon_sample.log"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString work = tvx::logFileText(bytes);
        QCOMPARE(work, naive::logFileText(bytes));
        compareChains(work, kQuote, "sample");
        // The sample has event lines, so the live view is shown.
        QVERIFY(tvx::shouldReplaceChat(liveDisplay(tvx::liveChain(work))));
        // The realistic log again, after its own CR LF conversion (a log with CR LF line ends).
        QByteArray crlfBytes = bytes;
        crlfBytes.replace("\n", "\r\n");
        compareChains(tvx::logFileText(crlfBytes), kQuote, "sample with CR LF");
    }

private:
    void compareChains(const QString& input, const QString& quote, const QByteArray& what) {
        const QString fast = tvx::liveChain(input);
        const QString slow = naive::liveChain(input);
        QVERIFY2(fast == slow, QByteArray(what + " live: " + firstDifference(fast, slow)).constData());
        const ExtendedPassResult f = tvx::extendedPass(input, QStringLiteral("h"), kNow, quote);
        const ExtendedPassResult s = naive::extendedPass(input, QStringLiteral("h"), kNow, quote);
        QVERIFY2(f.history == s.history,
                 QByteArray(what + " extended: " + firstDifference(f.history, s.history)).constData());
        QCOMPARE(f, s);
        // The extended pass over the live chain's result, as the window would run it.
        const QString ff = tvx::extendedPass(fast, {}, kNow, quote).history;
        const QString ss = naive::extendedPass(slow, {}, kNow, quote).history;
        QVERIFY2(ff == ss, QByteArray(what + " live then extended: " + firstDifference(ff, ss)).constData());
    }
};

QTEST_GUILESS_MAIN(TstLogFilters)
#include "tst_log_filters.moc"
