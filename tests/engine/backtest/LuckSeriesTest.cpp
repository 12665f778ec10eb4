// The back-test's luck series, draw by draw, worked out by hand.

#include "engine/backtest/LuckSeries.h"

#include "Support.h"

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
    // One hit in one draw at a share of 1/1,000 lies far above the band.
    EXPECT_EQ(luck.band.high, (std::vector<std::int64_t>{0, 0, 0}));
    EXPECT_EQ(luck.outside, 3U);
    EXPECT_EQ(luckText(luck), "The hits stay inside the band of luck at 0 of 3 draws (0%). By "
                              "luck alone a line lies outside on up to about 1 draw in 10.");
    report.newest = NewestEnd::Last;
    EXPECT_EQ(luckSeries(report, prizes).hits, (std::vector<double>{1, 1, 2}));
    EXPECT_EQ(luckSeries(report, prizes).index, (std::vector<std::size_t>{0, 1, 2}));
}

} // namespace
} // namespace pick3
