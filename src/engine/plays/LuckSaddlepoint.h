#pragma once
// The tails of a total of independent draws on a lattice, P(total >= k) and P(total <= k),
// as logarithms, so that a chance of 10^-700 is not none.
//
// Exact while the work stays within kExactLatticeSteps (the draws, times the lattice points
// kept, times the values each draw takes): the draws' distributions are convolved one by
// one, each tilted by e^(s x) so that the total's mean sits at k; there the chances about k
// are ordinary numbers however small the tail, and P(total = m) = P_s(m) e^(K(s) - s m),
// K being the exact cumulant generating function. Points that can no longer reach k, and
// edges too small to add a digit, are dropped as the draws go.
//
// Beyond that size, the saddlepoint: the total tilted at the saddlepoint (its mean at k)
// and turned back from its exact characteristic function on a window about k
// (LuckInversion.h), which keeps the total's lumps; where even that window's work passes
// its size, Lugannani and Rice's saddlepoint in its lattice form (the tail from the
// half-point k - 1/2, the bracket's 1/u with 2 sinh(s/2)) on the same exact K, which
// smooths over them.
//
// At the ends the answer is exact either way: at the greatest possible total, log P is the
// sum of each draw's log P(its greatest value); beyond it, none; below the least, none.

#include <optional>
#include <utility>
#include <vector>

namespace pick3 {

// One draw's distribution: (lattice point, chance) in increasing points, every chance
// above 0, summing to 1.
using LatticeDraw = std::vector<std::pair<long long, double>>;

// The exact convolution's work beyond which the saddlepoint answers: 300 million
// multiply-adds, about a third of a second.
inline constexpr long long kExactLatticeSteps = 300'000'000;

struct LatticeTails {
    double logAtLeast = 0.0; // log P(total >= k)
    double logAtMost = 0.0;  // log P(total <= k)
    bool bySaddlepoint = false;
};

// Exactly; nothing where the work would pass `maxSteps`.
std::optional<LatticeTails> exactLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                              long long maxSteps = kExactLatticeSteps);
// By the saddlepoint (exact at and beyond the ends): inverted within `inversionSteps` of
// work, by Lugannani and Rice beyond.
LatticeTails saddlepointLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                     long long inversionSteps = kExactLatticeSteps);
// Exactly within `maxSteps`, by the saddlepoint beyond.
LatticeTails latticeTails(const std::vector<LatticeDraw>& draws, long long k,
                          long long maxSteps = kExactLatticeSteps);

// The cumulants of a total tilted by e^(s x): K(s), its mean K'(s), variance K''(s) and
// third cumulant K'''(s). Those of a sum of draws add up.
struct Cumulants {
    double k0 = 0.0, k1 = 0.0, k2 = 0.0, k3 = 0.0;
    Cumulants& operator+=(const Cumulants& other);
};
Cumulants cumulantsOf(const LatticeDraw& draw, double s);

// The saddlepoint's tail beyond the half-point K'(s) on the side of s, as a log: for s > 0,
// log P(total >= K'(s) + 1/2); for s < 0, log P(total <= K'(s) - 1/2). At s = 0, its limit.
double saddlepointLogTail(const Cumulants& total, double s);

} // namespace pick3
