#pragma once
// A calendar day as a plain value (proleptic Gregorian), with the little
// arithmetic the game rules need: days since 1970-01-01, the weekday, and the
// "YYYY-MM-DD" text the definitions are written in. No time of day, no zone.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace pick3 {

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;

    auto operator<=>(const CivilDate&) const = default;

    // Whether the day exists: 2024-02-29 does, 2023-02-29 does not. Years 1 to 9999 only,
    // so that no sum can overflow.
    bool exists() const;
    // Days since 1970-01-01 (negative before it); only for a day that exists.
    int daysSinceEpoch() const;
    static CivilDate fromDaysSinceEpoch(int days);
    // 0 for Monday up to 6 for Sunday.
    int weekday() const;
    // "2013-09-09".
    std::string text() const;
};

// "2013-09-09" exactly (four, two and two digits); nothing for any other text or for a
// day that does not exist.
std::optional<CivilDate> parseCivilDate(std::string_view text);

// "Monday" ... "Sunday" for 0 ... 6.
std::string_view weekdayName(int weekday);

} // namespace pick3
