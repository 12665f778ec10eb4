// The back-test window through the main window: no draws yet, then the draws
// of a count tested with the settings, the newest end and the number of draws
// chosen, the strip from the keyboard, and the sortable skip counts.

#include "backtest/DrawStrip.h"
#include "helpers/MainWindowDriver.h"

#include <QComboBox>
#include <QHeaderView>
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

  private Q_SLOTS:
    void testsTheCountedDrawsWithTheSettings() {
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) { // no draws yet
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblDraws"))
                        ->text()
                        .contains("Paste your draw history in \"HotCold\" and press \"Count\""));
        }));
        doSteps(w, {"lstDigitsWheel:1234"});
        QVERIFY(countInHotCold(w, kDraws));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Back-test of the filter settings"));
            QCOMPARE(summary(window, 0), QStringLiteral("40 (all)"));
            QCOMPARE(summary(window, 1), QStringLiteral("32 (80.0%)"));
            QCOMPARE(summary(window, 5), QStringLiteral("1")); // the newest, 456, missed
            auto* costs = window->findChild<QTableWidget*>(QStringLiteral("tblConditionCosts"));
            QCOMPARE(costs->item(0, 0)->text() + " | " + costs->item(0, 1)->text(),
                     QStringLiteral("Use Digits: 1, 2, 3, 4 | 8 of 40 (20.0%)"));

            // The strip from the keyboard: the first cell is the newest draw.
            auto* strip = window->findChild<DrawStrip*>();
            QCOMPARE(strip->cellCount(), 40);
            strip->setFocus();
            QTest::keyClick(strip, Qt::Key_Right);
            QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblDrawDetails"))->text(),
                     QStringLiteral("Draw 1, 456: miss, thrown out by Use Digits: 1, 2, 3, 4"));

            // The newest draw last: now 111, a hit. Then the newest 30 alone.
            clickButton(window, QStringLiteral("optNewest(1)"));
            QCOMPARE(summary(window, 5), QStringLiteral("0"));
            auto* last = window->findChild<QComboBox*>(QStringLiteral("cboLastDraws"));
            last->setCurrentIndex(last->findText(QStringLiteral("the newest 30 draws")));
            QCOMPARE(summary(window, 0), QStringLiteral("30 (the newest of 40)"));
            QCOMPARE(strip->cellCount(), 30);
        }));
    }

    // A long history is tested on a worker thread; the result comes in all the same.
    void aLongHistoryInTheBackground() {
        doSteps(w, {"lstDigitsWheel:1234"});
        QVERIFY(countInHotCold(w, QStringLiteral("123 ").repeated(150000)));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QTRY_COMPARE(summary(window, 0), QStringLiteral("150000 (all)"));
            QVERIFY(!window->findChild<QWidget*>(QStringLiteral("prgBackTest"))->isVisible());
        }));
    }

    void skipCountsSortByAnyColumn() {
        QVERIFY(countInHotCold(w, kDraws));
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            window->findChild<QTabWidget*>()->setCurrentIndex(1);
            auto* skips = window->findChild<QTableWidget*>(QStringLiteral("tblSkipCounts"));
            QCOMPARE(skips->rowCount(), 78);
            // A click on "Due", twice: the most overdue first, 0 never drawn.
            QHeaderView* header = skips->horizontalHeader();
            const QPoint due(header->sectionViewportPosition(6) + 5, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, due);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, due);
            QCOMPARE(skips->item(0, 6)->text(), QStringLiteral("never drawn"));
        }));
    }
};

QTEST_MAIN(BackTestTest)
#include "tst_backtest.moc"
