#pragma once
// The read of the UCON client's log "pbucon.log". The file is outside this program's hands (a link to a
// device or a pipe may stand at its place, and the client may let it grow without end), and it is read on
// the window's only thread every five seconds: so only a regular file is read, it is opened without
// waiting, and only its end is read.
#include <QByteArray>
#include <QString>

#include <optional>

namespace tvx {

// The filter loops handle 32,767 lines of the work buffer. A tick costs what is read (filters and chat box
// together, some 45 ms per MB when the chat box is filled afresh): 768 KiB, some 8,000 lines of a usual log,
// keep every tick, the first one included, under 50 ms.
inline constexpr int kLogTailLines = 32767;
inline constexpr qint64 kLogTailBytes = 768 * 1024;

// The end of the regular file at `path` (a link to a regular file counts): at most `maxBytes` bytes, cut at
// the start of a line, and no more lines than `maxLines` as the work buffer counts them (a line ends at LF,
// CR LF or a lone CR; a final line break is followed by one more, empty, line). A file that fits both
// comes back whole. Nothing when the file is missing, is no regular file (a pipe, a device, a folder) or
// cannot be read.
std::optional<QByteArray> readLogTail(const QString& path, qint64 maxBytes = kLogTailBytes,
                                      int maxLines = kLogTailLines);

} // namespace tvx
