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

#include <algorithm>
#include <array>
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
    explicit NeedleScanner(const std::vector<QString>& needles) : classes_(65536, 0) {
        Q_ASSERT(needles.size() <= 64);
        // Symbol classes: one per distinct folded character of the needles, 0 for every other character.
        std::array<quint8, 128> ascii{};
        int width = 1;
        std::vector<std::vector<int>> symbols;
        for (const QString& n : needles) {
            std::vector<int> s;
            for (const QChar ch : n.toCaseFolded()) {
                const char16_t c = ch.unicode();
                Q_ASSERT(c < 128);
                if (ascii[c] == 0)
                    ascii[c] = quint8(width++);
                s.push_back(ascii[c]);
            }
            symbols.push_back(std::move(s));
        }
        width_ = width;
        for (char32_t u = 0; u <= 0xFFFF; ++u) {
            const char32_t folded = QChar::toCaseFolded(u);
            classes_[u] = folded < 128 ? ascii[folded] : 0;
        }
        // Trie.
        std::vector<std::vector<int>> go(1, std::vector<int>(width_, -1));
        out_.assign(1, 0);
        for (std::size_t n = 0; n < symbols.size(); ++n) {
            int state = 0;
            for (const int c : symbols[n]) {
                if (go[state][c] < 0) {
                    go[state][c] = int(go.size());
                    go.emplace_back(width_, -1);
                    out_.push_back(0);
                }
                state = go[state][c];
            }
            out_[state] |= quint64(1) << n;
        }
        // Failure links, breadth first, turned into a complete transition table.
        std::vector<int> fail(go.size(), 0);
        std::vector<int> queue;
        next_.assign(go.size() * width_, 0);
        for (int c = 0; c < width_; ++c) {
            const int s = go[0][c];
            next_[c] = quint16(s < 0 ? 0 : s);
            if (s > 0)
                queue.push_back(s);
        }
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const int r = queue[head];
            out_[r] |= out_[fail[r]];
            for (int c = 0; c < width_; ++c) {
                const int s = go[r][c];
                if (s < 0) {
                    next_[r * width_ + c] = next_[fail[r] * width_ + c];
                } else {
                    fail[s] = next_[fail[r] * width_ + c];
                    next_[r * width_ + c] = quint16(s);
                    queue.push_back(s);
                }
            }
        }
    }

    quint64 scan(QStringView line) const {
        quint64 found = 0;
        int state = 0;
        for (const QChar ch : line) {
            state = next_[state * width_ + classes_[ch.unicode()]];
            found |= out_[state];
        }
        return found;
    }

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
    explicit FoldedSearch(const QString& text) : text_(text.toCaseFolded()), fold_(65536), skip_(65536) {
        const auto length = text_.size();
        Q_ASSERT(length > 0 && length < 256);
        for (char32_t u = 0; u <= 0xFFFF; ++u) {
            const char32_t folded = QChar::toCaseFolded(u);
            fold_[u] = char16_t(folded <= 0xFFFF ? folded : u);
            skip_[u] = quint8(length);
            for (qsizetype i = 0; i + 1 < length; ++i) {
                if (text_[i].unicode() == fold_[u])
                    skip_[u] = quint8(length - 1 - i);
            }
        }
    }

    bool foundIn(QStringView line) const {
        const qsizetype m = text_.size();
        const char16_t* h = line.utf16();
        const char16_t* t = QStringView(text_).utf16();
        for (qsizetype p = m - 1; p < line.size(); p += skip_[h[p]]) {
            if (fold_[h[p]] != t[m - 1])
                continue;
            qsizetype i = 0;
            while (i + 1 < m && fold_[h[p - m + 1 + i]] == t[i])
                ++i;
            if (i + 1 == m)
                return true;
        }
        return false;
    }

private:
    QString text_;
    std::vector<char16_t> fold_;
    std::vector<quint8> skip_;
};

// Every UTF-16 unit that Qt's case-insensitive search takes for `c`: those with the same case folding.
inline std::vector<char16_t> foldClass(char16_t c) {
    std::vector<char16_t> units;
    const char32_t folded = QChar::toCaseFolded(char32_t(c));
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        if (QChar::toCaseFolded(u) == folded)
            units.push_back(char16_t(u));
    }
    return units;
}

// Whether `line` holds one of `units` (a plain character search, which is vectorised).
inline bool containsAnyOf(QStringView line, const std::vector<char16_t>& units) {
    return std::any_of(units.begin(), units.end(), [line](char16_t u) { return line.contains(QChar(u)); });
}

