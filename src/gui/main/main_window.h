#pragma once
// The console window: status row, players grid, pages, the rcon link and the routing of its replies.
#include "core/link/session_handover.h"
#include "core/ucon/ucon_config.h"

#include "gui/base/forms.h"
#include "gui/base/grid_control.h"
#include "gui/base/vb_controls.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include <array>
#include <initializer_list>

namespace tvx {

class Main : public VbForm {
    Q_OBJECT
public:
    // The terminal keeps its newest 2 M characters. The collected replies keep their newest 64 K characters:
    // ten times a full server's "status", and every kept line becomes a grid row on each rebuild.
    static constexpr qsizetype kTerminalScrollback = 2 * 1024 * 1024;
    static constexpr qsizetype kCollectedRepliesLimit = 64 * 1024;
    // The PunkBuster list keeps its newest 1 M characters: ten thousand ban lines and more, and each display
    // tick cleans and shows all of it.
    static constexpr qsizetype kPbListLimit = 1024 * 1024;

    // Built, loaded and closed in main_window.cpp.
    Main();
    ~Main() override;
    void Form_Load() override;
    void Form_QueryClose() override;

    // ---- Rcon link (main_link.cpp) ----
    void Send(const QString& cmd);
    void WaitSend(const QString& Cmdz);
    // Aims the socket at the server and sends "status"; false when it failed (the error was shown).
    bool Connect();
    void Disconnect();
    void IdentDaemon(const QString& Result) { DaemonMode = Result; }
    void IsThisDaemon() { Text43 = DaemonMode == u"1" ? QStringLiteral("1") : QStringLiteral("0"); }
    // What the Tools menu's entries check after IsThisDaemon: the mode flag as it mirrored it, and the level
    // the last Daemon-mode hand-over gave.
    QString ModeMirror() const { return Text43; }
    QString Level() const { return level; }
    void Timer2_Timer();
    void udpClient_Error(int number, const QString& description);

    // ---- Session hand-over (main_link.cpp): the login window's entries, each as the login learns it ----
    // The UCON viewer's credentials, at every login before its checks.
    void SetUconCredentials(const UconCredentials& c);
    // The rcon password the daemon sent, whenever it arrives.
    void SetRconPassword(const QString& password);
    // The server's address and port, and the level (Daemon mode) or the typed rcon password (RCON mode):
    // in Daemon mode the password is the daemon's own. The login sets the mode flag and connects after
    // this (IdentDaemon, Connect), in Daemon mode once the daemon's password is in.
    void HandOver(const SessionHandOver& s);
    // What the console holds of the session.
    SessionHandOver session() const;

    // ---- Replies (main_replies.cpp) ----
    void udpClient_DataArrival(const QByteArray& bytes);
    void Timer3_Timer();

    // ---- Status, the players grid and its right-click (main_status.cpp) ----
    void GetPlayers();
    void Cleanup();
    void RemoveBlanks();
    void FillGrid();
    static qsizetype GetLineCount(const QString& box);
    static QString GetTextboxLine(const QString& txtTextbox, qsizetype lngLineNumber = 0);
    void GetFourthLine();
    void RefreshPlayers() { GetPlayers(); }
    // Rebuilds the grid from this status text as given, without the console's own cleaning.
    void FillGridFrom(const QString& statusText);
    void Grid_MouseDown(int Button, int Shift, double X, double Y);
    // One cell of the grid's current row, read now: the player menu acts on the row the right button made
    // current, as the grid holds it when an entry is chosen.
    QString CurrentRowCell(int column) const;

    // ---- Tabs, access checks, reset and exit (main_tabs.cpp) ----
    void Image4_Click();  // reset the session, show the login window
    void Image5_Click();  // players
    void Image6_Click();  // chat (the first visit registers the UCON viewer)
    void Image7_Click();  // server settings
    void Image8_Click();  // maps
    void Image9_Click();  // admin
    void Image10_Click(); // terminal
    void Image11_Click(); // quit
    void KillProcess(const QString& name);

    // ---- Chat, the chat log and the terminal line (main_chat.cpp) ----
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void txtsay1_KeyDown(int KeyCode, int Shift);
    void Text7_KeyDown(int KeyCode, int Shift);
    // Replaces the chat log with the UCON log's view and puts the caret at its end.
    void ShowChatLog(const QString& text);

