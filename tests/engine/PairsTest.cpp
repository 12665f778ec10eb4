// The pair dialogs' texts and captions, and their ticks turned into a pair set and back.

#include "engine/Pairs.h"

#include "Support.h"

namespace pick3 {
namespace {

TEST(Pairs, TextsAndCaptions) {
    const auto& straight = straightPairTexts();
    ASSERT_EQ(straight.size(), 100U);
    for (std::size_t n = 0; n < 100; ++n) {
        EXPECT_EQ(straight[n], std::to_string(100 + n).substr(1)); // leading zero kept
    }
    // The boxed pairs are the straight ones whose first digit is not the greater.
    std::vector<std::string> boxed;
    std::copy_if(straight.begin(), straight.end(), std::back_inserter(boxed),
                 [](const std::string& p) { return p[0] <= p[1]; });
    EXPECT_EQ(boxedPairTexts(), boxed);

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
