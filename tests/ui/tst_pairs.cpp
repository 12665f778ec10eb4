// The two pair dialogs: what they show, how a tick reaches the pair sets at
// once, the ten-pair grid the user scans, and closing.

#include "app/CheckList.h"
#include "engine/Pairs.h"
#include "helpers/ModalHelper.h"
#include "pairs/PairGrid.h"
#include "pairs/frmPick3FilterBoxedPairs.h"
#include "pairs/frmPick3FilterStraightPairs.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <memory>

using namespace pick3;
using pick3::test::child;

namespace {

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int r = 0; r < list->count(); ++r) {
        texts << list->item(r)->text();
    }
    return texts;
}

QStringList tickedTexts(const CheckList* list) {
    QStringList texts;
    for (int r = 0; r < list->count(); ++r) {
        if (list->isTicked(r)) {
            texts << list->itemText(r);
        }
    }
    return texts;
}

QStringList toQt(const PairSet& set) {
    QStringList texts;
    for (const std::string& text : set) {
        texts << QString::fromStdString(text);
    }
    return texts;
}

int rowOf(const QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.front());
}

// Where the pair of `row` is drawn: its cell after the leading empty cells.
QRect drawnCell(const PairGrid* list, int row) {
    const QRect item = list->visualItemRect(list->item(row));
    const int cell = list->cellSize().width();
    return {item.left() + list->leadingCells(row) * cell, item.top(), cell - PairGrid::kCellGap,
            item.height()};
}

// The user's click on the tick box in front of a pair.
void clickTickBox(PairGrid* list, const QString& text) {
    const int row = rowOf(list, text);
    QVERIFY2(row >= 0, qPrintable(text));
    list->scrollToItem(list->item(row));
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = drawnCell(list, row);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = text;
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

// The user moves to a pair and presses Space.
void spaceOn(PairGrid* list, const QString& text) {
    list->setFocus();
    list->setCurrentRow(rowOf(list, text));
    QTest::keyClick(list, Qt::Key_Space);
}

} // namespace

class PairDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void straightDialogShowsItsTextsAndTheCurrentSets();
    void boxedDialogShowsItsTextsAndTheCurrentSet();
    void straightTicksReachThePairSetsAtOnce();
    void boxedTicksReachThePairSetAtOnceAndSurviveReopening();
    void pairsStandInATenColumnGridWithNothingToScroll_data();
    void pairsStandInATenColumnGridWithNothingToScroll();
    void aClickBesideATickBoxTicksNothing();
    void everyWayOfClosingAsksOnceToBeDiscarded_data();
    void everyWayOfClosingAsksOnceToBeDiscarded();
};

