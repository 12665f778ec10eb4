// The chance of the back-test's hits when each draw has a share of its own:
// exact over 20,000 draws (the most it is worked exactly for), by the
// saddlepoint over 100,000, in the tail and near the mean.

#include "engine/stats/Chance.h"

#include <benchmark/benchmark.h>

#include <random>

namespace pick3 {
namespace {

// Shares from 3% to 20%, as a hot/cold pattern's count gives them day by day;
// and the hits expected.
std::vector<double> shares(std::size_t draws, double& mean) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> covered(30, 200);
    std::vector<double> out(draws);
    mean = 0.0;
    for (double& share : out) {
        share = covered(random) / 1000.0;
        mean += share;
    }
    return out;
}

void tail(benchmark::State& state, std::size_t draws,
          double (*upper)(const std::vector<double>&, std::size_t)) {
    double mean = 0.0;
    const std::vector<double> all = shares(draws, mean);
    // state.range(0): the hits, in tenths of the mean.
    const auto k = static_cast<std::size_t>(mean * static_cast<double>(state.range(0)) / 10.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(upper(all, k));
    }
}

void BM_PoissonBinomialExact20000(benchmark::State& state) {
    tail(state, kExactPoissonBinomial, poissonBinomialExactLogUpperTail);
}
BENCHMARK(BM_PoissonBinomialExact20000)->Arg(10)->Arg(15)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_PoissonBinomialSaddlepoint100000(benchmark::State& state) {
    tail(state, 100000, poissonBinomialSaddlepointLogUpperTail);
}
BENCHMARK(BM_PoissonBinomialSaddlepoint100000)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
