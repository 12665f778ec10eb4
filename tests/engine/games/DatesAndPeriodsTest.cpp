// Calendar days, clock times and periods: the arithmetic every dated rule stands on.

#include "engine/games/ClockTime.h"
#include "engine/games/Period.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace pick3 {
namespace {

TEST(CivilDate, ParsesOnlyDaysThatExist) {
    const std::vector<std::tuple<const char*, std::string_view, bool>> rows{
        {"an ordinary day", "2013-09-09", true},
        {"a leap day", "2024-02-29", true},
        {"a leap day of a century divisible by 400", "2000-02-29", true},
        {"no leap day in a common year", "2023-02-29", false},
        {"no leap day in a century year", "1900-02-29", false},
        {"no thirty-first of April", "2021-04-31", false},
        {"no month 13", "2021-13-01", false},
        {"no day zero", "2021-01-00", false},
        {"no year zero", "0000-01-01", false},
        {"single-digit month", "2021-1-01", false},
        {"slashes", "2021/01/01", false},
        {"trailing text", "2021-01-011", false},
    };
    for (const auto& [name, text, exists] : rows) {
        const auto date = parseCivilDate(text);
        EXPECT_EQ(date.has_value(), exists) << name;
        if (date) {
            EXPECT_EQ(date->text(), text) << name;
        }
    }
}

TEST(CivilDate, CountsDaysAndWeekdays) {
    // Days since 1970-01-01 and the weekday, Monday 0.
    const std::vector<std::tuple<CivilDate, int, std::string_view>> rows{
        {{1970, 1, 1}, 0, "Thursday"},      {{1969, 12, 31}, -1, "Wednesday"},
        {{2000, 3, 1}, 11017, "Wednesday"}, {{2013, 9, 8}, 15956, "Sunday"},
        {{2013, 9, 9}, 15957, "Monday"},    {{2024, 2, 29}, 19782, "Thursday"},
        {{1900, 3, 1}, -25508, "Thursday"}, {{9999, 12, 31}, 2932896, "Friday"},
    };
    for (const auto& [date, days, weekday] : rows) {
        EXPECT_EQ(date.daysSinceEpoch(), days) << date.text();
        EXPECT_EQ(CivilDate::fromDaysSinceEpoch(days), date) << days;
        EXPECT_EQ(weekdayName(date.weekday()), weekday) << date.text();
    }
    // Every day from 1800 to 2517 comes back as itself, one after the other.
    CivilDate previous{1799, 12, 31};
    for (int day = CivilDate{1800, 1, 1}.daysSinceEpoch(); day < 200000; day += 1) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(day);
        ASSERT_TRUE(date.exists() && previous < date && date.daysSinceEpoch() == day) << day;
        previous = date;
    }
}

TEST(ClockTime, ReadsBothClocks) {
    const std::vector<std::tuple<std::string_view, int>> rows{
        {"14:30", 870},    {"0:00", 0},      {"23:59", 1439},   {"9:05", 545},
        {"12:29 PM", 749}, {"12:29pm", 749}, {"7:29 PM", 1169}, {"7:29 p.m.", 1169},
        {"12:00 AM", 0},   {"12:59 am", 59}, {"1:00 AM", 60},   {"11:34 PM", 1414},
        {"25:00", -1},     {"24:00", -1},    {"12:60", -1},     {"13:00 PM", -1},
        {"0:30 AM", -1},   {"1230", -1},     {"1:3", -1},       {"", -1},
        {"ab:cd", -1},     {"123:00", -1},
    };
    for (const auto& [text, minutes] : rows) {
        const auto time = parseClockTime(text);
        EXPECT_EQ(time ? time->minutes : -1, minutes) << text;
    }
    EXPECT_FALSE(parse24HourTime("7:29 PM")) << "a definition writes the 24-hour clock";
    EXPECT_EQ(ClockTime{1169}.text(), "19:29");
}

PeriodBound bound(std::string_view text) {
    return text.empty() ? PeriodBound{} : *parsePeriodBound(text);
}

TEST(Period, SaysWhetherARuleHolds) {
    const CivilDate checked{2026, 12, 1};
    const std::vector<std::tuple<const char*, std::string_view, std::string_view, CivilDate, Known>>
        rows{
            {"open both ways", "", "", {1980, 1, 1}, Known::yes},
            {"its first day", "2013-09-09", "", {2013, 9, 9}, Known::yes},
            {"the day before", "2013-09-09", "", {2013, 9, 8}, Known::no},
            {"its last day", "", "2013-09-08", {2013, 9, 8}, Known::yes},
            {"the day after", "", "2013-09-08", {2013, 9, 9}, Known::no},
            {"inside its starting year", "2016", "", {2016, 7, 1}, Known::unknown},
            {"the year before", "2016", "", {2015, 12, 31}, Known::no},
            {"the year after", "2016", "", {2017, 1, 1}, Known::yes},
            {"unknown start, before the check", "unknown", "", {2020, 1, 1}, Known::unknown},
            {"unknown start, when checked", "unknown", "", {2026, 12, 1}, Known::yes},
            {"unknown end, before the check", "", "unknown", {2020, 1, 1}, Known::unknown},
            {"unknown end, when checked", "", "unknown", {2026, 12, 1}, Known::no},
            {"ended in a year, after it", "", "2019", {2020, 1, 1}, Known::no},
            {"not yet begun is no, though its end is unknown",
             "2030-01-01",
             "unknown",
             {2020, 1, 1},
             Known::no},
        };
    for (const auto& [name, from, until, day, held] : rows) {
        EXPECT_EQ(inForceOn(Period{bound(from), bound(until)}, day, checked), held) << name;
    }
}

TEST(Period, FindsPeriodsThatMayShareADay) {
    const CivilDate checked{2026, 12, 1};
    const std::vector<std::tuple<const char*, Period, Period, bool>> rows{
        {"one ends the day before the other",
         {{}, bound("2013-09-08")},
         {bound("2013-09-09"), {}},
         false},
        {"both hold one day", {{}, bound("2013-09-09")}, {bound("2013-09-09"), {}}, true},
        {"two open periods", {}, {}, true},
        {"an unknown start may be any day",
         {bound("unknown"), {}},
         {bound("2001-01-01"), {}},
         true},
        {"years apart", {bound("2016"), bound("2016")}, {bound("2017"), {}}, false},
        {"a year and a day in it", {bound("2016"), {}}, {{}, bound("2016-05-01")}, true},
        {"an unknown end was before the check",
         {{}, bound("unknown")},
         {bound("2027-01-01"), {}},
         false},
    };
    for (const auto& [name, a, b, overlap] : rows) {
        EXPECT_EQ(periodsMayOverlap(a, b, checked), overlap) << name;
        EXPECT_EQ(periodsMayOverlap(b, a, checked), overlap) << name << " (turned round)";
    }
    EXPECT_TRUE(periodEndsBeforeItBegins({bound("2020-01-02"), bound("2020-01-01")}, checked));
    EXPECT_FALSE(periodEndsBeforeItBegins({bound("2020-01-01"), bound("2020-01-01")}, checked));
    EXPECT_FALSE(parsePeriodBound("16"));
    EXPECT_FALSE(parsePeriodBound("2023-02-29"));
}

} // namespace
} // namespace pick3
