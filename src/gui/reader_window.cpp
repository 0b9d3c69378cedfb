#include "gui/reader_window.h"

#include "gui/base/twips.h"

#include <QFontDatabase>

namespace tvx {

log::log() {
    setObjectName(u"log"_qs);
    setWindowTitle(u"Reader"_qs);
    setToolWindowBorder();
    QFont f(u"Tahoma"_qs);
    f.setPointSizeF(8.25);
    setFont(f);
    Text1 = new VbTextBox(this, u"Text1"_qs);
    Text1->setGeometry(twipsRect(0, 0, 8895, 6855));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    Text1->setFont(fixed);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setClientTwips(8895, 6855);
}

} // namespace tvx
