#pragma once
// The player menu's entries as cases, on the players most grid tests show: each entry chosen on one
// player, the answers given to its input boxes, what it sends and the boxes it shows. Run by the player
// menu's tests; the command table's test checks that every entry of the menu has a case here.
#include "support/status_fixture.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tvx::test {

using namespace Qt::StringLiterals;

// The players most grid tests show, on mp_castle; the second with a coloured name.
inline const StatusPlayer kBob{0, 12, "48", "1234567890", "Bob", "10.0.0.5:28960", 12345};
inline const StatusPlayer kAl{3, 7, "95", "55", "^1Big ^2Al", "192.168.1.77:28961", 12345};
inline const StatusPlayer kCamper{12, -2, "999", "87654321", "Camper", "203.0.113.9:28960", 12345};

inline QByteArray playersReply(const QList<StatusPlayer>& players) {
    return statusReply("mp_castle", players);
}
inline const QByteArray kPlayers = playersReply({kBob, kAl, kCamper});

// Cells of the three players as the grid holds them.
inline const QByteArray kBobName = "Bob            ";
inline const QByteArray kAlName = "^1Big ^2Al     ";
inline const QByteArray kCamperName = "Camper         ";

// One entry chosen on one player: the answers of its input boxes, the commands sent and the boxes shown.
struct PlayerCase {
    const char* row;
    const char* entry;
    const char* player;
    QStringList answers;
    QList<QByteArray> sent;
    QStringList shown;
};

inline const QString kKickBoxes =
    u"input [Kick - Public Reason] Type here the public reason of this kick (Teamkill)"_s;
inline const QString kKickBoxes2 =
    u"input [Kick - Private Reason] Type here the private reason of this kick (Teamkill)"_s;
inline const QString kBanBoxes =
    u"input [Ban - Public Reason] Type here the public reason of this ban (Teamkill)"_s;
inline const QString kBanBoxes2 =
    u"input [Ba - Private Reason] Type here the private reason of this ban (Teamkill)"_s;

inline QList<PlayerCase> playerCases() {
    return {
        {"kick by name", "kickplay", "^1Big", {}, {"kick " + kAlName}, {}},
        {"client kick", "clientkick", "^1Big", {}, {"clientkick 3"}, {}},
        {"client kick, slot 0", "clientkick", "Bob", {}, {"clientkick 0"}, {}},
        {"client kick, two digits", "clientkick", "Camper", {}, {"clientkick 12"}, {}},
        {"PunkBuster kick, proposed reasons",
         "pbkickwithreason",
         "Bob",
         {},
         {"pb_sv_kick 1 0 Teamkill Teamkill"},
         {kKickBoxes, kKickBoxes2}},
        {"PunkBuster kick, typed reasons",
         "pbkickwithreason",
         "^1Big",
         {u"Cheating"_s, u"aimbot seen"_s},
         {"pb_sv_kick 4 0 Cheating aimbot seen"},
         {kKickBoxes, kKickBoxes2}},
        {"ban by name", "banplayerz", "Camper", {}, {"banuser " + kCamperName}, {}},
        {"ban by client", "clientbanz", "^1Big", {}, {"banclient 3"}, {}},
        {"PunkBuster ban",
         "pbbancli",
         "Camper",
         {u"Wallhack"_s, u"demo 12"_s},
         {"pb_sv_ban 13 0 Wallhack demo 12"},
         {kBanBoxes, kBanBoxes2}},
        {"temporary ban by name", "tempbanplayerz", "Bob", {}, {"tempbanUser " + kBobName}, {}},
        {"temporary ban by client", "TemporarilyClientBanz", "Camper", {}, {"tempbanClient 12"}, {}},
        {"unban", "unbanplayerz", "Bob", {}, {"unbanuser " + kBobName}, {}},
        {"screenshot", "screenshotp", "^1Big", {}, {"pb_sv_getss 4"}, {}},
        {"screenshot, slot 0", "screenshotp", "Bob", {}, {"pb_sv_getss 1"}, {}},
        {"screenshot sequence", "screenshotdwuencez", "^1Big", {}, {"PB_SV_Task 10 180 PB_SV_GETSS 4"}, {}},
        // Cancel answers the empty text: the action is called off, and after the first box the second
        // never opens.
        {"PunkBuster kick, public reason cancelled",
         "pbkickwithreason",
         "Bob",
         {QString()},
         {},
         {kKickBoxes}},
        {"PunkBuster kick, private reason cancelled",
         "pbkickwithreason",
         "Bob",
         {u"Teamkill"_s, QString()},
         {},
         {kKickBoxes, kKickBoxes2}},
        {"PunkBuster ban, public reason cancelled", "pbbancli", "Camper", {QString()}, {}, {kBanBoxes}},
        {"PunkBuster ban, private reason cancelled",
         "pbbancli",
         "Camper",
         {u"x"_s, QString()},
         {},
         {kBanBoxes, kBanBoxes2}},
        {"PunkBuster ban, blank reasons are reasons",
         "pbbancli",
         "Camper",
         {u" "_s, u" "_s},
         {"pb_sv_ban 13 0    "},
         {kBanBoxes, kBanBoxes2}},
    };
}

} // namespace tvx::test
