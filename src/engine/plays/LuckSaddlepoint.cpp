// The tails of a lattice total: first the ends, exact; then the exact convolution tilted
// to k while it stays within its size; the saddlepoint beyond. Each draw's cumulants are
// worked from its greatest value when s > 0 and from its least when s < 0, so that
// e^(s x) never overflows however far the tilt goes.

#include "engine/plays/LuckSaddlepoint.h"

#include "engine/plays/LuckInversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

namespace pick3 {
namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
// Tilted chances below this are dropped at the edges: summed over every drop they stay
// far below a digit of a tail whose tilted chance is about 1 / its spread.
constexpr double kNothing = 1e-30;

// The least and greatest totals, the mean, and the log chance of each end.
struct Span {
    long long low = 0, high = 0;
    double mean = 0.0, logLow = 0.0, logHigh = 0.0;
};

Span spanOf(const std::vector<LatticeDraw>& draws) {
    Span span;
    for (const LatticeDraw& draw : draws) {
        span.low += draw.front().first;
        span.high += draw.back().first;
        span.logLow += std::log(draw.front().second);
        span.logHigh += std::log(draw.back().second);
        for (const auto& [x, p] : draw) {
            span.mean += static_cast<double>(x) * p;
        }
    }
    return span;
}

// The tails at or beyond an end, or at a total that is certain; nothing inside.
std::optional<LatticeTails> endTails(const Span& span, long long k) {
    if (k > span.high) {
        return LatticeTails{kMinusInfinity, 0.0, false};
    }
    if (k < span.low) {
        return LatticeTails{0.0, kMinusInfinity, false};
    }
    if (span.low == span.high) {
        return LatticeTails{0.0, 0.0, false};
    }
    if (k == span.high) {
        return LatticeTails{span.logHigh, 0.0, false};
    }
    if (k == span.low) {
        return LatticeTails{0.0, span.logLow, false};
    }
    return std::nullopt;
}

Cumulants totalAt(const std::vector<LatticeDraw>& draws, double s) {
    Cumulants total;
    for (const LatticeDraw& draw : draws) {
        total += cumulantsOf(draw, s);
    }
    return total;
}

// The tilt whose mean is x, strictly between the least and the greatest total: Newton's
// steps, kept inside a bracket that halves where a step would leave it.
double tiltFor(const std::vector<LatticeDraw>& draws, double x) {
    double low = -1.0;
    double high = 1.0;
    while (totalAt(draws, high).k1 < x && high < 1e6) {
        low = high;
        high *= 2.0;
    }
    while (totalAt(draws, low).k1 > x && low > -1e6) {
        high = low;
        low *= 2.0;
    }
    double s = std::clamp(0.0, low, high);
    for (int step = 0; step < 200 && high - low > 1e-15 * std::max(1.0, std::abs(s)); ++step) {
        const Cumulants c = totalAt(draws, s);
        const double gap = c.k1 - x;
        if (std::abs(gap) <= 1e-13 * (1.0 + std::abs(x))) {
            break;
        }
        (gap < 0.0 ? low : high) = s;
        const double newton = s - gap / c.k2;
        s = newton > low && newton < high ? newton : (low + high) / 2.0;
    }
    return s;
}

// What the convolution keeps: tilted chances from the total `low`, and K(s).
struct Kept {
    long long low = 0;
    std::vector<double> chances{1.0};
    double logScale = 0.0;
};

// Drops the edges too small to count, and the totals that can no longer reach k (from
// below where the tail asked for lies above, from above where it lies below).
void trim(Kept& kept, long long restLow, long long restHigh, long long k, bool above) {
    std::vector<double>& p = kept.chances;
    std::size_t from = 0;
    std::size_t to = p.size();
    const auto at = [&](std::size_t i) { return kept.low + static_cast<long long>(i); };
    while (from + 1 < to && (p[from] < kNothing || (above && at(from) + restHigh < k))) {
        ++from;
    }
    while (to - 1 > from && (p[to - 1] < kNothing || (!above && at(to - 1) + restLow > k))) {
        --to;
    }
    p.erase(p.begin() + static_cast<long>(to), p.end());
    p.erase(p.begin(), p.begin() + static_cast<long>(from));
    kept.low = at(from);
}

// The total's distribution tilted by e^(s x), draw by draw; nothing past `maxSteps`.
std::optional<Kept> tiltedTotal(const std::vector<LatticeDraw>& draws, double s, long long k,
                                bool above, long long maxSteps) {
    std::vector<long long> restLow(draws.size() + 1, 0);
    std::vector<long long> restHigh(draws.size() + 1, 0);
    for (std::size_t j = draws.size(); j-- > 0;) {
        restLow[j] = restLow[j + 1] + draws[j].front().first;
        restHigh[j] = restHigh[j + 1] + draws[j].back().first;
    }
    Kept kept;
    long long steps = 0;
    std::vector<double> next;
    for (std::size_t j = 0; j < draws.size(); ++j) {
        const LatticeDraw& draw = draws[j];
        steps += static_cast<long long>(kept.chances.size() * draw.size());
        if (steps > maxSteps) {
            return std::nullopt;
        }
        const long long first = draw.front().first;
        const double ref = static_cast<double>(s >= 0.0 ? draw.back().first : first);
        double norm = 0.0;
        for (const auto& [x, p] : draw) {
            norm += p * std::exp(s * (static_cast<double>(x) - ref));
        }
        next.assign(kept.chances.size() + static_cast<std::size_t>(draw.back().first - first), 0.0);
        for (const auto& [x, p] : draw) {
            const double q = p * std::exp(s * (static_cast<double>(x) - ref)) / norm;
            double* out = next.data() + (x - first);
            for (std::size_t a = 0; a < kept.chances.size(); ++a) {
                out[a] += kept.chances[a] * q;
            }
        }
        kept.low += first;
        kept.logScale += s * ref + std::log(norm);
        std::swap(kept.chances, next);
        trim(kept, restLow[j + 1], restHigh[j + 1], k, above);
    }
    return kept;
}

// log P(total >= k) (above) or log P(total <= k), untilted from what was kept.
double logTailOf(const Kept& kept, double s, long long k, bool above) {
    double sum = 0.0;
    for (std::size_t i = 0; i < kept.chances.size(); ++i) {
        const long long m = kept.low + static_cast<long long>(i);
        if (above ? m >= k : m <= k) {
            sum += kept.chances[i] * std::exp(-s * static_cast<double>(m - k));
        }
    }
    return std::min(0.0, kept.logScale - s * static_cast<double>(k) + std::log(sum));
}

// The draws moved to start at 0 and divided by the span of their lattice (the greatest
// common divisor of every step a draw can take), so that the saddlepoint's lattice is
// the total's own.
std::vector<LatticeDraw> reduced(const std::vector<LatticeDraw>& draws, long long& span) {
    span = 0;
    for (const LatticeDraw& draw : draws) {
        for (const auto& [x, p] : draw) {
            span = std::gcd(span, x - draw.front().first);
        }
    }
    span = std::max(span, 1LL);
    std::vector<LatticeDraw> out;
    out.reserve(draws.size());
    for (const LatticeDraw& draw : draws) {
        LatticeDraw moved;
        for (const auto& [x, p] : draw) {
            moved.emplace_back((x - draw.front().first) / span, p);
        }
        out.push_back(std::move(moved));
    }
    return out;
}

// One tail by the saddlepoint on a lattice of span 1: the small side of the half-point
// directly, the large one as what the other side leaves.
double saddlepointSide(const std::vector<LatticeDraw>& draws, long long k, bool atLeast) {
    if (const auto end = endTails(spanOf(draws), k)) {
        return atLeast ? end->logAtLeast : end->logAtMost;
    }
    const double edge = static_cast<double>(k) + (atLeast ? -0.5 : 0.5);
    const double s = tiltFor(draws, edge);
    const double small = saddlepointLogTail(totalAt(draws, s), s);
    const bool sameSide = atLeast ? s >= 0.0 : s < 0.0;
    return sameSide ? small : std::log1p(-std::exp(small));
}

// Both tails at k on a lattice of span 1, inverted at the saddlepoint's tilt; nothing
// where the work would pass `maxSteps` or the inversion cannot read the tail.
std::optional<LatticeTails> invertedAt(const std::vector<LatticeDraw>& draws, long long k,
                                       long long maxSteps) {
    const Span span = spanOf(draws);
    if (const auto end = endTails(span, k)) {
        return end;
    }
    const double s = tiltFor(draws, static_cast<double>(k));
    return invertedLatticeTails(draws, k, s, static_cast<double>(k) >= span.mean, maxSteps);
}

// 1 - Phi(w) over phi(w), the normal's Mills ratio; by its series where phi(w) itself
// would underflow.
double millsRatio(double w) {
    if (w < 26.0) {
        return 0.5 * std::erfc(w / std::numbers::sqrt2) * std::sqrt(2.0 * std::numbers::pi) *
               std::exp(0.5 * w * w);
    }
    const double v = 1.0 / (w * w);
    return (1.0 - v * (1.0 - 3.0 * v * (1.0 - 5.0 * v * (1.0 - 7.0 * v)))) / w;
}

} // namespace

