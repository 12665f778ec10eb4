#include "charts/LuckPage.h"

#include "charts/ChartLook.h"
#include "widgets/Look.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
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
    values_ = makeValuesTable(QStringLiteral("tblLuckValues"), QStringLiteral("Luck: values"),
                              {QStringLiteral("Draw"), QStringLiteral("Hits"),
                               QStringLiteral("Expected"), QStringLiteral("5th percentile"),
                               QStringLiteral("95th percentile"), QStringLiteral("Net money")},
                              this);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(picture_, 4);
    page->addWidget(values_, 1);
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
        values_->setRowCount(0);
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
    values_->setRowCount(0);
    const auto label = [this](double x) {
        const auto place = static_cast<std::size_t>(x);
        return draws().labelOf ? fromEngine(draws().labelOf(place)) : QString::number(place + 1);
    };
    int row = 0;
    for (const Series::Row& r : s.rows) {
        setValuesRow(values_, row++,
                     {label(static_cast<double>(r.place)), QString::number(r.hits),
                      QString::number(r.expected, 'f', 2), QString::number(r.low),
                      QString::number(r.high), QString::number(r.net, 'f', 2)});
    }
}

} // namespace pick3
