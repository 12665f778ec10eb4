#pragma once
// "Is this history a fair draw?": the ten tests of a fair digit draw on the
// counted history, a line over them all, and a reminder that a fair draw
// cannot be predicted from its past. A page of the charts window.

#include "charts/ChartPage.h"
#include "engine/stats/Fairness.h"

#include <QFutureWatcher>
#include <QWidget>

class QLabel;
class QTableWidget;

namespace pick3 {

class FairnessPage : public ChartPage {
    Q_OBJECT
  public:
    explicit FairnessPage(QWidget* parent = nullptr);
    QWidget* picture() const override { return picture_; }
    using ChartPage::setDraws;

    // Tests `draws` (in the order drawn, either end the newest). A long history
    // is tested on a worker thread, the page saying so meanwhile.
    void setDraws(const DrawList& draws);
    // The report shown; none while a test runs or before the first.
    const FairnessReport& report() const { return report_; }

  Q_SIGNALS:
    void reportShown();

  protected:
    void redraw() override;

  private:
    struct Run {
        std::size_t asked = 0;
        FairnessReport report;
    };
    void showReport(const FairnessReport& report);

    QWidget* picture_;
    QLabel* lblVerdict_;
    QLabel* lblDraws_;
    QTableWidget* table_;
    FairnessReport report_;
    std::size_t asked_ = 0; // setDraws calls so far: only the last one's result is shown
    QFutureWatcher<Run> running_;
};

} // namespace pick3
