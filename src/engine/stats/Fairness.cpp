#include "engine/stats/Fairness.h"

#include "engine/numbers/Measures.h"
#include "engine/stats/Chance.h"

// Boost's incomplete gamma function brings its root finders, and they include <iostream> for
// a trace that is compiled only with BOOST_MATH_INSTRUMENT. Before GCC 13 every file that
// includes <iostream> also builds the standard streams and the C++ locale before main: a dozen
// page faults and 108,000 instructions of every start, about 1 % of it, for a page seldom opened.
// Nothing here prints, so the header counts as read already.
#if defined(__GLIBCXX__) && !defined(_GLIBCXX_IOSTREAM)
#define _GLIBCXX_IOSTREAM 1
#endif
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/fraction.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>

namespace pick3 {

namespace {

namespace policies = boost::math::policies;
// Errors are reported through errno and a NaN, never thrown: a figure that
// cannot be worked out must not end the program.
using Quiet = policies::policy<policies::domain_error<policies::errno_on_error>,
                               policies::pole_error<policies::errno_on_error>,
                               policies::overflow_error<policies::errno_on_error>,
                               policies::evaluation_error<policies::errno_on_error>,
                               policies::rounding_error<policies::errno_on_error>,
                               policies::underflow_error<policies::ignore_error>>;

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
// Below this a double loses digits on its way to zero: work in logarithms instead.
constexpr double kSmallest = 1e-280;

double logAdd(double a, double b) {
    if (a < b) {
        std::swap(a, b);
    }
    return b == kMinusInfinity ? a : a + std::log1p(std::exp(b - a));
}

// The terms of the upper incomplete gamma function's continued fraction.
struct UpperGammaFraction {
    using result_type = std::pair<double, double>;
    double a;
    double z;
    int k = 0;
    std::pair<double, double> operator()() {
        ++k;
        z += 2.0;
        return {k * (a - k), z};
    }
};

double logChoose(std::size_t n, std::size_t k) {
    if (k > n) {
        return kMinusInfinity;
    }
    return std::lgamma(static_cast<double>(n) + 1.0) - std::lgamma(static_cast<double>(k) + 1.0) -
           std::lgamma(static_cast<double>(n - k) + 1.0);
}

// log P(R = r) for the runs of `a` values of one kind and `b` of the other, in random order.
double logRunsPmf(std::size_t a, std::size_t b, std::size_t r) {
    if (r < 2) {
        return kMinusInfinity;
    }
    const double all = logChoose(a + b, a);
    const std::size_t k = r / 2;
    if (r % 2 == 0) {
        return std::log(2.0) + logChoose(a - 1, k - 1) + logChoose(b - 1, k - 1) - all;
    }
    return logAdd(logChoose(a - 1, k) + logChoose(b - 1, k - 1),
                  logChoose(a - 1, k - 1) + logChoose(b - 1, k)) -
           all;
}

// ---- The report's pieces ----

// 99.9 as "99.9", 1000 as "1,000": tenths, none where the value is whole.
std::string tenths(double value) {
    const long long t = std::llround(value * 10.0);
    const std::string whole = grouped(static_cast<std::size_t>(t / 10));
    return t % 10 == 0 ? whole : whole + "." + std::to_string(t % 10);
}

std::string twoDecimals(double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// What the tests count, in one pass over the draws.
struct Tally {
    std::size_t draws = 0;
    std::array<std::array<std::size_t, 10>, 4> digits{}; // positions 1 to 3, any position
    std::array<std::size_t, 3> kinds{};                  // singles, doubles, triples
    std::array<std::size_t, 3> repeats{};                // per position
    std::array<std::size_t, 28> sums{};
    std::size_t above = 0; // sums of 14 and up
    std::size_t runs = 0;  // of sums above and below 13.5
};

Tally tallyOf(const DrawList& draws) {
    Tally t;
    t.draws = draws.size();
    std::array<int, 3> before{-1, -1, -1};
    bool wasAbove = false;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const std::array<int, 3> d = digitsOf(draws[i]);
        for (std::size_t p = 0; p < 3; ++p) {
            ++t.digits[p][static_cast<std::size_t>(d[p])];
            ++t.digits[3][static_cast<std::size_t>(d[p])];
            t.repeats[p] += d[p] == before[p] ? 1 : 0;
        }
        before = d;
        ++t.kinds[static_cast<std::size_t>(structureOf(d[0], d[1], d[2]))];
        const int sum = d[0] + d[1] + d[2];
        ++t.sums[static_cast<std::size_t>(sum)];
        const bool isAbove = sum >= 14;
        t.above += isAbove ? 1 : 0;
        t.runs += i == 0 || isAbove != wasAbove ? 1 : 0;
        wasAbove = isAbove;
    }
    return t;
}

// The share of the 1,000 numbers with each sum.
const std::array<double, 28>& sumShares() {
    static const std::array<double, 28> shares = [] {
        std::array<double, 28> s{};
        for (int n = 0; n < kNumberCount; ++n) {
            const auto [d1, d2, d3] = digitsOf(n);
            s[static_cast<std::size_t>(d1 + d2 + d3)] += 1.0 / kNumberCount;
        }
        return s;
    }();
    return shares;
}

FairnessTest chiSquareTest(FairnessTestId id, std::string name, const std::vector<Cell>& cells) {
    FairnessTest test;
    test.id = id;
    test.name = std::move(name);
    test.made = cells.size() >= 2 && std::all_of(cells.begin(), cells.end(),
                                                 [](const Cell& c) { return c.expected >= 5.0; });
    if (test.made) {
        test.statistic = chiSquareStatistic(cells);
        test.degreesOfFreedom = static_cast<int>(cells.size()) - 1;
        test.logChance = logChiSquareTail(test.statistic, test.degreesOfFreedom);
        test.figure = "chi-square " + twoDecimals(test.statistic) + ", " +
                      counted(static_cast<std::size_t>(test.degreesOfFreedom), "degree") +
                      " of freedom";
    }
    return test;
}

FairnessTest digitTest(const Tally& t, std::size_t position) {
    const bool any = position == 3;
    const double expected = static_cast<double>(t.draws) * (any ? 0.3 : 0.1);
    std::vector<Cell> cells;
    for (int d = 0; d < 10; ++d) {
        cells.push_back(
            {d, d, static_cast<double>(t.digits[position][static_cast<std::size_t>(d)]), expected});
    }
    FairnessTest test = chiSquareTest(
        static_cast<FairnessTestId>(position),
        any ? "Digits, any position" : "Digits, position " + std::to_string(position + 1), cells);
    const auto& counts = t.digits[position];
    const auto most = std::max_element(counts.begin(), counts.end()) - counts.begin();
    const auto fewest = std::min_element(counts.begin(), counts.end()) - counts.begin();
    test.sentence = std::to_string(most) + " came most (" +
                    counted(counts[static_cast<std::size_t>(most)], "time") + "), " +
                    std::to_string(fewest) + " least (" +
                    grouped(counts[static_cast<std::size_t>(fewest)]) + "), against " +
                    tenths(expected) + " each for a fair draw.";
    return test;
}

FairnessTest kindsTest(const Tally& t) {
    const double n = static_cast<double>(t.draws);
    const std::array<double, 3> shares{0.72, 0.27, 0.01};
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < 3; ++k) {
        cells.push_back({static_cast<int>(k), static_cast<int>(k), static_cast<double>(t.kinds[k]),
                         n * shares[k]});
    }
    const std::vector<Cell> pooled = pooledCells(cells);
    FairnessTest test = chiSquareTest(FairnessTestId::Kinds, "Draw kinds", pooled);
    test.sentence =
        counted(t.kinds[0], "single") + ", " + counted(t.kinds[1], "double") + " and " +
        counted(t.kinds[2], "triple") + ", against " + tenths(n * 0.72) + ", " + tenths(n * 0.27) +
        " and " + tenths(n * 0.01) + " for a fair draw" +
        (pooled.size() == 2 ? " (triples counted with doubles: too few expected)." : ".");
    return test;
}

FairnessTest repeatsTest(const Tally& t, std::size_t position) {
    FairnessTest test;
    test.id = static_cast<FairnessTestId>(5 + position);
    test.name = "Repeats, position " + std::to_string(position + 1);
    test.made = t.draws >= 2;
    if (!test.made) {
        return test;
    }
    const std::size_t pairs = t.draws - 1;
    const std::size_t k = t.repeats[position];
    const double expected = static_cast<double>(pairs) * 0.1;
    test.statistic = static_cast<double>(k);
    test.logChance = binomialLogTwoSided(pairs, k, 0.1);
    test.figure =
        counted(k, "repeat") + " in " + grouped(pairs) + " (" + tenths(expected) + " expected)";
    test.sentence = "Position " + std::to_string(position + 1) +
                    "'s digit was the one of the draw before " + counted(k, "time") + ", against " +
                    tenths(expected) + " (1 time in 10) for a fair draw.";
    return test;
}

FairnessTest sumsTest(const Tally& t) {
    std::vector<Cell> cells;
    for (std::size_t s = 0; s < 28; ++s) {
        cells.push_back({static_cast<int>(s), static_cast<int>(s), static_cast<double>(t.sums[s]),
                         static_cast<double>(t.draws) * sumShares()[s]});
    }
    const std::vector<Cell> pooled = pooledCells(cells);
    FairnessTest test = chiSquareTest(FairnessTestId::Sums, "Sums", pooled);
    std::vector<std::string> groups; // those of more than one sum
    for (const Cell& cell : pooled) {
        if (cell.first != cell.last) {
            groups.push_back(std::to_string(cell.first) + " to " + std::to_string(cell.last));
        }
    }
    std::string listed;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        listed += (g == 0 ? "" : g + 1 == groups.size() ? " and " : ", ") + groups[g];
    }
    test.sentence =
        "The 28 sums against a fair draw's, " +
        (groups.empty() ? std::string("each on its own.")
                        : "sums " + listed + " pooled so that each group expects at least 5.");
    return test;
}

