// The profile of one number in both digit modes: labels, pairs, widths and hot/cold.

#include "engine/NumberProfile.h"

#include "Support.h"

namespace pick3 {
namespace {

constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;

NumberProfile profileOf(const char* n, DigitMode mode, const HotDigits* hot = nullptr) {
    const auto [a, b, c] = test::digitsOf(n);
    return makeProfile(a, b, c, mode, false, hot);
}

TEST(NumberProfile, LabelsPairsAndWidths) {
    // Number, mode, then sLMH sOCS sInOut|sOddEven|sHighLow sLMHDigits, then the
    // widths XX_ X_X _XX, the pairs left, right, split and the three boxed pairs.
    const std::vector<std::tuple<const char*, DigitMode, std::string, std::string>> rows{
        {"710", kPos, "HLL SSC IOO|OOE|HLL HML", "6|7|1|71|10|70|01|07|17"},
        {"710", kAny, "LLH CSS MOSTLY OUT|Mostly odd|Mostly low HML", "6|7|1|71|10|70|01|07|17"},
        {"017", kAny, "LLH CSS MOSTLY OUT|Mostly odd|Mostly low LMH", "1|7|6|01|17|07|01|07|17"},
        {"552", kPos, "MML OOO IIO|OOE|HHL HHL", "0|3|3|55|52|52|25|25|55"},
        {"909", kPos, "HLH CCC OOO|OEO|HLH HLH", "9|0|9|90|09|99|09|09|99"},
        {"999", kAny, "HHH CCC ALL OUT|All odd|All high LLL", "0|0|0|99|99|99|99|99|99"},
    };
    for (const auto& [n, mode, labels, pairs] : rows) {
        const NumberProfile p = profileOf(n, mode);
        EXPECT_EQ(p.sLMH + " " + p.sOCS + " " + p.sInOut + "|" + p.sOddEven + "|" + p.sHighLow +
                      " " + p.sLMHDigits,
                  labels)
            << n;
        EXPECT_EQ(test::joined(std::vector<std::string>{
                      std::to_string(p.iWidthXX_), std::to_string(p.iWidthX_X),
                      std::to_string(p.iWidth_XX), p.sPairXX_, p.sPair_XX, p.sPairX_X,
                      p.sBoxedPairs[0], p.sBoxedPairs[1], p.sBoxedPairs[2]}),
                  pairs)
            << n;
        EXPECT_TRUE(p.sHotCold.empty());
    }
    // Distinct values, so that no measure can stand in another's field.
    const NumberProfile p = makeProfile(9, 4, 7, kAny, true, nullptr);
    EXPECT_EQ((std::vector<int>{p.iLowest, p.iMiddle, p.iHighest, p.iSumDigits, p.iRoot, p.iLDR,
                                p.iWidth, p.iWidthLM, p.iWidthMH, p.iConsec2, p.iConsec3}),
              (std::vector<int>{4, 7, 9, 20, 2, 0, 5, 3, 2, 0, 0}));
    EXPECT_EQ(makeProfile(9, 0, 1, kAny, true, nullptr).iConsec3, 3);
    EXPECT_EQ(makeProfile(9, 0, 1, kAny, false, nullptr).iConsec3, 0);
    EXPECT_THROW(makeProfile(10, 0, 0, kPos, false, nullptr), std::invalid_argument);
}

TEST(NumberProfile, HotColdFromTheHotDigits) {
    const HotDigits ranked({std::vector<int>{3, 8, 1, 0, 5, 7}, {2, 4, 6, 7, 9}, {0, 1, 2, 3, 4}},
                           {1, 2, 3, 4, 5}); // the sixth ranked, 7, is cold
    const HotDigits shortLists({std::vector<int>{4, 2}, {}, {}}, {7}); // fewer than five ranked
    const HotDigits nothing;                                           // nothing counted
    const std::vector<std::tuple<const HotDigits*, const char*, DigitMode, const char*>> rows{
        {&ranked, "327", kPos, "HHC"},
        {&ranked, "999", kPos, "CHC"},
        {&ranked, "777", kPos, "CHC"},
        {&ranked, "500", kPos, "HCH"},
        {&ranked, "112", kAny, "ALL HOT"},
        {&ranked, "169", kAny, "MOSTLY COLD"},
        {&ranked, "680", kAny, "ALL COLD"},
        {&ranked, "559", kAny, "MOSTLY HOT"}, // a repeated digit counts per position
        {&shortLists, "222", kPos, "HCC"},
        {&shortLists, "771", kAny, "MOSTLY HOT"},
        {&nothing, "123", kPos, "CCC"},
        {&nothing, "123", kAny, "ALL COLD"},
    };
    for (const auto& [hot, n, mode, expected] : rows) {
        EXPECT_EQ(profileOf(n, mode, hot).sHotCold, expected) << n;
    }
    EXPECT_THROW(ranked.isHotInPosition(3, 1), std::invalid_argument);
}

} // namespace
} // namespace pick3
