#pragma once
// The login window: RCON or Daemon mode, ten saved server profiles, the daemon link, and the hand-over of
// the session to the main window.
#include "core/link/daemon_protocol.h"

#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace tvx {

class Form4 : public VbForm {
    Q_OBJECT
public:
    Form4();
    void Form_Load() override;
    void Form_QueryClose() override;

    // Controls, named as the window names them.
    QMenuBar* menuBar = nullptr;
    QMenu* loadz = nullptr;
    QMenu* save = nullptr;
    QList<QAction*> loadItems; // LoadServer1, LoadServer2z, LoadServer3z, ls4 .. ls10
    QList<QAction*> saveItems; // ss1 .. ss10
    QFrame* Frame1 = nullptr;
    VbLineEdit* Text3 = nullptr; // daemon address
    VbLineEdit* Text9 = nullptr; // daemon port
    VbLineEdit* Text6 = nullptr; // rcon password
    VbLineEdit* Text4 = nullptr; // server address
    VbLineEdit* Text5 = nullptr; // server port
    VbLineEdit* Text1 = nullptr; // daemon user name
    VbLineEdit* Text2 = nullptr; // daemon password
    QComboBox* Combo1 = nullptr; // level
    VbLineEdit* Text7 = nullptr; // UCON port
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option1 = nullptr; // Daemon mode
    QRadioButton* Option2 = nullptr; // RCON mode
    VbLabel* Label3 = nullptr;       // status line
    QPushButton* Command3 = nullptr; // "Login"
    QPushButton* Command1 = nullptr; // "Connect"
    QPushButton* Command2 = nullptr; // "Quit"
    QString statusz = QStringLiteral("none");
    QString Text8; // the UCON client configuration text
    VbTimer* Timer1 = nullptr;
    TcpClient* Winsock1 = nullptr;

    // Flags of the daemon link.
    QString LogRequested;
    QString RconPassPending;

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();
    void Winsock1_DataArrival(const QByteArray& bytes);
    void Winsock1_Error(int number, const QString& description);
    void Winsock1_SendComplete();
    void LoadServer(int n);
    void SaveServer(int n);

    // Operations.
    void DONELoad();
    void UCONLoad();
    void SaveUCONIni(const QString& path);
    void islo(const QString& isit) { LogRequested = isit; }
    // One message on the daemon link exactly as given: no user name before it, no terminator. Raises
    // PlatformError when the link is not connected.
    void SendToDaemon(const QString& message);
    // A request the daemon answers with a notice: sent as SendToDaemon sends, then its notice is awaited.
    void SendRequestToDaemon(const QString& message, DaemonRequest request);
    bool SaveTextToFile(const QString& path, const QString& text, bool overwrite);
    // The daemon user name as typed now: every command copy carries it, read when the copy leaves.
    QString UserName() const { return Text1->text(); }
    // Whether the daemon link stands now.
    bool DaemonConnected() const { return Winsock1->state() == sock::Connected; }

    // How long the hand-over waits for the daemon's rcon password.
    int rconPassTimeoutMs = 15000;
    bool awaitingRconPass() const { return awaitingPass_; }

private:
    void applyMode(bool daemon);
    void finishDaemonHandOver();
    void abandonHandOver(const QString& why);
    QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                       int width);
    VbLineEdit* field(QWidget* parent, const QString& name, int left, int top, int width);

    bool awaitingPass_ = false;
    // The "Access Granted" box is open. A modal box lets the next message in, so level words sent one after
    // another would otherwise open acceptances inside acceptances without end.
    bool granting_ = false;
    QTimer* passTimer_ = nullptr;
    DaemonNotices notices_;
};

} // namespace tvx
