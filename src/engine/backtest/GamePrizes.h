#pragma once
// The stake and prizes a back-test pays each draw with, from a state's game as it
// stood on the draw's own date: the settings in positional mode play straight;
// in any position each combination is played boxed (six-way or three-way), and a
// triple straight, as most states sell no triple box. Whatever the game does not
// know is refused in its words ("the ... prizes of ... are not known to this
// program: check with your lottery"), and the player types the prizes instead.

#include "engine/backtest/BackTestRun.h"
#include "engine/games/GameDefinition.h"

#include <vector>

namespace pick3 {

// The prizes per 1.00 played of a game on a date, for a stake of $1 where the game
// sells one, else for its first stake whose prizes are known.
Result<Prizes> gamePrizesOn(const GameDefinition& game, const CivilDate& date, DigitMode mode);

// The prizes of each tested draw of a report, by its date (`dates[i]` for `strip[i]`).
// Refused as soon as one draw's prizes are not known.
Result<std::vector<Prizes>> gamePrizesOfDraws(const GameDefinition& game,
                                              const std::vector<CivilDate>& dates, DigitMode mode);

// Whether the game sells a boxed triple on a date (yes, no or not known).
Known tripleBoxSoldOn(const GameDefinition& game, const CivilDate& date);

} // namespace pick3
