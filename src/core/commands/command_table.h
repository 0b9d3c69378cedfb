#pragma once
// What the console's clickable labels and menu entries send, as data: which control, on which window,
// sends which exact text. Handlers look their commands up here, and a test checks every control and box
// name against the window it belongs to.
#include <QList>
#include <QString>
#include <QStringView>

#include <span>

namespace tvx {

// The window whose control a row names. Names repeat across windows, so a control is always looked up on
// its own window.
enum class CommandWindow { Main, Form1, Form3 };

// How a command leaves.
enum class Delivery {
    Now,     // the rcon link's Send
    Delayed, // the rcon link's WaitSend: about two timer ticks later
    Daemon,  // one bare message on the daemon link: no echo, no rcon datagram, no last command
};

// What follows the row's text.
enum class Completion {
    None,       // the text alone
    Box,        // the named text box's text, exactly as typed
    BoxTrimmed, // the named text box's text without leading and trailing blanks
    Answer,     // what the handler's input box answered
    Caption,    // the named label's caption, as shown
    Rotation,   // the named box's rotation text between two quotes, each line break sent as one blank
    Name,       // the player's Name cell, as the grid holds it
    Slot,       // the player's Slot cell without leading and trailing blanks
    PbSlot,     // PunkBuster's number for the player's slot: the game slot plus one
    PbReasons,  // PbSlot, " 0 ", the public reason, " ", the private reason
    SlotMessage // the Slot cell as the warning box kept it, trimmed, " ", the typed message
};

struct CommandRow {
    CommandWindow window = CommandWindow::Main;
    QStringView control; // object name of the label or menu entry
    QStringView command; // exact text; with a completion, what comes before it
    Delivery delivery = Delivery::Now;
    Completion completion = Completion::None;
    QStringView box = {}; // object name of the text box or label, for Box, BoxTrimmed, Caption, Rotation
};

// What a row's command is completed from; each handler fills what its row reads.
struct Completing {
    QString text;          // the box's text, the caption, the answer, or the player's cell
    QString publicReason;  // PbReasons
    QString privateReason; // PbReasons
    QString message;       // SlotMessage
    QString quote;         // Rotation: the quote put on both sides
};

// Every row. A control with several commands has several rows, sent in table order.
std::span<const CommandRow> commandTable();

// The rows of one control, in table order; empty when it sends nothing.
QList<CommandRow> commandsOf(CommandWindow window, QStringView control);

// The command of one row, completed with `completion` (the box's text or the answer; unused for None).
QString commandText(const CommandRow& row, const QString& completion = {});
QString commandText(const CommandRow& row, const Completing& with);

QString commandWindowName(CommandWindow window);

// ---- Admin page rules ----

// The unban label refuses a ban number that is exactly "0" or empty (compared as typed).
bool unbanNumberMissing(const QString& text);

// PunkBuster matches a bad name as part of every player name and its console splits arguments at blanks,
// control characters and quotes: a name with nothing else in it would kick everybody who joins.
bool badNameMatchesEveryone(const QString& name);

} // namespace tvx
