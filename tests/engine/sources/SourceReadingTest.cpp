// Reading fetched sources: made-up pages in New York's open-data layout (a row per date,
// a column per draw time, leading zeros lost) and in Texas's four files (one per draw
// time, no heading, split dates and digits, a Fireball column), read by the shipped
// definitions; and each kind of file that must refuse the whole source.

#include "engine/sources/SourceReading.h"
#include "games/ShippedGames.h"

#include <gtest/gtest.h>

namespace pick3 {
namespace {

std::string page(const std::string& name) {
    return test::fileText(std::filesystem::path(PICK3_SOURCE_PAGES_DIR) / name);
}

const UpdateSource& onlySource(const GameDefinition& game) {
    EXPECT_EQ(game.updateSources.size(), 1U) << game.id;
    return game.updateSources.at(0);
}

// "2026-12-05 Evening 056 +4" for each draw, in the order read.
std::vector<std::string> drawTexts(const ImportResult& result) {
    std::vector<std::string> texts;
    for (const auto& draw : result.draws) {
        std::string number = std::to_string(draw.number);
        number.insert(0, 3 - number.size(), '0');
        texts.push_back(isoDateText(draw.day) + " " + result.drawTimes.at(draw.time) + " " +
                        number + (draw.addOn >= 0 ? " +" + std::to_string(draw.addOn) : ""));
    }
    return texts;
}

Result<SourceReading> readTexas(const std::vector<std::string>& files,
                                std::optional<CivilDate> today = std::nullopt) {
    std::vector<std::string> texts;
    for (const auto& file : files) {
        texts.push_back(page(file));
    }
    const auto& game = test::shippedGame("texas-pick-3");
    return readSourceTexts(game, onlySource(game), {texts.begin(), texts.end()}, today);
}

const std::vector<std::string> kTexasFiles{"pick3morning.csv", "pick3day.csv", "pick3evening.csv",
                                           "pick3night.csv"};

TEST(SourceReading, NewYorkRowsReadByColumnWithLostZerosRestoredAndCounted) {
    const auto& game = test::shippedGame("new-york-numbers");
    const std::string text = page("ny-rows.csv");
    const auto read = readSourceTexts(game, onlySource(game), {text});
    ASSERT_TRUE(read.ok()) << read.refusal();
    EXPECT_EQ(read->result.drawTimes, (std::vector<std::string>{"Midday", "Evening"}));
    // The sums and the Win 4 numbers are never taken for a draw; "56", "7" and "48" lost
    // their zeros, "009" did not.
    EXPECT_EQ(drawTexts(read->result),
              (std::vector<std::string>{
                  "2026-12-05 Evening 056", "2026-12-05 Midday 418", "2026-12-04 Evening 903",
                  "2026-12-04 Midday 007", "2026-12-03 Evening 681", "2026-12-03 Midday 250",
                  "2026-12-02 Evening 334", "2026-12-02 Midday 009", "2026-12-01 Evening 120",
                  "2026-12-01 Midday 777", "2026-11-29 Evening 048", "2026-11-29 Midday 562"}));
    EXPECT_EQ(read->zerosRestored, 3U);
    ASSERT_EQ(read->result.unreadCount, 1U);
    EXPECT_EQ(read->result.unread[0].line, 7);
    EXPECT_EQ(read->result.unread[0].reason, "rows.csv: no draw");
}

TEST(SourceReading, ShortNumbersAreNotPaddedWhereTheLayoutKeepsItsZeros) {
    const auto& game = test::shippedGame("new-york-numbers");
    UpdateSource source = onlySource(game);
    source.leadingZerosLost = false;
    const std::string text = page("ny-rows.csv");
    const auto read = readSourceTexts(game, source, {text});
    ASSERT_TRUE(read.ok()) << read.refusal();
    EXPECT_EQ(read->zerosRestored, 0U);
    EXPECT_EQ(read->result.draws.size(), 6U); // a row with a short number is not read at all
    EXPECT_EQ(read->result.unreadCount, 4U);
    EXPECT_EQ(read->result.unread[0].reason,
              "rows.csv: \"56\" has fewer than three digits, and this source writes all three");
}

TEST(SourceReading, TexasFourFilesMakeOneReadingWithFireballsApart) {
    const auto read = readTexas(kTexasFiles);
    ASSERT_TRUE(read.ok()) << read.refusal();
    EXPECT_EQ(read->result.drawTimes,
              (std::vector<std::string>{"Morning", "Day", "Evening", "Night"}));
    const auto texts = drawTexts(read->result);
    ASSERT_EQ(texts.size(), 12U);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
              (std::vector<std::string>{"2026-12-05 Night 903 +4", "2026-12-05 Evening 528 +9",
                                        "2026-12-05 Day 611 +0", "2026-12-05 Morning 407 +2"}));
    EXPECT_EQ(texts.back(), "2026-12-03 Morning 381"); // no Fireball given that draw
    EXPECT_EQ(read->zerosRestored, 0U);
    EXPECT_EQ(read->result.unreadCount, 0U);
}

TEST(SourceReading, OneBadFileRefusesTheWholeSourceNamingIt) {
    const std::vector<std::tuple<std::string, std::string, std::string>> rows{
        {"a web page", "web-page.html",
         "pick3day.csv: is a web page, not the CSV file this source gives: the site may have "
         "changed, or sent an error page"},
        {"another game", "daily4-evening.csv",
         "pick3day.csv, line 1: names the game \"Daily 4\" where \"Pick 3\" was expected: this "
         "is another game's data"},
        {"nothing in it", "", "pick3day.csv: holds no draw of Texas Pick 3"},
    };
    for (const auto& [name, day, refusal] : rows) {
        auto files = kTexasFiles;
        files[1] = day.empty() ? "missing-file.csv" : day;
        const auto read = readTexas(files);
        EXPECT_EQ(read.ok() ? "read" : read.refusal(), refusal) << name;
    }
}

TEST(SourceReading, RefusesAFileThatIsNotThisGamesData) {
    const auto& game = test::shippedGame("new-york-numbers");
    const std::string heading = "Draw Date,Midday Daily #,Evening Daily #\n";
    const std::vector<std::tuple<std::string, std::string, std::string>> rows{
        {"a fourth digit", heading + "12/05/2026,418,56\n12/04/2026,1234,903\n",
         "rows.csv, line 3: \"1234\" has a fourth digit, and New York Numbers has no add-on: "
         "this is not this game's data"},
        {"a column renamed", "Draw Date,Midday #,Evening Daily #\n12/05/2026,418,56\n",
         "rows.csv: has no column \"Midday Daily #\": it is not laid out as this source's file "
         "(another game's data, or the site has changed the file)"},
        {"a draw after today", heading + "12/07/2026,418,561\n",
         "rows.csv, line 2: holds a draw dated 2026-12-07, after today (2026-12-06) in the "
         "game's time zone: the file cannot be trusted"},
        {"a heading alone", heading, "rows.csv: holds no draw of New York Numbers"},
        {"nothing at all", "", "rows.csv: is empty"},
        {"today's draws", heading + "12/06/2026,418,561\n", "read"},
    };
    for (const auto& [name, text, refusal] : rows) {
        const auto read = readSourceTexts(game, onlySource(game), {text}, CivilDate{2026, 12, 6});
        EXPECT_EQ(read.ok() ? "read" : read.refusal(), refusal) << name;
    }
    const auto& texas = test::shippedGame("texas-pick-3");
    const std::string text = "Pick 3,12,5,2026,4,0,7,2\n";
    EXPECT_EQ(readSourceTexts(texas, onlySource(texas), {text, text}).refusal(),
              "texaslottery.com Pick 3 winning numbers, one CSV file per draw time: 2 files came "
              "where 4 were expected");
}

TEST(SourceReading, RepeatsAreKeptOnceAndConflictsLeftOut) {
    const auto& game = test::shippedGame("new-york-numbers");
    const std::string text = "Draw Date,Midday Daily #,Evening Daily #\n"
                             "12/05/2026,418,56\n"
                             "12/05/2026,418,57\n"
                             "2026-13-01,1,2\n";
    const auto read = readSourceTexts(game, onlySource(game), {text});
    ASSERT_TRUE(read.ok()) << read.refusal();
    EXPECT_EQ(drawTexts(read->result), (std::vector<std::string>{"2026-12-05 Midday 418"}));
    ASSERT_EQ(read->result.duplicates.size(), 1U);
    EXPECT_EQ(read->result.duplicates[0].repeatLine, 3);
    ASSERT_EQ(read->result.conflicts.size(), 1U);
    EXPECT_EQ(read->result.conflicts[0].numbers, (std::vector<std::uint16_t>{56, 57}));
    EXPECT_EQ(read->result.unread.at(0).reason, "rows.csv: no date");
}

} // namespace
} // namespace pick3
