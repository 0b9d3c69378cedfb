#include "gui/base/dialogs_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tvx {

int QtDialogs::msgBox(const QString& text, int style, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (style & 0x70) {
    case mb::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case mb::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case mb::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case mb::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    QList<QPair<QAbstractButton*, int>> buttons;
    switch (style & 0x7) {
    case mb::OkCancel:
        buttons = {{box.addButton(QMessageBox::Ok), mb::Ok},
                   {box.addButton(QMessageBox::Cancel), mb::Cancel}};
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case mb::YesNo:
        buttons = {{box.addButton(QMessageBox::Yes), mb::Yes}, {box.addButton(QMessageBox::No), mb::No}};
        break;
    default:
        buttons = {{box.addButton(QMessageBox::Ok), mb::Ok}};
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    // A default button beyond the ones the box has falls back to the first.
    const int wanted = (style & 0xF00) / 256;
    auto* def = qobject_cast<QPushButton*>(buttons.value(wanted < buttons.size() ? wanted : 0).first);
    if (def)
        box.setDefaultButton(def);
    box.exec();
    for (const auto& [button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    // Closed without a button: the box's cancel answer.
    return (style & 0x7) == mb::YesNo ? mb::No : ((style & 0x7) == mb::OkCancel ? mb::Cancel : mb::Ok);
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    QInputDialog dlg(QApplication::activeWindow());
    dlg.setWindowTitle(title.isEmpty() ? kAppTitle : title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    dlg.setInputMode(QInputDialog::TextInput);
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.textValue();
}

QString QtDialogs::openFile(QWidget* owner, const QString& title, const QString& filter,
                            const QString& initialFolder) {
    return QFileDialog::getOpenFileName(owner, title, initialFolder, filter);
}

} // namespace tvx
