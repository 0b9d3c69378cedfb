#include "gui/login_window.h"

#include "core/link/rcon_protocol.h"
#include "core/platform/private_file.h"
#include "core/text/codepage.h"
#include "core/text/text_file.h"
#include "core/text/text_util.h"
#include "core/ucon/ucon_config.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/log_window.h"
#include "gui/main/main_window.h"
#include "gui/reader_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(240, 240, 240); // the system colour of button faces
constexpr int kMenuHeight = 22;

QString profileSection(int n) {
    return u"[LOGIN"_s + QString::number(n) + u']';
}

} // namespace

QLabel* Form4::fieldLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                          int width) {
    return label(parent, name, caption, twipsRect(left, top, width, 255));
}

VbLineEdit* Form4::field(QWidget* parent, const QString& name, int left, int top, int width) {
    return lineBox(parent, name, twipsRect(left, top, width, 315));
}

Form4::Form4() {
    setObjectName(u"Form4"_s);
    setWindowTitle(u"     Torvanex"_s);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFont(art::tahoma(8.25));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(u"menuBar"_s);
    menuBar->setNativeMenuBar(false);
    loadz = menuBar->addMenu(u"Load Server"_s);
    loadz->setObjectName(u"loadz"_s);
    save = menuBar->addMenu(u"Save Server"_s);
    save->setObjectName(u"save"_s);
    static const char16_t* const loadNames[] = {u"LoadServer1", u"LoadServer2z", u"LoadServer3z", u"ls4",
                                                u"ls5",         u"ls6",          u"ls7",          u"ls8",
                                                u"ls9",         u"ls10"};
    for (int n = 1; n <= 10; ++n) {
        QAction* l =
            item(loadz, QString::fromUtf16(loadNames[n - 1]), u"Load Server "_s + QString::number(n));
        connect(l, &QAction::triggered, this, [this, n] { LoadServer(n); });
        loadItems << l;
        QAction* s = item(save, u"ss"_s + QString::number(n), u"Save Server "_s + QString::number(n));
        connect(s, &QAction::triggered, this, [this, n] { SaveServer(n); });
        saveItems << s;
    }

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setGeometry(0, kMenuHeight, twips(5055), twips(4935));
    menuBar->setGeometry(0, 0, twips(5055), kMenuHeight);

    Frame1 = boxFrame(client, u"Frame1"_s, twipsRect(120, 0, 4815, 3135));

    fieldLabel(Frame1, u"Label1"_s, u"CODWAW Daemon IP :"_s, 120, 240, 2175);
    Text3 = field(Frame1, u"Text3"_s, 120, 480, 2175);
    fieldLabel(Frame1, u"Label2"_s, u"Port:"_s, 2400, 240, 855);
    Text9 = field(Frame1, u"Text9"_s, 2400, 480, 855);
    fieldLabel(Frame1, u"Label8"_s, u"Rcon Password"_s, 3360, 240, 1335);
    Text6 = field(Frame1, u"Text6"_s, 3360, 480, 1335);
    Text6->setEchoMode(QLineEdit::Password);
    Text6->setStyleSheet(u"lineedit-password-character: 42;"_s);

    fieldLabel(Frame1, u"Label4"_s, u"IP Address :"_s, 120, 960, 2175);
    Text4 = field(Frame1, u"Text4"_s, 120, 1200, 2175);
    fieldLabel(Frame1, u"Label5"_s, u"Port :"_s, 2400, 960, 855);
    Text5 = field(Frame1, u"Text5"_s, 2400, 1200, 855);

    fieldLabel(Frame1, u"Label6"_s, u"Username :"_s, 120, 1680, 2175);
    Text1 = field(Frame1, u"Text1"_s, 120, 1920, 2175);
    fieldLabel(Frame1, u"Label7"_s, u"Password :"_s, 2400, 1680, 2295);
    Text2 = field(Frame1, u"Text2"_s, 2400, 1920, 2295);
    Text2->setEchoMode(QLineEdit::Password);
    Text2->setStyleSheet(u"lineedit-password-character: 42;"_s);

    fieldLabel(Frame1, u"Label9"_s, u"Access Level:"_s, 120, 2400, 2175);
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(u"Combo1"_s);
    Combo1->setEditable(true);
    keepSingleLine(Combo1->lineEdit());
    Combo1->addItems({u"mp"_s, u"admin"_s, u"poweradmin"_s});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Combo1->setGeometry(twipsRect(120, 2640, 2175, 315));
    fieldLabel(Frame1, u"Label10"_s, u"PBUCON Port:"_s, 2400, 2400, 1335);
    Text7 = field(Frame1, u"Text7"_s, 2400, 2640, 1095);
    Text7->setText(u"55556"_s);

    Frame2 = groupBox(client, u"Frame2"_s, u"Connection Type"_s, twipsRect(120, 3240, 4815, 735));
    Option1 = new QRadioButton(u"TORVANEX Daemon"_s, Frame2);
    Option1->setObjectName(u"Option1"_s);
    Option1->setGeometry(twipsRect(240, 360, 2175, 255));
    Option2 = new QRadioButton(u"TORVANEX RCON"_s, Frame2);
    Option2->setObjectName(u"Option2"_s);
    Option2->setGeometry(twipsRect(2520, 360, 2175, 255));
    Option2->setChecked(true);

    Label3 = label(client, u"Label3"_s, QString(), twipsRect(120, 4080, 4815, 255),
                   art::tahoma(QFont().pointSizeF()));

    Command3 = button(client, u"Command3"_s, u"Login"_s, twipsRect(120, 4440, 1455, 375));
    Command1 = button(client, u"Command1"_s, u"Connect"_s, twipsRect(1800, 4440, 1455, 375));
    Command2 = button(client, u"Command2"_s, u"Quit"_s, twipsRect(3480, 4440, 1455, 375));

    Timer1 = new VbTimer(this, u"Timer1"_s, 60);
    Winsock1 = platform().makeTcp(this);
    Winsock1->setObjectName(u"Winsock1"_s);
    passTimer_ = new QTimer(this);
    passTimer_->setSingleShot(true);

    connect(Command1, &QPushButton::clicked, this, [this] { resumeNext([this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { resumeNext([this] { Command3_Click(); }); });
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { resumeNext([this] { Timer1_Timer(); }); });
    connect(Winsock1, &TcpClient::dataArrival, this, &Form4::Winsock1_DataArrival);
    connect(Winsock1, &TcpClient::error, this, &Form4::Winsock1_Error);
    connect(Winsock1, &TcpClient::sendComplete, this, &Form4::Winsock1_SendComplete);
    connect(passTimer_, &QTimer::timeout, this, [this] {
        RconPassPending = u"0"_s;
        abandonHandOver(u"The TORVANEX Daemon did not send the rcon password!"_s + kCrLf +
                        u"Please check the daemon and login again."_s);
    });

    applyMode(false);
    setClientTwips(5055, 4935 + kMenuHeight * 15);
}

void Form4::Form_Load() {
    for (int n = 1; n <= 10; ++n) {
        resumeNext([&] {
            loadItems[n - 1]->setText(platform().settings->get(profileSection(n), u"Name"_s,
                                                               u"Load Server "_s + QString::number(n)));
        });
    }
}

void Form4::Form_QueryClose() {
    // Closing the login window while the console is on screen only puts it away; otherwise it is "Quit".
    if (Main* m = Forms::ifLoaded<Main>(); m && m->isVisible())
        hide();
    else
        Command2_Click();
}

// ---- Mode switch ----

void Form4::applyMode(bool daemon) {
    for (QWidget* w : {static_cast<QWidget*>(Text3), static_cast<QWidget*>(Text9),
                       static_cast<QWidget*>(Text1), static_cast<QWidget*>(Text2)}) {
        w->setEnabled(daemon);
        static_cast<VbLineEdit*>(w)->setBackColor(daemon ? kWhite : kGrey);
    }
    Combo1->setEnabled(daemon);
    QPalette p = Combo1->palette();
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, daemon ? kWhite : kGrey);
        p.setColor(g, QPalette::Button, daemon ? kWhite : kGrey);
    }
    Combo1->setPalette(p);
    Text6->setEnabled(!daemon);
    Text6->setBackColor(daemon ? kGrey : kWhite);
    Text4->setBackColor(kWhite);
    Text5->setBackColor(kWhite);
    Text7->setBackColor(kWhite);
    Command3->setEnabled(daemon);
    Command1->setEnabled(!daemon);
    (daemon ? Text3 : Text4)->setFocus();
}

