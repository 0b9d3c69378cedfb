#include "main_window.h"

#include "common/twips.h"

#include <QFontDatabase>

namespace tvx {
namespace {

QFont tahoma(double points, bool bold = false) {
    QFont f(u"Tahoma"_qs);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFrame* page(QWidget* parent, const QString& name, const QRect& r) {
    auto* p = new QFrame(parent);
    p->setObjectName(name);
    p->setGeometry(r);
    p->setFrameStyle(QFrame::NoFrame);
    p->setAutoFillBackground(true);
    return p;
}

VbLabel* statusLabel(QWidget* parent, const QString& name, const QString& caption, int left, int width,
                     bool bold) {
    auto* l = new VbLabel(parent, name, caption);
    l->setGeometry(twipsRect(left, 1800, width, 255));
    l->setFont(tahoma(9, bold));
    return l;
}

} // namespace

Main::Main() {
    setObjectName(u"Main"_qs);
    setWindowTitle(u"Torvanex"_qs);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    setFont(tahoma(9));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    udpClient = platform().makeUdp(this);
    udpClient->setObjectName(u"udpClient"_qs);
    Timer2 = new VbTimer(this, u"Timer2"_qs, 1000);
    Timer3 = new VbTimer(this, u"Timer3"_qs, 1000);
    connect(udpClient, &UdpSocket::dataArrival, this, &Main::udpClient_DataArrival);
    connect(udpClient, &UdpSocket::error, this, &Main::udpClient_Error);
    connect(Timer2, &QTimer::timeout, this, &Main::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Main::Timer3_Timer);

    buildLayout();
    setClientTwips(12810, 8820);
}

Main::~Main() = default;

VbLabel* Main::onOffLabel(const QString& name, const QString& caption) {
    auto* l = new VbLabel(SeeSettings, name, caption);
    l->setFont(tahoma(9, true));
    l->setHandCursor();
    return l;
}

void Main::buildLayout() {
    // Status row.
    Label5 = statusLabel(this, u"Label5"_qs, u"Server Name:"_qs, 240, 1215, false);
    Label6 = statusLabel(this, u"Label6"_qs, u"loading..."_qs, 1440, 4575, true);
    Label6->setToolTip(u"Click here to refresh hostname"_qs);
    Label1 = statusLabel(this, u"Label1"_qs, u"Map:"_qs, 6120, 495, false);
    Label3 = statusLabel(this, u"Label3"_qs, u"loading..."_qs, 6720, 3135, true);
    Label3->setToolTip(u"Click here to refresh map name"_qs);
    Label2 = statusLabel(this, u"Label2"_qs, u"Online Players:"_qs, 9960, 1215, false);
    Label4 = statusLabel(this, u"Label4"_qs, u"0"_qs, 11280, 1335, true);

    // Page area: the players page shows at start.
    Grid = new FlexGrid(this, u"Grid"_qs);
    Grid->setGeometry(twipsRect(240, 2280, 12495, 5415));
    Grid->setCols(6);
    Picture1 = page(this, u"Picture1"_qs, twipsRect(10800, 2400, 1575, 5175));
    SeeChatp = page(this, u"SeeChatp"_qs, twipsRect(0, 2160, 12735, 5415));
    SeeSettings = page(this, u"SeeSettings"_qs, twipsRect(240, 2280, 12495, 5415));
    seeMaps = page(this, u"seeMaps"_qs, twipsRect(120, 2160, 12495, 5415));
    seeAdmin = page(this, u"seeAdmin"_qs, twipsRect(240, 2280, 12495, 5415));
    SeeTerminalp = page(this, u"SeeTerminalp"_qs, twipsRect(240, 2160, 12495, 5415));
    for (QFrame* p : {SeeChatp, SeeSettings, seeMaps, seeAdmin, SeeTerminalp})
        p->hide();

    // Terminal page.
    Text7 = new VbLineEdit(SeeTerminalp, u"Text7"_qs);
    Text7->setGeometry(twipsRect(0, 240, 12495, 315));
    txtOutput = new VbTextBox(SeeTerminalp, u"txtOutput"_qs);
    txtOutput->setGeometry(twipsRect(0, 600, 12495, 4695));
    QFont terminal = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    terminal.setPointSize(9);
    txtOutput->setFont(terminal);
    txtOutput->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette tp = txtOutput->palette();
    tp.setColor(QPalette::Base, QColor(192, 192, 192));
    tp.setColor(QPalette::Text, QColor(128, 128, 0));
    txtOutput->setPalette(tp);

    // Settings page: the option labels the query answers mark.
    Label80 = onOffLabel(u"Label80"_qs, u"YES"_qs);
    Label81 = onOffLabel(u"Label81"_qs, u"NO"_qs);
    Label83 = onOffLabel(u"Label83"_qs, u"ON"_qs);
    Label84 = onOffLabel(u"Label84"_qs, u"OFF"_qs);
    Label86 = onOffLabel(u"Label86"_qs, u"YES"_qs);
    Label87 = onOffLabel(u"Label87"_qs, u"NO"_qs);
    Label89 = onOffLabel(u"Label89"_qs, u"ON"_qs);
    Label90 = onOffLabel(u"Label90"_qs, u"OFF"_qs);
    VbLabel* const pairs[][2] = {
        {Label80, Label81}, {Label83, Label84}, {Label86, Label87}, {Label89, Label90}};
    int top = 3240;
    for (auto& pair : pairs) {
        pair[0]->setGeometry(twipsRect(10440, top, 615, 255));
        pair[1]->setGeometry(twipsRect(11160, top, 615, 255));
        top += 360;
    }

    // Admin page: the PunkBuster list.
    Text10 = new VbTextBox(seeAdmin, u"Text10"_qs);
    Text10->setGeometry(twipsRect(120, 480, 6975, 3255));
    Text10->setLocked(true);
    Text10->setFont(terminal);
    Text10->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text10->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Bottom band.
    Label7 = new VbLabel(this, u"Label7"_qs, u"Server IP:"_qs);
    Label7->setGeometry(twipsRect(360, 7800, 1455, 255));
    Label7->setFont(tahoma(9, true));
    Label8 = new VbLabel(this, u"Label8"_qs, u"Server Port:"_qs);
    Label8->setGeometry(twipsRect(2640, 7800, 1575, 255));
    Label8->setFont(tahoma(9, true));
    Text3 = new VbLineEdit(this, u"Text3"_qs);
    Text3->setGeometry(twipsRect(360, 8040, 2175, 315));
    Text4 = new VbLineEdit(this, u"Text4"_qs);
    Text4->setGeometry(twipsRect(2640, 8040, 1095, 315));
    for (VbLineEdit* e : {Text3, Text4}) {
        e->setReadOnly(true);
        e->setBackColor(QColor(224, 224, 224));
    }
}

void Main::Form_Load() {
    static const int widths[] = {2000, 665, 545, 4040, 545, 2720};
    for (int c = 0; c < 6; ++c)
        Grid->setColWidth(c, widths[c]);
    resumeNext([this] { txtiw3mp = platform().settings->get(u"[Configs]"_qs, u"Path"_qs, {}); });
    resumeNext([this] { txtserverpass = platform().settings->get(u"[Configs]"_qs, u"ServerPass"_qs, {}); });
}

void Main::Form_QueryClose() {
    resumeNext([this] { platform().shell->killProcesses(u"pbucon.exe"_qs); });
    resumeNext([this] { udpClient->close(); });
    platform().system->endProgram();
}

} // namespace tvx
