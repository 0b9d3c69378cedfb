#include "core/platform/private_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;

QString systemWords(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

PrivateFileWrite failure(int error) {
    const PrivateFileWrite::Status status =
        error == ENOENT || error == ENOTDIR ? PrivateFileWrite::FolderMissing : PrivateFileWrite::Refused;
    return {status, systemWords(error)};
}

bool writeAll(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

PrivateFileWrite writePrivateFile(const QString& path, QByteArrayView bytes, unsigned rights) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    // A name nobody can guess or hold ready: O_EXCL refuses anything that already stands there, a link too.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temp = QFile::encodeName(folder + u"/."_s + target.fileName() + u'.' +
                                 QString::number(QRandomGenerator::system()->generate64(), 36));
        fd = ::open(temp.constData(), kNewFileFlags, 0600);
        if (fd < 0 && errno != EEXIST)
            return failure(errno);
    }
    if (fd < 0)
        return failure(EEXIST);
    // The mask of the process may have taken bits the owner needs; nobody else gets any unless given.
    ::fchmod(fd, static_cast<mode_t>(rights & 0777));
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.constData());
        return {PrivateFileWrite::WriteFailed, systemWords(written ? errno : writeError)};
    }
    // rename() replaces what stands at the path, a link included, and never follows it.
    if (::rename(temp.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return failure(error);
    }
    return {};
}

bool createPrivateFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), kNewFileFlags, 0600);
    if (fd < 0)
        return false;
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::close(fd);
    return true;
}

} // namespace tvx
