// The control wrappers and the program's boxes as they behave on screen: single-line boxes keep one line,
// locked boxes stay out of the tab order, the grid's fixed row is never drawn selected, and message and
// input boxes are wide enough for their title.
#include "gui/base/dialogs_qt.h"
#include "gui/base/grid_control.h"
#include "gui/base/vb_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;

class TstControls : public QObject {
    Q_OBJECT
private slots:
    // Of what is pasted, dropped or composed into a single-line box only the text before the first line
    // break goes in, where the caret is; what the program sets is cut too.
    void singleLineBoxKeepsTheFirstLine_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString twoLines = u"say hi\nquit"_s;
        QTest::newRow("ctrl+v") << u"ctrl+v"_s << twoLines << u"Xsay hiY"_s;
        QTest::newRow("shift+insert") << u"shift+insert"_s << u"bob\r\nadmin"_s << u"XbobY"_s;
        QTest::newRow("ctrl+v, one line") << u"ctrl+v"_s << u"say hi"_s << u"Xsay hiY"_s;
        QTest::newRow("menu paste") << u"menu"_s << twoLines << u"Xsay hiY"_s;
        QTest::newRow("input method") << u"input method"_s << twoLines << u"Xsay hiY"_s;
        QTest::newRow("drop at the end") << u"drop"_s << twoLines << u"XYsay hi"_s;
        QTest::newRow("set by the program") << u"setText"_s << u"bob\nadmin"_s << u"bob"_s;
        QTest::newRow("lone CR") << u"setText"_s << u"a\rb"_s << u"a"_s;
    }
    void singleLineBoxKeepsTheFirstLine() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QWidget window;
        VbLineEdit box(&window, u"box"_s, u"XY"_s);
        box.setGeometry(0, 0, 200, 24);
        window.show();
        box.setCursorPosition(1);
        QGuiApplication::clipboard()->setText(text);
        if (how == u"ctrl+v") {
            QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"shift+insert") {
            QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (how == u"menu") {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        box.mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(&box, &menuEvent);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction* paste = nullptr;
            for (QAction* a : menu->actions()) {
                if (a->text().startsWith(u"&Paste"))
                    paste = a;
            }
            QVERIFY(paste);
            paste->trigger();
            menu->close();
        } else if (how == u"input method") {
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QCoreApplication::sendEvent(&box, &composed);
        } else if (how == u"drop") {
            QMimeData data;
            data.setText(text);
            const QPoint at(box.width() - 2, box.height() / 2);
            QDragEnterEvent entered(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &entered);
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&box, &dropped);
            QVERIFY(dropped.isAccepted());
        } else {
            box.setText(text);
        }
        QCOMPARE(box.text(), expected);
    }

    // A locked box can be clicked into, but tabbing and hiding the focused box pass it by, and its text is
    // never shown selected by them.
    void lockedBoxesStayOutOfTheTabOrder() {
        QWidget window;
        VbLineEdit first(&window, u"first"_s, u"one"_s);
        VbLineEdit locked(&window, u"locked"_s, u"127.0.0.1"_s);
        VbTextBox lockedText(&window, u"lockedText"_s);
        VbLineEdit last(&window, u"last"_s, u"two"_s);
        locked.setLocked(true);
        lockedText.setLocked(true);
        QWidget::setTabOrder(&first, &locked);
        QWidget::setTabOrder(&locked, &lockedText);
        QWidget::setTabOrder(&lockedText, &last);
        first.move(0, 0);
        locked.move(0, 30);
        lockedText.setGeometry(0, 60, 100, 40);
        last.move(0, 110);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &last);
        first.setFocus();
        first.hide();
        QCOMPARE(QApplication::focusWidget(), &last);
        QVERIFY(!locked.hasSelectedText());
        QVERIFY(locked.isReadOnly());
        QCOMPARE(locked.focusPolicy(), Qt::ClickFocus);
        QTest::mouseClick(&locked, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), &locked);
        locked.setLocked(false);
        QVERIFY(!locked.isReadOnly());
        QCOMPARE(locked.focusPolicy(), Qt::StrongFocus);
    }

    // The header row is drawn as a header whatever the grid's current cell and focus: never selected.
    void gridNeverDrawsItsFixedRowSelected() {
        QWidget window;
        FlexGrid grid(&window, u"Grid"_s);
        grid.setGeometry(0, 0, 400, 120);
        grid.setCols(3);
        grid.setRows(1);
        grid.setFixedRows(0);
        grid.AddItem(u"Name\tScore\tPing"_s, 0);
        grid.setFixedRows(1);
        grid.AddItem(u"Bob\t12\t48"_s);
        grid.AddItem(u"Alice\t3\t112"_s);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Focus by tabbing puts the cursor on the first scrolling row, as does moving up from it.
        grid.setFocus(Qt::TabFocusReason);
        QCOMPARE(grid.currentIndex().row(), 1);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(grid.currentIndex().row(), 1);
        // Even a current cell placed in the header by the program is neither selected nor drawn so.
        grid.setCurrentCell(0, 0);
        QVERIFY(grid.hasFocus());
        for (int c = 0; c < grid.Cols(); ++c)
            QVERIFY(!grid.selectionModel()->isSelected(grid.model()->index(0, c)));
        const QImage shot = grid.viewport()->grab().toImage();
        const QRect name = grid.visualRect(grid.model()->index(0, 0));
        const QColor header = grid.item(0, 1)->background().color();
        QCOMPARE(shot.pixelColor(name.right() - 4, name.center().y()), header);
        QCOMPARE(shot.pixelColor(name.center().x() + name.width() / 4, name.top() + 2), header);
    }

    // Message and input boxes are wide enough for their whole title and their text.
    void boxesShowTheirWholeTitleAndText_data() {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("save server") << true << u"TORVANEX - ADD SERVER"_s
                                     << u"Please enter a name for the server"_s;
        QTest::newRow("clan id") << true << u"TORVANEX - PsB Server Setup"_s << u"Please enter you ClanID"_s;
        QTest::newRow("short text") << false << u"TORVANEX - PBBans Setup!"_s << u"OK?"_s;
        QTest::newRow("error number") << false << u"Error nº: 11001"_s
                                      << u"An Error Has Occured!\r\nAuthoritative answer: Host not found"_s;
        QTest::newRow("long text") << false << u"TorvaNex"_s
                                   << u"Please note this tool WILL overwrite the pbsv.cfg file on your "
                                      u"server (By issuing the command "
                                      "pb_sv_writecfg). If you are running any league configs we advise not "
                                      "using this tool.\r\nThis "
                                      "will take a few minutes to complete!"_s;
    }
    void boxesShowTheirWholeTitleAndText() {
        QFETCH(bool, input);
        QFETCH(QString, title);
        QFETCH(QString, text);
        std::unique_ptr<QDialog> box;
        if (input)
            box = makeInputBox(text, title, u"New Server"_s);
        else
            box = makeMessageBox(text, 64, title);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->windowTitle(), title);
        QVERIFY2(box->width() >= widthForTitle(title), qPrintable(QString::number(box->width()) + u" < "_s +
                                                                  QString::number(widthForTitle(title))));
        for (const QLabel* l : box->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->isVisible())
                continue;
            QCOMPARE(l->textFormat(), Qt::PlainText);
            const bool fits = l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                            : l->sizeHint().width() <= l->width();
            QVERIFY2(fits, qPrintable(l->text()));
        }
        if (input) {
            auto* edit = box->findChild<QLineEdit*>();
            QVERIFY(edit);
            edit->setText(u"Home\nquit"_s);
            QCOMPARE(static_cast<QInputDialog*>(box.get())->textValue(), u"Home"_s);
        }
    }
};

QTEST_MAIN(TstControls)
#include "tst_controls.moc"
