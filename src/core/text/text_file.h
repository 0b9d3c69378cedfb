#pragma once
// Writing a text to a file the way the console's windows offer it.
#include <QString>

namespace tvx {

// Writes `text` and CR LF (code page bytes) to `path`: replacing the file's content when `overwrite`,
// appending otherwise; a missing file is created. True once the whole text has been written; False when the
// file cannot be opened or written. The file is closed in every case.
bool saveTextToFile(const QString& path, const QString& text, bool overwrite);

} // namespace tvx
