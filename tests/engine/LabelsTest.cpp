// Patterns and labels, matched against list items character for character.

#include "engine/Labels.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::digitsOf;

// The numbers hold every digit, so each class letter is checked too.
TEST(Labels, PatternsAndCountLabels) {
    // Number; straight LMH OCS InOut OddEven HighLow; boxed LMH OCS and the in/out,
    // odd/even and high/low labels.
    const std::vector<std::tuple<const char*, std::string, std::string>> rows{
        {"471", "MHL SSS IIO EOO LHL", "LMH SSS MOSTLY IN|Mostly odd|Mostly low"},
        {"000", "LLL CCC OOO EEE LLL", "LLL CCC ALL OUT|All even|All low"},
        {"999", "HHH CCC OOO OOO HHH", "HHH CCC ALL OUT|All odd|All high"},
        {"456", "MMM SOC III EOE LHH", "MMM OCS ALL IN|Mostly even|Mostly high"},
        {"390", "MHL OCC IOO OOE LHL", "LMH OCC MOSTLY OUT|Mostly odd|Mostly low"},
        {"132", "LML SOO OIO OOE LLL", "LLM OOS MOSTLY OUT|Mostly odd|All low"},
        {"305", "MLM OCO IOI OEO LLH", "LMM OOC MOSTLY IN|Mostly odd|Mostly low"},
        {"871", "HHL CSS OIO EOO HHL", "LHH CSS MOSTLY OUT|Mostly odd|Mostly high"}, // C before S
        {"640", "MML CSC IIO EEE HLL", "LMM CCS MOSTLY IN|All even|Mostly low"},
        {"909", "HLH CCC OOO OEO HLH", "LHH CCC ALL OUT|Mostly odd|Mostly high"},
        {"778", "HHH SSC IIO OOE HHH", "HHH CSS MOSTLY IN|Mostly odd|All high"},
    };
    for (const auto& [n, straight, boxed] : rows) {
        SCOPED_TRACE(n);
        const auto [a, b, c] = digitsOf(n);
        EXPECT_EQ(lmhPattern(a, b, c) + " " + fnOCSPattern(a, b, c) + " " +
                      fnInOutPattern(a, b, c) + " " + oddEvenPattern(a, b, c) + " " +
                      highLowPattern(a, b, c),
                  straight);
        EXPECT_EQ(lmhBoxed(a, b, c) + " " + ocsBoxed(a, b, c) + " " + fnInOutLabel(a, b, c) + "|" +
                      oddEvenLabel(a, b, c) + "|" + highLowLabel(a, b, c),
                  boxed);
    }
    EXPECT_THROW(hotColdLabel(4), std::invalid_argument);
    EXPECT_THROW(lmhLetter(10), std::invalid_argument);
    EXPECT_THROW(fnOCSPattern(-1, 2, 3), std::invalid_argument);
}

// Every code of the digit-sort list, and the triple, which has none.
TEST(Labels, DigitSortPattern) {
    std::istringstream rows(
        "123 LMH 132 LHM 213 MLH 231 MHL 312 HLM 321 HML 115 LLH 151 LHL 511 HLL "
        "155 LHH 515 HLH 551 HHL 090 LHL 777 LLL");
    for (std::string n, pattern; rows >> n >> pattern;) {
        const auto [a, b, c] = digitsOf(n);
        EXPECT_EQ(fnDigitSortPattern(a, b, c), pattern) << n;
    }
}

} // namespace
} // namespace pick3
