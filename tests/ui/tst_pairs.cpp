// The two pair dialogs: what they show, the ten-pair grid the user scans,
// closing, and through the main window the button captions on every tick and
// the numbers thrown out by "Create numbers" and "Filter more" in both modes.

#include "app/CheckList.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "engine/Pairs.h"
#include "helpers/MainWindowDriver.h"
#include "helpers/ModalHelper.h"
#include "pairs/PairGrid.h"
#include "pairs/frmPick3FilterBoxedPairs.h"
#include "pairs/frmPick3FilterStraightPairs.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <functional>
#include <memory>

using namespace pick3;
using pick3::test::child;
using pick3::test::clickButton;
using pick3::test::clickTicks;
using pick3::test::itemTexts;
using pick3::test::listNamed;
using pick3::test::ModalHelper;
using pick3::test::tickedTexts;

namespace {

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

// The numbers of a results text, in the order written.
QStringList numbersIn(const QString& text) {
    QStringList numbers;
    static const QRegularExpression number(QStringLiteral("\\d{3}"));
    for (auto it = number.globalMatch(text); it.hasNext();) {
        numbers << it.next().captured();
    }
    return numbers;
}

QStringList sorted(QStringList numbers) {
    numbers.sort();
    return numbers;
}

// Every straight number whose digits are all from `digits`.
QStringList everyNumberOf(const QString& digits) {
    QStringList numbers;
    for (const QChar a : digits) {
        for (const QChar b : digits) {
            for (const QChar c : digits) {
                numbers << QString(a) + b + c;
            }
        }
    }
    return numbers;
}

} // namespace

class PairDialogsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void straightDialogShowsItsTextsAndTheCurrentSets();
    void boxedDialogShowsItsTextsAndTheCurrentSet();
    void pairsStandInATenColumnGridWithNothingToScroll_data();
    void pairsStandInATenColumnGridWithNothingToScroll();
    void aClickBesideATickBoxTicksNothing();
    void escAndTitleBarCloseAskOnceToBeDiscarded_data();
    void escAndTitleBarCloseAskOnceToBeDiscarded();

    void boxedPairsFromTheMainWindowThrowOutNumbers();
    void straightPairsFromTheMainWindowThrowOutNumbers();
    void cleanup();

  private:
    QWidget* main_ = nullptr;
    void startMain();
    void click(const char* name) { clickButton(main_, QString::fromLatin1(name)); }
    QString results() const { return child<QPlainTextEdit>(main_, "txtResults")->toPlainText(); }
    QString buttonText(const char* name) const { return child<QPushButton>(main_, name)->text(); }
    void typeResults(const QString& text);
    // Opens a pair dialog from its main window button, lets `act` work in it,
    // then presses its "&Close".
    void inPairDialog(const char* button, const std::function<void(QWidget*)>& act);
};

void PairDialogsTest::startMain() {
    Main();
    main_ = mainWindow();
    QVERIFY(main_ != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(main_));
}

void PairDialogsTest::cleanup() {
    delete mainWindow();
    main_ = nullptr;
}

