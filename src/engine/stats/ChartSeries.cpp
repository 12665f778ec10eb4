#include "engine/stats/ChartSeries.h"

#include "engine/Digits.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace pick3 {

namespace {

std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string_view isoDateIn(std::string_view label) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 0; i + 10 <= label.size(); ++i) {
        const std::string_view part = label.substr(i, 10);
        bool date = part[4] == '-' && part[7] == '-';
        for (const std::size_t d : {0, 1, 2, 3, 5, 6, 8, 9}) {
            date = date && digit(part[d]);
        }
        if (date) {
            return part;
        }
    }
    return {};
}

DrawList oldestFirst(const DrawList& draws, NewestEnd newest) {
    DrawList out = draws;
    if (newest == NewestEnd::First) {
        std::reverse(out.begin(), out.end());
    }
    return out;
}

DrawList newestOf(const DrawList& oldest, std::size_t last) {
    if (last == 0 || last >= oldest.size()) {
        return oldest;
    }
    return DrawList(oldest.end() - static_cast<std::ptrdiff_t>(last), oldest.end());
}

std::optional<NewestEnd> newestEndOfLabels(std::string_view first, std::string_view last) {
    const std::string_view a = isoDateIn(first);
    const std::string_view b = isoDateIn(last);
    if (a.empty() || b.empty() || a == b) {
        return std::nullopt;
    }
    return a > b ? NewestEnd::First : NewestEnd::Last;
}

// ---- The digit heat map ----------------------------------------------------

DigitHeat digitHeat(const DrawList& draws) {
    DigitHeat heat;
    heat.draws = draws.size();
    for (const int draw : draws) {
        const std::array<int, 3> d = digitsOf(draw);
        for (std::size_t pos = 0; pos < 3; ++pos) {
            ++heat.cells[pos][static_cast<std::size_t>(d[pos])].count;
            ++heat.cells[3][static_cast<std::size_t>(d[pos])].count;
        }
    }
    for (std::size_t row = 0; row < 4; ++row) {
        const std::size_t n = row == 3 ? 3 * draws.size() : draws.size();
        for (HeatCell& cell : heat.cells[row]) {
            cell.expected = static_cast<double>(n) / 10.0;
            cell.logChance =
                n == 0 ? 0.0 : binomialLogTwoSided(n, static_cast<std::size_t>(cell.count), 0.1);
            cell.chance = std::exp(cell.logChance);
            if (cell.logChance < std::log(0.05)) {
                cell.unusual = static_cast<double>(cell.count) > cell.expected ? 1 : -1;
            }
            cell.strength = std::clamp(-cell.logChance / std::log(10.0) / 3.0, 0.0, 1.0);
        }
    }
    return heat;
}

double heatExpectedUnusual(std::size_t draws) {
    return 30.0 * binomialChanceUnusual(draws, 0.1) + 10.0 * binomialChanceUnusual(3 * draws, 0.1);
}

std::string heatLuckText(const DigitHeat& heat) {
    std::size_t unusual = 0;
    for (const auto& row : heat.cells) {
        for (const HeatCell& cell : row) {
            unusual += cell.unusual != 0 ? 1 : 0;
        }
    }
    return luckAloneText(heatExpectedUnusual(heat.draws), 40, "cell", unusual);
}

