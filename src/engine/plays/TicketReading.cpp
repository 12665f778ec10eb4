// Reading ticket lines: the number comes first; the other parts are known by their
// form (a date, a stake, a play's or add-on's name) in any order, and what is left is
// the draw time, named as the game names it.

#include "engine/plays/TicketReading.h"

#include "engine/games/PlayTypes.h"
#include "engine/games/Schedule.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace pick3 {
namespace {

using Phrases = std::vector<std::pair<std::string, std::string>>; // words, key

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<TicketDigits> parseNumber(std::string_view token) {
    std::string kept;
    for (const char c : token) {
        if (c != '-') {
            kept += c;
        }
    }
    if (kept.size() != 3) {
        return std::nullopt;
    }
    TicketDigits digits{};
    for (std::size_t place = 0; place < 3; ++place) {
        const char c = kept[place];
        if (c == 'x' || c == 'X' || c == '*') {
            digits[place] = kOpenDigit;
        } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            digits[place] = c - '0';
        } else {
            return std::nullopt;
        }
    }
    return digits;
}

// "12/08/2026" (month first) or "2026-12-08"; nothing for a token of neither form.
std::optional<std::optional<CivilDate>> parseDateToken(std::string_view token) {
    if (token.size() == 10 && token[4] == '-' && token[7] == '-') {
        return std::optional<std::optional<CivilDate>>(parseCivilDate(token));
    }
    if (token.find('/') == std::string_view::npos ||
        !std::isdigit(static_cast<unsigned char>(token[0]))) {
        return std::nullopt;
    }
    std::string text(token);
    std::replace(text.begin(), text.end(), '/', ' ');
    std::istringstream in(text);
    std::string month, day, year, more;
    in >> month >> day >> year >> more;
    if (!allDigits(month) || !allDigits(day) || year.size() != 4 || !allDigits(year) ||
        !more.empty() || month.size() > 2 || day.size() > 2) {
        return std::optional<std::optional<CivilDate>>(std::nullopt);
    }
    const CivilDate date{std::stoi(year), std::stoi(month), std::stoi(day)};
    return std::optional<std::optional<CivilDate>>(date.exists() ? std::optional<CivilDate>(date)
                                                                 : std::nullopt);
}

// "$1", "$0.50", "$.50", "0.50", "50c": cents; nothing for a token of no such form.
std::optional<int> parseStake(std::string_view token) {
    std::string text(token);
    const bool dollar = !text.empty() && text.front() == '$';
    const bool centsSign = !text.empty() && text.back() == 'c';
    if (dollar) {
        text.erase(0, 1);
    }
    if (centsSign) {
        text.pop_back();
        return allDigits(text) && text.size() <= 4 ? std::optional<int>(std::stoi(text))
                                                   : std::nullopt;
    }
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string part = point == std::string::npos ? "" : text.substr(point + 1);
    const bool shaped = (dollar || point != std::string::npos) &&
                        (whole.empty() || allDigits(whole)) && whole.size() <= 5 &&
                        (point == std::string::npos || (part.size() == 2 && allDigits(part))) &&
                        !(whole.empty() && part.empty());
    if (!shaped) {
        return std::nullopt;
    }
    return (whole.empty() ? 0 : std::stoi(whole)) * 100 + (part.empty() ? 0 : std::stoi(part));
}

Phrases playPhrases(const GameDefinition& game) {
    Phrases phrases;
    for (const auto& shape : playTypeShapes()) {
        std::string words(shape.key);
        std::replace(words.begin(), words.end(), '_', ' ');
        phrases.emplace_back(words, std::string(shape.key));
        phrases.emplace_back(std::string(shape.key), std::string(shape.key));
    }
    for (const auto& [words, key] : Phrases{{"straight/box", "straight_box"},
                                            {"straight-box", "straight_box"},
                                            {"1-off", "one_off"},
                                            {"one-off", "one_off"},
                                            {"1 off", "one_off"}}) {
        phrases.emplace_back(words, key);
    }
    for (const auto& play : game.playTypes) {
        phrases.emplace_back(lowered(play.name), play.key);
    }
    return phrases;
}

Phrases addOnPhrases(const GameDefinition& game) {
    Phrases phrases{{"fireball", "fireball"},
                    {"+fireball", "fireball"},
                    {"wild ball", "wild_ball"},
                    {"wildball", "wild_ball"},
                    {"wild_ball", "wild_ball"}};
    for (const auto& addOn : game.addOns) {
        phrases.emplace_back(lowered(addOn.name), addOn.key);
    }
    return phrases;
}

