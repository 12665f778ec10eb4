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
    std::vector<double> net; // the running sum of prizes won less stakes
    // The running sum of prizes won less what the prizes of the numbers played
    // return on average: about zero where luck alone pays.
    std::vector<double> wonLessAverage;
    std::size_t outside = 0;        // points where the hits leave the band
    std::vector<std::size_t> index; // each point's place in the history text
};
LuckSeries luckSeries(const BackTestReport& report, const Prizes& prizes);
// What the luck chart draws. Against the expected hits (the first choice): the
// hits less the hits expected, and the band less them too, a line about zero
// that stays readable at any length. Cumulative: the hits, the expected hits and
// the band as counted. Each line is one value a draw.
enum class LuckView { AgainstExpected, Cumulative };
struct LuckLines {
    std::vector<double> hits, expected, low, high;
    std::vector<double> net, wonLessAverage; // money: wonLessAverage against the expected only
    // The hits axis's range: every hits line inside it, zero too, and a little room.
    double bottom = 0.0, top = 1.0;
};
LuckLines luckLines(const LuckSeries& luck, LuckView view);

// "The hits stay inside the band of luck at 480 of 500 draws (96%). By luck alone a line
// lies outside on up to about 1 draw in 10."
std::string luckText(const LuckSeries& luck);

} // namespace pick3
