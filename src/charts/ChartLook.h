#pragma once
// The look every chart shares: colours that a reader with red-green colour
// blindness tells apart (blue against orange, never red against green), a
// theme that follows the window's palette, light or dark, and the axes.

#include "engine/stats/ChartSeries.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QChart;
class QChartView;
class QAbstractAxis;
class QValueAxis;
class QBarCategoryAxis;
#include <QCategoryAxis>
class QWidget;
class QAbstractSeries;
class QLabel;
class QLineSeries;
class QAreaSeries;

namespace pick3 {

inline const QColor kChartBlue{0x00, 0x72, 0xB2};
inline const QColor kChartOrange{0xE6, 0x9F, 0x00};
inline const QColor kChartSky{0x56, 0xB4, 0xE9};
inline const QColor kChartPurple{0xCC, 0x79, 0xA7};

// True where the widget's palette draws light text on a dark window.
bool isDark(const QWidget* widget);
// A grey that reads on the palette's background.
QColor neutralColour(const QWidget* widget);
// A new chart in the palette's theme, titled, with its legend at the bottom.
QChart* makeChart(const QWidget* widget, const QString& title);
// A view of `chart`, named for a screen reader and antialiased.
QChartView* makeChartView(QChart* chart, const QString& name, const QString& accessibleName,
                          QWidget* parent);
// Two charts side by side, the left three fifths wide, over a note, in `picture`.
void layOutTwoCharts(QWidget* picture, QChartView* left, QChartView* right, QLabel* note);
// One chart above its note, across the whole picture.
void layOutOneChart(QWidget* picture, QChartView* view, QLabel* note);
// Attaches `series` to the chart's axes (made by the first series), x then y.
void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y,
            Qt::Alignment ySide = Qt::AlignLeft);
// An axis of draws 0 to n - 1, `length` pixels long, with a whole date ("2026-12-06")
// or the draw's number ("15,000") under as many ticks as fit without overlapping.
QAbstractAxis* drawAxis(std::size_t draws, const std::function<std::string(std::size_t)>& labelOf,
                        const QString& title, double length);
// An axis whose labels are the engine's ticks ("15,000", "-1,500.00"), from the first to the last.
QCategoryAxis* tickedAxis(const AxisTicks& ticks, const QString& title);
// A count (or, with `smallest` 0.01, money) axis from about `low` to `high`, `length` pixels
// tall, with round ticks that do not crowd.
QCategoryAxis* valueAxis(double low, double high, const QString& title, double length = 300.0,
                         double smallest = 1.0);
// The width an axis label takes in the chart's font.
double labelWidth(const QString& text);
// The plot's length along a chart view, less the room its axes' labels and titles take.
double plotLength(const QWidget* view, Qt::Orientation along);
// An engine series as chart points, moved right by `shift` draws.
QList<QPointF> toPoints(const std::vector<ChartPoint>& points, double shift = 0.0);
// A named line (the name is its legend entry and its objectName).
QLineSeries* lineSeries(const QString& name, const QList<QPointF>& points, const QColor& colour,
                        qreal width, Qt::PenStyle style);
// The band of luck, filled in orange between its 95th and its 5th percentile lines.
QAreaSeries* luckBandSeries(const QList<QPointF>& high, const QList<QPointF>& low);

// Counts as bars, one a name along the x axis, under a line of what a fair game
// gives for each; the y axis reaches the taller of the two.
struct Histogram {
    QString seriesName; // the bars' objectName
    QString barsName;   // the legend's name of the bars
    QString fairName;   // and of the line
    QString yTitle;
    QStringList names;
    QList<double> counts;
    QList<double> fair;
    std::vector<std::size_t> labelled; // the bars whose name shows (the rest are too many)
    double height = 300.0;             // the plot's height, for the counts' ticks
    // Where the last bar gathers a tail ("44 or more"): its fair count is a marker
    // of this name, not the end of the line.
    QString lastFairName;
};
// Draws it on `chart`; its x axis is given back for its labels to be set.
QCategoryAxis* drawHistogram(QChart* chart, const Histogram& histogram);

} // namespace pick3
