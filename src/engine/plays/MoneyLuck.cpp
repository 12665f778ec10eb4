// The draws' exact distributions, then the tails of their totals (LuckSaddlepoint.h): the
// money on the lattice of the prizes, the winning tickets on the lattice of whole tickets,
// each exact within its size; then the band, and the words.

#include "engine/plays/MoneyLuck.h"

#include "engine/games/Schedule.h"
#include "engine/plays/PayRule.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <numeric>
#include <tuple>

namespace pick3 {
namespace {

// Below this chance on either side a result is more than luck alone usually gives.
constexpr double kUsual = 0.05;

LatticeDraw moneyOnLattice(const DrawOdds& odds, long long unit) {
    LatticeDraw draw;
    for (const auto& [cents, chance] : odds.money) {
        draw.emplace_back(cents / unit, chance);
    }
    return draw;
}

LatticeDraw winsOnLattice(const DrawOdds& odds) {
    LatticeDraw draw;
    for (std::size_t k = 0; k < odds.pWins.size(); ++k) {
        if (odds.pWins[k] > 0.0) {
            draw.emplace_back(static_cast<long long>(k), odds.pWins[k]);
        }
    }
    return draw;
}

// The winning tickets exactly; where that runs long, the draws with a win, each draw's
// chance of one being exact and the draws independent.
void countWins(const std::vector<DrawOdds>& odds, long long exactSteps, MoneyLuck& luck) {
    std::vector<LatticeDraw> wins;
    std::transform(odds.begin(), odds.end(), std::back_inserter(wins), winsOnLattice);
    if (const auto exact = exactLatticeTails(wins, luck.winningTickets, exactSteps)) {
        luck.logAtLeastWins = exact->logAtLeast;
        luck.logAtMostWins = exact->logAtMost;
        return;
    }
    luck.winsByDraws = true;
    std::vector<double> shares;
    for (const DrawOdds& draw : odds) {
        shares.push_back(1.0 - draw.pWins[0]);
    }
    const auto k = static_cast<std::size_t>(luck.drawsWithAWin);
    luck.logAtLeastWins = poissonBinomialLogUpperTail(shares, k);
    luck.logAtMostWins = poissonBinomialLogLowerTail(shares, k);
}

bool aboutAsLuckGives(double logAtLeast, double logAtMost) {
    return logAtLeast > std::log(kUsual) && logAtMost > std::log(kUsual);
}

// The one wording of a chance said of players: "1 time in 1,000" as "about 1 in 1,000
// players".
std::string playersText(double logChance) {
    std::string text = logChanceInWords(logChance);
    for (const std::string times : {" times in ", " time in "}) {
        if (const auto at = text.find(times); at != std::string::npos) {
            return "about " + text.replace(at, times.size(), " in ") + " players";
        }
    }
    return "no players";
}

std::string moneyWords(const MoneyLuck& luck) {
    const std::string text = "Won " + moneyText(luck.wonCents) + " on " +
                             counted(static_cast<std::size_t>(luck.tickets), "ticket") + " over " +
                             counted(static_cast<std::size_t>(luck.draws), "draw") +
                             "; by luck alone the prizes return " +
                             moneyText(std::llround(luck.expectedWonCents)) +
                             " on average. ";
    if (aboutAsLuckGives(luck.logAtLeastMoney, luck.logAtMostMoney)) {
        return text + "That is about as luck alone gives.";
    }
    if (luck.logAtLeastMoney < luck.logAtMostMoney) {
        return text + "Luck alone wins this much or more " +
               logChanceInWords(luck.logAtLeastMoney) + ": " + playersText(luck.logAtLeastMoney) +
               " with the same tickets would do as well.";
    }
    return text + "Luck alone wins this little or less " + logChanceInWords(luck.logAtMostMoney) +
           ".";
}

std::string winsWords(const MoneyLuck& luck) {
    const std::string what =
        luck.winsByDraws
            ? grouped(static_cast<std::size_t>(luck.drawsWithAWin)) + " of the " +
                  counted(static_cast<std::size_t>(luck.draws), "draw") +
                  " had a win (counted by draws: the tickets are too many to combine one by one)"
            : counted(static_cast<std::size_t>(luck.winningTickets), "winning ticket");
    if (aboutAsLuckGives(luck.logAtLeastWins, luck.logAtMostWins)) {
        return what + ": about as luck alone gives.";
    }
    if (luck.logAtLeastWins < luck.logAtMostWins) {
        return what + ": luck alone gives this many or more " +
               logChanceInWords(luck.logAtLeastWins) + ".";
    }
    return what + ": luck alone gives this few or fewer " + logChanceInWords(luck.logAtMostWins) +
           ".";
}

// Where a draw time falls in its day's schedule; one the schedule does not know, last.
int placeInDay(const GameDefinition& game, const CivilDate& date, const std::string& drawTime) {
    const auto times = drawTimesOn(game, date);
    if (!times.ok()) {
        return 0;
    }
    const auto at = std::find_if(times->begin(), times->end(),
                                 [&](const DrawTime& time) { return time.name == drawTime; });
    return static_cast<int>(at - times->begin());
}

std::string luckWords(const MoneyLuck& luck) {
    std::string leftOut;
    if (luck.leftOut == 1) {
        leftOut = " 1 ticket entered after the draw is left out.";
    } else if (luck.leftOut > 1) {
        leftOut.append(" ")
            .append(grouped(static_cast<std::size_t>(luck.leftOut)))
            .append(" tickets entered after the draw are left out.");
    }
    if (luck.draws == 0) {
        return "No ticket has met its draw yet." + leftOut;
    }
    return moneyWords(luck) + " " + winsWords(luck) + leftOut;
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

MoneyLuck moneyLuckOf(const std::vector<DrawTickets>& draws, int leftOut, long long exactSteps) {
    MoneyLuck luck;
    luck.leftOut = leftOut;
    luck.draws = static_cast<int>(draws.size());
    std::vector<DrawOdds> odds;
    std::vector<long long> won;
    long long unit = 0;
    for (const DrawTickets& draw : draws) {
        odds.push_back(drawOdds(draw));
        for (const auto& [cents, chance] : odds.back().money) {
            unit = std::gcd(unit, cents);
            luck.expectedWonCents += static_cast<double>(cents) * chance;
        }
        luck.tickets += static_cast<int>(draw.pays.size());
        luck.winningTickets += draw.winningTickets;
        luck.drawsWithAWin += draw.winningTickets > 0 ? 1 : 0;
        luck.wonCents += draw.wonCents;
        won.push_back(draw.wonCents);
    }
    luck.unitCents = unit == 0 ? 1 : unit;
    if (!draws.empty()) {
        std::vector<LatticeDraw> money;
        for (const DrawOdds& draw : odds) {
            money.push_back(moneyOnLattice(draw, luck.unitCents));
        }
        const LatticeTails tails = latticeTails(money, luck.wonCents / luck.unitCents, exactSteps);
        luck.logAtLeastMoney = tails.logAtLeast;
        luck.logAtMostMoney = tails.logAtMost;
        luck.moneyBySaddlepoint = tails.bySaddlepoint;
        countWins(odds, exactSteps, luck);
        luck.band = luckBand(money, luck.unitCents, won, exactSteps);
    }
    luck.wordsText = luckWords(luck);
    return luck;
}

std::vector<DrawTickets> drawTicketsOf(const std::vector<CheckedTicket>& tickets,
                                       const std::vector<GameDraws>& games, int& leftOut) {
    std::map<std::tuple<std::string, CivilDate, std::string>, DrawTickets> byDraw;
    std::map<PayRule, std::vector<int>> pays;
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
        if (draw.pays.empty()) {
            draw.gameId = entry.ticket.gameId;
            draw.date = entry.ticket.drawDate;
            draw.drawTime = entry.standing->drawTime;
            draw.placeInDay = placeInDay(*game->game, draw.date, draw.drawTime);
        }
        // Players play the same numbers draw after draw: each rule is worked out once.
        const PayRule rule = payRuleOf(*game->game, entry.ticket, *entry.standing);
        auto known = pays.find(rule);
        if (known == pays.end()) {
            known = pays.emplace(rule, payByOutcome(rule)).first;
        }
        draw.pays.push_back(known->second);
        draw.wonCents += entry.check->wonCents;
        draw.winningTickets += entry.check->wonCents > 0 ? 1 : 0;
    }
    std::vector<DrawTickets> draws;
    for (auto& [key, draw] : byDraw) {
        draws.push_back(std::move(draw));
    }
    // The band and its chart run along the draws as they were drawn: Midday before Evening.
    std::stable_sort(draws.begin(), draws.end(), [](const DrawTickets& a, const DrawTickets& b) {
        return std::tie(a.date, a.placeInDay) < std::tie(b.date, b.placeInDay);
    });
    return draws;
}

} // namespace pick3
