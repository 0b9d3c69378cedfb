#include "core/text/text_file.h"

#include "core/text/codepage.h"
#include "core/text/text_util.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

enum class Written { Done, NotOpened, NotWritten };

// The one writer of both callers: `text` and CR LF in code page bytes; written means on its way to the
// disk, not only in the file's buffer (a full disk fails here). The callers' QFile closes the file when
// it goes, after they have read its error.
Written writeTextLine(QFile& file, const QString& text, QIODevice::OpenMode mode) {
    if (!file.open(mode))
        return Written::NotOpened;
    const QByteArray bytes = toAnsi(QString(text + kCrLf));
    return file.write(bytes) == bytes.size() && file.flush() ? Written::Done : Written::NotWritten;
}

} // namespace

std::optional<FileFailure> saveTextFile(const QString& path, const QString& text) {
    QFile file(path);
    switch (writeTextLine(file, text, QIODevice::WriteOnly | QIODevice::Truncate)) {
    case Written::Done:
        return std::nullopt;
    case Written::NotWritten:
        return FileFailure{err::WriteFault, file.errorString()};
    case Written::NotOpened:
        break;
    }
    const QFileInfo dir(QFileInfo(path).absolutePath());
    if (!dir.exists())
        return FileFailure{err::PathNotFound, u"Path not found"_s};
    if (file.error() == QFileDevice::OpenError || !dir.isWritable())
        return FileFailure{err::PermissionDenied, u"Permission denied"_s};
    return FileFailure{err::PathFileAccess, u"Path/File access error"_s};
}

void reportFileFailure(Dialogs& dialogs, const FileFailure& failure) {
    if (failure.number == err::PathFileAccess)
        return;
    dialogs.msgBox(failure.description, mb::Exclamation, u"Error "_s + QString::number(failure.number));
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
    const QIODevice::OpenMode how = overwrite ? QIODevice::Truncate : QIODevice::Append;
    return writeTextLine(file, text, QIODevice::WriteOnly | how) == Written::Done;
}

} // namespace tvx
