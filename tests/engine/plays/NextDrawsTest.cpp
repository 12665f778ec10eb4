// The draws a ticket is bought for, by the shipped schedules: the next draw after a moment
// (a draw already past that day is not offered), and consecutive draws across a day without
// draws and across a change of schedule.

#include "engine/plays/NextDraws.h"

#include "PlaysSupport.h"

#include <gtest/gtest.h>

namespace pick3 {
namespace {

using test::day;
using test::shippedGame;

std::string drawsText(const Result<std::vector<HeldDraw>>& draws) {
    if (!draws.ok()) {
        return draws.refusal();
    }
    std::string text;
    for (const HeldDraw& draw : *draws) {
        text += (text.empty() ? "" : ", ") + draw.date.text() + " " + draw.drawTime;
    }
    return text;
}

TEST(NextDraws, AfterAMomentAndFromADraw) {
    const GameDefinition& newYork = shippedGame("new-york-numbers");
    const GameDefinition& texas = shippedGame("texas-pick-3");
    struct Case {
        const char* name;
        Result<std::vector<HeldDraw>> draws;
        const char* expected;
    };
    const Case cases[] = {
        {"before Midday", nextDraws(newYork, {day("2026-12-08"), *parseClockTime("9:00")}, 2),
         "2026-12-08 Midday, 2026-12-08 Evening"},
        {"at Midday's time: Midday is past",
         nextDraws(newYork, {day("2026-12-08"), *parseClockTime("14:30")}, 1),
         "2026-12-08 Evening"},
        {"after Evening: the next day",
         nextDraws(newYork, {day("2026-12-31"), *parseClockTime("23:00")}, 2),
         "2027-01-01 Midday, 2027-01-01 Evening"},
        {"none asked", nextDraws(newYork, {day("2026-12-08"), *parseClockTime("9:00")}, 0), ""},
        {"Texas holds no Sunday draws", drawsFrom(texas, {day("2026-12-05"), "Night"}, 2),
         "2026-12-05 Night, 2026-12-07 Morning"},
        {"Texas across its new schedule of 2013-09-09",
         drawsFrom(texas, {day("2013-09-07"), "Night"}, 3),
         "2013-09-07 Night, 2013-09-09 Morning, 2013-09-09 Day"},
        {"from Midday: Midday and Evening of that day first",
         drawsFrom(newYork, {day("2026-12-08"), "Midday"}, 3),
         "2026-12-08 Midday, 2026-12-08 Evening, 2026-12-09 Midday"},
        {"a draw time the game does not hold", drawsFrom(newYork, {day("2026-12-08"), "Night"}, 1),
         "no Night draw of New York Numbers on 2026-12-08"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawsText(c.draws), c.expected) << c.name;
    }
    EXPECT_EQ(nextDraws(newYork, {day("2026-12-08"), {}}, 1000)->size(),
              static_cast<std::size_t>(kMostConsecutiveDraws));
}

} // namespace
} // namespace pick3
