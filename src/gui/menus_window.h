#pragma once
// The menu holder: a window that is never shown and only carries the player menu and the Tools menu, which
// pop up over the console.
#include "gui/base/forms.h"

#include <QMenu>
#include <QPointer>

namespace tvx {

class Form3 : public VbForm {
    Q_OBJECT
public:
    Form3();
    void Form_Load() override;

    // Pops `menu` up at `at` (global) and returns at once; the choice arrives as the entry's triggered().
    void PopupMenu(QMenu* menu, const QPoint& at);
    // The console's two pop-ups: the player menu (its right button on the grid) and the Tools menu (its
    // "Tools" label).
    void PopupPlayerMenu(const QPoint& at) { PopupMenu(menuz, at); }
    void PopupToolsMenu(const QPoint& at) { PopupMenu(toolsz, at); }
    // The last pop-up and where it went, for whoever needs to know (the tests).
    QPointer<QMenu> lastPopup;
    QPoint lastPopupAt;
    int popupCount = 0;

    // The player menu.
    QMenu* menuz = nullptr;
    QAction* createplayerreportz = nullptr;
    QMenu* copyaxz = nullptr;
    QAction* copynamez = nullptr;
    QAction* copyhash = nullptr;
    QAction* copyipz = nullptr;
    QAction* warnplayerz = nullptr;
    QMenu* checkplayerz = nullptr;
    QAction* checkonpunksbusted = nullptr;
    QAction* checkonpbbansz = nullptr;
    QMenu* kickxxx = nullptr;
    QAction* kickplay = nullptr;
    QAction* clientkick = nullptr;
    QAction* pbkickwithreason = nullptr;
    QMenu* banp = nullptr;
    QAction* banplayerz = nullptr;
    QAction* clientbanz = nullptr;
    QAction* pbbancli = nullptr;
    QAction* tempbanplayerz = nullptr;
    QAction* TemporarilyClientBanz = nullptr;
    QAction* unbanplayerz = nullptr;
    QAction* screenshotp = nullptr;
    QAction* screenshotdwuencez = nullptr;

    // The Tools menu.
    QMenu* toolsz = nullptr;
    QAction* setupserverforpbbansz = nullptr; // hidden, like the next entry and its separator
    QAction* setupserverforpunksbustedz = nullptr;
    QAction* setofewfefz = nullptr;
    QAction* addnewusertodaemonz = nullptr; // disabled, like the next entry
    QAction* changerconpasswordindaemonz = nullptr;
    QAction* setpfz = nullptr;
    QAction* websitez = nullptr;
    QAction* aboutz = nullptr;

    // The Tools entries (menus_tools.cpp). A hidden or disabled entry never triggers, so these are also
    // called by name.
    void setupserverforpbbansz_Click();
    void setupserverforpunksbustedz_Click();
    void addnewusertodaemonz_Click();
    void changerconpasswordindaemonz_Click();
    void websitez_Click();
    void aboutz_Click();
    // The two PunkBuster set-up sequences, after the entries' checks.
    void SetupPbbans();
    void SetupPksB();

    // Any entry of either menu by its name (separators and sub-menu entries included).
    QAction* entry(const QString& name) const;

    // ---- The player menu's entries: each reads the grid's current row when it is chosen ----
    void createplayerreportz_Click();
    void copynamez_Click();
    void copyhash_Click();
    void copyipz_Click();
    void warnplayerz_Click();
    void checkonpunksbusted_Click();
    void checkonpbbansz_Click();
    void kickplay_Click();
    void clientkick_Click();
    void pbkickwithreason_Click();
    void banplayerz_Click();
    void clientbanz_Click();
    void pbbancli_Click();
    void tempbanplayerz_Click();
    void TemporarilyClientBanz_Click();
    void unbanplayerz_Click();
    void screenshotp_Click();
    void screenshotdwuencez_Click();

private:
    void connectToolsMenu();
    // The checks both daemon-user entries run first; false (after its box) when the entry must stop.
    bool daemonUserChecks(const QString& deniedText);
    void connectPlayerMenu();
    // One cell of the grid's current row, read now.
    QString playerCell(int column) const;
    // Sends what the command table gives `entry`, completed from the current row; a row that names no
    // player, or a cell that would split the command, sends nothing and says why.
    void sendPlayerCommand(QStringView entry);
    // Replaces the Reader's text and shows it; each step on its own.
    void showInReader(const QString& text);
};

} // namespace tvx
