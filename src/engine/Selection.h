#pragma once
// Reading the ticks of the filter lists into exclusion sets, refusing a list in
// which every item is ticked.

#include "engine/Catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// Tick state of one list, by row.
using Ticks = std::vector<bool>;

// The ticked items of one family, in list order: values for the numeric
// families, texts (upper-cased where the list says so) for the pattern families.
struct ExclusionSet {
    std::vector<int> values;
    std::vector<std::string> texts;

    int count() const { return static_cast<int>(values.size() + texts.size()); }
    bool empty() const { return values.empty() && texts.empty(); }
    bool contains(int value) const;
    bool contains(std::string_view text) const;
};

// Tick state of every catalogue list, indexed by ListId. Lists the caller does
// not set read as nothing ticked.
struct ListTicks {
    std::array<Ticks, kListCount> rows;

    Ticks& operator[](ListId id) { return rows[static_cast<std::size_t>(id)]; }
    const Ticks& operator[](ListId id) const { return rows[static_cast<std::size_t>(id)]; }
};

// Reads the ticked items of `list` into `set`. Returns false when every item is
// ticked (the list would throw out every number). An empty Ticks reads as
// nothing ticked; any other length than the list's item count throws
// std::invalid_argument.
bool readExclusionSet(ListId list, const Ticks& ticks, ExclusionSet& set);

// The two hot/cold sets; never refused.
struct HotColdSets {
    ExclusionSet straight;
    ExclusionSet box; // upper-cased: "MOSTLY HOT"
};
HotColdSets sbPick3HCFilterSettings(const Ticks& hcBox, const Ticks& hcStraight);

} // namespace pick3
