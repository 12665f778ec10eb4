// Reading dated draw histories: the sample layouts, dates, draw times, what is
// never a draw, encodings, the problems, the summary, what goes into the draw
// box and the warning under it.

#include "engine/history/DrawImport.h"

#include "Support.h"

#include <fstream>
#include <map>

namespace pick3 {
namespace {

std::string fileBytes(const std::string& name) {
    std::ifstream in(std::string(PICK3_TEST_DATA_DIR) + "/draw-samples/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string drawText(const ImportResult& r, const DatedDraw& d) {
    const std::string number = drawBoxText({d});
    return isoDateText(d.day) + "/" + r.drawTimes.at(d.time) + "/" + number.substr(0, 3);
}

// A result in the form of expected.txt: "draws 2026-12-06/Evening/635 ...".
std::map<std::string, std::string> described(const ImportResult& r) {
    std::map<std::string, std::string> out;
    const auto add = [&](const std::string& key, const std::string& item) {
        out[key] += (out[key].empty() ? "" : " ") + item;
    };
    for (const DatedDraw& d : r.draws) {
        add("draws", drawText(r, d));
    }
    for (const DuplicateRow& d : r.duplicates) {
        add("duplicates", drawText(r, d.draw));
    }
    for (const Conflict& c : r.conflicts) {
        std::string numbers;
        for (const std::uint16_t n : c.numbers) {
            numbers += (numbers.empty() ? "" : "+") + drawBoxText({{0, 0, -1, n, 0}}).substr(0, 3);
        }
        add("conflicts", isoDateText(c.day) + "/" + r.drawTimes.at(c.time) + "/" + numbers);
    }
    for (const DayNumber day : r.missingDates) {
        add("missing", isoDateText(day));
    }
    if (r.unreadCount > 0) {
        out["unread"] = std::to_string(r.unreadCount);
    }
    return out;
}

ImportResult recognized(std::string_view text, const ImportChoices& choices = {}) {
    Result<ImportResult> r = recognizeDraws(text, choices);
    EXPECT_TRUE(r.ok()) << r.refusal() << "\n" << text;
    return r.ok() ? *r : ImportResult{};
}

TEST(DrawImport, EverySampleLayoutGivesItsDrawsAndProblems) {
    const auto expected =
        test::expectedByFile(std::string(PICK3_TEST_DATA_DIR) + "/draw-samples/expected.txt");
    ASSERT_EQ(expected.size(), 6U);
    for (auto& [name, want] : expected) {
        const Result<std::string> text = decodeText(fileBytes(name));
        ASSERT_TRUE(text.ok()) << name;
        const ImportResult r = recognized(*text);
        std::map<std::string, std::string> got = described(r);
        if (want.contains("order")) {
            got["order"] = dateOrderText(r.layout.dateOrder);
        }
        for (const auto& [key, value] : want) {
            EXPECT_EQ(got[key], value) << name << ": " << key;
        }
        EXPECT_EQ(got.size(), want.size()) << name;
    }
}

// The draws of a text as "2026-12-06/Evening/635 ...", newest first.
std::string drawsOf(std::string_view text, const ImportChoices& choices = {}) {
    return described(recognized(text, choices))["draws"];
}

TEST(DrawImport, LayoutsOfOneKindAreReadAlike) {
    const std::vector<std::tuple<std::string, std::string, std::string>> rows{
        {"digits in fields after split date fields, game name and bonus",
         "Pick 3 Day,8,9,2026,1,2,1,4,\nPick 3 Evening,8,9,2026,3,2,7,,\n",
         "2026-08-09/Evening/327 2026-08-09/Midday/121"},
        {"two draws on a row, each after its word",
         "12/06/2026 Midday 123 Evening 456\r\n12/05/2026 Mid 7 8 9 Eve 0-1-2\r\n",
         "2026-12-06/Evening/456 2026-12-06/Midday/123 2026-12-05/Evening/012 "
         "2026-12-05/Midday/789"},
        {"a column per draw time named by the header",
         "Draw Date\tMidday\tEvening\n12/06/2026\t1 2 3\t456\n",
         "2026-12-06/Evening/456 2026-12-06/Midday/123"},
        {"four draw times kept apart in their order of the day",
         "date;draw;Ball 1;Ball 2;Ball 3\n2026-12-06;Night;1;1;1\n2026-12-06;morning;2;2;2\n"
         "2026-12-06;EVENING;3;3;3\n2026-12-06;Day;4;4;4\n",
         "2026-12-06/Night/111 2026-12-06/Evening/333 2026-12-06/Midday/444 "
         "2026-12-06/Morning/222"},
        {"sums, bonus and Fireball digits, prizes and Pick 4 draws are no draws",
         "12/06/2026,635,14,0731,Fireball 4,$500,1-2-3-4,\"1,500\"\n"
         "12/05/2026 Evening 9 8 7 6 Sum 24\n12/04/2026 Evening 4-5-6 Bonus 7 $100 top prize 500\n",
         "2026-12-06//635 2026-12-04/Evening/456"},
        {"month names, dots, weekdays and two-digit years",
         "Sun, Dec 6th, 2026 Evening 1-1-1\n5th December 2026 Evening 222\nDec-04-2026 Eve 333\n"
         "03.12.2026 Evening 444\nWed 02/12/26 Evening 555\n2026-Dec-01 Evening 666\n"
         "2026-11-30T00:00:00.000 Evening 777\n",
         "2026-12-06/Evening/111 2026-12-05/Evening/222 2026-12-04/Evening/333 "
         "2026-12-03/Evening/444 2026-12-02/Evening/555 2026-12-01/Evening/666 "
         "2026-11-30/Evening/777"},
        {"quoted fields with doubled quotes, a title and a header",
         "Pick 3 history\n\"Date\",\"Game\",\"Result\"\n\"Dec 6, 2026\",\"Pick \"\"3\"\" "
         "Evening\",\"6,3,5\"\n",
         "2026-12-06/Evening/635"},
        {"a date on a line of its own for the draws below it, under a header",
         "Pick 3 results\nDate   Draw   Numbers   Sum\nSaturday, December 5, 2026\n"
         "  Midday   1 - 2 - 3   6\nEvening: 4-5-6\n",
         "2026-12-05/Evening/456 2026-12-05/Midday/123"},
        {"digits cut at commas, after a word or a game's name",
         "12/06/2026 Evening 1,2,3\nPick 3,12/05/2026,Evening,4,5,6,7\n",
         "2026-12-06/Evening/123 2026-12-05/Evening/456"},
        {"a digit per field and a draw time per column",
         "Date,Mid 1,Mid 2,Mid 3,Eve 1,Eve 2,Eve 3\n12/06/2026,1,2,3,4,5,6\n",
         "2026-12-06/Evening/456 2026-12-06/Midday/123"},
        {"draw-time and date lines above the draws, a Fireball line below",
         "Pick 3 Evening\nSat, Dec 5, 2026\n2 5 3\nFireball: 4\nPick 3 Mid-Day\nSat, Dec 5, "
         "2026\n2 0 3\n",
         "2026-12-05/Evening/253 2026-12-05/Midday/203"},
        {"draws on a row without names, told apart by their column",
         "12/06/2026,,456\n12/05/2026,123,456\n",
         "2026-12-06/Draw 2/456 2026-12-05/Draw 2/456 2026-12-05/Draw 1/123"},
        {"an ambiguous file read the way its dates run day by day",
         "05/04/2026 111\n04/04/2026 222\n03/04/2026 333\n",
         "2026-04-05//111 2026-04-04//222 2026-04-03//333"},
    };
    for (const auto& [name, text, draws] : rows) {
        EXPECT_EQ(drawsOf(text), draws) << name;
    }
}

// An add-on's digit (Fireball, Wild Ball) goes beside its draw, never into it.
TEST(DrawImport, AnAddOnDigitIsKeptBesideItsDraw) {
    const struct {
        const char* name;
        const char* text;
        const char* draws;             // number+add-on, newest first; "-" where none
        bool fourthDigitAddOn = false; // the game writes its add-on as a fourth digit
    } rows[] = {
        {"a fourth digit in a field of its own, as Texas writes its files",
         "Pick 3 Night,9,9,2013,1,2,3,4\nPick 3 Day,9,9,2013,5,6,7,0\n", "123+4 567+0"},
        {"a Fireball column named by the header",
         "Date,Draw,Number,Fireball\n12/06/2026,Evening,635,9\n12/05/2026,Evening,111,\n",
         "635+9 111+-"},
        {"a Wild Ball column before the number", "Date;Wild Ball;Number\n2026-12-06;3;635\n",
         "635+3"},
        {"a Fireball line below a ball-per-line draw",
         "Dec 6, 2026\nEvening\n9\n7\n8\nFireball\n3\nMidday\n1\n2\n0\n", "978+3 120+-"},
        {"three digits only: no add-on", "12/06/2026 Evening 1-2-3\n12/05/2026 Evening 456\n",
         "123+- 456+-"},
        {"a sum is no add-on", "Date,Number,Sum\n12/06/2026,635,14\n", "635+-"},
        {"four digits in one field, as New Jersey writes its Fireball",
         "03/11/2017,Evening,1234\n03/10/2017,Evening,5670\n03/09/2017,Evening,890\n",
         "123+4 567+0 890+-", true},
        {"four digits in a run of their own", "03/11/2017 Evening 1-2-3-4\n", "123+4", true},
        {"four digits of another game where the game writes no add-on so",
         "03/11/2017,Evening,1234\n03/10/2017,Evening,567\n", "567+-"},
        {"a longer number is no draw with an add-on",
         "03/11/2017,Evening,12345\n03/10/2017,Evening,567\n", "567+-", true},
    };
    for (const auto& row : rows) {
        ImportChoices choices;
        choices.fourthDigitAddOn = row.fourthDigitAddOn;
        const ImportResult r = recognized(row.text, choices);
        std::string got;
        for (const DatedDraw& d : r.draws) {
            got += (got.empty() ? "" : " ") + drawBoxText({d}).substr(0, 3) + "+" +
                   (d.addOn < 0 ? std::string("-") : std::to_string(d.addOn));
        }
        EXPECT_EQ(got, row.draws) << row.name;
    }
    // A draw record stays as small as before: a 50 MB history holds millions.
    static_assert(sizeof(DatedDraw) == 12);
}

TEST(DrawImport, TheUsersChoicesOverruleTheGuess) {
    const std::string ambiguous = "05/04/2026 111\n04/04/2026 222\n";
    EXPECT_TRUE(recognized(ambiguous).layout.dateOrderGuessed);
    EXPECT_EQ(recognized(ambiguous).layout.dateOrder, DateOrder::DayMonthYear);
    ImportChoices monthFirst;
    monthFirst.dateOrder = DateOrder::MonthDayYear;
    EXPECT_EQ(drawsOf(ambiguous, monthFirst), "2026-05-04//111 2026-04-04//222");
    EXPECT_FALSE(recognized("13/04/2026 111\n").layout.dateOrderGuessed);

    const std::string twoDates = "12/06/2026,12/01/2026,Evening,123,456\n";
    ImportChoices columns;
    columns.dateColumn = 1;
    columns.drawColumn = 4;
    columns.timeColumn = -1;
    EXPECT_EQ(drawsOf(twoDates, columns), "2026-12-01//456");
    const ImportLayout guessed = recognized(twoDates).layout;
    EXPECT_EQ(std::tuple(guessed.dateColumn, guessed.timeColumn, guessed.drawColumn,
                         guessed.rowPerDate, guessed.separator),
              std::tuple(0, 2, 3, false, ','));
}

TEST(DrawImport, EncodingsBecomeUtf8AndOtherBytesAreRefused) {
    const std::vector<std::pair<std::string, std::string>> rows{
        {std::string("\xFE\xFF\0D\0\xE9\0\n", 8), "D\xC3\xA9\n"},         // UTF-16 BE
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "\xF0\x9F\x98\x80"}, // LE, a pair
        {std::string("D\0a\0y\0", 6), "Day"},                             // LE, no mark
        {"\xEF\xBB\xBFR\xC3\xA9sultat", "R\xC3\xA9sultat"},               // UTF-8, mark
        {"R\xE9sultat\r\n", "R\xC3\xA9sultat\r\n"},                       // Latin-1
        {"12/06/2026 1-2-3", "12/06/2026 1-2-3"},                         // UTF-8
    };
    // A file's bytes given up to the reader decode alike, UTF-8 kept in place.
    for (const auto& [bytes, text] : rows) {
        for (const Result<std::string>& decoded : {decodeText(bytes), decodeOwnedText(bytes)}) {
            ASSERT_TRUE(decoded.ok()) << text;
            EXPECT_EQ(*decoded, text);
        }
    }
    for (const std::string& bytes : {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
                                     std::string("\x01\x02\x03 12/06/2026 123"),
                                     std::string("\xEF\xBB\xBF\x01\x02 12/06/2026 123")}) {
        EXPECT_FALSE(decodeText(bytes).ok());
        EXPECT_FALSE(decodeOwnedText(bytes).ok());
    }
}

TEST(DrawImport, ProblemsAreReportedWithTheirLines) {
    // Mondays to Saturdays: the Sundays are no missing dates; the 2nd is.
    std::string text = "Date,Numbers\n";
    for (int day = 14; day >= 1; --day) {
        if (day != 2 && day != 6 && day != 13) { // the 6th and the 13th are Sundays
            text += "12/" + std::to_string(day) + "/2026,123\n";
        }
    }
    text += "12/01/2026,123\n\n12/31/2026\n02/30/2026,456\n12/01/2026,1234\nno digits here\n";
    const ImportResult r = recognized(text);
    std::string unread;
    for (const UnreadLine& u : r.unread) {
        unread += std::to_string(u.line) + " " + u.reason + ": " + u.text + "|";
    }
    EXPECT_EQ(unread, "15 no draw of three digits: 12/31/2026|16 no such date: 02/30/2026,456|"
                      "17 no draw of three digits: 12/01/2026,1234|"
                      "18 no draw of three digits: no digits here|");
    EXPECT_EQ(described(r)["missing"], "2026-12-02");
    EXPECT_EQ(r.weekdaysWithoutDraws, std::vector<int>{6});
    EXPECT_EQ(described(r)["duplicates"], "2026-12-01//123");
    EXPECT_EQ(r.duplicates.at(0).repeatLine, 13);

    // A line of 10 MB: read in linear time, kept as a short snippet.
    const ImportResult longLine = recognized(std::string(10'000'000, '7') + "\n12/06/2026 123");
    EXPECT_EQ(longLine.draws.size(), 1U);
    EXPECT_LE(longLine.unread.at(0).text.size(), 110U);

    EXPECT_EQ(recognizeDraws(" \r\n\n").refusal(),
              "The text is empty: there are no draws to read.");
    EXPECT_FALSE(recognizeDraws("Date Numbers\n12/06/2026 1234\n").ok());
    int calls = 0;
    const auto stop = [&](double) { return ++calls < 2; };
    const Result<ImportResult> cancelled =
        recognizeDraws(std::string(3'000'000, '\n') + "12/06/2026 123", {}, stop);
    EXPECT_EQ(cancelled.refusal(), "Reading the draws was cancelled.");
}

TEST(DrawImport, AHistoryGivenAgainKeepsTheRowsFirstRead) {
    // Forty days of two draws, given three times; the second time with the
    // last evening's number changed.
    std::string once;
    for (int day = 40; day >= 1; --day) {
        const std::string date = std::to_string(day % 12 + 1) + "/" + std::to_string(day % 28 + 1) +
                                 "/" + std::to_string(1990 + day);
        once += date + " Evening " + std::to_string(100 + day) + "\n" + date + " Midday " +
                std::to_string(500 + day) + "\n";
    }
    std::string changed = once;
    changed.replace(changed.rfind("Evening 101"), 11, "Evening 999");
    const ImportResult r = recognized(once + changed + once);
    ASSERT_EQ(r.draws.size(), 79U);
    ASSERT_EQ(r.conflicts.size(), 1U);
    EXPECT_EQ(r.conflicts[0].numbers, (std::vector<std::uint16_t>{101, 999}));
    EXPECT_EQ(r.conflicts[0].lines, (std::vector<std::int32_t>{79, 159}));
    // Each row with its repeats 80 and 160 lines below it, newest first.
    std::string repeats;
    std::string expected;
    for (const DuplicateRow& d : r.duplicates) {
        repeats += std::to_string(d.draw.line) + ">" + std::to_string(d.repeatLine) + " ";
    }
    for (int line = 1; line <= 80; ++line) {
        expected += line == 79 ? "" : std::to_string(line) + ">" + std::to_string(line + 80) + " ";
        expected += std::to_string(line) + ">" + std::to_string(line + 160) + " ";
    }
    EXPECT_EQ(repeats, expected);
}

TEST(DrawImport, CalendarDays) {
    for (const auto& [date, day, text] : {std::tuple{CalendarDate{1970, 1, 1}, 0, "Thu 1970-01-01"},
                                          {CalendarDate{2026, 12, 5}, 20792, "Sat 2026-12-05"},
                                          {CalendarDate{2024, 2, 29}, 19782, "Thu 2024-02-29"},
                                          {CalendarDate{1900, 3, 1}, -25508, "Thu 1900-03-01"}}) {
        EXPECT_EQ(dayNumberOf(date), day) << text;
        EXPECT_EQ(calendarDateOf(day), date) << text;
        EXPECT_EQ(weekdayText(day) + " " + isoDateText(day), text);
    }
    EXPECT_FALSE(dayNumberOf({2026, 2, 29}));
    EXPECT_FALSE(dayNumberOf({1900, 2, 29}));
    EXPECT_FALSE(dayNumberOf({2026, 13, 1}));
}

TEST(DrawImport, SummaryLine) {
    const ImportResult twoDays =
        recognized("12/06/2026 Evening 123\n12/06/2026 Midday 456\n12/04/2026 Evening 789\n"
                   "12/04/2026 Evening 789\n12/04/2026 Midday 1\n12/04/2026 Night 100\n"
                   "12/04/2026 Night 101\n12/04/2026 Night 100\n");
    const ImportResult oneDraw = recognized("12/06/2026 Evening 123\n12/06/2026 Evening 123");
    EXPECT_EQ(importSummary(twoDays),
              "3 draws on 2 dates, 2026-12-04 to 2026-12-06; 1 line not read; 2 rows twice; "
              "1 conflict"); // the 5th is a Saturday, and no Saturday is drawn
    EXPECT_EQ(described(twoDays)["conflicts"], "2026-12-04/Night/100+101");
    EXPECT_EQ(importSummary(oneDraw), "1 draw on 1 date, 2026-12-06; 1 row twice");
    ImportResult many = twoDays;
    many.unreadCount = 2;
    many.missingDates = {0, 1};
    many.conflicts.push_back(many.conflicts[0]);
    EXPECT_EQ(importSummary(many),
              "3 draws on 2 dates, 2026-12-04 to 2026-12-06; 2 lines not read; "
              "2 dates missing; 2 rows twice; 2 conflicts");
}

TEST(DrawImport, WhatGoesIntoTheDrawBox) {
    const ImportResult r =
        recognized("2026-12-06 Evening 097\n2026-12-06 Midday 123\n2026-12-05 Evening 400\n"
                   "2026-12-05 Midday 401\n2026-12-05 Midday 402\n2026-12-04 Evening 555\n");
    const auto box = [&](const KeepChoices& keep) {
        std::string text = drawBoxText(keptDraws(r, keep));
        std::replace(text.begin(), text.end(), '\r', ' ');
        std::replace(text.begin(), text.end(), '\n', '|');
        return text;
    };
    const DayNumber dec5 = *dayNumberOf({2026, 12, 5});
    using Keep = std::function<void(KeepChoices&)>;
    const std::vector<std::pair<std::string, Keep>> rows{
        {"097 |123 |400 |555 |", [](KeepChoices&) {}},
        {"555 |400 |123 |097 |", [](KeepChoices& k) { k.newestFirst = false; }},
        {"097 |400 |555 |",
         [](KeepChoices& k) {
             k.drawTimes = {false, true};
         }},
        {"400 |555 |", [&](KeepChoices& k) { k.to = dec5; }},
        {"097 |123 |400 |", [&](KeepChoices& k) { k.from = dec5; }},
        {"400 |123 |097 |",
         [](KeepChoices& k) {
             k.lastDraws = 3;
             k.newestFirst = false;
         }},
        {"097 |123 |400 |402 |555 |", [](KeepChoices& k) { k.conflictPicks = {402}; }},
        {"400 |",
         [&](KeepChoices& k) {
             k.drawTimes = {false, true};
             k.from = k.to = dec5;
             k.conflictPicks = {402};
         }},
    };
    for (const auto& [text, change] : rows) {
        KeepChoices keep;
        change(keep);
        EXPECT_EQ(box(keep), text);
    }
    KeepChoices oneTick;
    oneTick.drawTimes = {true};
    EXPECT_THROW(keptDraws(r, oneTick), std::invalid_argument);
    EXPECT_EQ(drawLabel(r, r.draws[0]), "Sun 2026-12-06 Evening");
    EXPECT_EQ(drawLabel(recognized("2026-12-06 097"), {*dayNumberOf({2026, 12, 6}), 0, 97, 1}),
              "Sun 2026-12-06");
}

TEST(DrawImport, WarningForADatedTextInTheDrawBox) {
    const std::vector<std::pair<std::string, bool>> rows{
        {"11/08/2025 Midday 9-4-3 16", true},
        {"Date,Numbers\n123\n", true},
        {"123\n2026-12-06\n", true},
        {"489 Eve", true},
        {"06.12.2026", true},
        {"123 456 12/2026", true},
        {"097 123-458 772/310", false},
        {"123\n456", false},
        {"4-8-9, 1 2 3; 007", false},
        {std::string(1'000'000, '5') + "\n12/06/2026", false}, // only the start is looked at
    };
    for (const auto& [text, warned] : rows) {
        EXPECT_EQ(datedTextWarning(text).has_value(), warned) << text.substr(0, 40);
    }
}
} // namespace
} // namespace pick3
