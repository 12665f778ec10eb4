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
    std::vector<std::pair<long long, long long>> band; // each draw's 5th and 95th percentile
    for (const auto& outcomes : perDraw) {
        std::map<std::pair<long long, int>, double> next;
        for (const auto& [sofar, p] : all) {
            for (const auto& [here, q] : outcomes) {
                next[{sofar.first + here.first, sofar.second + here.second}] += p * q;
            }
        }
        all = next;
        std::map<long long, double> money;
        for (const auto& [key, p] : all) {
            money[key.first] += p;
        }
        double below = 0.0;
        band.emplace_back(-1, -1);
        for (const auto& [cents, p] : money) {
            below += p;
            band.back().first =
                band.back().first < 0 && below >= 0.05 - 1e-12 ? cents : band.back().first;
            band.back().second =
                band.back().second < 0 && below >= 0.95 - 1e-12 ? cents : band.back().second;
        }
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
        ASSERT_EQ(luck.band.points.size(), band.size());
        double expected = 0.0;
        for (std::size_t i = 0; i < band.size(); ++i) {
            for (const auto& [cents, p] : drawOdds(draws[i]).money) {
                expected += static_cast<double>(cents) * p;
            }
            const LuckBandPoint& point = luck.band.points[i];
            EXPECT_EQ(point.drawIndex, static_cast<int>(i));
            EXPECT_NEAR(point.lowCents + expected, static_cast<double>(band[i].first), 1e-6) << i;
            EXPECT_NEAR(point.highCents + expected, static_cast<double>(band[i].second), 1e-6) << i;
            EXPECT_NEAR(point.wonLessAverageCents + expected, static_cast<double>(won), 1e-6) << i;
        }
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
    const MoneyLuck luck = moneyLuckOf(draws, leftOut);
    EXPECT_EQ(luck.wonCents, 50000);
    EXPECT_NEAR(std::exp(luck.logAtLeastMoney), 0.001, 1e-15);
    EXPECT_EQ(luck.wordsText,
              "Won $500 on 1 ticket over 1 draw; by luck alone the prizes return $0.50 "
              "on average. Luck alone wins this much or more 1 time in 1,000: about 1 in "
              "1,000 players with the same tickets would do as well. 1 winning ticket: luck "
              "alone gives this many or more 1 time in 1,000. 1 ticket entered after the draw "
              "is left out.");
}

// The band runs along the draws as they were drawn: a day's Midday before its Evening,
// whatever order the tickets were typed in and however the draw times spell.
TEST(MoneyLuck, DrawsInTheOrderDrawn) {
    const auto& ny = shippedGame("new-york-numbers");
    const std::vector<Ticket> tickets{ticketOf(ny, "123 straight $1 Evening 12/08/2026"),
                                      ticketOf(ny, "456 box $1 Midday 12/08/2026"),
                                      ticketOf(ny, "789 straight $1 Evening 12/07/2026"),
                                      ticketOf(ny, "123 box $1 Midday 12/08/2026")};
    const std::vector<GameDraws> games{{&ny,
                                        {{test::day("2026-12-07"), "Evening", {7, 8, 9}, {}},
                                         {test::day("2026-12-08"), "Midday", {6, 5, 4}, {}},
                                         {test::day("2026-12-08"), "Evening", {0, 0, 0}, {}}}}};
    int leftOut = 0;
    const auto draws = drawTicketsOf(checkTickets(tickets, games), games, leftOut);
    ASSERT_EQ(draws.size(), 3U);
    std::vector<std::string> order;
    for (const DrawTickets& draw : draws) {
        order.push_back(draw.date.text() + " " + draw.drawTime + " " +
                        std::to_string(draw.pays.size()) + " " + std::to_string(draw.wonCents));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"2026-12-07 Evening 1 50000", "2026-12-08 Midday 2 8000",
                                        "2026-12-08 Evening 1 0"}));
    // Each ticket pays by its own rule, though each rule is worked out once.
    EXPECT_EQ(draws[0].pays[0], paysOf(ny, "789 straight $1 Evening 12/07/2026"));
    EXPECT_EQ(draws[1].pays,
              (std::vector<std::vector<int>>{paysOf(ny, "456 box $1 Midday 12/08/2026"),
                                             paysOf(ny, "123 box $1 Midday 12/08/2026")}));
    EXPECT_EQ(draws[2].pays[0], paysOf(ny, "123 straight $1 Evening 12/08/2026"));
}

// A $0.50 straight/box on 123: the lattice is $5, the number itself pays $145, the other
// five arrangements $20.
TEST(MoneyLuck, HalfDollarStraightBox) {
    const auto& ny = shippedGame("new-york-numbers");
    DrawTickets draw;
    draw.pays.push_back(paysOf(ny, "123 straight/box $0.50 Evening"));
    const DrawOdds odds = drawOdds(draw);
    const std::vector<std::pair<long long, double>> money{
        {0, 0.994}, {2000, 0.005}, {14500, 0.001}};
    ASSERT_EQ(odds.money.size(), money.size());
    for (std::size_t i = 0; i < money.size(); ++i) {
        EXPECT_EQ(odds.money[i].first, money[i].first);
        EXPECT_DOUBLE_EQ(odds.money[i].second, money[i].second);
    }
    EXPECT_EQ(moneyLuckOf({draw}).unitCents, 500);
}