void PairDialogsTest::straightDialogShowsItsTextsAndTheCurrentSets() {
    PairSets pairs;
    pairs.left = {"12", "34"};
    frmPick3FilterStraightPairs dialog(pairs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Filter pairs - Straight"));
    QVERIFY(dialog.isModal());
    QCOMPARE(child<QLabel>(&dialog, "lblStateName")->text(),
             QStringLiteral("Filter pairs - Straight"));
    QVERIFY(child<QLabel>(&dialog, "lblLeft"));
    QCOMPARE(child<QPushButton>(&dialog, "cmdClose")->text(), QStringLiteral("&Close"));
    QCOMPARE(child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Pairs to filter out"));

    struct Expected {
        const char* list;
        const char* label;
        const char* heading;
        const char* tooltip;
        QStringList ticked;
    };
    const Expected expected[] = {
        {"lstLeftPairs",
         "Label2",
         "Left pair (LP) - XX_",
         "Select left pairs to force the engine to exclude these",
         {"12", "34"}},
        {"lstRightPairs",
         "Label3",
         "Right pair (RP) - _XX",
         "Select right pairs to force the engine to exclude these",
         {}},
        {"lstSplitPairs",
         "Label4",
         "Split pair (SP) X_X",
         "Select split pairs to force the engine to exclude these",
         {}},
    };
    QStringList hundred;
    for (int n = 0; n < 100; ++n) {
        hundred << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    for (const Expected& e : expected) {
        auto* list = child<CheckList>(&dialog, e.list);
        QVERIFY2(list, e.list);
        QCOMPARE(child<QLabel>(&dialog, e.label)->text(), QString::fromLatin1(e.heading));
        QCOMPARE(list->toolTip(), QString::fromLatin1(e.tooltip));
        QCOMPARE(list->accessibleName(), QString::fromLatin1(e.heading));
        QCOMPARE(list->accessibleDescription(), QString::fromLatin1(e.tooltip));
        QCOMPARE(itemTexts(list), hundred);
        QCOMPARE(tickedTexts(list), e.ticked);
    }
}

void PairDialogsTest::boxedDialogShowsItsTextsAndTheCurrentSet() {
    PairSets pairs;
    pairs.boxed = {"13"};
    pairs.left = {"13"}; // another set: not this dialog's business
    frmPick3FilterBoxedPairs dialog(pairs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Filter pairs - BOXED"));
    QVERIFY(dialog.isModal());
    QCOMPARE(child<QLabel>(&dialog, "lblStateName")->text(), QStringLiteral("Pairs - BOXED"));
    QCOMPARE(child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Pairs to filter out"));
    auto* list = child<CheckList>(&dialog, "lstAvailablePairs");
    QVERIFY(list);
    QCOMPARE(list->toolTip(),
             QStringLiteral("Select pairs to force the engine to exclude these from creation"));
    const QStringList texts = itemTexts(list);
    QCOMPARE(texts.size(), 55);
    QCOMPARE(texts.mid(0, 11),
             QStringList({"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "11"}));
    QCOMPARE(texts.back(), QStringLiteral("99"));
    QCOMPARE(tickedTexts(list), QStringList{"13"});
}

void PairDialogsTest::straightTicksReachThePairSetsAtOnce() {
    PairSets pairs;
    pairs.left = {"12", "34"};
    pairs.boxed = {"55"};
    auto dialog = std::make_unique<frmPick3FilterStraightPairs>(pairs);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QSignalSpy changed(dialog.get(), &frmPick3FilterStraightPairs::pairsChanged);
    auto* left = child<PairGrid>(dialog.get(), "lstLeftPairs");
    auto* right = child<PairGrid>(dialog.get(), "lstRightPairs");
    auto* split = child<PairGrid>(dialog.get(), "lstSplitPairs");

    clickTickBox(split, "00");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(toQt(pairs.split), QStringList{"00"});

    spaceOn(left, "12"); // untick
    QCOMPARE(changed.count(), 2);
    QCOMPARE(toQt(pairs.left), QStringList{"34"});

    clickTickBox(right, "99");
    clickTickBox(right, "07");
    clickTickBox(left, "05");
    QCOMPARE(changed.count(), 5);
    // Each set holds its pairs in list order, whatever order they were ticked in.
    QCOMPARE(toQt(pairs.right), QStringList({"07", "99"}));
    QCOMPARE(toQt(pairs.left), QStringList({"05", "34"}));
    QCOMPARE(toQt(pairs.split), QStringList{"00"});
    QCOMPARE(toQt(pairs.boxed), QStringList{"55"});
    QCOMPARE(QString::fromStdString(straightPairsCaption(pairs)),
             QStringLiteral("Pairs - STRAIGHT ; LP: 2  RP: 2  SP: 1"));

    // A new dialog shows what the sets hold now.
    dialog.reset();
    frmPick3FilterStraightPairs again(pairs);
    QCOMPARE(tickedTexts(child<CheckList>(&again, "lstLeftPairs")), QStringList({"05", "34"}));
    QCOMPARE(tickedTexts(child<CheckList>(&again, "lstRightPairs")), QStringList({"07", "99"}));
    QCOMPARE(tickedTexts(child<CheckList>(&again, "lstSplitPairs")), QStringList{"00"});

    // Unticking everything leaves every set empty.
    for (const char* name : {"lstLeftPairs", "lstRightPairs", "lstSplitPairs"}) {
        child<CheckList>(&again, name)->setAllTicked(false);
    }
    QVERIFY(pairs.left.empty() && pairs.right.empty() && pairs.split.empty());
    QCOMPARE(toQt(pairs.boxed), QStringList{"55"});
}

void PairDialogsTest::boxedTicksReachThePairSetAtOnceAndSurviveReopening() {
    PairSets pairs;
    pairs.split = {"11"};
    {
        frmPick3FilterBoxedPairs dialog(pairs);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy changed(&dialog, &frmPick3FilterBoxedPairs::pairsChanged);
        auto* list = child<PairGrid>(&dialog, "lstAvailablePairs");
        clickTickBox(list, "99");
        clickTickBox(list, "11"); // the first cell of its row, drawn after an empty one
        spaceOn(list, "05");
        QCOMPARE(changed.count(), 3);
        QCOMPARE(toQt(pairs.boxed), QStringList({"05", "11", "99"}));
        spaceOn(list, "99");
        QCOMPARE(toQt(pairs.boxed), QStringList({"05", "11"}));
        QCOMPARE(QString::fromStdString(boxedPairsCaption(pairs)),
                 QStringLiteral("Pairs - BOXED : 2"));
    }
    frmPick3FilterBoxedPairs again(pairs);
    QCOMPARE(tickedTexts(child<CheckList>(&again, "lstAvailablePairs")), QStringList({"05", "11"}));
    QCOMPARE(toQt(pairs.split), QStringList{"11"});
}

void PairDialogsTest::pairsStandInATenColumnGridWithNothingToScroll_data() {
    QTest::addColumn<bool>("boxed");
    QTest::addColumn<QString>("list");
    QTest::newRow("left") << false << "lstLeftPairs";
    QTest::newRow("right") << false << "lstRightPairs";
    QTest::newRow("split") << false << "lstSplitPairs";
    QTest::newRow("boxed") << true << "lstAvailablePairs";
}

void PairDialogsTest::pairsStandInATenColumnGridWithNothingToScroll() {
    QFETCH(bool, boxed);
    QFETCH(QString, list);
    PairSets pairs;
    std::unique_ptr<QDialog> dialog;
    if (boxed) {
        dialog = std::make_unique<frmPick3FilterBoxedPairs>(pairs);
    } else {
        dialog = std::make_unique<frmPick3FilterStraightPairs>(pairs);
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* grid = child<PairGrid>(dialog.get(), list);

    // Row r of the grid holds the pairs r0..r9 (boxed: rr..r9), and column c
    // the pairs whose second digit is c, so the first row is 00..09.
    std::array<int, 10> rowTop{};
    std::array<int, 10> columnLeft{};
    for (int r = 0; r < grid->count(); ++r) {
        const QString text = grid->itemText(r);
        const int first = text[0].digitValue();
        const int second = text[1].digitValue();
        const QRect cell = drawnCell(grid, r);
        QVERIFY2(grid->viewport()->rect().contains(cell), qPrintable(text));
        if (r == 0 || grid->itemText(r - 1)[0] != text[0]) {
            rowTop[static_cast<std::size_t>(first)] = cell.top();
        }
        if (first == 0) {
            columnLeft[static_cast<std::size_t>(second)] = cell.left();
        }
        QCOMPARE(cell.top(), rowTop[static_cast<std::size_t>(first)]);
        QCOMPARE(cell.left(), columnLeft[static_cast<std::size_t>(second)]);
    }
    for (std::size_t d = 1; d < 10; ++d) {
        QVERIFY(rowTop[d] > rowTop[d - 1]);
        QVERIFY(columnLeft[d] > columnLeft[d - 1]);
    }
}

void PairDialogsTest::aClickBesideATickBoxTicksNothing() {
    PairSets pairs;
    frmPick3FilterBoxedPairs dialog(pairs);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = child<PairGrid>(&dialog, "lstAvailablePairs");
    // 55 stands in column 5: the cells to its left are empty, and a click there
    // must not tick it, nor a click on its text.
    const int row = rowOf(list, "55");
    const QRect item = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.topLeft() + QPoint(4, 4));
    const QRect drawn = drawnCell(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(drawn.right() - 2, drawn.center().y()));
    QVERIFY(pairs.boxed.empty());
    QVERIFY(!list->isTicked(row));
}

void PairDialogsTest::everyWayOfClosingAsksOnceToBeDiscarded_data() {
    QTest::addColumn<bool>("boxed");
    QTest::addColumn<QString>("how");
    for (const bool boxed : {false, true}) {
        const char* kind = boxed ? "boxed" : "straight";
        QTest::addRow("%s, Close button", kind) << boxed << "button";
        QTest::addRow("%s, Alt+C", kind) << boxed << "accessKey";
        QTest::addRow("%s, Esc", kind) << boxed << "escape";
        QTest::addRow("%s, title bar", kind) << boxed << "titleBar";
    }
}

void PairDialogsTest::everyWayOfClosingAsksOnceToBeDiscarded() {
    QFETCH(bool, boxed);
    QFETCH(QString, how);
    PairSets pairs;
    pairs.boxed = {"22"};
    pairs.left = {"22"};
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<QSignalSpy> discard;
    if (boxed) {
        auto* d = new frmPick3FilterBoxedPairs(pairs);
        dialog.reset(d);
        discard = std::make_unique<QSignalSpy>(d, &frmPick3FilterBoxedPairs::discardRequested);
    } else {
        auto* d = new frmPick3FilterStraightPairs(pairs);
        dialog.reset(d);
        discard = std::make_unique<QSignalSpy>(d, &frmPick3FilterStraightPairs::discardRequested);
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (how == "button") {
        child<QPushButton>(dialog.get(), "cmdClose")->click();
    } else if (how == "accessKey") {
        QTest::keyClick(dialog.get(), Qt::Key_C, Qt::AltModifier);
    } else if (how == "escape") {
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    } else {
        dialog->close();
    }
    QTRY_VERIFY(!dialog->isVisible());
    dialog->close(); // a second close changes nothing
    QCOMPARE(discard->count(), 1);
    // Closing keeps the sets as they are.
    QCOMPARE(toQt(pairs.boxed), QStringList{"22"});
    QCOMPARE(toQt(pairs.left), QStringList{"22"});
}

QTEST_MAIN(PairDialogsTest)
#include "tst_pairs.moc"
