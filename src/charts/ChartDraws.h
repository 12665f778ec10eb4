#pragma once
// What the charts window draws: the draws oldest first, the date and draw time
// of each where the history was imported, and the back-test they were tested
// with when the window was opened from it.

#include "engine/backtest/BackTestRun.h"
#include "engine/plays/LuckBand.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pick3 {

// The player's own tickets, draw by draw in the order drawn: what they won less what the
// prizes return on average, and the band of luck, from "My plays".
struct TicketsLuck {
    LuckBand band;                      // in cents, one point a draw
    std::vector<std::string> drawNames; // "2026-12-08 Evening", one a point
    int tickets = 0;
    std::string wordsText; // what the chances say
};

// As the hot/cold counter or the back-test hands it over, in the order of the history text.
struct ChartSource {
    DrawList draws;
    std::function<std::string(std::size_t index)> labelOf; // by place in the text; may be empty
    std::optional<NewestEnd> newest;                       // none: the window offers the choice
    std::shared_ptr<const BackTestReport> report;
    Prizes prizes;
    // Which game and draw times the draws are, where they came from the library.
    std::string counting; // "of Texas Pick 3 (Evening only)"; empty for a typed history
    // The player's tickets: charted alone, on a page of their own.
    std::shared_ptr<const TicketsLuck> ticketsLuck;
};

// The same, oldest first, as every chart reads it.
struct ChartDraws {
    DrawList oldest;
    std::function<std::string(std::size_t place)> labelOf; // by place oldest first; may be empty
    std::shared_ptr<const BackTestReport> report;
    Prizes prizes;
    std::shared_ptr<const TicketsLuck> ticketsLuck;
};
ChartDraws chartDraws(const ChartSource& source, NewestEnd newest);
// The back-test's tested draws, named by `labelOf` (by place in the history text), with its report.
ChartSource backTestSource(const BackTestReport& report, const Prizes& prizes,
                           const std::function<std::string(std::size_t index)>& labelOf);

} // namespace pick3
