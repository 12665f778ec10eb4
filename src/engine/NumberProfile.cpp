#include "engine/NumberProfile.h"

#include "engine/Labels.h"
#include "engine/Measures.h"

#include <algorithm>
#include <cstdlib>

namespace pick3 {

namespace {

bool holds(const std::vector<int>& digits, int digit) {
    // Only the five best-ranked digits are hot, however many the caller passed.
    const auto end = digits.begin() + std::min<std::ptrdiff_t>(5, std::ssize(digits));
    return std::find(digits.begin(), end, digit) != end;
}

std::string pairText(int a, int b) {
    return {numeral(a), numeral(b)};
}

} // namespace

bool HotDigits::isHotInPosition(int position, int digit) const {
    if (position < 0 || position > 2) {
        throw std::invalid_argument("position out of range 0 to 2");
    }
    return holds(positions[static_cast<std::size_t>(position)], checkDigit(digit));
}

bool HotDigits::isHotInBox(int digit) const {
    return holds(box, checkDigit(digit));
}

NumberProfile makeProfile(int d1, int d2, int d3, DigitMode mode, bool zeroAndNine,
                          const HotDigits* hot) {
    NumberProfile p;
    const SortedDigits s = sortDigits(d1, d2, d3); // checks the digits
    p.iLowest = s.iLowest;
    p.iMiddle = s.iMiddle;
    p.iHighest = s.iHighest;
    p.iSumDigits = sumDigits(d1, d2, d3);
    p.iRoot = rootSum(d1, d2, d3);
    p.iLDR = shortSum(d1, d2, d3);
    p.iWidth = s.iHighest - s.iLowest;
    p.iWidthLM = s.iMiddle - s.iLowest;
    p.iWidthMH = s.iHighest - s.iMiddle;
    p.iWidthXX_ = std::abs(d1 - d2);
    p.iWidthX_X = std::abs(d1 - d3);
    p.iWidth_XX = std::abs(d2 - d3);
    p.sLMHDigits = fnDigitSortPattern(d1, d2, d3);

    const bool positional = mode == DigitMode::Positional;
    if (positional) {
        p.sLMH = lmhPattern(d1, d2, d3);
        p.sOCS = fnOCSPattern(d1, d2, d3);
        p.sInOut = fnInOutPattern(d1, d2, d3);
        p.sOddEven = oddEvenPattern(d1, d2, d3);
        p.sHighLow = highLowPattern(d1, d2, d3);
    } else {
        p.sLMH = lmhBoxed(d1, d2, d3);
        p.sOCS = ocsBoxed(d1, d2, d3);
        p.sInOut = fnInOutLabel(d1, d2, d3);
        p.sOddEven = oddEvenLabel(d1, d2, d3);
        p.sHighLow = highLowLabel(d1, d2, d3);
    }
    if (hot != nullptr) {
        if (positional) {
            p.sHotCold = hotColdPattern(hot->isHotInPosition(0, d1), hot->isHotInPosition(1, d2),
                                        hot->isHotInPosition(2, d3));
        } else {
            const int hotCount = (hot->isHotInBox(d1) ? 1 : 0) + (hot->isHotInBox(d2) ? 1 : 0) +
                                 (hot->isHotInBox(d3) ? 1 : 0);
            p.sHotCold = hotColdLabel(hotCount);
        }
    }
    p.sPairXX_ = pairText(d1, d2);
    p.sPair_XX = pairText(d2, d3);
    p.sPairX_X = pairText(d1, d3);
    p.sBoxedPairs = {pairText(s.iLowest, s.iMiddle), pairText(s.iLowest, s.iHighest),
                     pairText(s.iMiddle, s.iHighest)};
    p.iConsec2 = fnConsecutive2(s.iLowest, s.iMiddle, s.iHighest, zeroAndNine);
    p.iConsec3 = fnConsecutive3(s.iLowest, s.iMiddle, s.iHighest, zeroAndNine);
    return p;
}

} // namespace pick3
