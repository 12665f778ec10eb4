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

// A draw at a time the game's schedule does not hold on its date: read, set apart as a
// line not read, and kept in the library only where the player says so.
struct OutsideDraw {
    DayNumber day = 0;
    std::string drawTime; // as the text gives it
    std::uint16_t number = 0;
    std::int8_t addOn = -1;
};

struct GameFindings {
    std::vector<HeldDraw> missing; // the draws the game held and the history lacks
    std::vector<OutsideDraw> outside;
    std::string missingRefusal; // why they cannot be told, where the schedule is not known
    std::string addOnName;      // "Fireball": the title of the add-on column; empty: none
};

// The reading with its draw times named by `game`; its missing dates are those of
// the missing draws.
ImportResult namedByGame(ImportResult result, const GameDefinition& game, GameFindings& findings);

CivilDate civilDateOf(DayNumber day);

// Where a draw time falls in the game's day, for ordering the draws of one date: its
// clock time in minutes by the latest schedule that holds it, else after every clock
// time; a name the game does not know comes first.
int drawTimeOrder(const GameDefinition& game, const std::string& name);

} // namespace pick3
