// The context menus of the main window's lists: the menu tree, one branch per
// right-clicked list, the select and de-select commands (with the must-include
// rule on the digit lists), and the lists that offer no menu.

#include "helpers/MainWindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

class ContextMenusTest : public QObject {
    Q_OBJECT

    QWidget* w = nullptr;

    CheckList* lst(const char* name) const { return listNamed(w, QString::fromLatin1(name)); }
    QMenu* menu(const char* name) const { return w->findChild<QMenu*>(QString::fromLatin1(name)); }
    QAction* command(const char* name) const {
        return w->findChild<QAction*>(QString::fromLatin1(name));
    }

    // The captions mnuAction offers right now.
    QStringList visibleBranches() const {
        QStringList captions;
        for (QAction* entry : menu("mnuAction")->actions()) {
            if (entry->isVisible()) {
                captions << entry->text();
            }
        }
        return captions;
    }
    // Right-clicks `list` and runs the command `name` of the branch that opened.
    void runFromMenu(const char* list, const char* name) {
        rightClick(lst(list));
        QTRY_VERIFY(menu("mnuAction")->isVisible());
        auto* branch = qobject_cast<QMenu*>(command(name)->parent());
        QVERIFY2(branch != nullptr && branch->menuAction()->isVisible(), name);
        menu("mnuAction")->hide();
        command(name)->trigger();
    }

  private Q_SLOTS:
    void init() {
        w = startMainWindow();
        QVERIFY(w != nullptr);
    }
    void cleanup() { unloadMainWindow(); }

    void menuTreeShape() {
        // One hidden top-level menu, 18 branches of two commands, every name once.
        QMenu* root = menu("mnuAction");
        QCOMPARE(root->title(), QStringLiteral("Action"));
        QCOMPARE(root->actions().size(), 18);
        QSet<QString> names;
        for (QAction* entry : root->actions()) {
            QMenu* branch = entry->menu();
            QVERIFY(branch != nullptr);
            names << branch->objectName();
            QCOMPARE(branch->actions().size(), 2);
            for (QAction* command : branch->actions()) {
                names << command->objectName();
            }
        }
        QCOMPARE(names.size(), 54);
        QVERIFY(!names.contains(QString()));
    }