FairnessTest runsOfSums(const Tally& t) {
    FairnessTest test;
    test.id = FairnessTestId::Runs;
    test.name = "Runs of high and low sums";
    const std::size_t below = t.draws - t.above;
    test.made = t.above > 0 && below > 0;
    if (!test.made) {
        return test;
    }
    const Runs runs = runsTest(t.above, below, t.runs);
    test.statistic = static_cast<double>(t.runs);
    test.logChance = runs.logChance;
    test.figure = counted(t.runs, "run") + " (" + tenths(runs.mean) + " expected)";
    test.sentence = "Sums of 14 and up (" + grouped(t.above) + ") and of 13 and down (" +
                    grouped(below) + ") came in " + counted(t.runs, "run") + ", against " +
                    tenths(runs.mean) +
                    " for a fair draw: fewer runs mean streaks, more a see-saw.";
    return test;
}

// "position 2's digits": what the verdict calls unusual.
std::string subjectOf(FairnessTestId id) {
    const auto index = static_cast<int>(id);
    switch (id) {
    case FairnessTestId::DigitsPosition1:
    case FairnessTestId::DigitsPosition2:
    case FairnessTestId::DigitsPosition3:
        return "position " + std::to_string(index + 1) + "'s digits";
    case FairnessTestId::DigitsAnyPosition:
        return "the digits in any position";
    case FairnessTestId::Kinds:
        return "the draw kinds";
    case FairnessTestId::RepeatsPosition1:
    case FairnessTestId::RepeatsPosition2:
    case FairnessTestId::RepeatsPosition3:
        return "position " + std::to_string(index - 4) + "'s repeats";
    case FairnessTestId::Sums:
        return "the sums";
    case FairnessTestId::Runs:
        return "the runs of high and low sums";
    }
    return {};
}

