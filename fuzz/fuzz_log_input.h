#pragma once
// How a fuzz input becomes a work buffer for the log filters. The first byte chooses:
//   bits 0-1  0: the rest is the log file's bytes (read as LoadTextFile reads it)
//             1: the rest is the work buffer, Windows-1252
//             2, 3: the rest is the work buffer, UTF-16 (any code unit, lone surrogates included)
//   bits 2-3  the quote text of Clean56: one double quote, nothing, "a", a lone CR
//   bit 4     one member alone, numbered by the second byte (1 + byte % 60)
#include "core/text/codepage.h"

#include "support/naive_log_filters.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tvx::fuzz {

struct LogInput {
    QString work;
    QString quote;
    int member = 0; // 0: the whole pass
};

inline LogInput logInput(const std::uint8_t* data, std::size_t size) {
    LogInput in;
    if (size == 0)
        return in;
    const std::uint8_t head = data[0];
    ++data;
    --size;
    if ((head & 0x10) != 0 && size > 0) {
        in.member = 1 + data[0] % 60;
        ++data;
        --size;
    }
    static const QString quotes[] = {QStringLiteral("\""), QString(), QStringLiteral("a"),
                                     QStringLiteral("\r")};
    in.quote = quotes[(head >> 2) & 3];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    switch (head & 3) {
    case 0:
        in.work = logFileText(bytes);
        if (in.work != naive::logFileText(bytes))
            std::abort();
        break;
    case 1:
        in.work = fromAnsi(bytes);
        break;
    default: {
        in.work.resize(static_cast<qsizetype>(size / 2));
        std::memcpy(in.work.data(), data, (size / 2) * 2);
        break;
    }
    }
    return in;
}

} // namespace tvx::fuzz
