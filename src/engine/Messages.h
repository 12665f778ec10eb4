#pragma once
// Every refusal and notice the engine hands to a window, and the captions its
// commands write, in one place. Line breaks are CR LF.

#include <string_view>

namespace pick3 {

// A filter list with every item ticked would throw out every number.
inline constexpr std::string_view kMsgSum = "You can not exclude all sumdigits.";
inline constexpr std::string_view kMsgRoot = "You can not exclude all rootsums.";
inline constexpr std::string_view kMsgDigitSort = "You can not exclude all LMH-For Digits.";
inline constexpr std::string_view kMsgWidthLM =
    "You can not exclude all Widths for Low-Middle digit.";
inline constexpr std::string_view kMsgWidthMH =
    "You can not exclude all Widths for Middle-High digit.";
inline constexpr std::string_view kMsgWidth = "You can not exclude all Widths.";
inline constexpr std::string_view kMsgLDR = "You can not exclude all LDR's (shortsums).";
inline constexpr std::string_view kMsgOCS = "You can not exclude all OCS-patterns.";
inline constexpr std::string_view kMsgLMH = "You can not exclude all LMH-patterns.";
inline constexpr std::string_view kMsgOddEven = "You can not exclude all OddEven-patterns.";
inline constexpr std::string_view kMsgHighLow = "You can not exclude all HighLow-patterns.";
inline constexpr std::string_view kMsgInOut = "You can not exclude all InOut-patterns.";

// "Create numbers" of the main window.
inline constexpr std::string_view kMsgFourDigits =
    "Please select at least 4 digits from the list 'Use Digits'.";
inline constexpr std::string_view kMsgAllThreeLists = "Please select digits from all 3 lists.";
inline constexpr std::string_view kMsgMustInclude =
    "The Must Include list should at least have one digit selected.";
inline constexpr std::string_view kMsgNoStructure =
    "You have excluded singles, doubles and triples.\r\nThere are no numbers to create...";
inline constexpr std::string_view kAllExcludedNotice =
    "All created numbers were excluded by the filters.\r\n"
    "Adjust the filtersettings to produce numbers.";
inline constexpr std::string_view kCreatedCaption = "Numbers created: ";
inline constexpr std::string_view kRefilteredCaption = "Newly filtered numbers (";

// "Create numbers" of the hot/cold counter; its straight choice refuses with kMsgAllThreeLists.
inline constexpr std::string_view kMsgSelectBoxDigits =
    "Please select at least 3 digits from the list.";
inline constexpr std::string_view kMsgSelectKind =
    "You have not select any of the possible ways (6-ways, doubles, triples) to create numbers.";
inline constexpr std::string_view kCreatedNumbersPrefix = "Created numbers: ";

// Taking the numbers away: saving and printing them.
inline constexpr std::string_view kMsgNoNumbers =
    "The results box holds no numbers to take away.\r\n"
    "Create numbers first, or type or paste them into the box.";
inline constexpr std::string_view kRefusedSettingsPrefix =
    "none: \"Create numbers\" would refuse the settings as they stand: ";

// "Look up:" of the hot/cold counter.
inline constexpr std::string_view kMsgLookupNotThreeDigits =
    "Type a number of three digits, such as 123 or 097.";
inline constexpr std::string_view kMsgLookupNoDraws = "Count a draw history first.";

} // namespace pick3
