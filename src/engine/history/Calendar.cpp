// Calendar days as plain numbers: days since 1970-01-01 (engine/CivilDays.h).

#include "engine/CivilDays.h"
#include "engine/history/DrawImport.h"

#include <array>
#include <cstdio>

namespace pick3 {

std::optional<DayNumber> dayNumberOf(const CalendarDate& date) {
    if (!civil::exists(date.year, date.month, date.day)) {
        return std::nullopt;
    }
    return civil::daysFromCivil(date.year, date.month, date.day);
}

CalendarDate calendarDateOf(DayNumber day) {
    const civil::YearMonthDay date = civil::civilFromDays(day);
    return {date.year, date.month, date.day};
}

std::string isoDateText(DayNumber day) {
    const CalendarDate date = calendarDateOf(day);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text.data();
}

int weekdayOf(DayNumber day) {
    return civil::weekdayOfDays(day);
}

std::string weekdayText(DayNumber day) {
    static constexpr std::array<const char*, 7> kNames{"Mon", "Tue", "Wed", "Thu",
                                                       "Fri", "Sat", "Sun"};
    return kNames[static_cast<std::size_t>(weekdayOf(day))];
}

} // namespace pick3
