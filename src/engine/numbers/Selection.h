#pragma once
// Reading the ticks of the filter lists into exclusion sets, refusing a list in
// which every item is ticked.

#include "engine/numbers/Catalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// Tick state of one list, by row.
using Ticks = std::vector<bool>;

// Tick state of every catalogue list, indexed by ListId. Lists the caller does
// not set read as nothing ticked.
struct ListTicks {
    std::array<Ticks, kListCount> rows;

    Ticks& operator[](ListId id) { return rows[static_cast<std::size_t>(id)]; }
    const Ticks& operator[](ListId id) const { return rows[static_cast<std::size_t>(id)]; }
    bool operator==(const ListTicks&) const = default;
};

// An empty Ticks reads as nothing ticked; any other length than the list's item
// count is a programmer's error: std::invalid_argument.
void checkTicks(const ListEntry& entry, const Ticks& ticks);

// The ticked items of one family, as read from one list: row r stands for item r.
class ExclusionSet {
  public:
    ExclusionSet() = default;
    ExclusionSet(ListId list, std::uint32_t rows) : list_(list), rows_(rows) {}

    ListId list() const { return list_; }
    std::uint32_t rows() const { return rows_; }
    bool holdsRow(int row) const { return row >= 0 && row < 32 && (rows_ >> row & 1U) != 0; }
    int count() const;
    bool empty() const { return rows_ == 0; }

    // The items as the filter compares them, in list order: the values of a
    // numeric list, the texts of the others (upper-cased where the list says so).
    std::vector<int> values() const;
    std::vector<std::string> texts() const;
    // True when an item equals `label` (character for character) or `value`.
    bool contains(std::string_view label) const;
    bool contains(int value) const;

  private:
    ListId list_ = ListId::SumDigits;
    std::uint32_t rows_ = 0;
};

// The row of the item of `list` that equals `label` as the filter compares them
// (after upper-casing where the list says so), or -1 when there is none.
int rowOfLabel(ListId list, std::string_view label);

// The ticked items of `list`; none when every item is ticked (the list would
// throw out every number), which the command refuses with the list's message.
std::optional<ExclusionSet> readExclusionSet(ListId list, const Ticks& ticks);

// The two hot/cold sets; never refused.
struct HotColdSets {
    ExclusionSet straight;
    ExclusionSet box; // upper-cased: "MOSTLY HOT"
};
HotColdSets sbPick3HCFilterSettings(const Ticks& hcBox, const Ticks& hcStraight);

} // namespace pick3
