#pragma once
// One of the player's own tickets, as a plain value: which game, which number, how
// it is played, for which draw, and when it was entered. Money is in whole cents.
//
//   123 straight $1 Evening 2026-12-08     {"new-york-numbers", {1,2,3}, "straight", 100, ...}
//   12X front pair $0.50 Midday            the third place is open: kOpenDigit

#include "engine/games/CivilDate.h"
#include "engine/games/ClockTime.h"

#include <array>
#include <optional>
#include <string>

namespace pick3 {

// The place a pair play leaves open (the third of a front pair, the first of a back pair).
inline constexpr int kOpenDigit = -1;
using TicketDigits = std::array<int, 3>;

// A moment on the game's own clock (the caller gives it in the game's zone).
struct LocalMoment {
    CivilDate date;
    ClockTime time;

    auto operator<=>(const LocalMoment&) const = default;
};

struct Ticket {
    std::string gameId;    // "new-york-numbers"
    TicketDigits digits{}; // kOpenDigit where a pair play leaves a place open
    std::string playType;  // a key of playTypeShapes(): "straight", "one_off", ...
    int stakeCents = 0;    // per play: a $1 combo of 123 costs $6
    CivilDate drawDate;
    std::string drawTime;               // the draw time's name: "Evening"
    std::string addOn;                  // "" for none, "fireball", "wild_ball"
    std::optional<LocalMoment> entered; // when the player entered it
    std::optional<CivilDate> purchased; // the purchase date printed on a paper ticket
    bool claimed = false;               // the player says the prize was claimed

    bool operator==(const Ticket&) const = default;
};

// "123", "12X" (an open place as X).
std::string ticketNumberText(const TicketDigits& digits);

// How many arrangements a combo of these digits plays: 6, 3 or 1.
int comboArrangements(const TicketDigits& digits);

// The base play's cost in cents: the stake, times the arrangements of a combo.
int baseCostCents(const Ticket& ticket);

// Whether the play leaves a place open, and which: 2 for a front pair, 0 for a back
// pair, 1 for a split pair; nothing for the other plays.
std::optional<int> openPlace(std::string_view playType);

} // namespace pick3
