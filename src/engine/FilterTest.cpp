#include "engine/FilterTest.h"

#include "engine/Labels.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {

namespace {

// A pair text is two characters: compared in place, not through a memcmp call.
bool inPairSet(const PairSet& set, const std::string& pair) {
    return std::any_of(set.begin(), set.end(), [&pair](const std::string& item) {
        return item.size() == 2 && item[0] == pair[0] && item[1] == pair[1];
    });
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

// Every field of a profile but the hot/cold label depends only on the digits,
// the digit mode and the "0 and 9" box. Building a profile costs far more than
// comparing it, so each of those 4,000 profiles is built once, on first use.
const NumberProfile& baseProfile(int d1, int d2, int d3, DigitMode mode, bool zeroAndNine) {
    static const std::vector<NumberProfile> kProfiles = [] {
        std::vector<NumberProfile> all;
        all.reserve(4000);
        for (const DigitMode m : {DigitMode::AnyPosition, DigitMode::Positional}) {
            for (const bool z : {false, true}) {
                for (int n = 0; n < 1000; ++n) {
                    all.push_back(makeProfile(n / 100, n / 10 % 10, n % 10, m, z, nullptr));
                }
            }
        }
        return all;
    }();
    const int index = (mode == DigitMode::Positional ? 2000 : 0) + (zeroAndNine ? 1000 : 0) +
                      checkDigit(d1) * 100 + checkDigit(d2) * 10 + checkDigit(d3);
    return kProfiles[static_cast<std::size_t>(index)];
}

// The hot/cold label as the profile builds it: letters by position in
// positional mode, the count label of the box ranking otherwise.
std::string hotColdOf(int d1, int d2, int d3, bool positional, const HotDigits& hot) {
    if (positional) {
        return hotColdPattern(hot.isHotInPosition(0, d1), hot.isHotInPosition(1, d2),
                              hot.isHotInPosition(2, d3));
    }
    return hotColdLabel((hot.isHotInBox(d1) ? 1 : 0) + (hot.isHotInBox(d2) ? 1 : 0) +
                        (hot.isHotInBox(d3) ? 1 : 0));
}

bool fits(int d1, int d2, int d3, const FilterSettings& s, bool mustIncludeApplies) {
    if (s.iConsecMode < 0 || s.iConsecMode > 3) {
        throw std::invalid_argument("consecutive mode out of range 0 to 3");
    }
    const bool positional = s.mode == DigitMode::Positional;
    const NumberProfile& p = baseProfile(d1, d2, d3, s.mode, s.chk0And9);

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
    // The hot/cold counter is consulted only while this mode's hot/cold set has
    // an item; without counted hit lists no digit is hot.
    const ExclusionSet& hotCold = s.set(positional ? Family::HotColdStraight : Family::HotColdBox);
    if (!hotCold.empty()) {
        static const HotDigits kNothingHot;
        if (hotCold.contains(hotColdOf(d1, d2, d3, positional, s.hot ? *s.hot : kNothingHot))) {
            return true;
        }
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
