#include "gui/main/main_window.h"

#include "core/chat/chat_input.h"
#include "core/commands/map_rotation.h"
#include "core/link/status_parser.h"
#include "core/tools/game_launch.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/base/vb_frame.h"

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

using art::tahoma;

const QColor kDarkRed(128, 0, 0);
const QColor kOliveText(128, 128, 0);
const QColor kSilver(192, 192, 192);

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
    return label(parent, name, caption, twipsRect(left, 1800, width, 255), tahoma(9, bold));
}

// A label that acts on a click: bold, dark red, with the hand pointer.
VbLabel* clickLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& r,
                    const QFont& font = tahoma(9, true), const QColor& colour = kDarkRed) {
    VbLabel* l = label(parent, name, caption, r, font);
    setForeColour(l, colour);
    l->setHandCursor();
    return l;
}

VbLabel* picture(QWidget* parent, const QString& name, const QRect& r, const QPixmap& pm) {
    auto* l = new VbLabel(parent, name);
    l->setGeometry(r);
    l->setPixmap(pm);
    l->setScaledContents(true);
    return l;
}

// A multi-line box with both scroll bars, as the terminal, chat and list boxes are.
VbTextBox* scrollBox(QWidget* parent, const QString& name, const QRect& r, const QFont& font) {
    auto* box = new VbTextBox(parent, name);
    box->setGeometry(r);
    box->setFont(font);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

void colourBox(VbTextBox* box, const QColor& background, const QColor& text) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, text);
    box->setPalette(p);
}

} // namespace

Main::Main() {
    setObjectName(u"Main"_s);
    setWindowTitle(u"Torvanex"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    setFont(tahoma(9));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    udpClient = platform().makeUdp(this);
    udpClient->setObjectName(u"udpClient"_s);
    Timer2 = new VbTimer(this, u"Timer2"_s, 1000);
    Timer3 = new VbTimer(this, u"Timer3"_s, 1000);
    connect(udpClient, &UdpSocket::dataArrival, this, &Main::udpClient_DataArrival);
    connect(udpClient, &UdpSocket::error, this, &Main::udpClient_Error);
    connect(Timer2, &QTimer::timeout, this, &Main::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Main::Timer3_Timer);

    buildLayout();
    setClientTwips(12810, 8820);
}

Main::~Main() = default;

VbLabel* Main::onOffLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* l = new VbLabel(parent, name, caption);
    l->setFont(tahoma(9, true));
    setForeColour(l, kDarkRed);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setHandCursor();
    return l;
}

