// Reading the "schedules" of a definition: periods of draw times, each draw time
// with its clock time, the days it is held and its sales cut-off.

#include "engine/games/DefinitionReader.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace pick3::gamefile {
namespace {

constexpr std::array<std::string_view, 7> kDayNames{"Mon", "Tue", "Wed", "Thu",
                                                    "Fri", "Sat", "Sun"};

std::optional<ClockTime> clockOrUnknown(const Json& object, const std::string& path,
                                        std::string_view key) {
    const Json& value = member(object, path, key);
    if (isUnknown(value)) {
        return std::nullopt;
    }
    const auto time =
        value.is_string() ? parse24HourTime(value.get_ref<const std::string&>()) : std::nullopt;
    if (!time) {
        refuse(fieldPath(path, key),
               "is not a clock time (\"14:30\") nor \"unknown\"" +
                   (value.is_string() ? ": " + value.get<std::string>() : std::string()));
    }
    return time;
}

std::optional<std::array<bool, 7>> readDays(const Json& object, const std::string& path) {
    const Json& value = member(object, path, "days");
    const std::string where = fieldPath(path, "days");
    if (isUnknown(value)) {
        return std::nullopt;
    }
    std::array<bool, 7> days{};
    if (value.is_string() && value.get_ref<const std::string&>() == "every day") {
        days.fill(true);
        return days;
    }
    if (!value.is_array() || value.empty()) {
        refuse(where, "is neither a list of days (\"Mon\" ... \"Sun\"), \"every day\" nor "
                      "\"unknown\"");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto name = value[i].is_string() ? value[i].get<std::string>() : std::string();
        const auto found = std::find(kDayNames.begin(), kDayNames.end(), name);
        if (found == kDayNames.end() || days[static_cast<std::size_t>(found - kDayNames.begin())]) {
            refuse(itemPath(where, i), "is not a day of the week, or names one twice");
        }
        days[static_cast<std::size_t>(found - kDayNames.begin())] = true;
    }
    return days;
}

DrawTime readDrawTime(const Json& object, const std::string& path) {
    checkFields(object, path, {"name", "time", "days", "salesCutoff", "from", "note"});
    DrawTime drawTime;
    drawTime.name = textMember(object, path, "name");
    drawTime.time = clockOrUnknown(object, path, "time");
    drawTime.days = readDays(object, path);
    drawTime.salesCutoff = clockOrUnknown(object, path, "salesCutoff");
    drawTime.from = boundMember(object, path, "from");
    drawTime.note = optionalText(object, path, "note");
    return drawTime;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<DrawTime> readDrawTimes(const Json& object, const std::string& path) {
    const Json& list = arrayMember(object, path, "drawTimes");
    const std::string where = fieldPath(path, "drawTimes");
    if (list.empty()) {
        refuse(where, "holds no draw time");
    }
    std::vector<DrawTime> drawTimes;
    for (std::size_t i = 0; i < list.size(); ++i) {
        DrawTime drawTime = readDrawTime(list[i], itemPath(where, i));
        // Names are matched without regard to case, so "Day" and "day" are one name.
        if (std::any_of(drawTimes.begin(), drawTimes.end(), [&](const DrawTime& other) {
                return lowered(other.name) == lowered(drawTime.name);
            })) {
            refuse(fieldPath(itemPath(where, i), "name"),
                   "names " + quotedText(drawTime.name) + " a second time");
        }
        drawTimes.push_back(std::move(drawTime));
    }
    return drawTimes;
}

SchedulePeriod readSchedule(const Json& object, const std::string& path,
                            const ReadContext& context) {
    checkFields(object, path, {"from", "until", "timeZone", "drawTimes", "source", "note"});
    SchedulePeriod schedule;
    schedule.period = readPeriod(object, path, context);
    schedule.timeZone = textMember(object, path, "timeZone");
    schedule.drawTimes = readDrawTimes(object, path);
    schedule.sources = readSources(object, path, context);
    schedule.note = optionalText(object, path, "note");
    return schedule;
}

} // namespace

std::vector<SchedulePeriod> readSchedules(const Json& root, const ReadContext& context) {
    const Json& list = arrayMember(root, "", "schedules");
    if (list.empty()) {
        refuse("schedules", "holds no schedule");
    }
    std::vector<SchedulePeriod> schedules;
    for (std::size_t i = 0; i < list.size(); ++i) {
        schedules.push_back(readSchedule(list[i], itemPath("schedules", i), context));
    }
    checkNoOverlap(schedules, "schedules", context.checked,
                   [](const auto&, const auto&) { return true; });
    return schedules;
}

} // namespace pick3::gamefile
