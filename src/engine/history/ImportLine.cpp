// One line of a dated history taken apart: tokens, the date, the draw times
// and the draws.

#include "engine/history/ImportLine.h"

#include <algorithm>

namespace pick3::importing {
namespace {

// A data line is short; a longer one is read only as far as this.
constexpr std::size_t kLookedAt = 4096;
constexpr std::size_t kMaxTokens = 512;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2099;

// What a byte is to a line's tokens, looked up rather than worked out byte by byte.
enum ByteKind : std::uint8_t { kOtherByte, kBlankByte, kDigitByte, kLetterByte, kHighByte };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
    std::array<ByteKind, 256> kinds{};
    for (std::size_t c = 0; c < kinds.size(); ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
        kinds[c] = c >= '0' && c <= '9' ? kDigitByte
                   : letter             ? kLetterByte
                   : blank              ? kBlankByte
                   : c >= 0x80          ? kHighByte
                                        : kOtherByte;
    }
    return kinds;
}();

bool isDigit(std::uint8_t c) {
    return kByteKinds[c] == kDigitByte;
}
// Bytes of other scripts count as letters, so that "Résultats" is one word.
bool isLetter(std::uint8_t c) {
    return kByteKinds[c] >= kLetterByte;
}

// Lower-case ASCII copy of a short word; empty when it is too long to be one
// of the words looked for.
std::string_view lowered(std::string_view word, std::array<char, 12>& buffer) {
    if (word.size() > buffer.size()) {
        return {};
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        buffer[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return {buffer.data(), word.size()};
}

constexpr char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether a word is the lower-case `key` in any case, compared in place: the
// words of every line are matched against these keys.
constexpr bool sameWord(std::string_view word, std::string_view key) {
    if (word.size() != key.size()) {
        return false;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (lowerAscii(word[i]) != key[i]) {
            return false;
        }
    }
    return true;
}

Gap gapOf(bool crossedField, int puncts, char punct, bool spaced) {
    if (crossedField) {
        return Gap::Field;
    }
    if (puncts == 0) {
        return spaced ? Gap::Space : Gap::None;
    }
    if (puncts > 1) {
        return Gap::Other;
    }
    switch (punct) {
    case '/':
        return Gap::Slash;
    case '-':
        return Gap::Dash;
    case '.':
        return Gap::Dot;
    case ',':
        return Gap::Comma;
    default:
        return Gap::Other;
    }
}

int yearOf(const Token& t) {
    if (t.length == 4) {
        return t.value;
    }
    // Two-digit years: 70 to 99 are the 1900s, the rest this century.
    return t.value >= 70 ? 1900 + t.value : 2000 + t.value;
}

bool isYear(const Token& t) {
    if (!t.number || (t.length != 4 && t.length != 2)) {
        return false;
    }
    const int year = yearOf(t);
    return year >= kFirstYear && year <= kLastYear;
}

// 1899, 0026: four digits written as a year, before the years of any draw
// history; a date with one is read, and refused for its year.
bool isEarlyYear(const Token& t) {
    return t.number && t.length == 4 && t.value < kFirstYear;
}

bool isDayOrMonth(const Token& t) {
    return t.number && t.length <= 2 && t.value >= 1 && t.value <= 31;
}

// Words of columns and lines that hold no drawn digit.
constexpr std::array<std::string_view, 14> kExtraWords{
    "sum",    "sums",   "total",   "bonus",   "fireball",   "wild",  "prize",
    "prizes", "payout", "jackpot", "winners", "multiplier", "extra", "odds"};

// The words that name an add-on drawn beside the three digits.
bool isAddOnWord(std::string_view word) {
    return sameWord(word, "fireball") || sameWord(word, "wild") || sameWord(word, "bonus");
}

bool isExtraWord(std::string_view word) {
    return std::any_of(kExtraWords.begin(), kExtraWords.end(),
                       [word](std::string_view key) { return sameWord(word, key); });
}

bool isDateGap(Gap gap) {
    return gap == Gap::Slash || gap == Gap::Dash || gap == Gap::Dot;
}

} // namespace

std::string timeKeyName(int key) {
    const int kind = key - key % kKindKeys;
    const int n = key % kKindKeys;
    const auto numbered = [n](std::string name) {
        return n == 0 ? name : name + " " + std::to_string(n);
    };
    switch (kind) {
    case kMorning:
        return numbered("Morning");
    case kMidday:
        return numbered("Midday");
    case kDay:
        return numbered("Day");
    case kEvening:
        return numbered("Evening");
    case kNight:
        return numbered("Night");
    case kCode:
        return "Code " + std::to_string(n + 1);
    case kUnnamed:
        return "";
    default:
        return "Draw " + std::to_string(n + 1);
    }
}

int timeKeyOfWord(std::string_view w) {
    if (w.size() < 3 || w.size() > 7) {
        return -1;
    }
    if (sameWord(w, "midday") || sameWord(w, "mid") || sameWord(w, "day") || sameWord(w, "noon")) {
        return kMidday;
    }
    if (sameWord(w, "evening") || sameWord(w, "eve")) {
        return kEvening;
    }
    if (sameWord(w, "night")) {
        return kNight;
    }
    if (sameWord(w, "morning") || sameWord(w, "morn")) {
        return kMorning;
    }
    return -1;
}

int timeKeyOfCode(std::string_view code) {
    std::array<char, 12> buffer{};
    const std::string_view w = lowered(code, buffer);
    if (w == "m" || w == "md") {
        return kMidday;
    }
    if (w == "e" || w == "ev") {
        return kEvening;
    }
    if (w == "d") {
        return kDay;
    }
    if (w == "n") {
        return kNight;
    }
    return timeKeyOfWord(code);
}

int monthOfWord(std::string_view word) {
    static constexpr std::array<std::string_view, 12> kMonths{
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    // Three letters at least, and no longer than "september".
    if (word.size() < 3 || word.size() > 9) {
        return 0;
    }
    // The first three letters name one month at most.
    const auto threeOf = [](std::string_view w) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(lowerAscii(w[0]))) |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(lowerAscii(w[1]))) << 8 |
               static_cast<std::uint32_t>(static_cast<std::uint8_t>(lowerAscii(w[2]))) << 16;
    };
    static constexpr std::array<std::uint32_t, 12> kThrees = [threeOf] {
        std::array<std::uint32_t, 12> threes{};
        for (std::size_t m = 0; m < kMonths.size(); ++m) {
            threes[m] = threeOf(kMonths[m]);
        }
        return threes;
    }();
    const std::uint32_t three = threeOf(word);
    for (std::size_t m = 0; m < kThrees.size(); ++m) {
        if (kThrees[m] == three) {
            const bool prefix = kMonths[m].size() >= word.size() &&
                                sameWord(word, kMonths[m].substr(0, word.size()));
            return prefix ? static_cast<int>(m) + 1 : 0;
        }
    }
    return 0;
}

