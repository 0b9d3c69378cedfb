#include "core/text/text_file.h"

#include "core/text/codepage.h"
#include "core/text/text_util.h"

#include <QFile>
#include <QFileInfo>

namespace tvx {

std::optional<FileFailure> saveTextFile(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QFileInfo dir(QFileInfo(path).absolutePath());
        if (!dir.exists())
            return FileFailure{err::PathNotFound, QStringLiteral("Path not found")};
        if (file.error() == QFileDevice::OpenError || !dir.isWritable())
            return FileFailure{err::PermissionDenied, QStringLiteral("Permission denied")};
        return FileFailure{err::PathFileAccess, QStringLiteral("Path/File access error")};
    }
    const QByteArray bytes = toAnsi(QString(text + kCrLf));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        FileFailure failure{err::WriteFault, file.errorString()};
        file.close();
        return failure;
    }
    file.close();
    return std::nullopt;
}

void reportFileFailure(Dialogs& dialogs, const FileFailure& failure) {
    if (failure.number == err::PathFileAccess)
        return;
    dialogs.msgBox(failure.description, mb::Exclamation,
                   QStringLiteral("Error ") + QString::number(failure.number));
}

void saveTextFileReporting(Dialogs& dialogs, const QString& path, const QString& text) {
    if (const std::optional<FileFailure> failure = saveTextFile(path, text))
        reportFileFailure(dialogs, *failure);
}

QString joinedFileLines(QByteArrayView fileBytes) {
    const QString in = fromAnsi(fileBytes);
    QString out;
    out.reserve(in.size() + 2);
    qsizetype i = 0;
    while (i < in.size()) {
        qsizetype end = in.indexOf(u'\r', i);
        if (end < 0)
            end = in.size();
        if (i > 0)
            out += kCrLf;
        out += QStringView(in).sliced(i, end - i);
        i = end + 1;
        if (end < in.size() && i < in.size() && in[i] == u'\n')
            ++i;
    }
    return out;
}

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