void Main::buildLayout() {
    // Banners first: everything else lies on top of them.
    Image1 = picture(this, u"Image1"_s, twipsRect(0, 0, 13095, 1335), art::topBanner(QSize(873, 89)));
    Image2 = picture(this, u"Image2"_s, twipsRect(0, 1200, 13095, 975), art::statusBanner(QSize(873, 65)));
    Image3 = picture(this, u"Image3"_s, twipsRect(0, 7680, 13140, 1500), art::bottomBanner(QSize(876, 100)));
    buildTabs();

    // Status row.
    Label5 = statusLabel(this, u"Label5"_s, u"Server Name:"_s, 240, 1215, false);
    Label6 = statusLabel(this, u"Label6"_s, u"loading..."_s, 1440, 4575, true);
    Label6->setToolTip(u"Click here to refresh hostname"_s);
    Label6->setHandCursor();
    Label1 = statusLabel(this, u"Label1"_s, u"Map:"_s, 6120, 495, false);
    Label3 = statusLabel(this, u"Label3"_s, u"loading..."_s, 6720, 3135, true);
    Label3->setToolTip(u"Click here to refresh map name"_s);
    Label3->setHandCursor();
    Label2 = statusLabel(this, u"Label2"_s, u"Online Players:"_s, 9960, 1215, false);
    Label4 = statusLabel(this, u"Label4"_s, u"0"_s, 11280, 1335, true);

    // Page area: the players page shows at start.
    Grid = new FlexGrid(this, u"Grid"_s);
    Grid->setGeometry(twipsRect(240, 2280, 12495, 5415));
    Grid->setCols(6);
    connect(Grid, &FlexGrid::mouseDown, this,
            [this](int button, int shift, double x, double y) { Grid_MouseDown(button, shift, x, y); });
    Picture1 = page(this, u"Picture1"_s, twipsRect(10800, 2400, 1575, 5175));
    SeeChatp = page(this, u"SeeChatp"_s, twipsRect(0, 2160, 12735, 5415));
    SeeSettings = page(this, u"SeeSettings"_s, twipsRect(240, 2280, 12495, 5415));
    seeMaps = page(this, u"seeMaps"_s, twipsRect(120, 2160, 12495, 5415));
    seeAdmin = page(this, u"seeAdmin"_s, twipsRect(240, 2280, 12495, 5415));
    SeeTerminalp = page(this, u"SeeTerminalp"_s, twipsRect(240, 2160, 12495, 5415));
    for (QFrame* p : {SeeChatp, SeeSettings, seeMaps, seeAdmin, SeeTerminalp})
        p->hide();

    // Terminal page.
    Text7 = new VbLineEdit(SeeTerminalp, u"Text7"_s);
    Text7->setGeometry(twipsRect(0, 240, 12495, 315));
    connect(Text7, &VbLineEdit::keyDown, this,
            [this](int key, int shift) { resumeNext([&] { Text7_KeyDown(key, shift); }); });
    txtOutput = scrollBox(SeeTerminalp, u"txtOutput"_s, twipsRect(0, 600, 12495, 4695), art::fixedFont(9));
    colourBox(txtOutput, kSilver, kOliveText);
    txtOutput->setScrollback(kTerminalScrollback);

    buildPlayersPage();
    buildChatPage();
    buildSettingsPage();
    buildMapsPage();
    buildAdminPage();
    buildBottomBand();
    connectSettingsPage();
    connectAdminPage();
    connectMapsPage();
    connectRotationFrame();
}

void Main::buildTabs() {
    static const art::Tab pictures[] = {art::Tab::Reset,    art::Tab::Players, art::Tab::Chat,
                                        art::Tab::Settings, art::Tab::Maps,    art::Tab::Admin,
                                        art::Tab::Terminal, art::Tab::Exit};
    VbLabel** tabs[] = {&Image4, &Image5, &Image6, &Image7, &Image8, &Image9, &Image10, &Image11};
    void (Main::*handlers[])() = {&Main::Image4_Click,  &Main::Image5_Click, &Main::Image6_Click,
                                  &Main::Image7_Click,  &Main::Image8_Click, &Main::Image9_Click,
                                  &Main::Image10_Click, &Main::Image11_Click};
    for (int k = 0; k < 8; ++k) {
        const QRect r = twipsRect(240 + 1560 * k, 120, 1500, 1500);
        VbLabel* tab =
            picture(this, u"Image"_s + QString::number(4 + k), r, art::tabPicture(pictures[k], r.size()));
        tab->setHandCursor();
        // A failure that a handler does not skip itself ends that handler, not the program.
        connect(tab, &VbLabel::clicked, this, [this, h = handlers[k]] { resumeNext([&] { (this->*h)(); }); });
        *tabs[k] = tab;
    }
    Image5->setToolTip(u"Click here to refresh player list"_s);
}

void Main::onClick(VbLabel* label, void (Main::*handler)()) {
    // A failure that a handler does not skip itself ends that handler, not the program.
    connect(label, &VbLabel::clicked, this, [this, handler] { resumeNext([&] { (this->*handler)(); }); });
}

void Main::buildPlayersPage() {
    QPalette pp = Picture1->palette();
    pp.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf1));
    Picture1->setPalette(pp);
    Label9 = label(Picture1, u"Label9"_s,
                   u"TIP: To warn, kick, ban or screenshot a player just right click on his name a select "
                   "the option you want! You can also copy his hash, ip or name by right clicking on the "
                   "text and select Copy Name, Hash or IP or even create a player report!"_s,
                   twipsRect(120, 120, 1335, 4935), tahoma(8.25));
    Label9->setWordWrap(true);
    setForeColour(Label9, kOliveText);
    Image30 = picture(Picture1, u"Image30"_s, twipsRect(480, 4440, 615, 615), art::tipPicture(QSize(41, 41)));
}

