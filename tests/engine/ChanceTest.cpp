// Exact binomial chances, the Wilson range and chances in words: values worked
// out with exact fractions, and the extremes a million draws reach.

#include "engine/Chance.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pick3 {
namespace {

TEST(Chance, BinomialTails) {
    struct Row {
        const char* name;
        std::size_t n, k;
        double p, upper, lower;
    };
    const Row rows[] = {
        {"30 draws at 0.1, at least 6", 30, 6, 0.1, 0.0731901084, 0.9741732113},
        {"30 draws at 0.1, at most 3", 30, 3, 0.1, 0.5886487604, 0.6474391718},
        {"no hit", 30, 0, 0.1, 1.0, 0.0423911583},
        {"all hits", 30, 30, 0.1, 1e-30, 1.0},
        {"share 0", 30, 1, 0.0, 0.0, 1.0},
        {"share 1", 30, 29, 1.0, 1.0, 0.0},
        {"no draw", 0, 0, 0.1, 1.0, 1.0},
        {"a million at a half", 1000000, 500000, 0.5, 0.5003989422, 0.5003989422},
        {"a million, every one hit", 1000000, 1000000, 0.9993, 7.716330828651e-305, 1.0},
        {"a million, none hit", 1000000, 0, 0.001, 1.0, 0.0}, // e^-1000.5: below a double
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(binomialUpperTail(r.n, r.k, r.p), r.upper, r.upper * 1e-8); // relative
        EXPECT_NEAR(binomialLowerTail(r.n, r.k, r.p), r.lower, 1e-8);
    }
    EXPECT_NEAR(binomialTwoSided(30, 0, 0.1), 2 * 0.0423911583, 1e-9);
    EXPECT_EQ(binomialTwoSided(30, 3, 0.1), 1.0); // just at the mean
    EXPECT_EQ(binomialTwoSided(0, 0, 0.5), 1.0);
}

TEST(Chance, WilsonRange) {
    const auto shown = [](Range r) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f-%.4f", r.low, r.high);
        return std::string(text);
    };
    EXPECT_EQ(shown(wilsonRange(6, 30)), "0.0951-0.3731");
    EXPECT_EQ(shown(wilsonRange(0, 10)), "0.0000-0.2775");
    EXPECT_EQ(shown(wilsonRange(10, 10)), "0.7225-1.0000");
    EXPECT_EQ(shown(wilsonRange(0, 0)), "0.0000-1.0000");
}

TEST(Chance, InWords) {
    const std::pair<double, const char*> rows[] = {
        {0.38, "38 times in 100"},     {0.0005, "1 time in 2,000"},
        {0.015, "2 times in 100"},     {0.0149, "1 time in 67"},
        {1.0, "every time"},           {0.0, "never"},
        {0.00007, "1 time in 14,000"}, {1e-12, "less than 1 time in 1,000,000,000"},
    };
    for (const auto& [chance, words] : rows) {
        EXPECT_EQ(chanceInWords(chance), words) << chance;
    }
    EXPECT_EQ(percentText(0.387) + " " + percentText(0.042) + " " + percentText(0.00052),
              "39% 4.2% 0.052%");
    EXPECT_EQ(counted(1, "draw") + ", " + counted(1234567, "draw"), "1 draw, 1,234,567 draws");
}

} // namespace
} // namespace pick3
