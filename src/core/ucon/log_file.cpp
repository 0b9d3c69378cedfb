#include "core/ucon/log_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvx {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads `size` bytes at `offset`; false on a read error. A file that shrank meanwhile gives fewer.
bool readAt(int fd, qint64 offset, qint64 size, QByteArray& out) {
    out.resize(size);
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, out.data() + got, static_cast<size_t>(size - got), offset + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    out.truncate(got);
    return true;
}

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
    const QByteArray native = QFile::encodeName(path);
    // The type is checked before the open (opening some devices acts on them) and again on what was opened
    // (the file may have been swapped meanwhile); the open never waits for a pipe's writer.
    struct stat before = {};
    if (native.isEmpty() || ::stat(native.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return std::nullopt;
    const Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened = {};
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return std::nullopt;
    const qint64 size = opened.st_size;
    const qint64 start = qMax<qint64>(0, size - qMax<qint64>(0, maxBytes));
    // One byte before the part read tells whether it starts at the start of a line.
    const qint64 from = start > 0 ? start - 1 : 0;
    QByteArray bytes;
    if (!readAt(fd.get(), from, size - from, bytes))
        return std::nullopt;
    if (start > 0) {
        const bool atLineStart =
            !bytes.isEmpty() &&
            (bytes[0] == '\n' || (bytes[0] == '\r' && (bytes.size() < 2 || bytes[1] != '\n')));
        bytes.remove(0, 1);
        if (!atLineStart)
            bytes.remove(0, afterFirstBreak(bytes));
    }
    bytes.remove(0, lastLinesStart(bytes, qMax(1, maxLines)));
    return bytes;
}

} // namespace tvx
