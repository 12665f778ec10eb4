#include "engine/numbers/Pairs.h"

#include "engine/Digits.h"

#include <algorithm>

namespace pick3 {

namespace {

std::vector<std::string> makePairTexts(bool boxed) {
    std::vector<std::string> texts;
    for (int a = 0; a <= 9; ++a) {
        // Boxed pairs come from the sorted digits, so the second is never the smaller.
        for (int b = boxed ? a : 0; b <= 9; ++b) {
            texts.push_back(pairText(a, b));
        }
    }
    return texts;
}

std::string count(const PairSet& set) {
    return std::to_string(set.size());
}

} // namespace

const std::vector<std::string>& straightPairTexts() {
    static const std::vector<std::string> texts = makePairTexts(false);
    return texts;
}

const std::vector<std::string>& boxedPairTexts() {
    static const std::vector<std::string> texts = makePairTexts(true);
    return texts;
}

std::string straightPairsCaption(const PairSets& pairs) {
    return "Pairs - STRAIGHT ; LP: " + count(pairs.left) + "  RP: " + count(pairs.right) +
           "  SP: " + count(pairs.split);
}

std::string boxedPairsCaption(const PairSets& pairs) {
    return "Pairs - BOXED : " + count(pairs.boxed);
}

Ticks ticksForPairSet(const std::vector<std::string>& texts, const PairSet& set) {
    Ticks ticks(texts.size(), false);
    for (std::size_t row = 0; row < texts.size(); ++row) {
        ticks[row] = std::find(set.begin(), set.end(), texts[row]) != set.end();
    }
    return ticks;
}

PairSet pairSetFromTicks(const std::vector<std::string>& texts, const Ticks& ticks) {
    PairSet set;
    const std::size_t rows = std::min(texts.size(), ticks.size());
    for (std::size_t row = 0; row < rows; ++row) {
        if (ticks[row]) {
            set.push_back(texts[row]);
        }
    }
    return set;
}

} // namespace pick3
