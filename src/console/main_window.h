#pragma once
// The console window: status row, players grid, pages, the rcon link and the routing of its replies.
#include "common/forms.h"
#include "common/grid_control.h"
#include "common/vb_controls.h"

#include <QFrame>

namespace tvx {

class Main : public VbForm {
    Q_OBJECT
public:
    Main();
    ~Main() override;
    void Form_Load() override;
    void Form_QueryClose() override;

    // ---- Rcon link ----
    void Send(const QString& cmd);
    void WaitSend(const QString& Cmdz);
    // Aims the socket at the server and sends "status"; false when it failed (the error was shown).
    bool Connect();
    void Disconnect();
    void IdentDaemon(const QString& Result) { DaemonMode = Result; }
    void IsThisDaemon() { Text43 = DaemonMode == u"1" ? QStringLiteral("1") : QStringLiteral("0"); }
    void Timer2_Timer();
    void udpClient_Error(int number, const QString& description);

    // ---- Replies ----
    void udpClient_DataArrival(const QByteArray& bytes);
    void Timer3_Timer();

    // ---- Status and players grid ----
    void GetPlayers();
    void Cleanup();
    void RemoveBlanks();
    void FillGrid();
    static qsizetype GetLineCount(const QString& box);
    static QString GetTextboxLine(const QString& txtTextbox, qsizetype lngLineNumber = 0);
    void GetFourthLine();
    void RefreshPlayers() { GetPlayers(); }

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

private:
    void buildLayout();
    VbLabel* onOffLabel(const QString& name, const QString& caption);
};

} // namespace tvx
