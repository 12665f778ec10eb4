// The hot/cold counter's rules: cutting a pasted history into draws, counting,
// ranking with both tie-breaks, the hit list texts, the hot digits read back
// from those texts, and the numbers made from picked digits.

#include "engine/HotCold.h"

#include "engine/Commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

// The digits of a table, rank 1 first.
std::vector<int> digitsOf(const HitTable& table) {
    std::vector<int> digits;
    for (const HitRow& row : table) {
        digits.push_back(row.digit);
    }
    return digits;
}

std::int64_t hitsOf(const HitTable& byDigit, int digit) {
    return byDigit[static_cast<std::size_t>(digit)].hits;
}

struct ParseRow {
    const char* name;
    std::string text;
    std::vector<std::string> draws;
};

TEST(HotCold, DrawsAreTheDigitsCutIntoTriplesAcrossAnything) {
    const std::vector<ParseRow> rows{
        {"spaces", "123 456", {"123", "456"}},
        {"comma", "123,456", {"123", "456"}},
        {"nothing between", "123456", {"123", "456"}},
        {"dashes and odd spacing", "1-2-3 4 56", {"123", "456"}},
        {"one draw", "123", {"123"}},
        {"trailing digit dropped", "1234", {"123"}},
        {"pairs regrouped", "12 34 56", {"123", "456"}},
        {"letters between digits", "a1b2c3", {"123"}},
        {"commas between digits", "1,2,3", {"123"}},
        {"across a line break", "1234567\n89", {"123", "456", "789"}},
        {"across CR LF", "12\r\n3", {"123"}},
        {"junk only", "abc", {}},
        {"empty", "", {}},
        {"two digits", "12", {}},
        {"non-ASCII digits are not digits", "\xD9\xA1\xD9\xA2\xD9\xA3", {}},
        {"leading zeros kept", "007 070", {"007", "070"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const HitCount count = countDraws(r.text);
        ASSERT_EQ(count.drawCount, static_cast<std::int64_t>(r.draws.size()));
        // Each draw gives one hit per position; compare per position and digit.
        for (std::size_t p = 0; p < 3; ++p) {
            for (int d = 0; d < 10; ++d) {
                const auto expected =
                    std::count_if(r.draws.begin(), r.draws.end(),
                                  [&](const std::string& draw) { return draw[p] - '0' == d; });
                EXPECT_EQ(hitsOf(count.positions[p], d), expected)
                    << "position " << p + 1 << " digit " << d;
            }
        }
    }
}

TEST(HotCold, CountRunsOnlyOnThreeCharactersOrMore) {
    const std::vector<std::pair<std::string, bool>> rows{
        {"", false},
        {"1", false},
        {"12", false},
        {"abc", true},
        {"1\n2", true},
        {"123", true},
        // Characters, not bytes: two accented letters are four bytes.
        {"\xC3\xA9\xC3\xA9", false},
        {"\xC3\xA9\xC3\xA9\xC3\xA9", true},
        {"\xF0\x9F\x98\x80"
         "1",
         false},
    };
    for (const auto& [text, countable] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(isCountable(text), countable);
    }
}

TEST(HotCold, CountingPerPositionAndInAnyPosition) {
    // A repeated digit gets one box hit per position it stands in.
    const HitCount one = countDraws("112");
    EXPECT_EQ(hitsOf(one.positions[0], 1), 1);
    EXPECT_EQ(hitsOf(one.positions[1], 1), 1);
    EXPECT_EQ(hitsOf(one.positions[2], 2), 1);
    EXPECT_EQ(hitsOf(one.box, 1), 2);
    EXPECT_EQ(hitsOf(one.box, 2), 1);

    const HitCount four = countDraws("123, 456, 789, 111");
    EXPECT_EQ(four.drawCount, 4);
    EXPECT_EQ(hitsOf(four.box, 0), 0);
    EXPECT_EQ(hitsOf(four.box, 1), 4);
    for (int d = 2; d <= 9; ++d) {
        EXPECT_EQ(hitsOf(four.box, d), 1) << d;
    }
    for (const HitTable& table : four.positions) {
        std::int64_t sum = 0;
        for (const HitRow& row : table) {
            sum += row.hits;
        }
        EXPECT_EQ(sum, four.drawCount);
    }

    // Counting the same text again starts from zero.
    EXPECT_EQ(countDraws("123, 456, 789, 111").box, four.box);
}

TEST(HotCold, AMegabyteOfOneDrawCountsBeyondSixteenBits) {
    std::string text;
    for (int i = 0; i < 175'000; ++i) {
        text += "999 x\n9-99\n"; // junk between and inside the draws
    }
    const HitCount count = countDraws(text);
    EXPECT_EQ(count.drawCount, 350'000);
    EXPECT_EQ(hitsOf(count.positions[1], 9), 350'000);
    EXPECT_EQ(hitsOf(count.box, 9), 1'050'000);
    const RankedHits ranked = rankHits(count, SortOrder::HitsDescDigitsAsc);
    EXPECT_EQ(hitListItem(ranked.box[0]), "9   (1050000 hits)");
}

// Box hits by digit, the order, and the expected ranking.
struct RankRow {
    const char* name;
    std::array<std::int64_t, 10> hits;
    SortOrder order;
    std::vector<int> ranked;
};

TEST(HotCold, RankingWithBothTieBreaks) {
    using enum SortOrder;
    const std::array<std::int64_t, 10> none{};
    // 3 and 8 share 6 hits at ranks 5 and 6: the tie-break decides which is hot.
    const std::array<std::int64_t, 10> boundary{0, 9, 9, 6, 9, 1, 0, 9, 6, 2};
    const std::array<std::int64_t, 10> fourDraws{0, 4, 1, 1, 1, 1, 1, 1, 1, 1};
    const std::vector<RankRow> rows{
        {"nothing counted, digits ascending",
         none,
         HitsDescDigitsAsc,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"nothing counted, digits descending",
         none,
         HitsDescDigitsDesc,
         {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {"tie at the boundary, ascending",
         boundary,
         HitsDescDigitsAsc,
         {1, 2, 4, 7, 3, 8, 9, 5, 0, 6}},
        {"tie at the boundary, descending",
         boundary,
         HitsDescDigitsDesc,
         {7, 4, 2, 1, 8, 3, 9, 5, 6, 0}},
        {"123 456 789 111, ascending",
         fourDraws,
         HitsDescDigitsAsc,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {"123 456 789 111, descending",
         fourDraws,
         HitsDescDigitsDesc,
         {1, 9, 8, 7, 6, 5, 4, 3, 2, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        HitCount count;
        for (int d = 0; d < 10; ++d) {
            count.box[static_cast<std::size_t>(d)].hits = r.hits[static_cast<std::size_t>(d)];
        }
        const RankedHits ranked = rankHits(count, r.order);
        EXPECT_EQ(digitsOf(ranked.box), r.ranked);
        // Ranking moves whole rows: every digit keeps its own hits.
        for (const HitRow& row : ranked.box) {
            EXPECT_EQ(row.hits, r.hits[static_cast<std::size_t>(row.digit)]);
        }
        // The positions are ranked by the same option (all zero here).
        EXPECT_EQ(digitsOf(ranked.positions[2]), digitsOf(rankHits(HitCount{}, r.order).box));
    }
}

TEST(HotCold, RowQuicksortsGiveTheTotalOrderOnAnyTable) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> hits(0, 3); // many ties
    for (int trial = 0; trial < 500; ++trial) {
        HitTable table = sbResetHitTable();
        std::shuffle(table.begin(), table.end(), random);
        for (HitRow& row : table) {
            row.hits = hits(random);
        }
        const int lo = trial % 4;
        const int hi = 9 - trial % 3;
        for (const bool ascending : {true, false}) {
            HitTable sorted = table;
            HitTable expected = table;
            std::sort(expected.begin() + lo, expected.begin() + hi + 1,
                      [ascending](const HitRow& a, const HitRow& b) {
                          if (a.hits != b.hits) {
                              return a.hits > b.hits;
                          }
                          return ascending ? a.digit < b.digit : a.digit > b.digit;
                      });
            if (ascending) {
                sbQuickSortRowsDescAsc(sorted, lo, hi);
            } else {
                sbQuickSortRowsDesc(sorted, lo, hi);
            }
            ASSERT_EQ(sorted, expected) << "trial " << trial << (ascending ? " asc" : " desc");
        }
    }
}

TEST(HotCold, RowQuicksortRangeChecks) {
    HitTable table = sbResetHitTable();
    EXPECT_THROW(sbQuickSortRowsDesc(table, -1, 9), std::invalid_argument);
    EXPECT_THROW(sbQuickSortRowsDescAsc(table, 0, 10), std::invalid_argument);
    sbQuickSortRowsDesc(table, 5, 4); // an empty range does nothing
    EXPECT_EQ(table, sbResetHitTable());
    sbQuickSortRowsDesc(table, 7, 7);
    EXPECT_EQ(table, sbResetHitTable());
}

TEST(HotCold, HitListItemTexts) {
    const std::vector<std::pair<HitRow, std::string>> rows{
        {{7, 12}, "7   (12 hits)"},
        {{0, 0}, "0   (0 hits)"},
        {{4, 1}, "4   (1 hits)"},
        {{5, 32'768}, "5   (32768 hits)"},
    };
    for (const auto& [row, text] : rows) {
        EXPECT_EQ(hitListItem(row), text);
        EXPECT_EQ(itemDigit(text), row.digit);
    }
    EXPECT_EQ(itemDigit(""), -1);
    EXPECT_EQ(itemDigit(" 7"), -1);
    const std::vector<std::string> items =
        hitListItems(rankHits(countDraws("123, 456, 789, 111"), SortOrder::HitsDescDigitsAsc).box);
    ASSERT_EQ(items.size(), 10U);
    EXPECT_EQ(items[0], "1   (4 hits)");
    EXPECT_EQ(items[1], "2   (1 hits)");
    EXPECT_EQ(items[9], "0   (0 hits)");
}

std::vector<std::string> itemsRanked(const std::vector<int>& digits) {
    std::vector<std::string> items;
    for (const int d : digits) {
        items.push_back(hitListItem({d, 10 - static_cast<std::int64_t>(items.size())}));
    }
    return items;
}

TEST(HotCold, HotDigitsAreTheFirstFiveItemsOfEachList) {
    const HotDigits hot = hotDigitsFromLists({itemsRanked({3, 8, 1, 0, 5, 2, 4, 6, 7, 9}),
                                              itemsRanked({2, 4, 6, 7, 9, 0, 1, 3, 5, 8}),
                                              itemsRanked({0, 1, 2}), // shorter than five
                                              {}});
    EXPECT_EQ(hot.positions[0], (std::vector<int>{3, 8, 1, 0, 5}));
    EXPECT_EQ(hot.positions[1], (std::vector<int>{2, 4, 6, 7, 9}));
    EXPECT_EQ(hot.positions[2], (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(hot.box.empty());

    // Read through the profile: 327 is hot, hot, cold; 999 cold, hot, cold.
    const HotDigits full = hotDigitsFromLists(
        {itemsRanked({3, 8, 1, 0, 5, 2, 4, 6, 7, 9}), itemsRanked({2, 4, 6, 7, 9, 0, 1, 3, 5, 8}),
         itemsRanked({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), itemsRanked({1, 2, 3, 4, 5, 6, 7, 8, 9, 0})});
    EXPECT_EQ(makeProfile(3, 2, 7, DigitMode::Positional, false, &full).sHotCold, "HHC");
    EXPECT_EQ(makeProfile(9, 9, 9, DigitMode::Positional, false, &full).sHotCold, "CHC");
    EXPECT_EQ(makeProfile(1, 5, 5, DigitMode::AnyPosition, false, &full).sHotCold, "ALL HOT");
    EXPECT_EQ(makeProfile(6, 8, 0, DigitMode::AnyPosition, false, &full).sHotCold, "ALL COLD");

    // An item that does not begin with a digit makes no digit hot.
    const HotDigits odd =
        hotDigitsFromLists({std::vector<std::string>{"x", "7   (1 hits)"}, {}, {}, {}});
    EXPECT_EQ(odd.positions[0], (std::vector<int>{7}));
}

// Selected item texts: position 1, 2, 3, box.
using Picked = std::array<std::vector<std::string>, 4>;

Picked straightPick(const std::vector<int>& p1, const std::vector<int>& p2,
                    const std::vector<int>& p3) {
    return {itemsRanked(p1), itemsRanked(p2), itemsRanked(p3), {}};
}
Picked boxPick(const std::vector<int>& digits) {
    Picked picked;
    picked[3] = itemsRanked(digits);
    return picked;
}

struct CreateRow {
    const char* name;
    StraightBox choice;
    Picked picked;
    NumberKinds kinds;
    std::string message;
    std::string text;
    int count;
};

TEST(HotCold, NumbersFromPickedDigits) {
    using enum StraightBox;
    const NumberKinds all{};
    const NumberKinds onlySix{true, false, false};
    const NumberKinds onlyDoubles{false, true, false};
    const NumberKinds onlyTriples{false, false, true};
    const NumberKinds nothing{false, false, false};
    const std::string box(kMsgSelectBoxDigits);
    const std::string straight(kMsgAllThreeLists);
    const std::string kind(kMsgSelectKind);
    const std::vector<CreateRow> rows{
        {"box 5 2 8, sections by kind", Box, boxPick({5, 2, 8}), all, "",
         "Created numbers: 10\r\n258\r\n255, 558, 225, 588, 228, 288\r\n555, 222, 888", 10},
        {"box only 6-ways", Box, boxPick({1, 2, 3}), onlySix, "", "Created numbers: 1\r\n123", 1},
        {"box without 6-ways begins with an empty line", Box, boxPick({1, 2, 3}), onlyDoubles, "",
         "Created numbers: 6\r\n\r\n112, 113, 122, 133, 223, 233", 6},
        {"box only triples", Box, boxPick({1, 2, 3}), onlyTriples, "",
         "Created numbers: 3\r\n\r\n111, 222, 333", 3},
        {"box with two digits", Box, boxPick({4, 7}), all, box, "", 0},
        {"box reads only the box list", Box, straightPick({1}, {2}, {3}), all, box, "", 0},
        {"straight, loops in list order", Straight, straightPick({1, 4}, {2}, {2, 7}), all, "",
         "Created numbers: 4\r\n122, 127, 422, 427", 4},
        {"straight keeps rank order", Straight, straightPick({9, 3}, {0}, {0}), all, "",
         "Created numbers: 2\r\n900, 300", 2},
        {"straight triple only", Straight, straightPick({6}, {6}, {6}), onlyTriples, "",
         "Created numbers: 1\r\n666", 1},
        {"straight, allowed kinds make nothing", Straight, straightPick({1}, {2}, {3}), onlyTriples,
         "", "Created numbers: 0\r\n", 0},
        {"straight with a list unpicked", Straight, straightPick({1}, {}, {3}), all, straight, "",
         0},
        {"straight reads only the position lists", Straight, boxPick({1, 2, 3}), all, straight, "",
         0},
        {"no kind ticked", Box, boxPick({1, 2, 3}), nothing, kind, "", 0},
        {"digits are checked before kinds", Box, boxPick({1, 2}), nothing, box, "", 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const HotColdNumbers made = createHotColdNumbers(r.choice, r.picked, r.kinds);
        EXPECT_EQ(made.message, r.message);
        EXPECT_EQ(made.text, r.text);
        EXPECT_EQ(made.count, r.count);
    }
}

TEST(HotCold, EveryDigitPickedMakesEveryNumberOnce) {
    std::vector<int> digits(10);
    std::iota(digits.begin(), digits.end(), 0);
    // Boxed: every set of three digits, repetitions allowed: 120 + 90 + 10.
    const HotColdNumbers box = createHotColdNumbers(StraightBox::Box, boxPick(digits), {});
    EXPECT_EQ(box.count, 220);
    const HotColdNumbers six =
        createHotColdNumbers(StraightBox::Box, boxPick(digits), {true, false, false});
    EXPECT_EQ(six.count, 120);
    // Straight: every number 000 to 999, each once.
    const HotColdNumbers all =
        createHotColdNumbers(StraightBox::Straight, straightPick(digits, digits, digits), {});
    ASSERT_EQ(all.count, 1000);
    std::vector<bool> seen(1000, false);
    int found = 0;
    forEachTriple(all.text.substr(all.text.find("\r\n")), [&](int a, int b, int c) {
        const int n = a * 100 + b * 10 + c;
        EXPECT_FALSE(seen[static_cast<std::size_t>(n)]) << n;
        seen[static_cast<std::size_t>(n)] = true;
        ++found;
    });
    EXPECT_EQ(found, 1000);
}

} // namespace
} // namespace pick3
