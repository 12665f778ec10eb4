// The checking of one ticket, with words: the same outcome slots as PayRule, so that
// what a ticket is said to win is what the luck of the money counts.

#include "engine/plays/TicketCheck.h"

#include "engine/plays/PayRule.h"
#include "engine/plays/TicketRules.h"

#include <algorithm>
#include <array>

namespace pick3 {
namespace {

std::string digitsText(const TicketDigits& digits) {
    return ticketNumberText(digits);
}

std::string pairReason(const Ticket& ticket, const TicketDigits& drawn) {
    if (ticket.playType == "front_pair") {
        return "front pair: " + digitsText(drawn).substr(0, 2) + " in the first two places";
    }
    if (ticket.playType == "back_pair") {
        return "back pair: " + digitsText(drawn).substr(1) + " in the last two places";
    }
    return "split pair: " + std::to_string(drawn[0]) + " and " + std::to_string(drawn[2]) +
           " in the first and last places";
}

std::string boxReason(const std::string& ticketText, const std::string& drawnText, int slot) {
    if (slot == kTripleSlot) {
        return "boxed triple: " + drawnText + " is " + ticketText;
    }
    const std::string way = slot == 0 ? "boxed 6-way: " : "boxed 3-way: ";
    return drawnText == ticketText ? way + drawnText + " in order"
                                   : way + drawnText + " is " + ticketText + " in another order";
}

std::string straightBoxReason(const std::string& ticketText, const std::string& drawnText,
                              int slot) {
    const std::string way = slot < 2 ? "straight/box 6-way" : "straight/box 3-way";
    return slot % 2 == 0 ? way + ": " + drawnText + " in order, its straight and box parts win"
                         : way + ": " + drawnText + " is " + ticketText +
                               " in another order, its box part wins";
}

std::string oneOffReason(const std::string& ticketText, const std::string& drawnText, int slot) {
    if (slot == 0) {
        return "1-off, exact: " + drawnText + " in order";
    }
    static const std::array<std::string, 3> kOff{"one digit", "two digits", "three digits"};
    return "1-off, " + kOff[static_cast<std::size_t>(slot - 1)] + " off: " + drawnText + " is " +
           ticketText + " with " + kOff[static_cast<std::size_t>(slot - 1)] + " one off";
}

std::optional<CivilDate> plusMonths(const CivilDate& date, int months) {
    const int total = date.year * 12 + (date.month - 1) + months;
    CivilDate moved{total / 12, total % 12 + 1, date.day};
    while (!moved.exists() && moved.day > 28) {
        --moved.day;
    }
    return moved.exists() ? std::optional<CivilDate>(moved) : std::nullopt;
}

void addWin(TicketCheck& check, std::string part, std::string why, int cents) {
    if (cents > 0) {
        check.wins.push_back({std::move(part), std::move(why), cents});
        check.wonCents += cents;
    }
}

void addOnWins(const Ticket& ticket, const DrawnNumber& draw, const PayRule& rule,
               const std::string& name, TicketCheck& check) {
    TicketCheck found;
    for (const int made : addOnNumbers(numberIndex(draw.digits), *draw.addOnDigit)) {
        const int slot = outcomeSlot(rule, made);
        if (slot != kNoWin) {
            const std::string why = name + " " + std::to_string(*draw.addOnDigit) + " makes " +
                                    digitsText(digitsOfIndex(made)) + ": " +
                                    winReason(ticket, digitsOfIndex(made), slot);
            addWin(found, name, why, rule.addOn[static_cast<std::size_t>(slot)]);
        }
    }
    if (!rule.addOnMoreThanOnce && found.wins.size() > 1) {
        const auto best =
            std::max_element(found.wins.begin(), found.wins.end(),
                             [](const auto& a, const auto& b) { return a.cents < b.cents; });
        found.wins = {*best};
    }
    for (const auto& win : found.wins) {
        addWin(check, win.part, win.why, win.cents);
    }
}

} // namespace

std::string winReason(const Ticket& ticket, const TicketDigits& drawn, int slot) {
    const std::string ticketText = digitsText(ticket.digits);
    const std::string drawnText = digitsText(drawn);
    if (slot == kNoWin) {
        return "";
    }
    if (ticket.playType == "straight") {
        return "straight: " + drawnText + " in order";
    }
    if (ticket.playType == "box") {
        return boxReason(ticketText, drawnText, slot);
    }
    if (ticket.playType == "straight_box") {
        return straightBoxReason(ticketText, drawnText, slot);
    }
    if (ticket.playType == "combo") {
        return "combo: " + drawnText + " is one of the " +
               std::to_string(comboArrangements(ticket.digits)) + " arrangements of " + ticketText;
    }
    if (ticket.playType == "one_off") {
        return oneOffReason(ticketText, drawnText, slot);
    }
    return pairReason(ticket, drawn);
}

bool reportedForTaxes(int wonCents, int costCents) {
    return wonCents >= 60000 && static_cast<long long>(wonCents) >= 300LL * costCents;
}

std::optional<CivilDate> claimDeadline(const GameDefinition& game, const CivilDate& drawDate) {
    if (!game.claimPeriod) {
        return std::nullopt;
    }
    const ClaimPeriod& period = *game.claimPeriod;
    switch (period.unit) {
    case ClaimPeriod::Unit::days:
        return CivilDate::fromDaysSinceEpoch(drawDate.daysSinceEpoch() + period.amount);
    case ClaimPeriod::Unit::months:
        return plusMonths(drawDate, period.amount);
    case ClaimPeriod::Unit::years:
        return plusMonths(drawDate, 12 * period.amount);
    }
    return std::nullopt;
}

Result<TicketCheck> checkTicket(const GameDefinition& game, const Ticket& ticket,
                                const DrawnNumber& draw) {
    const auto standing = judgeTicket(game, ticket);
    if (!standing.ok()) {
        return Result<TicketCheck>::refused(standing.refusal());
    }
    if (draw.date != ticket.drawDate || draw.drawTime != standing->drawTime) {
        return Result<TicketCheck>::refused("the draw of " + draw.date.text() + " " +
                                            draw.drawTime + " is not this ticket's draw");
    }
    return checkTicket(game, ticket, *standing, draw);
}

TicketCheck checkTicket(const GameDefinition& game, const Ticket& ticket,
                        const TicketStanding& standing, const DrawnNumber& draw) {
    const PayRule rule = payRuleOf(game, ticket, standing);
    TicketCheck check;
    check.notChecked = standing.notChecked;
    const int slot = outcomeSlot(rule, numberIndex(draw.digits));
    if (slot != kNoWin) {
        addWin(check, standing.playName, winReason(ticket, draw.digits, slot),
               rule.base[static_cast<std::size_t>(slot)]);
    }
    if (rule.addOnPlayed && draw.addOnDigit) {
        addOnWins(ticket, draw, rule, standing.addOnName, check);
    } else if (rule.addOnPlayed) {
        check.notChecked.push_back("the draw holds no " + standing.addOnName +
                                   " digit: " + std::string(kCheckYourTicket));
    }
    check.reportedForTaxes = reportedForTaxes(check.wonCents, standing.costCents());
    const auto deadline = claimDeadline(game, ticket.drawDate);
    check.claimBy = deadline
                        ? "claim by " + deadline->text()
                        : "the claim period of " + game.title() +
                              " is not known to this program: " + std::string(kCheckYourTicket);
    return check;
}

} // namespace pick3
