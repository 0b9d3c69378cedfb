#pragma once
// Windows programs (the game client, the UCON client) run here through wine, when wine is on the PATH.
#include <QString>
#include <QStringList>

namespace tvx {

struct ProgramStart {
    QString program;
    QStringList arguments;

    friend bool operator==(const ProgramStart&, const ProgramStart&) = default;
};

// Whether a program is a Windows program that needs wine here: its path ends in ".exe", any case.
bool isWindowsProgram(const QString& path);

// How `path` starts with `arguments`. A Windows program (isWindowsProgram: its name ends in ".exe") runs
// through `wineProgram`, the wine found on the PATH, with its path as wine's first argument; with no wine
// (the empty text), or for any other program, the path itself runs.
ProgramStart throughWine(const QString& path, const QStringList& arguments, const QString& wineProgram);

} // namespace tvx
