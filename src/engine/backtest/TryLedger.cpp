#include "engine/backtest/TryLedger.h"

#include "engine/stats/Chance.h"
#include "engine/sets/FilterSetFile.h"

#include <cmath>

namespace pick3 {

std::size_t TryLedger::record(const std::string& settingsKey, std::uint64_t drawsKey) {
    if (settings_.empty() || drawsKey != draws_) {
        settings_.clear();
        draws_ = drawsKey;
    }
    settings_.insert(settingsKey);
    return settings_.size();
}

std::string settingsKeyOf(const MainInput& input) {
    FilterSet set = filterSetOf(input);
    set.order = {}; // the order of the output plays no part in a back-test
    return writeFilterSet(set);
}

std::uint64_t drawsKeyOf(const DrawList& history, const BackTestOptions& options) {
    // FNV-1a over the draws and the options.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&hash](std::uint64_t value) {
        for (int byte = 0; byte < 8; ++byte) {
            hash = (hash ^ ((value >> (8 * byte)) & 0xFFU)) * 1099511628211ULL;
        }
    };
    add(history.size());
    for (const std::uint16_t draw : history) {
        add(draw);
    }
    add(options.newest == NewestEnd::First ? 0 : 1);
    add(options.lastDraws);
    add(static_cast<std::uint64_t>(options.order));
    return hash;
}

std::string triesText(std::size_t tries, double logChance, bool well) {
    const double bound = std::exp(std::log(static_cast<double>(tries)) + logChance);
    const std::string n = grouped(tries);
    return "You have tried " + n + " settings on these draws; the " + (well ? "best" : "worst") +
           " of " + n + " random tries would do this " + (well ? "well" : "badly") + " up to " +
           (bound >= 0.995 ? std::string("100 times in 100")
                           : logChanceInWords(std::log(static_cast<double>(tries)) + logChance));
}

} // namespace pick3
