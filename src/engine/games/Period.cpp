#include "engine/games/Period.h"

#include <algorithm>
#include <limits>

namespace pick3 {
namespace {

constexpr int kBeforeAll = std::numeric_limits<int>::min();
constexpr int kAfterAll = std::numeric_limits<int>::max();

Known startState(const PeriodBound& from, const CivilDate& day, const CivilDate& checked) {
    switch (from.kind) {
    case PeriodBound::Kind::open:
        return Known::yes;
    case PeriodBound::Kind::date:
        return day >= from.date ? Known::yes : Known::no;
    case PeriodBound::Kind::year:
        return day.year > from.year ? Known::yes
                                    : (day.year < from.year ? Known::no : Known::unknown);
    case PeriodBound::Kind::unknown:
        break;
    }
    return day >= checked ? Known::yes : Known::unknown;
}

Known endState(const PeriodBound& until, const CivilDate& day, const CivilDate& checked) {
    switch (until.kind) {
    case PeriodBound::Kind::open:
        return Known::yes;
    case PeriodBound::Kind::date:
        return day <= until.date ? Known::yes : Known::no;
    case PeriodBound::Kind::year:
        return day.year < until.year ? Known::yes
                                     : (day.year > until.year ? Known::no : Known::unknown);
    case PeriodBound::Kind::unknown:
        break;
    }
    return day >= checked ? Known::no : Known::unknown;
}

// The earliest day a period could begin and the latest it could end.
int earliestStart(const PeriodBound& from) {
    switch (from.kind) {
    case PeriodBound::Kind::date:
        return from.date.daysSinceEpoch();
    case PeriodBound::Kind::year:
        return CivilDate{from.year, 1, 1}.daysSinceEpoch();
    default:
        return kBeforeAll;
    }
}

int latestEnd(const PeriodBound& until, const CivilDate& checked) {
    switch (until.kind) {
    case PeriodBound::Kind::date:
        return until.date.daysSinceEpoch();
    case PeriodBound::Kind::year:
        return CivilDate{until.year, 12, 31}.daysSinceEpoch();
    case PeriodBound::Kind::unknown:
        return checked.daysSinceEpoch() - 1;
    default:
        return kAfterAll;
    }
}

} // namespace

std::string PeriodBound::text() const {
    switch (kind) {
    case Kind::date:
        return date.text();
    case Kind::year:
        return "some day in " + std::to_string(year);
    case Kind::unknown:
        return "an unknown day";
    case Kind::open:
        break;
    }
    return "";
}

Known inForceOn(const Period& period, const CivilDate& day, const CivilDate& checked) {
    const Known start = startState(period.from, day, checked);
    const Known end = endState(period.until, day, checked);
    if (start == Known::no || end == Known::no) {
        return Known::no;
    }
    return start == Known::unknown || end == Known::unknown ? Known::unknown : Known::yes;
}

bool periodsMayOverlap(const Period& a, const Period& b, const CivilDate& checked) {
    return earliestStart(a.from) <= latestEnd(b.until, checked) &&
           earliestStart(b.from) <= latestEnd(a.until, checked);
}

bool periodEndsBeforeItBegins(const Period& period, const CivilDate& checked) {
    // Only a certain wrong order is refused: the latest end before the earliest start.
    const int start = earliestStart(period.from);
    return start != kBeforeAll && latestEnd(period.until, checked) < start;
}

std::optional<PeriodBound> parsePeriodBound(std::string_view text) {
    if (text == "unknown") {
        return PeriodBound{PeriodBound::Kind::unknown, {}, 0};
    }
    if (const auto date = parseCivilDate(text)) {
        return PeriodBound{PeriodBound::Kind::date, *date, 0};
    }
    if (text.size() == 4 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int year = std::stoi(std::string(text));
        if (year >= 1) {
            return PeriodBound{PeriodBound::Kind::year, {}, year};
        }
    }
    return std::nullopt;
}

} // namespace pick3
