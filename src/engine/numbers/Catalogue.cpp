#include "engine/numbers/Catalogue.h"

#include "engine/Messages.h"

#include <array>
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

using enum ListId;
using enum ShownIn;
constexpr auto kOrange = ListColour::LightOrange;

// The digit lists feed no family; every other list feeds the family it names,
// in the mode it is read in (a straight list in positional mode, its boxed
// twin in any position). The hot/cold store lists are read in both modes: each
// command reads both sets, and the filter test uses the one of its mode.
constexpr std::array kCatalogue = std::to_array<ListEntry>({
    {.id = DigitsWheel,
     .controlName = "lstDigitsWheel",
     .tooltip = "Digits to be used to create boxed numbers.",
     .items = kDigits,
     .readIn = ReadIn::NotAFilter,
     .numeric = true},
    {.id = DigitsWheelPos1_0,
     .controlName = "lstDigitsWheelPos1(0)",
     .headingControl = "lblPos1",
     .heading = "Pos. 1",
     .tooltip = "Digits for position 1",
     .items = kDigits,
     .readIn = ReadIn::NotAFilter,
     .numeric = true,
     .colour = kOrange},
    {.id = DigitsWheelPos1_1,
     .controlName = "lstDigitsWheelPos1(1)",
     .headingControl = "Label1",
     .heading = "Pos. 2",
     .tooltip = "Digits for position 2",
     .items = kDigits,
     .readIn = ReadIn::NotAFilter,
     .numeric = true,
     .colour = kOrange},
    {.id = DigitsWheelPos1_2,
     .controlName = "lstDigitsWheelPos1(2)",
     .headingControl = "Label8",
     .heading = "Pos. 3",
     .tooltip = "Digits for position 3 ",
     .items = kDigits,
     .readIn = ReadIn::NotAFilter,
     .numeric = true,
     .colour = kOrange},
    {.id = SumDigits,
     .controlName = "lstSumDigits",
     .headingControl = "Label4",
     .heading = "Sumdigits",
     .tooltip = kCommonTooltip,
     .items = kSums,
     .family = Family::SumDigits,
     .refusal = kMsgSum,
     .numeric = true},
    {.id = Root,
     .controlName = "lstRoot",
     .headingControl = "Label3",
     .heading = "Root",
     .tooltip = kCommonTooltip,
     .items = kDigits,
     .family = Family::Root,
     .refusal = kMsgRoot,
     .numeric = true},
    {.id = LDR,
     .controlName = "lstLDR",
     .headingControl = "Label2",
     .heading = "Shortsum (LDR)",
     .tooltip = kCommonTooltip,
     .items = kDigits,
     .family = Family::LDR,
     .refusal = kMsgLDR,
     .numeric = true},
    {.id = Width,
     .controlName = "lstWidth",
     .headingControl = "lblWidthLH",
     .heading = "Lowest- highest",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .family = Family::Width,
     .refusal = kMsgWidth,
     .numeric = true},
    {.id = WidthLowestMiddle,
     .controlName = "lstWidthLowestMiddle",
     .headingControl = "lblWidthLM",
     .heading = "Lowest- middle",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .family = Family::WidthLM,
     .refusal = kMsgWidthLM,
     .numeric = true},
    {.id = WidthMiddleHighest,
     .controlName = "lstWidthMiddleHighest",
     .headingControl = "lblWidthMH",
     .heading = "Middle- highest",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .family = Family::WidthMH,
     .refusal = kMsgWidthMH,
     .numeric = true},
    {.id = WidthXX_,
     .controlName = "lstWidthXX_",
     .headingControl = "lblWidthXX_",
     .heading = "XX_",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .shownIn = Positional,
     .family = Family::WidthXX_,
     .refusal = kMsgWidth,
     .numeric = true},
    {.id = WidthX_X,
     .controlName = "lstWidthX_X",
     .headingControl = "lblWidthX_X",
     .heading = "X_X",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .shownIn = Positional,
     .family = Family::WidthX_X,
     .refusal = kMsgWidth,
     .numeric = true},
    {.id = Width_XX,
     .controlName = "lstWidth_XX",
     .headingControl = "lblWidth_XX",
     .heading = "_XX",
     .tooltip = kWidthTooltip,
     .items = kDigits,
     .shownIn = Positional,
     .family = Family::Width_XX,
     .refusal = kMsgWidth,
     .numeric = true},
    {.id = OddEven,
     .controlName = "lstOddEven",
     .headingControl = "lblOddEven",
     .heading = "OddEven",
     .tooltip = kCommonTooltip,
     .items = kOddEven,
     .shownIn = AnyPosition,
     .readIn = ReadIn::AnyPosition,
     .family = Family::OddEven,
     .refusal = kMsgOddEven},
    {.id = OddEvenStraight,
     .controlName = "lstOddEvenStraight",
     .headingControl = "lblOddEvenStraight",
     .heading = "OddEven",
     .tooltip = kCommonTooltip,
     .items = kOddEvenStraight,
     .shownIn = Positional,
     .readIn = ReadIn::Positional,
     .family = Family::OddEven,
     .refusal = kMsgOddEven,
     .colour = kOrange},
    {.id = HighLow,
     .controlName = "lstHighLow",
     .headingControl = "lblHighLow",
     .heading = "HighLow",
     .tooltip = kCommonTooltip,
     .items = kHighLow,
     .shownIn = AnyPosition,
     .readIn = ReadIn::AnyPosition,
     .family = Family::HighLow,
     .refusal = kMsgHighLow},
    {.id = HighLowStraight,
     .controlName = "lstHighLowStraight",
     .headingControl = "lblHighLowStraight",
     .heading = "HighLow",
     .tooltip = kCommonTooltip,
     .items = kHighLowStraight,
     .shownIn = Positional,
     .readIn = ReadIn::Positional,
     .family = Family::HighLow,
     .refusal = kMsgHighLow,
     .colour = kOrange},
    {.id = InOut,
     .controlName = "lstInOut",
     .headingControl = "Label11",
     .heading = "InOut",
     .tooltip = kInOutTooltip,
     .items = kInOut,
     .shownIn = AnyPosition,
     .readIn = ReadIn::AnyPosition,
     .family = Family::InOut,
     .refusal = kMsgInOut,
     .upperCase = true},
    {.id = InOutStraight,
     .controlName = "lstInOutStraight",
     .headingControl = "Label11",
     .heading = "InOut",
     .tooltip = kInOutTooltip,
     .items = kInOutStraight,
     .shownIn = Positional,
     .readIn = ReadIn::Positional,
     .family = Family::InOut,
     .refusal = kMsgInOut,
     .colour = kOrange},
    {.id = LMH,
     .controlName = "lstLMH",
     .headingControl = "Label9",
     .heading = "LMH",
     .headingTooltip = kLMHTooltip,
     .tooltip = kLMHTooltip,
     .items = kLMH,
     .shownIn = AnyPosition,
     .readIn = ReadIn::AnyPosition,
     .family = Family::LMH,
     .refusal = kMsgLMH},
    {.id = LMHStraight,
     .controlName = "lstLMHStraight",
     .headingControl = "Label9",
     .heading = "LMH",
     .headingTooltip = kLMHTooltip,
     .tooltip = kLMHTooltip,
     .items = kLMHStraight,
     .shownIn = Positional,
     .readIn = ReadIn::Positional,
     .family = Family::LMH,
     .refusal = kMsgLMH,
     .colour = kOrange},
    {.id = OCS,
     .controlName = "lstOCS",
     .headingControl = "Label10",
     .heading = "Open-Closed-Straight",
     .headingTooltip = kOCSTooltip,
     .tooltip = kOCSTooltip,
     .items = kOCS,
     .shownIn = AnyPosition,
     .readIn = ReadIn::AnyPosition,
     .family = Family::OCS,
     .refusal = kMsgOCS},
    {.id = OCSStraight,
     .controlName = "lstOCSStraight",
     .headingControl = "Label10",
     .heading = "Open-Closed-Straight",
     .headingTooltip = kOCSTooltip,
     .tooltip = kOCSTooltip,
     .items = kOCSStraight,
     .shownIn = Positional,
     .readIn = ReadIn::Positional,
     .family = Family::OCS,
     .refusal = kMsgOCS,
     .colour = kOrange},
    {.id = LMHDigits,
     .controlName = "lstLMHDigits",
     .headingControl = "lblLMHDigits",
     .heading = "Digit-sort",
     .headingTooltip = kDigitSortTooltip,
     .tooltip = kDigitSortTooltip,
     .items = kLMHDigits,
     .shownIn = Positional,
     .family = Family::DigitSort,
     .refusal = kMsgDigitSort},
    {.id = HCBox,
     .controlName = "lstHCBox",
     .headingControl = "Label12",
     .heading = "Box",
     .items = kHCBox,
     .shownIn = Never,
     .family = Family::HotColdBox,
     .upperCase = true},
    {.id = HCStraight,
     .controlName = "lstHCStraight",
     .headingControl = "Label13",
     .heading = "Straight",
     .items = kHCStraight,
     .shownIn = Never,
     .family = Family::HotColdStraight,
     .colour = kOrange},
});

