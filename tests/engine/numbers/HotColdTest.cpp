// The hot/cold counter: counting, ranking, hit list texts, hot digits, picked numbers.

#include "engine/numbers/HotCold.h"

#include "Support.h"

namespace pick3 {
namespace {

// The hits of a table by digit, as "1:2 2:1" for the digits with any.
std::string hits(const HitTable& byDigit) {
    std::string out;
    for (const HitRow& r : byDigit) {
        if (r.hits > 0) {
            out +=
                (out.empty() ? "" : " ") + std::to_string(r.digit) + ":" + std::to_string(r.hits);
        }
    }
    return out;
}

TEST(HotCold, DrawsAreTheDigitsCutIntoTriplesAcrossAnything) {
    // Text, draws, then the hits in position 1 / in position 3 / in the box.
    const std::vector<std::tuple<std::string, int, std::string>> rows{
        {"112", 1, "1:1/2:1/1:2 2:1"}, // a repeated digit: one box hit per position
        {"a1b2c3", 1, "1:1/3:1/1:1 2:1 3:1"},
        {"1234567\n89", 3, "1:1 4:1 7:1/3:1 6:1 9:1/1:1 2:1 3:1 4:1 5:1 6:1 7:1 8:1 9:1"},
        {"12\r\n3 007", 2, "0:1 1:1/3:1 7:1/0:2 1:1 2:1 3:1 7:1"},
        {"abc \xD9\xA1\xD9\xA2\xD9\xA3", 0, "//"}, // Arabic-Indic digits are no digits
    };
    for (const auto& [text, draws, expected] : rows) {
        const HitCount c = countDraws(text);
        EXPECT_EQ(c.drawCount, draws) << text;
        EXPECT_EQ(hits(c.positions[0]) + "/" + hits(c.positions[2]) + "/" + hits(c.box), expected);
    }
    // Counts past 16 bits: a megabyte of one draw, with junk between and inside.
    std::string text;
    for (int i = 0; i < 175'000; ++i) {
        text += "999 x\n9-99\n";
    }
    const RankedHits ranked = rankHits(countDraws(text), SortOrder::HitsDescDigitsAsc);
    EXPECT_EQ(hitListItem(ranked.box[0]), "9   (1050000 hits)");
    EXPECT_EQ(hitListItem(ranked.positions[1][0]), "9   (350000 hits)");
    // Countable: three characters, not bytes (two accented letters are four bytes).
    for (const auto& [t, countable] : {std::pair{"abc", true},
                                       {"1\n2", true},
                                       {"\xC3\xA9\xC3\xA9\xC3\xA9", true},
                                       {"12", false},
                                       {"\xC3\xA9\xC3\xA9", false},
                                       {"1\xF0\x9F\x98\x80", false}}) {
        EXPECT_EQ(isCountable(t), countable) << t;
    }
}

TEST(HotCold, RankingWithBothTieBreaks) {
    using enum SortOrder;
    // 3 and 8 share 6 hits at ranks 5 and 6: the tie-break decides which is hot.
    const std::array<std::int64_t, 10> byDigit{0, 9, 9, 6, 9, 1, 0, 9, 6, 2};
    HitCount count;
    for (std::size_t d = 0; d < 10; ++d) {
        count.box[d].hits = count.positions[1][d].hits = byDigit[d];
    }
    for (const auto& [order, expected] :
         {std::pair{HitsDescDigitsAsc, "1247389506"}, {HitsDescDigitsDesc, "7421839560"}}) {
        const RankedHits ranked = rankHits(count, order);
        std::string digits;
        for (const HitRow& row : ranked.box) {
            digits += std::to_string(row.digit);
            EXPECT_EQ(row.hits, byDigit[static_cast<std::size_t>(row.digit)]); // whole rows move
        }
        EXPECT_EQ(digits, expected);
        EXPECT_EQ(ranked.positions[1], ranked.box); // the positions follow the same option
    }
    const std::vector<std::string> items =
        hitListItems(rankHits(countDraws("123, 456, 789, 111"), HitsDescDigitsDesc).box);
    EXPECT_EQ(items[0] + "," + items[1] + "," + items[9], "1   (4 hits),9   (1 hits),0   (0 hits)");
}

// Item texts for a list in the rank order given as digits: "381" ranks 3 first.
std::vector<std::string> itemsRanked(std::string_view digits) {
    std::vector<std::string> items;
    for (const char d : digits) {
        items.push_back(hitListItem({d - '0', 10 - static_cast<std::int64_t>(items.size())}));
    }
    return items;
}

TEST(HotCold, HotDigitsAreTheFirstFiveItemsOfEachList) {
    const HotDigits hot = hotDigitsFromLists({itemsRanked("3810524679"),
                                              itemsRanked("012"),    // shorter than five
                                              {"x", "7   (1 hits)"}, // not a digit: not hot
                                              {}});
    std::string hotDigits; // by list, ascending
    for (int list = 0; list < 4; ++list) {
        for (int d = 0; d <= 9; ++d) {
            hotDigits += (list < 3 ? hot.isHotInPosition(list, d) : hot.isHotInBox(d))
                             ? std::to_string(d)
                             : "";
        }
        hotDigits += "|";
    }
    EXPECT_EQ(hotDigits, "01358|012|7||");
}

// Digits picked in positions 1, 2, 3 make straight numbers; in the box list, boxed ones.
TEST(HotCold, NumbersFromPickedDigits) {
    using Picked = std::array<std::string, 4>;
    const auto make = [](const Picked& picked, NumberKinds kinds) {
        return createHotColdNumbers(picked[3].empty() ? StraightBox::Straight : StraightBox::Box,
                                    {itemsRanked(picked[0]), itemsRanked(picked[1]),
                                     itemsRanked(picked[2]), itemsRanked(picked[3])},
                                    kinds);
    };
    const NumberKinds onlyTriples{false, false, true}, none{false, false, false};
    // The text after "Created numbers: "; {} makes every kind.
    const std::vector<std::tuple<Picked, NumberKinds, std::string_view, std::string>> rows{
        {{"", "", "", "528"}, {}, "", "10\r\n258\r\n255, 558, 225, 588, 228, 288\r\n555, 222, 888"},
        {{"", "", "", "123"}, onlyTriples, "", "3\r\n\r\n111, 222, 333"},
        {{"", "", "", "47"}, {}, kMsgSelectBoxDigits, ""},
        {{"14", "2", "27", ""}, {}, "", "4\r\n122, 127, 422, 427"},
        {{"6", "6", "6", ""}, onlyTriples, "", "1\r\n666"},
        {{"1", "2", "3", ""}, onlyTriples, "", "0\r\n"},
        {{"1", "", "3", ""}, {}, kMsgAllThreeLists, ""},
        {{"", "", "", "123"}, none, kMsgSelectKind, ""},
        {{"", "", "", "12"}, none, kMsgSelectBoxDigits, ""}, // digits first
    };
    for (const auto& [picked, kinds, message, text] : rows) {
        const HotColdNumbers made = make(picked, kinds);
        EXPECT_EQ(made.refusal.value_or(""), message) << text;
        EXPECT_EQ(made.text, message.empty() ? "Created numbers: " + text : "");
    }
    const std::string every = "0123456789";
    EXPECT_EQ(make({"", "", "", every}, {}).count, 220);
    EXPECT_EQ(make({every, every, every, ""}, {}).count, 1000);
}

} // namespace
} // namespace pick3
