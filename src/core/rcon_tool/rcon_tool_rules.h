#pragma once
// The RCON Server Tool's own text rules: its start, end and echo lines, its reply cleaning (not the main
// window's), its saved connection data and the prompts of its menu items.
#include "core/platform/platform.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

namespace tvx {

// ---- Lines of the console output ----

// "[RCON SERVER TOOL CONSOLE] Session Started at: " and the time of day.
QString sessionStartedLine(const QDateTime& now);
// "[RCON SERVER TOOL CONSOLE] Session Terminated at: " and the time of day.
QString sessionTerminatedLine(const QDateTime& now);
// CR LF, the time of day, CR LF, "/" and the command: no brackets and no trailing CR LF.
QString rconToolEchoLine(const QDateTime& now, const QString& command);

// One reply datagram as the console shows it. With `hideColourCodes` the codes "^0" to "^7" go first, one
// whole-text pass each in that order (so a code that a pass forms from the text around it survives only
// when its own pass has already run); then the reply header (four FF, "print", LF) everywhere; then every
// LF becomes CR LF, also one that already follows a CR.
QString rconToolReply(const QByteArray& datagram, bool hideColourCodes);

// ---- Saved connection data (the "[SERVER]" section) ----

inline const QString kSimpleConsoleSection = QStringLiteral("[SERVER]");

struct SimpleConsoleSettings {
    QString hostip;
    QString port;
    QString rcon;
    QString admin;
    QString save = QStringLiteral("0");

    friend bool operator==(const SimpleConsoleSettings&, const SimpleConsoleSettings&) = default;
};

// The section as it is stored, each value read with its default ("" and, for "Save", "0").
SimpleConsoleSettings loadSimpleConsoleSettings(const SettingsStore& store);
// Writes "Hostip", "Port", "Rcon", "Admin" and "Save", in this order, in one save of the store.
void storeSimpleConsoleSettings(SettingsStore& store, const SimpleConsoleSettings& settings);

// What "Save Connection Info" stores: ticked, the boxes of the moment and "1"; unticked, four empty values
// and "0" (the keys stay, emptied).
SimpleConsoleSettings settingsToKeep(bool ticked, const SimpleConsoleSettings& boxes);
// The box is ticked at load only when "Save" is exactly "1".
inline bool keepsConnectionData(const QString& save) {
    return save == u"1";
}

// ---- Menu prompts ----

// One input box a menu item shows before it sends; an empty title is the application's title.
struct MenuPrompt {
    QStringView item;
    QStringView prompt;
    QStringView title = {};
    QStringView proposed = {};
    // Without a target PunkBuster acts on every player: an empty or blank answer sends nothing.
    bool targetRequired = false;
};

// The prompts of one menu item, in the order they are shown; empty when it sends at once.
QList<MenuPrompt> menuPrompts(QStringView item);

// The completion of the item's command: one answer as typed, two answers with one blank between them.
QString menuCompletion(const QStringList& answers);

// True when the answer names nobody for PunkBuster: empty, or only blanks, control characters and quotes.
bool menuAnswerRefused(const MenuPrompt& prompt, const QString& answer);

} // namespace tvx
