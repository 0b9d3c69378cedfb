#pragma once
// The console as the page tests meet it: handed over and connected as a poweradmin in the given mode, on
// screen, with the daemon link up; its timers are ticked by hand. A click shows the page that holds the
// control first, as the user would.
#include "support/console_fixture.h"

#include <QTest>

namespace tvx::test {

using namespace Qt::StringLiterals;

struct PageConsole : ConsoleFixture {
    explicit PageConsole(const QString& mode = u"0"_s)
        : ConsoleFixture(mode, u"poweradmin"_s, Timers::ByHand) {}
    // Shows the page that holds `w`, then clicks it.
    void click(QWidget* w) {
        if (main.SeeSettings->isAncestorOf(w))
            main.Image7_Click();
        else if (main.seeAdmin->isAncestorOf(w))
            main.Image9_Click();
        else if (main.seeMaps->isAncestorOf(w))
            main.Image8_Click();
        QTest::mouseClick(w, Qt::LeftButton);
    }
    void click(const QString& name) {
        auto* w = main.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        click(w);
    }
    QList<QByteArray> sent() const { return udp->sent; }
};

} // namespace tvx::test
