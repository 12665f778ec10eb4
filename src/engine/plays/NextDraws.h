#pragma once
// The draws a ticket can be bought for, by the game's schedule: the next one after a
// moment on the game's clock, and the consecutive draws of a multi-draw ticket.
//
//   nextDraws(newYork, {2026-12-08, 15:00}, 3)     2026-12-08 Evening, 2026-12-09 Midday, ...
//   drawsFrom(texas, {2026-12-05, "Night"}, 2)      2026-12-05 Night, 2026-12-07 Morning (no
//   Sunday)

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"
#include "engine/games/Schedule.h"
#include "engine/plays/Ticket.h"

#include <vector>

namespace pick3 {

// The most consecutive draws one ticket is kept for.
inline constexpr int kMostConsecutiveDraws = 100;

// The `count` draws after `now`, in order. A draw time of `now`'s own day whose clock time
// is not known is not counted: it may have been drawn already. Refused where the schedule
// is not known, or no draw is held within a year.
Result<std::vector<HeldDraw>> nextDraws(const GameDefinition& game, const LocalMoment& now,
                                        int count);

// `count` draws from `first` on, in order; refused where `first` is not a draw of the game.
Result<std::vector<HeldDraw>> drawsFrom(const GameDefinition& game, const HeldDraw& first,
                                        int count);

} // namespace pick3
