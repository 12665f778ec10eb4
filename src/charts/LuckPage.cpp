#include "charts/LuckPage.h"

#include "charts/ChartLook.h"
#include "engine/backtest/LuckSeries.h"
#include "widgets/Look.h"

#include <QAbstractTableModel>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>

namespace pick3 {

namespace {

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

QString whole(double value) {
    return fromEngine(numberText(value, 0));
}

QString money(double value) {
    return fromEngine(numberText(value, 2));
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
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 7; }
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
            return whole(r.hits);
        case 2:
            return money(r.expected);
        case 3:
            return whole(static_cast<double>(r.low));
        case 4:
            return whole(static_cast<double>(r.high));
        case 5:
            return money(r.net);
        default:
            return money(r.wonLessAverage);
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const std::array<const char*, 7> names{"Draw",
                                                      "Hits",
                                                      "Expected",
                                                      "5th percentile",
                                                      "95th percentile",
                                                      "Net money",
                                                      "Won less the average"};
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
    redrawWhenResized();
    QLabel* label = makeLabel(QStringLiteral("lblLuckView"), QStringLiteral("&Show:"), this);
    viewChoice_ = named(new QComboBox(this), QStringLiteral("cboLuckView"));
    viewChoice_->addItem(QStringLiteral("the hits less the hits expected"),
                         static_cast<int>(LuckView::AgainstExpected));
    viewChoice_->addItem(QStringLiteral("the hits counted up"),
                         static_cast<int>(LuckView::Cumulative));
    describe(viewChoice_, QStringLiteral("Show"),
             QStringLiteral("The hits less the hits expected, a line about zero that reads at "
                            "any length; or the hits, the expected hits and the band counted up"));
    label->setBuddy(viewChoice_);
    connect(viewChoice_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    picture_ = new QWidget(this);
    view_ = makeChartView(makeChart(this, title()), QStringLiteral("chtLuck"), title(), picture_);
    note_ = makeLabel(QStringLiteral("lblLuckNote"), QString(), picture_);
    note_->setWordWrap(true);
    layOutOneChart(picture_, view_, note_);
    model_ = new ValuesModel(this);
    values_ = named(new QTableView(this), QStringLiteral("tblLuckValues"));
    values_->setModel(model_);
    values_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    values_->setTabKeyNavigation(false);
    values_->verticalHeader()->hide();
    values_->horizontalHeader()->setStretchLastSection(true);
    values_->setMinimumHeight(60);
    describe(values_, QStringLiteral("Luck: values"));
    layOutPage({label, viewChoice_}, picture_, values_);
}

LuckPage::Series LuckPage::series(const BackTestReport& report, const Prizes& prizes,
                                  std::size_t columns, LuckView view) {
    const LuckSeries luck = luckSeries(report, prizes);
    const LuckLines lines = luckLines(luck, view);
    Series s;
    s.draws = luck.hits.size();
    s.view = view;
    s.hits = minMaxPerColumn(lines.hits, columns);
    s.expected = minMaxPerColumn(lines.expected, columns);
    s.low = minMaxPerColumn(lines.low, columns);
    s.high = minMaxPerColumn(lines.high, columns);
    s.net = minMaxPerColumn(lines.net, columns);
    s.wonLessAverage = minMaxPerColumn(lines.wonLessAverage, columns);
    s.bottom = lines.bottom;
    s.top = lines.top;
    for (const ChartPoint& p : s.hits) {
        const auto i = static_cast<std::size_t>(p.x);
        s.rows.push_back({i, luck.hits[i], luck.expected[i], luck.net[i], luck.wonLessAverage[i],
                          luck.band.low[i], luck.band.high[i]});
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
        markDrawn();
        return;
    }
    const auto columns = static_cast<std::size_t>(std::max(200, view_->width()));
    const auto view = static_cast<LuckView>(viewChoice_->currentData().toInt());
    runThenShow<Series>([draws = sharedDraws(), columns,
                         view] { return series(*draws->report, draws->prizes, columns, view); },
                        [this](const Series& s) { show(s); });
}

void LuckPage::show(const Series& s) {
    QChart* old = view_->chart();
    QChart* chart = makeChart(this, title());
    const bool against = s.view == LuckView::AgainstExpected;
    QAbstractAxis* x =
        drawAxis(s.draws, draws().labelOf, QStringLiteral("Tested draw, oldest first"),
                 plotLength(view_, Qt::Horizontal));
    QValueAxis* y =
        valueAxis(s.bottom, s.top,
                  against ? QStringLiteral("Hits less the expected") : QStringLiteral("Hits"),
                  plotLength(view_, Qt::Vertical));
    attach(chart, luckBandSeries(toPoints(s.high), toPoints(s.low)), x, y);
    attach(chart,
           lineSeries(against ? QStringLiteral("Expected (zero)") : QStringLiteral("Expected hits"),
                      toPoints(s.expected), neutralColour(this), 1.5, Qt::DashLine),
           x, y);
    attach(chart,
           lineSeries(against ? QStringLiteral("Hits less the expected") : QStringLiteral("Hits"),
                      toPoints(s.hits), kChartBlue, 2.5, Qt::SolidLine),
           x, y);
    drawMoney(chart, s, x);
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

// Money on the right: the net, and against the expected hits what was won less
// what the prizes of the numbers played return on average.
void LuckPage::drawMoney(QChart* chart, const Series& s, QAbstractAxis* x) {
    const double bottom = std::min(lowest(s.net, 0.0), lowest(s.wonLessAverage, 0.0));
    const double top = std::max({1.0, highest(s.net, 0.0), highest(s.wonLessAverage, 0.0)});
    QValueAxis* axis =
        valueAxis(bottom, top, QStringLiteral("Money"), plotLength(view_, Qt::Vertical), 0.01);
    attach(chart,
           lineSeries(QStringLiteral("Net money"), toPoints(s.net), kChartPurple, 1.5, Qt::DotLine),
           x, axis, Qt::AlignRight);
    if (s.view == LuckView::AgainstExpected) {
        attach(chart,
               lineSeries(QStringLiteral("Won less the average"), toPoints(s.wonLessAverage),
                          kChartPurple, 1.5, Qt::DashDotLine),
               x, axis, Qt::AlignRight);
    }
}

void LuckPage::showValues(const Series& s) {
    model_->reset(s.rows, draws().labelOf);
    values_->resizeColumnsToContents(); // "Thu 2026-05-21 Evening" whole
}

} // namespace pick3
