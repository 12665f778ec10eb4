// Days since 1970-01-01 after Howard Hinnant's civil-date algorithms: March is
// taken as the first month, so that the leap day falls at the end of a year.

#include "engine/games/CivilDate.h"

#include <array>
#include <cstdint>
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

std::optional<int> digitsValue(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool CivilDate::exists() const {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

int CivilDate::daysSinceEpoch() const {
    const int y = month <= 2 ? year - 1 : year;
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilDate::fromDaysSinceEpoch(int days) {
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

int CivilDate::weekday() const {
    // 1970-01-01 was a Thursday: 3 when Monday is 0.
    return ((daysSinceEpoch() % 7) + 7 + 3) % 7;
}

std::string CivilDate::text() const {
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", year, month, day);
    return buffer.data();
}

std::optional<CivilDate> parseCivilDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digitsValue(text.substr(0, 4));
    const auto month = digitsValue(text.substr(5, 2));
    const auto day = digitsValue(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    return date.exists() ? std::optional<CivilDate>(date) : std::nullopt;
}

std::string_view weekdayName(int weekday) {
    static constexpr std::array<std::string_view, 7> kNames{
        "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    return weekday >= 0 && weekday < 7 ? kNames[static_cast<std::size_t>(weekday)] : "";
}

} // namespace pick3
