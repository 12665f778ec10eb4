// The back-test of the settings on a draw history, the skip counts and the
// live count: short histories worked out by hand; exact chances worked out with
// exact fractions, and the extremes a million draws reach.

#include "engine/backtest/BackTestRun.h"
#include "engine/numbers/LiveCount.h"
#include "engine/stats/Chance.h"
#include "engine/stats/SkipCounts.h"

#include "Support.h"

#include <random>
#include <set>

namespace pick3 {
namespace {

using namespace test;

const std::vector<int> kAll{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

constexpr auto draws = parseDraws;

// 7 draws of 100 straight, then 93 draws of 999.
DrawList atChance() {
    DrawList history(100, 999);
    std::fill(history.begin(), history.begin() + 7, 100);
    return history;
}

// The strip as "+" for a hit and the name of the condition for a miss.
std::string strip(const BackTestReport& r) {
    std::string out;
    for (const DrawVerdict& v : r.strip) {
        out += (out.empty() ? "" : " | ") +
               (v.hit() ? std::string("+") : r.costs[static_cast<std::size_t>(v.thrownOutBy)].name);
    }
    return out;
}

TEST(BackTest, HitsAndTheFirstConditionOfEachMiss) {
    // Must include 1, no sum 6: 147 is a hit, 105 has the sum, 789 no 1.
    const Change settings = [](MainInput& in) {
        in.mustHave = {{1, true}, {7, false}};
        in.ticks[ListId::SumDigits] = tickRows(ListId::SumDigits, {6});
    };
    for (const MainInput& in :
         {with(chosen({kAll}), settings), with(chosen({kAll, kAll, kAll}), settings)}) {
        SCOPED_TRACE(in.mode == DigitMode::Positional ? "positional" : "any position");
        const Result<BackTestReport> r = backTest(in, draws("147, 105, 789"), {});
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(strip(*r), "+ | Sumdigits 6 | Must include: 1");
        EXPECT_EQ(r->hits, 1U);
        EXPECT_EQ(r->costs.size(), 2U);
        EXPECT_EQ(r->costs[0].numbersThrownOut, 28);  // the numbers with the sum 6
        EXPECT_EQ(r->costs[1].numbersThrownOut, 729); // 9 * 9 * 9 without a 1
        // The sum 6 throws out a third of the winners and 2.8% of the numbers.
        EXPECT_DOUBLE_EQ(*costShares(*r, r->costs[0]).winnersPerNumber, 1.0 / 3 / 0.028);
        EXPECT_EQ(r->coveredDraws, liveCount(in).coveredDraws);
        EXPECT_EQ(r->longestWithoutHit, 2U); // 789 and 105, newest first
        EXPECT_EQ(r->sinceLastHit, 0U);      // 147 is the newest draw
    }
    // A boxed combination is hit in any order; the straight test wants 123 as it is.
    EXPECT_EQ(strip(*backTest(chosen({{1, 2, 3, 4}}), draws("321"), {})), "+");
    EXPECT_EQ(strip(*backTest(chosen({{1}, {2}, {3}}), draws("321"), {})), "Pos. 1 digits: 1");
    EXPECT_EQ(backTest(chosen({{1, 2, 3}}), draws("123"), {}).refusal(), kMsgFourDigits);
}

// "All hot" with each draw ranked on the draws before it: 999 comes after five
// draws of 1 to 5, so 9 is cold then, though the whole history ranks it first.
TEST(BackTest, HotColdJudgesEachDrawByTheDrawsBeforeIt) {
    MainInput in = with(chosen({kAll}), tick(ListId::HCBox, {0}));
    const std::string oldestFirst = "111 222 333 444 555 999 999 999";
    in.readHotDigits = [&] {
        return hotDigitsOf(rankHits(countDraws(oldestFirst), SortOrder::HitsDescDigitsAsc));
    };
    EXPECT_FALSE(planCreation(in)->created.test(999)); // all hot by the whole history
    const BackTestOptions newestLast{NewestEnd::Last};
    const Result<BackTestReport> r = backTest(in, draws(oldestFirst), newestLast);
    const std::string allHot = "Hot/cold All hot";
    EXPECT_EQ(strip(*r), allHot + " | " + allHot + " | " + allHot + " | " + allHot +
                             " | + | + | + | " + allHot);
    // Newest first: the same draws written the other way round mirror the strip.
    std::string newestFirst(oldestFirst.rbegin(), oldestFirst.rend());
    const Result<BackTestReport> mirrored = backTest(in, draws(newestFirst), {});
    std::vector<DrawVerdict> back(mirrored->strip.rbegin(), mirrored->strip.rend());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].draw, r->strip[i].draw);
        EXPECT_EQ(back[i].thrownOutBy, r->strip[i].thrownOutBy);
    }
    for (const BackTestReport* report : {&*r, &*mirrored}) {
        EXPECT_EQ(report->hits, 3U);
        EXPECT_EQ(report->longestWithoutHit, 4U);
        EXPECT_EQ(report->sinceLastHit, 1U);
        EXPECT_EQ(report->costs[0].drawsThrownOut, 5U);
    }
    // The newest two alone, still ranked on everything before them.
    EXPECT_EQ(strip(*backTest(in, draws(oldestFirst), {NewestEnd::Last, 2})), "+ | " + allHot);
    // An empty history: nothing tested, nothing hit.
    const Result<BackTestReport> none = backTest(in, {}, {});
    EXPECT_TRUE(none->strip.empty() && none->hits == 0 && !none->sinceLastHit);
    EXPECT_EQ(backTestSummary(*none)[5].second, "no hit among the tested draws");
}

