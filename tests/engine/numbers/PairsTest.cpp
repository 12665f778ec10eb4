// The pair dialogs' texts and captions, and their ticks turned into a pair set and back.

#include "engine/numbers/Pairs.h"

#include "Support.h"

namespace pick3 {
namespace {

TEST(Pairs, TextsAndCaptions) {
    // 00 to 99 in order; the boxed ones have the smaller digit first: 00 to 09, 11 ... 99.
    const auto& straight = straightPairTexts();
    const auto& boxed = boxedPairTexts();
    EXPECT_EQ(std::to_string(straight.size()) + " " + straight[0] + " " + straight[7] + " " +
                  straight[70] + " " + straight[99],
              "100 00 07 70 99");
    EXPECT_EQ(std::to_string(boxed.size()) + " " + boxed[9] + " " + boxed[10] + " " + boxed[54],
              "55 09 11 99");
    const PairSets some{{"12", "34"}, {"00"}, {"01", "02", "03"}, {"13"}};
    EXPECT_EQ(straightPairsCaption({}), "Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0");
    EXPECT_EQ(straightPairsCaption(some), "Pairs - STRAIGHT ; LP: 2  RP: 1  SP: 3");
    EXPECT_EQ(boxedPairsCaption({}), "Pairs - BOXED : 0");
    EXPECT_EQ(boxedPairsCaption({{}, {}, {}, boxedPairTexts()}), "Pairs - BOXED : 55");
}

TEST(Pairs, TicksShowTheSetAndReadBackInListOrder) {
    const auto& straight = straightPairTexts();
    const std::vector<std::tuple<const std::vector<std::string>*, PairSet, PairSet>> rows{
        {&straight, {}, {}},
        {&straight, {"90", "07"}, {"07", "90"}},               // comes back sorted
        {&straight, {"55", "55"}, {"55"}},                     // a repeated entry ticks once
        {&boxedPairTexts(), {"31", "13", "99"}, {"13", "99"}}, // 31 is no boxed pair
        {&straight, {"", "7", "123", "a1"}, {}},               // not pair texts at all
    };
    for (const auto& [texts, set, readBack] : rows) {
        const Ticks ticks = ticksForPairSet(*texts, set);
        ASSERT_EQ(ticks.size(), texts->size());
        EXPECT_EQ(std::count(ticks.begin(), ticks.end(), true), std::ssize(readBack));
        EXPECT_EQ(pairSetFromTicks(*texts, ticks), readBack);
    }
    EXPECT_TRUE(ticksForPairSet(straight, {"07"})[7]);
}

} // namespace
} // namespace pick3
