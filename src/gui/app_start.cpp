#include "gui/app_start.h"

#include "core/platform/platform_qt.h"
#include "core/platform/settings_store.h"

#include "gui/base/dialogs_qt.h"
#include "gui/base/forms.h"
#include "gui/login_window.h"

#include <QApplication>

namespace tvx {

const Platform& programPlatform() {
    static QtDialogs dialogs;
    static QtShell shell;
    static QtSystem system;
    static IniSettingsStore settings(IniSettingsStore::defaultPath(), &dialogs);
    static const Platform p{&dialogs,
                            &shell,
                            &system,
                            &settings,
                            [](QObject* parent) -> UdpSocket* { return new QtUdpSocket(parent); },
                            [](QObject* parent) -> TcpClient* { return new QtTcpClient(parent); }};
    return p;
}

void startTorvanex(const Platform& platform) {
    // Windows end the program themselves ("Quit", the exit picture); hiding the last one must not.
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();
    Forms::install(platform);
    Forms::show<Form4>();
}

} // namespace tvx
