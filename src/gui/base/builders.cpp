#include "gui/base/builders.h"

namespace tvx {

VbLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    auto* l = new VbLabel(parent, name, caption);
    l->setGeometry(r);
    return l;
}

VbLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r,
               const QFont& font) {
    VbLabel* l = label(parent, name, caption, r);
    l->setFont(font);
    return l;
}

VbLineEdit* lineBox(QWidget* parent, const QString& name, const QRect& r) {
    return lineBox(parent, name, QString(), r);
}

VbLineEdit* lineBox(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    auto* e = new VbLineEdit(parent, name, text);
    e->setGeometry(r);
    return e;
}

void setForeColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::Text, colour);
    }
    w->setPalette(p);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    return b;
}

QGroupBox* groupBox(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    f->setGeometry(r);
    return f;
}

QFrame* boxFrame(QWidget* parent, const QString& name, const QRect& r) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(r);
    return f;
}

QMenu* menu(QWidget* parent, const QString& name, const QString& caption) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* item(QMenu* in, const QString& name, const QString& caption) {
    QAction* a = in->addAction(caption);
    a->setObjectName(name);
    return a;
}

QAction* separator(QMenu* in, const QString& name) {
    QAction* a = in->addSeparator();
    a->setObjectName(name);
    return a;
}

QMenu* submenu(QMenu* in, const QString& name, const QString& caption) {
    QMenu* m = menu(in, name, caption);
    in->addMenu(m);
    return m;
}

} // namespace tvx
