// Each chart drawn over a long history, from the click on its page to the
// chart on screen (offscreen), and the longest time the window stops answering
// meanwhile: its series are worked out on a worker thread and cut to a
// minimum and maximum per pixel column, so only drawing the points stays here.

#include "BenchApplication.h"
#include "charts/ChartPage.h"
#include "charts/frmCharts.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <random>

namespace pick3 {
namespace {

// A history of `draws` random draws and a back-test of it that plays 271 numbers of 1,000.
ChartSource longHistory(std::size_t draws) {
    std::mt19937 random(20);
    ChartSource source;
    BackTestReport report;
    report.mode = DigitMode::AnyPosition;
    for (std::size_t i = 0; i < draws; ++i) {
        const auto draw = static_cast<std::uint16_t>(random() % 1000);
        source.draws.push_back(draw);
        const bool hit = random() % 1000 < 271;
        report.strip.push_back({i, draw, hit ? -1 : 0, 100, 271});
    }
    report.costs.push_back({"Digits", 0, 729});
    source.newest = NewestEnd::First;
    source.report = std::make_shared<const BackTestReport>(std::move(report));
    return source;
}

// From the click on page `page` to its chart drawn; the longest pause of the
// event loop meanwhile (a timer that fires every turn measures it).
void drawPage(benchmark::State& state, std::size_t draws, int page) {
    const auto app = ensureApplication();
    const ChartSource source = longHistory(draws);
    double longestPause = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        frmCharts window(source);
        window.show();
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstCharts"));
        list->setCurrentRow(page == 0 ? 1 : 0);
        while (!window.page(page == 0 ? 1 : 0)->isDrawn()) {
            QCoreApplication::processEvents();
        }
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestPause = std::max(longestPause, static_cast<double>(sinceTick.nsecsElapsed()));
            sinceTick.restart();
        });
        state.ResumeTiming();
        list->setCurrentRow(page);
        sinceTick.start();
        ticker.start();
        while (!window.page(page)->isDrawn()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        window.repaint(); // the chart on screen, not only its series
        state.PauseTiming();
        ticker.stop();
        state.ResumeTiming();
    }
    state.counters["longest_pause_ms"] = longestPause / 1e6;
}

void BM_ChartHeat(benchmark::State& state) {
    drawPage(state, static_cast<std::size_t>(state.range(0)), 0);
}
void BM_ChartSums(benchmark::State& state) {
    drawPage(state, static_cast<std::size_t>(state.range(0)), 1);
}
void BM_ChartSkips(benchmark::State& state) {
    drawPage(state, static_cast<std::size_t>(state.range(0)), 2);
}
void BM_ChartLuck(benchmark::State& state) {
    drawPage(state, static_cast<std::size_t>(state.range(0)), 3);
}

constexpr std::int64_t kLong = 100'000;
constexpr std::int64_t kLongest = 1'400'000;
BENCHMARK(BM_ChartHeat)->Arg(kLong)->Arg(kLongest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChartSums)->Arg(kLong)->Arg(kLongest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChartSkips)->Arg(kLong)->Arg(kLongest)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChartLuck)->Arg(kLong)->Arg(kLongest)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace pick3
