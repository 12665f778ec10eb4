#pragma once
// The player's own luck chart, from "My plays": what their tickets won less what the
// prizes return on average, draw by draw in the order drawn, inside the band from the
// 5th to the 95th percentile of luck alone with the same tickets. The back-test's luck
// chart in the player's money.

#include "charts/ChartPage.h"
#include "engine/stats/ChartSeries.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace pick3 {

class MoneyLuckPage : public ChartPage {
    Q_OBJECT
  public:
    explicit MoneyLuckPage(QWidget* parent);
    QWidget* picture() const override { return picture_; }

    // The points drawn, in dollars: each line reduced to the columns of the chart.
    struct Series {
        std::size_t draws = 0;
        std::vector<ChartPoint> wonLessAverage, low, high;
        double bottom = 0.0, top = 1.0;
        // The values at each point of the line, for the table.
        struct Row {
            std::size_t place = 0;
            double wonLessAverage = 0.0, low = 0.0, high = 0.0;
        };
        std::vector<Row> rows;
        bool exact = true;
    };
    static Series series(const TicketsLuck& luck, std::size_t columns);

  protected:
    void redraw() override;

  private:
    void show(const Series& s);

    QWidget* picture_;
    QChartView* view_;
    QLabel* note_;
    QTableWidget* values_;
};

} // namespace pick3
