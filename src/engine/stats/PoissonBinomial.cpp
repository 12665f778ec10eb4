// The hits among draws that each have a chance of their own. Both ways tilt the
// draws: each draw's chance p becomes p e^s / (1 - p + p e^s), which puts the
// mean of the hits at the k asked about. There the chances of k and of its
// neighbours are ordinary numbers however small the tail is, and
// P(X = m) = P_s(X = m) e^(K(s) - s m), K(s) being the sum of log(1 - p + p e^s).

#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>
#include <utility>

namespace pick3 {

namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

// The draws whose chance is neither 0 nor 1, grouped by chance, and the draws
// that are sure to be hits.
struct Draws {
    std::vector<std::pair<double, std::size_t>> groups; // chance, how many draws
    std::size_t count = 0;
    std::size_t sure = 0;
};

Draws grouped(const std::vector<double>& shares, bool flipped) {
    std::vector<double> sorted;
    sorted.reserve(shares.size());
    Draws draws;
    for (const double share : shares) {
        const double p = flipped ? 1.0 - share : share;
        if (p >= 1.0) {
            ++draws.sure;
        } else if (p > 0.0) {
            sorted.push_back(p);
        }
    }
    std::sort(sorted.begin(), sorted.end());
    for (const double p : sorted) {
        if (draws.groups.empty() || draws.groups.back().first != p) {
            draws.groups.emplace_back(p, 0);
        }
        ++draws.groups.back().second;
    }
    draws.count = sorted.size();
    return draws;
}

double tilted(double p, double s) {
    return p / (p + (1.0 - p) * std::exp(-s));
}

// K(s), K'(s) (the tilted mean) and K''(s) (the tilted variance).
struct Cumulants {
    double k0 = 0.0, k1 = 0.0, k2 = 0.0;
};

Cumulants cumulantsAt(const Draws& draws, double s) {
    Cumulants c;
    for (const auto& [p, n] : draws.groups) {
        const double q = tilted(p, s);
        const double count = static_cast<double>(n);
        c.k0 += count * std::log1p(p * std::expm1(s));
        c.k1 += count * q;
        c.k2 += count * q * (1.0 - q);
    }
    return c;
}

// The tilt that makes the mean `target` (strictly between 0 and the draws).
double tiltFor(const Draws& draws, double target) {
    double low = -800.0;
    double high = 800.0;
    for (int step = 0; step < 100 && high - low > 1e-14; ++step) {
        const double mid = (low + high) / 2.0;
        (cumulantsAt(draws, mid).k1 < target ? low : high) = mid;
    }
    return (low + high) / 2.0;
}

// log P(X >= k), X the hits among draws none of which is sure; k from 1 to
// the draws. Tilted to k when k lies above the mean, else untilted.
double exactUpper(const Draws& draws, std::size_t k) {
    const std::size_t n = draws.count;
    const double target = std::min(static_cast<double>(k), static_cast<double>(n) - 0.5);
    const double s = std::max(0.0, tiltFor(draws, target));
    std::vector<double> q(n + 1, 0.0);
    q[0] = 1.0;
    std::size_t low = 0; // q is 0 outside low..high
    std::size_t high = 0;
    std::size_t done = 0;
    constexpr double kNothing = 1e-290; // what is left out can never add up to a digit
    for (const auto& [p, count] : draws.groups) {
        const double hit = tilted(p, s);
        const double miss = 1.0 - hit;
        for (std::size_t i = 0; i < count; ++i) {
            ++done;
            q[high + 1] = 0.0;
            ++high;
            for (std::size_t m = high; m > low; --m) {
                q[m] = q[m] * miss + q[m - 1] * hit;
            }
            q[low] *= miss;
            // Drop what can no longer reach k, and the edges too small to count.
            const std::size_t reach = k > n - done ? k - (n - done) : 0;
            while (low < high && (low < reach || q[low] < kNothing)) {
                q[low++] = 0.0;
            }
            while (high > low && q[high] < kNothing) {
                q[high--] = 0.0;
            }
        }
    }
    double sum = 0.0;
    for (std::size_t m = std::max(k, low); m <= high; ++m) {
        sum += q[m] * std::exp(-s * static_cast<double>(m - k));
    }
    return std::min(0.0, cumulantsAt(draws, s).k0 - s * static_cast<double>(k) + std::log(sum));
}

// 1 - Phi(w) over phi(w), the normal's Mills ratio; by its series where
// phi(w) itself would underflow.
double millsRatio(double w) {
    if (w < 26.0) {
        return 0.5 * std::erfc(w / std::numbers::sqrt2) * std::sqrt(2.0 * std::numbers::pi) *
               std::exp(0.5 * w * w);
    }
    const double v = 1.0 / (w * w);
    return (1.0 - v * (1.0 - 3.0 * v * (1.0 - 5.0 * v * (1.0 - 7.0 * v)))) / w;
}

// Lugannani and Rice's saddlepoint tail, corrected for whole numbers of hits.
double saddlepointUpper(const Draws& draws, std::size_t k) {
    const double edge = static_cast<double>(k) - 0.5;
    const double s = tiltFor(draws, edge);
    const Cumulants c = cumulantsAt(draws, s);
    const double logPhiZero = -0.5 * std::log(2.0 * std::numbers::pi);
    if (std::abs(s) < 1e-7) { // at the mean: the normal, as the formula's limit
        const double z = (edge - c.k1) / std::sqrt(c.k2);
        return std::log(0.5 * std::erfc(z / std::numbers::sqrt2));
    }
    const double w = std::copysign(std::sqrt(std::max(0.0, 2.0 * (s * edge - c.k0))), s);
    const double u = 2.0 * std::sinh(s / 2.0) * std::sqrt(c.k2);
    if (w > 0.0) {
        const double bracket = millsRatio(w) - 1.0 / w + 1.0 / u;
        return std::min(0.0, logPhiZero - 0.5 * w * w + std::log(bracket));
    }
    const double phi = std::exp(logPhiZero - 0.5 * w * w);
    const double upper = 0.5 * std::erfc(w / std::numbers::sqrt2) - phi * (1.0 / w - 1.0 / u);
    return std::min(0.0, std::log(upper));
}

template <typename Tail>
double upperTail(const std::vector<double>& shares, std::size_t k, bool flipped, Tail tail) {
    const Draws draws = grouped(shares, flipped);
    if (k <= draws.sure) {
        return 0.0;
    }
    const std::size_t left = k - draws.sure;
    if (left > draws.count) {
        return kMinusInfinity;
    }
    return tail(draws, left);
}

// Near an edge, few hits or few misses, the exact recursion needs only the
// states 0 to k, whatever the number of draws: log P(X >= k), the last state
// holding k or more, or log P(X <= k), what passes k dropped. Counts the
// misses instead of the hits where `misses`. Kept scaled, the scale as a log,
// so that 0.993^100000 (10^-305) keeps its digits.
double edgeLogTail(const Draws& draws, std::size_t k, bool atLeast, bool misses) {
    std::vector<double> q(k + 1, 0.0);
    q[0] = 1.0;
    double logScale = 0.0;
    for (const auto& [share, count] : draws.groups) {
        const double p = misses ? 1.0 - share : share;
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t m = k; m > 0; --m) {
                q[m] = (atLeast && m == k ? q[m] : q[m] * (1.0 - p)) + q[m - 1] * p;
            }
            q[0] *= 1.0 - p;
            const double most = *std::max_element(q.begin(), q.end());
            if (most < 1e-150) {
                for (double& v : q) {
                    v /= most;
                }
                logScale += std::log(most);
            }
        }
    }
    const double sum = atLeast ? q[k] : std::accumulate(q.begin(), q.end(), 0.0);
    return std::min(0.0, logScale + std::log(sum));
}

