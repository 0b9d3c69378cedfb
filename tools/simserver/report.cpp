#include "report.h"

#include <QByteArray>

#include <cstdio>

namespace sim {

void reportLine(QByteArrayView tag, QByteArrayView bytes) {
    QByteArray line = tag.toByteArray();
    line += ' ';
    line += bytes.toByteArray().toHex();
    line += '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    // The reader waits on these lines; a buffered line would stall it.
    std::fflush(stdout);
}

} // namespace sim
