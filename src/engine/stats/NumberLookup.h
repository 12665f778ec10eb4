#pragma once
// One number looked up in a draw history: when it came straight and boxed,
// how long it has been away and the longest it stayed away, beside what the
// game's odds give, and how often its three pairs came.
//
//   readLookupNumber("123")            the number 123; "12" or "12a" refused
//   lookUpNumber(123, draws, newest)   its hits and skips in those draws
//   lookupText(lookup, draws, labelOf) the lines the hot/cold counter shows

#include "engine/Digits.h"
#include "engine/Draws.h"
#include "engine/numbers/HotCold.h"
#include "engine/Messages.h"
#include "engine/Result.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// The number a typed text stands for: exactly three digits, spaces around
// them allowed; anything else is refused with kMsgLookupNotThreeDigits.
Result<int> readLookupNumber(std::string_view typed);

// How a number (straight, or boxed in any order) came in a history. Skips are
// counted as the skip table counts them: the draws missed between two hits,
// the draws before the first hit and after the last one included.
struct HitSkips {
    double odds = 0.001;           // the chance that one draw brings it
    std::vector<std::size_t> hits; // the draws it came in, by place in the text, newest first
    std::size_t current = 0;       // draws since it last came; all of them when it never did
    std::size_t longest = 0;       // the most draws in a row without it
    // What a fair draw gives: (1 - p) / p draws away on average, n * p hits.
    double expectedSkip() const { return (1.0 - odds) / odds; }
};

// A pair of the number in its places: front 12x, back x23, split 1x3.
struct PairHits {
    std::string pattern;   // "12x"
    std::size_t hits = 0;  // draws whose digits stand in those two places
    double expected = 0.0; // draws / 100: 100 in 10,000 draws
};

struct NumberLookup {
    int number = 0;
    Structure kind = Structure::Single; // six-way, three-way or triple when boxed
    std::size_t draws = 0;
    NewestEnd newest = NewestEnd::First;
    HitSkips straight;
    HitSkips boxed; // any order, the straight hits included
    std::array<PairHits, 3> pairs;
};

// Throws std::invalid_argument unless 0 <= number <= 999.
NumberLookup lookUpNumber(int number, const DrawList& draws, NewestEnd newest);

// "six-way", "three-way", "triple".
std::string kindName(Structure kind);

// The lookup as lines ended by CR LF. A hit is named by labelOf(place) when it
// gives a text (the date and draw time of an imported history), else "draw 5"
// (its place in the text, counted from 1).
std::string lookupText(const NumberLookup& lookup, const DrawList& draws,
                       const std::function<std::string(std::size_t)>& labelOf = {});

} // namespace pick3