// Digits 1 to 4 boxed: 4 singles, 12 doubles and 4 triples, 20 numbers a draw;
// 123 wins six-way, 112 three-way, 444 straight, 567 nothing. Straight: 112,
// 114, 122 and 124, of which 112 and 124 win.
TEST(BackTest, WhatPlayingWouldHaveCost) {
    const MainInput four = chosen({{1, 2, 3, 4}});
    const Prizes usual, dearer{2.0, 500, 90, 100}; // 2.00 a number, other prizes
    const std::vector<std::tuple<MainInput, const char*, Prizes, std::string>> rows{
        {four, "123 112 444 567", usual,
         "played 80.00, won 740.00, net 660.00 | 9.25; the game pays back 0.48 on average"},
        {four, "567 123", dearer,
         "played 80.00, won 180.00, net 100.00 | 2.25; the game pays back 0.39 on average"},
        {chosen({{1}, {1, 2}, {2, 4}}), "112 124 211", usual,
         "played 12.00, won 1,000.00, net 988.00 | 83.33; the game pays back 0.50 on average"},
    };
    for (const auto& [in, history, prizes, shown] : rows) {
        const auto lines = moneySummary(moneyOf(*backTest(in, draws(history), {}), prizes));
        EXPECT_EQ(lines[0].second + " | " + lines[1].second, shown);
    }
    // The digit choice throws out 1 of 4 winners where its share, 93.6%, throws out 3.7.
    const BackTestReport report = *backTest(chosen({{1, 2, 3, 4}}), draws("123 112 444 567"), {});
    EXPECT_EQ(costShares(report, report.costs[0]).unusual, -1);
    EXPECT_EQ(unusualByLuckText(report),
              "By luck alone about 0.02 of this 1 condition would show a "
              "chance under 5%; 1 does.");
    EXPECT_EQ(newestCellText(report), "Draw 1 is the newest");
}

