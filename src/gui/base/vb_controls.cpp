#include "gui/base/vb_controls.h"

#include "core/text/text_util.h"
#include "core/text/textbox_lines.h"

#include "gui/base/artwork.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tvx {

VbLabel::VbLabel(QWidget* parent, const QString& name, const QString& caption) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(caption);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::setBorderStyle(int style) {
    border_ = style == 1 ? 1 : 0;
    setFrameStyle(border_ ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void VbLabel::setHandCursor() {
    setCursor(art::handCursor());
}

void VbLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QString displayText(const QString& text) {
    QString s = text;
    s.replace(u"\r\n"_s, u"\n"_s);
    s.remove(u'\r');
    return s;
}

VbTextBox::VbTextBox(QWidget* parent, const QString& name) : QPlainTextEdit(parent) {
    setObjectName(name);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    connect(this, &QPlainTextEdit::textChanged, this, &VbTextBox::syncFromEditor);
}

void VbTextBox::setText(const QString& text) {
    QString kept = text;
    dropOldest(kept, scrollback_);
    if (kept == text_)
        return;
    updating_ = true;
    if (replaceChangedPart(kept)) {
        // Where a refill leaves the caret.
        moveCursor(QTextCursor::Start);
    } else {
        setPlainText(displayText(kept));
    }
    text_ = std::move(kept);
    updating_ = false;
}

bool VbTextBox::replaceChangedPart(const QString& text) {
    // Refilling the document costs every line of it: for a box that shows a long log again on every tick
    // with a few lines more (and, once the log is read through a window of its last lines, a few less at
    // the head), that is most of the tick. Short texts are refilled, as quick as comparing them.
    constexpr qsizetype kLong = 64 * 1024;
    const QStringView was(text_);
    const QStringView now(text);
    if (was.size() < kLong || now.size() < kLong)
        return false;
    // The document shows the text without its CRs (CR LF shows as the LF), one character for each other
    // one: a place in the text is found in the document by counting the CRs before it.
    const qsizetype shownLength = was.size() - was.count(u'\r');
    if (document()->characterCount() - 1 != shownLength)
        return false;
    auto shownAt = [](QStringView t, qsizetype i) { return i - t.first(i).count(u'\r'); };
    const qsizetype budget = now.size() / 4;

    // One place changed.
    const qsizetype prefix =
        std::mismatch(was.begin(), was.end(), now.begin(), now.end()).first - was.begin();
    const QStringView wasRest = was.sliced(prefix);
    const QStringView nowRest = now.sliced(prefix);
    const qsizetype suffix =
        std::mismatch(wasRest.rbegin(), wasRest.rend(), nowRest.rbegin(), nowRest.rend()).first -
        wasRest.rbegin();
    const qsizetype removed = wasRest.size() - suffix;
    const qsizetype added = nowRest.size() - suffix;
    if (removed + added <= budget) {
        replaceShown(shownAt(was, prefix), shownAt(was, prefix + removed), nowRest.first(added));
        return true;
    }

    // The head cut off and text added at the end: the new text starts with the old one's end.
    const QStringView probe = now.first(qMin<qsizetype>(now.size(), 256));
    for (qsizetype cut = was.indexOf(probe, 1); cut > 0 && cut <= budget; cut = was.indexOf(probe, cut + 1)) {
        const QStringView kept = was.sliced(cut);
        if (kept.size() > now.size() || now.first(kept.size()) != kept)
            continue;
        if (cut + now.size() - kept.size() > budget)
            break;
        replaceShown(shownLength, shownLength, now.sliced(kept.size()));
        replaceShown(0, shownAt(was, cut), {});
        return true;
    }
    return false;
}

void VbTextBox::replaceShown(qsizetype from, qsizetype to, QStringView with) {
    QTextCursor c(document());
    c.setPosition(static_cast<int>(from));
    c.setPosition(static_cast<int>(to), QTextCursor::KeepAnchor);
    if (with.isEmpty())
        c.removeSelectedText();
    else
        c.insertText(displayText(with.toString()));
}

void VbTextBox::append(const QString& more) {
    if (more.isEmpty())
        return;
    updating_ = true;
    // A CR LF split over two appends still shows as one break: the display keeps no lone CR.
    const bool joinsBreak = text_.endsWith(u'\r') && more.startsWith(u'\n');
    text_ += more;
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    QString shown = more;
    if (joinsBreak)
        shown.remove(0, 1).prepend(u'\n');
    c.insertText(displayText(shown));
    dropOldestLines();
    updating_ = false;
}

void VbTextBox::dropOldestLines() {
    const qsizetype cut = oldestCut(text_, scrollback_);
    if (cut == 0)
        return;
    // The display holds the text without its CRs (CR LF shows as one break, a lone CR not at all).
    const qsizetype shown = cut - QStringView(text_).first(cut).count(u'\r');
    text_.remove(0, cut);
    QTextCursor c(document());
    c.setPosition(shown, QTextCursor::KeepAnchor);
    c.removeSelectedText();
}

void VbTextBox::setLocked(bool locked) {
    setReadOnly(locked);
    setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
}

void VbTextBox::caretToEnd() {
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::End);
    setTextCursor(c);
    ensureCursorVisible();
}

void VbTextBox::syncFromEditor() {
    if (updating_)
        return;
    // The user typed: take the editor's text, with the edit control's CR LF line ends.
    text_ = toPlainText();
    text_.replace(u"\n"_s, kCrLf);
}

void VbTextBox::keyPressEvent(QKeyEvent* event) {
    const int shift = (event->modifiers() & Qt::ShiftModifier) ? 1 : 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit keyDown(kKeyReturn, shift);
    QPlainTextEdit::keyPressEvent(event);
}

namespace {

bool hasLineBreak(const QString& s) {
    return s.contains(u'\r') || s.contains(u'\n');
}

// The validator cuts whatever reaches the box's text (typing, setText, anything else); the paths that insert
// a text into the middle of the box (paste, middle-click paste, drop, input method) are cut before they
// insert, so the text after the caret stays.
class SingleLineGuard final : public QValidator {
public:
    explicit SingleLineGuard(QLineEdit* box) : QValidator(box), box_(box) {
        box->setValidator(this);
        box->installEventFilter(this);
    }

    State validate(QString& input, int& pos) const override {
        if (hasLineBreak(input)) {
            input = firstLine(input);
            pos = qMin(pos, static_cast<int>(input.size()));
        }
        return Acceptable;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the events below are looked at: the box may be half destroyed when others arrive.
        if (watched != box_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return editable() && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                   paste(QClipboard::Clipboard);
        case QEvent::MouseButtonRelease:
            // The middle button pastes the selection at the caret, the box's own selection left in place.
            if (!editable() || static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection() ||
                !hasLineBreak(QGuiApplication::clipboard()->text(QClipboard::Selection)))
                return false;
            box_->deselect();
            return paste(QClipboard::Selection);
        case QEvent::ContextMenu:
            if (!editable() || box_->contextMenuPolicy() != Qt::DefaultContextMenu)
                return false;
            contextMenu(static_cast<QContextMenuEvent*>(event));
            return true;
        case QEvent::Drop:
            return editable() && drop(static_cast<QDropEvent*>(event));
        case QEvent::InputMethod:
            return editable() && inputMethod(static_cast<QInputMethodEvent*>(event));
        default:
            return false;
        }
    }

private:
    // Pastes the clipboard's first line itself when the clipboard holds a line break; false leaves the
    // paste to the box.
    bool paste(QClipboard::Mode mode) {
        const QString text = QGuiApplication::clipboard()->text(mode);
        if (!hasLineBreak(text))
            return false;
        box_->insert(firstLine(text));
        return true;
    }

    void contextMenu(QContextMenuEvent* event) {
        QMenu* menu = box_->createStandardContextMenu();
        if (!menu)
            return;
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The menu's Paste is the action wired to the box's paste slot: wire it to ours instead.
        for (QAction* action : menu->actions()) {
            if (disconnect(action, SIGNAL(triggered()), box_, SLOT(paste()))) {
                connect(action, &QAction::triggered, box_, [this] {
                    if (!paste(QClipboard::Clipboard))
                        box_->paste();
                });
                break;
            }
        }
        menu->popup(event->globalPos());
    }

    bool drop(QDropEvent* event) {
        const QMimeData* data = event->mimeData();
        if (!data || !data->hasText() || !hasLineBreak(data->text()))
            return false;
        QMimeData cut;
        cut.setText(firstLine(data->text()));
        QDropEvent again(event->position(), event->possibleActions(), &cut, event->buttons(),
                         event->modifiers());
        again.setDropAction(event->dropAction());
        QCoreApplication::sendEvent(box_, &again);
        event->setDropAction(again.dropAction());
        event->setAccepted(again.isAccepted());
        return true;
    }

    bool inputMethod(QInputMethodEvent* event) {
        if (!hasLineBreak(event->commitString()))
            return false;
        QInputMethodEvent again(event->preeditString(), event->attributes());
        again.setCommitString(firstLine(event->commitString()), event->replacementStart(),
                              event->replacementLength());
        QCoreApplication::sendEvent(box_, &again);
        event->setAccepted(again.isAccepted());
        return true;
    }

    bool editable() const { return !box_->isReadOnly(); }

    QLineEdit* box_;
};

} // namespace

void keepSingleLine(QLineEdit* box) {
    if (box && !dynamic_cast<const SingleLineGuard*>(box->validator()))
        new SingleLineGuard(box);
}

VbLineEdit::VbLineEdit(QWidget* parent, const QString& name, const QString& text) : QLineEdit(parent) {
    setObjectName(name);
    keepSingleLine(this);
    setText(text);
    setCursorPosition(0);
}

void VbLineEdit::setBackColor(const QColor& color) {
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, color);
    setPalette(p);
}

void VbLineEdit::setLocked(bool locked) {
    setReadOnly(locked);
    setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
}

void VbLineEdit::keyPressEvent(QKeyEvent* event) {
    const int shift = (event->modifiers() & Qt::ShiftModifier) ? 1 : 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyDown(kKeyReturn, shift);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

VbTimer::VbTimer(QObject* parent, const QString& name, int intervalMs) : QTimer(parent) {
    setObjectName(name);
    setInterval(intervalMs);
}

void VbTimer::setEnabled(bool enabled) {
    if (enabled && !isActive())
        start();
    else if (!enabled)
        stop();
}

} // namespace tvx
