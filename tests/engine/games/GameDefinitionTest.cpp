// Reading game definitions: every shipped file reads and holds only sourced or
// "unknown" values, and each kind of damaged file is refused with a message that
// names the file, the field and why.

#include "ShippedGames.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <set>
#include <tuple>

namespace pick3 {
namespace {

using nlohmann::json;

// A small definition that reads; each refusal row damages one thing in it.
const json& smallGame() {
    static const json game = json::parse(R"({
      "format": "pick3-tallymoor game", "version": 1, "id": "test-game",
      "state": "Test", "name": "Pick 3", "checked": "2026-12",
      "sources": ["a page", "another page"], "claimPeriod": "unknown",
      "schedules": [{"timeZone": "America/New_York", "source": "a page", "drawTimes": [
        {"name": "Midday", "time": "12:29", "days": "every day", "salesCutoff": "unknown"},
        {"name": "Evening", "time": "19:29", "days": ["Mon", "Sat"], "salesCutoff": "19:15"}]}],
      "playTypes": [
        {"key": "straight", "name": "Straight", "prizes": {"100": {"straight": 50000}},
         "source": "a page"},
        {"key": "box", "name": "Box", "tripleBoxSold": false,
         "prizes": {"50": "unknown", "100": {"six_way": 8000, "three_way": "unknown"}},
         "source": ["a page", "another page"]}],
      "addOns": [{"key": "fireball", "name": "Fireball", "from": "2017-03-10",
        "cost": "+$1", "prizes": "unknown", "winsMoreThanOnce": true, "source": "a page"}]
    })");
    return game;
}

std::string readWith(const std::function<void(json&)>& damage) {
    json game = smallGame();
    damage(game);
    const auto read = readGameDefinition(game.dump(), "test-game.json");
    return read.ok() ? "read" : read.refusal();
}

TEST(GameDefinition, EveryShippedFileReads) {
    const GameFolder folder = loadGameFolder(test::shippedGameFiles());
    for (const auto& refusal : folder.refusals) {
        ADD_FAILURE() << refusal;
    }
    std::set<std::string> titles;
    for (const auto& game : folder.games) {
        titles.insert(game.title());
    }
    const std::set<std::string> expected{
        "Colorado Pick 3",       "Florida Pick 3",   "Georgia Cash 3", "Missouri Pick 3",
        "New Jersey Pick 3",     "New York Numbers", "Other Pick 3",   "Pennsylvania Pick 3",
        "South Carolina Pick 3", "Texas Pick 3",     "Virginia Pick 3"};
    EXPECT_EQ(titles, expected);
}

// A note that speaks of a conflict names at least two of the game's sources.
bool namesTwoSources(const std::string& note, const GameDefinition& game) {
    const auto named =
        std::count_if(game.sources.begin(), game.sources.end(), [&](const std::string& source) {
            return note.find(source) != std::string::npos;
        });
    return note.find("conflict") == std::string::npos || named >= 2;
}

TEST(GameDefinition, EveryShippedValueHasASourceOrIsUnknown) {
    // The reader refuses a rule whose "source" is missing or not among the game's
    // "sources", and a prize that is neither a number of cents nor "unknown"; what is
    // left to check is that every file was checked, tells the player so, and that each
    // conflict of sources names both.
    for (const auto& game : loadGameFolder(test::shippedGameFiles()).games) {
        EXPECT_EQ(game.checked, (CivilDate{2026, 12, 1})) << game.id;
        EXPECT_TRUE(std::any_of(game.notes.begin(), game.notes.end(), [](const auto& note) {
            return note.starts_with("check with your lottery");
        })) << game.id;
        for (const auto& schedule : game.schedules) {
            EXPECT_TRUE(namesTwoSources(schedule.note, game)) << game.id << ": " << schedule.note;
        }
        for (const auto& play : game.playTypes) {
            EXPECT_TRUE(namesTwoSources(play.note, game)) << game.id << ": " << play.note;
        }
        for (const auto& addOn : game.addOns) {
            EXPECT_TRUE(namesTwoSources(addOn.note, game)) << game.id << ": " << addOn.note;
        }
    }
}

// One row per damage done to smallGame(): its name, the damage and the refusal.
const std::vector<std::tuple<const char*, std::function<void(json&)>, std::string>> kDamages{
    {"undamaged", [](json&) {}, "read"},
    {"a field missing", [](json& g) { g.erase("state"); }, R"(test-game.json: "state" is missing)"},
    {"a draw time's days missing", [](json& g) { g["schedules"][0]["drawTimes"][1].erase("days"); },
     R"(test-game.json: "schedules[0].drawTimes[1].days" is missing)"},
    {"a prize below zero", [](json& g) { g["playTypes"][0]["prizes"]["100"]["straight"] = -500; },
     R"(test-game.json: "playTypes[0].prizes.100.straight" is below zero)"},
    {"a prize as text", [](json& g) { g["playTypes"][0]["prizes"]["100"]["straight"] = "500"; },
     R"(test-game.json: "playTypes[0].prizes.100.straight" is neither a whole number of cents nor "unknown")"},
    {"a prize in fractions of a cent",
     [](json& g) { g["playTypes"][0]["prizes"]["100"]["straight"] = 12.5; },
     R"(test-game.json: "playTypes[0].prizes.100.straight" is neither a whole number of cents nor "unknown")"},
    {"an outcome missing", [](json& g) { g["playTypes"][1]["prizes"]["100"].erase("three_way"); },
     R"(test-game.json: "playTypes[1].prizes.100.three_way" is missing)"},
    {"a triple prize where no triple box is sold",
     [](json& g) { g["playTypes"][1]["prizes"]["100"]["triple"] = 100; },
     R"(test-game.json: "playTypes[1].prizes.100.triple" is not an outcome of this play)"},
    {"a stake that is not whole cents",
     [](json& g) { g["playTypes"][0]["prizes"]["0.5"] = "unknown"; },
     R"(test-game.json: "playTypes[0].prizes.0.5" is not a stake in whole cents ("50" for $0.50))"},
    {"an unknown play type", [](json& g) { g["playTypes"][0]["key"] = "straigth"; },
     R"(test-game.json: "playTypes[0].key" is not a play type this program knows: "straigth")"},
    {"a box-only field on a straight", [](json& g) { g["playTypes"][0]["tripleBoxSold"] = true; },
     R"(test-game.json: "playTypes[0].tripleBoxSold" does not belong to this play type)"},
    {"a misspelt field", [](json& g) { g["playTypes"][0]["prize"] = 1; },
     R"(test-game.json: "playTypes[0].prize" is not a field this program knows here)"},
    {"a draw time named twice",
     [](json& g) { g["schedules"][0]["drawTimes"][1]["name"] = "midday"; },
     R"(test-game.json: "schedules[0].drawTimes[1].name" names "midday" a second time)"},
    {"a clock time past midnight",
     [](json& g) { g["schedules"][0]["drawTimes"][0]["time"] = "25:00"; },
     R"(test-game.json: "schedules[0].drawTimes[0].time" is not a clock time ("14:30") nor "unknown": 25:00)"},
    {"a day named twice",
     [](json& g) {
         g["schedules"][0]["drawTimes"][1]["days"] = {"Mon", "Mon"};
     },
     R"(test-game.json: "schedules[0].drawTimes[1].days[1]" is not a day of the week, or names one twice)"},
    {"a day that does not exist", [](json& g) { g["schedules"][0]["from"] = "2023-02-29"; },
     R"(test-game.json: "schedules[0].from" is not a day of the calendar ("2013-09-09", "2016" or "unknown"): "2023-02-29")"},
    {"a period that ends before it begins", [](json& g) { g["addOns"][0]["until"] = "2017-03-09"; },
     R"(test-game.json: "addOns[0].until" comes before "from")"},
    {"overlapping schedules",
     [](json& g) {
         g["schedules"].push_back(g["schedules"][0]);
         g["schedules"][1]["from"] = "2020-01-01";
     },
     R"(test-game.json: "schedules[1]" overlaps "schedules[0]": two rules on one day)"},
    {"overlapping periods of one play",
     [](json& g) {
         g["playTypes"].push_back(g["playTypes"][0]);
         g["playTypes"][2]["from"] = "2016";
         g["playTypes"][0]["until"] = "2016-06-30";
     },
     R"(test-game.json: "playTypes[2]" overlaps "playTypes[0]": two rules on one day)"},
    {"one play in periods one after the other",
     [](json& g) {
         g["playTypes"].push_back(g["playTypes"][0]);
         g["playTypes"][2]["from"] = "2016-07-01";
         g["playTypes"][0]["until"] = "2016-06-30";
     },
     "read"},
    {"a source not among the sources", [](json& g) { g["addOns"][0]["source"] = "a blog"; },
     R"(test-game.json: "addOns[0].source" names "a blog", which is not among "sources")"},
    {"no source", [](json& g) { g["schedules"][0].erase("source"); },
     R"(test-game.json: "schedules[0].source" is missing)"},
    {"an add-on cost rule it does not know", [](json& g) { g["addOns"][0]["cost"] = "+1"; },
     R"(test-game.json: "addOns[0].cost" is neither "doubles the cost", "+$1" (an amount) nor "unknown")"},
    {"a format version from the future", [](json& g) { g["version"] = 2; },
     R"(test-game.json: "version" is 2: the file was made by a newer version of this program, which reads version 1)"},
    {"a version as text", [](json& g) { g["version"] = "1"; },
     R"(test-game.json: "version" is not a format version (a whole number from 1))"},
    {"another program's file", [](json& g) { g["format"] = "lottery"; },
     R"(test-game.json: "format" is missing or wrong: this is not a pick3-tallymoor game definition)"},
    {"an id that is not the file's name", [](json& g) { g["id"] = "texas-pick-3"; },
     R"(test-game.json: "id" is "texas-pick-3" but the file is named "test-game.json": rename one of them)"},
    {"a list where an object belongs", [](json& g) { g["schedules"][0] = json::array(); },
     R"(test-game.json: "schedules[0]" is not an object)"},
    {"an add-on written in histories some other way",
     [](json& g) { g["addOns"][0]["inHistories"] = "fifth digit"; },
     R"(test-game.json: "addOns[0].inHistories" is neither left out nor "fourth digit")"},
    {"an unknown time zone name is kept as written",
     [](json& g) { g["schedules"][0]["timeZone"] = "Mars/Olympus_Mons"; }, "read"},
};

TEST(GameDefinition, OnlyPennsylvaniaSaysHowLongAPrizeMayBeClaimed) {
    for (const auto& game : loadGameFolder(test::shippedGameFiles()).games) {
        const auto& claim = game.claimPeriod;
        EXPECT_EQ(claim ? std::to_string(claim->amount) +
                              (claim->unit == ClaimPeriod::Unit::years ? " year" : " other")
                        : "unknown",
                  game.id == "pennsylvania-pick-3" ? "1 year" : "unknown")
            << game.id;
    }
}

TEST(GameDefinition, RefusesADamagedFileNamingFileFieldAndWhy) {
    for (const auto& [name, damage, refusal] : kDamages) {
        EXPECT_EQ(readWith(damage), refusal) << name;
    }
}

TEST(GameDefinition, RefusesWhatIsNotADefinitionAtAll) {
    const std::vector<std::tuple<std::string, std::string>> rows{
        {"{\"format\": ", "ny.json: is not JSON text, so not a game definition"},
        {"", "ny.json: is not JSON text, so not a game definition"},
        {"[1, 2, 3]",
         R"(ny.json: "format" is missing or wrong: this is not a pick3-tallymoor game definition)"},
        {std::string(2 << 20, ' '), "ny.json: is far larger than a game definition"},
    };
    for (const auto& [text, refusal] : rows) {
        const auto read = readGameDefinition(text, "ny.json");
        EXPECT_EQ(read.ok() ? "read" : read.refusal(), refusal) << text.substr(0, 20);
    }
}

TEST(GameDefinition, KeepsTheValuesItReads) {
    json text = smallGame();
    const auto game = readGameDefinition(text.dump(), "games/test-game.json");
    ASSERT_TRUE(game.ok()) << game.refusal();
    const auto& evening = game->schedules[0].drawTimes[1];
    EXPECT_EQ(evening.time->text() + " " + evening.salesCutoff->text(), "19:29 19:15");
    EXPECT_EQ(*evening.days, (std::array<bool, 7>{true, false, false, false, false, true, false}));
    EXPECT_FALSE(game->schedules[0].drawTimes[0].salesCutoff.has_value());
    const auto& box = game->playTypes[1];
    EXPECT_EQ(box.tripleBoxSold, Known::no);
    ASSERT_EQ(box.prizes->size(), 2U);
    EXPECT_EQ((*box.prizes)[0].stakeCents, 50);
    EXPECT_FALSE((*box.prizes)[0].outcomes.has_value());
    EXPECT_EQ((*box.prizes)[1].outcomes->at("six_way"), 8000);
    EXPECT_FALSE((*box.prizes)[1].outcomes->at("three_way").has_value());
    EXPECT_EQ(game->addOns[0].cost.rule, AddOnCost::Rule::plus);
    EXPECT_EQ(game->addOns[0].cost.plusCents, 100);
    EXPECT_EQ(game->addOns[0].winsMoreThanOnce, Known::yes);
    EXPECT_EQ(game->addOns[0].period.from.date, (CivilDate{2017, 3, 10}));
}

TEST(GameDefinition, AFolderLoadsAroundTheFilesItRefuses) {
    json renamed = smallGame();
    renamed["id"] = "copy";
    const GameFolder folder = loadGameFolder({{"broken.json", "{"},
                                              {"test-game.json", smallGame().dump()},
                                              {"newer.json", R"({"format": "pick3-tallymoor game",
                                                                 "version": 7})"},
                                              {"copy.json", renamed.dump()}});
    ASSERT_EQ(folder.games.size(), 2U);
    EXPECT_EQ(folder.games[0].id + " " + folder.games[1].id, "test-game copy");
    ASSERT_EQ(folder.refusals.size(), 2U);
    EXPECT_TRUE(folder.refusals[0].starts_with("broken.json: is not JSON"));
    EXPECT_TRUE(folder.refusals[1].starts_with("newer.json: \"version\" is 7: the file was made "
                                               "by a newer version"));
}

