#pragma once
// The ledger of tries: how many different settings have been back-tested on
// the same draws. The best of many tries looks better than any one of them
// would by luck alone; the ledger says how much that weighs. Kept for as long
// as the program runs, never written anywhere.

#include "engine/backtest/BackTestRun.h"

#include <cstdint>
#include <set>
#include <string>

namespace pick3 {

class TryLedger {
  public:
    // One back-test of the settings `settingsKey` on the draws `drawsKey`:
    // other draws than the last ones start the count afresh. Returns how many
    // different settings have been tested on these draws, this one included.
    std::size_t record(const std::string& settingsKey, std::uint64_t drawsKey);
    std::size_t tries() const { return settings_.size(); }
    // A new count: whatever it counted, the tries start afresh.
    void reset() { settings_.clear(); }

  private:
    std::uint64_t draws_ = 0;
    std::set<std::string> settings_;
};

// What a back-test depends on besides the draws: every filter setting, not the
// output order.
std::string settingsKeyOf(const MainInput& input);
// The draws tested: the history, its newest end, how many of the newest are
// tested and the ranking a hot/cold pattern reads.
std::uint64_t drawsKeyOf(const DrawList& history, const BackTestOptions& options);

// "You have tried 14 settings on these draws; the best of 14 random tries
// would do this well up to 52 times in 100": min(1, tries x chance), which
// holds however the settings depend on each other.
std::string triesText(std::size_t tries, double logChance, bool well);

} // namespace pick3