Cumulants& Cumulants::operator+=(const Cumulants& other) {
    k0 += other.k0;
    k1 += other.k1;
    k2 += other.k2;
    k3 += other.k3;
    return *this;
}

Cumulants cumulantsOf(const LatticeDraw& draw, double s) {
    const long long ref = s >= 0.0 ? draw.back().first : draw.front().first;
    const auto weight = [&](long long x, double p) {
        return p * std::exp(s * static_cast<double>(x - ref));
    };
    double m0 = 0.0;
    double m1 = 0.0;
    for (const auto& [x, p] : draw) {
        const double e = weight(x, p);
        m0 += e;
        m1 += e * static_cast<double>(x - ref);
    }
    const double mean = m1 / m0;
    double m2 = 0.0;
    double m3 = 0.0;
    for (const auto& [x, p] : draw) {
        const double d = static_cast<double>(x - ref) - mean;
        const double e = weight(x, p);
        m2 += e * d * d;
        m3 += e * d * d * d;
    }
    return {s * static_cast<double>(ref) + std::log(m0), static_cast<double>(ref) + mean, m2 / m0,
            m3 / m0};
}

double saddlepointLogTail(const Cumulants& total, double s) {
    const double w = std::sqrt(std::max(0.0, 2.0 * (s * total.k1 - total.k0)));
    const double logPhiZero = -0.5 * std::log(2.0 * std::numbers::pi);
    if (w < 1e-3 || !(total.k2 > 0.0)) {
        // At the mean 1/w - 1/u tends to the skewness over 6.
        const double skew = total.k2 > 0.0 ? total.k3 / std::pow(total.k2, 1.5) : 0.0;
        const double upper = 0.5 - skew / 6.0 * std::exp(logPhiZero);
        return std::log(std::clamp(s >= 0.0 ? upper : 1.0 - upper, 1e-300, 1.0));
    }
    const double u = 2.0 * std::sinh(std::abs(s) / 2.0) * std::sqrt(total.k2);
    const double bracket = millsRatio(w) - 1.0 / w + 1.0 / u;
    const double logPhi = logPhiZero - 0.5 * w * w;
    // Where the bracket fails (it never should on a lattice of span 1), the normal's tail.
    return std::min(0.0, logPhi + std::log(bracket > 0.0 ? bracket : millsRatio(w)));
}

