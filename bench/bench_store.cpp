// The game library at its largest: keeping 20 years of a twice-daily game
// (15,000 draws: the preview and the commit) into a new library, and reading a
// game of 60,000 draws to fill the draw box, and 10,000 of the player's tickets.
// All on a real file, fsync and all.

#include "store/Library.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace pick3 {
namespace {

std::vector<IncomingDraw> twiceDaily(int count) {
    std::vector<IncomingDraw> draws;
    draws.reserve(static_cast<std::size_t>(count));
    unsigned seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245U + 12345U;
        const int day = i / 2;
        std::array<char, 48> date{};
        std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", 1950 + day / 372,
                      day / 31 % 12 + 1, day % 31 + 1);
        draws.push_back({date.data(), i % 2 == 0 ? "Midday" : "Evening", i % 2,
                         static_cast<std::uint16_t>((seed >> 8) % 1000),
                         static_cast<std::uint8_t>((seed >> 20) % 10)});
    }
    return draws;
}

struct Folder {
    std::filesystem::path path;
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pick3-bench-store-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

void BM_KeepDrawsIntoANewLibrary(benchmark::State& state) {
    const auto batch = twiceDaily(15000);
    Folder folder;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string path = (folder.path / ("library-" + std::to_string(round++))).string();
        state.ResumeTiming();
        auto library = Library::open(path);
        const auto preview = library->preview("texas-pick-3", batch);
        const auto kept = library->commit(*preview, {}, "texas.csv", "2026-12-05T21:00:00Z");
        if (!kept.ok() || kept->added != batch.size()) {
            state.SkipWithError("the draws were not kept");
        }
    }
}
BENCHMARK(BM_KeepDrawsIntoANewLibrary)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadAGameOf60000Draws(benchmark::State& state) {
    Folder folder;
    const std::string path = (folder.path / "library.sqlite").string();
    {
        auto library = Library::open(path);
        const auto preview = library->preview("texas-pick-3", twiceDaily(60000));
        library->commit(*preview, {}, "texas.csv", "2026-12-05T21:00:00Z");
    }
    auto library = Library::open(path);
    for (auto _ : state) {
        const auto draws = library->draws("texas-pick-3");
        if (draws->size() != 60000) {
            state.SkipWithError("the game was not read whole");
        }
        benchmark::DoNotOptimize(draws->data());
    }
}
BENCHMARK(BM_ReadAGameOf60000Draws)->Unit(benchmark::kMillisecond)->UseRealTime();

// The player's tickets as the plays window opens on them: 10,000, with every field.
void BM_ReadTenThousandTickets(benchmark::State& state) {
    Folder folder;
    const std::string path = (folder.path / "library.sqlite").string();
    {
        std::vector<Ticket> tickets;
        for (int i = 0; i < 10000; ++i) {
            const CivilDate date = CivilDate::fromDaysSinceEpoch(19000 + i / 5);
            tickets.push_back({"texas-pick-3",
                               {i % 10, i / 10 % 10, i / 100 % 10},
                               "straight",
                               100,
                               date,
                               "Night",
                               i % 4 == 0 ? "fireball" : "",
                               LocalMoment{date, ClockTime{600 + i % 600}},
                               date,
                               i % 9 == 0});
        }
        auto library = Library::open(path);
        library->keepTickets(tickets);
    }
    auto library = Library::open(path);
    for (auto _ : state) {
        const auto tickets = library->tickets();
        if (tickets->size() != 10000) {
            state.SkipWithError("the tickets were not read whole");
        }
        benchmark::DoNotOptimize(tickets->data());
    }
}
BENCHMARK(BM_ReadTenThousandTickets)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace pick3
