#pragma once
// A reading seen through a chosen game: each draw time the file writes (a clock
// time "12:29 PM", a digit "1", a letter "M" or a name) named by the game's
// schedule of the draw's date, a draw at a time the schedule does not hold set
// apart as a line not read, and the missing draws counted by the schedule: a day
// without a draw is not missing, and each draw time counts.

#include "engine/games/Schedule.h"
#include "engine/history/DrawImport.h"

#include <string>
#include <vector>

namespace pick3 {

struct GameFindings {
    std::vector<HeldDraw> missing; // the draws the game held and the history lacks
    std::string missingRefusal;    // why they cannot be told, where the schedule is not known
    std::string addOnName;         // "Fireball": the title of the add-on column; empty: none
};

// The reading with its draw times named by `game`; its missing dates are those of
// the missing draws.
ImportResult namedByGame(ImportResult result, const GameDefinition& game, GameFindings& findings);

CivilDate civilDateOf(DayNumber day);

} // namespace pick3
