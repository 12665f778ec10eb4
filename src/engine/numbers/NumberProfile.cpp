#include "engine/numbers/NumberProfile.h"

#include "engine/numbers/Labels.h"
#include "engine/numbers/Measures.h"

#include <algorithm>
#include <cstdlib>

namespace pick3 {

namespace {

std::uint16_t maskOf(const std::vector<int>& ranked) {
    std::uint16_t mask = 0;
    const std::size_t hot = std::min(kHotDigitsPerList, ranked.size());
    for (std::size_t i = 0; i < hot; ++i) {
        if (ranked[i] >= 0) { // an item that names no digit makes none hot
            mask = static_cast<std::uint16_t>(mask | (1U << checkDigit(ranked[i])));
        }
    }
    return mask;
}

} // namespace

HotDigits::HotDigits(const std::array<std::vector<int>, 3>& positions, const std::vector<int>& box)
    : masks_{maskOf(positions[0]), maskOf(positions[1]), maskOf(positions[2]), maskOf(box)} {}

bool HotDigits::isHotInPosition(int position, int digit) const {
    if (position < 0 || position > 2) {
        throw std::invalid_argument("position out of range 0 to 2");
    }
    return (masks_[static_cast<std::size_t>(position)] >> checkDigit(digit) & 1U) != 0;
}

bool HotDigits::isHotInBox(int digit) const {
    return (masks_[3] >> checkDigit(digit) & 1U) != 0;
}

std::array<bool, 3> hotPositions(int d1, int d2, int d3, DigitMode mode, const HotDigits& hot) {
    if (mode == DigitMode::Positional) {
        return {hot.isHotInPosition(0, d1), hot.isHotInPosition(1, d2), hot.isHotInPosition(2, d3)};
    }
    return {hot.isHotInBox(d1), hot.isHotInBox(d2), hot.isHotInBox(d3)};
}

std::string hotColdLabelOf(const std::array<bool, 3>& hot, DigitMode mode) {
    if (mode == DigitMode::Positional) {
        return hotColdPattern(hot[0], hot[1], hot[2]);
    }
    return hotColdLabel((hot[0] ? 1 : 0) + (hot[1] ? 1 : 0) + (hot[2] ? 1 : 0));
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

    if (mode == DigitMode::Positional) {
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
        p.sHotCold = hotColdLabelOf(hotPositions(d1, d2, d3, mode, *hot), mode);
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
