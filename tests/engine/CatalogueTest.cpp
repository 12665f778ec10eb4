// The catalogue of the main window's lists: one row per list with every
// attribute the windows and the readers take from it, and the property that
// every label a number can receive stands exactly once in its list.

#include "engine/Catalogue.h"
#include "engine/Labels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace pick3 {
namespace {

constexpr std::string_view kWidthTip = "Width between lowest and highest digit. If the created "
                                       "number fits the item(s) selected, it will be filtered out";
constexpr std::string_view kInOutTip = "I = 3, 4, 5, 6, 7   -   O = 0, 1, 2, 8, 9";
constexpr std::string_view kOCSTip = "O: 2, 3, 5   -   C: 0, 6, 8, 9  -   S: 1, 4, 7";
constexpr std::string_view kLMHTip = "L: 0, 1,  2   -   M: 3, 4, 5, 6   -   H: 7, 8, 9";
constexpr std::string_view kSortTip = "Sort order of the digits in the number. Example: 123 = LMH, "
                                      "132 = LHM, 312 = HLM, 233 = LHH, 232 = LHL, ...";
constexpr std::string_view kCommon =
    "If the created number fits the item(s) selected, it will be filtered out";

constexpr std::string_view kDigitItems = "0|1|2|3|4|5|6|7|8|9";
constexpr std::string_view kSumItems =
    "0|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20|21|22|23|24|25|26|27";
constexpr std::string_view kLMHStraightItems =
    "LMH|LHM|MLH|MHL|HLM|HML|LLL|LLM|LML|MLL|LLH|LHL|HLL|MMM|MML|MLM|LMM|MMH|MHM|HMM|HHH|HHL|HLH|"
    "LHH|HHM|HMH|MHH";
constexpr std::string_view kOCSStraightItems =
    "OCS|OSC|COS|CSO|SOC|SCO|OOO|OOC|OCO|COO|OOS|OSO|SOO|CCC|CCO|COC|OCC|CCS|CSC|SCC|SSS|SSO|SOS|"
    "OSS|SSC|SCS|CSS";

struct ListRow {
    ListId id;
    std::string_view control, headingControl, heading, headingTip, tooltip;
    std::string_view items; // joined by "|"
    ShownIn shown;
    ReadIn read;
    std::optional<Family> family;
    std::string_view refusal;
    bool numeric, upperCase;
    ListColour colour;
};

std::string joined(std::span<const std::string_view> items) {
    std::string text;
    for (const auto item : items) {
        text += (text.empty() ? "" : "|") + std::string(item);
    }
    return text;
}

TEST(Catalogue, EveryListAsTheWindowShowsIt) {
    using enum ListId;
    using S = ShownIn;
    using R = ReadIn;
    using F = Family;
    constexpr auto Blue = ListColour::LightBlue;
    constexpr auto Orange = ListColour::LightOrange;
    constexpr std::string_view kWidths = "You can not exclude all Widths.";
    const std::vector<ListRow> rows{
        {DigitsWheel, "lstDigitsWheel", "", "", "", "Digits to be used to create boxed numbers.",
         kDigitItems, S::Both, R::NotAFilter, std::nullopt, "", true, false, Blue},
        {DigitsWheelPos1_0, "lstDigitsWheelPos1(0)", "lblPos1", "Pos. 1", "",
         "Digits for position 1", kDigitItems, S::Both, R::NotAFilter, std::nullopt, "", true,
         false, Orange},
        {DigitsWheelPos1_1, "lstDigitsWheelPos1(1)", "Label1", "Pos. 2", "",
         "Digits for position 2", kDigitItems, S::Both, R::NotAFilter, std::nullopt, "", true,
         false, Orange},
        {DigitsWheelPos1_2, "lstDigitsWheelPos1(2)", "Label8", "Pos. 3", "",
         "Digits for position 3 ", kDigitItems, S::Both, R::NotAFilter, std::nullopt, "", true,
         false, Orange},
        {SumDigits, "lstSumDigits", "Label4", "Sumdigits", "", kCommon, kSumItems, S::Both, R::Both,
         F::SumDigits, "You can not exclude all sumdigits.", true, false, Blue},
        {Root, "lstRoot", "Label3", "Root", "", kCommon, kDigitItems, S::Both, R::Both, F::Root,
         "You can not exclude all rootsums.", true, false, Blue},
        {LDR, "lstLDR", "Label2", "Shortsum (LDR)", "", kCommon, kDigitItems, S::Both, R::Both,
         F::LDR, "You can not exclude all LDR's (shortsums).", true, false, Blue},
        {Width, "lstWidth", "lblWidthLH", "Lowest- highest", "", kWidthTip, kDigitItems, S::Both,
         R::Both, F::Width, kWidths, true, false, Blue},
        {WidthLowestMiddle, "lstWidthLowestMiddle", "lblWidthLM", "Lowest- middle", "", kWidthTip,
         kDigitItems, S::Both, R::Both, F::WidthLM,
         "You can not exclude all Widths for Low-Middle digit.", true, false, Blue},
        {WidthMiddleHighest, "lstWidthMiddleHighest", "lblWidthMH", "Middle- highest", "",
         kWidthTip, kDigitItems, S::Both, R::Both, F::WidthMH,
         "You can not exclude all Widths for Middle-High digit.", true, false, Blue},
        {WidthXX_, "lstWidthXX_", "lblWidthXX_", "XX_", "", kWidthTip, kDigitItems, S::Positional,
         R::Both, F::WidthXX_, kWidths, true, false, Blue},
        {WidthX_X, "lstWidthX_X", "lblWidthX_X", "X_X", "", kWidthTip, kDigitItems, S::Positional,
         R::Both, F::WidthX_X, kWidths, true, false, Blue},
        {Width_XX, "lstWidth_XX", "lblWidth_XX", "_XX", "", kWidthTip, kDigitItems, S::Positional,
         R::Both, F::Width_XX, kWidths, true, false, Blue},
        {OddEven, "lstOddEven", "lblOddEven", "OddEven", "", kCommon,
         "All even|All odd|Mostly even|Mostly odd", S::AnyPosition, R::AnyPosition, F::OddEven,
         "You can not exclude all OddEven-patterns.", false, false, Blue},
        {OddEvenStraight, "lstOddEvenStraight", "lblOddEvenStraight", "OddEven", "", kCommon,
         "EEE|EEO|EOE|OEE|OOE|OEO|EOO|OOO", S::Positional, R::Positional, F::OddEven,
         "You can not exclude all OddEven-patterns.", false, false, Orange},
        {HighLow, "lstHighLow", "lblHighLow", "HighLow", "", kCommon,
         "All high|All low|Mostly high|Mostly low", S::AnyPosition, R::AnyPosition, F::HighLow,
         "You can not exclude all HighLow-patterns.", false, false, Blue},
        {HighLowStraight, "lstHighLowStraight", "lblHighLowStraight", "HighLow", "", kCommon,
         "HHH|HHL|HLH|LHH|LLH|LHL|HLL|LLL", S::Positional, R::Positional, F::HighLow,
         "You can not exclude all HighLow-patterns.", false, false, Orange},
        {InOut, "lstInOut", "Label11", "InOut", "", kInOutTip,
         "All IN|All OUT|Mostly IN|Mostly OUT", S::AnyPosition, R::AnyPosition, F::InOut,
         "You can not exclude all InOut-patterns.", false, true, Blue},
        {InOutStraight, "lstInOutStraight", "Label11", "InOut", "", kInOutTip,
         "III|IIO|IOI|OII|OOI|OIO|IOO|OOO", S::Positional, R::Positional, F::InOut,
         "You can not exclude all InOut-patterns.", false, false, Orange},
        {LMH, "lstLMH", "Label9", "LMH", kLMHTip, kLMHTip,
         "LLL|LLM|LLH|LMM|LHH|LMH|MMM|MMH|MHH|HHH", S::AnyPosition, R::AnyPosition, F::LMH,
         "You can not exclude all LMH-patterns.", false, false, Blue},
        {LMHStraight, "lstLMHStraight", "Label9", "LMH", kLMHTip, kLMHTip, kLMHStraightItems,
         S::Positional, R::Positional, F::LMH, "You can not exclude all LMH-patterns.", false,
         false, Orange},
        {OCS, "lstOCS", "Label10", "Open-Closed-Straight", kOCSTip, kOCSTip,
         "OOO|OOC|OOS|OCC|OSS|OCS|CCC|CCS|CSS|SSS", S::AnyPosition, R::AnyPosition, F::OCS,
         "You can not exclude all OCS-patterns.", false, false, Blue},
        {OCSStraight, "lstOCSStraight", "Label10", "Open-Closed-Straight", kOCSTip, kOCSTip,
         kOCSStraightItems, S::Positional, R::Positional, F::OCS,
         "You can not exclude all OCS-patterns.", false, false, Orange},
        {LMHDigits, "lstLMHDigits", "lblLMHDigits", "Digit-sort", kSortTip, kSortTip,
         "LMH|LHM|MLH|MHL|HLM|HML|LLH|LHL|HLL|LHH|HLH|HHL", S::Positional, R::Both, F::DigitSort,
         "You can not exclude all LMH-For Digits.", false, false, Blue},
        {HCBox, "lstHCBox", "Label12", "Box", "", "", "All hot|All cold|Mostly hot|Mostly cold",
         S::Never, R::AnyPosition, F::HotColdBox, "", false, true, Blue},
        {HCStraight, "lstHCStraight", "Label13", "Straight", "", "",
         "HHH|HHC|HCH|CHH|CCH|CHC|HCC|CCC", S::Never, R::Positional, F::HotColdStraight, "", false,
         false, Orange},
    };
    ASSERT_EQ(rows.size(), kListCount);
    ASSERT_EQ(catalogue().size(), kListCount);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        const ListEntry& e = listEntry(r.id);
        EXPECT_EQ(&e, &catalogue()[static_cast<std::size_t>(r.id)]);
        EXPECT_EQ(e.id, r.id);
        EXPECT_EQ(e.controlName, r.control);
        EXPECT_EQ(e.headingControl, r.headingControl);
        EXPECT_EQ(e.heading, r.heading);
        EXPECT_EQ(e.headingTooltip, r.headingTip);
        EXPECT_EQ(e.tooltip, r.tooltip);
        EXPECT_EQ(joined(e.items), r.items);
        EXPECT_EQ(e.shownIn, r.shown);
        EXPECT_EQ(e.readIn, r.read);
        EXPECT_EQ(e.family, r.family);
        EXPECT_EQ(e.refusal, r.refusal);
        EXPECT_EQ(e.numeric, r.numeric);
        EXPECT_EQ(e.upperCase, r.upperCase);
        EXPECT_EQ(e.colour, r.colour);
    }
}

