// Reading the ticks of a filter list into an exclusion set, refusing a list in
// which every item is ticked, and the hot/cold reader that never refuses.

#include "engine/Selection.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::tickAll;
using test::tickRows;

// Every list with a refusal refuses only when all of its rows are ticked; one
// row left free is enough to pass, and unset ticks read as nothing ticked.
TEST(Selection, RefusesOnlyAFullyTickedList) {
    for (const ListEntry& e : catalogue()) {
        if (e.refusal.empty()) {
            continue;
        }
        SCOPED_TRACE(e.controlName);
        const std::size_t items = e.items.size();
        ExclusionSet set;
        EXPECT_FALSE(readExclusionSet(e.id, tickAll(e.id), set));
        for (std::size_t free = 0; free < items; ++free) {
            Ticks ticks = tickAll(e.id);
            ticks[free] = false;
            ASSERT_TRUE(readExclusionSet(e.id, ticks, set)) << "row " << free << " free";
            ASSERT_EQ(set.count(), static_cast<int>(items) - 1);
        }
        EXPECT_TRUE(readExclusionSet(e.id, Ticks{}, set));
        EXPECT_TRUE(set.empty());
        EXPECT_THROW(readExclusionSet(e.id, Ticks(items + 1, false), set), std::invalid_argument);
    }
}

TEST(Selection, TickedItemsInListOrder) {
    using enum ListId;
    struct Row {
        ListId list;
        std::vector<int> rows;
        std::vector<int> values;
        std::vector<std::string> texts;
    };
    const std::vector<Row> rows{
        {SumDigits, {27, 0, 10, 9}, {0, 9, 10, 27}, {}},
        {Width_XX, {5}, {5}, {}},
        {OddEven, {3, 0}, {}, {"All even", "Mostly odd"}},
        {InOut, {0, 2, 3}, {}, {"ALL IN", "MOSTLY IN", "MOSTLY OUT"}}, // upper-cased
        {InOutStraight, {1, 7}, {}, {"IIO", "OOO"}},
        {LMHDigits, {11, 0}, {}, {"LMH", "HHL"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(listEntry(r.list).controlName);
        ExclusionSet set;
        set.values = {99}; // a read replaces what the set held
        set.texts = {"stale"};
        ASSERT_TRUE(readExclusionSet(r.list, tickRows(r.list, r.rows), set));
        EXPECT_EQ(set.values, r.values);
        EXPECT_EQ(set.texts, r.texts);
    }
}

TEST(Selection, HotColdReaderNeverRefuses) {
    const HotColdSets all =
        sbPick3HCFilterSettings(tickAll(ListId::HCBox), tickAll(ListId::HCStraight));
    EXPECT_EQ(all.box.texts,
              (std::vector<std::string>{"ALL HOT", "ALL COLD", "MOSTLY HOT", "MOSTLY COLD"}));
    EXPECT_EQ(all.straight.count(), 8);
    const HotColdSets some = sbPick3HCFilterSettings({}, tickRows(ListId::HCStraight, {0, 5}));
    EXPECT_TRUE(some.box.empty());
    EXPECT_EQ(some.straight.texts, (std::vector<std::string>{"HHH", "CHC"}));
    EXPECT_TRUE(some.straight.contains("CHC"));
    EXPECT_FALSE(all.box.contains("Mostly hot")) << "compared case-sensitively";
    EXPECT_THROW(sbPick3HCFilterSettings(Ticks(8, true), {}), std::invalid_argument);
}

} // namespace
} // namespace pick3
