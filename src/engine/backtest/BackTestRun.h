#pragma once
// How the main window's settings would have done on a draw history: which past
// draws they would have created (hits), against what chance alone gives for as
// many numbers, what each setting costs in winners and in numbers, and draw by
// draw. A ticked hot/cold pattern judges each draw by the ranking of the draws
// before it only, never by later ones.

#include "engine/numbers/Commands.h"
#include "engine/numbers/Conditions.h"
#include "engine/numbers/HotCold.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pick3 {

struct BackTestOptions {
    NewestEnd newest = NewestEnd::First;            // as results pages list them
    std::size_t lastDraws = 0;                      // test the newest this many draws; 0: all
    SortOrder order = SortOrder::HitsDescDigitsAsc; // the ranking of the count the draws come from
};

// One condition of the settings, and what it alone throws out.
struct ConditionCost {
    std::string name;               // "Sumdigits 27", "Left pairs (LP): 12, 34"
    std::size_t drawsThrownOut = 0; // of the tested draws
    int numbersThrownOut = 0;       // of the 1,000 possible draws
};

// One tested draw.
struct DrawVerdict {
    std::size_t index = 0; // its place in the history text, from 0
    int draw = 0;          // the number drawn
    int thrownOutBy = -1;  // a miss: the first condition (into the costs) that threw it out
    // What was played on this draw: the numbers, and the outcomes of the 1,000
    // possible draws they cover (its share times 1,000). A hot/cold pattern
    // plays, on each draw, what that day's count would have made.
    int played = 0;
    int covered = 0;
    // Of the numbers played, those that win six-way and three-way boxed (none straight).
    int sixWay = 0;
    int threeWay = 0;
    bool hit() const { return thrownOutBy < 0; }
    double share() const { return covered / 1000.0; }
};

struct BackTestReport {
    std::size_t historyDraws = 0;
    std::size_t tested = 0;
    std::size_t hits = 0;
    int coveredDraws = 0; // of 1,000: what the settings play as they stand
    // The outcomes covered, summed over the tested draws: the hits expected
    // by chance alone, times 1,000.
    std::size_t coveredTested = 0;
    std::size_t longestWithoutHit = 0;
    std::optional<std::size_t> sinceLastHit; // none without a hit among the tested draws
    std::vector<ConditionCost> costs;        // in the order the command applies the conditions
    std::vector<DrawVerdict> strip;          // the tested draws, in the history's order
    DigitMode mode = DigitMode::AnyPosition;
    // The numbers played each draw, as the settings create them now, by how
    // many draws each covers: 6 (a boxed single), 3 (a boxed double), 1 (a
    // triple, or any straight number).
    int numbersPlayed = 0;
    int sixWayPlayed = 0;
    int threeWayPlayed = 0;
    NewestEnd newest = NewestEnd::First;
};

// A hit is a draw that "Create numbers" would have created: the draw itself,
// straight, in positional mode; its boxed combination in any position. The
// settings are read as the command reads them (its refusal refuses this too);
// the hot digits of input.readHotDigits count only for the share played now.
Result<BackTestReport> backTest(const MainInput& input, const DrawList& history,
                                const BackTestOptions& options);

// What a condition throws out as shares: of the tested draws (winners) and of
// all 1,000 numbers, and winners per number; above 1 it throws out winners more
// often than numbers. None where it throws out no number now.
// Against luck: the winners its share of numbers throws out on average, and
// the chance that it throws out as many more or fewer by luck alone; where that
// chance is under 5%, `unusual` is +1 (more winners than its share) or -1.
struct CostShares {
    double winners = 0.0;
    double numbers = 0.0;
    std::optional<double> winnersPerNumber;
    double expected = 0.0;
    double chance = 1.0;
    double logChance = 0.0; // the chance as a log, which never rounds a tiny one to none
    int unusual = 0;
};
CostShares costShares(const BackTestReport& report, const ConditionCost& cost);
// Winners per number in words: "2.50 times as often", "as often", "no winner";
// "-" where it throws out no number.
std::string winnersPerNumberText(const CostShares& shares);
// "By luck alone about 0.2 of these 3 conditions would show a chance under 5%;
// none does.", from the exact chance of each under fair draws; without a
// condition, that every number is played.
std::string unusualByLuckText(const BackTestReport& report);

// What playing the settings would have cost: a stake per number and the
// prizes per 1.00 played. Positional: each number straight; any position:
// each combination boxed, a triple straight.
struct Prizes {
    double stake = 1.0;
    double straight = 500.0;
    double boxSixWay = 80.0;
    double boxThreeWay = 160.0;
};
struct Money {
    double played = 0.0;
    double won = 0.0;
    double net() const { return won - played; }
    std::optional<double> returned; // per 1.00 played; none where nothing was played
    double gameReturn = 0.0; // what the game pays back per 1.00 on the numbers played, on average
};
Money moneyOf(const BackTestReport& report, const Prizes& prizes);
// The same with each tested draw's own prizes (`prizes[i]` for `strip[i]`), as a game's
// table of each draw's date gives them; the game's return is over every draw's numbers.
Money moneyOf(const BackTestReport& report, const std::vector<Prizes>& prizes);
// What one tested draw cost and paid: its numbers' stake, and the prize on a hit.
double stakeOn(const DrawVerdict& verdict, const Prizes& prizes);
double wonOn(const BackTestReport& report, const DrawVerdict& verdict, const Prizes& prizes);
// Caption and value: what was played, won and lost, and the return against the game's.
std::vector<std::pair<std::string, std::string>> moneySummary(const Money& money);
// Which draw of the strip is the newest: "Draw 1 is the newest".
std::string newestCellText(const BackTestReport& report);

// Could the hits be luck: whether they reach what chance alone gives (`well`)
// and the log of the chance that random numbers of the same shares, draw by
// draw, do as well (or as badly).
struct Luck {
    bool well = true;
    double logChance = 0.0;
};
Luck luckOf(const BackTestReport& report);

// The summary as caption and value: draws tested, hits, chance alone, the
// ratio, the longest run without a hit and the draws since the last one; then
// how often random numbers of the same share do as well (or as badly), with
// what the `tries` of different settings on these draws make of it, and the
// 95% range of the hit rate.
std::vector<std::pair<std::string, std::string>> backTestSummary(const BackTestReport& report,
                                                                 std::size_t tries = 1);
// What a strip cell says: "Draw 5, 123: hit" or "Draw 5, 456: miss, thrown out by Sumdigits 15".
std::string verdictText(const BackTestReport& report, const DrawVerdict& verdict);
// The same, the draw named by `label` (its date and draw time) after its place:
// "Draw 5, Sat 2026-12-05 Evening, 489: miss, thrown out by Sumdigits 21".
std::string verdictText(const BackTestReport& report, const DrawVerdict& verdict,
                        std::string_view label);

} // namespace pick3
