// Draw times by date: which schedule holds, which of its draw times are held on
// the day's weekday, which held draws a history lacks, and what a history's draw
// code ("12:29 PM", "2", "E") names.

#include "engine/games/Schedule.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace pick3 {
namespace {

using Schedules = Result<const SchedulePeriod*>;

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string_view::npos ? "" : std::string(text.substr(first, last - first + 1));
}

std::string dayText(const CivilDate& date) {
    return std::string(weekdayName(date.weekday())) + " " + date.text();
}

// The schedule in force on a date; nothing before the first one.
Schedules scheduleOn(const GameDefinition& game, const CivilDate& date) {
    const SchedulePeriod* unsure = nullptr;
    for (const auto& schedule : game.schedules) {
        const Known held = inForceOn(schedule.period, date, game.checked);
        if (held == Known::yes) {
            return &schedule;
        }
        unsure = held == Known::unknown ? &schedule : unsure;
    }
    if (unsure != nullptr) {
        return Schedules::refused(notKnownText("draw times on " + date.text(), game));
    }
    return static_cast<const SchedulePeriod*>(nullptr);
}

// Whether a draw time runs on a date by its own start; one of unknown start counts.
bool drawTimeStarted(const DrawTime& drawTime, const CivilDate& date, const CivilDate& checked) {
    return inForceOn(Period{drawTime.from, {}}, date, checked) != Known::no;
}

bool heldOnWeekday(const DrawTime& drawTime, const CivilDate& date) {
    return !drawTime.days || (*drawTime.days)[static_cast<std::size_t>(date.weekday())];
}

// The draw times that could be held on a date, days not known counted in.
Result<std::vector<DrawTime>> candidatesOn(const GameDefinition& game, const CivilDate& date) {
    const auto schedule = scheduleOn(game, date);
    if (!schedule.ok()) {
        return Result<std::vector<DrawTime>>::refused(schedule.refusal());
    }
    std::vector<DrawTime> drawTimes;
    if (*schedule != nullptr) {
        for (const auto& drawTime : (*schedule)->drawTimes) {
            if (drawTimeStarted(drawTime, date, game.checked) && heldOnWeekday(drawTime, date)) {
                drawTimes.push_back(drawTime);
            }
        }
    }
    return drawTimes;
}

std::optional<std::string> nameByClock(const std::vector<DrawTime>& drawTimes, ClockTime time) {
    for (const auto& drawTime : drawTimes) {
        if (drawTime.time == time) {
            return drawTime.name;
        }
    }
    return std::nullopt;
}

Result<std::string> nameByWord(const GameDefinition& game, const CivilDate& date,
                               const std::vector<DrawTime>& drawTimes, const std::string& code) {
    std::vector<std::string> matches;
    for (const auto& drawTime : drawTimes) {
        const std::string name = lowered(drawTime.name);
        if (name == lowered(code)) {
            return drawTime.name;
        }
        if (name.starts_with(lowered(code))) {
            matches.push_back(drawTime.name);
        }
    }
    if (matches.size() == 1) {
        return matches.front();
    }
    const std::string what = "\"" + code + "\" ";
    if (matches.empty()) {
        return Result<std::string>::refused(what + "names no draw time of " + game.title() +
                                            " on " + dayText(date));
    }
    return Result<std::string>::refused(what + "could name several draw times of " + game.title() +
                                        ": " + matches[0] + ", " + matches[1]);
}

Result<std::string> nameByOrder(const GameDefinition& game, const CivilDate& date,
                                const std::vector<DrawTime>& drawTimes, const std::string& code) {
    const std::size_t order = code.size() <= 2 ? std::stoul(code) : 0;
    if (order >= 1 && order <= drawTimes.size()) {
        return drawTimes[order - 1].name;
    }
    return Result<std::string>::refused(game.title() + " holds " +
                                        std::to_string(drawTimes.size()) + " draws on " +
                                        dayText(date) + ", so there is no draw " + code);
}

// The first day each draw time appears in a history.
std::map<std::string, int> firstHeldDays(const std::vector<HeldDraw>& heldDraws) {
    std::map<std::string, int> first;
    for (const auto& draw : heldDraws) {
        const int day = draw.date.daysSinceEpoch();
        const auto [at, added] = first.emplace(draw.drawTime, day);
        at->second = std::min(at->second, day);
    }
    return first;
}

