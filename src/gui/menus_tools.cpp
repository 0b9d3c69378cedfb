// The Tools menu's entries: the two web links, the PunkBuster set-up sequences with their wait window, and
// the two daemon-user entries (the add-user window and the rcon password change).
#include "core/link/access_rules.h"
#include "core/text/text_util.h"
#include "core/tools/daemon_users.h"
#include "core/tools/fixed_addresses.h"
#include "core/tools/setup_sequences.h"

#include "gui/daemon_users_window.h"
#include "gui/loading_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// Runs one statement of a set-up. The PBBans set-up shows each failure in its own box and goes on; the
// PunksBusted set-up lets the first one end the whole sequence (its entry handler ignores it).
class SetupStatement {
public:
    explicit SetupStatement(SetupErrors errors) : errors_(errors) {}
    template <class F> void operator()(F&& statement) const {
        if (errors_ == SetupErrors::StopSilently) {
            statement();
            return;
        }
        try {
            statement();
        } catch (const PlatformError& e) {
            Forms::platform().dialogs->msgBox(u"Error: "_s + e.description(), mb::Critical,
                                              u"Error "_s + QString::number(e.number()));
        }
    }

private:
    SetupErrors errors_;
};

void runSetup(const SetupSequence& s) {
    Platform& p = Forms::platform();
    const SetupStatement run(s.errors);
    int answer = 0;
    run([&] { answer = p.dialogs->msgBox(s.confirmText, mb::OkCancel | mb::Information, s.confirmTitle); });
    if (answer == mb::Ok) {
        run([] { Forms::show<Loadingfdf>(); });
        QString answered; // the last input box's answer
        for (const SetupStep& step : s.steps) {
            run([&] { Forms::get<Loadingfdf>().SetProgress(step.caption); });
            switch (step.action) {
            case SetupAction::Send:
                run([&] { Forms::get<Main>().Send(setupCommand(step, answered)); });
                break;
            case SetupAction::WaitSend:
                run([&] { Forms::get<Main>().WaitSend(setupCommand(step, answered)); });
                break;
            case SetupAction::AskClanId:
                run([&] { answered = p.dialogs->inputBox(s.askPrompt, s.askTitle, s.askDefault); });
                break;
            }
            if (step.pauseMs > 0)
                run([&] { p.system->sleep(step.pauseMs); });
        }
        if (!s.doneCaption.isEmpty())
            run([&] { Forms::get<Loadingfdf>().SetProgress(s.doneCaption); });
        run([] { Forms::get<Loadingfdf>().Hide(); });
        run([&] { p.dialogs->msgBox(s.closingText, mb::OkOnly, s.closingTitle); });
    } else {
        run([&] { p.dialogs->msgBox(kSetupCancelledText, mb::OkOnly); });
    }
    resumeNext([] { Forms::unload<Loadingfdf>(); });
}

// Both set-up entries: anyone in RCON mode, admins only in Daemon mode.
void setupEntry(Form3& holder, void (Form3::*sequence)()) {
    Main& m = Forms::get<Main>();
    resumeNext([&] { m.IsThisDaemon(); });
    if (setupAllowed(m.ModeMirror(), m.Level()))
        resumeNext([&] { (holder.*sequence)(); });
    else
        resumeNext([] { Forms::platform().dialogs->msgBox(kSetupDeniedText, mb::Critical, kBoxTitle); });
}

} // namespace

void Form3::connectToolsMenu() {
    const std::pair<QAction*, void (Form3::*)()> handlers[] = {
        {setupserverforpbbansz, &Form3::setupserverforpbbansz_Click},
        {setupserverforpunksbustedz, &Form3::setupserverforpunksbustedz_Click},
        {addnewusertodaemonz, &Form3::addnewusertodaemonz_Click},
        {changerconpasswordindaemonz, &Form3::changerconpasswordindaemonz_Click},
        {websitez, &Form3::websitez_Click},
        {aboutz, &Form3::aboutz_Click},
    };
    // A failure that a handler does not skip itself ends that handler, not the program.
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this,
                [this, h = handler] { resumeNext([&] { (this->*h)(); }); });
}

void Form3::websitez_Click() {
    resumeNext([] { Forms::platform().shell->openUrl(fixed::kWebsiteUrl); });
}

void Form3::aboutz_Click() {
    resumeNext([] { Forms::platform().shell->openUrl(fixed::kDonationUrl); });
}

void Form3::setupserverforpbbansz_Click() {
    setupEntry(*this, &Form3::SetupPbbans);
}

void Form3::setupserverforpunksbustedz_Click() {
    setupEntry(*this, &Form3::SetupPksB);
}

void Form3::SetupPbbans() {
    runSetup(pbbansSetup());
}

void Form3::SetupPksB() {
    runSetup(punksBustedSetup());
}

bool Form3::daemonUserChecks(const QString& deniedText) {
    Main& m = Forms::get<Main>();
    resumeNext([&] { m.IsThisDaemon(); });
    switch (daemonUserAccess(m.ModeMirror(), m.Level())) {
    case DaemonUserAccess::NotDaemonMode:
        resumeNext(
            [] { Forms::platform().dialogs->msgBox(kNeedDaemonModeText, mb::Information, kBoxTitle); });
        return false;
    case DaemonUserAccess::NotPowerAdmin:
        resumeNext([&] { Forms::platform().dialogs->msgBox(deniedText, mb::Critical, kBoxTitle); });
        return false;
    case DaemonUserAccess::Allowed:
        break;
    }
    return true;
}

void Form3::addnewusertodaemonz_Click() {
    if (daemonUserChecks(kAddUserDeniedText))
        resumeNext([] { Forms::show<Form6>(); });
}

void Form3::changerconpasswordindaemonz_Click() {
    if (!daemonUserChecks(kChangeRconDeniedText))
        return;
    Dialogs& d = *platform().dialogs;
    int answer = 0;
    resumeNext([&] {
        answer = d.msgBox(u"Please do this before changing it on the actual server configuration!"_s + kCrLf +
                              u"Are you sure you want to change RCON password on daemon?"_s,
                          mb::OkCancel | mb::Information, kBoxTitle);
    });
    if (answer != mb::Ok) {
        resumeNext([&] { d.msgBox(u"Change RCON Cancelled!"_s, mb::Information, kBoxTitle); });
        return;
    }
    QString password;
    resumeNext([&] {
        password =
            d.inputBox(u"Please type here the new RCON password!"_s, u"Change RCON Password on Daemon"_s, {});
    });
    if (changeRconRefused(password)) {
        resumeNext([&] { d.msgBox(u"Cancelled - You need a password, blank wont work!"_s, mb::OkOnly); });
        return;
    }
    // The daemon's notice comes back on the link later; the console's own rcon password stays as it is.
    resumeNext([&] {
        Forms::get<Form4>().SendRequestToDaemon(changeRconRequest(password), DaemonRequest::ChangeRcon);
    });
}

} // namespace tvx
