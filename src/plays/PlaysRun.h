#pragma once
// What the "My plays" window keeps for the whole run, beyond one opening of it: the
// deletes that Ctrl+Z can still undo (the deleted tickets go for good only when the run
// ends), and what each ticket's check last showed, so that a held draw corrected since
// is seen: its tickets are checked again and the change is said.

#include "engine/plays/PlayTotals.h"
#include "store/StoredTickets.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <vector>

namespace pick3 {

class GameLibrary;

// A ticket's check as the window last showed it: the draw it was checked against.
struct ShownCheck {
    Ticket ticket;
    DrawnNumber draw;
    QString result; // "won $500", "lost", "not checked"
};

struct PlaysRun {
    std::vector<std::vector<std::int64_t>> deleted; // each Delete's tickets, the last last
    std::map<std::int64_t, ShownCheck> shown;       // by ticket id
};

PlaysRun& playsRun();

// "won $500", "lost" or "not checked": a checked ticket's result in a word or two.
QString shortResult(const TicketCheck& check);

// Compares the tickets checked now (held[i] checked as checked[i], against the draws
// given) with what was shown last, remembers them, and gives a line for each draw found
// corrected: "2 tickets checked again after the draw of Sat 2026-12-05 Evening was
// corrected: 123 Straight won $500, now lost; 456 Straight lost, still lost".
QStringList correctedDraws(const std::vector<StoredTicket>& held,
                           const std::vector<CheckedTicket>& checked,
                           const std::vector<GameDraws>& draws);

// The end of the run: the tickets deleted during it go for good (no undo can ask for them
// now), and the run's memory is let go.
void endPlaysRun(GameLibrary* library);

} // namespace pick3
