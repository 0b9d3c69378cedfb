#pragma once
// The daemon's user management from the Tools menu: who may use it, the two requests on the daemon link,
// and the add-user window's permission string.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace tvx {

// "ADDUSER " user "+" password "-" level, all three as typed: nothing trimmed or checked.
QString addUserRequest(const QString& user, const QString& password, const QString& level);
// The daemon reads a request's user name up to its first "+": a name holding one would add another user,
// with another password, while the request looked accepted.
bool userNameSplitsRequest(const QString& user);
inline const QString kUserNamePlusText = QStringLiteral("The username may not contain \"+\"!");

// "CHANGERCON " and the new password as typed.
QString changeRconRequest(const QString& password);

// The checks both daemon-user entries run first: Daemon mode ("1" in the mode mirror), then exactly
// "poweradmin".
enum class DaemonUserAccess { Allowed, NotDaemonMode, NotPowerAdmin };
DaemonUserAccess daemonUserAccess(const QString& modeMirror, const QString& level);

inline const QString kNeedDaemonModeText = QStringLiteral("You need to be in Daemon Mode to do this!");
inline const QString kAddUserDeniedText = QStringLiteral("Access Denied! Only PowerAdmins Can Add Users!");
inline const QString kChangeRconDeniedText =
    QStringLiteral("Access Denied! Only PowerAdmins Can Change The Rcon Password!");

// One permission: its place in the permission string, the add-user window's member and check box that
// carry it, and the check box's caption.
struct PermissionRow {
    int position; // 1 .. 9
    QStringView member;
    QStringView checkBox;
    QStringView caption;
};
std::span<const PermissionRow> permissionTable();

// The members' values ("1" or "0") joined in the table's order.
QString permissionString(const QStringList& members);

} // namespace tvx
