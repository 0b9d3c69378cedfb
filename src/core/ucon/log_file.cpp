#include "core/ucon/log_file.h"

#include "core/platform/regular_file.h"

namespace tvx {
namespace {

// Where the text after the first line break of `bytes` starts (bytes.size() when there is none).
qsizetype afterFirstBreak(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            return i + 1;
        if (bytes[i] == '\r')
            return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return bytes.size();
}

// Where the last `maxLines` lines of `bytes` start.
qsizetype lastLinesStart(const QByteArray& bytes, int maxLines) {
    int lines = 1;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        const char c = bytes[i];
        const bool lineBreak = c == '\n' || (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
        if (lineBreak && ++lines > maxLines)
            return i + 1;
    }
    return 0;
}

} // namespace

std::optional<QByteArray> readLogTail(const QString& path, qint64 maxBytes, int maxLines) {
    const RegularFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    const qint64 size = file.size();
    const qint64 start = qMax<qint64>(0, size - qMax<qint64>(0, maxBytes));
    // One byte before the part read tells whether it starts at the start of a line.
    const qint64 from = start > 0 ? start - 1 : 0;
    std::optional<QByteArray> read = file.read(from, size - from);
    if (!read)
        return std::nullopt;
    QByteArray& bytes = *read;
    if (start > 0) {
        const bool atLineStart =
            !bytes.isEmpty() &&
            (bytes[0] == '\n' || (bytes[0] == '\r' && (bytes.size() < 2 || bytes[1] != '\n')));
        bytes.remove(0, 1);
        if (!atLineStart)
            bytes.remove(0, afterFirstBreak(bytes));
    }
    bytes.remove(0, lastLinesStart(bytes, qMax(1, maxLines)));
    return read;
}

} // namespace tvx
