#include "gui/warning_window.h"

#include "core/commands/command_table.h"
#include "core/commands/player_actions.h"
#include "core/text/text_util.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/main/main_window.h"

using namespace Qt::StringLiterals;

namespace tvx {

Form2::Form2() {
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Input box"_s);
    setToolWindowBorder();
    setFont(art::tahoma(8.25));

    lbldesc = label(this, u"lbldesc"_s, QString(), twipsRect(120, 120, 6015, 495));
    lbldesc->setWordWrap(true);
    Image1 = label(this, u"Image1"_s, QString(), twipsRect(6240, 120, 480, 480));
    Image1->setPixmap(art::warningIcon(QSize(32, 32)));
    lblusage = label(this, u"lblusage"_s, QString(), twipsRect(120, 600, 6615, 255));
    lblusage->hide();
    Text1 = lineBox(this, u"Text1"_s, twipsRect(120, 840, 6615, 285));
    Command1 = button(this, u"Command1"_s, u"Ok"_s, twipsRect(4440, 1200, 1095, 375));
    Command2 = button(this, u"Command2"_s, u"Cancel"_s, twipsRect(5640, 1200, 1095, 375));
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    setClientTwips(6885, 1725);
}

void Form2::SetPlayer(const QString& description, const QString& slot) {
    lbldesc->setCaption(description);
    lblusage->setCaption(slot);
}

void Form2::Command1_Click() {
    // Each step on its own: a refused send still closes the box.
    resumeNext([this] { lblusage->setCaption(trimBlanks(lblusage->Caption())); });
    resumeNext([this] {
        for (const CommandRow& row : commandsOf(CommandWindow::Form3, u"warnplayerz")) {
            const QString slot = lblusage->Caption();
            if (const PlayerRefusal r = playerRefusal(row.completion, slot); r != PlayerRefusal::None) {
                platform().dialogs->msgBox(refusalText(r), mb::Information, kBoxTitle);
                return;
            }
            Forms::get<Main>().Send(commandText(row, Completing{slot, {}, {}, Text1->text(), {}}));
        }
    });
    resumeNext([this] { Unload(); });
}

void Form2::Command2_Click() {
    Unload();
}

} // namespace tvx
