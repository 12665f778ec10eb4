#include "engine/backtest/GamePrizes.h"

#include "engine/games/Prizes.h"

#include <algorithm>
#include <string_view>

namespace pick3 {

namespace {

constexpr int kDollar = 100;

// The stakes the play of a key sold on a date, $1 first.
Result<std::vector<int>> stakesOf(const GameDefinition& game, const CivilDate& date,
                                  std::string_view key) {
    const Result<PlayType> play = playTypeOn(game, date, key);
    if (!play.ok()) {
        return Result<std::vector<int>>::refused(play.refusal());
    }
    std::vector<int> stakes;
    if (play->prizes) {
        for (const StakePrizes& stake : *play->prizes) {
            stakes.push_back(stake.stakeCents);
        }
    }
    if (stakes.empty()) {
        stakes.push_back(kDollar); // asked all the same, for the refusal in the game's words
    }
    std::stable_partition(stakes.begin(), stakes.end(), [](int s) { return s == kDollar; });
    return stakes;
}

// A prize per 1.00 played: its cents over the stake's.
double perDollar(int prizeCents, int stakeCents) {
    return static_cast<double>(prizeCents) / static_cast<double>(stakeCents);
}

} // namespace

Result<Prizes> gamePrizesOn(const GameDefinition& game, const CivilDate& date, DigitMode mode) {
    const bool boxed = mode == DigitMode::AnyPosition;
    const Result<std::vector<int>> stakes = stakesOf(game, date, boxed ? "box" : "straight");
    if (!stakes.ok()) {
        return Result<Prizes>::refused(stakes.refusal());
    }
    std::string refusal;
    for (const int stake : *stakes) {
        const Result<int> straight = prizeOn(game, date, {"straight", stake, "straight"});
        const Result<int> sixWay =
            boxed ? prizeOn(game, date, {"box", stake, "six_way"}) : Result<int>(0);
        const Result<int> threeWay =
            boxed ? prizeOn(game, date, {"box", stake, "three_way"}) : Result<int>(0);
        for (const Result<int>* prize : {&straight, &sixWay, &threeWay}) {
            if (!prize->ok() && refusal.empty()) {
                refusal = prize->refusal(); // the $1 play's, where it is sold
            }
        }
        if (straight.ok() && sixWay.ok() && threeWay.ok()) {
            Prizes prizes;
            prizes.stake = perDollar(stake, kDollar);
            prizes.straight = perDollar(*straight, stake);
            prizes.boxSixWay = boxed ? perDollar(*sixWay, stake) : 0.0;
            prizes.boxThreeWay = boxed ? perDollar(*threeWay, stake) : 0.0;
            return prizes;
        }
    }
    return Result<Prizes>::refused(refusal);
}

Result<std::vector<Prizes>> gamePrizesOfDraws(const GameDefinition& game,
                                              const std::vector<CivilDate>& dates, DigitMode mode) {
    std::vector<Prizes> prizes;
    prizes.reserve(dates.size());
    for (const CivilDate& date : dates) {
        Result<Prizes> on = gamePrizesOn(game, date, mode);
        if (!on.ok()) {
            return Result<std::vector<Prizes>>::refused(on.refusal());
        }
        prizes.push_back(*on);
    }
    return prizes;
}

Known tripleBoxSoldOn(const GameDefinition& game, const CivilDate& date) {
    const Result<PlayType> box = playTypeOn(game, date, "box");
    return box.ok() ? box->tripleBoxSold : Known::unknown;
}

} // namespace pick3
