// The exact luck of the money: against brute force over every outcome of a few draws,
// and against figures worked by hand.

#include "engine/plays/MoneyLuck.h"
#include "engine/plays/PayRule.h"
#include "engine/stats/Chance.h"

#include "PlaysSupport.h"

#include <cmath>
#include <map>

namespace pick3 {
namespace {

using test::shippedGame;
using test::ticketOf;

std::vector<int> paysOf(const GameDefinition& game, std::string_view line) {
    return payByOutcome(*payRuleOf(game, ticketOf(game, line)));
}

TEST(MoneyLuck, AThousandStraightsOnOneDrawWinExactlyOnce) {
    const auto& ny = shippedGame("new-york-numbers");
    DrawTickets draw;
    for (int number = 0; number < 1000; ++number) {
        const auto digits = digitsOfIndex(number);
        draw.pays.push_back(paysOf(ny, std::to_string(digits[0]) + std::to_string(digits[1]) +
                                           std::to_string(digits[2]) + " straight $1 Evening"));
    }
    const DrawOdds odds = drawOdds(draw);
    EXPECT_DOUBLE_EQ(odds.pWins[1], 1.0);
    ASSERT_EQ(odds.money.size(), 1U);
    EXPECT_EQ(odds.money[0].first, 50000);
}

TEST(MoneyLuck, HundredStraightsWinNothingNinetyPercentOfTheTime) {
    const auto& ny = shippedGame("new-york-numbers");
    std::vector<DrawTickets> draws(100);
    for (auto& draw : draws) {
        draw.pays.push_back(paysOf(ny, "123 straight $1 Evening"));
    }
    const MoneyLuck luck = moneyLuckOf(draws);
    EXPECT_NEAR(std::exp(luck.logAtMostMoney), std::pow(0.999, 100), 1e-15);
    EXPECT_EQ(percentText(std::exp(luck.logAtMostMoney)), "90%");
    EXPECT_NEAR(std::exp(luck.logAtMostMoney), 0.905, 0.0005);
    EXPECT_DOUBLE_EQ(luck.expectedWonCents, 5000.0);
    EXPECT_EQ(luck.unitCents, 50000);
}

// Every outcome of every draw, all combined by brute force: the chance of at least and
// at most the money won, and of the winning tickets.
TEST(MoneyLuck, ExactAgainstBruteForce) {
    const auto& ny = shippedGame("new-york-numbers");
    const auto& mo = shippedGame("missouri-pick-3");
    const auto& fl = shippedGame("florida-pick-3");
    std::vector<DrawTickets> draws(3);
    draws[0].pays = {paysOf(ny, "123 straight/box $0.50 Evening"),
                     paysOf(ny, "12X front pair $1 Evening"), paysOf(ny, "112 box $1 Evening")};
    draws[1].pays = {paysOf(mo, "123 straight $1 wild ball 8:59 pm"),
                     paysOf(mo, "455 combo $1 8:59 pm")};
    draws[2].pays = {paysOf(fl, "909 1-off $1 Evening")};
    std::vector<std::map<std::pair<long long, int>, double>> perDraw;
    for (const auto& draw : draws) {
        std::map<std::pair<long long, int>, double> outcomes;
        const std::size_t n = draw.pays[0].size() == 10000 ? 10000 : 1000;
        for (std::size_t at = 0; at < n; ++at) {
            long long won = 0;
            int winners = 0;
            for (const auto& pay : draw.pays) {
                const int cents = pay[pay.size() == n ? at : at * pay.size() / n];
                won += cents;
                winners += cents > 0 ? 1 : 0;
            }
            outcomes[{won, winners}] += 1.0 / static_cast<double>(n);
        }
        perDraw.push_back(outcomes);
    }
    std::map<std::pair<long long, int>, double> all{{{0, 0}, 1.0}};
    for (const auto& outcomes : perDraw) {
        std::map<std::pair<long long, int>, double> next;
        for (const auto& [sofar, p] : all) {
            for (const auto& [here, q] : outcomes) {
                next[{sofar.first + here.first, sofar.second + here.second}] += p * q;
            }
        }
        all = next;
    }
    for (const auto& [won, winners] :
         std::vector<std::pair<long long, int>>{{0, 0}, {4500, 1}, {62900, 2}}) {
        draws[0].wonCents = won;
        draws[0].winningTickets = winners;
        const MoneyLuck luck = moneyLuckOf(draws);
        double atLeast = 0.0, atMost = 0.0, winsAtLeast = 0.0;
        for (const auto& [key, p] : all) {
            atLeast += key.first >= won ? p : 0.0;
            atMost += key.first <= won ? p : 0.0;
            winsAtLeast += key.second >= winners ? p : 0.0;
        }
        EXPECT_NEAR(std::exp(luck.logAtLeastMoney), atLeast, 1e-12) << won;
        EXPECT_NEAR(std::exp(luck.logAtMostMoney), atMost, 1e-12) << won;
        EXPECT_NEAR(std::exp(luck.logAtLeastWins), winsAtLeast, 1e-12) << won;
    }
}

TEST(MoneyLuck, TicketsEnteredAfterTheDrawLeftOut) {
    const auto& ny = shippedGame("new-york-numbers");
    std::vector<Ticket> tickets{ticketOf(ny, "123 straight $1 Evening"),
                                ticketOf(ny, "123 straight $1 Evening")};
    tickets[1].entered = LocalMoment{test::day("2026-12-09"), {0}};
    const std::vector<GameDraws> games{
        {&ny, {{test::day("2026-12-08"), "Evening", {1, 2, 3}, std::nullopt}}}};
    int leftOut = 0;
    const auto draws = drawTicketsOf(checkTickets(tickets, games), games, leftOut);
    EXPECT_EQ(leftOut, 1);
    ASSERT_EQ(draws.size(), 1U);
    const MoneyLuck luck = moneyLuckOf(draws);
    EXPECT_EQ(luck.wonCents, 50000);
    EXPECT_NEAR(std::exp(luck.logAtLeastMoney), 0.001, 1e-15);
    EXPECT_EQ(luck.wordsText,
              "Won $500 on 1 ticket over 1 draw; by luck alone the prizes return $0.50 "
              "on average. Luck alone wins this much or more 1 time in 1,000: that many "
              "players with the same tickets would do as well.");
}

} // namespace
} // namespace pick3