// A 1-off on 909: where 9 and 0 are neighbours each digit has two, 26 numbers pay; where
// they are not, each digit has one and 7 pay.
TEST(MoneyLuck, OneOffNearNineAndZero) {
    const GameDefinition mo = test::madeUpGame(
        "mo-one-off",
        test::madeUpPlay("one_off",
                         R"({"exact": 30000, "off_1": 2900, "off_2": 400, "off_3": 900})",
                         R"(, "nineAndZeroNeighbours": true)"),
        "");
    const auto& fl = shippedGame("florida-pick-3");
    struct Case {
        const char* name;
        const GameDefinition& game;
        std::string line;
        std::vector<std::pair<long long, double>> money;
        long long unit;
    };
    const std::vector<Case> cases{
        {"neighbours",
         mo,
         "909 one_off $1 Evening",
         {{0, 0.973}, {400, 0.012}, {900, 0.008}, {2900, 0.006}, {30000, 0.001}},
         100},
        {"not neighbours",
         fl,
         "909 1-off $1 Evening",
         {{0, 0.992}, {1000, 0.007}, {25000, 0.001}},
         1000},
    };
    for (const Case& c : cases) {
        DrawTickets draw;
        draw.pays.push_back(paysOf(c.game, c.line));
        const DrawOdds odds = drawOdds(draw);
        ASSERT_EQ(odds.money.size(), c.money.size()) << c.name;
        for (std::size_t i = 0; i < c.money.size(); ++i) {
            EXPECT_EQ(odds.money[i].first, c.money[i].first) << c.name;
            EXPECT_DOUBLE_EQ(odds.money[i].second, c.money[i].second) << c.name;
        }
        EXPECT_EQ(moneyLuckOf({draw}).unitCents, c.unit) << c.name;
    }
}

// What the words say: a run far beyond luck keeps its chance (10^-30, not "never"), one
// about as luck gives says so, a poor one says how poor; past its size the wins are
// counted by draws, and the words say that too.
TEST(MoneyLuck, Words) {
    const auto& ny = shippedGame("new-york-numbers");
    const auto straights = [&](int draws, int won) {
        std::vector<DrawTickets> out(static_cast<std::size_t>(draws));
        for (std::size_t i = 0; i < out.size(); ++i) {
            out[i].pays.push_back(paysOf(ny, "123 straight $1 Evening"));
            out[i].wonCents = static_cast<int>(i) < won ? 50000 : 0;
            out[i].winningTickets = static_cast<int>(i) < won ? 1 : 0;
        }
        return out;
    };
    const MoneyLuck allWon = moneyLuckOf(straights(10, 10), 3);
    EXPECT_NEAR(allWon.logAtLeastMoney, 10 * std::log(0.001), 1e-9);
    EXPECT_EQ(allWon.wordsText,
              "Won $5,000 on 10 tickets over 10 draws; by luck alone the prizes return $5 on "
              "average. Luck alone wins this much or more 1 time in 1.0 × 10^30: about 1 in "
              "1.0 × 10^30 players with the same tickets would do as well. 10 winning tickets: "
              "luck alone gives this many or more 1 time in 1.0 × 10^30. 3 tickets entered after "
              "the draw are left out.");
    EXPECT_EQ(moneyLuckOf(straights(1000, 1)).wordsText,
              "Won $500 on 1,000 tickets over 1,000 draws; by luck alone the prizes return $500 "
              "on average. That is about as luck alone gives. 1 winning ticket: about as luck "
              "alone gives.");
    EXPECT_EQ(moneyLuckOf(straights(5000, 0)).wordsText,
              "Won $0 on 5,000 tickets over 5,000 draws; by luck alone the prizes return $2,500 "
              "on average. Luck alone wins this little or less 1 time in 150. 0 winning "
              "tickets: luck alone gives this few or fewer 1 time in 150.");
    const MoneyLuck byDraws = moneyLuckOf(straights(1000, 6), 0, 100);
    const MoneyLuck exact = moneyLuckOf(straights(1000, 6));
    EXPECT_TRUE(byDraws.winsByDraws && byDraws.moneyBySaddlepoint);
    EXPECT_FALSE(exact.winsByDraws || exact.moneyBySaddlepoint);
    // One ticket a draw: the draws with a win are the winning tickets.
    EXPECT_NEAR(byDraws.logAtLeastWins, exact.logAtLeastWins, 1e-9);
    EXPECT_NEAR(byDraws.logAtLeastMoney, exact.logAtLeastMoney, 0.01);
    EXPECT_NE(byDraws.wordsText.find("6 of the 1,000 draws had a win (counted by draws: the "
                                     "tickets are too many to combine one by one): luck alone "
                                     "gives this many or more 1 time in 1,700."),
              std::string::npos)
        << byDraws.wordsText;
    EXPECT_EQ(moneyLuckOf({}, 2).wordsText,
              "No ticket has met its draw yet. 2 tickets entered after the draw are left out.");
}

} // namespace
} // namespace pick3
