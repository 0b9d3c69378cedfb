#include "core/text/text_file.h"

#include "core/text/codepage.h"
#include "core/text/text_util.h"

#include <QFile>

namespace tvx {

bool saveTextToFile(const QString& path, const QString& text, bool overwrite) {
    QFile file(path);
    if (!file.open(overwrite ? (QIODevice::WriteOnly | QIODevice::Truncate)
                             : (QIODevice::WriteOnly | QIODevice::Append)))
        return false;
    const QByteArray bytes = toAnsi(QString(text + kCrLf));
    // Written means on its way to the disk, not only in the file's buffer (a full disk fails here).
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace tvx
