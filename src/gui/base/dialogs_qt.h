#pragma once
#include "core/platform/platform.h"

namespace tvx {

// Modal boxes over QMessageBox and QInputDialog: socket events and timer ticks keep flowing while one is
// open. Texts are shown as plain text.
class QtDialogs final : public Dialogs {
public:
    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(QWidget* owner, const QString& title, const QString& filter,
                     const QString& initialFolder) override;
};

} // namespace tvx