std::string verdictOf(const std::vector<FairnessTest>& tests, std::size_t made) {
    if (made == 0) {
        return "Too few draws to test: count a longer history.";
    }
    std::vector<const FairnessTest*> unusual;
    for (const FairnessTest& test : tests) {
        if (test.unusual) {
            unusual.push_back(&test);
        }
    }
    if (unusual.empty()) {
        return "Nothing here is unusual for a fair draw (" + counted(made, "test") + ")";
    }
    std::stable_sort(unusual.begin(), unusual.end(),
                     [](const FairnessTest* x, const FairnessTest* y) {
                         return x->logAdjusted < y->logAdjusted;
                     });
    std::string line = subjectOf(unusual.front()->id);
    line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
    line += " are unusual: a fair draw does this at most " +
            atMostWords(unusual.front()->logAdjusted) + ", allowing for the " +
            counted(made, "test") + " made";
    for (std::size_t i = 1; i < unusual.size(); ++i) {
        line += "; so are " + subjectOf(unusual[i]->id) + " (at most " +
                atMostWords(unusual[i]->logAdjusted) + ")";
    }
    return line;
}

} // namespace

double logChiSquareTail(double x, int df) {
    if (!(x > 0.0)) {
        return 0.0;
    }
    const double a = df / 2.0;
    const double z = x / 2.0;
    const double tail = boost::math::gamma_q(a, z, Quiet());
    if (tail > kSmallest) {
        return std::log(tail);
    }
    // Q(a, z) = z^a e^-z / Gamma(a) / (z - a + 1 + the fraction), worked in logarithms.
    UpperGammaFraction fraction{a, z - a + 1.0};
    const double rest =
        boost::math::tools::continued_fraction_a(fraction, std::numeric_limits<double>::epsilon());
    return a * std::log(z) - z - std::lgamma(a) - std::log(z - a + 1.0 + rest);
}

