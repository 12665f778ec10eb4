// Reading a filter list's ticks into an exclusion set, and the hot/cold reader.

#include "engine/Selection.h"

#include "Support.h"

namespace pick3 {
namespace {

using namespace test;

// Values or texts in list order; a list refuses only when every row is ticked.
TEST(Selection, TickedItemsInListOrder) {
    using enum ListId;
    const std::vector<std::tuple<ListId, std::vector<int>, std::vector<int>, std::string>> rows{
        {SumDigits, {27, 0, 10, 9}, {0, 9, 10, 27}, ""},
        {Root, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {0, 1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {Width_XX, {5}, {5}, ""},
        {OddEven, {3, 0}, {}, "All even|Mostly odd"},
        {InOut, {0, 2, 3}, {}, "ALL IN|MOSTLY IN|MOSTLY OUT"}, // upper-cased
        {InOutStraight, {1, 7}, {}, "IIO|OOO"},
        {LMHDigits, {11, 0}, {}, "LMH|HHL"},
    };
    for (const auto& [list, ticked, values, texts] : rows) {
        SCOPED_TRACE(listEntry(list).controlName);
        const std::optional<ExclusionSet> set = readExclusionSet(list, tickRows(list, ticked));
        ASSERT_TRUE(set.has_value());
        EXPECT_EQ(set->values(), values);
        EXPECT_EQ(joined(set->texts()), texts);
        EXPECT_FALSE(readExclusionSet(list, tickAll(list)).has_value());
    }
}

TEST(Selection, HotColdReaderNeverRefuses) {
    const HotColdSets all =
        sbPick3HCFilterSettings(tickAll(ListId::HCBox), tickAll(ListId::HCStraight));
    EXPECT_EQ(joined(all.box.texts()), "ALL HOT|ALL COLD|MOSTLY HOT|MOSTLY COLD");
    EXPECT_EQ(all.straight.count(), 8);
    const HotColdSets some = sbPick3HCFilterSettings({}, tickRows(ListId::HCStraight, {0, 5}));
    EXPECT_TRUE(some.box.empty());
    EXPECT_EQ(joined(some.straight.texts()), "HHH|CHC");
    EXPECT_TRUE(some.straight.contains("CHC"));
    EXPECT_FALSE(all.box.contains("Mostly hot")) << "compared case-sensitively";
    EXPECT_THROW(sbPick3HCFilterSettings(Ticks(8, true), {}), std::invalid_argument);
}

} // namespace
} // namespace pick3
