// The maps page: the map lists, the preview of the map chosen by mouse or keyboard, "Custom Map", and the
// map change.
#include "core/commands/map_rotation.h"

#include "gui/main/main_window.h"

#include "support/page_console.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace tvx;
using namespace tvx::test;

namespace {

// The preview pictures that show, by name.
QStringList shownPreviews(Main& m) {
    QStringList out;
    for (VbLabel* p : m.Frame1->findChildren<VbLabel*>()) {
        if (!p->isHidden())
            out << p->objectName();
    }
    return out;
}

QString previewOf(Main& m, const QString& map) {
    for (VbLabel* p : m.Frame1->findChildren<VbLabel*>()) {
        if (p->property("map").toString() == map)
            return p->objectName();
    }
    return {};
}

void clickItem(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

const QString kCustomBox = u"input [Custom Map] Type the name of the map (example: mp_newmap) (mp_)"_s;

} // namespace

class TstMapsPage : public QObject {
    Q_OBJECT
private slots:
    void mapListsHoldTheirItemsInOrder() {
        PageConsole c;
        const QStringList maps{u"mp_airfield"_s,  u"mp_asylum"_s,     u"mp_castle"_s, u"mp_courtyard"_s,
                               u"mp_dome"_s,      u"mp_downfall"_s,   u"mp_hangar"_s, u"mp_makin"_s,
                               u"mp_outskirts"_s, u"mp_roundhouse"_s, u"mp_seelow"_s, u"mp_shrine"_s,
                               u"mp_suburban"_s};
        auto items = [](const auto* list) {
            QStringList out;
            for (int i = 0; i < list->count(); ++i) {
                if constexpr (requires { list->itemText(i); })
                    out << list->itemText(i);
                else
                    out << list->item(i)->text();
            }
            return out;
        };
        QCOMPARE(items(c.main.List1), maps + QStringList{u"Custom Map"_s});
        QCOMPARE(items(c.main.Combo1), maps);
        QCOMPARE(items(c.main.Combo2),
                 (QStringList{u"twar"_s, u"dm"_s, u"tdm"_s, u"dom"_s, u"koth"_s, u"sab"_s, u"sd"_s}));
        QCOMPARE(c.main.Combo1->currentIndex(), -1);
        QCOMPARE(c.main.Combo2->currentIndex(), -1);
    }

    void mapChosenShowsItsPreviewAlone_data() {
        QTest::addColumn<QString>("map");
        for (const QString& map : mapNames())
            QTest::newRow(qPrintable(map)) << map;
    }
    void mapChosenShowsItsPreviewAlone() {
        QFETCH(QString, map);
        PageConsole c;
        c.main.Image8_Click();
        QCOMPARE(shownPreviews(c.main), QStringList{u"Image27"_s});
        QCOMPARE(c.main.Label13->Caption(), u"Select a map"_s);
        clickItem(c.main.List1, u"mp_castle"_s);
        clickItem(c.main.List1, map);
        QCOMPARE(c.main.Label13->Caption(), map);
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, map)});
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), rcon({"map " + map.toLatin1()}));
        QCOMPARE(c.boxes(), QStringList());
    }

    // The arrow keys select each item in turn, each a choice; reaching "Custom Map" asks for a name and
    // keeps the last map's preview.
    void keyboardChoosesEachMapInTurn() {
        PageConsole c;
        c.main.Image8_Click();
        c.main.List1->setFocus();
        QStringList captions;
        for (int i = 0; i < c.main.List1->count(); ++i) {
            if (i == 0)
                c.main.List1->setCurrentRow(0);
            else
                QTest::keyClick(c.main.List1, Qt::Key_Down);
            captions << c.main.Label13->Caption();
            const QStringList shown = shownPreviews(c.main);
            QCOMPARE(shown.size(), 1);
            if (i < mapNames().size())
                QCOMPARE(shown.first(), previewOf(c.main, mapNames()[i]));
        }
        QCOMPARE(captions, mapNames() + QStringList{u"mp_"_s});
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, u"mp_suburban"_s)});
        QCOMPARE(c.boxes(), QStringList{kCustomBox});
    }

    void customMap_data() {
        QTest::addColumn<QString>("before"); // the map chosen first, if any
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("a name") << u"mp_castle"_s << u"mp_newmap"_s << rcon({"map mp_newmap"})
                                << QStringList{kCustomBox};
        QTest::newRow("a name, nothing chosen before")
            << QString() << u"mp_newmap"_s << rcon({"map mp_newmap"}) << QStringList{kCustomBox};
        QTest::newRow("cancelled") << u"mp_dome"_s << QString() << rcon({"map "}) << QStringList{kCustomBox};
        QTest::newRow("the no-map caption typed")
            << u"mp_dome"_s << u"Select a map"_s << QList<QByteArray>()
            << QStringList{kCustomBox, u"msg 64 [Map] Please select a map first!"_s};
    }
    void customMap() {
        QFETCH(QString, before);
        QFETCH(QString, answer);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QStringList, shown);
        PageConsole c;
        c.main.Image8_Click();
        if (!before.isEmpty())
            clickItem(c.main.List1, before);
        const QStringList previews = shownPreviews(c.main);
        c.fx.fake.dialogs.inputAnswers = {answer};
        clickItem(c.main.List1, u"Custom Map"_s);
        QCOMPARE(c.main.Label13->Caption(), answer);
        QCOMPARE(shownPreviews(c.main), previews);
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), sent);
        QCOMPARE(c.boxes(), shown);
    }

    // Clicking "Custom Map" while it is selected asks again.
    void customMapAgainAsksAgain() {
        PageConsole c;
        c.main.Image8_Click();
        c.fx.fake.dialogs.inputAnswers = {u"mp_one"_s, u"mp_two"_s};
        clickItem(c.main.List1, u"Custom Map"_s);
        clickItem(c.main.List1, u"Custom Map"_s);
        QCOMPARE(c.boxes(), (QStringList{kCustomBox, kCustomBox}));
        QCOMPARE(c.main.Label13->Caption(), u"mp_two"_s);
        // A map clicked again is chosen again, with no box.
        clickItem(c.main.List1, u"mp_makin"_s);
        clickItem(c.main.List1, u"mp_makin"_s);
        QCOMPARE(c.boxes().size(), 2);
        QCOMPARE(shownPreviews(c.main), QStringList{previewOf(c.main, u"mp_makin"_s)});
    }

    void changeMapBeforeChoosingOne() {
        PageConsole c;
        c.click(c.main.Label14);
        QCOMPARE(c.sent(), QList<QByteArray>());
        QCOMPARE(c.boxes(), QStringList{u"msg 64 [Map] Please select a map first!"_s});
    }
};

QTEST_MAIN(TstMapsPage)
#include "tst_maps_page.moc"
