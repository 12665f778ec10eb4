// The tick list on its own: the keyboard moves its current row (and the view
// follows it), typing goes to an item, the wheel scrolls a long list, a press
// and a release on different rows flip nothing, and a screen reader sees each
// item with its tick and can flip it. The pair grid moves by its grid.

#include "pairs/PairGrid.h"
#include "widgets/CheckList.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace pick3;

namespace {

QStringList numbered(int count, const QString& prefix = QString()) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts << prefix + QString::number(i);
    }
    return texts;
}

bool inSight(const CheckList& list, int row) {
    const QRect rect = list.visualItemRect(list.item(row));
    return list.contentsRect().contains(rect);
}

} // namespace

class CheckListTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void keyboardMovesAndTicks() {
        CheckList list;
        list.setVisibleRows(5);
        list.setItems(numbered(20, QStringLiteral("n")) << QStringLiteral("apple")
                                                        << QStringLiteral("avocado"));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setFocus(Qt::TabFocusReason);
        QCOMPARE(list.currentRow(), 0); // the keyboard arrives on the first item
        const QSignalSpy ticks(&list, &CheckList::itemTickChanged);
        const auto press = [&list](Qt::Key key) { QTest::keyClick(&list, key); };
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        press(Qt::Key_Down);
        QCOMPARE(list.currentRow(), 2);
        press(Qt::Key_Space);
        QVERIFY(list.isTicked(2) && ticks.count() == 1);
        press(Qt::Key_End);
        QVERIFY(list.currentRow() == 21 && inSight(list, 21) && !inSight(list, 2));
        press(Qt::Key_Home);
        QVERIFY(list.currentRow() == 0 && inSight(list, 0));
        press(Qt::Key_PageDown);
        QVERIFY(list.currentRow() > 2 && inSight(list, list.currentRow()));
        press(Qt::Key_Up);
        QTest::keyClicks(&list, QStringLiteral("a"));
        QCOMPARE(list.currentRow(), 20);
        QTest::keyClicks(&list, QStringLiteral("a")); // the same key again: the next one
        QCOMPARE(list.currentRow(), 21);
        QCOMPARE(ticks.count(), 1); // moving ticks nothing
    }

    void mouseAndWheel() {
        CheckList list;
        list.setVisibleRows(4);
        list.setItems(numbered(12));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QScrollBar* bar = list.verticalScrollBar();
        const int rowsInSight = list.contentsRect().height() / list.visualItemRect(list.item(0)).height();
        QVERIFY(bar->isVisible() && bar->maximum() == 12 - rowsInSight);
        // Pressed on one row and let go on another: nothing flips.
        QTest::mousePress(&list, Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
        QTest::mouseRelease(&list, Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
        QCOMPARE(list.tickedCount(), 0);
        QWheelEvent down(QPointF(10, 10), list.mapToGlobal(QPointF(10, 10)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(&list, &down);
        QVERIFY(bar->value() > 0);
        // The rows drawn and clicked follow the scroll: a click on the top row in
        // sight ticks that row.
        const int top = bar->value();
        QTest::mouseClick(&list, Qt::LeftButton, {},
                          list.contentsRect().topLeft() + QPoint(20, 4));
        QVERIFY(list.isTicked(top) && list.tickedCount() == 1);
        // A list that no longer needs it has no scroll bar.
        list.setItems(numbered(3));
        QVERIFY(!bar->isVisible() && list.rowAt(list.contentsRect().topLeft() + QPoint(20, 4)) == 0);
    }

    // A list filled out of sight lays its bar out when it is shown, and again when its rows
    // changed while it was hidden; a long list asks for room for the bar beside its rows.
    void theBarLaidOutWhenShown() {
        QWidget window;
        auto* list = new CheckList(&window);
        (new QVBoxLayout(&window))->addWidget(list);
        list->setVisibleRows(4);
        list->setItems(QStringList(12, QStringLiteral("x")));
        const int wide = list->sizeHint().width();
        const auto showAgain = [&window] {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        };
        showAgain();
        QScrollBar* bar = list->verticalScrollBar();
        const auto scrollsTwelve = [list, bar] {
            const int rowsInSight =
                list->contentsRect().height() / list->visualItemRect(list->item(0)).height();
            return bar->isVisible() && bar->maximum() == 12 - rowsInSight;
        };
        QVERIFY(scrollsTwelve());
        window.hide();
        list->setItems(QStringList(3, QStringLiteral("x")));
        showAgain();
        QVERIFY(!bar->isVisible());
        QCOMPARE(list->sizeHint().width() + bar->sizeHint().width(), wide);
        window.hide();
        list->setItems(QStringList(12, QStringLiteral("x")));
        showAgain();
        QVERIFY(scrollsTwelve());
    }

    void aScreenReaderSeesAndFlipsTheTicks() {
        CheckList list;
        list.setItems({QStringLiteral("Mostly hot"), QStringLiteral("All cold")});
        list.setTicked(1, true);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(face != nullptr);
        QCOMPARE(face->role(), QAccessible::List);
        QCOMPARE(face->childCount(), 2);
        QAccessibleInterface* second = face->child(1);
        QCOMPARE(second->text(QAccessible::Name), QStringLiteral("All cold"));
        QVERIFY(second->state().checkable && second->state().checked);
        QVERIFY(!face->child(0)->state().checked);
        QCOMPARE(face->indexOfChild(second), 1);
        const QSignalSpy ticks(&list, &CheckList::itemTickChanged);
        QAccessibleActionInterface* action = second->actionInterface();
        QVERIFY(action != nullptr);
        action->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!list.isTicked(1) && !second->state().checked && ticks.count() == 1);
        const QRect first = face->child(0)->rect();
        QCOMPARE(face->childAt(first.center().x(), first.center().y()), face->child(0));
        // An item gone from the list is no longer a valid one.
        list.setItems({QStringLiteral("Mostly hot")});
        QVERIFY(face->childCount() == 1 && !second->isValid());
    }

    void theGridMovesByRowsAndColumns() {
        PairGrid grid;
        QStringList pairs; // the boxed pairs: 00..09, 11..19, 22..29 ...
        for (int first = 0; first < 10; ++first) {
            for (int second = first; second < 10; ++second) {
                pairs << QString::number(first) + QString::number(second);
            }
        }
        grid.setItems(pairs);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QVERIFY(!grid.verticalScrollBar()->isVisible());
        const int at37 = static_cast<int>(pairs.indexOf(QStringLiteral("37")));
        grid.setFocus(Qt::TabFocusReason);
        grid.setCurrentRow(at37);
        QTest::keyClick(&grid, Qt::Key_Up); // 27, the cell above
        QCOMPARE(grid.itemText(grid.currentRow()), QStringLiteral("27"));
        QTest::keyClick(&grid, Qt::Key_Right);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(grid.itemText(grid.currentRow()), QStringLiteral("38"));
        // Each cell is clicked where it is drawn: the column of its second digit.
        const QRect cell37 = grid.visualItemRect(grid.item(at37));
        const int width = grid.cellSize().width();
        const QPoint box(cell37.left() + grid.leadingCells(at37) * width + 6, cell37.center().y());
        QCOMPARE(grid.rowAt(box), at37);
        QCOMPARE(box.x() - grid.contentsRect().left(), 7 * width + 6);
    }
};

QTEST_MAIN(CheckListTest)
#include "tst_checklist.moc"
