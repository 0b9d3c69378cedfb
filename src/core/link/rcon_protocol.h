#pragma once
// The rcon protocol as the console speaks it, and the rules that turn a reply into what the main window
// shows. No widget here: the window applies the decisions.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tvx {

// FF FF FF FF "rcon " password " " command; no terminator, nothing trimmed or escaped.
QByteArray buildRconDatagram(const QString& password, const QString& command);

// The most a UDP datagram carries over IPv4 (65535 less the IP and UDP headers). The socket refuses a
// larger one, and nothing reaches the server; the rcon socket's errors are not shown.
inline constexpr qsizetype kMaxRconDatagram = 65507;
// Whether the command leaves in one datagram with this password.
bool rconDatagramFits(const QString& password, const QString& command);

// CR LF "[" hh:mm:ss "] - /" command CR LF, appended to the terminal for every command sent.
QString consoleEchoLine(const QDateTime& now, const QString& command);

// Converts a port text the way the link does: a whole 32-bit number, or PlatformError 13 (not a number)
// or 6 (out of range).
int portFromText(const QString& text);

// A reply datagram as text: header (four 0xFF, "print", LF) removed everywhere, LF -> CR LF, "^7 " -> three
// blanks.
QString cleanReply(const QByteArray& datagram);

// What a cleaned reply does, decided by the last command alone.
struct ReplyRoute {
    enum class Kind { None, Status, PbList, Reader, OnOff, HostName, MapName };
    Kind kind = Kind::None;
    // OnOff: the two labels of the option, and whether the first one gets the border.
    QString firstLabel;
    QString secondLabel;
    bool firstBordered = false;
    // HostName / MapName: the caption the label gets.
    QString caption;
    // MapName: the server refused the rcon password.
    bool invalidPassword = false;

    friend bool operator==(const ReplyRoute&, const ReplyRoute&) = default;
};

// `quote` is the quote character the parses remove (the hidden box that holds one double quote).
ReplyRoute routeReply(const QString& lastCommand, const QString& reply, const QString& quote);

// The three cvar parses on their own.
bool onOffValueIsOne(const QString& reply, const QString& name, const QString& defaultDigit,
                     const QString& quote);
QString parseHostName(const QString& reply, const QString& quote);
QString parseMapName(const QString& reply, const QString& quote);

// The label pairs that on/off answers border, by the name each label has on the main window.
QStringList onOffLabelNames();

// Removes the sixteen coloured "PunkBuster Server" prefixes from collected list text.
QString cleanPbList(QString text);

} // namespace tvx
