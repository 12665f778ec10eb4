#pragma once
// The player's numbers made into tickets, as a play slip makes them: one play type, one
// stake, perhaps an add-on, for one or several consecutive draws. What the game sells on
// a date is read from its definition, and every ticket is judged as a typed one is.
//
//   123 and 456, $1 straight, 2 draws      4 tickets, $4.00

#include "engine/games/GameDefinition.h"
#include "engine/games/Schedule.h"
#include "engine/plays/Ticket.h"

#include <optional>
#include <string>
#include <vector>

namespace pick3 {

// The play types the game sells on a date ("unknown" ones too: kept, then not checked).
std::vector<const PlayType*> playsSoldOn(const GameDefinition& game, const CivilDate& date);
// The add-ons the game has on a date.
std::vector<const AddOn*> addOnsOn(const GameDefinition& game, const CivilDate& date);
// The stakes a play's prize table names, in cents; $0.50 and $1 where it names none.
std::vector<int> stakesOf(const PlayType& play);

struct PlaySlip {
    std::vector<TicketDigits> numbers; // each played whole; a pair play leaves its open place
    std::string playType;
    int stakeCents = 0;
    std::string addOn; // "" for none
    std::vector<HeldDraw> draws;
    std::optional<LocalMoment> entered;
};

struct SlipTickets {
    std::vector<Ticket> tickets;       // those the game sells, in the slip's order
    long long costCents = 0;           // of those tickets, as far as known
    bool costKnown = true;             // false where an add-on's cost is not known
    std::vector<std::string> refusals; // "111: New York Numbers sells no triple Box play"
};

SlipTickets slipTickets(const GameDefinition& game, const PlaySlip& slip);

} // namespace pick3
