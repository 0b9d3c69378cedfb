// The settings page: every label sends the command the command table gives it, the ping limits with their
// notice; and the status row's two queries.
#include "core/commands/command_table.h"

#include "gui/main/main_window.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {

void Main::connectSettingsPage() {
    const std::pair<VbLabel*, void (Main::*)()> handlers[] = {
        {Label18, &Main::Label18_Click}, {Label19, &Main::Label19_Click}, {Label20, &Main::Label20_Click},
        {Label21, &Main::Label21_Click}, {Label22, &Main::Label22_Click}, {Label24, &Main::Label24_Click},
        {Label25, &Main::Label25_Click}, {Label26, &Main::Label26_Click}, {Label27, &Main::Label27_Click},
        {Label77, &Main::Label77_Click}, {Label78, &Main::Label78_Click}, {Label28, &Main::Label28_Click},
        {Label29, &Main::Label29_Click}, {Label30, &Main::Label30_Click}, {Label31, &Main::Label31_Click},
        {Label32, &Main::Label32_Click}, {Label33, &Main::Label33_Click}, {Label42, &Main::Label42_Click},
        {Label58, &Main::Label58_Click}, {Label43, &Main::Label43_Click}, {Label79, &Main::Label79_Click},
        {Label80, &Main::Label80_Click}, {Label81, &Main::Label81_Click}, {Label82, &Main::Label82_Click},
        {Label83, &Main::Label83_Click}, {Label84, &Main::Label84_Click}, {Label85, &Main::Label85_Click},
        {Label86, &Main::Label86_Click}, {Label87, &Main::Label87_Click}, {Label88, &Main::Label88_Click},
        {Label89, &Main::Label89_Click}, {Label90, &Main::Label90_Click}, {Label6, &Main::Label6_Click},
        {Label3, &Main::Label3_Click},
    };
    for (const auto& [label, handler] : handlers)
        onClick(label, handler);
}

void Main::sendCommands(QStringView control) {
    for (const CommandRow& row : commandsOf(CommandWindow::Main, control)) {
        Completing with;
        switch (row.completion) {
        case Completion::Box:
        case Completion::BoxTrimmed:
            if (const auto* box = findChild<QLineEdit*>(row.box.toString()))
                with.text = box->text();
            break;
        case Completion::Caption:
            if (const auto* label = findChild<QLabel*>(row.box.toString()))
                with.text = label->text();
            break;
        case Completion::Rotation:
            if (const auto* box = findChild<VbTextBox*>(row.box.toString()))
                with.text = box->Text();
            with.quote = txtAspas;
            break;
        default:
            break;
        }
        const QString command = commandText(row, with);
        if (row.delivery == Delivery::Delayed)
            WaitSend(command);
        else
            Send(command);
    }
}

void Main::Label18_Click() {
    sendCommands(u"Label18");
}
void Main::Label19_Click() {
    sendCommands(u"Label19");
}
void Main::Label20_Click() {
    sendCommands(u"Label20");
}
void Main::Label21_Click() {
    sendCommands(u"Label21");
}
void Main::Label22_Click() {
    sendCommands(u"Label22");
}
void Main::Label24_Click() {
    sendCommands(u"Label24");
}
void Main::Label25_Click() {
    sendCommands(u"Label25");
}
void Main::Label26_Click() {
    sendCommands(u"Label26");
}
void Main::Label27_Click() {
    sendCommands(u"Label27");
}
void Main::Label77_Click() {
    sendCommands(u"Label77");
}
void Main::Label78_Click() {
    sendCommands(u"Label78");
}
void Main::Label28_Click() {
    sendCommands(u"Label28");
}
void Main::Label29_Click() {
    sendCommands(u"Label29");
}
void Main::Label30_Click() {
    sendCommands(u"Label30");
}
void Main::Label31_Click() {
    sendCommands(u"Label31");
}
void Main::Label32_Click() {
    sendCommands(u"Label32");
}
void Main::Label33_Click() {
    sendCommands(u"Label33");
}
void Main::Label42_Click() {
    sendCommands(u"Label42");
}

void Main::Label58_Click() {
    // The minimum leaves at once, the maximum two ticks later; the notice does not wait for it.
    sendCommands(u"Label58");
    platform().dialogs->msgBox(u"Min ping is now: "_s + Text27->text() + u" and Max ping is now: "_s +
                                   Text26->text(),
                               mb::Information, kBoxTitle);
}

void Main::Label43_Click() {
    sendCommands(u"Label43");
}
void Main::Label79_Click() {
    sendCommands(u"Label79");
}
void Main::Label80_Click() {
    sendCommands(u"Label80");
}
void Main::Label81_Click() {
    sendCommands(u"Label81");
}
void Main::Label82_Click() {
    sendCommands(u"Label82");
}
void Main::Label83_Click() {
    sendCommands(u"Label83");
}
void Main::Label84_Click() {
    sendCommands(u"Label84");
}
void Main::Label85_Click() {
    sendCommands(u"Label85");
}
void Main::Label86_Click() {
    sendCommands(u"Label86");
}
void Main::Label87_Click() {
    sendCommands(u"Label87");
}
void Main::Label88_Click() {
    sendCommands(u"Label88");
}
void Main::Label89_Click() {
    sendCommands(u"Label89");
}
void Main::Label90_Click() {
    sendCommands(u"Label90");
}

// The status row asks again on a click; a refused send changes nothing there.
void Main::Label6_Click() {
    resumeNext([this] { sendCommands(u"Label6"); });
}
void Main::Label3_Click() {
    resumeNext([this] { sendCommands(u"Label3"); });
}

} // namespace tvx