TEST(Catalogue, FamilyListsInBothModes) {
    using enum ListId;
    const std::vector<std::tuple<Family, ListId, ListId>> rows{
        {Family::SumDigits, SumDigits, SumDigits},
        {Family::Root, Root, Root},
        {Family::DigitSort, LMHDigits, LMHDigits},
        {Family::WidthLM, WidthLowestMiddle, WidthLowestMiddle},
        {Family::WidthMH, WidthMiddleHighest, WidthMiddleHighest},
        {Family::Width, Width, Width},
        {Family::WidthXX_, WidthXX_, WidthXX_},
        {Family::WidthX_X, WidthX_X, WidthX_X},
        {Family::Width_XX, Width_XX, Width_XX},
        {Family::LDR, LDR, LDR},
        {Family::OCS, OCS, OCSStraight},
        {Family::LMH, LMH, LMHStraight},
        {Family::OddEven, OddEven, OddEvenStraight},
        {Family::HighLow, HighLow, HighLowStraight},
        {Family::InOut, InOut, InOutStraight},
        {Family::HotColdStraight, HCStraight, HCStraight},
        {Family::HotColdBox, HCBox, HCBox},
    };
    ASSERT_EQ(rows.size(), kFamilyCount);
    for (const auto& [family, anyPosition, positional] : rows) {
        SCOPED_TRACE(listEntry(positional).controlName);
        EXPECT_EQ(familyList(family, false), anyPosition);
        EXPECT_EQ(familyList(family, true), positional);
        // The list a family reads feeds that family back.
        EXPECT_EQ(listEntry(anyPosition).family, family);
        EXPECT_EQ(listEntry(positional).family, family);
    }
}

