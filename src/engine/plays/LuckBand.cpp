// The band's percentiles, lattice points of the total after each draw; then each less what
// the prizes return on average so far, in cents.

#include "engine/plays/LuckBand.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <numeric>

namespace pick3 {
namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
constexpr double kLowShare = 0.05;
constexpr double kHighShare = 0.95;
// What rounding may take off a chance that is 5% (95%) exactly.
constexpr double kSlack = 1e-12;

struct Percentiles {
    long long low = 0, high = 0;
};

double meanOf(const LatticeDraw& draw) {
    double mean = 0.0;
    for (const auto& [x, p] : draw) {
        mean += static_cast<double>(x) * p;
    }
    return mean;
}

// The smallest points whose chance of the total at or below them reaches 5% and 95%.
Percentiles percentilesOf(const std::vector<double>& dist) {
    Percentiles at{-1, -1};
    double sum = 0.0;
    for (std::size_t m = 0; m < dist.size() && at.high < 0; ++m) {
        sum += dist[m];
        if (at.low < 0 && sum >= kLowShare - kSlack) {
            at.low = static_cast<long long>(m);
        }
        if (sum >= kHighShare - kSlack) {
            at.high = static_cast<long long>(m);
        }
    }
    const auto last = static_cast<long long>(dist.size()) - 1;
    return {at.low < 0 ? last : at.low, at.high < 0 ? last : at.high};
}

// Exactly, the totals from 0 up to `cap`, the last cell holding `cap` and above: no
// percentile of any draw so far can lie there. For as many draws as `maxSteps` of work allow.
std::vector<Percentiles> exactPercentiles(const std::vector<LatticeDraw>& draws,
                                          long long maxSteps) {
    double mean = 0.0;
    double variance = 0.0;
    long long high = 0;
    for (const LatticeDraw& draw : draws) {
        assert(draw.front().first >= 0);
        const double m = meanOf(draw);
        mean += m;
        for (const auto& [x, p] : draw) {
            variance += (static_cast<double>(x) - m) * (static_cast<double>(x) - m) * p;
        }
        high += draw.back().first;
    }
    const auto beyond = static_cast<long long>(std::ceil(mean + std::sqrt(19.0 * variance))) + 1;
    const auto cells = static_cast<std::size_t>(std::min(high, beyond)) + 1;
    long long steps = 0;
    std::size_t size = 1;
    std::size_t fit = 0;
    for (; fit < draws.size(); ++fit) {
        steps += static_cast<long long>(size * draws[fit].size());
        if (steps > maxSteps) {
            break;
        }
        size = std::min(cells, size + static_cast<std::size_t>(draws[fit].back().first));
    }
    std::vector<Percentiles> out;
    std::vector<double> dist{1.0};
    std::vector<double> next;
    for (std::size_t i = 0; i < fit; ++i) {
        const LatticeDraw& draw = draws[i];
        next.assign(std::min(cells, dist.size() + static_cast<std::size_t>(draw.back().first)),
                    0.0);
        const std::size_t cap = cells - 1;
        for (const auto& [x, p] : draw) {
            const auto step = static_cast<std::size_t>(x);
            double over = 0.0;
            for (std::size_t a = 0; a < dist.size(); ++a) {
                if (a + step < cap) {
                    next[a + step] += dist[a] * p;
                } else {
                    over += dist[a] * p;
                }
            }
            if (over > 0.0) {
                next[cap] += over;
            }
        }
        std::swap(dist, next);
        out.push_back(percentilesOf(dist));
    }
    return out;
}

// The tilts at which the saddlepoint band keeps its cumulants: 16 a decade from 10^-9 to
// 10^2, on either side of 0, in increasing order.
std::vector<double> tiltLadder() {
    std::vector<double> ladder;
    constexpr int kPerDecade = 16;
    for (int e = 2 * kPerDecade; e >= -9 * kPerDecade; --e) {
        ladder.push_back(-std::pow(10.0, e / static_cast<double>(kPerDecade)));
    }
    const auto negatives = static_cast<long>(ladder.size());
    for (long i = negatives; i-- > 0;) {
        ladder.push_back(-ladder[static_cast<std::size_t>(i)]);
    }
    return ladder;
}

// The draws so far by the saddlepoint: their cumulants at every tilt of the ladder, their
// least and greatest total and the log chance of each, and the span of their lattice.
struct RunningTotal {
    std::vector<double> ladder = tiltLadder();
    std::vector<Cumulants> at = std::vector<Cumulants>(ladder.size());
    long long low = 0, high = 0, span = 0;
    double logLow = 0.0, logHigh = 0.0;