    // ---- Settings page and the status row's queries (main_settings.cpp) ----
    void Label18_Click(); // server name
    void Label19_Click(); // hardcore
    void Label20_Click();
    void Label21_Click(); // old school
    void Label22_Click();
    void Label24_Click(); // kill-cam
    void Label25_Click();
    void Label26_Click(); // friendly fire
    void Label27_Click();
    void Label77_Click();
    void Label78_Click();
    void Label28_Click(); // game types
    void Label29_Click();
    void Label30_Click();
    void Label31_Click();
    void Label32_Click();
    void Label33_Click();
    void Label42_Click();
    void Label58_Click(); // ping limits
    void Label43_Click(); // other options: the tip, each option's name, its two values
    void Label79_Click();
    void Label80_Click();
    void Label81_Click();
    void Label82_Click();
    void Label83_Click();
    void Label84_Click();
    void Label85_Click();
    void Label86_Click();
    void Label87_Click();
    void Label88_Click();
    void Label89_Click();
    void Label90_Click();
    void Label6_Click(); // host name
    void Label3_Click(); // map name

    // ---- Admin page, the daemon requests and the Tools label (main_admin.cpp) ----
    void Label15_Click();    // restart server
    void Label76_Click();    // stop server
    void Label16_Click();    // server info
    void Label17_Click();    // system info
    void Label23_Click();    // screenshot of every player
    void Label36_Click();    // ban list
    void Label34_Click();    // unban
    void Label94_Click();    // PunkBuster restart
    void Label95_Click();    // add a bad name
    void Label96_Click();    // bad-name list
    void Label99_Click();    // private slots
    void Label101_Click();   // private slots' password
    void Labelstart_Click(); // daemon: start the server
    void Label93_Click();    // daemon: its log
    void Label97_Click();    // the Tools menu

    // ---- Join Server (main_join.cpp) ----
    void Label91_Click(); // start the game client connected to this server
    void Label92_Click(); // "(config)"
    // The game client's path and the server password, as its configuration window saved them.
    void SetJoinServer(const QString& clientPath, const QString& serverPassword);
    // What the console holds of them, for the configuration window to start from.
    QString JoinClientPath() const { return txtiw3mp; }
    QString JoinServerPassword() const { return txtserverpass; }

    // ---- Maps page (main_maps.cpp) and the map rotation frame (main_rotation.cpp) ----
    void List1_Click();   // a map chosen in the list
    void Label14_Click(); // change to the chosen map
    void Label10_Click(); // next map
    void Label11_Click(); // restart the map
    void Label12_Click(); // fast restart
    void Label39_Click(); // rotation: add the picked pair
    void Label40_Click(); // rotation: clear
    void Label41_Click(); // rotation: send

    // ---- Link state ----
    QString ServerHost;
    QString RconPassword;
    QString ServerPort;
    QString LastCommand;
    QString TickCount;
    QString PendingCommand;
    QString DaemonMode;
    QString LastReply;
    QString PbListText;
    QString StatusLineCount;
    QString UconSetupDone;

    // ---- Hidden boxes ----
    QString Text40, Text41, Text42;          // UCON address, login name, password
    QString Text43 = QStringLiteral("0");    // mirror of the mode flag
    QString level;                           // the daemon login's access level
    QString txtiw3mp, txtserverpass;         // game client path, server password
    QString txtRcon;                         // the rcon password
    QString txtAspas = QStringLiteral("\""); // quote around the map rotation
    QString Text9 = QStringLiteral("\"");    // quote removed from query answers
    QString Text6;                           // every reply received
    QString Text1;                           // the cleaned status text
    QString Text2;                           // the status line being cut

