// A filter set opened and saved through the real window (offscreen), the live
// count included, and the set file read and written by the engine alone.

#include "BenchApplication.h"
#include "app/SetFilePanel.h"
#include "app/frmPick3ZozevidAru.h"
#include "widgets/FileAccess.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace pick3 {
namespace {

// Every digit, the first item of every list of `mode`, both hot/cold patterns
// and pairs: a set that changes nearly every control when it replaces the other.
FilterSet largeSet(DigitMode mode) {
    FilterSet set;
    set.mode = mode;
    const bool any = mode == DigitMode::AnyPosition;
    for (const ListEntry& entry : catalogue()) {
        Ticks& ticks = set.ticks[entry.id] = Ticks(entry.items.size(), false);
        const bool digits = entry.id <= ListId::DigitsWheelPos1_2;
        if (digits && any == (entry.id == ListId::DigitsWheel)) {
            ticks.assign(ticks.size(), true);
        } else if (!digits && entry.shownIn != (any ? ShownIn::Positional : ShownIn::AnyPosition)) {
            ticks[0] = true;
        }
    }
    set.mustInclude = {0, 5, 9};
    set.pairs.boxed = {"00", "19", "58"};
    if (!any) {
        set.pairs.left = {"12", "34"};
        set.pairs.split = {"90"};
    }
    set.iConsecMode = 2;
    set.order = {"HML", "HLL", "HHL"};
    return set;
}

void BM_FilterSetReadWrite(benchmark::State& state) {
    const std::string text = writeFilterSet(largeSet(DigitMode::Positional));
    for (auto _ : state) {
        benchmark::DoNotOptimize(readFilterSet(writeFilterSet(*readFilterSet(text))));
    }
}

// Each open replaces a set of the other mode: the mode switch, every list and
// the live count, from the file's bytes to the window's new state.
void BM_FilterSetOpenInWindow(benchmark::State& state) {
    const auto app = ensureApplication();
    const QTemporaryDir dir;
    std::array<QString, 2> paths;
    for (const DigitMode mode : {DigitMode::AnyPosition, DigitMode::Positional}) {
        QString& path = paths[static_cast<std::size_t>(mode)];
        path = dir.filePath(QString::number(static_cast<int>(mode)) + QStringLiteral(".p3set"));
        const std::string text = writeFilterSet(largeSet(mode));
        (void)saveFileBytes(path, QByteArray::fromStdString(text));
    }
    frmPick3ZozevidAru window;
    auto* files = window.findChild<SetFilePanel*>(QStringLiteral("setFilePanel"));
    std::size_t next = 0;
    for (auto _ : state) {
        files->openFile(paths[next]);
        next = 1 - next;
    }
    if (window.readInput(false).mode != largeSet(DigitMode(1 - next)).mode) {
        state.SkipWithError("the set was not opened");
    }
}

void BM_FilterSetSaveInWindow(benchmark::State& state) {
    const auto app = ensureApplication();
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.p3set"));
    setFileChooser([&path](const FileQuestion&) { return path; });
    frmPick3ZozevidAru window;
    auto* files = window.findChild<SetFilePanel*>(QStringLiteral("setFilePanel"));
    for (auto _ : state) {
        files->saveSet();
    }
    setFileChooser({});
    if (!QFile::exists(path)) {
        state.SkipWithError("nothing saved");
    }
}

BENCHMARK(BM_FilterSetReadWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterSetOpenInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterSetSaveInWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