TEST(BackTest, CouldThisBeLuck) {
    const std::string well = "random numbers of the same share do this well ";
    const std::string badly = "random numbers of the same share do this badly ";
    const std::vector<std::tuple<MainInput, DrawList, std::string, std::string>> rows{
        // One number of the 1,000, hit once in two draws: 1 - 0.999^2.
        {chosen({{1}, {2}, {3}}), draws("123 456"), well + "1 time in 500: unusual",
         "9.5% to 90.5% (chance alone: 0.1%)"},
        // 6.4% played, no hit: 0.936^40, then 0.936^100.
        {chosen({{1, 2, 3, 4}}), DrawList(40, 567),
         badly + "7 times in 100: no sign that the filters hurt",
         "0.0% to 8.8% (chance alone: 6.4%)"},
        {chosen({{1, 2, 3, 4}}), DrawList(100, 567),
         badly + "1 time in 750: unusual, the filters seem to throw out winners",
         "0.0% to 3.7% (chance alone: 6.4%)"},
        {chosen({{1, 2, 3, 4}}), {}, "no draw tested", "-"},
        // 25 straight numbers, 2.5%, hit in all 438 draws: 0.025^438, about 10^-702.
        {chosen({{1}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}), DrawList(438, 111),
         well + "1 time in 5.0 \u00d7 10^701: unusual", "99.1% to 100.0% (chance alone: 2.5%)"},
        // 70 straight numbers, 7%, 7 hits in 100 draws: just at chance, P(X >= 7).
        {chosen({{1}, {0, 1, 2, 3, 4, 5, 6}, kAll}), atChance(),
         well + "56 times in 100: no sign that the filters help",
         "3.4% to 13.7% (chance alone: 7.0%)"},
    };
    for (const auto& [in, history, luck, range] : rows) {
        const auto lines = backTestSummary(*backTest(in, history, {}));
        EXPECT_EQ(lines[6].second + " | " + lines[7].second, luck + " | " + range);
    }
    const auto lines =
        backTestSummary(*backTest(chosen({{1}, {0, 1, 2, 3, 4, 5, 6}, kAll}), atChance(), {}), 14);
    EXPECT_EQ(lines[3].second, "1.00 times");
    EXPECT_EQ(lines[6].second, well + "56 times in 100: no sign that the filters help. You have "
                                      "tried 14 settings on these draws; the best of 14 random "
                                      "tries would do this well up to 100 times in 100");
}

// A hot/cold pattern plays on each draw what that day's count makes: the
// numbers, their share, the money and the chance all follow the draw's own.
TEST(BackTest, EachDrawWithItsOwnShare) {
    std::mt19937 random(5);
    std::uniform_int_distribution<std::uint16_t> anyDraw(0, 999);
    DrawList history(120);
    std::generate(history.begin(), history.end(), [&] { return anyDraw(random); });
    const std::vector<MainInput> settings{
        // Five digits are always hot: the share changes with the other settings.
        with(chosen({{1, 2, 3, 4, 5, 6}}), tick(ListId::HCBox, {0, 3})),
        with(chosen({{1, 2, 3}, kAll, {4, 5, 6, 7}}), tick(ListId::HCStraight, {1, 4})),
    };
    for (const MainInput& in : settings) {
        const BackTestReport r = *backTest(in, history, {NewestEnd::Last, 100});
        std::set<int> shares;
        std::size_t covered = 0;
        double played = 0.0, paysBack = 0.0; // per 1.00 staked on each number
        const Prizes prizes;
        for (const DrawVerdict& v : r.strip) {
            // What "Create numbers" makes with the hot digits of the draws before this one.
            const DrawList before(history.begin(), history.begin() + static_cast<long>(v.index));
            MainInput thatDay = in;
            thatDay.readHotDigits = [&] {
                return hotDigitsOf(rankHits(countDraws(before), SortOrder::HitsDescDigitsAsc));
            };
            const LiveCount count = liveCount(thatDay);
            ASSERT_EQ(v.played, count.numbers) << "draw " << v.index;
            ASSERT_EQ(v.covered, count.coveredDraws) << "draw " << v.index;
            shares.insert(v.covered);
            covered += static_cast<std::size_t>(v.covered);
            played += v.played;
            const NumberSet made = planCreation(thatDay)->created;
            for (int n = 0; n < 1000; ++n) {
                const int ways = !made.test(static_cast<std::size_t>(n)) ? 0
                                 : in.mode == DigitMode::Positional      ? 1
                                                                         : arrangements(n);
                paysBack += ways *
                            (ways == 6   ? prizes.boxSixWay
                             : ways == 3 ? prizes.boxThreeWay
                                         : prizes.straight) /
                            1000;
            }
        }
        EXPECT_GT(shares.size(), 1U); // the count changed along the way
        EXPECT_EQ(r.coveredTested, covered);
        EXPECT_DOUBLE_EQ(moneyOf(r, prizes).played, played);
        EXPECT_NEAR(moneyOf(r, prizes).gameReturn, paysBack / played, 1e-12);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.1f hits", static_cast<double>(covered) / 1000);
        EXPECT_TRUE(backTestSummary(r)[2].second.starts_with(expected)) << expected;
        // What the settings play today, and what they played along the way.
        std::snprintf(expected, sizeof expected, "played %.1f of them",
                      static_cast<double>(covered) / 100);
        EXPECT_NE(backTestSummary(r)[2].second.find(shareOfDraws(r.coveredDraws) +
                                                    " today; along the tested draws they " +
                                                    expected + " on average"),
                  std::string::npos)
            << backTestSummary(r)[2].second;
    }
}

