// The hot/cold counter's rules: cutting a pasted history into draws, counting,
// ranking with both tie-breaks, the hit list texts, the hot digits read back
// from those texts, and the numbers made from picked digits.

#include "engine/HotCold.h"

#include "Support.h"

namespace pick3 {
namespace {

// The hits of a table by digit, as "1:2 2:1" for the digits with any.
std::string hits(const HitTable& byDigit) {
    std::string out;
    for (const HitRow& row : byDigit) {
        if (row.hits > 0) {
            out += (out.empty() ? "" : " ") + std::to_string(row.digit) + ":" +
                   std::to_string(row.hits);
        }
    }
    return out;
}

TEST(HotCold, DrawsAreTheDigitsCutIntoTriplesAcrossAnything) {
    struct Row {
        std::string text;
        int draws;
        const char *pos1, *pos3, *box;
    };
    const std::vector<Row> rows{
        {"112", 1, "1:1", "2:1", "1:2 2:1"}, // a repeated digit: one box hit per position
        {"a1b2c3", 1, "1:1", "3:1", "1:1 2:1 3:1"},
        {"1234567\n89", 3, "1:1 4:1 7:1", "3:1 6:1 9:1", "1:1 2:1 3:1 4:1 5:1 6:1 7:1 8:1 9:1"},
        {"12\r\n3 007", 2, "0:1 1:1", "3:1 7:1", "0:2 1:1 2:1 3:1 7:1"},
        {"abc \xD9\xA1\xD9\xA2\xD9\xA3", 0, "", "", ""}, // Arabic-Indic digits are no digits
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const HitCount count = countDraws(r.text);
        EXPECT_EQ(count.drawCount, r.draws);
        EXPECT_EQ(hits(count.positions[0]), r.pos1);
        EXPECT_EQ(hits(count.positions[2]), r.pos3);
        EXPECT_EQ(hits(count.box), r.box);
    }
    // Characters, not bytes: two accented letters are four bytes.
    const std::vector<std::pair<std::string, bool>> countable{{"12", false},
                                                              {"abc", true},
                                                              {"1\n2", true},
                                                              {"\xC3\xA9\xC3\xA9", false},
                                                              {"\xC3\xA9\xC3\xA9\xC3\xA9", true},
                                                              {"1\xF0\x9F\x98\x80", false}};
    for (const auto& [text, expected] : countable) {
        EXPECT_EQ(isCountable(text), expected) << text;
    }
}

TEST(HotCold, AMegabyteOfOneDrawCountsBeyondSixteenBits) {
    std::string text;
    for (int i = 0; i < 175'000; ++i) {
        text += "999 x\n9-99\n"; // junk between and inside the draws
    }
    const HitCount count = countDraws(text);
    EXPECT_EQ(count.drawCount, 350'000);
    EXPECT_EQ(hits(count.positions[1]), "9:350000");
    const RankedHits ranked = rankHits(count, SortOrder::HitsDescDigitsAsc);
    EXPECT_EQ(hitListItem(ranked.box[0]), "9   (1050000 hits)");
}

TEST(HotCold, RankingWithBothTieBreaks) {
    using enum SortOrder;
    // 3 and 8 share 6 hits at ranks 5 and 6: the tie-break decides which is hot.
    const std::array<std::int64_t, 10> none{}, boundary{0, 9, 9, 6, 9, 1, 0, 9, 6, 2};
    const std::vector<std::tuple<std::array<std::int64_t, 10>, SortOrder, std::string>> rows{
        {none, HitsDescDigitsAsc, "0123456789"},
        {none, HitsDescDigitsDesc, "9876543210"},
        {boundary, HitsDescDigitsAsc, "1247389506"},
        {boundary, HitsDescDigitsDesc, "7421839560"},
    };
    for (const auto& [byDigit, order, expected] : rows) {
        HitCount count;
        for (std::size_t d = 0; d < 10; ++d) {
            count.box[d].hits = byDigit[d];
        }
        const RankedHits ranked = rankHits(count, order);
        std::string digits;
        for (const HitRow& row : ranked.box) {
            digits += std::to_string(row.digit);
            EXPECT_EQ(row.hits, byDigit[static_cast<std::size_t>(row.digit)]); // whole rows move
        }
        EXPECT_EQ(digits, expected);
        // The positions are ranked by the same option (all zero here).
        EXPECT_EQ(ranked.positions[2], rankHits(HitCount{}, order).box);
    }
    const std::vector<std::string> items =
        hitListItems(rankHits(countDraws("123, 456, 789, 111"), HitsDescDigitsDesc).box);
    EXPECT_EQ(items[0] + "," + items[1] + "," + items[9], "1   (4 hits),9   (1 hits),0   (0 hits)");
}

// Item texts for a list in the given rank order.
std::vector<std::string> itemsRanked(const std::vector<int>& digits) {
    std::vector<std::string> items;
    for (const int d : digits) {
        items.push_back(hitListItem({d, 10 - static_cast<std::int64_t>(items.size())}));
    }
    return items;
}

TEST(HotCold, HotDigitsAreTheFirstFiveItemsOfEachList) {
    const HotDigits hot = hotDigitsFromLists({itemsRanked({3, 8, 1, 0, 5, 2, 4, 6, 7, 9}),
                                              itemsRanked({0, 1, 2}), // shorter than five
                                              {"x", "7   (1 hits)"},  // not a digit: not hot
                                              {}});
    EXPECT_EQ(hot.positions[0], (std::vector<int>{3, 8, 1, 0, 5}));
    EXPECT_EQ(hot.positions[1], (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(hot.positions[2], (std::vector<int>{7}));
    EXPECT_TRUE(hot.box.empty());
}

TEST(HotCold, NumbersFromPickedDigits) {
    using enum StraightBox;
    using Picked = std::array<std::vector<std::string>, 4>; // position 1, 2, 3, box
    const auto box = [](const std::vector<int>& d) { return Picked{{{}, {}, {}, itemsRanked(d)}}; };
    const auto straight = [](const std::vector<int>& p1, const std::vector<int>& p2,
                             const std::vector<int>& p3) {
        return Picked{{itemsRanked(p1), itemsRanked(p2), itemsRanked(p3), {}}};
    };
    const NumberKinds all{}, onlyTriples{false, false, true};
    struct Row {
        StraightBox choice;
        Picked picked;
        NumberKinds kinds;
        std::string_view message;
        std::string text;
    };
    const std::vector<Row> rows{
        {Box, box({5, 2, 8}), all, "",
         "Created numbers: 10\r\n258\r\n255, 558, 225, 588, 228, 288\r\n555, 222, 888"},
        {Box, box({1, 2, 3}), onlyTriples, "", "Created numbers: 3\r\n\r\n111, 222, 333"},
        {Box, box({4, 7}), all, kMsgSelectBoxDigits, ""},
        {Straight, straight({1, 4}, {2}, {2, 7}), all, "",
         "Created numbers: 4\r\n122, 127, 422, 427"},
        {Straight, straight({6}, {6}, {6}), onlyTriples, "", "Created numbers: 1\r\n666"},
        {Straight, straight({1}, {2}, {3}), onlyTriples, "", "Created numbers: 0\r\n"},
        {Straight, straight({1}, {}, {3}), all, kMsgAllThreeLists, ""},
        {Box, box({1, 2, 3}), {false, false, false}, kMsgSelectKind, ""},
        {Box, box({1, 2}), {false, false, false}, kMsgSelectBoxDigits, ""}, // digits first
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const HotColdNumbers made = createHotColdNumbers(r.choice, r.picked, r.kinds);
        EXPECT_EQ(made.message, r.message);
        EXPECT_EQ(made.text, r.text);
    }
    std::vector<int> digits{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(createHotColdNumbers(Box, box(digits), all).count, 220);
    EXPECT_EQ(createHotColdNumbers(Straight, straight(digits, digits, digits), all).count, 1000);
}

} // namespace
} // namespace pick3
