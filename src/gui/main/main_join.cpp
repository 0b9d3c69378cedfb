// Main: "Join Server" starts the game client connected to the server; "(config)" opens its configuration.
#include "core/tools/game_launch.h"

#include "gui/join_server_window.h"
#include "gui/main/main_window.h"

using namespace Qt::StringLiterals;

namespace tvx {

void Main::Label91_Click() {
    if (txtiw3mp.isEmpty()) {
        platform().dialogs->msgBox(u"You need to config this first!"_s, mb::Critical, u"Config!"_s);
        Forms::show<joinserverconfig>();
        return;
    }
    const LaunchRefusal refusal = launchRefusal(Text3->text(), Text4->text(), txtserverpass);
    if (refusal != LaunchRefusal::None) {
        platform().dialogs->msgBox(launchRefusalText(refusal), mb::Information, kBoxTitle);
        return;
    }
    // The client is a Windows program: here wine runs it, when there is one.
    const GameLaunch launch = gameLaunch(txtiw3mp, Text3->text(), Text4->text(), txtserverpass,
                                         platform().shell->findProgram(u"wine"_s));
    // Started directly, never through a shell; a client that does not start shows nothing.
    platform().shell->execute(launch.program, launch.arguments, launch.workingFolder, false);
}

void Main::Label92_Click() {
    resumeNext([] { Forms::show<joinserverconfig>(); });
}

void Main::SetJoinServer(const QString& clientPath, const QString& serverPassword) {
    txtiw3mp = clientPath;
    txtserverpass = serverPassword;
}

} // namespace tvx
