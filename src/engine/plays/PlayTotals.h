#pragma once
// The player's tickets checked against the held draws, and their totals in whole
// cents: staked, won and net, per month, per play type and per game; the tickets
// still waiting for their draw and their cost; what the prize tables return on
// average; and the CSV of a year's plays. Tickets entered after their draw are
// counted apart, never in the totals.

#include "engine/games/GameDefinition.h"
#include "engine/plays/TicketCheck.h"
#include "engine/plays/TicketRules.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pick3 {

struct GameDraws {
    const GameDefinition* game = nullptr;
    std::vector<DrawnNumber> draws; // in any order
};

struct CheckedTicket {
    Ticket ticket;
    std::optional<TicketStanding> standing; // nothing when refused
    std::string refusal;
    std::optional<TicketCheck> check; // nothing while its draw is waiting
    double expectedReturnCents = 0.0; // what its prizes return on average
};

// Each ticket judged and, where its draw is held, checked. A ticket of a game not given
// is refused.
std::vector<CheckedTicket> checkTickets(const std::vector<Ticket>& tickets,
                                        const std::vector<GameDraws>& games);

// Fills in what each standing ticket's prizes return on average (tickets alike share one
// working-out).
void addExpectedReturns(std::vector<CheckedTicket>& tickets, const std::vector<GameDraws>& games);

struct MoneyLine {
    long long stakedCents = 0;
    long long wonCents = 0;
    int tickets = 0;
    long long netCents() const { return wonCents - stakedCents; }
};

struct PlayTotals {
    MoneyLine all;                               // tickets checked against their draw
    std::map<std::string, MoneyLine> byMonth;    // "2026-12"
    std::map<std::string, MoneyLine> byPlayType; // "straight"
    std::map<std::string, MoneyLine> byGame;     // "new-york-numbers"
    MoneyLine waiting;                           // draws not yet held: their cost
    MoneyLine enteredAfterDraw;                  // counted apart
    int refused = 0;
    int notChecked = 0;               // tickets with a part not checked
    double expectedReturnCents = 0.0; // of the tickets in `all`
};

PlayTotals playTotals(const std::vector<CheckedTicket>& tickets);

// What a ticket's prizes return on average over every outcome of its draw, in cents:
// a $1 straight at 500 returns 50, at 600 returns 60.
double expectedReturnCents(const GameDefinition& game, const Ticket& ticket);

// The plays of a year as CSV: date, draw, ticket, play, stake, prize, claimed; then the totals.
std::string playsCsv(const std::vector<CheckedTicket>& tickets, int year);

// "$1.50", "-$2", "$27620", for cents of any size: the plain form a CSV file keeps.
std::string signedDollarsText(long long cents);
// The same as the player reads it, thousands grouped: "$27,620", "-$1,234.50".
std::string moneyText(long long cents);

} // namespace pick3
