#include "core/commands/command_table.h"

#include "core/commands/map_rotation.h"
#include "core/commands/player_actions.h"
#include "core/text/text_util.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

using enum Delivery;
using enum Completion;
constexpr CommandWindow M = CommandWindow::Main;
constexpr CommandWindow F1 = CommandWindow::Form1;
constexpr CommandWindow F3 = CommandWindow::Form3;

constexpr std::array kRows{
    // Settings page.
    CommandRow{M, u"Label18", u"sv_hostname ", Now, Box, u"Text8"},
    CommandRow{M, u"Label19", u"scr_hardcore 1"},
    CommandRow{M, u"Label20", u"scr_hardcore 0"},
    CommandRow{M, u"Label21", u"scr_oldschool 1"},
    CommandRow{M, u"Label22", u"scr_oldschool 0"},
    CommandRow{M, u"Label24", u"scr_game_allowkillcam 1"},
    CommandRow{M, u"Label25", u"scr_game_allowkillcam 0"},
    CommandRow{M, u"Label26", u"scr_team_fftype 1"},
    CommandRow{M, u"Label27", u"scr_team_fftype 0"},
    CommandRow{M, u"Label77", u"scr_team_fftype 2"},
    CommandRow{M, u"Label78", u"scr_team_fftype 3"},
    CommandRow{M, u"Label28", u"g_gametype dom"},
    CommandRow{M, u"Label29", u"g_gametype war"},
    CommandRow{M, u"Label30", u"g_gametype dm"},
    CommandRow{M, u"Label31", u"g_gametype koth"},
    CommandRow{M, u"Label32", u"g_gametype sab"},
    CommandRow{M, u"Label33", u"g_gametype sd"},
    CommandRow{M, u"Label42", u"g_gametype twar"},
    CommandRow{M, u"Label58", u"sv_minping ", Now, Box, u"Text27"},
    CommandRow{M, u"Label58", u"sv_maxping ", Delayed, Box, u"Text26"},
    CommandRow{M, u"Label43", u"g_allowvote"},
    CommandRow{M, u"Label79", u"g_allowvote"},
    CommandRow{M, u"Label80", u"g_allowvote 1"},
    CommandRow{M, u"Label81", u"g_allowvote 0"},
    CommandRow{M, u"Label82", u"sv_punkbuster"},
    CommandRow{M, u"Label83", u"sv_punkbuster 1"},
    CommandRow{M, u"Label84", u"sv_punkbuster 0"},
    CommandRow{M, u"Label85", u"sv_voice"},
    CommandRow{M, u"Label86", u"sv_voice 1"},
    CommandRow{M, u"Label87", u"sv_voice 0"},
    CommandRow{M, u"Label88", u"scr_teambalance"},
    CommandRow{M, u"Label89", u"scr_teambalance 1"},
    CommandRow{M, u"Label90", u"scr_teambalance 0"},
    // Status row.
    CommandRow{M, u"Label6", u"sv_hostname"},
    CommandRow{M, u"Label3", u"mapname"},
    // Admin page.
    CommandRow{M, u"Label15", u"Quit"},
    CommandRow{M, u"Label76", u"killserver"},
    CommandRow{M, u"Label16", u"serverinfo"},
    CommandRow{M, u"Label17", u"systeminfo"},
    CommandRow{M, u"Label23", u"pb_sv_getss"},
    CommandRow{M, u"Label36", u"pb_sv_banlist", Delayed},
    CommandRow{M, u"Label34", u"pb_sv_unban ", Now, Box, u"Text11"},
    CommandRow{M, u"Label94", u"pb_sv_restart"},
    CommandRow{M, u"Label95", u"pb_sv_badname 30 ", Now, Answer},
    CommandRow{M, u"Label96", u"PB_SV_BadNameList", Delayed},
    CommandRow{M, u"Label99", u"sv_privateclients ", Now, BoxTrimmed, u"Text44"},
    CommandRow{M, u"Label101", u"set sv_privatePassword ", Now, BoxTrimmed, u"Text45"},
    // Requests to the daemon (the log label lies on the chat page).
    CommandRow{M, u"Labelstart", u"startserver", Daemon},
    CommandRow{M, u"Label93", u"getlog", Daemon},
    // The RCON Server Tool: its menus, its chat picture, its test buttons.
    CommandRow{F1, u"statusz", u"status"},
    CommandRow{F1, u"serverinfoz", u"serverinfo"},
    CommandRow{F1, u"warnplayerz", u"tell ", Now, Answer},
    CommandRow{F1, u"ckickz", u"kick ", Now, Answer},
    CommandRow{F1, u"onlyplayerkick", u"onlykick ", Now, Answer},
    CommandRow{F1, u"clientkickz", u"clientkick ", Now, Answer},
    CommandRow{F1, u"kickallz", u"kick all"},
    CommandRow{F1, u"normalbanz", u"banuser ", Now, Answer},
    CommandRow{F1, u"clientbanz", u"banclient ", Now, Answer},
    CommandRow{F1, u"temporarilybanplayerz", u"tempbanUser ", Now, Answer},
    CommandRow{F1, u"temporarilyclientbanz", u"tempbanClient ", Now, Answer},
    CommandRow{F1, u"unbanuserz", u"unbanuser ", Now, Answer},
    CommandRow{F1, u"getlogzz", u"getlog", Daemon},
    CommandRow{F1, u"Backlotz", u"map mp_backlot"},
    CommandRow{F1, u"Blocz", u"map mp_bloc"},
    CommandRow{F1, u"Bogz", u"map mp_bog"},
    CommandRow{F1, u"Cargoshipz", u"map mp_cargoship"},
    CommandRow{F1, u"CityStreetsz", u"map mp_citystreets"},
    CommandRow{F1, u"Convoyz", u"map mp_convoy"},
    CommandRow{F1, u"Countdownz", u"map mp_countdown"},
    CommandRow{F1, u"Crashz", u"map mp_crash"},
    CommandRow{F1, u"Crossfirez", u"map mp_crossfire"},
    CommandRow{F1, u"Farmz", u"map mp_farm"},
    CommandRow{F1, u"Overgrownz", u"map mp_overgrown"},
    CommandRow{F1, u"Pipelinez", u"map mp_pipeline"},
    CommandRow{F1, u"Shipmentz", u"map mp_shipment"},
    CommandRow{F1, u"nextmapz", u"map_rotate"},
    CommandRow{F1, u"restartmapz", u"map_restart"},
    CommandRow{F1, u"fastmaprestartz", u"fast_restart"},
    CommandRow{F1, u"takescreenshottoplayer", u"pb_sv_getss ", Now, Answer},
    CommandRow{F1, u"takescreenshottoall", u"pb_sv_getss"},
    CommandRow{F1, u"takescreenshottaskz", u"PB_SV_Task 10 180 PB_SV_GETSS ", Now, Answer},
    CommandRow{F1, u"kickplayerbypunkbusterz", u"pb_sv_kick ", Now, Answer},
    CommandRow{F1, u"Command2", u"say ", Now, Box, u"txtSay"},
    CommandRow{F1, u"Command3", u"getrconpass", Daemon},
    CommandRow{F1, u"Command4", u"status"},
    // Maps page and the map rotation frame (settings page).
    CommandRow{M, u"Label14", u"map ", Now, Caption, u"Label13"},
    CommandRow{M, u"Label10", u"map_rotate"},
    CommandRow{M, u"Label11", u"map_restart"},
    CommandRow{M, u"Label12", u"fast_restart"},
    CommandRow{M, u"Label41", u"set sv_mapRotation ", Now, Rotation, u"Text12"},
    // The player menu: each entry acts on the grid's current row.
    CommandRow{F3, u"kickplay", u"kick ", Now, Name},
    CommandRow{F3, u"clientkick", u"clientkick ", Now, Slot},
    CommandRow{F3, u"pbkickwithreason", u"pb_sv_kick ", Now, PbReasons},
    CommandRow{F3, u"banplayerz", u"banuser ", Now, Name},
    CommandRow{F3, u"clientbanz", u"banclient ", Now, Slot},
    CommandRow{F3, u"pbbancli", u"pb_sv_ban ", Now, PbReasons},
    CommandRow{F3, u"tempbanplayerz", u"tempbanUser ", Now, Name},
    CommandRow{F3, u"TemporarilyClientBanz", u"tempbanClient ", Now, Slot},
    CommandRow{F3, u"unbanplayerz", u"unbanuser ", Now, Name},
    CommandRow{F3, u"screenshotp", u"pb_sv_getss ", Now, PbSlot},
    CommandRow{F3, u"screenshotdwuencez", u"PB_SV_Task 10 180 PB_SV_GETSS ", Now, PbSlot},
    // Sent by the warning box's "Ok" with the slot read when "Warn Player" opened it.
    CommandRow{F3, u"warnplayerz", u"tell ", Now, SlotMessage},
};

} // namespace

