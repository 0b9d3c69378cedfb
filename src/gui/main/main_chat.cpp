// The chat page (say with colour codes, the echo in the chat log, the UCON log's view) and the terminal's
// command line.
#include "core/chat/chat_input.h"
#include "core/text/text_util.h"

#include "gui/main/main_window.h"

namespace tvx {

void Main::appendColour(int button) {
    txtsay1->setText(txtsay1->text() + QString::fromUtf16(colourButtons()[button].appended));
    txtsay1->setFocus();
    txtsay1->setCursorPosition(static_cast<int>(txtsay1->text().size()));
}

void Main::Command6_Click() {
    appendColour(0);
}
void Main::Command7_Click() {
    appendColour(1);
}
void Main::Command8_Click() {
    appendColour(2);
}
void Main::Command9_Click() {
    appendColour(3);
}
void Main::Command10_Click() {
    appendColour(4);
}
void Main::Command11_Click() {
    appendColour(5);
}
void Main::Command12_Click() {
    appendColour(6);
}
void Main::Command13_Click() {
    appendColour(7);
}

void Main::txtsay1_KeyDown(int KeyCode, int Shift) {
    Q_UNUSED(Shift);
    if (KeyCode != kKeyReturn)
        return;
    // The stamp is the moment of the key, taken before anything leaves.
    const QString stamp = bracketStamp(platform().system->now());
    txtsay1->setText(trimBlanks(txtsay1->text()));
    // A refused send ends here: the line stays in the input to be sent again.
    Send(chatSayCommand(txtsay1->text()));
    txtsay2->append(chatEchoAppend(txtsay2->Text().isEmpty(), stamp, txtsay1->text()));
    txtsay2->caretToEnd();
    txtsay1->setText(QString());
}

void Main::ShowChatLog(const QString& text) {
    txtsay2->setText(text);
    txtsay2->caretToEnd();
}

void Main::Text7_KeyDown(int KeyCode, int Shift) {
    Q_UNUSED(Shift);
    if (KeyCode == kKeyReturn)
        Send(Text7->text());
}

} // namespace tvx
