// The RCON Server Tool's window: its layout, its design state, its saved connection data, closing it, and
// the procedures it offers that nothing calls.
#include "gui/rcon_tool/rcon_tool.h"

#include "core/chat/chat_input.h"
#include "core/rcon_tool/rcon_tool_rules.h"
#include "core/text/text_file.h"
#include "core/text/text_util.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/login_window.h"
#include "gui/main/main_window.h"

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

using art::ConsolePicture;
using art::consolePicture;

const QColor kDarkRed(128, 0, 0);

// A picture that acts as a button: its tooltip, the hand pointer, greyed while disabled.
VbLabel* pictureButton(QWidget* parent, const QString& name, const QString& tip, const QRect& r,
                       ConsolePicture picture) {
    auto* l = new VbLabel(parent, name);
    l->setGeometry(r);
    l->setPixmap(consolePicture(picture, r.size()));
    l->setToolTip(tip);
    l->setCursor(art::handCursor());
    return l;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(r);
    return c;
}

} // namespace

Form1::Form1() {
    setObjectName(u"Form1"_s);
    setWindowTitle(u"RCON Server Tool"_s);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    setWindowIcon(QIcon(consolePicture(ConsolePicture::Icon, QSize(32, 32))));
    setFont(art::tahoma(8.25));

    udpClient = platform().makeUdp(this);
    udpClient->setObjectName(u"udpClient"_s);
    // The design peer: no host, the game's usual port. A send before the first connect is refused.
    resumeNext([this] { udpClient->setRemotePort(28960); });
    Winsock1 = platform().makeUdp(this);
    Winsock1->setObjectName(u"Winsock1"_s);
    // Socket errors have no handling here: they show nothing and change nothing.
    connect(udpClient, &UdpSocket::dataArrival, this,
            [this](const QByteArray& bytes) { udpClient_DataArrival(bytes); });
    connect(Winsock1, &UdpSocket::dataArrival, this,
            [this](const QByteArray& bytes) { Winsock1_DataArrival(bytes); });

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(u"menuBar"_s);
    menuBar->setNativeMenuBar(false);
    buildMenus();
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, twips(8655), menuHeight);

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setGeometry(0, menuHeight, twips(8655), twips(8895));
    buildBanner(client);
    buildConnectionFrame(client);
    buildChatFrame(client);
    buildConsoleFrame(client);

    setClientTwips(8655, 8895 + menuHeight * 15);
}

