// The steps of reading a source: each file is checked to be text of the layout and not
// a web page, its heading (where it has one) gives the columns' places, every line is
// read into a date and the draws of its columns, and the draws of all the files are then
// put newest first with repeats and conflicts set apart, as an import's are.

#include "engine/sources/SourceReading.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace pick3 {
namespace {

// The first lines not read are listed; the rest are only counted.
constexpr std::size_t kListedUnread = 200;
constexpr std::size_t kShownLine = 120;

struct Refusal {
    std::string message;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One line's fields, with quotes ("a, b") and doubled quotes inside them.
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// A server's error page or a site's new front page: never read as a CSV file.
bool looksLikeWebPage(std::string_view text) {
    const std::string_view start = trimmed(text.substr(0, 2048));
    if (!start.empty() && start.front() == '<') {
        return true;
    }
    std::string lowered(start);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered.find("<html") != std::string::npos ||
           lowered.find("<!doctype") != std::string::npos;
}

// The file's lines, without line ends, a byte-order mark or blank lines; each with its number.
std::vector<std::pair<std::int32_t, std::string_view>> linesOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::pair<std::int32_t, std::string_view>> lines;
    std::int32_t number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!trimmed(line).empty()) {
            lines.emplace_back(number, line);
        }
    }
    return lines;
}

} // namespace

std::string sourceFileName(const SourceFile& file) {
    std::string_view address = file.address;
    address = address.substr(0, std::min(address.find_first_of("?#"), address.size()));
    while (address.ends_with('/')) {
        address.remove_suffix(1);
    }
    const auto slash = address.find_last_of('/');
    return std::string(slash == std::string_view::npos ? address : address.substr(slash + 1));
}

