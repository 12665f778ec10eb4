// The pair texts of the two pair dialogs, the captions of the pair buttons, and
// the way a dialog's ticks turn into a pair set and back.

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
    struct Row {
        const char* name;
        const std::vector<std::string>& texts;
        PairSet set;
        std::vector<std::size_t> tickedRows;
        PairSet readBack;
    };
    const auto& straight = straightPairTexts();
    const std::vector<Row> rows{
        {"empty set ticks nothing", straight, {}, {}, {}},
        {"out of order comes back sorted", straight, {"90", "07"}, {7, 90}, {"07", "90"}},
        {"a repeated entry ticks once", straight, {"55", "55"}, {55}, {"55"}},
        {"31 is no boxed pair", boxedPairTexts(), {"31", "13", "99"}, {12, 54}, {"13", "99"}},
        {"not a pair text at all", straight, {"", "7", "123", "a1"}, {}, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Ticks ticks = ticksForPairSet(r.texts, r.set);
        ASSERT_EQ(ticks.size(), r.texts.size());
        std::vector<std::size_t> ticked;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            if (ticks[i]) {
                ticked.push_back(i);
            }
        }
        EXPECT_EQ(ticked, r.tickedRows);
        EXPECT_EQ(pairSetFromTicks(r.texts, ticks), r.readBack);
    }
}

} // namespace
} // namespace pick3
