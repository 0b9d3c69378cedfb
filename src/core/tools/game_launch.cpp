#include "core/tools/game_launch.h"

#include "core/text/codepage.h"
#include "core/text/text_util.h"
#include "core/tools/windows_program.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tvx {

QString launchWorkingFolder(const QString& clientPath) {
    const QString folder = removeAll(clientPath, u"CoDWaWmp.exe"_s);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QFileInfo(clientPath).absolutePath();
}

GameLaunch gameLaunch(const QString& clientPath, const QString& address, const QString& port,
                      const QString& password, const QString& wineProgram) {
    GameLaunch l;
    ProgramStart start = throughWine(
        clientPath, {u"+connect"_s, address + u':' + port, u"+password"_s, password}, wineProgram);
    l.program = std::move(start.program);
    l.arguments = std::move(start.arguments);
    l.workingFolder = launchWorkingFolder(clientPath);
    return l;
}

bool breaksGameCommandLine(QStringView value) {
    if (!inAnsi(value))
        return true;
    for (const QChar c : value) {
        if (c == u';' || c == u'+' || c == u'"' || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

LaunchRefusal launchRefusal(const QString& address, const QString& port, const QString& password) {
    if (breaksGameCommandLine(address))
        return LaunchRefusal::Address;
    if (breaksGameCommandLine(port))
        return LaunchRefusal::Port;
    if (breaksGameCommandLine(password))
        return LaunchRefusal::Password;
    return LaunchRefusal::None;
}

QString launchRefusalText(LaunchRefusal refusal) {
    QString field;
    switch (refusal) {
    case LaunchRefusal::None:
        return {};
    case LaunchRefusal::Address:
        field = u"server address"_s;
        break;
    case LaunchRefusal::Port:
        field = u"server port"_s;
        break;
    case LaunchRefusal::Password:
        field = u"server password"_s;
        break;
    }
    return u"The "_s + field +
           u" holds a ';', '+', '\"', line break, tab or other control character, which the game would read "
           u"as a command of its own, or a character outside code page 1252, which the game would not get as "
           u"typed, so the game was not started."_s;
}

} // namespace tvx
