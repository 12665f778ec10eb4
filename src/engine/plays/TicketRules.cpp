// Judging a ticket: the play and the add-on must be in force on the draw's date, the
// number must suit the play, the draw must be one the game held that day; what the
// definition does not know of the prizes leaves the ticket standing but not checked.

#include "engine/plays/TicketRules.h"

#include "engine/games/PlayTypes.h"
#include "engine/games/Prizes.h"
#include "engine/games/Schedule.h"

#include <algorithm>

namespace pick3 {
namespace {

bool isTriple(const TicketDigits& digits) {
    return digits[0] == digits[1] && digits[1] == digits[2];
}

std::optional<std::string> numberRefusal(const Ticket& ticket, const PlayType& play) {
    const auto open = openPlace(ticket.playType);
    for (int place = 0; place < 3; ++place) {
        const int digit = ticket.digits[static_cast<std::size_t>(place)];
        const bool shouldBeOpen = open && *open == place;
        if (shouldBeOpen != (digit == kOpenDigit) ||
            (digit != kOpenDigit && (digit < 0 || digit > 9))) {
            return "a " + play.name + " play needs " +
                   (open ? "two digits, X in the open place" : std::string("three digits")) +
                   ", not " + ticketNumberText(ticket.digits);
        }
    }
    return std::nullopt;
}

std::optional<std::string> tripleRefusal(const GameDefinition& game, const Ticket& ticket,
                                         const PlayType& play) {
    if (!isTriple(ticket.digits)) {
        return std::nullopt;
    }
    if (ticket.playType == "straight_box") {
        return game.title() + " sells no triple " + play.name + " play: play a triple straight";
    }
    if (ticket.playType == "box" && play.tripleBoxSold == Known::no) {
        return game.title() + " sells no triple " + play.name + " play";
    }
    if (ticket.playType == "box" && play.tripleBoxSold == Known::unknown) {
        return "whether " + game.title() + " sells a triple " + play.name +
               " play is not known to this program: check your ticket with the lottery";
    }
    return std::nullopt;
}

// The draw time's own name, refused when the game held no such draw that day.
Result<std::string> drawOfTicket(const GameDefinition& game, const Ticket& ticket) {
    const auto named = drawTimeNamed(game, ticket.drawDate, ticket.drawTime);
    if (!named.ok()) {
        return named;
    }
    const auto held = drawTimesOn(game, ticket.drawDate);
    if (held.ok() && std::none_of(held->begin(), held->end(), [&](const DrawTime& drawTime) {
            return drawTime.name == *named;
        })) {
        return Result<std::string>::refused(game.title() + " held no " + *named + " draw on " +
                                            ticket.drawDate.text());
    }
    return named;
}

bool enteredAfter(const GameDefinition& game, const Ticket& ticket, const std::string& drawName) {
    if (ticket.purchased && *ticket.purchased > ticket.drawDate) {
        return true;
    }
    if (!ticket.entered) {
        return false;
    }
    if (ticket.entered->date != ticket.drawDate) {
        return ticket.entered->date > ticket.drawDate;
    }
    const auto held = drawTimesOn(game, ticket.drawDate);
    if (!held.ok()) {
        return false;
    }
    for (const DrawTime& drawTime : *held) {
        const auto closes = drawTime.salesCutoff ? drawTime.salesCutoff : drawTime.time;
        if (drawTime.name == drawName && closes) {
            return ticket.entered->time >= *closes;
        }
    }
    return false;
}

std::optional<int> addOnCost(const AddOn& addOn, int baseCents) {
    switch (addOn.cost.rule) {
    case AddOnCost::Rule::doubles:
        return baseCents;
    case AddOnCost::Rule::plus:
        return addOn.cost.plusCents;
    case AddOnCost::Rule::unknown:
        break;
    }
    return std::nullopt;
}

// A refusal of a prize look-up, said of a ticket: "... check your ticket with the lottery".
std::string ofTicket(std::string text) {
    const std::string_view general = "check with your lottery";
    const auto at = text.rfind(general);
    return at == std::string::npos ? text : text.replace(at, general.size(), kCheckYourTicket);
}

// The parts of the ticket whose prizes the definition does not know.
void noteUnknownPrizes(const GameDefinition& game, const Ticket& ticket, const PlayType& play,
                       TicketStanding& standing) {
    for (const std::string_view outcome : playTypeShape(ticket.playType)->outcomes) {
        const PrizeQuery query{ticket.playType, ticket.stakeCents, outcome};
        const auto prize = prizeOn(game, ticket.drawDate, query);
        if (!prize.ok()) {
            standing.notChecked.push_back(ofTicket(prize.refusal()));
            break;
        }
    }
    if (ticket.playType == "one_off" && play.nineAndZeroNeighbours == Known::unknown &&
        std::any_of(ticket.digits.begin(), ticket.digits.end(),
                    [](int digit) { return digit == 0 || digit == 9; })) {
        standing.notChecked.push_back(
            "whether 9 and 0 are neighbours in a " + play.name + " play of " + game.title() +
            " is not known to this program: " + std::string(kCheckYourTicket));
    }
    if (ticket.addOn.empty()) {
        return;
    }
    for (const std::string_view outcome : playTypeShape(ticket.playType)->outcomes) {
        const PrizeQuery query{ticket.playType, ticket.stakeCents, outcome};
        const auto prize = addOnPrizeOn(game, ticket.drawDate, ticket.addOn, query);
        if (!prize.ok()) {
            standing.notChecked.push_back(ofTicket(prize.refusal()));
            break;
        }
    }
}

} // namespace

std::string notCheckedText(std::string_view what, const GameDefinition& game) {
    return "the " + std::string(what) + " of " + game.title() +
           " are not known to this program: check your ticket with the lottery";
}

Result<TicketStanding> judgeTicket(const GameDefinition& game, const Ticket& ticket) {
    using Refused = Result<TicketStanding>;
    if (ticket.gameId != game.id) {
        return Refused::refused("a ticket of " + ticket.gameId + " is not a " + game.title() +
                                " ticket");
    }
    if (playTypeShape(ticket.playType) == nullptr) {
        return Refused::refused("no play type \"" + ticket.playType + "\"");
    }
    if (ticket.stakeCents <= 0) {
        return Refused::refused("a stake of " + dollarsText(ticket.stakeCents) + " is no stake");
    }
    const auto play = playTypeOn(game, ticket.drawDate, ticket.playType);
    if (!play.ok()) {
        return Refused::refused(play.refusal());
    }
    auto refusal = numberRefusal(ticket, *play);
    refusal = refusal ? refusal : tripleRefusal(game, ticket, *play);
    if (refusal) {
        return Refused::refused(*refusal);
    }
    const auto drawName = drawOfTicket(game, ticket);
    if (!drawName.ok()) {
        return Refused::refused(drawName.refusal());
    }
    TicketStanding standing;
    standing.drawTime = *drawName;
    standing.playName = play->name;
    standing.baseCostCents = baseCostCents(ticket);
    standing.nineAndZeroNeighbours = play->nineAndZeroNeighbours == Known::yes;
    standing.addOnCostCents = 0;
    if (!ticket.addOn.empty()) {
        const auto addOn = addOnOn(game, ticket.drawDate, ticket.addOn);
        if (!addOn.ok()) {
            return Refused::refused(addOn.refusal());
        }
        standing.addOnName = addOn->name;
        standing.addOnCostCents = addOnCost(*addOn, standing.baseCostCents);
        standing.addOnMoreThanOnce = addOn->winsMoreThanOnce == Known::yes;
    }
    standing.enteredAfterDraw = enteredAfter(game, ticket, standing.drawTime);
    noteUnknownPrizes(game, ticket, *play, standing);
    return standing;
}

} // namespace pick3
