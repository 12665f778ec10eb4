// The tails of a lattice total: the saddlepoint against the exact convolution down to
// 10^-300, the ends worked by hand, and the band by the saddlepoint against the exact one.

#include "engine/plays/LuckSaddlepoint.h"
#include "engine/plays/LuckBand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace pick3 {
namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();

std::vector<LatticeDraw> repeated(const LatticeDraw& draw, std::size_t times) {
    return std::vector<LatticeDraw>(times, draw);
}
// `first` on every third draw, `second` on the others.
std::vector<LatticeDraw> alternating(const LatticeDraw& first, const LatticeDraw& second,
                                     std::size_t times) {
    std::vector<LatticeDraw> draws;
    for (std::size_t i = 0; i < times; ++i) {
        draws.push_back(i % 3 == 0 ? first : second);
    }
    return draws;
}

// The saddlepoint within 1% of the exact tails, from the middle down to 10^-300 and
// beyond, on either side of the mean; the deepest case of each really that deep. Inverted
// at its tilt it keeps the lumps of a total that moves mostly in steps of 4 with a rare
// 29; Lugannani and Rice's form, where the window would be too wide, smooths over the
// steps in between: within 15% there, 1% elsewhere.
TEST(LuckSaddlepoint, WithinOnePercentOfExactDownToTenToTheMinus300) {
    // Ten straights on ten numbers: one of them wins a tenth of the time.
    const LatticeDraw tenStraights{{0, 0.99}, {25, 0.01}};
    // A box, a straight on its number and a pair on the lattice of their prizes.
    const LatticeDraw mixed{{0, 0.97}, {1, 0.02}, {2, 0.008}, {3, 0.002}};
    // A $1 straight and a $1 box on the same 123, on the lattice of $20: a box win is 4,
    // the number itself 29 (the straight's 25 and the box's 4).
    const LatticeDraw straightAndBox{{0, 0.994}, {4, 0.005}, {29, 0.001}};
    struct Case {
        const char* name;
        std::vector<LatticeDraw> draws;
        std::vector<long long> totals;
        double deepest;   // log10 of the smallest tail among the totals, at most
        double tolerance; // of the log, about the relative error
    };
    const std::vector<Case> cases{
        {"10,000 straights",
         repeated({{0, 0.999}, {1, 0.001}}, 10000),
         {12, 25, 60, 150, 290, 330},
         -300,
         0.01},
        {"4,000 mixed draws",
         repeated(mixed, 4000),
         {150, 200, 300, 600, 1200, 1900, 2400},
         -300,
         0.01},
        {"3,000 draws of ten straights, below the mean",
         repeated(tenStraights, 3000),
         {25 * 6, 25 * 10, 25 * 20, 25 * 28, 25 * 31, 25 * 45, 25 * 90},
         -5,
         0.01},
        {"2,000 straights and boxes",
         repeated(straightAndBox, 2000),
         {30, 61, 150, 400, 1200, 4000, 8000},
         -300,
         0.15},
        {"straights and boxes among draws of ten straights",
         alternating(straightAndBox, tenStraights, 2000),
         {40, 137, 500, 2000, 8000, 20000},
         -300,
         0.15},
    };
    for (const Case& c : cases) {
        double smallest = 0.0;
        for (const long long k : c.totals) {
            const auto exact = exactLatticeTails(c.draws, k);
            ASSERT_TRUE(exact) << c.name << " " << k;
            const LatticeTails saddle = saddlepointLatticeTails(c.draws, k);
            EXPECT_TRUE(saddle.bySaddlepoint);
            EXPECT_NEAR(saddle.logAtLeast, exact->logAtLeast, 0.01) << c.name << " >= " << k;
            EXPECT_NEAR(saddle.logAtMost, exact->logAtMost, 0.01) << c.name << " <= " << k;
            const LatticeTails smooth = saddlepointLatticeTails(c.draws, k, 0);
            EXPECT_NEAR(smooth.logAtLeast, exact->logAtLeast, c.tolerance) << c.name << " " << k;
            EXPECT_NEAR(smooth.logAtMost, exact->logAtMost, c.tolerance) << c.name << " " << k;
            smallest = std::min({smallest, exact->logAtLeast, exact->logAtMost});
        }
        EXPECT_LT(smallest / std::log(10.0), c.deepest) << c.name;
    }
}

