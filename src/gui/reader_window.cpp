#include "gui/reader_window.h"

#include "gui/base/artwork.h"
#include "gui/base/twips.h"

using namespace Qt::StringLiterals;

namespace tvx {

log::log() {
    setObjectName(u"log"_s);
    setWindowTitle(u"Reader"_s);
    setToolWindowBorder();
    setFont(art::tahoma(8.25));
    Text1 = new VbTextBox(this, u"Text1"_s);
    Text1->setGeometry(twipsRect(0, 0, 8895, 6855));
    Text1->setFont(art::fixedFont(9));
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setClientTwips(8895, 6855);
}

void log::SetText(const QString& text) {
    Text1->setText(text);
}

void log::AppendText(const QString& text) {
    Text1->append(text);
}

} // namespace tvx
