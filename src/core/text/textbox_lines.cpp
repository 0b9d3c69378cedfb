#include "core/text/textbox_lines.h"

#include "core/text/text_util.h"

using namespace Qt::StringLiterals;

namespace tvx {

std::vector<qsizetype> lineStarts(QStringView text) {
    std::vector<qsizetype> starts{0};
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n') {
            starts.push_back(i + 2);
            ++i;
        }
    }
    return starts;
}

qsizetype lineCount(QStringView text) {
    qsizetype n = 1;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n') {
            ++n;
            ++i;
        }
    }
    return n;
}

QString textboxLine(QStringView text, qsizetype n) {
    if (n < 1)
        return {};
    qsizetype line = 1;
    qsizetype start = 0;
    while (line < n) {
        const qsizetype at = text.indexOf(u"\r\n", start);
        if (at < 0)
            return {};
        start = at + 2;
        ++line;
    }
    qsizetype end = text.indexOf(u"\r\n", start);
    if (end < 0)
        end = text.size();
    return text.mid(start, end - start).toString();
}

QString collapseBlankLines(QString text) {
    static const QString twice = u"\r\n\r\n"_s;
    qsizetype before = 0;
    do {
        before = text.size();
        text = replaceAll(std::move(text), twice, kCrLf);
    } while (text.size() != before);
    return text;
}

qsizetype oldestCut(QStringView text, qsizetype limit) {
    if (limit <= 0 || text.size() <= limit)
        return 0;
    const qsizetype earliest = text.size() - (limit - limit / 4);
    const qsizetype br = text.indexOf(u"\r\n", qMax<qsizetype>(earliest - 2, 0));
    if (br >= 0 && br + 2 >= earliest && br + 2 < text.size())
        return br + 2;
    return earliest;
}

qsizetype dropOldest(QString& text, qsizetype limit) {
    const qsizetype cut = oldestCut(text, limit);
    text.remove(0, cut);
    return cut;
}

} // namespace tvx