// The key of the longest phrase starting at token `at`, and how many tokens it takes.
std::pair<std::string, std::size_t> phraseAt(const std::vector<std::string>& tokens, std::size_t at,
                                             const Phrases& phrases) {
    for (std::size_t length = std::min<std::size_t>(3, tokens.size() - at); length > 0; --length) {
        std::string words = tokens[at];
        for (std::size_t more = 1; more < length; ++more) {
            words += " " + tokens[at + more];
        }
        for (const auto& [phrase, key] : phrases) {
            if (phrase == words) {
                return {key, length};
            }
        }
    }
    return {"", 0};
}

struct LineParts {
    std::optional<CivilDate> date;
    std::optional<int> stake;
    std::string play;
    std::string addOn;
    std::vector<std::string> rest; // the draw time's words
};

// Sorts the tokens after the number into their parts; a message for a part given twice.
Result<LineParts> lineParts(const std::vector<std::string>& tokens, const GameDefinition& game) {
    const Phrases plays = playPhrases(game);
    const Phrases addOns = addOnPhrases(game);
    LineParts parts;
    for (std::size_t at = 1; at < tokens.size();) {
        const std::string& token = tokens[at];
        if (const auto date = parseDateToken(token)) {
            if (!*date || parts.date) {
                return Result<LineParts>::refused(!*date ? "not a date: " + token
                                                         : "two dates on one line");
            }
            parts.date = *date;
            ++at;
        } else if (const auto stake = parseStake(token)) {
            if (parts.stake) {
                return Result<LineParts>::refused("two stakes on one line");
            }
            parts.stake = *stake;
            ++at;
        } else if (const auto [key, length] = phraseAt(tokens, at, plays); length > 0) {
            if (!parts.play.empty()) {
                return Result<LineParts>::refused("two play types on one line");
            }
            parts.play = key;
            at += length;
        } else if (const auto [addOn, taken] = phraseAt(tokens, at, addOns); taken > 0) {
            parts.addOn = addOn;
            at += taken;
        } else {
            parts.rest.push_back(token);
            ++at;
        }
    }
    return parts;
}

Result<Ticket> readLine(std::string_view line, const GameDefinition& game,
                        const TicketDefaults& defaults) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(lowered(token));
    }
    const auto digits = parseNumber(tokens.front());
    if (!digits) {
        return Result<Ticket>::refused(
            "\"" + tokens.front() +
            "\" is not a number of three digits (or two and an X for a pair)");
    }
    const auto parts = lineParts(tokens, game);
    if (!parts.ok()) {
        return Result<Ticket>::refused(parts.refusal());
    }
    if (parts->play.empty()) {
        return Result<Ticket>::refused(
            "no play type: straight, box, straight/box, combo, front pair, "
            "back pair, split pair or 1-off");
    }
    if (!parts->stake) {
        return Result<Ticket>::refused("no stake: write it as $1 or $0.50");
    }
    Ticket ticket{game.id,
                  *digits,
                  parts->play,
                  *parts->stake,
                  parts->date.value_or(defaults.drawDate),
                  "",
                  parts->addOn,
                  defaults.entered,
                  std::nullopt,
                  false};
    if (parts->rest.empty()) {
        return Result<Ticket>::refused("no draw time: write it as the game names it");
    }
    std::string code = parts->rest.front();
    for (std::size_t more = 1; more < parts->rest.size(); ++more) {
        code += " " + parts->rest[more];
    }
    const auto drawTime = drawTimeNamed(game, ticket.drawDate, code);
    if (!drawTime.ok()) {
        return Result<Ticket>::refused(drawTime.refusal());
    }
    ticket.drawTime = *drawTime;
    return ticket;
}

} // namespace

ReadTickets readTickets(std::string_view text, const GameDefinition& game,
                        const TicketDefaults& defaults) {
    ReadTickets read;
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        const auto ticket = readLine(line, game, defaults);
        if (ticket.ok()) {
            read.tickets.push_back(*ticket);
            read.lines.push_back(number);
        } else {
            read.errors.push_back({number, ticket.refusal()});
        }
    }
    return read;
}

} // namespace pick3
