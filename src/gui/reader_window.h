#pragma once
// The text viewer "Reader": one editable multi-line box in a fixed-pitch font; nothing reads it back.
#include "gui/base/forms.h"
#include "gui/base/vb_controls.h"

namespace tvx {

// The window's system name is `log`.
class log : public VbForm { // NOLINT(readability-identifier-naming)
    Q_OBJECT
public:
    log();
    // What other windows show here: the whole text, or more text after what is there.
    void SetText(const QString& text);
    void AppendText(const QString& text);

    VbTextBox* Text1 = nullptr;
};

} // namespace tvx
