#pragma once
#include <QString>
#include <QStringList>

#include <functional>

namespace sim {

// Reads a TAB-separated UTF-8 file one row per line (LF or CR LF; empty lines and lines starting with '#'
// are skipped). `row` gets each line's fields and answers an error text, empty when the row is fine; the
// first error, with the file and line, ends the read. `what` names the file in messages.
bool readTabFile(const QString& path, const QString& what,
                 const std::function<QString(const QStringList& fields)>& row, QString& error);

} // namespace sim