namespace {

// Where each column the layout names is on this file's rows.
struct Places {
    int game = -1, date = -1, year = -1, month = -1, day = -1;
    struct Draw {
        std::uint8_t time = 0;
        int number = -1;
        std::array<int, 3> digits{-1, -1, -1};
        int addOn = -1;
    };
    std::vector<Draw> draws;
};

std::string cell(const std::vector<std::string>& fields, int place) {
    return place >= 0 && static_cast<std::size_t>(place) < fields.size()
               ? std::string(trimmed(fields[static_cast<std::size_t>(place)]))
               : std::string();
}

std::optional<int> smallNumber(std::string_view text) {
    if (!allDigits(text) || text.size() > 4) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

// "12/05/2026", "05.12.2026", "2026-12-05", with or without a time of day after it.
std::optional<CivilDate> dateInText(std::string_view text, SourceDateOrder order) {
    text = text.substr(0, std::min(text.find_first_of(" T"), text.size()));
    std::array<std::optional<int>, 3> parts;
    std::array<std::size_t, 3> sizes{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find_first_of("/-.") : text.size();
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        parts[i] = smallNumber(text.substr(0, end));
        sizes[i] = end;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    const std::size_t yearAt = order == SourceDateOrder::yearMonthDay ? 0 : 2;
    const std::size_t monthAt = order == SourceDateOrder::monthDayYear ? 0 : 1;
    const std::size_t dayAt = order == SourceDateOrder::monthDayYear   ? 1
                              : order == SourceDateOrder::dayMonthYear ? 0
                                                                       : 2;
    if (!parts[0] || !parts[1] || !parts[2] || sizes[yearAt] != 4) {
        return std::nullopt;
    }
    const CivilDate date{*parts[yearAt], *parts[monthAt], *parts[dayAt]};
    return date.exists() ? std::optional<CivilDate>(date) : std::nullopt;
}

class FileReader {
  public:
    FileReader(const GameDefinition& game, const UpdateSource& source, std::size_t file,
               const std::vector<std::string>& drawTimes, std::optional<CivilDate> today)
        : game_(game), source_(source), file_(source.files[file]), name_(sourceFileName(file_)),
          drawTimes_(drawTimes), today_(today) {}

    // Adds the file's draws and lines not read to `reading`.
    void read(std::string_view text, SourceReading& reading);

  private:
    [[noreturn]] void refuse(std::int32_t line, const std::string& why) const {
        throw Refusal{name_ + (line > 0 ? ", line " + std::to_string(line) : std::string()) + ": " +
                      why};
    }
    int place(const SourceColumn& column, const std::vector<std::string>& heading) const;
    void findPlaces(const std::vector<std::string>& heading);
    std::optional<CivilDate> dateOf(const std::vector<std::string>& fields) const;
    // The reason a line is not read; nothing when its draws were added.
    std::optional<std::string> readLine(std::int32_t line, const std::vector<std::string>& fields,
                                        SourceReading& reading) const;
    // The number of one draw; nothing for an empty cell (no draw), a reason where unreadable.
    std::optional<int> numberOf(std::int32_t line, const Places::Draw& draw,
                                const std::vector<std::string>& fields, std::string& why,
                                std::size_t& restored) const;

    const GameDefinition& game_;
    const UpdateSource& source_;
    const SourceFile& file_;
    std::string name_;
    const std::vector<std::string>& drawTimes_;
    std::optional<CivilDate> today_;
    Places places_;
};

int FileReader::place(const SourceColumn& column, const std::vector<std::string>& heading) const {
    if (!column.given()) {
        return -1;
    }
    if (column.position > 0) {
        return column.position - 1;
    }
    for (std::size_t i = 0; i < heading.size(); ++i) {
        if (sameNoCase(trimmed(heading[i]), column.name)) {
            return static_cast<int>(i);
        }
    }
    refuse(0, "has no column \"" + column.name +
                  "\": it is not laid out as this source's file (another game's data, or the "
                  "site has changed the file)");
}

void FileReader::findPlaces(const std::vector<std::string>& heading) {
    places_ = {place(source_.gameColumn, heading), place(source_.date, heading),
               place(source_.year, heading),       place(source_.month, heading),
               place(source_.day, heading),        {}};
    for (const auto& columns : source_.draws) {
        const std::string& time = columns.drawTime.empty() ? file_.drawTime : columns.drawTime;
        Places::Draw draw;
        draw.time = static_cast<std::uint8_t>(
            std::find(drawTimes_.begin(), drawTimes_.end(), time) - drawTimes_.begin());
        draw.number = place(columns.number, heading);
        for (std::size_t i = 0; i < 3; ++i) {
            draw.digits[i] = place(columns.digits[i], heading);
        }
        draw.addOn = place(columns.addOn, heading);
        places_.draws.push_back(draw);
    }
}

std::optional<CivilDate> FileReader::dateOf(const std::vector<std::string>& fields) const {
    if (places_.date >= 0) {
        return dateInText(cell(fields, places_.date), source_.dateOrder);
    }
    const auto year = smallNumber(cell(fields, places_.year));
    const auto month = smallNumber(cell(fields, places_.month));
    const auto day = smallNumber(cell(fields, places_.day));
    if (!year || !month || !day || *year < 1000) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    return date.exists() ? std::optional<CivilDate>(date) : std::nullopt;
}

std::optional<int> FileReader::numberOf(std::int32_t line, const Places::Draw& draw,
                                        const std::vector<std::string>& fields, std::string& why,
                                        std::size_t& restored) const {
    if (draw.number < 0) {
        std::string digits;
        for (const int place : draw.digits) {
            digits += cell(fields, place);
        }
        if (digits.empty()) {
            return std::nullopt;
        }
        if (digits.size() != 3 || !allDigits(digits)) {
            why = "the digits are not three single digits";
            return std::nullopt;
        }
        return std::stoi(digits);
    }
    const std::string text = cell(fields, draw.number);
    if (text.empty()) {
        return std::nullopt;
    }
    if (!allDigits(text) || text.size() > 4) {
        why = "\"" + text.substr(0, 12) + "\" is not a draw of three digits";
        return std::nullopt;
    }
    if (text.size() == 4) {
        refuse(line, "\"" + text + "\" has a fourth digit, " +
                         (game_.addOns.empty() ? "and " + game_.title() + " has no add-on"
                                               : std::string("where this source writes three")) +
                         ": this is not this game's data");
    }
    if (text.size() < 3 && !source_.leadingZerosLost) {
        why = "\"" + text + "\" has fewer than three digits, and this source writes all three";
        return std::nullopt;
    }
    restored += text.size() < 3 ? 1 : 0;
    return std::stoi(text);
}

std::optional<std::string> FileReader::readLine(std::int32_t line,
                                                const std::vector<std::string>& fields,
                                                SourceReading& reading) const {
    const auto date = dateOf(fields);
    if (!date) {
        return "no date";
    }
    const std::string gameName = cell(fields, places_.game);
    if (places_.game >= 0 && !sameNoCase(gameName, source_.gameName)) {
        refuse(line, "names the game \"" + gameName.substr(0, 40) + "\" where \"" +
                         source_.gameName + "\" was expected: this is another game's data");
    }
    std::vector<DatedDraw> draws;
    std::size_t restored = 0;
    for (const auto& draw : places_.draws) {
        std::string why;
        const auto number = numberOf(line, draw, fields, why, restored);
        const std::string addOn = cell(fields, draw.addOn);
        if (!why.empty() || (!addOn.empty() && (addOn.size() != 1 || !allDigits(addOn)))) {
            return why.empty() ? "the add-on's digit \"" + addOn.substr(0, 12) + "\" is not a digit"
                               : why;
        }
        if (number) {
            const auto addOnDigit = static_cast<std::int8_t>(addOn.empty() ? -1 : addOn[0] - '0');
            draws.push_back({static_cast<DayNumber>(date->daysSinceEpoch()), draw.time, addOnDigit,
                             static_cast<std::uint16_t>(*number), line});
        }
    }
    if (draws.empty()) {
        return "no draw";
    }
    if (today_ && *date > *today_) {
        refuse(line, "holds a draw dated " + date->text() + ", after today (" + today_->text() +
                         ") in the game's time zone: the file cannot be trusted");
    }
    reading.zerosRestored += restored;
    reading.result.draws.insert(reading.result.draws.end(), draws.begin(), draws.end());
    return std::nullopt;
}

void FileReader::read(std::string_view text, SourceReading& reading) {
    if (looksLikeWebPage(text)) {
        refuse(0, "is a web page, not the CSV file this source gives: the site may have "
                  "changed, or sent an error page");
    }
    const auto lines = linesOf(text);
    if (source_.header && lines.empty()) {
        refuse(0, "is empty");
    }
    findPlaces(source_.header ? csvFields(lines.front().second) : std::vector<std::string>{});
    const std::size_t before = reading.result.draws.size();
    auto& result = reading.result;
    for (std::size_t i = source_.header ? 1 : 0; i < lines.size(); ++i) {
        const auto& [number, line] = lines[i];
        const auto why = readLine(number, csvFields(line), reading);
        if (why) {
            ++result.unreadCount;
            if (result.unread.size() < kListedUnread) {
                result.unread.push_back(
                    {number, name_ + ": " + *why, std::string(line.substr(0, kShownLine))});
            }
        }
    }
    if (result.draws.size() == before) {
        refuse(0, "holds no draw of " + game_.title());
    }
}

// Newest first, the later draw of a day first; a repeat kept once, a conflict left out.
void sortAndSetApart(ImportResult& result) {
    auto& draws = result.draws;
    std::stable_sort(draws.begin(), draws.end(), [](const DatedDraw& a, const DatedDraw& b) {
        return a.day != b.day ? a.day > b.day : a.time > b.time;
    });
    std::vector<DatedDraw> kept;
    for (std::size_t i = 0; i < draws.size();) {
        std::size_t end = i + 1;
        while (end < draws.size() && draws[end].day == draws[i].day &&
               draws[end].time == draws[i].time) {
            ++end;
        }
        const bool agree =
            std::all_of(draws.begin() + static_cast<std::ptrdiff_t>(i),
                        draws.begin() + static_cast<std::ptrdiff_t>(end),
                        [&](const DatedDraw& d) { return d.number == draws[i].number; });
        if (agree) {
            kept.push_back(draws[i]);
            for (std::size_t j = i + 1; j < end; ++j) {
                result.duplicates.push_back({draws[i], draws[j].line});
            }
        } else {
            Conflict conflict{draws[i].day, draws[i].time, {}, {}};
            for (std::size_t j = i; j < end; ++j) {
                conflict.numbers.push_back(draws[j].number);
                conflict.lines.push_back(draws[j].line);
            }
            result.conflicts.push_back(std::move(conflict));
        }
        i = end;
    }
    draws = std::move(kept);
}

} // namespace

Result<SourceReading> readSourceTexts(const GameDefinition& game, const UpdateSource& source,
                                      const std::vector<std::string_view>& texts,
                                      std::optional<CivilDate> today) {
    if (texts.size() != source.files.size()) {
        return Result<SourceReading>::refused(
            source.name + ": " + std::to_string(texts.size()) + " files came where " +
            std::to_string(source.files.size()) + " were expected");
    }
    SourceReading reading;
    auto& names = reading.result.drawTimes;
    for (std::size_t i = 0; i < source.draws.size() + source.files.size(); ++i) {
        const std::string& name = i < source.draws.size()
                                      ? source.draws[i].drawTime
                                      : source.files[i - source.draws.size()].drawTime;
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    try {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            FileReader(game, source, i, names, today).read(texts[i], reading);
        }
    } catch (const Refusal& refusal) {
        return Result<SourceReading>::refused(refusal.message);
    }
    sortAndSetApart(reading.result);
    auto& layout = reading.result.layout;
    layout.hasHeader = source.header;
    layout.rowPerDate = source.draws.size() > 1;
    return reading;
}

} // namespace pick3
