#pragma once
// Sums over time: each draw's sum along the draws with a moving average and the
// band where 95% of fair averages fall; beside it the sums against the counts
// of a fair game.

#include "charts/ChartPage.h"
#include "engine/stats/ChartSeries.h"

class QChartView;
class QComboBox;
class QLabel;

namespace pick3 {

class SumsPage : public ChartPage {
    Q_OBJECT
  public:
    explicit SumsPage(QWidget* parent);
    QWidget* picture() const override { return picture_; }

    struct Series {
        std::size_t draws = 0;
        std::size_t span = 0;
        std::vector<ChartPoint> sums;    // reduced to the columns drawn
        std::vector<ChartPoint> average; // at the draw each average ends on
        AverageBand band;
        std::array<SumBar, 28> bars{};
    };
    static Series series(const DrawList& oldest, std::size_t span, std::size_t columns);

  protected:
    void redraw() override;

  private:
    void show(const Series& s);
    void showTime(const Series& s);
    void showHistogram(const Series& s);

    QComboBox* span_;
    QWidget* picture_;
    QChartView* time_;
    QChartView* histogram_;
    QLabel* note_;
    QTableWidget* values_;
};

} // namespace pick3
