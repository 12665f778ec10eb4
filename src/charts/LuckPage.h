#pragma once
// The luck chart: the back-test's hits along the tested draws, oldest to newest,
// against the hits the shares played give and the band from the 5th to the 95th
// percentile of a random player with the same shares; and the net money.

#include "charts/ChartPage.h"
#include "engine/backtest/LuckSeries.h"
#include "engine/stats/ChartSeries.h"

class QChartView;
class QAbstractAxis;
class QChart;
class QComboBox;
class QLabel;
class QTableView;

namespace pick3 {

class LuckPage : public ChartPage {
    Q_OBJECT
  public:
    explicit LuckPage(QWidget* parent);
    QWidget* picture() const override { return picture_; }

    // The points drawn: each line reduced to the columns of the chart.
    struct Series {
        std::size_t draws = 0;
        LuckView view = LuckView::AgainstExpected;
        std::vector<ChartPoint> hits, expected, low, high, net, wonLessAverage;
        double bottom = 0.0, top = 1.0; // of the hits axis
        // The values at each point of the hits line, for the table.
        struct Row {
            std::size_t place = 0;
            double hits = 0.0, expected = 0.0, net = 0.0, wonLessAverage = 0.0;
            std::int64_t low = 0, high = 0;
        };
        std::vector<Row> rows;
        std::string text;
        bool exact = true;
    };
    static Series series(const BackTestReport& report, const Prizes& prizes, std::size_t columns,
                         LuckView view = LuckView::AgainstExpected);

  protected:
    void redraw() override;

  private:
    void show(const Series& s);
    void showValues(const Series& s);
    void drawMoney(QChart* chart, const Series& s, QAbstractAxis* x);

    QComboBox* viewChoice_;
    QWidget* picture_;
    QChartView* view_;
    QLabel* note_;
    QTableView* values_;
    class ValuesModel;
    ValuesModel* model_;
};

} // namespace pick3
