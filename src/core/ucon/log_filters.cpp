#include "core/ucon/log_filters.h"

#include "core/text/text_file.h"
#include "core/ucon/log_index.h"

#include <QStringView>

#include <array>
#include <vector>

namespace tvx {
namespace {

using namespace logindex;

// ---------------------------------------------------------------------------------------------------------
// The members and their tests.

enum class Kind {
    Contains,      // the line contains `a`, case ignored
    BeginsAndEnds, // the line begins with `a` and ends with `b`, exactly
    Equals,        // the line is `a`
    StampEquals,   // the line is the stamp followed by `a`
    EndsWith,      // the line ends with `a`
    ContainsQuote, // the line contains the quote text, case ignored
    Restamp,       // the line begins with "[": its text becomes the text from its 22nd character on
    Number,        // without blanks and hyphens the line reads as a number
    FewWords,      // fewer than two words
    Nothing,       // the member cannot change the buffer
};

struct Member {
    Kind kind = Kind::Nothing;
    QString a;
    QString b;
    int needle = -1; // bit of the needle scanner, for Contains
};

struct MemberTable {
    std::array<Member, 61> members; // 1..60
    std::vector<QString> needles;   // the scanner's needles
};

const MemberTable& memberTable() {
    static const MemberTable table = [] {
        MemberTable t;
        auto contains = [&t](int n, const QString& text) {
            t.members[n] = {Kind::Contains, text, {}, int(t.needles.size())};
            t.needles.push_back(text);
        };
        auto other = [&t](int n, Kind kind, const QString& a = {}, const QString& b = {}) {
            t.members[n] = {kind, a, b, -1};
        };
        contains(1, QStringLiteral("dvar"));
        contains(2, QStringLiteral("packet"));
        contains(3, QStringLiteral("Client Challenge"));
        contains(4, QStringLiteral("555"));
        contains(5, QStringLiteral("Even Balance"));
        contains(6, QStringLiteral("Login Name:"));
        contains(7, QStringLiteral("\r\n")); // a fetched line never holds one
        contains(8, QStringLiteral("Punkbuster"));
        contains(9, QStringLiteral("Sending heartbeat"));
        contains(10, QStringLiteral("challenge"));
        contains(11, QStringLiteral("PBSV:"));
        contains(12, QStringLiteral("cl_"));
        other(13, Kind::BeginsAndEnds, QStringLiteral("["), QStringLiteral("]"));
        other(14, Kind::BeginsAndEnds, QStringLiteral("["), QStringLiteral("] "));
        contains(15, QStringLiteral("g_"));
        contains(16, QStringLiteral("sv_"));
        contains(17, QStringLiteral("iwd"));
        contains(18, QStringLiteral("mp_"));
        contains(19, QStringLiteral("ShutdownGame"));
        contains(20, QStringLiteral("FS_"));
        contains(21, QStringLiteral("Current language: "));
        contains(22, QStringLiteral("Initialization ------"));
        contains(23, QStringLiteral("localized assets"));
        contains(24, QStringLiteral("File Handles:"));
        contains(25, u'>' + QString(22, u'-'));
        contains(26, QStringLiteral("gamename:"));
        contains(27, QStringLiteral("gamedate:"));
        contains(28, QStringLiteral("xmodel"));
        contains(29, QStringLiteral(">c:\\"));
        contains(30, QStringLiteral(".log"));
        contains(31, QStringLiteral("->Rcon from "));
        contains(32, QStringLiteral("map_rotate"));
        contains(33, QStringLiteral(" path:"));
        contains(34, QStringLiteral("CS_"));
        contains(35, QStringLiteral("_shared"));
        other(36, Kind::BeginsAndEnds, QStringLiteral("["), QStringLiteral("->"));
        other(37, Kind::Equals, QStringLiteral(" ->"));
        other(38, Kind::Equals, QStringLiteral("say"));
        // Clean39 tests for the empty line, and replacing the empty text changes nothing.
        other(39, Kind::Nothing);
        contains(40, QStringLiteral(" My Address:"));
        contains(41, QStringLiteral(":28960"));
        contains(42, QStringLiteral(" Server IP:"));
        contains(43, QStringLiteral(" Server Port:"));
        contains(44, QStringLiteral("num score ping guid"));
        contains(45, QString(32, u'-'));
        contains(46, QStringLiteral("mapname"));
        contains(47, QStringLiteral("Domain is any text"));
        other(48, Kind::Equals, QStringLiteral("status"));
        contains(49, QStringLiteral("default:"));
        other(50, Kind::StampEquals, QStringLiteral(" "));
        contains(51, QStringLiteral("map_rotate"));
        other(52, Kind::StampEquals, QStringLiteral(" -> "));
        other(53, Kind::EndsWith, QStringLiteral("25000"));
        contains(54, QStringLiteral("warning:"));
        contains(55, QStringLiteral("_"));
        other(56, Kind::ContainsQuote);
        other(57, Kind::Restamp, QStringLiteral("["));
        other(58, Kind::Number);
        other(59, Kind::FewWords);
        // Clean60 merges blank lines inside its own copy of a line and stores nothing.
        other(60, Kind::Nothing);
        return t;
    }();
    return table;
}

// Blanks and hyphens taken out, the rest is plain digits with an optional leading sign and at most one
// decimal point, and at least one digit.
bool readsAsNumber(QStringView line) {
    bool first = true;
    bool digits = false;
    bool point = false;
    for (const QChar ch : line) {
        const char16_t c = ch.unicode();
        if (c == u' ' || c == u'-')
            continue;
        const bool leading = first;
        first = false;
        if (leading && c == u'+')
            continue;
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// The line loop: the count taken once; each line fetched afresh; `with` gives the replacement of a line
// whose test holds. An empty line (or one past the end) is never changed: replacing the empty text is a
// no-op.
template <typename Test, typename With> void lineLoop(LineBuffer& buf, Test&& test, With&& with) {
    const qsizetype count = buf.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (i >= buf.size())
            continue;
        const QString line = buf.line(i);
        if (line.isEmpty() || !test(i, line))
            continue;
        buf.replaceEverywhere(line, with(line));
    }
}

QString nothing(const QString&) {
    return {};
}

const NeedleScanner& needleScanner() {
    static const NeedleScanner scanner(memberTable().needles);
    return scanner;
}

void runMember(LineBuffer& buf, int number, const QString& stamp, const QString& quoteText) {
    if (number < 1 || number > 60)
        return;
    const Member& m = memberTable().members[std::size_t(number)];
    switch (m.kind) {
    case Kind::Contains:
        lineLoop(
            buf, [&](qsizetype i, const QString&) { return buf.containsNeedle(i, m.needle, m.a); }, nothing);
        break;
    case Kind::BeginsAndEnds:
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l.startsWith(m.a) && l.endsWith(m.b); }, nothing);
        break;
    case Kind::Equals:
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l == m.a; }, nothing);
        break;
    case Kind::StampEquals: {
        const QString target = stamp + m.a;
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l == target; }, nothing);
        break;
    }
    case Kind::EndsWith:
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l.endsWith(m.a); }, nothing);
        break;
    case Kind::ContainsQuote:
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l.contains(quoteText, Qt::CaseInsensitive); },
            nothing);
        break;
    case Kind::Restamp:
        lineLoop(
            buf, [&](qsizetype, const QString& l) { return l.startsWith(m.a); },
            [](const QString& l) { return l.mid(21); });
        break;
    case Kind::Number:
        lineLoop(
            buf, [](qsizetype, const QString& l) { return readsAsNumber(l); }, nothing);
        break;
    case Kind::FewWords:
        lineLoop(
            buf, [](qsizetype, const QString& l) { return countWords(l) < 2; }, nothing);
        break;
    case Kind::Nothing:
        break;
    }
}

} // namespace