namespace {

// Where a pass over a line stands between two tokens.
// "Pick 3", "Cash 3", "Daily 4": a game's name, not a drawn digit.
bool isGameName(std::string_view word) {
    static constexpr std::array<std::string_view, 7> kGames{"pick", "cash", "daily", "play",
                                                            "win",  "game", "lotto"};
    return word.size() >= 3 && word.size() <= 5 &&
           std::any_of(kGames.begin(), kGames.end(),
                       [word](std::string_view game) { return sameWord(word, game); });
}

// The tokens of one line, read in one pass over its bytes. Quotes, separators,
// spaces and dashes stand between tokens.
class TokenScan {
  public:
    TokenScan(std::string_view s, char separator, std::vector<Token>& tokens)
        : s_(s), n_(s.size()), separator_(separator), freeText_(separator == ' '),
          tokens_(tokens) {}

    // To the end of the line; a long line is read as far as its first kMaxTokens tokens.
    void run() {
        std::size_t i = 0;
        while (i < n_ && tokens_.size() < kMaxTokens) {
            i = step(i);
        }
    }
    int fields() const { return field_ + 1; }
    bool colons() const { return colons_; }

  private:
    std::uint8_t byteAt(std::size_t k) const { return static_cast<std::uint8_t>(s_[k]); }

    // Reads the token or the byte between tokens at `i`; returns where the next begins.
    std::size_t step(std::size_t i) {
        const std::uint8_t c = byteAt(i);
        const ByteKind kind = kByteKinds[c];
        if (kind == kDigitByte) {
            return number(i);
        }
        if (kind == kLetterByte) {
            return word(i);
        }
        if (!freeText_ && c == '"') {
            return quote(i);
        }
        if (!freeText_ && static_cast<char>(c) == separator_ && !inQuotes_) {
            ++field_;
            crossedField_ = true;
            afterGlue_ = false;
            return i + 1;
        }
        if (kind == kBlankByte) {
            spaced_ = true;
            afterGlue_ = false;
            return i + 1;
        }
        if (c == 0xE2 && i + 2 < n_ && byteAt(i + 1) == 0x80 &&
            (byteAt(i + 2) == 0x93 || byteAt(i + 2) == 0x94)) {
            ++puncts_; // an en or em dash
            punct_ = '-';
            afterGlue_ = false;
            return i + 3;
        }
        if (kind == kHighByte) {
            return word(i);
        }
        ++puncts_;
        punct_ = static_cast<char>(c);
        colons_ = colons_ || c == ':';
        afterGlue_ = c == '$' || c == '#';
        return i + 1;
    }

