#include "engine/FilterTest.h"

#include <algorithm>
#include <stdexcept>

namespace pick3 {

namespace {

bool inPairSet(const PairSet& set, const std::string& pair) {
    return std::find(set.begin(), set.end(), pair) != set.end();
}

bool thrownOutByConsecutive(const NumberProfile& p, int mode) {
    switch (mode) {
    case 1:
        return p.iConsec2 != 2; // must have
    case 2:
        return p.iConsec2 == 2; // exclude
    case 3:
        return p.iConsec3 == 3 || p.iConsec2 != 2; // a pair, but no run of three
    default:
        return false;
    }
}

bool fits(int d1, int d2, int d3, const FilterSettings& s, bool mustIncludeApplies) {
    if (s.iConsecMode < 0 || s.iConsecMode > 3) {
        throw std::invalid_argument("consecutive mode out of range 0 to 3");
    }
    const bool positional = s.mode == DigitMode::Positional;
    const ExclusionSet& hotCold = s.set(positional ? Family::HotColdStraight : Family::HotColdBox);
    // The hot/cold counter is consulted only while this mode's hot/cold set has
    // an item; without counted hit lists no digit is hot.
    static const HotDigits kNothingHot;
    const HotDigits* hot = nullptr;
    if (!hotCold.empty()) {
        hot = s.hot ? &*s.hot : &kNothingHot;
    }
    const NumberProfile p = makeProfile(d1, d2, d3, s.mode, s.chk0And9, hot);

    if (positional &&
        (inPairSet(s.pairs.left, p.sPairXX_) || inPairSet(s.pairs.right, p.sPair_XX) ||
         inPairSet(s.pairs.split, p.sPairX_X))) {
        return true;
    }
    for (const std::string& pair : p.sBoxedPairs) {
        if (inPairSet(s.pairs.boxed, pair)) {
            return true;
        }
    }
    if (hot != nullptr && hotCold.contains(p.sHotCold)) {
        return true;
    }
    if (thrownOutByConsecutive(p, s.iConsecMode)) {
        return true;
    }
    if (s.set(Family::LMH).contains(p.sLMH) || s.set(Family::OCS).contains(p.sOCS) ||
        s.set(Family::InOut).contains(p.sInOut) ||
        s.set(Family::DigitSort).contains(p.sLMHDigits) ||
        s.set(Family::OddEven).contains(p.sOddEven) ||
        s.set(Family::HighLow).contains(p.sHighLow)) {
        return true;
    }
    if (s.set(Family::LDR).contains(p.iLDR) || s.set(Family::Width).contains(p.iWidth) ||
        s.set(Family::WidthLM).contains(p.iWidthLM) ||
        s.set(Family::WidthMH).contains(p.iWidthMH) ||
        s.set(Family::WidthXX_).contains(p.iWidthXX_) ||
        s.set(Family::WidthX_X).contains(p.iWidthX_X) ||
        s.set(Family::Width_XX).contains(p.iWidth_XX) || s.set(Family::Root).contains(p.iRoot) ||
        s.set(Family::SumDigits).contains(p.iSumDigits)) {
        return true;
    }
    if (mustIncludeApplies) {
        const auto& must = s.mustInclude;
        const bool hasOne = std::any_of(must.begin(), must.end(), [&](int m) {
            return checkDigit(m) == d1 || m == d2 || m == d3;
        });
        return !hasOne;
    }
    return false;
}

} // namespace

bool fnFitsFilters(int d1, int d2, int d3, const FilterSettings& settings) {
    return fits(d1, d2, d3, settings, true);
}

bool fnFitsFiltersAgain(int d1, int d2, int d3, const FilterSettings& settings) {
    return fits(d1, d2, d3, settings, false);
}

} // namespace pick3
