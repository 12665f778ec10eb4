// The program from the keyboard alone: Alt+C closes every window, Space ticks
// the current list item, the menu key and Shift+F10 open a list's context menu,
// and Tab walks the main window in the order of its layout.

#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace pick3;
using namespace pick3::test;

class KeyboardTest : public QObject {
    Q_OBJECT

    frmPick3ZozevidAru* w = nullptr;

    CheckList* lst(const char* name) const { return listNamed(w, QString::fromLatin1(name)); }
    // The current item of `list` and a press of Space on it.
    static void spaceOn(CheckList* list, int row) {
        list->setFocus();
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Space);
    }

  private Q_SLOTS:
    void init() {
        QVERIFY(startMainWindow() != nullptr);
        w = mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() { unloadMainWindow(); }

    // Each window opens with the keyboard on its first control (a stray Space
    // on the red Close would end the program or discard the count), and Alt+C
    // closes it.
    void altCClosesEachWindow_data() {
        QTest::addColumn<QString>("button"); // opens the window; empty for the main window
        QTest::addColumn<QString>("first");  // where the keyboard starts
        const auto row = [](const char* tag, const char* button, const char* first) {
            QTest::newRow(tag) << QString::fromLatin1(button) << QString::fromLatin1(first);
        };
        row("main window", "", "optPositionDigit(0)");
        row("hot/cold", "cmdHotCold", "txtDrawnNumber");
        row("output order", "cmdOutputBox", "opt6Ways(0)");
        row("boxed pairs", "cmdFilterOutBoxedPairs", "lstAvailablePairs");
        row("straight pairs", "cmdFilterPairsStraight", "lstLeftPairs");
        row("help", "cmdHelp", "cmdHelp");
    }
    void altCClosesEachWindow() {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QPointer<QWidget> closing;
        QString focused;
        const auto pressAltC = [&](QWidget* window) {
            // Access keys belong to the active window; a parent's activation is shared.
            QTRY_COMPARE(QApplication::activeWindow(), window);
            closing = window;
            focused = QApplication::focusWidget()->objectName();
            QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        };
        if (button.isEmpty()) {
            pressAltC(w);
        } else {
            if (button == QLatin1String("cmdFilterPairsStraight")) {
                clickButton(w, QStringLiteral("optPositionDigit(1)"));
            }
            ModalHelper helper;
            helper.expect(pressAltC);
            clickButton(w, button);
            QTRY_VERIFY(helper.ran());
        }
        QTRY_VERIFY(closing.isNull()); // discarded, or for the main window the program ended
        QCOMPARE(mainWindow() != nullptr, !button.isEmpty());
        QCOMPARE(focused, first);
    }

    void spaceTicksAndTheMustIncludeListFollows() {
        CheckList* must = lst("lstMustHaveDigit");
        spaceOn(lst("lstDigitsWheel"), 7);
        spaceOn(lst("lstDigitsWheel"), 2);
        QCOMPARE(tickedTexts(lst("lstDigitsWheel")), QStringList({"2", "7"}));
        QCOMPARE(tickedTexts(must), QStringList({"2", "7"}));
        spaceOn(lst("lstDigitsWheel"), 7);
        QCOMPARE(itemTexts(must), QStringList{"2"});
        spaceOn(must, 0); // the must-include list takes Space too
        QCOMPARE(tickedTexts(must), QStringList());
        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        spaceOn(lst("lstDigitsWheelPos1(2)"), 4);
        QCOMPARE(tickedTexts(must), QStringList{"4"});
    }

    void menuKeyOpensTheListsBranch_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("branch"); // empty: the list has no menu
        const auto row = [](const char* tag, Qt::Key key, Qt::KeyboardModifiers modifiers,
                            const char* list, const char* branch) {
            QTest::newRow(tag) << int(key) << int(modifiers) << QString::fromLatin1(list)
                               << QString::fromLatin1(branch);
        };
        row("menu key", Qt::Key_Menu, {}, "lstRoot", "mnuRoot");
        row("Shift+F10", Qt::Key_F10, Qt::ShiftModifier, "lstDigitsWheel", "mnuDigits");
        row("no menu", Qt::Key_Menu, {}, "lstOddEven", "");
    }
    void menuKeyOpensTheListsBranch() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, list);
        QFETCH(QString, branch);
        CheckList* target = listNamed(w, list);
        target->setFocus();
        target->setCurrentRow(1);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        auto* root = w->findChild<QMenu*>(QStringLiteral("mnuAction"));
        const bool popped = root->isVisible(); // at once, or not at all
        QStringList shown;
        for (QAction* entry : root->actions()) {
            if (popped && entry->isVisible()) {
                shown << entry->menu()->objectName();
            }
        }
        root->hide();
        QCOMPARE(shown, branch.isEmpty() ? QStringList() : QStringList{branch});
        QCOMPARE(tickedTexts(target), QStringList()); // opening the menu ticks nothing
    }

    // From the red Close, Tab goes panel by panel, each read top to bottom and
    // left to right, skips what the mode hides or disables, and comes back round.
    void tabFollowsTheLayout_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QString>("anchors"); // in the order Tab must reach them
        QTest::newRow("any position")
            << false
            << "optPositionDigit(0) lstDigitsWheel lstMustHaveDigit lstSumDigits lstInOut lstLMH "
               "lstWidthMiddleHighest optConsec(0) chkExcludeSingles cmdProduce cmdHotCold "
               "cmdFilterOutBoxedPairs txtOutputBoxLHH cmdHelp txtResults Picture1";
        QTest::newRow("positional") << true
                                    << "optPositionDigit(1) lstDigitsWheelPos1(0) "
                                       "lstDigitsWheelPos1(2) lstMustHaveDigit lstLMHDigits "
                                       "lstWidthX_X cmdFilterPairsStraight Picture1";
    }
    void tabFollowsTheLayout() {
        QFETCH(bool, positional);
        QFETCH(QString, anchors);
        if (positional) {
            clickButton(w, QStringLiteral("optPositionDigit(1)"));
        }
        w->findChild<QWidget*>(QStringLiteral("cmdClose"))->setFocus();
        QStringList visited;
        for (int i = 0; i < 100 && !visited.endsWith(QStringLiteral("cmdClose")); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        const QString walk = visited.join(QLatin1Char(' '));
        QVERIFY2(visited.endsWith(QStringLiteral("cmdClose")), qPrintable(walk));
        QCOMPARE(visited.count(QStringLiteral("txtResults")), 1); // Tab does not stay in the box
        qsizetype last = -1;
        for (const QString& anchor : anchors.split(QLatin1Char(' '))) {
            const qsizetype at = visited.indexOf(anchor);
            QVERIFY2(at > last, qPrintable(anchor + QLatin1String(" out of order in: ") + walk));
            last = at;
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
