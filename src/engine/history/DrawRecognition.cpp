// Recognising a dated draw history: a first look at the opening lines decides
// the separator, the header and the columns; one pass then reads every line
// into compact draws (the lines read ahead a batch at a time, on two threads
// where the text is long, then taken in order); the dates that allow two
// readings are settled for the whole text at once; last come the order, the
// repeats, the conflicts and the missing dates.

#include "engine/history/DrawImport.h"
#include "engine/history/ImportBatches.h"
#include "engine/history/ImportCodes.h"
#include "engine/history/ImportLine.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <span>

namespace pick3 {
using namespace importing;
namespace {

constexpr std::string_view kMsgCancelled = "Reading the draws was cancelled.";
constexpr std::string_view kMsgEmpty = "The text is empty: there are no draws to read.";
constexpr std::string_view kMsgNoDraws =
    "No draw found: not one line holds a date and the three digits drawn.";
constexpr std::string_view kNoDraw = "no draw of three digits";
constexpr std::string_view kNoDate = "no date";
constexpr std::string_view kNoSuchDate = "no such date";
constexpr std::string_view kEarlyDate = "a date before 1900";
constexpr std::string_view kNotLikeDraws = "not written like the draws around it";

constexpr std::size_t kSnippet = 100;          // bytes of an unread line kept
constexpr std::size_t kMaxUnreadKept = 10'000; // unread lines kept with their text
constexpr std::size_t kSampleLines = 200;
constexpr std::size_t kSampleBytes = 256 * 1024;
constexpr std::size_t kProgressStep = 1 << 20;
constexpr std::size_t kBatchSlots = 4; // batches read ahead and not yet read in order, at most
constexpr int kMaxColumns = 64;
// A date with two readings is kept packed in DatedDraw::day until the reading
// of the whole text is settled; real day numbers never come near this bit.
constexpr std::int32_t kAmbiguous = 1 << 30;
constexpr std::int32_t kNoDay = std::numeric_limits<std::int32_t>::min();

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n\f\v") == std::string_view::npos;
}

std::string_view trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// The start of a line, cut on a character boundary.
std::string snippetOf(std::string_view line) {
    line = trimmed(line);
    if (line.size() <= kSnippet) {
        return std::string(line);
    }
    std::size_t cut = kSnippet;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(line.substr(0, cut)) + "...";
}

// The lines of a text, numbered from 1; CR LF, LF, a lone CR and the Unicode
// line and paragraph separators all end a line. Each line comes with its
// spaces made plain.
class LineWalk {
  public:
    explicit LineWalk(std::string_view text) : LineWalk(text, lineBreakOf(text)) {}
    // A part of a text that starts a line: its lines end as the whole text's do.
    LineWalk(std::string_view text, char lineBreak) : text_(text), break_(lineBreak) {}
    // The character that ends the lines of a text (besides the Unicode breaks).
    static char lineBreakOf(std::string_view text) {
        return text.find('\n') == std::string_view::npos ? '\r' : '\n';
    }
    bool next(std::string_view& line) {
        if (pos_ > text_.size() || (pos_ == text_.size() && number_ > 0) || number_ == kLast) {
            return false;
        }
        const std::size_t end = text_.find(break_, pos_);
        std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        std::size_t skip = 1;
        const std::string_view rest = text_.substr(pos_, stop - pos_);
        const std::size_t lead = importing::findLeadByte(rest, 0);
        // A Unicode line break starts with one of two lead bytes.
        for (std::size_t k = lead; lead != std::string_view::npos && k < rest.size(); ++k) {
            const auto b = static_cast<std::uint8_t>(rest[k]);
            const std::size_t length =
                b == 0xC2 || b == 0xE2 ? importing::unicodeBreakAt(rest, k) : 0;
            if (length > 0) {
                stop = pos_ + k;
                skip = length;
                break;
            }
        }
        line = text_.substr(pos_, stop - pos_);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        copied_ = false;
        if (lead != std::string_view::npos) {
            line = importing::plainSpaces(line, plain_);
            copied_ = line.data() == plain_.data();
        }
        pos_ = stop + skip;
        ++number_;
        return true;
    }
    std::int32_t number() const { return number_; }
    std::size_t offset() const { return std::min(pos_, text_.size()); }
    // The last line is a copy with its spaces made plain, not a part of the text.
    bool copied() const { return copied_; }
    static constexpr std::int32_t kLast = std::numeric_limits<std::int32_t>::max();

  private:
    std::string_view text_;
    char break_;
    std::size_t pos_ = 0;
    std::int32_t number_ = 0;
    std::string plain_;
    bool copied_ = false;
};

std::optional<DayNumber> dayOf(int year, int month, int day) {
    return dayNumberOf({year, month, day});
}

// The day a packed date stands for, read month/day or day/month; kNoDay where
// that is no date. A day's draws come one after another: the last answer for
// each order is kept. (Plain numbers, not optional ones, on the path of every
// line: an optional written a field at a time and read back whole stalls.)
class Unpacker {
  public:
    DayNumber operator()(std::int32_t code, DateOrder order) {
        const auto o = static_cast<std::size_t>(order);
        if (code != codes_[o]) {
            const int year = ((code >> 10) & 0x3FF) + 1900;
            const int first = (code >> 5) & 0x1F;
            const int second = code & 0x1F;
            days_[o] = (order == DateOrder::DayMonthYear ? dayOf(year, second, first)
                                                         : dayOf(year, first, second))
                           .value_or(kNoDay);
            codes_[o] = code;
        }
        return days_[o];
    }

