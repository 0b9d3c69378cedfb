#pragma once
// The daemon's user management from the Tools menu: the two requests on the daemon link and the add-user
// window's permission string (who may use it is in core/link/access_rules.h).
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace tvx {

// "ADDUSER " user "+" password "-" level, all three as typed: nothing trimmed.
QString addUserRequest(const QString& user, const QString& password, const QString& level);

// Why an ADDUSER request may not leave. Every field must be filled. The daemon reads the name up to the
// request's first "+" and the level from its last "-": a name holding a "+" or a level holding a "-" would
// add another user, or give another password or level, while the request looked accepted. The password may
// hold both.
enum class AddUserRefusal { None, MissingField, PlusInName, DashInLevel };
AddUserRefusal addUserRefusal(const QString& user, const QString& password, const QString& level);
// The box that tells the refusal (the empty text for None).
QString addUserRefusalText(AddUserRefusal refusal);
inline const QString kFillUserFieldsText = QStringLiteral("Please fill Username, Password and Level!");
inline const QString kUserNamePlusText = QStringLiteral("The username may not contain \"+\"!");
inline const QString kLevelDashText = QStringLiteral("The level may not contain \"-\"!");

// "CHANGERCON " and the new password as typed.
QString changeRconRequest(const QString& password);
// A blank password is no password: no request leaves.
bool changeRconRefused(const QString& password);

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