    std::size_t number(std::size_t i) {
        std::size_t j = i;
        std::int64_t value = 0;
        while (j < n_ && isDigit(byteAt(j))) {
            value = std::min<std::int64_t>(value * 10 + (byteAt(j) - '0'), 999'999'999);
            ++j;
        }
        const bool glued =
            afterGlue_ || (j < n_ && (isLetter(byteAt(j)) || byteAt(j) == '%')) ||
            (j - i <= 2 && puncts_ == 0 && !crossedField_ && !tokens_.empty() &&
             !tokens_.back().number &&
             isGameName(s_.substr(tokens_.back().begin, tokens_.back().length)));
        emit(i, j - i, static_cast<std::int32_t>(value), true, glued);
        afterGlue_ = false;
        return j;
    }

    // A word: letters, and the bytes of other scripts.
    std::size_t word(std::size_t i) {
        std::size_t j = i;
        while (j < n_ && isLetter(byteAt(j))) {
            ++j;
        }
        afterGlue_ = true;
        if (!tokens_.empty() && tokens_.back().number && !spaced_ && puncts_ == 0 &&
            !crossedField_ && tokens_.back().begin + tokens_.back().length == i) {
            tokens_.back().glued = true; // "6th", "500x"
            const std::string_view suffix = s_.substr(i, j - i);
            if (sameWord(suffix, "st") || sameWord(suffix, "nd") || sameWord(suffix, "rd") ||
                sameWord(suffix, "th")) {
                return j; // "December 6th, 2026": the day alone counts
            }
        }
        emit(i, j - i, 0, false, false);
        return j;
    }

    std::size_t quote(std::size_t i) {
        afterGlue_ = false;
        if (inQuotes_ && i + 1 < n_ && s_[i + 1] == '"') {
            ++puncts_; // a doubled quote is a quote character inside the field
            punct_ = '"';
            return i + 2;
        }
        inQuotes_ = !inQuotes_;
        return i + 1;
    }

    void emit(std::size_t begin, std::size_t length, std::int32_t value, bool number, bool glued) {
        if (freeText_ && spaced_ && !tokens_.empty()) {
            ++field_;
        }
        const Gap gap =
            tokens_.empty() ? Gap::None : gapOf(crossedField_, puncts_, punct_, spaced_);
        Token& slot = tokens_.emplace_back();
        slot.begin = static_cast<std::uint32_t>(begin);
        slot.length = static_cast<std::uint32_t>(length);
        slot.value = value;
        slot.field = static_cast<std::uint16_t>(std::min(field_, 0xFFFF));
        slot.number = number;
        slot.gap = gap;
        slot.spaced = spaced_;
        slot.glued = glued;
        crossedField_ = spaced_ = false;
        puncts_ = 0;
        punct_ = 0;
    }

    const std::string_view s_;
    const std::size_t n_;
    const char separator_;
    const bool freeText_;
    std::vector<Token>& tokens_;
    int field_ = 0;
    bool inQuotes_ = false;
    bool crossedField_ = false;
    bool spaced_ = false;
    int puncts_ = 0;
    char punct_ = 0;
    bool afterGlue_ = false; // the byte before is a letter, '$' or '#'
    bool colons_ = false;    // a colon stands between tokens
};

} // namespace

// One pass over the bytes, its state held in the pass and each token written
// from values at hand, field by field into its place: every line of a long file
// goes through here.
void LineReader::tokenize(std::string_view line, char separator, bool plain) {
    line = line.substr(0, std::min(line.size(), kLookedAt));
    line_ = plain ? line : plainSpaces(line, plain_);
    tokens_.clear();
    TokenScan scan(line_, separator, tokens_);
    scan.run();
    colons_ = scan.colons();
    fieldCount_ = scan.fields();
    markOrdinals();
}

// "Night 2", "night2", "Night 1: 4-5-6": a number after a draw-time word that
// tells two draws of one kind apart. "Evening 4 8 9" and "Evening 1,2,3" cut
// at commas hold no such number.
void LineReader::markOrdinals() {
    const std::size_t n = tokens_.size();
    for (std::size_t k = 1; k < n; ++k) {
        Token& t = tokens_[k];
        const Token& word = tokens_[k - 1];
        if (!t.number || t.length != 1 || t.value < 1 || t.value >= kKindKeys || word.number ||
            t.field != word.field || timeKeyOfWord(text(word)) < 0) {
            continue;
        }
        const bool touching = t.gap == Gap::None && !t.spaced;
        const Token* next = k + 1 < n ? &tokens_[k + 1] : nullptr;
        bool ordinal = touching || (next && next->number && next->length == 3 && !next->glued) ||
                       (next && next->gap == Gap::Other);
        if (!ordinal && next && next->gap == Gap::Field) {
            std::size_t lone = 0;
            for (std::size_t j = k + 1; j < n && tokens_[j].number && tokens_[j].length == 1 &&
                                        tokens_[j].gap == Gap::Field;
                 ++j) {
                ++lone;
            }
            ordinal = lone == 3;
        }
        if (ordinal) {
            t.ordinal = true;
            t.glued = true;
        }
    }
}