// Fair draws judged with a hot/cold pattern: about 5 in 100 histories do
// "well" with a chance under 5%, and as many "badly".
TEST(BackTest, FairHistoriesAreRarelyUnusual) {
    std::mt19937 random(17);
    std::uniform_int_distribution<std::uint16_t> anyDraw(0, 999);
    const MainInput in = with(chosen({{0, 1, 2, 3, 4, 5, 6}}), tick(ListId::HCBox, {1, 3}));
    constexpr int kHistories = 400;
    std::array<int, 2> unusual{}; // well, badly
    for (int h = 0; h < kHistories; ++h) {
        DrawList history(300);
        std::generate(history.begin(), history.end(), [&] { return anyDraw(random); });
        const Luck luck = luckOf(*backTest(in, history, {NewestEnd::Last, 250}));
        unusual[luck.well ? 0 : 1] += luck.logChance < std::log(0.05) ? 1 : 0;
    }
    for (const int count : unusual) {
        EXPECT_NEAR(count, 0.05 * kHistories, 0.025 * kHistories);
    }
}

TEST(SkipCounts, AShortHistoryByHand) {
    // Oldest first: 123, 456, 173, 999.
    const std::vector<SkipRow> rows = skipCounts(draws("999 173 456 123"), NewestEnd::First);
    ASSERT_EQ(rows.size(), 40U + 10U + 28U);
    const auto row = [&](SkipSubject s, int value) {
        const auto it = std::find_if(rows.begin(), rows.end(), [&](const SkipRow& r) {
            return r.subject == s && r.value == value;
        });
        return *it;
    };
    // Hits, current, longest and average skip.
    const auto shown = [](const SkipRow& r) {
        return std::to_string(r.hits) + " " + std::to_string(r.current) + " " +
               std::to_string(r.longest) + " " +
               (r.average ? std::to_string(*r.average).substr(0, 3) : "-");
    };
    EXPECT_EQ(shown(row(SkipSubject::Position1, 1)), "2 1 1 1.0");
    EXPECT_EQ(shown(row(SkipSubject::Position1, 9)), "1 0 3 -"); // three draws before it
    EXPECT_EQ(shown(row(SkipSubject::Position1, 0)), "0 4 4 -");
    EXPECT_EQ(shown(row(SkipSubject::Position3, 3)), "2 1 1 1.0");
    EXPECT_EQ(shown(row(SkipSubject::AnyPosition, 9)), "1 0 3 -"); // 999 is one draw
    EXPECT_EQ(shown(row(SkipSubject::AnyPosition, 3)), "2 1 1 1.0");
    EXPECT_EQ(shown(row(SkipSubject::RootSum, 6)), "2 2 2 0.0"); // 123 and 456
    EXPECT_EQ(shown(row(SkipSubject::Sum, 27)), "1 0 3 -");
    // From the odds: a digit in a position 1 in 10, anywhere 271 in 1,000, the root
    // sum 6 111 numbers of 1,000, the sum 27 one, the sum 13 75.
    const std::vector<std::tuple<SkipRow, double, double, double>> odds{
        {row(SkipSubject::Position1, 0), 9.0, 0.6561, 0.5}, // four draws away
        {row(SkipSubject::AnyPosition, 3), 729.0 / 271, 0.729, 2 * 0.271},
        {row(SkipSubject::RootSum, 6), 889.0 / 111, 0.889 * 0.889, 3 * 0.111},
        {row(SkipSubject::Sum, 27), 999.0, 1.0, 0.001},
        {row(SkipSubject::Sum, 13), 925.0 / 75, 0.925 * 0.925 * 0.925 * 0.925, 5 * 0.075},
    };
    for (const auto& [r, expected, chance, due] : odds) {
        EXPECT_NEAR(r.expectedSkip(), expected, 1e-9) << shown(r);
        EXPECT_NEAR(r.chanceOfSkip(), chance, 1e-9) << shown(r);
        EXPECT_NEAR(r.due(), due, 1e-9) << shown(r);
    }
    EXPECT_TRUE(isOfKind(SkipSubject::Position3, SkipKind::DigitsByPosition) &&
                !isOfKind(SkipSubject::AnyPosition, SkipKind::DigitsByPosition));
    EXPECT_EQ(shown(skipCounts({}, NewestEnd::Last)[0]), "0 0 0 -");
    EXPECT_TRUE(row(SkipSubject::Position1, 0).neverDrawn());
    EXPECT_EQ(skipLuckText(rows),
              "By luck alone none of these 78 rows would show a chance under 5%; none does.");
}