void Main::buildChatPage() {
    txtsay1 = lineBox(SeeChatp, u"txtsay1"_s, u"Type here what you want to say to the server"_s,
                      twipsRect(240, 240, 9615, 315));
    txtsay1->setToolTip(u"To add color just press one of the colored "_s);
    connect(txtsay1, &VbLineEdit::keyDown, this,
            [this](int key, int shift) { resumeNext([&] { txtsay1_KeyDown(key, shift); }); });

    QPushButton** buttons[] = {&Command6,  &Command7,  &Command8,  &Command9,
                               &Command10, &Command11, &Command12, &Command13};
    void (Main::*handlers[])() = {&Main::Command6_Click,  &Main::Command7_Click,  &Main::Command8_Click,
                                  &Main::Command9_Click,  &Main::Command10_Click, &Main::Command11_Click,
                                  &Main::Command12_Click, &Main::Command13_Click};
    for (int k = 0; k < 8; ++k) {
        const ColourButton& c = colourButtons()[k];
        auto* b = new QPushButton(SeeChatp);
        b->setObjectName(QString::fromUtf16(c.name));
        b->setGeometry(twipsRect(9960 + 360 * k, 240, 255, 255));
        const QString face = u"rgb(%1,%2,%3)"_s.arg(c.red).arg(c.green).arg(c.blue);
        b->setStyleSheet(
            u"QPushButton{background-color:"_s + face +
            u";border:1px solid rgb(64,64,64);}QPushButton:pressed{border:2px solid rgb(0,0,0);}"_s);
        connect(b, &QPushButton::clicked, this, [this, h = handlers[k]] { (this->*h)(); });
        *buttons[k] = b;
    }

    // Beneath the chat log, which takes the clicks over its area.
    Label93 = label(SeeChatp, u"Label93"_s, QString(), twipsRect(240, 4200, 1575, 255), tahoma(9, true));
    txtsay2 = scrollBox(SeeChatp, u"txtsay2"_s, twipsRect(240, 600, 12495, 4695), tahoma(9, true));
    txtsay2->setLocked(true);
    colourBox(txtsay2, kSilver, kDarkRed);
}

