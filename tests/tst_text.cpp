// The shared text rules: code page, blank trimming, counters, whole-text replacement, text-box lines.
#include "core/text/codepage.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include <QTest>

using namespace tvx;

class TstText : public QObject {
    Q_OBJECT
private slots:
    void codePageIsLosslessForEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
        const QString text = fromAnsi(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toAnsi(text), all);
        QCOMPARE(text[0xFF], QChar(0xFF));
        QCOMPARE(text[0xFA], QChar(0xFA)); // the UCON separator "ú"
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(toAnsi(u"\u4e2d"_qs), QByteArray("?"));
    }

    void trimBlanks_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("both") << u"  hi  "_qs << u"hi"_qs;
        QTest::newRow("inner kept") << u" a b "_qs << u"a b"_qs;
        QTest::newRow("tabs stay") << u"\thi\t"_qs << u"\thi\t"_qs;
        QTest::newRow("only blanks") << u"   "_qs << QString();
        QTest::newRow("line break stays") << u" x\r\n "_qs << u"x\r\n"_qs;
    }
    void trimBlanks() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(tvx::trimBlanks(in), out);
    }

    void firstLine_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("no break") << u"say hi"_qs << u"say hi"_qs;
        QTest::newRow("LF") << u"say hi\nquit"_qs << u"say hi"_qs;
        QTest::newRow("CR LF") << u"bob\r\nadmin"_qs << u"bob"_qs;
        QTest::newRow("lone CR") << u"a\rb\nc"_qs << u"a"_qs;
        QTest::newRow("break first") << u"\nrest"_qs << QString();
        QTest::newRow("other controls stay") << u"a\tb\u2028c"_qs << u"a\tb\u2028c"_qs;
    }
    void firstLine() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(tvx::firstLine(in), out);
    }

    void counters_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << QString() << u"1"_qs;
        QTest::newRow("one") << u"1"_qs << u"2"_qs;
        QTest::newRow("leading number") << u"12abc"_qs << u"13"_qs;
        QTest::newRow("not a number") << u"x"_qs << u"1"_qs;
        QTest::newRow("blanks before") << u"  7"_qs << u"8"_qs;
    }
    void counters() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(incrementCounter(in), out);
    }

    void replaceAllScansOnceLeftToRight() {
        QCOMPARE(replaceAll(u"aabb"_qs, u"ab"_qs, {}), u"ab"_qs);
        QCOMPARE(replaceAll(u"abc"_qs, {}, u"x"_qs), u"abc"_qs);
        QCOMPARE(replaceAll(u"Abab"_qs, u"ab"_qs, u"-"_qs), u"Ab-"_qs);
    }

    void stampsAndWords() {
        const QDateTime t(QDate(2026, 12, 8), QTime(22, 10, 0));
        QCOMPARE(bracketStamp(t), u"[12.08.2026 22:10:00]"_qs);
        QCOMPARE(bracketStamp(t).size(), 21);
        QCOMPARE(timeOfDay(t), u"22:10:00"_qs);
        QCOMPARE(countWords(u"  a  b\tc "_qs), 2);
        QCOMPARE(countWords(u"   "_qs), 0);
        QCOMPARE(countWords(u"x"_qs), 1);
    }

    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty has one line") << QString() << 1 << 1 << QString();
        QTest::newRow("trailing break adds a line") << u"a\r\n"_qs << 2 << 2 << QString();
        QTest::newRow("one character") << u"x\r\nyz"_qs << 2 << 1 << u"x"_qs;
        QTest::newRow("zero is out of range") << u"a\r\nb"_qs << 2 << 0 << QString();
        QTest::newRow("above count") << u"a\r\nb"_qs << 2 << 3 << QString();
        QTest::newRow("lone LF is a character") << u"a\nb\r\nc"_qs << 2 << 1 << u"a\nb"_qs;
        QTest::newRow("CR CR LF keeps a CR") << u"a\r\r\nb"_qs << 2 << 1 << u"a\r"_qs;
    }
    void lines() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(int, n);
        QFETCH(QString, line);
        QCOMPARE(lineCount(text), count);
        QCOMPARE(textboxLine(text, n), line);
        QCOMPARE(static_cast<int>(lineStarts(text).size()), count);
    }

    void collapseBlankLines() {
        QCOMPARE(tvx::collapseBlankLines(u"\r\n\r\n\r\n\r\n"_qs), u"\r\n"_qs);
        QCOMPARE(tvx::collapseBlankLines(u"\r\na\r\n\r\n\r\nb\r\n"_qs), u"\r\na\r\nb\r\n"_qs);
        QCOMPARE(tvx::collapseBlankLines(u"a\r\n  \r\nb"_qs), u"a\r\n  \r\nb"_qs);
    }

    void dropOldest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        // A limit of 8 keeps at most 6 once it is passed.
        QTest::newRow("under the limit") << u"abc"_qs << 8 << u"abc"_qs;
        QTest::newRow("at the limit") << u"12345678"_qs << 8 << u"12345678"_qs;
        QTest::newRow("no limit") << u"123456789"_qs << 0 << u"123456789"_qs;
        QTest::newRow("whole lines") << u"aaa\r\nbb\r\ncc"_qs << 8 << u"bb\r\ncc"_qs;
        QTest::newRow("next line start") << u"abcdefgh\r\nxy"_qs << 8 << u"xy"_qs;
        QTest::newRow("inside a line break") << u"abcd\r\nefghi"_qs << 8 << u"efghi"_qs;
        QTest::newRow("no line break") << u"abcdefghij"_qs << 8 << u"efghij"_qs;
        QTest::newRow("only break at the end") << u"abcdefghi\r\n"_qs << 8 << u"fghi\r\n"_qs;
    }
    void dropOldest() {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, kept);
        QString t = text;
        QCOMPARE(tvx::dropOldest(t, limit), text.size() - kept.size());
        QCOMPARE(t, kept);
    }
};

QTEST_GUILESS_MAIN(TstText)
#include "tst_text.moc"
