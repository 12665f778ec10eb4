#pragma once
// How the main window's settings would have done on a draw history: which past
// draws they would have created (hits), against what chance alone gives for as
// many numbers, what each setting costs in winners and in numbers, and draw by
// draw. A ticked hot/cold pattern judges each draw by the ranking of the draws
// before it only, never by later ones.

#include "engine/Commands.h"
#include "engine/HotCold.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pick3 {

// Which end of the history text holds the newest draw.
enum class NewestEnd { First, Last };

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
    bool hit() const { return thrownOutBy < 0; }
};

struct BackTestReport {
    std::size_t historyDraws = 0;
    std::size_t tested = 0;
    std::size_t hits = 0;
    int coveredDraws = 0; // of 1,000: what the settings play as they stand
    std::size_t longestWithoutHit = 0;
    std::optional<std::size_t> sinceLastHit; // none without a hit among the tested draws
    std::vector<ConditionCost> costs;        // in the order the command applies the conditions
    std::vector<DrawVerdict> strip;          // the tested draws, in the history's order
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
struct CostShares {
    double winners = 0.0;
    double numbers = 0.0;
    std::optional<double> winnersPerNumber;
};
CostShares costShares(const BackTestReport& report, const ConditionCost& cost);

// The summary as caption and value: draws tested, hits, chance alone, the
// ratio, the longest run without a hit and the draws since the last one.
std::vector<std::pair<std::string, std::string>> backTestSummary(const BackTestReport& report);
// The name of every condition the settings hold now, as the costs name them,
// in the order the command applies them; refused as "Create numbers" refuses.
Result<std::vector<std::string>> conditionNames(const MainInput& input);

// What a strip cell says: "Draw 5, 123: hit" or "Draw 5, 456: miss, thrown out by Sumdigits 15".
std::string verdictText(const BackTestReport& report, const DrawVerdict& verdict);

} // namespace pick3
