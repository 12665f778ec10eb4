// The player's tickets: checking many against a long history, and the exact luck of
// their money over many draws.

#include "engine/games/CivilDate.h"
#include "engine/plays/MoneyLuck.h"
#include "engine/plays/PayRule.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pick3;

// New York's plays and $1 prizes, as games/new-york-numbers.json gives them.
const GameDefinition& newYork() {
    static const GameDefinition game = *readGameDefinition(
        R"({"format": "pick3-tallymoor game", "version": 1, "id": "new-york-numbers",
        "state": "New York", "name": "Numbers", "checked": "2026-12", "sources": ["bench"],
        "claimPeriod": "unknown", "notes": [],
        "schedules": [{"timeZone": "America/New_York", "source": "bench",
          "drawTimes": [{"name": "Evening", "time": "22:30", "days": "every day",
                         "salesCutoff": "unknown"}]}],
        "playTypes": [
          {"key": "straight", "name": "Straight", "prizes": {"100": {"straight": 50000}},
           "source": "bench"},
          {"key": "box", "name": "Box", "tripleBoxSold": false, "source": "bench",
           "prizes": {"100": {"six_way": 8000, "three_way": 16000}}},
          {"key": "straight_box", "name": "Straight/Box", "source": "bench",
           "prizes": {"100": {"six_way_exact": 29000, "six_way_other": 4000,
                              "three_way_exact": 33000, "three_way_other": 8000}}}],
        "addOns": []})",
        "new-york-numbers.json");
    return game;
}

// 10,000 tickets: five on each of 2,000 draws, of mixed plays.
std::vector<Ticket> manyTickets(int draws, int perDraw) {
    static const std::vector<std::string> kPlays{"straight", "box", "straight_box", "straight",
                                                 "box"};
    std::vector<Ticket> tickets;
    for (int draw = 0; draw < draws; ++draw) {
        for (int each = 0; each < perDraw; ++each) {
            const int number = (draw * 37 + each * 101) % 1000;
            const CivilDate date = CivilDate::fromDaysSinceEpoch(10000 + draw);
            tickets.push_back({"new-york-numbers", digitsOfIndex(number),
                               kPlays[static_cast<std::size_t>(each) % kPlays.size()], 100, date,
                               "Evening", "", std::nullopt, std::nullopt, false});
        }
    }
    return tickets;
}

std::vector<DrawnNumber> manyDraws(int days) {
    std::vector<DrawnNumber> draws;
    for (int day = 0; day < days; ++day) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(day);
        draws.push_back({date, "Evening", digitsOfIndex(day * 7919 % 1000), std::nullopt});
    }
    return draws;
}

void BM_CheckTickets(benchmark::State& state) {
    const auto tickets = manyTickets(2000, 5);
    const std::vector<GameDraws> games{{&newYork(), manyDraws(60000)}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkTickets(tickets, games));
    }
}
BENCHMARK(BM_CheckTickets)->Unit(benchmark::kMillisecond);

// 10,000 tickets over 2,000 draws: at most a second.
void BM_MoneyLuckTenThousandTickets(benchmark::State& state) {
    const std::vector<GameDraws> games{{&newYork(), manyDraws(14000)}};
    const auto checked = checkTickets(manyTickets(2000, 5), games);
    MoneyLuck luck;
    for (auto _ : state) {
        int leftOut = 0;
        luck = moneyLuckOf(drawTicketsOf(checked, games, leftOut));
        benchmark::DoNotOptimize(luck);
    }
    // Worked exactly, not by the saddlepoint.
    state.counters["exact"] = luck.moneyBySaddlepoint || luck.winsByDraws ? 0.0 : 1.0;
    state.counters["bandExactDraws"] = luck.band.exactDraws;
}
BENCHMARK(BM_MoneyLuckTenThousandTickets)->Unit(benchmark::kMillisecond);

// The same tickets with the exact convolution held to a million steps: the money's chance
// by the saddlepoint (the total tilted there and inverted from its characteristic function).
void BM_MoneyLuckBySaddlepoint(benchmark::State& state) {
    const std::vector<GameDraws> games{{&newYork(), manyDraws(14000)}};
    const auto checked = checkTickets(manyTickets(2000, 5), games);
    MoneyLuck luck;
    for (auto _ : state) {
        int leftOut = 0;
        luck = moneyLuckOf(drawTicketsOf(checked, games, leftOut), 0, 1'000'000);
        benchmark::DoNotOptimize(luck);
    }
    state.counters["bySaddlepoint"] = luck.moneyBySaddlepoint ? 1.0 : 0.0;
}
BENCHMARK(BM_MoneyLuckBySaddlepoint)->Unit(benchmark::kMillisecond);

} // namespace