std::vector<Cell> pooledCells(std::vector<Cell> cells) {
    while (cells.size() > 1) {
        // The middle is the cell a fair draw fills most; the others pool towards it.
        const auto middle = static_cast<std::size_t>(
            std::max_element(cells.begin(), cells.end(),
                             [](const Cell& x, const Cell& y) { return x.expected < y.expected; }) -
            cells.begin());
        std::size_t outermost = cells.size();
        std::size_t farthest = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::size_t distance = i > middle ? i - middle : middle - i;
            if (cells[i].expected < 5.0 && (outermost == cells.size() || distance > farthest)) {
                outermost = i;
                farthest = distance;
            }
        }
        if (outermost == cells.size()) {
            break;
        }
        std::size_t into = outermost < middle ? outermost + 1 : outermost - 1;
        if (outermost == middle) { // the middle itself: into its smaller neighbour
            const bool left =
                outermost > 0 && (outermost + 1 == cells.size() ||
                                  cells[outermost - 1].expected <= cells[outermost + 1].expected);
            into = left ? outermost - 1 : outermost + 1;
        }
        Cell& target = cells[into];
        const Cell& source = cells[outermost];
        target.first = std::min(target.first, source.first);
        target.last = std::max(target.last, source.last);
        target.observed += source.observed;
        target.expected += source.expected;
        cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(outermost));
    }
    return cells;
}

double chiSquareStatistic(const std::vector<Cell>& cells) {
    double sum = 0.0;
    for (const Cell& cell : cells) {
        const double off = cell.observed - cell.expected;
        sum += off * off / cell.expected;
    }
    return sum;
}

Runs runsTest(std::size_t above, std::size_t below, std::size_t runs) {
    const double a = static_cast<double>(above);
    const double b = static_cast<double>(below);
    Runs result{above + below == 0 ? 0.0 : 2.0 * a * b / (a + b) + 1.0, 0.0};
    if (above == 0 || below == 0) {
        return result; // one run, the only order there is
    }
    const std::size_t most = 2 * std::min(above, below) + (above == below ? 0 : 1);
    const bool low = static_cast<double>(runs) <= result.mean;
    // The tail away from the mean, summed outwards until its terms no longer count.
    double tail = kMinusInfinity;
    for (std::size_t r = runs; low ? r >= 2 : r <= most; r = low ? r - 1 : r + 1) {
        const double term = logRunsPmf(above, below, r);
        tail = logAdd(tail, term);
        if (term < tail - 40.0 && std::abs(static_cast<double>(r) - result.mean) > 2.0) {
            break;
        }
    }
    // The other tail holds the middle: 1 minus this one, plus the term at `runs`.
    const double other =
        std::log(std::max(0.0, 1.0 - std::exp(tail) + std::exp(logRunsPmf(above, below, runs))));
    result.logChance = std::min(0.0, std::log(2.0) + std::min(tail, other));
    return result;
}

std::vector<double> holmAdjusted(const std::vector<double>& logChances) {
    std::vector<std::size_t> order(logChances.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return logChances[x] < logChances[y]; });
    std::vector<double> adjusted(logChances.size());
    double highest = kMinusInfinity; // the adjusted chances never fall along the order
    for (std::size_t j = 0; j < order.size(); ++j) {
        const double times = static_cast<double>(order.size() - j);
        highest = std::max(highest, std::min(0.0, std::log(times) + logChances[order[j]]));
        adjusted[order[j]] = highest;
    }
    return adjusted;
}

std::string atMostWords(double logChance) {
    // Kept finite and within an int, however far off a history is.
    const double tens = std::clamp(-logChance / std::log(10.0), 0.0, 1e9);
    int exponent = static_cast<int>(std::floor(tens)) + 1;
    auto times = static_cast<int>(std::ceil(std::pow(10.0, exponent - tens) - 1e-9));
    if (times >= 10) {
        times = 1;
        --exponent;
    }
    const std::string in =
        exponent <= 12 ? grouped(static_cast<std::size_t>(std::llround(std::pow(10.0, exponent))))
                       : "10^" + std::to_string(exponent);
    return std::to_string(times) + (times == 1 ? " time in " : " times in ") + in;
}

FairnessReport fairnessReport(const DrawList& draws) {
    const Tally t = tallyOf(draws);
    FairnessReport report;
    report.draws = t.draws;
    for (std::size_t p = 0; p < 4; ++p) {
        report.tests.push_back(digitTest(t, p));
    }
    report.tests.push_back(kindsTest(t));
    for (std::size_t p = 0; p < 3; ++p) {
        report.tests.push_back(repeatsTest(t, p));
    }
    report.tests.push_back(sumsTest(t));
    report.tests.push_back(runsOfSums(t));

    std::vector<double> logChances;
    for (const FairnessTest& test : report.tests) {
        if (test.made) {
            logChances.push_back(test.logChance);
        }
    }
    const std::vector<double> adjusted = holmAdjusted(logChances);
    std::size_t next = 0;
    for (FairnessTest& test : report.tests) {
        if (!test.made) {
            test.chanceText = "-";
            test.figure = "-";
            test.sentence = "Too few draws for this test.";
            continue;
        }
        test.logAdjusted = adjusted[next++];
        test.unusual = test.logAdjusted <= std::log(kUnusual);
        test.chanceText = logChanceInWords(test.logChance);
    }
    report.testsMade = logChances.size();
    report.verdict = verdictOf(report.tests, report.testsMade);
    return report;
}

} // namespace pick3
