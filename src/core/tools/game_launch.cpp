#include "core/tools/game_launch.h"

#include "core/text/text_util.h"

#include <QFileInfo>

namespace tvx {

bool isWindowsProgram(const QString& clientPath) {
    return clientPath.endsWith(u".exe", Qt::CaseInsensitive);
}

QString launchWorkingFolder(const QString& clientPath) {
    const QString folder = removeAll(clientPath, QStringLiteral("CoDWaWmp.exe"));
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QFileInfo(clientPath).absolutePath();
}

GameLaunch gameLaunch(const QString& clientPath, const QString& address, const QString& port,
                      const QString& password, const QString& wineProgram) {
    GameLaunch l;
    l.arguments = {QStringLiteral("+connect"), address + u':' + port, QStringLiteral("+password"), password};
    if (!wineProgram.isEmpty() && isWindowsProgram(clientPath)) {
        l.program = wineProgram;
        l.arguments.prepend(clientPath);
    } else {
        l.program = clientPath;
    }
    l.workingFolder = launchWorkingFolder(clientPath);
    return l;
}

} // namespace tvx