  private:
    std::array<std::int32_t, 3> codes_{-1, -1, -1};
    std::array<DayNumber, 3> days_{};
};

// The day of a date as found, or its packed form while its reading is open;
// kNoDay where no reading gives a real day.
std::int32_t encode(const RawDate& date, Unpacker& unpack) {
    if (!date.ambiguous) {
        return dayOf(date.year, date.first, date.second).value_or(kNoDay);
    }
    if (date.first < 1 || date.first > 31 || date.second < 1 || date.second > 31) {
        return kNoDay;
    }
    const std::int32_t code = kAmbiguous | (date.year - 1900) << 10 | date.first << 5 | date.second;
    if (unpack(code, DateOrder::MonthDayYear) == kNoDay &&
        unpack(code, DateOrder::DayMonthYear) == kNoDay) {
        return kNoDay;
    }
    return code;
}

// How far the dates jump from row to row when read this way: a history runs
// from day to day, so the smaller sum is the right reading.
std::int64_t jumps(const std::vector<DatedDraw>& draws, DateOrder order) {
    Unpacker unpack;
    std::int64_t sum = 0;
    std::optional<DayNumber> previous;
    for (const DatedDraw& d : draws) {
        const bool open = d.day >= 0 && (d.day & kAmbiguous) != 0;
        const DayNumber day = open ? unpack(d.day, order) : d.day;
        if (day == kNoDay) {
            sum += 1000;
            continue;
        }
        if (previous) {
            sum += std::min(std::abs(day - *previous), 400);
        }
        previous = day;
    }
    return sum;
}

// A stable sort that takes the runs already in order as they are, merging
// neighbours pass by pass: a history read top to bottom is one run, or a few
// where it was given twice. Draws in no order are left to std::stable_sort.
template <class T, class Less> void stableSortRuns(std::vector<T>& items, Less less) {
    std::vector<std::size_t> runs{0}; // where each run starts
    for (std::size_t i = 1; i < items.size(); ++i) {
        if (less(items[i], items[i - 1])) {
            runs.push_back(i);
        }
    }
    if (runs.size() == 1) {
        return;
    }
    if (runs.size() > items.size() / 16) {
        std::stable_sort(items.begin(), items.end(), less);
        return;
    }
    runs.push_back(items.size());
    std::vector<T> buffer(items.size());
    while (runs.size() > 2) {
        std::vector<std::size_t> merged{0};
        for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
            const auto first = items.begin() + static_cast<std::ptrdiff_t>(runs[r]);
            const auto middle = items.begin() + static_cast<std::ptrdiff_t>(runs[r + 1]);
            const auto last = r + 2 < runs.size()
                                  ? items.begin() + static_cast<std::ptrdiff_t>(runs[r + 2])
                                  : middle;
            // Of two equal items, the one of the earlier run comes first.
            std::merge(first, middle, middle, last,
                       buffer.begin() + static_cast<std::ptrdiff_t>(runs[r]), less);
            merged.push_back(r + 2 < runs.size() ? runs[r + 2] : runs[r + 1]);
        }
        items.swap(buffer);
        runs = std::move(merged);
    }
}

template <std::size_t N> int mostCommon(const std::array<int, N>& counts, int none) {
    const auto top = std::max_element(counts.begin(), counts.end());
    return *top == 0 ? none : static_cast<int>(top - counts.begin());
}

// Each record of a line: the line itself, or, where it holds several records
// side by side (a list saved from a PDF: "11/28/26 E 3-0-6    09/29/26 E 6-6-2"),
// each of them, left to right. f(reader, reading, several).
template <class F>
void forEachRecord(std::string_view line, LineReader& reader, const ColumnRules& rules, F&& f) {
    reader.tokenize(line, rules.separator, true);
    const LineReading first = reader.read(rules);
    if (first.drawCount == 0 || first.date.style == DateStyle::None) {
        f(reader, first, false);
        return;
    }
    // Another record starts with a date after the first draw.
    thread_local std::vector<std::size_t> starts;
    reader.recordStarts(rules, starts, first.draws[0].token + 1u);
    if (starts.size() > 1) {
        const std::string copy(line);
        std::vector<std::string_view> pieces;
        int withDraws = 0;
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : copy.size();
            pieces.push_back(std::string_view(copy).substr(starts[k], end - starts[k]));
            reader.tokenize(pieces.back(), rules.separator, true);
            withDraws += reader.read(rules).drawCount > 0 ? 1 : 0;
        }
        if (withDraws >= 2) {
            for (const std::string_view piece : pieces) {
                reader.tokenize(piece, rules.separator, true);
                f(reader, reader.read(rules), true);
            }
            return;
        }
        reader.tokenize(line, rules.separator);
        f(reader, reader.read(rules), false);
        return;
    }
    f(reader, first, false);
}

// How the draws of a line are written: their digits (one number, digits apart,
// a field each) and whether the line names their draw time.
int shapeOf(const LineReading& r) {
    const LineDraw& first = r.draws[0];
    return first.style * 2 + (first.timeKey < kUnnamed ? 1 : 0);
}

// What a first look at the opening lines tells.
struct FirstLook {
    ColumnRules rules;
    ImportLayout layout;
    std::int32_t firstDataLine = 0; // the lines before it are a title or a header
    std::string header;
    int drawsPerLine = 1;
    std::vector<int> drawFields; // where the draws of a row stand, left to right
    // How the draw lines under a date are written, and whether they hold
    // words of their own: a line written otherwise is page furniture.
    int lineShape = -1;
    bool shapeWords = false;
    // A line saying what the draw-time codes stand for ("1 = Midday, 2 = Evening").
    std::string legendLine;
    std::vector<std::pair<std::string, std::string>> legend;
};

struct Sample {
    std::vector<std::string> lines;
    std::vector<std::int32_t> numbers;
};

Sample sampleOf(std::string_view text) {
    Sample sample;
    LineWalk walk(text);
    std::string_view line;
    while (sample.lines.size() < kSampleLines && walk.offset() < kSampleBytes && walk.next(line)) {
        if (!isBlank(line)) {
            sample.lines.emplace_back(line);
            sample.numbers.push_back(walk.number());
        }
    }
    return sample;
}

// "1 = Midday, 2 = Evening": two codes or more, each short, each naming a draw
// time with a word.
std::vector<std::pair<std::string, std::string>> legendOf(std::string_view line) {
    if (line.find('=') == std::string_view::npos) {
        return {};
    }
    auto codes = parseTimeCodes(line);
    const bool legend =
        codes.size() >= 2 && std::all_of(codes.begin(), codes.end(), [](const auto& code) {
            const auto alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)); };
            const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)); };
            return code.first.size() <= 3 &&
                   std::all_of(code.first.begin(), code.first.end(), alnum) &&
                   code.first != code.second &&
                   std::any_of(code.second.begin(), code.second.end(), letter);
        });
    return legend ? codes : decltype(codes){};
}

