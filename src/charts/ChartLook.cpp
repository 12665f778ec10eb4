#include "charts/ChartLook.h"

#include "engine/stats/ChartSeries.h"
#include "widgets/Look.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWidget>
#include <algorithm>
#include <cmath>

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
                        const QString& title, double length) {
    const double last = draws == 0 ? 1.0 : static_cast<double>(draws - 1);
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setRange(0.0, last);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTruncateLabels(false);
    const bool dated = labelOf && draws > 0 && !isoDateIn(labelOf(0)).empty();
    if (!dated) {
        // Draw numbers from 1: "5,000" under the 5,000th draw.
        const AxisTicks ticks =
            valueTicks(1.0, last + 1.0,
                       labelsThatFit(length, labelWidth(fromEngine(numberText(last + 1.0, 0)))));
        // None whose label would hang past either end of the axis.
        const double half = labelWidth(fromEngine(numberText(last + 1.0, 0))) / 2.0;
        const double perDraw = length / std::max(1.0, last);
        for (const AxisTick& tick : ticks.ticks) {
            const double at = (tick.value - 1.0) * perDraw;
            if (tick.value >= 1.0 && at >= half && at <= length - half) {
                axis->append(fromEngine(tick.label), tick.value - 1.0);
            }
        }
        return axis;
    }
    QStringList used;
    for (const std::size_t place :
         drawTickPlaces(draws, length, labelWidth(QStringLiteral("0000-00-00")))) {
        const QString label = fromEngine(isoDateIn(labelOf(place)));
        if (!label.isEmpty() && !used.contains(label)) { // two draws of a day: one label
            used.append(label);
            axis->append(label, static_cast<double>(place));
        }
    }
    return axis;
}

QCategoryAxis* tickedAxis(const AxisTicks& ticks, const QString& title) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setRange(ticks.low, ticks.high);
    axis->setStartValue(ticks.low);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (const AxisTick& tick : ticks.ticks) {
        axis->append(fromEngine(tick.label), tick.value);
    }
    return axis;
}

QCategoryAxis* valueAxis(double low, double high, const QString& title, double length,
                         double smallest) {
    const double line = QFontMetricsF(QFont()).height();
    const std::size_t most = std::min<std::size_t>(9, labelsThatFit(length, line, 2.0 * line));
    return tickedAxis(valueTicks(low, high, most, smallest), title);
}

double labelWidth(const QString& text) {
    return QFontMetricsF(QFont()).horizontalAdvance(text) + 4.0;
}

double plotLength(const QWidget* view, Qt::Orientation along) {
    // The chart drawn before at this size knows; a first one guesses that the axis
    // titles and labels, the legend and the chart's title take about this much.
    if (const auto* chartView = qobject_cast<const QChartView*>(view)) {
        const QRectF plot =
            chartView->chart() != nullptr ? chartView->chart()->plotArea() : QRectF();
        if (plot.width() > 50.0 && plot.height() > 50.0 &&
            std::abs(chartView->chart()->size().width() - view->width()) < 2.0) {
            return along == Qt::Horizontal ? plot.width() : plot.height();
        }
    }
    return along == Qt::Horizontal ? std::max(100, view->width() - 140)
                                   : std::max(80, view->height() - 150);
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

QAreaSeries* luckBandSeries(const QList<QPointF>& high, const QList<QPointF>& low) {
    auto* band = new QAreaSeries(lineSeries(QStringLiteral("95th percentile of luck"), high,
                                            kChartOrange, 1.0, Qt::SolidLine),
                                 lineSeries(QStringLiteral("5th percentile of luck"), low,
                                            kChartOrange, 1.0, Qt::SolidLine));
    band->setName(QStringLiteral("Band of luck, 5th to 95th"));
    band->setObjectName(band->name());
    QColor fill = kChartOrange;
    fill.setAlpha(90);
    band->setBrush(fill);
    band->setPen(QPen(kChartOrange, 1.0));
    return band;
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

void layOutOneChart(QWidget* picture, QChartView* view, QLabel* note) {
    auto* column = new QVBoxLayout(picture);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view, 1);
    column->addWidget(note);
}

QCategoryAxis* drawHistogram(QChart* chart, const Histogram& histogram) {
    auto* counts = new QBarSet(histogram.barsName);
    counts->setColor(kChartBlue);
    const bool tail = !histogram.lastFairName.isEmpty() && !histogram.counts.isEmpty();
    QList<QPointF> fair;
    double top = 1.0;
    for (qsizetype i = 0; i < histogram.counts.size(); ++i) {
        counts->append(histogram.counts[i]);
        if (!tail || i + 1 < histogram.counts.size()) {
            fair.append(QPointF(static_cast<double>(i), histogram.fair[i]));
        }
        top = std::max({top, histogram.counts[i], histogram.fair[i]});
    }
    auto* bars = new QBarSeries;
    bars->setObjectName(histogram.seriesName);
    bars->append(counts);
    bars->setBarWidth(0.9);
    // The bars stand at 0, 1, 2, ...: a name under each labelled one.
    auto* x = new QCategoryAxis;
    x->setStartValue(-0.5);
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setTruncateLabels(false);
    x->setGridLineVisible(false);
    for (qsizetype i = 0; i < histogram.names.size(); ++i) {
        const bool shown = histogram.labelled.empty() ||
                           std::find(histogram.labelled.begin(), histogram.labelled.end(),
                                     static_cast<std::size_t>(i)) != histogram.labelled.end();
        if (shown) {
            // The tail's label a word a line ("44", "or", "more"), to stay on the axis.
            const bool last = tail && i + 1 == histogram.names.size();
            x->append(
                last ? QString(histogram.names[i]).replace(QLatin1Char(' '), QStringLiteral("<br>"))
                     : histogram.names[i],
                static_cast<double>(i));
        }
    }
    QValueAxis* y = valueAxis(0.0, top * 1.05, histogram.yTitle, histogram.height);
    attach(chart, bars, x, y);
    attach(chart, lineSeries(histogram.fairName, fair, kChartOrange, 2.5, Qt::SolidLine), x, y);
    if (tail) {
        auto* marker = new QScatterSeries;
        marker->setName(histogram.lastFairName);
        marker->setObjectName(histogram.lastFairName);
        marker->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        marker->setMarkerSize(12.0);
        marker->setColor(kChartOrange);
        marker->setBorderColor(Qt::black);
        const qsizetype last = histogram.counts.size() - 1;
        marker->append(static_cast<double>(last), histogram.fair[last]);
        attach(chart, marker, x, y);
    }
    // Set once the series are attached, which widen it to their own.
    x->setRange(-0.5, static_cast<double>(histogram.counts.size()) - 0.5);
    return x;
}

} // namespace pick3