std::span<const CommandRow> commandTable() {
    return kRows;
}

QList<CommandRow> commandsOf(CommandWindow window, QStringView control) {
    QList<CommandRow> out;
    for (const CommandRow& row : kRows) {
        if (row.window == window && row.control == control)
            out.append(row);
    }
    return out;
}

QString commandText(const CommandRow& row, const QString& completion) {
    return commandText(row, Completing{completion, {}, {}, {}, {}});
}

QString commandText(const CommandRow& row, const Completing& with) {
    const QString command = row.command.toString();
    switch (row.completion) {
    case Completion::None:
        break;
    case Completion::Box:
    case Completion::Answer:
    case Completion::Caption:
    case Completion::Name:
        return command + with.text;
    case Completion::BoxTrimmed:
    case Completion::Slot:
        return command + trimBlanks(with.text);
    case Completion::Rotation:
        return command + rotationBetweenQuotes(with.quote, with.text);
    case Completion::PbSlot:
        return command + pbSlot(with.text);
    case Completion::PbReasons:
        return command + pbSlot(with.text) + u" 0 "_s + with.publicReason + u' ' + with.privateReason;
    case Completion::SlotMessage:
        return command + trimBlanks(with.text) + u' ' + with.message;
    }
    return command;
}

QString commandWindowName(CommandWindow window) {
    switch (window) {
    case CommandWindow::Main:
        break;
    case CommandWindow::Form1:
        return u"Form1"_s;
    case CommandWindow::Form3:
        return u"Form3"_s;
    }
    return u"Main"_s;
}

bool unbanNumberMissing(const QString& text) {
    return text == u"0" || text.isEmpty();
}

bool badNameMatchesEveryone(const QString& name) {
    for (const QChar c : name) {
        if (c > u' ' && c != u'"')
            return false;
    }
    return true;
}

} // namespace tvx
