#include "engine/numbers/Conditions.h"

#include <algorithm>
#include <utility>

namespace pick3 {

namespace {

using Kind = Condition::Kind;

// "1, 2, 7".
std::string joinedDigits(const std::vector<int>& digits) {
    std::string text;
    for (const int d : digits) {
        text += (text.empty() ? "" : ", ") + std::to_string(d);
    }
    return text;
}

// A pair set by its first pairs; a long one by its size as well.
std::string joinedPairs(const PairSet& set) {
    constexpr std::size_t kShown = 6;
    std::string text;
    for (std::size_t i = 0; i < std::min(kShown, set.size()); ++i) {
        text += (i == 0 ? "" : ", ") + set[i];
    }
    return set.size() > kShown ? text + ", ... (" + std::to_string(set.size()) + " pairs)" : text;
}

std::string pairsName(const Condition& c, const PairSets& pairs) {
    switch (c.pairKind) {
    case PairKind::Left:
        return "Left pairs (LP): " + joinedPairs(pairs.left);
    case PairKind::Right:
        return "Right pairs (RP): " + joinedPairs(pairs.right);
    case PairKind::Split:
        return "Split pairs (SP): " + joinedPairs(pairs.split);
    case PairKind::Boxed:
        return "Boxed pairs: " + joinedPairs(pairs.boxed);
    }
    return {};
}

// A ticked item's list, by its heading, and the item; the six widths sit under
// "Width", the patterns under "Hot/cold".
std::pair<std::string, std::string> itemParts(const Condition& c, DigitMode mode) {
    const bool hotCold = c.kind == Kind::HotCold;
    const ListEntry& entry =
        listEntry(hotCold ? (mode == DigitMode::Positional ? ListId::HCStraight : ListId::HCBox)
                          : familyList(c.family, mode));
    std::string item(entry.items[static_cast<std::size_t>(c.row)]);
    if (hotCold) {
        return {"Hot/cold", std::move(item)};
    }
    const bool width = entry.tooltip.starts_with(kWidthHeadingTooltip);
    return {(width ? std::string(kWidthHeading) + " " : "") + std::string(entry.heading),
            std::move(item)};
}

std::string itemName(const Condition& c, DigitMode mode) {
    const auto [list, item] = itemParts(c, mode);
    return list + " " + item;
}

} // namespace

std::string conditionName(const Condition& c, const MainInput& in, const Creation& plan) {
    switch (c.kind) {
    case Kind::DigitChoice:
        if (c.position < 0) {
            return "Use Digits: " + joinedDigits(tickedDigits(in, ListId::DigitsWheel));
        }
        return std::string(
                   listEntry(kPositionLists[static_cast<std::size_t>(c.position)]).heading) +
               " digits: " +
               joinedDigits(tickedDigits(in, kPositionLists[static_cast<std::size_t>(c.position)]));
    case Kind::Structure:
        return std::string(kStructureBoxes[static_cast<std::size_t>(c.structure)].caption);
    case Kind::Pairs:
        return pairsName(c, in.pairs);
    case Kind::Consecutive:
        return "Consecutives: " +
               std::string(kConsecOptions[static_cast<std::size_t>(in.iConsecMode)].caption);
    case Kind::MustInclude:
        return "Must include: " + joinedDigits(plan.settings.mustInclude);
    case Kind::HotCold:
    case Kind::Item:
        return itemName(c, in.mode);
    }
    return {};
}

// The tested conditions: all but a must-include list that throws out nothing.
std::vector<Condition> testedConditions(const Creation& plan) {
    std::vector<Condition> conditions;
    for (const Condition& c : plan.conditions) {
        if (c.kind != Kind::MustInclude || (c.thrownOut & plan.space).any()) {
            conditions.push_back(c);
        }
    }
    return conditions;
}

Result<std::vector<std::string>> conditionNames(const MainInput& input) {
    const Result<Creation> plan = planCreation(input);
    if (!plan.ok()) {
        return Result<std::vector<std::string>>::refused(plan.refusal());
    }
    std::vector<std::string> names;
    for (const Condition& c : testedConditions(*plan)) {
        names.push_back(conditionName(c, input, *plan));
    }
    return names;
}

Result<std::vector<std::string>> conditionLines(const MainInput& input) {
    const Result<Creation> plan = planCreation(input);
    if (!plan.ok()) {
        return Result<std::vector<std::string>>::refused(plan.refusal());
    }
    std::vector<std::string> lines;
    std::string gathering; // the list whose items the last line gathers
    for (const Condition& c : testedConditions(*plan)) {
        if (c.kind != Kind::Item && c.kind != Kind::HotCold) {
            lines.push_back(conditionName(c, input, *plan));
            gathering.clear();
            continue;
        }
        const auto [list, item] = itemParts(c, input.mode);
        if (list == gathering) {
            lines.back() += ", " + item;
        } else {
            lines.push_back(list + ": " + item);
            gathering = list;
        }
    }
    return lines;
}

} // namespace pick3