void Main::buildSettingsPage() {
    QWidget* const pg = SeeSettings;
    // Top row: the server name and the three on/off switches.
    Frame4 = new VbFrame(pg, u"Frame4"_s, u"Server Name"_s, twipsRect(0, 0, 3855, 975));
    Text8 = lineBox(Frame4, u"Text8"_s, QString(), twipsRect(120, 420, 2895, 315));
    Label18 = clickLabel(Frame4, u"Label18"_s, u"Set"_s, twipsRect(3120, 450, 615, 255));
    struct Switch {
        QGroupBox** box;
        const char16_t* name;
        const char16_t* caption;
        int left, width;
        VbLabel** on;
        const char16_t* onName;
        VbLabel** off;
        const char16_t* offName;
    };
    const Switch switches[] = {
        {&Frame5, u"Frame5", u"Hardcore Mode", 3975, 1455, &Label19, u"Label19", &Label20, u"Label20"},
        {&Frame6, u"Frame6", u"Old School Mode", 5550, 1575, &Label21, u"Label21", &Label22, u"Label22"},
        {&Frame7, u"Frame7", u"Allow KillCam", 7245, 1410, &Label24, u"Label24", &Label25, u"Label25"},
    };
    for (const Switch& s : switches) {
        QGroupBox* f = new VbFrame(pg, QString::fromUtf16(s.name), QString::fromUtf16(s.caption),
                                   twipsRect(s.left, 0, s.width, 975));
        *s.box = f;
        const int mid = s.width / 2;
        *s.on = onOffLabel(f, QString::fromUtf16(s.onName), u"ON"_s);
        (*s.on)->setGeometry(twipsRect(mid - 615, 450, 555, 255));
        *s.off = onOffLabel(f, QString::fromUtf16(s.offName), u"OFF"_s);
        (*s.off)->setGeometry(twipsRect(mid + 60, 450, 555, 255));
    }

    // Map rotation.
    Frame11 = new VbFrame(pg, u"Frame11"_s, u"Map Rotation"_s, twipsRect(0, 1080, 8655, 1575));
    Label37 = label(Frame11, u"Label37"_s, u"Map:"_s, twipsRect(120, 360, 855, 375), tahoma(9.75, true));
    Combo1 = new QComboBox(Frame11);
    Combo1->setObjectName(u"Combo1"_s);
    Combo1->setGeometry(twipsRect(720, 360, 2175, 330));
    Combo1->addItems(mapNames());
    Combo1->setCurrentIndex(-1);
    Label38 =
        label(Frame11, u"Label38"_s, u"Game Mode:"_s, twipsRect(3000, 360, 1335, 255), tahoma(9.75, true));
    Combo2 = new QComboBox(Frame11);
    Combo2->setObjectName(u"Combo2"_s);
    Combo2->setGeometry(twipsRect(4320, 360, 1335, 330));
    Combo2->addItems({u"twar"_s, u"dm"_s, u"tdm"_s, u"dom"_s, u"koth"_s, u"sab"_s, u"sd"_s});
    Combo2->setCurrentIndex(-1);
    const QRect backs[] = {twipsRect(5760, 360, 660, 330), twipsRect(6480, 360, 780, 330),
                           twipsRect(7320, 360, 900, 330)};
    for (int i = 0; i < 3; ++i) {
        Image44[i] = picture(Frame11, u"Image44"_s, backs[i], art::buttonBackground(QSize(100, 30)));
        Image44[i]->setProperty("Index", i);
    }
    VbLabel** buttons[] = {&Label39, &Label40, &Label41};
    const char16_t* names[] = {u"Label39", u"Label40", u"Label41"};
    const char16_t* captions[] = {u"Add", u"Clear", u"Send"};
    const QRect labels[] = {twipsRect(5760, 405, 615, 255), twipsRect(6480, 405, 735, 255),
                            twipsRect(7320, 405, 855, 255)};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = clickLabel(Frame11, QString::fromUtf16(names[i]), QString::fromUtf16(captions[i]),
                                 labels[i], tahoma(9.75, true), Qt::white);
        (*buttons[i])->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Text12 = new VbTextBox(Frame11, u"Text12"_s);
    Text12->setGeometry(twipsRect(120, 720, 8415, 735));
    Text12->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text12->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text12->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Bottom row: game mode, friendly fire, ping.
    Frame9 = new VbFrame(pg, u"Frame9"_s, u"Change Game Mode"_s, twipsRect(0, 2760, 4215, 1815));
    struct Mode {
        VbLabel** label;
        const char16_t* name;
        const char16_t* caption;
        int left, top;
    };
    // The caption " Search && Destroy" shows its doubled ampersand as one.
    const Mode modes[] = {
        {&Label28, u"Label28", u"Domination", 240, 360},
        {&Label29, u"Label29", u"Team Death Match", 240, 720},
        {&Label30, u"Label30", u"Free For All", 240, 1080},
        {&Label31, u"Label31", u"Headquarters", 240, 1440},
        {&Label32, u"Label32", u"Sabotage", 2280, 360},
        {&Label33, u"Label33", u" Search & Destroy", 2280, 720},
        {&Label42, u"Label42", u" WAR", 2280, 1080},
    };
    for (const Mode& m : modes)
        *m.label = clickLabel(Frame9, QString::fromUtf16(m.name), QString::fromUtf16(m.caption),
                              twipsRect(m.left, m.top, 1815, 255));

    Frame8 = new VbFrame(pg, u"Frame8"_s, u"Friendly Fire"_s, twipsRect(4335, 2760, 2055, 1815));
    Label26 = onOffLabel(Frame8, u"Label26"_s, u"ON"_s);
    Label26->setGeometry(twipsRect(240, 480, 735, 255));
    Label26->setToolTip(u"Enabled"_s);
    Label27 = onOffLabel(Frame8, u"Label27"_s, u"OFF"_s);
    Label27->setGeometry(twipsRect(1080, 480, 735, 255));
    Label27->setToolTip(u"Disabled"_s);
    Label77 = onOffLabel(Frame8, u"Label77"_s, u"ON 2"_s);
    Label77->setGeometry(twipsRect(240, 1080, 735, 255));
    Label77->setToolTip(u"Reflect Damage"_s);
    Label78 = onOffLabel(Frame8, u"Label78"_s, u"ON 3"_s);
    Label78->setGeometry(twipsRect(1080, 1080, 735, 255));
    Label78->setToolTip(u"Share Damage"_s);

    Frame10 = new VbFrame(pg, u"Frame10"_s, u"Ping"_s, twipsRect(6510, 2760, 2145, 1815));
    Label56 = label(Frame10, u"Label56"_s, u"Max Ping"_s, twipsRect(120, 360, 855, 255), tahoma(9));
    Text26 = lineBox(Frame10, u"Text26"_s, u"300"_s, twipsRect(120, 600, 855, 315));
    Label57 = label(Frame10, u"Label57"_s, u"Min Ping"_s, twipsRect(1140, 360, 855, 255), tahoma(9));
    Text27 = lineBox(Frame10, u"Text27"_s, u"0"_s, twipsRect(1140, 600, 855, 315));
    Label58 = clickLabel(Frame10, u"Label58"_s, u"Change"_s, twipsRect(120, 1200, 1875, 255));
    Label58->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // Right column: the four queried options and the note.
    Frame12 = new VbFrame(pg, u"Frame12"_s, u"Other Options"_s, twipsRect(8775, 0, 3720, 2895));
    Label43 = clickLabel(Frame12, u"Label43"_s,
                         u"TIP: Click on the option to see its current setting, for example try clicking on "
                         "\"Allow Vote\""_s,
                         twipsRect(120, 300, 3480, 615), tahoma(8.25), kOliveText);
    Label43->setWordWrap(true);
    struct Option {
        VbLabel** name;
        const char16_t* objectName;
        const char16_t* caption;
        VbLabel** yes;
        const char16_t* yesName;
        const char16_t* yesCaption;
        VbLabel** no;
        const char16_t* noName;
        const char16_t* noCaption;
    };
    const Option options[] = {
        {&Label79, u"Label79", u"Allow Vote:", &Label80, u"Label80", u"YES", &Label81, u"Label81", u"NO"},
        {&Label82, u"Label82", u"Punkbuster:", &Label83, u"Label83", u"ON", &Label84, u"Label84", u"OFF"},
        {&Label85, u"Label85", u"Allow Voice:", &Label86, u"Label86", u"YES", &Label87, u"Label87", u"NO"},
        {&Label88, u"Label88", u"Balance Teams:", &Label89, u"Label89", u"ON", &Label90, u"Label90", u"OFF"},
    };
    int top = 1020;
    for (const Option& o : options) {
        *o.name = clickLabel(Frame12, QString::fromUtf16(o.objectName), QString::fromUtf16(o.caption),
                             twipsRect(240, top, 1575, 255));
        *o.yes = onOffLabel(Frame12, QString::fromUtf16(o.yesName), QString::fromUtf16(o.yesCaption));
        (*o.yes)->setGeometry(twipsRect(1920, top, 615, 255));
        *o.no = onOffLabel(Frame12, QString::fromUtf16(o.noName), QString::fromUtf16(o.noCaption));
        (*o.no)->setGeometry(twipsRect(2640, top, 615, 255));
        top += 420;
    }
    Label44 =
        label(pg, u"Label44"_s, u"Keep in mind..."_s, twipsRect(8775, 3120, 3720, 255), tahoma(9, true));
    Label45 = label(pg, u"Label45"_s,
                    u"After you change a game mode you need to fast restart a map, by going to MAPS, and "
                    "keep in mind that this options will change to default upon server restart!"_s,
                    twipsRect(8775, 3420, 3720, 1335), tahoma(9));
    Label45->setWordWrap(true);
}

