#include "engine/numbers/NumberSets.h"

#include "engine/numbers/Measures.h"
#include "engine/numbers/Selection.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace pick3 {

namespace {

constexpr std::size_t kReaderFamilies = static_cast<std::size_t>(Family::InOut) + 1;
constexpr std::array kModes{DigitMode::AnyPosition, DigitMode::Positional};

std::size_t modeIndex(DigitMode mode) {
    return mode == DigitMode::Positional ? 1 : 0;
}

// The profile field that a family's items are compared with.
std::string labelOf(const NumberProfile& p, Family family) {
    switch (family) {
    case Family::SumDigits:
        return std::to_string(p.iSumDigits);
    case Family::Root:
        return std::to_string(p.iRoot);
    case Family::DigitSort:
        return p.sLMHDigits;
    case Family::WidthLM:
        return std::to_string(p.iWidthLM);
    case Family::WidthMH:
        return std::to_string(p.iWidthMH);
    case Family::Width:
        return std::to_string(p.iWidth);
    case Family::WidthXX_:
        return std::to_string(p.iWidthXX_);
    case Family::WidthX_X:
        return std::to_string(p.iWidthX_X);
    case Family::Width_XX:
        return std::to_string(p.iWidth_XX);
    case Family::LDR:
        return std::to_string(p.iLDR);
    case Family::OCS:
        return p.sOCS;
    case Family::LMH:
        return p.sLMH;
    case Family::OddEven:
        return p.sOddEven;
    case Family::HighLow:
        return p.sHighLow;
    case Family::InOut:
        return p.sInOut;
    case Family::HotColdStraight:
    case Family::HotColdBox:
        return p.sHotCold;
    }
    throw std::invalid_argument("unknown family");
}

bool consecutiveThrowsOut(const NumberProfile& p, int iConsecMode) {
    switch (iConsecMode) {
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

NumberProfile profileOf(int index, DigitMode mode, bool zeroAndNine) {
    const auto [d1, d2, d3] = digitsOf(index);
    return makeProfile(d1, d2, d3, mode, zeroAndNine, nullptr);
}

// Every set that depends on the number alone, built once on first use.
struct Tables {
    std::array<std::array<std::vector<NumberSet>, kReaderFamilies>, 2> rows;
    std::array<std::array<NumberSet, 100>, 4> pairs; // by PairKind, then pair value
    std::array<std::array<NumberSet, 4>, 2> consecutive;
    std::array<std::array<NumberSet, 10>, 3> digitAt;
    std::array<NumberSet, 10> holding;
    std::array<NumberSet, 3> structure;
    NumberSet boxedCandidates;

    Tables() {
        for (const DigitMode mode : kModes) {
            for (std::size_t f = 0; f < kReaderFamilies; ++f) {
                const ListId list = familyList(static_cast<Family>(f), mode);
                rows[modeIndex(mode)][f].resize(listEntry(list).items.size());
            }
        }
        for (int n = 0; n < kNumberCount; ++n) {
            addNumber(n);
        }
    }

    void addNumber(int n) {
        const auto [d1, d2, d3] = digitsOf(n);
        for (const DigitMode mode : kModes) {
            const NumberProfile p = profileOf(n, mode, false);
            for (std::size_t f = 0; f < kReaderFamilies; ++f) {
                const auto family = static_cast<Family>(f);
                const int row = rowOfLabel(familyList(family, mode), labelOf(p, family));
                if (row >= 0) { // a triple's digit sort "LLL" is no item
                    rows[modeIndex(mode)][f][static_cast<std::size_t>(row)].set(n);
                }
            }
        }
        const NumberProfile p = profileOf(n, DigitMode::Positional, false);
        const auto pairIndex = [](const std::string& text) {
            return static_cast<std::size_t>((text[0] - '0') * 10 + (text[1] - '0'));
        };
        pairs[0][pairIndex(p.sPairXX_)].set(n);
        pairs[1][pairIndex(p.sPair_XX)].set(n);
        pairs[2][pairIndex(p.sPairX_X)].set(n);
        for (const std::string& pair : p.sBoxedPairs) {
            pairs[3][pairIndex(pair)].set(n);
        }
        for (const bool zeroAndNine : {false, true}) {
            const NumberProfile q = profileOf(n, DigitMode::Positional, zeroAndNine);
            for (int mode = 1; mode <= 3; ++mode) {
                consecutive[zeroAndNine ? 1 : 0][static_cast<std::size_t>(mode)].set(
                    n, consecutiveThrowsOut(q, mode));
            }
        }
        const std::array<int, 3> digits{d1, d2, d3};
        for (std::size_t position = 0; position < 3; ++position) {
            digitAt[position][static_cast<std::size_t>(digits[position])].set(n);
            holding[static_cast<std::size_t>(digits[position])].set(n);
        }
        structure[static_cast<std::size_t>(structureOf(d1, d2, d3))].set(n);
        boxedCandidates.set(n, boxedCandidateOf(n) == n);
    }
};

const Tables& tables() {
    static const Tables kTables;
    return kTables;
}

std::size_t checkedIndex(int value, std::size_t size, const char* what) {
    if (value < 0 || static_cast<std::size_t>(value) >= size) {
        throw std::invalid_argument(std::string(what) + " out of range");
    }
    return static_cast<std::size_t>(value);
}

} // namespace

const NumberSet& numbersWithRow(DigitMode mode, Family family, int row) {
    const auto f = checkedIndex(static_cast<int>(family), kReaderFamilies, "reader family");
    const auto& rows = tables().rows[modeIndex(mode)][f];
    return rows[checkedIndex(row, rows.size(), "row")];
}

int hotColdRowOf(const std::array<bool, 3>& h, DigitMode mode) {
    // The label of each of the eight hot/cold combinations, looked up once.
    static const auto kRows = [] {
        std::array<std::array<int, 8>, 2> rows{};
        for (const DigitMode m : kModes) {
            const ListId list = m == DigitMode::Positional ? ListId::HCStraight : ListId::HCBox;
            for (std::size_t bits = 0; bits < 8; ++bits) {
                const std::array<bool, 3> combination{(bits & 4U) != 0, (bits & 2U) != 0,
                                                      (bits & 1U) != 0};
                rows[modeIndex(m)][bits] = rowOfLabel(list, hotColdLabelOf(combination, m));
            }
        }
        return rows;
    }();
    const std::size_t bits = (h[0] ? 4U : 0U) | (h[1] ? 2U : 0U) | (h[2] ? 1U : 0U);
    return kRows[modeIndex(mode)][bits];
}

int hotColdRow(int index, DigitMode mode, const HotDigits& hot) {
    const auto [d1, d2, d3] = digitsOf(index);
    return hotColdRowOf(hotPositions(d1, d2, d3, mode, hot), mode);
}

NumberSet numbersWithPair(PairKind kind, std::string_view pair) {
    if (pair.size() != 2 || pair[0] < '0' || pair[0] > '9' || pair[1] < '0' || pair[1] > '9') {
        return {};
    }
    const auto value = static_cast<std::size_t>((pair[0] - '0') * 10 + (pair[1] - '0'));
    return tables().pairs[static_cast<std::size_t>(kind)][value];
}

const NumberSet& thrownOutByConsecutive(int iConsecMode, bool zeroAndNine) {
    return tables()
        .consecutive[zeroAndNine ? 1 : 0][checkedIndex(iConsecMode, 4, "consecutive mode")];
}

const NumberSet& numbersWithDigitAt(int position, int digit) {
    return tables().digitAt[checkedIndex(position, 3, "position")]
                           [static_cast<std::size_t>(checkDigit(digit))];
}

const NumberSet& numbersHolding(int digit) {
    return tables().holding[static_cast<std::size_t>(checkDigit(digit))];
}

const NumberSet& numbersOfStructure(Structure structure) {
    return tables().structure[static_cast<std::size_t>(structure)];
}

const NumberSet& boxedCandidates() {
    return tables().boxedCandidates;
}

int boxedCandidateOf(int index) {
    checkedIndex(index, kNumberCount, "number");
    const auto [d1, d2, d3] = digitsOf(index);
    const SortedDigits s = sortDigits(d1, d2, d3);
    if (s.iLowest == s.iMiddle || s.iMiddle == s.iHighest) {
        // A double or a triple: the doubled digit twice, then the other.
        const int doubled = s.iMiddle;
        const int other = s.iLowest == s.iMiddle ? s.iHighest : s.iLowest;
        return numberIndex(doubled, doubled, other);
    }
    return numberIndex(s.iLowest, s.iMiddle, s.iHighest);
}

int arrangements(int index) {
    const auto [d1, d2, d3] = digitsOf(index);
    switch (structureOf(d1, d2, d3)) {
    case Structure::Single:
        return 6;
    case Structure::Double:
        return 3;
    case Structure::Triple:
        return 1;
    }
    return 0;
}

} // namespace pick3
