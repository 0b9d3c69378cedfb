// The RCON Server Tool's link: connect, disconnect, its own Send and echo line, the terminal line, the
// replies, and the test buttons that reach into the login window's daemon link and the main window's grid.
#include "core/commands/command_table.h"
#include "core/link/rcon_protocol.h"
#include "core/rcon_tool/rcon_tool_rules.h"
#include "core/text/codepage.h"
#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"
#include "gui/rcon_tool/rcon_tool.h"
#include "gui/reader_window.h"

using namespace Qt::StringLiterals;

namespace tvx {

void Form1::Send(const QString& cmd) {
    txtOutput->append(rconToolEchoLine(platform().system->now(), cmd));
    udpClient->sendData(buildRconDatagram(RconPassword, cmd));
}

void Form1::Command1_Click() {
    // Whatever fails, the start line stands and the menus are enabled.
    resumeNext([this] { txtOutput->setText(sessionStartedLine(platform().system->now())); });
    ServerHost = txtHostIp->text();
    RconPassword = txtRcon->text();
    ServerPort = txtPort->text();
    resumeNext([this] { udpClient->setRemoteHost(ServerHost); });
    // A port text that is no number leaves the port the socket had.
    resumeNext([this] { udpClient->setRemotePort(portFromText(ServerPort)); });
    resumeNext([this] { udpClient->connectSocket(); });
    // The first "status" goes straight out, without an echo line.
    resumeNext([this] { udpClient->sendData(buildRconDatagram(RconPassword, u"status"_s)); });
    setLinkControls(true);
}

void Form1::Image2_Click() {
    resumeNext([this] { udpClient->close(); });
    setLinkControls(false);
    const QString line = sessionTerminatedLine(platform().system->now());
    txtOutput->setText(line);
    // The Reader keeps a record of the session's end; it is loaded if needed and stays hidden.
    resumeNext([&] { Forms::get<log>().AppendText(kCrLf + line); });
}

void Form1::txtcmd_KeyDown(int KeyCode, int Shift) {
    Q_UNUSED(Shift);
    if (KeyCode != kKeyReturn)
        return;
    // A refused send ends here: the line stays in the box.
    Send(txtcmd->text());
    txtcmd->setText(QString());
}

void Form1::udpClient_DataArrival(const QByteArray& bytes) {
    LastReply = rconToolReply(bytes, chHideFunnyNames->isChecked());
    resumeNext([this] { txtOutput->append(kCrLf + LastReply); });
    txtoutro += LastReply;
    // A server that floods replies must not grow the collector without end; the newest lines are kept.
    dropOldest(txtoutro, Main::kCollectedRepliesLimit);
    resumeNext([this] { txtOutput->caretToEnd(); });
}

void Form1::Winsock1_DataArrival(const QByteArray& bytes) {
    txtRcon->setText(fromAnsi(bytes));
}

void Form1::Command3_Click() {
    Form4& login = Forms::get<Form4>();
    if (!login.DaemonConnected())
        return;
    for (const CommandRow& row : commandsOf(CommandWindow::Form1, u"Command3"))
        login.SendToDaemon(commandText(row));
}

void Form1::Command4_Click() {
    for (const CommandRow& row : commandsOf(CommandWindow::Form1, u"Command4"))
        Send(commandText(row));
}

void Form1::Command5_Click() {
    // Every reply so far, as received: the main window's own status cleaning is not applied.
    Main& main = Forms::get<Main>();
    main.FillGridFrom(txtoutro);
    main.Show();
}

void Form1::getlogzz_Click() {
    // The daemon's next data is the log; the request goes out without looking at the link and fails
    // silently when it is down, leaving the flag up.
    resumeNext([] { Forms::get<Form4>().islo(u"1"_s); });
    for (const CommandRow& row : commandsOf(CommandWindow::Form1, u"getlogzz"))
        resumeNext([&] { Forms::get<Form4>().SendToDaemon(commandText(row)); });
}

} // namespace tvx