QString logFileText(QByteArrayView fileBytes) {
    // The lines as read; leading empty lines never reach the text, which is empty until a line is not.
    QString text = joinedFileLines(fileBytes);
    qsizetype lead = 0;
    while (QStringView(text).sliced(lead).startsWith(kCrLf))
        lead += 2;
    text.remove(0, lead);
    // The LF rule: every LF becomes CR LF, the joins included (CR CR LF).
    return replaceAll(std::move(text), QStringLiteral("\n"), kCrLf);
}

QString liveChain(QString work) {
    LineBuffer buf(work, needleScanner());
    work.clear();
    // A one-letter case-insensitive search is a search for the letters of the same folding.
    static const std::vector<char16_t> separators = foldClass(u'ú');
    // The search skips through most of a line; a line it finds is confirmed with QString's search.
    static const QString cvars = QStringLiteral("cvars");
    static const FoldedSearch cvarsSearch(cvars);
    // CleanU: a line without a separator goes.
    lineLoop(
        buf, [](qsizetype, const QString& l) { return !containsAnyOf(l, separators); }, nothing);
    // CleanU2: a line about cvars goes.
    lineLoop(
        buf,
        [](qsizetype, const QString& l) {
            return cvarsSearch.foundIn(l) && l.contains(cvars, Qt::CaseInsensitive);
        },
        nothing);
    buf.removeBlankLines();
    return buf.text();
}

