#pragma once
// A filter set: everything "Create numbers" reads, kept in a text file that a
// player can read, edit and hand to a friend. The file is UTF-8, one
// "name: values" line per setting, lists and items named by their headings and
// texts (never by row), so a set stays right when an item moves.

#include "engine/numbers/Commands.h"
#include "engine/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The settings of a set. Every list's ticks have the list's length.
struct FilterSet : FilterChoices {
    std::vector<int> mustInclude; // the ticked digits of the must-include list, ascending
    bool operator==(const FilterSet&) const = default;
};

// "Pick3 Tallymoor filter set, version 1": the first line of every set file.
inline constexpr std::string_view kFilterSetHeader = "Pick3 Tallymoor filter set, version ";
inline constexpr int kFilterSetVersion = 1;
inline constexpr std::string_view kFilterSetEnd = "End of filter set";
inline constexpr std::size_t kFilterSetMaxBytes = 1'000'000;

// The set the window's controls hold.
FilterSet filterSetOf(const MainInput& input);
// The must-include list that the set's digits build, with the set's ticks on it.
std::vector<MustHaveItem> mustHaveOf(const FilterSet& set);

// The name of a list in a set file ("Sumdigits", "OddEven by position").
std::string_view setKeyOf(ListId list);

// The whole file: every setting on its line, the empty lists too, CR LF line breaks.
std::string writeFilterSet(const FilterSet& set);

// Reads a whole file. Any bytes are safe; a file that is empty, binary, of
// another kind, from a newer version, cut short, or that holds anything but a
// known setting with values its list or control offers, is refused with a
// sentence naming the line and what was expected there.
Result<FilterSet> readFilterSet(std::string_view bytes);

} // namespace pick3
