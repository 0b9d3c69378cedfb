#pragma once
// The add-user window: a new daemon user's name, password and level, sent to the daemon as one ADDUSER
// request; and a permission frame that was laid out beyond the window's right edge, so nobody sees it.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include <array>

namespace tvx {

class Form6 : public VbForm {
    Q_OBJECT
public:
    Form6();
    void Form_Load() override;

    QFrame* Frame1 = nullptr;
    VbLabel* Label1 = nullptr;
    VbLineEdit* Text1 = nullptr; // the new user's name
    VbLabel* Label2 = nullptr;
    VbLineEdit* Text2 = nullptr; // the new user's password, shown in plain
    VbLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr;     // the level
    QPushButton* Command2 = nullptr; // "Add New User"
    QPushButton* Command1 = nullptr; // "Cancel"
    QGroupBox* Frame2 = nullptr;     // "Permitions", outside the visible area
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QCheckBox* Check8 = nullptr;
    QCheckBox* Check9 = nullptr;
    VbLineEdit* Text3 = nullptr;     // the permission string; never shown
    QPushButton* Command3 = nullptr; // "Set Permitions"

    // One "1" or "0" per check box, in the permission string's order.
    QString PermPlayersList;
    QString PermChat;
    QString PermConfigs;
    QString PermMaps;
    QString PermAdmin;
    QString PermConsole;
    QString PermAddUsers;
    QString PermChangeRcon;
    QString PermBanPlayers;

    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Check6_Click();
    void Check7_Click();
    void Check8_Click();
    void Check9_Click();
    void Command3_Click(); // "Set Permitions"
    void Command2_Click(); // "Add New User"
    void Command1_Click(); // "Cancel"

    // The check boxes and their members, in the permission string's order.
    std::array<QCheckBox*, 9> checks() const;
    std::array<QString*, 9> permissions();

private:
    void checkClicked(int position);
};

} // namespace tvx
