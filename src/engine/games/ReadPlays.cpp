// Reading the "playTypes" and "addOns" of a definition, with their prize tables.

#include "engine/games/DefinitionReader.h"
#include "engine/games/PlayTypes.h"

#include <algorithm>
#include <cctype>

namespace pick3::gamefile {
namespace {

const PlayTypeShape& shapeMember(const Json& object, const std::string& path) {
    const std::string key = textMember(object, path, "key");
    const PlayTypeShape* shape = playTypeShape(key);
    if (shape == nullptr) {
        refuse(fieldPath(path, "key"), "is not a play type this program knows: " + quotedText(key));
    }
    return *shape;
}

// A field that belongs to one play type only ("tripleBoxSold" to the box).
Known playOnlyFlag(const Json& object, const std::string& path, std::string_view field,
                   bool belongs) {
    if (!belongs) {
        if (object.contains(field)) {
            refuse(fieldPath(path, field), "does not belong to this play type");
        }
        return Known::unknown;
    }
    return knownMember(object, path, field);
}

PrizeTable readPrizes(const Json& object, const std::string& path,
                      std::vector<std::string_view> outcomes) {
    const Json& value = member(object, path, "prizes");
    if (isUnknown(value)) {
        return std::nullopt;
    }
    return readStakeTable(value, fieldPath(path, "prizes"), outcomes);
}

PlayType readPlayType(const Json& object, const std::string& path, const ReadContext& context) {
    checkFields(object, path,
                {"key", "name", "from", "until", "sold", "prizes", "tripleBoxSold",
                 "nineAndZeroNeighbours", "source", "note"});
    const PlayTypeShape& shape = shapeMember(object, path);
    PlayType play;
    play.key = std::string(shape.key);
    play.name = textMember(object, path, "name");
    play.period = readPeriod(object, path, context);
    play.sold = knownMember(object, path, "sold", Known::yes);
    play.tripleBoxSold = playOnlyFlag(object, path, "tripleBoxSold", play.key == "box");
    play.nineAndZeroNeighbours =
        playOnlyFlag(object, path, "nineAndZeroNeighbours", play.key == "one_off");
    auto outcomes = shape.outcomes;
    if (play.tripleBoxSold == Known::yes) {
        outcomes.push_back(kTripleOutcome);
    }
    play.prizes = readPrizes(object, path, outcomes);
    play.sources = readSources(object, path, context);
    play.note = optionalText(object, path, "note");
    return play;
}

std::optional<int> plusCents(std::string_view text) {
    // "+$1", "+$0.50".
    if (!text.starts_with("+$") || text.size() > 12) {
        return std::nullopt;
    }
    text.remove_prefix(2);
    const auto dot = text.find('.');
    const std::string_view dollars = text.substr(0, dot);
    const std::string_view cents = dot == std::string_view::npos ? "00" : text.substr(dot + 1);
    const auto digits = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        });
    };
    if (!digits(dollars) || !digits(cents) || cents.size() != 2 || dollars.size() > 6) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(dollars)) * 100 + std::stoi(std::string(cents));
    return value > 0 ? std::optional<int>(value) : std::nullopt;
}

AddOnCost readCost(const Json& object, const std::string& path) {
    const Json& value = member(object, path, "cost");
    const std::string text = value.is_string() ? value.get<std::string>() : std::string();
    if (text == "doubles the cost") {
        return {AddOnCost::Rule::doubles, 0};
    }
    if (text == "unknown") {
        return {AddOnCost::Rule::unknown, 0};
    }
    const auto plus = plusCents(text);
    if (!plus) {
        refuse(fieldPath(path, "cost"),
               "is neither \"doubles the cost\", \"+$1\" (an amount) nor \"unknown\"");
    }
    return {AddOnCost::Rule::plus, *plus};
}

std::optional<std::map<std::string, std::vector<StakePrizes>, std::less<>>>
readAddOnPrizes(const Json& object, const std::string& path) {
    const Json& value = member(object, path, "prizes");
    const std::string where = fieldPath(path, "prizes");
    if (isUnknown(value)) {
        return std::nullopt;
    }
    if (!value.is_object() || value.empty()) {
        refuse(where, "is neither \"unknown\" nor a table of prizes by play type");
    }
    std::map<std::string, std::vector<StakePrizes>, std::less<>> prizes;
    for (const auto& [key, table] : value.items()) {
        const PlayTypeShape* shape = playTypeShape(key);
        if (shape == nullptr) {
            refuse(fieldPath(where, key), "is not a play type this program knows");
        }
        prizes[key] = readStakeTable(table, fieldPath(where, key), shape->outcomes);
    }
    return prizes;
}

AddOn readAddOn(const Json& object, const std::string& path, const ReadContext& context) {
    checkFields(object, path,
                {"key", "name", "from", "until", "cost", "prizes", "winsMoreThanOnce",
                 "inHistories", "source", "note"});
    AddOn addOn;
    addOn.key = textMember(object, path, "key");
    addOn.name = textMember(object, path, "name");
    addOn.period = readPeriod(object, path, context);
    addOn.cost = readCost(object, path);
    addOn.prizes = readAddOnPrizes(object, path);
    addOn.winsMoreThanOnce = knownMember(object, path, "winsMoreThanOnce");
    const std::string inHistories = optionalText(object, path, "inHistories");
    if (!inHistories.empty() && inHistories != "fourth digit") {
        refuse(fieldPath(path, "inHistories"), "is neither left out nor \"fourth digit\"");
    }
    addOn.fourthDigitInHistories = inHistories == "fourth digit";
    addOn.sources = readSources(object, path, context);
    addOn.note = optionalText(object, path, "note");
    return addOn;
}

template <typename Item, typename Reader>
std::vector<Item> readList(const Json& root, std::string_view key, const ReadContext& context,
                           Reader reader) {
    const std::string path(key);
    const Json& list = arrayMember(root, "", key);
    std::vector<Item> items;
    for (std::size_t i = 0; i < list.size(); ++i) {
        items.push_back(reader(list[i], itemPath(path, i), context));
    }
    checkNoOverlap(items, path, context.checked,
                   [](const Item& a, const Item& b) { return a.key == b.key; });
    return items;
}

} // namespace

std::vector<PlayType> readPlayTypes(const Json& root, const ReadContext& context) {
    return readList<PlayType>(root, "playTypes", context, readPlayType);
}

std::vector<AddOn> readAddOns(const Json& root, const ReadContext& context) {
    return readList<AddOn>(root, "addOns", context, readAddOn);
}

} // namespace pick3::gamefile
