#include "naive_log_filters.h"

#include "core/text/codepage.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include <QRegularExpression>

#include <functional>

namespace tvx::naive {
namespace {

using Test = std::function<bool(const QString& line)>;

QString removal(const QString&) {
    return {};
}

// The line loop of every filter.
QString lineLoop(QString text, const Test& test,
                 const std::function<QString(const QString&)>& with = removal) {
    const qsizetype count = lineCount(text);
    for (qsizetype i = 1; i <= count; ++i) {
        const QString line = textboxLine(text, i);
        if (test(line))
            text = replaceAll(std::move(text), line, with(line));
    }
    return text;
}

QString removeBlanks(QString text) {
    qsizetype before = 0;
    do {
        before = text.size();
        text = replaceAll(std::move(text), QStringLiteral("\r\n\r\n"), kCrLf);
    } while (text.size() != before);
    return text;
}

QString newclean(QString text) {
    while (text.contains(QStringLiteral("\r\n\r\n")))
        text = replaceAll(std::move(text), QStringLiteral("\r\n\r\n"), kCrLf);
    return text;
}

Test contains(const QString& what) {
    return [what](const QString& line) { return line.contains(what, Qt::CaseInsensitive); };
}

bool readsAsNumber(const QString& line) {
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)")));
    const QString rest = replaceAll(replaceAll(line, QStringLiteral(" "), {}), QStringLiteral("-"), {});
    return number.match(rest).hasMatch();
}

} // namespace

QString logFileText(QByteArrayView fileBytes) {
    const QString file = fromAnsi(fileBytes);
    QString text;
    qsizetype pos = 0;
    while (pos < file.size()) {
        QString line;
        while (pos < file.size() && file[pos] != u'\r')
            line += file[pos++];
        if (pos < file.size()) {
            ++pos;
            if (pos < file.size() && file[pos] == u'\n')
                ++pos;
        }
        if (text.isEmpty())
            text = line;
        else
            text = text + kCrLf + line;
    }
    return replaceAll(text, QStringLiteral("\n"), kCrLf);
}

QString liveChain(QString work) {
    work = lineLoop(std::move(work), [](const QString& line) {
        return !line.contains(QStringLiteral("ú"), Qt::CaseInsensitive);
    });
    work = lineLoop(std::move(work), contains(QStringLiteral("cvars")));
    work = removeBlanks(std::move(work));
    return newclean(std::move(work));
}

