// The context menus of the main window's lists: one branch per right-clicked
// list, none where a list has no branch or cannot be clicked, and the commands.

#include "helpers/MainWindowDriver.h"

#include <QAction>
#include <QMenu>

using namespace pick3;
using namespace pick3::test;

class ContextMenusTest : public MainWindowFixture {
    Q_OBJECT

    QMenu* root() const { return w->findChild<QMenu*>(QStringLiteral("mnuAction")); }
    // Right-clicks the list; returns the branch offered: its caption, then its commands'.
    QStringList offeredOn(const QString& list) const {
        rightClick(lst(list));
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
        const auto row = [](const char* name, bool positional, const char* list,
                            const QStringList& offered) {
            QTest::newRow(name) << positional << QString::fromLatin1(list) << offered;
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
    }
    void rightClickOffersThatListsBranch() {
        QFETCH(bool, positional);
        QFETCH(QString, list);
        QFETCH(QStringList, offered);
        QCOMPARE(root()->actions().size(), 18);
        doSteps(w, positional ? QStringList{"optPositionDigit(1)"} : QStringList{});
        QCOMPARE(offeredOn(list), offered);
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
