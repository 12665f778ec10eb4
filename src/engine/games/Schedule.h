#pragma once
// A game's draws by its schedule. A draw is a date and a draw time; only the
// schedule in force on a date tells a missing draw from a day without one (Texas
// holds no Sunday draws, and held two a day before 2013-09-09).
//
//   drawTimesOn(texas, 2013-09-09)            Morning, Day, Evening, Night
//   missingDraws(newYork, history)            the (date, draw time) pairs it lacks
//   drawTimeNamed(georgia, day, "12:29 PM")   "Midday"; also "1", "M", "mid", "12:29"

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// One draw of a history: its date and the name of its draw time ("Evening").
struct HeldDraw {
    CivilDate date;
    std::string drawTime;

    auto operator<=>(const HeldDraw&) const = default;
};

// The draw times held on a date, in the order of the day; none before the game's first
// schedule. A draw time whose start is not known is taken as held. Refused when the
// date's schedule, or the days its draw times are held, are not known.
Result<std::vector<DrawTime>> drawTimesOn(const GameDefinition& game, const CivilDate& date);

// The draws the game held between the first and the last draw of a history that the
// history lacks, in order. A draw time whose start is not known counts from its own
// first held draw. Refused where the schedule is not known, as drawTimesOn().
Result<std::vector<HeldDraw>> missingDraws(const GameDefinition& game,
                                           const std::vector<HeldDraw>& heldDraws);

// The name of the draw time that a history's code means on a date: a clock time
// ("12:29 PM", "19:29"), a digit in the order of the day's draws ("1", "2") or a name
// or its start ("M", "Eve", "Morning"), case aside. A clock time the schedule does not
// hold that day is refused: "not a draw time of Georgia Cash 3 on 2024-05-01: 13:00".
Result<std::string> drawTimeNamed(const GameDefinition& game, const CivilDate& date,
                                  std::string_view code);

// The refusal for something a definition does not know:
// "the Fireball prizes of Florida Pick 3 are not known to this program: check with your lottery".
std::string notKnownText(std::string_view what, const GameDefinition& game);

} // namespace pick3
