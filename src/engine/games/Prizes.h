#pragma once
// The play types, prizes and add-ons of a game on a date: an old draw is judged by
// the rules of its own day (Florida sold no 1-Off before 2010-08-23; New Jersey's
// Fireball began 2017-03-10). Whatever the definition does not know is refused with
// a text that says so and sends the player to the lottery.
//
//   prizeOn(newYork, day, {"straight", 100, "straight"})   50000 (cents)
//   prizeOn(georgia, day, {"straight", 100, "straight"})   refused: not known
//   addOnOn(newJersey, 2017-03-09, "fireball")             refused: none that day

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The plays of a date: those sold, and those the definition cannot say were sold.
struct PlayTypesOn {
    std::vector<PlayType> sold;
    std::vector<PlayType> notKnown;
};
PlayTypesOn playTypesOn(const GameDefinition& game, const CivilDate& date);

// The play of a key ("straight") sold on a date; refused when it was not, or when
// the definition cannot say.
Result<PlayType> playTypeOn(const GameDefinition& game, const CivilDate& date,
                            std::string_view key);

// A prize: the play's key, the stake in cents and the outcome ("six_way"; see PlayTypes.h).
struct PrizeQuery {
    std::string_view playType;
    int stakeCents = 0;
    std::string_view outcome;
};

// The prize in cents that a play of that stake paid on a date for that outcome.
Result<int> prizeOn(const GameDefinition& game, const CivilDate& date, const PrizeQuery& query);

// The add-on of a key ("fireball") in force on a date.
Result<AddOn> addOnOn(const GameDefinition& game, const CivilDate& date, std::string_view key);

// The add-on's own prize, in cents, for a play of that stake and outcome on a date.
Result<int> addOnPrizeOn(const GameDefinition& game, const CivilDate& date,
                         std::string_view addOnKey, const PrizeQuery& query);

// "$0.50", "$1", "$2.50".
std::string dollarsText(int cents);

} // namespace pick3
