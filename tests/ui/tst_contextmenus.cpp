// The context menus of the main window's lists: one branch per list, opened
// by a right-click, the menu key or Shift+F10; none where a list has no branch
// or cannot be reached; nothing ticked on the way; and the commands.

#include "helpers/MainWindowDriver.h"

#include <QAction>
#include <QMenu>

using namespace pick3;
using namespace pick3::test;

class ContextMenusTest : public MainWindowFixture {
    Q_OBJECT

    QMenu* root() const { return w->findChild<QMenu*>(QStringLiteral("mnuAction")); }
    // Right-clicks the list, or presses `keys` on it; returns the branch offered:
    // its caption, then its commands'.
    QStringList offeredOn(const QString& list, const QString& keys = QString()) const {
        if (keys.isEmpty()) {
            rightClick(lst(list));
        } else {
            lst(list)->setFocus();
            QTest::keySequence(lst(list), QKeySequence(keys));
        }
        QStringList shown;
        for (QAction* entry : root()->actions()) {
            if (root()->isVisible() && entry->isVisible()) {
                shown << entry->text();
                for (QAction* command : entry->menu()->actions()) {
                    shown << command->text();
                }
            }
        }
        root()->hide();
        return shown;
    }
    void runFromMenu(const char* list, const char* command) const {
        QVERIFY2(offeredOn(QLatin1String(list)).size() == 3, list);
        w->findChild<QAction*>(QLatin1String(command))->trigger();
    }

  private Q_SLOTS:

    void rightClickOffersThatListsBranch_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("keys"); // empty: a right-click
        const auto row = [](const char* name, bool positional, const char* list,
                            const QStringList& offered, const char* keys = "") {
            QTest::newRow(name) << positional << QString::fromLatin1(list) << offered << keys;
        };
        row("root", false, "lstRoot", {"Root", "Select all", "De-select all"});
        row("sums", false, "lstSumDigits",
            {"Sumdigits", "Select all sumdigits", "De-select sumdigits"});
        row("digits", false, "lstDigitsWheel", {"Digits", "Select all", "De-select"});
        row("pair width", true, "lstWidthXX_", {"Width Left pair", "Select all", "De-select"});
        row("position 3", true, "lstDigitsWheelPos1(2)", {"Digits", "Select all", "De-select"});
        row("no branch", false, "lstOddEven", {});
        row("disabled", false, "lstDigitsWheelPos1(0)", {});
        row("hidden", false, "lstWidthXX_", {});
        row("disabled, positional", true, "lstDigitsWheel", {});
        row("menu key", false, "lstRoot", {"Root", "Select all", "De-select all"}, "Menu");
        row("Shift+F10", false, "lstDigitsWheel", {"Digits", "Select all", "De-select"},
            "Shift+F10");
        row("menu key, no branch", false, "lstOddEven", {}, "Menu");
    }
    void rightClickOffersThatListsBranch() {
        QFETCH(bool, positional);
        QFETCH(QString, list);
        QFETCH(QStringList, offered);
        QFETCH(QString, keys);
        QCOMPARE(root()->actions().size(), 18);
        doSteps(w, positional ? QStringList{"optPositionDigit(1)"} : QStringList{});
        QCOMPARE(offeredOn(list, keys), offered);
        QCOMPARE(lst(list)->tickedCount(), 0);
        clickTick(lst(list), 3); // a left click opens nothing
        QVERIFY(!root()->isVisible());
    }

    void commandsTickTheirOwnList() {
        runFromMenu("lstSumDigits", "mnuSumdigitsAll");
        QCOMPARE(lst("lstSumDigits")->tickedCount() + lst("lstRoot")->tickedCount(), 28);
        // On a digit list every tick runs the must-include rule.
        runFromMenu("lstDigitsWheel", "mnuDigitsSelectAll");
        QCOMPARE(tickedTexts(lst("lstMustHaveDigit")), itemTexts(lst("lstDigitsWheel")));
        runFromMenu("lstDigitsWheel", "mnuDigitsDeSelect");
        QCOMPARE(lst("lstMustHaveDigit")->count(), 0);
        // A digit still ticked in another position stays.
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0):4"});
        runFromMenu("lstDigitsWheelPos1(1)", "mnuDigitsPos2SelectAll");
        QCOMPARE(lst("lstMustHaveDigit")->count(), 10);
        runFromMenu("lstDigitsWheelPos1(1)", "mnuDigitsPos2DeSelect");
        QCOMPARE(itemTexts(lst("lstMustHaveDigit")), QStringList{"4"});
    }
};

QTEST_MAIN(ContextMenusTest)
#include "tst_contextmenus.moc"