void Form4::Option1_Click() {
    applyMode(Option1->isChecked());
}
void Form4::Option2_Click() {
    applyMode(!Option2->isChecked());
}

// ---- Buttons ----

void Form4::Command1_Click() {
    DONELoad();
}

void Form4::Command2_Click() {
    resumeNext([this] { Winsock1->close(); });
    platform().system->endProgram();
}

void Form4::Command3_Click() {
    // A port that is not a whole number in the port range is answered like a missing one.
    bool whole = false;
    const int port = Text9->text().trimmed().toInt(&whole);
    if (Text3->text().isEmpty() || Text9->text().isEmpty() || !whole || port < 0 || port > 65535) {
        platform().dialogs->msgBox(u"Please set your TORVANEX Daemon IP and Port"_s, mb::Information,
                                   kBoxTitle);
        return;
    }
    if (Winsock1->state() != sock::Closed)
        Winsock1->close();
    notices_.forgetRequests();
    Winsock1->setRemoteHost(Text3->text());
    Winsock1->setRemotePort(port);
    Winsock1->connectSocket();
    Timer1->setEnabled(true);
}

void Form4::Timer1_Timer() {
    const QString level = Combo1->currentText();
    if (level == u" " || level.isEmpty() || Text2->text().isEmpty() || Text1->text().isEmpty()) {
        // Stopped before the box: a modal box does not stop the 60 ms ticks, which would stack boxes.
        Timer1->setEnabled(false);
        platform().dialogs->msgBox(u"Please enter both username, password and select level!"_s, mb::Critical,
                                   u"Login"_s);
        return;
    }
    if (Winsock1->state() == sock::Connected) {
        Timer1->setEnabled(false);
        Winsock1->sendData(toAnsi(daemonLoginLine(Text1->text(), Text2->text(), level)));
        Label3->setCaption(u"Sending Data"_s);
        Command1->setEnabled(true);
        return;
    }
    Label3->setCaption(u"Not currently connected to host"_s);
}