int LineReader::ordinalAfter(std::size_t word, const LineDraw& draw) const {
    if (word + 1 >= tokens_.size() || word + 1 >= draw.token) {
        return 0;
    }
    const Token& t = tokens_[word + 1];
    const bool spacedBefore = t.gap == Gap::Space;
    if (t.ordinal || (t.number && t.length == 1 && spacedBefore && t.value >= 1 &&
                      t.value < kKindKeys && word + 2 == draw.token)) {
        return t.value;
    }
    return 0;
}

std::string LineReader::codeBefore(const LineDraw& draw) const {
    if (draw.token == 0) {
        return {};
    }
    const Token& t = tokens_[draw.token - 1u];
    if (t.number) {
        // "11/27/26 2 9-8-7": a digit of its own names the draw time.
        return t.length == 1 && !t.glued && !t.used ? std::string(text(t)) : std::string();
    }
    if (t.used || t.length > 5 || monthOfWord(text(t)) > 0 || isExtraWord(text(t))) {
        return {};
    }
    return std::string(text(t));
}

// A date written with numbers only starting at token i: 12/06/2026, 2026-12-06,
// 20261206, or three fields of their own.
std::optional<LineReader::DateMatch> LineReader::dateAt(std::size_t i,
                                                        const ColumnRules& rules) const {
    const std::size_t n = tokens_.size();
    const Token& t = tokens_[i];
    const auto wanted = [&](const Token& w) {
        return !rules.dateColumn || static_cast<int>(w.field) == *rules.dateColumn;
    };
    if (!wanted(t)) {
        return std::nullopt;
    }
    if (!t.number) {
        return monthDateAt(i, rules);
    }
    if (t.length == 8 && !t.glued) { // 20261206
        const RawDate date{DateStyle::YearFirst, false, t.value / 100 % 100, t.value % 100,
                           t.value / 10000};
        if (date.year >= kFirstYear && date.year <= kLastYear) {
            return DateMatch{date, i, i};
        }
    }
    if (i + 2 >= n) {
        return std::nullopt;
    }
    const auto aloneInField = [&](std::size_t k) {
        return (k == 0 || tokens_[k - 1].field != tokens_[k].field) &&
               (k + 1 == n || tokens_[k + 1].field != tokens_[k].field);
    };
    const Token& b = tokens_[i + 1];
    const Token& c = tokens_[i + 2];
    const bool joined =
        b.gap == c.gap &&
        ((isDateGap(b.gap) && !b.spaced && !c.spaced) ||
         (b.gap == Gap::Field && aloneInField(i) && aloneInField(i + 1) && aloneInField(i + 2)));
    if (!joined || !b.number || !c.number || t.glued) {
        return std::nullopt;
    }
    // A year first may run on into a time of day: 2026-12-06T00:00:00
    if (t.length == 4 && b.length <= 2 && c.length <= 2 && t.value <= kLastYear) {
        return DateMatch{{DateStyle::YearFirst, false, b.value, c.value, t.value}, i, i + 2};
    }
    if (t.length <= 2 && b.length <= 2 && (isYear(c) || isEarlyYear(c)) && !c.glued &&
        (c.length == 4 || b.gap != Gap::Field)) {
        return DateMatch{{DateStyle::Numbers, true, t.value, b.value, yearOf(c)}, i, i + 2};
    }
    return std::nullopt;
}

// A date with a month's name at token i: Dec 6, 2026; 6 December 2026; 2026-Dec-06.
std::optional<LineReader::DateMatch> LineReader::monthDateAt(std::size_t i,
                                                             const ColumnRules& rules) const {
    const std::size_t n = tokens_.size();
    const int month = monthOfWord(text(tokens_[i]));
    if (month == 0) {
        return std::nullopt;
    }
    const auto near = [&](std::size_t k) { return tokens_[k].gap != Gap::Other; };
    if (i + 2 < n && isDayOrMonth(tokens_[i + 1]) && isYear(tokens_[i + 2]) && near(i + 1) &&
        near(i + 2)) {
        return DateMatch{
            {DateStyle::MonthName, false, month, tokens_[i + 1].value, yearOf(tokens_[i + 2])},
            i,
            i + 2};
    }
    const bool wantedBefore =
        i >= 1 &&
        (!rules.dateColumn || static_cast<int>(tokens_[i - 1].field) == *rules.dateColumn);
    if (wantedBefore && i + 1 < n && near(i) && near(i + 1)) {
        const Token& before = tokens_[i - 1];
        const Token& after = tokens_[i + 1];
        if (isDayOrMonth(before) && isYear(after)) {
            return DateMatch{
                {DateStyle::DayMonthName, false, month, before.value, yearOf(after)}, i - 1, i + 1};
        }
        if (before.number && before.length == 4 && isYear(before) && isDayOrMonth(after)) {
            return DateMatch{
                {DateStyle::YearFirst, false, month, after.value, before.value}, i - 1, i + 1};
        }
    }
    return std::nullopt;
}