QString liveDisplay(const QString& work) {
    // One pass: the result of a whole-text replacement, without moving the rest of the text per separator.
    constexpr QChar separator(u'ú');
    const qsizetype count = work.count(separator);
    if (count == 0)
        return work;
    QString out(work.size() + 2 * count, Qt::Uninitialized);
    QChar* d = out.data();
    for (const QChar c : work) {
        if (c == separator) {
            *d++ = u' ';
            *d++ = u'-';
            *d++ = u' ';
        } else {
            *d++ = c;
        }
    }
    return out;
}

bool shouldReplaceChat(const QString& display) {
    return !display.isEmpty() && display != kCrLf;
}

ExtendedPassResult extendedPass(QString work, QString history, const QDateTime& now,
                                const QString& quoteText) {
    LineBuffer buf(work, needleScanner());
    work.clear();
    const QString stamp = bracketStamp(now);
    for (int n = 1; n <= 60; ++n)
        runMember(buf, n, stamp, quoteText);
    buf.removeBlankLines();

    ExtendedPassResult r;
    r.result = buf.text();
    r.history = std::move(history) + kCrLf + r.result;
    if (shouldReplaceChat(r.result)) {
        r.replaceChat = true;
        r.chatText = trimBlanks(r.result);
        r.result.clear();
    } else {
        r.work = r.result;
    }
    return r;
}

QString cleanMember(int number, QString work, const QDateTime& now, const QString& quoteText) {
    LineBuffer buf(work, needleScanner());
    work.clear();
    runMember(buf, number, bracketStamp(now), quoteText);
    return buf.text();
}

QString ReplaceDelimString(const QString& sReplace, const QString& sStartDelim, const QString& sEndDelim,
                           const QString& sReplaceWith) {
    if (sReplace.isEmpty())
        return sReplace;
    const qsizetype start = sReplace.indexOf(sStartDelim, 0, Qt::CaseInsensitive);
    if (start < 0)
        return sReplace;
    const qsizetype headLength = start + sStartDelim.size();
    qsizetype tail = sReplace.size();
    if (!sEndDelim.isEmpty()) {
        const qsizetype end = sReplace.indexOf(sEndDelim, headLength, Qt::CaseInsensitive);
        if (end >= 0)
            tail = end;
    }
    return sReplace.left(headLength) + sReplaceWith + sReplace.mid(tail);
}

} // namespace tvx
