// What a recognised history gives the draw box: the draws kept, their text and
// their labels; the summary line; and the warning for a dated text pasted
// straight into the box.

#include "engine/history/DrawImport.h"
#include "engine/history/ImportLine.h"

#include <algorithm>
#include <stdexcept>

namespace pick3 {
using namespace importing;
namespace {

constexpr std::string_view kMsgDatedText =
    "This text holds dates, draw times or a header: \"Count\" counts their digits as draws "
    "too. Use \"Import draws...\" to read the draws alone.";
// The warning looks at the start of the text only: it runs on every edit.
constexpr std::size_t kWarningLooksAt = 64 * 1024;

std::string counted(std::size_t n, std::string_view one, std::string_view many) {
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

bool newerFirst(const DatedDraw& a, const DatedDraw& b) {
    return a.day != b.day ? a.day > b.day : a.time != b.time ? a.time > b.time : a.line < b.line;
}

// Words of a header or of a results page, besides months and draw times.
bool isHistoryWord(std::string_view word) {
    static constexpr std::array<std::string_view, 24> kWords{
        "date", "draw",    "draws",  "sum",     "bonus",     "fireball", "winning", "numbers",
        "pick", "results", "result", "mon",     "tue",       "wed",      "thu",     "fri",
        "sat",  "sun",     "monday", "tuesday", "wednesday", "thursday", "friday",  "saturday"};
    if (word.size() > 9) {
        return false;
    }
    std::string w(word);
    std::transform(w.begin(), w.end(), w.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return w == "sunday" || std::find(kWords.begin(), kWords.end(), w) != kWords.end();
}

} // namespace

std::string importSummary(const ImportResult& result) {
    std::string out;
    const std::vector<DatedDraw>& draws = result.draws;
    if (draws.empty()) {
        out = "0 draws";
    } else {
        std::size_t dates = 0;
        for (std::size_t i = 0; i < draws.size(); ++i) {
            dates += i == 0 || draws[i].day != draws[i - 1].day ? 1 : 0;
        }
        const auto [oldest, newest] = std::minmax_element(
            draws.begin(), draws.end(),
            [](const DatedDraw& a, const DatedDraw& b) { return a.day < b.day; });
        out = counted(draws.size(), "draw", "draws") + " on " + counted(dates, "date", "dates") +
              ", " + isoDateText(oldest->day);
        if (newest->day != oldest->day) {
            out += " to " + isoDateText(newest->day);
        }
    }
    const std::size_t unread = std::max(result.unreadCount, result.unread.size());
    if (unread > 0) {
        out += "; " + counted(unread, "line not read", "lines not read");
    }
    if (!result.missingDates.empty()) {
        out += "; " + counted(result.missingDates.size(), "date missing", "dates missing");
    }
    if (!result.duplicates.empty()) {
        out += "; " + counted(result.duplicates.size(), "row twice", "rows twice");
    }
    if (!result.conflicts.empty()) {
        out += "; " + counted(result.conflicts.size(), "conflict", "conflicts");
    }
    return out;
}

std::vector<DatedDraw> keptDraws(const ImportResult& result, const KeepChoices& choices) {
    if (!choices.drawTimes.empty() && choices.drawTimes.size() != result.drawTimes.size()) {
        throw std::invalid_argument("one tick per draw time");
    }
    if (choices.conflictPicks.size() > result.conflicts.size()) {
        throw std::invalid_argument("one pick per conflict");
    }
    std::vector<DatedDraw> kept;
    kept.reserve(result.draws.size() + choices.conflictPicks.size());
    const auto wanted = [&](const DatedDraw& d) {
        return (choices.drawTimes.empty() || choices.drawTimes.at(d.time)) &&
               (!choices.from || d.day >= *choices.from) && (!choices.to || d.day <= *choices.to);
    };
    std::copy_if(result.draws.begin(), result.draws.end(), std::back_inserter(kept), wanted);
    bool picked = false;
    for (std::size_t i = 0; i < choices.conflictPicks.size(); ++i) {
        const Conflict& c = result.conflicts[i];
        const std::optional<std::uint16_t>& pick = choices.conflictPicks[i];
        if (!pick) {
            continue;
        }
        if (*pick > 999) {
            throw std::invalid_argument("a draw is 0 to 999");
        }
        const auto at = std::find(c.numbers.begin(), c.numbers.end(), *pick);
        const std::int32_t line =
            at == c.numbers.end() || c.lines.empty()
                ? (c.lines.empty() ? 0 : c.lines.front())
                : c.lines.at(static_cast<std::size_t>(at - c.numbers.begin()));
        const DatedDraw draw{c.day, c.time, -1, *pick, line};
        if (wanted(draw)) {
            kept.push_back(draw);
            picked = true;
        }
    }
    if (picked) {
        std::sort(kept.begin(), kept.end(), newerFirst);
    }
    if (choices.lastDraws && kept.size() > *choices.lastDraws) {
        kept.resize(*choices.lastDraws);
    }
    if (!choices.newestFirst) {
        std::reverse(kept.begin(), kept.end());
    }
    return kept;
}

std::string drawBoxText(const std::vector<DatedDraw>& draws) {
    std::string text;
    text.reserve(draws.size() * 5);
    for (const DatedDraw& d : draws) {
        const int n = d.number % 1000;
        text += static_cast<char>('0' + n / 100);
        text += static_cast<char>('0' + n / 10 % 10);
        text += static_cast<char>('0' + n % 10);
        text += "\r\n";
    }
    return text;
}

std::string drawLabel(const ImportResult& result, const DatedDraw& draw) {
    std::string label = weekdayText(draw.day) + " " + isoDateText(draw.day);
    const std::string& time = result.drawTimes.at(draw.time);
    return time.empty() ? label : label + " " + time;
}

std::optional<std::string> datedTextWarning(std::string_view utf8) {
    const std::string_view text = utf8.substr(0, std::min(utf8.size(), kWarningLooksAt));
    LineReader reader;
    const ColumnRules rules;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        end = end == std::string_view::npos ? text.size() : end;
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        reader.tokenize(line, ' ');
        const std::vector<Token>& tokens = reader.tokens();
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const Token& t = tokens[i];
            const std::string_view word = line.substr(t.begin, t.length);
            if (!t.number &&
                (monthOfWord(word) > 0 || timeKeyOfWord(word) >= 0 || isHistoryWord(word))) {
                return std::string(kMsgDatedText);
            }
            // A year joined to a number the way dates are: "2026-12", "12/2026"
            const bool joined = i > 0 && tokens[i - 1].number && t.number && !t.spaced &&
                                (t.gap == Gap::Slash || t.gap == Gap::Dash || t.gap == Gap::Dot);
            if (joined && (t.length >= 4 || tokens[i - 1].length >= 4)) {
                return std::string(kMsgDatedText);
            }
        }
        if (reader.read(rules).date.style != DateStyle::None) {
            return std::string(kMsgDatedText);
        }
    }
    return std::nullopt;
}

} // namespace pick3
