#include "core/tools/daemon_users.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

constexpr std::array kPermissions{
    PermissionRow{1, u"PermPlayersList", u"Check1", u"Players List"},
    PermissionRow{2, u"PermChat", u"Check2", u"Chat"},
    PermissionRow{3, u"PermConfigs", u"Check3", u"Configs"},
    PermissionRow{4, u"PermMaps", u"Check4", u"Maps"},
    PermissionRow{5, u"PermAdmin", u"Check5", u"Admin"},
    PermissionRow{6, u"PermConsole", u"Check6", u"Console"},
    PermissionRow{7, u"PermAddUsers", u"Check7", u"Add Users"},
    PermissionRow{8, u"PermChangeRcon", u"Check8", u"Change RCON Password"},
    PermissionRow{9, u"PermBanPlayers", u"Check9", u"Ban Players"},
};

} // namespace

QString addUserRequest(const QString& user, const QString& password, const QString& level) {
    return u"ADDUSER "_s + user + u'+' + password + u'-' + level;
}

AddUserRefusal addUserRefusal(const QString& user, const QString& password, const QString& level) {
    if (user.isEmpty() || password.isEmpty() || level.isEmpty())
        return AddUserRefusal::MissingField;
    if (user.contains(u'+'))
        return AddUserRefusal::PlusInName;
    if (level.contains(u'-'))
        return AddUserRefusal::DashInLevel;
    return AddUserRefusal::None;
}

QString addUserRefusalText(AddUserRefusal refusal) {
    switch (refusal) {
    case AddUserRefusal::None:
        break;
    case AddUserRefusal::MissingField:
        return kFillUserFieldsText;
    case AddUserRefusal::PlusInName:
        return kUserNamePlusText;
    case AddUserRefusal::DashInLevel:
        return kLevelDashText;
    }
    return {};
}

QString changeRconRequest(const QString& password) {
    return u"CHANGERCON "_s + password;
}

bool changeRconRefused(const QString& password) {
    return password.isEmpty();
}

std::span<const PermissionRow> permissionTable() {
    return kPermissions;
}

QString permissionString(const QStringList& members) {
    return members.join(QString());
}

} // namespace tvx
