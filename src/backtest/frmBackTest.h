#pragma once
// The back-test window: how the main window's settings would have done on the
// draws of the last count in the hot/cold counter (the summary, what each
// setting costs, draw by draw), and the skip counts that show which digits,
// root sums and sums are due.

#include "engine/BackTest.h"
#include "engine/SkipCounts.h"
#include "widgets/DiscardableDialog.h"

#include <QFutureWatcher>
#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QProgressBar;
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

  private:
    // One run over the history: the back-test and the skip counts.
    struct Run {
        Result<BackTestReport> report = Result<BackTestReport>::refused("");
        std::vector<SkipRow> skips;
    };
    static Run test(const MainInput& settings, const DrawList& draws, BackTestOptions options);

    void showNoDraws();
    QWidget* makeChoices(QWidget* parent);
    QWidget* makeResultsTab();
    QWidget* makeSkipTab();
    BackTestOptions options() const;
    void refresh();
    void showRun(const Run& run);
    void setBusy(bool busy);
    void showSummary(const Result<BackTestReport>& report);
    void showCosts();
    void showStrip();
    void showSkipCounts(const std::vector<SkipRow>& rows);
    void showPointed(int cell);

    MainInput settings_;
    DrawList draws_;
    SortOrder order_;
    BackTestReport report_;
    QLabel* lblDraws_ = nullptr;
    QWidget* choices_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QFutureWatcher<Run> running_;
    QButtonGroup* newest_ = nullptr;
    QComboBox* lastDraws_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* refusal_ = nullptr;
    std::array<QLabel*, 6> captions_{};
    std::array<QLabel*, 6> summary_{};
    DrawStrip* strip_ = nullptr;
    QLabel* details_ = nullptr;
    QTableWidget* costs_ = nullptr;
    QTableWidget* skips_ = nullptr;
    std::function<std::string(std::size_t)> labelOf_;
};

} // namespace pick3
