#include "core/tools/windows_program.h"

namespace tvx {

bool isWindowsProgram(const QString& path) {
    return path.endsWith(u".exe", Qt::CaseInsensitive);
}

ProgramStart throughWine(const QString& path, const QStringList& arguments, const QString& wineProgram) {
    if (wineProgram.isEmpty() || !isWindowsProgram(path))
        return {path, arguments};
    return {wineProgram, QStringList{path} + arguments};
}

} // namespace tvx