void PairDialogsTest::typeResults(const QString& text) {
    auto* box = child<QPlainTextEdit>(main_, "txtResults");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void PairDialogsTest::inPairDialog(const char* button, const std::function<void(QWidget*)>& act) {
    ModalHelper helper;
    QPointer<QWidget> opened;
    helper.expect([&](QWidget* dialog) {
        opened = dialog;
        act(dialog); // a failed check in here returns early; the dialog still closes
        clickButton(dialog, QStringLiteral("cmdClose"));
    });
    click(button);
    QVERIFY(helper.ran());
    // "&Close" discards the dialog; the next opening builds it afresh.
    QTRY_VERIFY(opened.isNull());
}

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

void PairDialogsTest::escAndTitleBarCloseAskOnceToBeDiscarded_data() {
    QTest::addColumn<bool>("boxed");
    QTest::addColumn<QString>("how");
    for (const bool boxed : {false, true}) {
        const char* kind = boxed ? "boxed" : "straight";
        QTest::addRow("%s, Esc", kind) << boxed << "escape";
        QTest::addRow("%s, title bar", kind) << boxed << "titleBar";
    }
}

void PairDialogsTest::escAndTitleBarCloseAskOnceToBeDiscarded() {
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
    if (how == "escape") {
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

void PairDialogsTest::boxedPairsFromTheMainWindowThrowOutNumbers() {
    startMain();
    QCOMPARE(buttonText("cmdFilterOutBoxedPairs"), QStringLiteral("Pairs - BOXED : 0"));
    clickTicks(listNamed(main_, "lstDigitsWheel"), {"1", "2", "3", "4"});
    click("cmdProduce");
    QCOMPARE(numbersIn(results()).size(), 20);

    // The main window's caption follows every tick while the dialog is open.
    QStringList captions;
    inPairDialog("cmdFilterOutBoxedPairs", [&](QWidget* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmPick3FilterBoxedPairs"));
        auto* list = child<PairGrid>(dialog, "lstAvailablePairs");
        clickTickBox(list, "13");
        captions << buttonText("cmdFilterOutBoxedPairs");
        clickTickBox(list, "11");
        captions << buttonText("cmdFilterOutBoxedPairs");
    });
    QCOMPARE(captions, QStringList({"Pairs - BOXED : 1", "Pairs - BOXED : 2"}));
    QCOMPARE(buttonText("cmdFilterOutBoxedPairs"), QStringLiteral("Pairs - BOXED : 2"));

    // 13 throws out every number holding a 1 and a 3, 11 every one with two 1s.
    click("cmdProduce");
    QCOMPARE(results(), QStringLiteral("124, 234\n"
                                       "122, 223, 224, 233, 334, 144, 244, 344\n"
                                       "222, 333, 444"));
    QCOMPARE(child<QLabel>(main_, "lblNumbersCreated")->text(),
             QStringLiteral("Numbers created: 13"));

    // "Filter more" sorts typed numbers before it builds their pairs.
    typeResults(QStringLiteral("123, 321, 145, 311, 999, 313"));
    click("cmdFilterMore");
    QCOMPARE(sorted(numbersIn(results())), QStringList({"145", "999"}));

    // Reopening shows the pairs in force; unticking one takes it out at once.
    QStringList shown;
    inPairDialog("cmdFilterOutBoxedPairs", [&](QWidget* dialog) {
        auto* list = child<PairGrid>(dialog, "lstAvailablePairs");
        shown = tickedTexts(list);
        clickTickBox(list, "11");
    });
    QCOMPARE(shown, QStringList({"11", "13"}));
    typeResults(QStringLiteral("311, 211"));
    click("cmdFilterMore");
    QCOMPARE(numbersIn(results()), QStringList{"112"}); // 311 still holds 1 and 3

    // "Reset filters" empties the set: the caption and the dialog say so.
    click("cmdResetFilters");
    QCOMPARE(buttonText("cmdFilterOutBoxedPairs"), QStringLiteral("Pairs - BOXED : 0"));
    inPairDialog("cmdFilterOutBoxedPairs", [&](QWidget* dialog) {
        shown = tickedTexts(child<PairGrid>(dialog, "lstAvailablePairs"));
    });
    QVERIFY(shown.isEmpty());
    typeResults(QStringLiteral("313, 113"));
    click("cmdFilterMore");
    QCOMPARE(sorted(numbersIn(results())), QStringList({"113", "133"}));
}

void PairDialogsTest::straightPairsFromTheMainWindowThrowOutNumbers() {
    startMain();
    click("optPositionDigit(1)");
    QVERIFY(child<QPushButton>(main_, "cmdFilterPairsStraight")->isVisible());
    QVERIFY(!child<QPushButton>(main_, "cmdFilterOutBoxedPairs")->isVisible());
    for (const char* position :
         {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
        clickTicks(listNamed(main_, position), {"0", "1", "2"});
    }
    click("cmdProduce");
    QCOMPARE(sorted(numbersIn(results())), sorted(everyNumberOf("012")));

    QStringList captions;
    inPairDialog("cmdFilterPairsStraight", [&](QWidget* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("frmPick3FilterStraightPairs"));
        clickTickBox(child<PairGrid>(dialog, "lstLeftPairs"), "12");
        captions << buttonText("cmdFilterPairsStraight");
        spaceOn(child<PairGrid>(dialog, "lstSplitPairs"), "00");
        clickTickBox(child<PairGrid>(dialog, "lstRightPairs"), "21");
        captions << buttonText("cmdFilterPairsStraight");
    });
    QCOMPARE(captions, QStringList({"Pairs - STRAIGHT ; LP: 1  RP: 0  SP: 0",
                                    "Pairs - STRAIGHT ; LP: 1  RP: 1  SP: 1"}));

    // Left 12 is digits 1 and 2, right 21 digits 2 and 3, split 00 digits 1 and 3.
    click("cmdProduce");
    QStringList expected;
    for (const QString& n : everyNumberOf("012")) {
        if (!n.startsWith(QLatin1String("12")) && !n.endsWith(QLatin1String("21")) &&
            !(n[0] == QLatin1Char('0') && n[2] == QLatin1Char('0'))) {
            expected << n;
        }
    }
    QCOMPARE(sorted(numbersIn(results())), sorted(expected));
    QCOMPARE(expected.size(), 27 - 3 - 3 - 3 + 1); // 121 is both a left 12 and a right 21

    // "Filter more" keeps the survivors in the order they were typed.
    typeResults(QStringLiteral("120 312 010 001 221 212 021"));
    click("cmdFilterMore");
    QCOMPARE(numbersIn(results()), QStringList({"312", "001", "212"}));

    QStringList left, right, split;
    inPairDialog("cmdFilterPairsStraight", [&](QWidget* dialog) {
        left = tickedTexts(child<PairGrid>(dialog, "lstLeftPairs"));
        right = tickedTexts(child<PairGrid>(dialog, "lstRightPairs"));
        split = tickedTexts(child<PairGrid>(dialog, "lstSplitPairs"));
    });
    QCOMPARE(left, QStringList{"12"});
    QCOMPARE(right, QStringList{"21"});
    QCOMPARE(split, QStringList{"00"});

    // A mode switch empties every pair set, there and back again.
    click("optPositionDigit(0)");
    click("optPositionDigit(1)");
    QCOMPARE(buttonText("cmdFilterPairsStraight"),
             QStringLiteral("Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"));
    inPairDialog("cmdFilterPairsStraight", [&](QWidget* dialog) {
        left = tickedTexts(child<PairGrid>(dialog, "lstLeftPairs"));
        right = tickedTexts(child<PairGrid>(dialog, "lstRightPairs"));
        split = tickedTexts(child<PairGrid>(dialog, "lstSplitPairs"));
    });
    QVERIFY(left.isEmpty() && right.isEmpty() && split.isEmpty());
    typeResults(QStringLiteral("120 010"));
    click("cmdFilterMore");
    QCOMPARE(numbersIn(results()), QStringList({"120", "010"}));
}

QTEST_MAIN(PairDialogsTest)
#include "tst_pairs.moc"
