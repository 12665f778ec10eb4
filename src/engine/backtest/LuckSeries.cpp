#include "engine/backtest/LuckSeries.h"

#include "engine/stats/Chance.h"

#include <algorithm>
#include <cstdint>

namespace pick3 {

namespace {

// What the numbers played on a draw win on average: each wins in as many of the
// 1,000 draws as it covers.
double averageWonOn(const BackTestReport& report, const DrawVerdict& v, const Prizes& prizes) {
    if (report.mode == DigitMode::Positional) {
        return prizes.stake * v.played * prizes.straight / 1000.0;
    }
    const int triples = v.played - v.sixWay - v.threeWay;
    return prizes.stake *
           (6.0 * v.sixWay * prizes.boxSixWay + 3.0 * v.threeWay * prizes.boxThreeWay +
            triples * prizes.straight) /
           1000.0;
}

std::vector<double> lessThe(const std::vector<double>& values, const std::vector<double>& by) {
    std::vector<double> out(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        out[i] = values[i] - by[i];
    }
    return out;
}

void widenTo(LuckLines& lines, const std::vector<double>& values) {
    for (const double v : values) {
        lines.bottom = std::min(lines.bottom, v);
        lines.top = std::max(lines.top, v);
    }
}

} // namespace

LuckSeries luckSeries(const BackTestReport& report, const Prizes& prizes) {
    std::vector<const DrawVerdict*> oldest;
    oldest.reserve(report.strip.size());
    for (const DrawVerdict& v : report.strip) {
        oldest.push_back(&v);
    }
    if (report.newest == NewestEnd::First) {
        std::reverse(oldest.begin(), oldest.end());
    }
    LuckSeries luck;
    std::vector<double> shares;
    shares.reserve(oldest.size());
    double hits = 0.0, expected = 0.0, net = 0.0, lessAverage = 0.0;
    for (const DrawVerdict* v : oldest) {
        hits += v->hit() ? 1.0 : 0.0;
        expected += v->share();
        const double won = wonOn(report, *v, prizes);
        net += won - stakeOn(*v, prizes);
        lessAverage += won - averageWonOn(report, *v, prizes);
        luck.hits.push_back(hits);
        luck.expected.push_back(expected);
        luck.net.push_back(net);
        luck.wonLessAverage.push_back(lessAverage);
        luck.index.push_back(v->index);
        shares.push_back(v->share());
    }
    luck.band = randomHitBand(shares);
    for (std::size_t i = 0; i < luck.hits.size(); ++i) {
        const auto h = static_cast<std::int64_t>(luck.hits[i]);
        luck.outside += h < luck.band.low[i] || h > luck.band.high[i] ? 1 : 0;
    }
    return luck;
}

LuckLines luckLines(const LuckSeries& luck, LuckView view) {
    LuckLines lines;
    const std::vector<double> low(luck.band.low.begin(), luck.band.low.end());
    const std::vector<double> high(luck.band.high.begin(), luck.band.high.end());
    lines.net = luck.net;
    if (view == LuckView::Cumulative) {
        lines.hits = luck.hits;
        lines.expected = luck.expected;
        lines.low = low;
        lines.high = high;
    } else {
        lines.hits = lessThe(luck.hits, luck.expected);
        lines.expected.assign(luck.expected.size(), 0.0);
        lines.low = lessThe(low, luck.expected);
        lines.high = lessThe(high, luck.expected);
        lines.wonLessAverage = luck.wonLessAverage;
    }
    lines.bottom = 0.0;
    lines.top = view == LuckView::Cumulative ? 1.0 : 0.0;
    for (const auto* line : {&lines.hits, &lines.expected, &lines.low, &lines.high}) {
        widenTo(lines, *line);
    }
    // A twentieth of the height to spare above and below; a band of zero width still has room.
    const double room = std::max(0.5, (lines.top - lines.bottom) / 20.0);
    lines.top += room;
    lines.bottom -= view == LuckView::Cumulative ? 0.0 : room;
    return lines;
}

std::string luckText(const LuckSeries& luck) {
    const std::size_t n = luck.hits.size();
    if (n == 0) {
        return "No draw was tested.";
    }
    const std::size_t inside = n - luck.outside;
    return "The hits stay inside the band of luck at " + grouped(inside) + " of " +
           counted(n, "draw") + " (" +
           percentText(static_cast<double>(inside) / static_cast<double>(n)) +
           "). By luck alone a line lies outside on up to about 1 draw in 10.";
}

} // namespace pick3
