// Reading the ticks of a filter list into an exclusion set, refusing a list in
// which every item is ticked, and the hot/cold reader that never refuses.

#include "engine/Selection.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

Ticks ticked(ListId list, const std::vector<std::size_t>& rows) {
    Ticks ticks(listEntry(list).items.size(), false);
    for (const std::size_t row : rows) {
        ticks.at(row) = true;
    }
    return ticks;
}

Ticks allTicked(ListId list) {
    return Ticks(listEntry(list).items.size(), true);
}

struct RefusalRow {
    ListId list;
    std::size_t items; // how many rows the reader looks at
};

// Every filter list refuses only when all of its rows are ticked; one row
// left free is enough to pass.
TEST(Selection, RefusesOnlyAFullyTickedList) {
    using enum ListId;
    const std::vector<RefusalRow> rows{
        {SumDigits, 28},
        {Root, 10},
        {LDR, 10},
        {Width, 10},
        {WidthLowestMiddle, 10},
        {WidthMiddleHighest, 10},
        {WidthXX_, 10},
        {WidthX_X, 10},
        {Width_XX, 10},
        {OddEven, 4},
        {OddEvenStraight, 8},
        {HighLow, 4},
        {HighLowStraight, 8},
        {InOut, 4},
        {InOutStraight, 8},
        {LMH, 10},
        {LMHStraight, 27},
        {OCS, 10},
        {OCSStraight, 27},
        {LMHDigits, 12},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(listEntry(r.list).controlName);
        ExclusionSet set;
        EXPECT_FALSE(readExclusionSet(r.list, allTicked(r.list), set));
        EXPECT_EQ(set.count(), static_cast<int>(r.items));

        for (std::size_t free = 0; free < r.items; ++free) {
            Ticks ticks = allTicked(r.list);
            ticks[free] = false;
            ASSERT_TRUE(readExclusionSet(r.list, ticks, set)) << "row " << free << " free";
            ASSERT_EQ(set.count(), static_cast<int>(r.items) - 1);
        }
        EXPECT_TRUE(readExclusionSet(r.list, Ticks(r.items, false), set));
        EXPECT_TRUE(set.empty());
        EXPECT_TRUE(readExclusionSet(r.list, Ticks{}, set)) << "unset ticks read as none";
        EXPECT_TRUE(set.empty());
    }
}

struct ReadRow {
    const char* name;
    ListId list;
    std::vector<std::size_t> rows;
    std::vector<int> values;
    std::vector<std::string> texts;
};

TEST(Selection, TickedItemsInListOrder) {
    using enum ListId;
    const std::vector<ReadRow> rows{
        {"sums as numbers", SumDigits, {27, 0, 10, 9}, {0, 9, 10, 27}, {}},
        {"27 of 28 sums",
         SumDigits,
         {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
          14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
         {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
          14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
         {}},
        {"root", Root, {9, 3}, {3, 9}, {}},
        {"shortsum", LDR, {0}, {0}, {}},
        {"pair width", Width_XX, {5}, {5}, {}},
        {"boxed odd/even as written", OddEven, {3, 0}, {}, {"All even", "Mostly odd"}},
        {"boxed high/low as written", HighLow, {2}, {}, {"Mostly high"}},
        {"boxed in/out upper-cased", InOut, {0, 2, 3}, {}, {"ALL IN", "MOSTLY IN", "MOSTLY OUT"}},
        {"straight in/out unchanged", InOutStraight, {1, 7}, {}, {"IIO", "OOO"}},
        {"straight LMH", LMHStraight, {26, 6}, {}, {"LLL", "MHH"}},
        {"boxed OCS", OCS, {5}, {}, {"OCS"}},
        {"digit sort", LMHDigits, {11, 0}, {}, {"LMH", "HHL"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ExclusionSet set;
        set.values = {99};
        set.texts = {"left over"};
        EXPECT_TRUE(readExclusionSet(r.list, ticked(r.list, r.rows), set));
        EXPECT_EQ(set.values, r.values);
        EXPECT_EQ(set.texts, r.texts);
        EXPECT_EQ(set.count(), static_cast<int>(r.rows.size()));
    }
}

TEST(Selection, HotColdReaderNeverRefuses) {
    const HotColdSets all =
        sbPick3HCFilterSettings(allTicked(ListId::HCBox), allTicked(ListId::HCStraight));
    EXPECT_EQ(all.box.texts,
              (std::vector<std::string>{"ALL HOT", "ALL COLD", "MOSTLY HOT", "MOSTLY COLD"}));
    EXPECT_EQ(all.straight.texts,
              (std::vector<std::string>{"HHH", "HHC", "HCH", "CHH", "CCH", "CHC", "HCC", "CCC"}));
    const HotColdSets some =
        sbPick3HCFilterSettings(ticked(ListId::HCBox, {3}), ticked(ListId::HCStraight, {0, 5}));
    EXPECT_EQ(some.box.texts, (std::vector<std::string>{"MOSTLY COLD"}));
    EXPECT_EQ(some.straight.texts, (std::vector<std::string>{"HHH", "CHC"}));
    const HotColdSets none = sbPick3HCFilterSettings({}, {});
    EXPECT_TRUE(none.box.empty());
    EXPECT_TRUE(none.straight.empty());
}

TEST(Selection, ExclusionSetLookups) {
    ExclusionSet numbers;
    numbers.values = {3, 17};
    EXPECT_TRUE(numbers.contains(17));
    EXPECT_FALSE(numbers.contains(4));
    EXPECT_FALSE(numbers.contains("17"));
    ExclusionSet texts;
    texts.texts = {"MOSTLY IN"};
    EXPECT_TRUE(texts.contains("MOSTLY IN"));
    EXPECT_FALSE(texts.contains("Mostly IN")) << "compared case-sensitively";
    EXPECT_FALSE(texts.contains(0));
}

TEST(Selection, RefusesTickVectorsOfTheWrongLength) {
    using enum ListId;
    const std::vector<std::pair<ListId, std::size_t>> rows{
        {SumDigits, 10}, {SumDigits, 29},   {Root, 9}, {Root, 11},
        {InOut, 8},      {LMHStraight, 10}, {OCS, 27}, {LMHDigits, 1},
    };
    for (const auto& [list, size] : rows) {
        SCOPED_TRACE(std::string(listEntry(list).controlName) + " " + std::to_string(size));
        ExclusionSet set;
        EXPECT_THROW(readExclusionSet(list, Ticks(size, true), set), std::invalid_argument);
    }
    EXPECT_THROW(sbPick3HCFilterSettings(Ticks(8, true), {}), std::invalid_argument);
    EXPECT_THROW(sbPick3HCFilterSettings({}, Ticks(4, true)), std::invalid_argument);
    ExclusionSet set;
    EXPECT_THROW(readExclusionSet(static_cast<ListId>(kListCount), {}, set), std::invalid_argument);
}

} // namespace
} // namespace pick3
