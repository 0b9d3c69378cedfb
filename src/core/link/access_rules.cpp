#include "core/link/access_rules.h"

using namespace Qt::StringLiterals;

namespace tvx {

TabAccess tabAccess(const QString& daemonMode, const QString& level, MainTab tab) {
    const bool daemon = daemonMode == u"1";
    TabAccess a;
    switch (tab) {
    case MainTab::Settings:
    case MainTab::Admin:
        if (daemon && level != u"admin" && level != u"poweradmin") {
            a.opens = false;
            a.denied = true;
        }
        break;
    case MainTab::Terminal:
        a.commandLine = !daemon || level == u"poweradmin" ? CommandLine::Enabled : CommandLine::Disabled;
        break;
    case MainTab::Players:
    case MainTab::Chat:
    case MainTab::Maps:
        break;
    }
    return a;
}

bool setupAllowed(const QString& modeMirror, const QString& level) {
    if (modeMirror != u"1")
        return true;
    return level == u"poweradmin" || level == u"admin";
}

DaemonUserAccess daemonUserAccess(const QString& modeMirror, const QString& level) {
    if (modeMirror != u"1")
        return DaemonUserAccess::NotDaemonMode;
    if (level != u"poweradmin")
        return DaemonUserAccess::NotPowerAdmin;
    return DaemonUserAccess::Allowed;
}

} // namespace tvx
