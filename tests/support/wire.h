#pragma once
// The rcon wire formats written out by hand, for tests to build replies and to check what was sent.
#include <QByteArray>

namespace tvx::test {

// FF FF FF FF "print" LF, then the text.
inline QByteArray replyDatagram(const QByteArray& text) {
    return QByteArray("\xFF\xFF\xFF\xFFprint\n", 10) + text;
}

// FF FF FF FF "rcon " password " " command.
inline QByteArray rconDatagram(const QByteArray& password, const QByteArray& command) {
    return QByteArray("\xFF\xFF\xFF\xFFrcon ") + password + ' ' + command;
}

} // namespace tvx::test