constexpr bool readInMode(ReadIn readIn, DigitMode mode) {
    return readIn == ReadIn::Both ||
           (readIn == ReadIn::AnyPosition && mode == DigitMode::AnyPosition) ||
           (readIn == ReadIn::Positional && mode == DigitMode::Positional);
}

// The lists that feed `family` in `mode`; there is exactly one (checked below).
constexpr int listsOf(Family family, DigitMode mode, ListId* found = nullptr) {
    int count = 0;
    for (const ListEntry& entry : kCatalogue) {
        if (entry.family == family && readInMode(entry.readIn, mode)) {
            ++count;
            if (found != nullptr) {
                *found = entry.id;
            }
        }
    }
    return count;
}

constexpr bool isNumeral(SV item) {
    if (item.empty()) {
        return false;
    }
    for (const char c : item) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The rules the table keeps: one row per list in ListId order, one list per
// family and mode, numeric lists of numerals only, and a refusal exactly for
// the lists the fifteen readers read.
constexpr bool tableIsSound() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const ListEntry& entry = kCatalogue[i];
        if (static_cast<std::size_t>(entry.id) != i) {
            return false;
        }
        bool numerals = true;
        for (const SV item : entry.items) {
            numerals = numerals && isNumeral(item);
        }
        const bool hotCold =
            entry.family == Family::HotColdBox || entry.family == Family::HotColdStraight;
        if (numerals != entry.numeric || (entry.family && !hotCold) == entry.refusal.empty()) {
            return false;
        }
    }
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
        for (const DigitMode mode : {DigitMode::AnyPosition, DigitMode::Positional}) {
            if (listsOf(static_cast<Family>(f), mode) != 1) {
                return false;
            }
        }
    }
    return true;
}
static_assert(kCatalogue.size() == kListCount, "one row per list");
static_assert(tableIsSound());

} // namespace

bool ListEntry::shownInMode(DigitMode mode) const {
    return shownIn == ShownIn::Both ||
           (shownIn == ShownIn::AnyPosition && mode == DigitMode::AnyPosition) ||
           (shownIn == ShownIn::Positional && mode == DigitMode::Positional);
}

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

namespace {
// The list of every family in each mode, worked out once, when compiling.
constexpr std::array<std::array<ListId, 2>, kFamilyCount> kFamilyLists = [] {
    std::array<std::array<ListId, 2>, kFamilyCount> table{};
    for (std::size_t f = 0; f < kFamilyCount; ++f) {
        listsOf(static_cast<Family>(f), DigitMode::AnyPosition, &table[f][0]);
        listsOf(static_cast<Family>(f), DigitMode::Positional, &table[f][1]);
    }
    return table;
}();
} // namespace

ListId familyList(Family family, DigitMode mode) {
    if (static_cast<std::size_t>(family) >= kFamilyCount) {
        throw std::invalid_argument("unknown family");
    }
    return kFamilyLists[static_cast<std::size_t>(family)][mode == DigitMode::Positional ? 1 : 0];
}

} // namespace pick3
