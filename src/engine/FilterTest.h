#pragma once
// The per-number filter test: does a number fit a ticked filter item?

#include "engine/NumberProfile.h"
#include "engine/Selection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pick3 {

// Two-digit pair texts ("07"), in ascending pair order.
using PairSet = std::vector<std::string>;

struct PairSets {
    PairSet left;  // digits 1 and 2, positional mode only
    PairSet right; // digits 2 and 3, positional mode only
    PairSet split; // digits 1 and 3, positional mode only
    PairSet boxed; // two of the sorted digits, smaller first; both modes
};

// Everything the filter test compares a number with.
struct FilterSettings {
    DigitMode mode = DigitMode::AnyPosition;
    std::array<ExclusionSet, kFamilyCount> sets;
    int iConsecMode = 0; // 0 doesn't matter, 1 must have, 2 exclude, 3 must have 2
    bool chk0And9 = false;
    std::vector<int> mustInclude; // only fnFitsFilters uses it
    PairSets pairs;
    // Present only when the current mode's hot/cold set is not empty.
    std::optional<HotDigits> hot;

    ExclusionSet& set(Family f) { return sets[static_cast<std::size_t>(f)]; }
    const ExclusionSet& set(Family f) const { return sets[static_cast<std::size_t>(f)]; }
};

// True when the number is thrown out: by creation (must-include applies) ...
bool fnFitsFilters(int d1, int d2, int d3, const FilterSettings& settings);
// ... and by "Filter more" (no must-include family).
bool fnFitsFiltersAgain(int d1, int d2, int d3, const FilterSettings& settings);

} // namespace pick3
