#pragma once
// The access rules by the level a Daemon-mode login gave: which tabs open and whether the terminal takes
// commands, who may run the Tools menu's set-ups, and who may manage the daemon's users. Levels are compared
// exactly (case and blanks count).
#include <QString>

namespace tvx {

// ---- Tabs ----

enum class MainTab { Players, Chat, Settings, Maps, Admin, Terminal };
enum class CommandLine { Untouched, Enabled, Disabled };

struct TabAccess {
    bool opens = true;   // the page shows; otherwise the page shown before stays
    bool denied = false; // the "Access Denied" box is shown
    CommandLine commandLine = CommandLine::Untouched;

    friend bool operator==(const TabAccess&, const TabAccess&) = default;
};

inline const QString kAccessDeniedText = QStringLiteral("Sorry you dont have access to this area!");
inline const QString kAccessDeniedTitle = QStringLiteral("Access Denied");
inline const QString kTerminalDeniedText =
    QStringLiteral("Sorry but you dont have access to full console command...");

// Daemon mode is the mode flag exactly "1"; there the level is compared exactly (case and blanks count).
TabAccess tabAccess(const QString& daemonMode, const QString& level, MainTab tab);

// ---- The Tools menu ----

// Who may run a set-up: anyone in RCON mode; in Daemon mode ("1" in the mode mirror) only the levels
// "admin" and "poweradmin", compared exactly.
bool setupAllowed(const QString& modeMirror, const QString& level);

inline const QString kSetupDeniedText = QStringLiteral("Access Denied! Only Admins Can Setup the Server!");

// The checks both daemon-user entries run first: Daemon mode ("1" in the mode mirror), then exactly
// "poweradmin".
enum class DaemonUserAccess { Allowed, NotDaemonMode, NotPowerAdmin };
DaemonUserAccess daemonUserAccess(const QString& modeMirror, const QString& level);

inline const QString kNeedDaemonModeText = QStringLiteral("You need to be in Daemon Mode to do this!");
inline const QString kAddUserDeniedText = QStringLiteral("Access Denied! Only PowerAdmins Can Add Users!");
inline const QString kChangeRconDeniedText =
    QStringLiteral("Access Denied! Only PowerAdmins Can Change The Rcon Password!");

} // namespace tvx
