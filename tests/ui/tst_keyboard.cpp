// The program from the keyboard alone and for a screen reader: every window
// opens with the keyboard on its first control, names each of its controls
// (caption or heading as the name, the tooltip as the description) and closes
// with Alt+C; Space ticks the current list item; Tab follows the layout; Ctrl+V
// on an empty clipboard pastes nothing. The access keys are the fit test's, the
// menu keys the context-menu test's, the picture's keys the help test's.

#include "app/mdlMain.h"
#include "helpers/MainWindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>

using namespace pick3;
using namespace pick3::test;

namespace {

// One line per control of `window` that a screen reader could not announce
// properly: buttons, lists, text boxes, the picture and whatever else takes Tab.
QStringList accessibilityFaults(QWidget* window) {
    QStringList faults;
    int walked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool interactive = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus ||
                                 w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
                                 w->inherits("QAbstractItemView") ||
                                 w->inherits("QPlainTextEdit") || w->inherits("pick3::Picture1");
        // Menus and the windows this one owns are walked on their own.
        if (w->window() != window || !interactive) {
            continue;
        }
        ++walked;
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        const QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        const QString description = face != nullptr ? face->text(QAccessible::Description) : "";
        const QString id = window->objectName() + '/' + w->objectName();
        if (name.trimmed().isEmpty() || name.contains('&')) {
            faults << id + ": name \"" + name + '"';
        }
        if (!w->toolTip().isEmpty() && description != w->toolTip()) {
            faults << id + ": tooltip \"" + w->toolTip() + "\", description \"" + description + '"';
        }
    }
    return walked > 1 ? faults : faults << window->objectName() + ": walked no controls";
}

} // namespace

class KeyboardTest : public MainWindowFixture {
    Q_OBJECT

    // Space on `row` of a list, made the current item first.
    void spaceOn(const char* list, int row) const {
        lst(list)->setCurrentRow(row);
        QTest::keyClick(lst(list), Qt::Key_Space);
    }

  private Q_SLOTS:
    // Ctrl+V on a clipboard that holds nothing (after login, or once the program
    // that filled it has quit) pastes nothing into any box, and a text still pastes.
    // Before the main window's Alt+C below ends the program and its modal loops.
    void pasteFromAnEmptyClipboard() {
        const auto paste = [](QWidget* window, const char* box, const QString& clipboard) {
            auto* edit = window->findChild<QPlainTextEdit*>(QLatin1String(box));
            auto* data = new QMimeData;
            if (!clipboard.isEmpty()) {
                data->setText(clipboard);
            }
            QGuiApplication::clipboard()->setMimeData(data);
            edit->clear();
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            return edit->toPlainText();
        };
        QCOMPARE(paste(w, "txtResults", QString()), QString());
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&paste](QWidget* counter) {
            QCOMPARE(paste(counter, "txtOutput", QString()), QString());
            QCOMPARE(paste(counter, "txtDrawnNumber", QString()), QString());
            QCOMPARE(paste(counter, "txtDrawnNumber", QStringLiteral("123 456")), "123 456");
            QTest::keyClick(counter, Qt::Key_C, Qt::AltModifier);
        }));
    }

    // Each window opens with the keyboard on its first control (a stray Space
    // on the red Close would end the program or discard the count), every
    // control named, and Alt+C closes it.
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
        row("back-test", "cmdBackTest", "optNewest(0)"); // with draws counted first
        row("my plays", "cmdMyPlays", "txtTickets");
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
            const QStringList faults = accessibilityFaults(window);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
            closing = window;
            QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        };
        if (button.isEmpty()) {
            pressAltC(w);
        } else {
            doSteps(w, button == "cmdFilterPairsStraight" ? QStringList{"optPositionDigit(1)"}
                                                          : QStringList());
            QVERIFY(first != "optNewest(0)" || countInHotCold(w, QStringLiteral("123 456 789")));
            QVERIFY(inModal(w, button, pressAltC));
        }
        QTRY_VERIFY(closing.isNull()); // discarded, or for the main window the program ended
        QCOMPARE(mainWindow() != nullptr, !button.isEmpty());
    }

    // Space ticks the current item of a list, the must-include list's too.
    void spaceTicks() {
        spaceOn("lstDigitsWheel", 7);
        spaceOn("lstMustHaveDigit", 0);
        QCOMPARE(tickedTexts(lst("lstDigitsWheel")) + tickedTexts(lst("lstMustHaveDigit")),
                 QStringList{"7"});
        spaceOn("lstDigitsWheel", 7);
        QCOMPARE(lst("lstDigitsWheel")->tickedCount(), 0);
    }

    // From the red Close, Tab goes panel by panel, each read top to bottom and
    // left to right, skips what the mode hides or disables, and comes back round.
    void tabFollowsTheLayout_data() {
        QTest::addColumn<QString>("anchors"); // in the order Tab reaches them; the first, the mode
        QTest::newRow("any position")
            << "optPositionDigit(0) lstDigitsWheel lstMustHaveDigit lstSumDigits lstInOut lstLMH "
               "lstWidthMiddleHighest optConsec(0) chkExcludeSingles cmdProduce cmdHotCold "
               "cmdFilterOutBoxedPairs txtOutputBoxLHH cmdHelp cmdSaveNumbers cmdPrint txtResults "
               "Picture1";
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
