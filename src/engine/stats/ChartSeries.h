#pragma once
// The series the charts draw, each against what luck alone gives:
//   digitHeat        how often each digit came, per position and anywhere, and how unusual that is;
//   drawSums         each draw's sum; movingAverage and fairAverageBand, the 95% band of a mean;
//   sumHistogram     the sums against a fair game's counts (1, 3, 6, ... of 1,000);
//   skipSeries       the skips of a digit between its hits; skipHistogram against the odds;
//   randomHitBand    the 5th to 95th percentile of a random player's hits, draw by draw;
//   minMaxPerColumn  a long series cut to what a screen can show: the lowest and highest value
//                    of each pixel column;
//   valueTicks, drawTickPlaces, labelledBars  where an axis gets its labels, so that they fit
//                    the axis's length without overlapping.
// Every series runs from the oldest draw to the newest.

#include "engine/Draws.h"
#include "engine/stats/SkipCounts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The draws oldest first, whichever end of the text holds the newest.
DrawList oldestFirst(const DrawList& draws, NewestEnd newest);
// The newest `last` draws of an oldest-first list (0 or more than there are: all).
DrawList newestOf(const DrawList& oldestFirst, std::size_t last);
// The first date "yyyy-mm-dd" of a label ("Sat 2026-12-05 Evening"); empty where it has none.
std::string_view isoDateIn(std::string_view label);
// Which end is newest, read from the dates in the labels of the first and last
// draw ("Sat 2026-12-05 Evening"); none where the dates are the same or missing.
std::optional<NewestEnd> newestEndOfLabels(std::string_view first, std::string_view last);

// ---- The digit heat map ----------------------------------------------------

struct HeatCell {
    std::int64_t count = 0;
    double expected = 0.0;  // by the odds: n / 10 in a position, 3n / 10 anywhere
    double chance = 1.0;    // two-sided: of a count at least this far from the expected one
    double logChance = 0.0; // the same as a log, which keeps 10^-1000 apart from none
    int unusual = 0;        // +1 (more) or -1 (fewer) where the chance is under 5%
    // 0 for a count as luck gives it, up to 1 for one that 1 history in 1,000 reaches.
    double strength = 0.0;
};
// Rows: position 1, 2, 3, any position; columns: digits 0 to 9.
struct DigitHeat {
    std::size_t draws = 0;
    std::array<std::array<HeatCell, 10>, 4> cells{};
};
DigitHeat digitHeat(const DrawList& draws);
// How many cells a fair draw would show unusual, on average: in a position a
// digit's count is Binomial(n, 1/10); anywhere it is the sum over the draws of
// its count in each, 0 to 3 times with the chances 729, 243, 27 and 1 in 1,000,
// which is Binomial(3n, 1/10), since a fair draw's three digits are independent.
double heatExpectedUnusual(std::size_t draws);
// "By luck alone about 1.7 of these 40 cells would show a chance under 5%; 3 do."
std::string heatLuckText(const DigitHeat& heat);
// "Pos 1, digit 7: 12 times; by the odds 10.0; a count this far off: 55 times in 100".
std::string heatCellText(const DigitHeat& heat, int row, int digit);
// The unusual cells by name, rarest first, at most `most` of them:
// "Unusual: position 2, digit 3, 20 times against 30 by the odds." (empty where none is).
std::string heatUnusualText(const DigitHeat& heat, std::size_t most = 4);
// The mark beside an unusual cell's colour: "▲" more, "▼" fewer, "" as luck gives it.
std::string heatMark(const HeatCell& cell);
// "Pos 1", "Pos 2", "Pos 3", "Any position".
std::string heatRowName(int row);

// ---- Sums ------------------------------------------------------------------

// Each draw's sum of digits, 0 to 27.
std::vector<int> drawSums(const DrawList& draws);
// The mean of each `span` draws in a row: element i ends at draw i + span - 1.
// Empty where there are fewer draws than the span (or the span is 0).
std::vector<double> movingAverage(const std::vector<int>& sums, std::size_t span);
// Where the mean sum of `span` fair draws falls 95 times in 100: at most 2.5%
// of means lie below `low`, at most 2.5% above `high`. Exact (the sum of 3 * span
// fair digits) up to kExactBandSpan, by the normal distribution beyond.
struct AverageBand {
    double low = 0.0;
    double high = 27.0;
};
inline constexpr std::size_t kExactBandSpan = 1000;
AverageBand fairAverageBand(std::size_t span);
inline constexpr double kFairMeanSum = 13.5;
// The straight numbers of each sum, of 1,000: 1, 3, 6, 10, ..., 75, 75, ..., 1.
std::array<int, 28> sumWays();
struct SumBar {
    std::size_t count = 0;
    double fair = 0.0; // what a fair game gives for as many draws
};
std::array<SumBar, 28> sumHistogram(const DrawList& draws);

