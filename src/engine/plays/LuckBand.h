#pragma once
// The band of luck along the player's draws: after every draw, in order, the 5th and 95th
// percentile of the money won so far, less what the prizes return on average so far, from
// the same exact distributions as the chances. A point is the smallest total whose chance
// of being reached or passed from below is at least 5% (95%).
//
// Exactly by convolution for the draws that kExactLatticeSteps of work reach, kept no higher
// than a total that the last draw's 95th percentile cannot pass (the mean plus sqrt(19)
// spreads: by Cantelli's inequality at most 5% lie beyond it), all above it held in one cell.
// Past them, by the saddlepoint: the cumulants of the draws so far are kept at a fixed ladder
// of tilts (16 a decade), and each percentile is read between the two tilts whose tails
// straddle it. The first draws, where the total is too lumpy for a saddlepoint, are always
// the exact ones.

#include "engine/plays/LuckSaddlepoint.h"

#include <vector>

namespace pick3 {

struct LuckBandPoint {
    int drawIndex = 0;                      // the draw's place, from 0
    double wonLessAverageCents = 0.0;       // won so far, less what the prizes return on average
    double lowCents = 0.0, highCents = 0.0; // the 5th and 95th percentile, less the same
};

struct LuckBand {
    std::vector<LuckBandPoint> points; // one a draw
    int exactDraws = 0;                // the first so many exact, the rest by the saddlepoint
};

// The band of draws on the lattice of `unitCents`, each with what it won.
LuckBand luckBand(const std::vector<LatticeDraw>& draws, long long unitCents,
                  const std::vector<long long>& wonCents, long long maxSteps = kExactLatticeSteps);

} // namespace pick3
