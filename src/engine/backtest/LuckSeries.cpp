#include "engine/backtest/LuckSeries.h"

#include "engine/stats/Chance.h"

#include <algorithm>
#include <cstdint>

namespace pick3 {

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
    double hits = 0.0, expected = 0.0, net = 0.0;
    for (const DrawVerdict* v : oldest) {
        hits += v->hit() ? 1.0 : 0.0;
        expected += v->share();
        net += wonOn(report, *v, prizes) - stakeOn(*v, prizes);
        luck.hits.push_back(hits);
        luck.expected.push_back(expected);
        luck.net.push_back(net);
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
