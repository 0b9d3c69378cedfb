// The shared text rules: code page, blank trimming, counters, whole-text replacement, text-box lines.
#include "core/text/codepage.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
        QCOMPARE(toAnsi(u"\u4e2d"_s), QByteArray("?"));
        QVERIFY(inAnsi(text));
    }

    // A character the code page lacks would be written as another one ('?').
    void codePageKeepsOnlyItsOwnCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("in");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("letters and signs") << u"p\u00e4ssw\u00f6rd \u20ac\u0178\u00ff?"_s << true;
        QTest::newRow("fullwidth plus") << u"a\uff0b"_s << false;
        QTest::newRow("Greek question mark") << u"\u037e"_s << false;
        QTest::newRow("a C1 code the code page gives another character") << u"\u0080"_s << false;
        QTest::newRow("Chinese") << u"\u4e2d"_s << false;
        QTest::newRow("outside the plane") << u"\U0001F600"_s << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << false;
    }
    void codePageKeepsOnlyItsOwnCharacters() {
        QFETCH(QString, text);
        QFETCH(bool, in);
        QCOMPARE(tvx::inAnsi(text), in);
    }

    void trimBlanks_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("both") << u"  hi  "_s << u"hi"_s;
        QTest::newRow("inner kept") << u" a b "_s << u"a b"_s;
        QTest::newRow("tabs stay") << u"\thi\t"_s << u"\thi\t"_s;
        QTest::newRow("only blanks") << u"   "_s << QString();
        QTest::newRow("line break stays") << u" x\r\n "_s << u"x\r\n"_s;
    }
    void trimBlanks() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(tvx::trimBlanks(in), out);
    }

    void firstLine_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("no break") << u"say hi"_s << u"say hi"_s;
        QTest::newRow("LF") << u"say hi\nquit"_s << u"say hi"_s;
        QTest::newRow("CR LF") << u"bob\r\nadmin"_s << u"bob"_s;
        QTest::newRow("lone CR") << u"a\rb\nc"_s << u"a"_s;
        QTest::newRow("break first") << u"\nrest"_s << QString();
        QTest::newRow("other controls stay") << u"a\tb\u2028c"_s << u"a\tb\u2028c"_s;
    }
    void firstLine() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(tvx::firstLine(in), out);
    }

    void counters_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("empty") << QString() << u"1"_s;
        QTest::newRow("one") << u"1"_s << u"2"_s;
        QTest::newRow("leading number") << u"12abc"_s << u"13"_s;
        QTest::newRow("not a number") << u"x"_s << u"1"_s;
        QTest::newRow("blanks before") << u"  7"_s << u"8"_s;
    }
    void counters() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(incrementCounter(in), out);
    }

    void replaceAllScansOnceLeftToRight() {
        QCOMPARE(replaceAll(u"aabb"_s, u"ab"_s, {}), u"ab"_s);
        QCOMPARE(replaceAll(u"abc"_s, {}, u"x"_s), u"abc"_s);
        QCOMPARE(replaceAll(u"Abab"_s, u"ab"_s, u"-"_s), u"Ab-"_s);
    }

    void stampsAndWords() {
        const QDateTime t(QDate(2026, 12, 8), QTime(22, 10, 0));
        QCOMPARE(bracketStamp(t), u"[12.08.2026 22:10:00]"_s);
        QCOMPARE(bracketStamp(t).size(), 21);
        QCOMPARE(timeOfDay(t), u"22:10:00"_s);
        QCOMPARE(countWords(u"  a  b\tc "_s), 2);
        QCOMPARE(countWords(u"   "_s), 0);
        QCOMPARE(countWords(u"x"_s), 1);
    }

    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty has one line") << QString() << 1 << 1 << QString();
        QTest::newRow("trailing break adds a line") << u"a\r\n"_s << 2 << 2 << QString();
        QTest::newRow("one character") << u"x\r\nyz"_s << 2 << 1 << u"x"_s;
        QTest::newRow("zero is out of range") << u"a\r\nb"_s << 2 << 0 << QString();
        QTest::newRow("above count") << u"a\r\nb"_s << 2 << 3 << QString();
        QTest::newRow("lone LF is a character") << u"a\nb\r\nc"_s << 2 << 1 << u"a\nb"_s;
        QTest::newRow("CR CR LF keeps a CR") << u"a\r\r\nb"_s << 2 << 1 << u"a\r"_s;
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
        QCOMPARE(tvx::collapseBlankLines(u"\r\n\r\n\r\n\r\n"_s), u"\r\n"_s);
        QCOMPARE(tvx::collapseBlankLines(u"\r\na\r\n\r\n\r\nb\r\n"_s), u"\r\na\r\nb\r\n"_s);
        QCOMPARE(tvx::collapseBlankLines(u"a\r\n  \r\nb"_s), u"a\r\n  \r\nb"_s);
    }

    void dropOldest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        // A limit of 8 keeps at most 6 once it is passed.
        QTest::newRow("under the limit") << u"abc"_s << 8 << u"abc"_s;
        QTest::newRow("at the limit") << u"12345678"_s << 8 << u"12345678"_s;
        QTest::newRow("no limit") << u"123456789"_s << 0 << u"123456789"_s;
        QTest::newRow("whole lines") << u"aaa\r\nbb\r\ncc"_s << 8 << u"bb\r\ncc"_s;
        QTest::newRow("next line start") << u"abcdefgh\r\nxy"_s << 8 << u"xy"_s;
        QTest::newRow("inside a line break") << u"abcd\r\nefghi"_s << 8 << u"efghi"_s;
        QTest::newRow("no line break") << u"abcdefghij"_s << 8 << u"efghij"_s;
        QTest::newRow("only break at the end") << u"abcdefghi\r\n"_s << 8 << u"fghi\r\n"_s;
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
