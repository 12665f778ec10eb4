// The context menus of the main window's lists: the menu tree, one branch per
// right-clicked list, the select and de-select commands (with the must-include
// rule on the digit lists), and the lists that offer no menu.

#include "helpers/MainWindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
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

    void menuTree_data() {
        QTest::addColumn<QString>("branch");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("selectCaption");
        QTest::addColumn<QString>("deselect");
        QTest::addColumn<QString>("deselectCaption");
        const auto row = [](const char* b, const char* c, const char* s, const char* sc,
                            const char* d, const char* dc) {
            QTest::newRow(b) << QString(b) << QString(c) << QString(s) << QString(sc) << QString(d)
                             << QString(dc);
        };
        row("mnuSumDigits", "Sumdigits", "mnuSumdigitsAll", "Select all sumdigits",
            "mnuSumDigitsNone", "De-select sumdigits");
        row("mnuRoot", "Root", "mnuRootSelectAll", "Select all", "mnuRootDeSelect",
            "De-select all");
        row("mnuLDR", "Shortsum (LDR)", "mnuLDRSelectAll", "Select all", "mnuLDRDeselect",
            "De-select");
        row("mnuWidth", "Width", "mnuWidthSelectAll", "Select all", "mnuWidthDeSelectAll",
            "De-select");
        row("mnuWidthLM", "Width Lowest-middle digit", "mnuWidthLMSelectAll", "Select all",
            "mnuWidthLMDeselect", "De-select");
        row("mnuWidthMH", "Width Middle-highest digit", "mnuWidthMHSelectAll", "Select All",
            "mnuWidthMHDeselect", "De-select");
        row("mnuWidthFirstPair", "Width Left pair", "mnuWidthFirstPairSelectAll", "Select all",
            "mnuWidthFirstPairDeselect", "De-select");
        row("mnuWidthRightpair", "Width Right pair", "mnuWidthRightpairSelectAll", "Select all",
            "mnuWidthRightpairDeselect", "De-select");
        row("mnuWidthSplitpair", "Width Split pair", "mnuWidthSplitpairSelectAll", "Select all",
            "mnuWidthSplitpairDeselect", "De-select");
        row("mnuDigits", "Digits", "mnuDigitsSelectAll", "Select all", "mnuDigitsDeSelect",
            "De-select");
        row("mnuDigitsPos1", "Digits", "mnuDigitsPos1SelectAll", "Select all",
            "mnuDigitsPos1DeSelect", "De-select");
        row("mnuDigitsPos2", "Digits", "mnuDigitsPos2SelectAll", "Select all",
            "mnuDigitsPos2DeSelect", "De-select");
        row("mnuDigitsPos3", "Digits", "mnuDigitsPos3SelectAll", "Select all",
            "mnuDigitsPos3DeSelect", "De-select");
        row("mnuLMH", "LMH", "mnuLMHSelectall", "Select all", "mnuLMHDeselect", "De-select");
        row("mnuLMHStraight", "LMH", "mnuLMHStraightSelectAll", "Select all",
            "mnuLMHStraightDeselect", "De-select");
        row("mnuLMHDigits", "Digits sortorder", "mnuLMHDigitsSelectAll", "Select all",
            "mnuLMHDigitsDeselect", "De-select");
        row("mnuOCS", "Open-Closed-Straight", "mnuOCSSelectAll", "Select all", "mnuOCSDeselect",
            "De-select");
        row("mnuOCSStraight", "Open-Closed-Straight", "mnuOCSStraightSelectall", "Select all",
            "mnuOCSStraightDeselect", "De-select");
    }

    void menuTree() {
        QFETCH(QString, branch);
        QFETCH(QString, caption);
        QFETCH(QString, select);
        QFETCH(QString, selectCaption);
        QFETCH(QString, deselect);
        QFETCH(QString, deselectCaption);
        QMenu* root = menu("mnuAction");
        QCOMPARE(root->title(), QStringLiteral("Action"));
        QCOMPARE(root->actions().size(), 18);
        auto* sub = w->findChild<QMenu*>(branch);
        QVERIFY(sub != nullptr);
        QCOMPARE(sub->parentWidget(), root);
        QCOMPARE(sub->title(), caption);
        const QList<QAction*> commands = sub->actions();
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0]->objectName(), select);
        QCOMPARE(commands[0]->text(), selectCaption);
        QCOMPARE(commands[1]->objectName(), deselect);
        QCOMPARE(commands[1]->text(), deselectCaption);
    }

    void rightClickShowsOnlyThatListsBranch_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("caption");
        QTest::newRow("root") << false << "lstRoot"
                              << "Root";
        QTest::newRow("sums") << false << "lstSumDigits"
                              << "Sumdigits";
        QTest::newRow("boxed LMH") << false << "lstLMH"
                                   << "LMH";
        QTest::newRow("digits") << false << "lstDigitsWheel"
                                << "Digits";
        QTest::newRow("left pair width") << true << "lstWidthXX_"
                                         << "Width Left pair";
        QTest::newRow("straight OCS") << true << "lstOCSStraight"
                                      << "Open-Closed-Straight";
        QTest::newRow("position 3") << true << "lstDigitsWheelPos1(2)"
                                    << "Digits";
    }

    void rightClickShowsOnlyThatListsBranch() {
        QFETCH(bool, positional);
        QFETCH(QString, list);
        QFETCH(QString, caption);
        if (positional) {
            clickButton(w, QStringLiteral("optPositionDigit(1)"));
        }
        rightClick(listNamed(w, list));
        QTRY_VERIFY(menu("mnuAction")->isVisible());
        QCOMPARE(visibleBranches(), QStringList{caption});
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
