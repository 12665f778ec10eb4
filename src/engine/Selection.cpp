#include "engine/Selection.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace pick3 {

namespace {

std::string upper(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

bool sameText(std::string_view a, std::string_view b) {
    // Items and labels are a few characters long: comparing them in place costs
    // a fraction of a library memcmp call, and the filter test makes thousands.
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

int valueOf(std::string_view item) {
    int value = 0;
    std::from_chars(item.data(), item.data() + item.size(), value);
    return value;
}

void checkLength(const ListEntry& entry, const Ticks& ticks) {
    if (!ticks.empty() && ticks.size() != entry.items.size()) {
        throw std::invalid_argument("tick count does not match the list " +
                                    std::string(entry.controlName));
    }
}

// Appends every ticked item of the list to the set; returns how many were ticked.
std::size_t readInto(const ListEntry& entry, const Ticks& ticks, ExclusionSet& set) {
    checkLength(entry, ticks);
    std::size_t ticked = 0;
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        if (!ticks[row]) {
            continue;
        }
        ++ticked;
        const std::string_view item = entry.items[row];
        if (entry.numeric) {
            set.values.push_back(valueOf(item));
        } else {
            set.texts.push_back(entry.upperCase ? upper(item) : std::string(item));
        }
    }
    return ticked;
}

} // namespace

bool ExclusionSet::contains(int value) const {
    return std::find(values.begin(), values.end(), value) != values.end();
}

bool ExclusionSet::contains(std::string_view text) const {
    return std::any_of(texts.begin(), texts.end(),
                       [text](const std::string& item) { return sameText(item, text); });
}

bool readExclusionSet(ListId list, const Ticks& ticks, ExclusionSet& set) {
    const ListEntry& entry = listEntry(list);
    set = {};
    const std::size_t ticked = readInto(entry, ticks, set);
    return ticked < entry.items.size();
}

HotColdSets sbPick3HCFilterSettings(const Ticks& hcBox, const Ticks& hcStraight) {
    HotColdSets sets;
    readInto(listEntry(ListId::HCBox), hcBox, sets.box);
    readInto(listEntry(ListId::HCStraight), hcStraight, sets.straight);
    return sets;
}

} // namespace pick3
