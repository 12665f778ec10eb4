#pragma once
// A ticket checked against its held draw by the prize table in force on the draw's
// date: each win with why it wins and what it pays, what could not be checked, whether
// the lottery reports the win for taxes, and by when it must be claimed.
//
//   box 123 against 321       "boxed 6-way: 321 is 123 in another order"   $80
//   3-way box 660 against 666 with Fireball 0 (South Carolina): three Fireball wins

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"
#include "engine/plays/Ticket.h"
#include "engine/plays/TicketRules.h"

#include <optional>
#include <string>
#include <vector>

namespace pick3 {

// A draw as held: its date, draw time, number and, where drawn, the add-on digit.
struct DrawnNumber {
    CivilDate date;
    std::string drawTime;
    TicketDigits digits{};
    std::optional<int> addOnDigit;
};

struct TicketWin {
    std::string part; // "Box", or the add-on's name: "Fireball"
    std::string why;  // "boxed 6-way: 321 is 123 in another order"
    int cents = 0;
};

struct TicketCheck {
    std::vector<TicketWin> wins;
    int wonCents = 0;
    std::vector<std::string> notChecked; // parts the definition cannot check
    bool reportedForTaxes = false;       // $600 or more at 300 or more times the ticket's cost
    std::string claimBy;                 // "claim by 2027-12-08", or why that is not known
};

// "reported by the lottery for taxes: for your records; not tax advice".
inline constexpr std::string_view kTaxNote =
    "reported by the lottery for taxes: for your records; not tax advice";

// The ticket against its draw; refused where judgeTicket() refuses it or where the draw
// is not the ticket's own.
Result<TicketCheck> checkTicket(const GameDefinition& game, const Ticket& ticket,
                                const DrawnNumber& draw);
// A ticket judgeTicket() has let stand against its own draw, without judging it again.
TicketCheck checkTicket(const GameDefinition& game, const Ticket& ticket,
                        const TicketStanding& standing, const DrawnNumber& draw);

// Whether a win of `wonCents` on a ticket of `costCents` is one the lottery reports.
bool reportedForTaxes(int wonCents, int costCents);

// The last day to claim a prize of a draw, or nothing when the claim period is not known.
std::optional<CivilDate> claimDeadline(const GameDefinition& game, const CivilDate& drawDate);

// The reason a play wins on a drawn number, or "" when it does not.
std::string winReason(const Ticket& ticket, const TicketDigits& drawn, int slot);

} // namespace pick3
