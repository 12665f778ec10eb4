#pragma once
// A local clock time of day, to the minute, as draw times are announced: "14:30"
// in a definition; "2:30 PM", "2:30 pm" or "14:30" in a player's history file.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace pick3 {

struct ClockTime {
    int minutes = 0; // since midnight, 0 to 1439

    auto operator<=>(const ClockTime&) const = default;
    // "14:30".
    std::string text() const;
};

// The definitions' own form: "H:MM" or "HH:MM" on the 24-hour clock. "25:00" is nothing.
std::optional<ClockTime> parse24HourTime(std::string_view text);

// Also the 12-hour forms "7:29 PM", "7:29pm", "12:29 p.m.": 12 AM is midnight, 12 PM noon.
std::optional<ClockTime> parseClockTime(std::string_view text);

} // namespace pick3