// ---- Daemon link events ----

void Form4::Winsock1_DataArrival(const QByteArray& bytes) {
    const QString message = fromAnsi(bytes);
    const DaemonMessage m = classifyDaemonMessage(message, RconPassPending, LogRequested);
    switch (m.kind) {
    case DaemonMessage::Kind::RconPassword:
        resumeNext([&] { Forms::get<Main>().SetRconPassword(m.text); });
        RconPassPending = u"0"_s;
        if (awaitingPass_)
            finishDaemonHandOver();
        return;
    case DaemonMessage::Kind::Log:
        resumeNext([&] { Forms::get<log>().SetText(m.text); });
        Label3->setCaption(u"Received Log"_s);
        LogRequested = u"0"_s;
        resumeNext([] { Forms::show<log>(); });
        return;
    default:
        break;
    }
    Label3->setCaption(u"Received Data!"_s);
    switch (m.kind) {
    case DaemonMessage::Kind::LevelWord:
        if (granting_)
            break;
        statusz = Combo1->currentText();
        resumeNext([this] { SendToDaemon(u"getrconpass"_s); });
        RconPassPending = u"1"_s;
        resumeNext([this] { DONELoad(); });
        break;
    case DaemonMessage::Kind::AddUserNotice:
    case DaemonMessage::Kind::ChangeRconNotice:
        if (notices_.opens(m.kind)) {
            const auto closed = qScopeGuard([this] { notices_.boxClosed(); });
            platform().dialogs->msgBox(m.text, mb::Information, u"TORVANEX Daemon"_s);
        }
        break;
    default:
        statusz = u"none"_s;
        break;
    }
}

