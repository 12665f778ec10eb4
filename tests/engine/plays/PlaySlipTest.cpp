// Numbers made into tickets as a play slip makes them: only what the game sells that day
// offered, each number and draw a ticket, a play the game does not sell refused with its
// reason, the total cost in cents.

#include "engine/plays/PlaySlip.h"

#include "PlaysSupport.h"

#include <gtest/gtest.h>

namespace pick3 {
namespace {

using test::day;
using test::digitsOf;
using test::joined;
using test::shippedGame;

std::string keysSold(const GameDefinition& game, const CivilDate& date) {
    std::vector<std::string> keys;
    for (const PlayType* play : playsSoldOn(game, date)) {
        keys.push_back(play->key);
    }
    for (const AddOn* addOn : addOnsOn(game, date)) {
        keys.push_back("+" + addOn->key);
    }
    return joined(keys);
}

TEST(PlaySlip, WhatTheGameSellsOnADate) {
    const GameDefinition& florida = shippedGame("florida-pick-3");
    const GameDefinition& newJersey = shippedGame("new-jersey-pick-3");
    EXPECT_EQ(keysSold(florida, day("2010-08-22")),
              "straight|box|straight_box|combo|front_pair|back_pair");
    EXPECT_EQ(keysSold(florida, day("2026-12-08")),
              "straight|box|straight_box|combo|front_pair|back_pair|one_off|+fireball");
    EXPECT_EQ(keysSold(newJersey, day("2017-03-09")),
              "straight|box|straight_box|combo|front_pair|back_pair");
    EXPECT_EQ(keysSold(newJersey, day("2017-03-10")).substr(0, 9), "straight|");
    EXPECT_NE(keysSold(newJersey, day("2017-03-10")).find("+fireball"), std::string::npos);
}

TEST(PlaySlip, TicketsForEachNumberAndDrawWithTheirCost) {
    const GameDefinition& newYork = shippedGame("new-york-numbers");
    const std::vector<HeldDraw> twoDraws{{day("2026-12-08"), "Evening"},
                                         {day("2026-12-09"), "Midday"}};
    PlaySlip slip{
        {digitsOf("123"), digitsOf("111"), digitsOf("455")}, "box", 50, "", twoDraws, std::nullopt};
    SlipTickets made = slipTickets(newYork, slip);
    ASSERT_EQ(made.tickets.size(), 4U); // 111 refused, once for both draws
    EXPECT_EQ(made.costCents, 200);
    EXPECT_TRUE(made.costKnown);
    EXPECT_EQ(joined(made.refusals), "111: New York Numbers sells no triple Box play");
    EXPECT_EQ(made.tickets[1].digits, digitsOf("455"));
    EXPECT_EQ(made.tickets[2].drawDate, day("2026-12-09"));
    EXPECT_EQ(made.tickets[2].drawTime, "Midday");

    // A front pair leaves the third place open.
    slip.playType = "front_pair";
    slip.stakeCents = 100;
    made = slipTickets(newYork, slip);
    ASSERT_EQ(made.tickets.size(), 6U);
    EXPECT_EQ(ticketNumberText(made.tickets[0].digits), "12X");
    EXPECT_EQ(made.costCents, 600);

    // A combo costs its arrangements: 123 six, 455 three.
    const GameDefinition& florida = shippedGame("florida-pick-3");
    made = slipTickets(florida, {{digitsOf("123"), digitsOf("455")},
                                 "combo",
                                 100,
                                 "",
                                 {{day("2026-12-08"), "Evening"}},
                                 std::nullopt});
    EXPECT_EQ(made.costCents, 900);
    EXPECT_EQ(stakesOf(newYork.playTypes.front()), (std::vector<int>{50, 100}));

    // An add-on costs as the definition says: Texas's Fireball doubles the ticket; Florida's
    // cost is not known, and the total says so.
    made = slipTickets(shippedGame("texas-pick-3"), {{digitsOf("123"), digitsOf("455")},
                                                     "straight",
                                                     100,
                                                     "fireball",
                                                     {{day("2026-12-08"), "Night"}},
                                                     std::nullopt});
    EXPECT_EQ(made.costCents, 400);
    EXPECT_TRUE(made.costKnown);
    made = slipTickets(florida, {{digitsOf("123")},
                                 "straight",
                                 100,
                                 "fireball",
                                 {{day("2026-12-08"), "Evening"}},
                                 std::nullopt});
    EXPECT_EQ(made.tickets.size(), 1U);
    EXPECT_FALSE(made.costKnown);
}

} // namespace
} // namespace pick3
