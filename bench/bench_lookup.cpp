// Looking a number up over 100,000 draws, with the text the counter shows (a
// label for every hit, as an imported history gives), and the fairness tests
// over 100,000 draws and over the 1,400,000 of a 4 MB history.

#include "engine/stats/Fairness.h"
#include "engine/stats/NumberLookup.h"

#include <benchmark/benchmark.h>

#include <random>

namespace pick3 {
namespace {

DrawList randomDraws(std::size_t count) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> number(0, 999);
    DrawList draws(count);
    for (auto& draw : draws) {
        draw = static_cast<std::uint16_t>(number(random));
    }
    return draws;
}

void BM_LookUpNumber(benchmark::State& state) {
    const DrawList draws = randomDraws(100'000);
    const auto label = [](std::size_t place) {
        return "Sat 2026-12-05 Evening " + std::to_string(place);
    };
    for (auto _ : state) {
        const NumberLookup lookup = lookUpNumber(123, draws, NewestEnd::First);
        benchmark::DoNotOptimize(lookupText(lookup, draws, label));
    }
}
BENCHMARK(BM_LookUpNumber)->Unit(benchmark::kMillisecond);

void BM_FairnessReport(benchmark::State& state) {
    const DrawList draws = randomDraws(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(fairnessReport(draws));
    }
}
BENCHMARK(BM_FairnessReport)->Arg(100'000)->Arg(1'400'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
