#pragma once
// The engine's one calendar arithmetic, for a history's dates and a game's periods
// alike: days since 1970-01-01 in the proleptic Gregorian calendar, after Howard
// Hinnant's civil-date algorithms. March is taken as the first month, so that the
// leap day falls at the end of a year.

#include <array>
#include <cstdint>

namespace pick3::civil {

struct YearMonthDay {
    int year = 1970;
    int month = 1;
    int day = 1;
};

constexpr bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Years 1 to 9999 only: far outside any draw history, and no sum below can overflow.
constexpr bool exists(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

// The days since 1970-01-01 of a date that exists.
constexpr int daysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr YearMonthDay civilFromDays(int days) {
    // 64 bits, so that no day number can overflow on the way.
    const std::int64_t z = std::int64_t{days} + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto dayOfEra = static_cast<int>(z - era * 146097);
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int mp = (5 * dayOfYear + 2) / 153;
    const int d = dayOfYear - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(yearOfEra + era * 400 + (m <= 2 ? 1 : 0)), m, d};
}

// 0 for a Monday ... 6 for a Sunday; 1970-01-01 was a Thursday.
constexpr int weekdayOfDays(int days) {
    return (days % 7 + 7 + 3) % 7;
}

static_assert(daysFromCivil(2000, 3, 1) == 11017 && civilFromDays(11016).day == 29);

} // namespace pick3::civil
