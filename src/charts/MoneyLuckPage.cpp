#include "charts/MoneyLuckPage.h"

#include "charts/ChartLook.h"
#include "engine/stats/Chance.h"
#include "widgets/Look.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <algorithm>

namespace pick3 {

namespace {

std::vector<double> inDollars(const std::vector<LuckBandPoint>& points,
                              double LuckBandPoint::*cents) {
    std::vector<double> dollars;
    dollars.reserve(points.size());
    for (const LuckBandPoint& point : points) {
        dollars.push_back(point.*cents / 100.0);
    }
    return dollars;
}

QString money(double dollars) {
    return fromEngine(numberText(dollars, 2));
}

} // namespace

MoneyLuckPage::MoneyLuckPage(QWidget* parent)
    : ChartPage(QStringLiteral("Is my money luck?"), parent) {
    setObjectName(QStringLiteral("pgMoneyLuck"));
    redrawWhenResized();
    picture_ = new QWidget(this);
    view_ =
        makeChartView(makeChart(this, title()), QStringLiteral("chtMoneyLuck"), title(), picture_);
    note_ = makeLabel(QStringLiteral("lblMoneyLuckNote"), QString(), picture_);
    note_->setWordWrap(true);
    layOutOneChart(picture_, view_, note_);
    values_ = makeValuesTable(QStringLiteral("tblMoneyLuckValues"),
                              QStringLiteral("Is my money luck?: values"),
                              {QStringLiteral("Draw"), QStringLiteral("Won less the average"),
                               QStringLiteral("5th percentile"), QStringLiteral("95th percentile")},
                              this);
    layOutPage({}, picture_, values_);
}

MoneyLuckPage::Series MoneyLuckPage::series(const TicketsLuck& luck, std::size_t columns) {
    const std::vector<LuckBandPoint>& points = luck.band.points;
    const std::vector<double> won = inDollars(points, &LuckBandPoint::wonLessAverageCents);
    const std::vector<double> low = inDollars(points, &LuckBandPoint::lowCents);
    const std::vector<double> high = inDollars(points, &LuckBandPoint::highCents);
    Series s;
    s.draws = points.size();
    s.wonLessAverage = minMaxPerColumn(won, columns);
    s.low = minMaxPerColumn(low, columns);
    s.high = minMaxPerColumn(high, columns);
    // Zero, what luck alone gives on average, always in sight.
    s.bottom = std::min({0.0, *std::min_element(won.begin(), won.end()),
                         *std::min_element(low.begin(), low.end())});
    s.top = std::max({1.0, *std::max_element(won.begin(), won.end()),
                      *std::max_element(high.begin(), high.end())});
    for (const ChartPoint& p : s.wonLessAverage) {
        const auto i = static_cast<std::size_t>(p.x);
        s.rows.push_back({i, won[i], low[i], high[i]});
    }
    s.exact = luck.band.exactDraws == static_cast<int>(points.size());
    return s;
}

void MoneyLuckPage::redraw() {
    if (!draws().ticketsLuck || draws().ticketsLuck->band.points.empty()) {
        note_->setText(QStringLiteral("No ticket has met its draw yet."));
        values_->setRowCount(0);
        markDrawn();
        return;
    }
    const auto columns = static_cast<std::size_t>(std::max(200, view_->width()));
    runThenShow<Series>(
        [draws = sharedDraws(), columns] { return series(*draws->ticketsLuck, columns); },
        [this](const Series& s) { show(s); });
}

void MoneyLuckPage::show(const Series& s) {
    QChart* old = view_->chart();
    QChart* chart = makeChart(this, title());
    const TicketsLuck& luck = *draws().ticketsLuck;
    const auto nameOf = [names = luck.drawNames](std::size_t place) { return names.at(place); };
    QAbstractAxis* x =
        drawAxis(s.draws, nameOf, QStringLiteral("Draw of your tickets, oldest first"),
                 plotLength(view_, Qt::Horizontal));
    QAbstractAxis* y = valueAxis(s.bottom, s.top, QStringLiteral("Won less the average ($)"),
                                 plotLength(view_, Qt::Vertical), 0.01);
    attach(chart, luckBandSeries(toPoints(s.high), toPoints(s.low)), x, y);
    const double last = s.draws == 0 ? 1.0 : static_cast<double>(s.draws - 1);
    attach(chart,
           lineSeries(QStringLiteral("The average (zero)"), {{0.0, 0.0}, {last, 0.0}},
                      neutralColour(this), 1.5, Qt::DashLine),
           x, y);
    attach(chart,
           lineSeries(QStringLiteral("Won less the average"), toPoints(s.wonLessAverage),
                      kChartBlue, 2.5, Qt::SolidLine),
           x, y);
    view_->setChart(chart);
    delete old;
    note_->setText(fromEngine(luck.wordsText) +
                   QStringLiteral(" A line inside the band is what luck alone gives.") +
                   (s.exact ? QString()
                            : QStringLiteral(" Over so many draws the later band is read from "
                                             "the exact distributions by the saddlepoint.")));
    values_->setRowCount(0);
    for (std::size_t r = 0; r < s.rows.size(); ++r) {
        const Series::Row& row = s.rows[r];
        setValuesRow(values_, static_cast<int>(r),
                     {fromEngine(nameOf(row.place)), money(row.wonLessAverage), money(row.low),
                      money(row.high)});
    }
    values_->resizeColumnsToContents();
}

} // namespace pick3
