// The ledger of tries: different settings on the same draws count as tries,
// and what the best (or worst) of them makes of a chance.

#include "engine/backtest/TryLedger.h"

#include "Support.h"

#include <cmath>

namespace pick3 {
namespace {

const double kLn10 = std::log(10.0);

TEST(TryLedger, CountsDifferentSettingsOnTheSameDraws) {
    TryLedger ledger;
    const std::tuple<const char*, const char*, std::uint64_t, std::size_t> steps[] = {
        {"a first try", "A", 1, 1},    {"the same settings again", "A", 1, 1},
        {"other settings", "B", 1, 2}, {"a third", "C", 1, 3},
        {"other draws", "C", 2, 1},    {"back to the first draws", "A", 1, 1},
    };
    for (const auto& [name, settings, draws, tries] : steps) {
        EXPECT_EQ(ledger.record(settings, draws), tries) << name;
    }
    // Settings that differ in their output order alone are the same try.
    MainInput lmh;
    MainInput mhl;
    mhl.order.sixWay = "MHL";
    EXPECT_EQ(settingsKeyOf(lmh), settingsKeyOf(mhl));
    mhl.excludeTriples = true;
    EXPECT_NE(settingsKeyOf(lmh), settingsKeyOf(mhl));
    const DrawList history{123, 456};
    EXPECT_NE(drawsKeyOf(history, {}), drawsKeyOf({456, 123}, {}));
    EXPECT_NE(drawsKeyOf(history, {}), drawsKeyOf(history, {NewestEnd::Last}));
    EXPECT_NE(drawsKeyOf(history, {}), drawsKeyOf(history, {NewestEnd::First, 1}));
    // The chance as such, or as a power of ten where it is below a double.
    const std::tuple<std::size_t, double, bool, const char*> texts[] = {
        {14, 0.52 / 14, true,
         "the best of 14 random tries would do this well up to 52 times in 100"},
        {3, 0.4, true, "the best of 3 random tries would do this well up to 100 times in 100"},
        {2, -700.0, false,
         "the worst of 2 random tries would do this badly up to 1 time in 5.0 \u00d7 10^699"},
    };
    for (const auto& [tries, chance, well, text] : texts) {
        const double logChance = chance < 0.0 ? chance * kLn10 : std::log(chance); // 10^-700
        EXPECT_EQ(triesText(tries, logChance, well),
                  "You have tried " + std::to_string(tries) + " settings on these draws; " + text);
    }
}

} // namespace
} // namespace pick3
