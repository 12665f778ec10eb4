#pragma once
// Exact chances for "could this be luck?": the binomial distribution of hits
// among n draws when each draw is hit with probability p, worked in log space
// so that a million draws neither overflow nor underflow, the Wilson range of
// a hit rate, and a chance said in words a player reads at a glance.

#include <cstddef>
#include <string>

namespace pick3 {

// log P(X = k) for X ~ Binomial(n, p); -infinity where k cannot happen.
double binomialLogPmf(std::size_t n, std::size_t k, double p);
// P(X >= k) and P(X <= k).
double binomialUpperTail(std::size_t n, std::size_t k, double p);
double binomialLowerTail(std::size_t n, std::size_t k, double p);
// The chance of a result at least as far from n * p as k, on either side:
// the smaller of the two tails through k, doubled, and never above 1.
double binomialTwoSided(std::size_t n, std::size_t k, double p);

struct Range {
    double low = 0.0;
    double high = 1.0;
};
// The 95% Wilson range of a rate of `hits` in `n`; 0 to 1 where n is 0.
Range wilsonRange(std::size_t hits, std::size_t n);

// "38 times in 100", "1 time in 2,000", "every time", "never".
std::string chanceInWords(double chance);
// "39%", "4.2%", "0.052%".
std::string percentText(double chance);
// "1 draw", "2 draws"; the count with thousands separated: "12,345 draws".
std::string counted(std::size_t count, const std::string& singular);
// 12345 as "12,345".
std::string grouped(std::size_t count);

} // namespace pick3
