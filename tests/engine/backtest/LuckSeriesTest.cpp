// The back-test's luck series, draw by draw, worked out by hand.

#include "engine/backtest/LuckSeries.h"

#include "Support.h"

#include <algorithm>
#include <array>
#include <random>

namespace pick3 {
namespace {

TEST(LuckSeries, LuckOfABackTest) {
    BackTestReport report;
    report.mode = DigitMode::Positional;
    report.newest = NewestEnd::First;
    // Newest first: a hit on 123 (playing 10), a miss on 456 (playing 10), a hit on 789 (playing
    // 1).
    report.strip = {{0, 123, -1, 10, 10}, {1, 456, 0, 10, 10}, {2, 789, -1, 1, 1}};
    const Prizes prizes; // 1.00 a number, 500 straight
    const LuckSeries luck = luckSeries(report, prizes);
    EXPECT_EQ(luck.index, (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(luck.hits, (std::vector<double>{1, 1, 2}));
    EXPECT_DOUBLE_EQ(luck.expected[2], 0.021);
    EXPECT_EQ(luck.net, (std::vector<double>{499, 489, 979}));
    // Each number played returns 0.50 on average: 500 won less 0.50, 5.00 lost, 500 less 5.00.
    EXPECT_EQ(luck.wonLessAverage, (std::vector<double>{499.5, 494.5, 989.5}));
    // One hit in one draw at a share of 1/1,000 lies far above the band.
    EXPECT_EQ(luck.band.high, (std::vector<std::int64_t>{0, 0, 0}));
    EXPECT_EQ(luck.outside, 3U);
    EXPECT_EQ(luckText(luck), "The hits stay inside the band of luck at 0 of 3 draws (0%). By "
                              "luck alone a line lies outside on up to about 1 draw in 10.");
    report.newest = NewestEnd::Last;
    EXPECT_EQ(luckSeries(report, prizes).hits, (std::vector<double>{1, 1, 2}));
    EXPECT_EQ(luckSeries(report, prizes).index, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(LuckSeries, BoxedNumbersReturnTheirArrangements) {
    BackTestReport report;
    report.mode = DigitMode::AnyPosition;
    report.newest = NewestEnd::Last;
    // Four numbers missed: two six-way (6 * 80 / 1,000 each), one three-way (3 * 160 /
    // 1,000), one triple (500 / 1,000).
    report.strip = {{0, 555, 0, 4, 16, 2, 1}};
    EXPECT_DOUBLE_EQ(luckSeries(report, Prizes{}).wonLessAverage.at(0), -(0.96 + 0.48 + 0.5));
}

// A player whose hits come by luck, draw by draw, at shares of 6%, 12% and 20%.
BackTestReport luckyReport(std::size_t draws) {
    BackTestReport report;
    report.mode = DigitMode::Positional;
    report.newest = NewestEnd::Last;
    std::mt19937 random(static_cast<unsigned>(draws));
    for (std::size_t i = 0; i < draws; ++i) {
        const int covered = std::array<int, 3>{60, 120, 200}[i % 3];
        const bool hit = std::uniform_int_distribution<int>(0, 999)(random) < covered;
        report.strip.push_back({i, 123, hit ? -1 : 0, covered, covered});
    }
    return report;
}

TEST(LuckSeries, TheBandIsReadableAtAnyLength) {
    for (const std::size_t draws : {30, 400, 10'000, 100'000}) {
        const LuckSeries luck = luckSeries(luckyReport(draws), Prizes{});
        for (const LuckView view : {LuckView::AgainstExpected, LuckView::Cumulative}) {
            const LuckLines lines = luckLines(luck, view);
            const AxisTicks axis = valueTicks(lines.bottom, lines.top, 8);
            for (const auto* line : {&lines.hits, &lines.expected, &lines.low, &lines.high}) {
                ASSERT_EQ(line->size(), draws);
                EXPECT_GE(*std::min_element(line->begin(), line->end()), lines.bottom) << draws;
                EXPECT_LE(*std::max_element(line->begin(), line->end()), lines.top) << draws;
            }
            EXPECT_LE(axis.low, lines.bottom);
            EXPECT_GE(axis.high, lines.top);
            double widest = 0.0;
            for (std::size_t i = 0; i < draws; ++i) {
                widest = std::max(widest, lines.high[i] - lines.low[i]);
            }
            if (view == LuckView::AgainstExpected && widest > 1.0) {
                EXPECT_GE(widest, (axis.high - axis.low) / 5.0) << draws << " draws";
            }
        }
    }
}

} // namespace
} // namespace pick3
