#pragma once
// The text filters that turn the UCON client's log into the chat page's log text.
//
// Every filter is a loop over the work buffer's lines (count taken once at the start of the loop). When a
// line's test holds, every occurrence of that line's text in the WHOLE buffer is removed (Clean57: replaced),
// exactly as a whole-text replacement would: the line's text goes but its line break stays, equal lines
// vanish with it, and other lines that hold the text lose that piece. The results are exactly those of the
// whole-text rules; only the work is organised per line, so a removal costs the lines it touches rather than
// the whole buffer. Any number of lines is handled.
#include "core/text/text_util.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace tvx {

// The work buffer as LoadTextFile leaves it, from the bytes of "pbucon.log": lines end at CR LF or at a lone
// CR (a lone LF stays in its line); leading empty lines are dropped; the lines are joined with CR LF; then
// every LF becomes CR LF (so the joins become CR CR LF).
QString logFileText(QByteArrayView fileBytes);

// MasterParse's chain over the work buffer (CleanU, CleanU2, RemoveBlanks, newclean): the new work buffer.
QString liveChain(QString work);
// The result buffer of the live chain: every "ú" (exactly that letter) shown as " - ".
QString liveDisplay(const QString& work);
// Whether a result replaces the chat log: it is neither empty nor exactly CR LF.
bool shouldReplaceChat(const QString& display);

struct ExtendedPassResult {
    QString work;    // Text2 afterwards (empty when the result was used)
    QString result;  // Text7 afterwards (empty when the result was used)
    QString history; // Text6 afterwards: the old history, CR LF, the result
    bool replaceChat = false;
    QString chatText; // the result without leading and trailing blanks, when replaceChat

    friend bool operator==(const ExtendedPassResult&, const ExtendedPassResult&) = default;
};

// MasterClean: Clean1..Clean60, RemoveBlanks, newclean, then the history and the chat replacement.
// The stamp of Clean50 and Clean52 is taken once, from `now`, for the whole pass (the members run within
// the same instant). `quoteText` is the search text of Clean56 (one double quote in the window's design).
ExtendedPassResult extendedPass(QString work, QString history, const QDateTime& now,
                                const QString& quoteText);

// One member CleanN (1..60) of the extended pass over `work`; other numbers leave the text unchanged.
QString cleanMember(int number, QString work, const QDateTime& now, const QString& quoteText);

// The head of `sReplace` up to and including the first `sStartDelim` (case ignored), then `sReplaceWith`,
// then the rest from the first `sEndDelim` behind it (case ignored; nothing when missing or empty).
// Without the start delimiter the text comes back unchanged; an empty text holds no delimiter.
QString ReplaceDelimString(const QString& sReplace, const QString& sStartDelim, const QString& sEndDelim,
                           const QString& sReplaceWith);

inline int CountWords(const QString& s) {
    return countWords(s);
}

} // namespace tvx
