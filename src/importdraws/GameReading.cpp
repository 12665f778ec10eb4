#include "importdraws/GameReading.h"

#include "engine/games/Prizes.h"

#include <algorithm>
#include <numeric>

namespace pick3 {

namespace {

// As many lines not read as the reading itself lists.
constexpr std::size_t kMaxUnreadListed = 1000;
constexpr int kUnnamedPlace = -1;

// Where a draw time falls in the day: its clock time by the game's latest schedule that
// holds it, else its place there after every clock time; a name the file gives that the
// game does not know comes first, as does a draw with no draw time.
int placeInDay(const GameDefinition& game, const std::string& name) {
    for (auto s = game.schedules.rbegin(); s != game.schedules.rend(); ++s) {
        for (std::size_t i = 0; i < s->drawTimes.size(); ++i) {
            const DrawTime& time = s->drawTimes[i];
            if (time.name == name) {
                return time.time ? time.time->minutes : 24 * 60 + static_cast<int>(i);
            }
        }
    }
    return kUnnamedPlace;
}

// The draw times of a reading renamed by the game, each new name given its index.
class Namer {
  public:
    Namer(const GameDefinition& game, const ImportResult& reading)
        : game_(game), reading_(reading) {}

    Result<std::uint8_t> timeOf(std::uint8_t time, DayNumber day) {
        const std::string& code = reading_.drawTimes.at(time);
        if (code.empty()) {
            return indexOf(code); // the file names no draw time: nothing to name it by
        }
        const CivilDate date = civilDateOf(day);
        Result<std::string> named = drawTimeNamed(game_, date, code);
        // The reading calls a "Day" draw "Midday", as most states do; Texas calls it "Day".
        const std::string_view other = code == "Midday" ? "Day" : code == "Day" ? "Midday" : "";
        if (!named.ok() && !other.empty()) {
            const Result<std::string> again = drawTimeNamed(game_, date, other);
            named = again.ok() ? again : named;
        }
        if (!named.ok()) {
            return Result<std::uint8_t>::refused(named.refusal());
        }
        return indexOf(*named);
    }
    std::uint8_t indexOf(const std::string& name) {
        const auto at = std::find(names_.begin(), names_.end(), name);
        if (at != names_.end()) {
            return static_cast<std::uint8_t>(at - names_.begin());
        }
        names_.push_back(name);
        return static_cast<std::uint8_t>(names_.size() - 1);
    }
    // The names in their order of the day, and where each old index went.
    std::vector<std::string> ordered(std::vector<std::uint8_t>& moved) const {
        std::vector<std::size_t> order(names_.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return placeInDay(game_, names_[a]) < placeInDay(game_, names_[b]);
        });
        std::vector<std::string> names;
        moved.assign(names_.size(), 0);
        for (std::size_t i = 0; i < order.size(); ++i) {
            names.push_back(names_[order[i]]);
            moved[order[i]] = static_cast<std::uint8_t>(i);
        }
        return names;
    }