void Main::buildMapsPage() {
    QWidget* const pg = seeMaps;
    Frame2 = new VbFrame(pg, u"Frame2"_s, u"Map List"_s, twipsRect(600, 360, 2415, 3855));
    List1 = new QListWidget(Frame2);
    List1->setObjectName(u"List1"_s);
    List1->setGeometry(twipsRect(120, 240, 2175, 3420));
    List1->setFont(tahoma(9, true));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->addItems(mapNames());
    List1->addItem(kCustomMap);

    Frame1 = new VbFrame(pg, u"Frame1"_s, u"Map Preview"_s, twipsRect(3240, 360, 2775, 2175));
    Image27 =
        picture(Frame1, u"Image27"_s, twipsRect(120, 240, 2550, 1695), art::mapPreview({}, QSize(170, 106)));
    struct Preview {
        VbLabel** picture;
        const char16_t* name;
        const char16_t* map;
    };
    const Preview previews[] = {
        {&Image12, u"Image12", u"mp_airfield"},   {&Image13, u"Image13", u"mp_asylum"},
        {&Image14, u"Image14", u"mp_castle"},     {&Image15, u"Image15", u"mp_shrine"},
        {&Image16, u"Image16", u"mp_courtyard"},  {&Image17, u"Image17", u"mp_dome"},
        {&Image18, u"Image18", u"mp_downfall"},   {&Image19, u"Image19", u"mp_hangar"},
        {&Image20, u"Image20", u"mp_makin"},      {&Image21, u"Image21", u"mp_outskirts"},
        {&Image22, u"Image22", u"mp_roundhouse"}, {&Image23, u"Image23", u"mp_seelow"},
        {&Image24, u"Image24", u"mp_suburban"},
    };
    for (const Preview& p : previews) {
        const QString map = QString::fromUtf16(p.map);
        VbLabel* l = picture(Frame1, QString::fromUtf16(p.name), twipsRect(120, 240, 2550, 1620),
                             art::mapPreview(map, QSize(170, 108)));
        l->setScaledContents(false);
        l->setProperty("map", map);
        l->hide();
        *p.picture = l;
    }

    Frame3 = new VbFrame(pg, u"Frame3"_s, QString(), twipsRect(3240, 2640, 2775, 1575));
    Label13 = label(Frame3, u"Label13"_s, kNoMapChosen, twipsRect(120, 360, 2535, 375), tahoma(9, true));
    Label13->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label14 = clickLabel(Frame3, u"Label14"_s, u"Change map to select"_s, twipsRect(120, 960, 2535, 375),
                         tahoma(11.25, true));
    Label14->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label10 =
        clickLabel(pg, u"Label10"_s, u"Next Map "_s, twipsRect(6960, 960, 2655, 495), tahoma(20.25, true));
    Label11 =
        clickLabel(pg, u"Label11"_s, u"Restart Map"_s, twipsRect(6960, 1920, 2535, 615), tahoma(20.25, true));
    Label12 = clickLabel(pg, u"Label12"_s, u"Fast Map Restart"_s, twipsRect(6960, 2880, 3975, 615),
                         tahoma(20.25, true));
    Image28 = picture(pg, u"Image28"_s, twipsRect(8280, 3600, 720, 720), art::compassPicture(QSize(48, 48)));
}