void Form4::Winsock1_Error(int number, const QString& description) {
    if (awaitingPass_) {
        resumeNext([this] { Winsock1->close(); });
        notices_.forgetRequests();
        RconPassPending = u"0"_s;
        abandonHandOver(u"TORVANEX lost connection with the daemon before the rcon password arrived!"_s +
                        kCrLf + description);
        return;
    }
    if (number == err::WrongState) {
        platform().dialogs->msgBox(u"TORVANEX lost connection with the daemon!"_s + kCrLf +
                                       u"Please wait a few seconds and reconnect again!"_s,
                                   mb::Critical, kBoxTitle);
        resumeNext([this] { Winsock1->close(); });
        notices_.forgetRequests();
        if (Main* m = Forms::ifLoaded<Main>())
            m->Disconnect();
        // Never leave the administrator without a window.
        if (!isVisible() || isMinimized())
            Show();
        return;
    }
    platform().dialogs->msgBox(u"An error has occured!"_s + kCrLf + description, mb::Critical,
                               u"Error n:"_s + QString::number(number));
}

void Form4::SendToDaemon(const QString& message) {
    Winsock1->sendData(toAnsi(message));
}

void Form4::SendRequestToDaemon(const QString& message, DaemonRequest request) {
    SendToDaemon(message);
    notices_.requestSent(request);
}

void Form4::Winsock1_SendComplete() {
    Label3->setCaption(u"Completed Data Transmission"_s);
}

// ---- Login ----

void Form4::DONELoad() {
    UCONLoad();
    const bool daemon = Option1->isChecked();
    if (daemon && isLevelWord(statusz)) {
        granting_ = true;
        {
            const auto granted = qScopeGuard([this] { granting_ = false; });
            platform().dialogs->msgBox(u"Access Granted to "_s + Text1->text() + u" as "_s + statusz,
                                       mb::OkOnly);
        }
        Forms::get<Main>().HandOver({Text4->text(), Text5->text(), {}, u"1"_s, statusz});
        if (RconPassPending == u"1") {
            // The password reply has not arrived yet: go on when it does.
            awaitingPass_ = true;
            passTimer_->start(rconPassTimeoutMs);
            Label3->setCaption(u"Waiting for the rcon password..."_s);
            return;
        }
        finishDaemonHandOver();
        return;
    }
    if (daemon) {
        platform().dialogs->msgBox(u"Access Denied to "_s + Text1->text() +
                                       u" : Check is password, username and level are correct!"_s,
                                   mb::OkOnly);
        Command1->setEnabled(false);
        return;
    }
    if (Text4->text().isEmpty() || Text5->text().isEmpty() || Text6->text().isEmpty() ||
        Text7->text().isEmpty()) {
        platform().dialogs->msgBox(u"Please type Server IP , Port , UCON Port and Rcon password"_s,
                                   mb::Information);
        return;
    }
    Main& main = Forms::get<Main>();
    const SessionHandOver session{Text4->text(), Text5->text(), Text6->text(), u"0"_s, {}};
    main.HandOver(session);
    main.IdentDaemon(session.mode);
    // A failed connect has shown this window again with its error: the session is not handed over.
    if (!main.Connect())
        return;
    main.Show();
    Unload();
}

void Form4::finishDaemonHandOver() {
    awaitingPass_ = false;
    passTimer_->stop();
    Main& main = Forms::get<Main>();
    main.IdentDaemon(u"1"_s);
    if (!main.Connect())
        return;
    main.Show();
    hide();
}

void Form4::abandonHandOver(const QString& why) {
    awaitingPass_ = false;
    passTimer_->stop();
    Label3->setCaption(QString());
    platform().dialogs->msgBox(why, mb::Critical, kBoxTitle);
    if (!isVisible() || isMinimized())
        Show();
}

// ---- UCON client configuration ----

