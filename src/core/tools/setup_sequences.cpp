#include "core/tools/setup_sequences.h"

#include "core/text/text_util.h"
#include "core/tools/fixed_addresses.h"

namespace tvx {

SetupSequence pbbansSetup() {
    using enum SetupAction;
    SetupSequence s;
    s.confirmTitle = u"TORVANEX - PBBans Setup!"_qs;
    s.confirmText = u"Please note this tool WILL overwrite the pbsv.cfg file on your server (By issuing the "
                    "command pb_sv_writecfg). If you are running any league configs we advise not using "
                    "this tool."_qs +
                    kCrLf +
                    u"This will take a few minutes to complete! Please wait for the Message Box with the OK "
                    "information!"_qs +
                    kCrLf + u"Press OK to continue"_qs;
    s.steps = {
        {u"Updating PunkBuster..."_qs, Send, u"pb_sv_update"_qs, false, 90000},
        {u"Checking pbucon.use..."_qs, Send, u"pb_sv_writecfg pbucon.use"_qs, false, 1000},
        {u"Restarting Punkbuster..."_qs, Send, u"pb_sv_restart"_qs, false, 20000},
        {u"Changing Session Limits..."_qs, Send, u"pb_sv_usessionlimit 8"_qs, false, 1000},
        // The hub's UCON account: name and password are both "relaygate".
        {u"Adding PBBans HUD to UCON.."_qs, Send,
         u"pb_sv_uconadd 1 "_qs + fixed::kPbBansHubAddress + u" relaygate relaygate"_qs, false, 1000},
        {u"Setting up auto ban..."_qs, Send, u"pb_sv_autoupdban 1"_qs, false, 1000},
        {u"Setting up task for PB Version..."_qs, Send, u"pb_sv_task 0 3600 pb_sv_ver"_qs, false, 1000},
        {u"Writing Config......"_qs, Send, u"pb_sv_writecfg"_qs, false, 1000},
    };
    s.doneCaption = u"Done!"_qs;
    s.closingTitle = u"TORVANEX - PBBans Setup"_qs;
    s.closingText = u"Server should be good for PBBans Streaming!"_qs + kCrLf +
                    u"Now if you dont have an account yet, go to "_qs + fixed::kPbBansRegistrationPage +
                    u" and register to setup your Server Account!"_qs;
    s.errors = SetupErrors::ReportEach;
    return s;
}

SetupSequence punksBustedSetup() {
    using enum SetupAction;
    SetupSequence s;
    s.confirmTitle = u"TORVANEX - PsB Setup!"_qs;
    s.confirmText =
        u"Please note this tool will setup Punksbusted Streaming into your server!"_qs + kCrLf +
        u"If are already registred on PsB and have your ClanID ready then press OK to continue"_qs;
    s.steps = {
        {u"Loading pbsvlog.cfg..."_qs, Send, u"pb_sv_load pbsvlog.cfg"_qs, false, 1000},
        {u"Adding Log Address..."_qs, Send, u"pb_sv_logaddr "_qs + fixed::kPunksBustedLogHost, false, 1000},
        {u"Adding Log Port..."_qs, Send, u"pb_sv_logport 24425"_qs, false, 1000},
        {u"Asking You For CLANID.."_qs, AskClanId, {}, false, 0},
        // The identifier goes out as typed; Cancel leaves nothing after the blank.
        {u"Setting up CLANID Address..."_qs, Send, u"pb_sv_loguser "_qs, true, 1000},
        {u"Writing Config..."_qs, WaitSend, u"pb_sv_writecfg"_qs, false, 0},
    };
    s.closingText = u"Server should be good for PsB Streaming!"_qs;
    s.errors = SetupErrors::StopSilently;
    s.askPrompt = u"Please enter you ClanID"_qs;
    s.askTitle = u"TORVANEX - PsB Server Setup"_qs;
    s.askDefault = u"00000"_qs;
    return s;
}

QString setupCommand(const SetupStep& step, const QString& answer) {
    return step.withAnswer ? step.command + answer : step.command;
}

bool setupAllowed(const QString& modeMirror, const QString& level) {
    if (modeMirror != u"1")
        return true;
    return level == u"poweradmin" || level == u"admin";
}

} // namespace tvx
