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

int boxSlot(const TicketDigits& ticket, const TicketDigits& drawn, bool withExact) {
    if (sortedDigits(ticket) != sortedDigits(drawn)) {
        return kNoWin;
    }
    const int distinct = distinctDigits(ticket);
    if (!withExact) {
        return distinct == 3 ? 0 : distinct == 2 ? 1 : kTripleSlot;
    }
    return (distinct == 3 ? 0 : 2) + (ticket == drawn ? 0 : 1);
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
    const TicketDigits number = digitsOfIndex(drawn);
    const TicketDigits& ticket = rule.digits;
    switch (shapeOf(rule.playType)) {
    case Shape::straight:
        return ticket == number ? 0 : kNoWin;
    case Shape::box:
        return boxSlot(ticket, number, false);
    case Shape::straightBox:
        return boxSlot(ticket, number, true);
    case Shape::combo:
        return sortedDigits(ticket) == sortedDigits(number) ? 0 : kNoWin;
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

std::vector<int> addOnNumbers(int drawn, int addOnDigit) {
    const TicketDigits number = digitsOfIndex(drawn);
    std::vector<int> made;
    for (std::size_t place = 0; place < 3; ++place) {
        TicketDigits changed = number;
        changed[place] = addOnDigit;
        const int index = numberIndex(changed);
        if (std::find(made.begin(), made.end(), index) == made.end()) {
            made.push_back(index);
        }
    }
    return made;
}

int payOn(const PayRule& rule, int drawn, int addOnDigit) {
    const int slot = outcomeSlot(rule, drawn);
    int won = slot == kNoWin ? 0 : rule.base[static_cast<std::size_t>(slot)];
    if (!rule.addOnPlayed) {
        return won;
    }
    int addOnWon = 0;
    for (const int made : addOnNumbers(drawn, addOnDigit)) {
        const int madeSlot = outcomeSlot(rule, made);
        const int prize = madeSlot == kNoWin ? 0 : rule.addOn[static_cast<std::size_t>(madeSlot)];
        addOnWon = rule.addOnMoreThanOnce ? addOnWon + prize : std::max(addOnWon, prize);
    }
    return won + addOnWon;
}

std::vector<int> payByOutcome(const PayRule& rule) {
    std::vector<int> base(1000, 0);
    for (int drawn = 0; drawn < 1000; ++drawn) {
        const int slot = outcomeSlot(rule, drawn);
        base[static_cast<std::size_t>(drawn)] =
            slot == kNoWin ? 0 : rule.base[static_cast<std::size_t>(slot)];
    }
    if (!rule.addOnPlayed) {
        return base;
    }
    std::vector<int> pay(10000, 0);
    for (int drawn = 0; drawn < 1000; ++drawn) {
        for (int digit = 0; digit < 10; ++digit) {
            pay[static_cast<std::size_t>(drawn * 10 + digit)] = payOn(rule, drawn, digit);
        }
    }
    return pay;
}

} // namespace pick3