    // ---- Controls ----
    UdpSocket* udpClient = nullptr;
    VbLabel* Image1 = nullptr; // banners
    VbLabel* Image2 = nullptr;
    VbLabel* Image3 = nullptr;
    VbLabel* Image4 = nullptr; // tab pictures, left to right
    VbLabel* Image5 = nullptr;
    VbLabel* Image6 = nullptr;
    VbLabel* Image7 = nullptr;
    VbLabel* Image8 = nullptr;
    VbLabel* Image9 = nullptr;
    VbLabel* Image10 = nullptr;
    VbLabel* Image11 = nullptr;
    VbTimer* Timer2 = nullptr;
    VbTimer* Timer3 = nullptr;
    VbLabel* Label5 = nullptr;
    VbLabel* Label6 = nullptr; // host name
    VbLabel* Label1 = nullptr;
    VbLabel* Label3 = nullptr; // map name
    VbLabel* Label2 = nullptr;
    VbLabel* Label4 = nullptr; // player count
    FlexGrid* Grid = nullptr;
    QFrame* Picture1 = nullptr;
    QFrame* SeeChatp = nullptr;
    QFrame* SeeSettings = nullptr;
    QFrame* seeMaps = nullptr;
    QFrame* seeAdmin = nullptr;
    QFrame* SeeTerminalp = nullptr;
    VbLineEdit* Text7 = nullptr;    // terminal command line
    VbTextBox* txtOutput = nullptr; // terminal output
    VbTextBox* Text10 = nullptr;    // PunkBuster list

    // Players page side panel.
    VbLabel* Label9 = nullptr;
    VbLabel* Image30 = nullptr;

    // Chat page.
    VbLineEdit* txtsay1 = nullptr;   // chat input
    VbTextBox* txtsay2 = nullptr;    // chat log
    QPushButton* Command6 = nullptr; // colour buttons ^1 .. ^7, ^0
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    VbLabel* Label93 = nullptr; // beneath the chat log

    // Settings page.
    QGroupBox* Frame4 = nullptr; // "Server Name"
    VbLineEdit* Text8 = nullptr;
    VbLabel* Label18 = nullptr;
    QGroupBox* Frame5 = nullptr; // "Hardcore Mode"
    VbLabel* Label19 = nullptr;
    VbLabel* Label20 = nullptr;
    QGroupBox* Frame6 = nullptr; // "Old School Mode"
    VbLabel* Label21 = nullptr;
    VbLabel* Label22 = nullptr;
    QGroupBox* Frame7 = nullptr; // "Allow KillCam"
    VbLabel* Label24 = nullptr;
    VbLabel* Label25 = nullptr;
    QGroupBox* Frame8 = nullptr; // "Friendly Fire"
    VbLabel* Label26 = nullptr;
    VbLabel* Label27 = nullptr;
    VbLabel* Label77 = nullptr;
    VbLabel* Label78 = nullptr;
    QGroupBox* Frame9 = nullptr; // "Change Game Mode"
    VbLabel* Label28 = nullptr;
    VbLabel* Label29 = nullptr;
    VbLabel* Label30 = nullptr;
    VbLabel* Label31 = nullptr;
    VbLabel* Label32 = nullptr;
    VbLabel* Label33 = nullptr;
    VbLabel* Label42 = nullptr;
    QGroupBox* Frame11 = nullptr; // "Map Rotation"
    VbLabel* Label37 = nullptr;
    QComboBox* Combo1 = nullptr;
    VbLabel* Label38 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<VbLabel*, 3> Image44{}; // button backgrounds under "Add", "Clear", "Send"
    VbLabel* Label39 = nullptr;
    VbLabel* Label40 = nullptr;
    VbLabel* Label41 = nullptr;
    VbTextBox* Text12 = nullptr;  // the rotation being built
    QGroupBox* Frame10 = nullptr; // "Ping"
    VbLabel* Label56 = nullptr;   // "Max Ping"
    VbLineEdit* Text26 = nullptr;
    VbLabel* Label57 = nullptr; // "Min Ping"
    VbLineEdit* Text27 = nullptr;
    VbLabel* Label58 = nullptr;
    QGroupBox* Frame12 = nullptr; // "Other Options"
    VbLabel* Label43 = nullptr;
    VbLabel* Label79 = nullptr;
    VbLabel* Label82 = nullptr;
    VbLabel* Label85 = nullptr;
    VbLabel* Label88 = nullptr;
    VbLabel* Label44 = nullptr;
    VbLabel* Label45 = nullptr;

