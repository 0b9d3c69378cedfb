#include "core/text/text_util.h"

using namespace Qt::StringLiterals;

namespace tvx {

QString firstLine(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\r' || s[i] == u'\n')
            return s.left(i);
    }
    return s;
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

QString trimLeadingBlanks(const QString& s) {
    qsizetype b = 0;
    while (b < s.size() && s[b] == u' ')
        ++b;
    return s.mid(b);
}

double leadingNumber(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    bool digits = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double v = s.mid(start, i - start).toDouble(&ok);
    return ok ? v : 0;
}

QString replaceAll(QString text, const QString& find, const QString& with) {
    if (find.isEmpty())
        return text;
    return text.replace(find, with, Qt::CaseSensitive);
}

QString incrementCounter(const QString& counter) {
    const double v = leadingNumber(counter) + 1;
    return QString::number(static_cast<long long>(v));
}

QString timeOfDay(const QDateTime& t) {
    return t.toString(u"HH:mm:ss"_s);
}

QString bracketStamp(const QDateTime& t) {
    return u'[' + t.toString(u"MM.dd.yyyy HH:mm:ss"_s) + u']';
}

int countWords(const QString& s) {
    int words = 0;
    int run = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != u' ') {
            ++run;
            if (i == s.size() - 1)
                ++words;
        } else if (run > 0) {
            ++words;
            run = 0;
        }
    }
    return words;
}

} // namespace tvx
