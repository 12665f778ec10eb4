#pragma once
// Tickets typed or pasted, one a line, read into values with a clear message for each
// line that cannot be read (its number and why):
//
//   123 straight $1 Evening 12/08/2026
//   4-5-6 box 0.50 Midday              no date: the caller's default (the next draw)
//   12X front pair $0.50 Midday 2026-12-08
//   660 box $1 fireball Evening
//
// A line holds a number (three digits, or two and an X for a pair), a play type (its key,
// "straight/box", "1-off", or the state's own name such as "Exact Order"), a stake ("$1",
// "$0.50", "0.50", "50c"), perhaps an add-on, perhaps a date (MM/DD/YYYY or YYYY-MM-DD),
// and a draw time as the game names it ("Evening", "eve", "2", "10:30 PM"). Blank lines
// and lines starting with # are skipped. Whether the game sold the play is judged
// afterwards (judgeTicket), not here.

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"
#include "engine/plays/Ticket.h"

#include <string>
#include <string_view>
#include <vector>

namespace pick3 {

struct TicketLineError {
    int line = 0;    // from 1
    std::string why; // "no stake: write it as $1 or $0.50"
    // "line 3: no stake: write it as $1 or $0.50".
    std::string text() const { return "line " + std::to_string(line) + ": " + why; }
};

struct ReadTickets {
    std::vector<Ticket> tickets;
    std::vector<int> lines; // the line of each ticket
    std::vector<TicketLineError> errors;
};

struct TicketDefaults {
    CivilDate drawDate;                 // for a line without a date
    std::optional<LocalMoment> entered; // given to every ticket read
};

ReadTickets readTickets(std::string_view text, const GameDefinition& game,
                        const TicketDefaults& defaults);

} // namespace pick3
