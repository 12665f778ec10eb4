#pragma once
// What one ticket pays on each outcome of its draw, worked out once from the
// definition so that every one of the 1,000 numbers (times the 10 add-on digits where
// the ticket carries an add-on) costs a few comparisons: the prize tables are looked up
// when the rule is made, never while outcomes are counted. A part whose prize is not
// known pays nothing here; judgeTicket() says which parts those are.
//
// An add-on digit (Fireball, Wild Ball) stands in for each of the drawn digits in turn;
// every distinct number so made is played against the ticket by the add-on's own table.
// Where the game lets one ticket win the add-on several times, each such number pays;
// elsewhere only the best one.

#include "engine/Result.h"
#include "engine/games/GameDefinition.h"
#include "engine/plays/Ticket.h"
#include "engine/plays/TicketRules.h"

#include <array>
#include <compare>
#include <string>
#include <vector>

namespace pick3 {

// The outcomes of a play, in the order of its shape (PlayTypes.h); a box's triple last.
inline constexpr std::size_t kOutcomeSlots = 5;
inline constexpr int kTripleSlot = 2;
inline constexpr int kNoWin = -1;

struct PayRule {
    std::string playType;
    TicketDigits digits{};
    std::array<int, kOutcomeSlots> base{};  // cents by outcome slot; 0 where not known
    std::array<int, kOutcomeSlots> addOn{}; // the add-on's own prizes by slot
    bool addOnPlayed = false;
    bool addOnMoreThanOnce = false;
    bool nineAndZeroNeighbours = false;
    // Rules that compare equal pay alike on every outcome.
    auto operator<=>(const PayRule&) const = default;
};

// The rule of a ticket on its draw's date; refused as judgeTicket() refuses.
Result<PayRule> payRuleOf(const GameDefinition& game, const Ticket& ticket);
// The rule of a ticket judgeTicket() has let stand, without judging it again.
PayRule payRuleOf(const GameDefinition& game, const Ticket& ticket, const TicketStanding& standing);

// The outcome slot the play wins on a drawn number (0 to 999), or kNoWin.
int outcomeSlot(const PayRule& rule, int drawn);

// The numbers an add-on digit makes from a drawn number, each once: 666 with a 0 makes
// 066, 606 and 660; 123 with a 3 makes 323, 133 and 123.
std::vector<int> addOnNumbers(int drawn, int addOnDigit);

// What the ticket wins in cents on a drawn number and, where it carries an add-on, digit.
int payOn(const PayRule& rule, int drawn, int addOnDigit);

// What the ticket wins on each outcome of its draw: 1,000 numbers, or 10,000 (number * 10
// + add-on digit) where it carries an add-on.
std::vector<int> payByOutcome(const PayRule& rule);

// The number as an index: 123 for {1, 2, 3}.
inline int numberIndex(const TicketDigits& digits) {
    return digits[0] * 100 + digits[1] * 10 + digits[2];
}
inline TicketDigits digitsOfIndex(int number) {
    return {number / 100, number / 10 % 10, number % 10};
}

} // namespace pick3
