#pragma once
// Sets of the 1,000 numbers, for a filter test by lookup: every label, pair and
// consecutive rule of a number is worked out once, from its profile, into the
// set of the numbers that have it. A command then joins the sets of what is
// ticked instead of comparing texts number by number.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/NumberProfile.h"

#include <bitset>
#include <string_view>

namespace pick3 {

// Bit n stands for the number with index n (097 is number 97).
using NumberSet = std::bitset<kNumberCount>;

// The numbers whose label in `family` (one of the fifteen reader families),
// judged in `mode`, is item `row` of the list the family reads in that mode.
const NumberSet& numbersWithRow(DigitMode mode, Family family, int row);

// The row of a hot/cold label in the hot/cold list of `mode` (lstHCStraight,
// lstHCBox): of a number's three hot-or-cold digits, and of number `index`
// under the given hot digits.
int hotColdRowOf(const std::array<bool, 3>& hotPositions, DigitMode mode);
int hotColdRow(int index, DigitMode mode, const HotDigits& hot);

enum class PairKind { Left, Right, Split, Boxed };
// The numbers whose pair of that kind is `pair` ("07"); none for a text that is no pair.
NumberSet numbersWithPair(PairKind kind, std::string_view pair);

// The numbers that the consecutive-digits option throws out: 1 "Must have",
// 2 "Exclude", 3 "Must have 2"; 0 "Doesn't matter" throws out none.
const NumberSet& thrownOutByConsecutive(int iConsecMode, bool zeroAndNine);

const NumberSet& numbersWithDigitAt(int position, int digit); // position 0..2
const NumberSet& numbersHolding(int digit);
const NumberSet& numbersOfStructure(Structure structure);

// The boxed combinations as "Create numbers" builds them from the any-position
// digits: singles ascending (123), doubles with the doubled digit first (112,
// 221) and triples; every combination once.
const NumberSet& boxedCandidates();
// The boxed candidate that number `index` stands for: 321 -> 123, 212 -> 221.
int boxedCandidateOf(int index);
// The straight numbers a boxed candidate covers: 6 for a single, 3 for a double, 1 for a triple.
int arrangements(int index);

} // namespace pick3
