// Draw times by date, missing draws and naming a history's draw codes, against the
// shipped definitions: the schedule of the day decides, never today's schedule.

#include "engine/games/Schedule.h"

#include "ShippedGames.h"

#include <tuple>

namespace pick3 {
namespace {

using test::shippedGame;

CivilDate day(std::string_view text) {
    return *parseCivilDate(text);
}

std::string drawTimesText(const std::string& game, std::string_view date) {
    const auto drawTimes = drawTimesOn(shippedGame(game), day(date));
    if (!drawTimes.ok()) {
        return drawTimes.refusal();
    }
    std::string names;
    for (const auto& drawTime : *drawTimes) {
        names += (names.empty() ? "" : "|") + drawTime.name;
    }
    return names;
}

TEST(Schedule, DrawTimesAreThoseOfTheDay) {
    const std::vector<std::tuple<std::string, std::string_view, std::string>> rows{
        {"texas-pick-3", "2013-09-07", "Day|Night"},
        {"texas-pick-3", "2013-09-08", ""}, // a Sunday
        {"texas-pick-3", "2013-09-09", "Morning|Day|Evening|Night"},
        {"texas-pick-3", "2014-01-05", ""},
        {"texas-pick-3", "1995-03-04", "Day|Night"},
        {"new-york-numbers", "1985-06-01", "Midday|Evening"},
        {"florida-pick-3", "2010-08-22", "Midday|Evening"}, // clock times unknown, days known
        {"georgia-cash-3", "2024-05-01",
         "the draw days of Georgia Cash 3 are not known to this program: check with your lottery"},
    };
    for (const auto& [game, date, names] : rows) {
        EXPECT_EQ(drawTimesText(game, date), names) << game << " " << date;
    }
}

// "2014-01-04 Day" ... as the tables write a history.
std::vector<HeldDraw> history(const std::vector<std::string>& draws) {
    std::vector<HeldDraw> held;
    for (const auto& draw : draws) {
        held.push_back({day(draw.substr(0, 10)), draw.substr(11)});
    }
    return held;
}

std::string missingText(const std::string& game, const std::vector<std::string>& draws) {
    const auto missing = missingDraws(shippedGame(game), history(draws));
    if (!missing.ok()) {
        return missing.refusal();
    }
    std::string text;
    for (const auto& draw : *missing) {
        text += (text.empty() ? "" : ", ") + draw.date.text() + " " + draw.drawTime;
    }
    return text;
}

TEST(Schedule, MissingDrawsFollowTheScheduleOfEachDay) {
    const std::vector<std::tuple<const char*, std::string, std::vector<std::string>, std::string>>
        rows{
            {"an empty history lacks nothing", "texas-pick-3", {}, ""},
            {"Texas from Saturday to Monday lacks no Sunday",
             "texas-pick-3",
             {"2014-01-04 Morning", "2014-01-04 Day", "2014-01-04 Evening", "2014-01-04 Night",
              "2014-01-06 Morning", "2014-01-06 Day", "2014-01-06 Evening", "2014-01-06 Night"},
             ""},
            {"Texas before 2013-09-09 held only Day and Night",
             "texas-pick-3",
             {"2013-09-06 Day", "2013-09-09 Night"},
             "2013-09-06 Night, 2013-09-07 Day, 2013-09-07 Night, 2013-09-09 Morning, "
             "2013-09-09 Day, 2013-09-09 Evening"},
            {"a history out of order, one draw twice",
             "texas-pick-3",
             {"2013-09-07 Night", "2013-09-07 Day", "2013-09-06 Night", "2013-09-07 Night"},
             ""},
            {"nothing before the first held draw or after the last",
             "new-york-numbers",
             {"2020-01-01 Evening", "2020-01-02 Midday", "2020-01-02 Evening", "2020-01-03 Midday"},
             ""},
            {"New York lacking one Evening",
             "new-york-numbers",
             {"2020-02-28 Midday", "2020-02-28 Evening", "2020-02-29 Midday", "2020-03-01 Midday",
              "2020-03-01 Evening"},
             "2020-02-29 Evening"},
            {"New York's Midday counts from its first held draw",
             "new-york-numbers",
             {"1985-01-01 Evening", "1985-01-02 Evening", "1985-01-03 Midday", "1985-01-03 Evening",
              "1985-01-04 Evening"},
             "1985-01-04 Midday"},
            {"a draw time never held, of unknown start, is not reported",
             "new-york-numbers",
             {"1985-01-01 Evening", "1985-01-03 Evening"},
             "1985-01-02 Evening"},
            {"Georgia's draw days are not known",
             "georgia-cash-3",
             {"2024-05-01 Midday", "2024-05-03 Midday"},
             "the draw days of Georgia Cash 3 are not known to this program: check with your "
             "lottery"},
        };
    for (const auto& [name, game, draws, missing] : rows) {
        EXPECT_EQ(missingText(game, draws), missing) << name;
    }
}

// Morning and Midday both start with M; the clock times are left unknown on purpose.
const GameDefinition& twoMorningsGame() {
    static const GameDefinition game = *readGameDefinition(R"({
      "format": "pick3-tallymoor game", "version": 1, "id": "mornings", "state": "Test",
      "name": "Pick 3", "checked": "2026-12", "sources": ["a page"], "claimPeriod": "unknown",
      "schedules": [{"timeZone": "unknown", "source": "a page", "drawTimes": [
        {"name": "Morning", "time": "unknown", "days": "every day", "salesCutoff": "unknown"},
        {"name": "Midday", "time": "unknown", "days": "every day", "salesCutoff": "unknown"}]}],
      "playTypes": [], "addOns": []})",
                                                           "mornings.json");
    return game;
}

