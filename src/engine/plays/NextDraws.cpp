#include "engine/plays/NextDraws.h"

#include <algorithm>
#include <functional>

namespace pick3 {

namespace {

constexpr int kDaysLookedAhead = 366;

// Walks the schedule from `start`, taking the draws `wanted` lets through, until `count`.
Result<std::vector<HeldDraw>>
walkDraws(const GameDefinition& game, const CivilDate& start, int count,
          const std::function<bool(const CivilDate&, const DrawTime&)>& wanted) {
    std::vector<HeldDraw> draws;
    const int from = start.daysSinceEpoch();
    count = std::clamp(count, 0, kMostConsecutiveDraws);
    for (int day = from; static_cast<int>(draws.size()) < count; ++day) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(day);
        if (day - from > kDaysLookedAhead || !date.exists()) {
            return Result<std::vector<HeldDraw>>::refused(
                game.title() + " holds no draw in the year after " + start.text());
        }
        const auto times = drawTimesOn(game, date);
        if (!times.ok()) {
            return Result<std::vector<HeldDraw>>::refused(times.refusal());
        }
        for (const DrawTime& time : *times) {
            if (static_cast<int>(draws.size()) < count && wanted(date, time)) {
                draws.push_back({date, time.name});
            }
        }
    }
    return draws;
}

} // namespace

Result<std::vector<HeldDraw>> nextDraws(const GameDefinition& game, const LocalMoment& now,
                                        int count) {
    return walkDraws(game, now.date, count, [&now](const CivilDate& date, const DrawTime& time) {
        return date > now.date || (time.time && *time.time > now.time);
    });
}

Result<std::vector<HeldDraw>> drawsFrom(const GameDefinition& game, const HeldDraw& first,
                                        int count) {
    const auto times = drawTimesOn(game, first.date);
    if (!times.ok()) {
        return Result<std::vector<HeldDraw>>::refused(times.refusal());
    }
    const auto at = std::find_if(times->begin(), times->end(), [&first](const DrawTime& time) {
        return time.name == first.drawTime;
    });
    if (at == times->end()) {
        return Result<std::vector<HeldDraw>>::refused("no " + first.drawTime + " draw of " +
                                                      game.title() + " on " + first.date.text());
    }
    const auto order = static_cast<std::size_t>(at - times->begin());
    return walkDraws(game, first.date, count,
                     [&first, &times, order](const CivilDate& date, const DrawTime& time) {
                         if (date != first.date) {
                             return true;
                         }
                         const auto place = std::find_if(
                             times->begin(), times->end(),
                             [&time](const DrawTime& held) { return held.name == time.name; });
                         return static_cast<std::size_t>(place - times->begin()) >= order;
                     });
}

} // namespace pick3
