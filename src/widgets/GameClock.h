#pragma once
// The one clock the windows ask for the time in a game's own zone: a state's draw
// times and dates are its local ones ("10:00" in Texas is Central time). Tests set
// the clock; the program leaves it running.

#include <QDateTime>
#include <QTimeZone>
#include <optional>
#include <string_view>

namespace pick3 {

class GameClock {
  public:
    // Now, as a clock in `zone` shows it.
    static QDateTime now(const QTimeZone& zone);
    // The day it is in `zone`.
    static QDate today(const QTimeZone& zone) { return now(zone).date(); }
    // Fixes the clock at a moment (tests); nothing lets it run again.
    static void set(std::optional<QDateTime> moment);
    // A game's zone from its IANA name ("America/Chicago"); nothing for "unknown" or a
    // name this system does not know.
    static std::optional<QTimeZone> zoneNamed(std::string_view ianaName);
};

} // namespace pick3
