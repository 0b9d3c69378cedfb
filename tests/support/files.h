#pragma once
// Whole files for tests to set up and read back, and what may stand at a file's path instead.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace tvx::test {

// The file's bytes, or "<missing>" when it cannot be read (so a comparison shows which).
inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Creates or replaces the file with `bytes`; false when that failed.
[[nodiscard]] inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Where a "link to ..." place keeps what it leads to.
inline QString linkTarget(const QString& path) {
    return path + u".target"_s;
}

// Puts `place` at `path`: "file" (holding `bytes`), "fifo", "folder" or "nothing"; "link to file",
// "link to fifo", "link to device" (a link to one beside it, at linkTarget(path)); or a link to an
// absolute path. The device is one of the test's own (a null device) where the test may make one, so that
// a faulty write through the link can replace nothing of the system's; else /dev/null.
[[nodiscard]] inline bool makePlace(const QString& place, const QString& path, const QByteArray& bytes) {
    const QByteArray native = QFile::encodeName(path);
    if (place == u"file")
        return writeFile(path, bytes);
    if (place == u"fifo")
        return ::mkfifo(native.constData(), 0600) == 0;
    if (place == u"folder")
        return QDir().mkdir(path);
    if (place == u"nothing")
        return !QFileInfo::exists(path);
    if (place.startsWith(u'/'))
        return QFile::link(place, path);
    const QString target = linkTarget(path);
    if (place == u"link to device") {
        const bool own = ::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
        return QFile::link(own ? target : u"/dev/null"_s, path);
    }
    if (!place.startsWith(u"link to ") || !makePlace(place.sliced(8), target, bytes))
        return false;
    return QFile::link(target, path);
}

} // namespace tvx::test
