// The per-number filter test: all twenty families in both digit modes, for
// creation (fnFitsFilters) and for "Filter more" (fnFitsFiltersAgain).

#include "engine/FilterTest.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;

FilterSettings noFilter(DigitMode mode) {
    FilterSettings s;
    s.mode = mode;
    s.mustInclude = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    return s;
}

using Configure = std::function<void(FilterSettings&)>;

Configure texts(Family family, std::vector<std::string> items) {
    return [=](FilterSettings& s) { s.set(family).texts = items; };
}
Configure values(Family family, std::vector<int> items) {
    return [=](FilterSettings& s) { s.set(family).values = items; };
}
Configure consec(int mode, bool zeroAndNine = false) {
    return [=](FilterSettings& s) {
        s.iConsecMode = mode;
        s.chk0And9 = zeroAndNine;
    };
}

// The rankings of the hot/cold counter: five best digits per list.
HotDigits ranked() {
    HotDigits hot;
    hot.positions[0] = {3, 8, 1, 0, 5};
    hot.positions[1] = {2, 4, 6, 7, 9};
    hot.positions[2] = {0, 1, 2, 3, 4};
    hot.box = {5, 1, 2, 3, 4};
    return hot;
}
Configure hotCold(Family family, std::vector<std::string> items) {
    return [=](FilterSettings& s) {
        s.set(family).texts = items;
        s.hot = ranked();
    };
}

struct FitRow {
    const char* name;
    DigitMode mode;
    Configure setup;
    int d1, d2, d3;
    bool fits;      // thrown out by "Create numbers"
    bool fitsAgain; // thrown out by "Filter more"
};