void Main::buildAdminPage() {
    QWidget* const pg = seeAdmin;
    QPalette white = pg->palette();
    white.setColor(QPalette::Window, Qt::white);
    pg->setPalette(white);

    // Server commands down the left, each with its bullet.
    struct Command {
        VbLabel** label;
        const char16_t* name;
        const char16_t* caption;
    };
    const Command commands[] = {
        {&Label15, u"Label15", u"Restart Server"},
        {&Label76, u"Label76", u"Stop Server"},
        {&Labelstart, u"Labelstart", u"Start Server"},
        {&Label16, u"Label16", u"Server Info"},
        {&Label17, u"Label17", u"System Info"},
        {&Label94, u"Label94", u"Restart Punkbuster"},
        {&Label23, u"Label23", u"Punkbuster Screenshot All Players"},
        {&Label95, u"Label95", u"Add BAD Name"},
        {&Label96, u"Label96", u"BAD Name List"},
    };
    int top = 240;
    for (const Command& c : commands) {
        const QString name = QString::fromUtf16(c.name);
        picture(pg, u"bullet"_s + name, twipsRect(120, top, 240, 240), art::commandBullet(QSize(16, 16)));
        *c.label = clickLabel(pg, name, QString::fromUtf16(c.caption), twipsRect(480, top, 3375, 255));
        top += 540;
    }
    Label95->setToolTip(u"Adding a name here will kick anyone that uses that name."_s);

    Frame13 = new VbFrame(pg, u"Frame13"_s, u"Banned Management"_s, twipsRect(3960, 0, 5055, 5295));
    Text10 = scrollBox(Frame13, u"Text10"_s, twipsRect(120, 300, 4815, 4215), art::fixedFont(9));
    Text10->setLocked(true);
    Label36 = clickLabel(Frame13, u"Label36"_s, u"Get / Refresh"_s, twipsRect(120, 4740, 1455, 255));
    Label36->setToolTip(u"click here to get banned list"_s);
    Label35 = label(Frame13, u"Label35"_s, u"Ban #:"_s, twipsRect(2160, 4740, 615, 255), tahoma(9, true));
    Text11 = lineBox(Frame13, u"Text11"_s, u"0"_s, twipsRect(2820, 4680, 855, 315));
    Label34 = clickLabel(Frame13, u"Label34"_s, u"Unban"_s, twipsRect(3840, 4740, 855, 255));

    Frame14 = new VbFrame(pg, u"Frame14"_s, u"Private Slots"_s, twipsRect(9135, 0, 3360, 2535));
    Label98 = label(Frame14, u"Label98"_s, u"Number of Slots"_s, twipsRect(120, 300, 3135, 255), tahoma(9));
    Text44 = lineBox(Frame14, u"Text44"_s, u"0"_s, twipsRect(120, 540, 855, 315));
    Label99 = clickLabel(Frame14, u"Label99"_s, u"Set Private Slots"_s, twipsRect(1080, 585, 2175, 255));
    Label100 = label(Frame14, u"Label100"_s, u"Slots Password"_s, twipsRect(120, 1140, 3135, 255), tahoma(9));
    Text45 = lineBox(Frame14, u"Text45"_s, u"Password"_s, twipsRect(120, 1380, 3135, 315));
    Label101 = clickLabel(Frame14, u"Label101"_s, u"Set Slots Password"_s, twipsRect(120, 1860, 3135, 255));
}

