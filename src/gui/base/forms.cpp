#include "gui/base/forms.h"

#include "gui/base/twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

namespace tvx {
namespace {

Platform& installed() {
    static Platform p;
    return p;
}

} // namespace

VbForm::VbForm(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

VbForm::~VbForm() = default;

void VbForm::Form_QueryClose() {
    Unload();
}

void VbForm::Show() {
    // A window that is open but minimised comes back: show() alone leaves it so, and only the window
    // manager (or the user's Alt+Tab) would bring it.
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void VbForm::Unload() {
    Forms::unloadForm(this);
}

Platform& VbForm::platform() const {
    return Forms::platform();
}

void VbForm::setClientTwips(int width, int height) {
    setFixedSize(twips(width), twips(height));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(twips(width) / 2, twips(height) / 2));
    }
}

void VbForm::setToolWindowBorder() {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

void VbForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    Form_QueryClose();
}

void Forms::install(const Platform& platform) {
    installed() = platform;
}
Platform& Forms::platform() {
    return installed();
}

std::unordered_map<std::type_index, QPointer<VbForm>>& Forms::forms() {
    static std::unordered_map<std::type_index, QPointer<VbForm>> map;
    return map;
}

void Forms::unloadForm(VbForm* form) {
    for (auto it = forms().begin(); it != forms().end(); ++it) {
        if (it->second == form) {
            forms().erase(it);
            break;
        }
    }
    form->hide();
    form->deleteLater();
}

void Forms::unloadAll() {
    auto all = std::exchange(forms(), {});
    for (auto& [key, form] : all) {
        if (form)
            delete form.data();
    }
}

} // namespace tvx
