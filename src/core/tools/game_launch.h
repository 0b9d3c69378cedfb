#pragma once
// How "Join Server" starts the game client connected to the managed server.
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tvx {

// Where the client's path and the server password are kept in the settings.
inline const QString kConfigsSection = QStringLiteral("[Configs]");
inline const QString kClientPathKey = QStringLiteral("Path");
inline const QString kServerPassKey = QStringLiteral("ServerPass");

struct GameLaunch {
    QString program;
    QStringList arguments;
    QString workingFolder;

    friend bool operator==(const GameLaunch&, const GameLaunch&) = default;
};

// The folder the client starts in: the path with every "CoDWaWmp.exe" (exact case) taken out, which leaves
// the folder of the usual client; when that is not an existing folder (any other file name), the
// executable's own folder.
QString launchWorkingFolder(const QString& clientPath);

// The start: the arguments are "+connect", address ":" port, "+password" and the password, each one
// argument of its own (an empty password stays an empty argument). `wineProgram` is the wine found on the
// PATH, empty when there is none; a Windows program is then run by it, with the path as first argument.
GameLaunch gameLaunch(const QString& clientPath, const QString& address, const QString& port,
                      const QString& password, const QString& wineProgram);

// The game reads its command line as console commands: a ';', '+', '"', line break, tab or other control
// character in a value would start a command of its own (a password "x;quit" quits the game). It gets the
// line in code page 1252, converted with best fit (under wine as on Windows), so a character outside that
// code page does not arrive as typed, and a look-alike arrives as the very character refused: a fullwidth
// '+' (U+FF0B) as '+', the Greek question mark (U+037E) as ';'.
bool breaksGameCommandLine(QStringView value);

// The field that holds such a character, first in the order of the arguments; the game is then not started.
enum class LaunchRefusal { None, Address, Port, Password };
LaunchRefusal launchRefusal(const QString& address, const QString& port, const QString& password);
// The box shown for a refusal (empty for None), under kBoxTitle.
QString launchRefusalText(LaunchRefusal refusal);

} // namespace tvx
