#pragma once
// Small controls with the behaviour the console's windows were designed against.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace tvx {

// A label that shows text as plain text (never rich text: captions often come from outside), can carry a
// fixed single border, and reports clicks.
class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(QWidget* parent, const QString& name, const QString& caption = {});
    void setCaption(const QString& caption) { setText(caption); }
    QString Caption() const { return text(); }
    // 0 = no border, 1 = fixed single.
    void setBorderStyle(int style);
    int BorderStyle() const { return border_; }
    // The hand-shaped pointer of the clickable labels and pictures (art::handCursor).
    void setHandCursor();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int border_ = 0;
};

// A multi-line text box whose text is kept exactly as set (CR LF line ends, lone CR and LF included).
// Appending costs the size of what is appended, not of what is already there; setting a long text that
// differs from the current one in one place, or only by a head cut off and an end added, costs that
// difference.
class VbTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit VbTextBox(QWidget* parent, const QString& name);
    const QString& Text() const { return text_; }
    void setText(const QString& text);
    void append(const QString& more);
    // Caret to the end: the box shows its last lines.
    void caretToEnd();
    // Scrollback: appending beyond this many characters drops the oldest lines (0 = no limit).
    void setScrollback(qsizetype limit) { scrollback_ = limit; }
    // "Locked": the user may read, select and copy but not edit. A click gives a locked box the focus;
    // tabbing and page switches pass it by.
    void setLocked(bool locked);

signals:
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void syncFromEditor();
    bool replaceChangedPart(const QString& text);
    void replaceShown(qsizetype from, qsizetype to, QStringView with);
    void dropOldestLines();
    QString text_;
    bool updating_ = false;
    qsizetype scrollback_ = 0;
};

// Keeps a single-line box on one line, as the platform's single-line edit control did: of text pasted,
// dropped or composed into it only what comes before its first CR or LF goes in, at the caret; any other
// text that would bring a line break into the box (text the program sets included) is cut at the break.
// So no line break ever leaves the box. It is the box's validator: do not give the box another one.
void keepSingleLine(QLineEdit* box);

// A single-line text box reporting its key presses with the key codes the handlers test (13 = Enter).
// It keeps a single line (keepSingleLine).
class VbLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit VbLineEdit(QWidget* parent, const QString& name, const QString& text = {});
    // Background colour; kept whether the box is enabled or not.
    void setBackColor(const QColor& color);
    // "Locked": as VbTextBox::setLocked.
    void setLocked(bool locked);

signals:
    void keyDown(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A window timer: enabling one that already runs does not restart it.
class VbTimer : public QTimer {
    Q_OBJECT
public:
    VbTimer(QObject* parent, const QString& name, int intervalMs);
    void setEnabled(bool enabled);
    bool Enabled() const { return isActive(); }
};

// Display form of a text kept with CR LF line ends.
QString displayText(const QString& text);

inline constexpr int kKeyReturn = 13;

} // namespace tvx
