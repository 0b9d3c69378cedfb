#include "gui/menus_window.h"

namespace tvx {
namespace {

QMenu* menu(QWidget* parent, const QString& name, const QString& caption) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* item(QMenu* in, const QString& name, const QString& caption) {
    QAction* a = in->addAction(caption);
    a->setObjectName(name);
    return a;
}

QAction* separator(QMenu* in, const QString& name) {
    QAction* a = in->addSeparator();
    a->setObjectName(name);
    return a;
}

QMenu* submenu(QMenu* in, const QString& name, const QString& caption) {
    QMenu* m = menu(in, name, caption);
    in->addMenu(m);
    return m;
}

} // namespace

Form3::Form3() {
    setObjectName(u"Form3"_qs);
    setWindowTitle(u"Loading"_qs);
    setToolWindowBorder();

    menuz = menu(this, u"menuz"_qs, u"Menu"_qs);
    createplayerreportz = item(menuz, u"createplayerreportz"_qs, u"Create Player Report"_qs);
    copyaxz = submenu(menuz, u"copyaxz"_qs, u"Copy"_qs);
    copynamez = item(copyaxz, u"copynamez"_qs, u"Copy Name"_qs);
    copyhash = item(copyaxz, u"copyhash"_qs, u"Copy Hash"_qs);
    copyipz = item(copyaxz, u"copyipz"_qs, u"Copy IP"_qs);
    separator(menuz, u"asds"_qs);
    warnplayerz = item(menuz, u"warnplayerz"_qs, u"Warn Player"_qs);
    checkplayerz = submenu(menuz, u"checkplayerz"_qs, u"Check Player"_qs);
    checkplayerz->menuAction()->setVisible(false);
    checkonpunksbusted = item(checkplayerz, u"checkonpunksbusted"_qs, u"Check on Punksbusted"_qs);
    checkonpbbansz = item(checkplayerz, u"checkonpbbansz"_qs, u"Check on PBBans"_qs);
    kickxxx = submenu(menuz, u"kickxxx"_qs, u"Kick"_qs);
    kickplay = item(kickxxx, u"kickplay"_qs, u"Kick Player"_qs);
    clientkick = item(kickxxx, u"clientkick"_qs, u"Client Kick Player"_qs);
    pbkickwithreason = item(kickxxx, u"pbkickwithreason"_qs, u"Punkbuster Kick with reason"_qs);
    banp = submenu(menuz, u"banp"_qs, u"Ban Player"_qs);
    banplayerz = item(banp, u"banplayerz"_qs, u"Ban Player"_qs);
    clientbanz = item(banp, u"clientbanz"_qs, u"Ban Player by Client "_qs);
    pbbancli = item(banp, u"pbbancli"_qs, u"Punkbuster Ban with reason"_qs);
    separator(banp, u"sdsd"_qs);
    tempbanplayerz = item(banp, u"tempbanplayerz"_qs, u"Temporarily Player Ban"_qs);
    TemporarilyClientBanz = item(banp, u"TemporarilyClientBanz"_qs, u"Temporarily Client Ban"_qs);
    separator(banp, u"sdsdsdsd"_qs);
    unbanplayerz = item(banp, u"unbanplayerz"_qs, u"Unban Player"_qs);
    separator(menuz, u"xaprtsd"_qs);
    screenshotp = item(menuz, u"screenshotp"_qs, u"Screenshot Player"_qs);
    screenshotdwuencez = item(menuz, u"screenshotdwuencez"_qs, u"Screenshot Sequence"_qs);

    toolsz = menu(this, u"toolsz"_qs, u"Tools"_qs);
    setupserverforpbbansz = item(toolsz, u"setupserverforpbbansz"_qs, u"Setup Server for PBBans"_qs);
    setupserverforpbbansz->setVisible(false);
    setupserverforpunksbustedz =
        item(toolsz, u"setupserverforpunksbustedz"_qs, u"Setup Server for PunksBusted"_qs);
    setupserverforpunksbustedz->setVisible(false);
    setofewfefz = separator(toolsz, u"setofewfefz"_qs);
    setofewfefz->setVisible(false);
    addnewusertodaemonz = item(toolsz, u"addnewusertodaemonz"_qs, u"Add New User to Daemon"_qs);
    addnewusertodaemonz->setEnabled(false);
    changerconpasswordindaemonz =
        item(toolsz, u"changerconpasswordindaemonz"_qs, u"Change Rcon Password in Daemon"_qs);
    changerconpasswordindaemonz->setEnabled(false);
    setpfz = separator(toolsz, u"setpfz"_qs);
    websitez = item(toolsz, u"websitez"_qs, u"Visit TORVANEX Website"_qs);
    aboutz = item(toolsz, u"aboutz"_qs, u"Donate Here (to Quenlo)"_qs);
    connectToolsMenu();
}

void Form3::Form_Load() {
    setWindowTitle(u"GEL"_qs);
}

void Form3::PopupMenu(QMenu* menu, const QPoint& at) {
    lastPopup = menu;
    lastPopupAt = at;
    ++popupCount;
    menu->popup(at);
}

QAction* Form3::entry(const QString& name) const {
    for (QMenu* m : {menuz, toolsz}) {
        if (m->menuAction()->objectName() == name)
            return m->menuAction();
        if (auto* a = m->findChild<QAction*>(name))
            return a;
    }
    return nullptr;
}

} // namespace tvx