RawDate LineReader::findDate(const ColumnRules& rules) {
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
        if (const std::optional<DateMatch> match = dateAt(i, rules)) {
            for (std::size_t k = match->from; k <= match->to; ++k) {
                tokens_[k].used = true;
            }
            RawDate date = match->date;
            date.field = tokens_[match->from].field;
            return date;
        }
    }
    return {};
}

// A clock time from token k: 7:29, 19:29 or 7:29:05, maybe with AM or PM.
// Its minutes after midnight and its last token, or -1 where there is none.
int LineReader::clockOf(std::size_t k, std::size_t& end) const {
    const std::size_t n = tokens_.size();
    const auto colonBefore = [&](std::size_t j) {
        const Token& a = tokens_[j - 1];
        const Token& b = tokens_[j];
        const std::size_t at = a.begin + a.length;
        return b.number && b.length == 2 && b.value <= 59 && b.begin == at + 1 && line_[at] == ':';
    };
    const Token& hour = tokens_[k];
    // "2026-12-06T19:29": the time of a time stamp, glued to its "T"; nor
    // are its minutes and seconds a time of their own.
    const bool afterColon = hour.begin > 0 && line_[hour.begin - 1] == ':';
    if (!hour.number || hour.glued || afterColon || hour.length > 2 || hour.value > 23 ||
        k + 1 >= n || !colonBefore(k + 1)) {
        return -1;
    }
    end = k + 1 + (k + 2 < n && colonBefore(k + 2) ? 1 : 0);
    // 19:29:00.000: the fraction of a second belongs to the time.
    if (end > k + 1 && end + 1 < n && tokens_[end + 1].number &&
        tokens_[end + 1].begin == tokens_[end].begin + tokens_[end].length + 1 &&
        line_[tokens_[end + 1].begin - 1] == '.') {
        ++end;
    }
    int h = hour.value;
    if (end + 1 < n && !tokens_[end + 1].number && tokens_[end + 1].field == hour.field) {
        std::array<char, 12> buffer{};
        const std::string_view w = lowered(text(tokens_[end + 1]), buffer);
        if ((w == "am" || w == "pm") && h >= 1 && h <= 12) {
            h = h % 12 + (w == "pm" ? 12 : 0);
            ++end;
        }
    }
    return h * 60 + tokens_[k + 1].value;
}

void LineReader::findClocks() {
    clockCount_ = 0;
    if (!colons_) {
        return; // no clock time without a colon
    }
    for (std::size_t k = 0; k + 1 < tokens_.size(); ++k) {
        std::size_t end = k;
        const int minutes = tokens_[k].used ? -1 : clockOf(k, end);
        if (minutes < 0) {
            continue;
        }
        for (std::size_t j = k; j <= end; ++j) {
            tokens_[j].used = true;
        }
        // 0:00 stamps a date and names no draw.
        if (minutes > 0 && clockCount_ < clocks_.size()) {
            clocks_[clockCount_++] = {minutes, k, end};
        }
        k = end;
    }
}

int LineReader::nameByClock(const ColumnRules& rules, LineDraw& draw, std::size_t& wordAt) const {
    // The nearest clock time before the draw, else the first after it.
    const Clock* found = nullptr;
    for (std::size_t c = 0; c < clockCount_; ++c) {
        const Clock& clock = clocks_[c];
        const bool wanted =
            !rules.timeColumn || static_cast<int>(tokens_[clock.from].field) == *rules.timeColumn;
        if (wanted && (found == nullptr || clock.from < draw.token)) {
            found = &clock;
        }
    }
    if (found == nullptr) {
        return -1;
    }
    draw.clock = static_cast<std::int16_t>(found->minutes);
    draw.clockToken = static_cast<std::uint16_t>(found->from);
    wordAt = found->from;
    return kClock;
}

std::string_view LineReader::clockText(const LineDraw& draw) const {
    for (std::size_t c = 0; c < clockCount_; ++c) {
        if (clocks_[c].from == draw.clockToken) {
            const Token& last = tokens_[clocks_[c].to];
            const std::size_t begin = tokens_[clocks_[c].from].begin;
            return line_.substr(begin, last.begin + last.length - begin);
        }
    }
    return {};
}

int LineReader::loneDigit() const {
    const bool lone =
        tokens_.size() == 1 && tokens_[0].number && tokens_[0].length == 1 && !tokens_[0].glued;
    return lone ? tokens_[0].value : -1;
}

bool LineReader::fieldHoldsOther(int field, const LineReading& reading) const {
    for (int d = 0; d < reading.drawCount; ++d) {
        if (reading.draws[static_cast<std::size_t>(d)].field == field) {
            return false;
        }
    }
    return std::any_of(tokens_.begin(), tokens_.end(),
                       [field](const Token& t) { return static_cast<int>(t.field) == field; });
}

