#include "core/tools/windows_program.h"

#include "core/tools/game_launch.h"

namespace tvx {

ProgramStart throughWine(const QString& path, const QStringList& arguments, const QString& wineProgram) {
    if (wineProgram.isEmpty() || !isWindowsProgram(path))
        return {path, arguments};
    return {wineProgram, QStringList{path} + arguments};
}

} // namespace tvx
