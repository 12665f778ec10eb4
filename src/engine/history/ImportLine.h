#pragma once
// Reading one line of a dated history: its fields, its words and numbers, the
// date it holds, its draw-time words and the draws in it. Shared by the
// recognizer and the draw-box warning; not for the windows.

#include "engine/history/DrawImport.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pick3::importing {

// What stands between two tokens of a line.
enum class Gap : std::uint8_t { None, Space, Field, Slash, Dash, Dot, Comma, Other };

struct Token {
    std::uint32_t begin = 0; // byte offset in the line
    std::uint32_t length = 0;
    std::int32_t value = 0; // a number's value, capped
    std::uint16_t field = 0;
    bool number = false; // otherwise a word
    Gap gap = Gap::None; // before this token
    bool spaced = false; // spaces in that gap
    bool glued = false;  // a number touching a letter, '$', '#' or '%': not a drawn digit
    bool used = false;
    bool ordinal = false; // the 2 of "Night 2": names a draw, is none
};

// Every kind of space made a plain space (tabs too unless kept) and the
// invisible characters (soft hyphen, zero-width ones) dropped; the line itself
// when there is nothing to change, else the buffer.
std::string_view plainSpaces(std::string_view line, std::string& buffer, bool keepTabs = true);
// The first byte from `from` on that may start a space, an invisible
// character or a line break of more than one byte; npos where there is none.
std::size_t findLeadByte(std::string_view text, std::size_t from);
// The length of a Unicode line break (U+2028, U+2029, U+0085) at i, or 0.
std::size_t unicodeBreakAt(std::string_view text, std::size_t i);

// The draw times a day can hold, in their order within the day; the unnamed
// one and the draws told apart only by their place on the row come after.
// Each kind has eight keys: key + n is its n-th draw ("Night 2"), for a
// code its n-th code, for kPositional the (n+1)-th draw of a row without names.
// Clock times ("7:29 PM") have a key each, given by the reading in the order
// met; a line names one only as kClock.
enum TimeKey : std::uint8_t {
    kMorning = 0,
    kMidday = 8,
    kDay = 16,
    kEvening = 24,
    kNight = 32,
    kCode = 40,  // codes of the file's own ("A", "B") in their order within a day
    kClock = 48, // to kClock + kMaxClocks - 1
    kUnnamed = 112,
    kPositional = 120,
};
constexpr int kMaxDrawsPerLine = 8;
constexpr int kKindKeys = 8;
constexpr int kMaxClocks = 64;
constexpr int kTimeKeys = 128;
// The name of a key; a code's name comes from the file.
std::string timeKeyName(int key);
// The key a draw-time code names where it is a known one ("M", "EV", "Morn"), or -1.
int timeKeyOfCode(std::string_view code);
// The draw time a word names ("eve", "Day", "MIDDAY"), or -1.
int timeKeyOfWord(std::string_view word);
// 1 to 12 for a month's name or its abbreviation ("Dec", "sept", "December"), or 0.
int monthOfWord(std::string_view word);

// How a date was written, for telling the reading that was used.
enum class DateStyle : std::uint8_t { None, Numbers, YearFirst, MonthName, DayMonthName };

struct RawDate {
    DateStyle style = DateStyle::None;
    bool ambiguous = false; // first and second may be month/day or day/month
    int first = 0;          // month (or the first of two ambiguous parts)
    int second = 0;         // day (or the second)
    int year = 0;
    int field = -1; // the field it starts in
};

struct LineDraw {
    std::uint16_t number = 0;
    std::uint8_t timeKey = kUnnamed;
    std::uint16_t field = 0;
    std::uint16_t token = 0; // where it starts on the line
    std::uint8_t style = 0;  // how its digits are written: see DigitStyle
    std::int16_t clock = -1; // with kClock: the clock time naming it, in minutes after midnight
    std::int8_t addOn = -1;  // the add-on's digit drawn with it ("Fireball"), or -1
    std::uint16_t clockToken = 0;
};

enum DigitStyle : std::uint8_t { kJoined, kSeparate, kInFields };

struct LineReading {
    RawDate date;
    std::array<LineDraw, kMaxDrawsPerLine> draws{};
    int drawCount = 0;
    int timeField = -1; // the field of the draw-time word used, if any
};

