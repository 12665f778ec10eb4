#include "charts/LuckPage.h"

#include "charts/ChartLook.h"
#include "engine/backtest/LuckSeries.h"
#include "widgets/Look.h"

#include <QAbstractTableModel>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace pick3 {

namespace {

std::vector<double> asDoubles(const std::vector<std::int64_t>& values) {
    return std::vector<double>(values.begin(), values.end());
}

double highest(const std::vector<ChartPoint>& points, double floor) {
    for (const ChartPoint& p : points) {
        floor = std::max(floor, p.y);
    }
    return floor;
}

double lowest(const std::vector<ChartPoint>& points, double ceiling) {
    for (const ChartPoint& p : points) {
        ceiling = std::min(ceiling, p.y);
    }
    return ceiling;
}

} // namespace

// The values at the points drawn, made into text only for the rows shown.
class LuckPage::ValuesModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    void reset(std::vector<Series::Row> rows, std::function<std::string(std::size_t)> labelOf) {
        beginResetModel();
        rows_ = std::move(rows);
        labelOf_ = std::move(labelOf);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 6; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
            return {};
        }
        const Series::Row& r = rows_.at(static_cast<std::size_t>(index.row()));
        switch (index.column()) {
        case 0:
            return labelOf_ ? fromEngine(labelOf_(r.place)) : QString::number(r.place + 1);
        case 1:
            return QString::number(r.hits);
        case 2:
            return QString::number(r.expected, 'f', 2);
        case 3:
            return QString::number(r.low);
        case 4:
            return QString::number(r.high);
        default:
            return QString::number(r.net, 'f', 2);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const std::array<const char*, 6> names{
            "Draw", "Hits", "Expected", "5th percentile", "95th percentile", "Net money"};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        return QString::fromLatin1(names.at(static_cast<std::size_t>(section)));
    }

  private:
    std::vector<Series::Row> rows_;
    std::function<std::string(std::size_t)> labelOf_;
};

LuckPage::LuckPage(QWidget* parent) : ChartPage(QStringLiteral("Could this be luck?"), parent) {
    setObjectName(QStringLiteral("pgLuck"));
    picture_ = new QWidget(this);
    view_ = makeChartView(makeChart(this, title()), QStringLiteral("chtLuck"), title(), picture_);
    note_ = makeLabel(QStringLiteral("lblLuckNote"), QString(), picture_);
    note_->setWordWrap(true);
    auto* column = new QVBoxLayout(picture_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    column->addWidget(note_);
    model_ = new ValuesModel(this);
    values_ = named(new QTableView(this), QStringLiteral("tblLuckValues"));
    values_->setModel(model_);
    values_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    values_->setTabKeyNavigation(false);
    values_->verticalHeader()->hide();
    values_->horizontalHeader()->setStretchLastSection(true);
    values_->setMinimumHeight(60);
    describe(values_, QStringLiteral("Luck: values"));
    layOutPage({}, picture_, values_);
}

LuckPage::Series LuckPage::series(const BackTestReport& report, const Prizes& prizes,
                                  std::size_t columns) {
    const LuckSeries luck = luckSeries(report, prizes);
    Series s;
    s.draws = luck.hits.size();
    s.hits = minMaxPerColumn(luck.hits, columns);
    s.expected = minMaxPerColumn(luck.expected, columns);
    s.low = minMaxPerColumn(asDoubles(luck.band.low), columns);
    s.high = minMaxPerColumn(asDoubles(luck.band.high), columns);
    s.net = minMaxPerColumn(luck.net, columns);
    for (const ChartPoint& p : s.hits) {
        const auto i = static_cast<std::size_t>(p.x);
        s.rows.push_back(
            {i, luck.hits[i], luck.expected[i], luck.net[i], luck.band.low[i], luck.band.high[i]});
    }
    s.text = luckText(luck);
    s.exact = luck.band.exactDraws == luck.hits.size();
    return s;
}

void LuckPage::redraw() {
    if (!draws().report) {
        note_->setText(QStringLiteral("The luck chart draws a back-test: open \"Back-test\" in "
                                      "the main window and press \"Charts...\" there."));
        model_->reset({}, {});
        return;
    }
    const auto columns = static_cast<std::size_t>(std::max(200, view_->width()));
    runThenShow<Series>(
        [draws = sharedDraws(), columns] { return series(*draws->report, draws->prizes, columns); },
        [this](const Series& s) { show(s); });
}

void LuckPage::show(const Series& s) {
    QChart* old = view_->chart();
    QChart* chart = makeChart(this, title());
    QAbstractAxis* x =
        drawAxis(s.draws, draws().labelOf, QStringLiteral("Tested draw, oldest first"));
    QValueAxis* y = valueAxis(0.0, std::max(1.0, highest(s.high, highest(s.hits, 1.0))) * 1.05,
                              QStringLiteral("Hits"));
    auto* money = valueAxis(std::min(0.0, lowest(s.net, 0.0)), std::max(1.0, highest(s.net, 0.0)),
                            QStringLiteral("Net money"));
    QLineSeries* high = lineSeries(QStringLiteral("95th percentile of luck"), toPoints(s.high),
                                   kChartOrange, 1.0, Qt::SolidLine);
    QLineSeries* low = lineSeries(QStringLiteral("5th percentile of luck"), toPoints(s.low),
                                  kChartOrange, 1.0, Qt::SolidLine);
    auto* band = new QAreaSeries(high, low);
    band->setName(QStringLiteral("Band of luck (5th to 95th percentile)"));
    band->setObjectName(band->name());
    QColor fill = kChartOrange;
    fill.setAlpha(90);
    band->setBrush(fill);
    band->setPen(QPen(kChartOrange, 1.0));
    attach(chart, band, x, y);
    attach(chart,
           lineSeries(QStringLiteral("Expected hits"), toPoints(s.expected), neutralColour(this),
                      1.5, Qt::DashLine),
           x, y);
    attach(chart,
           lineSeries(QStringLiteral("Hits"), toPoints(s.hits), kChartBlue, 2.5, Qt::SolidLine), x,
           y);
    attach(chart,
           lineSeries(QStringLiteral("Net money"), toPoints(s.net), kChartPurple, 1.5, Qt::DotLine),
           x, money, Qt::AlignRight);
    view_->setChart(chart);
    delete old;
    note_->setText(fromEngine(s.text) +
                   QStringLiteral(" A line inside the band is what luck alone gives.") +
                   (s.exact ? QString()
                            : QStringLiteral(" Over so many draws the band is worked "
                                             "out from the shares' mean, spread and "
                                             "skew (off by at most 1 hit).")));
    showValues(s);
}

void LuckPage::showValues(const Series& s) {
    model_->reset(s.rows, draws().labelOf);
}

} // namespace pick3