// Exact where the tail is known in closed form: 10,000 straights, 350 wins or more is
// 10^-300 and more, but no smaller than its first term.
TEST(LuckSaddlepoint, ExactTailAgainstItsFirstTerms) {
    const auto draws = repeated({{0, 0.999}, {1, 0.001}}, 10000);
    const auto exact = exactLatticeTails(draws, 350);
    ASSERT_TRUE(exact);
    // log P(X = k) for a binomial, and the ratio of the next term to it.
    const auto logTerm = [](double n, double k) {
        return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1) +
               k * std::log(0.001) + (n - k) * std::log(0.999);
    };
    double sum = 0.0;
    for (int k = 350; k < 450; ++k) {
        sum += std::exp(logTerm(10000, k) - logTerm(10000, 350));
    }
    EXPECT_NEAR(exact->logAtLeast, logTerm(10000, 350) + std::log(sum), 1e-9);
    EXPECT_LT(exact->logAtLeast, -690.0); // 10^-300 and beyond: not none
}

// At and beyond the ends, and at a total that is certain, both ways give the same exact
// answer; at the mean each side is about a half.
TEST(LuckSaddlepoint, Ends) {
    const auto tenDraws = repeated({{0, 0.999}, {1, 0.001}}, 10);
    const std::vector<LatticeDraw> certain{{{3, 1.0}}, {{2, 1.0}}};
    const auto coin = repeated({{0, 0.5}, {1, 0.5}}, 101);
    // 51 heads of 101 or more is a half; 51 or fewer a half and the chance of 51.
    const double fiftyOne =
        std::exp(std::lgamma(102.0) - std::lgamma(52.0) - std::lgamma(51.0) - 101 * std::log(2.0));
    struct Case {
        const char* name;
        const std::vector<LatticeDraw>& draws;
        long long k;
        double logAtLeast, logAtMost;
    };
    const std::vector<Case> cases{
        {"above the greatest", tenDraws, 11, kNone, 0.0},
        {"the greatest", tenDraws, 10, 10 * std::log(0.001), 0.0},
        {"the least", tenDraws, 0, 0.0, 10 * std::log(0.999)},
        {"below the least", tenDraws, -1, 0.0, kNone},
        {"a single point", certain, 5, 0.0, 0.0},
        {"below a single point", certain, 4, 0.0, kNone},
        {"above a single point", certain, 6, kNone, 0.0},
        {"a fair coin's middle", coin, 51, std::log(0.5), std::log(0.5 + fiftyOne)},
    };
    for (const Case& c : cases) {
        const auto exact = exactLatticeTails(c.draws, c.k);
        ASSERT_TRUE(exact) << c.name;
        const LatticeTails saddle = saddlepointLatticeTails(c.draws, c.k);
        for (const auto& [tails, tolerance] : {std::pair{*exact, 1e-12}, {saddle, 1e-3}}) {
            for (const auto& [got, want] :
                 {std::pair{tails.logAtLeast, c.logAtLeast}, {tails.logAtMost, c.logAtMost}}) {
                EXPECT_EQ(got == kNone, want == kNone) << c.name;
                if (want != kNone) {
                    EXPECT_NEAR(got, want, tolerance) << c.name;
                }
            }
        }
    }
    // Past its size the exact way gives nothing, and the chooser the saddlepoint.
    EXPECT_FALSE(exactLatticeTails(coin, 60, 100));
    EXPECT_TRUE(latticeTails(coin, 60, 100).bySaddlepoint);
    EXPECT_FALSE(latticeTails(coin, 60).bySaddlepoint);
}

// Draws whose steps are all even: the saddlepoint works on the total's own lattice.
TEST(LuckSaddlepoint, OnTheTotalsOwnLattice) {
    const auto draws = repeated({{0, 0.7}, {2, 0.2}, {6, 0.1}}, 400);
    for (const long long k : {300L, 301L, 302L, 420L, 421L}) {
        const auto exact = exactLatticeTails(draws, k);
        const LatticeTails saddle = saddlepointLatticeTails(draws, k);
        EXPECT_NEAR(saddle.logAtLeast, exact->logAtLeast, 0.01) << k;
        EXPECT_NEAR(saddle.logAtMost, exact->logAtMost, 0.01) << k;
    }
}

