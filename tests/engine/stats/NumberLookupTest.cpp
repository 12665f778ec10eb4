// Looking a number up: the typed text read, its straight and boxed hits with
// their skips counted as the skip table counts them, its pairs, and the lines shown.

#include "engine/stats/NumberLookup.h"

#include "Support.h"

namespace pick3 {
namespace {

struct ReadRow {
    const char* name;
    const char* typed;
    int number; // -1: refused
};

TEST(NumberLookup, ReadsExactlyThreeDigits) {
    const ReadRow rows[] = {
        {"three digits", "123", 123},   {"a leading zero", "097", 97},
        {"spaces around", "  007 ", 7}, {"two digits", "12", -1},
        {"four digits", "1234", -1},    {"a letter", "12a", -1},
        {"nothing", "   ", -1},         {"spaced digits", "1 2 3", -1},
        {"a sign", "-12", -1},          {"Arabic-Indic digits", "\xd9\xa1\xd9\xa2\xd9\xa3", -1},
    };
    for (const ReadRow& row : rows) {
        const Result<int> read = readLookupNumber(row.typed);
        EXPECT_EQ(read.ok() ? *read : -1, row.number) << row.name;
        EXPECT_EQ(read.refusal(), read.ok() ? "" : kMsgLookupNotThreeDigits) << row.name;
    }
}

// Text order, newest first: 321 is the newest draw, 183 the oldest.
const DrawList kHistory{321, 123, 456, 123, 999, 132, 183};

struct LookupRow {
    const char* name;
    int number;
    NewestEnd newest;
    std::vector<std::size_t> straightHits, boxedHits; // places in the text, newest first
    std::array<std::size_t, 4> skips; // straight now and longest, boxed now and longest
    std::array<std::size_t, 3> pairs; // front, back, split
};

TEST(NumberLookup, HitsSkipsAndPairs) {
    constexpr NewestEnd first = NewestEnd::First, last = NewestEnd::Last;
    const LookupRow rows[] = {
        // Oldest first: 183 132 999 123 456 123 321; straight at 3 and 5, boxed at 1, 3, 5, 6.
        {"six-way, newest first", 123, first, {1, 3}, {0, 1, 3, 5}, {1, 3, 0, 1}, {2, 2, 3}},
        // Oldest first: 321 123 456 123 999 132 183.
        {"six-way, newest last", 123, last, {3, 1}, {5, 3, 1, 0}, {3, 3, 1, 1}, {2, 2, 3}},
        {"never drawn: the whole history is its skip", 777, first, {}, {}, {7, 7, 7, 7}, {0, 0, 0}},
        {"a triple boxed is its straight", 999, first, {4}, {4}, {4, 4, 4, 4}, {1, 1, 1}},
        {"split pair 1x3 counts 183 too", 183, first, {6}, {6}, {6, 6, 6, 6}, {1, 1, 3}},
    };
    for (const LookupRow& row : rows) {
        const NumberLookup l = lookUpNumber(row.number, kHistory, row.newest);
        EXPECT_EQ(l.straight.hits, row.straightHits) << row.name;
        EXPECT_EQ(l.boxed.hits, row.boxedHits) << row.name;
        const std::array<std::size_t, 4> skips{l.straight.current, l.straight.longest,
                                               l.boxed.current, l.boxed.longest};
        EXPECT_EQ(skips, row.skips) << row.name;
        for (std::size_t p = 0; p < 3; ++p) {
            EXPECT_EQ(l.pairs[p].hits, row.pairs[p]) << row.name << " pair " << p;
        }
    }
    EXPECT_THROW(lookUpNumber(1000, kHistory, NewestEnd::First), std::invalid_argument);
    EXPECT_THROW(lookUpNumber(-1, kHistory, NewestEnd::First), std::invalid_argument);
}

TEST(NumberLookup, KindsOddsAndAverageSkips) {
    const struct {
        int number;
        const char* kind;
        double boxedOdds, boxedSkip;
    } rows[] = {{123, "six-way", 0.006, 994.0 / 6.0},
                {112, "three-way", 0.003, 997.0 / 3.0},
                {0, "triple", 0.001, 999.0}};
    for (const auto& row : rows) {
        const NumberLookup l = lookUpNumber(row.number, {}, NewestEnd::First);
        EXPECT_EQ(kindName(l.kind), row.kind);
        EXPECT_DOUBLE_EQ(l.boxed.odds, row.boxedOdds) << row.kind;
        EXPECT_DOUBLE_EQ(l.boxed.expectedSkip(), row.boxedSkip) << row.kind;
        EXPECT_DOUBLE_EQ(l.straight.expectedSkip(), 999.0) << row.kind;
    }
}

TEST(NumberLookup, EachPairInItsOwnPlaces) {
    // 123's front pair 12x, back pair x23 and split pair 1x3 in draws that hold one each.
    const NumberLookup l = lookUpNumber(123, parseDraws("120 121 923 173 456"), NewestEnd::First);
    EXPECT_EQ(l.pairs[0].hits, 2U);
    EXPECT_EQ(l.pairs[1].hits, 1U);
    EXPECT_EQ(l.pairs[2].hits, 1U);
}

TEST(NumberLookup, TextNamesHitsByLabelOrPlace) {
    const NumberLookup l = lookUpNumber(123, kHistory, NewestEnd::First);
    EXPECT_EQ(lookupText(l, kHistory),
              "123, six-way, in 7 draws (newest first)\r\n"
              "Straight: 2 hits (0.007 expected; odds 1 in 1,000)\r\n"
              "  draw 2; draw 4\r\n"
              "  Last drawn draw 2; skip now 1, longest 3 (999 on average by the odds)\r\n"
              "Boxed, any order: 4 hits (0.042 expected; odds 6 in 1,000)\r\n"
              "  draw 1 (came as 321); draw 2 (came as 123); draw 4 (came as 123); draw 6 (came as "
              "132)\r\n"
              "  Last drawn draw 1; skip now 0, longest 1 (165.7 on average by the odds)\r\n"
              "Pairs (0.07 expected each; odds 1 in 100):\r\n"
              "  front 12x 2, back x23 2, split 1x3 3\r\n");
    // An imported history names each draw by its date and draw time.
    const auto label = [](std::size_t place) { return "Day " + std::to_string(place); };
    const std::string dated = lookupText(lookUpNumber(112, DrawList(12'340, 121), NewestEnd::Last),
                                         DrawList(12'340, 121), label);
    EXPECT_NE(dated.find("Boxed, any order: 12,340 hits (37 expected; odds 3 in 1,000)\r\n"
                         "  Day 12339 (came as 121); Day 12338 (came as 121);"),
              std::string::npos)
        << dated;
    EXPECT_NE(dated.find("Last drawn Day 12339; skip now 0, longest 0 (332.3 on average"),
              std::string::npos);
    EXPECT_NE(dated.find("Straight: 0 hits (12.3 expected; odds 1 in 1,000)\r\n  Never drawn; "
                         "skip now 12,340, longest 12,340 (999 on average"),
              std::string::npos);
    EXPECT_NE(dated.find("Pairs (123.4 expected each; odds 1 in 100):\r\n  front 11x 0, back x12 "
                         "0, split 1x2 0"),
              std::string::npos);
}

} // namespace
} // namespace pick3
