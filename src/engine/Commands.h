#pragma once
// The main window's two number commands, "Create numbers" and "Filter more",
// as pure functions of what the window's controls hold.

#include "engine/FilterTest.h"
#include "engine/OutputOrder.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pick3 {

// One item of the must-include list: its digit and whether it is ticked.
struct MustHaveItem {
    int digit = 0;
    bool ticked = false;
};

// What the main window's controls hold when a command starts.
struct MainInput {
    DigitMode mode = DigitMode::AnyPosition;
    ListTicks ticks; // every catalogue list, the digit lists included
    std::vector<MustHaveItem> mustHave;
    bool excludeSingles = false;
    bool excludeDoubles = false;
    bool excludeTriples = false;
    int iConsecMode = 0;
    bool chk0And9 = false;
    PairSets pairs;
    OutputOrder order;
    // Reads the hot digits from the hot/cold counter. Called at most once per
    // command, and only when the current mode's hot/cold set is not empty; when
    // unset, no digit is hot.
    std::function<HotDigits()> readHotDigits;
};

// What a command does to the window. `message` is a refusal to show in a
// message box (empty when none); `text` and `caption` are the new contents of
// the results box and the count label, unset where they stay as they are.
struct CommandResult {
    std::string message;
    std::optional<std::string> text;
    std::optional<std::string> caption;
    int count = 0;
};

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

// "Create numbers". On a refusal the text is set empty and the caption is left.
CommandResult createNumbers(const MainInput& input);

// "Filter more" over `text` (any length, any characters). On a refusal the
// text and the caption are left.
CommandResult filterMore(std::string_view text, const MainInput& input);

// Reads every filter list and the hot/cold lists into settings, in the reader
// order of the command; returns the first refusal message, or empty. Exposed
// for the tests and the benchmarks.
enum class ReaderOrder { Create, FilterMore };
std::string readFilterSettings(const MainInput& input, ReaderOrder order, FilterSettings& out);

} // namespace pick3
