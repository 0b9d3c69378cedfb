#pragma once
// The engine under the UCON log filters: the work buffer as a list of lines, with what makes a filter
// cost the lines it touches instead of the whole buffer.
//
// - NeedleScanner finds, in one walk over a line, which of the filters' fixed search texts it may hold
//   (Aho-Corasick over case-folded characters);
// - FoldedSearch is a case-insensitive Horspool search for one text, equal to Qt's own;
// - PieceIndex maps the 8-character pieces after a blank to the lines that hold them, so that removing a
//   text from the whole buffer visits only the lines that can hold it;
// - LineBuffer applies a whole-text replacement line by line, falling back to the whole text whenever a
//   replacement would join or split lines.
//
// The rules themselves (which lines each filter removes) are in log_filters.cpp; tests compare the two
// against a plain whole-text reference.
#include <QString>
#include <QStringView>

#include <cstring>
#include <limits>
#include <vector>

namespace tvx::logindex {

// ---------------------------------------------------------------------------------------------------------
// Which of the fixed search texts a line may contain, case ignored, all in one walk over the line
// (Aho-Corasick over case-folded characters). A set bit is confirmed with Qt's own search before a line
// is removed; a clear bit is final, because the walk folds each character as Qt's search does. The search
// texts are ASCII; a character of the line takes part through its folding (KELVIN SIGN counts as "k").

class NeedleScanner {
public:
    explicit NeedleScanner(const std::vector<QString>& needles);

    quint64 scan(QStringView line) const;

private:
    std::vector<quint8> classes_; // by UTF-16 unit
    int width_ = 1;
    std::vector<quint16> next_;
    std::vector<quint64> out_;
};

// A case-insensitive search for one text, folding each UTF-16 unit as Qt's search does, by Horspool's
// method: each step looks up the window's last unit in a table made for all 65536 units and skips ahead.
// It finds a line exactly when QString's case-insensitive search does (a folded surrogate never equals
// the text's letters, which are ASCII).
class FoldedSearch {
public:
    explicit FoldedSearch(const QString& text);

    bool foundIn(QStringView line) const;

private:
    QString text_;
    std::vector<char16_t> fold_;
    std::vector<quint8> skip_;
};

// Every UTF-16 unit that Qt's case-insensitive search takes for `c`: those with the same case folding.
std::vector<char16_t> foldClass(char16_t c);

// Whether `line` holds one of `units` (a plain character search, which is vectorised).
bool containsAnyOf(QStringView line, const std::vector<char16_t>& units);

// ---------------------------------------------------------------------------------------------------------
// Lines holding a text: an index of the 8-character pieces that follow a blank. Whether a piece is
// recorded depends only on the characters themselves, so when a text holds a blank followed by 8 more
// characters, that piece is recorded for every line that holds the text. Each bucket's list holds (at
// least) every line whose current text has a recorded piece of that bucket; stale and repeated entries are
// allowed, because every candidate is checked against the line itself.

class PieceIndex {
public:
    static constexpr qsizetype kPiece = 8;

    void build(const std::vector<QString>& lines);

    // Records the pieces of `text` (line `line`) that start at first..last-1.
    void add(quint32 line, QStringView text, qsizetype first, qsizetype last);

    // Calls f(line) for every line that may hold `text`, a line maybe more than once, and returns true;
    // returns false without a call when the text has no recorded piece.
    template <typename F> bool forEachCandidate(QStringView text, F&& f) const {
        const Bucket* best = nullptr;
        int looked = 0;
        for (qsizetype at = text.indexOf(u' '); at >= 0 && at + 1 + kPiece <= text.size() && looked < 32;
             at = text.indexOf(u' ', at + 1), ++looked) {
            const Bucket& b = buckets_[bucketOf(text.data() + at + 1)];
            if (!best || b.count < best->count) {
                best = &b;
                if (b.count <= 1)
                    break;
            }
        }
        if (!best)
            return false;
        for (quint32 n = best->head; n != 0; n = nodes_[n - 1].next)
            f(nodes_[n - 1].line);
        return true;
    }

private:
    struct Bucket {
        quint32 head = 0; // 1-based node, 0 for none
        quint32 count = 0;
        quint32 last = std::numeric_limits<quint32>::max();
    };
    struct Node {
        quint32 line;
        quint32 next; // in pending_: the bucket
    };

    // Queues the pieces of `text` that start at first..last-1 (each right after a blank).
    void collect(quint32 line, QStringView text, qsizetype first, qsizetype last);
    void insert(quint32 line, quint32 bucket);

    std::size_t bucketOf(const QChar* p) const {
        quint64 x[2];
        static_assert(sizeof(QChar) * kPiece == sizeof x);
        std::memcpy(x, p, sizeof x);
        return std::size_t(((x[0] * 0x9E3779B97F4A7C15ULL) ^ (x[1] * 0xC2B2AE3D27D4EB4FULL)) >> shift_);
    }

    int shift_ = 56;
    std::vector<Bucket> buckets_;
    std::vector<Node> nodes_;
    std::vector<Node> pending_;
};

// ---------------------------------------------------------------------------------------------------------
// The work buffer as a list of lines (the text box's lines: separated by CR LF, which no line holds).
//
// A text to remove that neither ends with CR nor begins with LF can only occur inside lines, so the
// whole-text replacement is the replacement inside each line that holds it. One that ends with CR or
// begins with LF may also take the CR or the LF of a neighbouring line break: then each line is looked at
// together with the CR and LF of its breaks (no occurrence can hold a whole CR LF). Whenever an edit would
// break a line break or make a new one, the lines would shift: that step is done on the whole text instead.

class LineBuffer {
public:
    LineBuffer(QStringView text, const NeedleScanner& scanner);

    qsizetype size() const { return qsizetype(lines_.size()); }
    const QString& line(qsizetype i) const { return lines_[std::size_t(i)]; }

    // Whether line i contains needle `bit` of the scanner (`text`), case ignored.
    bool containsNeedle(qsizetype i, int bit, const QString& text);

    // Every occurrence of `find` in the whole text replaced by `with`, left to right, as one pass.
    void replaceEverywhere(const QString& find, const QString& with);

    // RemoveBlanks (and newclean, which then finds nothing): CR LF CR LF merged until none is left, which
    // drops every empty line that has a line break on both sides.
    void removeBlankLines();

    QString text() const;

private:
    enum class EditResult { NoMatch, Edited, Unsafe };

    struct Edit {
        std::size_t line;
        QString text;
        std::size_t junctionsBegin;
        std::size_t junctionsEnd;
        bool reindexAll;
    };

    void load(QStringView text);
    void resetDerived();
    void ensureIndex();
    void replaceWhole(const QString& find, const QString& with);
    // The edit of line k alone (with the CR and LF of its breaks when `segments`), kept in edits_.
    EditResult editLine(quint32 k, QStringView find, QStringView with, bool segments);

    const NeedleScanner* scanner_;
    std::vector<QString> lines_;
    std::vector<quint64> mask_;
    std::vector<quint8> maskValid_;
    std::vector<quint32> seen_;
    quint32 query_ = 0;
    PieceIndex index_;
    bool indexBuilt_ = false;
    std::vector<Edit> edits_;
    std::vector<qsizetype> junctions_;
};

} // namespace tvx::logindex
