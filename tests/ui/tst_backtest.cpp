// The back-test window through the main window: no draws yet, then the draws
// of a count tested with the settings, the newest end and the number of draws
// chosen, luck and money, the cost rows coloured by significance, the strip
// from the keyboard, and the skip counts narrowed and sorted.

#include "backtest/DrawStrip.h"
#include "helpers/MainWindowDriver.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace pick3;
using namespace pick3::test;

namespace {
// Newest first: 456 is a miss for the digits 1 to 4, the others are boxed hits.
const QString kDraws = QStringLiteral("456 123 321 444 111 ").repeated(8);
} // namespace

class BackTestTest : public MainWindowFixture {
    Q_OBJECT

    static QString summary(const QWidget* window, int line) {
        return window->findChild<QLabel*>(QStringLiteral("lblSummary(%1)").arg(line))->text();
    }
    static QTableWidget* table(const QWidget* window, const char* name) {
        return window->findChild<QTableWidget*>(QString::fromLatin1(name));
    }

  private Q_SLOTS:
    void testsTheCountedDrawsWithTheSettings() {
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) { // no draws yet
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblDraws"))
                        ->text()
                        .contains("Paste your draw history in \"HotCold\" and press \"Count\""));
        }));
        // The sum 6 throws out 123 and 321, far more than its share; the sum 27 none.
        doSteps(w, {"lstDigitsWheel:1234", "lstSumDigits:6"});
        listNamed(w, QStringLiteral("lstSumDigits"))->setTicked(27, true);
        QVERIFY(countInHotCold(w, kDraws));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Back-test of the filter settings"));
            QCOMPARE(summary(window, 0), QStringLiteral("40 (all)"));
            QCOMPARE(summary(window, 1), QStringLiteral("16 (40.0%)"));
            QCOMPARE(summary(window, 5), QStringLiteral("3")); // 456, 123, 321 missed
            QVERIFY(summary(window, 6).endsWith(QStringLiteral(": unusual")));
            // 17 numbers a draw (no 123, 114, 222); 444 and 111 win 500 each, eight times.
            QCOMPARE(summary(window, 8),
                     QStringLiteral("played 680.00, won 8,000.00, net 7,320.00"));
            window->findChild<QDoubleSpinBox*>(QStringLiteral("spnStraightPrize"))->setValue(250);
            QCOMPARE(summary(window, 8),
                     QStringLiteral("played 680.00, won 4,000.00, net 3,320.00"));
            // Blue and a down mark: fewer winners than the share; orange and an up mark: more;
            // the sum 27: plain.
            QTableWidget* costs = table(window, "tblConditionCosts");
            QCOMPARE(costs->item(0, 0)->text() + " | " + costs->item(0, 1)->text(),
                     QStringLiteral("Use Digits: 1, 2, 3, 4  \u25BC fewer | 8 of 40 (20.0%)"));
            QCOMPARE(costs->item(0, 5)->background().color(), QColor(0xA9, 0xCF, 0xEA));
            QCOMPARE(costs->item(1, 0)->text(), QStringLiteral("Sumdigits 6  \u25B2 more"));
            QCOMPARE(costs->item(1, 3)->background().color(), QColor(0xF6, 0xCB, 0x70));
            QVERIFY(costs->item(1, 3)->text().endsWith(QStringLiteral(" times as often")));
            QCOMPARE(costs->item(2, 5)->background().style(), Qt::NoBrush);

            // The strip from the keyboard: the first cell is the newest draw.
            auto* strip = window->findChild<DrawStrip*>();
            QCOMPARE(strip->cellCount(), 40);
            strip->setFocus();
            QTest::keyClick(strip, Qt::Key_Right);
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblDrawDetails"))->text(),
                     QStringLiteral("Draw 1, 456: miss, thrown out by Use Digits: 1, 2, 3, 4"));
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblStripLegend"))
                        ->text()
                        .endsWith(QStringLiteral("Draw 1 is the newest")));

            // The newest draw last: now 111, a hit. Then the newest 30 alone.
            clickButton(window, QStringLiteral("optNewest(1)"));
            QCOMPARE(summary(window, 5), QStringLiteral("0"));
            auto* last = window->findChild<QComboBox*>(QStringLiteral("cboLastDraws"));
            last->setCurrentIndex(last->findText(QStringLiteral("the newest 30 draws")));
            QCOMPARE(summary(window, 0), QStringLiteral("30 (the newest of 40)"));
            QCOMPARE(strip->cellCount(), 30);
        }));
    }

    // A long history is tested on a worker thread; the result comes in all the
    // same, and the keyboard at the choices. No filter set: the cost table says so.
    void aLongHistoryInTheBackground() {
        doSteps(w, {"lstDigitsWheel+"});
        QVERIFY(countInHotCold(w, QStringLiteral("123 ").repeated(150000)));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QTRY_COMPARE(summary(window, 0), QStringLiteral("150000 (all)"));
            QVERIFY(!window->findChild<QWidget*>(QStringLiteral("prgBackTest"))->isVisible());
            QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("optNewest(0)"));
            QCOMPARE(table(window, "tblConditionCosts")->item(0, 0)->text(),
                     QStringLiteral("No filter is set: every number is played"));
            // Another test starts: the keyboard goes to Cancel, not to the red Close.
            clickButton(window, QStringLiteral("optNewest(1)"));
            auto* cancel = window->findChild<QPushButton*>(QStringLiteral("cmdCancelBackTest"));
            QVERIFY(cancel->isVisible());
            QCOMPARE(window->focusWidget(), cancel);
            QTest::keyClick(cancel, Qt::Key_Space);
            QVERIFY(window->isVisible());
            QVERIFY(!cancel->isVisible());
            QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("optNewest(1)"));
            // The cancelled test's figures, when they come, are not shown.
            auto* cancelled = window->findChild<QLabel*>(QStringLiteral("lblCancelled"));
            QTest::qWait(1500);
            QVERIFY(cancelled->isVisible());
        }));
    }

    // Each different setting tested on the same draws counts; a new count starts afresh.
    void theLedgerOfTries() {
        doSteps(w, {"lstDigitsWheel:12345"});
        const QString two =
            QStringLiteral("You have tried 2 settings on these draws; the best of 2 "
                           "random tries would do this well up to ");
        // Draws counted first, or none; digit 5 flipped, or not; what the luck says of tries.
        const std::tuple<QString, bool, QString> steps[] = {
            {kDraws, false, ""}, {"", true, two}, {"", true, two},
            {kDraws, true, ""},  {"", true, two}, {kDraws + "789", true, ""},
        };
        for (const auto& [draws, flip, tried] : steps) {
            QVERIFY(draws.isEmpty() || countInHotCold(w, draws));
            doSteps(w, flip ? QStringList{"lstDigitsWheel:5"} : QStringList());
            QString luck;
            inModal(w, QStringLiteral("cmdBackTest"),
                    [&luck](QWidget* window) { luck = summary(window, 6); });
            QVERIFY2(tried.isEmpty() ? !luck.contains("You have tried") : luck.contains(tried),
                     qPrintable(luck));
        }
    }

    // A refusal is the one thing said.
    void refusedSettings() {
        QVERIFY(countInHotCold(w, QStringLiteral("123")));
        doSteps(w, {"lstDigitsWheel:123"});
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblRefusal"))->isVisible());
            QVERIFY(!window->findChild<DrawStrip*>()->isVisible());
            QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("cmdCharts"))->isEnabled());
            QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("cboLastDraws"))->itemText(0),
                     QStringLiteral("all 1 draw"));
        }));
    }

    void skipCountsNarrowedAndSorted() {
        QVERIFY(countInHotCold(w, kDraws));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            window->findChild<QTabWidget*>()->setCurrentIndex(1);
            QTableWidget* skips = table(window, "tblSkipCounts");
            QCOMPARE(skips->rowCount(), 78);
            auto* kind = window->findChild<QComboBox*>(QStringLiteral("cboSkipKind"));
            kind->setCurrentIndex(kind->findText(QStringLiteral("Root sums")));
            QCOMPARE(skips->rowCount(), 10);
            kind->setCurrentIndex(0);
            // A click on "Due", twice: the most overdue first, by number, not by text:
            // a digit never drawn anywhere, (40 + 1) * 0.271.
            QHeaderView* header = skips->horizontalHeader();
            const QPoint due(header->sectionViewportPosition(8) + 5, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, due);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, due);
            QCOMPARE(skips->item(0, 0)->text() + " " + skips->item(0, 8)->text(),
                     QStringLiteral("Any position 11.11"));
            // Never drawn: its skips are at least the history, not measured ones.
            QCOMPARE(skips->item(0, 3)->text() + " " + skips->item(0, 4)->text(),
                     QStringLiteral("40+ 40+"));
            QVERIFY(skips->item(0, 3)->toolTip().startsWith("Never drawn in these 40 draws"));
            QVERIFY(skips->horizontalHeaderItem(5)->toolTip().contains("the current skip are "
                                                                       "left out"));
            // 7, 8, 9 and 0 anywhere, in each position 16 digits, root sums and sums.
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblSkipsLuck"))
                        ->text()
                        .startsWith("By luck alone about 2.5 of these 78 rows would show a "
                                    "chance under 5%; "));
        }));
    }
};

QTEST_MAIN(BackTestTest)
#include "tst_backtest.moc"
