#pragma once
// Two-digit pairs: the pair sets the pair dialogs fill, the texts they list and
// the captions of the main window's pair buttons.

#include "engine/numbers/Selection.h"

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
    bool operator==(const PairSets&) const = default;
};

// "00", "01", ... "99": the 100 straight pair texts, first digit ascending.
const std::vector<std::string>& straightPairTexts();
// "00" ... "09", "11" ... "99": the 55 boxed pairs, first digit not greater than the second.
const std::vector<std::string>& boxedPairTexts();

// "Pairs - STRAIGHT ; LP: 0  RP: 0  SP: 0"
std::string straightPairsCaption(const PairSets& pairs);
// "Pairs - BOXED : 0"
std::string boxedPairsCaption(const PairSets& pairs);

// The ticks that show `set` in a list of `texts`: every item whose text equals
// an entry is ticked; entries that are no item of the list tick nothing.
Ticks ticksForPairSet(const std::vector<std::string>& texts, const PairSet& set);
// The pair set a list's ticks stand for: the ticked items' texts in list order.
// Ticks beyond the end of `texts` are ignored; missing ticks read as unticked.
PairSet pairSetFromTicks(const std::vector<std::string>& texts, const Ticks& ticks);

} // namespace pick3
