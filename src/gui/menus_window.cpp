#include "gui/menus_window.h"

#include "core/commands/command_table.h"
#include "core/commands/player_actions.h"

#include "gui/base/builders.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {

Form3::Form3() {
    setObjectName(u"Form3"_s);
    setWindowTitle(u"Loading"_s);
    setToolWindowBorder();

    menuz = menu(this, u"menuz"_s, u"Menu"_s);
    createplayerreportz = item(menuz, u"createplayerreportz"_s, u"Create Player Report"_s);
    copyaxz = submenu(menuz, u"copyaxz"_s, u"Copy"_s);
    copynamez = item(copyaxz, u"copynamez"_s, u"Copy Name"_s);
    copyhash = item(copyaxz, u"copyhash"_s, u"Copy Hash"_s);
    copyipz = item(copyaxz, u"copyipz"_s, u"Copy IP"_s);
    separator(menuz, u"asds"_s);
    warnplayerz = item(menuz, u"warnplayerz"_s, u"Warn Player"_s);
    checkplayerz = submenu(menuz, u"checkplayerz"_s, u"Check Player"_s);
    checkplayerz->menuAction()->setVisible(false);
    checkonpunksbusted = item(checkplayerz, u"checkonpunksbusted"_s, u"Check on Punksbusted"_s);
    checkonpbbansz = item(checkplayerz, u"checkonpbbansz"_s, u"Check on PBBans"_s);
    kickxxx = submenu(menuz, u"kickxxx"_s, u"Kick"_s);
    kickplay = item(kickxxx, u"kickplay"_s, u"Kick Player"_s);
    clientkick = item(kickxxx, u"clientkick"_s, u"Client Kick Player"_s);
    pbkickwithreason = item(kickxxx, u"pbkickwithreason"_s, u"Punkbuster Kick with reason"_s);
    banp = submenu(menuz, u"banp"_s, u"Ban Player"_s);
    banplayerz = item(banp, u"banplayerz"_s, u"Ban Player"_s);
    clientbanz = item(banp, u"clientbanz"_s, u"Ban Player by Client "_s);
    pbbancli = item(banp, u"pbbancli"_s, u"Punkbuster Ban with reason"_s);
    separator(banp, u"sdsd"_s);
    tempbanplayerz = item(banp, u"tempbanplayerz"_s, u"Temporarily Player Ban"_s);
    TemporarilyClientBanz = item(banp, u"TemporarilyClientBanz"_s, u"Temporarily Client Ban"_s);
    separator(banp, u"sdsdsdsd"_s);
    unbanplayerz = item(banp, u"unbanplayerz"_s, u"Unban Player"_s);
    separator(menuz, u"xaprtsd"_s);
    screenshotp = item(menuz, u"screenshotp"_s, u"Screenshot Player"_s);
    screenshotdwuencez = item(menuz, u"screenshotdwuencez"_s, u"Screenshot Sequence"_s);
    connectPlayerMenu();

    toolsz = menu(this, u"toolsz"_s, u"Tools"_s);
    setupserverforpbbansz = item(toolsz, u"setupserverforpbbansz"_s, u"Setup Server for PBBans"_s);
    setupserverforpbbansz->setVisible(false);
    setupserverforpunksbustedz =
        item(toolsz, u"setupserverforpunksbustedz"_s, u"Setup Server for PunksBusted"_s);
    setupserverforpunksbustedz->setVisible(false);
    setofewfefz = separator(toolsz, u"setofewfefz"_s);
    setofewfefz->setVisible(false);
    addnewusertodaemonz = item(toolsz, u"addnewusertodaemonz"_s, u"Add New User to Daemon"_s);
    addnewusertodaemonz->setEnabled(false);
    changerconpasswordindaemonz =
        item(toolsz, u"changerconpasswordindaemonz"_s, u"Change Rcon Password in Daemon"_s);
    changerconpasswordindaemonz->setEnabled(false);
    setpfz = separator(toolsz, u"setpfz"_s);
    websitez = item(toolsz, u"websitez"_s, u"Visit TORVANEX Website"_s);
    aboutz = item(toolsz, u"aboutz"_s, u"Donate Here (to Quenlo)"_s);
    connectToolsMenu();
}

void Form3::Form_Load() {
    setWindowTitle(u"GEL"_s);
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

// ---- The player menu ----

void Form3::connectPlayerMenu() {
    const std::pair<QAction*, void (Form3::*)()> handlers[] = {
        {createplayerreportz, &Form3::createplayerreportz_Click},
        {copynamez, &Form3::copynamez_Click},
        {copyhash, &Form3::copyhash_Click},
        {copyipz, &Form3::copyipz_Click},
        {warnplayerz, &Form3::warnplayerz_Click},
        {checkonpunksbusted, &Form3::checkonpunksbusted_Click},
        {checkonpbbansz, &Form3::checkonpbbansz_Click},
        {kickplay, &Form3::kickplay_Click},
        {clientkick, &Form3::clientkick_Click},
        {pbkickwithreason, &Form3::pbkickwithreason_Click},
        {banplayerz, &Form3::banplayerz_Click},
        {clientbanz, &Form3::clientbanz_Click},
        {pbbancli, &Form3::pbbancli_Click},
        {tempbanplayerz, &Form3::tempbanplayerz_Click},
        {TemporarilyClientBanz, &Form3::TemporarilyClientBanz_Click},
        {unbanplayerz, &Form3::unbanplayerz_Click},
        {screenshotp, &Form3::screenshotp_Click},
        {screenshotdwuencez, &Form3::screenshotdwuencez_Click},
    };
    // A failure that a handler does not skip itself ends that handler, not the program.
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this,
                [this, h = handler] { resumeNext([&] { (this->*h)(); }); });
}

