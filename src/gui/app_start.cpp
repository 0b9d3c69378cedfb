#include "app_start.h"

#include "common/dialogs_qt.h"
#include "common/forms.h"
#include "common/platform_qt.h"
#include "common/settings_store.h"
#include "link/form4.h"

#include <QApplication>

namespace tvx {

const Platform& programPlatform() {
    static QtDialogs dialogs;
    static QtShell shell;
    static QtSystem system;
    static IniSettingsStore settings(IniSettingsStore::defaultPath());
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
    Forms::install(platform);
    Forms::show<Form4>();
}

} // namespace tvx