// The band by the saddlepoint against the exact band, at every draw past the first ones
// (always exact): within a twentieth of the spread and half the straight's step of 25, as
// the exact total, moving mostly by straights, is lumpy where the saddlepoint is smooth.
TEST(LuckBand, SaddlepointAgainstExact) {
    std::vector<LatticeDraw> draws;
    for (int i = 0; i < 1500; ++i) {
        draws.push_back(i % 3 == 0 ? LatticeDraw{{0, 0.994}, {4, 0.005}, {29, 0.001}}
                                   : LatticeDraw{{0, 0.99}, {25, 0.01}});
    }
    const std::vector<long long> won(draws.size(), 0);
    const LuckBand exact = luckBand(draws, 2000, won);
    const LuckBand saddle = luckBand(draws, 2000, won, 1'000'000);
    EXPECT_EQ(exact.exactDraws, 1500);
    EXPECT_GT(saddle.exactDraws, 100);
    EXPECT_LT(saddle.exactDraws, 1000);
    ASSERT_EQ(saddle.points.size(), draws.size());
    double variance = 0.0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        variance +=
            i % 3 == 0 ? 0.005 * 16 + 0.001 * 841 - std::pow(0.02 + 0.029, 2) : 0.01 * 625 - 0.0625;
        const double tolerance = 2000.0 * (13.0 + 0.05 * std::sqrt(variance));
        if (static_cast<int>(i) < saddle.exactDraws) {
            EXPECT_EQ(saddle.points[i].highCents, exact.points[i].highCents) << i;
            continue;
        }
        EXPECT_NEAR(saddle.points[i].lowCents, exact.points[i].lowCents, tolerance) << i;
        EXPECT_NEAR(saddle.points[i].highCents, exact.points[i].highCents, tolerance) << i;
    }
}

// Where the total moves in steps of 1, the saddlepoint band falls on the exact lattice
// point nearly everywhere.
TEST(LuckBand, SaddlepointOnASmoothLattice) {
    const auto draws = repeated({{0, 0.97}, {1, 0.02}, {2, 0.008}, {3, 0.002}}, 3000);
    const std::vector<long long> won(draws.size(), 0);
    const LuckBand exact = luckBand(draws, 1, won);
    const LuckBand saddle = luckBand(draws, 1, won, 100'000);
    ASSERT_LT(saddle.exactDraws, 1000);
    int same = 0;
    int tried = 0;
    for (std::size_t i = static_cast<std::size_t>(saddle.exactDraws); i < draws.size(); ++i) {
        for (const auto& [got, want] :
             {std::pair{saddle.points[i].lowCents, exact.points[i].lowCents},
              {saddle.points[i].highCents, exact.points[i].highCents}}) {
            EXPECT_NEAR(got, want, 1.0) << i;
            same += got == want ? 1 : 0;
            ++tried;
        }
    }
    EXPECT_GT(same, tried * 9 / 10);
}

// Every outcome of four small draws multiplied out: the band's percentiles after each.
TEST(LuckBand, ExactAgainstEveryOutcome) {
    const std::vector<LatticeDraw> draws{{{0, 0.5}, {1, 0.3}, {3, 0.2}},
                                         {{0, 0.9}, {2, 0.1}},
                                         {{0, 0.6}, {1, 0.4}},
                                         {{0, 0.05}, {5, 0.95}}};
    const LuckBand band = luckBand(draws, 100, {0, 200, 0, 500});
    ASSERT_EQ(band.points.size(), draws.size());
    std::map<long long, double> total{{0, 1.0}};
    double expected = 0.0;
    const std::vector<double> won{0, 200, 200, 700};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        std::map<long long, double> next;
        for (const auto& [sofar, p] : total) {
            for (const auto& [x, q] : draws[i]) {
                next[sofar + x] += p * q;
            }
        }
        for (const auto& [x, q] : draws[i]) {
            expected += 100.0 * static_cast<double>(x) * q;
        }
        total = next;
        double below = 0.0;
        long long low = -1;
        long long high = -1;
        for (const auto& [x, p] : total) {
            below += p;
            low = low < 0 && below >= 0.05 - 1e-12 ? x : low;
            high = high < 0 && below >= 0.95 - 1e-12 ? x : high;
        }
        EXPECT_EQ(band.points[i].drawIndex, static_cast<int>(i));
        EXPECT_NEAR(band.points[i].lowCents, 100.0 * static_cast<double>(low) - expected, 1e-9)
            << i;
        EXPECT_NEAR(band.points[i].highCents, 100.0 * static_cast<double>(high) - expected, 1e-9)
            << i;
        EXPECT_NEAR(band.points[i].wonLessAverageCents, won[i] - expected, 1e-9) << i;
    }
}

} // namespace
} // namespace pick3
