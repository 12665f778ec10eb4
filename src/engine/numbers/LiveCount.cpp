#include "engine/numbers/LiveCount.h"

#include <cstdio>

namespace pick3 {

int coveredDraws(const NumberSet& created, DigitMode mode) {
    if (mode == DigitMode::Positional) {
        return static_cast<int>(created.count());
    }
    int covered = 0;
    for (int n = 0; n < kNumberCount; ++n) {
        if (created.test(static_cast<std::size_t>(n))) {
            covered += arrangements(n);
        }
    }
    return covered;
}

LiveCount liveCount(const MainInput& input) {
    const Result<Creation> plan = planCreation(input);
    if (!plan.ok()) {
        return {plan.refusal(), 0, 0};
    }
    return {std::nullopt, static_cast<int>(plan->created.count()),
            coveredDraws(plan->created, input.mode)};
}

std::string shareOfDraws(int draws) {
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f%%", draws * 100.0 / kNumberCount);
    return std::to_string(draws) + " of the 1000 possible draws (" + percent + ")";
}

std::string liveCountText(const LiveCount& count) {
    if (count.refusal) {
        std::string line = *count.refusal;
        for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n")) {
            line.replace(at, 2, " ");
        }
        return line;
    }
    return "Would create " + std::to_string(count.numbers) +
           (count.numbers == 1 ? " number: " : " numbers: ") + shareOfDraws(count.coveredDraws);
}

} // namespace pick3
