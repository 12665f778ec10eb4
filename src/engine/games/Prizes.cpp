// Prize look-up by date: find the rule in force on the day (a play type or an
// add-on of that key), then its stake, then its outcome; at each step a "not
// known" is refused in words the player can act on.

#include "engine/games/Prizes.h"

#include "engine/games/PlayTypes.h"
#include "engine/games/Schedule.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace pick3 {
namespace {

template <typename Rule> struct Found {
    const Rule* rule = nullptr;   // in force on the day
    const Rule* unsure = nullptr; // perhaps in force: the definition cannot say
    std::string name;             // the state's name for it, or its key
};

template <typename Rule>
Found<Rule> ruleOn(const std::vector<Rule>& rules, const GameDefinition& game,
                   const CivilDate& date, std::string_view key) {
    Found<Rule> found;
    std::string name(key);
    std::replace(name.begin(), name.end(), '_', ' ');
    found.name = name;
    for (const Rule& rule : rules) {
        if (rule.key != key) {
            continue;
        }
        found.name = rule.name;
        const Known held = inForceOn(rule.period, date, game.checked);
        found.rule = held == Known::yes ? &rule : found.rule;
        found.unsure = held == Known::unknown ? &rule : found.unsure;
    }
    return found;
}

std::string unsureText(std::string_view what, const GameDefinition& game, const CivilDate& date,
                       const Period& period) {
    const std::string began =
        period.from.kind == PeriodBound::Kind::open ? "" : "; it began " + period.from.text();
    return "whether " + game.title() + " had " + std::string(what) + " on " + date.text() +
           " is not known to this program" + began + ": check with your lottery";
}

// The prizes of a stake, pointed to in the definition: a ticket's check looks up
// several outcomes of one stake, and copies of the tables would be most of its time.
Result<const OutcomePrizes*> stakePrizes(const GameDefinition& game,
                                         const std::vector<StakePrizes>& table,
                                         const std::string& what, int stakeCents) {
    const auto stake = std::find_if(table.begin(), table.end(), [stakeCents](const auto& row) {
        return row.stakeCents == stakeCents;
    });
    if (stake == table.end() || !stake->outcomes) {
        return Result<const OutcomePrizes*>::refused(
            notKnownText(what + " prizes of a " + dollarsText(stakeCents) + " play", game));
    }
    return &*stake->outcomes;
}

Result<int> outcomePrize(const GameDefinition& game, const OutcomePrizes& prizes,
                         const std::string& what, std::string_view outcome) {
    const auto prize = prizes.find(outcome);
    if (prize == prizes.end()) {
        return Result<int>::refused("a " + what + " play has no outcome \"" + std::string(outcome) +
                                    "\"");
    }
    if (!prize->second) {
        std::string name(outcome);
        std::replace(name.begin(), name.end(), '_', ' ');
        return Result<int>::refused(notKnownText(what + " prizes for " + name, game));
    }
    return *prize->second;
}

// The play of a key sold on a date, in the definition; nothing where playTypeOn() refuses.
const PlayType* soldOn(const GameDefinition& game, const CivilDate& date, std::string_view key) {
    const PlayType* play = ruleOn(game.playTypes, game, date, key).rule;
    return play != nullptr && play->sold == Known::yes ? play : nullptr;
}

std::string tripleRefusal(const GameDefinition& game, const PlayType& play) {
    if (play.tripleBoxSold == Known::no) {
        return game.title() + " sells no triple " + play.name + " play";
    }
    return "whether " + game.title() + " sells a triple " + play.name +
           " play is not known to this program: check with your lottery";
}

} // namespace

std::string dollarsText(int cents) {
    std::array<char, 32> text{};
    if (cents % 100 == 0) {
        std::snprintf(text.data(), text.size(), "$%d", cents / 100);
    } else {
        std::snprintf(text.data(), text.size(), "$%d.%02d", cents / 100, cents % 100);
    }
    return text.data();
}

PlayTypesOn playTypesOn(const GameDefinition& game, const CivilDate& date) {
    PlayTypesOn plays;
    for (const auto& play : game.playTypes) {
        const Known held = inForceOn(play.period, date, game.checked);
        if (held == Known::yes && play.sold == Known::yes) {
            plays.sold.push_back(play);
        } else if (held != Known::no && play.sold != Known::no) {
            plays.notKnown.push_back(play);
        }
    }
    return plays;
}

Result<PlayType> playTypeOn(const GameDefinition& game, const CivilDate& date,
                            std::string_view key) {
    const auto found = ruleOn(game.playTypes, game, date, key);
    if (found.rule != nullptr && found.rule->sold == Known::yes) {
        return *found.rule;
    }
    const PlayType* unsure =
        found.rule != nullptr && found.rule->sold == Known::unknown ? found.rule : found.unsure;
    if (unsure != nullptr) {
        return Result<PlayType>::refused(
            unsureText("a " + found.name + " play", game, date, unsure->period));
    }
    return Result<PlayType>::refused(game.title() + " sold no " + found.name + " play on " +
                                     date.text());
}

Result<int> prizeOn(const GameDefinition& game, const CivilDate& date, const PrizeQuery& query) {
    const PlayType* play = soldOn(game, date, query.playType);
    if (play == nullptr) {
        return Result<int>::refused(playTypeOn(game, date, query.playType).refusal());
    }
    if (query.outcome == kTripleOutcome && play->key == "box" &&
        play->tripleBoxSold != Known::yes) {
        return Result<int>::refused(tripleRefusal(game, *play));
    }
    if (!play->prizes) {
        return Result<int>::refused(notKnownText(play->name + " prizes", game));
    }
    const auto prizes = stakePrizes(game, *play->prizes, play->name, query.stakeCents);
    if (!prizes.ok()) {
        return Result<int>::refused(prizes.refusal());
    }
    return outcomePrize(game, **prizes, play->name, query.outcome);
}

Result<AddOn> addOnOn(const GameDefinition& game, const CivilDate& date, std::string_view key) {
    const auto found = ruleOn(game.addOns, game, date, key);
    if (found.rule != nullptr) {
        return *found.rule;
    }
    if (found.unsure != nullptr) {
        return Result<AddOn>::refused(
            unsureText("the " + found.name, game, date, found.unsure->period));
    }
    return Result<AddOn>::refused(game.title() + " had no " + found.name + " on " + date.text());
}

Result<int> addOnPrizeOn(const GameDefinition& game, const CivilDate& date,
                         std::string_view addOnKey, const PrizeQuery& query) {
    const AddOn* addOn = ruleOn(game.addOns, game, date, addOnKey).rule;
    if (addOn == nullptr) {
        return Result<int>::refused(addOnOn(game, date, addOnKey).refusal());
    }
    const PlayType* play = soldOn(game, date, query.playType);
    if (play == nullptr) {
        return Result<int>::refused(playTypeOn(game, date, query.playType).refusal());
    }
    if (!addOn->prizes || !addOn->prizes->contains(query.playType)) {
        return Result<int>::refused(notKnownText(addOn->name + " prizes", game));
    }
    const auto& table = addOn->prizes->find(query.playType)->second;
    const auto prizes = stakePrizes(game, table, addOn->name + " " + play->name, query.stakeCents);
    if (!prizes.ok()) {
        return Result<int>::refused(prizes.refusal());
    }
    return outcomePrize(game, **prizes, addOn->name + " " + play->name, query.outcome);
}

} // namespace pick3