  private:
    const GameDefinition& game_;
    const ImportResult& reading_;
    std::vector<std::string> names_;
};

std::string drawDigits(std::uint16_t number) {
    std::string text = std::to_string(number);
    return std::string(3 - std::min<std::size_t>(3, text.size()), '0') + text;
}

// The draws named by the game; those at a time its schedule does not hold become lines not read.
void nameDraws(ImportResult& result, Namer& namer, std::vector<OutsideDraw>& outside) {
    std::vector<DatedDraw> kept;
    kept.reserve(result.draws.size());
    for (DatedDraw d : result.draws) {
        const Result<std::uint8_t> time = namer.timeOf(d.time, d.day);
        if (time.ok()) {
            d.time = *time;
            kept.push_back(d);
            continue;
        }
        outside.push_back({d.day, result.drawTimes[d.time], d.number, d.addOn});
        ++result.unreadCount;
        if (result.unread.size() < kMaxUnreadListed) {
            result.unread.push_back(
                {d.line, time.refusal(), isoDateText(d.day) + " " + drawDigits(d.number)});
        }
    }
    result.draws = std::move(kept);
    for (DuplicateRow& twice : result.duplicates) {
        const Result<std::uint8_t> time = namer.timeOf(twice.draw.time, twice.draw.day);
        twice.draw.time = time.ok() ? *time : namer.indexOf(result.drawTimes[twice.draw.time]);
    }
    for (Conflict& conflict : result.conflicts) {
        const Result<std::uint8_t> time = namer.timeOf(conflict.time, conflict.day);
        conflict.time = time.ok() ? *time : namer.indexOf(result.drawTimes[conflict.time]);
    }
}

// The new indices in the order of the day; the draws newest first again.
void reorder(ImportResult& result, const Namer& namer) {
    std::vector<std::uint8_t> moved;
    result.drawTimes = namer.ordered(moved);
    for (DatedDraw& d : result.draws) {
        d.time = moved[d.time];
    }
    for (DuplicateRow& twice : result.duplicates) {
        twice.draw.time = moved[twice.draw.time];
    }
    for (Conflict& conflict : result.conflicts) {
        conflict.time = moved[conflict.time];
    }
    std::stable_sort(result.draws.begin(), result.draws.end(),
                     [](const DatedDraw& a, const DatedDraw& b) {
                         return a.day != b.day ? a.day > b.day : a.time > b.time;
                     });
    std::sort(result.unread.begin(), result.unread.end(),
              [](const UnreadLine& a, const UnreadLine& b) { return a.line < b.line; });
}

void findMissing(ImportResult& result, const GameDefinition& game, GameFindings& findings) {
    std::vector<HeldDraw> held;
    held.reserve(result.draws.size() + result.conflicts.size());
    for (const DatedDraw& d : result.draws) {
        held.push_back({civilDateOf(d.day), result.drawTimes[d.time]});
    }
    for (const Conflict& c : result.conflicts) {
        held.push_back({civilDateOf(c.day), result.drawTimes[c.time]});
    }
    std::sort(held.begin(), held.end());
    result.missingDates.clear();
    result.weekdaysWithoutDraws.clear();
    Result<std::vector<HeldDraw>> missing = missingDraws(game, held);
    if (!missing.ok()) {
        findings.missingRefusal = missing.refusal();
        return;
    }
    findings.missing = std::move(*missing);
    for (const HeldDraw& draw : findings.missing) {
        const DayNumber day = *dayNumberOf({draw.date.year, draw.date.month, draw.date.day});
        if (result.missingDates.empty() || result.missingDates.back() != day) {
            result.missingDates.push_back(day);
        }
    }
}

// The add-on's name for the column its digits are shown in: the one in force on the
// newest draw's date, else the game's first.
std::string addOnNameOf(const ImportResult& result, const GameDefinition& game) {
    const bool any = std::any_of(result.draws.begin(), result.draws.end(),
                                 [](const DatedDraw& d) { return d.addOn >= 0; });
    if (!any) {
        return {};
    }
    for (const AddOn& addOn : game.addOns) {
        if (addOnOn(game, civilDateOf(result.draws.front().day), addOn.key).ok()) {
            return addOn.name;
        }
    }
    return game.addOns.empty() ? std::string("Add-on") : game.addOns.front().name;
}

} // namespace

int drawTimeOrder(const GameDefinition& game, const std::string& name) {
    return placeInDay(game, name);
}

CivilDate civilDateOf(DayNumber day) {
    const CalendarDate date = calendarDateOf(day);
    return {date.year, date.month, date.day};
}

ImportResult namedByGame(ImportResult result, const GameDefinition& game, GameFindings& findings) {
    Namer namer(game, result);
    nameDraws(result, namer, findings.outside);
    reorder(result, namer);
    findMissing(result, game, findings);
    findings.addOnName = addOnNameOf(result, game);
    return result;
}

} // namespace pick3
