#include "charts/ChartLook.h"

#include "engine/stats/ChartSeries.h"
#include "widgets/Look.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>

namespace pick3 {

bool isDark(const QWidget* widget) {
    return widget->palette().color(QPalette::Window).lightness() < 128;
}

QColor neutralColour(const QWidget* widget) {
    return isDark(widget) ? QColor(0xB0, 0xB0, 0xB0) : QColor(0x60, 0x60, 0x60);
}

QChart* makeChart(const QWidget* widget, const QString& title) {
    auto* chart = new QChart;
    chart->setTheme(isDark(widget) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation); // large series draw at once
    return chart;
}

QChartView* makeChartView(QChart* chart, const QString& name, const QString& accessibleName,
                          QWidget* parent) {
    auto* view = named(new QChartView(chart, parent), name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus); // a screen reader reads its name and description
    view->setMinimumSize(280, 200);
    describe(view, accessibleName);
    return view;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y,
            Qt::Alignment ySide) {
    chart->addSeries(series);
    if (!chart->axes(Qt::Horizontal).contains(x)) {
        chart->addAxis(x, Qt::AlignBottom);
    }
    if (!chart->axes(Qt::Vertical).contains(y)) {
        chart->addAxis(y, ySide);
    }
    series->attachAxis(x);
    series->attachAxis(y);
}

QAbstractAxis* drawAxis(std::size_t draws, const std::function<std::string(std::size_t)>& labelOf,
                        const QString& title) {
    const double last = draws == 0 ? 1.0 : static_cast<double>(draws - 1);
    if (!labelOf || draws < 2) {
        QValueAxis* axis = valueAxis(0.0, last, title);
        axis->setLabelFormat(QStringLiteral("%.0f"));
        return axis;
    }
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setRange(0.0, last);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false); // a date cut to "2024-0..." says nothing
    constexpr std::size_t kTicks = 3;
    for (std::size_t t = 0; t <= kTicks; ++t) {
        const std::size_t place = t * (draws - 1) / kTicks;
        // The date alone: "Sat 2026-12-05 Evening" is "2026-12-05" under a tick.
        const std::string full = labelOf(place);
        const std::string_view date = isoDateIn(full);
        const QString label = fromEngine(date.empty() ? std::string_view(full) : date);
        axis->append(label.isEmpty() ? QString::number(place) + QStringLiteral(" ") : label,
                     static_cast<double>(place));
    }
    return axis;
}

QValueAxis* valueAxis(double low, double high, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setRange(low, high);
    axis->setTitleText(title);
    axis->applyNiceNumbers(); // ticks at round values
    return axis;
}

QList<QPointF> toPoints(const std::vector<ChartPoint>& points, double shift) {
    QList<QPointF> out;
    out.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) {
        out.append(QPointF(p.x + shift, p.y));
    }
    return out;
}

QLineSeries* lineSeries(const QString& name, const QList<QPointF>& points, const QColor& colour,
                        qreal width, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setObjectName(name);
    series->replace(points);
    QPen pen(colour, width, style);
    series->setPen(pen);
    return series;
}

void layOutTwoCharts(QWidget* picture, QChartView* left, QChartView* right, QLabel* note) {
    auto* charts = new QHBoxLayout;
    charts->addWidget(left, 3);
    charts->addWidget(right, 2);
    auto* column = new QVBoxLayout(picture);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(charts, 1);
    column->addWidget(note);
}

QBarCategoryAxis* drawHistogram(QChart* chart, const Histogram& histogram) {
    auto* counts = new QBarSet(histogram.barsName);
    counts->setColor(kChartBlue);
    QList<QPointF> fair;
    double top = 1.0;
    for (qsizetype i = 0; i < histogram.counts.size(); ++i) {
        counts->append(histogram.counts[i]);
        fair.append(QPointF(static_cast<double>(i), histogram.fair[i]));
        top = std::max({top, histogram.counts[i], histogram.fair[i]});
    }
    auto* bars = new QBarSeries;
    bars->setObjectName(histogram.seriesName);
    bars->append(counts);
    bars->setBarWidth(0.9);
    auto* x = new QBarCategoryAxis;
    x->append(histogram.names);
    QValueAxis* y = valueAxis(0.0, top * 1.05, histogram.yTitle);
    attach(chart, bars, x, y);
    attach(chart, lineSeries(histogram.fairName, fair, kChartOrange, 2.5, Qt::SolidLine), x, y);
    return x;
}

} // namespace pick3
