#include "core/tools/setup_sequences.h"

#include "core/text/text_util.h"
#include "core/tools/fixed_addresses.h"

using namespace Qt::StringLiterals;

namespace tvx {

SetupSequence pbbansSetup() {
    using enum SetupAction;
    SetupSequence s;
    s.confirmTitle = u"TORVANEX - PBBans Setup!"_s;
    s.confirmText = u"Please note this tool WILL overwrite the pbsv.cfg file on your server (By issuing the "
                    "command pb_sv_writecfg). If you are running any league configs we advise not using "
                    "this tool."_s +
                    kCrLf +
                    u"This will take a few minutes to complete! Please wait for the Message Box with the OK "
                    "information!"_s +
                    kCrLf + u"Press OK to continue"_s;
    s.steps = {
        {u"Updating PunkBuster..."_s, Send, u"pb_sv_update"_s, false, 90000},
        {u"Checking pbucon.use..."_s, Send, u"pb_sv_writecfg pbucon.use"_s, false, 1000},
        {u"Restarting Punkbuster..."_s, Send, u"pb_sv_restart"_s, false, 20000},
        {u"Changing Session Limits..."_s, Send, u"pb_sv_usessionlimit 8"_s, false, 1000},
        // The hub's UCON account: name and password are both "relaygate".
        {u"Adding PBBans HUD to UCON.."_s, Send,
         u"pb_sv_uconadd 1 "_s + fixed::kPbBansHubAddress + u" relaygate relaygate"_s, false, 1000},
        {u"Setting up auto ban..."_s, Send, u"pb_sv_autoupdban 1"_s, false, 1000},
        {u"Setting up task for PB Version..."_s, Send, u"pb_sv_task 0 3600 pb_sv_ver"_s, false, 1000},
        {u"Writing Config......"_s, Send, u"pb_sv_writecfg"_s, false, 1000},
    };
    s.doneCaption = u"Done!"_s;
    s.closingTitle = u"TORVANEX - PBBans Setup"_s;
    s.closingText = u"Server should be good for PBBans Streaming!"_s + kCrLf +
                    u"Now if you dont have an account yet, go to "_s + fixed::kPbBansRegistrationPage +
                    u" and register to setup your Server Account!"_s;
    s.errors = SetupErrors::ReportEach;
    return s;
}

SetupSequence punksBustedSetup() {
    using enum SetupAction;
    SetupSequence s;
    s.confirmTitle = u"TORVANEX - PsB Setup!"_s;
    s.confirmText = u"Please note this tool will setup Punksbusted Streaming into your server!"_s + kCrLf +
                    u"If are already registred on PsB and have your ClanID ready then press OK to continue"_s;
    s.steps = {
        {u"Loading pbsvlog.cfg..."_s, Send, u"pb_sv_load pbsvlog.cfg"_s, false, 1000},
        {u"Adding Log Address..."_s, Send, u"pb_sv_logaddr "_s + fixed::kPunksBustedLogHost, false, 1000},
        {u"Adding Log Port..."_s, Send, u"pb_sv_logport 24425"_s, false, 1000},
        {u"Asking You For CLANID.."_s, AskClanId, {}, false, 0},
        // The identifier goes out as typed; Cancel leaves nothing after the blank.
        {u"Setting up CLANID Address..."_s, Send, u"pb_sv_loguser "_s, true, 1000},
        {u"Writing Config..."_s, WaitSend, u"pb_sv_writecfg"_s, false, 0},
    };
    s.closingText = u"Server should be good for PsB Streaming!"_s;
    s.errors = SetupErrors::StopSilently;
    s.askPrompt = u"Please enter you ClanID"_s;
    s.askTitle = u"TORVANEX - PsB Server Setup"_s;
    s.askDefault = u"00000"_s;
    return s;
}

QString setupCommand(const SetupStep& step, const QString& answer) {
    return step.withAnswer ? step.command + answer : step.command;
}

} // namespace tvx
