// The maps page: a map chosen in the list becomes the chosen-map caption and shows its preview alone
// ("Custom Map" asks for a name and keeps the preview); the change, next-map and the two restarts.
#include "core/commands/command_table.h"
#include "core/commands/map_rotation.h"

#include "gui/main/main_window.h"

#include <QEvent>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

// Notes each mouse press on the list, so that a click which did not change the selection is told apart
// from one that did (and was handled as that change).
class PressWatch final : public QObject {
public:
    PressWatch(QObject* parent, std::shared_ptr<bool> changedByPress)
        : QObject(parent), changed_(std::move(changedByPress)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            *changed_ = false;
        return QObject::eventFilter(watched, event);
    }

private:
    std::shared_ptr<bool> changed_;
};

} // namespace

void Main::connectMapsPage() {
    const std::pair<VbLabel*, void (Main::*)()> handlers[] = {
        {Label14, &Main::Label14_Click},
        {Label10, &Main::Label10_Click},
        {Label11, &Main::Label11_Click},
        {Label12, &Main::Label12_Click},
    };
    for (const auto& [label, handler] : handlers)
        onClick(label, handler);

    // Every new selection, by mouse or keyboard, is one click; so is a click on the item already selected,
    // so that choosing "Custom Map" again asks again.
    auto changedByPress = std::make_shared<bool>(false);
    List1->viewport()->installEventFilter(new PressWatch(List1, changedByPress));
    connect(List1, &QListWidget::itemSelectionChanged, this, [this, changedByPress] {
        *changedByPress = true;
        resumeNext([this] { List1_Click(); });
    });
    connect(List1, &QListWidget::itemClicked, this, [this, changedByPress] {
        if (!std::exchange(*changedByPress, true))
            resumeNext([this] { List1_Click(); });
    });
}

void Main::List1_Click() {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    const QString item = selected.isEmpty() ? QString() : selected.first()->text();
    Label13->setCaption(item);
    VbLabel* const maps[] = {Image12, Image13, Image14, Image15, Image16, Image17, Image18,
                             Image19, Image20, Image21, Image22, Image23, Image24};
    switch (previewFor(item)) {
    case PreviewChange::ShowMap:
        Image27->hide();
        for (VbLabel* p : maps)
            p->setVisible(p->property("map").toString() == item);
        break;
    case PreviewChange::Keep:
        Label13->setCaption(platform().dialogs->inputBox(u"Type the name of the map (example: mp_newmap)"_s,
                                                         u"Custom Map"_s, u"mp_"_s));
        break;
    case PreviewChange::ShowDefault:
        for (VbLabel* p : maps)
            p->hide();
        Image27->show();
        break;
    }
}

void Main::Label14_Click() {
    if (Label13->Caption() == kNoMapChosen) {
        platform().dialogs->msgBox(u"Please select a map first!"_s, mb::Information, u"Map"_s);
        return;
    }
    sendCommands(u"Label14");
}

void Main::Label10_Click() {
    sendCommands(u"Label10");
}

void Main::Label11_Click() {
    sendCommands(u"Label11");
}

void Main::Label12_Click() {
    sendCommands(u"Label12");
}

} // namespace tvx
