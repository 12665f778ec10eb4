// Calendar days as plain numbers: days since 1970-01-01 in the proleptic
// Gregorian calendar, after Howard Hinnant's civil-date algorithms.

#include "engine/history/DrawImport.h"

#include <array>
#include <cstdio>

namespace pick3 {
namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

} // namespace

std::optional<DayNumber> dayNumberOf(const CalendarDate& date) {
    // Years far outside any draw history are refused, so that no sum can overflow.
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > daysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    const int y = date.month <= 2 ? date.year - 1 : date.year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDate calendarDateOf(DayNumber day) {
    // 64 bits, so that no day number can overflow on the way.
    const std::int64_t z = std::int64_t{day} + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto dayOfEra = static_cast<int>(z - era * 146097);
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int mp = (5 * dayOfYear + 2) / 153;
    const int d = dayOfYear - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(yearOfEra + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

std::string isoDateText(DayNumber day) {
    const CalendarDate date = calendarDateOf(day);
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text.data();
}

int weekdayOf(DayNumber day) {
    // 1970-01-01 was a Thursday (3 when Monday is 0).
    const int w = (day % 7 + 7 + 3) % 7;
    return w;
}

std::string weekdayText(DayNumber day) {
    static constexpr std::array<const char*, 7> kNames{"Mon", "Tue", "Wed", "Thu",
                                                       "Fri", "Sat", "Sun"};
    return kNames[static_cast<std::size_t>(weekdayOf(day))];
}

} // namespace pick3
