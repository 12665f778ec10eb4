// "Is my money luck?" in "My plays", through the windows: a season in small of New York
// Numbers $1 straights typed as printed, 30 on the Evening of 2026-12-07 (005 drawn: one
// wins $500), the same 30 on the Midday of 2026-12-08 (999: none wins) and 456 on its
// Evening (456: $500), and one typed after its draw. The chances, the words, the ticket
// left out, and the chart's line and band, against what is worked out here by hand.

#include "charts/ChartPage.h"
#include "charts/frmCharts.h"
#include "helpers/MainWindowDriver.h"
#include "plays/MoneyLuckPanel.h"
#include "widgets/GameClock.h"
#include "widgets/LibraryAccess.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <cmath>

using namespace pick3;
using namespace pick3::test;

namespace {

void setClock(const QDate& date, const QTime& time) {
    GameClock::set(QDateTime(date, time, QTimeZone("America/New_York")));
}

// Types `lines` into "My plays" and keeps them, answering the message that says so.
void keepTyped(QWidget* plays, const QStringList& lines) {
    auto* games = plays->findChild<QComboBox*>(QStringLiteral("cboPlaysGame"));
    games->setCurrentIndex(games->findText(QStringLiteral("New York Numbers")));
    plays->findChild<QPlainTextEdit*>(QStringLiteral("txtTickets"))->setPlainText(lines.join('\n'));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    poll.start(10);
    clickButton(plays, QStringLiteral("cmdKeepTickets"));
}

void keepDraw(const std::string& date, const std::string& time, std::uint16_t number) {
    GameLibrary* library = openGameLibrary(nullptr);
    QVERIFY(library != nullptr);
    const auto preview =
        library->preview("new-york-numbers", {IncomingDraw{date, time, 1, number, {}}});
    QVERIFY(preview.ok());
    QVERIFY(library->commit(*preview, {}, "test", "2026-12-10T03:00:00Z").ok());
}

// "000 straight $1 Evening 12/07/2026" to "029 ...".
QStringList thirtyStraights(const QString& drawAndDate) {
    QStringList lines;
    for (int n = 0; n < 30; ++n) {
        lines
            << QStringLiteral("%1 straight $1 %2").arg(n, 3, 10, QLatin1Char('0')).arg(drawAndDate);
    }
    return lines;
}

MoneyLuckPanel* panelOf(const QWidget* plays) {
    return plays->findChild<MoneyLuckPanel*>();
}

QString luckText(const QWidget* plays) {
    return plays->findChild<QLabel*>(QStringLiteral("lblMoneyLuck"))->text();
}

} // namespace

class MoneyLuckTest : public MainWindowFixture {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        closeGameLibrary();
        QDir(libraryFolder()).removeRecursively();
        QDir().mkpath(libraryFolder());
        setClock(QDate(2026, 12, 7), QTime(10, 0));
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
    }
    void cleanup() {
        unloadMainWindow();
        GameClock::set(std::nullopt);
    }

    // Before any draw is held there is nothing to judge, and no chart to open.
    void nothingCheckedYet() {
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            QCOMPARE(panelOf(plays)->title(), "Is my money luck?");
            keepTyped(plays, {QStringLiteral("123 straight $1 Evening 12/07/2026")});
            QTRY_VERIFY(panelOf(plays)->luck().has_value());
            QCOMPARE(luckText(plays), "No ticket has met its draw yet.");
            QVERIFY(!panelOf(plays)->chartButton()->isEnabled());
        }));
    }

    void seasonInSmall() {
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            keepTyped(plays, thirtyStraights(QStringLiteral("Evening 12/07/2026")) +
                                 thirtyStraights(QStringLiteral("Midday 12/08/2026")) +
                                 QStringList{QStringLiteral("456 straight $1 Evening 12/08/2026")});
        }));
        // Typed the day after its draw: left out of every figure, and counted.
        setClock(QDate(2026, 12, 8), QTime(9, 0));
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            keepTyped(plays, {QStringLiteral("777 straight $1 Evening 12/07/2026")});
        }));
        keepDraw("2026-12-07", "Evening", 5);
        keepDraw("2026-12-08", "Midday", 999);
        keepDraw("2026-12-08", "Evening", 456);
        setClock(QDate(2026, 12, 9), QTime(9, 0));

        // On the lattice of $500 the draws give 1 with chance 3/100, 3/100 and 1/1,000;
        // 2 or more is all but 0 and 1.
        const double none = 0.97 * 0.97 * 0.999;
        const double one = 2 * 0.03 * 0.97 * 0.999 + 0.97 * 0.97 * 0.001;
        const double twoOrMore = 1.0 - none - one;
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [twoOrMore](QWidget* plays) {
            MoneyLuckPanel* panel = panelOf(plays);
            QTRY_VERIFY(panel->luck().has_value());
            const MoneyLuck& luck = *panel->luck();
            QCOMPARE(luck.tickets, 61);
            QCOMPARE(luck.draws, 3);
            QCOMPARE(luck.leftOut, 1);
            QCOMPARE(luck.wonCents, 100000LL);
            QVERIFY(std::abs(std::exp(luck.logAtLeastMoney) / twoOrMore - 1.0) < 1e-9);
            QVERIFY(std::abs(std::exp(luck.logAtLeastWins) / twoOrMore - 1.0) < 1e-9);
            // About 1 in 1,044 by hand; the back-test's words round it.
            QCOMPARE(luckText(plays),
                     "Won $1,000 on 61 tickets over 3 draws; by luck alone the prizes return "
                     "$30.50 on average. Luck alone wins this much or more 1 time in 1,000: "
                     "about 1 in 1,000 players with the same tickets would do as well. 2 winning "
                     "tickets: luck alone gives this many or more 1 time in 1,000. 1 ticket "
                     "entered after the draw is left out.");
            QVERIFY(panel->chartButton()->isEnabled());

            QVERIFY(inModal(plays, QStringLiteral("cmdMoneyLuckChart"), [](QWidget* window) {
                auto* charts = qobject_cast<frmCharts*>(window);
                QVERIFY(charts != nullptr);
                QCOMPARE(charts->pageCount(), 1);
                ChartPage* page = charts->currentPage();
                QCOMPARE(page->objectName(), "pgMoneyLuck");
                QTRY_VERIFY(page->isDrawn());
                QCOMPARE(charts->findChild<QLabel*>(QStringLiteral("lblChartDraws"))->text(),
                         "Your 61 tickets checked over 3 draws, oldest first, beside what luck "
                         "alone would give with the same tickets.");
                // Won less the average ($15, $30, $30.50 so far); the 95th percentile is
                // $0 until two draws of 30 straights make a win more likely than 1 in 20.
                QCOMPARE(rowsOf(charts, "tblMoneyLuckValues"),
                         QStringList({"2026-12-07 Evening 485.00 -15.00 -15.00",
                                      "2026-12-08 Midday 470.00 -30.00 470.00",
                                      "2026-12-08 Evening 969.50 -30.50 469.50"}));
                QVERIFY(charts->findChild<QLabel*>(QStringLiteral("lblMoneyLuckNote"))
                            ->text()
                            .startsWith(luckText(charts->parentWidget())));
            }));
        }));
    }
};

QTEST_MAIN(MoneyLuckTest)
#include "tst_moneyluck.moc"
