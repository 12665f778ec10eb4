#include "engine/plays/PayRule.h"

#include "engine/games/PlayTypes.h"
#include "engine/games/Prizes.h"
#include "engine/plays/TicketRules.h"

#include <algorithm>

namespace pick3 {
namespace {

enum class Shape { straight, box, straightBox, combo, pair, oneOff };

Shape shapeOf(std::string_view key) {
    if (key == "straight") {
        return Shape::straight;
    }
    if (key == "box") {
        return Shape::box;
    }
    if (key == "straight_box") {
        return Shape::straightBox;
    }
    if (key == "combo") {
        return Shape::combo;
    }
    return key == "one_off" ? Shape::oneOff : Shape::pair;
}

TicketDigits sortedDigits(TicketDigits digits) {
    std::sort(digits.begin(), digits.end());
    return digits;
}

int distinctDigits(const TicketDigits& digits) {
    const auto sorted = sortedDigits(digits);
    return 1 + (sorted[0] != sorted[1] ? 1 : 0) + (sorted[1] != sorted[2] ? 1 : 0);
}

bool neighbours(int a, int b, bool nineAndZero) {
    return a - b == 1 || b - a == 1 || (nineAndZero && a + b == 9 && (a == 0 || b == 0));
}

int oneOffSlot(const TicketDigits& ticket, const TicketDigits& drawn, bool nineAndZero) {
    int off = 0;
    for (std::size_t place = 0; place < 3; ++place) {
        if (ticket[place] == drawn[place]) {
            continue;
        }
        if (!neighbours(ticket[place], drawn[place], nineAndZero)) {
            return kNoWin;
        }
        ++off;
    }
    return off;
}

// `sortedTicket` is the ticket's digits in order, worked out once for all draws.
int boxSlot(const TicketDigits& ticket, const TicketDigits& sortedTicket, const TicketDigits& drawn,
            bool withExact) {
    if (sortedTicket != sortedDigits(drawn)) {
        return kNoWin;
    }
    const int distinct = distinctDigits(ticket);
    if (!withExact) {
        return distinct == 3 ? 0 : distinct == 2 ? 1 : kTripleSlot;
    }
    return (distinct == 3 ? 0 : 2) + (ticket == drawn ? 0 : 1);
}

// The slot a draw wins in, the play's shape and the ticket's sorted digits given.
int slotOf(const PayRule& rule, Shape shape, const TicketDigits& sortedTicket, int drawn) {
    const TicketDigits number = digitsOfIndex(drawn);
    const TicketDigits& ticket = rule.digits;
    switch (shape) {
    case Shape::straight:
        return ticket == number ? 0 : kNoWin;
    case Shape::box:
        return boxSlot(ticket, sortedTicket, number, false);
    case Shape::straightBox:
        return boxSlot(ticket, sortedTicket, number, true);
    case Shape::combo:
        return sortedTicket == sortedDigits(number) ? 0 : kNoWin;
    case Shape::oneOff:
        return oneOffSlot(ticket, number, rule.nineAndZeroNeighbours);
    case Shape::pair:
        break;
    }
    for (std::size_t place = 0; place < 3; ++place) {
        if (ticket[place] != kOpenDigit && ticket[place] != number[place]) {
            return kNoWin;
        }
    }
    return 0;
}

void fillSlots(const GameDefinition& game, const Ticket& ticket,
               std::array<int, kOutcomeSlots>& slots, const std::string& addOn) {
    auto outcomes = playTypeShape(ticket.playType)->outcomes;
    if (ticket.playType == "box") {
        outcomes.push_back(kTripleOutcome);
    }
    for (std::size_t slot = 0; slot < outcomes.size(); ++slot) {
        const PrizeQuery query{ticket.playType, ticket.stakeCents, outcomes[slot]};
        const auto prize = addOn.empty() ? prizeOn(game, ticket.drawDate, query)
                                         : addOnPrizeOn(game, ticket.drawDate, addOn, query);
        slots[slot] = prize.ok() ? *prize : 0;
    }
}

} // namespace

Result<PayRule> payRuleOf(const GameDefinition& game, const Ticket& ticket) {
    const auto standing = judgeTicket(game, ticket);
    if (!standing.ok()) {
        return Result<PayRule>::refused(standing.refusal());
    }
    return payRuleOf(game, ticket, *standing);
}

PayRule payRuleOf(const GameDefinition& game, const Ticket& ticket,
                  const TicketStanding& standing) {
    PayRule rule;
    rule.playType = ticket.playType;
    rule.digits = ticket.digits;
    fillSlots(game, ticket, rule.base, "");
    rule.nineAndZeroNeighbours = standing.nineAndZeroNeighbours;
    if (!ticket.addOn.empty()) {
        rule.addOnPlayed = true;
        fillSlots(game, ticket, rule.addOn, ticket.addOn);
        rule.addOnMoreThanOnce = standing.addOnMoreThanOnce;
    }
    return rule;
}

int outcomeSlot(const PayRule& rule, int drawn) {
    return slotOf(rule, shapeOf(rule.playType), sortedDigits(rule.digits), drawn);
}

namespace {

// The numbers an add-on digit makes of a draw, each once: at most three.
struct MadeNumbers {
    std::array<int, 3> numbers{};
    std::size_t count = 0;
};

MadeNumbers madeNumbers(int drawn, int addOnDigit) {
    const TicketDigits number = digitsOfIndex(drawn);
    MadeNumbers made;
    for (std::size_t place = 0; place < 3; ++place) {
        TicketDigits changed = number;
        changed[place] = addOnDigit;
        const int index = numberIndex(changed);
        const auto end = made.numbers.begin() + static_cast<std::ptrdiff_t>(made.count);
        if (std::find(made.numbers.begin(), end, index) == end) {
            made.numbers[made.count++] = index;
        }
    }
    return made;
}

// What the add-on wins: each made number by `prizeOf`, added up where the game pays
// an add-on more than once, else the best of them.
template <typename PrizeOf>
int addOnWon(const PayRule& rule, int drawn, int addOnDigit, PrizeOf prizeOf) {
    const MadeNumbers made = madeNumbers(drawn, addOnDigit);
    int won = 0;
    for (std::size_t i = 0; i < made.count; ++i) {
        const int prize = prizeOf(made.numbers[i]);
        won = rule.addOnMoreThanOnce ? won + prize : std::max(won, prize);
    }
    return won;
}

int prizeIn(const std::array<int, kOutcomeSlots>& slots, int slot) {
    return slot == kNoWin ? 0 : slots[static_cast<std::size_t>(slot)];
}

} // namespace

std::vector<int> addOnNumbers(int drawn, int addOnDigit) {
    const MadeNumbers made = madeNumbers(drawn, addOnDigit);
    return {made.numbers.begin(), made.numbers.begin() + static_cast<std::ptrdiff_t>(made.count)};
}

int payOn(const PayRule& rule, int drawn, int addOnDigit) {
    const int won = prizeIn(rule.base, outcomeSlot(rule, drawn));
    if (!rule.addOnPlayed) {
        return won;
    }
    return won + addOnWon(rule, drawn, addOnDigit,
                          [&](int made) { return prizeIn(rule.addOn, outcomeSlot(rule, made)); });
}

std::vector<int> payByOutcome(const PayRule& rule) {
    const Shape shape = shapeOf(rule.playType);
    const TicketDigits sortedTicket = sortedDigits(rule.digits);
    const auto prizes = [&](const std::array<int, kOutcomeSlots>& slots) {
        std::vector<int> prize(1000, 0);
        for (int drawn = 0; drawn < 1000; ++drawn) {
            prize[static_cast<std::size_t>(drawn)] =
                prizeIn(slots, slotOf(rule, shape, sortedTicket, drawn));
        }
        return prize;
    };
    std::vector<int> base = prizes(rule.base);
    if (!rule.addOnPlayed) {
        return base;
    }
    const std::vector<int> addOn = prizes(rule.addOn);
    std::vector<int> pay(10000, 0);
    for (int drawn = 0; drawn < 1000; ++drawn) {
        for (int digit = 0; digit < 10; ++digit) {
            pay[static_cast<std::size_t>(drawn * 10 + digit)] =
                base[static_cast<std::size_t>(drawn)] + addOnWon(rule, drawn, digit, [&](int made) {
                    return addOn[static_cast<std::size_t>(made)];
                });
        }
    }
    return pay;
}

} // namespace pick3
