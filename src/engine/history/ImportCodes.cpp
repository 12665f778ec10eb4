// Draw times written as codes: a short word standing right before the draw on
// every draw line ("11/28/26 E 3-0-6"), whose values differ between the draws
// of one date. Known codes get their names; the others keep their text and
// take their order within a day from the file.

#include "engine/history/ImportCodes.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace pick3::importing {
namespace {

constexpr int kMaxCodes = kKindKeys;

std::string lowerText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::int32_t dateKey(const RawDate& date) {
    return date.year * 10000 + date.first * 100 + date.second;
}

bool isDigitCode(std::string_view code) {
    return code.size() == 1 && code[0] >= '0' && code[0] <= '9';
}

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

void CodeFinder::see(const LineReader& reader, const LineReading& r) {
    if (r.drawCount == 0 || r.date.style == DateStyle::None || r.draws[0].timeKey != kUnnamed) {
        return;
    }
    ++lines_;
    std::string code = reader.codeBefore(r.draws[0]);
    if (!code.empty()) {
        seen_.push_back({dateKey(r.date), std::move(code)});
    }
}

std::vector<std::pair<std::string, std::string>> CodeFinder::codes() const {
    // On nine draw lines in ten at least, two to eight values.
    if (lines_ < 2 || seen_.size() * 10 < static_cast<std::size_t>(lines_) * 9) {
        return {};
    }
    std::vector<std::string> written;                      // each code as first written
    std::map<std::int32_t, std::vector<std::string>> days; // the codes of a date, as met
    int newer = 0;
    int older = 0;
    for (std::size_t i = 0; i < seen_.size(); ++i) {
        const std::string low = lowerText(seen_[i].code);
        std::vector<std::string>& day = days[seen_[i].date];
        if (std::find(day.begin(), day.end(), low) == day.end()) {
            day.push_back(low);
        }
        if (std::none_of(written.begin(), written.end(),
                         [&](const std::string& w) { return lowerText(w) == low; })) {
            written.push_back(seen_[i].code);
        }
        if (i > 0 && seen_[i].date != seen_[i - 1].date) {
            (seen_[i].date < seen_[i - 1].date ? newer : older) += 1;
        }
    }
    const bool differ = std::any_of(days.begin(), days.end(),
                                    [](const auto& day) { return day.second.size() > 1; });
    if (!differ || written.size() > static_cast<std::size_t>(kMaxCodes)) {
        return {};
    }
    std::map<std::string, std::pair<double, int>> place; // code: sum of places in a day, days
    for (const auto& [date, day] : days) {
        for (std::size_t k = 0; k < day.size(); ++k) {
            place[day[k]].first += static_cast<double>(k);
            ++place[day[k]].second;
        }
    }
    return named(written, place, newer >= older);
}

// Known codes by their time of day; the others by where the file puts them in
// a day: in a newest-first file the first code met on a date is the later draw.
std::vector<std::pair<std::string, std::string>>
CodeFinder::named(std::vector<std::string> written,
                  const std::map<std::string, std::pair<double, int>>& place, bool newestFirst) {
    const auto rank = [&](const std::string& code) {
        const int known = timeKeyOfCode(code);
        if (known >= 0) {
            return static_cast<double>(known);
        }
        if (isDigitCode(code)) {
            return 500.0 + (code[0] - '0'); // "1", "2": the first draw of a day, the second
        }
        const auto& [sum, days] = place.at(lowerText(code));
        const double average = sum / std::max(days, 1);
        return 1000.0 + (newestFirst ? -average : average);
    };
    std::stable_sort(written.begin(), written.end(),
                     [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& code : written) {
        const int known = timeKeyOfCode(code);
        out.emplace_back(code, known >= 0          ? timeKeyName(known)
                               : isDigitCode(code) ? "Draw " + code
                                                   : code);
    }
    return out;
}

void applyCodes(const std::vector<std::pair<std::string, std::string>>& codes, ColumnRules& rules) {
    rules.codes.clear();
    rules.codeKeys.clear();
    for (std::size_t c = 0; c < codes.size() && c < static_cast<std::size_t>(kMaxCodes); ++c) {
        rules.codes.push_back(lowerText(codes[c].first));
        rules.codeKeys.push_back(static_cast<std::uint8_t>(kCode + static_cast<int>(c)));
    }
}

} // namespace pick3::importing

namespace pick3 {

std::string timeCodesText(const std::vector<std::pair<std::string, std::string>>& codes) {
    std::string out;
    for (const auto& [code, name] : codes) {
        out += (out.empty() ? "" : ", ") + code + " = " + name;
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> parseTimeCodes(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> out;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        const std::size_t equals = part.find('=');
        std::string code = importing::trim(part.substr(0, equals));
        std::string name =
            equals == std::string_view::npos ? code : importing::trim(part.substr(equals + 1));
        if (!code.empty()) {
            out.emplace_back(std::move(code), name.empty() ? code : std::move(name));
        }
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return out;
}

} // namespace pick3