void Form1::buildBanner(QWidget* client) {
    Picture1 = new QFrame(client);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setGeometry(twipsRect(0, 0, 8655, 975));
    QPalette p = Picture1->palette();
    p.setBrush(QPalette::Window, QBrush(consolePicture(ConsolePicture::Banner, Picture1->size())));
    Picture1->setPalette(p);
    Picture1->setAutoFillBackground(true);

    Label6 = label(Picture1, u"Label6"_s, u"RCON SERVER TOOL"_s, twipsRect(120, 120, 8295, 735));
    Label6->setFont(art::tahoma(24, true));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setForeColour(Label6, kDarkRed);
    Label7 = label(Picture1, u"Label7"_s, u"BETA"_s, twipsRect(6600, 120, 1695, 255));
    Label7->setFont(art::tahoma(8.25, true));
    setForeColour(Label7, QColor(192, 192, 0));
    Label8 = label(Picture1, u"Label8"_s, u"made for Torvanex"_s, twipsRect(3600, 600, 1815, 255));
    Label8->setFont(art::tahoma(8.25, true));
    setForeColour(Label8, kDarkRed);

    Command4 = button(Picture1, u"Command4"_s, u"Fill Gridz"_s, twipsRect(7320, 120, 1095, 375));
    Command5 = button(Picture1, u"Command5"_s, u"Command5"_s, twipsRect(7320, 480, 1095, 375));
    Command3 = button(Picture1, u"Command3"_s, u"Get RCON"_s, twipsRect(7320, 480, 1095, 375));
    Command3->setVisible(false);
    // A failure that a handler does not skip itself ends that handler, not the program.
    connect(Command3, &QPushButton::clicked, this, [this] { resumeNext([this] { Command3_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { resumeNext([this] { Command4_Click(); }); });
    connect(Command5, &QPushButton::clicked, this, [this] { resumeNext([this] { Command5_Click(); }); });
}

void Form1::buildConnectionFrame(QWidget* client) {
    Frame2 = groupBox(client, u"Frame2"_s, u"Server Connection"_s, twipsRect(120, 1080, 8415, 1215));
    Label1 = label(Frame2, u"Label1"_s, u"Server IP:"_s, twipsRect(120, 240, 2055, 255));
    txtHostIp = lineBox(Frame2, u"txtHostIp"_s, twipsRect(120, 480, 2055, 285));
    Label2 = label(Frame2, u"Label2"_s, u"Port:"_s, twipsRect(2280, 240, 855, 255));
    txtPort = lineBox(Frame2, u"txtPort"_s, twipsRect(2280, 480, 855, 285));
    Label9 = label(Frame2, u"Label9"_s, u"Admin:"_s, twipsRect(3240, 240, 1095, 255));
    Text1 = lineBox(Frame2, u"Text1"_s, twipsRect(3240, 480, 2175, 285));
    Label3 = label(Frame2, u"Label3"_s, u"Rcon Password:"_s, twipsRect(5520, 240, 1575, 255));
    txtRcon = lineBox(Frame2, u"txtRcon"_s, twipsRect(5520, 480, 1575, 285));
    txtRcon->setEchoMode(QLineEdit::Password);
    txtRcon->setStyleSheet(u"lineedit-password-character: 42;"_s);
    chHideFunnyNames = checkBox(Frame2, u"chHideFunnyNames"_s, u"Hide Color Characters in Names"_s,
                                twipsRect(120, 840, 2775, 255));
    Check1 = checkBox(Frame2, u"Check1"_s, u"Save Connection Info"_s, twipsRect(2880, 840, 2535, 255));
    // Every change of the box saves, also one made by the load.
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });

    Command1 = pictureButton(Frame2, u"Command1"_s, u"Connect"_s, twipsRect(7200, 360, 480, 480),
                             ConsolePicture::Connect);
    Image2 = pictureButton(Frame2, u"Image2"_s, u"Disconnect Server"_s, twipsRect(7800, 360, 480, 480),
                           ConsolePicture::Disconnect);
    Image2->setEnabled(false);
    connect(Command1, &VbLabel::clicked, this, [this] { Command1_Click(); });
    connect(Image2, &VbLabel::clicked, this, [this] { resumeNext([this] { Image2_Click(); }); });
}

void Form1::buildChatFrame(QWidget* client) {
    Frame3 = groupBox(client, u"Frame3"_s, u"Chat"_s, twipsRect(120, 2400, 8415, 1095));
    txtSay = lineBox(Frame3, u"txtSay"_s, twipsRect(120, 360, 7455, 330));
    Command2 = pictureButton(Frame3, u"Command2"_s, u"Send Chat"_s, twipsRect(7680, 240, 480, 480),
                             ConsolePicture::SendChat);
    Command2->setEnabled(false);
    connect(Command2, &VbLabel::clicked, this, [this] { resumeNext([this] { Command2_Click(); }); });

    QPushButton** buttons[] = {&Command6,  &Command7,  &Command8,  &Command9,
                               &Command10, &Command11, &Command12, &Command13};
    void (Form1::*handlers[])() = {&Form1::Command6_Click,  &Form1::Command7_Click,  &Form1::Command8_Click,
                                   &Form1::Command9_Click,  &Form1::Command10_Click, &Form1::Command11_Click,
                                   &Form1::Command12_Click, &Form1::Command13_Click};
    for (int k = 0; k < 8; ++k) {
        const ColourButton& c = colourButtons()[k];
        QPushButton* b =
            button(Frame3, QString::fromUtf16(c.name), QString(), twipsRect(120 + 360 * k, 720, 255, 255));
        const QString face = u"rgb(%1,%2,%3)"_s.arg(c.red).arg(c.green).arg(c.blue);
        b->setStyleSheet(
            u"QPushButton{background-color:"_s + face +
            u";border:1px solid rgb(64,64,64);}QPushButton:pressed{border:2px solid rgb(0,0,0);}"_s);
        connect(b, &QPushButton::clicked, this, [this, h = handlers[k]] { (this->*h)(); });
        *buttons[k] = b;
    }

    Label4 = label(Frame3, u"Label4"_s, u"Clickon color to add it  to a word,use this before word! ^1red"_s,
                   twipsRect(3000, 720, 5295, 255));
    // Designed for a narrow 9.75-point face; our fallback is wider, so a little smaller keeps the line whole.
    Label4->setFont(art::tahoma(9.25));
}

void Form1::buildConsoleFrame(QWidget* client) {
    Frame1 = groupBox(client, u"Frame1"_s, u"Console"_s, twipsRect(120, 3600, 8415, 1095));
    Image1 = label(Frame1, u"Image1"_s, QString(), twipsRect(120, 240, 480, 480));
    Image1->setPixmap(consolePicture(ConsolePicture::Console, Image1->size()));
    Label5 = label(Frame1, u"Label5"_s,
                   u"This is the console, just type the command and then press Enter. DONT put the / before "
                   "the commands! [example:] say HELLO!"_s,
                   twipsRect(600, 240, 7695, 495));
    Label5->setWordWrap(true);
    txtcmd = lineBox(Frame1, u"txtcmd"_s, twipsRect(120, 720, 8175, 285));
    connect(txtcmd, &VbLineEdit::keyDown, this,
            [this](int key, int shift) { resumeNext([&] { txtcmd_KeyDown(key, shift); }); });

    txtOutput = new VbTextBox(client, u"txtOutput"_s);
    txtOutput->setScrollback(Main::kTerminalScrollback);
    txtOutput->setGeometry(twipsRect(120, 4800, 8415, 3975));
    txtOutput->setFont(art::fixedFont(9));
    txtOutput->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = txtOutput->palette();
    p.setColor(QPalette::Base, QColor(64, 64, 64));
    p.setColor(QPalette::Text, QColor(224, 224, 224));
    txtOutput->setPalette(p);
    txtOutput->setText(u"[RCON SERVER TOOL CONSOLE]"_s + kCrLf);
}

void Form1::setLinkControls(bool connected) {
    for (QMenu* m : topMenus())
        m->menuAction()->setEnabled(connected);
    Image2->setEnabled(connected);
    Command2->setEnabled(connected);
}

// ---- Settings ----

void Form1::Form_Load() {
    SimpleConsoleSettings s;
    resumeNext([&] { s = loadSimpleConsoleSettings(*platform().settings); });
    txtHostIp->setText(s.hostip);
    txtPort->setText(s.port);
    txtRcon->setText(s.rcon);
    Text1->setText(s.admin);
    // Ticking saves again, at once, the values just read.
    if (keepsConnectionData(s.save))
        Check1->setChecked(true);
}

void Form1::Check1_Click() {
    const SimpleConsoleSettings boxes{txtHostIp->text(), txtPort->text(), txtRcon->text(), Text1->text()};
    storeSimpleConsoleSettings(*platform().settings, settingsToKeep(Check1->isChecked(), boxes));
}

// ---- Closing ----

void Form1::Form_QueryClose() {
    Form_Unload();
}

void Form1::Form_Unload() {
    // The program ends here: no other window's closing steps run.
    resumeNext([] { Forms::unload<Form4>(); });
    platform().system->endProgram();
}

// ---- Offered, not called ----

bool Form1::SaveTextToFile(const QString& path, const QString& text, bool overwrite) {
    return saveTextToFile(path, text, overwrite);
}

void Form1::ClearServerFields1() {
    txtHostIp->setText(QString());
    txtRcon->setText(QString());
    txtPort->setText(u"28960"_s);
}

} // namespace tvx
