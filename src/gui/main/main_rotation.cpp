// The map rotation frame of the settings page: pairs of game type and map added to the rotation text,
// cleared, and sent as the server's rotation.
#include "core/commands/map_rotation.h"

#include "gui/main/main_window.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {

void Main::connectRotationFrame() {
    const std::pair<VbLabel*, void (Main::*)()> handlers[] = {
        {Label39, &Main::Label39_Click},
        {Label40, &Main::Label40_Click},
        {Label41, &Main::Label41_Click},
    };
    for (const auto& [label, handler] : handlers)
        onClick(label, handler);
}

void Main::Label39_Click() {
    const QString map = Combo1->currentText();
    const QString gameType = Combo2->currentText();
    if (map.isEmpty() || gameType.isEmpty()) {
        platform().dialogs->msgBox(u"Please select both map and gametype!"_s, mb::Information, kBoxTitle);
        return;
    }
    Text12->setText(rotationWithEntry(Text12->Text(), map, gameType));
}

void Main::Label40_Click() {
    Text12->setText(QString());
}

void Main::Label41_Click() {
    if (Text12->Text().isEmpty()) {
        platform().dialogs->msgBox(u"Please add a map rotation first!"_s, mb::Information, u"Maps"_s);
        return;
    }
    const RotationRefusal refusal = rotationRefusal(Text12->Text(), txtAspas, RconPassword);
    if (refusal != RotationRefusal::None) {
        platform().dialogs->msgBox(rotationRefusalText(refusal), mb::Information, kBoxTitle);
        return;
    }
    sendCommands(u"Label41");
}

} // namespace tvx
