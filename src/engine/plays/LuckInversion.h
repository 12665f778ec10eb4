#pragma once
// A total's tails read from its exact distribution, tilted by e^(s x) so that its mean
// sits at k and turned back from its characteristic function: the product, frequency by
// frequency, of each draw's own (draws alike raised to their number), inverted by one
// fast Fourier transform on a window about k. The window reaches far enough that what
// lies beyond it, folded back in, is below 10^-21 of the tilted chances (Bernstein's
// bound on the draws' spread and their greatest step); within it the chances are those
// of the exact convolution to the rounding of the transform, so a total that moves in
// lumps (steps of 4 with a rare 29) comes out as exactly as a smooth one.
//
// The work is the window's frequencies times the values of the different draws; nothing
// is answered past `maxSteps`.

#include "engine/plays/LuckSaddlepoint.h"

#include <optional>
#include <vector>

namespace pick3 {

// `draws` each start at 0 on a lattice of span 1; k lies strictly between the least and
// the greatest total; s is the tilt whose mean is k; `above` says whether k lies at or
// above the untilted mean (the small tail is then P(total >= k)).
std::optional<LatticeTails> invertedLatticeTails(const std::vector<LatticeDraw>& draws, long long k,
                                                 double s, bool above, long long maxSteps);

} // namespace pick3
