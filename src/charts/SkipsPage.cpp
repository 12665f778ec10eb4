#include "charts/SkipsPage.h"

#include "charts/ChartLook.h"
#include "engine/stats/Chance.h"
#include "widgets/Look.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>

namespace pick3 {

SkipsPage::SkipsPage(QWidget* parent) : ChartPage(QStringLiteral("Skips"), parent) {
    setObjectName(QStringLiteral("pgSkips"));
    redrawWhenResized();
    QLabel* digitLabel = makeLabel(QStringLiteral("lblSkipDigit"), QStringLiteral("&Digit:"), this);
    digit_ = named(new QComboBox(this), QStringLiteral("cboSkipDigit"));
    for (int d = 0; d < 10; ++d) {
        digit_->addItem(QString::number(d));
    }
    describe(digit_, QStringLiteral("Digit"), QStringLiteral("The digit whose skips are drawn"));
    digitLabel->setBuddy(digit_);
    QLabel* positionLabel =
        makeLabel(QStringLiteral("lblSkipPosition"), QStringLiteral("P&osition:"), this);
    position_ = named(new QComboBox(this), QStringLiteral("cboSkipPosition"));
    for (int row = 0; row < 4; ++row) {
        position_->addItem(fromEngine(heatRowName(row)));
    }
    describe(position_, QStringLiteral("Position"),
             QStringLiteral("The digit in one position, or in any position"));
    positionLabel->setBuddy(position_);
    connect(digit_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    connect(position_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });

    picture_ = new QWidget(this);
    recent_ =
        makeChartView(makeChart(this, QStringLiteral("The last skips")),
                      QStringLiteral("chtRecentSkips"), QStringLiteral("The last skips"), picture_);
    histogram_ = makeChartView(makeChart(this, QStringLiteral("Skips against the odds")),
                               QStringLiteral("chtSkipHistogram"),
                               QStringLiteral("Skips against the odds"), picture_);
    note_ = makeLabel(QStringLiteral("lblSkipsNote"), QString(), picture_);
    note_->setWordWrap(true);
    layOutTwoCharts(picture_, recent_, histogram_, note_);
    values_ = makeValuesTable(
        QStringLiteral("tblSkipValues"), QStringLiteral("Skips: values"),
        {QStringLiteral("Skip"), QStringLiteral("Skips"), QStringLiteral("By the odds")}, this);
    layOutPage({digitLabel, digit_, positionLabel, position_}, picture_, values_);
}

SkipsPage::Series SkipsPage::series(const DrawList& oldest, SkipSubject subject, int digit) {
    const SkipSeries skips = skipSeries(oldest, subject, digit);
    Series s;
    const std::size_t from = skips.skips.size() > kRecent ? skips.skips.size() - kRecent : 0;
    s.recent.assign(skips.skips.begin() + static_cast<std::ptrdiff_t>(from), skips.skips.end());
    s.current = skips.current;
    s.expected = skips.expectedSkip();
    s.bins = skipHistogram(skips);
    return s;
}

void SkipsPage::redraw() {
    const auto subject = static_cast<SkipSubject>(position_->currentIndex());
    const int digit = digit_->currentIndex();
    runThenShow<Series>(
        [draws = sharedDraws(), subject, digit] { return series(draws->oldest, subject, digit); },
        [this](const Series& s) { show(s); });
}

void SkipsPage::show(const Series& s) {
    showRecent(s);
    showHistogram(s);
    note_->setText(QStringLiteral("%1 %2: the current skip, marked orange, is %3 draws; by the "
                                  "odds it stays away %4 draws on average (the grey line).")
                       .arg(position_->currentText(), digit_->currentText())
                       .arg(s.current)
                       .arg(s.expected, 0, 'f', 2));
    values_->setRowCount(0);
    for (std::size_t i = 0; i < s.bins.size(); ++i) {
        const SkipBin& bin = s.bins[i];
        setValuesRow(
            values_, static_cast<int>(i),
            {QString::number(bin.length) + (bin.orLonger ? QStringLiteral(" or more") : QString()),
             fromEngine(grouped(bin.count)), QString::number(bin.fair, 'f', 1)});
    }
}

void SkipsPage::showRecent(const Series& s) {
    QChart* old = recent_->chart();
    QChart* chart =
        makeChart(this, QStringLiteral("The last skips, oldest first; the current one last"));
    auto* past = new QBarSet(QStringLiteral("Skips between hits"));
    past->setColor(kChartBlue);
    auto* current = new QBarSet(QStringLiteral("Current skip"));
    current->setColor(kChartOrange);
    QStringList names;
    double top = s.expected + 1.0;
    for (std::size_t i = 0; i < s.recent.size(); ++i) {
        past->append(static_cast<double>(s.recent[i]));
        current->append(0.0);
        names.append(QString::number(i + 1));
        top = std::max(top, static_cast<double>(s.recent[i]));
    }
    past->append(0.0);
    current->append(static_cast<double>(s.current));
    names.append(QStringLiteral("now"));
    top = std::max(top, static_cast<double>(s.current));
    auto* bars = new QStackedBarSeries;
    bars->setObjectName(QStringLiteral("Skips"));
    bars->append(past);
    bars->append(current);
    bars->setBarWidth(0.8);
    auto* x = new QBarCategoryAxis;
    x->append(names);
    x->setLabelsVisible(names.size() <= 30);
    x->setTitleVisible(false); // the chart's title says what runs along
    QValueAxis* y =
        valueAxis(0.0, top * 1.05, QStringLiteral("Draws"), plotLength(recent_, Qt::Vertical));
    attach(chart, bars, x, y);
    const auto n = static_cast<double>(names.size());
    attach(chart,
           lineSeries(QStringLiteral("By the odds"), {{-0.5, s.expected}, {n - 0.5, s.expected}},
                      neutralColour(this), 2.0, Qt::DashLine),
           x, y);
    recent_->setChart(chart);
    delete old;
}

void SkipsPage::showHistogram(const Series& s) {
    QChart* old = histogram_->chart();
    QChart* chart = makeChart(this, QStringLiteral("Skips against the odds"));
    Histogram lengths{QStringLiteral("Skips by length"),
                      QStringLiteral("Skips"),
                      QStringLiteral("Odds"),
                      QStringLiteral("Skips"),
                      {},
                      {},
                      {},
                      {},
                      300.0,
                      {}};
    for (const SkipBin& bin : s.bins) {
        lengths.names.append(QString::number(bin.length) +
                             (bin.orLonger ? QStringLiteral(" or more") : QString()));
        lengths.counts.append(static_cast<double>(bin.count));
        lengths.fair.append(bin.fair);
    }
    const bool tail = !s.bins.empty() && s.bins.back().orLonger;
    if (tail) {
        // The orange square beside "Odds": what the odds give for the last bar.
        lengths.lastFairName = lengths.names.last();
    }
    // As many lengths named as fit, the last ("44 or more") always.
    lengths.labelled = labelledBars(
        s.bins.size(),
        labelsThatFit(plotLength(histogram_, Qt::Horizontal), labelWidth(QStringLiteral("00"))),
        tail);
    lengths.height = plotLength(histogram_, Qt::Vertical);
    QCategoryAxis* x = drawHistogram(chart, lengths);
    x->setTitleText(QStringLiteral("Skip, in draws"));
    histogram_->setChart(chart);
    delete old;
}

} // namespace pick3