// What the header and the user's choices say about the columns.
struct ColumnRules {
    char separator = ' ';                // ' ': free text, fields split by spaces
    std::vector<bool> ignored;           // per field: sums, bonus, prizes, other games
    std::vector<std::int8_t> headerTime; // per field: the draw time its header names, or -1
    int addOnColumn = -1;                // the field a header names an add-on in ("Fireball")
    bool fourthDigitAddOn = false;       // a fourth digit of a draw is the add-on's
    std::optional<int> dateColumn, timeColumn, drawColumn;
    // Draw-time codes, lower-case, and the key each names.
    std::vector<std::string> codes;
    std::vector<std::uint8_t> codeKeys;
};

class LineReader {
  public:
    // Splits the line into tokens; only its first bytes are looked at.
    // `plain`: its spaces are plain already.
    void tokenize(std::string_view line, char separator, bool plain = false);
    const std::vector<Token>& tokens() const { return tokens_; }
    int fieldCount() const { return fieldCount_; }
    LineReading read(const ColumnRules& rules);
    // The draw time a line such as "Pick 3 Evening" names for the draws below
    // it: one draw time ("Evening", "Mid-Day") and no number but a game's; else -1.
    int headingTime() const;
    // A line that only names a bonus digit, a sum or a prize ("Fireball: 4").
    bool onlyExtras() const;
    // The short word standing right before a draw: a draw-time code where the
    // file has them ("E" in "11/28/26 E 3-0-6"); empty where there is none.
    std::string codeBefore(const LineDraw& draw) const;
    // Where the records of a line holding several side by side begin (byte
    // offsets, the first 0), looking for dates from token `from` on; one
    // offset where the line holds one record.
    void recordStarts(const ColumnRules& rules, std::vector<std::size_t>& starts,
                      std::size_t from) const;
    // Words that are neither dates, draw times, codes nor known extras.
    bool hasOtherWords() const;
    // The clock time naming a draw as the line writes it ("7:29 PM", "19:29").
    std::string_view clockText(const LineDraw& draw) const;
    // The digit of a line that holds one digit and nothing else, or -1.
    int loneDigit() const;
    // Whether a field holds anything but the line's draws ("N/A" where a date
    // belongs).
    bool fieldHoldsOther(int field, const LineReading& reading) const;

  private:
    struct DateMatch {
        RawDate date;
        std::size_t from = 0, to = 0;
    };
    std::optional<DateMatch> dateAt(std::size_t i, const ColumnRules& rules) const;
    std::optional<DateMatch> monthDateAt(std::size_t i, const ColumnRules& rules) const;
    void markOrdinals();
    bool drawable(const ColumnRules& rules, const Token& t) const {
        const bool ignored = t.field < rules.ignored.size() && rules.ignored[t.field];
        return t.number && !t.used && !t.glued && !ignored;
    }
    bool aloneInField(std::size_t k) const {
        return (k == 0 || tokens_[k - 1].field != tokens_[k].field) &&
               (k + 1 == tokens_.size() || tokens_[k + 1].field != tokens_[k].field);
    }
    void addDraw(LineReading& out, int number, std::size_t first, DigitStyle style) const;
    std::size_t findDigitRun(const ColumnRules& rules, std::size_t i, LineReading& out);
    void findDrawWithAddOn(std::size_t i, LineReading& out);
    int ordinalAfter(std::size_t word, const LineDraw& draw) const;
    int timeOfDraw(const ColumnRules& rules, const LineDraw& draw, std::size_t& wordAt) const;
    RawDate findDate(const ColumnRules& rules);
    void findClocks();
    int clockOf(std::size_t k, std::size_t& end) const;
    int nameByClock(const ColumnRules& rules, LineDraw& draw, std::size_t& wordAt) const;
    void findDraws(const ColumnRules& rules, LineReading& out);
    void nameTimes(const ColumnRules& rules, LineReading& out) const;
    std::string_view text(const Token& t) const { return line_.substr(t.begin, t.length); }

    std::string_view line_;
    std::string plain_; // the line with its spaces made plain
    std::vector<Token> tokens_;
    int fieldCount_ = 0;
    // The clock times of the line: their minutes after midnight and tokens.
    struct Clock {
        int minutes = 0;
        std::size_t from = 0, to = 0;
    };
    std::array<Clock, 4> clocks_{};
    std::size_t clockCount_ = 0;
    bool colons_ = false; // the line holds a colon between tokens
};

// The rules a header row gives its columns: sums, bonus digits, prizes and
// other games' columns ignored, draw times named ("Midday Daily #").
void applyHeader(const std::vector<std::string>& names, ColumnRules& rules);

// The separator of a text's fields, from some of its lines.
char guessSeparator(const std::vector<std::string_view>& lines);
// The fields of a line split by the separator, quotes taken off, trimmed.
std::vector<std::string> splitFields(std::string_view line, char separator);

} // namespace pick3::importing
