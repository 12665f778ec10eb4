#pragma once
// Skips: for a digit in a position (or anywhere), its last 100 skips as bars,
// the current one last and marked, against the skip the odds give; beside it
// all its skips by length against the geometric distribution of those odds.

#include "charts/ChartPage.h"
#include "engine/stats/ChartSeries.h"

class QChartView;
class QComboBox;
class QLabel;

namespace pick3 {

class SkipsPage : public ChartPage {
    Q_OBJECT
  public:
    explicit SkipsPage(QWidget* parent);
    QWidget* picture() const override { return picture_; }

    struct Series {
        std::vector<std::size_t> recent; // the last 100 skips, oldest first
        std::size_t current = 0;
        double expected = 0.0;
        std::vector<SkipBin> bins;
    };
    static constexpr std::size_t kRecent = 100;
    static Series series(const DrawList& oldest, SkipSubject subject, int digit);

  protected:
    void redraw() override;

  private:
    void show(const Series& s);
    void showRecent(const Series& s);
    void showHistogram(const Series& s);

    QComboBox* digit_;
    QComboBox* position_;
    QWidget* picture_;
    QChartView* recent_;
    QChartView* histogram_;
    QLabel* note_;
    QTableWidget* values_;
};

} // namespace pick3
