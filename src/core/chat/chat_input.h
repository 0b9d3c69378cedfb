#pragma once
// The text rules of the chat and terminal pages: the chat echo line, the colour buttons and the UCON
// registration commands.
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

namespace tvx {

// ---- Chat ----

inline const QString kYouSaid = QStringLiteral("-> You Said: ");

// "say " and the text, unchanged.
QString chatSayCommand(const QString& text);
// What the chat log gets appended for one line sent: the stamp, "-> You Said: " and the text, after a
// CR LF only when the log already holds text.
QString chatEchoAppend(bool logEmpty, const QString& stamp, const QString& said);

// One colour button: its name, the colour of its face and the text it appends to the chat input.
struct ColourButton {
    const char16_t* name;
    int red, green, blue;
    const char16_t* appended;
};
const std::array<ColourButton, 8>& colourButtons();

// ---- UCON registration (the first visit to the chat page) ----

struct UconStep {
    QString caption; // the wait window's progress line
    QString command;
    int pauseMs; // 0: no pause after it

    friend bool operator==(const UconStep&, const UconStep&) = default;
};
// "pb_sv_uconadd 2 " + address + " " + login + " " + password (nothing trimmed), then the session
// limit and the two configuration writes.
QList<UconStep> uconRegistration(const QString& address, const QString& login, const QString& password);

} // namespace tvx
