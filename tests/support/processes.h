#pragma once
// Whether a process runs, as tests look at it from outside.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace tvx::test {

// Whether the process `pid` runs: one that has ended, reaped or not yet, does not.
inline bool processRuns(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray s = stat.readAll();
    // The state follows the name, which stands in parentheses and may itself hold them.
    return !s.mid(s.lastIndexOf(')') + 1).trimmed().startsWith('Z');
}

} // namespace tvx::test