void LineReader::recordStarts(const ColumnRules& rules, std::vector<std::size_t>& starts,
                              std::size_t from) const {
    starts.assign(1, 0);
    std::size_t i = from;
    bool first = from == 0;
    while (i < tokens_.size()) {
        const std::optional<DateMatch> match = dateAt(i, rules);
        if (!match) {
            ++i;
            continue;
        }
        if (!first) {
            starts.push_back(tokens_[match->from].begin);
        }
        first = false;
        i = match->to + 1;
    }
}

void LineReader::addDraw(LineReading& out, int number, std::size_t first, DigitStyle style) const {
    if (out.drawCount < kMaxDrawsPerLine) {
        LineDraw& d = out.draws[static_cast<std::size_t>(out.drawCount++)];
        d.number = static_cast<std::uint16_t>(number);
        d.field = tokens_[first].field;
        d.token = static_cast<std::uint16_t>(first);
        d.style = style;
    }
}

void LineReader::findDraws(const ColumnRules& rules, LineReading& out) {
    const std::size_t n = tokens_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Token& t = tokens_[i];
        if (!drawable(rules, t) ||
            (rules.drawColumn && static_cast<int>(t.field) != *rules.drawColumn)) {
            continue;
        }
        if (t.length == 3) {
            // Not a piece of a longer number, a price or a date-like run: 1,500 or 12.500
            const bool joinedBefore = i > 0 && tokens_[i - 1].number && !tokens_[i - 1].used &&
                                      !t.spaced && t.gap != Gap::Space && t.gap != Gap::Field &&
                                      t.gap != Gap::None;
            const bool joinedAfter =
                i + 1 < n && tokens_[i + 1].number && !tokens_[i + 1].spaced &&
                (tokens_[i + 1].gap == Gap::Dot || tokens_[i + 1].gap == Gap::Slash ||
                 tokens_[i + 1].gap == Gap::Dash);
            if (!joinedBefore && !joinedAfter) {
                addDraw(out, t.value, i, kJoined);
            }
        } else if (t.length == 4 && rules.fourthDigitAddOn) {
            findDrawWithAddOn(i, out);
        } else if (t.length == 1) {
            i = findDigitRun(rules, i, out);
        }
    }
}

// "1234" where the game's histories write its add-on as a fourth digit: the
// draw 123, the add-on's 4 kept beside it. Not a piece of a longer number.
void LineReader::findDrawWithAddOn(std::size_t i, LineReading& out) {
    const Token& t = tokens_[i];
    const bool joined =
        (i + 1 < tokens_.size() && tokens_[i + 1].number && !tokens_[i + 1].spaced &&
         tokens_[i + 1].gap != Gap::Space && tokens_[i + 1].gap != Gap::Field &&
         tokens_[i + 1].gap != Gap::Comma) ||
        (i > 0 && tokens_[i - 1].number && !tokens_[i - 1].used && !t.spaced &&
         t.gap != Gap::Space && t.gap != Gap::Field && t.gap != Gap::Comma && t.gap != Gap::None);
    if (joined) {
        return;
    }
    addDraw(out, t.value / 10, i, kJoined);
    if (out.drawCount > 0) {
        out.draws[static_cast<std::size_t>(out.drawCount - 1)].addOn =
            static_cast<std::int8_t>(t.value % 10);
    }
}

// A run of single digits from token i: "6-3-5", "6 3 5", or one digit per
// field. Its draws are added; returns the token the run ends at.
std::size_t LineReader::findDigitRun(const ColumnRules& rules, std::size_t i, LineReading& out) {
    const std::size_t n = tokens_.size();
    const auto headerTime = [&](std::size_t field) -> int {
        return field < rules.headerTime.size() ? rules.headerTime[field] : -1;
    };
    std::size_t j = i;
    Gap run = Gap::None;
    bool gapChanged = false;
    while (j + 1 < n) {
        const Token& next = tokens_[j + 1];
        const Gap gap = next.gap;
        // The first digit may end a field of words ("Evening 1,2,3" split at commas).
        const bool lastInField = tokens_[j + 1].field != tokens_[j].field;
        const bool fits = gap == Gap::Field
                              ? (j == i ? lastInField : aloneInField(j)) && aloneInField(j + 1) &&
                                    headerTime(next.field) == headerTime(tokens_[i].field)
                              : gap == Gap::Space || gap == Gap::Dash || gap == Gap::Comma;
        const bool digit = drawable(rules, next) && next.length == 1;
        if (!digit || !fits || (run != Gap::None && gap != run)) {
            gapChanged = digit && run != Gap::None && gap != run;
            break;
        }
        run = gap;
        ++j;
    }
    const std::size_t length = j - i + 1;
    // Digits in fields of their own may be followed by a bonus digit, or be
    // two draws of a row; in one field, four digits are another game's draw.
    const bool addOnLast = length == 4 && (run == Gap::Field || rules.fourthDigitAddOn);
    const std::size_t draws = run != Gap::Field ? (length == 3 || addOnLast ? 1 : 0)
                              : length % 3 == 0 ? length / 3
                                                : (length > 3 ? 1 : 0);
    for (std::size_t k = i; k < i + 3 * draws; k += 3) {
        addDraw(out, tokens_[k].value * 100 + tokens_[k + 1].value * 10 + tokens_[k + 2].value, k,
                run == Gap::Field ? kInFields : kSeparate);
    }
    if (addOnLast && out.drawCount > 0) {
        // The digit after the three is the add-on's ("Pick 3,9,9,2013,1,2,3,4", or "1-2-3-4"
        // where the game writes it so): kept beside it.
        out.draws[static_cast<std::size_t>(out.drawCount - 1)].addOn =
            static_cast<std::int8_t>(tokens_[i + 3].value);
    }
    // "Night 1 4-5-6": a run cut short by another separator starts again at
    // its last digit.
    return draws == 0 && gapChanged && length == 2 ? j - 1 : j;
}

