#include "core/ucon/log_index.h"

#include "core/text/text_util.h"

#include <algorithm>
#include <array>

namespace tvx::logindex {

// ---------------------------------------------------------------------------------------------------------
// NeedleScanner

NeedleScanner::NeedleScanner(const std::vector<QString>& needles) : classes_(65536, 0) {
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

quint64 NeedleScanner::scan(QStringView line) const {
    quint64 found = 0;
    int state = 0;
    for (const QChar ch : line) {
        state = next_[state * width_ + classes_[ch.unicode()]];
        found |= out_[state];
    }
    return found;
}

// ---------------------------------------------------------------------------------------------------------
// FoldedSearch and the one-letter search

FoldedSearch::FoldedSearch(const QString& text) : text_(text.toCaseFolded()), fold_(65536), skip_(65536) {
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

bool FoldedSearch::foundIn(QStringView line) const {
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

std::vector<char16_t> foldClass(char16_t c) {
    std::vector<char16_t> units;
    const char32_t folded = QChar::toCaseFolded(char32_t(c));
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
        if (QChar::toCaseFolded(u) == folded)
            units.push_back(char16_t(u));
    }
    return units;
}

bool containsAnyOf(QStringView line, const std::vector<char16_t>& units) {
    return std::any_of(units.begin(), units.end(), [line](char16_t u) { return line.contains(QChar(u)); });
}

// ---------------------------------------------------------------------------------------------------------
// PieceIndex

void PieceIndex::build(const std::vector<QString>& lines) {
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

void PieceIndex::add(quint32 line, QStringView text, qsizetype first, qsizetype last) {
    pending_.clear();
    collect(line, text, first, last);
    for (const Node& p : pending_)
        insert(p.line, p.next);
    pending_.clear();
}

void PieceIndex::collect(quint32 line, QStringView text, qsizetype first, qsizetype last) {
    first = std::max<qsizetype>(first, 1);
    last = std::min<qsizetype>(last, text.size() - kPiece + 1);
    if (first >= last)
        return;
    for (qsizetype at = text.indexOf(u' ', first - 1); at >= 0 && at + 1 < last;
         at = text.indexOf(u' ', at + 1))
        pending_.push_back({line, quint32(bucketOf(text.data() + at + 1))});
}

void PieceIndex::insert(quint32 line, quint32 bucket) {
    Bucket& b = buckets_[bucket];
    if (b.last == line)
        return;
    b.last = line;
    ++b.count;
    nodes_.push_back({line, b.head});
    b.head = quint32(nodes_.size());
}

// ---------------------------------------------------------------------------------------------------------
// LineBuffer

LineBuffer::LineBuffer(QStringView text, const NeedleScanner& scanner) : scanner_(&scanner) {
    load(text);
}

bool LineBuffer::containsNeedle(qsizetype i, int bit, const QString& text) {
    const auto k = std::size_t(i);
    if (!maskValid_[k]) {
        mask_[k] = scanner_->scan(lines_[k]);
        maskValid_[k] = 1;
    }
    return (mask_[k] >> bit & 1) != 0 && lines_[k].contains(text, Qt::CaseInsensitive);
}

void LineBuffer::replaceEverywhere(const QString& find, const QString& with) {
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

void LineBuffer::removeBlankLines() {
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

QString LineBuffer::text() const {
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

void LineBuffer::load(QStringView text) {
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

void LineBuffer::resetDerived() {
    mask_.assign(lines_.size(), 0);
    maskValid_.assign(lines_.size(), 0);
    seen_.assign(lines_.size(), 0);
    query_ = 0;
    indexBuilt_ = false;
}

void LineBuffer::ensureIndex() {
    if (!indexBuilt_) {
        index_.build(lines_);
        indexBuilt_ = true;
    }
}

void LineBuffer::replaceWhole(const QString& find, const QString& with) {
    load(replaceAll(text(), find, with));
}

LineBuffer::EditResult LineBuffer::editLine(quint32 k, QStringView find, QStringView with, bool segments) {
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

} // namespace tvx::logindex
