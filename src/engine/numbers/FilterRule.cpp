#include "engine/numbers/FilterRule.h"

#include <stdexcept>

namespace pick3 {

namespace {

// The fifteen item families in the order the filter test compares them.
constexpr std::array<Family, 15> kItemOrder{
    Family::LMH,      Family::OCS,     Family::InOut,     Family::DigitSort, Family::LDR,
    Family::Width,    Family::WidthLM, Family::WidthMH,   Family::WidthXX_,  Family::WidthX_X,
    Family::Width_XX, Family::Root,    Family::SumDigits, Family::OddEven,   Family::HighLow};

using Kind = Condition::Kind;

void addPairs(std::vector<Condition>& out, PairKind kind, const PairSet& set) {
    if (set.empty()) {
        return;
    }
    Condition c{.kind = Kind::Pairs, .pairKind = kind};
    for (const std::string& pair : set) {
        c.thrownOut |= numbersWithPair(kind, pair);
    }
    out.push_back(c);
}

void addHotCold(std::vector<Condition>& out, const FilterSettings& s) {
    const ExclusionSet& set = s.hotColdSet();
    if (set.empty()) {
        return; // the counter is consulted only while a pattern of this mode is ticked
    }
    // Each position judges its own digit, so the numbers hot at a position are
    // those holding one of the digits hot there; a label is one combination of
    // hot and cold positions.
    std::array<NumberSet, 3> hotAt;
    for (int d = 0; d <= 9; ++d) {
        const std::array<bool, 3> hot = hotPositions(d, d, d, s.mode, s.hot);
        for (int p = 0; p < 3; ++p) {
            if (hot[static_cast<std::size_t>(p)]) {
                hotAt[static_cast<std::size_t>(p)] |= numbersWithDigitAt(p, d);
            }
        }
    }
    std::array<NumberSet, 32> byRow;
    for (unsigned bits = 0; bits < 8; ++bits) {
        const std::array<bool, 3> h{(bits & 4U) != 0, (bits & 2U) != 0, (bits & 1U) != 0};
        NumberSet numbers;
        numbers.set();
        for (std::size_t p = 0; p < 3; ++p) {
            numbers &= h[p] ? hotAt[p] : ~hotAt[p];
        }
        byRow[static_cast<std::size_t>(hotColdRowOf(h, s.mode))] |= numbers;
    }
    const Family family =
        s.mode == DigitMode::Positional ? Family::HotColdStraight : Family::HotColdBox;
    for (int row = 0; row < 32; ++row) {
        if (set.holdsRow(row)) {
            out.push_back({.kind = Kind::HotCold,
                           .family = family,
                           .row = row,
                           .thrownOut = byRow[static_cast<std::size_t>(row)]});
        }
    }
}

void addItems(std::vector<Condition>& out, const FilterSettings& s, Family family) {
    const ExclusionSet& set = s.set(family);
    if (set.empty()) {
        return;
    }
    if (set.list() != familyList(family, s.mode)) {
        throw std::invalid_argument("exclusion set read from a list of the other mode");
    }
    for (int row = 0; row < 32; ++row) {
        if (set.holdsRow(row)) {
            out.push_back({.kind = Kind::Item,
                           .family = family,
                           .row = row,
                           .thrownOut = numbersWithRow(s.mode, family, row)});
        }
    }
}

} // namespace

const ExclusionSet& FilterSettings::hotColdSet() const {
    return set(mode == DigitMode::Positional ? Family::HotColdStraight : Family::HotColdBox);
}

std::vector<Condition> filterConditions(const FilterSettings& s, bool mustIncludeApplies) {
    std::vector<Condition> out;
    out.reserve(32);
    if (s.mode == DigitMode::Positional) {
        addPairs(out, PairKind::Left, s.pairs.left);
        addPairs(out, PairKind::Right, s.pairs.right);
        addPairs(out, PairKind::Split, s.pairs.split);
    }
    addPairs(out, PairKind::Boxed, s.pairs.boxed);
    addHotCold(out, s);
    if (const NumberSet& consecutive = thrownOutByConsecutive(s.iConsecMode, s.chk0And9);
        s.iConsecMode != 0) {
        out.push_back({.kind = Kind::Consecutive, .thrownOut = consecutive});
    }
    for (const Family family : kItemOrder) {
        addItems(out, s, family);
    }
    if (mustIncludeApplies) {
        // A number without one of the digits is thrown out; with no digit at all, every number.
        Condition c{.kind = Kind::MustInclude};
        c.thrownOut.set();
        for (const int digit : s.mustInclude) {
            c.thrownOut &= ~numbersHolding(digit);
        }
        out.push_back(c);
    }
    return out;
}

NumberSet thrownOutBy(const FilterSettings& settings, bool mustIncludeApplies) {
    NumberSet out;
    for (const Condition& c : filterConditions(settings, mustIncludeApplies)) {
        out |= c.thrownOut;
    }
    return out;
}

bool fnFitsFilters(int d1, int d2, int d3, const FilterSettings& settings) {
    return thrownOutBy(settings, true).test(static_cast<std::size_t>(numberIndex(d1, d2, d3)));
}

bool fnFitsFiltersAgain(int d1, int d2, int d3, const FilterSettings& settings) {
    return thrownOutBy(settings, false).test(static_cast<std::size_t>(numberIndex(d1, d2, d3)));
}

} // namespace pick3
