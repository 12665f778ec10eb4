// Worked examples of checking tickets: the figures of the states' own prize tables, and
// definitions made up in the test where a shipped one does not know a figure.

#include "engine/plays/TicketCheck.h"
#include "engine/plays/PayRule.h"
#include "engine/plays/PlayTotals.h"

#include "PlaysSupport.h"

namespace pick3 {
namespace {

using test::day;
using test::madeUpGame;
using test::madeUpPlay;
using test::shippedGame;
using test::ticketOf;

// South Carolina with Fireball prizes: the figures are made up, the rule that one ticket
// may win the Fireball several times is the state's.
const GameDefinition& southCarolinaMadeUp() {
    static const GameDefinition game = madeUpGame(
        "sc-made-up",
        madeUpPlay("box", R"({"six_way": 8000, "three_way": 16000})",
                   R"(, "tripleBoxSold": false)") +
            "," + madeUpPlay("straight", R"({"straight": 50000})"),
        R"({"key": "fireball", "name": "Fireball", "cost": "doubles the cost", "winsMoreThanOnce": true,
            "prizes": {"box": {"100": {"six_way": 2000, "three_way": 4000}},
                       "straight": {"100": {"straight": 10000}}}, "source": "made up for a test"})");
    return game;
}

// Missouri's 1-Off as the state's page gives it, but in force on every day (the shipped
// definition cannot say when it ended).
const GameDefinition& missouriOneOff() {
    static const GameDefinition game = madeUpGame(
        "mo-one-off",
        madeUpPlay("one_off", R"({"exact": 30000, "off_1": 2900, "off_2": 400, "off_3": 900})",
                   R"(, "nineAndZeroNeighbours": true)"),
        "");
    return game;
}

// A straight that paid 500 up to 2020-12-31 and 600 from 2021-01-01 (made up).
const GameDefinition& changedPrizes() {
    static const GameDefinition game = madeUpGame(
        "changed",
        madeUpPlay("straight", R"({"straight": 50000})", R"(, "until": "2020-12-31")") + "," +
            madeUpPlay("straight", R"({"straight": 60000})", R"(, "from": "2021-01-01")"),
        "");
    return game;
}

struct CheckRow {
    std::string name;
    const GameDefinition* game;
    std::string line;
    std::string drawn;
    std::optional<int> addOnDigit;
    int wonCents;
    std::size_t wins;
};

TEST(TicketCheck, WorkedExamples) {
    const auto* ny = &shippedGame("new-york-numbers");
    const auto* mo = &shippedGame("missouri-pick-3");
    const auto* fl = &shippedGame("florida-pick-3");
    const auto* tx = &shippedGame("texas-pick-3");
    const auto* sc = &southCarolinaMadeUp();
    const auto* mo1 = &missouriOneOff();
    const std::vector<CheckRow> rows{
        {"ny straight", ny, "123 straight $1 Evening", "123", {}, 50000, 1},
        {"ny straight other order", ny, "123 straight $1 Evening", "321", {}, 0, 0},
        {"ny box 6-way", ny, "123 box $1 Evening", "231", {}, 8000, 1},
        {"ny box 3-way", ny, "112 box $1 Evening", "121", {}, 16000, 1},
        {"ny box at 50c", ny, "123 box 0.50 Evening", "312", {}, 4000, 1},
        {"ny straight/box 6-way exact", ny, "123 straight/box $1 Evening", "123", {}, 29000, 1},
        {"ny straight/box 6-way other", ny, "123 straight/box $1 Evening", "321", {}, 4000, 1},
        {"ny straight/box 3-way exact", ny, "112 straight/box $1 Evening", "112", {}, 33000, 1},
        {"ny straight/box 3-way other", ny, "112 straight/box $1 Evening", "211", {}, 8000, 1},
        {"ny straight/box 6-way exact 50c",
         ny,
         "1-2-3 straight/box $0.50 Evening",
         "123",
         {},
         14500,
         1},
        {"ny straight/box 6-way other 50c",
         ny,
         "123 straight/box $0.50 Evening",
         "213",
         {},
         2000,
         1},
        {"ny straight/box 3-way exact 50c",
         ny,
         "112 straight/box $0.50 Evening",
         "112",
         {},
         16500,
         1},
        {"ny straight/box 3-way other 50c",
         ny,
         "112 straight/box $0.50 Evening",
         "121",
         {},
         4000,
         1},
        {"ny front pair", ny, "12X front pair $1 Evening", "125", {}, 5000, 1},
        {"ny front pair, wrong places", ny, "12X front pair $1 Evening", "512", {}, 0, 0},
        {"ny back pair", ny, "X23 back pair $1 Evening", "523", {}, 5000, 1},
        {"ny back pair, wrong places", ny, "X23 back pair $1 Evening", "235", {}, 0, 0},
        {"mo straight 600", mo, "123 straight $1 8:59 pm", "123", {}, 60000, 1},
        {"mo straight/box 6-way", mo, "123 straight/box $1 8:59 pm", "123", {}, 35000, 1},
        {"mo straight/box 6-way other", mo, "123 straight/box $1 8:59 pm", "132", {}, 5000, 1},
        {"mo straight/box 3-way", mo, "112 straight/box $1 8:59 pm", "112", {}, 40000, 1},
        {"mo straight/box 3-way other", mo, "112 straight/box $1 8:59 pm", "211", {}, 10000, 1},
        {"mo combo 6-way", mo, "123 combo $1 8:59 pm", "231", {}, 60000, 1},
        {"mo straight and wild ball", mo, "123 straight $1 wild ball 8:59 pm", "123", 3, 80000, 2},
        {"mo wild ball alone", mo, "123 straight $1 wild ball 8:59 pm", "153", 2, 20000, 1},
        {"tx four draws from 2013-09-09",
         tx,
         "123 straight $1 Morning 09/09/2013",
         "123",
         {},
         50000,
         1},
        {"tx two draws before", tx, "123 straight $0.50 Night 09/07/2013", "123", {}, 25000, 1},
        {"fl one-off exact", fl, "345 1-off $1 Evening", "345", {}, 25000, 1},
        {"fl one-off one digit", fl, "345 1-off $1 Evening", "355", {}, 1000, 1},
        {"fl one-off three digits", fl, "345 1-off $1 Evening", "234", {}, 1000, 1},
        {"fl 9 and 0 are not neighbours", fl, "529 1-off $1 Evening", "520", {}, 0, 0},
        {"mo 9 and 0 are neighbours", mo1, "529 one_off $1 Evening", "520", {}, 2900, 1},
        {"mo one-off two digits", mo1, "529 one_off $1 Evening", "430", {}, 900, 1},
        {"sc fireball three ways", sc, "660 box $1 fireball Evening", "666", 0, 12000, 3},
        {"sc box and fireball", sc, "660 box $1 fireball Evening", "606", 6, 16000 + 4000, 2},
        {"sc fireball straight once", sc, "123 straight $1 fireball Evening", "173", 2, 10000, 1},
    };
    for (const auto& row : rows) {
        const Ticket ticket = ticketOf(*row.game, row.line);
        const auto standing = judgeTicket(*row.game, ticket);
        ASSERT_TRUE(standing.ok()) << row.name << ": " << standing.refusal();
        const DrawnNumber draw{ticket.drawDate, standing->drawTime, test::digitsOf(row.drawn),
                               row.addOnDigit};
        const auto check = checkTicket(*row.game, ticket, draw);
        ASSERT_TRUE(check.ok()) << row.name << ": " << check.refusal();
        EXPECT_EQ(check->wonCents, row.wonCents) << row.name;
        EXPECT_EQ(check->wins.size(), row.wins) << row.name;
        const auto rule = payRuleOf(*row.game, ticket);
        EXPECT_EQ(payOn(*rule, numberIndex(draw.digits), row.addOnDigit.value_or(0)), row.wonCents)
            << row.name;
    }
}

TEST(TicketCheck, SaysWhyEachWinWins) {
    const auto& ny = shippedGame("new-york-numbers");
    const auto& sc = southCarolinaMadeUp();
    const std::vector<std::tuple<const GameDefinition*, std::string, std::string,
                                 std::optional<int>, std::string>>
        rows{
            {&ny, "123 box $1 Evening", "321", {}, "Box: boxed 6-way: 321 is 123 in another order"},
            {&ny,
             "12X front pair $1 Evening",
             "129",
             {},
             "Front Pair: front pair: 12 in the first two places"},
            {&sc, "660 box $1 fireball Evening", "666", 0,
             "Fireball: Fireball 0 makes 066: boxed 3-way: 066 is 660 in another order|"
             "Fireball: Fireball 0 makes 606: boxed 3-way: 606 is 660 in another order|"
             "Fireball: Fireball 0 makes 660: boxed 3-way: 660 in order"},
        };
    for (const auto& [game, line, drawn, addOnDigit, expected] : rows) {
        const Ticket ticket = ticketOf(*game, line);
        const auto check = checkTicket(
            *game, ticket, {ticket.drawDate, "Evening", test::digitsOf(drawn), addOnDigit});
        std::vector<std::string> texts;
        for (const auto& win : check->wins) {
            texts.push_back(win.part + ": " + win.why);
        }
        EXPECT_EQ(test::joined(texts), expected) << line;
    }
}

TEST(TicketCheck, PrizeOfTheDrawsOwnDay) {
    const auto& game = changedPrizes();
    for (const auto& [date, cents] :
         std::vector<std::pair<std::string, int>>{{"2020-12-31", 50000}, {"2021-01-01", 60000}}) {
        Ticket ticket = ticketOf(game, "123 straight $1 Midday " + date);
        const auto check =
            checkTicket(game, ticket, {day(date), "Midday", {1, 2, 3}, std::nullopt});
        EXPECT_EQ(check->wonCents, cents) << date;
    }
}

TEST(TicketCheck, OneOffNumbersCountedAsTheStatesSayThey) {
    const auto& fl = shippedGame("florida-pick-3");
    const auto rule = payRuleOf(fl, ticketOf(fl, "345 1-off $1 Evening"));
    const auto pay = payByOutcome(*rule);
    EXPECT_EQ(std::count(pay.begin(), pay.end(), 1000), 26);
    EXPECT_EQ(std::count(pay.begin(), pay.end(), 25000), 1);
    EXPECT_EQ(pay[234], 1000);
    EXPECT_EQ(pay[456], 1000);
    EXPECT_EQ(pay[235 + 222], 0); // 457
}

TEST(TicketCheck, TaxesAndClaims) {
    const auto& mo = shippedGame("missouri-pick-3");
    const Ticket ticket = ticketOf(mo, "123 straight $1 8:59 pm");
    const auto big = checkTicket(mo, ticket, {ticket.drawDate, "8:59 pm", {1, 2, 3}, std::nullopt});
    EXPECT_TRUE(big->reportedForTaxes);
    EXPECT_EQ(big->claimBy,
              "the claim period of Missouri Pick 3 is not known to this program: check your ticket "
              "with the lottery");
    EXPECT_FALSE(reportedForTaxes(50000, 100)); // $500: under $600
    EXPECT_FALSE(reportedForTaxes(60000, 300)); // $600 at 200 times a $3 ticket
    EXPECT_TRUE(reportedForTaxes(60000, 200));
    const auto& pa = shippedGame("pennsylvania-pick-3");
    EXPECT_EQ(claimDeadline(pa, day("2024-02-29"))->text(), "2025-02-28");
    EXPECT_EQ(claimDeadline(pa, day("2024-03-01"))->text(), "2025-03-01");
}

TEST(TicketCheck, ExpectedReturnFromThePrizeTables) {
    const std::vector<std::tuple<std::string, const GameDefinition*, std::string, double>> rows{
        {"ny $1 straight", &shippedGame("new-york-numbers"), "123 straight $1 Evening", 50.0},
        {"mo $1 straight", &shippedGame("missouri-pick-3"), "123 straight $1 8:59 pm", 60.0},
        {"ny $1 box 6-way", &shippedGame("new-york-numbers"), "123 box $1 Evening", 48.0},
        {"fl 1-off in the middle", &shippedGame("florida-pick-3"), "345 1-off $1 Evening", 51.0},
        {"fl 1-off by 9 and 0", &shippedGame("florida-pick-3"), "901 1-off $1 Evening", 36.0},
        {"mo combo of a double", &shippedGame("missouri-pick-3"), "112 combo $1 8:59 pm", 180.0},
    };
    for (const auto& [name, game, line, cents] : rows) {
        EXPECT_DOUBLE_EQ(expectedReturnCents(*game, ticketOf(*game, line)), cents) << name;
    }
}

} // namespace
} // namespace pick3
