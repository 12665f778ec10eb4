// The fairness page on its own: a fair history, one with a planted bias shown
// as unusual in its line and its row, a long history tested on a worker thread
// with only the last history asked for shown, and the page's reminder.

#include "charts/FairnessPage.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QThreadPool>
#include <random>

using namespace pick3;

namespace {
// Fair draws, or with 7 drawn twice as often as each other digit in position 2.
DrawList history(std::size_t count, bool sevens) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> digit(0, 9), eleven(0, 10);
    DrawList draws;
    for (std::size_t i = 0; i < count; ++i) {
        const int middle = sevens ? eleven(random) : digit(random);
        draws.push_back(static_cast<std::uint16_t>(
            digit(random) * 100 + (middle == 10 ? 7 : middle) * 10 + digit(random)));
    }
    return draws;
}
} // namespace

class FairnessPageTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FairnessPage> page;

    QString verdict() const {
        return page->findChild<QLabel*>(QStringLiteral("lblFairnessVerdict"))->text();
    }
    QString cell(int row, int column) const {
        return page->findChild<QTableWidget*>(QStringLiteral("tblFairness"))
            ->item(row, column)
            ->text();
    }

  private Q_SLOTS:
    void init() {
        page = std::make_unique<FairnessPage>();
        page->resize(900, 600);
        page->show();
    }
    void cleanup() { page.reset(); }

    void fairAndBiased() {
        QCOMPARE(verdict(), "Too few draws to test: count a longer history.");
        page->setDraws(history(2000, false));
        QCOMPARE(verdict(), "Nothing here is unusual for a fair draw (10 tests)");
        QCOMPARE(cell(0, 0), "Digits, position 1");
        QVERIFY(cell(0, 1).startsWith("chi-square "));
        QVERIFY(!cell(1, 2).endsWith(": unusual"));
        page->setDraws(history(10'000, true));
        QVERIFY2(verdict().startsWith("Position 2's digits are unusual: a fair draw does this at "
                                      "most "),
                 qPrintable(verdict()));
        QVERIFY(cell(1, 2).endsWith(": unusual"));
        QVERIFY(cell(1, 3).startsWith("7 came most ("));
        QVERIFY(page->findChild<QLabel*>(QStringLiteral("lblFairnessCaution"))
                    ->text()
                    .startsWith("A fair draw cannot be predicted from its past"));
    }

    void longHistoryOnAWorkerThread() {
        QSignalSpy shown(page.get(), &FairnessPage::reportShown);
        page->setDraws(history(300'000, false));
        QCOMPARE(verdict(), "Testing 300,000 draws...");
        QTRY_COMPARE_WITH_TIMEOUT(verdict(), "Nothing here is unusual for a fair draw (10 tests)",
                                  20000);
        // A history asked for while a test runs wins over that test.
        page->setDraws(history(300'000, true));
        page->setDraws(history(50, false));
        const QString shortOne = verdict();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(verdict(), shortOne);
        QCOMPARE(page->report().draws, 50U);
    }
};

QTEST_MAIN(FairnessPageTest)
#include "tst_fairness.moc"
