#pragma once
// The catalogue of every list of the main window: control name, heading,
// tooltip, items in order, the family it feeds and its refusal message. The
// windows build their lists from this table; no list text lives anywhere else.

#include "engine/Digits.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace pick3 {

enum class ListId : int {
    DigitsWheel,
    DigitsWheelPos1_0,
    DigitsWheelPos1_1,
    DigitsWheelPos1_2,
    SumDigits,
    Root,
    LDR,
    Width,
    WidthLowestMiddle,
    WidthMiddleHighest,
    WidthXX_,
    WidthX_X,
    Width_XX,
    OddEven,
    OddEvenStraight,
    HighLow,
    HighLowStraight,
    InOut,
    InOutStraight,
    LMH,
    LMHStraight,
    OCS,
    OCSStraight,
    LMHDigits,
    HCBox,
    HCStraight, // the last list
};
inline constexpr std::size_t kListCount = static_cast<std::size_t>(ListId::HCStraight) + 1;
// The three position lists of positional mode, positions 1 to 3.
inline constexpr std::array<ListId, 3> kPositionLists{
    ListId::DigitsWheelPos1_0, ListId::DigitsWheelPos1_1, ListId::DigitsWheelPos1_2};

// The exclusion families: fifteen read by the filter readers, two hot/cold.
enum class Family : int {
    SumDigits,
    Root,
    DigitSort,
    WidthLM,
    WidthMH,
    Width,
    WidthXX_,
    WidthX_X,
    Width_XX,
    LDR,
    OCS,
    LMH,
    OddEven,
    HighLow,
    InOut,
    HotColdStraight,
    HotColdBox, // the last family
};
inline constexpr std::size_t kFamilyCount = static_cast<std::size_t>(Family::HotColdBox) + 1;

// In which digit mode a list is visible to the user.
enum class ShownIn { Both, AnyPosition, Positional, Never };
// In which digit mode the readers read a list into its family's set.
enum class ReadIn { Both, AnyPosition, Positional, NotAFilter };

enum class ListColour { LightBlue, LightOrange };

struct ListEntry {
    ListId id;
    std::string_view controlName;         // objectName, "lstDigitsWheelPos1(0)" for array members
    std::string_view headingControl = {}; // objectName of the label above it; shared by a list pair
    std::string_view heading = {};        // caption of that label; empty when the list has none
    std::string_view headingTooltip = {}; // tooltip of that label; empty when none
    std::string_view tooltip = {};        // tooltip of the list; empty when none
    std::span<const std::string_view> items;
    ShownIn shownIn = ShownIn::Both;
    ReadIn readIn = ReadIn::Both;
    std::optional<Family> family = std::nullopt; // none for the digit lists
    std::string_view refusal = {}; // message when every item is ticked; empty: never refused
    bool numeric = false;          // items are numbers, compared as numbers
    bool upperCase = false;        // items are upper-cased when read (boxed in/out and hot/cold)
    ListColour colour = ListColour::LightBlue;

    // Shown in one digit mode only; every mode switch unticks these.
    bool modeOnly() const {
        return shownIn == ShownIn::AnyPosition || shownIn == ShownIn::Positional;
    }
    bool shownInMode(DigitMode mode) const;
};

// Every list, in ListId order.
std::span<const ListEntry> catalogue();
// Throws std::invalid_argument for a value outside the enumeration.
const ListEntry& listEntry(ListId id);
// The list a family reads in a mode: the straight list in positional mode for
// the mode-dependent families. Throws std::invalid_argument for an unknown family.
ListId familyList(Family family, DigitMode mode);

// The caption and tooltip of an option or a check box.
struct ControlText {
    std::string_view controlName;
    std::string_view caption;
    std::string_view tooltip;
};
// optConsec(0) to (3): the consecutive-digits options; the index is iConsecMode.
inline constexpr std::array<ControlText, 4> kConsecOptions{{
    {"optConsec(0)", "Doesn't matter", "No filtering on numbers with consecutive digits"},
    {"optConsec(1)", "Must have", "Numbers created must have consecutive digits"},
    {"optConsec(2)", "Exclude", "Exclude any numbers with consecutive digits"},
    {"optConsec(3)", "Must have 2", "Numbers created must have consecutive digits"},
}};
// The check boxes that drop singles, doubles and triples, in Structure order.
inline constexpr std::array<ControlText, 3> kStructureBoxes{{
    {"chkExcludeSingles", "Exclude singles", "Exclude singles"},
    {"chkExcludeDoubles", "Exclude doubles", "Exclude doubles"},
    {"chkExcludeTriples", "Exclude trips", "Exclude triples"},
}};

// Texts shared by several controls.
inline constexpr std::string_view kCommonTooltip =
    "If the created number fits the item(s) selected, it will be filtered out";
inline constexpr std::string_view kWidthHeading = "Width";
inline constexpr std::string_view kWidthHeadingTooltip = "Width between lowest and highest digit";
inline constexpr std::string_view kFilterHeading = "Filtersettings (select to exclude)";

} // namespace pick3
