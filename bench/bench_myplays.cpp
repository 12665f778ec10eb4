// The "My plays" window opened, through the real window (offscreen), on 10,000 tickets
// kept in a game library of its own with the 2,000 draws they are checked against.

#include "BenchApplication.h"
#include "plays/frmMyPlays.h"
#include "widgets/LibraryAccess.h"

#include <QLabel>
#include <QTemporaryDir>

#include <memory>

#include <benchmark/benchmark.h>

namespace pick3 {
namespace {

// Five tickets of mixed plays on each of `draws` Evening draws of New York Numbers, from
// 2020-01-01, and the draws themselves.
bool keepTicketsAndDraws(GameLibrary& library, int draws) {
    static const char* const kPlays[] = {"straight", "box", "straight_box", "straight", "box"};
    std::vector<Ticket> tickets;
    std::vector<IncomingDraw> drawn;
    const int first = CivilDate{2020, 1, 1}.daysSinceEpoch();
    for (int draw = 0; draw < draws; ++draw) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(first + draw);
        for (int each = 0; each < 5; ++each) {
            const int number = (draw * 37 + each * 101) % 1000;
            Ticket ticket;
            ticket.gameId = "new-york-numbers";
            ticket.digits = {number / 100, number / 10 % 10, number % 10};
            ticket.playType = kPlays[each];
            ticket.stakeCents = 100;
            ticket.drawDate = date;
            ticket.drawTime = "Evening";
            tickets.push_back(ticket);
        }
        drawn.push_back(
            {date.text(), "Evening", 2, static_cast<std::uint16_t>(draw * 7919 % 1000), {}});
    }
    const auto preview = library.preview("new-york-numbers", drawn);
    return library.keepTickets(tickets).ok() && preview.ok() &&
           library.commit(*preview, {}, "bench", "2026-12-10T03:00:00Z").ok();
}

void BM_MyPlaysWindow10000(benchmark::State& state) {
    const auto app = ensureApplication();
    const QTemporaryDir home;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QCoreApplication::setApplicationName(QStringLiteral("pick3-tallymoor"));
    setLibraryApi(pick3_library_api());
    GameLibrary* library = openGameLibrary(nullptr);
    if (library == nullptr || !keepTicketsAndDraws(*library, 2000)) {
        state.SkipWithError("the tickets were not kept");
    }
    for (auto _ : state) {
        auto window = std::make_unique<frmMyPlays>(nullptr);
        window->show();
        QCoreApplication::processEvents(); // drawn
        // Timed to here: the window is open. What luck alone gives comes from a worker
        // thread; it is waited for, and the window closed, outside the time, so that one
        // window's work does not weigh on the next.
        state.PauseTiming();
        const auto* luck = window->findChild<QLabel*>(QStringLiteral("lblMoneyLuck"));
        for (int wait = 0; luck->text().startsWith(QStringLiteral("Working")) && wait < 1000;
             ++wait) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
        window.reset();
        state.ResumeTiming();
    }
    setLibraryApi(nullptr);
    qputenv("XDG_DATA_HOME", dataHome);
}
BENCHMARK(BM_MyPlaysWindow10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pick3
