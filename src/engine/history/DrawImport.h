#pragma once
// Reading a dated draw history: a results page copied as text, or a CSV/TSV
// download. Every line becomes a date, a draw time and the three digits drawn,
// or is reported with its line number and why it could not be read. Dates,
// sums, bonus ("Fireball") digits, prizes and Pick 4 draws are never taken for
// a Pick 3 draw; an add-on's digit in a column of its own ("Fireball") or right
// after the three in fields of their own is kept beside the draw, never in it. Text in, values out:
// the window only shows what comes back.

#include "engine/Result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pick3 {

// ---- Calendar -------------------------------------------------------------

// A day as its number of days since 1970-01-01 (proleptic Gregorian): easy to
// compare, to step and to store by the million.
using DayNumber = std::int32_t;

struct CalendarDate {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    bool operator==(const CalendarDate&) const = default;
};

// None where the date does not exist (2026-02-30).
std::optional<DayNumber> dayNumberOf(const CalendarDate& date);
CalendarDate calendarDateOf(DayNumber day);
// "2026-12-05"
std::string isoDateText(DayNumber day);
// "Sat"
std::string weekdayText(DayNumber day);
// 0 = Monday ... 6 = Sunday
int weekdayOf(DayNumber day);

// ---- Text -----------------------------------------------------------------

// The bytes of a file as UTF-8 text: UTF-8 with or without a byte-order mark,
// UTF-16 (LE or BE) with one, otherwise Latin-1 when the bytes are not valid
// UTF-8. Refused, with a sentence for the user, where the bytes are not text
// (a picture, a program: NUL bytes or control characters).
Result<std::string> decodeText(std::string_view bytes);
// The same for bytes the caller gives up: UTF-8 is kept as it is, so a large
// file is not held twice.
Result<std::string> decodeOwnedText(std::string bytes);

// ---- What was recognised --------------------------------------------------

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
// "month/day/year", "day/month/year", "year-month-day"
std::string dateOrderText(DateOrder order);

// One recognised draw. Compact, so that a 50 MB history fits in memory.
struct DatedDraw {
    DayNumber day = 0;
    std::uint8_t time = 0;    // index into ImportResult::drawTimes
    std::int8_t addOn = -1;   // the add-on's digit drawn with it (a Fireball), -1: none
    std::uint16_t number = 0; // 0 to 999: 097 is 97
    std::int32_t line = 0;    // the line of the text it came from, from 1
    bool operator==(const DatedDraw&) const = default;
};

struct UnreadLine {
    std::int32_t line = 0; // from 1
    std::string reason;    // "no draw of three digits", "no date", ...
    std::string text;      // the line itself, cut to a sensible length
};

// The same date, draw time and number given twice: kept once.
struct DuplicateRow {
    DatedDraw draw;              // the one kept: the first read
    std::int32_t repeatLine = 0; // the line that repeated it
};

// One date and draw time given with different numbers: left out until the
// user picks one.
struct Conflict {
    DayNumber day = 0;
    std::uint8_t time = 0;
    std::vector<std::uint16_t> numbers; // in the order read
    std::vector<std::int32_t> lines;
};

// How the text was read; every guess here can be corrected by ImportChoices.
struct ImportLayout {
    char separator = ','; // ',', ';', '\t' or ' ' (free text)
    bool hasHeader = false;
    std::vector<std::string> columns; // header names, or "Field 1", "Field 2", ...
    int dateColumn = -1;              // -1: found inside free text or in split fields
    int timeColumn = -1;              // -1: none, or inside free text
    int drawColumn = -1;              // -1: several columns (one per draw time) or free text
    DateOrder dateOrder = DateOrder::MonthDayYear;
    bool dateOrderGuessed = false; // the dates allowed more than one reading
    bool rowPerDate = false;       // several draws (draw times) on one row
    // Draw times written as codes ("M", "E"): each code and the draw time it
    // names, in their order within a day; empty where the text has none.
    std::vector<std::pair<std::string, std::string>> timeCodes;
};