TEST(Catalogue, RefusesUnknownListsAndFamilies) {
    EXPECT_THROW(listEntry(static_cast<ListId>(kListCount)), std::invalid_argument);
    EXPECT_THROW(listEntry(static_cast<ListId>(-1)), std::invalid_argument);
    EXPECT_THROW(familyList(static_cast<Family>(kFamilyCount), true), std::invalid_argument);
}

// Items are matched character for character against labels: every label a
// number receives in a mode must stand exactly once in the list that mode reads,
// except the digit sort order of a triple ("LLL"), which has no item.
TEST(Catalogue, EveryLabelOfEveryNumberStandsOnceInItsList) {
    struct LabelOf {
        const char* name;
        ListId list;
        std::string (*label)(int, int, int);
    };
    const std::vector<LabelOf> labels{
        {"straight LMH", ListId::LMHStraight, lmhPattern},
        {"boxed LMH", ListId::LMH, lmhBoxed},
        {"straight OCS", ListId::OCSStraight, fnOCSPattern},
        {"boxed OCS", ListId::OCS, ocsBoxed},
        {"straight InOut", ListId::InOutStraight, fnInOutPattern},
        {"straight OddEven", ListId::OddEvenStraight, oddEvenPattern},
        {"boxed OddEven", ListId::OddEven, oddEvenLabel},
        {"straight HighLow", ListId::HighLowStraight, highLowPattern},
        {"boxed HighLow", ListId::HighLow, highLowLabel},
        {"digit sort", ListId::LMHDigits, fnDigitSortPattern},
    };
    // Boxed in/out items are upper-cased when read.
    auto upper = [](std::string_view s) {
        std::string u(s);
        for (char& c : u) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return u;
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        const ListEntry& e = listEntry(l.list);
        std::set<std::string> received;
        for (int n = 0; n < 1000; ++n) {
            const int a = n / 100, b = n / 10 % 10, c = n % 10;
            const std::string label = l.label(a, b, c);
            const auto hits = std::count(e.items.begin(), e.items.end(), label);
            if (l.list == ListId::LMHDigits && a == b && b == c) {
                EXPECT_EQ(hits, 0) << n;
            } else {
                EXPECT_EQ(hits, 1) << n << " " << label;
                received.insert(label);
            }
        }
        // And no item is dead: each one is the label of some number.
        EXPECT_EQ(received.size(), e.items.size());
    }
    const ListEntry& inOut = listEntry(ListId::InOut);
    std::set<std::string> items;
    for (const auto item : inOut.items) {
        items.insert(upper(item));
    }
    std::set<std::string> received;
    for (int n = 0; n < 1000; ++n) {
        received.insert(fnInOutLabel(n / 100, n / 10 % 10, n % 10));
    }
    EXPECT_EQ(received, items);
    const ListEntry& hotBox = listEntry(ListId::HCBox);
    std::set<std::string> hotItems;
    for (const auto item : hotBox.items) {
        hotItems.insert(upper(item));
    }
    EXPECT_EQ(hotItems, (std::set<std::string>{hotColdLabel(0), hotColdLabel(1), hotColdLabel(2),
                                               hotColdLabel(3)}));
    const ListEntry& hotStraight = listEntry(ListId::HCStraight);
    for (const int bits : {0, 1, 2, 3, 4, 5, 6, 7}) {
        const std::string pattern = hotColdPattern(bits & 4, bits & 2, bits & 1);
        EXPECT_EQ(std::count(hotStraight.items.begin(), hotStraight.items.end(), pattern), 1)
            << pattern;
    }
}

} // namespace
} // namespace pick3
