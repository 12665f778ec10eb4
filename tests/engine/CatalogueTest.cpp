// The catalogue of the main window's lists: the texts each list shows and its refusal.

#include "engine/Catalogue.h"

#include "Support.h"

namespace pick3 {
namespace {

using test::joined;

TEST(Catalogue, EveryListAsTheWindowShowsIt) {
    using enum ListId;
    // Numeric lists hold 0 to 9 (sums 0 to 27); the refusal is "You can not
    // exclude all " and the text given, none where the text is empty.
    struct Row {
        ListId id;
        std::string_view control, heading, refusal, items;
    };
    const std::vector<Row> rows{
        {DigitsWheel, "lstDigitsWheel", "", "", ""},
        {DigitsWheelPos1_0, "lstDigitsWheelPos1(0)", "Pos. 1", "", ""},
        {DigitsWheelPos1_1, "lstDigitsWheelPos1(1)", "Pos. 2", "", ""},
        {DigitsWheelPos1_2, "lstDigitsWheelPos1(2)", "Pos. 3", "", ""},
        {SumDigits, "lstSumDigits", "Sumdigits", "sumdigits.", ""},
        {Root, "lstRoot", "Root", "rootsums.", ""},
        {LDR, "lstLDR", "Shortsum (LDR)", "LDR's (shortsums).", ""},
        {Width, "lstWidth", "Lowest- highest", "Widths.", ""},
        {WidthLowestMiddle, "lstWidthLowestMiddle", "Lowest- middle",
         "Widths for Low-Middle digit.", ""},
        {WidthMiddleHighest, "lstWidthMiddleHighest", "Middle- highest",
         "Widths for Middle-High digit.", ""},
        {WidthXX_, "lstWidthXX_", "XX_", "Widths.", ""},
        {WidthX_X, "lstWidthX_X", "X_X", "Widths.", ""},
        {Width_XX, "lstWidth_XX", "_XX", "Widths.", ""},
        {OddEven, "lstOddEven", "OddEven", "OddEven-patterns.",
         "All even|All odd|Mostly even|Mostly odd"},
        {OddEvenStraight, "lstOddEvenStraight", "OddEven", "OddEven-patterns.",
         "EEE|EEO|EOE|OEE|OOE|OEO|EOO|OOO"},
        {HighLow, "lstHighLow", "HighLow", "HighLow-patterns.",
         "All high|All low|Mostly high|Mostly low"},
        {HighLowStraight, "lstHighLowStraight", "HighLow", "HighLow-patterns.",
         "HHH|HHL|HLH|LHH|LLH|LHL|HLL|LLL"},
        {InOut, "lstInOut", "InOut", "InOut-patterns.", "All IN|All OUT|Mostly IN|Mostly OUT"},
        {InOutStraight, "lstInOutStraight", "InOut", "InOut-patterns.",
         "III|IIO|IOI|OII|OOI|OIO|IOO|OOO"},
        {LMH, "lstLMH", "LMH", "LMH-patterns.", "LLL|LLM|LLH|LMM|LHH|LMH|MMM|MMH|MHH|HHH"},
        {LMHStraight, "lstLMHStraight", "LMH", "LMH-patterns.",
         "LMH|LHM|MLH|MHL|HLM|HML|LLL|LLM|LML|MLL|LLH|LHL|HLL|MMM|MML|MLM|LMM|MMH|MHM|HMM|HHH|"
         "HHL|HLH|LHH|HHM|HMH|MHH"},
        {OCS, "lstOCS", "Open-Closed-Straight", "OCS-patterns.",
         "OOO|OOC|OOS|OCC|OSS|OCS|CCC|CCS|CSS|SSS"},
        {OCSStraight, "lstOCSStraight", "Open-Closed-Straight", "OCS-patterns.",
         "OCS|OSC|COS|CSO|SOC|SCO|OOO|OOC|OCO|COO|OOS|OSO|SOO|CCC|CCO|COC|OCC|CCS|CSC|SCC|SSS|"
         "SSO|SOS|OSS|SSC|SCS|CSS"},
        {LMHDigits, "lstLMHDigits", "Digit-sort", "LMH-For Digits.",
         "LMH|LHM|MLH|MHL|HLM|HML|LLH|LHL|HLL|LHH|HLH|HHL"},
        {HCBox, "lstHCBox", "Box", "", "All hot|All cold|Mostly hot|Mostly cold"},
        {HCStraight, "lstHCStraight", "Straight", "", "HHH|HHC|HCH|CHH|CCH|CHC|HCC|CCC"},
    };
    ASSERT_EQ(catalogue().size(), kListCount);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.control);
        const ListEntry& e = listEntry(r.id);
        EXPECT_EQ(&e, &catalogue()[i]);
        EXPECT_EQ(e.controlName, r.control);
        EXPECT_EQ(e.heading, r.heading);
        EXPECT_EQ(e.refusal,
                  r.refusal.empty() ? "" : "You can not exclude all " + std::string(r.refusal));
        EXPECT_EQ(e.numeric, r.items.empty());
        std::vector<std::string> numbers;
        for (int v = 0; v <= (r.id == SumDigits ? 27 : 9); ++v) {
            numbers.push_back(std::to_string(v));
        }
        EXPECT_EQ(joined(e.items), e.numeric ? joined(numbers) : r.items);
    }
    EXPECT_THROW(listEntry(static_cast<ListId>(kListCount)), std::invalid_argument);
    EXPECT_THROW(familyList(static_cast<Family>(kFamilyCount), true), std::invalid_argument);
}

} // namespace
} // namespace pick3
