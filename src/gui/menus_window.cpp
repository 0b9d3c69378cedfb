#include "gui/menus_window.h"

#include "core/commands/command_table.h"
#include "core/commands/player_actions.h"

#include "gui/base/builders.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"
#include "gui/warning_window.h"

#include <utility>

namespace tvx {

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
    connectPlayerMenu();

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
    const FlexGrid& grid = *Forms::get<Main>().Grid;
    return grid.TextMatrix(grid.Row(), column);
}

void Form3::sendPlayerCommand(QStringView entry) {
    for (const CommandRow& row : commandsOf(CommandWindow::Form3, entry)) {
        Completing with;
        if (const std::optional<PlayerColumn> column = playerColumn(row.completion))
            with.text = playerCell(static_cast<int>(*column));
        if (const PlayerRefusal r = playerRefusal(row.completion, with.text); r != PlayerRefusal::None) {
            platform().dialogs->msgBox(refusalText(r), mb::Information, kRefusalTitle);
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
    resumeNext([&] { Forms::get<tvx::log>().Text1->setText(text); });
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
            platform().dialogs->msgBox(refusalText(r), mb::Information, kRefusalTitle);
            return;
        }
    }
    // An open box is reused: both labels are set again and the message typed so far stays.
    Form2& box = Forms::get<Form2>();
    box.lbldesc->setCaption(kWarnDescription);
    box.lblusage->setCaption(slot);
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
