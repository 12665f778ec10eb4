#pragma once
// Is this history a fair draw? The classic tests of a fair digit draw, each
// with its figure, its chance under a fair draw and a sentence, and one line
// over them all with Holm's correction for the number of tests made. Chances
// are kept as logarithms, so that a history far from fair is still told how
// far (a chi-square tail underflows a double once the statistic passes 1,460).
//
//   logChiSquareTail(16.919, 9)          log 0.05
//   pooledCells({0.1, 0.3, 6, ...})      cells that each expect at least 5
//   runsTest(20, 10, 6)                  exact chance of 6 runs or fewer, doubled
//   holmAdjusted({log 0.01, log 0.04})   {log 0.02, log 0.04}
//   fairnessReport(draws)                the ten tests and the line over them

#include "engine/numbers/HotCold.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

// ---- The distributions --------------------------------------------------

// log P(X >= x) for X chi-square with `df` degrees of freedom (df >= 1).
double logChiSquareTail(double x, int df);

// ---- The pieces of the tests ----------------------------------------------

// One cell of a chi-square test: the values it holds (first to last, in order),
// what it counted and what a fair draw gives.
struct Cell {
    int first = 0;
    int last = 0;
    double observed = 0.0;
    double expected = 0.0;
};
// Pools cells that expect fewer than 5 into their neighbour towards the middle,
// the outermost first, until every cell expects 5 or more or one cell is left.
std::vector<Cell> pooledCells(std::vector<Cell> cells);
// Pearson's statistic: the sum of (observed - expected)^2 / expected.
double chiSquareStatistic(const std::vector<Cell>& cells);

// The runs test of a two-valued sequence: the exact chance, given how many of
// each value there are, of a number of runs at least as far from the mean as
// `runs`, the smaller tail doubled. Both counts must be at least 1.
struct Runs {
    double mean = 0.0;
    double logChance = 0.0;
};
Runs runsTest(std::size_t above, std::size_t below, std::size_t runs);

// Holm's step-down correction, on the logarithms of the chances, in their order.
std::vector<double> holmAdjusted(const std::vector<double>& logChances);

// ---- The report -------------------------------------------------------------

enum class FairnessTestId {
    DigitsPosition1,
    DigitsPosition2,
    DigitsPosition3,
    DigitsAnyPosition,
    Kinds,
    RepeatsPosition1,
    RepeatsPosition2,
    RepeatsPosition3,
    Sums,
    Runs
};
inline constexpr std::size_t kFairnessTests = 10;

// What is called unusual: a chance, after Holm's correction, of 5 in 100 or less.
inline constexpr double kUnusual = 0.05;

inline constexpr std::string_view kFairnessCaution =
    "A fair draw cannot be predicted from its past, whatever these tests say: they only ask "
    "whether this history looks like one.";

struct FairnessTest {
    FairnessTestId id = FairnessTestId::DigitsPosition1;
    std::string name;         // "Digits, position 2"
    bool made = false;        // too few draws: not made, and not counted for Holm
    double statistic = 0.0;   // chi-square, the repeats or the runs
    int degreesOfFreedom = 0; // chi-square tests only
    std::string figure;       // "chi-square 14.20, 9 degrees of freedom"
    double logChance = 0.0;   // under a fair draw
    double logAdjusted = 0.0; // after Holm over the tests made
    bool unusual = false;
    std::string chanceText; // "38 times in 100", in the words of logChanceInWords
    std::string sentence;   // what it means, in words
};

struct FairnessReport {
    std::size_t draws = 0;
    std::vector<FairnessTest> tests; // in FairnessTestId order
    std::size_t testsMade = 0;
    std::string verdict; // "Nothing here is unusual for a fair draw (10 tests)"
    bool anyUnusual() const {
        return std::any_of(tests.begin(), tests.end(),
                           [](const FairnessTest& t) { return t.unusual; });
    }
};

// The ten tests on `draws` (in the order drawn; either end may be the newest).
FairnessReport fairnessReport(const DrawList& draws);

// The most it can be, in words: "5 times in 100", "3 times in 1,000".
std::string atMostWords(double logChance);

} // namespace pick3