void findLegend(const Sample& sample, FirstLook& look) {
    for (const std::string& line : sample.lines) {
        if (auto legend = legendOf(line); !legend.empty()) {
            look.legendLine = std::string(trimmed(line));
            look.legend = std::move(legend);
            return;
        }
    }
}

// The codes found, named and ordered by the file's legend where it names them all.
std::vector<std::pair<std::string, std::string>>
withLegend(std::vector<std::pair<std::string, std::string>> found,
           const std::vector<std::pair<std::string, std::string>>& legend) {
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    const bool named =
        !found.empty() && std::all_of(found.begin(), found.end(), [&](const auto& f) {
            return std::any_of(legend.begin(), legend.end(),
                               [&](const auto& l) { return lower(l.first) == lower(f.first); });
        });
    return named ? legend : found;
}

// The first line holding a draw, and the header above it.
std::size_t findFirstData(const Sample& sample, FirstLook& look) {
    LineReader reader;
    std::size_t first = 0;
    for (; first < sample.lines.size(); ++first) {
        reader.tokenize(sample.lines[first], look.rules.separator);
        if (reader.read(look.rules).drawCount > 0) {
            break;
        }
    }
    if (first == sample.lines.size()) {
        // No draw on a line of its own (one digit a line, say): what stands
        // above the first date is a title; nothing is taken for a header.
        for (first = 0; first < sample.lines.size(); ++first) {
            reader.tokenize(sample.lines[first], look.rules.separator);
            if (reader.read(look.rules).date.style != DateStyle::None) {
                break;
            }
        }
        look.firstDataLine = first < sample.numbers.size() ? sample.numbers[first] : 0;
        return 0;
    }
    look.firstDataLine = first < sample.numbers.size() ? sample.numbers[first] : 0;
    for (std::size_t k = first; k-- > 0;) {
        if (!look.legendLine.empty() && trimmed(sample.lines[k]) == look.legendLine) {
            continue;
        }
        reader.tokenize(sample.lines[k], look.rules.separator);
        if (reader.read(look.rules).date.style == DateStyle::None) {
            look.header = std::string(trimmed(sample.lines[k]));
            break;
        }
    }
    return first;
}

// Draw-time codes, and the shape of the draw lines that take the date above them.
void findCodesAndShape(const Sample& sample, std::size_t first, const ImportChoices& choices,
                       FirstLook& look) {
    CodeFinder finder;
    LineReader reader;
    for (std::size_t k = first; k < sample.lines.size(); ++k) {
        forEachRecord(
            sample.lines[k], reader, look.rules,
            [&](const LineReader& r, const LineReading& reading, bool) { finder.see(r, reading); });
    }
    look.layout.timeCodes = choices.timeCodes.value_or(withLegend(finder.codes(), look.legend));
    applyCodes(look.layout.timeCodes, look.rules);
    std::array<int, 8> undated{};
    std::array<int, 8> dated{};
    std::array<int, 2> words{};
    for (std::size_t k = first; k < sample.lines.size(); ++k) {
        forEachRecord(sample.lines[k], reader, look.rules,
                      [&](const LineReader& r, const LineReading& reading, bool) {
                          if (reading.drawCount == 0) {
                              return;
                          }
                          const bool hasDate = reading.date.style != DateStyle::None;
                          ++(hasDate ? dated : undated)[static_cast<std::size_t>(shapeOf(reading))];
                          ++words[r.hasOtherWords() ? 1 : 0];
                      });
    }
    const bool anyUndated =
        std::any_of(undated.begin(), undated.end(), [](int n) { return n > 0; });
    look.lineShape = mostCommon(anyUndated ? undated : dated, -1);
    look.shapeWords = words[1] > words[0];
}

// Where the date, the draw time and the draw stand on most lines, and how many
// draws a row holds.
void findColumns(const Sample& sample, std::size_t first, const ImportChoices& choices,
                 FirstLook& look) {
    ImportLayout& layout = look.layout;
    std::array<int, kMaxColumns> dateAt{}, timeAt{}, drawAt{};
    std::array<int, kMaxDrawsPerLine + 1> perLine{};
    int fields = 0;
    LineReader reader;
    const auto count = [](auto& counts, int at) {
        if (at >= 0 && at < kMaxColumns) {
            ++counts[static_cast<std::size_t>(at)];
        }
    };
    const auto countRecord = [&](const LineReader& lineReader, const LineReading& r, bool) {
        fields = std::max(fields, lineReader.fieldCount());
        if (r.drawCount == 0) {
            return;
        }
        // Draws with one draw time on one row count once: the rest are prizes.
        std::bitset<kTimeKeys> named;
        int distinct = 0;
        for (int d = 0; d < r.drawCount; ++d) {
            const std::size_t key = r.draws[static_cast<std::size_t>(d)].timeKey;
            distinct += key < kUnnamed && named[key] ? 0 : 1;
            named[key] = true;
        }
        ++perLine[static_cast<std::size_t>(distinct)];
        count(dateAt, r.date.field);
        count(timeAt, r.timeField);
        count(drawAt, r.draws[0].field);
        for (int d = 0; d < r.drawCount && r.drawCount > 1; ++d) {
            const int field = r.draws[static_cast<std::size_t>(d)].field;
            if (std::find(look.drawFields.begin(), look.drawFields.end(), field) ==
                look.drawFields.end()) {
                look.drawFields.push_back(field);
            }
        }
    };
    for (std::size_t k = first; k < sample.lines.size(); ++k) {
        forEachRecord(sample.lines[k], reader, look.rules, countRecord);
    }
    for (int f = static_cast<int>(layout.columns.size()); f < std::min(fields, kMaxColumns); ++f) {
        layout.columns.push_back("Field " + std::to_string(f + 1));
    }
    // Rows of several draws: a third of the rows or more hold more than one (the
    // newest row may wait for its later draws).
    int rows = 0;
    int severalRows = 0;
    for (std::size_t k = 1; k < perLine.size(); ++k) {
        rows += perLine[k];
        severalRows += k > 1 ? perLine[k] : 0;
    }
    perLine[1] = severalRows * 3 >= rows ? 0 : perLine[1];
    look.drawsPerLine = std::max(1, mostCommon(perLine, 1));
    std::sort(look.drawFields.begin(), look.drawFields.end());
    layout.rowPerDate = look.drawsPerLine > 1 && choices.drawColumn.value_or(-1) < 0;
    layout.dateColumn = choices.dateColumn.value_or(mostCommon(dateAt, -1));
    layout.timeColumn = choices.timeColumn.value_or(mostCommon(timeAt, -1));
    layout.drawColumn =
        choices.drawColumn.value_or(layout.rowPerDate ? -1 : mostCommon(drawAt, -1));
}

