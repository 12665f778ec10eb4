// The program from the keyboard alone: Alt+C closes every window, Space ticks the
// current list item, the menu key and Shift+F10 open a list's context menu, Space
// and Enter on the picture open the download page, Tab follows the layout.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/UrlCatcher.h"
#include "widgets/AppInfo.h"

#include <QApplication>
#include <QMenu>

using namespace pick3;
using namespace pick3::test;

class KeyboardTest : public MainWindowFixture {
    Q_OBJECT

    // Space on `row` of a list, made the current item first.
    void spaceOn(const char* list, int row) const {
        lst(list)->setCurrentRow(row);
        QTest::keyClick(lst(list), Qt::Key_Space);
    }

  private Q_SLOTS:
    // Each window opens with the keyboard on its first control (a stray Space
    // on the red Close would end the program or discard the count), and Alt+C
    // closes it.
    void altCClosesEachWindow_data() {
        QTest::addColumn<QString>("button"); // opens the window; empty for the main window
        QTest::addColumn<QString>("first");  // where the keyboard starts
        const auto row = [](const char* tag, const char* button, const char* first) {
            QTest::newRow(tag) << button << first;
        };
        row("hot/cold", "cmdHotCold", "txtDrawnNumber");
        row("output order", "cmdOutputBox", "opt6Ways(0)");
        row("boxed pairs", "cmdFilterOutBoxedPairs", "lstAvailablePairs");
        row("straight pairs", "cmdFilterPairsStraight", "lstLeftPairs");
        row("help", "cmdHelp", "cmdHelp");
        row("back-test, no draws", "cmdBackTest", "lblDraws");
        // Last: once the program has ended, no modal window runs its own event loop.
        row("main window", "", "optPositionDigit(0)");
    }
    void altCClosesEachWindow() {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QPointer<QWidget> closing;
        const auto pressAltC = [&](QWidget* window) {
            QTRY_COMPARE(QApplication::activeWindow(), window); // access keys need it active
            QCOMPARE(QApplication::focusWidget()->objectName(), first);
            closing = window;
            QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        };
        if (button.isEmpty()) {
            pressAltC(w);
        } else {
            doSteps(w, button == "cmdFilterPairsStraight" ? QStringList{"optPositionDigit(1)"}
                                                          : QStringList());
            QVERIFY(inModal(w, button, pressAltC));
        }
        QTRY_VERIFY(closing.isNull()); // discarded, or for the main window the program ended
        QCOMPARE(mainWindow() != nullptr, !button.isEmpty());
    }

    void spaceTicksAndTheMustIncludeListFollows() {
        spaceOn("lstDigitsWheel", 7);
        spaceOn("lstDigitsWheel", 2);
        QCOMPARE(tickedTexts(lst("lstMustHaveDigit")), QStringList({"2", "7"}));
        spaceOn("lstDigitsWheel", 7);
        QCOMPARE(itemTexts(lst("lstMustHaveDigit")), QStringList{"2"});
        spaceOn("lstMustHaveDigit", 0); // the must-include list takes Space too
        QCOMPARE(tickedTexts(lst("lstMustHaveDigit")), QStringList());
        doSteps(w, {"optPositionDigit(1)"});
        spaceOn("lstDigitsWheelPos1(2)", 4);
        QCOMPARE(tickedTexts(lst("lstMustHaveDigit")), QStringList{"4"});
    }

    // A key on a control: the context-menu branch it opens, or the page it hands
    // to the browser; nothing gets ticked on the way.
    void keyOpens_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("opened"); // empty: nothing
        const auto row = [](const char* keys, const char* control, const char* opened) {
            QTest::newRow(QByteArray(keys) + " on " + control) << keys << control << opened;
        };
        row("Menu", "lstRoot", "mnuRoot");
        row("Shift+F10", "lstDigitsWheel", "mnuDigits");
        row("Menu", "lstOddEven", "");
        row("Space", "Picture1", kDownloadPage);
        row("Return", "Picture1", kDownloadPage);
    }
    void keyOpens() {
        QFETCH(QString, keys);
        QFETCH(QString, control);
        QFETCH(QString, opened);
        UrlCatcher browser;
        w->findChild<QWidget*>(control)->setFocus();
        QTest::keySequence(w->findChild<QWidget*>(control), QKeySequence(keys));
        auto* root = w->findChild<QMenu*>("mnuAction");
        QStringList shown = QUrl::toStringList(browser.urls());
        for (QAction* entry : root->actions()) {
            if (root->isVisible() && entry->isVisible()) { // at once, or not at all
                shown << entry->menu()->objectName();
            }
        }
        root->hide();
        QCOMPARE(shown, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(lst(control) ? tickedTexts(lst(control)) : QStringList(), QStringList());
    }

    // From the red Close, Tab goes panel by panel, each read top to bottom and
    // left to right, skips what the mode hides or disables, and comes back round.
    void tabFollowsTheLayout_data() {
        QTest::addColumn<QString>("anchors"); // in the order Tab reaches them; the first, the mode
        QTest::newRow("any position")
            << "optPositionDigit(0) lstDigitsWheel lstMustHaveDigit lstSumDigits lstInOut lstLMH "
               "lstWidthMiddleHighest optConsec(0) chkExcludeSingles cmdProduce cmdHotCold "
               "cmdFilterOutBoxedPairs txtOutputBoxLHH cmdHelp txtResults Picture1";
        QTest::newRow("positional") << "optPositionDigit(1) lstDigitsWheelPos1(0) "
                                       "lstDigitsWheelPos1(2) lstMustHaveDigit lstLMHDigits "
                                       "lstWidthX_X cmdFilterPairsStraight Picture1";
    }
    void tabFollowsTheLayout() {
        QFETCH(QString, anchors);
        const QStringList order = anchors.split(' ');
        doSteps(w, {order.first()});
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->findChild<QWidget*>("cmdClose")->setFocus();
        QStringList visited;
        while (visited.size() < 100 && !visited.endsWith("cmdClose")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        // Back round to the start, through the results box once (Tab does not stay in it).
        QVERIFY2(visited.endsWith("cmdClose") && visited.count("txtResults") == 1,
                 qPrintable(visited.join(' ')));
        visited.removeIf([&order](const QString& name) { return !order.contains(name); });
        QCOMPARE(visited, order);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
