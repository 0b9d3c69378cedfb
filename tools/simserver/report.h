#pragma once
// What the simulator received, one line each on standard output, so that a test driving it as a
// process can read every datagram and message: "<TAG> <hex of the bytes>".
#include <QByteArrayView>

namespace sim {

void reportLine(QByteArrayView tag, QByteArrayView bytes);

} // namespace sim
