#pragma once
// The warning box "Input box": the administrator types a message that only one player sees. It keeps the
// player's slot as it was when the box opened, and is not modal.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

#include <QPushButton>

namespace tvx {

class Form2 : public VbForm {
    Q_OBJECT
public:
    Form2();
    // The player the box warns: what it says of the warning, and the slot as the grid held it when the box
    // was asked for.
    void SetPlayer(const QString& description, const QString& slot);

    void Command1_Click(); // "Ok": sends the warning and closes
    void Command2_Click(); // "Cancel": closes, nothing sent

    VbLabel* lbldesc = nullptr;
    VbLabel* Image1 = nullptr;
    VbLabel* lblusage = nullptr; // hidden: the player's game slot
    VbLineEdit* Text1 = nullptr; // the message
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace tvx
