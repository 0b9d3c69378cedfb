#pragma once
// The RCON Server Tool: an older, self-contained rcon console in one window, with its own
// server boxes, its own UDP socket, a terminal line and output, a chat line with colour buttons and four
// menus of ready-made commands. Nothing in the program opens it; it works beside the main window without
// sharing its link, and reaches other windows only through its test buttons, "Get Log" and its closing.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace tvx {

class Form1 : public VbForm {
    Q_OBJECT
public:
    Form1();
    void Form_Load() override;
    // Closing the window runs Form_Unload.
    void Form_QueryClose() override;

    // ---- Operations ----
    // The echo line into txtOutput, then the datagram with the password of the last connect. Raises
    // PlatformError when the socket refuses the send (never connected, or disconnected): the echo line
    // stays, nothing leaves, and the calling handler ends there.
    void Send(const QString& cmd);
    // Keeps `texto` in the window; nothing reads it.
    void Memoria(const QString& texto) { MemoriaText = texto; }
    bool SaveTextToFile(const QString& path, const QString& text, bool overwrite);

    // ---- Window, link and settings ----
    void Form_Unload();
    void Check1_Click();
    void Command1_Click(); // the "Connect" picture
    void Image2_Click();   // the "Disconnect Server" picture
    void txtcmd_KeyDown(int KeyCode, int Shift);
    void udpClient_DataArrival(const QByteArray& bytes);
    void Winsock1_DataArrival(const QByteArray& bytes);
    void Command3_Click(); // "Get RCON"
    void Command4_Click(); // "Fill Gridz"
    void Command5_Click(); // the collected replies into the main window's grid
    void getlogzz_Click(); // "Get Log"

    // ---- Menu commands ----
    void statusz_Click();
    void serverinfoz_Click();
    void warnplayerz_Click();
    void ckickz_Click();
    void onlyplayerkick_Click();
    void clientkickz_Click();
    void kickallz_Click();
    void normalbanz_Click();
    void clientbanz_Click();
    void temporarilybanplayerz_Click();
    void TemporarilyClientBanz_Click();
    void unbanuserz_Click();
    void Backlotz_Click();
    void Blocz_Click();
    void Bogz_Click();
    void Cargoshipz_Click();
    void CityStreetsz_Click();
    void Convoyz_Click();
    void Countdownz_Click();
    void Crashz_Click();
    void Crossfirez_Click();
    void Farmz_Click();
    void Overgrownz_Click();
    void Pipelinez_Click();
    void Shipmentz_Click();
    void nextmapz_Click();
    void restartmapz_Click();
    void fastmaprestartz_Click();
    void takescreenshottoplayer_Click();
    void takescreenshottoall_Click();
    void takescreenshottaskz_Click();
    void kickplayerbypunkbusterz_Click();

    // ---- Chat ----
    void Command2_Click(); // "Send Chat"
    void Command6_Click(); // colour buttons ^1 .. ^7, ^0
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();

    // ---- Window-level state ----
    QString ServerHost;
    QString RconPassword;
    QString ServerPort;
    QString LastReply;
    QString MemoriaText;
    QString txtoutro; // every reply received, back to back

    // ---- Controls ----
    UdpSocket* udpClient = nullptr;
    UdpSocket* Winsock1 = nullptr; // never opened
    QMenuBar* menuBar = nullptr;

    QFrame* Picture1 = nullptr; // banner
    VbLabel* Label6 = nullptr;
    VbLabel* Label7 = nullptr;
    VbLabel* Label8 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command3 = nullptr;

    QGroupBox* Frame2 = nullptr; // "Server Connection"
    VbLabel* Label1 = nullptr;
    VbLineEdit* txtHostIp = nullptr;
    VbLabel* Label2 = nullptr;
    VbLineEdit* txtPort = nullptr;
    VbLabel* Label9 = nullptr;
    VbLineEdit* Text1 = nullptr; // administrator name
    VbLabel* Label3 = nullptr;
    VbLineEdit* txtRcon = nullptr;
    QCheckBox* chHideFunnyNames = nullptr;
    QCheckBox* Check1 = nullptr;
    VbLabel* Command1 = nullptr; // "Connect"
    VbLabel* Image2 = nullptr;   // "Disconnect Server"

