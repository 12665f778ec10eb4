#include "engine/plays/PlaySlip.h"

#include "engine/plays/TicketRules.h"

#include <algorithm>

namespace pick3 {

std::vector<const PlayType*> playsSoldOn(const GameDefinition& game, const CivilDate& date) {
    std::vector<const PlayType*> plays;
    for (const PlayType& play : game.playTypes) {
        if (play.sold != Known::no && inForceOn(play.period, date, game.checked) == Known::yes) {
            plays.push_back(&play);
        }
    }
    return plays;
}

std::vector<const AddOn*> addOnsOn(const GameDefinition& game, const CivilDate& date) {
    std::vector<const AddOn*> addOns;
    for (const AddOn& addOn : game.addOns) {
        if (inForceOn(addOn.period, date, game.checked) == Known::yes) {
            addOns.push_back(&addOn);
        }
    }
    return addOns;
}

std::vector<int> stakesOf(const PlayType& play) {
    std::vector<int> stakes;
    if (play.prizes) {
        for (const StakePrizes& stake : *play.prizes) {
            stakes.push_back(stake.stakeCents);
        }
    }
    std::sort(stakes.begin(), stakes.end());
    stakes.erase(std::unique(stakes.begin(), stakes.end()), stakes.end());
    return stakes.empty() ? std::vector<int>{50, 100} : stakes;
}

SlipTickets slipTickets(const GameDefinition& game, const PlaySlip& slip) {
    SlipTickets made;
    const auto open = openPlace(slip.playType);
    for (const HeldDraw& draw : slip.draws) {
        for (TicketDigits digits : slip.numbers) {
            if (open) {
                digits[static_cast<std::size_t>(*open)] = kOpenDigit;
            }
            Ticket ticket{game.id,       digits,     slip.playType, slip.stakeCents, draw.date,
                          draw.drawTime, slip.addOn, slip.entered,  std::nullopt,    false};
            const auto standing = judgeTicket(game, ticket);
            if (!standing.ok()) {
                const std::string refusal =
                    ticketNumberText(ticket.digits) + ": " + standing.refusal();
                if (std::find(made.refusals.begin(), made.refusals.end(), refusal) ==
                    made.refusals.end()) {
                    made.refusals.push_back(refusal);
                }
                continue;
            }
            made.costCents += standing->costCents();
            made.costKnown = made.costKnown && standing->addOnCostCents.has_value();
            made.tickets.push_back(std::move(ticket));
        }
    }
    return made;
}

} // namespace pick3