std::string heatUnusualText(const DigitHeat& heat, std::size_t most) {
    std::vector<std::pair<std::size_t, int>> unusual; // row, digit
    for (std::size_t row = 0; row < 4; ++row) {
        for (int d = 0; d < 10; ++d) {
            if (heat.cells[row][static_cast<std::size_t>(d)].unusual != 0) {
                unusual.emplace_back(row, d);
            }
        }
    }
    const auto chance = [&heat](const std::pair<std::size_t, int>& c) {
        return heat.cells[c.first][static_cast<std::size_t>(c.second)].chance;
    };
    std::stable_sort(unusual.begin(), unusual.end(),
                     [&chance](const auto& a, const auto& b) { return chance(a) < chance(b); });
    std::string text;
    for (std::size_t i = 0; i < unusual.size() && i < most; ++i) {
        const auto [row, d] = unusual[i];
        const HeatCell& cell = heat.cells[row][static_cast<std::size_t>(d)];
        text +=
            (i == 0 ? "Unusual: " : "; ") +
            (row == 3 ? std::string("any position") : "position " + std::to_string(row + 1)) +
            ", digit " + std::to_string(d) + ", " +
            counted(static_cast<std::size_t>(cell.count), "time") + " against " +
            formatted(cell.expected == std::floor(cell.expected) ? "%.0f" : "%.1f", cell.expected) +
            " by the odds";
    }
    if (unusual.size() > most) {
        text += "; and " + std::to_string(unusual.size() - most) + " more";
    }
    return text.empty() ? text : text + ".";
}

std::string heatMark(const HeatCell& cell) {
    return cell.unusual > 0 ? "\u25B2" : cell.unusual < 0 ? "\u25BC" : "";
}

std::string heatRowName(int row) {
    return row == 3 ? "Any position" : "Pos " + std::to_string(row + 1);
}

std::string heatCellText(const DigitHeat& heat, int row, int digit) {
    const HeatCell& cell =
        heat.cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(digit));
    const std::string times = cell.count == 1 ? " time" : " times";
    return heatRowName(row) + ", digit " + std::to_string(digit) + ": " +
           grouped(static_cast<std::size_t>(cell.count)) + times + "; by the odds " +
           formatted("%.1f", cell.expected) +
           "; a count this far off: " + logChanceInWords(cell.logChance);
}

// ---- Sums ------------------------------------------------------------------

std::vector<int> drawSums(const DrawList& draws) {
    std::vector<int> sums;
    sums.reserve(draws.size());
    for (const int draw : draws) {
        const std::array<int, 3> d = digitsOf(draw);
        sums.push_back(d[0] + d[1] + d[2]);
    }
    return sums;
}

std::vector<double> movingAverage(const std::vector<int>& sums, std::size_t span) {
    if (span == 0 || sums.size() < span) {
        return {};
    }
    std::vector<double> out;
    out.reserve(sums.size() - span + 1);
    std::int64_t total = std::accumulate(
        sums.begin(), sums.begin() + static_cast<std::ptrdiff_t>(span), std::int64_t{0});
    out.push_back(static_cast<double>(total) / static_cast<double>(span));
    for (std::size_t i = span; i < sums.size(); ++i) {
        total += sums[i] - sums[i - span];
        out.push_back(static_cast<double>(total) / static_cast<double>(span));
    }
    return out;
}

std::array<int, 28> sumWays() {
    std::array<int, 28> ways{};
    for (int n = 0; n < 1000; ++n) {
        const std::array<int, 3> d = digitsOf(n);
        ++ways[static_cast<std::size_t>(d[0] + d[1] + d[2])];
    }
    return ways;
}

AverageBand fairAverageBand(std::size_t span) {
    if (span == 0) {
        return {};
    }
    const double n = static_cast<double>(span);
    if (span > kExactBandSpan) {
        const double half =
            1.959963984540054 * std::sqrt(24.75 / n); // a draw's sum: variance 24.75
        return {kFairMeanSum - half, kFairMeanSum + half};
    }
    // The chances of each total of the 3 * span fair digits, one digit at a time:
    // each new digit spreads a total over the ten next ones, a sliding sum of ten.
    std::vector<double> total{1.0};
    for (std::size_t digit = 0; digit < 3 * span; ++digit) {
        std::vector<double> next(total.size() + 9, 0.0);
        double window = 0.0;
        for (std::size_t t = 0; t < next.size(); ++t) {
            window += t < total.size() ? total[t] : 0.0;
            window -= t >= 10 ? total[t - 10] : 0.0;
            next[t] = window / 10.0;
        }
        total = std::move(next);
    }
    // The totals are symmetric around 13.5 * span: the band is too.
    double below = 0.0;
    std::size_t low = 0;
    while (below + total[low] <= 0.025 * (1.0 + 1e-12)) {
        below += total[low++];
    }
    const double lowMean = static_cast<double>(low) / n;
    return {lowMean, 27.0 - lowMean};
}

