#pragma once
// Line access to the text of a multi-line text box, with the edit control's rules: lines end at CR LF
// (a lone CR or LF is an ordinary character), an empty text has one line, and a text that ends in
// CR LF has an empty last line that counts.
#include <QString>
#include <QStringView>

#include <vector>

namespace tvx {

qsizetype lineCount(QStringView text);
// Line `n`, 1-based; the empty text for n below 1 or above the count.
QString textboxLine(QStringView text, qsizetype n);
// Start offset of each line (one entry per line).
std::vector<qsizetype> lineStarts(QStringView text);
// Replaces every CR LF CR LF by CR LF until the length no longer changes.
QString collapseBlankLines(QString text);

// Bounds a text that only grows at its end: once it holds more than `limit` characters, its oldest part goes
// and at most three quarters of the limit stay, so the cut comes once per quarter of the limit appended and
// its cost, spread over what was appended, stays small. The kept part starts at a line start (after a CR LF)
// whenever one lies within it, so every kept line is whole. Returns how many characters were removed from
// the front.
qsizetype dropOldest(QString& text, qsizetype limit);
// How many leading characters dropOldest would remove.
qsizetype oldestCut(QStringView text, qsizetype limit);

} // namespace tvx
