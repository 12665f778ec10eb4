#include "engine/BackTest.h"

#include "engine/LiveCount.h"

#include <algorithm>
#include <array>
#include <cstdio>

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

// A ticked item by its list's heading; the six widths sit under "Width".
std::string itemName(const Condition& c, DigitMode mode) {
    const bool hotCold = c.kind == Kind::HotCold;
    const ListEntry& entry =
        listEntry(hotCold ? (mode == DigitMode::Positional ? ListId::HCStraight : ListId::HCBox)
                          : familyList(c.family, mode));
    const std::string item(entry.items[static_cast<std::size_t>(c.row)]);
    if (hotCold) {
        return "Hot/cold " + item;
    }
    const bool width = entry.tooltip.starts_with(kWidthHeadingTooltip);
    return (width ? std::string(kWidthHeading) + " " : "") + std::string(entry.heading) + " " +
           item;
}

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

// For each candidate, the first condition that is not a hot/cold pattern and
// throws it out; the list's size where none does.
std::array<int, kNumberCount> firstFixedConditions(const std::vector<Condition>& conditions) {
    std::array<int, kNumberCount> first{};
    first.fill(static_cast<int>(conditions.size()));
    for (int n = 0; n < kNumberCount; ++n) {
        for (std::size_t i = 0; i < conditions.size(); ++i) {
            if (conditions[i].kind != Kind::HotCold &&
                conditions[i].thrownOut.test(static_cast<std::size_t>(n))) {
                first[static_cast<std::size_t>(n)] = static_cast<int>(i);
                break;
            }
        }
    }
    return first;
}

struct Walk {
    const std::vector<Condition>& conditions;
    std::array<int, kNumberCount> firstFixed;
    std::array<int, 32> hotColdCondition{}; // by pattern row: its condition, or -1
    bool hotColdInUse = false;
};

Walk prepareWalk(const std::vector<Condition>& conditions) {
    Walk walk{conditions, firstFixedConditions(conditions)};
    walk.hotColdCondition.fill(-1);
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        if (conditions[i].kind == Kind::HotCold) {
            walk.hotColdCondition[static_cast<std::size_t>(conditions[i].row)] =
                static_cast<int>(i);
            walk.hotColdInUse = true;
        }
    }
    return walk;
}

// Runs through the history from its oldest draw; the tested ones get their
// verdict, with the hot digits of the draws before each.
void walkHistory(const MainInput& in, const DrawList& history, const BackTestOptions& options,
                 const Walk& walk, BackTestReport& report) {
    const std::size_t size = history.size();
    const std::size_t firstTested = size - report.tested;
    HitCount count; // the draws before the one judged
    for (std::size_t t = 0; t < size; ++t) {
        const std::size_t index = options.newest == NewestEnd::First ? size - 1 - t : t;
        const int draw = history[index];
        if (t >= firstTested) {
            const int candidate = in.mode == DigitMode::Positional ? draw : boxedCandidateOf(draw);
            int first = walk.firstFixed[static_cast<std::size_t>(candidate)];
            if (walk.hotColdInUse) {
                const HotDigits hot = hotDigitsOf(rankHits(count, options.order));
                const int byPattern = walk.hotColdCondition[static_cast<std::size_t>(
                    hotColdRow(candidate, in.mode, hot))];
                if (byPattern >= 0) {
                    ++report.costs[static_cast<std::size_t>(byPattern)].drawsThrownOut;
                    first = std::min(first, byPattern);
                }
            }
            const bool hit = first == static_cast<int>(walk.conditions.size());
            report.strip.push_back({index, draw, hit ? -1 : first});
        }
        if (walk.hotColdInUse) {
            addDraw(count, draw);
        }
    }
}

// Draws thrown out by each condition that is not a hot/cold pattern, from the
// number of tested draws per candidate.
void countFixedCosts(const MainInput& in, const Walk& walk, BackTestReport& report) {
    std::array<std::size_t, kNumberCount> drawn{};
    for (const DrawVerdict& v : report.strip) {
        ++drawn[static_cast<std::size_t>(
            in.mode == DigitMode::Positional ? v.draw : boxedCandidateOf(v.draw))];
    }
    for (std::size_t i = 0; i < walk.conditions.size(); ++i) {
        if (walk.conditions[i].kind == Kind::HotCold) {
            continue;
        }
        for (int n = 0; n < kNumberCount; ++n) {
            if (walk.conditions[i].thrownOut.test(static_cast<std::size_t>(n))) {
                report.costs[i].drawsThrownOut += drawn[static_cast<std::size_t>(n)];
            }
        }
    }
}

