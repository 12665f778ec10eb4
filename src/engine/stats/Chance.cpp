#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace pick3 {

namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

// The terms of a tail from k outwards (step +1 or -1), each from the one
// before by the ratio of neighbouring probabilities. Called only on the side
// of k away from the mean, where the terms shrink, so the sum stops as soon as
// a term no longer counts. Returns log of the sum.
double logTailFrom(std::size_t n, std::size_t k, double p, int step) {
    const double odds = p / (1.0 - p);
    double sum = 1.0; // relative to the term at k
    double term = 1.0;
    for (std::size_t j = k; step > 0 ? j < n : j > 0; j = step > 0 ? j + 1 : j - 1) {
        const double nj = static_cast<double>(n - j);
        const double jd = static_cast<double>(j);
        term *= step > 0 ? nj / (jd + 1.0) * odds : jd / (nj + 1.0) / odds;
        sum += term;
        if (term < sum * 1e-17) {
            break;
        }
    }
    return binomialLogPmf(n, k, p) + std::log(sum);
}

// log(1 - e^x) for x <= 0, without losing the digits of either end.
double logOneMinus(double x) {
    return x > -0.6931471805599453 ? std::log(-std::expm1(x)) : std::log1p(-std::exp(x));
}

double probability(double logValue) {
    return std::clamp(std::exp(logValue), 0.0, 1.0);
}

