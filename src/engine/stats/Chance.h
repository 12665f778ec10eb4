#pragma once
// Exact chances for "could this be luck?": the binomial distribution of hits
// among n draws when each draw is hit with probability p, worked in log space
// so that a million draws neither overflow nor underflow, the Wilson range of
// a hit rate, and a chance said in words a player reads at a glance.

#include <cstddef>
#include <string>
#include <vector>

namespace pick3 {

// log P(X = k) for X ~ Binomial(n, p); -infinity where k cannot happen.
double binomialLogPmf(std::size_t n, std::size_t k, double p);
// P(X >= k) and P(X <= k).
double binomialUpperTail(std::size_t n, std::size_t k, double p);
double binomialLowerTail(std::size_t n, std::size_t k, double p);
// The same as logs, which keep a chance of 10^-700 apart from none (-infinity).
double binomialLogUpperTail(std::size_t n, std::size_t k, double p);
double binomialLogLowerTail(std::size_t n, std::size_t k, double p);
// The chance of a result at least as far from n * p as k, on either side:
// the smaller of the two tails through k, doubled, and never above 1.
double binomialTwoSided(std::size_t n, std::size_t k, double p);
double binomialLogTwoSided(std::size_t n, std::size_t k, double p);

// The hits among draws that each have a chance of their own (`shares`, one a
// draw): log P(X >= k) and log P(X <= k). Exact near either edge, up to 32
// hits or misses, at any number of draws (a recursion over the first k + 1
// counts only); elsewhere exact up to kExactPoissonBinomial draws (a recursion
// draw by draw, tilted so that the draws around k carry the weight, its scale
// kept as a log); a saddlepoint approximation beyond.
inline constexpr std::size_t kExactPoissonBinomial = 20000;
double poissonBinomialLogUpperTail(const std::vector<double>& shares, std::size_t k);
double poissonBinomialLogLowerTail(const std::vector<double>& shares, std::size_t k);
// The same, always exact or always by the saddlepoint.
double poissonBinomialExactLogUpperTail(const std::vector<double>& shares, std::size_t k);
double poissonBinomialSaddlepointLogUpperTail(const std::vector<double>& shares, std::size_t k);

struct Range {
    double low = 0.0;
    double high = 1.0;
};
// The 95% Wilson range of a rate of `hits` in `n`; 0 to 1 where n is 0.
Range wilsonRange(std::size_t hits, std::size_t n);

// The one way a chance is said in words: "38 times in 100", "1 time in 2,000",
// "every time", "never"; rarer than one time in a billion, from its logarithm
// so that it stays exact however small: "1 time in 2.8 × 10^651".
std::string chanceInWords(double chance);
std::string logChanceInWords(double logChance);
// How many of a table's rows a fair draw would show with a chance under 5%,
// each row's chance being binomialTwoSided(n, its count, p): the chance that
// a count X ~ Binomial(n, p) lands where binomialTwoSided(n, X, p) < 0.05.
// Discrete counts reach 5% only at some values, so this is often well under 5%.
double binomialChanceUnusual(std::size_t n, double p);
// "By luck alone about 1.7 of these 40 cells would show a chance under 5%; 3 do.":
// `expected` of the `rows` (each a `singular`) against the `shown` that do.
std::string luckAloneText(double expected, std::size_t rows, const std::string& singular,
                          std::size_t shown);

// "39%", "4.2%", "0.052%"; "under 0.001%" for any chance below that but none.
std::string percentText(double chance);
std::string logPercentText(double logChance);
// "1 draw", "2 draws"; the count with thousands separated: "12,345 draws".
std::string counted(std::size_t count, const std::string& singular);
// 12345 as "12,345".
std::string grouped(std::size_t count);

} // namespace pick3