FirstLook firstLook(std::string_view text, const ImportChoices& choices) {
    const Sample sample = sampleOf(text);
    std::vector<std::string_view> views(sample.lines.begin(), sample.lines.end());
    FirstLook look;
    look.rules.separator = guessSeparator(views);
    findLegend(sample, look);
    const std::size_t first = findFirstData(sample, look);
    ImportLayout& layout = look.layout;
    layout.separator = look.rules.separator;
    layout.hasHeader = !look.header.empty();
    // Free text lines its words up by spaces, not under a header's names.
    if (layout.hasHeader && look.rules.separator != ' ') {
        layout.columns = splitFields(look.header, look.rules.separator);
        applyHeader(layout.columns, look.rules);
    }
    findCodesAndShape(sample, first, choices, look);
    findColumns(sample, first, choices, look);
    // The user's corrections bind; -1 chosen for the date or the draw means "anywhere".
    if (choices.dateColumn && *choices.dateColumn >= 0) {
        look.rules.dateColumn = choices.dateColumn;
    }
    look.rules.timeColumn = choices.timeColumn;
    look.rules.fourthDigitAddOn = choices.fourthDigitAddOn;
    if (choices.drawColumn && *choices.drawColumn >= 0) {
        look.rules.drawColumn = choices.drawColumn;
    }
    return look;
}

// A row of columns whose date cell holds something that is no date ("N/A"):
// an empty cell takes the date above, such a cell does not.
bool dateCellNotADate(const FirstLook& look, const LineReader& reader, const LineReading& r) {
    const ImportLayout& layout = look.layout;
    return look.rules.separator != ' ' && layout.dateColumn >= 0 &&
           layout.dateColumn != layout.drawColumn && reader.fieldHoldsOther(layout.dateColumn, r);
}

// A record of a line as the reading in order takes it: what the line reader
// made of it, and the answers about its tokens that the reading may ask.
struct Record {
    LineReading reading;
    bool several = false; // one of records side by side
    // Of a record with neither a date nor a draw:
    int loneDigit = -1;
    bool onlyExtras = false;
    bool anyNumber = false;
    int headingTime = -1;
    // Of a record with draws and no date:
    bool otherWords = false;
    bool dateCellOther = false;
    // Where its draws' clock texts start in its batch, one a draw; -1 where no
    // clock time names a draw.
    std::int32_t clocks = -1;
};

// A line read ahead: its text, in the text or among its batch's copies, and its records.
struct LineAhead {
    std::size_t begin = 0;
    std::size_t length = 0;
    bool copied = false; // its spaces were made plain
    bool blank = false;
    std::size_t end = 0; // where the text goes on after it
    std::size_t firstRecord = 0;
    std::size_t records = 0;
};

// The lines from one line break of the text to another (or to its ends), read
// ahead. The reading of a line depends on the first look alone, never on the
// lines before it, so batches are read ahead on any thread; only the reading
// in order that follows, line after line, carries anything from line to line.
struct Batch {
    std::size_t from = 0;
    std::size_t to = 0;
    std::vector<LineAhead> lines;
    std::vector<Record> records;
    std::string copies;
    std::vector<std::string> clockTexts;

    void readAhead(std::string_view text, char lineBreak, const FirstLook& look);
    // A record of the line being read ahead, with the answers the reading in order may ask.
    void addRecord(const FirstLook& look, const LineReader& r, const LineReading& reading,
                   bool several);
    std::string_view textOf(std::string_view text, const LineAhead& line) const {
        return (line.copied ? std::string_view(copies) : text).substr(line.begin, line.length);
    }
};

void Batch::readAhead(std::string_view text, char lineBreak, const FirstLook& look) {
    lines.clear();
    records.clear();
    copies.clear();
    clockTexts.clear();
    const std::string_view part = text.substr(from, to - from);
    // As many lines as line breaks, give or take one: room made once.
    const auto breaks = static_cast<std::size_t>(std::count(part.begin(), part.end(), lineBreak));
    lines.reserve(breaks + 1);
    records.reserve(breaks + 1);
    LineWalk walk(part, lineBreak);
    LineReader reader;
    std::string_view line;
    while (walk.next(line)) {
        LineAhead& ahead = lines.emplace_back();
        ahead.end = from + walk.offset();
        ahead.copied = walk.copied();
        ahead.begin =
            ahead.copied ? copies.size() : static_cast<std::size_t>(line.data() - text.data());
        ahead.length = line.size();
        if (ahead.copied) {
            copies += line;
        }
        ahead.blank = isBlank(line);
        ahead.firstRecord = records.size();
        if (ahead.blank) {
            continue;
        }
        forEachRecord(line, reader, look.rules,
                      [&](const LineReader& r, const LineReading& reading, bool several) {
                          addRecord(look, r, reading, several);
                      });
        ahead.records = records.size() - ahead.firstRecord;
    }
}

void Batch::addRecord(const FirstLook& look, const LineReader& r, const LineReading& reading,
                      bool several) {
    Record& record = records.emplace_back();
    record.reading = reading;
    record.several = several;
    const bool dated = reading.date.style != DateStyle::None;
    if (reading.drawCount == 0 && !dated) {
        record.loneDigit = r.loneDigit();
        record.onlyExtras = r.onlyExtras();
        record.anyNumber = std::any_of(r.tokens().begin(), r.tokens().end(),
                                       [](const Token& t) { return t.number; });
        record.headingTime = r.headingTime();
    }
    if (reading.drawCount > 0 && !dated) {
        record.otherWords = r.hasOtherWords();
        record.dateCellOther = dateCellNotADate(look, r, reading);
    }
    const auto draws = reading.draws.begin() + reading.drawCount;
    if (std::any_of(reading.draws.begin(), draws,
                    [](const LineDraw& d) { return d.timeKey == kClock; })) {
        record.clocks = static_cast<std::int32_t>(clockTexts.size());
        for (auto d = reading.draws.begin(); d != draws; ++d) {
            clockTexts.emplace_back(d->timeKey == kClock ? r.clockText(*d) : std::string_view());
        }
    }
}

