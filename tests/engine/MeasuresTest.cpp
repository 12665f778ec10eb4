// Sum, root sum, shortsum, widths, structure, the consecutive tests and the
// sort routine.

#include "engine/Measures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pick3 {
namespace {

struct MeasureRow {
    const char* name;
    int d1, d2, d3;
    int sum, root, ldr;
    int width, widthLM, widthMH;
    Structure structure;
};

TEST(Measures, SumRootShortsumWidthsAndStructure) {
    using enum Structure;
    const std::vector<MeasureRow> rows{
        {"471", 4, 7, 1, 12, 3, 2, 6, 3, 3, Single},
        {"909", 9, 0, 9, 18, 9, 8, 9, 9, 0, Double},
        {"000", 0, 0, 0, 0, 0, 0, 0, 0, 0, Triple},
        {"999", 9, 9, 9, 27, 9, 7, 0, 0, 0, Triple},
        {"190: sum 10", 1, 9, 0, 10, 1, 0, 9, 1, 8, Single},
        {"775: sum 19 roots twice", 7, 7, 5, 19, 1, 9, 2, 2, 0, Double},
        {"312", 3, 1, 2, 6, 6, 6, 2, 1, 1, Single},
        {"710", 7, 1, 0, 8, 8, 8, 7, 1, 6, Single},
        {"112", 1, 1, 2, 4, 4, 4, 1, 0, 1, Double},
        {"121", 1, 2, 1, 4, 4, 4, 1, 0, 1, Double},
        {"211", 2, 1, 1, 4, 4, 4, 1, 0, 1, Double},
        {"900: sum 9", 9, 0, 0, 9, 9, 9, 9, 0, 9, Double},
        {"981: sum 18", 9, 8, 1, 18, 9, 8, 8, 7, 1, Single},
        {"992: sum 20", 9, 9, 2, 20, 2, 0, 7, 7, 0, Double},
        {"889: sum 25", 8, 8, 9, 25, 7, 5, 1, 0, 1, Double},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(sumDigits(r.d1, r.d2, r.d3), r.sum);
        EXPECT_EQ(rootSum(r.d1, r.d2, r.d3), r.root);
        EXPECT_EQ(shortSum(r.d1, r.d2, r.d3), r.ldr);
        const SortedDigits s = sortDigits(r.d1, r.d2, r.d3);
        EXPECT_EQ(s.iHighest - s.iLowest, r.width);
        EXPECT_EQ(s.iMiddle - s.iLowest, r.widthLM);
        EXPECT_EQ(s.iHighest - s.iMiddle, r.widthMH);
        EXPECT_EQ(structureOf(r.d1, r.d2, r.d3), r.structure);
        EXPECT_EQ(fnIsTriple(r.d1, r.d2, r.d3), r.structure == Triple);
        EXPECT_EQ(fnIsDouble(r.d1, r.d2, r.d3), r.structure == Double);
    }
}

// The root sum is 1 + (sum - 1) mod 9 for every number but 000, the shortsum
// the units digit; 220 boxed combinations are 120 singles, 90 doubles, 10 triples.
TEST(Measures, AllThousandNumbers) {
    int singles = 0, doubles = 0, triples = 0;
    for (int n = 0; n < 1000; ++n) {
        const int a = n / 100, b = n / 10 % 10, c = n % 10;
        SCOPED_TRACE(n);
        const int sum = a + b + c;
        ASSERT_EQ(sumDigits(a, b, c), sum);
        ASSERT_EQ(rootSum(a, b, c), sum == 0 ? 0 : 1 + (sum - 1) % 9);
        ASSERT_EQ(shortSum(a, b, c), sum % 10);
        const SortedDigits s = sortDigits(a, b, c);
        ASSERT_LE(s.iLowest, s.iMiddle);
        ASSERT_LE(s.iMiddle, s.iHighest);
        ASSERT_EQ(s.iLowest + s.iMiddle + s.iHighest, sum);
        ASSERT_EQ(s.iLowest, std::min({a, b, c}));
        ASSERT_EQ(s.iHighest, std::max({a, b, c}));
        ASSERT_FALSE(fnIsTriple(a, b, c) && fnIsDouble(a, b, c));
        singles += structureOf(a, b, c) == Structure::Single ? 1 : 0;
        doubles += structureOf(a, b, c) == Structure::Double ? 1 : 0;
        triples += structureOf(a, b, c) == Structure::Triple ? 1 : 0;
    }
    EXPECT_EQ(singles, 720);
    EXPECT_EQ(doubles, 270);
    EXPECT_EQ(triples, 10);
}

struct ConsecRow {
    const char* name;
    int d1, d2, d3;
    int c2, c3;         // "0 and 9 consecutive" unticked
    int c2With, c3With; // ticked
};

TEST(Measures, ConsecutiveDigits) {
    const std::vector<ConsecRow> rows{
        {"000 none", 0, 0, 0, 0, 0, 0, 0},
        {"190: 0-1, and 9-0-1 only when ticked", 1, 9, 0, 2, 0, 2, 3},
        {"099: 9-0 only when ticked", 0, 9, 9, 0, 0, 2, 0},
        {"909", 9, 0, 9, 0, 0, 2, 0},
        {"112: a repeated digit counts once", 1, 1, 2, 2, 0, 2, 0},
        {"312 run of three", 3, 1, 2, 2, 3, 2, 3},
        {"123", 1, 2, 3, 2, 3, 2, 3},
        {"789 top run", 7, 8, 9, 2, 3, 2, 3},
        {"012 bottom run", 0, 1, 2, 2, 3, 2, 3},
        {"890: 8-9, and 8-9-0 only when ticked", 8, 9, 0, 2, 0, 2, 3},
        {"029: 9-0 pair but no run", 0, 2, 9, 0, 0, 2, 0},
        {"135 no pair", 1, 3, 5, 0, 0, 0, 0},
        {"902", 9, 0, 2, 0, 0, 2, 0},
        {"246", 2, 4, 6, 0, 0, 0, 0},
        {"334", 3, 3, 4, 2, 0, 2, 0},
        {"124", 1, 2, 4, 2, 0, 2, 0},
        {"579", 5, 7, 9, 0, 0, 0, 0},
        {"459 pair 4-5", 4, 5, 9, 2, 0, 2, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(fnConsecutive2(r.d1, r.d2, r.d3, false), r.c2);
        EXPECT_EQ(fnConsecutive3(r.d1, r.d2, r.d3, false), r.c3);
        EXPECT_EQ(fnConsecutive2(r.d1, r.d2, r.d3, true), r.c2With);
        EXPECT_EQ(fnConsecutive3(r.d1, r.d2, r.d3, true), r.c3With);
    }
}

// The tests look at the set of digit values, so the order does not matter,
// and a run of three always holds a consecutive pair.
TEST(Measures, ConsecutiveIgnoresOrderAndRunImpliesPair) {
    for (const bool zeroAndNine : {false, true}) {
        for (int n = 0; n < 1000; ++n) {
            const int a = n / 100, b = n / 10 % 10, c = n % 10;
            SCOPED_TRACE(std::to_string(n) + (zeroAndNine ? " 0-9" : ""));
            const int c2 = fnConsecutive2(a, b, c, zeroAndNine);
            const int c3 = fnConsecutive3(a, b, c, zeroAndNine);
            ASSERT_TRUE(c2 == 0 || c2 == 2);
            ASSERT_TRUE(c3 == 0 || c3 == 3);
            if (c3 == 3) {
                ASSERT_EQ(c2, 2);
            }
            for (const auto& [x, y, z] : std::vector<std::array<int, 3>>{
                     {a, c, b}, {b, a, c}, {b, c, a}, {c, a, b}, {c, b, a}}) {
                ASSERT_EQ(fnConsecutive2(x, y, z, zeroAndNine), c2);
                ASSERT_EQ(fnConsecutive3(x, y, z, zeroAndNine), c3);
            }
        }
    }
}

struct SortRow {
    const char* name;
    std::vector<int> input;
    std::ptrdiff_t lo, hi;
    std::vector<int> expected;
};

TEST(Measures, QuickSortRanges) {
    const std::vector<SortRow> rows{
        {"three digits 990", {9, 9, 0}, 0, 2, {0, 9, 9}},
        {"one element", {7, 3, 5}, 1, 1, {7, 3, 5}},
        {"empty range", {7, 3, 5}, 2, 1, {7, 3, 5}},
        {"two digits", {8, 2}, 0, 1, {2, 8}},
        {"inner range only", {5, 4, 3, 2, 1}, 1, 3, {5, 2, 3, 4, 1}},
        {"already sorted", {1, 2, 3}, 0, 2, {1, 2, 3}},
        {"descending", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, 0, 9, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"all equal", {4, 4, 4, 4}, 0, 3, {4, 4, 4, 4}},
        {"negative values", {3, -7, 0}, 0, 2, {-7, 0, 3}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<int> a = r.input;
        sbQuickSort(a, r.lo, r.hi);
        EXPECT_EQ(a, r.expected);
    }
}

// Hoare partitioning is easy to get subtly wrong on duplicates: compare with
// std::sort on many small arrays of few distinct values.
TEST(Measures, QuickSortMatchesStdSort) {
    std::mt19937 gen(20240607u);
    std::uniform_int_distribution<int> size(1, 40), value(0, 5);
    for (int round = 0; round < 2000; ++round) {
        std::vector<int> a(static_cast<std::size_t>(size(gen)));
        for (int& x : a) {
            x = value(gen);
        }
        const auto n = static_cast<std::ptrdiff_t>(a.size());
        std::uniform_int_distribution<std::ptrdiff_t> index(0, n - 1);
        std::ptrdiff_t lo = index(gen), hi = index(gen);
        if (lo > hi) {
            std::swap(lo, hi);
        }
        std::vector<int> expected = a;
        std::sort(expected.begin() + lo, expected.begin() + hi + 1);
        sbQuickSort(a, lo, hi);
        ASSERT_EQ(a, expected) << "round " << round;
    }
}

TEST(Measures, RefuseBadInput) {
    std::vector<int> three{3, 2, 1};
    const std::vector<std::pair<const char*, std::function<void()>>> outOfRange{
        {"hi past the end", [&] { sbQuickSort(three, 0, 3); }},
        {"negative lo", [&] { sbQuickSort(three, -1, 2); }},
        {"both past the end", [&] { sbQuickSort(three, 5, 7); }},
    };
    for (const auto& [name, call] : outOfRange) {
        EXPECT_THROW(call(), std::out_of_range) << name;
    }
    EXPECT_EQ(three, (std::vector<int>{3, 2, 1}));

    const std::vector<std::pair<const char*, std::function<void()>>> badDigits{
        {"sortDigits", [] { sortDigits(10, 0, 0); }},
        {"sumDigits", [] { sumDigits(0, -1, 0); }},
        {"rootSum", [] { rootSum(0, 0, 10); }},
        {"shortSum", [] { shortSum(11, 0, 0); }},
        {"fnIsTriple", [] { fnIsTriple(10, 10, 10); }},
        {"fnIsDouble", [] { fnIsDouble(1, 1, -1); }},
        {"fnIsTriple, first two differ", [] { fnIsTriple(1, 2, 10); }},
        {"fnIsDouble, first two differ", [] { fnIsDouble(1, 2, 10); }},
        {"structureOf, bad last digit", [] { structureOf(1, 2, -3); }},
        {"structureOf", [] { structureOf(1, 20, 3); }},
        {"fnConsecutive2", [] { fnConsecutive2(10, 0, 1, true); }},
        {"fnConsecutive3", [] { fnConsecutive3(0, 1, -1, false); }},
    };
    for (const auto& [name, call] : badDigits) {
        EXPECT_THROW(call(), std::invalid_argument) << name;
    }
}

} // namespace
} // namespace pick3
