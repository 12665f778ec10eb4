#include "engine/Catalogue.h"

#include <stdexcept>

namespace pick3 {
namespace {

using SV = std::string_view;

constexpr std::array<SV, 10> kDigits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::array<SV, 28> kSums{"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                   "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
                                   "20", "21", "22", "23", "24", "25", "26", "27"};
constexpr std::array<SV, 4> kOddEven{"All even", "All odd", "Mostly even", "Mostly odd"};
constexpr std::array<SV, 8> kOddEvenStraight{"EEE", "EEO", "EOE", "OEE",
                                             "OOE", "OEO", "EOO", "OOO"};
constexpr std::array<SV, 4> kHighLow{"All high", "All low", "Mostly high", "Mostly low"};
constexpr std::array<SV, 8> kHighLowStraight{"HHH", "HHL", "HLH", "LHH",
                                             "LLH", "LHL", "HLL", "LLL"};
constexpr std::array<SV, 4> kInOut{"All IN", "All OUT", "Mostly IN", "Mostly OUT"};
constexpr std::array<SV, 8> kInOutStraight{"III", "IIO", "IOI", "OII", "OOI", "OIO", "IOO", "OOO"};
constexpr std::array<SV, 10> kLMH{"LLL", "LLM", "LLH", "LMM", "LHH",
                                  "LMH", "MMM", "MMH", "MHH", "HHH"};
// The six permutations first, then the patterns grouped by the repeated letter.
constexpr std::array<SV, 27> kLMHStraight{"LMH", "LHM", "MLH", "MHL", "HLM", "HML", "LLL",
                                          "LLM", "LML", "MLL", "LLH", "LHL", "HLL", "MMM",
                                          "MML", "MLM", "LMM", "MMH", "MHM", "HMM", "HHH",
                                          "HHL", "HLH", "LHH", "HHM", "HMH", "MHH"};
constexpr std::array<SV, 10> kOCS{"OOO", "OOC", "OOS", "OCC", "OSS",
                                  "OCS", "CCC", "CCS", "CSS", "SSS"};
constexpr std::array<SV, 27> kOCSStraight{"OCS", "OSC", "COS", "CSO", "SOC", "SCO", "OOO",
                                          "OOC", "OCO", "COO", "OOS", "OSO", "SOO", "CCC",
                                          "CCO", "COC", "OCC", "CCS", "CSC", "SCC", "SSS",
                                          "SSO", "SOS", "OSS", "SSC", "SCS", "CSS"};
constexpr std::array<SV, 12> kLMHDigits{"LMH", "LHM", "MLH", "MHL", "HLM", "HML",
                                        "LLH", "LHL", "HLL", "LHH", "HLH", "HHL"};
constexpr std::array<SV, 4> kHCBox{"All hot", "All cold", "Mostly hot", "Mostly cold"};
constexpr std::array<SV, 8> kHCStraight{"HHH", "HHC", "HCH", "CHH", "CCH", "CHC", "HCC", "CCC"};

constexpr SV kWidthTooltip = "Width between lowest and highest digit. If the created number fits "
                             "the item(s) selected, it will be filtered out";
constexpr SV kInOutTooltip = "I = 3, 4, 5, 6, 7   -   O = 0, 1, 2, 8, 9";
constexpr SV kOCSTooltip = "O: 2, 3, 5   -   C: 0, 6, 8, 9  -   S: 1, 4, 7";
constexpr SV kLMHTooltip = "L: 0, 1,  2   -   M: 3, 4, 5, 6   -   H: 7, 8, 9";
constexpr SV kDigitSortTooltip = "Sort order of the digits in the number. Example: 123 = LMH, "
                                 "132 = LHM, 312 = HLM, 233 = LHH, 232 = LHL, ...";

constexpr SV kMsgSum = "You can not exclude all sumdigits.";
constexpr SV kMsgRoot = "You can not exclude all rootsums.";
constexpr SV kMsgDigitSort = "You can not exclude all LMH-For Digits.";
constexpr SV kMsgWidthLM = "You can not exclude all Widths for Low-Middle digit.";
constexpr SV kMsgWidthMH = "You can not exclude all Widths for Middle-High digit.";
constexpr SV kMsgWidth = "You can not exclude all Widths.";
constexpr SV kMsgLDR = "You can not exclude all LDR's (shortsums).";
constexpr SV kMsgOCS = "You can not exclude all OCS-patterns.";
constexpr SV kMsgLMH = "You can not exclude all LMH-patterns.";
constexpr SV kMsgOddEven = "You can not exclude all OddEven-patterns.";
constexpr SV kMsgHighLow = "You can not exclude all HighLow-patterns.";
constexpr SV kMsgInOut = "You can not exclude all InOut-patterns.";

using enum ListId;
using enum ShownIn;
constexpr auto Blue = ListColour::LightBlue;
constexpr auto Orange = ListColour::LightOrange;
constexpr auto AnyR = ReadIn::AnyPosition;
constexpr auto PosR = ReadIn::Positional;
constexpr auto BothR = ReadIn::Both;

// clang-format off
const std::array<ListEntry, kListCount> kCatalogue{{
    {DigitsWheel, "lstDigitsWheel", "", "", "", "Digits to be used to create boxed numbers.",
     kDigits, Both, ReadIn::NotAFilter, std::nullopt, "", true, false, Blue},
    {DigitsWheelPos1_0, "lstDigitsWheelPos1(0)", "lblPos1", "Pos. 1", "", "Digits for position 1",
     kDigits, Both, ReadIn::NotAFilter, std::nullopt, "", true, false, Orange},
    {DigitsWheelPos1_1, "lstDigitsWheelPos1(1)", "Label1", "Pos. 2", "", "Digits for position 2",
     kDigits, Both, ReadIn::NotAFilter, std::nullopt, "", true, false, Orange},
    {DigitsWheelPos1_2, "lstDigitsWheelPos1(2)", "Label8", "Pos. 3", "", "Digits for position 3 ",
     kDigits, Both, ReadIn::NotAFilter, std::nullopt, "", true, false, Orange},
    {SumDigits, "lstSumDigits", "Label4", "Sumdigits", "", kCommonTooltip,
     kSums, Both, BothR, Family::SumDigits, kMsgSum, true, false, Blue},
    {Root, "lstRoot", "Label3", "Root", "", kCommonTooltip,
     kDigits, Both, BothR, Family::Root, kMsgRoot, true, false, Blue},
    {LDR, "lstLDR", "Label2", "Shortsum (LDR)", "", kCommonTooltip,
     kDigits, Both, BothR, Family::LDR, kMsgLDR, true, false, Blue},
    {Width, "lstWidth", "lblWidthLH", "Lowest- highest", "", kWidthTooltip,
     kDigits, Both, BothR, Family::Width, kMsgWidth, true, false, Blue},
    {WidthLowestMiddle, "lstWidthLowestMiddle", "lblWidthLM", "Lowest- middle", "", kWidthTooltip,
     kDigits, Both, BothR, Family::WidthLM, kMsgWidthLM, true, false, Blue},
    {WidthMiddleHighest, "lstWidthMiddleHighest", "lblWidthMH", "Middle- highest", "", kWidthTooltip,
     kDigits, Both, BothR, Family::WidthMH, kMsgWidthMH, true, false, Blue},
    {WidthXX_, "lstWidthXX_", "lblWidthXX_", "XX_", "", kWidthTooltip,
     kDigits, Positional, BothR, Family::WidthXX_, kMsgWidth, true, false, Blue},
    {WidthX_X, "lstWidthX_X", "lblWidthX_X", "X_X", "", kWidthTooltip,
     kDigits, Positional, BothR, Family::WidthX_X, kMsgWidth, true, false, Blue},
    {Width_XX, "lstWidth_XX", "lblWidth_XX", "_XX", "", kWidthTooltip,
     kDigits, Positional, BothR, Family::Width_XX, kMsgWidth, true, false, Blue},
    {OddEven, "lstOddEven", "lblOddEven", "OddEven", "", kCommonTooltip,
     kOddEven, AnyPosition, AnyR, Family::OddEven, kMsgOddEven, false, false, Blue},
    {OddEvenStraight, "lstOddEvenStraight", "lblOddEvenStraight", "OddEven", "", kCommonTooltip,
     kOddEvenStraight, Positional, PosR, Family::OddEven, kMsgOddEven, false, false, Orange},
    {HighLow, "lstHighLow", "lblHighLow", "HighLow", "", kCommonTooltip,
     kHighLow, AnyPosition, AnyR, Family::HighLow, kMsgHighLow, false, false, Blue},
    {HighLowStraight, "lstHighLowStraight", "lblHighLowStraight", "HighLow", "", kCommonTooltip,
     kHighLowStraight, Positional, PosR, Family::HighLow, kMsgHighLow, false, false, Orange},
    {InOut, "lstInOut", "Label11", "InOut", "", kInOutTooltip,
     kInOut, AnyPosition, AnyR, Family::InOut, kMsgInOut, false, true, Blue},
    {InOutStraight, "lstInOutStraight", "Label11", "InOut", "", kInOutTooltip,
     kInOutStraight, Positional, PosR, Family::InOut, kMsgInOut, false, false, Orange},
    {LMH, "lstLMH", "Label9", "LMH", kLMHTooltip, kLMHTooltip,
     kLMH, AnyPosition, AnyR, Family::LMH, kMsgLMH, false, false, Blue},
    {LMHStraight, "lstLMHStraight", "Label9", "LMH", kLMHTooltip, kLMHTooltip,
     kLMHStraight, Positional, PosR, Family::LMH, kMsgLMH, false, false, Orange},
    {OCS, "lstOCS", "Label10", "Open-Closed-Straight", kOCSTooltip, kOCSTooltip,
     kOCS, AnyPosition, AnyR, Family::OCS, kMsgOCS, false, false, Blue},
    {OCSStraight, "lstOCSStraight", "Label10", "Open-Closed-Straight", kOCSTooltip, kOCSTooltip,
     kOCSStraight, Positional, PosR, Family::OCS, kMsgOCS, false, false, Orange},
    {LMHDigits, "lstLMHDigits", "lblLMHDigits", "Digit-sort", kDigitSortTooltip, kDigitSortTooltip,
     kLMHDigits, Positional, BothR, Family::DigitSort, kMsgDigitSort, false, false, Blue},
    {HCBox, "lstHCBox", "Label12", "Box", "", "",
     kHCBox, Never, AnyR, Family::HotColdBox, "", false, true, Blue},
    {HCStraight, "lstHCStraight", "Label13", "Straight", "", "",
     kHCStraight, Never, PosR, Family::HotColdStraight, "", false, false, Orange},
}};
// clang-format on

} // namespace

std::span<const ListEntry> catalogue() {
    return kCatalogue;
}

const ListEntry& listEntry(ListId id) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kCatalogue.size()) {
        throw std::invalid_argument("unknown list");
    }
    return kCatalogue[index];
}

ListId familyList(Family family, bool positional) {
    switch (family) {
    case Family::SumDigits:
        return SumDigits;
    case Family::Root:
        return Root;
    case Family::DigitSort:
        return LMHDigits;
    case Family::WidthLM:
        return WidthLowestMiddle;
    case Family::WidthMH:
        return WidthMiddleHighest;
    case Family::Width:
        return Width;
    case Family::WidthXX_:
        return WidthXX_;
    case Family::WidthX_X:
        return WidthX_X;
    case Family::Width_XX:
        return Width_XX;
    case Family::LDR:
        return LDR;
    case Family::OCS:
        return positional ? OCSStraight : OCS;
    case Family::LMH:
        return positional ? LMHStraight : LMH;
    case Family::OddEven:
        return positional ? OddEvenStraight : OddEven;
    case Family::HighLow:
        return positional ? HighLowStraight : HighLow;
    case Family::InOut:
        return positional ? InOutStraight : InOut;
    case Family::HotColdStraight:
        return HCStraight;
    case Family::HotColdBox:
        return HCBox;
    }
    throw std::invalid_argument("unknown family");
}

} // namespace pick3
