#pragma once
// Whole text files as the console's windows read and write them: Windows-1252, CR LF line ends.
#include "core/platform/platform.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tvx {

// A file operation that failed, with the number and description the console shows for it.
struct FileFailure {
    int number = 0;
    QString description;

    friend bool operator==(const FileFailure&, const FileFailure&) = default;
};

// Writes `text` and then CR LF to `path`, creating the file or replacing its contents.
std::optional<FileFailure> saveTextFile(const QString& path, const QString& text);

// The writers' rule for a failure: a path or file access error (75) ends silently; any other shows its
// description with the exclamation icon under the title "Error " and its number.
void reportFileFailure(Dialogs& dialogs, const FileFailure& failure);

// saveTextFile, then reportFileFailure when it failed.
void saveTextFileReporting(Dialogs& dialogs, const QString& path, const QString& text);

// A file's lines joined by CR LF, none after the last: a line ends at CR LF or at a lone CR (a lone LF stays
// in its line), and a line end at the very end of the file starts no further line.
QString joinedFileLines(QByteArrayView fileBytes);

// Writes `text` and CR LF (code page bytes) to `path`: replacing the file's content when `overwrite`,
// appending otherwise; a missing file is created. True once the whole text has been written; False when the
// file cannot be opened or written. The file is closed in every case.
bool saveTextToFile(const QString& path, const QString& text, bool overwrite);

} // namespace tvx