    // Maps page.
    QGroupBox* Frame2 = nullptr; // "Map List"
    QListWidget* List1 = nullptr;
    QGroupBox* Frame1 = nullptr; // "Map Preview"
    VbLabel* Image27 = nullptr;  // the default preview
    VbLabel* Image12 = nullptr;  // one preview per map, stacked on Image27
    VbLabel* Image13 = nullptr;
    VbLabel* Image14 = nullptr;
    VbLabel* Image15 = nullptr;
    VbLabel* Image16 = nullptr;
    VbLabel* Image17 = nullptr;
    VbLabel* Image18 = nullptr;
    VbLabel* Image19 = nullptr;
    VbLabel* Image20 = nullptr;
    VbLabel* Image21 = nullptr;
    VbLabel* Image22 = nullptr;
    VbLabel* Image23 = nullptr;
    VbLabel* Image24 = nullptr;
    QGroupBox* Frame3 = nullptr;
    VbLabel* Label13 = nullptr;
    VbLabel* Label14 = nullptr;
    VbLabel* Label10 = nullptr;
    VbLabel* Label11 = nullptr;
    VbLabel* Label12 = nullptr;
    VbLabel* Image28 = nullptr;

    // Admin page.
    VbLabel* Label15 = nullptr;
    VbLabel* Label76 = nullptr;
    VbLabel* Labelstart = nullptr;
    VbLabel* Label16 = nullptr;
    VbLabel* Label17 = nullptr;
    VbLabel* Label94 = nullptr;
    VbLabel* Label23 = nullptr;
    VbLabel* Label95 = nullptr;
    VbLabel* Label96 = nullptr;
    QGroupBox* Frame13 = nullptr; // "Banned Management"
    VbLabel* Label36 = nullptr;
    VbLabel* Label35 = nullptr;
    VbLineEdit* Text11 = nullptr;
    VbLabel* Label34 = nullptr;
    QGroupBox* Frame14 = nullptr; // "Private Slots"
    VbLabel* Label98 = nullptr;
    VbLineEdit* Text44 = nullptr;
    VbLabel* Label99 = nullptr;
    VbLabel* Label100 = nullptr;
    VbLineEdit* Text45 = nullptr;
    VbLabel* Label101 = nullptr;
    VbLabel* Label80 = nullptr;
    VbLabel* Label81 = nullptr;
    VbLabel* Label83 = nullptr;
    VbLabel* Label84 = nullptr;
    VbLabel* Label86 = nullptr;
    VbLabel* Label87 = nullptr;
    VbLabel* Label89 = nullptr;
    VbLabel* Label90 = nullptr;
    VbLabel* Label7 = nullptr;
    VbLabel* Label8 = nullptr;
    VbLineEdit* Text3 = nullptr; // server address
    VbLineEdit* Text4 = nullptr; // server port
    VbLabel* Label91 = nullptr;  // "Join Server"
    VbLabel* Label92 = nullptr;  // "(config)"
    VbLabel* Label97 = nullptr;  // "Tools"

private:
    // Building the window (main_window.cpp).
    void buildLayout();
    void buildTabs();
    void buildPlayersPage();
    void buildChatPage();
    void buildSettingsPage();
    void buildMapsPage();
    void buildAdminPage();
    void buildBottomBand();
    VbLabel* onOffLabel(QWidget* parent, const QString& name, const QString& caption);
    // Runs `handler` on each click of `label`, under the guard that keeps a refused send from going further
    // than the handler.
    void onClick(VbLabel* label, void (Main::*handler)());
    // Tabs (main_tabs.cpp): shows exactly the page parts given and hides the other ones, each step on its
    // own; the first chat visit's UCON registration.
    void showPage(std::initializer_list<QWidget*> parts);
    void RegisterUcon();
    // Replies (main_replies.cpp): rebuilds the players grid once the datagrams waiting now have been
    // appended.
    void queuePlayers();
    bool playersQueued_ = false;
    // Chat (main_chat.cpp).
    void appendColour(int button);
    // Each page's own file wires its labels to their handlers.
    void connectSettingsPage();
    void connectAdminPage();
    void connectMapsPage();
    void connectRotationFrame();
    // Settings (main_settings.cpp): sends the commands the command table gives `control`, in order, each
    // completed from its box.
    void sendCommands(QStringView control);
    // Admin (main_admin.cpp): a request to the daemon, refused outside Daemon mode.
    void daemonRequest(QStringView control, const QString& refusal, const QString& notice,
                       const QString& noticeTitle);
};

} // namespace tvx
