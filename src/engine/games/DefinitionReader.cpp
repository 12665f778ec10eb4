// The small readers every part of a definition shares: fields, prizes, periods, sources.

#include "engine/games/DefinitionReader.h"

#include <algorithm>
#include <cstdint>

namespace pick3::gamefile {
namespace {

// No prize or stake reaches a million dollars; a larger figure is a typing mistake.
constexpr std::int64_t kMostCents = 100'000'000;

std::vector<std::string> sourceNames(const Json& value, const std::string& path) {
    if (value.is_string()) {
        return {value.get<std::string>()};
    }
    if (!value.is_array() || value.empty()) {
        refuse(path, "is neither a source's name nor a list of them");
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!value[i].is_string()) {
            refuse(itemPath(path, i), "is not a source's name");
        }
        names.push_back(value[i].get<std::string>());
    }
    return names;
}

int stakeOfKey(const std::string& key, const std::string& path) {
    const bool digits =
        !key.empty() && key.size() <= 9 &&
        std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int stake = digits ? std::stoi(key) : 0;
    if (stake <= 0 || stake > kMostCents) {
        refuse(path, "is not a stake in whole cents (\"50\" for $0.50)");
    }
    return stake;
}

OutcomePrizes readOutcomes(const Json& value, const std::string& path,
                           const std::vector<std::string_view>& outcomes) {
    if (!value.is_object()) {
        refuse(path, "is neither \"unknown\" nor a table of prizes by outcome");
    }
    OutcomePrizes prizes;
    for (const auto& [key, prize] : value.items()) {
        if (std::find(outcomes.begin(), outcomes.end(), key) == outcomes.end()) {
            refuse(fieldPath(path, key), "is not an outcome of this play");
        }
        prizes[key] = isUnknown(prize) ? Prize{} : Prize{centsValue(prize, fieldPath(path, key))};
    }
    for (const auto outcome : outcomes) {
        member(value, path, outcome);
    }
    return prizes;
}

} // namespace

void refuse(std::string path, std::string why) {
    throw FieldError{std::move(path), std::move(why)};
}

std::string fieldPath(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string itemPath(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

std::string quotedText(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    return "\"" + std::string(text.substr(0, kLongest)) + (text.size() > kLongest ? "...\"" : "\"");
}

bool isUnknown(const Json& value) {
    return value.is_string() && value.get_ref<const std::string&>() == "unknown";
}

void checkFields(const Json& object, const std::string& path,
                 std::initializer_list<std::string_view> allowed) {
    if (!object.is_object()) {
        refuse(path, "is not an object");
    }
    for (const auto& item : object.items()) {
        if (std::find(allowed.begin(), allowed.end(), item.key()) == allowed.end()) {
            refuse(fieldPath(path, item.key()), "is not a field this program knows here");
        }
    }
}

const Json& member(const Json& object, const std::string& path, std::string_view key) {
    const auto found = object.find(key);
    if (found == object.end()) {
        refuse(fieldPath(path, key), "is missing");
    }
    return *found;
}

const Json& arrayMember(const Json& object, const std::string& path, std::string_view key) {
    const Json& value = member(object, path, key);
    if (!value.is_array()) {
        refuse(fieldPath(path, key), "is not a list");
    }
    return value;
}

std::string textMember(const Json& object, const std::string& path, std::string_view key) {
    const Json& value = member(object, path, key);
    if (!value.is_string() || value.get_ref<const std::string&>().empty()) {
        refuse(fieldPath(path, key), "is not a text");
    }
    return value.get<std::string>();
}

std::string optionalText(const Json& object, const std::string& path, std::string_view key) {
    return object.contains(key) ? textMember(object, path, key) : std::string();
}

Known knownMember(const Json& object, const std::string& path, std::string_view key,
                  std::optional<Known> absent) {
    if (absent && !object.contains(key)) {
        return *absent;
    }
    const Json& value = member(object, path, key);
    if (value.is_boolean()) {
        return value.get<bool>() ? Known::yes : Known::no;
    }
    if (!isUnknown(value)) {
        refuse(fieldPath(path, key), "is neither true, false nor \"unknown\"");
    }
    return Known::unknown;
}

int centsValue(const Json& value, const std::string& path) {
    if (value.is_number() && value.get<double>() < 0) {
        refuse(path, "is below zero");
    }
    if (!value.is_number_integer()) {
        refuse(path, "is neither a whole number of cents nor \"unknown\"");
    }
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > kMostCents
                                   : value.get<std::int64_t>() > kMostCents) {
        refuse(path, "is more than a million dollars");
    }
    return static_cast<int>(value.get<std::int64_t>());
}

PeriodBound boundMember(const Json& object, const std::string& path, std::string_view key) {
    if (!object.contains(key)) {
        return {};
    }
    const Json& value = object.at(key);
    const std::string where = fieldPath(path, key);
    if (!value.is_string()) {
        refuse(where, "is not a date (\"2013-09-09\", \"2016\" or \"unknown\")");
    }
    const auto bound = parsePeriodBound(value.get_ref<const std::string&>());
    if (!bound) {
        refuse(where, "is not a day of the calendar (\"2013-09-09\", \"2016\" or \"unknown\"): " +
                          quotedText(value.get_ref<const std::string&>()));
    }
    return *bound;
}

Period readPeriod(const Json& object, const std::string& path, const ReadContext& context) {
    const Period period{boundMember(object, path, "from"), boundMember(object, path, "until")};
    if (periodEndsBeforeItBegins(period, context.checked)) {
        refuse(fieldPath(path, "until"), "comes before \"from\"");
    }
    return period;
}

std::vector<std::string> readSources(const Json& object, const std::string& path,
                                     const ReadContext& context) {
    const std::string where = fieldPath(path, "source");
    const auto names = sourceNames(member(object, path, "source"), where);
    for (const auto& name : names) {
        if (std::find(context.sources.begin(), context.sources.end(), name) ==
            context.sources.end()) {
            refuse(where, "names " + quotedText(name) + ", which is not among \"sources\"");
        }
    }
    return names;
}

std::vector<StakePrizes> readStakeTable(const Json& value, const std::string& path,
                                        const std::vector<std::string_view>& outcomes) {
    if (!value.is_object() || value.empty()) {
        refuse(path, "is neither \"unknown\" nor a table of prizes by stake");
    }
    std::vector<StakePrizes> table;
    for (const auto& [key, prizes] : value.items()) {
        const std::string where = fieldPath(path, key);
        StakePrizes stake{stakeOfKey(key, where), std::nullopt};
        if (!isUnknown(prizes)) {
            stake.outcomes = readOutcomes(prizes, where, outcomes);
        }
        table.push_back(std::move(stake));
    }
    std::sort(table.begin(), table.end(),
              [](const auto& a, const auto& b) { return a.stakeCents < b.stakeCents; });
    const auto twice =
        std::adjacent_find(table.begin(), table.end(), [](const auto& a, const auto& b) {
            return a.stakeCents == b.stakeCents;
        });
    if (twice != table.end()) {
        refuse(path, "gives the stake of " + std::to_string(twice->stakeCents) + " cents twice");
    }
    return table;
}

} // namespace pick3::gamefile
