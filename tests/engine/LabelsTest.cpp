// Digit classes, straight and boxed patterns, count labels and the digit
// sort-order pattern. Every text is compared with list items character for
// character, so the tables hold the exact strings.

#include "engine/Labels.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

struct DigitClassRow {
    int digit;
    char lmh, ocs, inOut, evenOdd, highLow;
};

TEST(Labels, DigitClassesOfEveryDigit) {
    const std::vector<DigitClassRow> rows{
        {0, 'L', 'C', 'O', 'E', 'L'}, {1, 'L', 'S', 'O', 'O', 'L'}, {2, 'L', 'O', 'O', 'E', 'L'},
        {3, 'M', 'O', 'I', 'O', 'L'}, {4, 'M', 'S', 'I', 'E', 'L'}, {5, 'M', 'O', 'I', 'O', 'H'},
        {6, 'M', 'C', 'I', 'E', 'H'}, {7, 'H', 'S', 'I', 'O', 'H'}, {8, 'H', 'C', 'O', 'E', 'H'},
        {9, 'H', 'C', 'O', 'O', 'H'},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.digit);
        EXPECT_EQ(lmhLetter(r.digit), r.lmh);
        EXPECT_EQ(ocsLetter(r.digit), r.ocs);
        EXPECT_EQ(inOutLetter(r.digit), r.inOut);
        EXPECT_EQ(evenOddLetter(r.digit), r.evenOdd);
        EXPECT_EQ(highLowLetter(r.digit), r.highLow);
    }
}

// Every label of one number in one row.
struct NumberLabelsRow {
    const char* name;
    int d1, d2, d3;
    const char *lmh, *ocs, *inOut, *oddEven, *highLow;                // straight, position order
    const char *lmhBox, *ocsBox, *inOutLbl, *oddEvenLbl, *highLowLbl; // boxed
    const char* digitSort;
};

TEST(Labels, PatternsAndCountLabels) {
    const std::vector<NumberLabelsRow> rows{
        {"471", 4, 7, 1, "MHL", "SSS", "IIO", "EOO", "LHL", "LMH", "SSS", "MOSTLY IN", "Mostly odd",
         "Mostly low", "MHL"},
        {"000", 0, 0, 0, "LLL", "CCC", "OOO", "EEE", "LLL", "LLL", "CCC", "ALL OUT", "All even",
         "All low", "LLL"},
        {"999", 9, 9, 9, "HHH", "CCC", "OOO", "OOO", "HHH", "HHH", "CCC", "ALL OUT", "All odd",
         "All high", "LLL"},
        {"456", 4, 5, 6, "MMM", "SOC", "III", "EOE", "LHH", "MMM", "OCS", "ALL IN", "Mostly even",
         "Mostly high", "LMH"},
        {"390", 3, 9, 0, "MHL", "OCC", "IOO", "OOE", "LHL", "LMH", "OCC", "MOSTLY OUT",
         "Mostly odd", "Mostly low", "MHL"},
        {"132", 1, 3, 2, "LML", "SOO", "OIO", "OOE", "LLL", "LLM", "OOS", "MOSTLY OUT",
         "Mostly odd", "All low", "LHM"},
        {"312", 3, 1, 2, "MLL", "OSO", "IOO", "OOE", "LLL", "LLM", "OOS", "MOSTLY OUT",
         "Mostly odd", "All low", "HLM"},
        {"305", 3, 0, 5, "MLM", "OCO", "IOI", "OEO", "LLH", "LMM", "OOC", "MOSTLY IN", "Mostly odd",
         "Mostly low", "MLH"},
        {"710", 7, 1, 0, "HLL", "SSC", "IOO", "OOE", "HLL", "LLH", "CSS", "MOSTLY OUT",
         "Mostly odd", "Mostly low", "HML"},
        {"871 C before S", 8, 7, 1, "HHL", "CSS", "OIO", "EOO", "HHL", "LHH", "CSS", "MOSTLY OUT",
         "Mostly odd", "Mostly high", "HML"},
        {"640 C, S, C", 6, 4, 0, "MML", "CSC", "IIO", "EEE", "HLL", "LMM", "CCS", "MOSTLY IN",
         "All even", "Mostly low", "HML"},
        {"592 O, C, O", 5, 9, 2, "MHL", "OCO", "IOO", "OOE", "HHL", "LMH", "OOC", "MOSTLY OUT",
         "Mostly odd", "Mostly high", "MHL"},
        {"909 double", 9, 0, 9, "HLH", "CCC", "OOO", "OEO", "HLH", "LHH", "CCC", "ALL OUT",
         "Mostly odd", "Mostly high", "HLH"},
        {"778 double", 7, 7, 8, "HHH", "SSC", "IIO", "OOE", "HHH", "HHH", "CSS", "MOSTLY IN",
         "Mostly odd", "All high", "LLH"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(lmhPattern(r.d1, r.d2, r.d3), r.lmh);
        EXPECT_EQ(fnOCSPattern(r.d1, r.d2, r.d3), r.ocs);
        EXPECT_EQ(fnInOutPattern(r.d1, r.d2, r.d3), r.inOut);
        EXPECT_EQ(oddEvenPattern(r.d1, r.d2, r.d3), r.oddEven);
        EXPECT_EQ(highLowPattern(r.d1, r.d2, r.d3), r.highLow);
        EXPECT_EQ(lmhBoxed(r.d1, r.d2, r.d3), r.lmhBox);
        EXPECT_EQ(ocsBoxed(r.d1, r.d2, r.d3), r.ocsBox);
        EXPECT_EQ(fnInOutLabel(r.d1, r.d2, r.d3), r.inOutLbl);
        EXPECT_EQ(oddEvenLabel(r.d1, r.d2, r.d3), r.oddEvenLbl);
        EXPECT_EQ(highLowLabel(r.d1, r.d2, r.d3), r.highLowLbl);
        EXPECT_EQ(fnDigitSortPattern(r.d1, r.d2, r.d3), r.digitSort);
    }
}

TEST(Labels, BoxedPatternsIgnoreDigitOrder) {
    for (int a = 0; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            for (int c = 0; c <= 9; ++c) {
                SCOPED_TRACE(std::to_string(a * 100 + b * 10 + c));
                const std::string lmh = lmhBoxed(a, b, c);
                const std::string ocs = ocsBoxed(a, b, c);
                for (const auto& [x, y, z] : std::vector<std::array<int, 3>>{
                         {a, c, b}, {b, a, c}, {b, c, a}, {c, a, b}, {c, b, a}}) {
                    EXPECT_EQ(lmhBoxed(x, y, z), lmh);
                    EXPECT_EQ(ocsBoxed(x, y, z), ocs);
                }
            }
        }
    }
}