static int codeKeyOf(const ColumnRules& rules, std::string_view code) {
    std::array<char, 12> buffer{};
    const std::string_view lowerCode = lowered(code, buffer);
    for (std::size_t c = 0; c < rules.codes.size() && !lowerCode.empty(); ++c) {
        if (rules.codes[c] == lowerCode) {
            return rules.codeKeys[c];
        }
    }
    return -1;
}

// The draw time of one draw and the token of the word that names it.
int LineReader::timeOfDraw(const ColumnRules& rules, const LineDraw& draw,
                           std::size_t& wordAt) const {
    const auto timeOf = [&](std::size_t k) {
        return tokens_[k].number ? -1 : timeKeyOfWord(text(tokens_[k]));
    };
    int key = -1;
    if (rules.timeColumn) {
        for (std::size_t k = 0; k < tokens_.size() && key < 0; ++k) {
            if (static_cast<int>(tokens_[k].field) == *rules.timeColumn) {
                key = timeOf(k) >= 0 ? timeOf(k) : codeKeyOf(rules, text(tokens_[k]));
                wordAt = k;
            }
        }
        return key;
    }
    if (draw.field < rules.headerTime.size() && rules.headerTime[draw.field] >= 0) {
        return rules.headerTime[draw.field];
    }
    if (!rules.codes.empty() && draw.token > 0) {
        key = codeKeyOf(rules, codeBefore(draw));
        wordAt = draw.token - 1u;
    }
    // The nearest draw-time word before the draw, else the first after it.
    for (std::size_t k = draw.token; k-- > 0 && key < 0;) {
        key = timeOf(k);
        wordAt = k;
    }
    for (std::size_t k = draw.token + 1u; k < tokens_.size() && key < 0; ++k) {
        key = timeOf(k);
        wordAt = k;
    }
    if (key >= 0 && key % kKindKeys == 0 && key != kCode) {
        key += ordinalAfter(wordAt, draw);
    }
    return key;
}

void LineReader::nameTimes(const ColumnRules& rules, LineReading& out) const {
    bool named = false;
    for (int d = 0; d < out.drawCount; ++d) {
        LineDraw& draw = out.draws[static_cast<std::size_t>(d)];
        std::size_t wordAt = 0;
        int key = timeOfDraw(rules, draw, wordAt);
        if (key < 0 && clockCount_ > 0) {
            key = nameByClock(rules, draw, wordAt);
        }
        if (key >= 0 && (rules.timeColumn || rules.headerTime.size() <= draw.field ||
                         rules.headerTime[draw.field] < 0)) {
            out.timeField = tokens_[wordAt].field;
        }
        named = named || key >= 0;
        draw.timeKey = static_cast<std::uint8_t>(key >= 0 ? key : kUnnamed);
    }
    if (!named && out.drawCount > 1) {
        for (int d = 0; d < out.drawCount; ++d) {
            out.draws[static_cast<std::size_t>(d)].timeKey =
                static_cast<std::uint8_t>(kPositional + d);
        }
    }
}

bool LineReader::hasOtherWords() const {
    static constexpr std::array<std::string_view, 14> kKnown{"mon",  "tue", "wed",  "thu",  "fri",
                                                             "sat",  "sun", "pick", "cash", "daily",
                                                             "play", "win", "game", "draw"};
    for (const Token& t : tokens_) {
        if (t.number || t.length < 3 || timeKeyOfWord(text(t)) >= 0 || monthOfWord(text(t)) > 0 ||
            isExtraWord(text(t))) {
            continue;
        }
        std::array<char, 12> buffer{};
        const std::string_view w = lowered(text(t), buffer);
        const bool known = std::any_of(kKnown.begin(), kKnown.end(), [&](std::string_view k) {
            return w.size() >= 3 && w.starts_with(k.substr(0, 3)) && k.starts_with(w.substr(0, 3));
        });
        if (!known) {
            return true;
        }
    }
    return false;
}

