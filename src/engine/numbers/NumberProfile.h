#pragma once
// Every measure and label of one number that a filter compares, chosen by the
// digit mode.

#include "engine/Digits.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pick3 {

// The best-ranked digits of a hit list that count as hot; the other five are cold.
inline constexpr std::size_t kHotDigitsPerList = 5;

// The hot digits of the hot/cold counter: the first kHotDigitsPerList digits of
// each ranked list (fewer when a list is shorter, none when nothing was
// counted). Every other digit is cold.
class HotDigits {
  public:
    HotDigits() = default; // nothing counted: every digit is cold
    // The digits of lstPos1, lstPos2, lstPos3 and of lstBox, best-ranked first;
    // -1 stands for an item that names no digit.
    HotDigits(const std::array<std::vector<int>, 3>& positions, const std::vector<int>& box);

    bool isHotInPosition(int position, int digit) const; // position 0..2
    bool isHotInBox(int digit) const;
    bool operator==(const HotDigits&) const = default;

  private:
    std::array<std::uint16_t, 4> masks_{}; // bit d: digit d is hot; positions 1 to 3, then the box
};

// Which of the three digits are hot: each on its own position's ranking in
// positional mode, each on the box ranking in any position (so a repeated digit
// counts once per position).
std::array<bool, 3> hotPositions(int d1, int d2, int d3, DigitMode mode, const HotDigits& hot);
// The hot/cold label of those: "H" or "C" per position in positional mode
// ("HHC"), the count label of the hot ones in any position ("MOSTLY HOT").
std::string hotColdLabelOf(const std::array<bool, 3>& hot, DigitMode mode);

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
