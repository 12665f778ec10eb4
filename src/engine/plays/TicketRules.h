#pragma once
// A ticket judged by its game's definition on its draw's date, never by a list of
// states: a play the game did not sell that day is refused with the reason (a triple
// box in New York, a Fireball before its first day); a play it sold whose prizes the
// definition does not know is kept and said to be not checked; a ticket entered after
// its draw (or its sales cut-off, where the definition has one) is marked so.

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"
#include "engine/plays/Ticket.h"

#include <optional>
#include <string>
#include <vector>

namespace pick3 {

struct TicketStanding {
    std::string drawTime;                // the draw time's own name ("Evening" for "eve")
    std::string playName;                // the state's name for the play: "Exact Order"
    std::string addOnName;               // "Fireball"; empty for none
    bool enteredAfterDraw = false;       // entered at or after the draw's time or cut-off
    std::vector<std::string> notChecked; // one text for each part whose prizes are not known
    std::optional<int> addOnCostCents;   // nothing when the add-on's cost is not known
    int baseCostCents = 0;
    bool nineAndZeroNeighbours = false; // the play's 1-off counts 9 and 0 as neighbours
    bool addOnMoreThanOnce = false;     // the add-on may win more than once on one ticket

    // What the ticket cost, as far as known: the base play and the add-on's cost.
    int costCents() const { return baseCostCents + addOnCostCents.value_or(0); }
};

// The ticket as the game sold it on its draw's date, or the reason it could not have:
// "New York Numbers sells no triple Box play", "New Jersey Pick 3 had no Fireball on 2017-03-09".
Result<TicketStanding> judgeTicket(const GameDefinition& game, const Ticket& ticket);

// "the Fireball prizes of Florida Pick 3 are not known to this program: check your ticket
// with the lottery".
std::string notCheckedText(std::string_view what, const GameDefinition& game);

// What every checked ticket and every part not checked ends with.
inline constexpr std::string_view kCheckYourTicket = "check your ticket with the lottery";

// The words on a ticket entered after its draw.
inline constexpr std::string_view kEnteredAfterDraw = "entered after the draw";

} // namespace pick3
