// The tab row: page switch with the access checks of Daemon mode, the first visit to the chat page, the
// reset and exit pictures.
#include "core/chat/chat_input.h"
#include "core/link/access_rules.h"
#include "core/text/text_util.h"

#include "gui/loading_window.h"
#include "gui/log_window.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// Runs the access check of `tab`; false when the page must not change.
bool checkAccess(Main& m, MainTab tab) {
    const TabAccess a = tabAccess(m.DaemonMode, m.level, tab);
    if (a.denied)
        Forms::platform().dialogs->msgBox(kAccessDeniedText, mb::Critical, kAccessDeniedTitle);
    switch (a.commandLine) {
    case CommandLine::Enabled:
        m.Text7->setEnabled(true);
        break;
    case CommandLine::Disabled:
        m.Text7->setText(kTerminalDeniedText);
        m.Text7->setEnabled(false);
        break;
    case CommandLine::Untouched:
        break;
    }
    return a.opens;
}

} // namespace

void Main::showPage(std::initializer_list<QWidget*> parts) {
    for (QWidget* w :
         {static_cast<QWidget*>(Grid), static_cast<QWidget*>(Picture1), static_cast<QWidget*>(SeeChatp),
          static_cast<QWidget*>(SeeSettings), static_cast<QWidget*>(seeMaps), static_cast<QWidget*>(seeAdmin),
          static_cast<QWidget*>(SeeTerminalp)}) {
        const bool shown = std::find(parts.begin(), parts.end(), w) != parts.end();
        resumeNext([&] { w->setVisible(shown); });
    }
}

void Main::Image4_Click() {
    udpClient->close();
    Grid->Clear();
    Label6->setCaption(u"nohostname"_s);
    Label3->setCaption(u"nomap"_s);
    Label4->setCaption(u"0"_s);
    Forms::show<Form4>();
}

void Main::Image5_Click() {
    resumeNext([this] { showPage({Grid, Picture1}); });
    Text6.clear();
    resumeNext([this] { Send(u"status"_s); });
}

void Main::Image6_Click() {
    if (UconSetupDone != u"1")
        RegisterUcon();
    resumeNext([this] { showPage({SeeChatp}); });
}

void Main::RegisterUcon() {
    resumeNext([] { Forms::show<Loadingfdf>(); });
    for (const UconStep& step : uconRegistration(Text40, Text41, Text42)) {
        resumeNext([&] { Forms::get<Loadingfdf>().SetProgress(step.caption); });
        resumeNext([&] { Send(step.command); });
        // The pause paints the wait window with the new step while the user waits.
        if (step.pauseMs > 0)
            resumeNext([&] { platform().system->sleep(step.pauseMs); });
    }
    resumeNext([] { Forms::unload<Loadingfdf>(); });
    resumeNext([] { Forms::get<Form5>(); });
    UconSetupDone = u"1"_s;
}

void Main::Image7_Click() {
    if (checkAccess(*this, MainTab::Settings))
        resumeNext([this] { showPage({SeeSettings}); });
}

void Main::Image8_Click() {
    resumeNext([this] { showPage({seeMaps}); });
}

void Main::Image9_Click() {
    if (checkAccess(*this, MainTab::Admin))
        resumeNext([this] { showPage({seeAdmin}); });
}

void Main::Image10_Click() {
    resumeNext([this] { checkAccess(*this, MainTab::Terminal); });
    resumeNext([this] { showPage({SeeTerminalp}); });
}

void Main::Image11_Click() {
    resumeNext([this] { udpClient->close(); });
    resumeNext([this] { KillProcess(u"pbucon.exe"_s); });
    platform().system->endProgram();
}

void Main::KillProcess(const QString& name) {
    platform().shell->killProcesses(name);
}

} // namespace tvx