std::array<SumBar, 28> sumHistogram(const DrawList& draws) {
    std::array<SumBar, 28> bars{};
    for (const int sum : drawSums(draws)) {
        ++bars[static_cast<std::size_t>(sum)].count;
    }
    const std::array<int, 28> ways = sumWays();
    for (std::size_t s = 0; s < 28; ++s) {
        bars[s].fair = static_cast<double>(draws.size()) * ways[s] / 1000.0;
    }
    return bars;
}

// ---- Skips -----------------------------------------------------------------

SkipSeries skipSeries(const DrawList& oldest, SkipSubject subject, int digit) {
    SkipSeries series;
    const bool anywhere = subject == SkipSubject::AnyPosition;
    const auto position = static_cast<std::size_t>(subject); // Position1 is 0
    series.odds = anywhere ? 0.271 : 0.1;                    // 1 - 0.9^3 of the numbers hold it
    std::size_t run = 0;
    for (const int draw : oldest) {
        const std::array<int, 3> d = digitsOf(draw);
        const bool hit =
            anywhere ? std::find(d.begin(), d.end(), digit) != d.end() : d[position] == digit;
        if (!hit) {
            ++run;
            continue;
        }
        if (series.hits > 0) {
            series.skips.push_back(run);
        }
        ++series.hits;
        run = 0;
    }
    series.current = run;
    return series;
}

std::vector<SkipBin> skipHistogram(const SkipSeries& series) {
    const double miss = 1.0 - series.odds;
    // The length from which fewer than 1 skip in 100 is as long.
    std::size_t tail = 1;
    while (std::pow(miss, static_cast<double>(tail)) >= 0.01) {
        ++tail;
    }
    std::vector<SkipBin> bins(tail + 1);
    const double m = static_cast<double>(series.skips.size());
    for (std::size_t k = 0; k <= tail; ++k) {
        bins[k].length = k;
        bins[k].orLonger = k == tail;
        const double reach = std::pow(miss, static_cast<double>(k)); // P(skip >= k)
        bins[k].fair = m * (k == tail ? reach : reach * series.odds);
    }
    for (const std::size_t skip : series.skips) {
        ++bins[std::min(skip, tail)].count;
    }
    return bins;
}

// ---- Luck ------------------------------------------------------------------

namespace {

constexpr double kLowLevel = 0.05;
constexpr double kHighLevel = 0.95;
constexpr double kNegligible = 1e-18; // chances this small are dropped from the tails
// A sum that is 0.95 in exact fractions may fall an ulp short of it in doubles.
constexpr double kRounding = 1.0 - 1e-12;

// The exact distribution of a running count of hits: P(hits = base + i) = prob[i],
// and the chance dropped below base.
struct HitDistribution {
    std::vector<double> prob{1.0};
    std::int64_t base = 0;
    double below = 0.0;

    void add(double p) {
        prob.push_back(0.0);
        for (std::size_t k = prob.size() - 1; k > 0; --k) {
            prob[k] = prob[k] * (1.0 - p) + prob[k - 1] * p;
        }
        prob[0] *= 1.0 - p;
        std::size_t front = 0;
        while (front + 1 < prob.size() && prob[front] < kNegligible) {
            below += prob[front++];
        }
        prob.erase(prob.begin(), prob.begin() + static_cast<std::ptrdiff_t>(front));
        base += static_cast<std::int64_t>(front);
        while (prob.size() > 1 && prob.back() < kNegligible) {
            prob.pop_back();
        }
    }
    // The smallest k with P(hits <= k) >= each level.
    std::pair<std::int64_t, std::int64_t> quantiles() const {
        double cumulative = below;
        std::optional<std::int64_t> low;
        for (std::size_t i = 0; i < prob.size(); ++i) {
            cumulative += prob[i];
            const auto k = base + static_cast<std::int64_t>(i);
            if (!low && cumulative >= kLowLevel * kRounding) {
                low = k;
            }
            if (cumulative >= kHighLevel * kRounding) {
                return {*low, k};
            }
        }
        const std::int64_t last = base + static_cast<std::int64_t>(prob.size()) - 1;
        return {low.value_or(last), last};
    }
};

// The cumulants of a sum of independent hits, and its quantiles by the
// Cornish-Fisher expansion, rounded as a whole count is.
struct HitCumulants {
    double mean = 0.0, variance = 0.0, third = 0.0, fourth = 0.0;

