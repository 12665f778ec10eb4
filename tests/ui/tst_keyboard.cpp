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
    QMenu* menu(const char* name) const { return w->findChild<QMenu*>(QString::fromLatin1(name)); }

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
        QTest::newRow("main window") << QString() << "optPositionDigit(0)";
        QTest::newRow("hot/cold") << "cmdHotCold"
                                  << "txtDrawnNumber";
        QTest::newRow("output order") << "cmdOutputBox"
                                      << "opt6Ways(0)";
        QTest::newRow("boxed pairs") << "cmdFilterOutBoxedPairs"
                                     << "lstAvailablePairs";
        QTest::newRow("straight pairs") << "cmdFilterPairsStraight"
                                        << "lstLeftPairs";
        QTest::newRow("help") << "cmdHelp"
                              << "cmdHelp";
    }
    void altCClosesEachWindow() {
        QFETCH(QString, button);
        QFETCH(QString, first);
        if (button.isEmpty()) {
            const QPointer<QWidget> main(w);
            QCOMPARE(QApplication::focusWidget()->objectName(), first);
            QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(main.isNull()); // the program has ended
            return;
        }
        if (button == QLatin1String("cmdFilterPairsStraight")) {
            clickButton(w, QStringLiteral("optPositionDigit(1)"));
        }
        ModalHelper helper;
        QPointer<QWidget> opened;
        QString focused;
        helper.expect([&](QWidget* modal) {
            opened = modal;
            // Access keys belong to the active window; a parent's activation is shared.
            QTRY_COMPARE(QApplication::activeWindow(), modal);
            focused = QApplication::focusWidget()->objectName();
            QTest::keyClick(modal, Qt::Key_C, Qt::AltModifier);
        });
        clickButton(w, button);
        QTRY_VERIFY(helper.ran());
        QTRY_VERIFY(opened.isNull()); // closed by its "&Close", so discarded
        QVERIFY(w->isVisible());
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
        // The must-include list takes Space too.
        spaceOn(must, 0);
        QCOMPARE(tickedTexts(must), QStringList());

        clickButton(w, QStringLiteral("optPositionDigit(1)"));
        spaceOn(lst("lstDigitsWheelPos1(0)"), 4);
        spaceOn(lst("lstDigitsWheelPos1(2)"), 4);
        spaceOn(lst("lstDigitsWheelPos1(0)"), 4);
        QCOMPARE(itemTexts(must), QStringList{"4"}); // still chosen for position 3
        spaceOn(lst("lstDigitsWheelPos1(2)"), 4);
        QCOMPARE(itemTexts(must), QStringList());
    }

    void menuKeyOpensTheListsBranch_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("branch"); // empty: the list has no menu
        QTest::newRow("menu key") << int(Qt::Key_Menu) << 0 << "lstRoot"
                                  << "mnuRoot";
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "lstDigitsWheel"
                                   << "mnuDigits";
        QTest::newRow("no menu") << int(Qt::Key_Menu) << 0 << "lstOddEven" << QString();
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
        QMenu* root = menu("mnuAction");
        if (branch.isEmpty()) {
            QTest::qWait(50);
            QVERIFY(!root->isVisible());
            return;
        }
        QTRY_VERIFY(root->isVisible());
        QStringList shown;
        for (QAction* entry : root->actions()) {
            if (entry->isVisible()) {
                shown << entry->menu()->objectName();
            }
        }
        root->hide();
        QCOMPARE(shown, QStringList{branch});
        QCOMPARE(tickedTexts(target), QStringList()); // opening the menu ticks nothing
    }

    // From the red Close, Tab goes panel by panel, each read top to bottom and
    // left to right, skips what the mode hides or disables, and comes back round.
    void tabFollowsTheLayout_data() {
        QTest::addColumn<bool>("positional");
        QTest::addColumn<QStringList>("anchors");
        QTest::newRow("any position") << false
                                      << QStringList{"optPositionDigit(0)",
                                                     "lstDigitsWheel",
                                                     "lstMustHaveDigit",
                                                     "lstSumDigits",
                                                     "lstInOut",
                                                     "lstLMH",
                                                     "lstWidthMiddleHighest",
                                                     "optConsec(0)",
                                                     "chkExcludeSingles",
                                                     "cmdProduce",
                                                     "cmdHotCold",
                                                     "cmdFilterOutBoxedPairs",
                                                     "txtOutputBoxLHH",
                                                     "cmdHelp",
                                                     "txtResults",
                                                     "Picture1"};
        QTest::newRow("positional")
            << true << QStringList{"optPositionDigit(1)",    "lstDigitsWheelPos1(0)",
                                   "lstDigitsWheelPos1(2)",  "lstMustHaveDigit",
                                   "lstInOutStraight",       "lstLMHDigits",
                                   "lstLMHStraight",         "lstWidthX_X",
                                   "cmdFilterPairsStraight", "Picture1"};
    }
    void tabFollowsTheLayout() {
        QFETCH(bool, positional);
        QFETCH(QStringList, anchors);
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
        const QString hidden =
            positional ? QStringLiteral("lstOddEven") : QStringLiteral("lstOddEvenStraight");
        QVERIFY2(!visited.contains(hidden), qPrintable(walk));
        qsizetype last = -1;
        for (const QString& anchor : anchors) {
            const qsizetype at = visited.indexOf(anchor);
            QVERIFY2(at > last, qPrintable(anchor + QLatin1String(" out of order in: ") + walk));
            last = at;
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
