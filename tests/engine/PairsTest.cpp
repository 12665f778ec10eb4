// The pair texts of the two pair dialogs, the captions of the pair buttons, and
// the way a dialog's ticks turn into a pair set and back.

#include "engine/Pairs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace pick3 {
namespace {

TEST(Pairs, StraightTextsAreEveryPairInAscendingOrder) {
    const auto& texts = straightPairTexts();
    ASSERT_EQ(texts.size(), 100U);
    for (int n = 0; n < 100; ++n) {
        SCOPED_TRACE(n);
        // Item n is the two-digit numeral of n, leading zero included.
        const std::string numeral{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        EXPECT_EQ(texts[static_cast<std::size_t>(n)], numeral);
    }
}

TEST(Pairs, BoxedTextsNeverHaveTheLargerDigitFirst) {
    const auto& texts = boxedPairTexts();
    ASSERT_EQ(texts.size(), 55U);
    EXPECT_EQ(texts[0], "00");
    EXPECT_EQ(texts[9], "09");
    EXPECT_EQ(texts[10], "11"); // 10 is the boxed 01
    EXPECT_EQ(texts[19], "22");
    EXPECT_EQ(texts.back(), "99");
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        ASSERT_EQ(texts[i].size(), 2U);
        EXPECT_LE(texts[i][0], texts[i][1]);
        if (i > 0) {
            EXPECT_LT(texts[i - 1], texts[i]);
        }
    }
}

TEST(Pairs, ButtonCaptionsCountEachSet) {
    struct Row {
        const char* name;
        PairSets pairs;
        const char* straight;
        const char* boxed;
    };
    const std::vector<Row> rows{
        {"empty", {}, "Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0", "Pairs - BOXED : 0"},
        {"each set its own count",
         {{"12", "34"}, {"00"}, {"01", "02", "03"}, {"13"}},
         "Pairs - STRAIGHT ; LP: 2  RP: 1  SP: 3",
         "Pairs - BOXED : 1"},
        {"two-digit counts",
         {straightPairTexts(), {}, straightPairTexts(), boxedPairTexts()},
         "Pairs - STRAIGHT ; LP: 100  RP: 0  SP: 100",
         "Pairs - BOXED : 55"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(straightPairsCaption(r.pairs), r.straight);
        EXPECT_EQ(boxedPairsCaption(r.pairs), r.boxed);
    }
}

TEST(Pairs, TicksShowTheSetAndReadBackInListOrder) {
    struct Row {
        const char* name;
        const std::vector<std::string>& texts;
        PairSet set;
        std::vector<std::size_t> tickedRows;
        PairSet readBack;
    };
    const std::vector<Row> rows{
        {"empty set ticks nothing", straightPairTexts(), {}, {}, {}},
        {"left pairs 12 and 34", straightPairTexts(), {"12", "34"}, {12, 34}, {"12", "34"}},
        {"out of order comes back sorted",
         straightPairTexts(),
         {"90", "07"},
         {7, 90},
         {"07", "90"}},
        {"a repeated entry ticks once", straightPairTexts(), {"55", "55"}, {55}, {"55"}},
        {"boxed 13", boxedPairTexts(), {"13"}, {12}, {"13"}},
        // 31 is no boxed pair: nothing in the list stands for it.
        {"boxed list ignores 31", boxedPairTexts(), {"31", "99"}, {54}, {"99"}},
        {"not a pair text at all", straightPairTexts(), {"", "7", "123", "a1"}, {}, {}},
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