// ---------------------------------------------------------------------------------------------------------
// Lines holding a text: an index of the 8-character pieces that follow a blank. Whether a piece is
// recorded depends only on the characters themselves, so when a text holds a blank followed by 8 more
// characters, that piece is recorded for every line that holds the text. Each bucket's list holds (at
// least) every line whose current text has a recorded piece of that bucket; stale and repeated entries are
// allowed, because every candidate is checked against the line itself.

class PieceIndex {
public:
    static constexpr qsizetype kPiece = 8;

    void build(const std::vector<QString>& lines) {
        qsizetype characters = 0;
        for (const QString& l : lines)
            characters += l.size();
        int bits = 8;
        while (bits < 17 && (qsizetype(1) << bits) < characters / 16)
            ++bits;
        shift_ = 64 - bits;
        buckets_.assign(std::size_t(1) << bits, Bucket{});
        nodes_.clear();
        nodes_.reserve(std::size_t(characters / 6) + 16);
        // The pieces of all lines in one sequential sweep, then the inserts, each bucket fetched into the
        // cache some inserts ahead.
        pending_.clear();
        for (std::size_t k = 0; k < lines.size(); ++k)
            collect(quint32(k), lines[k], 0, lines[k].size());
        constexpr std::size_t kAhead = 16;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            if (i + kAhead < pending_.size())
                __builtin_prefetch(&buckets_[pending_[i + kAhead].next], 1);
            insert(pending_[i].line, pending_[i].next);
        }
        pending_.clear();
    }

    // Records the pieces of `text` (line `line`) that start at first..last-1.
    void add(quint32 line, QStringView text, qsizetype first, qsizetype last) {
        pending_.clear();
        collect(line, text, first, last);
        for (const Node& p : pending_)
            insert(p.line, p.next);
        pending_.clear();
    }

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
    void collect(quint32 line, QStringView text, qsizetype first, qsizetype last) {
        first = std::max<qsizetype>(first, 1);
        last = std::min<qsizetype>(last, text.size() - kPiece + 1);
        if (first >= last)
            return;
        for (qsizetype at = text.indexOf(u' ', first - 1); at >= 0 && at + 1 < last;
             at = text.indexOf(u' ', at + 1))
            pending_.push_back({line, quint32(bucketOf(text.data() + at + 1))});
    }

    void insert(quint32 line, quint32 bucket) {
        Bucket& b = buckets_[bucket];
        if (b.last == line)
            return;
        b.last = line;
        ++b.count;
        nodes_.push_back({line, b.head});
        b.head = quint32(nodes_.size());
    }

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
    LineBuffer(QStringView text, const NeedleScanner& scanner) : scanner_(&scanner) { load(text); }

    qsizetype size() const { return qsizetype(lines_.size()); }
    const QString& line(qsizetype i) const { return lines_[std::size_t(i)]; }

    // Whether line i contains needle `bit` of the scanner (`text`), case ignored.
    bool containsNeedle(qsizetype i, int bit, const QString& text) {
        const auto k = std::size_t(i);
        if (!maskValid_[k]) {
            mask_[k] = scanner_->scan(lines_[k]);
            maskValid_[k] = 1;
        }
        return (mask_[k] >> bit & 1) != 0 && lines_[k].contains(text, Qt::CaseInsensitive);
    }

    // Every occurrence of `find` in the whole text replaced by `with`, left to right, as one pass.
    void replaceEverywhere(const QString& find, const QString& with) {
        if (find.isEmpty())
            return;
        if (find.contains(u"\r\n")) {
            replaceWhole(find, with);
            return;
        }
        const bool segments = find.front() == u'\n' || find.back() == u'\r';
        QStringView core = find;
        if (core.front() == u'\n')
            core = core.sliced(1);
        if (!core.isEmpty() && core.back() == u'\r')
            core.chop(1);

        ++query_;
        edits_.clear();
        junctions_.clear();
        bool unsafe = false;
        auto visit = [&](quint32 k) {
            if (unsafe || seen_[k] == query_)
                return;
            seen_[k] = query_;
            if (editLine(k, find, with, segments) == EditResult::Unsafe)
                unsafe = true;
        };
        bool indexed = false;
        if (core.size() > PieceIndex::kPiece) {
            ensureIndex();
            indexed = index_.forEachCandidate(core, visit);
        }
        if (!indexed) {
            for (std::size_t k = 0; k < lines_.size() && !unsafe; ++k)
                visit(quint32(k));
        }
        if (unsafe) {
            replaceWhole(find, with);
            return;
        }
        for (Edit& e : edits_) {
            lines_[e.line] = std::move(e.text);
            maskValid_[e.line] = 0;
            if (!indexBuilt_)
                continue;
            const QString& l = lines_[e.line];
            if (e.reindexAll) {
                index_.add(e.line, l, 0, l.size());
            } else {
                // Only a piece whose blank and characters reach across an edge of a replaced span can be
                // new: one inside a replacement is one of `find`, which the line held before.
                for (std::size_t j = e.junctionsBegin; j < e.junctionsEnd; ++j)
                    index_.add(e.line, l, junctions_[j] - PieceIndex::kPiece + 1, junctions_[j] + 1);
            }
        }
    }

    // RemoveBlanks (and newclean, which then finds nothing): CR LF CR LF merged until none is left, which
    // drops every empty line that has a line break on both sides.
    void removeBlankLines() {
        if (lines_.size() <= 2)
            return;
        auto out = lines_.begin() + 1;
        for (auto it = lines_.begin() + 1; it + 1 != lines_.end(); ++it) {
            if (!it->isEmpty())
                *out++ = std::move(*it);
        }
        *out++ = std::move(lines_.back());
        lines_.erase(out, lines_.end());
        resetDerived();
    }

    QString text() const {
        qsizetype length = 2 * (size() - 1);
        for (const QString& l : lines_)
            length += l.size();
        QString out;
        out.reserve(length);
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            if (k > 0)
                out += kCrLf;
            out += lines_[k];
        }
        return out;
    }

