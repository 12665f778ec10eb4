// A game's dates as values; their arithmetic is the engine's one (engine/CivilDays.h).

#include "engine/games/CivilDate.h"

#include "engine/CivilDays.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace pick3 {
namespace {

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
    return civil::exists(year, month, day);
}

int CivilDate::daysSinceEpoch() const {
    return civil::daysFromCivil(year, month, day);
}

CivilDate CivilDate::fromDaysSinceEpoch(int days) {
    const civil::YearMonthDay date = civil::civilFromDays(days);
    return {date.year, date.month, date.day};
}

int CivilDate::weekday() const {
    return civil::weekdayOfDays(daysSinceEpoch());
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
