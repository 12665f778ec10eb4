#pragma once
// The main window's two number commands, "Create numbers" and "Filter more",
// as pure functions of what the window's controls hold.

#include "engine/numbers/FilterRule.h"
#include "engine/numbers/MustHaveList.h"
#include "engine/numbers/OutputOrder.h"
#include "engine/Result.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The filter settings a player chooses: what the main window holds, a set file
// keeps and a back-test tries. Each side adds what is its own.
struct FilterChoices {
    DigitMode mode = DigitMode::AnyPosition;
    ListTicks ticks; // every catalogue list, the digit lists and hot/cold patterns included
    bool excludeSingles = false;
    bool excludeDoubles = false;
    bool excludeTriples = false;
    int iConsecMode = 0;
    bool chk0And9 = false;
    PairSets pairs;
    OutputOrder order;
    bool operator==(const FilterChoices&) const = default;
};

// What the main window's controls hold when a command starts.
struct MainInput : FilterChoices {
    std::vector<MustHaveItem> mustHave;
    // Reads the hot digits from the hot/cold counter. Called at most once per
    // command, and only when the current mode's hot/cold set is not empty and a
    // number gets tested; when unset, no digit is hot.
    std::function<HotDigits()> readHotDigits;
};

// What a command does to the window: a refusal to show in a message box, and
// the new contents of the results box and the count label, unset where they
// stay as they are.
struct CommandResult {
    std::optional<std::string> refusal;
    std::optional<std::string> text;
    std::optional<std::string> caption;
    int count = 0;
};

// The ticked digits of a digit list, ascending ("0" to "9": the row is the digit).
std::vector<int> tickedDigits(const MainInput& input, ListId list);

// Reads the fifteen filter lists in the reader order of the command, refusing
// the first list with every item ticked, and both hot/cold lists. The hot
// digits and the must-include digits are left to the command.
enum class ReaderOrder { Create, FilterMore };
Result<FilterSettings> readFilterSettings(const MainInput& input, ReaderOrder order);

// "Create numbers" worked out up to its text: every candidate the digit choice
// builds (boxed combinations in any position, straight numbers in positional
// mode), every condition that throws candidates out, in the order the command
// applies them, and the numbers it creates.
struct Creation {
    FilterSettings settings;
    std::vector<Condition> conditions; // the digit choice, the structure boxes, the filter test's
    NumberSet space = {};              // what the command builds from all ten digits
    NumberSet created = {};
};
// Refused with the first refusal of the command, in its order: the digit
// choice, the must-include list, the filter lists, the three structure boxes.
Result<Creation> planCreation(const MainInput& input);

// "Create numbers". On a refusal the text is set empty and the caption is left.
CommandResult createNumbers(const MainInput& input);

// "Filter more" over `text` (any length, any characters). On a refusal the
// text and the caption are left.
CommandResult filterMore(std::string_view text, const MainInput& input);

// "Filter more" is offered once the results box holds more than three
// characters of the described text, in which a line break is CR LF: two.
inline bool fnFilterMoreEnabled(std::size_t characters, std::size_t lineBreaks) {
    return characters + lineBreaks > 3;
}

} // namespace pick3
