// The convolutions: winning tickets over their full range (at most one more entry per
// ticket), money on the lattice of the prizes up to the total the player won, so that
// the chance of at most that much is exact and that of at least it is its complement.

#include "engine/plays/MoneyLuck.h"

#include "engine/plays/PayRule.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <numeric>

namespace pick3 {
namespace {

std::vector<double> convolved(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> out(a.size() + b.size() - 1, 0.0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            out[i + j] += a[i] * b[j];
        }
    }
    return out;
}

// Money on the lattice, up to `cap` units: entries above it are dropped, their chance
// kept apart so that nothing is lost from the sum.
std::vector<double> moneyUpTo(const std::vector<DrawOdds>& odds, long long unit, std::size_t cap) {
    std::vector<double> dist{1.0};
    for (const DrawOdds& draw : odds) {
        std::vector<double> next(
            std::min(cap + 1,
                     dist.size() + static_cast<std::size_t>(draw.money.back().first / unit)),
            0.0);
        for (const auto& [cents, chance] : draw.money) {
            const auto step = static_cast<std::size_t>(cents / unit);
            for (std::size_t at = 0; at < dist.size() && at + step < next.size(); ++at) {
                next[at + step] += dist[at] * chance;
            }
        }
        dist = std::move(next);
    }
    return dist;
}

double logOf(double chance) {
    return chance <= 0.0 ? -std::numeric_limits<double>::infinity()
                         : std::log(std::min(1.0, chance));
}

std::string luckWords(const MoneyLuck& luck) {
    const double logAhead = luck.logAtLeastMoney;
    std::string text = "Won " + signedDollarsText(luck.wonCents) + " on " +
                       counted(static_cast<std::size_t>(luck.tickets), "ticket") + " over " +
                       counted(static_cast<std::size_t>(luck.draws), "draw") +
                       "; by luck alone the prizes return " +
                       signedDollarsText(std::llround(luck.expectedWonCents)) + " on average. ";
    if (luck.logAtLeastMoney > std::log(0.05) && luck.logAtMostMoney > std::log(0.05)) {
        return text + "That is about as luck alone gives.";
    }
    if (static_cast<double>(luck.wonCents) > luck.expectedWonCents) {
        return text + "Luck alone wins this much or more " + logChanceInWords(logAhead) +
               ": that many players with the same tickets would do as well.";
    }
    return text + "Luck alone wins this little or less " + logChanceInWords(luck.logAtMostMoney) +
           ".";
}

} // namespace

DrawOdds drawOdds(const DrawTickets& draw) {
    std::size_t outcomes = 1000;
    for (const auto& pay : draw.pays) {
        outcomes = std::max(outcomes, pay.size());
    }
    DrawOdds odds;
    // Counted in whole outcomes, divided once: the chances are exact to the last bit.
    std::vector<long long> wins(draw.pays.size() + 1, 0);
    std::map<long long, long long> money;
    for (std::size_t outcome = 0; outcome < outcomes; ++outcome) {
        long long won = 0;
        std::size_t winners = 0;
        for (const auto& pay : draw.pays) {
            // A ticket without an add-on pays the same on each add-on digit of a number.
            const int cents =
                pay.size() == outcomes ? pay[outcome] : pay[outcome * pay.size() / outcomes];
            won += cents;
            winners += cents > 0 ? 1 : 0;
        }
        ++wins[winners];
        ++money[won];
    }
    const auto share = [outcomes](long long count) {
        return static_cast<double>(count) / static_cast<double>(outcomes);
    };
    std::transform(wins.begin(), wins.end(), std::back_inserter(odds.pWins), share);
    for (const auto& [cents, count] : money) {
        odds.money.emplace_back(cents, share(count));
    }
    return odds;
}

MoneyLuck moneyLuckOf(const std::vector<DrawTickets>& draws) {
    MoneyLuck luck;
    std::vector<DrawOdds> odds;
    std::vector<double> wins{1.0};
    long long unit = 0;
    for (const DrawTickets& draw : draws) {
        odds.push_back(drawOdds(draw));
        wins = convolved(wins, odds.back().pWins);
        for (const auto& [cents, chance] : odds.back().money) {
            unit = std::gcd(unit, cents);
            luck.expectedWonCents += static_cast<double>(cents) * chance;
        }
        luck.tickets += static_cast<int>(draw.pays.size());
        luck.winningTickets += draw.winningTickets;
        luck.wonCents += draw.wonCents;
    }
    luck.draws = static_cast<int>(draws.size());
    luck.unitCents = unit == 0 ? 1 : unit;
    const auto k = static_cast<std::size_t>(luck.winningTickets);
    luck.logAtMostWins =
        logOf(std::accumulate(wins.begin(), wins.begin() + static_cast<long>(k + 1), 0.0));
    luck.logAtLeastWins =
        logOf(std::accumulate(wins.begin() + static_cast<long>(k), wins.end(), 0.0));
    const auto units = static_cast<std::size_t>(luck.wonCents / luck.unitCents);
    const auto money = moneyUpTo(odds, luck.unitCents, units);
    const double below = std::accumulate(money.begin(), money.end() - 1, 0.0);
    luck.logAtMostMoney = logOf(below + money.back());
    luck.logAtLeastMoney = logOf(1.0 - below);
    luck.wordsText = luckWords(luck);
    return luck;
}

std::vector<DrawTickets> drawTicketsOf(const std::vector<CheckedTicket>& tickets,
                                       const std::vector<GameDraws>& games, int& leftOut) {
    std::map<std::tuple<std::string, CivilDate, std::string>, DrawTickets> byDraw;
    leftOut = 0;
    for (const CheckedTicket& entry : tickets) {
        if (!entry.standing || !entry.check) {
            continue;
        }
        if (entry.standing->enteredAfterDraw) {
            ++leftOut;
            continue;
        }
        const auto game = std::find_if(games.begin(), games.end(), [&](const GameDraws& g) {
            return g.game->id == entry.ticket.gameId;
        });
        DrawTickets& draw =
            byDraw[{entry.ticket.gameId, entry.ticket.drawDate, entry.standing->drawTime}];
        draw.pays.push_back(payByOutcome(*payRuleOf(*game->game, entry.ticket)));
        draw.wonCents += entry.check->wonCents;
        draw.winningTickets += entry.check->wonCents > 0 ? 1 : 0;
    }
    std::vector<DrawTickets> draws;
    for (auto& [key, draw] : byDraw) {
        draws.push_back(std::move(draw));
    }
    return draws;
}

} // namespace pick3