// Whether a draw time of uncertain start may be counted on a day: only from its own
// first held draw, since before that the game may not have held it yet.
bool countsOn(const DrawTime& drawTime, const CivilDate& date, int day, const CivilDate& checked,
              const std::map<std::string, int>& firstHeld) {
    if (inForceOn(Period{drawTime.from, {}}, date, checked) == Known::yes) {
        return true;
    }
    const auto first = firstHeld.find(drawTime.name);
    return first != firstHeld.end() && day >= first->second;
}

// The draws of a day that a history should hold, as [begin, end) in the day's order: on
// its first day from its first held draw, on its last day up to its last (a later draw of
// that day may not have been drawn yet).
std::pair<std::size_t, std::size_t> dayWindow(const std::vector<DrawTime>& drawTimes,
                                              const std::set<HeldDraw>& held, const CivilDate& date,
                                              bool firstDay, bool lastDay) {
    std::vector<std::size_t> heldAt;
    for (std::size_t i = 0; i < drawTimes.size(); ++i) {
        if (held.contains(HeldDraw{date, drawTimes[i].name})) {
            heldAt.push_back(i);
        }
    }
    if (heldAt.empty()) {
        return {0, drawTimes.size()};
    }
    return {firstDay ? heldAt.front() : 0, lastDay ? heldAt.back() + 1 : drawTimes.size()};
}

} // namespace

std::string notKnownText(std::string_view what, const GameDefinition& game) {
    return "the " + std::string(what) + " of " + game.title() +
           " are not known to this program: check with your lottery";
}

Result<std::vector<DrawTime>> drawTimesOn(const GameDefinition& game, const CivilDate& date) {
    auto drawTimes = candidatesOn(game, date);
    if (drawTimes.ok() && std::any_of(drawTimes->begin(), drawTimes->end(),
                                      [](const DrawTime& drawTime) { return !drawTime.days; })) {
        return Result<std::vector<DrawTime>>::refused(notKnownText("draw days", game));
    }
    return drawTimes;
}

Result<std::string> drawTimeNamed(const GameDefinition& game, const CivilDate& date,
                                  std::string_view code) {
    const std::string text = trimmed(code);
    const auto drawTimes = candidatesOn(game, date);
    if (!drawTimes.ok()) {
        return Result<std::string>::refused(drawTimes.refusal());
    }
    if (drawTimes->empty()) {
        return Result<std::string>::refused(game.title() + " holds no draw on " + dayText(date));
    }
    if (const auto time = parseClockTime(text)) {
        if (auto name = nameByClock(*drawTimes, *time)) {
            return *name;
        }
        if (std::any_of(drawTimes->begin(), drawTimes->end(),
                        [](const DrawTime& drawTime) { return !drawTime.time; })) {
            return Result<std::string>::refused(notKnownText("clock times of the draws", game));
        }
        return Result<std::string>::refused("not a draw time of " + game.title() + " on " +
                                            date.text() + ": " + time->text());
    }
    if (!text.empty() && std::all_of(text.begin(), text.end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return nameByOrder(game, date, *drawTimes, text);
    }
    return text.empty() ? Result<std::string>::refused("no draw time given")
                        : nameByWord(game, date, *drawTimes, text);
}

Result<std::vector<HeldDraw>> missingDraws(const GameDefinition& game,
                                           const std::vector<HeldDraw>& heldDraws) {
    std::vector<HeldDraw> history;
    std::copy_if(heldDraws.begin(), heldDraws.end(), std::back_inserter(history),
                 [](const HeldDraw& draw) { return draw.date.exists(); });
    std::vector<HeldDraw> missing;
    if (history.empty()) {
        return missing;
    }
    const std::set<HeldDraw> held(history.begin(), history.end());
    const auto firstHeld = firstHeldDays(history);
    const auto [first, last] = std::minmax_element(history.begin(), history.end());
    const int firstDay = first->date.daysSinceEpoch();
    const int lastDay = last->date.daysSinceEpoch();
    for (int day = firstDay; day <= lastDay; ++day) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(day);
        const auto drawTimes = drawTimesOn(game, date);
        if (!drawTimes.ok()) {
            return Result<std::vector<HeldDraw>>::refused(drawTimes.refusal());
        }
        const auto [begin, end] =
            dayWindow(*drawTimes, held, date, day == firstDay, day == lastDay);
        for (std::size_t i = begin; i < end; ++i) {
            const DrawTime& drawTime = (*drawTimes)[i];
            HeldDraw draw{date, drawTime.name};
            if (countsOn(drawTime, date, day, game.checked, firstHeld) && !held.contains(draw)) {
                missing.push_back(std::move(draw));
            }
        }
    }
    return missing;
}

} // namespace pick3