class Reading {
  public:
    Reading(std::string_view text, const ImportChoices& choices, const ImportProgress& progress,
            const BatchPlan& plan)
        : text_(text), choices_(choices), progress_(progress), plan_(plan) {}
    Result<ImportResult> run();

  private:
    bool readLines();
    bool readBatch(const Batch& batch);
    void readRecord(std::int32_t number, std::string_view line, const Record& record,
                    std::span<const std::string> clocks);
    std::int32_t dateOfRecord(std::int32_t number, std::string_view line, const Record& record,
                              bool& underHeading);
    void refuseDate(std::int32_t number, std::string_view reason, std::string_view line);
    void addDraws(std::int32_t number, std::int32_t code, const LineReading& r,
                  std::span<const std::string> clocks, bool underHeading);
    std::uint8_t clockKey(const LineDraw& draw, std::string_view text);
    bool readBall(std::int32_t number, std::string_view line, const Record& record);
    void closeBalls();
    void settleDates();
    void readAmbiguousDates(DateOrder order);
    void nameTimes();
    void sortAndCheck();
    void findMissingDates();
    void addUnread(std::int32_t line, std::string_view reason, std::string_view text);
    void flushHeading();
    void endPage();

    std::string_view text_;
    const ImportChoices& choices_;
    const ImportProgress& progress_;
    BatchPlan plan_;
    FirstLook look_;
    std::int32_t lineNumber_ = 0; // of the last line read in order
    Unpacker unpack_;
    std::size_t nextReport_ = kProgressStep;
    ImportResult result_;
    std::array<std::int64_t, 5> styles_{};
    std::int64_t dayFirstSeen_ = 0;   // dates whose first part is over 12
    std::int64_t monthFirstSeen_ = 0; // dates whose second part is over 12
    std::vector<std::int32_t> noSuchDate_;
    int headingTime_ = -1; // the draw time a line of its own named for the rows below it
    // The clock times met, by key - kClock: minutes after midnight, as written.
    std::vector<std::pair<int, std::string>> clocks_;
    // A results page that draws each digit as a ball of its own gives one digit
    // a line, under a draw-time line; the add-on ball comes after its name.
    struct Balls {
        bool open = false;      // a draw-time line came: digits may follow
        bool done = false;      // the last three made a draw
        bool addOnNext = false; // the next digit is the add-on's ("Fireball", then 3)
        int digits = 0;
        int number = 0;
        std::array<std::int32_t, 2> lines{};
        std::array<std::string, 2> texts;
    } balls_;
    // The last date line: the date of the draws on the lines below it.
    struct Heading {
        std::int32_t code = 0;
        std::int32_t line = 0;
        std::string text;
        bool active = false;
        bool used = false;
    } heading_;
    // Records side by side are read the left column down the page, then the
    // next one. They carry nothing down, and the lines not read are listed by
    // line, so each is read as its line comes and only the draws of the later
    // columns wait, by column, for the page to end.
    std::vector<std::vector<DatedDraw>> laterColumns_;
    // The column of the record being read, 0 for the first or only one; after
    // a line of records side by side, until the page ends, its last column.
    std::size_t column_ = 0;
};

void Reading::addUnread(std::int32_t line, std::string_view reason, std::string_view text) {
    ++result_.unreadCount;
    if (result_.unread.size() < kMaxUnreadKept) {
        result_.unread.push_back({line, std::string(reason), snippetOf(text)});
    }
}

void Reading::flushHeading() {
    if (heading_.active && !heading_.used) {
        addUnread(heading_.line, kNoDraw, heading_.text);
    }
    heading_.active = false;
}

bool Reading::readLines() {
    const auto lineCount = static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n'));
    // A line with a draw holds a dozen bytes at least: blank lines reserve nothing.
    const std::size_t rows = std::min(lineCount + 1, text_.size() / 12 + 1);
    result_.draws.reserve(rows * static_cast<std::size_t>(look_.drawsPerLine));
    const char lineBreak = LineWalk::lineBreakOf(text_);
    // Where the batches start: each takes its bytes, then the rest of the line
    // they end in.
    std::vector<std::size_t> starts;
    for (std::size_t from = 0; from < text_.size();) {
        starts.push_back(from);
        const std::size_t bytes = std::clamp<std::size_t>(plan_.bytes, 1, text_.size() - from);
        const std::size_t at = text_.find(lineBreak, from + bytes);
        from = at == std::string_view::npos ? text_.size() : at + 1;
    }
    starts.push_back(text_.size());
    std::vector<Batch> slots(plan_.secondThread ? kBatchSlots : 1);
    const bool read = aheadThenInOrder(
        starts.size() - 1, slots.size(), plan_.secondThread,
        [&](std::size_t batch, std::size_t slot) {
            slots[slot].from = starts[batch];
            slots[slot].to = starts[batch + 1];
            slots[slot].readAhead(text_, lineBreak, look_);
        },
        [&](std::size_t, std::size_t slot) { return readBatch(slots[slot]); });
    if (!read) {
        return false;
    }
    endPage();
    closeBalls();
    flushHeading();
    return true;
}

// The lines of a batch, in order; false where the reading was cancelled.
bool Reading::readBatch(const Batch& batch) {
    for (const LineAhead& ahead : batch.lines) {
        if (lineNumber_ == LineWalk::kLast) {
            return true; // no line is numbered past this
        }
        const std::int32_t number = ++lineNumber_;
        if (ahead.end >= nextReport_) {
            nextReport_ = ahead.end + kProgressStep;
            if (progress_ && !progress_(0.9 * static_cast<double>(ahead.end) /
                                        static_cast<double>(text_.size()))) {
                return false;
            }
        }
        const std::string_view line = batch.textOf(text_, ahead);
        if (column_ > 0 && line.find('\f') != std::string_view::npos) {
            endPage(); // a new page of the PDF
        }
        if (ahead.blank) {
            continue;
        }
        std::size_t column = 0;
        for (std::size_t k = ahead.firstRecord; k < ahead.firstRecord + ahead.records; ++k) {
            const Record& record = batch.records[k];
            if (!record.several && column_ > 0) {
                endPage(); // a line that does not split ends the page
            }
            column_ = record.several ? column++ : 0;
            const std::span<const std::string> clocks =
                record.clocks < 0
                    ? std::span<const std::string>()
                    : std::span<const std::string>(batch.clockTexts)
                          .subspan(static_cast<std::size_t>(record.clocks),
                                   static_cast<std::size_t>(record.reading.drawCount));
            readRecord(number, line, record, clocks);
        }
    }
    return true;
}

