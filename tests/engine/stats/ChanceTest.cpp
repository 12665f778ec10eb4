// Chances far below what a double holds, in words and as a share; how many
// rows luck alone makes unusual; the hits of draws with shares of their own
// (the Poisson binomial) against a direct sum and the binomial, at its edges
// against the exact value, and its saddlepoint against the exact value.

#include "engine/stats/Chance.h"

#include "Support.h"

#include <cmath>
#include <random>

namespace pick3 {
namespace {

const double kLn10 = std::log(10.0);

TEST(Chance, TinyChancesAreNeverNone) {
    const std::tuple<const char*, double, const char*, const char*> rows[] = {
        {"10^-10", -10 * kLn10, "1 time in 1.0 \u00d7 10^10", "under 0.001%"},
        {"10^-400", -400 * kLn10, "1 time in 1.0 \u00d7 10^400", "under 0.001%"},
        {"10^-5000", -5000 * kLn10, "1 time in 1.0 \u00d7 10^5000", "under 0.001%"},
        {"e^-1500", -1500.0, "1 time in 2.8 \u00d7 10^651", "under 0.001%"},
        {"just under 1 in a billion", std::log(0.99e-9), "1 time in 1.0 \u00d7 10^9",
         "under 0.001%"},
        {"1 in 490,000,000", std::log(2.0345e-9), "1 time in 490,000,000", "under 0.001%"},
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

// The share of fair counts whose two-sided chance is under 5%, against a sum
// over every count; a single draw reaches 5% at no count, three digits only at 3.
TEST(Chance, CountsThatLuckAloneMakesUnusual) {
    const std::tuple<const char*, std::size_t, double> rows[] = {
        {"1 draw", 1, 0.1},
        {"3 digits", 3, 0.1},
        {"30 draws", 30, 0.1},
        {"100 draws", 100, 0.1},
        {"4 at 93.6%", 4, 0.936},
        {"999 at 0.5", 999, 0.5},
        {"5000 at 0.2%", 5000, 0.002},
        {"no share", 50, 0.0},
        {"no draw", 0, 0.3},
    };
    for (const auto& [name, n, p] : rows) {
        double bySum = 0.0;
        for (std::size_t k = 0; k <= n; ++k) {
            bySum += binomialTwoSided(n, k, p) < 0.05 ? std::exp(binomialLogPmf(n, k, p)) : 0.0;
        }
        EXPECT_NEAR(binomialChanceUnusual(n, p), bySum, 1e-12) << name;
    }
    EXPECT_NEAR(binomialChanceUnusual(3, 0.1), 0.001, 1e-15);
    EXPECT_EQ(binomialChanceUnusual(1, 0.1), 0.0);
    const std::tuple<double, std::size_t, std::size_t, const char*> texts[] = {
        {0.0, 78, 0,
         "By luck alone none of these 78 rows would show a chance under 5%; none does."},
        {0.0225, 1, 1,
         "By luck alone about 0.02 of this 1 condition would show a chance under 5%; 1 does."},
        {1.6669, 40, 3,
         "By luck alone about 1.7 of these 40 cells would show a chance under 5%; "
         "3 do."},
        {0.004, 40, 0,
         "By luck alone almost none of these 40 cells would show a chance under 5%; none does."},
    };
    for (const auto& [expected, rowCount, shown, text] : texts) {
        EXPECT_EQ(luckAloneText(expected, rowCount,
                                rowCount == 40  ? "cell"
                                : rowCount == 1 ? "condition"
                                                : "row",
                                shown),
                  text);
    }
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

// log P(X = k) for draws of their own shares: the product of the misses
// times the k-th elementary symmetric sum of the odds p / (1 - p), in logs.
double logExactly(const std::vector<double>& shares, std::size_t k) {
    std::vector<long double> e(k + 1, 0.0L);
    e[0] = 1.0L;
    double logMisses = 0.0;
    for (const double p : shares) {
        logMisses += std::log1p(-p);
        const long double odds = static_cast<long double>(p) / (1.0L - p);
        for (std::size_t j = k; j > 0; --j) {
            e[j] += odds * e[j - 1];
        }
    }
    return logMisses + static_cast<double>(std::log(e[k]));
}

double logSumOf(const std::vector<double>& logs) {
    const double top = *std::max_element(logs.begin(), logs.end());
    double sum = 0.0;
    for (const double l : logs) {
        sum += std::exp(l - top);
    }
    return top + std::log(sum);
}

// Few hits or few misses over many draws: every tail within 1% of the exact one.
TEST(PoissonBinomial, ExactAtItsEdgesAtAnyLength) {
    for (const std::size_t n : {20001, 60000, 100000}) {
        std::vector<double> shares(n, 0.001);
        shares[7] = 0.002; // a day of its own
        std::vector<double> exactly;
        for (std::size_t k = 0; k <= 3; ++k) {
            exactly.push_back(logExactly(shares, k));
            EXPECT_NEAR(poissonBinomialLogLowerTail(shares, k), logSumOf(exactly), 0.01)
                << n << " draws at 1 in 1,000, at most " << k;
            EXPECT_NEAR(poissonBinomialLogUpperTail(shares, k + 1),
                        std::log(-std::expm1(logSumOf(exactly))), 0.01)
                << n << " draws at 1 in 1,000, at least " << k + 1;
        }
        // 999 in 1,000: every draw a hit, and every draw but one.
        const std::vector<double> high(n, 0.999);
        const auto draws = static_cast<double>(n);
        const double all = draws * std::log(0.999);
        const double allButOne = std::log(draws) + (draws - 1) * std::log(0.999) + std::log(0.001);
        EXPECT_NEAR(poissonBinomialLogUpperTail(high, n), all, 0.01) << n << " every one a hit";
        EXPECT_NEAR(poissonBinomialLogUpperTail(high, n - 1), logSumOf({all, allButOne}), 0.01)
            << n << " all but one a hit";
        EXPECT_NEAR(poissonBinomialLogLowerTail(high, n - 1), std::log(-std::expm1(all)), 0.01)
            << n << " one miss or more";
    }
    // 100,000 draws at 7 in 1,000 with no hit: 0.993^100000, about 10^-305,
    // and 150,000 such draws, 10^-458, below what a double holds.
    for (const std::size_t n : {100000, 150000}) {
        const std::vector<double> seven(n, 0.007);
        EXPECT_NEAR(poissonBinomialLogLowerTail(seven, 0),
                    static_cast<double>(n) * std::log1p(-0.007), 0.01)
            << n << " draws at 7 in 1,000";
    }
    // The hot/cold pattern of 20,005 draws: 20,003 days at 1 in 1,000 and no hit.
    std::vector<double> pattern(20003, 0.001);
    pattern.insert(pattern.begin(), {0.0, 0.0});
    EXPECT_EQ(logChanceInWords(poissonBinomialLogLowerTail(pattern, 0)), "1 time in 490,000,000");
}

} // namespace
} // namespace pick3
