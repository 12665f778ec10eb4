// The number engine's two commands at their largest: "Create numbers" over all
// 1,000 straight candidates with every filter family set, and "Filter more"
// over a full results box and over a pasted megabyte.

#include "engine/backtest/BackTestRun.h"
#include "engine/numbers/Commands.h"
#include "engine/numbers/LiveCount.h"
#include "engine/stats/SkipCounts.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pick3 {
namespace {

Ticks tickRows(ListId list, const std::vector<std::size_t>& rows) {
    Ticks ticks(listEntry(list).items.size(), false);
    for (const std::size_t row : rows) {
        ticks.at(row) = true;
    }
    return ticks;
}

// Row of an item in its list.
std::size_t rowOf(ListId list, std::string_view item) {
    const auto items = listEntry(list).items;
    for (std::size_t row = 0; row < items.size(); ++row) {
        if (items[row] == item) {
            return row;
        }
    }
    throw std::invalid_argument("no such item");
}

// Positional mode, all digits in all three lists and in the must-include list,
// and every filter list, the hot/cold list and the four pair sets holding an
// item. The items are chosen to throw out as little as their family allows, so
// that nearly every candidate runs through every family and is written:
//   sum 27 and root 0 (one number each), shortsum 7 (100, as every shortsum),
//   width 0 (the ten triples), low-middle and middle-high width 9 (three each),
//   the pair widths 9 (twenty each), LMH "LLL" and OCS "SSS" (27 each), in/out
//   "OOO", odd/even "EEE" and high/low "LLL" (125 each, the least a two-class
//   pattern holds), digit sort "LHH" (45), hot/cold "HHH" with 9 the only
//   ranked digit of each position (999 only), the pair "00" in all four pair
//   sets (28), and every digit in the must-include list (nothing).
// Any consecutive mode but "Doesn't matter" throws out about half of all
// numbers, so it is left at "Doesn't matter" here and set in its own run.
MainInput largestCreate(int consecMode) {
    using enum ListId;
    MainInput in;
    in.mode = DigitMode::Positional;
    const Ticks allDigits(10, true);
    in.ticks[DigitsWheelPos1_0] = allDigits;
    in.ticks[DigitsWheelPos1_1] = allDigits;
    in.ticks[DigitsWheelPos1_2] = allDigits;
    for (int d = 0; d <= 9; ++d) {
        in.mustHave.push_back({d, true});
    }
    in.ticks[SumDigits] = tickRows(SumDigits, {27});
    in.ticks[Root] = tickRows(Root, {0});
    in.ticks[LDR] = tickRows(LDR, {7});
    in.ticks[Width] = tickRows(Width, {0});
    in.ticks[WidthLowestMiddle] = tickRows(WidthLowestMiddle, {9});
    in.ticks[WidthMiddleHighest] = tickRows(WidthMiddleHighest, {9});
    in.ticks[WidthXX_] = tickRows(WidthXX_, {9});
    in.ticks[WidthX_X] = tickRows(WidthX_X, {9});
    in.ticks[Width_XX] = tickRows(Width_XX, {9});
    in.ticks[LMHStraight] = tickRows(LMHStraight, {rowOf(LMHStraight, "LLL")});
    in.ticks[OCSStraight] = tickRows(OCSStraight, {rowOf(OCSStraight, "SSS")});
    in.ticks[InOutStraight] = tickRows(InOutStraight, {rowOf(InOutStraight, "OOO")});
    in.ticks[OddEvenStraight] = tickRows(OddEvenStraight, {rowOf(OddEvenStraight, "EEE")});
    in.ticks[HighLowStraight] = tickRows(HighLowStraight, {rowOf(HighLowStraight, "LLL")});
    in.ticks[LMHDigits] = tickRows(LMHDigits, {rowOf(LMHDigits, "LHH")});
    in.ticks[HCStraight] = tickRows(HCStraight, {rowOf(HCStraight, "HHH")});
    in.readHotDigits = [] { return HotDigits({std::vector<int>{9}, {9}, {9}}, {}); };
    in.pairs = {{"00"}, {"00"}, {"00"}, {"00"}};
    in.iConsecMode = consecMode;
    in.chk0And9 = true;
    return in;
}

MainInput noFilterCreate() {
    MainInput in;
    in.mode = DigitMode::Positional;
    for (const ListId list :
         {ListId::DigitsWheelPos1_0, ListId::DigitsWheelPos1_1, ListId::DigitsWheelPos1_2}) {
        in.ticks[list] = Ticks(10, true);
    }
    for (int d = 0; d <= 9; ++d) {
        in.mustHave.push_back({d, true});
    }
    return in;
}

void createOnce(benchmark::State& state, const MainInput& in) {
    int created = 0;
    for (auto _ : state) {
        const CommandResult r = createNumbers(in);
        created = r.count;
        benchmark::DoNotOptimize(r.text);
    }
    state.counters["created"] = created;
    state.SetItemsProcessed(state.iterations() * 1000); // candidates tested
}

void BM_CreateNumbersLargest(benchmark::State& state) {
    createOnce(state, largestCreate(0));
}
BENCHMARK(BM_CreateNumbersLargest)->Unit(benchmark::kMicrosecond);

// The same with consecutive "Must have" (0 and 9 consecutive): 520 thrown out.
void BM_CreateNumbersLargestConsecutive(benchmark::State& state) {
    createOnce(state, largestCreate(1));
}
BENCHMARK(BM_CreateNumbersLargestConsecutive)->Unit(benchmark::kMicrosecond);

void BM_CreateNumbersNoFilter(benchmark::State& state) {
    createOnce(state, noFilterCreate());
}
BENCHMARK(BM_CreateNumbersNoFilter)->Unit(benchmark::kMicrosecond);

// A text of numbers in the results format, cut to `size` characters.
std::string numbersText(std::size_t size) {
    const std::string created = *createNumbers(noFilterCreate()).text;
    std::string text;
    text.reserve(size + created.size());
    while (text.size() < size) {
        text += created;
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

void filterMoreOver(benchmark::State& state, std::size_t size) {
    const MainInput in = largestCreate(0);
    const std::string text = numbersText(size);
    int kept = 0;
    for (auto _ : state) {
        const CommandResult r = filterMore(text, in);
        kept = r.count;
        benchmark::DoNotOptimize(r.text);
    }
    state.counters["kept"] = kept;
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_FilterMore32767(benchmark::State& state) {
    filterMoreOver(state, 32767);
}
BENCHMARK(BM_FilterMore32767)->Unit(benchmark::kMicrosecond);

void BM_FilterMoreMegabyte(benchmark::State& state) {
    filterMoreOver(state, 1 << 20);
}
BENCHMARK(BM_FilterMoreMegabyte)->Unit(benchmark::kMillisecond);

// The live count after one tick, in the largest case: the whole reading of the
// settings and the count, as the main window runs it at every change.
void BM_LiveCountLargest(benchmark::State& state) {
    MainInput in = largestCreate(0);
    int numbers = 0;
    for (auto _ : state) {
        in.ticks[ListId::SumDigits][13].flip(); // the tick that changed
        const LiveCount count = liveCount(in);
        numbers = count.numbers;
        benchmark::DoNotOptimize(count);
    }
    state.counters["numbers"] = numbers;
}
BENCHMARK(BM_LiveCountLargest)->Unit(benchmark::kMicrosecond);

DrawList randomDraws(std::size_t count) {
    std::mt19937 random(5);
    DrawList draws(count);
    for (std::uint16_t& draw : draws) {
        draw = static_cast<std::uint16_t>(random() % 1000);
    }
    return draws;
}

// Every family set and a hot/cold pattern ticked, so that every draw is ranked
// on the draws before it: 10,922 draws (a full 32,767-character history) and 100,000.
void backTestOver(benchmark::State& state, std::size_t draws) {
    const MainInput in = largestCreate(0);
    const DrawList history = randomDraws(draws);
    std::size_t hits = 0;
    for (auto _ : state) {
        const Result<BackTestReport> report = backTest(in, history, {});
        hits = report->hits;
        benchmark::DoNotOptimize(report);
    }
    state.counters["hits"] = static_cast<double>(hits);
}
void BM_BackTest10922(benchmark::State& state) {
    backTestOver(state, 10922);
}
BENCHMARK(BM_BackTest10922)->Unit(benchmark::kMillisecond);
void BM_BackTest100000(benchmark::State& state) {
    backTestOver(state, 100000);
}
BENCHMARK(BM_BackTest100000)->Unit(benchmark::kMillisecond);

void BM_SkipCounts100000(benchmark::State& state) {
    const DrawList history = randomDraws(100000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(skipCounts(history, NewestEnd::First));
    }
}
BENCHMARK(BM_SkipCounts100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
