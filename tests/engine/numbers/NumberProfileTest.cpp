// One number at a time: its measures, its labels in both digit modes, its
// pairs, its digit sort and its hot/cold label, each compared character for
// character with the items of the lists.

#include "engine/numbers/NumberProfile.h"
#include "engine/numbers/Labels.h"
#include "engine/numbers/Measures.h"

#include "Support.h"

namespace pick3 {
namespace {

constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;

NumberProfile profileOf(const char* n, DigitMode mode, const HotDigits* hot = nullptr,
                        bool zeroAndNine = false) {
    const auto [a, b, c] = test::digitsOf(n);
    return makeProfile(a, b, c, mode, zeroAndNine, hot);
}

// Every digit stands somewhere in these numbers, so every class letter is checked too.
TEST(NumberProfile, MeasuresLabelsAndPairsInBothModes) {
    // Number; sum root shortsum, widths lowest-highest, lowest-middle, middle-highest,
    // XX_ X_X _XX, the structure, the consecutive pair and run without and with "0 and 9";
    // positional LMH OCS InOut OddEven HighLow, digit sort, pairs XX_ _XX X_X and the
    // three boxed pairs; boxed LMH OCS and the count labels.
    // clang-format off
    const std::vector<std::array<const char*, 4>> rows{
        {"471", "12 3 2 6 3 3 3 3 6 S 0000", "MHL SSS IIO EOO LHL MHL 47 71 41 14 17 47", "LMH SSS MOSTLY IN|Mostly odd|Mostly low"},
        {"909", "18 9 8 9 9 0 9 0 9 D 0020", "HLH CCC OOO OEO HLH HLH 90 09 99 09 09 99", "LHH CCC ALL OUT|Mostly odd|Mostly high"},
        {"000", "0 0 0 0 0 0 0 0 0 T 0000", "LLL CCC OOO EEE LLL LLL 00 00 00 00 00 00", "LLL CCC ALL OUT|All even|All low"},
        {"999", "27 9 7 0 0 0 0 0 0 T 0000", "HHH CCC OOO OOO HHH LLL 99 99 99 99 99 99", "HHH CCC ALL OUT|All odd|All high"},
        {"190", "10 1 0 9 1 8 8 1 9 S 2023", "LHL SCC OOO OOE LHL MHL 19 90 10 01 09 19", "LLH CCS ALL OUT|Mostly odd|Mostly low"},
        {"775", "19 1 9 2 2 0 0 2 2 D 0000", "HHM SSO III OOO HHH HHL 77 75 75 57 57 77", "MHH OSS ALL IN|All odd|All high"},
        {"112", "4 4 4 1 0 1 0 1 1 D 2020", "LLL SSO OOO OOE LLL LLH 11 12 12 11 12 12", "LLL OSS ALL OUT|Mostly odd|All low"},
        {"312", "6 6 6 2 1 1 2 1 1 S 2323", "MLL OSO IOO OOE LLL HLM 31 12 32 12 13 23", "LLM OOS MOSTLY OUT|Mostly odd|All low"},
        {"890", "17 8 7 9 8 1 1 8 9 S 2023", "HHL CCC OOO EOE HHL MHL 89 90 80 08 09 89", "LHH CCC ALL OUT|Mostly even|Mostly high"},
        {"456", "15 6 5 2 1 1 1 2 1 S 2323", "MMM SOC III EOE LHH LMH 45 56 46 45 46 56", "MMM OCS ALL IN|Mostly even|Mostly high"},
        {"390", "12 3 2 9 3 6 6 3 9 S 0020", "MHL OCC IOO OOE LHL MHL 39 90 30 03 09 39", "LMH OCC MOSTLY OUT|Mostly odd|Mostly low"},
        {"132", "6 6 6 2 1 1 2 1 1 S 2323", "LML SOO OIO OOE LLL LHM 13 32 12 12 13 23", "LLM OOS MOSTLY OUT|Mostly odd|All low"},
        {"305", "8 8 8 5 3 2 3 2 5 S 0000", "MLM OCO IOI OEO LLH MLH 30 05 35 03 05 35", "LMM OOC MOSTLY IN|Mostly odd|Mostly low"},
        {"871", "16 7 6 7 6 1 1 7 6 S 2020", "HHL CSS OIO EOO HHL HML 87 71 81 17 18 78", "LHH CSS MOSTLY OUT|Mostly odd|Mostly high"},
        {"710", "8 8 8 7 1 6 6 7 1 S 2020", "HLL SSC IOO OOE HLL HML 71 10 70 01 07 17", "LLH CSS MOSTLY OUT|Mostly odd|Mostly low"},
    };
    // clang-format on
    for (const auto& [n, measures, positional, any] : rows) {
        SCOPED_TRACE(n);
        const auto [a, b, c] = test::digitsOf(n);
        const NumberProfile p = profileOf(n, kPos);
        const NumberProfile z = profileOf(n, kPos, nullptr, true);
        std::string got;
        for (const int v : {p.iSumDigits, p.iRoot, p.iLDR, p.iWidth, p.iWidthLM, p.iWidthMH,
                            p.iWidthXX_, p.iWidthX_X, p.iWidth_XX}) {
            got += std::to_string(v) + " ";
        }
        got += fnIsTriple(a, b, c) ? "T " : fnIsDouble(a, b, c) ? "D " : "S ";
        for (const int v : {p.iConsec2, p.iConsec3, z.iConsec2, z.iConsec3}) {
            got += std::to_string(v);
        }
        EXPECT_EQ(got, measures);
        EXPECT_EQ(test::joined(std::vector<std::string>{p.sLMH, p.sOCS, p.sInOut, p.sOddEven,
                                                        p.sHighLow, p.sLMHDigits, p.sPairXX_,
                                                        p.sPair_XX, p.sPairX_X, p.sBoxedPairs[0],
                                                        p.sBoxedPairs[1], p.sBoxedPairs[2]},
                               " "),
                  positional);
        const NumberProfile q = profileOf(n, kAny);
        EXPECT_EQ(q.sLMH + " " + q.sOCS + " " + q.sInOut + "|" + q.sOddEven + "|" + q.sHighLow,
                  any);
        EXPECT_TRUE(p.sHotCold.empty());
    }
    const NumberProfile sorted = profileOf("947", kAny);
    EXPECT_EQ((std::vector<int>{sorted.iLowest, sorted.iMiddle, sorted.iHighest}),
              (std::vector<int>{4, 7, 9}));
    EXPECT_THROW(makeProfile(10, 0, 0, kPos, false, nullptr), std::invalid_argument);
    EXPECT_THROW(hotColdLabel(4), std::invalid_argument);
    EXPECT_THROW(fnConsecutive2(1, 2, -1, true), std::invalid_argument);
    std::vector<int> three{3, 2, 1};
    EXPECT_THROW(sbQuickSort(three, 0, 3), std::out_of_range);
}

// Every code of the digit-sort list, and the triple, which has none.
TEST(NumberProfile, DigitSortPattern) {
    std::istringstream rows(
        "123 LMH 132 LHM 213 MLH 231 MHL 312 HLM 321 HML 115 LLH 151 LHL 511 HLL "
        "155 LHH 515 HLH 551 HHL 090 LHL 777 LLL");
    for (std::string n, pattern; rows >> n >> pattern;) {
        const auto [a, b, c] = test::digitsOf(n);
        EXPECT_EQ(fnDigitSortPattern(a, b, c), pattern) << n;
    }
}

TEST(NumberProfile, HotColdFromTheHotDigits) {
    const HotDigits ranked({std::vector<int>{3, 8, 1, 0, 5, 7}, {2, 4, 6, 7, 9}, {0, 1, 2, 3, 4}},
                           {1, 2, 3, 4, 5}); // the sixth ranked, 7, is cold
    const HotDigits shortLists({std::vector<int>{4, 2}, {}, {}}, {7}); // fewer than five ranked
    const HotDigits nothing;                                           // nothing counted
    // clang-format off
    const std::vector<std::tuple<const HotDigits*, const char*, DigitMode, const char*>> rows{
        {&ranked, "327", kPos, "HHC"}, {&ranked, "999", kPos, "CHC"},
        {&ranked, "777", kPos, "CHC"}, {&ranked, "500", kPos, "HCH"},
        {&ranked, "112", kAny, "ALL HOT"}, {&ranked, "169", kAny, "MOSTLY COLD"},
        {&ranked, "680", kAny, "ALL COLD"},
        {&ranked, "559", kAny, "MOSTLY HOT"}, // a repeated digit counts per position
        {&shortLists, "222", kPos, "HCC"}, {&shortLists, "771", kAny, "MOSTLY HOT"},
        {&nothing, "123", kPos, "CCC"}, {&nothing, "123", kAny, "ALL COLD"},
    };
    // clang-format on
    for (const auto& [hot, n, mode, expected] : rows) {
        EXPECT_EQ(profileOf(n, mode, hot).sHotCold, expected) << n;
    }
    EXPECT_THROW(ranked.isHotInPosition(3, 1), std::invalid_argument);
}

} // namespace
} // namespace pick3