void Reading::endPage() {
    for (std::vector<DatedDraw>& column : laterColumns_) {
        result_.draws.insert(result_.draws.end(), column.begin(), column.end());
        column.clear();
    }
    column_ = 0;
}

void Reading::readRecord(std::int32_t number, std::string_view line, const Record& record,
                         std::span<const std::string> clocks) {
    const LineReading& r = record.reading;
    const bool dated = r.date.style != DateStyle::None;
    if (readBall(number, line, record)) {
        return;
    }
    if (r.drawCount == 0 && !dated && record.headingTime >= 0) {
        headingTime_ = record.headingTime; // "Pick 3 Evening" above its draws
        balls_.open = true;
        return;
    }
    if (r.drawCount == 0 && !dated && !look_.legendLine.empty() &&
        trimmed(line) == look_.legendLine) {
        return; // "1 = Midday, 2 = Evening"
    }
    if ((!look_.header.empty() && trimmed(line) == look_.header) ||
        (r.drawCount == 0 && !dated && record.onlyExtras)) {
        return; // the header again, or a line such as "Fireball: 4"
    }
    if (number < look_.firstDataLine && !dated) {
        return; // a title above the history
    }
    bool underHeading = false;
    const std::int32_t code = dateOfRecord(number, line, record, underHeading);
    if (code != kNoDay) {
        addDraws(number, code, r, clocks, underHeading);
    }
}

// One digit a line under a draw-time line: three make a draw. Whether the
// line was taken so.
bool Reading::readBall(std::int32_t number, std::string_view line, const Record& record) {
    const LineReading& r = record.reading;
    const bool plain = r.drawCount == 0 && r.date.style == DateStyle::None;
    const int digit = plain ? record.loneDigit : -1;
    if (digit < 0) {
        if (balls_.open || balls_.done || balls_.addOnNext) {
            const bool addOn = balls_.done && plain && record.onlyExtras && !record.anyNumber;
            closeBalls();
            balls_.addOnNext = addOn;
        }
        return false;
    }
    if (balls_.addOnNext) {
        balls_.addOnNext = false;
        if (!result_.draws.empty()) {
            result_.draws.back().addOn = static_cast<std::int8_t>(digit); // kept beside the draw
        }
        return true; // the add-on's digit: no digit of the draw
    }
    if (!balls_.open || !heading_.active || headingTime_ < 0) {
        return false;
    }
    if (balls_.digits < 2) {
        balls_.lines[static_cast<std::size_t>(balls_.digits)] = number;
        balls_.texts[static_cast<std::size_t>(balls_.digits)] = snippetOf(line);
    }
    balls_.number = balls_.number * 10 + digit;
    if (++balls_.digits == 3) {
        heading_.used = true;
        result_.draws.push_back({heading_.code, static_cast<std::uint8_t>(headingTime_), -1,
                                 static_cast<std::uint16_t>(balls_.number), balls_.lines[0]});
        balls_ = Balls{};
        balls_.done = true;
    }
    return true;
}

// Digits that made no draw are lines not read.
void Reading::closeBalls() {
    for (int k = 0; k < balls_.digits && k < 2; ++k) {
        addUnread(balls_.lines[static_cast<std::size_t>(k)], kNoDraw,
                  balls_.texts[static_cast<std::size_t>(k)]);
    }
    balls_ = Balls{};
}

// The date of a record: its own, or the date line's above it when the record
// is written like the draws of the file. kNoDay where the record is reported.
std::int32_t Reading::dateOfRecord(std::int32_t number, std::string_view line, const Record& record,
                                   bool& underHeading) {
    const LineReading& r = record.reading;
    const bool several = record.several;
    if (r.date.style != DateStyle::None) {
        const std::int32_t code = r.date.year < 1900 ? kNoDay : encode(r.date, unpack_);
        if (code == kNoDay) {
            refuseDate(number, r.date.year < 1900 ? kEarlyDate : kNoSuchDate, line);
            return kNoDay;
        }
        ++styles_[static_cast<std::size_t>(r.date.style)];
        if (r.date.ambiguous) {
            dayFirstSeen_ += r.date.first > 12 ? 1 : 0;
            monthFirstSeen_ += r.date.second > 12 ? 1 : 0;
        }
        flushHeading();
        // A date carries down its block, whether or not its line holds a draw;
        // records side by side carry nothing down.
        heading_.code = code;
        heading_.line = number;
        if (r.drawCount > 0) {
            heading_.text.clear();
        } else {
            heading_.text = snippetOf(line);
        }
        heading_.active = !several;
        heading_.used = r.drawCount > 0;
        if (r.drawCount == 0) {
            if (several) {
                addUnread(number, kNoDraw, line);
            }
            return kNoDay;
        }
        return code;
    }
    if (r.drawCount == 0) {
        addUnread(number, kNoDraw, line);
        return kNoDay;
    }
    if (!heading_.active || record.dateCellOther) {
        refuseDate(number, kNoDate, line);
        return kNoDay;
    }
    if (shapeOf(r) != look_.lineShape || (record.otherWords && !look_.shapeWords)) {
        addUnread(number, kNotLikeDraws, line);
        return kNoDay;
    }
    heading_.used = true;
    underHeading = true;
    return heading_.code;
}

// A date that is refused ends the block of the date above: the lines under
// it are not that date's.
void Reading::refuseDate(std::int32_t number, std::string_view reason, std::string_view line) {
    addUnread(number, reason, line);
    flushHeading();
}

