#pragma once
// A frame drawn the classic way: a thin line around it with the caption sitting on its top line, so the
// positions of the controls inside (measured from the frame's top) leave room for the caption.
#include <QGroupBox>

namespace tvx {

class VbFrame : public QGroupBox {
    Q_OBJECT
public:
    VbFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tvx
