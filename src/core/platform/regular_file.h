#pragma once
// Files read at a path outside this program's hands: a pipe, a device or a folder may stand there, or be
// put there at any moment, and opening a pipe waits for a writer that may never come. Only a regular file
// (a link to one counts) is opened, and the open never waits.
#include <QByteArray>
#include <QString>

#include <optional>

namespace tvx {

class RegularFile {
public:
    enum class State {
        Open,    // a regular file, opened for reading
        Missing, // nothing stands at the path (a link to nothing included)
        Refused, // something that is no regular file, or a file that could not be opened
    };

    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    State state() const { return state_; }
    bool isOpen() const { return state_ == State::Open; }
    // The size and the mode bits of the file as it was opened (0 when it is not open).
    qint64 size() const { return size_; }
    unsigned mode() const { return mode_; }
    // `length` bytes from `offset`, fewer when the file has shrunk; nothing on a read error.
    std::optional<QByteArray> read(qint64 offset, qint64 length) const;

private:
    int fd_ = -1;
    State state_ = State::Refused;
    qint64 size_ = 0;
    unsigned mode_ = 0;
};

} // namespace tvx