// "Any position 2" after 2,457 draws without a 2: 0.729^2457, about 10^-337.
TEST(SkipCounts, ALongSkipIsRareNotImpossible) {
    const std::vector<SkipRow> rows = skipCounts(DrawList(2457, 111), NewestEnd::First);
    const SkipRow& two = rows[30 + 2];
    ASSERT_EQ(skipSubjectName(two.subject) + " " + std::to_string(two.value), "Any position 2");
    EXPECT_NEAR(two.logChanceOfSkip() / std::log(10.0), 2457 * std::log10(0.729), 1e-9);
    EXPECT_EQ(logPercentText(two.logChanceOfSkip()), "under 0.001%");
    // Every digit but 1 in every position and anywhere, every root sum but 3 and
    // every sum but 3; not the root sum 0, the sum 0 nor the sum 27: 0.999^2457 is 8.6%.
    EXPECT_EQ(skipLuckText(rows),
              "By luck alone about 3.5 of these 78 rows would show a chance under 5%; 69 do.");
    const std::vector<SkipRow> ten(rows.begin(), rows.begin() + 10);
    EXPECT_EQ(skipLuckText(ten),
              "By luck alone about 0.5 of these 10 rows would show a chance under 5%; 9 do.");
}

// How many of the 78 rows fair draws show with a chance under 5%: a skip of c
// draws has the chance (1 - p)^c, so each row counts from the first c below 5%,
// once the history is that long; the sum 0 and the sum 27 last, at 2,995 draws.
TEST(SkipCounts, RowsThatLuckAloneMakesUnusual) {
    const std::pair<std::size_t, double> rows[] = {{1, 0.0},     {9, 0.0},      {30, 2.26},
                                                   {100, 2.94},  {1000, 3.53},  {2994, 3.53},
                                                   {2995, 3.68}, {100000, 3.68}};
    for (const auto& [history, expected] : rows) {
        double sum = 0.0;
        for (const SkipRow& row : skipCounts(DrawList(history, 123), NewestEnd::Last)) {
            sum += row.chanceUnusual();
        }
        EXPECT_NEAR(sum, expected, 0.005) << history << " draws";
    }
    // A digit in a position: 0.9^28 is 5.2%, 0.9^29 is 4.7%.
    SkipRow digit{SkipSubject::Position1, 4, 1, 0, 0, {}, 0.1, 29};
    EXPECT_NEAR(digit.chanceUnusual(), std::pow(0.9, 29), 1e-15);
    digit.draws = 28;
    EXPECT_EQ(digit.chanceUnusual(), 0.0);
}

