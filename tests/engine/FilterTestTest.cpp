// The per-number filter test in both digit modes, for creation (fnFitsFilters)
// and for "Filter more" (fnFitsFiltersAgain).

#include "engine/FilterTest.h"

#include "Support.h"

namespace pick3 {
namespace {

constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;
using F = Family;

FilterSettings noFilter(DigitMode mode) {
    FilterSettings s;
    s.mode = mode;
    s.mustInclude = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    return s;
}

// The rankings of the hot/cold counter: five best digits per list.
HotDigits ranked() {
    HotDigits hot;
    hot.positions = {std::vector<int>{3, 8, 1, 0, 5}, {2, 4, 6, 7, 9}, {0, 1, 2, 3, 4}};
    hot.box = {5, 1, 2, 3, 4};
    return hot;
}

// What the comparison with the profile below does not reach: no counted hot
// digits, labels of the other mode, the consecutive rules and must-include.
TEST(FilterTest, EdgesOfTheRules) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct Row {
        DigitMode mode;
        Family family;
        const char* ticked;
        int consecMode;
        bool zeroAndNine;
        std::vector<int> mustInclude;
        const char* n;
        bool fits, fitsAgain; // thrown out by creation, by "Filter more"
    };
    const std::vector<Row> rows{
        // No hot digits counted: every digit is cold. A boxed label in positional mode.
        {kAny, F::HotColdBox, "ALL COLD", 0, false, all, "678", true, true},
        {kPos, F::HighLow, "Mostly low", 0, false, all, "710", false, false},
        // "Must have 2": a pair but no run of three; 9 and 0 only when ticked.
        {kAny, F::Root, "", 3, false, all, "123", true, true},
        {kAny, F::Root, "", 3, false, all, "902", true, true},
        {kAny, F::Root, "", 3, true, all, "902", false, false},
        // Must-include: only creation tests it.
        {kAny, F::Root, "", 0, false, {7}, "123", true, false},
        {kAny, F::Root, "", 0, false, {3, 9}, "993", false, false},
        {kPos, F::Root, "", 0, false, {}, "123", true, false},
    };
    for (const auto& r : rows) {
        FilterSettings s = noFilter(r.mode);
        if (*r.ticked) {
            s.set(r.family).texts = {r.ticked};
        }
        s.iConsecMode = r.consecMode;
        s.chk0And9 = r.zeroAndNine;
        s.mustInclude = r.mustInclude;
        const auto [a, b, c] = test::digitsOf(r.n);
        EXPECT_EQ(fnFitsFilters(a, b, c, s), r.fits) << r.n;
        EXPECT_EQ(fnFitsFiltersAgain(a, b, c, s), r.fitsAgain) << r.n;
    }
    FilterSettings s = noFilter(kAny);
    s.iConsecMode = 4;
    EXPECT_THROW(fnFitsFilters(1, 2, 3, s), std::invalid_argument);
    EXPECT_THROW(fnFitsFiltersAgain(0, 0, -1, noFilter(kPos)), std::invalid_argument);
}

// With every family holding random items of the mode's lists, a number is
// thrown out exactly when one of its profile fields is in its family's set
// (straight pairs and the straight or boxed hot/cold set only in their own
// mode); the two tests agree whenever the must-include list holds every digit.
TEST(FilterTest, AgreesWithTheProfileUnderRandomSettings) {
    std::mt19937 gen(7u);
    std::uniform_int_distribution<int> die(0, 5);
    for (int round = 0; round < 24; ++round) {
        const DigitMode mode = round % 2 == 0 ? kPos : kAny;
        FilterSettings s = noFilter(mode);
        for (std::size_t f = 0; f < kFamilyCount; ++f) {
            const ListId list = familyList(static_cast<Family>(f), mode == kPos);
            std::vector<int> rows;
            for (int row = 0; row < static_cast<int>(listEntry(list).items.size()); ++row) {
                if (die(gen) == 0) {
                    rows.push_back(row);
                }
            }
            readExclusionSet(list, test::tickRows(list, rows), s.sets[f]);
        }
        s.iConsecMode = round % 4;
        s.chk0And9 = round % 3 == 0;
        s.hot = ranked();
        s.pairs = {{"12", "90"}, {"34"}, {"05"}, {"47"}};
        const Family hcFamily = mode == kPos ? F::HotColdStraight : F::HotColdBox;
        const bool hcInUse = !s.set(hcFamily).empty();
        for (int n = 0; n < 1000; ++n) {
            const int a = n / 100, b = n / 10 % 10, c = n % 10;
            const NumberProfile p =
                makeProfile(a, b, c, mode, s.chk0And9, hcInUse ? &*s.hot : nullptr);
            const auto in = [&](Family f, const auto& v) { return s.set(f).contains(v); };
            bool expected = (mode == kPos && (p.sPairXX_ == "12" || p.sPairXX_ == "90" ||
                                              p.sPair_XX == "34" || p.sPairX_X == "05")) ||
                            p.sBoxedPairs[0] == "47" || p.sBoxedPairs[1] == "47" ||
                            p.sBoxedPairs[2] == "47" || (hcInUse && in(hcFamily, p.sHotCold)) ||
                            in(F::LMH, p.sLMH) || in(F::OCS, p.sOCS) || in(F::InOut, p.sInOut) ||
                            in(F::DigitSort, p.sLMHDigits) || in(F::OddEven, p.sOddEven) ||
                            in(F::HighLow, p.sHighLow) || in(F::LDR, p.iLDR) ||
                            in(F::Width, p.iWidth) || in(F::WidthLM, p.iWidthLM) ||
                            in(F::WidthMH, p.iWidthMH) || in(F::WidthXX_, p.iWidthXX_) ||
                            in(F::WidthX_X, p.iWidthX_X) || in(F::Width_XX, p.iWidth_XX) ||
                            in(F::Root, p.iRoot) || in(F::SumDigits, p.iSumDigits);
            const bool pair = p.iConsec2 == 2, run = p.iConsec3 == 3;
            expected = expected || (s.iConsecMode == 1 && !pair) || (s.iConsecMode == 2 && pair) ||
                       (s.iConsecMode == 3 && (!pair || run));
            ASSERT_EQ(fnFitsFiltersAgain(a, b, c, s), expected) << "round " << round << " " << n;
            ASSERT_EQ(fnFitsFilters(a, b, c, s), expected) << "round " << round << " " << n;
        }
    }
}

} // namespace
} // namespace pick3
