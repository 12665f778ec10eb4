#pragma once
// The back-test window: how the main window's settings would have done on the
// draws of the last count in the hot/cold counter (the summary, what each
// setting costs, draw by draw), and the skip counts that show which digits,
// root sums and sums are due.

#include "engine/backtest/BackTestRun.h"
#include "engine/backtest/TryLedger.h"
#include "engine/games/GameDefinition.h"
#include "engine/stats/SkipCounts.h"
#include "widgets/DiscardableDialog.h"

#include <QFutureWatcher>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace pick3 {

class DrawStrip;

class frmBackTest : public DiscardableDialog {
    Q_OBJECT
  public:
    // `settings` as the main window's controls hold them; `draws` and `order`
    // from the counter's last count (no draws: the window says how to get some).
    frmBackTest(MainInput settings, DrawList draws, SortOrder order, QWidget* parent = nullptr);
    // Names each draw of the strip by its place in the history text (its date
    // and draw time, for an imported history).
    void setDrawLabels(std::function<std::string(std::size_t index)> labelOf) {
        labelOf_ = std::move(labelOf);
    }
    // The game the draws were imported as: the stake and prizes come from its table of each
    // tested draw's date (`dateOf` by the draw's place) until the player types others.
    void setGame(std::shared_ptr<const GameDefinition> game,
                 std::function<std::optional<CivilDate>(std::size_t index)> dateOf);
    // The ledger of the settings tried on the same draws, kept by the main
    // window beyond this window; each test shown is entered in it, the one
    // shown already too.
    void setTryLedger(TryLedger* ledger);
    // Which game and draw times the draws are, where they came from the library
    // ("of Texas Pick 3 (Evening only)"), said wherever the draws are counted.
    void setCounting(const QString& counting);
    const QString& counting() const { return counting_; }

    // What "Charts..." draws: the last report, the prizes as set, the draws' labels.
    const BackTestReport& report() const { return report_; }
    Prizes prizes() const;
    const std::function<std::string(std::size_t)>& drawLabels() const { return labelOf_; }

  Q_SIGNALS:
    void chartsRequested();

  private:
    // One run over the history: the back-test and the skip counts.
    struct Run {
        Result<BackTestReport> report = Result<BackTestReport>::refused("");
        std::vector<SkipRow> skips;
    };
    static Run test(const MainInput& settings, const DrawList& draws, BackTestOptions options);

    void showNoDraws();
    void makeBusyRow(QWidget* parent);
    QWidget* makeChoices(QWidget* parent);
    QWidget* makeResultsTab();
    void makeCostsTable();
    QWidget* makeSkipTab();
    QWidget* makePrizes(QWidget* parent);
    BackTestOptions options() const;
    void refresh();
    void showRun(const Run& run);
    void setBusy(bool busy);
    void cancelRun();
    void showSummary(const Result<BackTestReport>& report);
    void showLuck();
    void showCosts();
    void showMoney();
    std::optional<std::vector<Prizes>> gamePrizes();
    void showStrip();
    void showSkipCounts();
    void showPointed(int cell);
    void restoreFocus();

    MainInput settings_;
    DrawList draws_;
    SortOrder order_;
    BackTestReport report_;
    QLabel* lblDraws_ = nullptr;
    QWidget* choices_ = nullptr;
    QWidget* busyRow_ = nullptr; // the busy bar and its Cancel, while a long test runs
    QProgressBar* busy_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* charts_ = nullptr;
    QLabel* cancelled_ = nullptr;
    QFutureWatcher<Run> running_;
    QButtonGroup* newest_ = nullptr;
    QComboBox* lastDraws_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPointer<QWidget> focusAfterRun_; // where the keyboard goes when a long test is done
    QLabel* refusal_ = nullptr;
    QWidget* results_ = nullptr; // all but the refusal
    // The summary, the luck and the range of the hit rate, then the money.
    static constexpr std::size_t kSummaryLines = 8;
    std::array<QLabel*, kSummaryLines + 2> captions_{};
    std::array<QLabel*, kSummaryLines + 2> summary_{};
    std::array<QDoubleSpinBox*, 4> prizes_{}; // the stake, straight, box six-way, box three-way
    DrawStrip* strip_ = nullptr;
    QLabel* legend_ = nullptr;
    QLabel* details_ = nullptr;
    QTableWidget* costs_ = nullptr;
    QLabel* costsLuck_ = nullptr;
    std::vector<SkipRow> skipRows_;
    QComboBox* skipKind_ = nullptr;
    QLabel* skipHistory_ = nullptr;
    QTableWidget* skips_ = nullptr;
    QLabel* skipsLuck_ = nullptr;
    TryLedger* ledger_ = nullptr;
    bool tested_ = false; // the report shown is of a test, not a refusal
    std::function<std::string(std::size_t)> labelOf_;
    QString counting_;
    std::shared_ptr<const GameDefinition> game_;
    std::function<std::optional<CivilDate>(std::size_t)> dateOf_;
    bool typed_ = false;       // the player typed a stake or prize: the game's table is left
    bool showingGame_ = false; // the fields are being set from the game's table
    QLabel* prizesFrom_ = nullptr;
};

} // namespace pick3
