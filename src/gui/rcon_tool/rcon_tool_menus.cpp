// The RCON Server Tool's four menus of ready-made commands, its chat line and its colour buttons. Every
// command ends in the window's Send.
#include "core/chat/chat_input.h"
#include "core/commands/command_table.h"
#include "core/rcon_tool/rcon_tool_rules.h"

#include "gui/base/builders.h"
#include "gui/rcon_tool/rcon_tool.h"

using namespace Qt::StringLiterals;

namespace tvx {

void Form1::buildMenus() {
    // An item runs its handler on each choice; a refused send ends the handler, not the program.
    const auto item = [this](QMenu* in, const QString& name, const QString& caption,
                             void (Form1::*handler)()) {
        QAction* a = tvx::item(in, name, caption);
        if (handler)
            connect(a, &QAction::triggered, this,
                    [this, handler] { resumeNext([&] { (this->*handler)(); }); });
        return a;
    };

    coomands = menu(menuBar, u"coomands"_s, u"Server Commands"_s);
    statusz = item(coomands, u"statusz"_s, u"Status"_s, &Form1::statusz_Click);
    sep8z = separator(coomands, u"sep8z"_s);
    serverinfoz = item(coomands, u"serverinfoz"_s, u"Server Info"_s, &Form1::serverinfoz_Click);
    // These two have no action.
    systeminfoz = item(coomands, u"systeminfoz"_s, u"System Info "_s, nullptr);
    sep2z = separator(coomands, u"sep2z"_s);
    restartserverz = item(coomands, u"restartserverz"_s, u"Restart Server"_s, nullptr);

    adminzz = menu(menuBar, u"adminzz"_s, u"Admin Commands"_s);
    warnplayerz = item(adminzz, u"warnplayerz"_s, u"Warn Player"_s, &Form1::warnplayerz_Click);
    sep5z = separator(adminzz, u"sep5z"_s);
    kickzz = submenu(adminzz, u"kickzz"_s, u"Kick Options"_s);
    ckickz = item(kickzz, u"ckickz"_s, u"Player Kick"_s, &Form1::ckickz_Click);
    onlyplayerkick = item(kickzz, u"onlyplayerkick"_s, u"Only Player Kick (dont need color codes)"_s,
                          &Form1::onlyplayerkick_Click);
    clientkickz = item(kickzz, u"clientkickz"_s, u"Client Kick"_s, &Form1::clientkickz_Click);
    sep7z = separator(kickzz, u"sep7z"_s);
    kickallz = item(kickzz, u"kickallz"_s, u"Kick All"_s, &Form1::kickallz_Click);
    banzz = submenu(adminzz, u"banzz"_s, u"Ban Options"_s);
    normalbanz = item(banzz, u"normalbanz"_s, u"Player Ban"_s, &Form1::normalbanz_Click);
    clientbanz = item(banzz, u"clientbanz"_s, u"Client Ban"_s, &Form1::clientbanz_Click);
    sep3z = separator(banzz, u"sep3z"_s);
    temporarilybanplayerz = item(banzz, u"temporarilybanplayerz"_s, u"Temporarily Player Ban"_s,
                                 &Form1::temporarilybanplayerz_Click);
    temporarilyclientbanz = item(banzz, u"temporarilyclientbanz"_s, u"Temporarily Client Ban"_s,
                                 &Form1::TemporarilyClientBanz_Click);
    sep4z = separator(banzz, u"sep4z"_s);
    unbanuserz = item(banzz, u"unbanuserz"_s, u"Unban User"_s, &Form1::unbanuserz_Click);
    getlogzz = item(adminzz, u"getlogzz"_s, u"Get Log"_s, &Form1::getlogzz_Click);

    mapcontrolz = menu(menuBar, u"mapcontrolz"_s, u"Map Control"_s);
    loadthismapz = submenu(mapcontrolz, u"loadthismapz"_s, u"Load Map"_s);
    const struct {
        QAction** action;
        const char16_t* name;
        const char16_t* caption;
        void (Form1::*handler)();
    } maps[] = {
        {&Backlotz, u"Backlotz", u"Backlot", &Form1::Backlotz_Click},
        {&Blocz, u"Blocz", u"Bloc", &Form1::Blocz_Click},
        {&Bogz, u"Bogz", u"Bog", &Form1::Bogz_Click},
        {&Cargoshipz, u"Cargoshipz", u"Cargoship", &Form1::Cargoshipz_Click},
        {&CityStreetsz, u"CityStreetsz", u"City Streets", &Form1::CityStreetsz_Click},
        {&Convoyz, u"Convoyz", u"Convoy", &Form1::Convoyz_Click},
        {&Countdownz, u"Countdownz", u"Countdown", &Form1::Countdownz_Click},
        {&Crashz, u"Crashz", u"Crash", &Form1::Crashz_Click},
        {&Crossfirez, u"Crossfirez", u"Crossfire", &Form1::Crossfirez_Click},
        {&Farmz, u"Farmz", u"Farm", &Form1::Farmz_Click},
        {&Overgrownz, u"Overgrownz", u"Overgrown", &Form1::Overgrownz_Click},
        {&Pipelinez, u"Pipelinez", u"Pipeline", &Form1::Pipelinez_Click},
        {&Shipmentz, u"Shipmentz", u"Shipment", &Form1::Shipmentz_Click},
    };
    for (const auto& m : maps)
        *m.action = item(loadthismapz, QString::fromUtf16(m.name), QString::fromUtf16(m.caption), m.handler);
    sep1z = separator(mapcontrolz, u"sep1z"_s);
    nextmapz = item(mapcontrolz, u"nextmapz"_s, u"Next Map"_s, &Form1::nextmapz_Click);
    restartmapz = item(mapcontrolz, u"restartmapz"_s, u"Restart Map"_s, &Form1::restartmapz_Click);
    fastmaprestartz =
        item(mapcontrolz, u"fastmaprestartz"_s, u"Fast Map Restart"_s, &Form1::fastmaprestartz_Click);

    punkbustercomdz = menu(menuBar, u"punkbustercomdz"_s, u"Punkbuster Commands"_s);
    takescreenshottoplayer = item(punkbustercomdz, u"takescreenshottoplayer"_s,
                                  u"Take Screenshot to Player"_s, &Form1::takescreenshottoplayer_Click);
    takescreenshottoall = item(punkbustercomdz, u"takescreenshottoall"_s, u"Take Screenshot to All"_s,
                               &Form1::takescreenshottoall_Click);
    takescreenshottaskz = item(punkbustercomdz, u"takescreenshottaskz"_s, u"Take Screenshot Sequence "_s,
                               &Form1::takescreenshottaskz_Click);
    sep9z = separator(punkbustercomdz, u"sep9z"_s);
    kickplayerbypunkbusterz = item(punkbustercomdz, u"kickplayerbypunkbusterz"_s,
                                   u"Kick Player By Punkbuster"_s, &Form1::kickplayerbypunkbusterz_Click);

    for (QMenu* m : topMenus())
        menuBar->addMenu(m);
}

void Form1::menuCommand(QStringView item) {
    // Every box of the item is shown before anything leaves; replies keep arriving meanwhile.
    QStringList answers;
    for (const MenuPrompt& p : menuPrompts(item)) {
        const QString answer =
            platform().dialogs->inputBox(p.prompt.toString(), p.title.toString(), p.proposed.toString());
        if (menuAnswerRefused(p, answer))
            return;
        answers << answer;
    }
    for (const CommandRow& row : commandsOf(CommandWindow::Form1, item))
        Send(commandText(row, menuCompletion(answers)));
}

void Form1::statusz_Click() {
    menuCommand(u"statusz");
}
void Form1::serverinfoz_Click() {
    menuCommand(u"serverinfoz");
}
void Form1::warnplayerz_Click() {
    menuCommand(u"warnplayerz");
}
void Form1::ckickz_Click() {
    menuCommand(u"ckickz");
}
void Form1::onlyplayerkick_Click() {
    menuCommand(u"onlyplayerkick");
}
void Form1::clientkickz_Click() {
    menuCommand(u"clientkickz");
}
void Form1::kickallz_Click() {
    menuCommand(u"kickallz");
}
void Form1::normalbanz_Click() {
    menuCommand(u"normalbanz");
}
void Form1::clientbanz_Click() {
    menuCommand(u"clientbanz");
}
void Form1::temporarilybanplayerz_Click() {
    menuCommand(u"temporarilybanplayerz");
}
void Form1::TemporarilyClientBanz_Click() {
    menuCommand(u"temporarilyclientbanz");
}
void Form1::unbanuserz_Click() {
    menuCommand(u"unbanuserz");
}
void Form1::Backlotz_Click() {
    menuCommand(u"Backlotz");
}
void Form1::Blocz_Click() {
    menuCommand(u"Blocz");
}
void Form1::Bogz_Click() {
    menuCommand(u"Bogz");
}
void Form1::Cargoshipz_Click() {
    menuCommand(u"Cargoshipz");
}
void Form1::CityStreetsz_Click() {
    menuCommand(u"CityStreetsz");
}
void Form1::Convoyz_Click() {
    menuCommand(u"Convoyz");
}
void Form1::Countdownz_Click() {
    menuCommand(u"Countdownz");
}
void Form1::Crashz_Click() {
    menuCommand(u"Crashz");
}
void Form1::Crossfirez_Click() {
    menuCommand(u"Crossfirez");
}
void Form1::Farmz_Click() {
    menuCommand(u"Farmz");
}
void Form1::Overgrownz_Click() {
    menuCommand(u"Overgrownz");
}
void Form1::Pipelinez_Click() {
    menuCommand(u"Pipelinez");
}
void Form1::Shipmentz_Click() {
    menuCommand(u"Shipmentz");
}
void Form1::nextmapz_Click() {
    menuCommand(u"nextmapz");
}
void Form1::restartmapz_Click() {
    menuCommand(u"restartmapz");
}
void Form1::fastmaprestartz_Click() {
    menuCommand(u"fastmaprestartz");
}
void Form1::takescreenshottoplayer_Click() {
    menuCommand(u"takescreenshottoplayer");
}
void Form1::takescreenshottoall_Click() {
    menuCommand(u"takescreenshottoall");
}
void Form1::takescreenshottaskz_Click() {
    menuCommand(u"takescreenshottaskz");
}
void Form1::kickplayerbypunkbusterz_Click() {
    menuCommand(u"kickplayerbypunkbusterz");
}

// ---- Chat ----

void Form1::Command2_Click() {
    for (const CommandRow& row : commandsOf(CommandWindow::Form1, u"Command2"))
        Send(commandText(row, txtSay->text()));
    txtSay->setText(QString());
    txtSay->setCursorPosition(0);
}

void Form1::appendColour(int button) {
    txtSay->setText(txtSay->text() + QString::fromUtf16(colourButtons()[button].appended));
    txtSay->setFocus();
    txtSay->setCursorPosition(static_cast<int>(txtSay->text().size()));
}

void Form1::Command6_Click() {
    appendColour(0);
}
void Form1::Command7_Click() {
    appendColour(1);
}
void Form1::Command8_Click() {
    appendColour(2);
}
void Form1::Command9_Click() {
    appendColour(3);
}
void Form1::Command10_Click() {
    appendColour(4);
}
void Form1::Command11_Click() {
    appendColour(5);
}
void Form1::Command12_Click() {
    appendColour(6);
}
void Form1::Command13_Click() {
    appendColour(7);
}

} // namespace tvx
