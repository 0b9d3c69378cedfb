#pragma once
// The small text rules the console's texts assume, kept in one place.
#include <QDateTime>
#include <QString>

namespace tvx {

inline const QString kCrLf = QStringLiteral("\r\n");

// Removes leading and trailing blanks (the space character only; tabs and line breaks stay).
QString trimBlanks(const QString& s);
QString trimLeadingBlanks(const QString& s);

// What a single-line box keeps of a text: everything before its first CR or LF.
QString firstLine(const QString& s);

// The leading decimal number of a text after leading blanks ("12abc" -> 12, "" -> 0, "x" -> 0).
double leadingNumber(const QString& s);

// Every occurrence of `find` replaced by `with`, case-sensitive. An empty `find` changes nothing.
QString replaceAll(QString text, const QString& find, const QString& with);
inline QString removeAll(QString text, const QString& find) {
    return replaceAll(std::move(text), find, {});
}

// Adds one to a counter held as text ("" -> "1", "2" -> "3").
QString incrementCounter(const QString& counter);

// "hh:mm:ss", 24-hour clock.
QString timeOfDay(const QDateTime& t);
// "[mm.dd.yyyy hh:mm:ss]": the stamp of chat echo lines and log filters (21 characters).
QString bracketStamp(const QDateTime& t);

// Number of maximal runs of characters other than the space.
int countWords(const QString& s);

} // namespace tvx
