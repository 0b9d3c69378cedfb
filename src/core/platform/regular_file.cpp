#include "core/platform/regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tvx {

RegularFile::RegularFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // The type is checked before the open (opening some devices acts on them) and again on what was opened
    // (the file may have been swapped meanwhile); the open never waits for a pipe's writer.
    struct stat before = {};
    if (::stat(native.constData(), &before) != 0) {
        state_ = errno == ENOENT || errno == ENOTDIR ? State::Missing : State::Refused;
        return;
    }
    if (!S_ISREG(before.st_mode))
        return;
    fd_ = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat opened = {};
    if (fd_ < 0 || ::fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode))
        return;
    state_ = State::Open;
    size_ = opened.st_size;
    mode_ = opened.st_mode;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<QByteArray> RegularFile::read(qint64 offset, qint64 length) const {
    if (!isOpen() || offset < 0 || length < 0)
        return std::nullopt;
    QByteArray out(length, Qt::Uninitialized);
    qint64 got = 0;
    while (got < length) {
        const ssize_t n = ::pread(fd_, out.data() + got, static_cast<size_t>(length - got), offset + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    out.truncate(got);
    return out;
}

} // namespace tvx
