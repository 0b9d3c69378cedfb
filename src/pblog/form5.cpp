#include "form5.h"

namespace tvx {

Form5::Form5() {
    setObjectName(u"Form5"_qs);
    setWindowTitle(u"PBUCON"_qs);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
}

void Form5::Form_Load() { hide(); }

} // namespace tvx
