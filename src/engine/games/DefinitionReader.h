#pragma once
// Inside the definition reader only. Each part of a definition is read by a small
// function that either returns its value or throws a FieldError naming the field's
// path and what is wrong with it; readGameDefinition() catches that at its edge and
// turns it into the refusal, so no exception leaves the reader.

#include "engine/games/GameDefinition.h"

#include <nlohmann/json.hpp>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pick3::gamefile {

using Json = nlohmann::json;

struct FieldError {
    std::string path; // "playTypes[2].prizes.100.straight"; empty for the whole file
    std::string why;  // "is below zero"
};

// What every part is checked against: the month the sources were checked and their names.
struct ReadContext {
    CivilDate checked;
    std::vector<std::string> sources;
};

[[noreturn]] void refuse(std::string path, std::string why);

std::string fieldPath(const std::string& path, std::string_view key); // "schedules[0].from"
std::string itemPath(const std::string& path, std::size_t index);     // "schedules[0]"
// A text from the file, shortened and quoted for a message.
std::string quotedText(std::string_view text);

bool isUnknown(const Json& value);

// Refuses a field that a part of this kind does not have: a misspelt name is a mistake.
void checkFields(const Json& object, const std::string& path,
                 std::initializer_list<std::string_view> allowed);
const Json& member(const Json& object, const std::string& path, std::string_view key);
const Json& arrayMember(const Json& object, const std::string& path, std::string_view key);
std::string textMember(const Json& object, const std::string& path, std::string_view key);
std::string optionalText(const Json& object, const std::string& path, std::string_view key);
// true, false or "unknown"; `absent` when the field is not there.
Known knownMember(const Json& object, const std::string& path, std::string_view key,
                  std::optional<Known> absent = std::nullopt);
int centsValue(const Json& value, const std::string& path);
Period readPeriod(const Json& object, const std::string& path, const ReadContext& context);
PeriodBound boundMember(const Json& object, const std::string& path, std::string_view key);
std::vector<std::string> readSources(const Json& object, const std::string& path,
                                     const ReadContext& context);
// Stakes in cents to the prizes of each outcome: {"50": {"straight": 25000}, "100": "unknown"}.
std::vector<StakePrizes> readStakeTable(const Json& value, const std::string& path,
                                        const std::vector<std::string_view>& outcomes);

// Refuses two items of one kind whose periods could share a day.
template <typename Item, typename SameKind>
void checkNoOverlap(const std::vector<Item>& items, const std::string& path,
                    const CivilDate& checked, SameKind sameKind) {
    for (std::size_t later = 1; later < items.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (sameKind(items[earlier], items[later]) &&
                periodsMayOverlap(items[earlier].period, items[later].period, checked)) {
                refuse(itemPath(path, later),
                       "overlaps \"" + itemPath(path, earlier) + "\": two rules on one day");
            }
        }
    }
}

std::vector<SchedulePeriod> readSchedules(const Json& root, const ReadContext& context);
std::vector<PlayType> readPlayTypes(const Json& root, const ReadContext& context);
std::vector<AddOn> readAddOns(const Json& root, const ReadContext& context);
// After the schedules and add-ons: a source names the game's draw times, and an add-on
// column only where the game has an add-on.
std::vector<UpdateSource> readUpdateSources(const Json& root, const GameDefinition& game);

} // namespace pick3::gamefile