struct ImportResult {
    ImportLayout layout;
    // The draw times found, in their order within a day ("Midday", "Evening");
    // one empty name where the text names none.
    std::vector<std::string> drawTimes;
    // Newest first: by date, then by draw time, the later draw first.
    // Duplicates are here once; conflicts are not here.
    std::vector<DatedDraw> draws;
    std::vector<UnreadLine> unread; // the first of them, by line; see unreadCount
    std::size_t unreadCount = 0;    // every line not read
    std::vector<DuplicateRow> duplicates;
    std::vector<Conflict> conflicts;
    // Dates between the first and the last with no draw, on weekdays the game
    // draws on (a weekday with no draw at all in the file is taken as one the
    // game never draws on, and not reported).
    std::vector<DayNumber> missingDates;
    std::vector<int> weekdaysWithoutDraws; // 0 = Monday ... 6 = Sunday
};

// The user's corrections to the guess; an empty field keeps the guess.
struct ImportChoices {
    std::optional<DateOrder> dateOrder;
    std::optional<int> dateColumn;
    std::optional<int> timeColumn;
    std::optional<int> drawColumn;
    // The draw-time codes and their names, earliest in the day first; an empty
    // list reads no codes.
    std::optional<std::vector<std::pair<std::string, std::string>>> timeCodes;
    // The game's histories write its add-on as a fourth digit: "1234" and "1-2-3-4" are
    // the draw 123 and the add-on's 4 (New Jersey's Fireball), never another game's draw.
    bool fourthDigitAddOn = false;
};

// "M = Midday, E = Evening"
std::string timeCodesText(const std::vector<std::pair<std::string, std::string>>& codes);
// The codes of such a text; a part without "=" names the draw time by its code.
std::vector<std::pair<std::string, std::string>> parseTimeCodes(std::string_view text);

// Told how far the reading is (0 to 1); returning false stops it, and the
// result then says it was cancelled.
using ImportProgress = std::function<bool(double done)>;

// Reads a whole UTF-8 text. Refused only when cancelled or when the text holds
// no draw at all (with a sentence for the user); otherwise every line is a draw
// or an unread line.
Result<ImportResult> recognizeDraws(std::string_view utf8, const ImportChoices& choices = {},
                                    const ImportProgress& progress = {});

// "812 draws on 406 dates, 2025-10-28 to 2026-12-06; 2 lines not read;
// 3 dates missing; 1 row twice" (singular and plural right, parts with
// nothing to say left out; conflicts named too).
std::string importSummary(const ImportResult& result);

// ---- What goes into the draw box ------------------------------------------

struct KeepChoices {
    std::vector<bool> drawTimes;          // per ImportResult::drawTimes; empty: all
    std::optional<DayNumber> from, to;    // inclusive
    std::optional<std::size_t> lastDraws; // the newest this many of what is left
    bool newestFirst = true;
    // The number picked for each conflict (per ImportResult::conflicts); none
    // leaves that draw out.
    std::vector<std::optional<std::uint16_t>> conflictPicks;
};

// The draws to write, in the order they are written.
std::vector<DatedDraw> keptDraws(const ImportResult& result, const KeepChoices& choices);
// One draw per line, three digits each ("097"), lines ended by CR LF.
std::string drawBoxText(const std::vector<DatedDraw>& draws);
// "Sat 2026-12-05 Evening" (no draw time where the text named none).
std::string drawLabel(const ImportResult& result, const DatedDraw& draw);

// ---- A warning under the draw box -----------------------------------------

// None when the text reads cleanly as draws; otherwise the sentence to show:
// the text holds dates, a header, or runs of digits longer than a draw with the
// separators of dates, so "Count" would count them as draws.
std::optional<std::string> datedTextWarning(std::string_view utf8);

} // namespace pick3