// smallGame() with one update source of two files, one per draw time, no heading.
std::string readSourceWith(const std::function<void(json&)>& damage) {
    return readWith([&](json& g) {
        g["updateSources"] = json::parse(R"([{
          "name": "a state's files", "layout": "csv", "header": false, "checked": false,
          "files": [{"address": "https://example.test/midday.csv", "drawTime": "Midday"},
                    {"address": "http://example.test/evening.csv", "drawTime": "Evening"}],
          "columns": {"game": 1, "gameName": "Pick 3", "date": 2, "dateOrder": "year-month-day"},
          "draws": [{"digits": [3, 4, 5], "addOn": 6}]}])");
        damage(g["updateSources"][0]);
    });
}

TEST(GameDefinition, ShippedUpdateSourcesAreUncheckedAndSayHowTheyAreLaidOut) {
    const auto& york = test::shippedGame("new-york-numbers");
    ASSERT_EQ(york.updateSources.size(), 1U);
    const auto& rows = york.updateSources[0];
    ASSERT_EQ(rows.files.size(), 1U);
    EXPECT_EQ(rows.files[0].address, "https://data.ny.gov/api/views/hsys-3def/rows.csv");
    EXPECT_TRUE(rows.header && rows.leadingZerosLost && !rows.checked);
    EXPECT_EQ(rows.date.name, "Draw Date");
    ASSERT_EQ(rows.draws.size(), 2U);
    EXPECT_EQ(rows.draws[1].drawTime + ": " + rows.draws[1].number.name,
              "Evening: Evening Daily #");
    const auto& texas = test::shippedGame("texas-pick-3");
    ASSERT_EQ(texas.updateSources.size(), 1U);
    const auto& files = texas.updateSources[0];
    EXPECT_TRUE(!files.header && !files.leadingZerosLost && !files.checked);
    std::string times;
    for (const auto& file : files.files) {
        times += file.drawTime + (file.address.ends_with(".csv") ? " " : "? ");
    }
    EXPECT_EQ(times, "Morning Day Evening Night ");
    EXPECT_EQ(files.draws.at(0).digits[2].position, 7);
    EXPECT_EQ(files.draws.at(0).addOn.position, 8);
    for (const auto& game : loadGameFolder(test::shippedGameFiles()).games) {
        EXPECT_TRUE(game.updateSources.empty() || game.id == "texas-pick-3" ||
                    game.id == "new-york-numbers")
            << game.id;
    }
}