    QGroupBox* Frame3 = nullptr; // "Chat"
    VbLineEdit* txtSay = nullptr;
    VbLabel* Command2 = nullptr; // "Send Chat"
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    VbLabel* Label4 = nullptr;

    QGroupBox* Frame1 = nullptr; // "Console"
    VbLabel* Image1 = nullptr;
    VbLabel* Label5 = nullptr;
    VbLineEdit* txtcmd = nullptr;
    VbTextBox* txtOutput = nullptr;

    // ---- Menus ----
    QMenu* coomands = nullptr; // "Server Commands"
    QAction* statusz = nullptr;
    QAction* sep8z = nullptr;
    QAction* serverinfoz = nullptr;
    QAction* systeminfoz = nullptr;
    QAction* sep2z = nullptr;
    QAction* restartserverz = nullptr;
    QMenu* adminzz = nullptr; // "Admin Commands"
    QAction* warnplayerz = nullptr;
    QAction* sep5z = nullptr;
    QMenu* kickzz = nullptr;
    QAction* ckickz = nullptr;
    QAction* onlyplayerkick = nullptr;
    QAction* clientkickz = nullptr;
    QAction* sep7z = nullptr;
    QAction* kickallz = nullptr;
    QMenu* banzz = nullptr;
    QAction* normalbanz = nullptr;
    QAction* clientbanz = nullptr;
    QAction* sep3z = nullptr;
    QAction* temporarilybanplayerz = nullptr;
    QAction* temporarilyclientbanz = nullptr;
    QAction* sep4z = nullptr;
    QAction* unbanuserz = nullptr;
    QAction* getlogzz = nullptr;
    QMenu* mapcontrolz = nullptr; // "Map Control"
    QMenu* loadthismapz = nullptr;
    QAction* Backlotz = nullptr;
    QAction* Blocz = nullptr;
    QAction* Bogz = nullptr;
    QAction* Cargoshipz = nullptr;
    QAction* CityStreetsz = nullptr;
    QAction* Convoyz = nullptr;
    QAction* Countdownz = nullptr;
    QAction* Crashz = nullptr;
    QAction* Crossfirez = nullptr;
    QAction* Farmz = nullptr;
    QAction* Overgrownz = nullptr;
    QAction* Pipelinez = nullptr;
    QAction* Shipmentz = nullptr;
    QAction* sep1z = nullptr;
    QAction* nextmapz = nullptr;
    QAction* restartmapz = nullptr;
    QAction* fastmaprestartz = nullptr;
    QMenu* punkbustercomdz = nullptr; // "Punkbuster Commands"
    QAction* takescreenshottoplayer = nullptr;
    QAction* takescreenshottoall = nullptr;
    QAction* takescreenshottaskz = nullptr;
    QAction* sep9z = nullptr;
    QAction* kickplayerbypunkbusterz = nullptr;

    // The four menus, left to right.
    QList<QMenu*> topMenus() const { return {coomands, adminzz, mapcontrolz, punkbustercomdz}; }

private:
    void buildBanner(QWidget* client);
    void buildConnectionFrame(QWidget* client);
    void buildChatFrame(QWidget* client);
    void buildConsoleFrame(QWidget* client);
    void buildMenus();
    // Menus, "Disconnect Server" and "Send Chat" follow the link: usable between a connect and a disconnect.
    void setLinkControls(bool connected);
    // Shows the item's prompts, then sends its command completed with the answers.
    void menuCommand(QStringView item);
    void appendColour(int button);
    // Empty the server address and password, and put the design port in.
    void ClearServerFields1();
    void ClearServerFields2() { ClearServerFields1(); }
    void ClearServerFields3() { ClearServerFields1(); }
};

} // namespace tvx
