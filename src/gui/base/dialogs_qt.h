#pragma once
#include "core/platform/platform.h"

#include <memory>

class QInputDialog;
class QMessageBox;

namespace tvx {

// Modal boxes over QMessageBox and QInputDialog: socket events and timer ticks keep flowing while one is
// open. Texts are shown as plain text.
class QtDialogs final : public Dialogs {
public:
    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const QString& title, const QString& filter, const QString& initialFolder) override;
};

// The boxes as msgBox and inputBox show them, built but not run; both keep their size, and an input box
// has no minimise or maximise button. Each button of the message box carries
// its mb answer in the property "answer".
std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, int style, const QString& title,
                                            QWidget* parent = nullptr);
std::unique_ptr<QInputDialog> makeInputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText, QWidget* parent = nullptr);

// The width a box needs for its whole title in the window's title bar, with the window's buttons beside it.
int widthForTitle(const QString& title);

} // namespace tvx
