#pragma once
// Every measure and label of one number that a filter compares, chosen by the
// digit mode.

#include "engine/Digits.h"

#include <array>
#include <string>
#include <vector>

namespace pick3 {

// The hot digits of the hot/cold counter: for each position list and for the
// box list, the digits of its first five items (at most five; fewer when the
// list is shorter, none when nothing was counted). Every other digit is cold.
struct HotDigits {
    std::array<std::vector<int>, 3> positions;
    std::vector<int> box;

    bool isHotInPosition(int position, int digit) const; // position 0..2
    bool isHotInBox(int digit) const;
};

struct NumberProfile {
    int iLowest = 0, iMiddle = 0, iHighest = 0;
    int iSumDigits = 0, iRoot = 0, iLDR = 0;
    int iWidth = 0, iWidthLM = 0, iWidthMH = 0;
    int iWidthXX_ = 0, iWidthX_X = 0, iWidth_XX = 0;
    std::string sLMHDigits, sLMH, sOCS, sInOut, sOddEven, sHighLow;
    std::string sHotCold; // empty unless hot digits were given
    std::string sPairXX_, sPair_XX, sPairX_X;
    std::array<std::string, 3> sBoxedPairs; // lowest+middle, lowest+highest, middle+highest
    int iConsec2 = 0, iConsec3 = 0;
};

// Builds the profile of d1 d2 d3 (position order). `hot` is consulted only when
// given: the caller passes it only when the current mode's hot/cold set is not
// empty; otherwise sHotCold stays empty. Throws std::invalid_argument for a
// digit outside 0..9.
NumberProfile makeProfile(int d1, int d2, int d3, DigitMode mode, bool zeroAndNine,
                          const HotDigits* hot);

} // namespace pick3
