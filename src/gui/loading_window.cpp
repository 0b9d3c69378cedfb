#include "gui/loading_window.h"

#include "gui/base/artwork.h"
#include "gui/base/builders.h"
#include "gui/base/twips.h"
#include "gui/main/main_window.h"

#include <QWindow>

using namespace Qt::StringLiterals;

namespace tvx {
namespace {

VbLabel* caption(QWidget* parent, const QString& name, const QString& text, const QRect& r, const QFont& font,
                 const QColor& colour, Qt::Alignment align) {
    auto* l = new VbLabel(parent, name, text);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(true);
    setForeColour(l, colour);
    return l;
}

} // namespace

Loadingfdf::Loadingfdf() {
    setObjectName(u"Loadingfdf"_s);
    setWindowTitle(u"Wait..."_s);
    setToolWindowBorder();
    setFont(art::tahoma(8.25));
    Label1 = caption(
        this, u"Label1"_s, u"Please wait while TORVANEX sets up your server... This may take a few minutes"_s,
        twipsRect(240, 120, 4575, 615), art::tahoma(9, true), QColor(0, 64, 0), Qt::AlignHCenter);
    Label3 = caption(this, u"Label3"_s, u"wait..."_s, twipsRect(360, 840, 4455, 255), art::tahoma(8.25, true),
                     Qt::black, Qt::AlignLeft);
    Label3->setWordWrap(false);
    Label2 =
        caption(this, u"Label2"_s, u"This window will close when Done!"_s, twipsRect(120, 1080, 4935, 255),
                art::tahoma(12, true), QColor(255, 0, 0), Qt::AlignHCenter);
    Label2->setWordWrap(false);
    setClientTwips(5100, 1500);
    // Centred on the console when it is on screen.
    if (const Main* owner = Forms::ifLoaded<Main>(); owner && owner->isVisible())
        move(owner->geometry().center() - QPoint(width() / 2, height() / 2));
}

void Loadingfdf::SetProgress(const QString& caption) {
    Label3->setCaption(caption);
}

void Loadingfdf::showEvent(QShowEvent* event) {
    // Owned by the console: the desktop keeps it above the console, also when the console is clicked while
    // a step pauses.
    if (const Main* owner = Forms::ifLoaded<Main>();
        owner && owner->isVisible() && owner->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(owner->windowHandle());
    VbForm::showEvent(event);
}

} // namespace tvx
