#include "charts/SumsPage.h"

#include "charts/ChartLook.h"
#include "engine/stats/Chance.h"
#include "widgets/Look.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>

namespace pick3 {

SumsPage::SumsPage(QWidget* parent) : ChartPage(QStringLiteral("Sums over time"), parent) {
    setObjectName(QStringLiteral("pgSums"));
    redrawWhenResized();
    QLabel* label =
        makeLabel(QStringLiteral("lblSumSpan"), QStringLiteral("&Moving average over:"), this);
    span_ = named(new QComboBox(this), QStringLiteral("cboSumSpan"));
    for (const int span : {10, 30, 100, 365}) {
        span_->addItem(QStringLiteral("%1 draws").arg(span), span);
    }
    span_->setCurrentIndex(1);
    describe(span_, QStringLiteral("Moving average over"),
             QStringLiteral("How many draws each point of the moving average takes"));
    label->setBuddy(span_);
    connect(span_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });

    picture_ = new QWidget(this);
    time_ = makeChartView(makeChart(this, title()), QStringLiteral("chtSumsOverTime"),
                          QStringLiteral("Sums over time"), picture_);
    histogram_ = makeChartView(makeChart(this, QStringLiteral("Sums against a fair game")),
                               QStringLiteral("chtSumHistogram"),
                               QStringLiteral("Sums against a fair game"), picture_);
    note_ = makeLabel(QStringLiteral("lblSumsNote"), QString(), picture_);
    note_->setWordWrap(true);
    layOutTwoCharts(picture_, time_, histogram_, note_);
    values_ = makeValuesTable(
        QStringLiteral("tblSumValues"), QStringLiteral("Sums: values"),
        {QStringLiteral("Sum"), QStringLiteral("Draws"), QStringLiteral("A fair game")}, this);
    layOutPage({label, span_}, picture_, values_);
}

SumsPage::Series SumsPage::series(const DrawList& oldest, std::size_t span, std::size_t columns) {
    Series s;
    s.draws = oldest.size();
    s.span = span;
    const std::vector<int> sums = drawSums(oldest);
    s.sums = minMaxPerColumn(std::vector<double>(sums.begin(), sums.end()), columns);
    s.average = minMaxPerColumn(movingAverage(sums, span), columns);
    for (ChartPoint& p : s.average) {
        p.x += static_cast<double>(span - 1);
    }
    s.band = fairAverageBand(span);
    s.bars = sumHistogram(oldest);
    return s;
}

void SumsPage::redraw() {
    const auto span = static_cast<std::size_t>(span_->currentData().toInt());
    const auto columns = static_cast<std::size_t>(std::max(200, time_->width()));
    runThenShow<Series>(
        [draws = sharedDraws(), span, columns] { return series(draws->oldest, span, columns); },
        [this](const Series& s) { show(s); });
}

void SumsPage::show(const Series& s) {
    showTime(s);
    showHistogram(s);
    note_->setText(QStringLiteral("Light blue: each draw's sum. Blue: the average of %1 draws. "
                                  "Grey: the mean of a fair game, 13.5; orange: where 95 of 100 "
                                  "averages of %1 fair draws fall (%2 to %3).")
                       .arg(s.span)
                       .arg(s.band.low, 0, 'f', 2)
                       .arg(s.band.high, 0, 'f', 2));
    values_->setRowCount(0);
    for (int sum = 0; sum < 28; ++sum) {
        const SumBar& bar = s.bars[static_cast<std::size_t>(sum)];
        setValuesRow(values_, sum,
                     {QString::number(sum), fromEngine(grouped(bar.count)),
                      QString::number(bar.fair, 'f', 1)});
    }
}

void SumsPage::showTime(const Series& s) {
    QChart* old = time_->chart();
    QChart* chart = makeChart(this, title());
    const double last = s.draws == 0 ? 1.0 : static_cast<double>(s.draws - 1);
    QAbstractAxis* x = drawAxis(s.draws, draws().labelOf, QStringLiteral("Draw, oldest first"),
                                plotLength(time_, Qt::Horizontal));
    // The sums there are, not rounder numbers.
    QValueAxis* y = tickedAxis({0.0, 27.0, {{0.0, "0"}, {9.0, "9"}, {18.0, "18"}, {27.0, "27"}}},
                               QStringLiteral("Sum"));
    const QColor grey = neutralColour(this);
    attach(chart,
           lineSeries(QStringLiteral("Sums"), toPoints(s.sums, 0.0), kChartSky, 1.0, Qt::SolidLine),
           x, y);
    attach(chart,
           lineSeries(QStringLiteral("Mean 13.5"), {{0.0, kFairMeanSum}, {last, kFairMeanSum}},
                      grey, 1.5, Qt::DashLine),
           x, y);
    attach(chart,
           lineSeries(QStringLiteral("95% band"), {{0.0, s.band.low}, {last, s.band.low}},
                      kChartOrange, 1.5, Qt::DashLine),
           x, y);
    QLineSeries* high =
        lineSeries(QStringLiteral("95% band, high"), {{0.0, s.band.high}, {last, s.band.high}},
                   kChartOrange, 1.5, Qt::DashLine);
    attach(chart, high, x, y);
    attach(chart,
           lineSeries(QStringLiteral("Average"), toPoints(s.average, 0.0), kChartBlue, 2.5,
                      Qt::SolidLine),
           x, y);
    chart->legend()->markers(high).first()->setVisible(false); // one legend entry for the band
    time_->setChart(chart);
    delete old;
}

void SumsPage::showHistogram(const Series& s) {
    QChart* old = histogram_->chart();
    QChart* chart = makeChart(this, QStringLiteral("Sums against a fair game"));
    Histogram sums{QStringLiteral("Draws"),
                   QStringLiteral("Draws"),
                   QStringLiteral("A fair game"),
                   QStringLiteral("Draws"),
                   {},
                   {},
                   {},
                   {},
                   300.0,
                   {}};
    for (int sum = 0; sum < 28; ++sum) {
        const SumBar& bar = s.bars[static_cast<std::size_t>(sum)];
        sums.names.append(QString::number(sum));
        sums.counts.append(static_cast<double>(bar.count));
        sums.fair.append(bar.fair);
    }
    // As many sums named as fit under the bars, upright: every third at 1024 by 768.
    sums.labelled = labelledBars(28, labelsThatFit(plotLength(histogram_, Qt::Horizontal),
                                                   labelWidth(QStringLiteral("27"))));
    sums.height = plotLength(histogram_, Qt::Vertical);
    QCategoryAxis* x = drawHistogram(chart, sums);
    x->setTitleText(QStringLiteral("Sum"));
    histogram_->setChart(chart);
    delete old;
}

} // namespace pick3