// Up to this many hits, or misses, a tail is worked by edgeLogTail.
constexpr std::size_t kEdge = 32;

double chosenUpper(const Draws& draws, std::size_t k) {
    const std::size_t n = draws.count;
    if (k <= kEdge) {
        return edgeLogTail(draws, k, true, false);
    }
    if (n - k <= kEdge) { // k or more hits: n - k or fewer misses
        return edgeLogTail(draws, n - k, false, true);
    }
    return n <= kExactPoissonBinomial ? exactUpper(draws, k) : saddlepointUpper(draws, k);
}

} // namespace

double poissonBinomialExactLogUpperTail(const std::vector<double>& shares, std::size_t k) {
    return upperTail(shares, k, false, exactUpper);
}

double poissonBinomialSaddlepointLogUpperTail(const std::vector<double>& shares, std::size_t k) {
    return upperTail(shares, k, false, saddlepointUpper);
}

double poissonBinomialLogUpperTail(const std::vector<double>& shares, std::size_t k) {
    return upperTail(shares, k, false, chosenUpper);
}

// At most k hits are at least n - k misses.
double poissonBinomialLogLowerTail(const std::vector<double>& shares, std::size_t k) {
    if (k >= shares.size()) {
        return 0.0;
    }
    return upperTail(shares, shares.size() - k, true, chosenUpper);
}

} // namespace pick3
