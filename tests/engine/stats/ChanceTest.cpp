// Chances far below what a double holds, in words and as a share; the hits of
// draws with shares of their own (the Poisson binomial) against a direct sum
// and the binomial, and its saddlepoint against the exact value.

#include "engine/stats/Chance.h"

#include "Support.h"

#include <cmath>
#include <random>

namespace pick3 {
namespace {

const double kLn10 = std::log(10.0);

TEST(Chance, TinyChancesAreNeverNone) {
    const std::tuple<const char*, double, const char*, const char*> rows[] = {
        {"10^-10", -10 * kLn10, "less than 1 time in 1,000,000,000", "under 0.001%"},
        {"10^-400", -400 * kLn10, "less than 1 time in 1,000,000,000", "under 0.001%"},
        {"10^-5000", -5000 * kLn10, "less than 1 time in 1,000,000,000", "under 0.001%"},
        {"1 in 2,000", std::log(0.0005), "1 time in 2,000", "0.05%"},
        {"none", -INFINITY, "never", "0%"},
        {"certain", 0.0, "every time", "100%"},
    };
    for (const auto& [name, logChance, words, percent] : rows) {
        EXPECT_EQ(logChanceInWords(logChance), words) << name;
        EXPECT_EQ(logPercentText(logChance), percent) << name;
    }
    // 438 draws, every one a hit, at 2.5%: 0.025^438, about 10^-702.
    EXPECT_NEAR(binomialLogUpperTail(438, 438, 0.025) / kLn10, 438 * std::log10(0.025), 1e-9);
    EXPECT_NEAR(binomialLogLowerTail(2457, 0, 0.271) / kLn10, 2457 * std::log10(0.729), 1e-9);
    EXPECT_NEAR(binomialLogTwoSided(438, 438, 0.025), std::log(2.0) + 438 * std::log(0.025), 1e-9);
}

// The distribution of the hits, summed draw by draw in long doubles.
std::vector<long double> directly(const std::vector<double>& shares) {
    std::vector<long double> q{1.0L};
    for (const double p : shares) {
        q.push_back(0.0L);
        for (std::size_t m = q.size() - 1; m > 0; --m) {
            q[m] = q[m] * (1.0L - p) + q[m - 1] * p;
        }
        q[0] *= 1.0L - p;
    }
    return q;
}

std::vector<double> mixedShares(std::size_t n, std::uint32_t seed, double low, double high) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> covered(static_cast<int>(1000 * low),
                                               static_cast<int>(1000 * high));
    std::vector<double> shares(n);
    for (double& s : shares) {
        s = covered(random) / 1000.0;
    }
    return shares;
}

TEST(PoissonBinomial, ExactAgainstADirectSumAndTheBinomial) {
    // Every k of 300 draws, shares from 2% to 40%, and a sure draw and an impossible one.
    std::vector<double> shares = mixedShares(300, 7, 0.02, 0.4);
    shares.push_back(1.0);
    shares.push_back(0.0);
    const std::vector<long double> q = directly(shares);
    long double upper = 0.0L;
    for (std::size_t k = shares.size(); k-- > 0;) {
        upper += q[k];
        long double lower = 0.0L;
        for (std::size_t m = 0; m <= k; ++m) {
            lower += q[m];
        }
        const double logUpper = poissonBinomialExactLogUpperTail(shares, k);
        const double logLower = poissonBinomialLogLowerTail(shares, k);
        EXPECT_NEAR(logUpper, std::log(static_cast<double>(upper)), 1e-9 + (upper == 0) * 1e300)
            << "at least " << k;
        if (lower > 1e-300L) {
            EXPECT_NEAR(logLower, std::log(static_cast<double>(lower)), 1e-9) << "at most " << k;
        }
    }
    EXPECT_EQ(poissonBinomialLogUpperTail(shares, 0), 0.0);
    EXPECT_EQ(poissonBinomialLogUpperTail(shares, 302), -INFINITY); // one draw cannot hit
    EXPECT_EQ(poissonBinomialLogLowerTail(shares, 0), -INFINITY);   // one draw always hits
    // Equal shares: the binomial, out to its extremes.
    const std::tuple<const char*, std::size_t, std::size_t, double> binomial[] = {
        {"438 of 438 at 2.5%", 438, 438, 0.025},
        {"0 of 5000 at 20%", 5000, 0, 0.2},
        {"60 of 2000 at 1.2%", 2000, 60, 0.012},
        {"17 of 20000 at 0.1%", 20000, 17, 0.001},
    };
    for (const auto& [name, n, k, p] : binomial) {
        const std::vector<double> same(n, p);
        EXPECT_NEAR(poissonBinomialLogUpperTail(same, k), binomialLogUpperTail(n, k, p),
                    1e-10 * std::abs(binomialLogUpperTail(n, k, p)) + 1e-12)
            << name;
        EXPECT_NEAR(poissonBinomialLogLowerTail(same, k), binomialLogLowerTail(n, k, p),
                    1e-9 * std::abs(binomialLogLowerTail(n, k, p)) + 1e-12)
            << name;
    }
}

// Within 1% of the chance, from about a half down to below 10^-300.
TEST(PoissonBinomial, SaddlepointWithinOnePercentOfExact) {
    const std::tuple<const char*, std::size_t, double, double> rows[] = {
        {"2,000 draws, 1% to 10%", 2000, 0.01, 0.1},
        {"20,000 draws, 3% to 20%", 20000, 0.03, 0.2},
        {"5,000 draws, 40% to 60%", 5000, 0.4, 0.6},
        {"8,000 draws, 60% to 95%", 8000, 0.6, 0.95}, // a lower tail of low shares, flipped
    };
    for (const auto& [name, n, low, high] : rows) {
        const std::vector<double> shares = mixedShares(n, 11, low, high);
        double mean = 0.0;
        for (const double s : shares) {
            mean += s;
        }
        double reached = 0.0;
        for (std::size_t k = static_cast<std::size_t>(mean) + 1; k <= n; k += 1 + n / 60) {
            reached = poissonBinomialExactLogUpperTail(shares, k);
            const double saddle = poissonBinomialSaddlepointLogUpperTail(shares, k);
            EXPECT_NEAR(saddle, reached, std::log(1.01)) << name << ", at least " << k;
            if (reached < -300 * kLn10) {
                break;
            }
        }
        EXPECT_LT(reached, -300 * kLn10) << name;
    }
}

} // namespace
} // namespace pick3
