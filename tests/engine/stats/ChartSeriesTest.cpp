// The series the charts draw: short histories worked out by hand, a history of
// 100,000 draws that holds every number alike, the published sum chart, and the
// band of luck against the exact binomial tails.

#include "engine/stats/ChartSeries.h"
#include "engine/stats/Chance.h"

#include "Support.h"

#include <limits>
#include <random>

namespace pick3 {
namespace {

DrawList repeated(const char* draws, std::size_t times) {
    DrawList out;
    const DrawList once = parseDraws(draws);
    for (std::size_t i = 0; i < times; ++i) {
        out.insert(out.end(), once.begin(), once.end());
    }
    return out;
}

DrawList everyNumber(std::size_t rounds) {
    DrawList out;
    for (std::size_t r = 0; r < rounds; ++r) {
        for (std::uint16_t n = 0; n < 1000; ++n) {
            out.push_back(n);
        }
    }
    return out;
}

TEST(ChartSeries, DigitHeat) {
    struct Row {
        const char* name;
        DrawList draws;
        int row, digit;
        std::int64_t count;
        double expected, chance;
        int unusual;
    };
    const Row rows[] = {
        // 7 in every one of 10 draws: 0.1^10 on one side, doubled.
        {"a digit drawn in every draw", repeated("777", 10), 0, 7, 10, 1.0, 2e-10, 1},
        {"the same digit anywhere", repeated("777", 10), 3, 7, 30, 3.0, 2e-30, 1},
        // 0 never in 10 draws: 0.9^10 = 0.3487 on one side.
        {"a digit never drawn", repeated("777", 10), 1, 0, 0, 1.0, 2 * std::pow(0.9, 10), 0},
        {"never drawn in 100 draws", repeated("123", 100), 2, 0, 0, 10.0, 2 * std::pow(0.9, 100),
         -1},
        // 1 twice of three digits: P(X >= 2) = 3 * 0.01 * 0.9 + 0.001.
        {"a history of one draw", parseDraws("112"), 3, 1, 2, 0.3, 2 * 0.028, 0},
        {"no draws", DrawList(), 0, 5, 0, 0.0, 1.0, 0},
        {"100,000 draws alike", everyNumber(100), 1, 4, 10000, 10000.0, 1.0, 0},
        {"100,000 draws anywhere", everyNumber(100), 3, 9, 30000, 30000.0, 1.0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const HeatCell cell = digitHeat(r.draws).cells[r.row][r.digit];
        EXPECT_EQ(cell.count, r.count);
        EXPECT_DOUBLE_EQ(cell.expected, r.expected);
        EXPECT_NEAR(cell.chance, r.chance, r.chance * 1e-9);
        EXPECT_EQ(cell.unusual, r.unusual);
    }
    const DigitHeat sevens = digitHeat(repeated("777", 10));
    // Every 7 (4 cells) and 0 to 6, 8, 9 anywhere (0.9^30 = 4%, doubled: 8%, not unusual).
    EXPECT_EQ(heatLuckText(sevens),
              "By luck alone about 0.5 of these 40 cells would show a chance under 5%; 4 do.");
    EXPECT_EQ(heatCellText(sevens, 0, 7),
              "Pos 1, digit 7: 10 times; by the odds 1.0; a count this far off: 1 time in 5.0 "
              "\u00d7 10^9");
    // 5 in position 1 of each of 1,000 draws: 2 * 10^-1000, far below a double, not never.
    DrawList fives;
    for (int round = 0; round < 10; ++round) {
        for (std::uint16_t n = 500; n < 600; ++n) {
            fives.push_back(n);
        }
    }
    EXPECT_EQ(heatCellText(digitHeat(fives), 0, 5),
              "Pos 1, digit 5: 1,000 times; by the odds 100.0; a count this far off: 1 time in "
              "5.0 \u00d7 10^999");
    EXPECT_DOUBLE_EQ(sevens.cells[0][7].strength, 1.0);
    EXPECT_DOUBLE_EQ(digitHeat(everyNumber(1)).cells[0][0].strength, 0.0);
}

// How many of the 40 cells fair draws show unusual, on average: one draw only
// by a triple (1 in 1,000 for each digit), then towards 40 * 5% from below.
TEST(ChartSeries, CellsThatLuckAloneMakesUnusual) {
    const std::pair<std::size_t, double> rows[] = {
        {0, 0.0}, {1, 0.01}, {100, 1.67}, {1000, 1.80}, {10000, 1.97}};
    for (const auto& [draws, expected] : rows) {
        EXPECT_NEAR(heatExpectedUnusual(draws), expected, 0.005) << draws << " draws";
    }
    EXPECT_EQ(heatLuckText(digitHeat(parseDraws("123"))),
              "By luck alone about 0.01 of these 40 cells would show a chance under 5%; none "
              "does.");
}

TEST(ChartSeries, SumsAgainstTheSumChart) {
    const std::array<int, 28> published{1,  3,  6,  10, 15, 21, 28, 36, 45, 55, 63, 69, 73, 75,
                                        75, 73, 69, 63, 55, 45, 36, 28, 21, 15, 10, 6,  3,  1};
    EXPECT_EQ(sumWays(), published);
    const std::array<SumBar, 28> fair = sumHistogram(everyNumber(1));
    for (std::size_t s = 0; s < 28; ++s) {
        EXPECT_EQ(fair[s].count, static_cast<std::size_t>(published[s])) << s;
        EXPECT_DOUBLE_EQ(fair[s].fair, published[s]) << s;
    }
    const std::array<SumBar, 28> few = sumHistogram(parseDraws("999 000 999 135"));
    EXPECT_EQ(few[27].count, 2U);
    EXPECT_EQ(few[9].count, 1U);
    EXPECT_DOUBLE_EQ(few[13].fair, 4 * 0.075);

    EXPECT_EQ(drawSums(parseDraws("000 999 012 550")), (std::vector<int>{0, 27, 3, 10}));
    const std::vector<int> sums{0, 27, 3, 6};
    EXPECT_EQ(movingAverage(sums, 2), (std::vector<double>{13.5, 15.0, 4.5}));
    EXPECT_EQ(movingAverage(sums, 4), (std::vector<double>{9.0}));
    EXPECT_TRUE(movingAverage(sums, 5).empty());
    EXPECT_TRUE(movingAverage(sums, 0).empty());
}

TEST(ChartSeries, TheBandOfFairAverages) {
    struct Row {
        const char* name;
        std::size_t span;
        double low, high;
    };
    const Row rows[] = {
        // One draw: sums under 4 are 20 of 1,000 numbers, under 5 already 35.
        {"one draw", 1, 4.0, 23.0},
        // Two draws: totals under 13 are 18,396 of 1,000,000 pairs, under 14 over 25,000.
        {"two draws", 2, 6.5, 20.5},
        {"no draw", 0, 0.0, 27.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_DOUBLE_EQ(fairAverageBand(r.span).low, r.low);
        EXPECT_DOUBLE_EQ(fairAverageBand(r.span).high, r.high);
    }
    // Beyond the exact spans the normal band joins the exact one.
    const AverageBand exact = fairAverageBand(kExactBandSpan);
    const AverageBand normal = fairAverageBand(kExactBandSpan + 1);
    EXPECT_NEAR(exact.low, normal.low, 0.01);
    EXPECT_NEAR(exact.high, normal.high, 0.01);
}

TEST(ChartSeries, Skips) {
    // Oldest first: 123, 456, 173, 999, 100.
    const DrawList oldest = parseDraws("123 456 173 999 100");
    struct Row {
        const char* name;
        SkipSubject subject;
        int digit;
        std::vector<std::size_t> skips;
        std::size_t current, hits;
    };
    const Row rows[] = {
        {"1 first: every other draw", SkipSubject::Position1, 1, {1, 1}, 0, 3},
        {"8 never in position 1", SkipSubject::Position1, 8, {}, 5, 0},
        {"9 once in position 3", SkipSubject::Position3, 9, {}, 1, 1},
        {"3 anywhere", SkipSubject::AnyPosition, 3, {1}, 2, 2},
        {"0 anywhere, newest draw", SkipSubject::AnyPosition, 0, {}, 0, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const SkipSeries s = skipSeries(oldest, r.subject, r.digit);
        EXPECT_EQ(s.skips, r.skips);
        EXPECT_EQ(s.current, r.current);
        EXPECT_EQ(s.hits, r.hits);
    }
    // The current skip and the odds are those of the skip counts.
    std::mt19937 random(7);
    DrawList history(3000);
    for (auto& d : history) {
        d = static_cast<std::uint16_t>(random() % 1000);
    }
    for (const SkipRow& row : skipCounts(history, NewestEnd::First)) {
        if (row.subject <= SkipSubject::AnyPosition) {
            const SkipSeries s =
                skipSeries(oldestFirst(history, NewestEnd::First), row.subject, row.value);
            EXPECT_EQ(s.current, row.current);
            EXPECT_DOUBLE_EQ(s.odds, row.odds);
            EXPECT_DOUBLE_EQ(s.expectedSkip(), row.expectedSkip());
        }
    }
    // The histogram: by length, the last bar from 44 on (0.9^44 < 1%), fair counts adding up.
    SkipSeries series;
    series.skips = {0, 0, 3, 44, 100};
    const std::vector<SkipBin> bins = skipHistogram(series);
    ASSERT_EQ(bins.size(), 45U);
    EXPECT_EQ(std::tuple(bins[0].count, bins[3].count, bins[44].count), std::tuple(2U, 1U, 2U));
    EXPECT_TRUE(bins[44].orLonger && !bins[43].orLonger);
    EXPECT_DOUBLE_EQ(bins[0].fair, 5 * 0.1);
    EXPECT_DOUBLE_EQ(bins[2].fair, 5 * 0.81 * 0.1);
    double total = 0.0;
    for (const SkipBin& b : bins) {
        total += b.fair;
    }
    EXPECT_NEAR(total, 5.0, 1e-12);
    series.odds = 0.271; // anywhere: 0.729^15 < 1% <= 0.729^14
    EXPECT_EQ(skipHistogram(series).size(), 16U);
}

TEST(ChartSeries, TheBandOfLuckByHand) {
    struct Row {
        const char* name;
        std::vector<double> shares;
        std::vector<std::int64_t> low, high;
    };
    const Row rows[] = {
        // Two coins: 0 or 1 after one; 0, 1, 2 as 1/4, 1/2, 1/4 after two.
        {"two halves", {0.5, 0.5}, {0, 0}, {1, 2}},
        {"nothing played", {0.0, 0.0, 0.0}, {0, 0, 0}, {0, 0, 0}},
        {"everything played", {1.0, 1.0, 1.0}, {1, 2, 3}, {1, 2, 3}},
        // A miss at exactly 95% is still the 95th percentile.
        {"a share of 5%", {0.05}, {0}, {0}},
        {"a share of 6%", {0.06}, {0}, {1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const HitBand band = randomHitBand(r.shares);
        EXPECT_EQ(band.low, r.low);
        EXPECT_EQ(band.high, r.high);
        EXPECT_EQ(band.exactDraws, r.shares.size());
    }
}

// With one share the band is the binomial's: the smallest k whose lower tail reaches 5% (95%).
TEST(ChartSeries, TheBandOfLuckIsTheBinomialsAndTheApproximationFollowsIt) {
    const std::vector<double> shares(2000, 0.271);
    const HitBand band = randomHitBand(shares);
    for (const std::size_t n : {1U, 10U, 100U, 2000U}) {
        SCOPED_TRACE(n);
        const auto low = static_cast<std::size_t>(band.low[n - 1]);
        const auto high = static_cast<std::size_t>(band.high[n - 1]);
        EXPECT_GE(binomialLowerTail(n, low, 0.271), 0.05);
        EXPECT_TRUE(low == 0 || binomialLowerTail(n, low - 1, 0.271) < 0.05);
        EXPECT_GE(binomialLowerTail(n, high, 0.271), 0.95);
        EXPECT_LT(binomialLowerTail(n, high - 1, 0.271), 0.95);
    }
    // Shares that change draw by draw, as a hot/cold pattern plays them.
    std::vector<double> mixed(20000);
    std::mt19937 random(11);
    for (auto& p : mixed) {
        p = static_cast<double>(random() % 400) / 1000.0;
    }
    const HitBand exact = randomHitBand(mixed, std::numeric_limits<std::size_t>::max());
    ASSERT_EQ(exact.exactDraws, mixed.size());
    const HitBand approx = randomHitBand(mixed, 0);
    std::size_t equal = 0;
    for (std::size_t i = 100; i < mixed.size(); ++i) {
        EXPECT_LE(std::abs(exact.low[i] - approx.low[i]), 1) << i;
        EXPECT_LE(std::abs(exact.high[i] - approx.high[i]), 1) << i;
        equal += exact.low[i] == approx.low[i] && exact.high[i] == approx.high[i] ? 1 : 0;
    }
    EXPECT_GE(equal, 99 * (mixed.size() - 100) / 100);
}

TEST(ChartSeries, OrderAndDrawing) {
    EXPECT_EQ(oldestFirst(parseDraws("123 456"), NewestEnd::First), parseDraws("456 123"));
    EXPECT_EQ(oldestFirst(parseDraws("123 456"), NewestEnd::Last), parseDraws("123 456"));
    EXPECT_EQ(newestOf(parseDraws("111 222 333"), 2), parseDraws("222 333"));
    EXPECT_EQ(newestOf(parseDraws("111 222 333"), 0), parseDraws("111 222 333"));
    EXPECT_EQ(newestOf(parseDraws("111 222 333"), 9), parseDraws("111 222 333"));

    EXPECT_EQ(newestEndOfLabels("Sat 2026-12-05 Evening", "Fri 2026-12-04"), NewestEnd::First);
    EXPECT_EQ(newestEndOfLabels("Fri 2026-12-04", "Sat 2026-12-05 Evening"), NewestEnd::Last);
    EXPECT_EQ(newestEndOfLabels("Sat 2026-12-05 Midday", "Sat 2026-12-05 Evening"), std::nullopt);
    EXPECT_EQ(newestEndOfLabels("", "Sat 2026-12-05"), std::nullopt);

    using P = ChartPoint;
    const std::vector<double> y{5, 1, 9, 3, 2, 8, 4, 6};
    EXPECT_EQ(minMaxPerColumn(y, 2), (std::vector<P>{{1, 1}, {2, 9}, {4, 2}, {5, 8}}));
    EXPECT_EQ(minMaxPerColumn(y, 4).size(), 8U); // short enough to draw whole
    EXPECT_EQ(minMaxPerColumn({}, 4).size(), 0U);
    // A million points in 1,000 columns: 2,000 points, the extremes kept.
    std::vector<double> wave(1'000'000);
    for (std::size_t i = 0; i < wave.size(); ++i) {
        wave[i] = static_cast<double>(i % 1000);
    }
    wave[123'456] = -1;
    const std::vector<P> cut = minMaxPerColumn(wave, 1000);
    EXPECT_EQ(cut.size(), 2000U);
    EXPECT_EQ(std::min_element(cut.begin(), cut.end(), [](P a, P b) { return a.y < b.y; })->x,
              123'456.0);
}

TEST(ChartSeries, TheUnusualCellsByName) {
    EXPECT_EQ(heatUnusualText(digitHeat(everyNumber(1))), "");
    // 30 draws of 555: the fives by far the rarest, then the digits that never came anywhere.
    const DigitHeat heat = digitHeat(repeated("555", 30));
    EXPECT_EQ(heatUnusualText(heat),
              "Unusual: any position, digit 5, 90 times against 9 by the odds; position 1, "
              "digit 5, 30 times against 3 by the odds; position 2, digit 5, 30 times against 3 "
              "by the odds; position 3, digit 5, 30 times against 3 by the odds; and 9 more.");
    EXPECT_EQ(heatMark(heat.cells[0][5]) + heatMark(heat.cells[3][0]) + heatMark(heat.cells[0][0]),
              "\u25B2\u25BC");
    EXPECT_EQ(heatUnusualText(digitHeat(repeated("555", 5)), 1),
              "Unusual: any position, digit 5, 15 times against 1.5 by the odds; and 3 more.");
}

TEST(ChartSeries, NumbersOnAxes) {
    const struct {
        const char* name;
        double value;
        int decimals;
        const char* text;
    } rows[] = {
        {"zero", 0.0, 0, "0"},
        {"thousands", 15000.0, 0, "15,000"},
        {"a negative million with cents", -1'500'000.0, 2, "-1,500,000.00"},
        {"cents under ten", 12.05, 2, "12.05"},
        {"a rounded minus zero", -0.004, 2, "0.00"},
        {"rounded to whole", 999.6, 0, "1,000"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(numberText(row.value, row.decimals), row.text) << row.name;
    }
}

TEST(ChartSeries, ValueTicksAreRoundAndFew) {
    const auto labels = [](const AxisTicks& axis) {
        std::string out;
        for (const AxisTick& t : axis.ticks) {
            out += (out.empty() ? "" : " | ") + t.label;
        }
        return out;
    };
    const struct {
        const char* name;
        double low, high;
        std::size_t most;
        double smallest;
        const char* labels;
    } rows[] = {
        {"hits of a long history", 0.0, 14'200.0, 6, 1.0, "0 | 5,000 | 10,000 | 15,000"},
        {"about zero", -37.0, 52.0, 8, 1.0, "-40 | -20 | 0 | 20 | 40 | 60"},
        {"a tiny range stays whole", 0.0, 0.4, 8, 1.0, "0 | 1"},
        {"money in whole amounts", -1'480'000.0, 0.0, 5, 0.01,
         "-1,500,000 | -1,000,000 | "
         "-500,000 | 0"},
        {"money where cents matter", 0.0, 0.3, 5, 0.01, "0.00 | 0.10 | 0.20 | 0.30"},
        {"an empty range", 5.0, 5.0, 5, 1.0, "5 | 6"},
    };
    for (const auto& row : rows) {
        const AxisTicks axis = valueTicks(row.low, row.high, row.most, row.smallest);
        EXPECT_EQ(labels(axis), row.labels) << row.name;
        EXPECT_LE(axis.ticks.size(), row.most) << row.name;
        EXPECT_LE(axis.low, row.low) << row.name;
        EXPECT_GE(axis.high, row.high) << row.name;
    }
}

TEST(ChartSeries, LabelsThatFitTheAxis) {
    EXPECT_EQ(labelsThatFit(400, 84, 16), 4U); // 4 * 84 + 3 * 16 = 384
    EXPECT_EQ(labelsThatFit(383, 84, 16), 3U);
    EXPECT_EQ(labelsThatFit(10, 84, 16), 2U);
    // The sums 0 to 27 at 1024 by 768: ten labels fit, every third sum.
    EXPECT_EQ(labelledBars(28, 10), (std::vector<std::size_t>{0, 3, 6, 9, 12, 15, 18, 21, 24, 27}));
    EXPECT_EQ(labelledBars(28, 28).size(), 28U);
    EXPECT_EQ(labelledBars(45, 8), (std::vector<std::size_t>{0, 10, 20, 30, 40}));
    EXPECT_EQ(labelledBars(0, 8).size(), 0U);
    // "44 or more" takes the room of two labels.
    EXPECT_EQ(labelledBars(45, 9, true), (std::vector<std::size_t>{0, 10, 20, 44}));
    EXPECT_EQ(labelledBars(5, 9, true), (std::vector<std::size_t>{0, 1, 2, 4}));

    const struct {
        const char* name;
        std::size_t draws;
        double length, label;
    } rows[] = {
        {"30 draws, wide", 30, 700, 80},
        {"400 draws", 400, 700, 80},
        {"100,000 draws", 100'000, 700, 80},
        {"100,000 draws, narrow", 100'000, 300, 80},
        {"2 draws", 2, 700, 80},
        {"30 draws, long labels", 30, 420, 150},
    };
    for (const auto& row : rows) {
        const std::vector<std::size_t> places = drawTickPlaces(row.draws, row.length, row.label);
        const double perDraw = row.length / static_cast<double>(row.draws - 1);
        ASSERT_FALSE(places.empty()) << row.name;
        if (places.size() == 1) {
            continue; // none fits whole: one in the middle
        }
        EXPECT_GE(static_cast<double>(places.front()) * perDraw, row.label / 2) << row.name;
        EXPECT_LE(static_cast<double>(places.back()) * perDraw, row.length - row.label / 2)
            << row.name;
        for (std::size_t i = 1; i < places.size(); ++i) {
            EXPECT_GE(static_cast<double>(places[i] - places[i - 1]) * perDraw, row.label + 16)
                << row.name;
        }
        // All the labels that fit, but for one lost to whole draws.
        EXPECT_GE(static_cast<double>(places.size()),
                  std::floor((row.length - row.label) / (row.label + 16)))
            << row.name;
    }
}

} // namespace
} // namespace pick3
