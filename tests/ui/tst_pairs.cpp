// The pair dialogs through the main window: open, tick, close, reopen with the
// same selection; the counts on the buttons at every tick; the numbers thrown
// out by "Create numbers" and "Filter more" in both modes; "Reset filters" and
// the mode switch emptying the sets.

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
    grid->scrollToItem(grid->item(row));
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

QStringList sorted(QStringList numbers) {
    numbers.sort();
    return numbers;
}

} // namespace

class PairDialogsTest : public MainWindowFixture {
    Q_OBJECT

    QString caption(const char* button) const {
        return w->findChild<QAbstractButton*>(QLatin1String(button))->text();
    }
    // Opens a pair dialog, lets `act` work in it, presses its "&Close" and
    // returns the ticked pairs of each list as the dialog showed them on opening.
    QStringList inPairs(const char* button, const std::function<void(QWidget*)>& act = {}) {
        QPointer<QWidget> opened;
        QStringList shown;
        const bool ran = inModal(w, QLatin1String(button), [&](QWidget* dialog) {
            opened = dialog;
            for (const CheckList* list : dialog->findChildren<PairGrid*>()) {
                shown << list->objectName() + ": " + tickedTexts(list).join(' ');
            }
            if (act) {
                act(dialog);
            }
            clickButton(dialog, QStringLiteral("cmdClose"));
        });
        [&] { // the checks return early, so they live in a function of their own
            QVERIFY2(ran, button);
            QTRY_VERIFY(opened.isNull()); // discarded by "&Close"
        }();
        shown.sort();
        return shown;
    }
    QStringList filterMore(const char* typed) {
        typeResults(w, QLatin1String(typed));
        doSteps(w, {"cmdFilterMore"});
        return numbersIn(resultsText(w));
    }

  private Q_SLOTS:

    void boxedPairs() {
        QStringList captions;
        inPairs("cmdFilterOutBoxedPairs", [&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Filter pairs - BOXED"));
            clickPair(dialog, "lstAvailablePairs", "13");
            captions << caption("cmdFilterOutBoxedPairs");
            clickPair(dialog, "lstAvailablePairs", "11");
            captions << caption("cmdFilterOutBoxedPairs");
        });
        QCOMPARE(captions, QStringList({"Pairs - BOXED : 1", "Pairs - BOXED : 2"}));

        // 13 throws out every number holding a 1 and a 3, 11 every one with two 1s.
        doSteps(w, {"lstDigitsWheel:1234", "cmdProduce"});
        QCOMPARE(resultsText(w), QStringLiteral("124, 234\n122, 223, 224, 233, 334, 144, 244, 344\n"
                                                "222, 333, 444"));
        // Typed numbers are sorted before their pairs are built.
        QCOMPARE(sorted(filterMore("123, 321, 145, 311, 999, 313")), QStringList({"145", "999"}));
        QCOMPARE(inPairs("cmdFilterOutBoxedPairs"), QStringList{"lstAvailablePairs: 11 13"});

        doSteps(w, {"cmdResetFilters"});
        QCOMPARE(caption("cmdFilterOutBoxedPairs"), QStringLiteral("Pairs - BOXED : 0"));
        QCOMPARE(inPairs("cmdFilterOutBoxedPairs"), QStringList{"lstAvailablePairs: "});
        QCOMPARE(sorted(filterMore("313, 113")), QStringList({"113", "133"}));
    }

    void straightPairs() {
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0):012", "lstDigitsWheelPos1(1):012",
                    "lstDigitsWheelPos1(2):012"});
        QStringList captions;
        inPairs("cmdFilterPairsStraight", [&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Filter pairs - Straight"));
            clickPair(dialog, "lstLeftPairs", "12");
            captions << caption("cmdFilterPairsStraight");
            clickPair(dialog, "lstSplitPairs", "00");
            clickPair(dialog, "lstRightPairs", "21");
            captions << caption("cmdFilterPairsStraight");
            // The live count follows each tick.
            captions << w->findChild<QLabel*>(QStringLiteral("lblLiveCount"))->text().left(24);
        });
        QCOMPARE(captions, QStringList({"Pairs - STRAIGHT ; LP: 1  RP: 0  SP: 0",
                                        "Pairs - STRAIGHT ; LP: 1  RP: 1  SP: 1",
                                        "Would create 19 numbers:"}));

        // Left 12 is digits 1 and 2, right 21 digits 2 and 3, split 00 digits 1 and 3.
        doSteps(w, {"cmdProduce"});
        QCOMPARE(sorted(numbersIn(resultsText(w))),
                 QStringList({"001", "002", "011", "012", "022", "100", "101", "102", "110", "111",
                              "112", "200", "201", "202", "210", "211", "212", "220", "222"}));
        // Survivors are kept in the order typed.
        QCOMPARE(filterMore("120 312 010 001 221 212 021"), QStringList({"312", "001", "212"}));
        QCOMPARE(inPairs("cmdFilterPairsStraight"),
                 QStringList({"lstLeftPairs: 12", "lstRightPairs: 21", "lstSplitPairs: 00"}));

        // A mode switch empties every pair set, there and back again.
        doSteps(w, {"optPositionDigit(0)", "optPositionDigit(1)"});
        QCOMPARE(caption("cmdFilterPairsStraight"),
                 QStringLiteral("Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));
        QCOMPARE(inPairs("cmdFilterPairsStraight"),
                 QStringList({"lstLeftPairs: ", "lstRightPairs: ", "lstSplitPairs: "}));
        QCOMPARE(filterMore("120 010"), QStringList({"120", "010"}));
    }
};

QTEST_MAIN(PairDialogsTest)
#include "tst_pairs.moc"
