#pragma once
// Files that hold passwords: written whole or not at all, readable by their owner only, and never through a
// link that somebody planted at their place.
#include <QByteArrayView>
#include <QString>

namespace tvx {

struct PrivateFileWrite {
    enum Status { Done, FolderMissing, Refused, WriteFailed };
    Status status = Done;
    QString description; // the system's words for a failure
};

// Writes `bytes` as the new content of `path`: into a new file of mode 0600 beside it, then put in its
// place in one step. A link at `path` is replaced, never written through; on failure `path` is untouched.
// A file whose owner chose its rights is given them in `rights` (the permission bits of its mode).
PrivateFileWrite writePrivateFile(const QString& path, QByteArrayView bytes, unsigned rights = 0600);

// Creates `path` empty with mode 0600 if nothing stands there (a link is not followed); true when a file
// was created.
bool createPrivateFile(const QString& path);

} // namespace tvx