    void add(double p) {
        const double v = p * (1.0 - p);
        mean += p;
        variance += v;
        third += v * (1.0 - 2.0 * p);
        fourth += v * (1.0 - 6.0 * v);
    }
    std::int64_t quantile(double z) const {
        if (variance <= 0.0) {
            return std::llround(mean);
        }
        const double sd = std::sqrt(variance);
        const double skew = third / (sd * sd * sd);
        const double kurt = fourth / (variance * variance);
        const double w = z + (z * z - 1.0) * skew / 6.0 + (z * z * z - 3.0 * z) * kurt / 24.0 -
                         (2.0 * z * z * z - 5.0 * z) * skew * skew / 36.0;
        return static_cast<std::int64_t>(std::ceil(mean + sd * w - 0.5));
    }
};

} // namespace

HitBand randomHitBand(const std::vector<double>& shares, std::size_t exactWork) {
    HitBand band;
    band.low.reserve(shares.size());
    band.high.reserve(shares.size());
    HitDistribution exact;
    HitCumulants cumulants;
    std::size_t work = 0;
    for (const double p : shares) {
        cumulants.add(p);
        if (work <= exactWork) {
            exact.add(p);
            work += exact.prob.size();
            const auto [low, high] = exact.quantiles();
            band.low.push_back(low);
            band.high.push_back(high);
            ++band.exactDraws;
            continue;
        }
        constexpr double z95 = 1.6448536269514722; // 95% of a normal distribution lies below
        band.low.push_back(cumulants.quantile(-z95));
        band.high.push_back(cumulants.quantile(z95));
    }
    return band;
}

// ---- Drawing long series ---------------------------------------------------

std::vector<ChartPoint> minMaxPerColumn(const std::vector<double>& y, std::size_t columns) {
    std::vector<ChartPoint> points;
    if (columns == 0 || y.size() <= 2 * columns) {
        points.reserve(y.size());
        for (std::size_t i = 0; i < y.size(); ++i) {
            points.push_back({static_cast<double>(i), y[i]});
        }
        return points;
    }
    points.reserve(2 * columns);
    for (std::size_t c = 0; c < columns; ++c) {
        const std::size_t from = c * y.size() / columns;
        const std::size_t to = (c + 1) * y.size() / columns;
        const auto [lo, hi] = std::minmax_element(y.begin() + static_cast<std::ptrdiff_t>(from),
                                                  y.begin() + static_cast<std::ptrdiff_t>(to));
        const auto first = std::min(lo, hi);
        const auto second = std::max(lo, hi);
        points.push_back({static_cast<double>(first - y.begin()), *first});
        if (second != first) {
            points.push_back({static_cast<double>(second - y.begin()), *second});
        }
    }
    return points;
}

} // namespace pick3