QString Form3::playerCell(int column) const {
    return Forms::get<Main>().CurrentRowCell(column);
}

void Form3::sendPlayerCommand(QStringView entry) {
    for (const CommandRow& row : commandsOf(CommandWindow::Form3, entry)) {
        Completing with;
        if (const std::optional<PlayerColumn> column = playerColumn(row.completion))
            with.text = playerCell(static_cast<int>(*column));
        if (const PlayerRefusal r = playerRefusal(row.completion, with.text); r != PlayerRefusal::None) {
            platform().dialogs->msgBox(refusalText(r), mb::Information, kBoxTitle);
            return;
        }
        // The slot was read before the first box opens: the grid may be rebuilt while a box is up.
        if (const std::optional<ReasonBoxes> boxes = reasonBoxes(entry)) {
            const ReasonBox& first = boxes->publicReason;
            with.publicReason = platform().dialogs->inputBox(first.prompt, first.title, first.defaultText);
            if (reasonCancelled(with.publicReason))
                return;
            const ReasonBox& second = boxes->privateReason;
            with.privateReason =
                platform().dialogs->inputBox(second.prompt, second.title, second.defaultText);
            if (reasonCancelled(with.privateReason))
                return;
        }
        Forms::get<Main>().Send(commandText(row, with));
    }
}

void Form3::showInReader(const QString& text) {
    resumeNext([&] { Forms::get<tvx::log>().SetText(text); });
    resumeNext([] { Forms::show<tvx::log>(); });
}

void Form3::createplayerreportz_Click() {
    PlayerReportCells cells;
    resumeNext([&] { cells.slot = playerCell(static_cast<int>(PlayerColumn::Slot)); });
    resumeNext([&] { cells.name = playerCell(static_cast<int>(PlayerColumn::Name)); });
    resumeNext([&] { cells.guid = playerCell(static_cast<int>(PlayerColumn::Guid)); });
    resumeNext([&] { cells.score = playerCell(static_cast<int>(PlayerColumn::Score)); });
    resumeNext([&] { cells.ipPort = playerCell(static_cast<int>(PlayerColumn::IpPort)); });
    showInReader(playerReport(platform().system->now(), cells));
}

void Form3::copynamez_Click() {
    QString name;
    resumeNext([&] { name = playerCell(static_cast<int>(PlayerColumn::Name)); });
    showInReader(name);
}

void Form3::copyhash_Click() {
    QString guid;
    resumeNext([&] { guid = playerCell(static_cast<int>(PlayerColumn::Guid)); });
    showInReader(guid);
}

void Form3::copyipz_Click() {
    QString address;
    resumeNext([&] { address = playerCell(static_cast<int>(PlayerColumn::IpPort)); });
    showInReader(address);
}

void Form3::warnplayerz_Click() {
    // The slot as the grid holds it; "Ok" trims it.
    const QString slot = playerCell(static_cast<int>(PlayerColumn::Slot));
    for (const CommandRow& row : commandsOf(CommandWindow::Form3, u"warnplayerz")) {
        if (const PlayerRefusal r = playerRefusal(row.completion, slot); r != PlayerRefusal::None) {
            platform().dialogs->msgBox(refusalText(r), mb::Information, kBoxTitle);
            return;
        }
    }
    // An open box is reused: both labels are set again and the message typed so far stays.
    Form2& box = Forms::get<Form2>();
    box.SetPlayer(kWarnDescription, slot);
    box.Show();
}

void Form3::checkonpunksbusted_Click() {
    QString guid;
    resumeNext([&] { guid = playerCell(static_cast<int>(PlayerColumn::Guid)); });
    resumeNext([&] { platform().shell->openUrl(punksBustedLookup(guid)); });
}

void Form3::checkonpbbansz_Click() {
    QString guid;
    resumeNext([&] { guid = playerCell(static_cast<int>(PlayerColumn::Guid)); });
    resumeNext([&] { platform().shell->openUrl(pbBansLookup(guid)); });
}

void Form3::kickplay_Click() {
    sendPlayerCommand(u"kickplay");
}
void Form3::clientkick_Click() {
    sendPlayerCommand(u"clientkick");
}
void Form3::pbkickwithreason_Click() {
    sendPlayerCommand(u"pbkickwithreason");
}
void Form3::banplayerz_Click() {
    sendPlayerCommand(u"banplayerz");
}
void Form3::clientbanz_Click() {
    sendPlayerCommand(u"clientbanz");
}
void Form3::pbbancli_Click() {
    sendPlayerCommand(u"pbbancli");
}
void Form3::tempbanplayerz_Click() {
    sendPlayerCommand(u"tempbanplayerz");
}
void Form3::TemporarilyClientBanz_Click() {
    sendPlayerCommand(u"TemporarilyClientBanz");
}
void Form3::unbanplayerz_Click() {
    sendPlayerCommand(u"unbanplayerz");
}
void Form3::screenshotp_Click() {
    sendPlayerCommand(u"screenshotp");
}
void Form3::screenshotdwuencez_Click() {
    sendPlayerCommand(u"screenshotdwuencez");
}

} // namespace tvx