QString cleanMember(int number, QString work, const QDateTime& now, const QString& quoteText) {
    const QString stamp = bracketStamp(now);
    auto begins = [](const QString& first, const QString& last) {
        return [first, last](const QString& line) {
            return line.left(first.size()) == first && line.right(last.size()) == last;
        };
    };
    auto equals = [](const QString& what) { return [what](const QString& line) { return line == what; }; };
    switch (number) {
    case 1:
        return lineLoop(std::move(work), contains(QStringLiteral("dvar")));
    case 2:
        return lineLoop(std::move(work), contains(QStringLiteral("packet")));
    case 3:
        return lineLoop(std::move(work), contains(QStringLiteral("Client Challenge")));
    case 4:
        return lineLoop(std::move(work), contains(QStringLiteral("555")));
    case 5:
        return lineLoop(std::move(work), contains(QStringLiteral("Even Balance")));
    case 6:
        return lineLoop(std::move(work), contains(QStringLiteral("Login Name:")));
    case 7:
        return lineLoop(std::move(work), contains(QStringLiteral("\r\n")));
    case 8:
        return lineLoop(std::move(work), contains(QStringLiteral("Punkbuster")));
    case 9:
        return lineLoop(std::move(work), contains(QStringLiteral("Sending heartbeat")));
    case 10:
        return lineLoop(std::move(work), contains(QStringLiteral("challenge")));
    case 11:
        return lineLoop(std::move(work), contains(QStringLiteral("PBSV:")));
    case 12:
        return lineLoop(std::move(work), contains(QStringLiteral("cl_")));
    case 13:
        return lineLoop(std::move(work), begins(QStringLiteral("["), QStringLiteral("]")));
    case 14:
        return lineLoop(std::move(work), begins(QStringLiteral("["), QStringLiteral("] ")));
    case 15:
        return lineLoop(std::move(work), contains(QStringLiteral("g_")));
    case 16:
        return lineLoop(std::move(work), contains(QStringLiteral("sv_")));
    case 17:
        return lineLoop(std::move(work), contains(QStringLiteral("iwd")));
    case 18:
        return lineLoop(std::move(work), contains(QStringLiteral("mp_")));
    case 19:
        return lineLoop(std::move(work), contains(QStringLiteral("ShutdownGame")));
    case 20:
        return lineLoop(std::move(work), contains(QStringLiteral("FS_")));
    case 21:
        return lineLoop(std::move(work), contains(QStringLiteral("Current language: ")));
    case 22:
        return lineLoop(std::move(work), contains(QStringLiteral("Initialization ------")));
    case 23:
        return lineLoop(std::move(work), contains(QStringLiteral("localized assets")));
    case 24:
        return lineLoop(std::move(work), contains(QStringLiteral("File Handles:")));
    case 25:
        return lineLoop(std::move(work), contains(QStringLiteral(">----------------------")));
    case 26:
        return lineLoop(std::move(work), contains(QStringLiteral("gamename:")));
    case 27:
        return lineLoop(std::move(work), contains(QStringLiteral("gamedate:")));
    case 28:
        return lineLoop(std::move(work), contains(QStringLiteral("xmodel")));
    case 29:
        return lineLoop(std::move(work), contains(QStringLiteral(">c:\\")));
    case 30:
        return lineLoop(std::move(work), contains(QStringLiteral(".log")));
    case 31:
        return lineLoop(std::move(work), contains(QStringLiteral("->Rcon from ")));
    case 32:
        return lineLoop(std::move(work), contains(QStringLiteral("map_rotate")));
    case 33:
        return lineLoop(std::move(work), contains(QStringLiteral(" path:")));
    case 34:
        return lineLoop(std::move(work), contains(QStringLiteral("CS_")));
    case 35:
        return lineLoop(std::move(work), contains(QStringLiteral("_shared")));
    case 36:
        return lineLoop(std::move(work), begins(QStringLiteral("["), QStringLiteral("->")));
    case 37:
        return lineLoop(std::move(work), equals(QStringLiteral(" ->")));
    case 38:
        return lineLoop(std::move(work), equals(QStringLiteral("say")));
    case 39:
        return lineLoop(std::move(work), equals(QString()),
                        [](const QString&) { return QStringLiteral("46"); });
    case 40:
        return lineLoop(std::move(work), contains(QStringLiteral(" My Address:")));
    case 41:
        return lineLoop(std::move(work), contains(QStringLiteral(":28960")));
    case 42:
        return lineLoop(std::move(work), contains(QStringLiteral(" Server IP:")));
    case 43:
        return lineLoop(std::move(work), contains(QStringLiteral(" Server Port:")));
    case 44:
        return lineLoop(std::move(work), contains(QStringLiteral("num score ping guid")));
    case 45:
        return lineLoop(std::move(work), contains(QStringLiteral("--------------------------------")));
    case 46:
        return lineLoop(std::move(work), contains(QStringLiteral("mapname")));
    case 47:
        return lineLoop(std::move(work), contains(QStringLiteral("Domain is any text")));
    case 48:
        return lineLoop(std::move(work), equals(QStringLiteral("status")));
    case 49:
        return lineLoop(std::move(work), contains(QStringLiteral("default:")));
    case 50:
        return lineLoop(std::move(work), equals(stamp + QStringLiteral(" ")));
    case 51:
        return lineLoop(std::move(work), contains(QStringLiteral("map_rotate")));
    case 52:
        return lineLoop(std::move(work), equals(stamp + QStringLiteral(" -> ")));
    case 53:
        return lineLoop(std::move(work),
                        [](const QString& line) { return line.right(5) == QStringLiteral("25000"); });
    case 54:
        return lineLoop(std::move(work), contains(QStringLiteral("warning:")));
    case 55:
        return lineLoop(std::move(work), contains(QStringLiteral("_")));
    case 56:
        return lineLoop(std::move(work), contains(quoteText));
    case 57:
        return lineLoop(
            std::move(work), [](const QString& line) { return line.left(1) == QStringLiteral("["); },
            [](const QString& line) { return line.mid(21); });
    case 58:
        return lineLoop(std::move(work), readsAsNumber);
    case 59:
        return lineLoop(std::move(work), [](const QString& line) { return countWords(line) < 2; });
    case 60:
        return lineLoop(std::move(work), [](const QString& line) {
            QString copy = line;
            while (copy.contains(QStringLiteral("\r\n\r\n")))
                copy = replaceAll(copy, QStringLiteral("\r\n\r\n"), kCrLf);
            return false;
        });
    default:
        return work;
    }
}

ExtendedPassResult extendedPass(QString work, QString history, const QDateTime& now,
                                const QString& quoteText) {
    for (int n = 1; n <= 60; ++n)
        work = cleanMember(n, std::move(work), now, quoteText);
    work = newclean(removeBlanks(std::move(work)));
    ExtendedPassResult r;
    r.work = work;
    r.result = work;
    r.history = history + kCrLf + r.result;
    if (!r.result.isEmpty() && r.result != kCrLf) {
        r.chatText = trimBlanks(r.result);
        r.replaceChat = true;
        r.work.clear();
        r.result.clear();
    }
    return r;
}

} // namespace tvx::naive