TEST(LiveCount, NumbersAndTheDrawsTheyCover) {
    MainInput noStructure = chosen({{1, 2, 3, 4}});
    noStructure.excludeSingles = noStructure.excludeDoubles = noStructure.excludeTriples = true;
    const std::vector<std::pair<MainInput, std::string>> rows{
        // 4 singles cover 6 draws each, 12 doubles 3, 4 triples 1.
        {chosen({{1, 2, 3, 4}}), "Would create 20 numbers: 64 of the 1000 possible draws (6.4%)"},
        {chosen({{1}, {2}, {3}}), "Would create 1 number: 1 of the 1000 possible draws (0.1%)"},
        {with(chosen({{1, 2, 3, 4}}), mustHave({{9, true}})),
         "Would create 0 numbers: 0 of the 1000 possible draws (0.0%)"},
        {noStructure, "You have excluded singles, doubles and triples. There are no numbers to "
                      "create..."},
    };
    for (const auto& [in, text] : rows) {
        EXPECT_EQ(liveCountText(liveCount(in)), text);
        EXPECT_EQ(liveCount(in).numbers, createNumbers(in).count);
    }
}

TEST(Chance, BinomialTailsAndWilsonRange) {
    const std::tuple<const char*, std::size_t, std::size_t, double, double, double> tails[] = {
        {"30 draws at 0.1, at least 6", 30, 6, 0.1, 0.0731901084, 0.9741732113},
        {"30 draws at 0.1, at most 3", 30, 3, 0.1, 0.5886487604, 0.6474391718},
        {"no hit", 30, 0, 0.1, 1.0, 0.0423911583},
        {"all hits", 30, 30, 0.1, 1e-30, 1.0},
        {"share 0", 30, 1, 0.0, 0.0, 1.0},
        {"share 1", 30, 29, 1.0, 1.0, 0.0},
        {"no draw", 0, 0, 0.1, 1.0, 1.0},
        {"a million at a half", 1000000, 500000, 0.5, 0.5003989422, 0.5003989422},
        {"a million, every one hit", 1000000, 1000000, 0.9993, 7.716330828651e-305, 1.0},
        {"a million, none hit", 1000000, 0, 0.001, 1.0, 0.0}, // e^-1000.5: below a double
    };
    for (const auto& [name, n, k, p, upper, lower] : tails) {
        EXPECT_NEAR(binomialUpperTail(n, k, p), upper, upper * 1e-8) << name; // relative
        EXPECT_NEAR(binomialLowerTail(n, k, p), lower, 1e-8) << name;
    }
    EXPECT_NEAR(binomialTwoSided(30, 0, 0.1), 2 * 0.0423911583, 1e-9);
    EXPECT_EQ(binomialTwoSided(30, 3, 0.1), 1.0); // just at the mean
    const std::tuple<std::size_t, std::size_t, double, double> ranges[] = {
        {6, 30, 0.0950510718, 0.3730569641}, {0, 10, 0.0, 0.2775327999}, {0, 0, 0.0, 1.0}};
    for (const auto& [hits, n, low, high] : ranges) {
        EXPECT_NEAR(wilsonRange(hits, n).low, low, 1e-9) << hits << " of " << n;
        EXPECT_NEAR(wilsonRange(hits, n).high, high, 1e-9) << hits << " of " << n;
    }
}

TEST(Chance, InWords) {
    const std::pair<double, const char*> rows[] = {
        {0.38, "38 times in 100"},     {0.0005, "1 time in 2,000"},
        {0.015, "2 times in 100"},     {0.0149, "1 time in 67"},
        {1.0, "every time"},           {0.0, "never"},
        {0.00007, "1 time in 14,000"}, {1e-12, "1 time in 1.0 \u00d7 10^12"},
    };
    for (const auto& [chance, words] : rows) {
        EXPECT_EQ(chanceInWords(chance), words) << chance;
    }
}

} // namespace
} // namespace pick3