TEST(Labels, DigitSortOfDoublesAndTriples) {
    struct Row {
        int d1, d2, d3;
        const char* pattern;
    };
    const std::vector<Row> rows{
        {5, 5, 1, "HHL"}, {1, 5, 5, "LHH"}, {5, 1, 5, "HLH"}, {1, 1, 5, "LLH"}, {1, 5, 1, "LHL"},
        {5, 1, 1, "HLL"}, {2, 3, 3, "LHH"}, {2, 3, 2, "LHL"}, {0, 0, 0, "LLL"}, {7, 7, 7, "LLL"},
        {1, 2, 3, "LMH"}, {1, 3, 2, "LHM"}, {2, 1, 3, "MLH"}, {2, 3, 1, "MHL"}, {3, 1, 2, "HLM"},
        {3, 2, 1, "HML"}, {0, 9, 0, "LHL"}, {9, 0, 0, "HLL"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.d1) + std::to_string(r.d2) + std::to_string(r.d3));
        EXPECT_EQ(fnDigitSortPattern(r.d1, r.d2, r.d3), r.pattern);
    }
}

TEST(Labels, HotColdPatternAndLabel) {
    EXPECT_EQ(hotColdPattern(true, true, true), "HHH");
    EXPECT_EQ(hotColdPattern(true, false, true), "HCH");
    EXPECT_EQ(hotColdPattern(false, false, true), "CCH");
    EXPECT_EQ(hotColdPattern(false, false, false), "CCC");
    const std::vector<std::pair<int, const char*>> labels{
        {3, "ALL HOT"}, {2, "MOSTLY HOT"}, {1, "MOSTLY COLD"}, {0, "ALL COLD"}};
    for (const auto& [count, label] : labels) {
        EXPECT_EQ(hotColdLabel(count), label) << count;
    }
}

TEST(Labels, RefuseDigitsOutsideZeroToNine) {
    const std::vector<std::pair<const char*, std::function<void()>>> calls{
        {"lmhLetter(10)", [] { lmhLetter(10); }},
        {"ocsLetter(-1)", [] { ocsLetter(-1); }},
        {"inOutLetter(10)", [] { inOutLetter(10); }},
        {"evenOddLetter(-2)", [] { evenOddLetter(-2); }},
        {"highLowLetter(100)", [] { highLowLetter(100); }},
        {"lmhPattern third", [] { lmhPattern(1, 2, 10); }},
        {"fnOCSPattern first", [] { fnOCSPattern(-1, 2, 3); }},
        {"fnInOutPattern second", [] { fnInOutPattern(1, 12, 3); }},
        {"oddEvenPattern", [] { oddEvenPattern(1, 2, -3); }},
        {"highLowPattern", [] { highLowPattern(10, 2, 3); }},
        {"lmhBoxed", [] { lmhBoxed(1, 2, 10); }},
        {"ocsBoxed", [] { ocsBoxed(-1, 2, 3); }},
        {"fnInOutLabel", [] { fnInOutLabel(1, 10, 3); }},
        {"oddEvenLabel", [] { oddEvenLabel(1, 2, 10); }},
        {"highLowLabel", [] { highLowLabel(-5, 2, 3); }},
        {"fnDigitSortPattern", [] { fnDigitSortPattern(10, 10, 10); }},
        {"hotColdLabel(4)", [] { hotColdLabel(4); }},
        {"hotColdLabel(-1)", [] { hotColdLabel(-1); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_THROW(call(), std::invalid_argument) << name;
    }
}

} // namespace
} // namespace pick3