TEST(GameDefinition, RefusesAnUpdateSourceThatCouldNotBeRead){
    const std::string at = "test-game.json: \"updateSources[0]";
    const std::vector<std::tuple<const char*, std::function<void(json&)>, std::string>> rows{
        {"undamaged", [](json&) {}, "read"},
        {"not checked said nowhere", [](json& s) { s.erase("checked"); },
         at + R"(.checked" is missing)"},
    {"another layout", [](json& s) { s["layout"] = "html"; },
     at + R"(.layout" is not a layout this program reads ("csv"))"},
    {"an address that is no web address",
     [](json& s) { s["files"][0]["address"] = "file:///etc/passwd"; },
     at + R"(.files[0].address" is not a web address ("https://..."): "file:///etc/passwd")"},
    {"a heading's name without a heading", [](json& s) { s["columns"]["date"] = "Draw Date"; },
     at + R"(.columns.date" names a column by its heading, but the file has no heading line)"},
    {"a column at place 0", [](json& s) { s["draws"][0]["digits"][1] = 0; },
     at + R"(.draws[0].digits[1]" is neither a column's heading nor its place (1 for the first))"},
    {"a date in two ways", [](json& s) { s["columns"]["year"] = 7; },
     at + R"(.columns" gives neither a "date" column nor "year", "month" and "day")"},
    {"no date", [](json& s) { s["columns"].erase("date"); },
     at + R"(.columns" gives neither a "date" column nor "year", "month" and "day")"},
    {"a game's column without its name", [](json& s) { s["columns"].erase("gameName"); },
     at + R"(.columns" gives "game" without "gameName", or the other way round)"},
    {"a number and digits", [](json& s) { s["draws"][0]["number"] = 3; },
     at + R"(.draws[0]" gives neither "number" nor "digits", or both)"},
    {"a draw time the game does not hold", [](json& s) { s["files"][1]["drawTime"] = "Night"; },
     at + R"(.files[1].drawTime" names "Night", which is not a draw time of the game)"},
    {"a draw time twice", [](json& s) { s["files"][1]["drawTime"] = "Midday"; },
     at + R"(.files[1].drawTime" names "Midday" a second time)"},
    {"a file without its draw time", [](json& s) { s["files"][1].erase("drawTime"); },
     at +
         R"(.files[1].drawTime" must be given for every file and for no row's columns, which then hold one draw)"},
    {"draw times by columns too",
     [](json& s) {
         s["draws"].push_back(s["draws"][0]);
         s["draws"][1]["drawTime"] = "Evening";
     },
     at +
         R"(.files[0].drawTime" must be given for every file and for no row's columns, which then hold one draw)"},
    {"draw times on a row",
     [](json& s) {
         s["files"] = json::parse(R"([{"address": "https://example.test/all.csv"}])");
         s["draws"] = json::parse(R"([{"drawTime": "Midday", "number": 3},
                                          {"drawTime": "Evening", "number": 4}])");
     },
     "read"},
    {"a draw time missing on a row",
     [](json& s) {
         s["files"] = json::parse(R"([{"address": "https://example.test/all.csv"}])");
         s["draws"] = json::parse(R"([{"drawTime": "Midday", "number": 3}, {"number": 4}])");
     },
     at + R"(.draws[1].drawTime" must be given for every draw of a row, as no file names one)"},
    {"no files", [](json& s) { s["files"] = json::array(); }, at + R"(.files" is empty)"},
    {"lost zeros said in words", [](json& s) { s["leadingZerosLost"] = "yes"; },
     at + R"(.leadingZerosLost" is neither true nor false)"},
    {"a misspelt field", [](json& s) { s["header "] = true; },
     at + R"(.header " is not a field this program knows here)"},
};
for (const auto& [name, damage, refusal] : rows) {
    EXPECT_EQ(readSourceWith(damage), refusal) << name;
}
EXPECT_EQ(
    readWith([](json& g) {
        g["addOns"] = json::array();
        g["updateSources"] = json::parse(R"([{"name": "n", "layout": "csv",
                    "checked": true, "files": [{"address": "https://x.test/a.csv"}],
                    "columns": {"date": "Date"},
                    "draws": [{"drawTime": "Midday", "number": "N", "addOn": "F"}]}])");
    }),
    R"(test-game.json: "updateSources[0].draws[0].addOn" names an add-on's column, but the game has no add-on)");
}

} // namespace
} // namespace pick3
