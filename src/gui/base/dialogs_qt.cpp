#include "gui/base/dialogs_qt.h"

#include "gui/base/vb_controls.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

namespace tvx {
namespace {

const char* const kAnswer = "answer";

// Widens a box's layout to `width` at least. A message box sizes itself to its layout when it is shown, so
// a minimum width set on the box itself would be lost.
void widenTo(QWidget* box, int width) {
    QLayout* layout = box->layout();
    if (!layout)
        return;
    const QMargins m = layout->contentsMargins();
    auto* spacer =
        new QSpacerItem(qMax(width - m.left() - m.right(), 0), 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
        grid->addItem(spacer, grid->rowCount(), 0, 1, qMax(grid->columnCount(), 1));
    else
        layout->addItem(spacer);
}

} // namespace

int widthForTitle(const QString& title) {
    // Window managers draw titles in their own font, usually bold: measure with the title-bar font made
    // bold, and leave room for the window's icon and its buttons.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics fm(font);
    const int button = fm.height() + 10;
    int width = fm.horizontalAdvance(title) + 4 * button + 2 * fm.height();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        width = qMin(width, screen->availableGeometry().width());
    return width;
}

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, int style, const QString& title,
                                            QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title.isEmpty() ? kAppTitle : title);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    switch (style & 0x70) {
    case mb::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    case mb::Question:
        box->setIcon(QMessageBox::Question);
        break;
    case mb::Exclamation:
        box->setIcon(QMessageBox::Warning);
        break;
    case mb::Information:
        box->setIcon(QMessageBox::Information);
        break;
    default:
        box->setIcon(QMessageBox::NoIcon);
        break;
    }
    QList<QAbstractButton*> buttons;
    auto add = [&](QMessageBox::StandardButton which, int answer) {
        QAbstractButton* b = box->addButton(which);
        b->setProperty(kAnswer, answer);
        buttons << b;
    };
    switch (style & 0x7) {
    case mb::OkCancel:
        add(QMessageBox::Ok, mb::Ok);
        add(QMessageBox::Cancel, mb::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case mb::YesNo:
        add(QMessageBox::Yes, mb::Yes);
        add(QMessageBox::No, mb::No);
        break;
    default:
        add(QMessageBox::Ok, mb::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    }
    // A default button beyond the ones the box has falls back to the first.
    const int wanted = (style & 0xF00) / 256;
    if (auto* def = qobject_cast<QPushButton*>(buttons.value(wanted < buttons.size() ? wanted : 0)))
        box->setDefaultButton(def);
    widenTo(box.get(), widthForTitle(box->windowTitle()));
    return box;
}

std::unique_ptr<QInputDialog> makeInputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText, QWidget* parent) {
    auto dlg = std::make_unique<QInputDialog>(parent);
    // An input box has a title and a close button, no minimise or maximise button, and keeps its size.
    dlg->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
    dlg->setWindowTitle(title.isEmpty() ? kAppTitle : title);
    dlg->setInputMode(QInputDialog::TextInput);
    dlg->setLabelText(prompt);
    if (auto* label = dlg->findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    keepSingleLine(dlg->findChild<QLineEdit*>());
    dlg->setTextValue(defaultText);
    dlg->minimumSizeHint(); // the input box lays itself out on first need: now, so it can be widened
    widenTo(dlg.get(), widthForTitle(dlg->windowTitle()));
    if (QLayout* layout = dlg->layout()) {
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->activate();
    }
    return dlg;
}

int QtDialogs::msgBox(const QString& text, int style, const QString& title) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(text, style, title, QApplication::activeWindow());
    box->exec();
    if (const QAbstractButton* clicked = box->clickedButton();
        clicked && clicked->property(kAnswer).isValid())
        return clicked->property(kAnswer).toInt();
    // Closed without a button: the box's cancel answer.
    return (style & 0x7) == mb::YesNo ? mb::No : ((style & 0x7) == mb::OkCancel ? mb::Cancel : mb::Ok);
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    const std::unique_ptr<QInputDialog> dlg =
        makeInputBox(prompt, title, defaultText, QApplication::activeWindow());
    if (dlg->exec() != QDialog::Accepted)
        return {};
    return dlg->textValue();
}

QString QtDialogs::openFile(const QString& title, const QString& filter, const QString& initialFolder) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialFolder, filter);
}

} // namespace tvx
