#include "gui/base/vb_frame.h"

#include <QPainter>

namespace tvx {

VbFrame::VbFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
    : QGroupBox(caption, parent) {
    setObjectName(name);
    setGeometry(geometry);
}

void VbFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = title().isEmpty() ? 0 : fm.height() / 2;
    p.setPen(QColor(0xa4, 0xae, 0xa6));
    p.drawRect(rect().adjusted(0, top, -1, -1));
    if (title().isEmpty())
        return;
    const QRect caption(6, 0, fm.horizontalAdvance(title()) + 6, fm.height());
    p.fillRect(caption, palette().window());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter, title());
}

} // namespace tvx