LineReading LineReader::read(const ColumnRules& rules) {
    LineReading out;
    out.date = findDate(rules);
    findClocks();
    findDraws(rules, out);
    nameTimes(rules, out);
    if (rules.addOnColumn >= 0 && out.drawCount == 1) {
        // A column of its own for the add-on's digit: one digit there goes beside the draw.
        for (const Token& t : tokens_) {
            if (static_cast<int>(t.field) == rules.addOnColumn && t.number && t.length == 1) {
                out.draws[0].addOn = static_cast<std::int8_t>(t.value);
            }
        }
    }
    return out;
}

int LineReader::headingTime() const {
    int key = -1;
    for (const Token& t : tokens_) {
        const int time = t.number ? -1 : timeKeyOfWord(text(t));
        if ((t.number && !t.glued) || (time >= 0 && key >= 0 && time != key)) {
            return -1;
        }
        key = time >= 0 ? time : key;
    }
    return key;
}

bool LineReader::onlyExtras() const {
    int numbers = 0;
    bool extra = false;
    for (const Token& t : tokens_) {
        numbers += t.number && !t.glued ? 1 : 0;
        extra = extra || (!t.number && isExtraWord(text(t)));
    }
    return extra && numbers <= 1;
}

char guessSeparator(const std::vector<std::string_view>& lines) {
    for (const char separator : {'\t', ';', ',', '|'}) {
        std::size_t holding = 0;
        for (const std::string_view line : lines) {
            bool inQuotes = false;
            for (const char c : line.substr(0, std::min(line.size(), kLookedAt))) {
                if (c == '"') {
                    inQuotes = !inQuotes;
                } else if (c == separator && !inQuotes) {
                    ++holding;
                    break;
                }
            }
        }
        if (!lines.empty() && holding * 10 >= lines.size() * 6) {
            return separator;
        }
    }
    return ' ';
}

void applyHeader(const std::vector<std::string>& names, ColumnRules& rules) {
    rules.ignored.assign(names.size(), false);
    rules.addOnColumn = -1;
    rules.headerTime.assign(names.size(), -1);
    std::vector<int> ordinals(names.size(), 0);
    std::array<int, kTimeKeys> numberedColumns{};
    LineReader reader;
    for (std::size_t f = 0; f < names.size(); ++f) {
        reader.tokenize(names[f], ' ');
        const std::vector<Token>& tokens = reader.tokens();
        for (std::size_t k = 0; k < tokens.size(); ++k) {
            const Token& t = tokens[k];
            const std::string_view word = std::string_view(names[f]).substr(t.begin, t.length);
            if (t.number) {
                // "Win 4", "Pick 5", "n4": another game, or a digit past the third
                rules.ignored[f] = rules.ignored[f] || (t.length == 1 && t.value >= 4);
                if (k > 0 && rules.headerTime[f] >= 0 && t.length == 1 && t.value >= 1 &&
                    ordinals[f] == 0) {
                    ordinals[f] = t.value; // "Night 2"
                    ++numberedColumns[static_cast<std::size_t>(rules.headerTime[f])];
                }
            } else if (isExtraWord(word)) {
                rules.ignored[f] = true;
                if (rules.addOnColumn < 0 && isAddOnWord(word)) {
                    rules.addOnColumn = static_cast<int>(f);
                }
            } else if (rules.headerTime[f] < 0) {
                rules.headerTime[f] = static_cast<std::int8_t>(timeKeyOfWord(word));
            }
        }
    }
    // "Mid 1, Mid 2, Mid 3" number the digits of one draw; "Night 1, Night 2" two draws.
    for (std::size_t f = 0; f < names.size(); ++f) {
        const int key = rules.headerTime[f];
        if (key >= 0 && ordinals[f] > 0 && ordinals[f] < kKindKeys &&
            numberedColumns[static_cast<std::size_t>(key)] < 3) {
            rules.headerTime[f] = static_cast<std::int8_t>(key + ordinals[f]);
        }
    }
}

std::vector<std::string> splitFields(std::string_view line, char separator) {
    std::string plain;
    line = plainSpaces(line, plain);
    std::vector<std::string> fields(1);
    bool inQuotes = false;
    const bool freeText = separator == ' ';
    for (std::size_t i = 0; i < line.size() && fields.size() < 256; ++i) {
        const char c = line[i];
        if (!freeText && c == '"') {
            if (inQuotes && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else if (freeText ? (c == ' ' || c == '\t') : (c == separator && !inQuotes)) {
            if (!freeText || !fields.back().empty()) {
                fields.emplace_back();
            }
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        const auto first = field.find_first_not_of(' ');
        const auto last = field.find_last_not_of(' ');
        field = first == std::string::npos ? std::string() : field.substr(first, last - first + 1);
    }
    if (freeText && fields.size() > 1 && fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

} // namespace pick3::importing
