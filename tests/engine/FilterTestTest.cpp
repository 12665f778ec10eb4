// The per-number filter test in both digit modes, for creation and for "Filter more".

#include "engine/FilterTest.h"

#include "Support.h"

namespace pick3 {
namespace {

using F = Family;

// With every family holding random items of the mode's lists, a number is
// thrown out exactly when one of its profile fields is in its family's set
// (straight pairs and the straight or boxed hot/cold set only in their own
// mode) or the consecutive rule says so; creation also throws out a number
// with no must-include digit.
TEST(FilterTest, AgreesWithTheProfileUnderRandomSettings) {
    std::mt19937 gen(7u);
    std::uniform_int_distribution<int> die(0, 5);
    const HotDigits ranked{{std::vector<int>{3, 8, 1, 0, 5}, {2, 4, 6, 7, 9}, {0, 1, 2, 3, 4}},
                           {5, 1, 2, 3, 4}};
    for (int round = 0; round < 24; ++round) {
        FilterSettings s;
        s.mode = round % 2 == 0 ? DigitMode::Positional : DigitMode::AnyPosition;
        const bool pos = s.mode == DigitMode::Positional;
        for (std::size_t f = 0; f < kFamilyCount; ++f) {
            const ListId list = familyList(static_cast<Family>(f), pos);
            Ticks ticks(listEntry(list).items.size());
            std::generate(ticks.begin(), ticks.end(), [&] { return die(gen) == 0; });
            readExclusionSet(list, ticks, s.sets[f]);
        }
        for (int d = 0; d <= 9; ++d) {
            if (die(gen) < 4 - round % 5) { // from none to most digits
                s.mustInclude.push_back(d);
            }
        }
        s.iConsecMode = round % 4;
        s.chk0And9 = round % 3 == 0;
        // Every third round nothing has been counted: every digit is cold.
        s.hot = round % 3 == 1 ? HotDigits{} : ranked;
        s.pairs = {{"12", "90"}, {"34"}, {"05"}, {"47"}};
        const Family hcFamily = pos ? F::HotColdStraight : F::HotColdBox;
        const bool hcInUse = !s.set(hcFamily).empty();
        for (int n = 0; n < 1000; ++n) {
            const int a = n / 100, b = n / 10 % 10, c = n % 10;
            const NumberProfile p =
                makeProfile(a, b, c, s.mode, s.chk0And9, hcInUse ? &*s.hot : nullptr);
            const auto in = [&](Family f, const auto& v) { return s.set(f).contains(v); };
            bool expected = (pos && (p.sPairXX_ == "12" || p.sPairXX_ == "90" ||
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
            const auto& must = s.mustInclude;
            const bool lacksMust = std::none_of(must.begin(), must.end(),
                                                [&](int d) { return d == a || d == b || d == c; });
            ASSERT_EQ(fnFitsFiltersAgain(a, b, c, s), expected) << "round " << round << " " << n;
            ASSERT_EQ(fnFitsFilters(a, b, c, s), expected || lacksMust) << "round " << round;
        }
    }
    FilterSettings s;
    s.iConsecMode = 4;
    EXPECT_THROW(fnFitsFilters(1, 2, 3, s), std::invalid_argument);
    EXPECT_THROW(fnFitsFiltersAgain(0, 0, -1, FilterSettings{}), std::invalid_argument);
}

} // namespace
} // namespace pick3