// The key of a draw's clock time: one per time of day, named as first written.
std::uint8_t Reading::clockKey(const LineDraw& draw, std::string_view text) {
    for (std::size_t c = 0; c < clocks_.size(); ++c) {
        if (clocks_[c].first == draw.clock) {
            return static_cast<std::uint8_t>(kClock + static_cast<int>(c));
        }
    }
    if (clocks_.size() == static_cast<std::size_t>(kMaxClocks)) {
        return kUnnamed;
    }
    clocks_.emplace_back(draw.clock, std::string(text));
    return static_cast<std::uint8_t>(kClock + static_cast<int>(clocks_.size()) - 1);
}

void Reading::addDraws(std::int32_t number, std::int32_t code, const LineReading& r,
                       std::span<const std::string> clocks, bool underHeading) {
    // A row holds each draw time once: a second number of three digits with
    // the same draw time is a prize or the like. Where rows hold one draw, an
    // unnamed second number is one too.
    std::bitset<kTimeKeys> times;
    for (int d = 0; d < r.drawCount; ++d) {
        const LineDraw& draw = r.draws[static_cast<std::size_t>(d)];
        // Below a date on a line of its own, a draw-time line names the draws.
        std::uint8_t time = draw.timeKey == kUnnamed && underHeading && headingTime_ >= 0
                                ? static_cast<std::uint8_t>(headingTime_)
                                : draw.timeKey;
        if (time == kClock) {
            const auto at = static_cast<std::size_t>(d);
            time = clockKey(draw,
                            at < clocks.size() ? std::string_view(clocks[at]) : std::string_view());
        }
        if (look_.layout.rowPerDate && (time == kUnnamed || time >= kPositional)) {
            // Unnamed draws of a row are told apart by their column, so that a
            // row missing its first draw names the second one rightly.
            const auto& fields = look_.drawFields;
            const auto at = std::find(fields.begin(), fields.end(), draw.field);
            const auto place = at == fields.end() ? d : static_cast<int>(at - fields.begin());
            time = static_cast<std::uint8_t>(kPositional + std::min(place, kMaxDrawsPerLine - 1));
        } else if (!look_.layout.rowPerDate && time >= kPositional) {
            if (d > 0) {
                break;
            }
            time = kUnnamed;
        }
        if (times[time]) {
            continue;
        }
        times[time] = true;
        if (column_ > laterColumns_.size()) {
            laterColumns_.resize(column_);
        }
        (column_ == 0 ? result_.draws : laterColumns_[column_ - 1])
            .push_back({code, time, draw.addOn, draw.number, number});
    }
}

void Reading::settleDates() {
    ImportLayout& layout = result_.layout;
    const bool anyAmbiguous =
        std::any_of(result_.draws.begin(), result_.draws.end(),
                    [](const DatedDraw& d) { return d.day >= 0 && (d.day & kAmbiguous) != 0; });
    DateOrder order = DateOrder::MonthDayYear;
    if (choices_.dateOrder && *choices_.dateOrder != DateOrder::YearMonthDay) {
        order = *choices_.dateOrder;
    } else if (dayFirstSeen_ != monthFirstSeen_ && (dayFirstSeen_ == 0 || monthFirstSeen_ == 0)) {
        order = dayFirstSeen_ > 0 ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
    } else if (anyAmbiguous) {
        // Nothing over 12 tells, or both readings are seen: the dates decide.
        if (dayFirstSeen_ != monthFirstSeen_) {
            order =
                dayFirstSeen_ > monthFirstSeen_ ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
        } else if (jumps(result_.draws, DateOrder::DayMonthYear) <
                   jumps(result_.draws, DateOrder::MonthDayYear)) {
            order = DateOrder::DayMonthYear;
        }
        layout.dateOrderGuessed = !choices_.dateOrder;
    }
    if (anyAmbiguous) {
        layout.dateOrder = order;
    } else if (choices_.dateOrder) {
        layout.dateOrder = *choices_.dateOrder;
    } else {
        const auto most = [&](DateStyle s) { return styles_[static_cast<std::size_t>(s)]; };
        layout.dateOrder = most(DateStyle::YearFirst) >= std::max(most(DateStyle::MonthName),
                                                                  most(DateStyle::DayMonthName))
                               ? DateOrder::YearMonthDay
                           : most(DateStyle::DayMonthName) > most(DateStyle::MonthName)
                               ? DateOrder::DayMonthYear
                               : DateOrder::MonthDayYear;
        if (most(DateStyle::Numbers) > most(DateStyle::YearFirst)) {
            layout.dateOrder = DateOrder::MonthDayYear;
        }
    }
    if (anyAmbiguous) {
        readAmbiguousDates(order);
    }
}

// Reads each date that either order could read in `order`; a date that does
// not exist that way is a line not read.
void Reading::readAmbiguousDates(DateOrder order) {
    Unpacker unpack;
    for (DatedDraw& d : result_.draws) {
        if (d.day >= 0 && (d.day & kAmbiguous) != 0) {
            const DayNumber day = unpack(d.day, order);
            if (day == kNoDay && (noSuchDate_.empty() || noSuchDate_.back() != d.line)) {
                noSuchDate_.push_back(d.line);
            }
            d.day = day;
        }
    }
    std::erase_if(result_.draws, [](const DatedDraw& d) { return d.day == kNoDay; });
    if (noSuchDate_.empty()) {
        return;
    }
    // Records side by side come in column order: their lines in text order again.
    std::sort(noSuchDate_.begin(), noSuchDate_.end());
    noSuchDate_.erase(std::unique(noSuchDate_.begin(), noSuchDate_.end()), noSuchDate_.end());
    // The text of the lines whose date does not exist when read this way.
    LineWalk walk(text_);
    std::string_view line;
    std::size_t next = 0;
    while (next < noSuchDate_.size() && walk.next(line)) {
        if (walk.number() == noSuchDate_[next]) {
            addUnread(walk.number(), kNoSuchDate, line);
            ++next;
        }
    }
}

