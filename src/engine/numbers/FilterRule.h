#pragma once
// The per-number filter test: does a number fit a ticked filter item? Each
// condition that the settings hold (a ticked item, a pair set, a hot/cold
// pattern, the consecutive option, the must-include digits) is the set of the
// numbers it throws out; a number is thrown out when it is in any of them.

#include "engine/numbers/NumberSets.h"
#include "engine/numbers/Pairs.h"
#include "engine/numbers/Selection.h"

#include <array>
#include <vector>

namespace pick3 {

// Everything the filter test compares a number with.
struct FilterSettings {
    DigitMode mode = DigitMode::AnyPosition;
    std::array<ExclusionSet, kFamilyCount> sets;
    int iConsecMode = 0; // 0 doesn't matter, 1 must have, 2 exclude, 3 must have 2
    bool chk0And9 = false;
    std::vector<int> mustInclude; // only fnFitsFilters uses it
    PairSets pairs;
    // Read from the counter only while the current mode's hot/cold set is not
    // empty; as it stands, nothing counted: every digit cold.
    HotDigits hot;

    ExclusionSet& set(Family f) { return sets[static_cast<std::size_t>(f)]; }
    const ExclusionSet& set(Family f) const { return sets[static_cast<std::size_t>(f)]; }
    // The hot/cold set the test uses: the straight one in positional mode, the box one otherwise.
    const ExclusionSet& hotColdSet() const;
};

// One thing that throws numbers out, and the numbers it throws out.
struct Condition {
    enum class Kind { DigitChoice, Structure, Pairs, HotCold, Consecutive, Item, MustInclude };
    Kind kind = Kind::Item;
    int position = -1;                       // DigitChoice: 0..2; -1 for the any-position list
    Structure structure = Structure::Single; // Structure
    PairKind pairKind = PairKind::Boxed;     // Pairs
    Family family = Family::SumDigits;       // Item and HotCold
    int row = -1;                            // Item and HotCold: the ticked item
    NumberSet thrownOut = {};
};

// The conditions of the filter test in the order it tries them: straight pairs
// (positional mode only), boxed pairs, hot/cold, consecutive, LMH, OCS, in/out,
// digit sort, shortsum, the six widths, root, sum, odd/even, high/low, and the
// must-include digits when they apply (creation, not "Filter more").
std::vector<Condition> filterConditions(const FilterSettings& settings, bool mustIncludeApplies);
// Every number that one of those conditions throws out.
NumberSet thrownOutBy(const FilterSettings& settings, bool mustIncludeApplies);

// True when the number is thrown out: by creation (must-include applies) ...
bool fnFitsFilters(int d1, int d2, int d3, const FilterSettings& settings);
// ... and by "Filter more" (no must-include family).
bool fnFitsFiltersAgain(int d1, int d2, int d3, const FilterSettings& settings);

} // namespace pick3