    void rightClickShowsOnlyThatListsBranch_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("commands");
        const auto row = [](const char* name, bool positional, const char* list,
                            const char* caption, const QStringList& commands) {
            QTest::newRow(name) << positional << QString(list) << QString(caption) << commands;
        };
        const QStringList plain{"Select all", "De-select"};
        row("root", false, "lstRoot", "Root", {"Select all", "De-select all"});
        row("sums", false, "lstSumDigits", "Sumdigits",
            {"Select all sumdigits", "De-select sumdigits"});
        row("middle-highest width", false, "lstWidthMiddleHighest", "Width Middle-highest digit",
            {"Select All", "De-select"});
        row("boxed LMH", false, "lstLMH", "LMH", plain);
        row("digits", false, "lstDigitsWheel", "Digits", plain);
        row("left pair width", true, "lstWidthXX_", "Width Left pair", plain);
        row("split pair width", true, "lstWidthX_X", "Width Split pair", plain);
        row("digit sort", true, "lstLMHDigits", "Digits sortorder", plain);
        row("straight OCS", true, "lstOCSStraight", "Open-Closed-Straight", plain);
        row("position 3", true, "lstDigitsWheelPos1(2)", "Digits", plain);
    }

    void rightClickShowsOnlyThatListsBranch() {
        QFETCH(bool, positional);
        QFETCH(QString, list);
        QFETCH(QString, caption);
        QFETCH(QStringList, commands);
        if (positional) {
            clickButton(w, QStringLiteral("optPositionDigit(1)"));
        }
        rightClick(listNamed(w, list));
        QTRY_VERIFY(menu("mnuAction")->isVisible());
        QCOMPARE(visibleBranches(), QStringList{caption});
        QStringList shown;
        for (QAction* entry : menu("mnuAction")->actions()) {
            if (entry->isVisible()) {
                for (QAction* command : entry->menu()->actions()) {
                    shown << command->text();
                }
            }
        }
        QCOMPARE(shown, commands);
        menu("mnuAction")->hide();
    }

    void noMenuWhereThereIsNone() {
        // Left-clicks never open it.
        clickTick(lst("lstRoot"), 3);
        QTest::mouseClick(lst("lstRoot")->viewport(), Qt::LeftButton);
        QVERIFY(!menu("mnuAction")->isVisible());
        // Lists without a branch.
        for (const char* name : {"lstOddEven", "lstHighLow", "lstInOut", "lstMustHaveDigit"}) {
            rightClick(lst(name));
            QVERIFY2(!menu("mnuAction")->isVisible(), name);
        }
        // A disabled position list cannot be right-clicked in Any position mode.
        rightClick(lst("lstDigitsWheelPos1(0)"));
        QVERIFY(!menu("mnuAction")->isVisible());
        // Nor the disabled any-position list in Positional mode.
        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        rightClick(lst("lstDigitsWheel"));
        QVERIFY(!menu("mnuAction")->isVisible());
    }

    void theMenuKeyOpensItToo() {
        CheckList* list = lst("lstLDR");
        list->setFocus();
        list->setCurrentRow(2);
        // What the menu key and Shift+F10 deliver.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              list->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(list, &key);
        QTRY_VERIFY(menu("mnuAction")->isVisible());
        QCOMPARE(visibleBranches(), QStringList{QStringLiteral("Shortsum (LDR)")});
        menu("mnuAction")->hide();
    }

    void filterListCommands() {
        runFromMenu("lstSumDigits", "mnuSumdigitsAll");
        QCOMPARE(lst("lstSumDigits")->tickedCount(), 28);
        runFromMenu("lstSumDigits", "mnuSumDigitsNone");
        QCOMPARE(lst("lstSumDigits")->tickedCount(), 0);

        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        runFromMenu("lstLMHStraight", "mnuLMHStraightSelectAll");
        QCOMPARE(lst("lstLMHStraight")->tickedCount(), 27);
        runFromMenu("lstLMHDigits", "mnuLMHDigitsSelectAll");
        QCOMPARE(lst("lstLMHDigits")->tickedCount(), 12);
        runFromMenu("lstWidth_XX", "mnuWidthRightpairSelectAll");
        QCOMPARE(lst("lstWidth_XX")->tickedCount(), 10);
        // Every command acts on its own list only.
        QCOMPARE(lst("lstWidthXX_")->tickedCount(), 0);
        QCOMPARE(lst("lstOCSStraight")->tickedCount(), 0);
        runFromMenu("lstLMHStraight", "mnuLMHStraightDeselect");
        QCOMPARE(lst("lstLMHStraight")->tickedCount(), 0);
        QCOMPARE(lst("lstLMHDigits")->tickedCount(), 12);
    }

    void digitListCommandsRunTheMustIncludeRule() {
        CheckList* must = lst("lstMustHaveDigit");
        runFromMenu("lstDigitsWheel", "mnuDigitsSelectAll");
        QCOMPARE(tickedTexts(must), itemTexts(lst("lstDigitsWheel")));
        QCOMPARE(must->count(), 10);
        runFromMenu("lstDigitsWheel", "mnuDigitsDeSelect");
        QCOMPARE(must->count(), 0);

        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        runFromMenu("lstDigitsWheelPos1(1)", "mnuDigitsPos2SelectAll");
        QCOMPARE(must->count(), 10);
        runFromMenu("lstDigitsWheelPos1(1)", "mnuDigitsPos2DeSelect");
        QCOMPARE(must->count(), 0);

        // A digit still ticked in another position stays.
        clickTicks(lst("lstDigitsWheelPos1(0)"), {"4"});
        runFromMenu("lstDigitsWheelPos1(2)", "mnuDigitsPos3SelectAll");
        runFromMenu("lstDigitsWheelPos1(2)", "mnuDigitsPos3DeSelect");
        QCOMPARE(itemTexts(must), QStringList{QStringLiteral("4")});
    }
};

QTEST_MAIN(ContextMenusTest)
#include "tst_contextmenus.moc"
