// The admin page: server restart and stop, information, screenshots, the ban and bad-name lists, unban,
// PunkBuster restart, bad names, private slots; the two requests to the daemon; the Tools label.
#include "core/commands/command_table.h"
#include "core/text/text_util.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/menus_window.h"

#include <QCursor>

#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {

void Main::connectAdminPage() {
    const std::pair<VbLabel*, void (Main::*)()> handlers[] = {
        {Label15, &Main::Label15_Click},       {Label76, &Main::Label76_Click},
        {Label16, &Main::Label16_Click},       {Label17, &Main::Label17_Click},
        {Label23, &Main::Label23_Click},       {Label36, &Main::Label36_Click},
        {Label34, &Main::Label34_Click},       {Label94, &Main::Label94_Click},
        {Label95, &Main::Label95_Click},       {Label96, &Main::Label96_Click},
        {Label99, &Main::Label99_Click},       {Label101, &Main::Label101_Click},
        {Labelstart, &Main::Labelstart_Click}, {Label93, &Main::Label93_Click},
        {Label97, &Main::Label97_Click},
    };
    for (const auto& [label, handler] : handlers)
        onClick(label, handler);
}

void Main::Label15_Click() {
    if (platform().dialogs->msgBox(u"Are you sure you want to restart server?"_s, mb::YesNo,
                                   u"Restart Server"_s) == mb::Yes)
        sendCommands(u"Label15");
}

void Main::Label76_Click() {
    if (platform().dialogs->msgBox(u"Are you sure you want to CLOSE the server?"_s, mb::YesNo,
                                   u"Close Server"_s) == mb::Yes)
        sendCommands(u"Label76");
}

void Main::Label16_Click() {
    sendCommands(u"Label16");
}

void Main::Label17_Click() {
    sendCommands(u"Label17");
}

void Main::Label23_Click() {
    sendCommands(u"Label23");
    platform().dialogs->msgBox(u"Screenshots are being taken!"_s, mb::OkOnly);
}

void Main::Label36_Click() {
    PbListText.clear();
    sendCommands(u"Label36");
    platform().dialogs->msgBox(u"This may take a few seconds!"_s, mb::Information, u"Ban list"_s);
}

void Main::Label34_Click() {
    if (unbanNumberMissing(Text11->text())) {
        platform().dialogs->msgBox(u"Please fill the ban number!"_s, mb::Information, u"Remove Ban"_s);
        return;
    }
    sendCommands(u"Label34");
}

void Main::Label94_Click() {
    sendCommands(u"Label94");
    platform().dialogs->msgBox(u"Punkbuster should be restarting now!"_s, mb::OkOnly | mb::DefaultButton4,
                               kBoxTitle);
}

void Main::Label95_Click() {
    const QString name =
        platform().dialogs->inputBox(u"Please enter the name you want to block"_s, kBoxTitle, u"NAZI"_s);
    // Cancel answers the empty text; an empty bad name would kick every player who joins.
    if (badNameMatchesEveryone(name))
        return;
    for (const CommandRow& row : commandsOf(CommandWindow::Main, u"Label95"))
        Send(commandText(row, name));
    platform().dialogs->msgBox(name + u" added to bad name list!"_s, mb::Information, kBoxTitle);
}

void Main::Label96_Click() {
    PbListText.clear();
    sendCommands(u"Label96");
    platform().dialogs->msgBox(u"Check the list on the \u00B4Banned Management\u00B4"_s,
                               mb::OkOnly | mb::DefaultButton3, kBoxTitle);
}

void Main::Label99_Click() {
    sendCommands(u"Label99");
    platform().dialogs->msgBox(u"Private Slots Defined to: "_s + trimBlanks(Text44->text()), mb::OkOnly);
}

void Main::Label101_Click() {
    sendCommands(u"Label101");
    platform().dialogs->msgBox(u"Private Slots Password Defined as "_s + trimBlanks(Text45->text()),
                               mb::OkOnly);
}

void Main::daemonRequest(QStringView control, const QString& refusal, const QString& notice,
                         const QString& noticeTitle) {
    try {
        if (DaemonMode != u"1") {
            platform().dialogs->msgBox(refusal, mb::Information, kBoxTitle);
            return;
        }
        Form4& login = Forms::get<Form4>();
        // The daemon's next data is this log: the flag is up before the request leaves.
        if (control == u"Label93")
            login.islo(u"1"_s);
        for (const CommandRow& row : commandsOf(CommandWindow::Main, control))
            login.SendToDaemon(commandText(row));
        platform().dialogs->msgBox(notice, mb::OkOnly, noticeTitle);
    } catch (const PlatformError& e) {
        platform().dialogs->msgBox(u"Error: "_s + e.description(), mb::Critical,
                                   u"Error nº "_s + QString::number(e.number()));
    }
}

void Main::Labelstart_Click() {
    daemonRequest(u"Labelstart", u"You need to be on Daemon mode to start server!"_s,
                  u"Server should be starting up!"_s, u"Start Server"_s);
}

void Main::Label93_Click() {
    daemonRequest(u"Label93", u"You need to be on Daemon mode to get logs!"_s, u"Getting Log"_s, u"Log"_s);
}

void Main::Label97_Click() {
    Forms::get<Form3>().PopupToolsMenu(QCursor::pos());
}

} // namespace tvx