// Hits, the longest run without one and the draws since the last, in the order drawn.
void summarise(BackTestReport& report) {
    std::size_t run = 0;
    for (const DrawVerdict& v : report.strip) {
        report.hits += v.hit() ? 1 : 0;
        run = v.hit() ? 0 : run + 1;
        report.longestWithoutHit = std::max(report.longestWithoutHit, run);
    }
    if (report.hits > 0) {
        report.sinceLastHit = run;
    }
}

std::string fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

Result<BackTestReport> backTest(const MainInput& input, const DrawList& history,
                                const BackTestOptions& options) {
    const Result<Creation> plan = planCreation(input);
    if (!plan.ok()) {
        return Result<BackTestReport>::refused(plan.refusal());
    }
    const std::vector<Condition> conditions = testedConditions(*plan);
    BackTestReport report;
    report.historyDraws = history.size();
    report.tested =
        options.lastDraws == 0 ? history.size() : std::min(options.lastDraws, history.size());
    report.coveredDraws = coveredDraws(plan->created, input.mode);
    for (const Condition& c : conditions) {
        report.costs.push_back({conditionName(c, input, *plan), 0,
                                coveredDraws(c.thrownOut & plan->space, input.mode)});
    }
    const Walk walk = prepareWalk(conditions);
    walkHistory(input, history, options, walk, report);
    countFixedCosts(input, walk, report);
    summarise(report);
    // The strip runs in the history's order; the walk went from the oldest draw.
    if (options.newest == NewestEnd::First) {
        std::reverse(report.strip.begin(), report.strip.end());
    }
    return report;
}

CostShares costShares(const BackTestReport& report, const ConditionCost& cost) {
    CostShares shares;
    if (report.tested > 0) {
        shares.winners =
            static_cast<double>(cost.drawsThrownOut) / static_cast<double>(report.tested);
    }
    shares.numbers = cost.numbersThrownOut / static_cast<double>(kNumberCount);
    if (shares.numbers > 0.0) {
        shares.winnersPerNumber = shares.winners / shares.numbers;
    }
    return shares;
}

std::vector<std::pair<std::string, std::string>> backTestSummary(const BackTestReport& r) {
    const double chance = static_cast<double>(r.tested) * r.coveredDraws / kNumberCount;
    const std::string rate =
        r.tested == 0
            ? ""
            : " (" + fixed(100.0 * static_cast<double>(r.hits) / static_cast<double>(r.tested), 1) +
                  "%)";
    return {
        {"Draws tested", std::to_string(r.tested) +
                             (r.tested == r.historyDraws
                                  ? " (all)"
                                  : " (the newest of " + std::to_string(r.historyDraws) + ")")},
        {"Hits", std::to_string(r.hits) + rate},
        {"Chance alone",
         fixed(chance, 1) + " hits: the settings play " + shareOfDraws(r.coveredDraws)},
        {"Against chance",
         chance > 0 ? fixed(static_cast<double>(r.hits) / chance, 2) + " times" : std::string("-")},
        {"Longest run without a hit", std::to_string(r.longestWithoutHit) + " draws"},
        {"Draws since the last hit", r.sinceLastHit ? std::to_string(*r.sinceLastHit)
                                                    : std::string("no hit among the tested draws")},
    };
}

std::string verdictText(const BackTestReport& report, const DrawVerdict& v) {
    const auto [d1, d2, d3] = digitsOf(v.draw);
    const std::string head = "Draw " + std::to_string(v.index + 1) + ", " + numberText(d1, d2, d3);
    if (v.hit()) {
        return head + ": hit";
    }
    return head + ": miss, thrown out by " +
           report.costs[static_cast<std::size_t>(v.thrownOutBy)].name;
}

std::string verdictText(const BackTestReport& report, const DrawVerdict& v,
                        std::string_view label) {
    std::string text = verdictText(report, v);
    if (!label.empty()) {
        text.insert(text.find(','), ", " + std::string(label));
    }
    return text;
}

} // namespace pick3
