#include "engine/games/ClockTime.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace pick3 {
namespace {

std::string lowerWithoutSpacesOrDots(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ' && c != '.') {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return out;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string ClockTime::text() const {
    std::array<char, 24> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d:%02d", minutes / 60, minutes % 60);
    return buffer.data();
}

std::optional<ClockTime> parse24HourTime(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && !isDigit(text[i])) {
            return std::nullopt;
        }
    }
    const int hours = colon == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
    if (hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return ClockTime{hours * 60 + minutes};
}

std::optional<ClockTime> parseClockTime(std::string_view text) {
    const std::string plain = lowerWithoutSpacesOrDots(text);
    const bool am = plain.ends_with("am");
    const bool pm = plain.ends_with("pm");
    if (!am && !pm) {
        return parse24HourTime(plain);
    }
    const auto time = parse24HourTime(std::string_view(plain).substr(0, plain.size() - 2));
    if (!time || time->minutes < 60 || time->minutes >= 13 * 60) {
        return std::nullopt; // a 12-hour time runs from 1:00 to 12:59
    }
    const int hour = time->minutes / 60 % 12 + (pm ? 12 : 0);
    return ClockTime{hour * 60 + time->minutes % 60};
}

} // namespace pick3
