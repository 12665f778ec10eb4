#pragma once
// The back-test's hits, draw by draw, against the 5th to 95th percentile of a
// random player with the same shares, and the net money: the series of the
// "Could this be luck?" chart, oldest draw first.

#include "engine/backtest/BackTestRun.h"
#include "engine/stats/ChartSeries.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pick3 {

// The back-test's tested draws, oldest first, draw by draw.
struct LuckSeries {
    std::vector<double> hits;     // cumulative
    std::vector<double> expected; // the running sum of the shares
    HitBand band;
    std::vector<double> net;        // the running sum of prizes won less stakes
    std::size_t outside = 0;        // points where the hits leave the band
    std::vector<std::size_t> index; // each point's place in the history text
};
LuckSeries luckSeries(const BackTestReport& report, const Prizes& prizes);
// "The hits stay inside the band of luck at 480 of 500 draws (96%). By luck alone a line
// lies outside on up to about 1 draw in 10."
std::string luckText(const LuckSeries& luck);

} // namespace pick3
