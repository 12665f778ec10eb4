// Is this history a fair draw: the distributions against known values, the pooling, Holm by hand,
// and the whole page on simulated histories, fair (calibration) and planted with a bias (power).

#include "engine/stats/Fairness.h"
#include "engine/stats/Chance.h"

#include "Support.h"

#include <cmath>
#include <random>

namespace pick3 {
namespace {

TEST(Fairness, DistributionsAgainstKnownValues) {
    const struct {
        const char* name;
        double logValue, expected, tolerance;
    } rows[] = {
        {"chi-square 16.919, 9 df: 5%", logChiSquareTail(16.919, 9), std::log(0.05), 1e-4},
        {"chi-square 21.666, 9 df: 1%", logChiSquareTail(21.666, 9), std::log(0.01), 1e-4},
        {"chi-square 3.841, 1 df: 5%", logChiSquareTail(3.841459, 1), std::log(0.05), 1e-5},
        // Two degrees of freedom: the tail is e^(-x/2) exactly; four: e^(-x/2) (1 + x/2).
        {"2 df just before a double underflows", logChiSquareTail(1280, 2), -640.0, 1e-9},
        {"2 df past it", logChiSquareTail(3000, 2), -1500.0, 1e-9},
        {"4 df past it", logChiSquareTail(3000, 4), -1500.0 + std::log(1501.0), 1e-9},
        {"binomial: every one of 1,000 repeats", binomialLogTwoSided(1000, 1000, 0.1),
         std::log(2.0) + 1000.0 * std::log(0.1), 1e-9},
        // Runs of 10 and 10: 6 or fewer, or 16 or more, are the 5% critical values of the tables.
        {"runs 10+10, 6 runs", runsTest(10, 10, 6).logChance, std::log(0.0370434519041330), 1e-9},
        {"runs 10+10, 16 runs", runsTest(10, 10, 16).logChance, std::log(0.0370434519041330), 1e-9},
        {"runs 10+10, 7 runs: not at 5%", runsTest(10, 10, 7).logChance,
         std::log(0.1025135854857217), 1e-9},
        {"runs 12+8, 5 runs", runsTest(12, 8, 5).logChance, std::log(0.0125426688894181), 1e-9},
        {"runs 12+8, 15 runs", runsTest(12, 8, 15).logChance, std::log(0.0571088354370088), 1e-9},
        {"runs at the mean", runsTest(10, 10, 11).logChance, 0.0, 1e-12},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(row.logValue, row.expected, row.tolerance) << row.name;
    }
}

TEST(Fairness, PoolingAndHolm) {
    std::vector<Cell> kinds{{0, 0, 210, 216}, {1, 1, 88, 81}, {2, 2, 2, 3}};
    std::vector<Cell> pooled = pooledCells(kinds);
    ASSERT_EQ(pooled.size(), 2U) << "triples go in with doubles";
    const Cell& p = pooled[1];
    EXPECT_EQ(std::tuple(p.first, p.last, p.observed, p.expected), std::tuple(1, 2, 90.0, 84.0));
    EXPECT_EQ(pooledCells({{0, 0, 7, 7.2}, {1, 1, 3, 2.7}, {2, 2, 0, 0.1}}).size(), 1U);

    // The sums of 100 draws: 0 to 5 expect 5.6 together, 6 and 7 then 6.4; the same at the top.
    const FairnessReport report = fairnessReport(DrawList(100, 555));
    const FairnessTest& sums = report.tests[8];
    EXPECT_EQ(sums.degreesOfFreedom, 13);
    EXPECT_NE(
        sums.sentence.find("sums 0 to 5, 6 to 7, 8 to 9, 18 to 19, 20 to 21 and 22 to 27 pooled"),
        std::string::npos)
        << sums.sentence;
    // Every draw 555: digit 5 a hundred times where 10 are expected, the others never.
    EXPECT_DOUBLE_EQ(report.tests[1].statistic, 900.0);
    EXPECT_EQ(report.tests[1].degreesOfFreedom, 9);
    EXPECT_EQ(report.tests[4].degreesOfFreedom, 1) << "1 triple expected: pooled with doubles";
    // Kinds: 0 singles for 72, 100 doubles and triples for 28: 72 + 72 * 72 / 28.
    EXPECT_EQ(report.tests[4].figure, "chi-square 257.14, 1 degree of freedom");

    const std::vector<double> holm =
        holmAdjusted({std::log(0.01), std::log(0.04), std::log(0.03), std::log(0.005)});
    const std::vector<double> byHand{0.03, 0.06, 0.06, 0.02};
    for (std::size_t i = 0; i < holm.size(); ++i) {
        EXPECT_NEAR(std::exp(holm[i]), byHand[i], 1e-12) << "Holm, p-value " << i;
    }
}

TEST(Fairness, Words) {
    EXPECT_EQ(atMostWords(std::log(0.05)), "5 times in 100");
    EXPECT_EQ(atMostWords(std::log(0.003)), "3 times in 1,000");
    EXPECT_EQ(atMostWords(std::log(0.0031)), "4 times in 1,000");
    EXPECT_EQ(atMostWords(-700.0 * std::log(10.0)), "1 time in 10^700");
}

// Draws with every digit fair, except as `plant` changes them.
DrawList simulated(std::mt19937& random, std::size_t draws,
                   const std::function<int(std::mt19937&, const DrawList&)>& plant = {}) {
    std::uniform_int_distribution<int> number(0, 999);
    DrawList list;
    for (std::size_t i = 0; i < draws; ++i) {
        list.push_back(static_cast<std::uint16_t>(plant ? plant(random, list) : number(random)));
    }
    return list;
}

TEST(Fairness, CalibratedOnFairHistories) {
    std::mt19937 random(2026);
    std::array<int, kFairnessTests> unusualAlone{};
    int pageUnusual = 0;
    for (int history = 0; history < 1000; ++history) {
        const FairnessReport report = fairnessReport(simulated(random, 1000));
        ASSERT_EQ(report.testsMade, kFairnessTests);
        for (std::size_t t = 0; t < kFairnessTests; ++t) {
            unusualAlone[t] += std::exp(report.tests[t].logChance) <= kUnusual ? 1 : 0;
        }
        pageUnusual += report.verdict.rfind("Nothing here", 0) == 0 ? 0 : 1;
    }
    for (std::size_t t = 0; t < kFairnessTests; ++t) {
        EXPECT_TRUE(unusualAlone[t] >= 26 && unusualAlone[t] <= 74)
            << "test " << t << ": " << unusualAlone[t] << " of 1,000 fair histories at 5%";
    }
    EXPECT_LE(pageUnusual, 70) << "the page after Holm";
}

TEST(Fairness, FindsPlantedBiases) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9), eleven(0, 10), four(0, 3);
    // Position 2 draws 7 twice as often as each other digit.
    const DrawList sevens = simulated(random, 10'000, [&](std::mt19937& r, const DrawList&) {
        const int middle = eleven(r);
        return digit(r) * 100 + (middle == 10 ? 7 : middle) * 10 + digit(r);
    });
    const FairnessReport biased = fairnessReport(sevens);
    EXPECT_TRUE(biased.tests[1].unusual);
    EXPECT_EQ(
        biased.verdict.rfind("Position 2's digits are unusual: a fair draw does this at most ", 0),
        0U)
        << biased.verdict;
    // A repeat is counted against the draw just before: 456 after 456, not after 123.
    for (const FairnessTest& test : fairnessReport(parseDraws("123 456 456 789")).tests) {
        if (test.name == "Repeats, position 1") {
            EXPECT_TRUE(test.figure.starts_with("1 repeat in 3")) << test.figure;
        }
    }
    // One draw in four repeats the first digit of the draw before.
    const DrawList repeats = simulated(random, 10'000, [&](std::mt19937& r, const DrawList& so) {
        const int fresh = digit(r) * 100 + digit(r) * 10 + digit(r);
        return !so.empty() && four(r) == 0 ? so.back() / 100 * 100 + fresh % 100 : fresh;
    });
    const FairnessReport repeated = fairnessReport(repeats);
    EXPECT_TRUE(repeated.tests[5].unusual) << repeated.verdict;
    EXPECT_FALSE(repeated.tests[6].unusual) << repeated.verdict;

    EXPECT_EQ(fairnessReport(simulated(random, 1000)).verdict,
              "Nothing here is unusual for a fair draw (10 tests)");
    const FairnessReport few = fairnessReport(DrawList{123, 456});
    EXPECT_EQ(few.testsMade, 4U) << "the repeats and the runs; no chi-square expects 5 per cell";
    EXPECT_EQ(fairnessReport({}).verdict, "Too few draws to test: count a longer history.");
}

} // namespace
} // namespace pick3