std::optional<LatticeTails> exactLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                              long long maxSteps) {
    const Span span = spanOf(draws);
    if (const auto end = endTails(span, k)) {
        return end;
    }
    // The side of the mean k lies on is the small tail: it and its neighbour beyond k
    // directly, the other tail as what that neighbour leaves.
    const bool above = static_cast<double>(k) >= span.mean;
    const double s = tiltFor(draws, static_cast<double>(k));
    const auto kept = tiltedTotal(draws, s, k, above, maxSteps);
    if (!kept) {
        return std::nullopt;
    }
    const double here = logTailOf(*kept, s, k, above);
    const double beyond = logTailOf(*kept, s, above ? k + 1 : k - 1, above);
    const double rest = std::log1p(-std::exp(beyond));
    return above ? LatticeTails{here, rest, false} : LatticeTails{rest, here, false};
}

LatticeTails saddlepointLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                     long long inversionSteps) {
    const Span span = spanOf(draws);
    if (const auto end = endTails(span, k)) {
        return *end;
    }
    long long step = 1;
    const auto onItsLattice = reduced(draws, step);
    const long long above = k - span.low; // inside, so above 0
    const long long up = (above + step - 1) / step;
    const long long down = above / step;
    const auto atUp = invertedAt(onItsLattice, up, inversionSteps);
    const auto atDown = up == down ? atUp : invertedAt(onItsLattice, down, inversionSteps);
    if (atUp && atDown) {
        return {atUp->logAtLeast, atDown->logAtMost, true};
    }
    return {saddlepointSide(onItsLattice, up, true), saddlepointSide(onItsLattice, down, false),
            true};
}

LatticeTails latticeTails(const std::vector<LatticeDraw>& draws, long long k, long long maxSteps) {
    if (const auto exact = exactLatticeTails(draws, k, maxSteps)) {
        return *exact;
    }
    return saddlepointLatticeTails(draws, k);
}

} // namespace pick3
