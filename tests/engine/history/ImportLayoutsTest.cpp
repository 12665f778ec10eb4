// Reading the layouts of real histories: a corpus of files, one or more of each
// kind, with the draws each must give, and one row per rule of the reading.

#include "engine/history/DrawImport.h"

#include "Support.h"

#include <fstream>
#include <map>

namespace pick3 {
namespace {

std::string layoutFile(const std::string& name) {
    std::ifstream in(std::string(PICK3_TEST_DATA_DIR) + "/layouts/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ImportResult readText(std::string_view text, const ImportChoices& choices = {}) {
    Result<ImportResult> r = recognizeDraws(text, choices);
    EXPECT_TRUE(r.ok()) << r.refusal() << "\n" << text;
    return r.ok() ? *r : ImportResult{};
}

// "draws", "unread", "codes" and "conflicts" of a result, as in expected.txt.
std::map<std::string, std::string> describe(const ImportResult& r) {
    std::map<std::string, std::string> out;
    for (const DatedDraw& d : r.draws) {
        out["draws"] += (out["draws"].empty() ? "" : " ") + isoDateText(d.day) + "/" +
                        r.drawTimes.at(d.time) + "/" + drawBoxText({d}).substr(0, 3);
    }
    for (const Conflict& c : r.conflicts) {
        out["conflicts"] += (out["conflicts"].empty() ? "" : " ") + isoDateText(c.day) + "/" +
                            r.drawTimes.at(c.time);
    }
    if (r.unreadCount > 0) {
        out["unread"] = std::to_string(r.unreadCount);
    }
    if (!r.layout.timeCodes.empty()) {
        out["codes"] = timeCodesText(r.layout.timeCodes);
    }
    return out;
}

TEST(ImportLayouts, EveryFileOfTheCorpusGivesExactlyItsDraws) {
    const auto expected =
        test::expectedByFile(std::string(PICK3_TEST_DATA_DIR) + "/layouts/expected.txt");
    ASSERT_GE(expected.size(), 8U);
    for (const auto& [name, want] : expected) {
        const Result<std::string> text = decodeText(layoutFile(name));
        ASSERT_TRUE(text.ok()) << name;
        std::map<std::string, std::string> got = describe(readText(*text));
        for (const auto& [key, value] : want) {
            EXPECT_EQ(got[key], value) << name << ": " << key;
        }
        EXPECT_EQ(got.size(), want.size()) << name;
    }
}

struct Row {
    std::string name, text, draws;
};

void expectDraws(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(describe(readText(row.text))["draws"], row.draws) << row.name;
    }
}

TEST(ImportLayouts, EveryKindOfSpaceIsASpace) {
    expectDraws({
        {"no-break space after the digits", "12/06/2026 Evening 123\u00a0\n",
         "2026-12-06/Evening/123"},
        {"no-break space after the draw-time word",
         "12/06/2026 Evening\u00a0123\n12/06/2026 Midday\u00a0456\n",
         "2026-12-06/Evening/123 2026-12-06/Midday/456"},
        {"thin, narrow, ideographic and math spaces",
         "12/06/2026\u2009Evening\u202f1\u30002\u205f3\n", "2026-12-06/Evening/123"},
        {"a soft hyphen and zero-width characters inside a word",
         "12/06/2026 Eve\u00adning 1\u200b2\u200d3\u2060\n12/06/2026 Mid\ufeffday 456\n",
         "2026-12-06/Evening/123 2026-12-06/Midday/456"},
        {"line and paragraph separators and next line end a line",
         "12/06/2026 Evening 123\u202812/05/2026 Evening 456\u202912/04/2026 Evening "
         "789\u008512/03/2026 Evening 012",
         "2026-12-06/Evening/123 2026-12-05/Evening/456 2026-12-04/Evening/789 "
         "2026-12-03/Evening/012"},
        {"a tab in a table cell of a free text",
         "12/06/2026 Evening\t1 2 3\n12/05/2026 Evening\t456\n",
         "2026-12-06/Evening/123 2026-12-05/Evening/456"},
    });
}

TEST(ImportLayouts, ADateCarriesDownItsBlock) {
    expectDraws({
        {"lines under a date line that holds a draw",
         "Dec 6, 2026 Midday: 1 2 3\nEvening 4-8-9\nDec 5, 2026 Midday: 5 5 5\nEvening 6-6-6\n",
         "2026-12-06/Evening/489 2026-12-06/Midday/123 2026-12-05/Evening/666 "
         "2026-12-05/Midday/555"},
        {"lines under a date line of its own", "Dec 6, 2026\nMidday 1 2 3\nEvening 4 8 9\n",
         "2026-12-06/Evening/489 2026-12-06/Midday/123"},
    });
    // A line before any date has none to take.
    const ImportResult before = readText("Evening 456\n12/06/2026 Evening 123\nMidday 789\n");
    EXPECT_EQ(describe(before)["draws"], "2026-12-06/Evening/123 2026-12-06/Midday/789");
    EXPECT_EQ(before.unread.at(0).reason, "no date");
}

TEST(ImportLayouts, PageFurnitureIsNoDraw) {
    std::string page = "Pick 3 results\n";
    for (int day = 28; day >= 1; --day) {
        page += "Nov " + std::to_string(day) + ", 2026\nMidday 1 2 3\nEvening 4-5-6\n";
    }
    page += "Showing 1 to 800 of 800 results\nOpen 365 days\nCall 555-123-4567\n";
    const ImportResult r = readText(page);
    EXPECT_EQ(r.draws.size(), 56U);
    EXPECT_EQ(r.unreadCount, 3U);
    EXPECT_EQ(r.unread.at(0).reason, "not written like the draws around it");
    EXPECT_TRUE(r.conflicts.empty());
}

TEST(ImportLayouts, DrawTimesWrittenAsCodes) {
    expectDraws({
        {"D and N, one draw on a date named too",
         "12/06/2026 N 111\n12/06/2026 D 222\n12/05/2026 N 333\n12/04/2026 N 444\n12/04/2026 D "
         "555\n",
         "2026-12-06/Night/111 2026-12-06/Day/222 2026-12-05/Night/333 2026-12-04/Night/444 "
         "2026-12-04/Day/555"},
        {"MD and EV in a column of their own", "2026-12-06;EV;1;2;3\n2026-12-06;MD;4;5;6\n",
         "2026-12-06/Evening/123 2026-12-06/Midday/456"},
        {"Morn among known words", "12/06/2026 Eve 111\n12/06/2026 Morn 222\n",
         "2026-12-06/Evening/111 2026-12-06/Morning/222"},
        {"unknown codes newest first: the first met on a date is the later draw",
         "12/06/2026 Q 111\n12/06/2026 P 222\n12/05/2026 Q 333\n12/05/2026 P 444\n",
         "2026-12-06/Q/111 2026-12-06/P/222 2026-12-05/Q/333 2026-12-05/P/444"},
        {"a letter that never differs on a date is no code", "12/06/2026 X 111\n12/05/2026 X 222\n",
         "2026-12-06//111 2026-12-05//222"},
    });
    const ImportResult r = readText("12/06/2026 E 111\n12/06/2026 M 222\n");
    EXPECT_EQ(timeCodesText(r.layout.timeCodes), "M = Midday, E = Evening");
    ImportChoices swapped;
    swapped.timeCodes = parseTimeCodes("E = Day, M = Night");
    EXPECT_EQ(describe(readText("12/06/2026 E 111\n12/06/2026 M 222\n", swapped))["draws"],
              "2026-12-06/Night/222 2026-12-06/Day/111");
    swapped.timeCodes = parseTimeCodes("");
    EXPECT_EQ(describe(readText("12/06/2026 E 111\n12/06/2026 M 222\n", swapped))["conflicts"],
              "2026-12-06/");
}

TEST(ImportLayouts, SeveralRecordsOnOneLine) {
    expectDraws({
        {"two columns, each record with its own date and code",
         "11/28/26 E 3-0-6 FB5    09/29/26 E 6-6-2 FB5\n11/28/26 M 1-1-1 FB2    09/29/26 M "
         "2-2-2 FB0\n",
         "2026-11-28/Evening/306 2026-11-28/Midday/111 2026-09-29/Evening/662 "
         "2026-09-29/Midday/222"},
        {"a date in the text after the draws is no second record",
         "12/06/2026 Evening 123 posted 12/07/2026\n", "2026-12-06/Evening/123"},
    });
}

TEST(ImportLayouts, RecordsSideBySideAreReadColumnByColumn) {
    // Line 2's left record repeats line 1's right one; page 2's left record
    // conflicts with line 2's right one.
    const std::string page1 = "12/06/26 E 1-1-1 FB1    11/26/26 E 2-2-2 FB2\n"
                              "11/26/26 E 2-2-2 FB5    11/25/26 E 5-5-5 FB5\n";
    const std::string page2 = "11/25/26 E 6-6-6 FB6    11/24/26 E 7-7-7 FB7\n";
    // The line kept and the line repeating it; the conflict's lines, as read.
    const std::vector<Row> rows{
        {"the left column down the page first", page1 + page2, "2 1, 3 2"},
        {"a line that does not split ends the page", page1 + "Page 2\n" + page2, "2 1, 2 4"},
        {"so does a form feed", page1 + "\f" + page2, "2 1, 2 3"},
        {"a blank line does not", page1 + "\n" + page2, "2 1, 4 2"},
    };
    for (const Row& row : rows) {
        const ImportResult r = readText(row.text);
        ASSERT_EQ(r.duplicates.size(), 1U) << row.name;
        ASSERT_EQ(r.conflicts.size(), 1U) << row.name;
        const std::vector<std::int32_t>& lines = r.conflicts[0].lines;
        EXPECT_EQ(std::to_string(r.duplicates[0].draw.line) + " " +
                      std::to_string(r.duplicates[0].repeatLine) + ", " +
                      std::to_string(lines.at(0)) + " " + std::to_string(lines.at(1)),
                  row.draws)
            << row.name;
    }
    // Dates that do not exist as the text is read (month first) are lines not read.
    const ImportResult late = readText("11/28/26 E 1-1-1    25/11/26 E 2-2-2\n"
                                       "26/11/26 E 3-3-3    11/27/26 E 4-4-4\n"
                                       "11/26/26 E 5-5-5    11/25/26 E 6-6-6\n");
    ASSERT_EQ(late.unread.size(), 2U);
    EXPECT_EQ(late.unread[0].line, 1);
    EXPECT_EQ(late.unread[1].line, 2);
}

TEST(ImportLayouts, DrawsOfOneKindNamedApart) {
    expectDraws({
        {"night1 and night2", "12/06/2026 night2 111\n12/06/2026 night1 222\n",
         "2026-12-06/Night 2/111 2026-12-06/Night 1/222"},
        {"Night 1: and Night 2: before the digits",
         "12/06/2026 Night 2: 1-1-1\n12/06/2026 Night 1: 2-2-2\n",
         "2026-12-06/Night 2/111 2026-12-06/Night 1/222"},
        {"Night 1 and Night 2 columns", "Date,Night 1,Night 2\n12/06/2026,111,222\n",
         "2026-12-06/Night 2/222 2026-12-06/Night 1/111"},
        {"Evening with three digits is no numbered draw", "12/06/2026 Evening 4 8 9\n",
         "2026-12-06/Evening/489"},
    });
    const ImportResult same = readText("12/06/2026 Night 111\n12/06/2026 Night 222\n");
    EXPECT_EQ(describe(same)["conflicts"], "2026-12-06/Night");
}

TEST(ImportLayouts, DrawTimesWrittenAsDigitsOrClockTimes) {
    expectDraws({
        {"a digit of its own before the draw, named by a legend line",
         "1 = Midday, 2 = Evening\n11/27/26  2  9-8-7\n11/27/26  1  6-5-3\n",
         "2026-11-27/Evening/987 2026-11-27/Midday/653"},
        {"a legend line below the draws",
         "11/27/26 1 6-5-3\n11/27/26 2 9-8-7\n1 = Day, 2 = Night\n",
         "2026-11-27/Night/987 2026-11-27/Day/653"},
        {"digits without a legend name the first and second draw",
         "11/27/26 2 9-8-7\n11/27/26 1 6-5-3\n", "2026-11-27/Draw 2/987 2026-11-27/Draw 1/653"},
        {"Draw 1: and Draw 2:", "12/05/2026 Draw 1: 1-2-3\n12/05/2026 Draw 2: 4-8-9\n",
         "2026-12-05/Draw 2/489 2026-12-05/Draw 1/123"},
        {"clock times with PM: 12:59 PM is the earlier",
         "12/05/2026,7:29 PM,4-8-9\n12/05/2026,12:59 PM,1-2-3\n",
         "2026-12-05/7:29 PM/489 2026-12-05/12:59 PM/123"},
        {"12:30 AM is half past midnight, before 1:10 AM",
         "12/05/2026,1:10 AM,4-8-9\n12/05/2026,12:30 AM,1-2-3\n",
         "2026-12-05/1:10 AM/489 2026-12-05/12:30 AM/123"},
        {"24-hour clock times, with seconds",
         "12/05/2026,19:29:00,4-8-9\n12/05/2026,9:05:00,1-2-3\n",
         "2026-12-05/19:29:00/489 2026-12-05/9:05:00/123"},
        {"one time of day written two ways is one draw time, shown as first written",
         "12/05/2026,19:29,4-8-9\n12/04/2026,7:29 PM,5-5-5\n",
         "2026-12-05/19:29/489 2026-12-04/19:29/555"},
        {"the time after the date under a Draw Date/Time header",
         "Draw Date/Time,Ball 1,Ball 2,Ball 3\n12/05/2026 7:29 PM,4,8,9\n12/05/2026 12:59 "
         "PM,1,2,3\n",
         "2026-12-05/7:29 PM/489 2026-12-05/12:59 PM/123"},
        {"a time stamp's time names no draw", "2026-12-06T19:29:00,123\n2026-12-05 0:00,456\n",
         "2026-12-06//123 2026-12-05//456"},
        {"the fraction of a second is no draw", "12/05/2026 19:29:00.000,4-8-9\n",
         "2026-12-05/19:29:00.000/489"},
        {"a draw-time word names the draw before a clock time does",
         "12/05/2026 Evening 7:29 PM 4-8-9\n12/05/2026 Midday 12:59 PM 1-2-3\n",
         "2026-12-05/Evening/489 2026-12-05/Midday/123"},
    });
    // The shorthand the user writes reads digits as it reads letters.
    ImportChoices named;
    named.timeCodes = parseTimeCodes("1 = Midday, 2 = Evening");
    EXPECT_EQ(describe(readText("11/27/26 2 9-8-7\n11/27/26 1 6-5-3\n", named))["draws"],
              "2026-11-27/Evening/987 2026-11-27/Midday/653");
}

TEST(ImportLayouts, ARowWhoseDateIsNoDateTakesNoDateAbove) {
    const std::vector<std::pair<std::string, std::string>> cells{
        {"06/15/1899", "a date before 1900"}, {"N/A", "no date"},
        {"03/01/0026", "a date before 1900"}, {"1899-06-15", "a date before 1900"},
        {"02/30/2026", "no such date"},
    };
    for (const auto& [cell, reason] : cells) {
        const ImportResult r = readText("03/02/2026,Evening,1-1-1\n03/01/2026,Evening,4-5-6\n" +
                                        cell + ",Midday,5-6-7\n,Evening,7-7-7\n");
        EXPECT_EQ(describe(r)["draws"], "2026-03-02/Evening/111 2026-03-01/Evening/456") << cell;
        ASSERT_EQ(r.unread.size(), 2U) << cell;
        EXPECT_EQ(r.unread[0].line, 3) << cell;
        EXPECT_EQ(r.unread[0].reason, reason) << cell;
        // The row below the refused date is not the date above it either.
        EXPECT_EQ(r.unread[1].reason, "no date") << cell;
    }
    // An empty date cell still takes the date above.
    EXPECT_EQ(describe(readText("03/01/2026,Evening,4-5-6\n,Midday,5-6-7\n"))["draws"],
              "2026-03-01/Evening/456 2026-03-01/Midday/567");
    // A long history running back past 1900: each early row is refused, none
    // is read as a date it does not give.
    std::string history;
    for (DayNumber day = *dayNumberOf({1900, 1, 10}); day >= *dayNumberOf({1899, 12, 1}); --day) {
        const CalendarDate date = calendarDateOf(day);
        history += std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
                   std::to_string(date.year) + ",Evening,1-2-3\n";
    }
    const ImportResult early = readText(history);
    EXPECT_EQ(early.draws.size(), 10U);
    EXPECT_EQ(early.unreadCount, 31U);
    EXPECT_TRUE(early.duplicates.empty());
    EXPECT_TRUE(early.conflicts.empty());
}

TEST(ImportLayouts, OneBallALine) {
    expectDraws({
        {"three digits under a draw-time line, the add-on left out",
         "Dec 6, 2026\nEvening\n9\n7\n8\nFireball\n3\nMidday\n1\n2\n0\n",
         "2026-12-06/Evening/978 2026-12-06/Midday/120"},
        {"no add-on", "Dec 6, 2026\nEvening\n0\n0\n4\nMidday\n5\n5\n5\n",
         "2026-12-06/Evening/004 2026-12-06/Midday/555"},
    });
    // Two digits make no draw; digits under no draw-time line are none.
    const ImportResult r =
        readText("Dec 6, 2026\nEvening\n9\n7\nMidday\n1\n2\n3\nDec 5, 2026\n4\n5\n6\n");
    EXPECT_EQ(describe(r)["draws"], "2026-12-06/Midday/123");
    EXPECT_EQ(r.unreadCount, 6U);
    EXPECT_EQ(r.unread.at(0).line, 3);
    EXPECT_EQ(r.unread.at(0).reason, "no draw of three digits");
}

} // namespace
} // namespace pick3
