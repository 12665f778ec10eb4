#pragma once
// When a rule holds. Rules change on a date (Texas went to four draws a day on
// 2013-09-09), and an old draw is judged by the rules of its own day, so every
// schedule, play type and add-on of a definition carries a period. Some ends are
// only partly known: Pennsylvania's Wild Ball began some day in 2016, Texas's
// Fireball on a day nobody wrote down. A question about such a day is answered
// "not known", never guessed.

#include "engine/games/CivilDate.h"

#include <optional>
#include <string>
#include <string_view>

namespace pick3 {

// An answer that may be "not known to this program".
enum class Known { yes, no, unknown };

// One end of a period.
struct PeriodBound {
    enum class Kind {
        open,    // no end is recorded: as far back as any question reaches, or still in force
        date,    // this very day (a period's last day is inside it)
        year,    // some day of this year, the day unknown
        unknown, // some day nobody recorded
    };
    Kind kind = Kind::open;
    CivilDate date{};
    int year = 0;

    // "2013-09-09", "some day in 2016", "an unknown day", or "" when open.
    std::string text() const;
};

struct Period {
    PeriodBound from;
    PeriodBound until;
};

// Whether a period holds on a day. `checked` is the first day of the month the sources
// were checked: a rule of unknown start was in force by then, and a rule of unknown end
// had ended by then (its source no longer listed it).
Known inForceOn(const Period& period, const CivilDate& day, const CivilDate& checked);

// Whether two periods could share a day, given what is known of their ends.
bool periodsMayOverlap(const Period& a, const Period& b, const CivilDate& checked);

// Whether a period's end could come before its start.
bool periodEndsBeforeItBegins(const Period& period, const CivilDate& checked);

// "2013-09-09", "2016" (a year, the day unknown) or "unknown"; nothing for other text.
std::optional<PeriodBound> parsePeriodBound(std::string_view text);

} // namespace pick3
