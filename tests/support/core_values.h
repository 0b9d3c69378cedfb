#pragma once
// How Qt Test prints the core's results, so a test compares a whole result in one QCOMPARE and a failure
// shows every field. Found by argument-dependent lookup from QCOMPARE.
#include "core/chat/chat_input.h"
#include "core/commands/map_rotation.h"
#include "core/commands/player_actions.h"
#include "core/link/access_rules.h"
#include "core/link/daemon_protocol.h"
#include "core/link/rcon_protocol.h"
#include "core/link/session_handover.h"
#include "core/link/status_parser.h"
#include "core/tools/game_launch.h"
#include "core/ucon/log_filters.h"
#include "core/ucon/ucon_config.h"

#include <QString>
#include <QStringList>
#include <QTest>

namespace tvx {

using namespace Qt::StringLiterals;

namespace test_print {
inline char* fields(const char* type, const QStringList& parts) {
    return qstrdup((QString::fromLatin1(type) + u'{' + parts.join(u", "_s) + u'}').toUtf8().constData());
}
inline QString q(const QString& s) {
    QString out = s;
    out.replace(u"\r"_s, u"\\r"_s).replace(u"\n"_s, u"\\n"_s);
    return u'"' + out + u'"';
}
inline QString b(bool v) {
    return v ? u"true"_s : u"false"_s;
}
} // namespace test_print

inline const char* kindName(ReplyRoute::Kind k) {
    static const char* const names[] = {"None", "Status", "PbList", "Reader", "OnOff", "HostName", "MapName"};
    return names[int(k)];
}
inline const char* kindName(DaemonMessage::Kind k) {
    static const char* const names[] = {"RconPassword",     "Log",    "LevelWord", "AddUserNotice",
                                        "ChangeRconNotice", "Refusal"};
    return names[int(k)];
}
inline const char* kindName(CommandLine c) {
    static const char* const names[] = {"Untouched", "Enabled", "Disabled"};
    return names[int(c)];
}

inline const char* kindName(PlayerRefusal r) {
    static const char* const names[] = {"None", "NoSlot", "NoName", "EveryPlayer", "UnsafeCell", "CutName"};
    return names[int(r)];
}
inline const char* kindName(PreviewChange c) {
    static const char* const names[] = {"ShowMap", "Keep", "ShowDefault"};
    return names[int(c)];
}

inline const char* kindName(RotationRefusal r) {
    static const char* const names[] = {"None", "Quote", "TooLong"};
    return names[int(r)];
}
inline const char* kindName(LaunchRefusal r) {
    static const char* const names[] = {"None", "Address", "Port", "Password"};
    return names[int(r)];
}

inline char* toString(RotationRefusal r) {
    return qstrdup(kindName(r));
}
inline char* toString(LaunchRefusal r) {
    return qstrdup(kindName(r));
}
inline char* toString(PlayerRefusal r) {
    return qstrdup(kindName(r));
}
inline char* toString(PreviewChange c) {
    return qstrdup(kindName(c));
}
inline char* toString(ReplyRoute::Kind k) {
    return qstrdup(kindName(k));
}
inline char* toString(DaemonMessage::Kind k) {
    return qstrdup(kindName(k));
}
inline char* toString(CommandLine c) {
    return qstrdup(kindName(c));
}

inline char* toString(const ReplyRoute& r) {
    using namespace test_print;
    return fields("ReplyRoute", {QString::fromLatin1(kindName(r.kind)), q(r.firstLabel), q(r.secondLabel),
                                 b(r.firstBordered), q(r.caption), b(r.invalidPassword)});
}
inline char* toString(const DaemonMessage& m) {
    using namespace test_print;
    return fields("DaemonMessage", {QString::fromLatin1(kindName(m.kind)), q(m.text)});
}
inline char* toString(const PlayerRow& r) {
    using namespace test_print;
    return fields("PlayerRow", {q(r.name), q(r.score), q(r.ping), q(r.guid), q(r.slot), q(r.ipPort)});
}
inline char* toString(const TabAccess& a) {
    using namespace test_print;
    return fields("TabAccess", {b(a.opens), b(a.denied), QString::fromLatin1(kindName(a.commandLine))});
}
inline char* toString(const UconStep& s) {
    using namespace test_print;
    return fields("UconStep", {q(s.caption), q(s.command), QString::number(s.pauseMs)});
}
inline char* toString(const ExtendedPassResult& r) {
    using namespace test_print;
    return fields("ExtendedPassResult",
                  {q(r.work), q(r.result), q(r.history), b(r.replaceChat), q(r.chatText)});
}
inline char* toString(const UconCredentials& c) {
    using namespace test_print;
    return fields("UconCredentials", {q(c.address), q(c.login), q(c.password)});
}
inline char* toString(const SessionHandOver& s) {
    using namespace test_print;
    return fields("SessionHandOver", {q(s.host), q(s.port), q(s.password), q(s.mode), q(s.level)});
}
inline char* toString(const ReasonBoxes& r) {
    using namespace test_print;
    return fields("ReasonBoxes",
                  {q(r.publicReason.prompt), q(r.publicReason.title), q(r.publicReason.defaultText),
                   q(r.privateReason.prompt), q(r.privateReason.title), q(r.privateReason.defaultText)});
}

} // namespace tvx

Q_DECLARE_METATYPE(tvx::PlayerRefusal)
Q_DECLARE_METATYPE(tvx::PreviewChange)
Q_DECLARE_METATYPE(tvx::RotationRefusal)
Q_DECLARE_METATYPE(tvx::LaunchRefusal)
Q_DECLARE_METATYPE(tvx::ReplyRoute::Kind)
Q_DECLARE_METATYPE(tvx::DaemonMessage::Kind)
Q_DECLARE_METATYPE(tvx::MainTab)
Q_DECLARE_METATYPE(tvx::TabAccess)
Q_DECLARE_METATYPE(tvx::SessionHandOver)
