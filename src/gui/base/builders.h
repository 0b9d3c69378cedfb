#pragma once
// The small builders the windows lay their controls out with: each makes one control, gives it its system
// name (so tests find it with findChild) and its place, and sets nothing else unless asked.
#include "gui/base/vb_controls.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace tvx {

VbLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r);
VbLabel* label(QWidget* parent, const QString& name, const QString& caption, const QRect& r,
               const QFont& font);

VbLineEdit* lineBox(QWidget* parent, const QString& name, const QRect& r);
VbLineEdit* lineBox(QWidget* parent, const QString& name, const QString& text, const QRect& r);

// Text colour of a label or box, kept whether the control is active, inactive or disabled.
void setForeColour(QWidget* w, const QColor& colour);

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& r);

// The toolkit's own group box, its caption drawn by the style (VbFrame draws it on the border line).
QGroupBox* groupBox(QWidget* parent, const QString& name, const QString& caption, const QRect& r);
// A frame with no caption: a sunken box line around it.
QFrame* boxFrame(QWidget* parent, const QString& name, const QRect& r);

// A menu whose entry in its parent menu or bar carries its name too.
QMenu* menu(QWidget* parent, const QString& name, const QString& caption);
QAction* item(QMenu* in, const QString& name, const QString& caption);
QAction* separator(QMenu* in, const QString& name);
QMenu* submenu(QMenu* in, const QString& name, const QString& caption);

} // namespace tvx