private:
    enum class EditResult { NoMatch, Edited, Unsafe };

    struct Edit {
        std::size_t line;
        QString text;
        std::size_t junctionsBegin;
        std::size_t junctionsEnd;
        bool reindexAll;
    };

    void load(QStringView text) {
        lines_.clear();
        qsizetype start = 0;
        for (;;) {
            qsizetype at = text.indexOf(u'\r', start);
            while (at >= 0 && (at + 1 >= text.size() || text[at + 1] != u'\n'))
                at = text.indexOf(u'\r', at + 1);
            if (at < 0)
                break;
            lines_.push_back(text.sliced(start, at - start).toString());
            start = at + 2;
        }
        lines_.push_back(text.sliced(start).toString());
        resetDerived();
    }

    void resetDerived() {
        mask_.assign(lines_.size(), 0);
        maskValid_.assign(lines_.size(), 0);
        seen_.assign(lines_.size(), 0);
        query_ = 0;
        indexBuilt_ = false;
    }

    void ensureIndex() {
        if (!indexBuilt_) {
            index_.build(lines_);
            indexBuilt_ = true;
        }
    }

    void replaceWhole(const QString& find, const QString& with) { load(replaceAll(text(), find, with)); }

    // The edit of line k alone (with the CR and LF of its breaks when `segments`), kept in edits_.
    EditResult editLine(quint32 k, QStringView find, QStringView with, bool segments) {
        const QString& l = lines_[k];
        if (l.size() + 2 < find.size())
            return EditResult::NoMatch;
        QString seg;
        QStringView s = l;
        qsizetype lead = 0;
        qsizetype trail = 0;
        if (segments) {
            lead = k > 0 ? 1 : 0;
            trail = std::size_t(k) + 1 < lines_.size() ? 1 : 0;
            seg.reserve(l.size() + 2);
            if (lead)
                seg += u'\n';
            seg += l;
            if (trail)
                seg += u'\r';
            s = seg;
        }
        qsizetype at = s.indexOf(find);
        if (at < 0)
            return EditResult::NoMatch;
        const std::size_t junctionsBegin = junctions_.size();
        QString x;
        x.reserve(s.size());
        qsizetype from = 0;
        bool touchesBreak = false;
        do {
            if (at < lead || at + find.size() > s.size() - trail)
                touchesBreak = true;
            x += s.sliced(from, at - from);
            junctions_.push_back(x.size());
            x += with;
            if (!with.isEmpty())
                junctions_.push_back(x.size());
            from = at + find.size();
            at = s.indexOf(find, from);
        } while (at >= 0);
        x += s.sliced(from);
        if (segments) {
            if (x.size() < lead + trail || (lead && x.front() != u'\n') || (trail && x.back() != u'\r'))
                return EditResult::Unsafe;
            x = x.sliced(lead, x.size() - lead - trail);
            for (std::size_t j = junctionsBegin; j < junctions_.size(); ++j)
                junctions_[j] = std::clamp<qsizetype>(junctions_[j] - lead, 0, x.size());
        }
        if (QStringView(x).contains(u"\r\n"))
            return EditResult::Unsafe;
        edits_.push_back({k, std::move(x), junctionsBegin, junctions_.size(), touchesBreak});
        return EditResult::Edited;
    }

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