TEST(Schedule, NamesAClockTimeADigitOrALetterCode) {
    const std::vector<std::tuple<std::string, std::string_view, std::string_view, std::string>>
        rows{
            {"georgia-cash-3", "2024-05-01", "12:29", "Midday"},
            {"georgia-cash-3", "2024-05-01", "12:29 PM", "Midday"},
            {"georgia-cash-3", "2024-05-01", " 6:59 pm ", "Evening"},
            {"georgia-cash-3", "2024-05-01", "13:00",
             "not a draw time of Georgia Cash 3 on 2024-05-01: 13:00"},
            {"georgia-cash-3", "2024-05-01", "12:29 AM",
             "not a draw time of Georgia Cash 3 on 2024-05-01: 00:29"},
            {"georgia-cash-3", "2024-05-01", "2", "Evening"},
            {"georgia-cash-3", "2024-05-01", "4",
             "Georgia Cash 3 holds 3 draws on Wednesday 2024-05-01, so there is no draw 4"},
            {"georgia-cash-3", "2024-05-01", "0",
             "Georgia Cash 3 holds 3 draws on Wednesday 2024-05-01, so there is no draw 0"},
            {"georgia-cash-3", "2024-05-01", "N", "Night"},
            {"georgia-cash-3", "2024-05-01", "e", "Evening"},
            {"texas-pick-3", "2014-01-06", "10:00", "Morning"},
            {"texas-pick-3", "2013-09-06", "10:00",
             "not a draw time of Texas Pick 3 on 2013-09-06: 10:00"},
            {"texas-pick-3", "2014-01-06", "M", "Morning"},
            {"texas-pick-3", "2013-09-06", "M",
             "\"M\" names no draw time of Texas Pick 3 on Friday 2013-09-06"},
            {"texas-pick-3", "2013-09-06", "2", "Night"},
            {"texas-pick-3", "2014-01-06", "2", "Day"},
            {"texas-pick-3", "2014-01-05", "Day",
             "Texas Pick 3 holds no draw on Sunday 2014-01-05"},
            {"texas-pick-3", "2014-01-06", "", "no draw time given"},
            {"new-york-numbers", "2020-01-01", "Mid", "Midday"},
            {"new-york-numbers", "2020-01-01", "Evenings",
             "\"Evenings\" names no draw time of New York Numbers on Wednesday 2020-01-01"},
            {"florida-pick-3", "2020-01-01", "13:30",
             "the clock times of the draws of Florida Pick 3 are not known to this program: check "
             "with your lottery"},
            {"florida-pick-3", "2020-01-01", "E", "Evening"},
        };
    for (const auto& [game, date, code, named] : rows) {
        const auto name = drawTimeNamed(shippedGame(game), day(date), code);
        EXPECT_EQ(name.ok() ? *name : name.refusal(), named) << game << " " << date << " " << code;
    }
    const auto ambiguous = drawTimeNamed(twoMorningsGame(), day("2020-01-01"), "m");
    EXPECT_EQ(ambiguous.refusal(),
              "\"m\" could name several draw times of Test Pick 3: Morning, Midday");
    EXPECT_EQ(*drawTimeNamed(twoMorningsGame(), day("2020-01-01"), "mid"), "Midday");
}

} // namespace
} // namespace pick3