namespace pick3 {

// ---- Axes ------------------------------------------------------------------

std::size_t labelsThatFit(double length, double labelWidth, double gap) {
    const double each = std::max(1.0, labelWidth + gap);
    // n labels take n widths and n - 1 gaps.
    const double fit = std::floor((length + gap) / each);
    return fit < 2.0 ? 2 : static_cast<std::size_t>(std::min(fit, 1000.0));
}

std::string numberText(double value, int decimals) {
    const double scale = decimals >= 2 ? 100.0 : 1.0;
    const long long scaled = std::llround(std::fabs(value) * scale);
    const auto whole = static_cast<std::size_t>(scaled / static_cast<long long>(scale));
    std::string text = (value < 0.0 && scaled != 0 ? "-" : "") + grouped(whole);
    if (decimals >= 2) {
        const long long cents = scaled % 100;
        text += (cents < 10 ? ".0" : ".") + std::to_string(cents);
    }
    return text;
}

namespace {

// 1, 2, 5, 10, 20, 50, ... times a power of ten, the first at least `from`.
double roundStepAtLeast(double from) {
    double power = std::pow(10.0, std::floor(std::log10(from)));
    for (;;) {
        for (const double m : {1.0, 2.0, 5.0}) {
            if (m * power >= from * (1.0 - 1e-9)) {
                return m * power;
            }
        }
        power *= 10.0;
    }
}

} // namespace

AxisTicks valueTicks(double low, double high, std::size_t most, double smallest) {
    most = std::max<std::size_t>(most, 2);
    smallest = smallest > 0.0 ? smallest : 1.0;
    if (!(high > low)) {
        high = low + smallest;
    }
    double step = roundStepAtLeast(std::max(smallest, (high - low) / static_cast<double>(most)));
    // A value a rounding error past a multiple of the step counts as on it.
    const auto below = [&] { return std::floor(low / step + 1e-9); };
    const auto above = [&] { return std::ceil(high / step - 1e-9); };
    while (above() - below() + 1.0 > static_cast<double>(most)) {
        step = roundStepAtLeast(step * 1.5);
    }
    const auto first = static_cast<long long>(below());
    const auto last = static_cast<long long>(above());
    AxisTicks axis;
    axis.low = static_cast<double>(first) * step;
    axis.high = static_cast<double>(last) * step;
    const int decimals = step < 1.0 ? 2 : 0;
    for (long long k = first; k <= last; ++k) {
        const double value = static_cast<double>(k) * step;
        axis.ticks.push_back({value, numberText(value, decimals)});
    }
    return axis;
}

std::vector<std::size_t> labelledBars(std::size_t count, std::size_t most, bool keepLast) {
    most = std::max<std::size_t>(most, keepLast ? 3 : 1);
    if (keepLast) {
        most -= 1; // the last label takes two places
    }
    std::size_t every = 1;
    for (std::size_t power = 1; (count + every - 1) / every > most; power *= 10) {
        for (const std::size_t m : {1, 2, 3, 5}) {
            every = m * power;
            if ((count + every - 1) / every <= most) {
                break;
            }
        }
    }
    std::vector<std::size_t> bars;
    for (std::size_t i = 0; i < count; i += every) {
        bars.push_back(i);
    }
    if (keepLast && count > 0) {
        while (!bars.empty() && bars.back() + 2 * every > count - 1) {
            bars.pop_back();
        }
        bars.push_back(count - 1);
    }
    return bars;
}

std::vector<std::size_t> drawTickPlaces(std::size_t draws, double length, double labelWidth,
                                        double gap) {
    if (draws < 2 || length <= 0.0) {
        return draws == 0 ? std::vector<std::size_t>{} : std::vector<std::size_t>{0};
    }
    const double perDraw = length / static_cast<double>(draws - 1);
    const double half = labelWidth / 2.0;
    // The first and last draw whose label stays on the axis.
    const auto lo = static_cast<std::size_t>(std::ceil(half / perDraw - 1e-9));
    const auto hi =
        static_cast<std::size_t>(std::max(0.0, std::floor((length - half) / perDraw + 1e-9)));
    if (lo > hi || hi >= draws) {
        return {(draws - 1) / 2};
    }
    const auto apart =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil((labelWidth + gap) / perDraw)));
    const std::size_t steps = (hi - lo) / apart; // the ticks less one
    std::vector<std::size_t> places{lo};
    for (std::size_t t = 1; t <= steps; ++t) {
        places.push_back(lo + (t * (hi - lo) + steps / 2) / steps);
    }
    return places;
}

} // namespace pick3
