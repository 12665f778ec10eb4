// "Count" of the hot/cold counter over the largest draw history: a mebibyte of
// pasted draws, through the engine alone and through the window's button.

#include "engine/numbers/HotCold.h"
#include "hotcold/frmHotCold.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace pick3 {
namespace {

constexpr std::size_t kHistoryBytes = 1 << 20;

// Draws as a user pastes them: "097, 123, 458\n", random digits, fixed seed.
std::string drawHistory(std::size_t bytes) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text;
    text.reserve(bytes + 8);
    int onLine = 0;
    while (text.size() < bytes) {
        for (int i = 0; i < 3; ++i) {
            text += numeral(digit(random));
        }
        text += ++onLine % 10 == 0 ? "\n" : ", ";
    }
    return text;
}

void BM_CountEngine(benchmark::State& state) {
    const std::string text = drawHistory(kHistoryBytes);
    for (auto _ : state) {
        const RankedHits ranked = rankHits(countDraws(text), SortOrder::HitsDescDigitsAsc);
        std::size_t items = 0;
        for (const HitTable& table : ranked.positions) {
            items += hitListItems(table).size();
        }
        items += hitListItems(ranked.box).size();
        benchmark::DoNotOptimize(items);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_CountEngine)->Unit(benchmark::kMillisecond);

// The user's path: the pasted text is in txtDrawnNumber; "Count" reads it,
// counts, ranks, fills the four hit lists and activates the filter.
void BM_CountWindow(benchmark::State& state) {
    std::unique_ptr<QApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "pick3_bench";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    frmHotCold window(DigitMode::Positional);
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
    auto* count = window.findChild<QPushButton*>(QStringLiteral("cmdGo"));
    text->setPlainText(QString::fromStdString(drawHistory(kHistoryBytes)));
    for (auto _ : state) {
        count->click();
    }
    if (window.findChild<QListWidget*>(QStringLiteral("lstBox"))->count() != 10) {
        state.SkipWithError("the count did not fill the hit lists");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(kHistoryBytes));
}
BENCHMARK(BM_CountWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
