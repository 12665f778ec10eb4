#include "engine/numbers/Selection.h"

#include <bit>
#include <cctype>
#include <charconv>
#include <stdexcept>

namespace pick3 {

namespace {

// An item as the filter compares it: upper-cased where the list says so.
std::string compared(const ListEntry& entry, std::string_view item) {
    std::string text(item);
    if (entry.upperCase) {
        for (char& c : text) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return text;
}

int valueOf(std::string_view item) {
    int value = 0;
    std::from_chars(item.data(), item.data() + item.size(), value);
    return value;
}

std::uint32_t tickedRows(const ListEntry& entry, const Ticks& ticks) {
    checkTicks(entry, ticks);
    std::uint32_t rows = 0;
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        if (ticks[row]) {
            rows |= 1U << row;
        }
    }
    return rows;
}

} // namespace

void checkTicks(const ListEntry& entry, const Ticks& ticks) {
    if (!ticks.empty() && ticks.size() != entry.items.size()) {
        throw std::invalid_argument("tick count does not match the list " +
                                    std::string(entry.controlName));
    }
}

int ExclusionSet::count() const {
    return std::popcount(rows_);
}

std::vector<int> ExclusionSet::values() const {
    std::vector<int> result;
    const ListEntry& entry = listEntry(list_);
    for (std::size_t row = 0; row < entry.items.size(); ++row) {
        if (entry.numeric && holdsRow(static_cast<int>(row))) {
            result.push_back(valueOf(entry.items[row]));
        }
    }
    return result;
}

std::vector<std::string> ExclusionSet::texts() const {
    std::vector<std::string> result;
    const ListEntry& entry = listEntry(list_);
    for (std::size_t row = 0; row < entry.items.size(); ++row) {
        if (!entry.numeric && holdsRow(static_cast<int>(row))) {
            result.push_back(compared(entry, entry.items[row]));
        }
    }
    return result;
}

bool ExclusionSet::contains(std::string_view label) const {
    return holdsRow(rowOfLabel(list_, label));
}

bool ExclusionSet::contains(int value) const {
    return contains(std::to_string(value));
}

int rowOfLabel(ListId list, std::string_view label) {
    const ListEntry& entry = listEntry(list);
    for (std::size_t row = 0; row < entry.items.size(); ++row) {
        if (compared(entry, entry.items[row]) == label) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

std::optional<ExclusionSet> readExclusionSet(ListId list, const Ticks& ticks) {
    const ListEntry& entry = listEntry(list);
    const ExclusionSet set(list, tickedRows(entry, ticks));
    if (static_cast<std::size_t>(set.count()) == entry.items.size()) {
        return std::nullopt;
    }
    return set;
}

HotColdSets sbPick3HCFilterSettings(const Ticks& hcBox, const Ticks& hcStraight) {
    return {ExclusionSet(ListId::HCStraight, tickedRows(listEntry(ListId::HCStraight), hcStraight)),
            ExclusionSet(ListId::HCBox, tickedRows(listEntry(ListId::HCBox), hcBox))};
}

} // namespace pick3
