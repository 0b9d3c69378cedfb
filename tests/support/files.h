#pragma once
// Whole files for tests to set up and read back.
#include <QByteArray>
#include <QFile>
#include <QString>

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

} // namespace tvx::test
