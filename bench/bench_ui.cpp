// The main window's largest "Create numbers" click, printing the largest list,
// the program's start-up to a shown main window (with a game library and without) and
// the counter filled from a game of 60,000 draws, through the real windows (offscreen).

#include "BenchApplication.h"
#include "BenchLibrary.h"
#include "app/PlayListPrinter.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"
#include "backtest/frmBackTestWindow.h"
#include "hotcold/frmHotCold.h"
#include "importdraws/frmImportDraws.h"
#include "widgets/CheckList.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace pick3 {
namespace {

void tick(const frmPick3ZozevidAru& window, const char* list, const char* item) {
    CheckList* l = window.findChild<CheckList*>(QString::fromLatin1(list));
    for (int row = 0; row < l->count(); ++row) {
        if (l->itemText(row) == QLatin1String(item)) {
            l->setTicked(row, true);
        }
    }
}

// Positional, every digit in all three lists: 1,000 candidates. Every filter
// family holds one item, chosen among those that throw out the fewest numbers
// of the family (the straight hot/cold pattern none at all, as nothing was
// counted), so that most candidates are compared with most families. Some 540
// numbers survive: with every digit allowed, each item fits some numbers.
void setLargest(frmPick3ZozevidAru& window) {
    window.findChild<QRadioButton*>(QStringLiteral("optPositionDigit(1)"))->click();
    for (const char* name :
         {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
        window.findChild<CheckList*>(QString::fromLatin1(name))->setAllTicked(true);
    }
    tick(window, "lstSumDigits", "0");
    tick(window, "lstRoot", "0");
    tick(window, "lstLDR", "0");
    for (const char* name : {"lstWidth", "lstWidthLowestMiddle", "lstWidthMiddleHighest",
                             "lstWidthXX_", "lstWidthX_X", "lstWidth_XX"}) {
        tick(window, name, "9");
    }
    tick(window, "lstLMHDigits", "HHL");
    tick(window, "lstLMHStraight", "HHH");
    tick(window, "lstOCSStraight", "SSS");
    tick(window, "lstOddEvenStraight", "OOO");
    tick(window, "lstHighLowStraight", "HHH");
    tick(window, "lstInOutStraight", "III");
    tick(window, "lstHCStraight", "HHH");
}

void BM_CreateNumbersClick(benchmark::State& state) {
    const auto app = ensureApplication();
    frmPick3ZozevidAru window;
    setLargest(window);
    auto* produce = window.findChild<QPushButton*>(QStringLiteral("cmdProduce"));
    auto* count = window.findChild<QLabel*>(QStringLiteral("lblNumbersCreated"));
    for (auto _ : state) {
        produce->click();
    }
    if (!count->text().startsWith(QStringLiteral("Numbers created: "))) {
        state.SkipWithError("the creation was refused");
    }
    state.SetLabel(count->text().toStdString());
}
BENCHMARK(BM_CreateNumbersClick)->Unit(benchmark::kMillisecond);

// One tick in the largest setting, up to the live count's new line: the list's
// signal, the reading of every control and the count.
void BM_LiveCountTick(benchmark::State& state) {
    const auto app = ensureApplication();
    frmPick3ZozevidAru window;
    setLargest(window);
    CheckList* sums = window.findChild<CheckList*>(QStringLiteral("lstSumDigits"));
    auto* line = window.findChild<QLabel*>(QStringLiteral("lblLiveCount"));
    bool ticked = false;
    for (auto _ : state) {
        ticked = !ticked;
        sums->setTicked(13, ticked);
    }
    state.SetLabel(line->text().toStdString());
}
BENCHMARK(BM_LiveCountTick)->Unit(benchmark::kMicrosecond);

// The back-test window opened with every family set, until its summary is
// shown: the back-test, the skip counts and every table filled. A long history
// is tested on a worker thread while the window stays responsive.
void backTestWindow(benchmark::State& state, std::size_t count) {
    const auto app = ensureApplication();
    frmPick3ZozevidAru window;
    setLargest(window);
    DrawList draws(count);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i] = static_cast<std::uint16_t>(i * 7919 % 1000);
    }
    const MainInput input = window.readInput(false);
    for (auto _ : state) {
        frmBackTest backTest(input, draws, SortOrder::HitsDescDigitsAsc);
        const auto* tested = backTest.findChild<QLabel*>(QStringLiteral("lblSummary(0)"));
        while (tested->text().isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
}
void BM_BackTestWindow100000(benchmark::State& state) {
    backTestWindow(state, 100000);
}
BENCHMARK(BM_BackTestWindow100000)->Unit(benchmark::kMillisecond);
// A pasted 4 MB history: 1,400,000 draws.
void BM_BackTestWindow1400000(benchmark::State& state) {
    backTestWindow(state, 1400000);
}
BENCHMARK(BM_BackTestWindow1400000)->Unit(benchmark::kMillisecond);

// The largest play list printed to a PDF file: 1,000 straight numbers (every
// digit in all three lists, nothing ticked), the heading read from the window.
void BM_PrintThousandToPdf(benchmark::State& state) {
    const auto app = ensureApplication();
    frmPick3ZozevidAru window;
    window.findChild<QRadioButton*>(QStringLiteral("optPositionDigit(1)"))->click();
    for (const char* name :
         {"lstDigitsWheelPos1(0)", "lstDigitsWheelPos1(1)", "lstDigitsWheelPos1(2)"}) {
        window.findChild<CheckList*>(QString::fromLatin1(name))->setAllTicked(true);
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdProduce"))->click();
    const QString text =
        window.findChild<QPlainTextEdit*>(QStringLiteral("txtResults"))->toPlainText();
    const QTemporaryDir dir;
    for (auto _ : state) {
        const PlayList list = readPlayList(text.toStdString(), DigitMode::Positional);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("list.pdf")));
        const QString error = printPlayList(printer, QStringLiteral("7 December 2026"),
                                            playListHeading(list, window.readInput(false)), list);
        if (!error.isEmpty() || list.numbers.size() != 1000) {
            state.SkipWithError("the list was not printed");
        }
    }
}
BENCHMARK(BM_PrintThousandToPdf)->Unit(benchmark::kMillisecond);

// Main(): the load (every list filled, the hidden hot/cold window) and show(), without a
// game library (0) and with one of 60,000 draws (1): nothing of it is read at start.
void BM_StartUp(benchmark::State& state) {
    const auto app = ensureApplication();
    useBenchLibrary(state.range(0) == 1);
    for (auto _ : state) {
        Main();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete mainWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->ArgName("library")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The counter shown, its game list read; timed: a game of 60,000 draws picked, until the
// draw box holds them, newest first, counted, and the window drawn.
void BM_CounterPicksAGameOf60000Draws(benchmark::State& state) {
    const auto app = ensureApplication();
    useBenchLibrary(true);
    frmHotCold counter(DigitMode::Positional);
    counter.show();
    auto* game = counter.findChild<QComboBox*>(QStringLiteral("cboCountGame"));
    for (int wait = 0; game->count() < 2 && wait < 100; ++wait) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    auto* box = counter.findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
    for (auto _ : state) {
        state.PauseTiming();
        game->setCurrentIndex(0); // None: the box as it is
        box->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        game->setCurrentIndex(1);
        QCoreApplication::processEvents(); // drawn
    }
    if (box->toPlainText().count(QLatin1Char('\n')) < 60000 ||
        counter.findChild<QListWidget*>(QStringLiteral("lstBox"))->count() != 10) {
        state.SkipWithError("the game's draws were not counted");
    }
    state.SetLabel(
        counter.findChild<QLabel*>(QStringLiteral("lblCountingGame"))->text().toStdString());
}
BENCHMARK(BM_CounterPicksAGameOf60000Draws)->Unit(benchmark::kMillisecond)->UseRealTime();

// A results page, newest first: "12/06/2026 Evening 4-8-9 sum 21", of a game
// drawing `perDay` times a day; `extra` is written after each draw.
std::string datedHistory(int draws, int perDay, const char* extra = "") {
    static const char* const times[] = {"Night", "Evening", "Midday", "Morning"};
    std::string text;
    QDate day(2026, 12, 6);
    for (int i = 0; i < draws; ++i) {
        const int n = i * 7919 % 1000;
        text += day.toString(QStringLiteral("MM/dd/yyyy")).toStdString() + " " +
                times[i % perDay + (perDay == 2 ? 1 : 0)] + " " + std::to_string(n / 100) + "-" +
                std::to_string(n / 10 % 10) + "-" + std::to_string(n % 10) + " sum " +
                std::to_string(n / 100 + n / 10 % 10 + n % 10) + extra + "\n";
        day = i % perDay == perDay - 1 ? day.addDays(-1) : day;
    }
    return text;
}

// The import window until its summary and preview are shown.
void waitForPreview(const frmImportDraws& window) {
    const auto* summary = window.findChild<QLabel*>(QStringLiteral("lblImportSummary"));
    while (!summary->text().front().isDigit()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents(); // drawn
}

// Twenty years of a twice-daily game (15,000 rows, some 600 KB) in the draw box:
// the import window opened, the text recognised and the preview filled.
void BM_ImportWindow15000(benchmark::State& state) {
    const auto app = ensureApplication();
    const std::string text = datedHistory(15000, 2);
    for (auto _ : state) {
        frmImportDraws window(text, QString());
        window.show();
        waitForPreview(window);
    }
}
BENCHMARK(BM_ImportWindow15000)->Unit(benchmark::kMillisecond);

// A 50 MB file read and recognised on a worker thread, the window answering meanwhile.
void BM_ImportWindow50MB(benchmark::State& state) {
    const auto app = ensureApplication();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("history.txt")));
    {
        // 50 MB: 800 years of a game drawing four times a day, with the prizes of each draw.
        const std::string text = datedHistory(1'180'000, 4, " prize $500");
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) != qint64(text.size())) {
            state.SkipWithError("no temporary file");
            return;
        }
        file.close();
    }
    for (auto _ : state) {
        frmImportDraws window(std::string(), file.fileName());
        window.show();
        waitForPreview(window);
    }
}
BENCHMARK(BM_ImportWindow50MB)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace pick3