// ---- Skips -----------------------------------------------------------------

// The skips of a digit in a position (Position1 to AnyPosition): the draws
// without it between two of its hits, oldest first, and the draws since its
// last hit (all of them when it never came).
struct SkipSeries {
    std::vector<std::size_t> skips;
    std::size_t current = 0;
    std::size_t hits = 0;
    double odds = 0.1; // that a draw brings it
    double expectedSkip() const { return (1.0 - odds) / odds; }
};
SkipSeries skipSeries(const DrawList& oldestFirst, SkipSubject subject, int digit);
// The skips by length against the geometric distribution of the odds: one bar
// per length 0, 1, ... and a last bar for every skip from the length at which
// the odds leave under 1 in 100.
struct SkipBin {
    std::size_t length = 0;
    bool orLonger = false;
    std::size_t count = 0;
    double fair = 0.0;
};
std::vector<SkipBin> skipHistogram(const SkipSeries& series);

// ---- Luck ------------------------------------------------------------------

// The 5th and 95th percentile of the hits of a random player who hits draw i
// with chance shares[i], after each draw: the smallest k with P(hits <= k) at
// least 0.05 (and 0.95). Exact while the work stays small; beyond, from the
// mean, variance and skewness of what is left (off by at most 1).
struct HitBand {
    std::vector<std::int64_t> low;
    std::vector<std::int64_t> high;
    std::size_t exactDraws = 0; // the first this many points are exact
};
HitBand randomHitBand(const std::vector<double>& shares,
                      std::size_t exactWork = std::size_t{8'000'000});

// ---- Drawing long series ---------------------------------------------------

// A series of y values at x = 0, 1, 2, ... cut into `columns` runs of equal
// length; each run gives its lowest and its highest point, in the order they
// come. A series no longer than 2 * columns is returned whole.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const ChartPoint&) const = default;
};
std::vector<ChartPoint> minMaxPerColumn(const std::vector<double>& y, std::size_t columns);

// ---- Axes ------------------------------------------------------------------
// The charts library does not say where its labels fall, so the ticks are
// chosen here, from the axis's length and the width of its widest label.

struct AxisTick {
    double value = 0.0;
    std::string label;
    bool operator==(const AxisTick&) const = default;
};
struct AxisTicks {
    double low = 0.0; // the axis runs from the first tick to the last
    double high = 1.0;
    std::vector<AxisTick> ticks;
};
// How many labels `labelWidth` long fit along `length` with `gap` between two; at least 2.
std::size_t labelsThatFit(double length, double labelWidth, double gap = 16.0);
// A figure with its thousands separated: "15,000", "-1,500"; with 2 decimals "-1,500,000.00".
std::string numberText(double value, int decimals);
// At most `most` ticks at whole multiples of a round step (1, 2 or 5 times a
// power of ten, never below `smallest`), from the last multiple at or below `low`
// to the first at or above `high`. Whole numbers; with cents only where the step
// is under 1.
AxisTicks valueTicks(double low, double high, std::size_t most, double smallest = 1.0);
// The bars of `count` that get a label where `most` labels fit: every k-th from
// the first, k the smallest of 1, 2, 3, 5, 10, 20, 50, ... that fits. With `keepLast`
// the last bar is labelled too (its label, "44 or more", as wide as two), and so
// none closer than two steps before it.
std::vector<std::size_t> labelledBars(std::size_t count, std::size_t most, bool keepLast = false);
// The draws, of 0 to draws - 1 spread over `length`, that get a label `labelWidth`
// wide centred on them: evenly apart, two labels never closer than `gap`, and
// no label out past either end of the axis (but one in the middle where none fits).
std::vector<std::size_t> drawTickPlaces(std::size_t draws, double length, double labelWidth,
                                        double gap = 16.0);

} // namespace pick3
