#include "gui/daemon_users_window.h"

#include "core/tools/daemon_users.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/login_window.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

VbLabel* boldLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    return label(parent, name, caption, r, art::tahoma(9, true));
}

// Where each permission's check box lies in the permission frame, in the permission string's order.
constexpr std::array<std::array<int, 4>, 9> kCheckPlaces{{
    {240, 360, 1335, 255},
    {240, 600, 1335, 255},
    {240, 840, 1335, 255},
    {240, 1080, 1335, 255},
    {240, 1320, 855, 255},
    {240, 1560, 1335, 255},
    {1680, 360, 1335, 255},
    {1680, 600, 2295, 255},
    {1680, 840, 2295, 255},
}};

} // namespace

Form6::Form6() {
    setObjectName(u"Form6"_s);
    setWindowTitle(u"Add New User to Daemon"_s);
    setToolWindowBorder();
    setFont(art::tahoma(9));

    Frame1 = boxFrame(this, u"Frame1"_s, twipsRect(120, 0, 3375, 2415));
    Label1 = boldLabel(Frame1, u"Label1"_s, u"Username:"_s, twipsRect(120, 240, 2655, 255));
    Text1 = lineBox(Frame1, u"Text1"_s, twipsRect(120, 480, 3015, 315));
    Label2 = boldLabel(Frame1, u"Label2"_s, u"Password:"_s, twipsRect(120, 960, 2895, 255));
    Text2 = lineBox(Frame1, u"Text2"_s, twipsRect(120, 1200, 3015, 315));
    Label3 = boldLabel(Frame1, u"Label3"_s, u"Level:"_s, twipsRect(120, 1680, 1695, 255));
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(u"Combo1"_s);
    // A drop-down combo: the three words to pick from, or any text typed in, which goes out as typed.
    Combo1->setEditable(true);
    Combo1->addItems({u"mp"_s, u"admin"_s, u"poweradmin"_s});
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
    Combo1->setGeometry(twipsRect(120, 1920, 3015, 330));

    Command2 = button(this, u"Command2"_s, u"Add New User"_s, twipsRect(120, 2520, 1695, 375));
    Command1 = button(this, u"Command1"_s, u"Cancel"_s, twipsRect(2160, 2520, 1335, 375));
    for (QPushButton* b : {Command2, Command1})
        b->setFont(art::tahoma(8.25));

    Frame2 = groupBox(this, u"Frame2"_s, u"Permitions"_s, twipsRect(4320, 0, 4095, 1935));
    const auto table = permissionTable();
    QCheckBox** boxes[] = {&Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8, &Check9};
    for (std::size_t i = 0; i < table.size(); ++i) {
        auto* c = new QCheckBox(table[i].caption.toString(), Frame2);
        c->setObjectName(table[i].checkBox.toString());
        const auto& p = kCheckPlaces[i];
        c->setGeometry(twipsRect(p[0], p[1], p[2], p[3]));
        *boxes[i] = c;
        const int position = table[i].position;
        connect(c, &QCheckBox::toggled, this,
                [this, position] { resumeNext([&] { checkClicked(position); }); });
    }
    Text3 = lineBox(Frame2, u"Text3"_s, twipsRect(2160, 1560, 2655, 315));
    Text3->setVisible(false);
    Command3 = button(Frame2, u"Command3"_s, u"Set Permitions"_s, twipsRect(1680, 1200, 2295, 375));

    // The design's tab order: the two buttons first, then the fields, then the permission frame.
    QWidget* order[] = {Command1, Command2, Text1,  Text2, Combo1,   Check1, Check2, Check3,
                        Check4,   Check5,   Check6, Text3, Command3, Check7, Check8, Check9};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Command3, &QPushButton::clicked, this, [this] { resumeNext([this] { Command3_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { resumeNext([this] { Command2_Click(); }); });
    connect(Command1, &QPushButton::clicked, this, [this] { resumeNext([this] { Command1_Click(); }); });

    setClientTwips(3600, 3060);
}

void Form6::Form_Load() {
    for (QString* member : permissions())
        *member = u"0"_s;
}

std::array<QCheckBox*, 9> Form6::checks() const {
    return {Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9};
}

std::array<QString*, 9> Form6::permissions() {
    return {&PermPlayersList, &PermChat,     &PermConfigs,    &PermMaps,      &PermAdmin,
            &PermConsole,     &PermAddUsers, &PermChangeRcon, &PermBanPlayers};
}

void Form6::checkClicked(int position) {
    const std::size_t i = static_cast<std::size_t>(position - 1);
    // Only a tick counts: the grey state is a "0" like a clear box.
    *permissions()[i] = checks()[i]->checkState() == Qt::Checked ? u"1"_s : u"0"_s;
}

void Form6::Check1_Click() {
    checkClicked(1);
}
void Form6::Check2_Click() {
    checkClicked(2);
}
void Form6::Check3_Click() {
    checkClicked(3);
}
void Form6::Check4_Click() {
    checkClicked(4);
}
void Form6::Check5_Click() {
    checkClicked(5);
}
void Form6::Check6_Click() {
    checkClicked(6);
}
void Form6::Check7_Click() {
    checkClicked(7);
}
void Form6::Check8_Click() {
    checkClicked(8);
}
void Form6::Check9_Click() {
    checkClicked(9);
}

void Form6::Command3_Click() {
    QStringList members;
    for (const QString* member : permissions())
        members << *member;
    Text3->setText(permissionString(members));
}

void Form6::Command2_Click() {
    const QString user = Text1->text();
    const QString password = Text2->text();
    const QString level = Combo1->currentText();
    if (const AddUserRefusal refusal = addUserRefusal(user, password, level);
        refusal != AddUserRefusal::None) {
        platform().dialogs->msgBox(addUserRefusalText(refusal), mb::Critical, kBoxTitle);
        return;
    }
    try {
        Forms::get<Form4>().SendRequestToDaemon(addUserRequest(user, password, level),
                                                DaemonRequest::AddUser);
    } catch (const PlatformError& e) {
        // The link is gone: say so, and keep what was typed for another try.
        platform().dialogs->msgBox(u"Error: "_s + e.description(), mb::Critical,
                                   u"Error nº "_s + QString::number(e.number()));
        return;
    }
    Unload();
}

void Form6::Command1_Click() {
    Unload();
}

} // namespace tvx
