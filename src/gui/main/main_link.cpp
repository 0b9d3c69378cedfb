// The main window's rcon link: the session handed over, connect, send at once or delayed, the console echo
// and the daemon copies.
#include "core/link/daemon_protocol.h"
#include "core/link/rcon_protocol.h"
#include "core/text/text_util.h"

#include "gui/login_window.h"
#include "gui/main/main_window.h"

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

void sendDaemonCopy(const QString& cmd) {
    Form4& login = Forms::get<Form4>();
    login.SendToDaemon(daemonCommandCopy(login.UserName(), cmd));
}

} // namespace

void Main::Send(const QString& cmd) {
    if (DaemonMode == u"1")
        sendDaemonCopy(cmd);
    LastCommand = cmd;
    txtOutput->append(consoleEchoLine(platform().system->now(), cmd));
    udpClient->sendData(buildRconDatagram(RconPassword, cmd));
}

void Main::WaitSend(const QString& Cmdz) {
    if (DaemonMode == u"1")
        sendDaemonCopy(Cmdz);
    TickCount = u"1"_s;
    PendingCommand = Cmdz;
    Timer2->setEnabled(true);
}

void Main::Timer2_Timer() {
    if (TickCount != u"2") {
        TickCount = incrementCounter(TickCount);
        return;
    }
    // A refused send is not tried again: the timer stops either way.
    resumeNext([this] { Send(PendingCommand); });
    Timer2->setEnabled(false);
}

bool Main::Connect() {
    try {
        udpClient->close();
        ServerHost = Text3->text();
        RconPassword = txtRcon;
        ServerPort = Text4->text();
        udpClient->setRemoteHost(ServerHost);
        udpClient->setRemotePort(portFromText(ServerPort));
        udpClient->connectSocket();
        // The grid is built from every reply collected: an earlier session's must not count again.
        Text6.clear();
        Send(u"status"_s);
        return true;
    } catch (const PlatformError& e) {
        platform().dialogs->msgBox(u"An Error Has Occured!"_s + kCrLf + e.description(), mb::Critical,
                                   u"Error nº: "_s + QString::number(e.number()));
        resumeNext([] { Forms::show<Form4>(); });
        return false;
    }
}

void Main::SetUconCredentials(const UconCredentials& c) {
    Text40 = c.address;
    Text41 = c.login;
    Text42 = c.password;
}

void Main::SetRconPassword(const QString& password) {
    txtRcon = password;
}

void Main::HandOver(const SessionHandOver& s) {
    const bool daemon = s.mode == u"1";
    if (daemon)
        level = s.level;
    Text3->setText(s.host);
    Text4->setText(s.port);
    if (!daemon)
        txtRcon = s.password;
}

SessionHandOver Main::session() const {
    return {Text3->text(), Text4->text(), txtRcon, DaemonMode, level};
}

void Main::Disconnect() {
    resumeNext([this] { udpClient->close(); });
    Label6->setCaption(u"loading..."_s);
    Label3->setCaption(u"loading..."_s);
    Label4->setCaption(u"0"_s);
    txtOutput->setText(QString());
    txtRcon.clear();
    hide();
}

void Main::udpClient_Error(int number, const QString& description) {
    // The rcon socket's errors are ignored: a server that refuses or does not answer changes nothing.
    Q_UNUSED(number);
    Q_UNUSED(description);
}

} // namespace tvx
