#include "engine/backtest/BackTestRun.h"

#include "engine/backtest/TryLedger.h"
#include "engine/numbers/Conditions.h"
#include "engine/numbers/LiveCount.h"
#include "engine/stats/Chance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace pick3 {

namespace {

using Kind = Condition::Kind;

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

// The hot digits as 40 bits: positions 1 to 3, then the box.
std::uint64_t keyOf(const HotDigits& hot) {
    std::uint64_t key = 0;
    for (int d = 0; d < 10; ++d) {
        for (int p = 0; p < 3; ++p) {
            key = key << 1 | (hot.isHotInPosition(p, d) ? 1U : 0U);
        }
        key = key << 1 | (hot.isHotInBox(d) ? 1U : 0U);
    }
    return key;
}

// What a count plays on a draw: its numbers, the outcomes they cover, and
// those of them that win six-way and three-way boxed.
struct Played {
    int numbers = 0;
    int covered = 0;
    int sixWay = 0;
    int threeWay = 0;
    void add(int covers) {
        ++numbers;
        covered += covers;
        sixWay += covers == 6 ? 1 : 0;
        threeWay += covers == 3 ? 1 : 0;
    }
};

struct Walk {
    const std::vector<Condition>& conditions;
    std::array<int, kNumberCount> firstFixed;
    std::array<int, 32> hotColdCondition{}; // by pattern row: its condition, or -1
    bool hotColdInUse = false;
    std::vector<std::pair<int, int>> survivors; // no other condition throws out: number, covers
    // What each count met so far plays, the numbers and the outcomes they
    // cover, by its hot digits.
    std::unordered_map<std::uint64_t, Played> seen;
};

Walk prepareWalk(const std::vector<Condition>& conditions, const Creation& plan, DigitMode mode) {
    Walk walk{conditions, firstFixedConditions(conditions), {}, false, {}, {}};
    for (int n = 0; n < kNumberCount; ++n) {
        if (plan.space.test(static_cast<std::size_t>(n)) &&
            walk.firstFixed[static_cast<std::size_t>(n)] == static_cast<int>(conditions.size())) {
            walk.survivors.emplace_back(n, mode == DigitMode::Positional ? 1 : arrangements(n));
        }
    }
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

// What the count with these hot digits plays: the numbers that no fixed
// condition and no ticked pattern throws out. Remembered by the hot digits,
// which change far less often than the draws come.
Played playedWith(const HotDigits& hot, DigitMode mode, Walk& walk) {
    const auto [at, isNew] = walk.seen.try_emplace(keyOf(hot));
    if (isNew) {
        for (const auto& [n, covers] : walk.survivors) {
            if (walk.hotColdCondition[static_cast<std::size_t>(hotColdRow(n, mode, hot))] < 0) {
                at->second.add(covers);
            }
        }
    }
    return at->second;
}

// Runs through the history from its oldest draw; the tested ones get their
// verdict, with the hot digits of the draws before each.
void walkHistory(const MainInput& in, const DrawList& history, const BackTestOptions& options,
                 Walk& walk, BackTestReport& report) {
    const std::size_t size = history.size();
    const std::size_t firstTested = size - report.tested;
    HitCount count; // the draws before the one judged
    for (std::size_t t = 0; t < size; ++t) {
        const std::size_t index = options.newest == NewestEnd::First ? size - 1 - t : t;
        const int draw = history[index];
        if (t >= firstTested) {
            const int candidate = in.mode == DigitMode::Positional ? draw : boxedCandidateOf(draw);
            int first = walk.firstFixed[static_cast<std::size_t>(candidate)];
            Played played{report.numbersPlayed, report.coveredDraws, report.sixWayPlayed,
                          report.threeWayPlayed};
            if (walk.hotColdInUse) {
                const HotDigits hot = hotDigitsOf(rankHits(count, options.order));
                played = playedWith(hot, in.mode, walk);
                const int byPattern = walk.hotColdCondition[static_cast<std::size_t>(
                    hotColdRow(candidate, in.mode, hot))];
                if (byPattern >= 0) {
                    ++report.costs[static_cast<std::size_t>(byPattern)].drawsThrownOut;
                    first = std::min(first, byPattern);
                }
            }
            const bool hit = first == static_cast<int>(walk.conditions.size());
            report.strip.push_back({index, draw, hit ? -1 : first, played.numbers, played.covered,
                                    played.sixWay, played.threeWay});
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
        report.coveredTested += static_cast<std::size_t>(v.covered);
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

// 1234.5 as "1,234.50".
std::string amount(double value) {
    const double cents = std::round(std::abs(value) * 100.0);
    const std::string whole = grouped(static_cast<std::size_t>(cents / 100.0));
    const std::string part = fixed(std::fmod(cents, 100.0) / 100.0, 2).substr(1);
    return (value < 0.0 && cents > 0.0 ? "-" : "") + whole + part;
}

// The numbers played each draw, by the draws each covers.
void countPlayed(const NumberSet& created, BackTestReport& report) {
    for (int n = 0; n < kNumberCount; ++n) {
        if (created.test(static_cast<std::size_t>(n))) {
            const int covers = report.mode == DigitMode::Positional ? 1 : arrangements(n);
            ++report.numbersPlayed;
            report.sixWayPlayed += covers == 6 ? 1 : 0;
            report.threeWayPlayed += covers == 3 ? 1 : 0;
        }
    }
}

// How often random numbers of the same shares hit as often as these (or as
// rarely, below chance), in words; then what the settings tried on these
// draws make of that.
std::string luckText(const BackTestReport& r, std::size_t tries) {
    if (r.tested == 0) {
        return "no draw tested";
    }
    if (r.coveredTested == 0) {
        return "the settings play no number";
    }
    const Luck luck = luckOf(r);
    const bool well = luck.well;
    const double chance = std::exp(luck.logChance);
    const std::string verdict =
        chance >= 0.05 ? (well ? "no sign that the filters help" : "no sign that the filters hurt")
        : chance >= 0.01 ? "a little unusual"
                         : "unusual";
    return std::string("random numbers of the same share do this ") + (well ? "well " : "badly ") +
           logChanceInWords(luck.logChance) + ": " + verdict +
           (well || chance >= 0.05 ? "" : ", the filters seem to throw out winners") +
           (tries > 1 ? ". " + triesText(tries, luck.logChance, well) : "");
}

// What the settings play now and, where a hot/cold pattern changed it from
// draw to draw, what they played on average along the tested draws.
std::string playedText(const BackTestReport& r) {
    const std::string now = "the settings play " + shareOfDraws(r.coveredDraws);
    const bool same = std::all_of(r.strip.begin(), r.strip.end(), [&r](const DrawVerdict& v) {
        return v.covered == r.coveredDraws;
    });
    if (same) {
        return now;
    }
    const double average = static_cast<double>(r.coveredTested) / static_cast<double>(r.tested);
    return now + " today; along the tested draws they played " + fixed(average, 1) +
           " of them on average (" + fixed(average / 10.0, 1) + "%)";
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
    report.mode = input.mode;
    report.newest = options.newest;
    countPlayed(plan->created, report);
    for (const Condition& c : conditions) {
        report.costs.push_back({conditionName(c, input, *plan), 0,
                                coveredDraws(c.thrownOut & plan->space, input.mode)});
    }
    Walk walk = prepareWalk(conditions, *plan, input.mode);
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
    shares.expected = static_cast<double>(report.tested) * shares.numbers;
    // Two-sided: the smaller tail through the winners thrown out, doubled.
    shares.logChance = binomialLogTwoSided(report.tested, cost.drawsThrownOut, shares.numbers);
    shares.chance = std::exp(shares.logChance);
    if (shares.logChance < std::log(0.05)) {
        // Above or below the share, in whole numbers.
        const std::size_t share = report.tested * static_cast<std::size_t>(cost.numbersThrownOut);
        shares.unusual = cost.drawsThrownOut * kNumberCount > share ? 1 : -1;
    }
    return shares;
}

std::string winnersPerNumberText(const CostShares& shares) {
    if (!shares.winnersPerNumber) {
        return "-";
    }
    const std::string times = fixed(*shares.winnersPerNumber, 2);
    return shares.winners == 0.0 ? "no winner"
           : times == "1.00"     ? "as often"
                                 : times + " times as often";
}

std::string unusualByLuckText(const BackTestReport& report) {
    const std::size_t conditions = report.costs.size();
    if (conditions == 0) {
        return "No filter is set: every number is played";
    }
    std::size_t unusual = 0;
    double expected = 0.0;
    for (const ConditionCost& c : report.costs) {
        unusual += costShares(report, c).unusual != 0 ? 1 : 0;
        // The winners a condition throws out of fair draws are Binomial(tested,
        // its share of numbers), the very distribution its chance is taken from.
        expected += binomialChanceUnusual(report.tested,
                                          c.numbersThrownOut / static_cast<double>(kNumberCount));
    }
    return luckAloneText(expected, conditions, "condition", unusual);
}

double stakeOn(const DrawVerdict& v, const Prizes& prizes) {
    return v.played * prizes.stake;
}

double wonOn(const BackTestReport& r, const DrawVerdict& v, const Prizes& prizes) {
    if (!v.hit()) {
        return 0.0;
    }
    const int covers = r.mode == DigitMode::Positional ? 1 : arrangements(v.draw);
    return prizes.stake * (covers == 6   ? prizes.boxSixWay
                           : covers == 3 ? prizes.boxThreeWay
                                         : prizes.straight);
}

Money moneyOf(const BackTestReport& r, const Prizes& prizes) {
    Money money;
    for (const DrawVerdict& v : r.strip) {
        money.played += stakeOn(v, prizes);
        money.won += wonOn(r, v, prizes);
    }
    if (money.played > 0.0) {
        money.returned = money.won / money.played;
    }
    // A number wins in as many of the 1,000 draws as it covers. Under a hot/cold
    // pattern each draw plays its own numbers: the mix is the average over the
    // draws (exactly today's numbers where every draw plays the same).
    double numbers = 0.0, sixWay = 0.0, threeWay = 0.0;
    for (const DrawVerdict& v : r.strip) {
        numbers += v.played;
        sixWay += v.sixWay;
        threeWay += v.threeWay;
    }
    if (numbers > 0.0) {
        const auto draws = static_cast<double>(r.strip.size());
        numbers /= draws;
        sixWay /= draws;
        threeWay /= draws;
        const double triples = numbers - sixWay - threeWay;
        money.gameReturn = (6.0 * sixWay * prizes.boxSixWay + 3.0 * threeWay * prizes.boxThreeWay +
                            triples * prizes.straight) /
                           kNumberCount / numbers;
    }
    return money;
}

Money moneyOf(const BackTestReport& r, const std::vector<Prizes>& prizes) {
    if (prizes.size() != r.strip.size()) {
        throw std::invalid_argument("moneyOf: one prize table per tested draw");
    }
    Money money;
    double numbers = 0.0, paidBack = 0.0;
    for (std::size_t i = 0; i < r.strip.size(); ++i) {
        const DrawVerdict& v = r.strip[i];
        const Prizes& p = prizes[i];
        money.played += stakeOn(v, p);
        money.won += wonOn(r, v, p);
        // The draws its numbers win in, each at its own prize, over the 1,000 possible.
        const int triples = v.played - v.sixWay - v.threeWay;
        paidBack += (6.0 * v.sixWay * p.boxSixWay + 3.0 * v.threeWay * p.boxThreeWay +
                     triples * p.straight) /
                    kNumberCount;
        numbers += v.played;
    }
    if (money.played > 0.0) {
        money.returned = money.won / money.played;
    }
    if (numbers > 0.0) {
        money.gameReturn = paidBack / numbers;
    }
    return money;
}

std::vector<std::pair<std::string, std::string>> moneySummary(const Money& money) {
    return {
        {"What it would have cost", "played " + amount(money.played) + ", won " +
                                        amount(money.won) + ", net " + amount(money.net())},
        {"Return per 1.00 played", money.returned
                                       ? fixed(*money.returned, 2) + "; the game pays back " +
                                             fixed(money.gameReturn, 2) + " on average"
                                       : std::string("nothing played")},
    };
}

std::string newestCellText(const BackTestReport& r) {
    if (r.strip.empty()) {
        return "";
    }
    const bool first = r.newest == NewestEnd::First;
    return "Draw " + std::to_string((first ? r.strip.front() : r.strip.back()).index + 1) +
           " is the newest";
}

Luck luckOf(const BackTestReport& r) {
    Luck luck;
    // Whole numbers decide the side: 7 hits in 100 draws at 7% are at chance.
    luck.well = r.hits * kNumberCount >= r.coveredTested;
    const bool sameShare = std::all_of(r.strip.begin(), r.strip.end(), [&r](const DrawVerdict& v) {
        return v.covered == r.strip.front().covered;
    });
    if (r.strip.empty()) {
        return luck;
    }
    if (sameShare) {
        const double share = r.strip.front().share();
        luck.logChance = luck.well ? binomialLogUpperTail(r.tested, r.hits, share)
                                   : binomialLogLowerTail(r.tested, r.hits, share);
        return luck;
    }
    std::vector<double> shares;
    shares.reserve(r.strip.size());
    for (const DrawVerdict& v : r.strip) {
        shares.push_back(v.share());
    }
    luck.logChance = luck.well ? poissonBinomialLogUpperTail(shares, r.hits)
                               : poissonBinomialLogLowerTail(shares, r.hits);
    return luck;
}

std::vector<std::pair<std::string, std::string>> backTestSummary(const BackTestReport& r,
                                                                 std::size_t tries) {
    const double chance = static_cast<double>(r.coveredTested) / kNumberCount;
    const std::string rate =
        r.tested == 0
            ? ""
            : " (" + fixed(100.0 * static_cast<double>(r.hits) / static_cast<double>(r.tested), 1) +
                  "%)";
    const Range wilson = wilsonRange(r.hits, r.tested);
    return {
        {"Draws tested", std::to_string(r.tested) +
                             (r.tested == r.historyDraws
                                  ? " (all)"
                                  : " (the newest of " + std::to_string(r.historyDraws) + ")")},
        {"Hits", std::to_string(r.hits) + rate},
        {"Chance alone", fixed(chance, 1) + " hits: " + playedText(r)},
        {"Against chance",
         chance > 0 ? fixed(static_cast<double>(r.hits) / chance, 2) + " times" : std::string("-")},
        {"Longest run without a hit", counted(r.longestWithoutHit, "draw")},
        {"Draws since the last hit", r.sinceLastHit ? std::to_string(*r.sinceLastHit)
                                                    : std::string("no hit among the tested draws")},
        {"Could this be luck?", luckText(r, tries)},
        {"Hit rate, 95% range",
         r.tested == 0 ? std::string("-")
                       : fixed(100.0 * wilson.low, 1) + "% to " + fixed(100.0 * wilson.high, 1) +
                             "% (chance alone: " +
                             fixed(100.0 * chance / static_cast<double>(r.tested), 1) + "%)"},
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