void Reading::nameTimes() {
    std::array<bool, kTimeKeys> seen{};
    for (const DatedDraw& d : result_.draws) {
        seen[d.time] = true;
    }
    // Clock times in their order within a day.
    std::array<int, kTimeKeys> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin() + kClock, order.begin() + kClock + static_cast<int>(clocks_.size()),
              [this](int a, int b) {
                  return clocks_[static_cast<std::size_t>(a - kClock)].first <
                         clocks_[static_cast<std::size_t>(b - kClock)].first;
              });
    std::array<std::uint8_t, kTimeKeys> index{};
    const auto& codes = look_.layout.timeCodes;
    for (const int key : order) {
        if (!seen[static_cast<std::size_t>(key)]) {
            continue;
        }
        index[static_cast<std::size_t>(key)] = static_cast<std::uint8_t>(result_.drawTimes.size());
        const auto code = static_cast<std::size_t>(key - kCode);
        const auto clock = static_cast<std::size_t>(key - kClock);
        result_.drawTimes.push_back(
            key >= kCode && key < kClock && code < codes.size()         ? codes[code].second
            : key >= kClock && key < kUnnamed && clock < clocks_.size() ? clocks_[clock].second
                                                                        : timeKeyName(key));
    }
    for (DatedDraw& d : result_.draws) {
        d.time = index[d.time];
    }
}

void Reading::sortAndCheck() {
    std::vector<DatedDraw>& draws = result_.draws;
    // The draws of one date and draw time stay in the order read: the first is
    // kept, the others repeat it or conflict with it.
    const auto newer = [](const DatedDraw& a, const DatedDraw& b) {
        return a.day != b.day ? a.day > b.day : a.time > b.time;
    };
    stableSortRuns(draws, newer);
    // Every draw of a group but its first is a repeat or a conflict's.
    std::size_t groups = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        groups += i == 0 || newer(draws[i - 1], draws[i]) ? 1 : 0;
    }
    result_.duplicates.reserve(draws.size() - groups);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < draws.size();) {
        std::size_t j = i + 1;
        bool same = true;
        while (j < draws.size() && draws[j].day == draws[i].day && draws[j].time == draws[i].time) {
            same = same && draws[j].number == draws[i].number;
            ++j;
        }
        if (same) {
            for (std::size_t k = i + 1; k < j; ++k) {
                result_.duplicates.push_back({draws[i], draws[k].line});
            }
            draws[kept++] = draws[i];
        } else {
            // Each number once, from its first line; a number given again is a
            // row twice, as anywhere else.
            Conflict conflict{draws[i].day, draws[i].time, {}, {}};
            for (std::size_t k = i; k < j; ++k) {
                const auto& numbers = conflict.numbers;
                const auto at = std::find(numbers.begin(), numbers.end(), draws[k].number);
                if (at == numbers.end()) {
                    conflict.numbers.push_back(draws[k].number);
                    conflict.lines.push_back(draws[k].line);
                } else {
                    DatedDraw first = draws[k];
                    first.line = conflict.lines[static_cast<std::size_t>(at - numbers.begin())];
                    result_.duplicates.push_back({first, draws[k].line});
                }
            }
            result_.conflicts.push_back(std::move(conflict));
        }
        i = j;
    }
    draws.resize(kept);
}

void Reading::findMissingDates() {
    DayNumber low = std::numeric_limits<DayNumber>::max();
    DayNumber high = std::numeric_limits<DayNumber>::min();
    const auto take = [&](DayNumber day) {
        low = std::min(low, day);
        high = std::max(high, day);
    };
    for (const DatedDraw& d : result_.draws) {
        take(d.day);
    }
    for (const Conflict& c : result_.conflicts) {
        take(c.day);
    }
    if (low > high) {
        return;
    }
    std::vector<bool> drawn(static_cast<std::size_t>(high - low) + 1, false);
    std::array<bool, 7> weekdayDrawn{};
    const auto mark = [&](DayNumber day) {
        drawn[static_cast<std::size_t>(day - low)] = true;
        weekdayDrawn[static_cast<std::size_t>(weekdayOf(day))] = true;
    };
    for (const DatedDraw& d : result_.draws) {
        mark(d.day);
    }
    for (const Conflict& c : result_.conflicts) {
        mark(c.day);
    }
    for (DayNumber day = low; day <= high; ++day) {
        if (!drawn[static_cast<std::size_t>(day - low)] &&
            weekdayDrawn[static_cast<std::size_t>(weekdayOf(day))]) {
            result_.missingDates.push_back(day);
        }
    }
    // Two weeks or more tell which weekdays the game never draws on.
    if (high - low >= 13) {
        for (int w = 0; w < 7; ++w) {
            if (!weekdayDrawn[static_cast<std::size_t>(w)]) {
                result_.weekdaysWithoutDraws.push_back(w);
            }
        }
    }
}

Result<ImportResult> Reading::run() {
    if (text_.starts_with("\xEF\xBB\xBF")) {
        text_.remove_prefix(3);
    }
    if (isBlank(text_)) {
        return Result<ImportResult>::refused(kMsgEmpty);
    }
    look_ = firstLook(text_, choices_);
    result_.layout = look_.layout;
    if (!readLines()) {
        return Result<ImportResult>::refused(kMsgCancelled);
    }
    settleDates();
    nameTimes();
    sortAndCheck();
    if (result_.draws.empty() && result_.conflicts.empty()) {
        return Result<ImportResult>::refused(kMsgNoDraws);
    }
    findMissingDates();
    // A date line that no draw below used is reported when the next date comes.
    std::stable_sort(result_.unread.begin(), result_.unread.end(),
                     [](const UnreadLine& a, const UnreadLine& b) { return a.line < b.line; });
    if (progress_ && !progress_(1.0)) {
        return Result<ImportResult>::refused(kMsgCancelled);
    }
    return std::move(result_);
}

} // namespace

std::string dateOrderText(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return "month/day/year";
    case DateOrder::DayMonthYear:
        return "day/month/year";
    case DateOrder::YearMonthDay:
        break;
    }
    return "year-month-day";
}

Result<ImportResult> recognizeDraws(std::string_view utf8, const ImportChoices& choices,
                                    const ImportProgress& progress) {
    return Reading(utf8, choices, progress, batchPlanFor(utf8.size())).run();
}

namespace importing {

Result<ImportResult> recognizeDraws(std::string_view utf8, const ImportChoices& choices,
                                    const ImportProgress& progress, const BatchPlan& plan) {
    return Reading(utf8, choices, progress, plan).run();
}

} // namespace importing

} // namespace pick3
