#pragma once
// Is the player's money luck? Exactly: every draw's 1,000 outcomes (times the 10
// add-on digits where a ticket on it carries an add-on) are played against every ticket
// on that draw, giving the draw's exact distribution of winning tickets and of money
// won; the draws are independent and are combined one by one. Money is counted on the
// lattice of the prizes (their greatest common divisor in cents), keeping only the
// totals the answer needs. No simulation and no normal curve: 100 one-dollar straights,
// one on each of 100 draws, win nothing 90.5% of the time.
//
// Beyond kExactLatticeSteps of work (300 million multiply-adds, LuckSaddlepoint.h) the money
// is answered by the lattice saddlepoint on its exact cumulant generating function, and the
// number of winning tickets by the number of draws with a win, whose chances the back-test's
// Poisson binomial gives exactly; the words say so. The band of LuckBand.h comes from the
// same distributions.
//
// Tickets entered after their draw are left out, and counted.

#include "engine/plays/LuckBand.h"
#include "engine/plays/LuckSaddlepoint.h"
#include "engine/plays/PlayTotals.h"

#include <string>
#include <vector>

namespace pick3 {

// One draw's tickets, as what each pays on every outcome (PayRule.h, payByOutcome()).
struct DrawTickets {
    std::string gameId;
    CivilDate date;
    std::string drawTime;
    int placeInDay = 0;                 // the draw time's place in its day, from 0
    std::vector<std::vector<int>> pays; // one a ticket: 1,000 or 10,000 outcomes
    long long wonCents = 0;             // what they won on the draw as held
    int winningTickets = 0;
};

// The exact distributions of one draw: pWins[k] the chance that k of its tickets win;
// money as (cents, chance) pairs in increasing cents.
struct DrawOdds {
    std::vector<double> pWins;
    std::vector<std::pair<long long, double>> money;
};
DrawOdds drawOdds(const DrawTickets& draw);

struct MoneyLuck {
    int draws = 0;
    int tickets = 0;
    int leftOut = 0; // entered after their draw
    int winningTickets = 0;
    long long wonCents = 0;
    long long stakedCents = 0;
    double expectedWonCents = 0.0;
    double logAtLeastWins = 0.0; // log P(this many winning tickets or more)
    double logAtMostWins = 0.0;
    double logAtLeastMoney = 0.0; // log P(this much money or more)
    double logAtMostMoney = 0.0;
    long long unitCents = 0; // the lattice of the prizes
    bool moneyBySaddlepoint = false;
    // The wins counted as draws with a win, the tickets being too many to combine exactly.
    bool winsByDraws = false;
    int drawsWithAWin = 0;
    LuckBand band;
    std::string wordsText; // what the chances say, in words that do not flatter
};

// The luck of the draws' tickets, `leftOut` of them entered after their draw. Exactly
// within `exactSteps` of work for each convolution.
MoneyLuck moneyLuckOf(const std::vector<DrawTickets>& draws, int leftOut = 0,
                      long long exactSteps = kExactLatticeSteps);

// The tickets checked against their draws, grouped by draw in the order they were drawn
// (by date, then by the draw time's place in the day, then by game); those entered after
// the draw and those not checked left out (counted in `leftOut`).
std::vector<DrawTickets> drawTicketsOf(const std::vector<CheckedTicket>& tickets,
                                       const std::vector<GameDraws>& games, int& leftOut);

} // namespace pick3
