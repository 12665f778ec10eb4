// Reading dated histories at their largest: 20 years of a twice-daily game as
// copied from a results page (15,000 rows), and a 50 MB download.

#include "engine/history/DrawImport.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>

namespace pick3 {
namespace {

// "Sat 11/08/2025 Midday 9-4-3 Fireball 2 16" for every draw time of every
// day, newest first, from the newest day back.
std::string resultsPage(int days, int timesPerDay) {
    static constexpr std::array<const char*, 4> kTimes{"Night", "Evening", "Midday", "Morning"};
    const DayNumber newest = *dayNumberOf({2026, 12, 6});
    std::string text;
    unsigned seed = 12345;
    for (int d = 0; d < days; ++d) {
        const DayNumber day = newest - d;
        const CalendarDate date = calendarDateOf(day);
        for (int t = 4 - timesPerDay; t < 4; ++t) {
            seed = seed * 1103515245U + 12345U;
            const unsigned n = seed >> 8;
            const int a = static_cast<int>(n % 10), b = static_cast<int>(n / 10 % 10),
                      c = static_cast<int>(n / 100 % 10);
            std::array<char, 96> line{};
            std::snprintf(line.data(), line.size(),
                          "%s %02d/%02d/%04d %s %d-%d-%d Fireball %d %d\n",
                          weekdayText(day).c_str(), date.month, date.day, date.year,
                          kTimes[static_cast<std::size_t>(t)], a, b, c,
                          static_cast<int>(n / 1000 % 10), a + b + c);
            text += line.data();
        }
    }
    return text;
}

void BM_RecognizeTwentyYears(benchmark::State& state) {
    const std::string text = resultsPage(7500, 2);
    for (auto _ : state) {
        const Result<ImportResult> r = recognizeDraws(text);
        benchmark::DoNotOptimize(r.ok());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RecognizeTwentyYears)->Unit(benchmark::kMillisecond);

// The same 15,000 rows as a browser copies them: no-break spaces after every
// word and digit, and a date line above each day's draws.
void BM_RecognizeTwentyYearsBrowserCopy(benchmark::State& state) {
    const std::string rows = resultsPage(7500, 2);
    std::string text;
    text.reserve(rows.size() * 2);
    for (const char c : rows) {
        if (c == ' ') {
            text += "\u00a0";
        } else {
            text += c;
        }
    }
    for (auto _ : state) {
        const Result<ImportResult> r = recognizeDraws(text);
        benchmark::DoNotOptimize(r.ok());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RecognizeTwentyYearsBrowserCopy)->Unit(benchmark::kMillisecond);

// 126 years of a four-draw game, given six times over (so every row of the
// last five copies is reported as a repeat): about 50 MB.
void BM_RecognizeFiftyMegabytes(benchmark::State& state) {
    const std::string once = resultsPage(46'000, 4);
    std::string text;
    while (text.size() < 50'000'000) {
        text += once;
    }
    for (auto _ : state) {
        const Result<std::string> decoded = decodeText(text);
        const Result<ImportResult> r = recognizeDraws(*decoded);
        benchmark::DoNotOptimize(r.ok());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_RecognizeFiftyMegabytes)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace pick3
