// The profile of one number in both digit modes, the pair texts and the
// hot/cold label taken from the hot digits.

#include "engine/NumberProfile.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace pick3 {
namespace {

constexpr auto kAny = DigitMode::AnyPosition;
constexpr auto kPos = DigitMode::Positional;

// The fields that depend on the mode, and the pair widths, which depend on the
// order the digits are handed over in.
struct ModeRow {
    const char* name;
    int d1, d2, d3;
    DigitMode mode;
    const char *lmh, *ocs, *inOut, *oddEven, *highLow, *digitSort;
    int widthXX_, widthX_X, width_XX;
};

TEST(NumberProfile, LabelsFollowTheDigitMode) {
    const std::vector<ModeRow> rows{
        {"710 positional", 7, 1, 0, kPos, "HLL", "SSC", "IOO", "OOE", "HLL", "HML", 6, 7, 1},
        {"017 any position", 0, 1, 7, kAny, "LLH", "CSS", "MOSTLY OUT", "Mostly odd", "Mostly low",
         "LMH", 1, 7, 6},
        {"710 any position", 7, 1, 0, kAny, "LLH", "CSS", "MOSTLY OUT", "Mostly odd", "Mostly low",
         "HML", 6, 7, 1},
        {"321 any position", 3, 2, 1, kAny, "LLM", "OOS", "MOSTLY OUT", "Mostly odd", "All low",
         "HML", 1, 2, 1},
        {"123 any position", 1, 2, 3, kAny, "LLM", "OOS", "MOSTLY OUT", "Mostly odd", "All low",
         "LMH", 1, 2, 1},
        {"321 positional", 3, 2, 1, kPos, "MLL", "OOS", "IOO", "OEO", "LLL", "HML", 1, 2, 1},
        {"456 any position", 4, 5, 6, kAny, "MMM", "OCS", "ALL IN", "Mostly even", "Mostly high",
         "LMH", 1, 2, 1},
        {"999 positional", 9, 9, 9, kPos, "HHH", "CCC", "OOO", "OOO", "HHH", "LLL", 0, 0, 0},
        {"999 any position", 9, 9, 9, kAny, "HHH", "CCC", "ALL OUT", "All odd", "All high", "LLL",
         0, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const NumberProfile p = makeProfile(r.d1, r.d2, r.d3, r.mode, false, nullptr);
        EXPECT_EQ(p.sLMH, r.lmh);
        EXPECT_EQ(p.sOCS, r.ocs);
        EXPECT_EQ(p.sInOut, r.inOut);
        EXPECT_EQ(p.sOddEven, r.oddEven);
        EXPECT_EQ(p.sHighLow, r.highLow);
        EXPECT_EQ(p.sLMHDigits, r.digitSort);
        EXPECT_EQ(p.iWidthXX_, r.widthXX_);
        EXPECT_EQ(p.iWidthX_X, r.widthX_X);
        EXPECT_EQ(p.iWidth_XX, r.width_XX);
        EXPECT_TRUE(p.sHotCold.empty());
    }
}

TEST(NumberProfile, MeasuresAndPairsOf710InBothModes) {
    for (const DigitMode mode : {kPos, kAny}) {
        SCOPED_TRACE(mode == kPos ? "positional" : "any position");
        const NumberProfile p = makeProfile(7, 1, 0, mode, false, nullptr);
        EXPECT_EQ(p.iLowest, 0);
        EXPECT_EQ(p.iMiddle, 1);
        EXPECT_EQ(p.iHighest, 7);
        EXPECT_EQ(p.iSumDigits, 8);
        EXPECT_EQ(p.iRoot, 8);
        EXPECT_EQ(p.iLDR, 8);
        EXPECT_EQ(p.iWidth, 7);
        EXPECT_EQ(p.iWidthLM, 1);
        EXPECT_EQ(p.iWidthMH, 6);
        EXPECT_EQ(p.sPairXX_, "71");
        EXPECT_EQ(p.sPair_XX, "10");
        EXPECT_EQ(p.sPairX_X, "70");
        EXPECT_EQ(p.sBoxedPairs, (std::array<std::string, 3>{"01", "07", "17"}));
        EXPECT_EQ(p.iConsec2, 2);
        EXPECT_EQ(p.iConsec3, 0);
    }
}

TEST(NumberProfile, PairTexts) {
    struct Row {
        int d1, d2, d3;
        const char *left, *right, *split;
        std::array<std::string, 3> boxed;
    };
    const std::vector<Row> rows{
        {0, 0, 7, "00", "07", "07", {"00", "07", "07"}},
        {5, 5, 2, "55", "52", "52", {"25", "25", "55"}},
        {9, 0, 9, "90", "09", "99", {"09", "09", "99"}},
        {3, 2, 1, "32", "21", "31", {"12", "13", "23"}},
        {4, 4, 4, "44", "44", "44", {"44", "44", "44"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.d1) + std::to_string(r.d2) + std::to_string(r.d3));
        const NumberProfile p = makeProfile(r.d1, r.d2, r.d3, kPos, false, nullptr);
        EXPECT_EQ(p.sPairXX_, r.left);
        EXPECT_EQ(p.sPair_XX, r.right);
        EXPECT_EQ(p.sPairX_X, r.split);
        EXPECT_EQ(p.sBoxedPairs, r.boxed);
    }
}

TEST(NumberProfile, ConsecutiveHonoursZeroAndNine) {
    struct Row {
        int d1, d2, d3;
        bool zeroAndNine;
        int c2, c3;
    };
    const std::vector<Row> rows{
        {9, 0, 2, false, 0, 0}, {9, 0, 2, true, 2, 0},  {1, 9, 0, false, 2, 0},
        {1, 9, 0, true, 2, 3},  {3, 1, 2, false, 2, 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.d1) + std::to_string(r.d2) + std::to_string(r.d3) +
                     (r.zeroAndNine ? " 0-9" : ""));
        const NumberProfile p = makeProfile(r.d1, r.d2, r.d3, kAny, r.zeroAndNine, nullptr);
        EXPECT_EQ(p.iConsec2, r.c2);
        EXPECT_EQ(p.iConsec3, r.c3);
    }
}

HotDigits rankedHotDigits() {
    HotDigits hot;
    hot.positions[0] = {3, 8, 1, 0, 5};
    hot.positions[1] = {2, 4, 6, 7, 9};
    hot.positions[2] = {0, 1, 2, 3, 4};
    hot.box = {1, 2, 3, 4, 5};
    return hot;
}

struct HotRow {
    const char* name;
    int d1, d2, d3;
    DigitMode mode;
    const char* hotCold;
};

TEST(NumberProfile, HotColdFromTheHotDigits) {
    const HotDigits hot = rankedHotDigits();
    const std::vector<HotRow> rows{
        {"327 positional", 3, 2, 7, kPos, "HHC"},
        {"999 positional", 9, 9, 9, kPos, "CHC"},
        {"500 positional", 5, 0, 0, kPos, "HCH"},
        {"112 box", 1, 1, 2, kAny, "ALL HOT"},
        {"169 box", 1, 6, 9, kAny, "MOSTLY COLD"},
        {"680 box", 6, 8, 0, kAny, "ALL COLD"},
        {"155 box", 1, 5, 5, kAny, "ALL HOT"},
        {"559 box: a repeated digit counts per position", 5, 5, 9, kAny, "MOSTLY HOT"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(makeProfile(r.d1, r.d2, r.d3, r.mode, false, &hot).sHotCold, r.hotCold);
    }
}

TEST(NumberProfile, ShortOrEmptyRankingsMatchFewerDigits) {
    HotDigits shortLists;
    shortLists.positions[0] = {4, 2};
    shortLists.box = {7};
    const HotDigits nothingCounted;
    const std::vector<
        std::tuple<const char*, const HotDigits*, int, int, int, DigitMode, const char*>>
        rows{
            {"two ranked in position 1", &shortLists, 2, 2, 2, kPos, "HCC"},
            {"digit not among the two", &shortLists, 5, 4, 2, kPos, "CCC"},
            {"one ranked in the box", &shortLists, 7, 7, 1, kAny, "MOSTLY HOT"},
            {"nothing counted, positional", &nothingCounted, 1, 2, 3, kPos, "CCC"},
            {"nothing counted, box", &nothingCounted, 1, 2, 3, kAny, "ALL COLD"},
        };
    for (const auto& [name, hot, d1, d2, d3, mode, expected] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(makeProfile(d1, d2, d3, mode, false, hot).sHotCold, expected);
    }
}

TEST(NumberProfile, HotDigitLookups) {
    const HotDigits hot = rankedHotDigits();
    EXPECT_TRUE(hot.isHotInPosition(0, 3));
    EXPECT_TRUE(hot.isHotInPosition(0, 5));
    EXPECT_FALSE(hot.isHotInPosition(0, 2));
    EXPECT_TRUE(hot.isHotInPosition(2, 0));
    EXPECT_FALSE(hot.isHotInPosition(2, 9));
    EXPECT_TRUE(hot.isHotInBox(5));
    EXPECT_FALSE(hot.isHotInBox(6));
}

TEST(NumberProfile, RefusesBadInput) {
    const HotDigits hot = rankedHotDigits();
    const std::vector<std::pair<const char*, std::function<void()>>> calls{
        {"digit 10", [] { makeProfile(10, 0, 0, kPos, false, nullptr); }},
        {"digit -1", [] { makeProfile(0, -1, 0, kAny, false, nullptr); }},
        {"digit 12 with hot digits", [&] { makeProfile(1, 2, 12, kAny, false, &hot); }},
        {"position 3", [&] { hot.isHotInPosition(3, 1); }},
        {"position -1", [&] { hot.isHotInPosition(-1, 1); }},
        {"digit 10 in a position", [&] { hot.isHotInPosition(0, 10); }},
        {"digit -1 in the box", [&] { hot.isHotInBox(-1); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_THROW(call(), std::invalid_argument) << name;
    }
}

} // namespace
} // namespace pick3