    void add(const LatticeDraw& draw) {
        for (std::size_t g = 0; g < ladder.size(); ++g) {
            at[g] += cumulantsOf(draw, ladder[g]);
        }
        low += draw.front().first;
        high += draw.back().first;
        logLow += std::log(draw.front().second);
        logHigh += std::log(draw.back().second);
        for (const auto& [x, p] : draw) {
            span = std::gcd(span, x - draw.front().first);
        }
    }

    // log P(total <= x - 1/2) at the ladder's tilt g, x its mean, on the lattice of the
    // total's own span counted from its least total.
    std::pair<double, double> cdfAt(std::size_t g) const {
        const auto d = static_cast<double>(span);
        const double s = ladder[g];
        const Cumulants& c = at[g];
        const Cumulants own{c.k0 - s * static_cast<double>(low),
                            (c.k1 - static_cast<double>(low)) / d, c.k2 / (d * d),
                            c.k3 / (d * d * d)};
        // The lattice saddlepoint speaks of half-points between the least and greatest total.
        if (own.k1 < 0.5) {
            return {own.k1, kMinusInfinity};
        }
        if (own.k1 > static_cast<double>(high - low) / d - 0.5) {
            return {own.k1, 0.0};
        }
        const double small = saddlepointLogTail(own, s * d);
        return {own.k1, s < 0.0 ? small : std::log1p(-std::exp(small))};
    }

    // The smallest total whose chance of being reached from below is at least `share`.
    long long percentile(double share) const {
        const double level = std::log(share);
        if (logLow >= std::log(share - kSlack) || low == high) {
            return low;
        }
        if (std::log1p(-std::exp(logHigh)) < level) {
            return high;
        }
        auto [x, cdf] = cdfAt(0);
        double found = x;
        for (std::size_t g = 1; g < ladder.size() && cdf < level; ++g) {
            const auto [nextX, nextCdf] = cdfAt(g);
            const double t = nextCdf >= level && std::isfinite(cdf) && nextCdf > cdf
                                 ? (level - cdf) / (nextCdf - cdf)
                                 : 1.0;
            found = x + t * (nextX - x);
            x = nextX;
            cdf = nextCdf;
        }
        const auto onLattice = static_cast<long long>(std::ceil(found - 0.5));
        return std::clamp(low + span * onLattice, low, high);
    }
};

// The percentiles of the draws past those `out` holds, by the saddlepoint.
void addSaddlepointPercentiles(const std::vector<LatticeDraw>& draws,
                               std::vector<Percentiles>& out) {
    RunningTotal total;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        total.add(draws[i]);
        if (i >= out.size()) {
            out.push_back({total.percentile(kLowShare), total.percentile(kHighShare)});
        }
    }
}

} // namespace

LuckBand luckBand(const std::vector<LatticeDraw>& draws, long long unitCents,
                  const std::vector<long long>& wonCents, long long maxSteps) {
    LuckBand band;
    auto percentiles = exactPercentiles(draws, maxSteps);
    band.exactDraws = static_cast<int>(percentiles.size());
    if (percentiles.size() < draws.size()) {
        addSaddlepointPercentiles(draws, percentiles);
    }
    const auto unit = static_cast<double>(unitCents);
    double expected = 0.0;
    long long won = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        expected += meanOf(draws[i]) * unit;
        won += wonCents[i];
        const Percentiles& at = percentiles[i];
        band.points.push_back({static_cast<int>(i), static_cast<double>(won) - expected,
                               static_cast<double>(at.low) * unit - expected,
                               static_cast<double>(at.high) * unit - expected});
    }
    return band;
}

} // namespace pick3
