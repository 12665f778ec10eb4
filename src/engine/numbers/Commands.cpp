#include "engine/numbers/Commands.h"

#include "engine/Messages.h"
#include "engine/numbers/Measures.h"
#include "engine/numbers/ResultsText.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pick3 {

namespace {

// The fifteen readers, in the order each command calls them; a refused list
// stops the command with the first refusal in this order.
constexpr std::array<Family, 15> kCreateOrder{
    Family::Root,    Family::DigitSort, Family::OCS,      Family::LMH,      Family::LDR,
    Family::Width,   Family::WidthX_X,  Family::WidthXX_, Family::Width_XX, Family::WidthLM,
    Family::WidthMH, Family::SumDigits, Family::OddEven,  Family::HighLow,  Family::InOut};
constexpr std::array<Family, 15> kFilterMoreOrder{
    Family::Root,     Family::LDR,       Family::DigitSort, Family::OCS,      Family::LMH,
    Family::Width,    Family::WidthLM,   Family::WidthMH,   Family::WidthX_X, Family::WidthXX_,
    Family::Width_XX, Family::SumDigits, Family::OddEven,   Family::HighLow,  Family::InOut};

// The numbers whose digit at `position` is one of `digits`.
NumberSet withDigitsAt(int position, const std::vector<int>& digits) {
    NumberSet set;
    for (const int d : digits) {
        set |= numbersWithDigitAt(position, d);
    }
    return set;
}

// The digit choice as conditions: each position list in positional mode, the
// any-position list otherwise; a list that leaves no digit out throws out nothing.
Result<std::vector<Condition>> digitConditions(const MainInput& in) {
    std::vector<Condition> out;
    const auto add = [&out](int position, const NumberSet& allowed) {
        if (!allowed.all()) {
            out.push_back({.kind = Condition::Kind::DigitChoice,
                           .position = position,
                           .thrownOut = ~allowed});
        }
    };
    if (in.mode == DigitMode::Positional) {
        std::array<std::vector<int>, 3> digits;
        for (std::size_t p = 0; p < 3; ++p) {
            digits[p] = tickedDigits(in, kPositionLists[p]);
            if (digits[p].empty()) {
                return Result<std::vector<Condition>>::refused(kMsgAllThreeLists);
            }
        }
        for (int p = 0; p < 3; ++p) {
            add(p, withDigitsAt(p, digits[static_cast<std::size_t>(p)]));
        }
        return out;
    }
    const std::vector<int> digits = tickedDigits(in, ListId::DigitsWheel);
    if (digits.size() < 4) {
        return Result<std::vector<Condition>>::refused(kMsgFourDigits);
    }
    add(-1, withDigitsAt(0, digits) & withDigitsAt(1, digits) & withDigitsAt(2, digits));
    return out;
}

std::array<bool, 3> excludedStructures(const MainInput& in) {
    return {in.excludeSingles, in.excludeDoubles, in.excludeTriples};
}

NumberSet unionOf(const std::vector<Condition>& conditions) {
    NumberSet all;
    for (const Condition& c : conditions) {
        all |= c.thrownOut;
    }
    return all;
}

CommandResult refusedWith(std::string_view message, bool emptyText) {
    CommandResult result;
    result.refusal = std::string(message);
    if (emptyText) {
        result.text = std::string();
    }
    return result;
}

CommandResult allExcluded() {
    CommandResult result;
    result.text = std::string(kAllExcludedNotice);
    result.caption = std::string();
    return result;
}

// The three numerals of every number, 000 to 999.
const std::array<std::array<char, 3>, kNumberCount>& numeralsOfNumbers() {
    static const auto table = [] {
        std::array<std::array<char, 3>, kNumberCount> numerals{};
        for (int n = 0; n < kNumberCount; ++n) {
            const auto [d1, d2, d3] = digitsOf(n);
            numerals[static_cast<std::size_t>(n)] = {numeral(d1), numeral(d2), numeral(d3)};
        }
        return numerals;
    }();
    return table;
}

// A number as the results text writes it: boxed singles and doubles in the
// chosen output order, everything else as it stands.
std::string writtenForm(int d1, int d2, int d3, const MainInput& in) {
    if (in.mode == DigitMode::Positional || fnIsTriple(d1, d2, d3)) {
        return numberText(d1, d2, d3);
    }
    return fnBoxedOutputOrder(d1, d2, d3, in.order);
}

// One line per enabled section, even an empty one; CR LF between, none at the end;
// ", " between the numbers of a line (as SectionText joins them). The text is
// written in place: a number takes at most as many characters as the longest code.
std::string createdText(const MainInput& in, const NumberSet& created) {
    const auto& numerals = numeralsOfNumbers();
    const std::size_t longest = std::max(
        {std::size_t{3}, in.order.sixWay.size(), in.order.llh.size(), in.order.lhh.size()});
    std::string text(created.count() * (longest + 2) + 2 * kLineBreak.size(), '\0');
    char* out = text.data();
    const auto put = [&out](std::string_view part) {
        // An empty part may hold no pointer at all, which memcpy must not be given.
        if (!part.empty()) {
            std::memcpy(out, part.data(), part.size());
            out += part.size();
        }
    };
    bool first = true;
    const std::array<bool, 3> excluded = excludedStructures(in);
    for (std::size_t s = 0; s < 3; ++s) {
        if (excluded[s]) {
            continue;
        }
        const auto structure = static_cast<Structure>(s);
        const NumberSet section = created & numbersOfStructure(structure);
        put(first ? "" : kLineBreak);
        first = false;
        const bool asRead = in.mode == DigitMode::Positional || structure == Structure::Triple;
        std::string_view separator;
        // Ascending numbers are the order of the builders' loops in both modes.
        for (std::size_t n = section._Find_first(); n < section.size(); n = section._Find_next(n)) {
            put(separator);
            separator = ", ";
            if (asRead) {
                put({numerals[n].data(), 3});
            } else {
                const auto [d1, d2, d3] = digitsOf(static_cast<int>(n));
                put(fnBoxedOutputOrder(d1, d2, d3, in.order));
            }
        }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

} // namespace

std::vector<int> tickedDigits(const MainInput& input, ListId list) {
    const Ticks& ticks = input.ticks[list];
    checkTicks(listEntry(list), ticks);
    std::vector<int> digits;
    for (std::size_t row = 0; row < ticks.size(); ++row) {
        if (ticks[row]) {
            digits.push_back(static_cast<int>(row));
        }
    }
    return digits;
}

Result<FilterSettings> readFilterSettings(const MainInput& input, ReaderOrder order) {
    FilterSettings out;
    out.mode = input.mode;
    out.iConsecMode = input.iConsecMode;
    out.chk0And9 = input.chk0And9;
    out.pairs = input.pairs;
    thrownOutByConsecutive(input.iConsecMode, input.chk0And9); // a mode outside 0..3 throws
    const HotColdSets hotCold =
        sbPick3HCFilterSettings(input.ticks[ListId::HCBox], input.ticks[ListId::HCStraight]);
    out.set(Family::HotColdBox) = hotCold.box;
    out.set(Family::HotColdStraight) = hotCold.straight;
    for (const Family family : order == ReaderOrder::Create ? kCreateOrder : kFilterMoreOrder) {
        const ListId list = familyList(family, input.mode);
        const std::optional<ExclusionSet> set = readExclusionSet(list, input.ticks[list]);
        if (!set) {
            return Result<FilterSettings>::refused(listEntry(list).refusal);
        }
        out.set(family) = *set;
    }
    return out;
}

Result<Creation> planCreation(const MainInput& input) {
    Result<std::vector<Condition>> digits = digitConditions(input);
    if (!digits.ok()) {
        return Result<Creation>::refused(digits.refusal());
    }
    std::vector<int> mustInclude;
    for (const MustHaveItem& item : input.mustHave) {
        if (item.ticked) {
            mustInclude.push_back(checkDigit(item.digit));
        }
    }
    if (mustInclude.empty()) {
        return Result<Creation>::refused(kMsgMustInclude);
    }
    Result<FilterSettings> settings = readFilterSettings(input, ReaderOrder::Create);
    if (!settings.ok()) {
        return Result<Creation>::refused(settings.refusal());
    }
    const std::array<bool, 3> excluded = excludedStructures(input);
    if (excluded[0] && excluded[1] && excluded[2]) {
        return Result<Creation>::refused(kMsgNoStructure);
    }
    Creation plan{.settings = *settings, .conditions = *digits};
    plan.settings.mustInclude = mustInclude;
    for (std::size_t s = 0; s < 3; ++s) {
        if (excluded[s]) {
            const auto structure = static_cast<Structure>(s);
            plan.conditions.push_back({.kind = Condition::Kind::Structure,
                                       .structure = structure,
                                       .thrownOut = numbersOfStructure(structure)});
        }
    }
    plan.space = input.mode == DigitMode::Positional ? NumberSet().set() : boxedCandidates();
    const NumberSet candidates = plan.space & ~unionOf(plan.conditions);
    // The counter is read when a number is tested against a ticked pattern.
    if (!plan.settings.hotColdSet().empty() && candidates.any() && input.readHotDigits) {
        plan.settings.hot = input.readHotDigits();
    }
    std::vector<Condition> filters = filterConditions(plan.settings, true);
    plan.created = candidates & ~unionOf(filters);
    plan.conditions.insert(plan.conditions.end(), filters.begin(), filters.end());
    return plan;
}

CommandResult createNumbers(const MainInput& input) {
    const Result<Creation> plan = planCreation(input);
    if (!plan.ok()) {
        return refusedWith(plan.refusal(), true);
    }
    const auto count = static_cast<int>(plan->created.count());
    if (count <= 0) {
        return allExcluded();
    }
    CommandResult result;
    result.text = createdText(input, plan->created);
    result.caption = std::string(kCreatedCaption) + std::to_string(count);
    result.count = count;
    return result;
}

CommandResult filterMore(std::string_view text, const MainInput& input) {
    Result<FilterSettings> settings = readFilterSettings(input, ReaderOrder::FilterMore);
    if (!settings.ok()) {
        return refusedWith(settings.refusal(), false);
    }
    std::optional<NumberSet> thrownOut; // worked out when the first number is tested
    std::array<SectionText, 3> sections;
    const std::array<bool, 3> excluded = excludedStructures(input);
    int count = 0;
    forEachTriple(text, [&](int d1, int d2, int d3) {
        const auto structure = static_cast<std::size_t>(structureOf(d1, d2, d3));
        if (excluded[structure]) {
            return; // dropped without a test
        }
        if (!thrownOut) {
            if (!settings->hotColdSet().empty() && input.readHotDigits) {
                settings->hot = input.readHotDigits();
            }
            thrownOut = thrownOutBy(*settings, false);
        }
        if (!thrownOut->test(static_cast<std::size_t>(numberIndex(d1, d2, d3)))) {
            // Straight numbers stay as read; boxed ones take the chosen output order.
            sections[structure].add(writtenForm(d1, d2, d3, input));
            ++count;
        }
    });
    if (count < 1) {
        return allExcluded();
    }
    std::string newText;
    for (const SectionText& section : sections) {
        if (!section.empty()) {
            newText.append(section.text()).append(kLineBreak);
        }
    }
    CommandResult result;
    result.text = std::move(newText);
    result.caption = std::string(kRefilteredCaption) + std::to_string(count) + ")";
    result.count = count;
    return result;
}

} // namespace pick3