TEST(FilterTest, EveryFamilyInBothModes) {
    using F = Family;
    const Configure nothing = [](FilterSettings&) {};
    const std::vector<FitRow> rows{
        {"no filter, positional", kPos, nothing, 1, 2, 3, false, false},
        {"no filter, any position", kAny, nothing, 9, 9, 9, false, false},

        // 1. Straight pairs: positional only.
        {"left pair 12 throws out 123", kPos, [](auto& s) { s.pairs.left = {"12"}; }, 1, 2, 3, true,
         true},
        {"left pair 12 keeps 312", kPos, [](auto& s) { s.pairs.left = {"12"}; }, 3, 1, 2, false,
         false},
        {"left pair ignored in any position", kAny, [](auto& s) { s.pairs.left = {"12"}; }, 1, 2, 3,
         false, false},
        {"right pair 23", kPos, [](auto& s) { s.pairs.right = {"23"}; }, 1, 2, 3, true, true},
        {"right pair 23 keeps 231", kPos, [](auto& s) { s.pairs.right = {"23"}; }, 2, 3, 1, false,
         false},
        {"right pair ignored in any position", kAny, [](auto& s) { s.pairs.right = {"23"}; }, 1, 2,
         3, false, false},
        {"split pair 13", kPos, [](auto& s) { s.pairs.split = {"13"}; }, 1, 2, 3, true, true},
        {"split pair 13 keeps 132", kPos, [](auto& s) { s.pairs.split = {"13"}; }, 1, 3, 2, false,
         false},
        {"split pair ignored in any position", kAny, [](auto& s) { s.pairs.split = {"13"}; }, 1, 2,
         3, false, false},
        {"pair with a zero", kPos, [](auto& s) { s.pairs.left = {"07"}; }, 0, 7, 5, true, true},

        // 2. Boxed pairs: from the sorted digits, both modes.
        {"boxed 13: 123 positional", kPos, [](auto& s) { s.pairs.boxed = {"13"}; }, 1, 2, 3, true,
         true},
        {"boxed 13: 132 positional", kPos, [](auto& s) { s.pairs.boxed = {"13"}; }, 1, 3, 2, true,
         true},
        {"boxed 13: 313 any position", kAny, [](auto& s) { s.pairs.boxed = {"13"}; }, 3, 1, 3, true,
         true},
        {"boxed 13 keeps 124", kAny, [](auto& s) { s.pairs.boxed = {"13"}; }, 1, 2, 4, false,
         false},
        {"boxed 55 throws out 552", kAny, [](auto& s) { s.pairs.boxed = {"55"}; }, 5, 5, 2, true,
         true},
        {"boxed 31 is never a boxed pair", kAny, [](auto& s) { s.pairs.boxed = {"31"}; }, 1, 3, 5,
         false, false},

        // 3. Hot/cold: the set of the current mode only.
        {"straight HHC: 327", kPos, hotCold(F::HotColdStraight, {"HHC"}), 3, 2, 7, true, true},
        {"straight HHC keeps 999 (CHC)", kPos, hotCold(F::HotColdStraight, {"HHC"}), 9, 9, 9, false,
         false},
        {"straight CHC: 999", kPos, hotCold(F::HotColdStraight, {"CHC"}), 9, 9, 9, true, true},
        {"straight set ignored in any position", kAny, hotCold(F::HotColdStraight, {"CCC"}), 9, 9,
         9, false, false},
        {"box MOSTLY HOT: 559", kAny, hotCold(F::HotColdBox, {"MOSTLY HOT"}), 5, 5, 9, true, true},
        {"box MOSTLY HOT keeps 523", kAny, hotCold(F::HotColdBox, {"MOSTLY HOT"}), 5, 2, 3, false,
         false},
        {"box set ignored in positional", kPos, hotCold(F::HotColdBox, {"ALL HOT"}), 3, 2, 1, false,
         false},
        {"box ALL COLD with nothing counted", kAny,
         [](auto& s) { s.set(Family::HotColdBox).texts = {"ALL COLD"}; }, 6, 7, 8, true, true},

        // 4. Consecutive digits.
        {"must have: 124 kept", kAny, consec(1), 1, 2, 4, false, false},
        {"must have: 135 out", kAny, consec(1), 1, 3, 5, true, true},
        {"exclude: 124 out", kPos, consec(2), 4, 2, 1, true, true},
        {"exclude: 135 kept", kPos, consec(2), 1, 3, 5, false, false},
        {"exclude: 909 kept without 0-9", kPos, consec(2), 9, 0, 9, false, false},
        {"exclude: 909 out with 0-9", kPos, consec(2, true), 9, 0, 9, true, true},
        {"must have 2: 124 kept", kAny, consec(3), 1, 2, 4, false, false},
        {"must have 2: 123 out (run)", kAny, consec(3), 1, 2, 3, true, true},
        {"must have 2: 135 out (no pair)", kAny, consec(3), 1, 3, 5, true, true},
        {"must have 2: 902 kept with 0-9", kAny, consec(3, true), 9, 0, 2, false, false},
        {"must have 2: 902 out without 0-9", kAny, consec(3), 9, 0, 2, true, true},
        {"must have 2: 901 out with 0-9 (run)", kPos, consec(3, true), 9, 0, 1, true, true},
        {"doesn't matter", kPos, consec(0, true), 1, 2, 3, false, false},

        // 5-8. Pattern families.
        {"boxed LMH LLM: 321", kAny, texts(F::LMH, {"LLM"}), 3, 2, 1, true, true},
        {"straight LMH LLM keeps 321 (MLL)", kPos, texts(F::LMH, {"LLM"}), 3, 2, 1, false, false},
        {"straight LMH LLM: 113", kPos, texts(F::LMH, {"LLM"}), 1, 1, 3, true, true},
        {"boxed OCS OOS: 123", kAny, texts(F::OCS, {"OOS"}), 1, 2, 3, true, true},
        {"straight OCS OOS: 321", kPos, texts(F::OCS, {"OOS"}), 3, 2, 1, true, true},
        {"straight OCS OOS keeps 123 (SOO)", kPos, texts(F::OCS, {"OOS"}), 1, 2, 3, false, false},
        {"boxed in/out MOSTLY OUT: 390", kAny, texts(F::InOut, {"MOSTLY OUT"}), 3, 9, 0, true,
         true},
        {"straight in/out IOO: 390", kPos, texts(F::InOut, {"IOO"}), 3, 9, 0, true, true},
        {"straight in/out IOO keeps 039", kPos, texts(F::InOut, {"IOO"}), 0, 3, 9, false, false},
        {"digit sort HML: 321 positional", kPos, texts(F::DigitSort, {"HML"}), 3, 2, 1, true, true},
        {"digit sort HML: 321 any position", kAny, texts(F::DigitSort, {"HML"}), 3, 2, 1, true,
         true},
        {"digit sort HML keeps 123", kAny, texts(F::DigitSort, {"HML"}), 1, 2, 3, false, false},
        {"digit sort never throws out a triple", kPos,
         texts(F::DigitSort,
               {"LMH", "LHM", "MLH", "MHL", "HLM", "HML", "LLH", "LHL", "HLL", "LHH", "HLH"}),
         4, 4, 4, false, false},

        // 9-17. Numeric families, 710 and its any-position order 017.
        {"shortsum 9: 775", kAny, values(F::LDR, {9}), 7, 7, 5, true, true},
        {"shortsum 8 keeps 775", kAny, values(F::LDR, {8}), 7, 7, 5, false, false},
        {"width 7: 710", kPos, values(F::Width, {7}), 7, 1, 0, true, true},
        {"width low-middle 1: 710", kAny, values(F::WidthLM, {1}), 7, 1, 0, true, true},
        {"width middle-high 6: 710", kPos, values(F::WidthMH, {6}), 7, 1, 0, true, true},
        {"width middle-high 1 keeps 710", kPos, values(F::WidthMH, {1}), 7, 1, 0, false, false},
        {"width XX_ 6: 710", kPos, values(F::WidthXX_, {6}), 7, 1, 0, true, true},
        {"width XX_ 6 keeps 017", kAny, values(F::WidthXX_, {6}), 0, 1, 7, false, false},
        {"width XX_ 1: 017", kAny, values(F::WidthXX_, {1}), 0, 1, 7, true, true},
        {"width X_X 7: 710", kPos, values(F::WidthX_X, {7}), 7, 1, 0, true, true},
        {"width _XX 1: 710", kPos, values(F::Width_XX, {1}), 7, 1, 0, true, true},
        {"width _XX 6: 017", kAny, values(F::Width_XX, {6}), 0, 1, 7, true, true},
        {"root 8: 710", kAny, values(F::Root, {8}), 7, 1, 0, true, true},
        {"root 1: 775 (sum 19)", kPos, values(F::Root, {1}), 7, 7, 5, true, true},
        {"sum 3 or 8: 710", kPos, values(F::SumDigits, {3, 8}), 7, 1, 0, true, true},
        {"sum 27: 999", kAny, values(F::SumDigits, {27}), 9, 9, 9, true, true},
        {"sum 26 keeps 999", kAny, values(F::SumDigits, {26}), 9, 9, 9, false, false},

        // 18-19. Odd/even and high/low.
        {"boxed odd/even Mostly odd: 710", kAny, texts(F::OddEven, {"Mostly odd"}), 7, 1, 0, true,
         true},
        {"straight odd/even OOE: 710", kPos, texts(F::OddEven, {"OOE"}), 7, 1, 0, true, true},
        {"straight odd/even OOE keeps 071", kPos, texts(F::OddEven, {"OOE"}), 0, 7, 1, false,
         false},
        {"boxed high/low Mostly low: 710", kAny, texts(F::HighLow, {"Mostly low"}), 7, 1, 0, true,
         true},
        {"straight high/low HLL: 710", kPos, texts(F::HighLow, {"HLL"}), 7, 1, 0, true, true},
        {"a boxed label never matches in positional", kPos, texts(F::HighLow, {"Mostly low"}), 7, 1,
         0, false, false},

        // 20. Must include: creation only.
        {"must include 7 throws out 123", kAny, [](auto& s) { s.mustInclude = {7}; }, 1, 2, 3, true,
         false},
        {"must include 7 keeps 710", kPos, [](auto& s) { s.mustInclude = {7}; }, 7, 1, 0, false,
         false},
        {"must include 3 or 9 keeps 993", kAny,
         [](auto& s) {
             s.mustInclude = {3, 9};
         },
         9, 9, 3, false, false},
        {"empty must include throws out everything", kPos, [](auto& s) { s.mustInclude = {}; }, 1,
         2, 3, true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        FilterSettings s = noFilter(r.mode);
        r.setup(s);
        EXPECT_EQ(fnFitsFilters(r.d1, r.d2, r.d3, s), r.fits);
        EXPECT_EQ(fnFitsFiltersAgain(r.d1, r.d2, r.d3, s), r.fitsAgain);
    }
}

// With every family holding some items at random, a number is thrown out
// exactly when one of its profile fields is in its family's set; and the two
// tests agree whenever the must-include list holds every digit.
TEST(FilterTest, AgreesWithTheProfileUnderRandomSettings) {
    std::mt19937 gen(7u);
    auto coin = [&](int in) { return std::uniform_int_distribution<int>(0, in - 1)(gen) == 0; };
    auto pick = [&](Family family, DigitMode mode, FilterSettings& s) {
        const ListEntry& e = listEntry(familyList(family, mode == kPos));
        for (const auto item : e.items) {
            if (!coin(6)) {
                continue;
            }
            if (e.numeric) {
                s.set(family).values.push_back(std::stoi(std::string(item)));
            } else {
                std::string text(item);
                if (e.upperCase) {
                    for (char& c : text) {
                        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                    }
                }
                s.set(family).texts.push_back(text);
            }
        }
    };
    for (int round = 0; round < 24; ++round) {
        const DigitMode mode = round % 2 == 0 ? kPos : kAny;
        FilterSettings s = noFilter(mode);
        for (std::size_t f = 0; f < kFamilyCount; ++f) {
            pick(static_cast<Family>(f), mode, s);
        }
        s.iConsecMode = round % 4;
        s.chk0And9 = round % 3 == 0;
        s.hot = ranked();
        s.pairs.left = {"12", "90"};
        s.pairs.boxed = {"47"};
        for (int n = 0; n < 1000; ++n) {
            const int a = n / 100, b = n / 10 % 10, c = n % 10;
            const Family hcFamily = mode == kPos ? Family::HotColdStraight : Family::HotColdBox;
            const bool hcInUse = !s.set(hcFamily).empty();
            const NumberProfile p =
                makeProfile(a, b, c, mode, s.chk0And9, hcInUse ? &*s.hot : nullptr);
            bool expected =
                (mode == kPos && (p.sPairXX_ == "12" || p.sPairXX_ == "90")) ||
                p.sBoxedPairs[0] == "47" || p.sBoxedPairs[1] == "47" || p.sBoxedPairs[2] == "47" ||
                (hcInUse && s.set(hcFamily).contains(p.sHotCold)) ||
                s.set(Family::LMH).contains(p.sLMH) || s.set(Family::OCS).contains(p.sOCS) ||
                s.set(Family::InOut).contains(p.sInOut) ||
                s.set(Family::DigitSort).contains(p.sLMHDigits) ||
                s.set(Family::OddEven).contains(p.sOddEven) ||
                s.set(Family::HighLow).contains(p.sHighLow) ||
                s.set(Family::LDR).contains(p.iLDR) || s.set(Family::Width).contains(p.iWidth) ||
                s.set(Family::WidthLM).contains(p.iWidthLM) ||
                s.set(Family::WidthMH).contains(p.iWidthMH) ||
                s.set(Family::WidthXX_).contains(p.iWidthXX_) ||
                s.set(Family::WidthX_X).contains(p.iWidthX_X) ||
                s.set(Family::Width_XX).contains(p.iWidth_XX) ||
                s.set(Family::Root).contains(p.iRoot) ||
                s.set(Family::SumDigits).contains(p.iSumDigits);
            switch (s.iConsecMode) {
            case 1:
                expected = expected || p.iConsec2 != 2;
                break;
            case 2:
                expected = expected || p.iConsec2 == 2;
                break;
            case 3:
                expected = expected || p.iConsec2 != 2 || p.iConsec3 == 3;
                break;
            default:
                break;
            }
            ASSERT_EQ(fnFitsFiltersAgain(a, b, c, s), expected) << "round " << round << " " << n;
            ASSERT_EQ(fnFitsFilters(a, b, c, s), expected) << "round " << round << " " << n;
        }
    }
}

TEST(FilterTest, RefusesBadInput) {
    const FilterSettings s = noFilter(kPos);
    FilterSettings badMode = noFilter(kAny);
    badMode.iConsecMode = 4;
    FilterSettings badMustInclude = noFilter(kAny);
    badMustInclude.mustInclude = {12};
    FilterSettings negativeMode = noFilter(kAny);
    negativeMode.iConsecMode = -1;
    const std::vector<std::pair<const char*, std::function<void()>>> calls{
        {"digit 10", [&] { fnFitsFilters(10, 0, 0, s); }},
        {"digit -1 again", [&] { fnFitsFiltersAgain(0, 0, -1, s); }},
        {"consecutive mode 4", [&] { fnFitsFilters(1, 2, 3, badMode); }},
        {"consecutive mode -1 again", [&] { fnFitsFiltersAgain(1, 2, 3, negativeMode); }},
        {"must-include digit 12", [&] { fnFitsFilters(1, 2, 3, badMustInclude); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_THROW(call(), std::invalid_argument) << name;
    }
}

} // namespace
} // namespace pick3
