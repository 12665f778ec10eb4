// The pair dialogs through the main window: opened with the current sets
// ticked, every tick written back at once (the button caption and the live
// count follow), the numbers "Create numbers" and "Filter more" then keep, and
// "Reset filters" and the mode switch emptying the sets.

#include "helpers/MainWindowDriver.h"
#include "pairs/PairGrid.h"

#include <QStyle>
#include <QStyleOptionViewItem>

using namespace pick3;
using namespace pick3::test;

namespace {

// The user's click on the tick box of a pair, drawn in its grid cell.
void clickPair(const QWidget* dialog, const char* list, const char* pair) {
    auto* grid = dialog->findChild<PairGrid*>(QLatin1String(list));
    const int row = static_cast<int>(itemTexts(grid).indexOf(QLatin1String(pair)));
    const QRect item = grid->visualItemRect(grid->item(row));
    const int cell = grid->cellSize().width();
    QStyleOptionViewItem option;
    option.initFrom(grid);
    option.rect = QRect(item.left() + grid->leadingCells(row) * cell, item.top(),
                        cell - PairGrid::kCellGap, item.height());
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box =
        grid->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, grid);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, box.center());
}

} // namespace

class PairDialogsTest : public MainWindowFixture {
    Q_OBJECT

    QString text(const char* name) const { return ctl<QWidget>(name)->property("text").toString(); }
    // Opens a pair dialog and clicks `pairs` ("list:pair"), noting the button's
    // caption and the live count after each; presses "&Close". Returns the ticks
    // the dialog showed on opening, then the notes.
    QStringList inPairs(const char* button, const QStringList& pairs = {}) {
        QPointer<QWidget> opened;
        QStringList seen;
        const bool ran = inModal(w, QLatin1String(button), [&](QWidget* dialog) {
            opened = dialog;
            QStringList shown;
            for (const CheckList* list : dialog->findChildren<PairGrid*>()) {
                shown << list->objectName() + ": " + tickedTexts(list).join(' ');
            }
            shown.sort();
            seen << dialog->windowTitle() << shown;
            for (const QString& pair : pairs) {
                clickPair(dialog, qPrintable(pair.section(':', 0, 0)),
                          qPrintable(pair.section(':', 1)));
                seen << text(button) + " / " + text("lblLiveCount").section(':', 0, 0);
            }
            clickButton(dialog, QStringLiteral("cmdClose"));
        });
        [&] { // the checks return early, so they live in a function of their own
            QVERIFY2(ran, button);
            QTRY_VERIFY(opened.isNull()); // discarded by "&Close"
        }();
        return seen;
    }
    QStringList filterMore(const char* typed) {
        typeResults(w, QLatin1String(typed));
        doSteps(w, {"cmdFilterMore"});
        return numbersIn(resultsText(w));
    }

  private Q_SLOTS:
    void boxedPairs() {
        doSteps(w, {"lstDigitsWheel:1234"});
        QCOMPARE(
            inPairs("cmdFilterOutBoxedPairs", {"lstAvailablePairs:13", "lstAvailablePairs:11"}),
            QStringList({"Filter pairs - BOXED",
                         "lstAvailablePairs: ", "Pairs - BOXED : 1 / Would create 16 numbers",
                         "Pairs - BOXED : 2 / Would create 13 numbers"}));
        QCOMPARE(filterMore("321, 145, 311, 999"), QStringList({"145", "999"}));
        QCOMPARE(inPairs("cmdFilterOutBoxedPairs").last(), "lstAvailablePairs: 11 13");
        doSteps(w, {"cmdResetFilters"});
        QCOMPARE(text("cmdFilterOutBoxedPairs"), QStringLiteral("Pairs - BOXED : 0"));
        QCOMPARE(inPairs("cmdFilterOutBoxedPairs").last(), "lstAvailablePairs: ");
    }

    void straightPairs() {
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0):012", "lstDigitsWheelPos1(1):012",
                    "lstDigitsWheelPos1(2):012"});
        // Left 12 is digits 1 and 2, right 21 digits 2 and 3, split 00 digits 1 and 3.
        QCOMPARE(inPairs("cmdFilterPairsStraight",
                         {"lstLeftPairs:12", "lstSplitPairs:00", "lstRightPairs:21"}),
                 QStringList({"Filter pairs - Straight",
                              "lstLeftPairs: ", "lstRightPairs: ", "lstSplitPairs: ",
                              "Pairs - STRAIGHT ; LP: 1  RP: 0  SP: 0 / Would create 24 numbers",
                              "Pairs - STRAIGHT ; LP: 1  RP: 0  SP: 1 / Would create 21 numbers",
                              "Pairs - STRAIGHT ; LP: 1  RP: 1  SP: 1 / Would create 19 numbers"}));
        // Survivors are kept in the order typed.
        QCOMPARE(filterMore("120 312 010 001 221 212 021"), QStringList({"312", "001", "212"}));
        QCOMPARE(inPairs("cmdFilterPairsStraight").mid(1),
                 QStringList({"lstLeftPairs: 12", "lstRightPairs: 21", "lstSplitPairs: 00"}));
        // A mode switch empties every pair set, there and back again.
        doSteps(w, {"optPositionDigit(0)", "optPositionDigit(1)"});
        QCOMPARE(text("cmdFilterPairsStraight"),
                 QStringLiteral("Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));
        QCOMPARE(filterMore("120 010"), QStringList({"120", "010"}));
    }
};

QTEST_MAIN(PairDialogsTest)
#include "tst_pairs.moc"