void Main::buildBottomBand() {
    Label7 = label(this, u"Label7"_s, u"Server IP:"_s, twipsRect(360, 7800, 1455, 255), tahoma(9, true));
    Label8 = label(this, u"Label8"_s, u"Server Port:"_s, twipsRect(2640, 7800, 1575, 255), tahoma(9, true));
    Text3 = lineBox(this, u"Text3"_s, twipsRect(360, 8040, 2175, 315));
    Text4 = lineBox(this, u"Text4"_s, twipsRect(2640, 8040, 1095, 315));
    for (VbLineEdit* e : {Text3, Text4}) {
        e->setLocked(true);
        e->setBackColor(QColor(224, 224, 224));
    }
    Label91 = clickLabel(this, u"Label91"_s, u"Join Server"_s, twipsRect(3960, 8040, 1095, 255));
    Label92 = clickLabel(this, u"Label92"_s, u"(config)"_s, twipsRect(5280, 8040, 855, 255));
    onClick(Label91, &Main::Label91_Click);
    onClick(Label92, &Main::Label92_Click);
    Label97 = clickLabel(this, u"Label97"_s, u"Tools"_s, twipsRect(11520, 8040, 1095, 255));
}

void Main::Form_Load() {
    for (int c = 0; c < 6; ++c)
        Grid->setColWidth(c, kGridColumnTwips[c]);
    resumeNext([this] { txtiw3mp = platform().settings->get(kConfigsSection, kClientPathKey, {}); });
    resumeNext([this] { txtserverpass = platform().settings->get(kConfigsSection, kServerPassKey, {}); });
}

void Main::Form_QueryClose() {
    resumeNext([this] { KillProcess(u"pbucon.exe"_s); });
    resumeNext([this] { udpClient->close(); });
    platform().system->endProgram();
}

} // namespace tvx
