#pragma once
// The RCON Server Tool's commands as cases: each menu item, test button and the chat picture, with the boxes
// it reads, the answers given to its input boxes, the boxes it shows and what it sends. Run by the test
// console's tests; the command table's test checks that every row of the window has a case here.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tvx::test {

using namespace Qt::StringLiterals;

struct RconToolCase {
    const char* row;
    const char* control;    // a menu item, a button or the chat picture of Form1
    QStringList boxes;      // "name=text" set before the choice
    QStringList answers;    // for the input boxes, in order; an empty text is Cancel
    QStringList shown;      // "[title] prompt (proposed)" of each input box
    QList<QByteArray> sent; // rcon commands
    QList<QByteArray> daemon = {};
};

inline QList<RconToolCase> rconToolCases() {
    const QString kick = u"[] Please enter the name of the player to be kicked:  ()"_s;
    const QString warnSlot = u"[] Please enter the clientnumber of the player to be warned:  ()"_s;
    const QString warnText =
        u"[Warning] Please enter the warning to this player:  (^1This is a warning please do not [FILL HERE])"_s;
    const QString ssPlayer =
        u"[] Please enter the playernumber or name of the player to take screenshot:  ()"_s;
    const QString ssTask =
        u"[] Please enter the slot or name of the player to take a screenshot sequence :  ()"_s;
    const QString pbKick =
        u"[] Please enter the playernumber or name of the player to be kicked:\r\nWrite like "
        u"this :[name or slot #] [minutes] [displayed_reason] | [optional_private_reason] ()"_s;
    return {
        {"status", "statusz", {}, {}, {}, {"status"}},
        {"server info", "serverinfoz", {}, {}, {}, {"serverinfo"}},
        {"system info does nothing", "systeminfoz", {}, {}, {}, {}},
        {"restart server does nothing", "restartserverz", {}, {}, {}, {}},
        {"warn, proposed text",
         "warnplayerz",
         {},
         {u"3"_s},
         {warnSlot, warnText},
         {"tell 3 ^1This is a warning please do not [FILL HERE]"}},
        {"warn, typed",
         "warnplayerz",
         {},
         {u"12"_s, u"stop camping"_s},
         {warnSlot, warnText},
         {"tell 12 stop camping"}},
        {"warn, both cancelled", "warnplayerz", {}, {QString(), QString()}, {warnSlot, warnText}, {"tell  "}},
        {"kick", "ckickz", {}, {u"^1Bob"_s}, {kick}, {"kick ^1Bob"}},
        {"kick, cancelled", "ckickz", {}, {QString()}, {kick}, {"kick "}},
        {"only kick",
         "onlyplayerkick",
         {},
         {u"Bob"_s},
         {u"[] Please enter the name of the player to be kicked (Dont need color codes):  ()"_s},
         {"onlykick Bob"}},
        {"client kick",
         "clientkickz",
         {},
         {u"4"_s},
         {u"[] Enter the clientnumber of player to be kicked:  ()"_s},
         {"clientkick 4"}},
        {"kick all", "kickallz", {}, {}, {}, {"kick all"}},
        {"ban",
         "normalbanz",
         {},
         {u"Bob"_s},
         {u"[] Please enter the name of the player to be banned:  ()"_s},
         {"banuser Bob"}},
        {"client ban",
         "clientbanz",
         {},
         {u"4"_s},
         {u"[] Please enter the clientnumber of the player to be banned:  ()"_s},
         {"banclient 4"}},
        {"temporary ban",
         "temporarilybanplayerz",
         {},
         {u"Bob"_s},
         {u"[] Please enter the name of the player to be temporarily banned:  ()"_s},
         {"tempbanUser Bob"}},
        {"temporary client ban",
         "temporarilyclientbanz",
         {},
         {u"4"_s},
         {u"[] Please enter the playernumber of the player to be temporarily banned:  ()"_s},
         {"tempbanClient 4"}},
        {"unban, cancelled",
         "unbanuserz",
         {},
         {QString()},
         {u"[] Please enter the name of the player to be unbanned:  ()"_s},
         {"unbanuser "}},
        {"Backlot", "Backlotz", {}, {}, {}, {"map mp_backlot"}},
        {"Bloc", "Blocz", {}, {}, {}, {"map mp_bloc"}},
        {"Bog", "Bogz", {}, {}, {}, {"map mp_bog"}},
        {"Cargoship", "Cargoshipz", {}, {}, {}, {"map mp_cargoship"}},
        {"City Streets", "CityStreetsz", {}, {}, {}, {"map mp_citystreets"}},
        {"Convoy", "Convoyz", {}, {}, {}, {"map mp_convoy"}},
        {"Countdown", "Countdownz", {}, {}, {}, {"map mp_countdown"}},
        {"Crash", "Crashz", {}, {}, {}, {"map mp_crash"}},
        {"Crossfire", "Crossfirez", {}, {}, {}, {"map mp_crossfire"}},
        {"Farm", "Farmz", {}, {}, {}, {"map mp_farm"}},
        {"Overgrown", "Overgrownz", {}, {}, {}, {"map mp_overgrown"}},
        {"Pipeline", "Pipelinez", {}, {}, {}, {"map mp_pipeline"}},
        {"Shipment", "Shipmentz", {}, {}, {}, {"map mp_shipment"}},
        {"next map", "nextmapz", {}, {}, {}, {"map_rotate"}},
        {"restart map", "restartmapz", {}, {}, {}, {"map_restart"}},
        {"fast restart", "fastmaprestartz", {}, {}, {}, {"fast_restart"}},
        {"screenshot of a player", "takescreenshottoplayer", {}, {u"5"_s}, {ssPlayer}, {"pb_sv_getss 5"}},
        {"screenshot of a player, name as typed",
         "takescreenshottoplayer",
         {},
         {u" Bob"_s},
         {ssPlayer},
         {"pb_sv_getss  Bob"}},
        // Without a target PunkBuster would act on every player: nothing leaves.
        {"screenshot of a player, cancelled", "takescreenshottoplayer", {}, {QString()}, {ssPlayer}, {}},
        {"screenshot of a player, blanks", "takescreenshottoplayer", {}, {u"  "_s}, {ssPlayer}, {}},
        {"screenshot of all", "takescreenshottoall", {}, {}, {}, {"pb_sv_getss"}},
        {"screenshot sequence",
         "takescreenshottaskz",
         {},
         {u"5"_s},
         {ssTask},
         {"PB_SV_Task 10 180 PB_SV_GETSS 5"}},
        {"screenshot sequence, cancelled", "takescreenshottaskz", {}, {QString()}, {ssTask}, {}},
        {"screenshot sequence, blank and quotes", "takescreenshottaskz", {}, {u" \"\""_s}, {ssTask}, {}},
        {"punkbuster kick",
         "kickplayerbypunkbusterz",
         {},
         {u"3 10 Wallhack | seen by two admins"_s},
         {pbKick},
         {"pb_sv_kick 3 10 Wallhack | seen by two admins"}},
        {"punkbuster kick, cancelled", "kickplayerbypunkbusterz", {}, {QString()}, {pbKick}, {"pb_sv_kick "}},
        {"get log", "getlogzz", {}, {}, {}, {}, {"getlog"}},
        {"send chat", "Command2", {u"txtSay=^1hello ^7all "_s}, {}, {}, {"say ^1hello ^7all "}},
        {"send chat, empty line", "Command2", {}, {}, {}, {"say "}},
        {"get rcon", "Command3", {}, {}, {}, {}, {"getrconpass"}},
        {"fill gridz", "Command4", {}, {}, {}, {"status"}},
    };
}

} // namespace tvx::test