std::string withDigits(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

double binomialLogPmf(std::size_t n, std::size_t k, double p) {
    if (k > n) {
        return kMinusInfinity;
    }
    if (p <= 0.0 || p >= 1.0) {
        const bool certain = p <= 0.0 ? k == 0 : k == n;
        return certain ? 0.0 : kMinusInfinity;
    }
    const double nd = static_cast<double>(n);
    const double kd = static_cast<double>(k);
    return std::lgamma(nd + 1.0) - std::lgamma(kd + 1.0) - std::lgamma(nd - kd + 1.0) +
           kd * std::log(p) + (nd - kd) * std::log1p(-p);
}

double binomialLogUpperTail(std::size_t n, std::size_t k, double p) {
    if (k == 0) {
        return 0.0;
    }
    if (k > n || p <= 0.0) {
        return kMinusInfinity;
    }
    if (p >= 1.0) {
        return 0.0;
    }
    if (static_cast<double>(k) >= static_cast<double>(n) * p) {
        return std::min(0.0, logTailFrom(n, k, p, +1));
    }
    return logOneMinus(binomialLogLowerTail(n, k - 1, p));
}

double binomialLogLowerTail(std::size_t n, std::size_t k, double p) {
    if (k >= n || p <= 0.0) {
        return 0.0;
    }
    if (p >= 1.0) {
        return kMinusInfinity;
    }
    if (static_cast<double>(k) <= static_cast<double>(n) * p) {
        return std::min(0.0, logTailFrom(n, k, p, -1));
    }
    return logOneMinus(binomialLogUpperTail(n, k + 1, p));
}

double binomialUpperTail(std::size_t n, std::size_t k, double p) {
    return probability(binomialLogUpperTail(n, k, p));
}

double binomialLowerTail(std::size_t n, std::size_t k, double p) {
    return probability(binomialLogLowerTail(n, k, p));
}

double binomialLogTwoSided(std::size_t n, std::size_t k, double p) {
    const double smaller = std::min(binomialLogUpperTail(n, k, p), binomialLogLowerTail(n, k, p));
    return std::min(0.0, std::log(2.0) + smaller);
}

double binomialTwoSided(std::size_t n, std::size_t k, double p) {
    return probability(binomialLogTwoSided(n, k, p));
}

Range wilsonRange(std::size_t hits, std::size_t n) {
    if (n == 0) {
        return {};
    }
    constexpr double z = 1.959963984540054; // 95% of a normal distribution lies within z
    const double nd = static_cast<double>(n);
    const double rate = static_cast<double>(hits) / nd;
    const double z2 = z * z;
    const double centre = (rate + z2 / (2.0 * nd)) / (1.0 + z2 / nd);
    const double half =
        z / (1.0 + z2 / nd) * std::sqrt(rate * (1.0 - rate) / nd + z2 / (4.0 * nd * nd));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::string grouped(std::size_t count) {
    std::string digits = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

std::string counted(std::size_t count, const std::string& singular) {
    return grouped(count) + " " + singular + (count == 1 ? "" : "s");
}

namespace {

// One time in m × 10^e, m to two digits, worked from the logarithm alone;
// kept finite and within an int, however small the chance.
std::string oneTimeInPowerOfTen(double logChance) {
    const double tens = std::clamp(-logChance / std::log(10.0), 0.0, 1e9);
    int exponent = static_cast<int>(std::floor(tens));
    double mantissa = std::round(std::pow(10.0, tens - exponent) * 10.0) / 10.0;
    if (mantissa >= 10.0) {
        mantissa = 1.0;
        ++exponent;
    }
    char text[64];
    std::snprintf(text, sizeof text, "1 time in %.1f \u00d7 10^%d", mantissa, exponent);
    return text;
}

// A chance in words from its logarithm; `none` where it is truly nothing, not
// just too small for a double.
std::string wordsOf(double chance, double logChance, bool none) {
    if (chance >= 1.0) {
        return "every time";
    }
    if (none) {
        return "never";
    }
    // Down to 2 in 100 as a share of 100; rarer as one time in so many.
    if (chance >= 0.015) {
        const long times = std::clamp(std::lround(100.0 * chance), 2L, 99L);
        return std::to_string(times) + " times in 100";
    }
    if (logChance < std::log(1e-9)) {
        return oneTimeInPowerOfTen(logChance);
    }
    // One in so many, to two significant digits: 1 in 2,000, 1 in 67.
    const double inverse = 1.0 / chance;
    const double unit = std::pow(10.0, std::floor(std::log10(inverse)) - 1.0);
    return "1 time in " + grouped(static_cast<std::size_t>(std::round(inverse / unit) * unit));
}

std::string percentOf(double chance, bool none) {
    const double percent = 100.0 * chance;
    if (none) {
        return "0%";
    }
    if (percent >= 10.0) {
        return withDigits("%.0f%%", percent);
    }
    if (percent >= 1.0) {
        return withDigits("%.1f%%", percent);
    }
    if (percent < 0.001) {
        return "under 0.001%";
    }
    return withDigits("%.2g%%", percent);
}

} // namespace

std::string chanceInWords(double chance) {
    return wordsOf(chance, std::log(chance), !(chance > 0.0));
}

std::string logChanceInWords(double logChance) {
    return wordsOf(std::exp(logChance), logChance,
                   std::isnan(logChance) || logChance == kMinusInfinity);
}

double binomialChanceUnusual(std::size_t n, double p) {
    if (n == 0 || !(p > 0.0 && p < 1.0)) {
        return 0.0; // the count is certain: its chance is 1
    }
    const double level = std::log(0.05);
    const auto unusual = [&](std::size_t k) { return binomialLogTwoSided(n, k, p) < level; };
    // The smaller tail only grows from 0 to the mode and shrinks beyond it, so
    // the unusual counts are those up to some k and those from some k on.
    const auto mode = std::min(n, static_cast<std::size_t>(static_cast<double>(n + 1) * p));
    double share = 0.0;
    if (unusual(0)) {
        std::size_t usual = mode; // the first count from 0 that is not unusual
        for (std::size_t low = 0; usual - low > 1;) {
            const std::size_t mid = low + (usual - low) / 2;
            (unusual(mid) ? low : usual) = mid;
        }
        share += binomialLowerTail(n, usual - 1, p);
    }
    if (unusual(n)) {
        std::size_t usual = mode; // the last count up to n that is not unusual
        for (std::size_t high = n; high - usual > 1;) {
            const std::size_t mid = usual + (high - usual) / 2;
            (unusual(mid) ? high : usual) = mid;
        }
        share += binomialUpperTail(n, usual + 1, p);
    }
    return share;
}

namespace {

// 1.67 as "about 1.7", 0.0104 as "about 0.01": what a reader needs of an expected count.
std::string aboutText(double expected) {
    if (expected <= 0.0) {
        return "none";
    }
    if (expected < 0.01) {
        return "almost none";
    }
    return "about " + withDigits(expected < 0.095  ? "%.2f"
                                 : expected < 9.95 ? "%.1f"
                                                   : "%.0f",
                                 expected);
}

} // namespace

std::string luckAloneText(double expected, std::size_t rows, const std::string& singular,
                          std::size_t shown) {
    return "By luck alone " + aboutText(expected) + (rows == 1 ? " of this " : " of these ") +
           counted(rows, singular) + " would show a chance under 5%; " +
           (shown == 0   ? std::string("none does.")
            : shown == 1 ? std::string("1 does.")
                         : grouped(shown) + " do.");
}

std::string percentText(double chance) {
    return percentOf(chance, chance <= 0.0);
}

std::string logPercentText(double logChance) {
    return percentOf(std::exp(logChance), std::isnan(logChance) || logChance == kMinusInfinity);
}

} // namespace pick3
