// The back-test's prizes from a state's game, draw by draw: each draw is paid by
// the table of its own date, a triple at the straight prize, and what a game does
// not know is refused in its words.

#include "engine/backtest/GamePrizes.h"

#include "Support.h"
#include "games/ShippedGames.h"

namespace pick3 {
namespace {

using namespace test;

const CivilDate kBefore{2013, 9, 8}, kFrom{2013, 9, 9};

std::string prizesText(const Result<Prizes>& p) {
    if (!p.ok()) {
        return p.refusal();
    }
    return std::to_string(p->stake) + " " + std::to_string(p->straight) + " " +
           std::to_string(p->boxSixWay) + " " + std::to_string(p->boxThreeWay);
}

TEST(GamePrizes, EachGameOnADateForWhatTheSettingsPlay) {
    const struct {
        const char* name;
        const char* game;
        CivilDate date;
        DigitMode mode;
        const char* prizes; // stake, straight, six-way, three-way per 1.00
    } rows[] = {
        {"Texas before four draws a day, boxed: $1 of a $0.50 and $1 table", "texas-pick-3",
         kBefore, DigitMode::AnyPosition, "1.000000 500.000000 80.000000 160.000000"},
        {"Texas from four draws a day, straight", "texas-pick-3", kFrom, DigitMode::Positional,
         "1.000000 500.000000 0.000000 0.000000"},
        {"New York boxed",
         "new-york-numbers",
         {2024, 5, 1},
         DigitMode::AnyPosition,
         "1.000000 500.000000 80.000000 160.000000"},
        {"Missouri pays 600 straight",
         "missouri-pick-3",
         {2024, 5, 1},
         DigitMode::Positional,
         "1.000000 600.000000 0.000000 0.000000"},
        {"Georgia's prizes are not known",
         "georgia-cash-3",
         {2024, 5, 1},
         DigitMode::Positional,
         "the Straight prizes of a $1 play of Georgia Cash 3 are not known to this program: check "
         "with your "
         "lottery"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(prizesText(gamePrizesOn(shippedGame(row.game), row.date, row.mode)), row.prizes)
            << row.name;
    }
    EXPECT_EQ(tripleBoxSoldOn(shippedGame("new-york-numbers"), kFrom), Known::no);
    EXPECT_EQ(tripleBoxSoldOn(shippedGame("texas-pick-3"), kFrom), Known::unknown);
}

// A Texas table that doubled its straight prize on 2013-09-09: each draw is paid by its own day.
TEST(GamePrizes, EachDrawIsPaidByTheTableOfItsOwnDate) {
    GameDefinition texas = shippedGame("texas-pick-3");
    PlayType later = texas.playTypes[0];
    texas.playTypes[0].period.until = {PeriodBound::Kind::date, kBefore, 0};
    later.period.from = {PeriodBound::Kind::date, kFrom, 0};
    later.prizes->back().outcomes->at("straight") = 100000;
    texas.playTypes.push_back(later);
    const Result<std::vector<Prizes>> prizes =
        gamePrizesOfDraws(texas, {kFrom, kBefore, kFrom}, DigitMode::Positional);
    ASSERT_TRUE(prizes.ok()) << prizes.refusal();
    EXPECT_EQ((*prizes)[0].straight, 1000.0);
    EXPECT_EQ((*prizes)[1].straight, 500.0);
    // Positional 1,2,3 / 4,5,6 / 7,8,9: 27 numbers a draw; 147 (hit, the day after), 258
    // (hit, the day before) and 111 (a miss).
    const BackTestReport report =
        *backTest(chosen({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), parseDraws("147 258 111"), {});
    const Money money = moneyOf(report, *prizes);
    EXPECT_EQ(money.played, 81.0);
    EXPECT_EQ(money.won, 1500.0);
    // Each draw's numbers pay back 27 wins in 1,000 at its own prize: (1000 + 500 + 1000) * 27 /
    // 1000 over 81 numbers.
    EXPECT_DOUBLE_EQ(money.gameReturn, 2500.0 * 27 / 1000 / 81);
    // One table for all draws gives what the single-table money gives.
    const std::vector<Prizes> same(3, Prizes{});
    EXPECT_EQ(moneySummary(moneyOf(report, same)), moneySummary(moneyOf(report, Prizes{})));
    EXPECT_THROW(moneyOf(report, std::vector<Prizes>(2)), std::invalid_argument);
    // One day that is not known refuses the whole run.
    EXPECT_FALSE(
        gamePrizesOfDraws(shippedGame("georgia-cash-3"), {kFrom}, DigitMode::Positional).ok());
}

} // namespace
} // namespace pick3