void Form4::UCONLoad() {
    QString address;
    resumeNext([&] { address = Winsock1->localIP(); });
    const UconCredentials c = uconCredentials(address);
    resumeNext([&] { Forms::get<Main>().SetUconCredentials(c); });
    Text8 = uconIniText(Text4->text(), Text5->text(), address, Text7->text());
    const QString folder = platform().system->programFolder();
    const QString ini = folder + u"/codwaw.ini"_s;
    const QString logFile = folder + u"/pbucon.log"_s;
    QFile::remove(ini);
    // While the client this program started still writes the log, deleting it would leave the client
    // writing into a file nobody can open again: the chat view would freeze for the rest of the run.
    const Form5* client = Forms::ifLoaded<Form5>();
    if (!client || !client->ClientRunning())
        QFile::remove(logFile);
    SaveUCONIni(ini);
}

void Form4::SaveUCONIni(const QString& path) {
    // The file holds the UCON password: owner-only, written whole, and never through a link planted at its
    // place.
    const PrivateFileWrite w = writePrivateFile(path, toAnsi(QString(Text8 + kCrLf)));
    switch (w.status) {
    case PrivateFileWrite::Done:
        return;
    case PrivateFileWrite::FolderMissing:
        reportFileFailure(*platform().dialogs, {err::PathNotFound, u"Path not found"_s});
        return;
    case PrivateFileWrite::Refused:
        reportFileFailure(*platform().dialogs, {err::PermissionDenied, u"Permission denied"_s});
        return;
    case PrivateFileWrite::WriteFailed:
        reportFileFailure(*platform().dialogs, {err::WriteFault, w.description});
        return;
    }
}

bool Form4::SaveTextToFile(const QString& path, const QString& text, bool overwrite) {
    return saveTextToFile(path, text, overwrite);
}

// ---- Server profiles ----

void Form4::LoadServer(int n) {
    SettingsStore& s = *platform().settings;
    const QString sec = profileSection(n);
    resumeNext([&] { Text3->setText(s.get(sec, u"DaemonIP"_s, {})); });
    resumeNext([&] { Text9->setText(s.get(sec, u"DaemonPort"_s, {})); });
    resumeNext([&] { Text1->setText(s.get(sec, u"Username"_s, {})); });
    resumeNext([&] { Text2->setText(s.get(sec, u"Password"_s, {})); });
    resumeNext([&] { Text4->setText(s.get(sec, u"IPAddress"_s, {})); });
    resumeNext([&] { Text6->setText(s.get(sec, u"Pass"_s, {})); });
    resumeNext([&] { Text5->setText(s.get(sec, u"Port"_s, {})); });
    resumeNext([&] { Text7->setText(s.get(sec, u"UPort"_s, u"55555"_s)); });
    resumeNext([&] { Combo1->setEditText(s.get(sec, u"Levelz"_s, {})); });
}

void Form4::SaveServer(int n) {
    const QString name = platform().dialogs->inputBox(u"Please enter a name for the server"_s,
                                                      u"TORVANEX - ADD SERVER"_s, u"New Server"_s);
    // Cancel gives the empty text: a profile without a name would overwrite the saved one with its name
    // erased, so nothing is saved.
    if (name.trimmed().isEmpty())
        return;
    SettingsStore& s = *platform().settings;
    const QString sec = profileSection(n);
    // One write of the file for the whole profile.
    const SettingsBatch batch(s);
    resumeNext([&] { s.set(sec, u"Username"_s, Text1->text()); });
    resumeNext([&] { s.set(sec, u"Password"_s, Text2->text()); });
    resumeNext([&] { s.set(sec, u"DaemonIP"_s, Text3->text()); });
    resumeNext([&] { s.set(sec, u"DaemonPort"_s, Text9->text()); });
    resumeNext([&] { s.set(sec, u"IPAddress"_s, Text4->text()); });
    resumeNext([&] { s.set(sec, u"Pass"_s, Text6->text()); });
    resumeNext([&] { s.set(sec, u"Port"_s, Text5->text()); });
    resumeNext([&] { s.set(sec, u"UPort"_s, Text7->text()); });
    resumeNext([&] { s.set(sec, u"Name"_s, name); });
    resumeNext([&] { s.set(sec, u"Levelz"_s, Combo1->currentText()); });
}

} // namespace tvx
